"""The SVG of every control image: knobs, fader cap, pan handle, meter fill and buttons.

Knobs are drawn rotationally even (their shading does not turn with them) with the pointer at
twelve o'clock, centred on (size / 2, size / 2) in whole pixels, the point the drawing code
turns them about. Buttons come as on, off and pressed; pressed caps sit one pixel lower and
to the right, with a shorter shadow.
"""
from art import (INK, LED, blur, circle, fmt, line, linear, polar, radial, rect, svg, text)


def _knurl(cx, cy, r_in, r_out, count, colour, width, opacity):
    out = ""
    for i in range(count):
        a = 360.0 * i / count
        x1, y1 = polar(cx, cy, r_in, a)
        x2, y2 = polar(cx, cy, r_out, a)
        out += line(x1, y1, x2, y2, colour, width, ' opacity="%s"' % fmt(opacity))
    return out


def _knob_body(c, r, cap, knurls, pointer_colour, pointer_from, pointer_to, pointer_width):
    defs = blur("ks", r * 0.06)
    defs += radial("skirt", [(0, "#3b3f45", 1), (0.82, "#2a2d31", 1), (0.93, "#1d1f22", 1),
                             (1, "#111214", 1)])
    defs += radial("cap", [(0, "#6c7079", 1), (0.55, "#585c64", 1), (0.86, "#45484f", 1),
                           (1, "#2b2d31", 1)])
    defs += radial("capsheen", [(0, "#ffffff", 0.10), (0.6, "#ffffff", 0.03), (1, "#ffffff", 0)])
    body = circle(c, c, r + 0.6, "#000", ' opacity="0.55" filter="url(#ks)"')
    body += circle(c, c, r, "url(#skirt)")
    body += _knurl(c, c, cap + 1.2, r - 0.6, knurls, "#0b0c0d", 1.1, 0.75)
    body += _knurl(c, c, cap + 1.2, r - 0.6, knurls, "#80858d", 0.5, 0.18)
    body += circle(c, c, r - 0.4, "none", ' stroke="#5a5e65" stroke-width="0.7" opacity="0.6"')
    body += circle(c, c, cap + 0.8, "#0e0f11", ' opacity="0.8"')
    body += circle(c, c, cap, "url(#cap)")
    body += circle(c, c, cap, "url(#capsheen)")
    for i in range(int(cap / 1.5)):
        body += circle(c, c, 1.2 + i * 1.5, "none", ' stroke="%s" stroke-width="0.5" opacity="0.07"'
                       % ("#ffffff" if i % 2 else "#000000"))
    body += circle(c, c, cap - 0.5, "none", ' stroke="#9ba0a8" stroke-width="0.6" opacity="0.45"')
    body += line(c, c - pointer_from, c, c - pointer_to, "#000", pointer_width + 1.2,
                 ' stroke-linecap="round" opacity="0.6"')
    body += line(c, c - pointer_from, c, c - pointer_to, pointer_colour, pointer_width,
                 ' stroke-linecap="round"')
    return defs, body


def knob_small():
    defs, body = _knob_body(21, 19, 13.5, 40, "#f4f1e6", 4.5, 17.5, 2.0)
    return svg(43, 43, body, defs)


def knob_master():
    defs, body = _knob_body(31, 29, 21, 56, "#f4f1e6", 7, 26.5, 2.6)
    return svg(63, 63, body, defs)


def knob_ring():
    """The outer ring of the dual knob: it shows between radius 21 and 35 around the inner knob
    and is clipped at 75 pixels, so nothing is drawn beyond radius 35."""
    c = 39
    defs = blur("ks", 0.9)
    defs += radial("ring", [(0, "#1a1b1e", 1), (0.6, "#1a1b1e", 1), (0.66, "#3a3e44", 1),
                            (0.9, "#2a2d31", 1), (1, "#141517", 1)])
    body = circle(c, c, 34, "#000", ' opacity="0.55" filter="url(#ks)"')
    body += circle(c, c, 34, "url(#ring)")
    body += _knurl(c, c, 27.5, 33.4, 64, "#0b0c0d", 1.1, 0.75)
    body += _knurl(c, c, 27.5, 33.4, 64, "#80858d", 0.5, 0.16)
    body += circle(c, c, 33.6, "none", ' stroke="#5a5e65" stroke-width="0.7" opacity="0.6"')
    body += circle(c, c, 22.5, "#0c0d0f")
    body += line(c, c - 23.5, c, c - 33, "#000", 3.8, ' stroke-linecap="round" opacity="0.6"')
    body += line(c, c - 23.5, c, c - 33, LED["amber"][0], 2.4, ' stroke-linecap="round"')
    return svg(79, 79, body, defs)


