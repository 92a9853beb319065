#!/usr/bin/python3
"""Writes the seed corpus of the tvdfile fuzz target: firmware image files
made with tvdbuild, and copies of them damaged in the ways a reader meets.

usage: make_tvdfile_corpus.py TVDBUILD OUTPUT_FOLDER
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib


def make(tvdbuild, work, name, args):
    out = os.path.join(work, name)
    subprocess.run([tvdbuild, "make", "-o", out, "--date", "20240131", "--time", "120000"] + args,
                   check=True, stdout=subprocess.DEVNULL)
    with open(out, "rb") as f:
        return f.read()


def with_word(data, offset, value, header_size):
    data = bytearray(data)
    struct.pack_into("<I", data, offset, value)
    struct.pack_into("<I", data, 44, 0)
    struct.pack_into("<I", data, 44, zlib.crc32(bytes(data[:header_size])))
    return bytes(data)


def flipped(data, offset):
    data = bytearray(data)
    data[offset] ^= 0x01
    return bytes(data)


def sound_files(tvdbuild, work):
    image = os.path.join(work, "image.bin")
    cne = os.path.join(work, "cne.bin")
    with open(image, "wb") as f:
        f.write(bytes((i * 7) & 0xFF for i in range(300)))
    with open(cne, "wb") as f:
        f.write(b"\xce" * 24)
    common = ["--firmware-version", "0x00020001", "--firmware-build", "5", "--hardware", "3",
              "--vendor", "0xA0DE"]
    files = {}
    for version in ("0", "1"):
        v = ["--file-version", version] + common
        files["v%s-full" % version] = make(tvdbuild, work, "a", v + [
            "--image", image, "--address", "0x8000", "--cne", cne, "--info", "Release notes"])
        files["v%s-image" % version] = make(tvdbuild, work, "b", v + [
            "--image", image, "--address", "0"])
        files["v%s-cne" % version] = make(tvdbuild, work, "c", v + ["--cne", cne, "--info", "x"])
        files["v%s-nodata" % version] = make(tvdbuild, work, "d", v)
    return files


def broken_files(files):
    broken = {}
    v0, v1 = files["v0-full"], files["v1-full"]
    broken["empty"] = b""
    broken["short-common"] = v0[:47]
    broken["short-v0"] = v0[:95]
    broken["short-v1"] = v1[:111]
    broken["short-info"] = v0[:100]
    broken["short-image"] = v0[:200]
    broken["short-cne"] = v0[:-1]
    broken["magic"] = b"XXXX" + v0[4:]
    broken["v1-version2"] = with_word(v1, 40, 2, 112)
    for offset in (5, 30, 50, 60, 90, 100):
        broken["header-flip-%d" % offset] = flipped(v1 if offset == 100 else v0, offset)
    broken["image-flip"] = flipped(v0, 200)
    broken["cne-flip"] = flipped(v0, len(v0) - 2)
    broken["offset-in-header"] = with_word(v0, 48, 50, 96)
    broken["offset-beyond-end"] = with_word(v0, 48, 0xFFFFFF00, 96)
    broken["image-length-huge"] = with_word(v0, 56, 0xFFFFFFFF, 96)
    broken["cne-offset-huge"] = with_word(v0, 80, 0xFFFFFFF0, 96)
    broken["v1-offset-in-header"] = with_word(v1, 48, 100, 112)
    broken["image2-sizes-text"] = with_word(files["v0-nodata"], 64, 126, 96) + b"t" * 30
    return broken


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tvdbuild, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        files = sound_files(tvdbuild, work)
    files.update(broken_files(files))
    for name, data in sorted(files.items()):
        with open(os.path.join(folder, name + ".tvd"), "wb") as f:
            f.write(data)
    print("wrote %d files to %s" % (len(files), folder))


if __name__ == "__main__":
    main()
