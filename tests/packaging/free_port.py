#!/usr/bin/env python3
"""Prints a UDP port on 127.0.0.1 that nothing listens on now: the remote
control's checks expect no panel there, or start one on it."""
import socket

with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
    probe.bind(("127.0.0.1", 0))
    print(probe.getsockname()[1])
