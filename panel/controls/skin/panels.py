"""The SVG of the two backgrounds and the title bar: plate, printed frames, legends and scales
placed at the control positions of layout.py, and nothing printed where a control lies."""
import math

import layout
from art import (INK, INK_DIM, LED, LINE, PLATE, SCREW_DEFS, blur, brushed, circle, fmt,
                 line, linear, polar, rect, screw, svg, text)
from controls import METER_PITCH, meter_colour


def _defs():
    defs = blur("soft", 0.8) + blur("shadow", 1.6) + blur("kshadow", 2.2) + blur("glow", 1.5)
    defs += brushed("brush", 11) + brushed("brushsilver", 5, 0.16, 0.01, 0.7)
    defs += linear("chassis", [(0, "#d8dbe0", 1), (1, "#9fa3a9", 1)])
    defs += linear("plate", [(0, "#30343a", 1), (0.5, PLATE, 1), (1, "#25282c", 1)])
    defs += linear("lcd", [(0, "#050806", 1), (1, "#0d130f", 1)])
    defs += linear("light", [(0, "#ffffff", 0.06), (0.5, "#ffffff", 0), (1, "#000", 0.14)],
                   x2=1, y2=1)
    defs += SCREW_DEFS
    return defs


def _plate(w, h):
    out = rect(0, 0, w, h, 0, "url(#chassis)")
    out += rect(0, 0, w, h, 0, "#000", ' filter="url(#brushsilver)"')
    out += rect(3, 3, w - 6, h - 6, 3, "#f2f3f5", ' opacity="0.8"')
    out += rect(2, 2, w - 5, h - 5, 3, "#50545a")
    out += rect(3, 3, w - 6, h - 6, 3, "url(#plate)")
    out += rect(3, 3, w - 6, h - 6, 3, "#000", ' filter="url(#brush)"')
    out += rect(3, 3, w - 6, h - 6, 3, "url(#light)")
    out += line(5, 3.5, w - 5, 3.5, "#fff", 1, ' opacity="0.12"')
    return out


def _text_width(s, size, spacing):
    return len(s) * (0.72 * size + spacing)


def frame(x, y, w, h, titles, size=7.5, spacing=1.2):
    """A printed section frame; titles (text, centre x) sit in gaps of its top line."""
    r = 4
    gaps = sorted((cx - _text_width(t, size, spacing) / 2 - 4,
                   cx + _text_width(t, size, spacing) / 2 + 4) for t, cx in titles)
    path = "M %s %s " % (fmt(x + r), fmt(y))
    for g0, g1 in gaps:
        path += "L %s %s M %s %s " % (fmt(g0), fmt(y), fmt(g1), fmt(y))
    path += "L %s %s A %d %d 0 0 1 %s %s " % (fmt(x + w - r), fmt(y), r, r, fmt(x + w), fmt(y + r))
    path += "L %s %s A %d %d 0 0 1 %s %s " % (fmt(x + w), fmt(y + h - r), r, r, fmt(x + w - r),
                                              fmt(y + h))
    path += "L %s %s A %d %d 0 0 1 %s %s " % (fmt(x + r), fmt(y + h), r, r, fmt(x), fmt(y + h - r))
    path += "L %s %s A %d %d 0 0 1 %s %s" % (fmt(x), fmt(y + r), r, r, fmt(x + r), fmt(y))
    out = '<path d="%s" fill="none" stroke="%s" stroke-width="1" opacity="0.75"/>\n' % (path, LINE)
    for t, cx in titles:
        out += text(cx, y + size * 0.36, t, size, spacing=spacing)
    return out


# --- What lies under the controls ------------------------------------------------------------

def knob_seat(item):
    """Shadow below right of a knob (the knob image itself is lit evenly, as it turns)."""
    radius = {0: 19, 1: 29, 2: 34}[item["image"]]
    return circle(item["cx"] + 1.6, item["cy"] + 2.4, radius + 0.8, "#000",
                  ' opacity="0.7" filter="url(#kshadow)"')


