#!/usr/bin/env python3
"""Checks a screenshot of the panel's window under wine: its size with the
drawn title bar, and the dark label box of the "No Device" veil. Then makes
sure the checks can fail: the same picture without its title bar, and with
the label box painted over, must not pass.

usage: screenshot_check.py WINDOW.png
"""
import sys

from PIL import Image, ImageDraw

WIDTH, HEIGHT = 725, 615
TITLE_BAR = 23
# The label box of the veil, in the content's coordinates.
BOX_X, BOX_Y, BOX_W, BOX_H = 290, 276, 80, 20


def luminance(pixel):
    r, g, b = pixel[:3]
    return 0.299 * r + 0.587 * g + 0.114 * b


def mean(image, points):
    values = [luminance(image.getpixel(p)) for p in points]
    return sum(values) / len(values)


def box_edges(left, top, right, bottom):
    """The points of the box's top and bottom rows inside its rounded corners,
    clear of the text in the middle."""
    return [(x, y) for y in (top + 1, bottom - 2) for x in range(left + 8, right - 8)]


def ring(left, top, right, bottom, gap):
    """The points of a ring round the box, gap pixels outside it."""
    points = [(x, y) for x in range(left - gap, right + gap) for y in (top - gap, bottom + gap - 1)]
    points += [(x, y) for y in range(top - gap, bottom + gap) for x in (left - gap, right + gap - 1)]
    return points


def check(image):
    failures = []
    if image.size != (WIDTH, HEIGHT):
        failures.append(f"window is {image.size[0]} x {image.size[1]}, not {WIDTH} x {HEIGHT}")
        return failures
    left, top = BOX_X, TITLE_BAR + BOX_Y
    right, bottom = left + BOX_W, top + BOX_H
    inside = mean(image, box_edges(left, top, right, bottom))
    around = mean(image, ring(left, top, right, bottom, 3))
    # Black at 0.7 leaves under a third of what is behind it.
    if not (inside < 0.4 * around and around > 90):
        failures.append(f"no dark label box: {inside:.0f} inside, {around:.0f} around it")
    text = max(luminance(image.getpixel((x, y)))
               for x in range(left + 5, right - 5) for y in range(top + 3, bottom - 3))
    if text < 200:
        failures.append(f"no white text in the label box (brightest {text:.0f})")
    # The veil is light grey at 0.6 over the whole content.
    corner = mean(image, [(x, y) for x in range(5, 25) for y in range(TITLE_BAR + 40, TITLE_BAR + 60)])
    if corner < 110:
        failures.append(f"no light veil over the content ({corner:.0f} at its left edge)")
    return failures


def spoiled(image):
    """The picture cut below the title bar, and with the box in the veil's colour."""
    content = image.crop((0, TITLE_BAR, WIDTH, HEIGHT))
    painted = image.copy()
    left, top = BOX_X - 2, TITLE_BAR + BOX_Y - 2
    ImageDraw.Draw(painted).rectangle((left, top, left + BOX_W + 3, top + BOX_H + 3),
                                      fill=image.getpixel((BOX_X - 4, TITLE_BAR + BOX_Y - 4)))
    return {"without its title bar": content, "without the label box": painted}


def main():
    image = Image.open(sys.argv[1]).convert("RGB")
    failures = check(image)
    for failure in failures:
        print(f"screenshot_check: {failure}", file=sys.stderr)
    if failures:
        return 1
    for what, picture in spoiled(image).items():
        if not check(picture):
            print(f"screenshot_check: the picture {what} passes too", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
