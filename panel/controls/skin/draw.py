"""Writes the vector sources of all 44 skin images into svg/, one file per image.

The scales, legends and frames of the backgrounds follow the control positions of layout.py;
run render.py afterwards to turn the sources into the images the program compiles in.
"""
import os

import controls as c
import panels

HERE = os.path.dirname(os.path.abspath(__file__))

SOURCES = {
    "aot-off-down": lambda: c.on_top_button("down"),
    "aot-off": lambda: c.on_top_button("off"),
    "aot-on-hover": lambda: c.on_top_button("on"),
    "background": panels.background,
    "boost-down": lambda: c.square_button("amber", "down"),
    "boost-on": lambda: c.square_button("amber", "on"),
    "button-off": lambda: c.square_button(None, "off"),
    "close-down": lambda: c.close_button("down"),
    "close-hover": lambda: c.close_button("hover"),
    "close": lambda: c.close_button("off"),
    "dualknob": c.knob_ring,
    "fader": c.fader_cap,
    "knob-small": c.knob_small,
    "link-down": lambda: c.labelled_button(48, 24, "LINK", "green", "down", top=3, left=11.5, size=7),
    "link-off": lambda: c.labelled_button(48, 24, "LINK", "green", "off", top=3, left=11.5, size=7),
    "link-on": lambda: c.labelled_button(48, 24, "LINK", "green", "on", top=3, left=11.5, size=7),
    "load-down": lambda: c.labelled_button(54, 25, "LOAD", None, "down"),
    "load": lambda: c.labelled_button(54, 25, "LOAD", None, "off"),
    "masterknob": c.knob_master,
    "meter-fill": c.meter_fill,
    "minimize-down": lambda: c.minimise_button("down"),
    "minimize": lambda: c.minimise_button("off"),
    "mixbypass-down": lambda: c.labelled_button(77, 21, "MIX BYPASS", "amber", "down", size=7.5),
    "mixbypass-off": lambda: c.labelled_button(77, 21, "MIX BYPASS", "amber", "off", size=7.5),
    "mixbypass-on": lambda: c.labelled_button(77, 21, "MIX BYPASS", "amber", "on", size=7.5),
    "mute-down": lambda: c.labelled_button(74, 25, "MUTE", "red", "down"),
    "mute-off": lambda: c.labelled_button(74, 25, "MUTE", "red", "off"),
    "mute-on": lambda: c.labelled_button(74, 25, "MUTE", "red", "on"),
    "panhandle": c.pan_handle,
    "phono-down": lambda: c.square_button("green", "down"),
    "phono-on": lambda: c.square_button("green", "on"),
    "preampbutton-down": lambda: c.square_button("red", "down"),
    "preampbutton-on": lambda: c.square_button("red", "on"),
    "save-down": lambda: c.labelled_button(54, 25, "SAVE", None, "down"),
    "save": lambda: c.labelled_button(54, 25, "SAVE", None, "off"),
    "shade-down": lambda: c.shade_button("down"),
    "shade-hover": lambda: c.shade_button("on"),
    "shade": lambda: c.shade_button("off"),
    "stereo-down": lambda: c.stereo_button("down"),
    "stereo-off": lambda: c.stereo_button("off"),
    "stereo-on": lambda: c.stereo_button("on"),
    "titlebar": panels.titlebar,
    "unitsmall": c.unit_icon,
    "winshade4": panels.winshade,
}


def main():
    os.makedirs(os.path.join(HERE, "svg"), exist_ok=True)
    for name, make in sorted(SOURCES.items()):
        with open(os.path.join(HERE, "svg", name + ".svg"), "w") as out:
            out.write(make())


if __name__ == "__main__":
    main()
