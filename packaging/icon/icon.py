"""Draws the application icon from the panel's artwork and renders it for both platforms.

The icon is the panel's master knob on a tile of its brushed plate, inside the silver chassis
rim, with the amber pointer and scale of the line knob. Sizes of 32 pixels and less get their
own drawing with no brushing or knurls and a bolder pointer, so they stay sharp.

Writes lumora.svg and lumora-small.svg, png/<N>.png for the hicolor sizes and lumora.ico
(16 to 256 pixels) beside this file. Needs what the skin's render.py needs (rsvg-convert,
Pillow, run with /usr/bin/python3); the output is committed, so a build needs neither.
"""
import io
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "panel", "controls", "skin"))

from PIL import Image  # noqa: E402

from art import LED, blur, brushed, circle, line, linear, polar, radial, rect, svg  # noqa: E402
from controls import _knob_body  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SMALL = 32  # this size and below come from the small drawing
CANVAS = 256
AMBER = LED["amber"][0]
POINTER = 40  # degrees clockwise from twelve o'clock


def _tile(detailed):
    """The rounded tile: silver rim, dark plate, brushing and light from the top left."""
    defs = linear("chassis", [(0, "#d8dbe0", 1), (1, "#8f939a", 1)])
    defs += linear("plate", [(0, "#363a41", 1), (0.5, "#2a2d32", 1), (1, "#1f2226", 1)])
    defs += linear("light", [(0, "#ffffff", 0.08), (0.5, "#ffffff", 0), (1, "#000", 0.18)],
                   x2=1, y2=1)
    body = rect(8, 8, 240, 240, 44, "url(#chassis)")
    body += rect(20, 20, 216, 216, 34, "url(#plate)")
    if detailed:
        defs += brushed("brush", 11, 0.09)
        body += rect(20, 20, 216, 216, 34, "#000", ' filter="url(#brush)"')
    body += rect(20, 20, 216, 216, 34, "url(#light)")
    body += rect(20.5, 20.5, 215, 215, 34, "none", ' stroke="#0c0d0f" stroke-width="1.5"')
    return defs, body


def _scale(c, r_in, r_out, width):
    """Ticks from seven to five o'clock, amber up to the pointer."""
    out = ""
    for step in range(11):
        a = -135 + 27 * step
        x1, y1 = polar(c, c, r_in, a)
        x2, y2 = polar(c, c, r_out, a)
        colour = AMBER if a <= POINTER else "#a9adb3"
        out += line(x1, y1, x2, y2, colour, width, ' stroke-linecap="round"')
    return out


def _knob(c, detailed):
    if detailed:
        defs, body = _knob_body(c, 76, 55, 56, AMBER, 18, 70, 7)
    else:
        defs = radial("skirt", [(0, "#4a4e55", 1), (0.85, "#2a2d31", 1), (1, "#0e0f11", 1)])
        defs += radial("cap", [(0, "#7a7e87", 1), (0.7, "#585c64", 1), (1, "#2b2d31", 1)],
                       cx=0.4, cy=0.35)
        body = circle(c, c, 80, "url(#skirt)")
        body += circle(c, c, 58, "url(#cap)")
        body += line(c, c - 16, c, c - 72, "#000", 26, ' stroke-linecap="round" opacity="0.6"')
        body += line(c, c - 16, c, c - 72, AMBER, 20, ' stroke-linecap="round"')
    turned = '<g transform="rotate(%d %d %d)">\n%s</g>\n' % (POINTER, c, c, body)
    return defs, turned


def draw(detailed):
    c = CANVAS // 2
    tile_defs, tile = _tile(detailed)
    knob_defs, knob = _knob(c + 4, detailed)
    defs = tile_defs + knob_defs + blur("shadow", 4)
    body = tile
    if detailed:
        body += _scale(c + 4, 88, 100, 6)
    body += circle(c + 8, c + 10, 80, "#000", ' opacity="0.5" filter="url(#shadow)"')
    body += knob
    return svg(CANVAS, CANVAS, body, defs)


def render(svg_path, size):
    png = subprocess.run(["rsvg-convert", "--format", "png", "--width", str(size),
                          "--height", str(size), svg_path],
                         check=True, stdout=subprocess.PIPE).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def main():
    sources = {}
    for name, detailed in (("lumora", True), ("lumora-small", False)):
        sources[detailed] = os.path.join(HERE, name + ".svg")
        with open(sources[detailed], "w") as out:
            out.write(draw(detailed))
    os.makedirs(os.path.join(HERE, "png"), exist_ok=True)
    images = []
    for size in SIZES:
        image = render(sources[size > SMALL], size)
        image.save(os.path.join(HERE, "png", "%d.png" % size), "PNG", optimize=False,
                   compress_level=9)
        images.append(image)
    ico_sizes = [(s, s) for s in SIZES]
    images[-1].save(os.path.join(HERE, "lumora.ico"), "ICO", sizes=ico_sizes,
                    append_images=images[:-1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
