"""Renders the vector sources in svg/ into the images the program compiles in: images/ at the
panel's size and images@2x/ at twice that size (same names), drawn where the screen scales the
panel up.

Needs rsvg-convert (Debian package librsvg2-bin), Pillow (python3-pil) and the DejaVu Sans
typeface (fonts-dejavu-core). PNGs come out 8-bit RGBA with a gamma chunk (the title bar 8-bit
RGB), the two backgrounds as baseline JPEG; no time stamps or text chunks, so a re-run gives
the same bytes.
"""
import io
import os
import struct
import subprocess
import sys

from PIL import Image, PngImagePlugin

HERE = os.path.dirname(os.path.abspath(__file__))
GAMMA = 45455  # 1 / 2.2, in the PNG gamma chunk's units of 1/100000
JPEGS = ("background", "winshade4")
RGB_PNGS = ("titlebar",)


def rasterise(svg_path, zoom):
    png = subprocess.run(["rsvg-convert", "--format", "png", "--zoom", str(zoom), svg_path],
                         check=True, stdout=subprocess.PIPE).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def write(name, image, out_dir):
    if name in JPEGS:
        path = os.path.join(out_dir, name + ".jpg")
        image.convert("RGB").save(path, "JPEG", quality=92, subsampling=0, progressive=False,
                                  optimize=False)
        return path
    info = PngImagePlugin.PngInfo()
    info.add(b"gAMA", struct.pack(">I", GAMMA))
    mode = "RGB" if name in RGB_PNGS else "RGBA"
    path = os.path.join(out_dir, name + ".png")
    image.convert(mode).save(path, "PNG", pnginfo=info, optimize=False, compress_level=9)
    return path


def render_all(zoom, out_dir):
    svg_dir = os.path.join(HERE, "svg")
    os.makedirs(out_dir, exist_ok=True)
    for source in sorted(os.listdir(svg_dir)):
        if source.endswith(".svg"):
            name = source[:-4]
            write(name, rasterise(os.path.join(svg_dir, source), zoom), out_dir)


def main(argv):
    """render.py [OUT_DIR [OUT_DIR_2X]]: by default images/ and images@2x/ beside this script."""
    out_dir = argv[1] if len(argv) > 1 else os.path.join(HERE, "images")
    out_dir_2x = argv[2] if len(argv) > 2 else os.path.join(HERE, "images@2x")
    render_all(1, out_dir)
    render_all(2, out_dir_2x)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