def knob_scale(item, marks, labels, r_tick, r_label, size=6.0, skip=()):
    """Ticks at proportions of the arc, labels (proportion, text) around them."""
    cx, cy = item["cx"], item["cy"]
    out = ""
    for p, long_tick in marks:
        a = layout.KNOB_START + p * (layout.KNOB_END - layout.KNOB_START)
        x1, y1 = polar(cx, cy, r_tick, a)
        x2, y2 = polar(cx, cy, r_tick + (4 if long_tick else 2.5), a)
        out += line(x1, y1, x2, y2, INK if long_tick else INK_DIM, 1.1 if long_tick else 0.8)
    for p, label in labels:
        if label in skip:
            continue
        a = layout.KNOB_START + p * (layout.KNOB_END - layout.KNOB_START)
        half_width = _text_width(label, size, 0) / 2.0
        x, y = polar(cx, cy, r_label + abs(math.sin(math.radians(a))) * (half_width - 2.5), a)
        out += text(x, y + size * 0.36, label, size, fill=INK_DIM, weight="bold")
    return out


def gain_scale(item, r_tick, r_label, size=6.0, skip=()):
    """-21 dB to +24 dB, linear: ticks every 5 dB, labels at the ends, -10, 0 and +10."""
    marks = [(0.0, True), (1.0, True)] + [((d + 21) / 45.0, d % 10 == 0) for d in range(-15, 25, 5)]
    labels = [(0.0, "-21"), (11 / 45.0, "-10"), (21 / 45.0, "0"), (31 / 45.0, "+10"), (1.0, "+24")]
    return knob_scale(item, marks, labels, r_tick, r_label, size, skip)


def level_scale(item, r_tick, r_label, size=6.0, every=2, skip=()):
    """Position scale 0 to 10, as printed round a volume knob."""
    marks = [(i / 10.0, i % 5 == 0) for i in range(11)]
    labels = [(i / 10.0, str(i)) for i in range(0, 11, every)]
    return knob_scale(item, marks, labels, r_tick, r_label, size, skip)


def button_well(item, cap_x, cap_y, cap_w, cap_h, r=5):
    """The hole in the plate a cap sits in: dark, lit along its lower right edge."""
    x, y = item["x"] + cap_x - 1.5, item["y"] + cap_y - 1.5
    w, h = cap_w + 3, cap_h + 3
    out = rect(x, y, w, h, r, "#0e0f11")
    out += rect(x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5, "none",
                ' stroke="url(#wellrim)" stroke-width="1"')
    return out


WELL_DEFS = linear("wellrim", [(0, "#000", 0.6), (0.55, "#000", 0), (1, "#9aa0a8", 0.55)],
                   x2=1, y2=1)


def fader_track(item):
    """The slot of a fader with its dB scale to the left of the cap."""
    x, top = item["x"], item["y"]
    cx = x + 13
    y0, y1 = layout.fader_y(255, top), layout.fader_y(0, top)
    out = rect(cx - 2.5, y0 - 4, 5, y1 - y0 + 8, 2.5, "#060708")
    out += rect(cx - 2.5, y0 - 4, 5, y1 - y0 + 8, 2.5, "none",
                ' stroke="url(#wellrim)" stroke-width="1"')
    for db, label in ((0, "0"), (-5, "5"), (-10, "10"), (-15, "15"), (-20, "20"), (-30, "30"),
                      (-40, "40"), (None, "\u221e")):
        value = 0 if db is None else min(255, 2 * db + 255)
        y = layout.fader_y(value, top)
        major = db in (0, None)
        out += line(x - 6, y, x - 1.5, y, INK if major else INK_DIM, 1 if major else 0.8)
        if label != "40":
            size = 8 if db is None else 5.8
            out += text(x - 7.5, y + size * 0.36, label, size, anchor="end",
                        fill=INK if major else INK_DIM)
    return out