def fader_cap():
    """Fader cap; its index line is the thumb position (row 20)."""
    defs = linear("fbody", [(0, "#1e2024", 1), (0.18, "#4a4e55", 1), (0.45, "#5c6068", 1),
                            (0.7, "#42454c", 1), (1, "#1a1c1f", 1)], x2=1, y2=0)
    defs += linear("ftop", [(0, "#ffffff", 0.28), (0.5, "#ffffff", 0.0), (1, "#000", 0.35)])
    body = rect(0.5, 0.5, 25, 39, 3, "#000", ' opacity="0.6"')
    body += rect(1, 1, 24, 38, 2.5, "url(#fbody)")
    body += rect(1, 1, 24, 38, 2.5, "url(#ftop)")
    for y in (5.5, 9, 12.5, 27.5, 31, 34.5):
        body += line(3, y, 23, y, "#0c0d0f", 1.2, ' opacity="0.8"')
        body += line(3, y + 1, 23, y + 1, "#a7acb4", 0.6, ' opacity="0.35"')
    body += rect(1.5, 18, 23, 4, 0.5, "#0c0d0f", ' opacity="0.85"')
    body += line(2, 20, 24, 20, "#f4f1e6", 1.6)
    return svg(26, 40, body, defs)


def pan_handle():
    """Pan handle; its index line is column 9, one left of the thumb position."""
    defs = linear("pbody", [(0, "#62666e", 1), (0.5, "#474a51", 1), (1, "#232529", 1)])
    body = rect(0.5, 0.5, 17, 12, 2.5, "#000", ' opacity="0.6"')
    body += rect(1, 1, 16, 11, 2, "url(#pbody)")
    body += line(2, 1.5, 16, 1.5, "#fff", 0.8, ' opacity="0.25"')
    body += line(9, 2, 9, 11, "#f4f1e6", 1.6)
    return svg(18, 13, body, defs)


METER_PITCH = 3  # pixels per LED segment: two lit, one dark


def meter_colour(y):
    """Green at the bottom, through yellow, to red at the top (row 0 is full scale)."""
    stops = [(0, (255, 48, 32)), (22, (255, 96, 24)), (40, (255, 176, 24)),
             (58, (236, 232, 40)), (78, (120, 236, 60)), (127, (40, 210, 80))]
    for (y0, c0), (y1, c1) in zip(stops, stops[1:]):
        if y <= y1:
            t = (y - y0) / float(y1 - y0)
            return "#%02x%02x%02x" % tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))
    return "#%02x%02x%02x" % stops[-1][1]


def meter_fill():
    defs = blur("mg", 0.9)
    glow, body = "", rect(0, 0, 14, 127, 0, "#07080a")
    for y in range(0, 127, METER_PITCH):
        colour = meter_colour(y + 1)
        glow += rect(0, y, 14, 2, 0, colour)
        body += rect(1, y, 8, 2, 0.4, colour)
        body += rect(2, y, 6, 1, 0, "#fff", ' opacity="0.35"')
        body += rect(10, y, 4, 2, 0, colour)
    body = '<g opacity="0.55" filter="url(#mg)">%s</g>\n%s' % (glow, body)
    return svg(14, 127, body, defs)


# --- Buttons -------------------------------------------------------------------------------

def _cap_defs(pressed):
    top, bottom = ("#3a3d43", "#2c2f34") if pressed else ("#555a62", "#2d3035")
    defs = linear("capbody", [(0, top, 1), (1, bottom, 1)])
    defs += linear("capedge", [(0, "#ffffff", 0.0 if pressed else 0.45), (0.5, "#ffffff", 0),
                               (1, "#000", 0.5)], x2=1, y2=1)
    defs += linear("capface", [(0, "#000", 0.25 if pressed else 0.12), (1, "#fff", 0.05)])
    defs += blur("shadow", 1.3 if not pressed else 0.6)
    defs += blur("glow", 2.2)
    return defs


def _cap(x, y, w, h, r, pressed):
    """A square cap with a shadow below right; pressed moves it 1 px down and right."""
    dx = 1 if pressed else 0
    shadow = 0.6 if pressed else 1.8
    out = rect(x + shadow * 0.6, y + shadow, w, h, r, "#000",
               ' opacity="0.75" filter="url(#shadow)"')
    out += rect(x + dx, y + dx, w, h, r, "url(#capbody)")
    out += rect(x + dx + 0.5, y + dx + 0.5, w - 1, h - 1, r - 0.5, "none",
                ' stroke="url(#capedge)" stroke-width="1"')
    out += rect(x + dx + 2.5, y + dx + 2.5, w - 5, h - 5, max(r - 2, 1), "url(#capface)")
    return out


