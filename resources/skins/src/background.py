"""The 1127 x 740 background of the main window.

Column layout it is drawn for (design pixels): the left column of captions, combos and panels at
x 36..266; the mouse stage in the middle (the picture at 457..672 x 171..569, profile slots at
300..462 from y 480); the group column at 719..1108; close and minimise at the top right; the
profile, version and reset row along the bottom at y 700..720.
"""

from svgkit import (ACCENT, ACCENT_HI, ACCENT_LO, EDGE, EMBLEM_GRADIENT, GREY_TEXT, INK, WHITE, blur, emblem,
                    lettering, lin, rad, svg, text_width)

W, H = 1127, 740
STAGE = (565, 370)  # middle of the mouse picture


def main_background():
    cx, cy = STAGE
    defs = (rad("base", [(0, "#1A2531"), (0.45, "#12161B"), (1, "#090A0C")], cx / W, cy / H, 0.75) +
            lin("topbar", [(0, "#07080A", 0.95), (1, "#0B0D10", 0.6)]) +
            lin("botbar", [(0, "#0B0D10", 0.5), (1, "#060708", 0.95)]) +
            lin("hair", [(0, ACCENT, 0), (0.5, ACCENT, 0.55), (1, ACCENT, 0)], 0, 0, 1, 0) +
            lin("vhair", [(0, ACCENT, 0), (0.5, ACCENT, 0.35), (1, ACCENT, 0)]) +
            rad("stage", [(0, ACCENT, 0.22), (0.6, ACCENT, 0.06), (1, ACCENT, 0)]) +
            rad("pedestal", [(0, ACCENT, 0.35), (1, ACCENT, 0)]) +
            '<pattern id="hatch" width="8" height="8" patternUnits="userSpaceOnUse" patternTransform="rotate(45)">'
            '<rect x="0" y="0" width="1" height="8" fill="#FFFFFF" fill-opacity="0.018"/></pattern>'
            '<pattern id="dots" width="14" height="14" patternUnits="userSpaceOnUse">'
            '<circle cx="1" cy="1" r="0.8" fill="#FFFFFF" fill-opacity="0.05"/></pattern>' +
            rad("dotmask", [(0, "#FFFFFF", 1), (1, "#FFFFFF", 0)]) +
            '<mask id="stagemask"><rect x="0" y="0" width="1127" height="740" fill="url(#dotmask)"/></mask>' +
            blur("glow", 6) + blur("wide", 28) + EMBLEM_GRADIENT)
    b = [f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#base)"/>',
         f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#hatch)"/>']

    # Mouse stage: a soft light, a dotted field fading out, a pedestal ring and corner brackets.
    b.append(f'<g mask="url(#stagemask)"><rect x="300" y="60" width="530" height="620" fill="url(#dots)"/></g>')
    b.append(f'<ellipse cx="{cx}" cy="{cy}" rx="250" ry="270" fill="url(#stage)"/>')
    b.append('<ellipse cx="565" cy="566" rx="150" ry="24" fill="url(#pedestal)"/>')
    b.append(f'<ellipse cx="565" cy="566" rx="150" ry="24" fill="none" stroke="{ACCENT}" stroke-opacity="0.55" '
             'stroke-width="1.2"/>')
    b.append(f'<ellipse cx="565" cy="566" rx="150" ry="24" fill="none" stroke="{ACCENT}" stroke-opacity="0.5" '
             'stroke-width="4" filter="url(#glow)"/>')
    b.append(f'<ellipse cx="565" cy="570" rx="190" ry="32" fill="none" stroke="{ACCENT}" stroke-opacity="0.18" '
             'stroke-dasharray="3 6"/>')
    for (x, y, dx, dy) in ((430, 150, 1, 1), (700, 150, -1, 1), (430, 620, 1, -1), (700, 620, -1, -1)):
        b.append(f'<path d="M{x} {y + 22 * dy} L{x} {y} L{x + 22 * dx} {y}" fill="none" stroke="{ACCENT}" '
                 'stroke-opacity="0.6" stroke-width="1.5"/>')
        b.append(f'<rect x="{x - 1.5}" y="{y - 1.5}" width="3" height="3" fill="{ACCENT_HI}"/>')
    # Scale marks down the stage's sides, like a targeting display.
    for i in range(13):
        y = 190 + i * 30
        wlen = 10 if i % 3 == 0 else 5
        b.append(f'<rect x="{422 - wlen}" y="{y}" width="{wlen}" height="1" fill="{ACCENT}" fill-opacity="0.35"/>')
        b.append(f'<rect x="708" y="{y}" width="{wlen}" height="1" fill="{ACCENT}" fill-opacity="0.35"/>')

    # Column dividers.
    b.append('<rect x="283" y="60" width="1" height="620" fill="url(#vhair)"/>')
    b.append('<rect x="709" y="60" width="1" height="620" fill="url(#vhair)"/>')

    # Left and right column wells, under the panels and groups that the window draws at run time.
    b.append('<rect x="26" y="30" width="250" height="668" rx="6" fill="#000000" fill-opacity="0.22"/>')
    b.append('<rect x="836" y="30" width="282" height="668" rx="6" fill="#000000" fill-opacity="0.22"/>')
    b.append(f'<rect x="26.5" y="30.5" width="249" height="667" rx="6" fill="none" stroke="{EDGE}" stroke-opacity="0.5"/>')
    b.append(f'<rect x="836.5" y="30.5" width="281" height="667" rx="6" fill="none" stroke="{EDGE}" stroke-opacity="0.5"/>')

    # Title bar with the product mark centred.
    b.append(f'<rect x="0" y="0" width="{W}" height="28" fill="url(#topbar)"/>')
    b.append(f'<rect x="0" y="28" width="{W}" height="1" fill="url(#hair)"/>')
    b.append(f'<path d="M440 28 L460 40 L667 40 L687 28 Z" fill="#07080A" fill-opacity="0.9"/>')
    b.append(f'<path d="M440 28 L460 40 L667 40 L687 28" fill="none" stroke="{ACCENT}" stroke-opacity="0.5"/>')
    word = "PELORIN"
    th = 12
    tw = text_width(word, th, spacing=3.2)
    total = 22 + 10 + tw
    x0 = cx - total / 2
    b.append(f'<g filter="url(#glow)" opacity="0.6">{emblem(x0, 7, 22, ACCENT)}</g>')
    b.append(emblem(x0, 7, 22))
    b.append(lettering(word, x0 + 32, 12, th, WHITE, 1.9, spacing=3.2))

    # Bottom bar.
    b.append(f'<rect x="0" y="692" width="{W}" height="48" fill="url(#botbar)"/>')
    b.append(f'<rect x="0" y="692" width="{W}" height="1" fill="url(#hair)"/>')

    # Outer edge.
    b.append(f'<rect x="0.5" y="0.5" width="{W - 1}" height="{H - 1}" fill="none" stroke="{EDGE}"/>')
    return svg(W, H, "".join(b), defs)
