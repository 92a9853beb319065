"""Pastes the control images onto the backgrounds at their layout positions, as the program
would draw them, into PNGs outside the repository (default /tmp/art):

  window-0.png    main window, knobs at 0, switches off, faders at 0 dB
  window-128.png  main window, knobs at 128, switches on, a few pressed, meters lit
  shade-0.png, shade-128.png   the window-shade strip likewise
  sheet.png       every image at four times its size
  preview.png     both windows and both strips side by side
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

import layout

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
BUTTONS = {
    "phono": ("phono-on", "button-off", "phono-down"),
    "boost": ("boost-on", "button-off", "boost-down"),
    "preampbutton": ("preampbutton-on", "button-off", "preampbutton-down"),
    "mute": ("mute-on", "mute-off", "mute-down"),
    "link": ("link-on", "link-off", "link-down"),
    "mixbypass": ("mixbypass-on", "mixbypass-off", "mixbypass-down"),
    "stereo": ("stereo-off", "stereo-on", "stereo-down"),
    "aot": ("aot-on-hover", "aot-off", "aot-off-down"),
    "shade": ("shade-hover", "shade", "shade-down"),
    "minimize": ("minimize", "minimize", "minimize-down"),
    "close": ("close-hover", "close", "close-down"),
    "save": ("save", "save", "save-down"),
    "load": ("load", "load", "load-down"),
}


class Skin:
    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def __call__(self, name):
        if name not in self.cache:
            path = os.path.join(self.folder, name + (".jpg" if name in ("background", "winshade4")
                                                     else ".png"))
            self.cache[name] = Image.open(path).convert("RGBA")
        return self.cache[name]


def paste(canvas, image, x, y, clip=None):
    if clip:
        image = image.crop((0, 0, min(clip[0], image.width), min(clip[1], image.height)))
    canvas.alpha_composite(image, (int(x), int(y)))


def draw_knob(canvas, skin, item, value, ox, oy):
    name, size = layout.KNOB_IMAGES[item["image"]]
    angle = layout.knob_angle(value, item["skew"])
    turned = skin(name).rotate(-angle, resample=Image.BICUBIC, center=(size // 2, size // 2))
    paste(canvas, turned, ox + item["x"], oy + item["y"], clip=(item["w"], item["h"]))


def draw_meter(canvas, skin, item, display, ox, oy):
    if display >= item["h"]:
        return
    fill = skin("meter-fill").crop((0, int(display), item["w"], item["h"]))
    paste(canvas, fill, ox + item["x"], oy + item["y"] + int(display))


def draw_item(canvas, skin, item, state, ox, oy):
    kind = item["kind"]
    if kind == "knob":
        draw_knob(canvas, skin, item, state["knob"], ox, oy)
    elif kind in BUTTONS:
        on, off, down = BUTTONS[kind]
        pressed = item["name"] in state["pressed"]
        image = down if pressed else (on if state["on"] else off)
        paste(canvas, skin(image), ox + item["x"], oy + item["y"])
    elif kind == "fader":
        y = layout.fader_y(state["fader"], item["y"])
        paste(canvas, skin("fader"), ox + item["x"], oy + int(y - 20))
    elif kind == "pan":
        x = layout.pan_x(state["pan"], item["x"]) + 1
        paste(canvas, skin("panhandle"), ox + int(x - 10), oy + item["y"])
    elif kind == "meter":
        draw_meter(canvas, skin, item, state["meter"], ox, oy)
    elif kind == "combo":
        text = "48 kHz" if item["name"] == "sample rate" else "6.0 ms"
        ImageDraw.Draw(canvas).text((ox + item["x"] + 4, oy + item["y"] + 10), text,
                                    font=ImageFont.truetype(FONT, 15), fill="#90ee90",
                                    anchor="lm")
    elif kind == "unit":
        alpha = 255 if item["name"] == "unit 1" else 102
        icon = skin("unitsmall").copy()
        icon.putalpha(icon.getchannel("A").point(lambda a: a * alpha // 255))
        paste(canvas, icon, ox + item["x"], oy + item["y"])
        ImageDraw.Draw(canvas).text(
            (ox + item["x"] + 1 + 16, oy + item["y"] + 12 + 17.5), item["name"].title(),
            font=ImageFont.truetype(FONT, 12), fill=(0, 0, 0, alpha), anchor="mm")


def window(skin, state):
    canvas = Image.new("RGBA", (725, 615), (199, 199, 199, 255))
    paste(canvas, skin("titlebar"), 1, 1)
    draw = ImageDraw.Draw(canvas)
    draw.text((3, 12), "LUMORA 1394 Control Panel", font=ImageFont.truetype(FONT_BOLD, 13),
              fill="black", anchor="lm")
    overlay = Image.new("RGBA", canvas.size)
    ImageDraw.Draw(overlay).line((1, 23, 723, 23), fill=(0, 0, 0, 102))
    canvas.alpha_composite(overlay)
    paste(canvas, skin("background"), 1, 24)
    for item in layout.main_component():
        draw_item(canvas, skin, item, state, 1, 24)
    for item in layout.title_bar():
        draw_item(canvas, skin, item, state, 0, 0)
    return canvas


def shade(skin, state):
    canvas = Image.new("RGBA", (725, 159), (199, 199, 199, 255))
    paste(canvas, skin("titlebar"), 1, 1)
    paste(canvas, skin("winshade4"), 1, 24)
    for item in layout.window_shade():
        draw_item(canvas, skin, item, state, 1, 24)
    return canvas


def sheet(skin, folder):
    names = sorted(n[:-4] for n in os.listdir(folder)
                   if n.endswith(".png") and n != "titlebar.png")
    canvas = Image.new("RGBA", (1400, 1700), (42, 45, 50, 255))
    x, y, row = 10, 10, 0
    for name in names:
        image = skin(name)
        big = image.resize((image.width * 4, image.height * 4), Image.NEAREST)
        if x + big.width > 1390:
            x, y, row = 10, y + row + 10, 0
        paste(canvas, big, x, y)
        x, row = x + big.width + 10, max(row, big.height)
    return canvas


STATES = {
    "0": dict(knob=0, on=False, pressed=(), fader=255, pan=128, meter=255),
    "128": dict(knob=128, on=True, pressed=("input 1 boost", "strip 2R mute", "load",
                                            "always on top", "input 2 48v", "main mute"),
                fader=200, pan=200, meter=40),
}


def main(argv):
    out = argv[1] if len(argv) > 1 else "/tmp/art"
    folder = argv[2] if len(argv) > 2 else os.path.join(HERE, "images")
    os.makedirs(out, exist_ok=True)
    skin = Skin(folder)
    preview = Image.new("RGBA", (1460, 784), (90, 92, 96, 255))
    for column, (label, state) in enumerate(STATES.items()):
        whole, strip = window(skin, state), shade(skin, state)
        whole.save(os.path.join(out, "window-%s.png" % label))
        strip.save(os.path.join(out, "shade-%s.png" % label))
        preview.alpha_composite(whole, (column * 735, 0))
        preview.alpha_composite(strip, (column * 735, 625))
    preview.save(os.path.join(out, "preview.png"))
    sheet(skin, folder).save(os.path.join(out, "sheet.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