def _lens(x, y, w, h, colour, state):
    """An LED lens: 'on' lit with a glow, 'dim' faintly lit, 'off' smoked glass."""
    bright, core, dark = LED[colour] if colour else ("#000", "#000", "#24262a")
    out = rect(x - 0.5, y - 0.5, w + 1, h + 1, 1.5, "#08090a")
    if state == "on":
        out += rect(x - 1.5, y - 1.5, w + 3, h + 3, 2, bright, ' opacity="0.85" filter="url(#glow)"')
        out += rect(x, y, w, h, 1.2, bright)
        out += rect(x + 1.5, y + 1, w - 3, max(h - 2.5, 1), 1, core, ' opacity="0.9"')
    elif state == "dim":
        out += rect(x, y, w, h, 1.2, bright, ' opacity="0.45"')
        out += rect(x, y, w, h, 1.2, dark, ' opacity="0.5"')
    else:
        out += rect(x, y, w, h, 1.2, dark)
        out += rect(x + 1, y + 0.6, w - 2, 1, 0.5, "#fff", ' opacity="0.12"')
    return out


def square_button(colour, state):
    """38 x 38 switch cap with a lens across its top; all of it within rows 2..35 so that
    buttons 34 pixels apart (the window-shade column) do not hide each other."""
    pressed = state == "down"
    d = 1 if pressed else 0
    body = _cap(5, 3, 28, 28, 4, pressed)
    body += _lens(11 + d, 8 + d, 16, 5, colour, "dim" if pressed else state)
    for i in range(3):
        y = 19 + d + i * 3
        body += line(12 + d, y, 26 + d, y, "#0e0f11", 1, ' opacity="0.55"')
        body += line(12 + d, y + 1, 26 + d, y + 1, "#9a9fa7", 0.5, ' opacity="0.25"')
    return svg(38, 38, body, _cap_defs(pressed))


def labelled_button(w, h, label, colour, state, top=1, left=1.5, size=8.5):
    """A wide cap with an LED at its left and its legend lit in the LED's colour when on."""
    pressed = state == "down"
    d = 1 if pressed else 0
    cw, ch = w - 2.5 - left, h - top - 3
    body = _cap(left, top, cw, ch, 3, pressed)
    cy = top + ch / 2.0 + d
    lit = state == "on"
    tx = left + cw / 2.0 + d
    if colour:
        body += _lens(left + 4.5 + d, cy - 2.5, 5, 5, colour, "dim" if pressed else state)
        tx += 4.5
    fill = LED[colour][1] if lit else (INK if not pressed else "#b9b6ad")
    if lit:
        body += text(tx, cy + size * 0.36, label, size, fill=LED[colour][0], spacing=0.6,
                     extra=' filter="url(#glow)" opacity="0.9"')
    body += text(tx, cy + size * 0.36, label, size, fill=fill, spacing=0.6)
    return svg(w, h, body, _cap_defs(pressed))


def stereo_button(state):
    """Tall main-mute cap: 'on' is playing (L and R lit green), 'off' is muted (MUTE lit red)."""
    pressed = state == "down"
    d = 1 if pressed else 0
    body = _cap(5, 3, 28, 66, 4, pressed)
    playing = "dim" if pressed else ("on" if state == "on" else "off")
    muted = "dim" if pressed else ("on" if state == "off" else "off")
    body += _lens(10 + d, 10 + d, 7, 7, "green", playing)
    body += _lens(21 + d, 10 + d, 7, 7, "green", playing)
    body += text(13.5 + d, 26 + d, "L", 7, fill=INK)
    body += text(24.5 + d, 26 + d, "R", 7, fill=INK)
    body += _lens(10 + d, 36 + d, 18, 6, "red", muted)
    body += text(19 + d, 53 + d, "MUTE", 7, fill=LED["red"][1] if muted == "on" else INK,
                 spacing=0.3)
    for i in range(2):
        y = 58 + d + i * 3
        body += line(12 + d, y, 26 + d, y, "#0e0f11", 1, ' opacity="0.55"')
    return svg(38, 74, body, _cap_defs(pressed))


# --- Title-bar buttons (on the light title bar) ------------------------------------------

