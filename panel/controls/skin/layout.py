"""Where every control of the panel lies, in the pixels of the background it sits on.

The positions nest as the components do (mixer > channel strip > fader module > fader), so
each offset below is the one the owning component's constructor uses. Both the artwork
(scales, legends, frames) and the preview read them from here.
"""

KNOB_START = 1.16 * 180.0  # degrees clockwise from twelve o'clock, value 0
KNOB_END = 2.85 * 180.0  # value 255
KNOB_IMAGES = {0: ("knob-small", 43), 1: ("masterknob", 63), 2: ("dualknob", 79)}


def knob_angle(value, skew=1.0):
    """Angle of a knob's pointer for a value 0..255, as the rotary slider maps it."""
    return KNOB_START + (value / 255.0) ** skew * (KNOB_END - KNOB_START)


def fader_y(value, top):
    """Centre line of the fader cap for a value, for a fader whose slider starts at top.

    The slider is 155 high and keeps half the cap (20) free at each end; skew 7.0.
    """
    return top + 20 + (1.0 - (value / 255.0) ** 7.0) * 115


def pan_x(value, left):
    """Centre of the pan handle for a value, for a pan slider whose left edge is left.

    The track runs 58 pixels between 9-pixel ends; the handle is drawn 10 left of the thumb.
    """
    return left + 9 + value / 255.0 * 58 - 1


def _add(items, name, kind, x, y, w, h, **extra):
    items.append(dict(name=name, kind=kind, x=x, y=y, w=w, h=h, **extra))


def _knob(items, name, x, y, image_kind, skew=1.0, w=None, h=None):
    size = KNOB_IMAGES[image_kind][1]
    _add(items, name, "knob", x, y, w or size, h or size, image=image_kind, skew=skew,
         cx=x + size // 2, cy=y + size // 2)


def _dual(items, name, x, y):
    _knob(items, name + " outer", x, y, 2, w=75, h=75)
    _knob(items, name + " inner", x + 18, y + 18, 0)


def _fader_module(items, name, x, y, bus):
    _add(items, name + " fader", "fader", x + 30, y + 22, 28, 155)
    _add(items, name + " mute", "mute", x + 6, y + 176, 74, 25)
    if bus:
        _add(items, name + " meter L", "meter", x + 56, y + 36, 10, 125)
        _add(items, name + " meter R", "meter", x + 67, y + 36, 10, 125)
    else:
        _add(items, name + " pan", "pan", x + 5, y + 8, 76, 16)
        _add(items, name + " meter", "meter", x + 63, y + 36, 10, 125)


def _strip(items, name, x, y):
    _fader_module(items, name + "L", x, y, False)
    _fader_module(items, name + "R", x + 89, y, False)
    _add(items, name + " link", "link", x + 64, y + 19, 48, 24)


def _preamp(items, name, x, y, compact):
    if compact:
        spots = {"48v": (122, 11), "limiter": (122, 79), "boost": (122, 45), "knob": (20, 44)}
    else:
        spots = {"48v": (34, 79), "limiter": (100, 79), "boost": (130, 17), "knob": (68, 14)}
    for button in ("48v", "limiter"):
        bx, by = spots[button]
        _add(items, name + " " + button, "preampbutton", x + bx, y + by, 38, 38)
    bx, by = spots["boost"]
    _add(items, name + " boost", "boost", x + bx, y + by, 38, 38)
    kx, ky = spots["knob"]
    _knob(items, name + " gain", x + kx, y + ky, 0)


def _unit_select(items, x, y):
    for k in range(4):
        bx = x + 10 + (k % 2) * 42
        by = y + (25 if k < 2 else 65)
        _add(items, "unit %d" % (k + 1), "unit", bx, by, 32, 35)


def main_component():
    """The children of the main component, on its 718 x 589 background."""
    items = []
    _add(items, "phono", "phono", 89, 98, 38, 38)
    _preamp(items, "input 1", 98, 423, False)
    _preamp(items, "input 2", 311, 423, False)
    _knob(items, "headphones", 343, 86, 1, skew=7.0, w=100, h=100)
    _dual(items, "line", 173, 78)
    _unit_select(items, 583, 402)
    mx, my = 74, 190
    _strip(items, "strip 1", mx, my)
    _strip(items, "strip 2", mx + 178, my)
    _add(items, "mix bypass", "mixbypass", mx + 359, my + 3, 77, 21)
    _fader_module(items, "playback", mx + 356, my, True)
    _fader_module(items, "main", mx + 513, my, True)
    _add(items, "save", "save", 575, 510, 54, 25)
    _add(items, "load", "load", 630, 510, 54, 25)
    _add(items, "sample rate", "combo", 598, 108 + 4, 70, 20)
    _add(items, "latency", "combo", 598, 108 + 48, 70, 20)
    return items


def window_shade():
    """The children of the window-shade strip, on its 721 x 130 background."""
    items = []
    _preamp(items, "input 1", 0, 0, True)
    _preamp(items, "input 2", 165, 0, True)
    _add(items, "phono", "phono", 470, 35, 38, 38)
    _dual(items, "line", 376, 25)
    _knob(items, "main", 543, 33, 1, skew=7.0, w=100, h=100)
    _add(items, "main mute", "stereo", 610, 28, 38, 74)
    _knob(items, "headphones", 654, 44, 0, skew=7.0)
    return items


def title_bar():
    """The title bar's image and buttons, in window coordinates (the bar starts at 1, 1)."""
    items = []
    _add(items, "always on top", "aot", 637, 2, 28, 22)
    _add(items, "window shade", "shade", 657, 2, 28, 22)
    _add(items, "minimise", "minimize", 677, 2, 28, 22)
    _add(items, "close", "close", 697, 1, 28, 22)
    return items


def find(items, name):
    return next(item for item in items if item["name"] == name)
