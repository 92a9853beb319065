#!/usr/bin/env python3
"""Checks a screenshot of lumora_update's window under wine: its size with the
drawn title bar, and the amber words "FIRMWARE UPDATE" beside the logo. Then
makes sure the check can fail: the same picture without its title bar, and
with the words painted over, must not pass.

usage: updater_check.py WINDOW.png
"""
import sys

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 720, 675
TITLE_BAR = 23
# The words, in the window's coordinates (the content starts 1 pixel in).
WORDS = (251, TITLE_BAR + 13, 511, TITLE_BAR + 39)


def amber(pixel):
    r, g, b = pixel[:3]
    return r > 200 and 120 < g < 210 and b < 90


def check(image):
    if image.size != (WIDTH, HEIGHT):
        return [f"window is {image.size[0]} x {image.size[1]}, not {WIDTH} x {HEIGHT}"]
    left, top, right, bottom = WORDS
    lit = sum(amber(image.getpixel((x, y))) for x in range(left, right) for y in range(top, bottom))
    if lit < 300:
        return [f"no amber words beside the logo ({lit} amber pixels)"]
    return []


def main():
    image = Image.open(sys.argv[1]).convert("RGB")
    failures = check(image)
    for failure in failures:
        print(f"updater_check: {failure}", file=sys.stderr)
    if failures:
        return 1
    cropped = image.crop((0, TITLE_BAR, WIDTH, HEIGHT))
    painted = image.copy()
    ImageDraw.Draw(painted).rectangle(WORDS, fill=(40, 42, 46))
    if not check(cropped) or not check(painted):
        print("updater_check: the check passes pictures it must refuse", file=sys.stderr)
        return 1
    print(f"updater_check: {WIDTH} x {HEIGHT} window with its title bar and words")
    return 0


if __name__ == "__main__":
    sys.exit(main())
