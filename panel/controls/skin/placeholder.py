# Placeholder images of the catalogue's sizes, until the artwork is drawn.
import sys
from PIL import Image
CATALOGUE = {
 "aot-off-down.png": (28, 22), "aot-off.png": (28, 22), "aot-on-hover.png": (28, 22),
 "background.jpg": (718, 589), "boost-down.png": (38, 38), "boost-on.png": (38, 38),
 "button-off.png": (38, 38), "close-down.png": (28, 22), "close-hover.png": (28, 22),
 "close.png": (28, 22), "dualknob.png": (79, 79), "fader.png": (26, 40),
 "knob-small.png": (43, 43), "load-down.png": (54, 25), "load.png": (54, 25),
 "masterknob.png": (63, 63), "meter-fill.png": (14, 127), "minimize-down.png": (28, 22),
 "minimize.png": (28, 22), "mixbypass-down.png": (77, 21), "mixbypass-off.png": (77, 21),
 "mixbypass-on.png": (77, 21), "mute-down.png": (74, 25), "mute-off.png": (74, 25),
 "mute-on.png": (74, 25), "panhandle.png": (18, 13), "phono-down.png": (38, 38),
 "phono-on.png": (38, 38), "preampbutton-down.png": (38, 38), "preampbutton-on.png": (38, 38),
 "save-down.png": (54, 25), "save.png": (54, 25), "shade-down.png": (28, 22),
 "shade-hover.png": (28, 22), "shade.png": (28, 22), "stereo-down.png": (38, 74),
 "stereo-off.png": (38, 74), "stereo-on.png": (38, 74), "link-down.png": (48, 24),
 "link-off.png": (48, 24), "link-on.png": (48, 24), "titlebar.png": (723, 22),
 "unitsmall.png": (32, 24), "winshade4.jpg": (721, 130)}
out = sys.argv[1]
for name, size in CATALOGUE.items():
    if name.endswith(".jpg"):
        Image.new("RGB", size, (60, 62, 66)).save(f"{out}/{name}", quality=90)
    elif name == "titlebar.png":
        Image.new("RGB", size, (40, 40, 44)).save(f"{out}/{name}")
    else:
        Image.new("RGBA", size, (150, 150, 160, 255)).save(f"{out}/{name}")