def _bar_button(glyph, state, lit_colour=None):
    """18 pixels wide in a 28-pixel image: the title-bar buttons stand 20 pixels apart."""
    pressed = state == "down"
    lit = state == "on"
    d = 1 if pressed else 0
    defs = linear("tb", [(0, "#eef0f3", 1), (1, "#b4b8be", 1)])
    defs += linear("tbdown", [(0, "#9a9ea5", 1), (1, "#c4c8ce", 1)])
    defs += linear("tblit", [(0, "#3a3d43", 1), (1, "#24262a", 1)])
    defs += blur("glow", 1.2)
    face = "url(#tbdown)" if pressed else ("url(#tblit)" if lit else "url(#tb)")
    body = rect(5.5, 3, 18, 17, 3, "#000", ' opacity="0.35"')
    body += rect(4.5 + d, 2 + d, 18, 17, 3, face)
    body += rect(5 + d, 2.5 + d, 17, 16, 2.5, "none",
                 ' stroke="#ffffff" stroke-width="0.8" opacity="%s"' % ("0.2" if pressed else "0.7"))
    body += rect(4.5 + d, 2 + d, 18, 17, 3, "none", ' stroke="#5d6168" stroke-width="0.8"')
    colour = "#26282c"
    if lit:
        colour = LED[lit_colour][0]
    glyph_svg = glyph(13.5 + d, 10.5 + d, colour)
    if lit:
        body += '<g filter="url(#glow)" opacity="0.5">%s</g>' % glyph_svg
    body += glyph_svg
    return svg(28, 22, body, defs)


def _glyph_close(cx, cy, colour):
    return (line(cx - 4, cy - 4, cx + 4, cy + 4, colour, 1.8, ' stroke-linecap="round"') +
            line(cx - 4, cy + 4, cx + 4, cy - 4, colour, 1.8, ' stroke-linecap="round"'))


def _glyph_minimise(cx, cy, colour):
    return line(cx - 5, cy + 3.5, cx + 5, cy + 3.5, colour, 2, ' stroke-linecap="round"')


def _glyph_shade(cx, cy, colour):
    out = rect(cx - 5.5, cy - 5, 11, 3.5, 0.5, colour)
    out += rect(cx - 5, cy - 1, 10, 5.5, 0.5, "none",
                ' stroke="%s" stroke-width="1" stroke-dasharray="1.5 1.5"' % colour)
    return out


def _glyph_on_top(cx, cy, colour):
    out = rect(cx - 5.5, cy - 1, 8, 6, 0.5, "none", ' stroke="%s" stroke-width="1"' % colour)
    out += rect(cx - 2, cy - 5, 8, 6, 0.5, colour)
    return out


def close_button(state):
    if state == "hover":
        body = rect(5.5, 3, 18, 17, 3, "#000", ' opacity="0.35"')
        body += rect(4.5, 2, 18, 17, 3, "#d8392b")
        body += rect(5, 2.5, 17, 16, 2.5, "none", ' stroke="#ff9a8c" stroke-width="0.8"')
        body += rect(4.5, 2, 18, 17, 3, "none", ' stroke="#7a1a12" stroke-width="0.8"')
        body += _glyph_close(13.5, 10.5, "#ffffff")
        return svg(28, 22, body)
    if state == "down":
        body = rect(5.5, 3, 18, 17, 3, "#8e2117")
        body += rect(5.5, 3, 18, 17, 3, "none", ' stroke="#4a0e09" stroke-width="0.8"')
        body += _glyph_close(14.5, 11.5, "#f2d0cb")
        return svg(28, 22, body)
    return _bar_button(_glyph_close, "off")


def minimise_button(state):
    return _bar_button(_glyph_minimise, state)


def shade_button(state):
    return _bar_button(_glyph_shade, state, "amber")


def on_top_button(state):
    return _bar_button(_glyph_on_top, state, "amber")


def unit_icon():
    """A small front view of a unit: two knobs and a lit LED on a dark plate."""
    defs = linear("ubody", [(0, "#4b4f56", 1), (1, "#25272b", 1)])
    defs += linear("uear", [(0, "#d6d9de", 1), (1, "#8f949b", 1)])
    defs += blur("glow", 0.8)
    body = rect(1.5, 7, 30, 13, 1.5, "#000", ' opacity="0.5"')
    body += rect(0.5, 5.5, 3, 13, 0.8, "url(#uear)")
    body += rect(28.5, 5.5, 3, 13, 0.8, "url(#uear)")
    body += rect(3, 5, 26, 14, 1.2, "url(#ubody)")
    body += line(3.5, 5.6, 28.5, 5.6, "#fff", 0.6, ' opacity="0.35"')
    for x in (10, 17):
        body += circle(x, 12, 3.3, "#121315")
        body += circle(x, 12, 2.6, "#6c7079")
        body += line(x, 12, x, 9.6, "#f4f1e6", 0.8)
    body += circle(24.5, 9, 1.6, LED["green"][0], ' filter="url(#glow)"')
    body += circle(24.5, 9, 1.1, LED["green"][1])
    body += rect(22, 13, 5, 3, 0.5, "#121315")
    return svg(32, 24, body, defs)