def meter_y(db):
    """Row of the meter for a level db below full scale (the level unit is 20 ln, not dB)."""
    return 255.0 * math.sqrt(db * math.log(10.0) / 256.0)


def meter_well(item, numbers=False):
    """Unlit segments behind a meter, and its scale to the right."""
    x, y, w, h = item["x"], item["y"], item["w"], item["h"]
    out = rect(x - 1.5, y - 1.5, w + 3, h + 3, 1.5, "#050606")
    for row in range(0, h, METER_PITCH):
        out += rect(x + 1, y + row, 8, 2, 0.4, meter_colour(row + 1), ' opacity="0.13"')
    out += rect(x - 1.5, y - 1.5, w + 3, h + 3, 1.5, "none",
                ' stroke="url(#wellrim)" stroke-width="1"')
    for db in (0, 3, 6, 12, 18, 24):
        row = y + meter_y(db)
        out += line(x + w + 2, row + 0.5, x + w + 4.5, row + 0.5, INK_DIM, 0.8)
        if numbers:
            out += text(x + w + 6, row + 2.6, str(db), 5.6, anchor="start", fill=INK_DIM)
    return out


def pan_track(item):
    """The pan slot with L, centre and R marks below the handle's path."""
    x, y = item["x"], item["y"]
    left, right = layout.pan_x(0, x), layout.pan_x(255, x)
    centre = layout.pan_x(128, x)
    cy = y + 6.5
    out = rect(left - 3, cy - 1.5, right - left + 6, 3, 1.5, "#060708")
    out += rect(left - 3, cy - 1.5, right - left + 6, 3, 1.5, "none",
                ' stroke="url(#wellrim)" stroke-width="0.8"')
    for px in (left, centre, right):
        out += line(px, y - 1.5, px, y + 0.2, INK_DIM, 0.8)
    return out


def lcd(item):
    """A dark display window behind a selector; its text is drawn light green by the program."""
    x, y, w, h = item["x"] - 2, item["y"] - 1, item["w"] + 4, item["h"] + 2
    out = rect(x - 1, y - 1, w + 2, h + 2, 3, "#0b0c0d")
    out += rect(x - 1, y - 1, w + 2, h + 2, 3, "none", ' stroke="url(#wellrim)" stroke-width="1"')
    out += rect(x + 1, y + 1, w - 2, h - 2, 1.5, "url(#lcd)")
    out += rect(x + 1.5, y + 1.5, w - 3, 2, 1, "#fff", ' opacity="0.05"')
    ax, ay = item["x"] + item["w"] - 9, item["y"] + item["h"] / 2.0
    out += '<path d="M %s %s L %s %s L %s %s Z" fill="#3f7d4a"/>\n' % (
        fmt(ax - 3.5), fmt(ay - 2), fmt(ax + 3.5), fmt(ay - 2), fmt(ax), fmt(ay + 2.5))
    return out


def scribble_strip(x, y, w, h):
    """A light strip under a unit button: its name is written on it in black."""
    out = rect(x - 1, y - 1, w + 2, h + 2, 2, "#0b0c0d")
    out += rect(x, y, w, h, 1.5, "url(#scribble)")
    return out


SCRIBBLE_DEFS = linear("scribble", [(0, "#c9c5b8", 1), (1, "#e3dfd2", 1)])


# --- The main component's background -----------------------------------------------------------

def _header():
    out = text(22, 40, "LUMORA", 24, anchor="start", spacing=5.0)
    out += text(166, 40, "1394", 12, anchor="start", fill=LED["amber"][0], spacing=1.5)
    out += text(696, 29, "BRANTEL", 10, anchor="end", spacing=3.2)
    out += text(696, 41, "AUDIO INTERFACE CONTROL", 6.2, anchor="end", fill=INK_DIM, spacing=1.4)
    out += line(22, 49.5, 696, 49.5, LINE, 1, ' opacity="0.45"')
    return out


