"""Small helpers shared by the skin sources: colours, SVG wrapping and a stroke lettering.

The lettering is drawn from line segments instead of a font so that numbers and the few words baked
into images look the same on every build machine, whatever fonts it has installed.
"""

# Product colours. The accent is the selection colour the lists and scroll bars paint with.
ACCENT = "#35A0DE"
ACCENT_HI = "#7CCBF5"
ACCENT_LO = "#1D6697"
ACCENT_DEEP = "#123A57"
GREY_TEXT = "#B4B4B4"
GREY_LIST = "#4B4B4B"
GREY_DARK = "#101010"
CAPTION_YELLOW = "#FFFF00"
WHITE = "#FFFFFF"

# Surfaces of the dark theme, darkest first.
INK = "#0B0C0F"
SURFACE_0 = "#121418"
SURFACE_1 = "#181B20"
SURFACE_2 = "#20242A"
SURFACE_3 = "#2A2F36"
EDGE = "#343A42"
EDGE_HI = "#4A525C"

GREEN = "#3DDC84"
ORANGE = "#F5A623"
RED = "#E5484D"


def svg(w, h, body, defs=""):
    """A complete SVG document of w x h user units, one unit per design pixel."""
    d = f"<defs>{defs}</defs>" if defs else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">{d}{body}</svg>\n')


def lin(gid, stops, x1=0, y1=0, x2=0, y2=1):
    """A linear gradient in bounding-box units; stops are (offset, colour[, opacity])."""
    s = "".join(_stop(st) for st in stops)
    return f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}</linearGradient>'


def rad(gid, stops, cx=0.5, cy=0.5, r=0.5, units=None):
    s = "".join(_stop(st) for st in stops)
    u = f' gradientUnits="{units}"' if units else ""
    return f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}"{u}>{s}</radialGradient>'


def _stop(st):
    off, col = st[0], st[1]
    op = f' stop-opacity="{st[2]}"' if len(st) > 2 else ""
    return f'<stop offset="{off}" stop-color="{col}"{op}/>'


def blur(fid, sd):
    return (f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
            f'<feGaussianBlur stdDeviation="{sd}"/></filter>')


def rrect(x, y, w, h, r, fill="none", stroke=None, sw=1, extra=""):
    st = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="{fill}"{st}{extra}/>'


# Glyphs on a 4 x 6 grid, y downwards; each glyph is a list of polylines.
_GLYPHS = {
    "0": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "1": [[(0.8, 1.2), (2.2, 0), (2.2, 6)]],
    "2": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2.2), (0, 6), (4, 6)]],
    "3": [[(0, 0), (4, 0), (1.8, 2.5), (3, 2.5), (4, 3.5), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "4": [[(3, 6), (3, 0), (0, 4.2), (4, 4.2)]],
    "5": [[(4, 0), (0.3, 0), (0, 2.6), (3, 2.6), (4, 3.6), (4, 5), (3, 6), (0, 6)]],
    "6": [[(3.6, 0), (1.2, 0), (0, 1.2), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.6), (3, 2.6), (0, 2.6)]],
    "7": [[(0, 0), (4, 0), (4, 1), (1.6, 6)]],
    "8": [[(1, 0), (3, 0), (4, 1), (4, 1.8), (3, 2.8), (1, 2.8), (0, 1.8), (0, 1), (1, 0)],
          [(1, 2.8), (0, 3.8), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.8), (3, 2.8)]],
    "9": [[(0.4, 6), (2.8, 6), (4, 4.8), (4, 1), (3, 0), (1, 0), (0, 1), (0, 2.4), (1, 3.4), (4, 3.4)]],
    "A": [[(0, 6), (0, 1.5), (1.5, 0), (2.5, 0), (4, 1.5), (4, 6)], [(0, 3.6), (4, 3.6)]],
    "B": [[(0, 3), (3, 3), (4, 2), (4, 1), (3, 0), (0, 0), (0, 6), (3, 6), (4, 5), (4, 4), (3, 3)]],
    "C": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "G": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3.4), (2.4, 3.4)]],
    "I": [[(2, 0), (2, 6)], [(1, 0), (3, 0)], [(1, 6), (3, 6)]],
    "K": [[(0, 0), (0, 6)], [(4, 0), (0, 4)], [(1.4, 2.6), (4, 6)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "P": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2.6), (3, 3.6), (0, 3.6)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2.6), (3, 3.6), (0, 3.6)], [(2, 3.6), (4, 6)]],
    "+": [[(2, 1), (2, 5)], [(0, 3), (4, 3)]],
}
_ADVANCE = {"1": 4.0, "I": 4.0}


def text_width(s, height, spacing=1.6):
    u = height / 6.0
    total = sum(_ADVANCE.get(c, 4.0) + spacing for c in s) - spacing
    return total * u


def lettering(s, x, y, height, colour, sw=None, anchor="start", spacing=1.6, extra=""):
    """Draws s with its top-left at (x, y) (or centred on x when anchor is "middle")."""
    u = height / 6.0
    if sw is None:
        sw = max(1.0, height / 6.5)
    if anchor == "middle":
        x = x - text_width(s, height, spacing) / 2
    elif anchor == "end":
        x = x - text_width(s, height, spacing)
    parts = []
    cx = x
    for c in s:
        for line in _GLYPHS.get(c, []):
            pts = " ".join(f"{cx + px * u:.2f},{y + py * u:.2f}" for px, py in line)
            parts.append(f'<polyline points="{pts}"/>')
        cx += (_ADVANCE.get(c, 4.0) + spacing) * u
    return (f'<g fill="none" stroke="{colour}" stroke-width="{sw:.2f}" stroke-linecap="round" '
            f'stroke-linejoin="round"{extra}>{"".join(parts)}</g>')


def emblem(x, y, size, fill="url(#emblem)"):
    """The product mark: an angular P with a wing stroke, drawn in a 32 x 32 box."""
    s = size / 32.0
    return (f'<g transform="translate({x} {y}) scale({s:.4f})">'
            f'<path fill-rule="evenodd" fill="{fill}" d="M5 29 L5 3 L21 3 L28 10 L28 16 L21 23 L12 23 '
            f'L12 29 Z M12 9.5 L19 9.5 L21.5 12 L21.5 14 L19 16.5 L12 16.5 Z"/>'
            f'<path fill="{fill}" opacity="0.75" d="M15 29 L31 29 L27 25.5 L18.5 25.5 Z"/></g>')


EMBLEM_GRADIENT = lin("emblem", [(0, ACCENT_HI), (0.55, ACCENT), (1, ACCENT_LO)], 0, 0, 1, 1)
