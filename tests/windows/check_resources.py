#!/usr/bin/env python3
"""Checks what Windows shows of the programs and the download library: each
program's icon group holds 16 to 256 pixels, its manifest asks for no
elevation and per-monitor DPI awareness, and every binary's version resource
names the company and the project's version. Reads the resources with
wrestool (icoutils).

usage: check_resources.py BIN_DIR VERSION
"""
import os
import re
import struct
import subprocess
import sys

PROGRAMS = ("lumora_panel.exe", "lumora_update.exe", "lumoractl.exe", "tvcupdate.exe")
LIBRARIES = ("tvc_fwdl.dll",)
ICON_SIZES = {16, 22, 24, 32, 48, 64, 128, 256}


def resource(path, kind):
    return subprocess.run(["wrestool", "--raw", "-x", "--type=%d" % kind, path],
                          check=True, stdout=subprocess.PIPE).stdout


def icon_sizes(path):
    """The widths listed in the icon group (a width of 0 means 256)."""
    group = resource(path, 14)
    if len(group) < 6:
        return set()
    count = struct.unpack_from("<H", group, 4)[0]
    return {group[6 + 14 * i] or 256 for i in range(count)}


def version_strings(path):
    return resource(path, 16).decode("utf-16-le", errors="replace")


def value(strings, key):
    """A string of the version resource: its key, zeros up to the next 32-bit
    boundary, then the value up to its zero."""
    found = re.search(re.escape(key) + "\0+([^\0]*)", strings)
    return found.group(1) if found else None


def check(path, version, program):
    failures = []
    name = os.path.basename(path)
    strings = version_strings(path)
    expected = {"CompanyName": "Brantel", "FileVersion": version, "ProductVersion": version,
                "ProductName": "LUMORA 1394", "OriginalFilename": name}
    for key, wanted in expected.items():
        if value(strings, key) != wanted:
            failures.append("%s: %s is %r, not %r" % (name, key, value(strings, key), wanted))
    if not program:
        return failures
    if icon_sizes(path) != ICON_SIZES:
        failures.append("%s: icon sizes %s" % (name, sorted(icon_sizes(path))))
    manifest = resource(path, 24).decode("utf-8", errors="replace")
    for wanted in ('level="asInvoker"', "PerMonitorV2", "true/pm"):
        if wanted not in manifest:
            failures.append("%s: the manifest lacks %s" % (name, wanted))
    return failures


def main():
    bin_dir, version = sys.argv[1], sys.argv[2]
    failures = []
    for name in PROGRAMS + LIBRARIES:
        failures += check(os.path.join(bin_dir, name), version, name in PROGRAMS)
    for failure in failures:
        print("check_resources: " + failure, file=sys.stderr)
    if not failures:
        print("check_resources: icons, manifests and version %s in %d binaries"
              % (version, len(PROGRAMS + LIBRARIES)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