def _vents(x0, x1, y0, count, pitch):
    out = ""
    for i in range(count):
        y = y0 + i * pitch
        out += rect(x0, y, x1 - x0, 3, 1.5, "#0a0b0d")
        out += line(x0 + 1.5, y + 3.3, x1 - 1.5, y + 3.3, "#9aa0a8", 0.6, ' opacity="0.3"')
    return out


def _button_seats(items):
    shapes = {"phono": (5, 3, 28, 28, 5), "boost": (5, 3, 28, 28, 5),
              "preampbutton": (5, 3, 28, 28, 5), "mute": (1.5, 1, 70, 21, 4),
              "link": (11.5, 3, 34, 18, 4), "mixbypass": (1.5, 1, 73, 17, 4),
              "save": (1.5, 1, 50, 21, 4), "load": (1.5, 1, 50, 21, 4),
              "stereo": (5, 3, 28, 66, 5)}
    out = ""
    for item in items:
        if item["kind"] in shapes:
            out += button_well(item, *shapes[item["kind"]])
    return out


def _main_legends(items):
    f = lambda name: layout.find(items, name)
    out = ""
    phono = f("phono")
    out += text(phono["x"] + 19, phono["y"] + 47, "LINE / PHONO", 5.6, fill=INK_DIM, spacing=0.4)
    line_knob = f("line outer")
    out += text(line_knob["cx"], 171, "L INNER \u00b7 R OUTER", 5.6, fill=INK_DIM, spacing=0.4)
    for n in (1, 2):
        gain = f("input %d gain" % n)
        out += text(gain["cx"], gain["cy"] + 41, "GAIN", 5.8, fill=INK_DIM, spacing=0.6)
        boost = f("input %d boost" % n)
        out += text(boost["x"] + 19, boost["y"] + 47, "BOOST", 6.4, spacing=0.6)
        out += text(boost["x"] + 19, boost["y"] + 55, "+20 dB", 5.6, fill=INK_DIM)
        for name, label in (("48v", "48 V"), ("limiter", "LIMIT")):
            b = f("input %d %s" % (n, name))
            out += text(b["x"] + 19, b["y"] + 45, label, 6.4, spacing=0.6)
    save = f("save")
    out += text(save["x"] + 54.5, save["y"] + 36, "MIX FILE", 5.8, fill=INK_DIM, spacing=0.8)
    return out


def _mixer(items):
    f = lambda name: layout.find(items, name)
    out = ""
    for item in items:
        if item["kind"] == "fader":
            out += fader_track(item)
        elif item["kind"] == "pan":
            out += pan_track(item)
        elif item["kind"] == "meter":
            out += meter_well(item, item["name"].endswith(" R"))
    for bus in ("playback", "main"):
        right = f("%s meter R" % bus)
        out += text(right["x"] + right["w"] + 4, right["y"] - 4, "dB", 5.6, anchor="start",
                    fill=INK_DIM)
        for side in "LR":
            meter = f("%s meter %s" % (bus, side))
            out += text(meter["x"] + 5, meter["y"] + meter["h"] + 9, side, 5.6, fill=INK_DIM)
    for n in (1, 2):
        link = f("strip %d link" % n)
        out += text(link["x"] + 24, link["y"] - 4.5, "PAN", 5.2, fill=INK_DIM, spacing=0.5)
    return out


def _mixer_frame(items):
    f = lambda name: layout.find(items, name)
    cap = lambda name: f(name)["x"] + 13
    titles = [("MIXER", 40), ("1", cap("strip 1L fader")), ("2", cap("strip 1R fader")),
              ("3", cap("strip 2L fader")), ("4", cap("strip 2R fader")),
              ("PLAYBACK", (f("playback meter R")["x"] + f("playback mute")["x"]) / 2.0 + 3),
              ("MAIN", (f("main meter R")["x"] + f("main mute")["x"]) / 2.0 + 3)]
    return frame(12, 188.5, 694, 212, titles)


