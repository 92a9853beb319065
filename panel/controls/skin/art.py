"""The visual language of the skin: colours, typeface, textures and SVG helpers.

One material (dark anodised aluminium, brushed), light from the top left, one typeface
(DejaVu Sans, package fonts-dejavu-core), LEDs in red, amber and green for on states.
"""
import math

FONT = "DejaVu Sans"
INK = "#e6e3da"  # legends printed on the plate
INK_DIM = "#a9adb3"  # scale numbers
PLATE = "#2a2d32"
LINE = "#6d7178"  # printed section frames
LED = {
    "red": ("#ff3a2a", "#ffd9cf", "#3a1714"),
    "amber": ("#ffae1a", "#fff1c4", "#3a2a10"),
    "green": ("#36f06a", "#dcffe4", "#12301c"),
}


def fmt(v):
    text = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def svg(w, h, body, defs=""):
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
        "<defs>\n%s</defs>\n%s</svg>\n" % (w, h, w, h, defs, body)
    )


def text(x, y, s, size, anchor="middle", weight="bold", fill=INK, spacing=0.0, extra=""):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return (
        '<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" fill="%s" '
        'text-anchor="%s" letter-spacing="%s"%s>%s</text>\n'
        % (fmt(x), fmt(y), FONT, fmt(size), weight, fill, anchor, fmt(spacing), extra, s)
    )


def rect(x, y, w, h, r=0.0, fill="none", extra=""):
    return '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"%s/>\n' % (
        fmt(x), fmt(y), fmt(w), fmt(h), fmt(r), fill, extra)


def circle(cx, cy, r, fill="none", extra=""):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"%s/>\n' % (fmt(cx), fmt(cy), fmt(r), fill, extra)


def line(x1, y1, x2, y2, stroke, width=1.0, extra=""):
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>\n' % (
        fmt(x1), fmt(y1), fmt(x2), fmt(y2), stroke, fmt(width), extra)


def polar(cx, cy, r, degrees):
    """Point at radius r, degrees clockwise from twelve o'clock."""
    a = math.radians(degrees)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def linear(gid, stops, x2=0, y2=1):
    body = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        fmt(o), c, "" if a == 1 else ' stop-opacity="%s"' % fmt(a)) for o, c, a in stops)
    return '<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">%s</linearGradient>\n' % (
        gid, fmt(x2), fmt(y2), body)


def radial(gid, stops, cx=0.5, cy=0.5, r=0.5):
    body = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
        fmt(o), c, "" if a == 1 else ' stop-opacity="%s"' % fmt(a)) for o, c, a in stops)
    return '<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>\n' % (
        gid, fmt(cx), fmt(cy), fmt(r), body)


def blur(fid, sigma):
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur stdDeviation="%s"/></filter>\n' % (fid, fmt(sigma)))


def brushed(fid, seed, strength=0.07, fx=0.008, fy=0.9):
    """Fine horizontal brushing, clipped to the shape it is applied to."""
    return (
        '<filter id="%s" x="0" y="0" width="1" height="1" color-interpolation-filters="sRGB">'
        '<feTurbulence type="fractalNoise" baseFrequency="%s %s" numOctaves="2" seed="%d"/>'
        '<feColorMatrix type="matrix" values="1.6 0 0 0 -0.3  1.6 0 0 0 -0.3  1.6 0 0 0 -0.3  '
        '0 0 0 0 %s"/>'
        '<feComposite operator="in" in2="SourceGraphic"/></filter>\n'
        % (fid, fmt(fx), fmt(fy), seed, fmt(strength))
    )


def screw(cx, cy):
    """A countersunk cross-head screw, lit from the top left."""
    out = circle(cx + 0.6, cy + 0.8, 5.2, "#000", ' opacity="0.55" filter="url(#soft)"')
    out += circle(cx, cy, 5, "url(#screwhead)")
    out += circle(cx, cy, 5, "none", ' stroke="#0d0e10" stroke-width="0.8"')
    for a in (45, 135):
        x1, y1 = polar(cx, cy, 3.2, a)
        x2, y2 = polar(cx, cy, 3.2, a + 180)
        out += line(x1 + 0.4, y1 + 0.4, x2 + 0.4, y2 + 0.4, "#e8eaee", 1.0, ' opacity="0.35"')
        out += line(x1, y1, x2, y2, "#18191c", 1.2)
    return out


SCREW_DEFS = radial("screwhead", [(0, "#c9ccd1", 1), (0.7, "#8a8e95", 1), (1, "#5c6067", 1)],
                    cx=0.35, cy=0.3, r=0.8)
