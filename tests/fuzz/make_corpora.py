#!/usr/bin/python3
"""Writes the seed corpora of the fuzz targets logconfig, profile, busfile,
avcframe, avcresponse, mailbox, mixfile and remote: sound inputs, and copies broken in the ways a
reader meets (cut short, stray bytes, wrong sizes, values out of range).
Bus files come from the bus tool itself.

usage: make_corpora.py TVCBUS CORPUS_FOLDER
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

COMPANY = (0x00, 0x13, 0xA2)


def log_configs():
    types = "".join("[LogType%d]\nName=%s\nEnabled=%d\n" % (n, name, n < 4)
                    for n, name in enumerate(["ERROR", "WARNING", "INFO", "DATA"], 1))
    prefixes = ("ThreadIdExtension=1\nModuleTokenExtension=1\nTypeExtension=1\n"
                "TimeExtension=1\n")
    full = ("[Common]\nModuleToken=TVCFWDL\n" + types + "[TraceView]\nEnabled=1\n" + prefixes +
            "[LogFile]\n" + prefixes + "PathAndName=fwdl.log\nMaxSize=200\n"
            "CheckSizeAfterEachEntry=1\n")
    return {
        "full": full,
        "empty": "",
        "defaults-only": "[Common]\nModuleToken=TVCFWDL\n",
        "no-file": full.replace("PathAndName=fwdl.log", "PathAndName="),
        "tiny-max-size": full.replace("MaxSize=200", "MaxSize=1"),
        "huge-max-size": full.replace("MaxSize=200", "MaxSize=99999999999999999999"),
        "negative-max-size": full.replace("MaxSize=200", "MaxSize=-5"),
        "long-token": "[Common]\nModuleToken=%s\n[LogType1]\nEnabled=1\n" % ("T" * 300),
        "long-type-name": "[LogType2]\nName=%s\nEnabled=1\n" % ("W" * 400),
        "all-types": "".join("[LogType%d]\nName=T%d\nEnabled=1\n" % (n, n) for n in range(1, 34)),
        "type-zero": "[LogType0]\nEnabled=1\n[LogType33]\nEnabled=1\n",
        "format-in-name": "[LogType1]\nName=%s%n%x\nEnabled=1\n[TraceView]\nEnabled=1\n"
                          "TypeExtension=1\n",
        "format-in-token": "[Common]\nModuleToken=%s%s%s\n[TraceView]\nEnabled=1\n"
                           "ModuleTokenExtension=1\n",
        "crlf": full.replace("\n", "\r\n"),
        "no-newline-at-end": full.rstrip("\n"),
        "flags-not-one": full.replace("=1\n", "=yes\n"),
        "quoted": "[LogType1]\nName=\" ERROR \"\nEnabled='1'\n",
        "case": full.upper(),
        "unterminated-section": "[Common\nModuleToken=X\n[LogFile\nPathAndName=x.log\n",
        "comments": "; log\n# config\n" + full,
        "binary": "\x00\x01[LogType1]\x00\nName=\xff\xfe\nEnabled=1\x00\n",
        "backup-name": full.replace("fwdl.log", "fwdl.bak"),
        "folder-as-file": full.replace("fwdl.log", "."),
        "no-extension": full.replace("fwdl.log", "fwdl"),
        "duplicate-sections": full + full.replace("TVCFWDL", "SECOND"),
        "blank-values": "[Common]\nModuleToken=\n[LogType1]\nName=\nEnabled=\n",
        "spaces": "  [ Common ]  \n  ModuleToken  =  A B  \n",
        "equals-in-value": "[Common]\nModuleToken=a=b=c\n",
        "only-section": "[LogFile]\n",
    }


def profiles():
    simple = "[Alpha]\nOne=1\nTwo=two\n[Beta]\nThree=  three  \n"
    return {
        "simple": simple,
        "empty": "",
        "preamble": "Loose=1\n; comment\n" + simple,
        "case-twins": "[alpha]\nONE=a\none=b\n[ALPHA]\nOne=c\n",
        "empty-names": "[]\n=value\n[ ]\n = \n",
        "quotes": "[Q]\nA=\"  padded  \"\nB='x'\nC=\"\nD=\"\"\nE='\n",
        "crlf": simple.replace("\n", "\r\n"),
        "cr-only": simple.replace("\n", "\r"),
        "no-newline": simple.rstrip("\n"),
        "nul-bytes": "[A\x00B]\nK\x00=V\x00W\n",
        "long-line": "[L]\nK=" + "v" * 5000 + "\n",
        "long-section": "[" + "s" * 3000 + "]\nK=1\n",
        "many-sections": "".join("[S%d]\nK=%d\n" % (i, i) for i in range(300)),
        "many-keys": "[K]\n" + "".join("Key%d=%d\n" % (i, i) for i in range(300)),
        "brackets": "[a]b]\n[[x]]\n[y\nz]=1\n]=2\n[=3\n",
        "comments": "[C]\n;K=1\n#K=2\nK=3\n",
        "tabs": "\t[T]\t\n\tK\t=\tV\t\n",
        "fuzz-section": "[Fuzz]\nKey=old\nKey=older\n[fuzz]\nkey=x\n",
        "only-equals": "=\n==\n===\n",
        "utf8": "[Größe]\nSchlüssel=Wert ✓\n",
        "latin1": "[Gr\xf6\xdfe]\nK=\xe9\n",
        "blank-lines": "\n\n\n[A]\n\n\nK=1\n\n",
        "binary": "".join(chr(i) for i in range(256)),
    }


def run_tvcbus(tvcbus, bus, *args):
    env = dict(os.environ, TVC_SIM_BUS=bus)
    subprocess.run([tvcbus] + list(args), check=True, env=env, stdout=subprocess.DEVNULL)


def bus_files(tvcbus, work):
    bus = os.path.join(work, "bus.ini")
    steps = {
        "defaults": [],
        "two-units": [["plug", "2"], ["set", "2", "Name=Studio", "Guid=0x0013A20000000002"]],
        "four-units": [["plug", "2"], ["plug", "3"], ["plug", "4"]],
        "no-driver": [["set", "driver", "Present=0"]],
        "old-driver": [["set", "driver", "Version=2.9"]],
        "levels": [["set", "1", "Levels=1,2,3,4,5,6,7,0x7FFFFFFF"]],
        "faults": [["set", "1", "FailProperties=1", "IoDelayMs=5", "Disabled=1"]],
        "rates": [["set", "driver", "SampleRate=96000", "Latency1=1500", "Latency2=25000"]],
        "stopped": [["set", "driver", "Stopped=1", "ResetGeneration=7"]],
    }
    files = {}
    for name, commands in steps.items():
        run_tvcbus(tvcbus, bus, "reset")
        for command in commands:
            run_tvcbus(tvcbus, bus, *command)
        with open(bus, "rb") as f:
            files[name] = f.read().decode("latin-1")
    base = files["two-units"]
    files.update({
        "empty": "",
        "cut": base[:len(base) // 2],
        "levels-short": files["levels"].replace("1,2,3,4,5,6,7,0x7FFFFFFF", "1,2,3"),
        "levels-long": files["levels"].replace("0x7FFFFFFF", "8,9,10"),
        "levels-too-big": files["levels"].replace("0x7FFFFFFF", "0x1FFFFFFFF"),
        "levels-junk": files["levels"].replace("1,2,3", ",,x,-1,+2, 3"),
        "numbers-junk": base.replace("0x0013A20000000002", "0x").replace("Present=1", "Present=-1"),
        "numbers-huge": base.replace("0x0013A20000000002", "99999999999999999999999"),
        "version-junk": files["old-driver"].replace("2.9", ".x."),
        "version-huge": files["old-driver"].replace("2.9", "4294967296.4294967297"),
        "name-long": base.replace("Studio", "N" * 400),
        "name-quoted": base.replace("Studio", "\" pad \""),
        "same-guid": files["four-units"].replace("Present=0", "Present=1"),
        "mixer-junk": base + "Volume3.1=0x10000\nMute3.1=0x70\nBalance3.1=zz\nMixBypass=7\n",
        "mixer-edges": base + "Volume1.1=0x8080\nVolume3.1=0x8000\nBalance3.1=0x7FFE\n",
        "crlf": base.replace("\n", "\r\n"),
        "case": base.upper(),
        "sections-only": "[Driver]\n[Unit1]\n[Unit2]\n[Unit3]\n[Unit4]\n",
        "unit-zero-five": base.replace("[Unit1]", "[Unit0]").replace("[Unit2]", "[Unit5]"),
    })
    return files


def avc_frames():
    def vendor(ctype, sub, a1, a2):
        return bytes([ctype, 0x08, 0x00]) + bytes(COMPANY) + bytes([sub, a1, a2])

    def feature(ctype, block, channel, selector, data):
        return bytes([ctype, 0x08, 0xB8, 0x81, block, 0x10, 0x02, channel, selector,
                      len(data)]) + bytes(data)

    def name(ctype, text):
        return vendor(ctype, 0x06, 0, 0)[:7] + text.ljust(6, b"\0")[:6] + b"\0\0"

    frames = {
        "volume-set": feature(0, 3, 1, 0x02, [0x00, 0x00]),
        "volume-get": feature(1, 4, 2, 0x02, [0, 0]),
        "gain-set": feature(0, 1, 1, 0x02, [0xEB, 0x80]),
        "balance-set": feature(0, 3, 2, 0x03, [0x7F, 0xFE]),
        "mute-set": feature(0, 6, 0, 0x01, [0x70]),
        "mute-get": feature(1, 6, 0, 0x01, [0]),
        "mute-bad-value": feature(0, 6, 0, 0x01, [0x42]),
        "mute-two-bytes": feature(0, 6, 0, 0x01, [0x70, 0x00]),
        "feature-unknown-block": feature(0, 0x99, 1, 0x02, [0, 0]),
        "feature-short": feature(0, 3, 1, 0x02, [0x00, 0x00])[:10],
        "feature-length-lies": feature(0, 3, 1, 0x02, [0x00])[:-1] + b"\xff",
        "selector-set": bytes([0, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x01, 0x01]),
        "selector-get": bytes([1, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x00, 0x01]),
        "selector-bad-plug": bytes([0, 0x08, 0xB8, 0x80, 0x01, 0x10, 0x02, 0x05, 0x01]),
        "selector-short": bytes([0, 0x08, 0xB8, 0x80, 0x01, 0x10]),
        "phantom-set": vendor(0, 0x01, 1, 1),
        "phono-get": vendor(1, 0x00, 0, 0),
        "link-set": vendor(0, 0x05, 1, 1),
        "switch-bad-value": vendor(0, 0x02, 0, 9),
        "switch-unknown": vendor(0, 0x03, 9, 1),
        "command4": vendor(0, 0x04, 0, 0),
        "command7": vendor(0, 0x07, 0, 0),
        "sub-command-high": vendor(0, 0x42, 0, 0),
        "wrong-company": bytes([0, 0x08, 0x00, 1, 2, 3, 0x01, 0, 1]),
        "name-set": name(0, b"Studio"),
        "name-get": name(1, b""),
        "name-short": name(0, b"abc")[:12],
        "name-control-bytes": name(0, b"a\nb=1\r"),
        "name-quote": name(0, b"\"  x  "),
        "other-subunit": bytes([1, 0x20, 0xB8, 0x81, 3, 0x10, 0x02, 1, 2, 2, 0, 0]),
        "notify-type": bytes([3, 0x08, 0xB8, 0x81, 3, 0x10, 0x02, 1, 2, 2, 0, 0]),
        "empty": b"",
        "one-byte": b"\x01",
        "max-length": feature(1, 3, 1, 0x02, [0, 0]) + bytes(500),
    }
    records = {
        "record-ok": struct.pack("<II", 2000, 9) + vendor(1, 0x01, 0, 0) + bytes(503),
        "record-bad-constant": struct.pack("<II", 1999, 9) + vendor(1, 0x01, 0, 0),
        "record-long-length": struct.pack("<II", 2000, 513) + vendor(1, 0x01, 0, 0),
        "record-huge-length": struct.pack("<II", 2000, 0xFFFFFFFF) + vendor(1, 0x01, 0, 0),
    }
    frames.update(records)
    return frames


def avc_responses():
    def record(status, frame):
        return bytes([status]) + struct.pack("<I", len(frame)) + frame + bytes(512 - len(frame))

    def feature(code, value):
        return bytes([code, 0x08, 0xB8, 0x81, 3, 0x10, 0x02, 1, 0x02, 2]) + bytes(value)

    def vendor(code, value):
        return bytes([code, 0x08, 0x00]) + bytes(COMPANY) + bytes([1, 0, value])

    responses = {
        "failed": bytes([3]) + record(0, feature(0x0C, [0, 0]))[1:],
        "empty": b"",
        "status-only": b"\x00",
        "short-record": record(0, feature(0x0C, [0x00, 0x00]))[:12],
        "name": record(0, vendor(0x0C, 0)[:7] + b"Studio\0\0"),
        "name-no-zero": record(0, vendor(0x0C, 0)[:7] + b"ABCDEFGH"),
        "rejected": record(0, feature(0x0A, [0xFF, 0xFF])),
        "not-implemented": record(0, feature(0x08, [0, 0])),
        "all-ff": b"\x00" + b"\xff" * 516,
        "long": record(0, feature(0x0C, [0, 0])) + b"extra",
    }
    for high in (0x00, 0x7F, 0x80, 0x81, 0xEB, 0xFF):
        for low in (0x00, 0x80, 0xFE):
            responses["feature-%02x%02x" % (high, low)] = record(0, feature(0x0C, [high, low]))
    for value in (0, 1, 0x60, 0x70, 0xFF):
        responses["switch-%02x" % value] = record(0, vendor(0x0C, value))
    return responses


def mailbox_plays():
    def request(code, seq, words=()):
        record = struct.pack("<II", 0x4C4D5241, (code << 16) | seq)
        for word in words:
            record += struct.pack("<I", word)
        return b"\x01" + record.ljust(64, b"\0")

    def start(seq, object_type=0, length=256, crc=0):
        payload = (struct.pack("<I", object_type) + b"20240101" + b"120000\0\0" +
                   struct.pack("<IIIII", 0x00020001, 5, 0x8000, length, crc))
        return b"\x01" + (struct.pack("<II", 0x4C4D5241, (4 << 16) | seq) + payload).ljust(64, b"\0")

    def data(offset, payload):
        return b"\x00" + struct.pack(">HH", offset, len(payload)) + payload

    def read(offset=0, size=64):
        return b"\x02" + bytes([offset, size])

    image = bytes((i * 13) & 0xFF for i in range(256))
    crc = zlib.crc32(image)
    blocks = b"".join(data(0, image[i:i + 64]) + request(5, 2 + i // 64, [i // 64, 0, 64]) + read()
                      for i in range(0, 256, 64))
    whole = start(1, crc=crc) + read() + blocks + request(6, 9) + read()
    plays = {
        "download-p1": b"\x03" + whole,
        "download-p2": b"\x04" + whole,
        "download-p3": b"\x05" + whole,
        "not-in-bootloader": b"\x00" + whole,
        "reset-halt": b"\x03" + request(2, 1, [1]) + read(),
        "reset-start": b"\x03" + request(2, 1, [0]) + read(),
        "block-before-start": b"\x03" + data(0, image[:64]) + request(5, 1, [0, 0, 64]) + read(),
        "block-out-of-order": b"\x03" + start(1) + request(5, 2, [3, 0, 64]) + read(),
        "block-too-big": b"\x03" + start(1) + request(5, 2, [0, 0, 0xFFFFFFFF]) + read(),
        "end-without-start": b"\x03" + request(6, 1) + read(),
        "image-too-large": b"\x03" + start(1, length=0x100000) + read(),
        "two-objects-p3": b"\x05" + start(1) + start(2, object_type=1) + read(),
        "unknown-request": b"\x03" + request(0x33, 1) + read(),
        "program-guid": b"\x03" + request(10, 1, [1, 2]) + read(),
        "short-request": b"\x03\x01" + b"\x41" * 20,
        "data-at-window-end": b"\x03" + data(0x7F80, b"x" * 64) + data(0x7FBF, b"yy"),
        "reads-odd-sizes": b"\x03" + read(63, 1) + read(60, 8) + read(0, 0) + read(1, 64),
        "empty": b"",
        "flags-only": b"\x07",
    }
    return plays


def mix_files():
    def mix(entries, count=None):
        body = b"".join(k + b"\0" + v + b"\0" for k, v in entries)
        return b"PROP" + struct.pack("<i", len(entries) if count is None else count) + body

    keys = [b"Phono", b"HeadPhones"]
    for n in b"12":
        keys += [k + bytes([n]) for k in (b"PreampGain", b"Phantom", b"Limiter", b"Boost")]
    keys += [b"LeftLine", b"RightLine"]
    for n in b"12":
        keys += [k + bytes([n]) for k in (b"Leftfader", b"LeftPan", b"LeftMute", b"Rightfader",
                                           b"RightPan", b"RightMute", b"Link")]
    keys += [b"PBfader", b"PBmute", b"Mainfader", b"MainMute", b"MixBypass"]
    full = [(k, b"127.5" if i % 3 == 1 else b"1") for i, k in enumerate(keys)]
    new = mix(full)
    payload = new[4:]
    return {
        "new": new,
        "empty": b"",
        "magic-only": b"PROP",
        "count-cut": b"PROP\x1f\x00",
        "no-entries": mix([]),
        "cut-in-key": new[:300],
        "cut-after-key": new[:new.index(b"MixBypass") + 10],
        "last-zero-missing": new[:-1],
        "negative-count": mix(full[:2], -1),
        "huge-count": mix(full[:2], 0x7FFFFFFF),
        "count-short": mix(full, 3),
        "trailing-bytes": new + b"junk\0",
        "empty-key": mix([(b"", b"x"), (b"Phono", b"1")]),
        "repeated-key": mix([(b"LeftPan1", b"12"), (b"Phono", b"1"), (b"LeftPan1", b"13")]),
        "foreign-keys": mix([(b"Foreign \xe9t\xe9", b"x\xffy"), (b"MixBypass", b"1")]),
        "values-odd": mix([(b"HeadPhones", b"1e400"), (b"Phono", b"-0"), (b"PBfader", b"nan"),
                           (b"Mainfader", b" 12abc")]),
        "compressed": b"CPRP" + zlib.compress(payload),
        "compressed-cut": b"CPRP" + zlib.compress(payload)[:20],
        "foreign-xml": b'<?xml version="1.0"?><PROPERTIES><VALUE name="Phono" val="1"/></PROPERTIES>',
        "lower-case-magic": b"prop" + payload,
    }


def remote_messages():
    """The remote target's input: per message a byte picking a known address
    (0xF0 and up: a length-prefixed address of its own), a byte with the count
    of arguments, then each argument's type (0 int, 1 float, 2 text) and value."""
    def msg(pick, *args, address=b""):
        out = bytes([pick]) + (bytes([len(address)]) + address if pick >= 0xF0 else b"")
        out += bytes([len(args)])
        for kind, value in args:
            out += bytes([kind])
            if kind == 0:
                out += struct.pack(">i", value)
            elif kind == 1:
                out += struct.pack(">f", value)
            else:
                out += bytes([len(value)]) + value
        return out
    fader = 10  # "/lumora/main/fader" follows the ten requests
    return {
        "set-fader": msg(fader, (1, 200.0)),
        "set-decibels": msg(fader + 1, (1, -6.0)),
        "flood": b"".join(msg(fader, (1, float(i % 256))) for i in range(300)),
        "requests": msg(0, (0, 2)) + msg(9, (0, 9000)) + msg(8, (0, 9000)) +
                    msg(1, (2, b"/tmp/a.imx")) + msg(3, (0, 1)) + msg(fader + 2, (0, 1)),
        "own-address": msg(0xF0, (1, 1.0), address=b"/lumora/phono"),
        "bad-arguments": msg(fader, (2, b"200")) + msg(fader, (1, 1.0), (1, 2.0)) +
                         msg(0, (1, 1.5)) + msg(1, (2, b"")),
        # Found by the fuzzer: a NaN where a whole number belongs.
        "nan-port": msg(4, (1, float("nan"))) + msg(0, (1, float("nan"))),
    }


def write(folder, name, files):
    target = os.path.join(folder, name)
    os.makedirs(target, exist_ok=True)
    for old in os.listdir(target):
        os.remove(os.path.join(target, old))
    for key, data in sorted(files.items()):
        if isinstance(data, str):
            data = data.encode("latin-1", errors="strict") if all(ord(c) < 256 for c in data) \
                else data.encode("utf-8")
        with open(os.path.join(target, key), "wb") as f:
            f.write(data)
    print("%s: %d files" % (name, len(files)))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tvcbus, folder = sys.argv[1], sys.argv[2]
    write(folder, "logconfig", log_configs())
    write(folder, "profile", profiles())
    with tempfile.TemporaryDirectory() as work:
        write(folder, "busfile", bus_files(tvcbus, work))
    write(folder, "avcframe", avc_frames())
    write(folder, "avcresponse", avc_responses())
    write(folder, "mailbox", mailbox_plays())
    write(folder, "mixfile", mix_files())
    write(folder, "remote", remote_messages())


if __name__ == "__main__":
    main()