def background():
    items = layout.main_component()
    f = lambda name: layout.find(items, name)
    defs = _defs() + WELL_DEFS + SCRIBBLE_DEFS
    body = _plate(718, 589)
    for x, y in ((13, 13), (705, 13), (13, 576), (705, 576)):
        body += screw(x, y)
    body += _header()
    body += frame(66.5, 56.5, 84, 124, [("PHONO", 108.5)])
    body += frame(156.5, 56.5, 112, 124, [("LINE", 212.5)])
    body += frame(318.5, 56.5, 112, 124, [("HEADPHONES", 374.5)])
    body += _vents(452, 564, 73, 12, 8)
    body += frame(584.5, 56.5, 98, 124, [("DRIVER", 633.5)])
    body += text(633, 106, "SAMPLE RATE", 6.2, spacing=0.8)
    body += text(633, 151, "LATENCY", 6.2, spacing=0.8)
    body += _mixer_frame(items)
    body += frame(92.5, 407.5, 190, 156, [("INPUT 1", 187.5)])
    body += frame(305.5, 407.5, 190, 156, [("INPUT 2", 400.5)])
    body += frame(569.5, 407.5, 128, 156, [("UNIT", 633.5)])
    body += _button_seats(items)
    for item in items:
        if item["kind"] == "knob" and not item["name"].endswith("inner"):
            body += knob_seat(item)
    body += gain_scale(f("line outer"), 36.5, 45.5)
    body += level_scale(f("headphones"), 32.5, 42)
    for n in (1, 2):
        body += gain_scale(f("input %d gain" % n), 22, 30.5)
    body += lcd(f("sample rate")) + lcd(f("latency"))
    for item in items:
        if item["kind"] == "unit":
            body += scribble_strip(item["x"] - 2.5, item["y"] + 22.5, 38, 15)
    body += _mixer(items)
    body += _main_legends(items)
    return svg(718, 589, body, defs)


# --- The window-shade strip ----------------------------------------------------------------------

def winshade():
    items = layout.window_shade()
    f = lambda name: layout.find(items, name)
    defs = _defs() + WELL_DEFS
    body = _plate(721, 130)
    body += frame(6.5, 8.5, 154, 114, [("INPUT 1", 62.5)])
    body += frame(170.5, 8.5, 158, 114, [("INPUT 2", 227.5)])
    body += frame(350.5, 8.5, 112, 114, [("LINE", 415.5)])
    body += frame(467.5, 8.5, 44, 114, [("PHONO", 489.5)])
    body += frame(517.5, 8.5, 134, 114, [("MAIN", 584.5)])
    body += frame(655.5, 8.5, 60, 114, [("PHONES", 685.5)])
    body += _button_seats(items)
    for item in items:
        if item["kind"] == "knob" and not item["name"].endswith("inner"):
            body += knob_seat(item)
    for n in (1, 2):
        body += gain_scale(f("input %d gain" % n), 22, 30.5, skip=("-10", "+10"))
        for name, label in (("48v", "48 V"), ("boost", "BOOST"), ("limiter", "LIMIT")):
            b = f("input %d %s" % (n, name))
            body += text(b["x"] - 1, b["y"] + 21, label, 6.4, anchor="end", spacing=0.5)
    body += gain_scale(f("line outer"), 36.5, 44)
    body += level_scale(f("main"), 32, 40, skip=("8",))
    body += level_scale(f("headphones"), 22, 29.5, every=5)
    return svg(721, 130, body, defs)


def titlebar():
    defs = linear("bar", [(0, "#eceef1", 1), (0.5, "#d3d6da", 1), (1, "#b3b7bd", 1)])
    defs += brushed("brushsilver", 5, 0.14, 0.01, 0.7)
    body = rect(0, 0, 723, 22, 0, "url(#bar)")
    body += rect(0, 0, 723, 22, 0, "#000", ' filter="url(#brushsilver)"')
    body += line(0, 0.5, 723, 0.5, "#ffffff", 1, ' opacity="0.9"')
    body += line(0, 21.5, 723, 21.5, "#7d8188", 1)
    return svg(723, 22, body, defs)
