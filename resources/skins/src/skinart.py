#!/usr/bin/env python3
"""Sources of every skin image of the program and the commands that render them.

Each image is registered with its output path (under bin/), its design size, how many state frames
it holds side by side, and where the program uses it. The build asks for the list (`manifest`), then
renders each image on its own (`render`), so that a change to one family re-renders only what the
build system sees as stale. `gallery` lays every rendered image out on one sheet.

Commands:
  skinart.py manifest                     one line per image: path|width|height|frames|states|use
  skinart.py paths                        the output path of every image, one a line
  skinart.py svg NAME                     print the SVG source of one image
  skinart.py render NAME BINDIR [SVGDIR]  render one image into BINDIR/NAME
  skinart.py render-all BINDIR SVGDIR JOBS render every image, JOBS at a time
  skinart.py gallery BINDIR OUT.png [S]   render the labelled sheet of all images, the mock-ups
                                          at user-interface scale S (default 1)
"""

import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import *  # noqa: E402,F401,F403
import svgkit as K  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = {}


class Image:
    def __init__(self, path, w, h, draw, frames=1, states="", use="", sizes=None):
        self.path, self.w, self.h, self.draw = path, w, h, draw
        self.frames, self.states, self.use = frames, states, use
        self.sizes = sizes  # icon: the sizes packed into the .ico


def add(path, w, h, draw, **kw):
    assert path not in IMAGES, path
    IMAGES[path] = Image(path, w, h, draw, **kw)


def strip(frame_w, h, draw_frame, states=("normal", "over", "down")):
    """A state strip: frame s is drawn at x = s * frame_w (the way the controls slice it)."""
    def draw():
        body = []
        defs = []
        for i, st in enumerate(states):
            d, b = draw_frame(st, f"f{i}")
            defs.append(d)
            body.append(f'<g transform="translate({i * frame_w} 0)">{b}</g>')
        return svg(frame_w * len(states), h, "".join(body), "".join(defs))
    return draw


# --------------------------------------------------------------------------------------------
# Buttons: normal, over (hover) and down (pressed / checked) looks shared by every push button.

def button_face(w, h, state, gid, r=3):
    """Returns (defs, body) of a rounded push button face filling w x h."""
    if state == "normal":
        g = lin(gid, [(0, SURFACE_3), (1, SURFACE_1)])
        stroke, top = EDGE, 0.08
    elif state == "over":
        g = lin(gid, [(0, "#23425A"), (1, "#172634")])
        stroke, top = ACCENT, 0.14
    else:
        # Deep enough that the yellow pressed caption keeps a contrast above 5:1.
        g = lin(gid, [(0, ACCENT_LO), (1, "#123F5E")])
        stroke, top = ACCENT_HI, 0.25
    body = (rrect(0.5, 0.5, w - 1, h - 1, r, f"url(#{gid})", stroke) +
            f'<line x1="{r + 0.5}" y1="1.5" x2="{w - r - 0.5}" y2="1.5" stroke="#FFFFFF" '
            f'stroke-opacity="{top}"/>')
    return g, body


def push_button(w, h, state, r=3, glyph=""):
    def draw():
        d, b = button_face(w, h, state, "face", r)
        return svg(w, h, b + glyph, d)
    return draw


for name, (w, h), use in [
        ("button1", (230, 25), "macro manager button of the main window"),
        ("button2", (69, 20), "OK, Cancel, Apply, Reset, Profile and the macro dialog buttons"),
        ("add", (46, 20), "add, import, export and edit buttons of the profile slot bar")]:
    for st, suffix in [("normal", "nr"), ("over", "ov")]:
        add(f"skins/{name}_{suffix}.png", w, h, push_button(w, h, st), states=st, use=use)



def slot_bar_glyph(kind, state):
    """The import, export and rename icons of the profile slot bar: drawn, as font glyphs for
    arrows and a pencil are missing from some systems' fonts."""
    col = GREY_TEXT if state == "normal" else WHITE
    line = f'stroke="{col}" stroke-width="1.6" fill="none" stroke-linecap="round" stroke-linejoin="round"'
    tray = f'<path d="M11 12.5 L11 15.5 L23 15.5 L23 12.5" {line}/>'
    if kind == "import":
        return tray + f'<path d="M17 3.5 L17 11.5 M13.5 8 L17 11.5 L20.5 8" {line}/>'
    if kind == "export":
        return tray + f'<path d="M17 11.5 L17 3.5 M13.5 7 L17 3.5 L20.5 7" {line}/>'
    return (f'<path d="M12.5 15.5 L13.2 12.3 L20.3 5.2 L22.8 7.7 L15.7 14.8 Z M19 6.5 L21.5 9" {line}/>')


for kind in ("import", "export", "rename"):
    for st, suffix in [("normal", "nr"), ("over", "ov")]:
        add(f"skins/profile_{kind}_{suffix}.png", 34, 20, push_button(34, 20, st, glyph=slot_bar_glyph(kind, st)),
            states=st, use=f"{kind} button of the profile slot bar")

def wide_button():
    # The pointer-settings button: one image for normal and hover, so it carries its own cue.
    w, h = 215, 45
    defs = (lin("face", [(0, "#22303C"), (1, SURFACE_1)]) +
            lin("rim", [(0, ACCENT), (1, ACCENT_LO)], 0, 0, 1, 0))
    icon = ('<g transform="translate(14 12)">'
            '<path d="M6 0 C10 0 12 3 12 7 L12 14 C12 18 9.5 21 6 21 C2.5 21 0 18 0 14 L0 7 C0 3 2 0 6 0 Z" '
            f'fill="none" stroke="{ACCENT}" stroke-width="1.5"/>'
            f'<line x1="6" y1="1" x2="6" y2="8" stroke="{ACCENT}" stroke-width="1.5"/>'
            f'<line x1="0.5" y1="8" x2="11.5" y2="8" stroke="{ACCENT}" stroke-width="1.2" stroke-opacity="0.6"/>'
            '</g>')
    chevron = (f'<polyline points="196,17 201,22.5 196,28" fill="none" stroke="{GREY_TEXT}" '
               'stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>')
    body = (rrect(0.5, 0.5, w - 1, h - 1, 4, "url(#face)", "url(#rim)") +
            '<line x1="4" y1="1.5" x2="211" y2="1.5" stroke="#FFFFFF" stroke-opacity="0.10"/>' +
            icon + chevron)
    return svg(w, h, body, defs)


add("skins/button4_nr.png", 215, 45, wide_button, states="normal and over",
    use="button that opens the system's mouse settings")


def title_glyph(kind, state):
    def draw():
        w = h = 15
        col = GREY_TEXT if state == "normal" else WHITE
        bg = ""
        if state != "normal":
            fill = RED if kind == "exit" else ACCENT
            bg = rrect(0.5, 0.5, 14, 14, 3, fill)
        if kind == "exit":
            g = (f'<path d="M4.5 4.5 L10.5 10.5 M10.5 4.5 L4.5 10.5" stroke="{col}" stroke-width="1.6" '
                 'stroke-linecap="round"/>')
        else:
            g = f'<path d="M4 10.5 L11 10.5" stroke="{col}" stroke-width="1.8" stroke-linecap="round"/>'
        return svg(w, h, bg + g)
    return draw


for kind, use in [("exit", "close buttons of every window"), ("min", "minimise button of the main window")]:
    for st, suffix in [("normal", "nr"), ("over", "ov")]:
        add(f"skins/{kind}_{suffix}.png", 15, 15, title_glyph(kind, st), states=st, use=use)


def chevron(x, y, size, direction, colour, sw=1.6):
    s = size / 2.0
    pts = {"down": [(x - s, y - s / 2), (x, y + s / 2), (x + s, y - s / 2)],
           "up": [(x - s, y + s / 2), (x, y - s / 2), (x + s, y + s / 2)],
           "right": [(x - s / 2, y - s), (x + s / 2, y), (x - s / 2, y + s)]}[direction]
    p = " ".join(f"{a:.2f},{b:.2f}" for a, b in pts)
    return (f'<polyline points="{p}" fill="none" stroke="{colour}" stroke-width="{sw}" '
            'stroke-linecap="round" stroke-linejoin="round"/>')


# --------------------------------------------------------------------------------------------
# Combos: a field with a drop-down cell at the right.

def combo(w, h, state):
    def draw():
        hot = state == "over"
        defs = lin("face", [(0, "#1E2C38" if hot else SURFACE_2), (1, SURFACE_0)])
        cell = h
        body = (rrect(0.5, 0.5, w - 1, h - 1, 3, "url(#face)", ACCENT if hot else EDGE) +
                f'<line x1="{w - cell + 0.5}" y1="4" x2="{w - cell + 0.5}" y2="{h - 4}" stroke="{EDGE_HI if not hot else ACCENT}" '
                'stroke-opacity="0.6"/>' +
                chevron(w - cell / 2, h / 2, min(8, h * 0.38), "down", ACCENT if hot else GREY_TEXT))
        if hot:
            body += f'<rect x="1" y="{h - 2}" width="{w - cell - 1}" height="1" fill="{ACCENT}" fill-opacity="0.5"/>'
        return svg(w, h, body, defs)
    return draw


for name, (w, h), use in [
        ("combo2", (162, 21), "button function combos, profile combo and polling-rate combo"),
        ("combo3", (189, 25), "lighting effect combo and the macro insert-action combo")]:
    for st, suffix in [("normal", "nr"), ("over", "ov")]:
        add(f"skins/{name}_{suffix}.png", w, h, combo(w, h, st), states=st, use=use)


# --------------------------------------------------------------------------------------------
# Headers: the right-hand group headers open and close a group; the left-hand captions do not.

def header(w, h, state, with_chevron):
    def draw():
        hot = state == "over"
        defs = (lin("face", [(0, "#1F3446" if hot else "#1E2329"), (1, "#141F29" if hot else SURFACE_0)]) +
                lin("sheen", [(0, ACCENT, 0.35 if hot else 0.18), (0.6, ACCENT, 0.0)], 0, 0, 1, 0))
        body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#face)"/>'
                f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#sheen)"/>'
                f'<rect x="0" y="0" width="3" height="{h}" fill="{ACCENT_HI if hot else ACCENT}"/>'
                f'<rect x="0" y="{h - 1}" width="{w}" height="1" fill="{ACCENT if hot else EDGE}"/>'
                f'<rect x="0" y="0" width="{w}" height="1" fill="#FFFFFF" fill-opacity="0.05"/>')
        if with_chevron:
            body += chevron(w - 14, h / 2, 8, "down" if hot else "right", ACCENT_HI if hot else GREY_TEXT)
        else:
            # A slanted notch at the right end gives the caption bars their own shape.
            body += (f'<path d="M{w - 22} {h - 1} L{w - 14} 5 L{w - 10} 5 L{w - 18} {h - 1} Z" fill="{ACCENT}" '
                     f'fill-opacity="{0.8 if hot else 0.45}"/>'
                     f'<path d="M{w - 13} {h - 1} L{w - 5} 5 L{w - 1} 5 L{w - 9} {h - 1} Z" fill="{ACCENT}" '
                     f'fill-opacity="{0.5 if hot else 0.25}"/>')
        return svg(w, h, body, defs)
    return draw


for st, suffix in [("normal", "nr"), ("over", "ov")]:
    add(f"skins/header_{suffix}.png", 262, 25, header(262, 25, st, True),
        states=st + (" and open" if st == "over" else " (closed)"), use="group headers of the right-hand column")
    add(f"skins/header2_{suffix}.png", 230, 25, header(230, 25, st, False), states=st,
        use="section captions of the left-hand column")


# --------------------------------------------------------------------------------------------
# Profile slots: nr/ov for other profiles, nr2/ov2 for the current one.

def profile_slot(state, current):
    def draw():
        w, h = 162, 21
        hot = state == "over"
        top = "#1F3446" if (hot or current) else SURFACE_2
        defs = lin("face", [(0, top), (1, SURFACE_0 if not current else "#12202B")])
        body = rrect(0.5, 0.5, w - 1, h - 1, 2, "url(#face)", ACCENT if (hot or current) else EDGE)
        if current:
            body += (rrect(3, 4, 3, h - 8, 1.5, ACCENT_HI if hot else ACCENT) +
                     f'<circle cx="{w - 10}" cy="{h / 2}" r="2.5" fill="{ACCENT_HI}"/>'
                     f'<circle cx="{w - 10}" cy="{h / 2}" r="5" fill="{ACCENT}" fill-opacity="0.25"/>')
        elif hot:
            body += rrect(3, 4, 3, h - 8, 1.5, ACCENT, extra=' fill-opacity="0.6"')
        return svg(w, h, body, defs)
    return draw


for suffix, st, cur in [("nr", "normal", False), ("ov", "over", False), ("nr2", "normal", True), ("ov2", "over", True)]:
    add(f"skins/profile_slot_{suffix}.png", 162, 21, profile_slot(st, cur),
        states=st + (" of the current profile" if cur else ""), use="profile slot buttons")


# --------------------------------------------------------------------------------------------
# Check boxes and radio buttons: normal, over, checked.

def check_box(state, w=11):
    def draw():
        body = ""
        if state == "normal":
            body = rrect(0.5, 0.5, w - 1, w - 1, 2, INK, EDGE_HI)
        elif state == "over":
            body = rrect(0.5, 0.5, w - 1, w - 1, 2, "#14212C", ACCENT)
        else:
            body = (rrect(0.5, 0.5, w - 1, w - 1, 2, ACCENT, ACCENT_HI) +
                    f'<polyline points="{w * 0.24:.2f},{w * 0.52:.2f} {w * 0.43:.2f},{w * 0.72:.2f} '
                    f'{w * 0.78:.2f},{w * 0.3:.2f}" fill="none" stroke="{WHITE}" stroke-width="1.6" '
                    'stroke-linecap="round" stroke-linejoin="round"/>')
        return svg(w, w, body)
    return draw


def dpi_check(state):
    # The DPI level switches are small power toggles rather than ticks: a level is on or off.
    def draw():
        w = 11
        if state == "checked":
            body = (f'<circle cx="5.5" cy="5.5" r="5" fill="{ACCENT}" stroke="{ACCENT_HI}"/>'
                    f'<circle cx="5.5" cy="5.5" r="2" fill="{WHITE}"/>')
        else:
            hot = state == "over"
            body = (f'<circle cx="5.5" cy="5.5" r="5" fill="{"#14212C" if hot else INK}" '
                    f'stroke="{ACCENT if hot else EDGE_HI}"/>'
                    f'<circle cx="5.5" cy="5.5" r="1.6" fill="{ACCENT if hot else EDGE_HI}"/>')
        return svg(w, w, body)
    return draw


def radio(state):
    def draw():
        w = 15
        if state == "checked":
            body = (f'<circle cx="7.5" cy="7.5" r="6.8" fill="{INK}" stroke="{ACCENT}" stroke-width="1.4"/>'
                    f'<circle cx="7.5" cy="7.5" r="3.6" fill="{ACCENT_HI}"/>'
                    f'<circle cx="7.5" cy="7.5" r="5.4" fill="{ACCENT}" fill-opacity="0.25"/>')
        else:
            hot = state == "over"
            body = (f'<circle cx="7.5" cy="7.5" r="6.8" fill="{"#14212C" if hot else INK}" '
                    f'stroke="{ACCENT if hot else EDGE_HI}" stroke-width="1.2"/>')
            if hot:
                body += f'<circle cx="7.5" cy="7.5" r="2.4" fill="{ACCENT}" fill-opacity="0.6"/>'
        return svg(w, w, body)
    return draw


for st, suffix in [("normal", "nr"), ("over", "ov"), ("checked", "dn")]:
    add(f"skins/check_{suffix}.png", 11, 11, check_box(st), states=st,
        use="check boxes (power options, insert delays, modifiers, acceleration)")
    add(f"skins/check_button_dpi_{suffix}.png", 11, 11, dpi_check(st), states=st,
        use="DPI level enable switches")
    add(f"skins/radio_{suffix}.png", 15, 15, radio(st), states=st,
        use="radio buttons (loop mode, lift-off distance, scrolling mode)")


def direction(kind, state):
    def draw():
        w, h = 29, 18
        d, b = button_face(w, h, {"normal": "normal", "over": "over", "checked": "down"}[state], "face", 3)
        col = WHITE if state == "checked" else (ACCENT_HI if state == "over" else GREY_TEXT)
        tri = ("M14.5 4.5 L20 12.5 L9 12.5 Z" if kind == "up" else "M14.5 13.5 L20 5.5 L9 5.5 Z")
        return svg(w, h, b + f'<path d="{tri}" fill="{col}" stroke="{col}" stroke-width="1" stroke-linejoin="round"/>', d)
    return draw


for kind in ("up", "down"):
    for st, suffix in [("normal", "nr"), ("over", "ov"), ("checked", "check")]:
        add(f"skins/{kind}_{suffix}.png", 29, 18, direction(kind, st), states=st,
            use=f"lighting direction button ({kind})")


def colour_slot(checked):
    # Drawn over the slot's own colour: the middle stays clear so the colour shows through.
    def draw():
        w, h = 21, 20
        if checked:
            body = (rrect(1, 1, w - 2, h - 2, 3, "none", WHITE, 2) +
                    rrect(0.5, 0.5, w - 1, h - 1, 3.5, "none", ACCENT, 1) +
                    f'<path d="M{w - 9} 0.5 L{w - 3.5} 0.5 Q{w - 0.5} 0.5 {w - 0.5} 3.5 L{w - 0.5} 9 Z" fill="{ACCENT}"/>'
                    f'<polyline points="{w - 6.2},2.6 {w - 4.6},4.2 {w - 2.2},1.8" fill="none" stroke="{WHITE}" '
                    'stroke-width="1.1" stroke-linecap="round"/>')
        else:
            body = (rrect(0.5, 0.5, w - 1, h - 1, 3, "none", EDGE_HI, 1) +
                    rrect(1.5, 1.5, w - 3, h - 3, 2, "none", "#000000", 1, ' stroke-opacity="0.5"'))
        return svg(w, h, body)
    return draw


add("skins/color_select_nr.png", 21, 20, colour_slot(False), states="normal",
    use="lighting colour slots, frame over the slot colour")
add("skins/color_select_check.png", 21, 20, colour_slot(True), states="selected",
    use="lighting colour slots, frame over the slot colour")


# --------------------------------------------------------------------------------------------
# Polling-rate tiles: 72 x 72 controls placed 59 apart, so the tile keeps to the top-left 47 x 46;
# the rate caption is drawn over its upper half and the bars show the rate at a glance.

def rate_tile(level, state):
    def draw():
        hot = state == "down"
        defs = lin("face", [(0, "#23425A" if hot else SURFACE_2), (1, "#102030" if hot else SURFACE_0)])
        body = rrect(0.5, 0.5, 46, 45, 4, "url(#face)", ACCENT if hot else EDGE)
        for i in range(4):
            bh = 3 + i * 2
            x = 10 + i * 7.5
            on = i < level
            col = (ACCENT_HI if hot else ACCENT) if on else SURFACE_3
            body += rrect(x, 41 - bh, 5, bh, 1, col)
        if hot:
            body += f'<rect x="4" y="44" width="39" height="1" fill="{ACCENT_HI}"/>'
        return svg(72, 72, body, defs)
    return draw


for lvl, rate in enumerate(("125hz", "250hz", "500hz", "1000hz"), start=1):
    for st, suffix in [("normal", "nr"), ("down", "dn")]:
        add(f"skins/{rate}_{suffix}.png", 72, 72, rate_tile(lvl, st),
            states="normal" if suffix == "nr" else "over and selected", use="polling-rate buttons")


# --------------------------------------------------------------------------------------------
# Sliders.

def slider_bar(w):
    def draw():
        defs = lin("ramp", [(0, ACCENT), (0.55, "#23506F"), (1, SURFACE_3)], 0, 0, 1, 0)
        return svg(w, 3, f'<rect x="0" y="0" width="{w}" height="3" rx="1.5" fill="url(#ramp)"/>'
                         f'<rect x="1" y="0" width="{w - 2}" height="1" fill="#FFFFFF" fill-opacity="0.12"/>', defs)
    return draw


add("skins/Slider_bar.png", 290, 3, slider_bar(290), use="track of the lighting and DPI dialog sliders")
add("skins/Slider_bar2.png", 185, 3, slider_bar(185), use="track of the pointer-setting sliders")


def slider_knob(state, gid):
    hot = state != "normal"
    defs = rad(gid, [(0, ACCENT_HI if state == "down" else "#3A4048"), (1, ACCENT if state == "down" else SURFACE_1)], 0.4, 0.35, 0.7)
    body = (f'<circle cx="6.5" cy="6.5" r="5.8" fill="url(#{gid})" stroke="{ACCENT_HI if hot else ACCENT}" stroke-width="1.3"/>'
            f'<circle cx="6.5" cy="6.5" r="1.9" fill="{WHITE if hot else ACCENT}"/>')
    return defs, body


add("skins/Slider_Circle.png", 39, 13, strip(13, 13, slider_knob), frames=3,
    states="strip: normal, over, dragged", use="thumb of every horizontal slider")


def dpi_bar(fill):
    def draw():
        w, h = 7, 132
        if fill:
            defs = lin("g", [(0, ACCENT_HI), (0.5, ACCENT), (1, ACCENT_LO)])
            body = (rrect(0.5, 0.5, 6, 131, 3, "url(#g)") +
                    '<rect x="2" y="2" width="1" height="128" fill="#FFFFFF" fill-opacity="0.35"/>')
        else:
            defs = lin("g", [(0, INK), (1, SURFACE_1)], 0, 0, 1, 0)
            body = rrect(0.5, 0.5, 6, 131, 3, "url(#g)", EDGE)
            for y in range(12, 130, 12):
                body += f'<rect x="1.5" y="{y}" width="4" height="1" fill="#FFFFFF" fill-opacity="0.06"/>'
        return svg(w, h, body, defs)
    return draw


add("skins/mouse/dpi_bar_1.png", 7, 132, dpi_bar(False), use="DPI level bar track")
add("skins/mouse/dpi_bar_2.png", 7, 132, dpi_bar(True), use="DPI level bar fill")


DPI_VALUE_SIZE = (36, 11)  # five digits ("12000") of the caption font fit between its ends


def dpi_value():
    w, h = DPI_VALUE_SIZE
    defs = lin("g", [(0, SURFACE_3), (1, SURFACE_1)])
    return svg(w, h, rrect(0.5, 0.5, w - 1, h - 1, 3, "url(#g)", EDGE), defs)


add("skins/dpi_value.png", *DPI_VALUE_SIZE, dpi_value, states="all states",
    use="DPI level value captions, 36 wide for five digits (levels sit 38 apart)")


# --------------------------------------------------------------------------------------------
# Menus and popups.

def menu_row(state, sub):
    def draw():
        w, h = 300, 20
        if state == "over":
            defs = lin("g", [(0, ACCENT, 0.95), (0.7, ACCENT_LO, 0.85), (1, ACCENT_DEEP, 0.8)], 0, 0, 1, 0)
            body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#g)"/>'
                    f'<rect x="0" y="0" width="3" height="{h}" fill="{ACCENT_HI}"/>'
                    f'<rect x="0" y="0" width="{w}" height="1" fill="#FFFFFF" fill-opacity="0.2"/>')
        else:
            defs = lin("g", [(0, SURFACE_1), (1, SURFACE_0)])
            body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#g)"/>'
                    f'<rect x="6" y="{h - 1}" width="{w - 12}" height="1" fill="#FFFFFF" fill-opacity="0.05"/>')
        if sub:
            body += chevron(w - 12, h / 2, 7, "right", WHITE if state == "over" else GREY_TEXT)
        return svg(w, h, body, defs)
    return draw


for sub, base in [(False, "menu"), (True, "menusub")]:
    for st, suffix in [("normal", "nr"), ("over", "ov")]:
        add(f"skins/{base}_{suffix}.png", 300, 20, menu_row(st, sub), states=st,
            use="popup menu rows" + (" that open a submenu" if sub else ""))


def popup_panel():
    w = h = 300
    defs = lin("g", [(0, SURFACE_1), (1, INK)]) + lin("edge", [(0, ACCENT), (1, ACCENT, 0)], 0, 0, 1, 0)
    body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#g)"/>'
            f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{EDGE}"/>'
            f'<rect x="0" y="0" width="{w}" height="2" fill="url(#edge)"/>')
    return svg(w, h, body, defs)


add("resources/151.png", 300, 300, popup_panel, use="background of the popup menus")


# --------------------------------------------------------------------------------------------
# Macro images.

def macro_icon(kind):
    def draw():
        w, h = 13, 14
        if kind == "time":
            body = (f'<circle cx="6.5" cy="7.5" r="5.6" fill="{SURFACE_1}" stroke="{WHITE}" stroke-width="1.3"/>'
                    f'<path d="M6.5 4.2 L6.5 7.6 L8.9 9" fill="none" stroke="{WHITE}" stroke-width="1.2" stroke-linecap="round"/>'
                    f'<rect x="5" y="0.3" width="3" height="1.5" rx="0.5" fill="{WHITE}"/>')
        else:
            col = ACCENT_HI if kind == "down" else "#FFC857"
            if kind == "down":
                arrow = "M6.5 11 L2 6 L5 6 L5 1 L8 1 L8 6 L11 6 Z"
                base = '<rect x="1.5" y="12.2" width="10" height="1.5" rx="0.7" fill="{c}"/>'.format(c=col)
            else:
                arrow = "M6.5 1 L11 6 L8 6 L8 11 L5 11 L5 6 L2 6 Z"
                base = '<rect x="1.5" y="12.2" width="10" height="1.5" rx="0.7" fill="{c}" fill-opacity="0.5"/>'.format(c=col)
            body = f'<path d="{arrow}" fill="{col}" stroke="{INK}" stroke-width="0.6" stroke-linejoin="round"/>' + base
        return svg(w, h, body)
    return draw


add("skins/macro_time.png", 13, 14, macro_icon("time"), use="delay rows of the macro action list")
add("skins/macro_down.png", 13, 14, macro_icon("down"), use="press rows of the macro action list")
add("skins/macro_up.png", 13, 14, macro_icon("up"), use="release rows of the macro action list")


def folder(open_):
    # Told apart by colour and shape at 16 pixels: closed is a shut grey folder, open is a blue
    # folder whose front falls forward with a white sheet standing in it.
    def draw():
        w = h = 16
        if open_:
            back = '<path d="M1 3.5 Q1 2.5 2 2.5 L6 2.5 L7.5 4 L13 4 Q14 4 14 5 L14 7 L1 7 Z" fill="#1D6697"/>'
            sheet = '<rect x="3" y="3.5" width="9.5" height="7" fill="#FFFFFF" stroke="#1D6697" stroke-width="0.5"/>'
            front = (f'<path d="M3.4 7.5 L15.6 7.5 Q16 7.5 15.8 8.1 L14 13.3 Q13.8 14 13 14 L1.2 14 Z" '
                     f'fill="{ACCENT_HI}" stroke="{ACCENT_LO}" stroke-width="0.6"/>')
            return svg(w, h, back + sheet + front)
        back = '<path d="M1 3.5 Q1 2.5 2 2.5 L6 2.5 L7.5 4 L14 4 Q15 4 15 5 L15 13 Q15 14 14 14 L2 14 Q1 14 1 13 Z" fill="#6B7580"/>'
        front = f'<path d="M1 6 L15 6 L15 13 Q15 14 14 14 L2 14 Q1 14 1 13 Z" fill="#AEB6BF" stroke="{INK}" stroke-width="0.5"/>'
        return svg(w, h, back + front)
    return draw


add("skins/foldr_open.png", 16, 16, folder(True), use="open folders of the macro library tree")
add("skins/foldr_close.png", 16, 16, folder(False), use="closed folders of the macro library tree")


def record_button(state):
    def draw():
        w, h = 90, 18
        if state == "down":
            defs = lin("g", [(0, "#4A1719"), (1, "#250B0C")]) + blur("glow", 1.6)
            body = (rrect(0.5, 0.5, w - 1, h - 1, 9, "url(#g)", RED) +
                    f'<circle cx="10" cy="9" r="5.5" fill="{RED}" filter="url(#glow)"/>'
                    f'<circle cx="10" cy="9" r="3.6" fill="#FF6B6F"/>')
        else:
            defs = lin("g", [(0, SURFACE_3), (1, SURFACE_1)])
            body = (rrect(0.5, 0.5, w - 1, h - 1, 9, "url(#g)", EDGE) +
                    f'<circle cx="10" cy="9" r="4" fill="none" stroke="{RED}" stroke-width="1.4"/>'
                    f'<circle cx="10" cy="9" r="1.8" fill="{RED}"/>')
        return svg(w, h, body, defs)
    return draw


add("skins/macro_record_nr.png", 90, 18, record_button("normal"), states="normal", use="record button")
add("skins/macro_record_dn.png", 90, 18, record_button("down"), states="recording", use="record button")


# --------------------------------------------------------------------------------------------
# Button numbers beside the combos and the highlight badges over the mouse picture.

def serial_number(n):
    def draw():
        w, h = 21, 19
        defs = lin("g", [(0, SURFACE_3), (1, SURFACE_0)])
        body = (f'<path d="M0.5 0.5 L16.5 0.5 L20.5 4.5 L20.5 18.5 L4.5 18.5 L0.5 14.5 Z" fill="url(#g)" stroke="{EDGE}"/>'
                f'<path d="M16.5 0.5 L20.5 4.5" stroke="{ACCENT}" stroke-width="1.6"/>'
                f'<path d="M0.5 14.5 L4.5 18.5" stroke="{ACCENT}" stroke-width="1.6"/>' +
                lettering(str(n), 10.5, 5.5, 8, WHITE, 1.4, "middle"))
        return svg(w, h, body, defs)
    return draw


# Top-left corners of the highlight badges on the 215 x 398 mouse picture (the window places each
# badge at the mouse picture's origin plus these); the picture draws each button under its centre.
BADGE = 24
BADGE_AT = {1: (38, 100), 2: (151, 100), 3: (96, 120), 4: (10, 170), 5: (14, 219), 6: (96, 142),
            7: (159, 175), 8: (30, 113), 9: (30, 113)}


def badge(n):
    def draw():
        defs = rad("g", [(0, ACCENT_HI), (0.7, ACCENT), (1, ACCENT_LO)], 0.4, 0.35, 0.65) + blur("glow", 1.5)
        body = (f'<circle cx="12" cy="12" r="11" fill="{ACCENT}" fill-opacity="0.55" filter="url(#glow)"/>'
                f'<circle cx="12" cy="12" r="8.6" fill="url(#g)" stroke="{WHITE}" stroke-width="1.2"/>' +
                lettering(str(n), 12, 8.2, 7.6, WHITE, 1.5, "middle"))
        return svg(BADGE, BADGE, body, defs)
    return draw


for n in range(1, 10):
    add(f"skins/mouse/serial_number{n}.png", 21, 19, serial_number(n), use=f"number of button {n} beside its combo")
    add(f"skins/mouse/number{n}.png", BADGE, BADGE, badge(n), use=f"highlight of button {n} on the mouse picture")


def mouse_picture():
    with open(os.path.join(HERE, "mouse.svg"), encoding="utf-8") as f:
        return f.read()


add("skins/mouse/mouse_nr.png", 215, 398, mouse_picture, use="the mouse picture of the main window")


# --------------------------------------------------------------------------------------------
# Battery: every image is 30 x 61; rows 7 to 56 are the fill area that the indicator reveals from
# the bottom up, so the full fill is a gradient that reads red when low and green when high.

BATTERY_SHELL = ('<rect x="10" y="0.8" width="10" height="4.2" rx="1.2" fill="{c}"/>'
                 '<rect x="1.5" y="4.5" width="27" height="55" rx="4" fill="none" stroke="{c}" stroke-width="2.2"/>')


def battery(kind):
    def draw():
        w, h = 30, 61
        shell = BATTERY_SHELL.format(c="#8E99A6")
        defs = ""
        inner = ""
        if kind == "empty":
            defs = lin("g", [(0, INK), (1, SURFACE_1)])
            inner = '<rect x="4" y="7" width="22" height="50" rx="2" fill="url(#g)"/>'
        elif kind in ("full", "charging"):
            if kind == "full":
                defs = lin("g", [(0, GREEN), (0.5, ORANGE), (1, RED)])
            else:
                defs = lin("g", [(0, ACCENT_HI), (1, ACCENT_LO)])
            inner = '<rect x="4" y="7" width="22" height="50" rx="2" fill="url(#g)"/>'
            inner += '<rect x="6" y="8" width="3" height="48" rx="1.5" fill="#FFFFFF" fill-opacity="0.25"/>'
            for y in range(17, 57, 10):
                inner += f'<rect x="4" y="{y}" width="22" height="1" fill="#000000" fill-opacity="0.35"/>'
        if kind == "lighting":
            bolt = "M17 13 L8 33 L14 33 L12 48 L22 27 L16 27 Z"
            defs = blur("glow", 1.4)
            inner = (f'<path d="{bolt}" fill="#000000" fill-opacity="0.6" filter="url(#glow)"/>'
                     f'<path d="{bolt}" fill="{WHITE}" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>')
            return svg(w, h, shell + inner, defs)
        return svg(w, h, inner + shell, defs)
    return draw


for kind, use in [("empty", "battery indicator, empty"), ("full", "battery indicator, charged fill"),
                  ("charging", "battery indicator, fill while charging"),
                  ("lighting", "battery indicator, charging symbol over the outline")]:
    add(f"skins/battery_{kind}.png", 30, 61, battery(kind), use=use)


def legend(colour):
    def draw():
        return svg(8, 8, rrect(0.5, 0.5, 7, 7, 2, colour, "#000000", 1, ' stroke-opacity="0.4"'))
    return draw


for c, col in [("green", GREEN), ("orange", ORANGE), ("red", RED)]:
    add(f"skins/battery_{c}.png", 8, 8, legend(col), use="battery legend")


# --------------------------------------------------------------------------------------------
# Power-saving dial: eight sectors between the arc points the control hit-tests, apex (70, 71).

DIAL_CENTRE = (70, 71)
DIAL_ARC = [(3, 71), (7, 51), (17, 32), (40, 13), (70, 5), (100, 14), (121, 31), (131, 51), (134, 71)]


def _angle(p):
    return math.atan2(p[1] - DIAL_CENTRE[1], p[0] - DIAL_CENTRE[0])


def _sector(a0, a1, r0, r1):
    cx, cy = DIAL_CENTRE
    pts = [(cx + r1 * math.cos(a0), cy + r1 * math.sin(a0)), (cx + r1 * math.cos(a1), cy + r1 * math.sin(a1)),
           (cx + r0 * math.cos(a1), cy + r0 * math.sin(a1)), (cx + r0 * math.cos(a0), cy + r0 * math.sin(a0))]
    return (f"M{pts[0][0]:.2f} {pts[0][1]:.2f} A{r1} {r1} 0 0 1 {pts[1][0]:.2f} {pts[1][1]:.2f} "
            f"L{pts[2][0]:.2f} {pts[2][1]:.2f} A{r0} {r0} 0 0 0 {pts[3][0]:.2f} {pts[3][1]:.2f} Z")


def power_dial(minutes):
    def draw():
        w, h = 140, 84
        sel = minutes - 3
        defs = (lin("lit", [(0, ACCENT_HI), (1, ACCENT_LO)]) + blur("glow", 2.2) +
                rad("hub", [(0, EDGE_HI), (1, SURFACE_0)], 0.4, 0.35, 0.7))
        body = []
        gap = math.radians(1.6)
        cx, cy = DIAL_CENTRE
        ticks = []
        for i in range(8):
            a0 = _angle(DIAL_ARC[i])
            a1 = _angle(DIAL_ARC[i + 1])
            if a1 < a0:
                a1 += 2 * math.pi
            a0 += gap
            a1 -= gap
            d = _sector(a0, a1, 49, 63)
            if i < sel:
                body.append(f'<path d="{d}" fill="{ACCENT}" fill-opacity="{0.35 + 0.5 * i / 7:.2f}"/>')
            elif i == sel:
                body.append(f'<path d="{d}" fill="{ACCENT}" filter="url(#glow)"/>')
                body.append(f'<path d="{d}" fill="url(#lit)" stroke="{WHITE}" stroke-width="1"/>')
            else:
                body.append(f'<path d="{d}" fill="{SURFACE_2}" stroke="{EDGE}" stroke-width="1"/>')
            am = (a0 + a1) / 2
            ticks.append(f'<line x1="{cx + 44 * math.cos(am):.2f}" y1="{cy + 44 * math.sin(am):.2f}" '
                         f'x2="{cx + 46.5 * math.cos(am):.2f}" y2="{cy + 46.5 * math.sin(am):.2f}" '
                         f'stroke="{ACCENT_HI if i <= sel else EDGE_HI}" stroke-width="1.4" stroke-linecap="round"/>')
        # Outer rim, needle and hub.
        rim = (f'<path d="M{cx - 67} {cy} A67 67 0 0 1 {cx + 67} {cy}" fill="none" stroke="{EDGE}" '
               'stroke-width="1" stroke-dasharray="2 3"/>')
        amid = (_angle(DIAL_ARC[sel]) + _angle(DIAL_ARC[sel + 1])) / 2
        nx, ny = cx + 40 * math.cos(amid), cy + 40 * math.sin(amid)
        needle = (f'<line x1="{cx}" y1="{cy}" x2="{nx:.2f}" y2="{ny:.2f}" stroke="{ACCENT_HI}" stroke-width="2.2" '
                  'stroke-linecap="round"/>'
                  f'<circle cx="{cx}" cy="{cy}" r="8" fill="url(#hub)" stroke="{ACCENT}" stroke-width="1.4"/>'
                  f'<circle cx="{cx}" cy="{cy}" r="2.4" fill="{ACCENT_HI}"/>')
        labels = (lettering("3", 6, 75, 7, GREY_TEXT, 1.2, "middle") +
                  lettering("10", 133, 75, 7, GREY_TEXT, 1.2, "middle"))
        return svg(w, h, rim + "".join(body) + "".join(ticks) + needle + labels, defs)
    return draw


for m in range(3, 11):
    add(f"skins/power_manage_{m}min.png", 140, 84, power_dial(m), states=f"{m} minutes selected",
        use="power-saving time dial")


# --------------------------------------------------------------------------------------------
# Scroll-bar arrows, the program-launch dialog's buttons and the close button: "PNG" resources
# that the controls load as three-frame strips (normal, over, down).

def arrow_frame(direction_):
    def frame(state, gid):
        d, b = button_face(18, 18, state, gid, 2)
        col = WHITE if state == "down" else (ACCENT_HI if state == "over" else GREY_TEXT)
        return d, b + chevron(9, 9, 8, direction_, col, 1.8)
    return frame


add("resources/188.png", 54, 18, strip(18, 18, arrow_frame("up")), frames=3,
    states="strip: normal, over, down", use="scroll bar up arrow")
add("resources/187.png", 54, 18, strip(18, 18, arrow_frame("down")), frames=3,
    states="strip: normal, over, down", use="scroll bar down arrow")


def plain_frame(w, h):
    # No word on the picture: the caption comes from the language file, drawn by the button.
    def frame(state, gid):
        return button_face(w, h, state, gid, 3)
    return frame


def browse_frame(state, gid):
    d, b = button_face(22, 18, state, gid, 3)
    col = {"normal": GREY_TEXT, "over": WHITE, "down": CAPTION_YELLOW}[state]
    dots = "".join(f'<circle cx="{x}" cy="10.5" r="1.4" fill="{col}"/>' for x in (6.5, 11, 15.5))
    return d, b + dots


def close_frame(state, gid):
    body = ""
    col = GREY_TEXT if state == "normal" else WHITE
    if state != "normal":
        body = rrect(0.5, 0.5, 14, 14, 3, RED if state == "over" else "#B3363A")
    body += (f'<path d="M4.5 4.5 L10.5 10.5 M10.5 4.5 L4.5 10.5" stroke="{col}" stroke-width="1.6" '
             'stroke-linecap="round"/>')
    return "", body


add("resources/333.png", 45, 15, strip(15, 15, close_frame), frames=3,
    states="strip: normal, over, down", use="close button of the program-launch dialog")
add("resources/177.png", 66, 18, strip(22, 18, browse_frame), frames=3,
    states="strip: normal, over, down", use="browse button of the program-launch dialog")
add("resources/296.png", 156, 21, strip(52, 21, plain_frame(52, 21)), frames=3,
    states="strip: normal, over, down",
    use="OK button of the program-launch dialog: a plain face, the caption comes from the language file")
add("resources/297.png", 273, 21, strip(91, 21, plain_frame(91, 21)), frames=3,
    states="strip: normal, over, down",
    use="Cancel button of the program-launch dialog: a plain face, the caption comes from the language file")


# --------------------------------------------------------------------------------------------
# Frames (opaque BMPs) and the dialog backgrounds.

def dialog_frame(w, h, band, extra="", extra_defs=""):
    defs = (lin("bg", [(0, SURFACE_1), (1, "#0E1013")]) +
            lin("band", [(0, "#0A0B0E"), (1, "#111419")]) +
            lin("line", [(0, ACCENT), (0.45, ACCENT, 0.5), (1, ACCENT, 0)], 0, 0, 1, 0) +
            rad("glow", [(0, ACCENT, 0.16), (1, ACCENT, 0)], 0.0, 0.0, 0.9) +
            '<pattern id="hatch" width="6" height="6" patternUnits="userSpaceOnUse" patternTransform="rotate(45)">'
            '<rect x="0" y="0" width="1" height="6" fill="#FFFFFF" fill-opacity="0.025"/></pattern>' +
            K.EMBLEM_GRADIENT + extra_defs)
    body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#bg)"/>'
            f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#glow)"/>'
            f'<rect x="0" y="0" width="{w}" height="{band}" fill="url(#band)"/>'
            f'<rect x="0" y="0" width="{w}" height="{band}" fill="url(#hatch)"/>'
            f'<rect x="0" y="{band}" width="{w}" height="1" fill="url(#line)"/>' +
            extra +
            f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{EDGE}"/>')
    return svg(w, h, body, defs)


def frame_common():
    return dialog_frame(429, 140, 30)


def frame_dpi():
    ticks = "".join(f'<rect x="{69 + i * 29}" y="{84}" width="1" height="{4 if i % 5 == 0 else 2}" '
                    f'fill="{ACCENT if i % 5 == 0 else EDGE_HI}"/>' for i in range(11))
    return dialog_frame(429, 140, 30, ticks)


PROGRESS_TROUGH = (66, 12)  # the fill is revealed over this band, full width, left to right


def frame_progress(filled):
    y, th = PROGRESS_TROUGH
    extra = (f'<rect x="0" y="{y - 1}" width="429" height="{th + 2}" fill="{INK}"/>'
             f'<rect x="0" y="{y - 1}" width="429" height="1" fill="#000000"/>'
             f'<rect x="0" y="{y + th}" width="429" height="1" fill="{EDGE}"/>')
    extra_defs = ""
    if filled:
        extra_defs = (lin("fill", [(0, ACCENT_LO), (1, ACCENT_HI)], 0, 0, 1, 0) +
                      '<pattern id="stripes" width="10" height="12" patternUnits="userSpaceOnUse" '
                      'patternTransform="skewX(-35)"><rect x="0" y="0" width="5" height="12" '
                      'fill="#FFFFFF" fill-opacity="0.12"/></pattern>')
        extra += (f'<rect x="0" y="{y}" width="429" height="{th}" fill="url(#fill)"/>'
                  f'<rect x="0" y="{y}" width="429" height="{th}" fill="url(#stripes)"/>'
                  f'<rect x="0" y="{y}" width="429" height="1" fill="#FFFFFF" fill-opacity="0.35"/>')
    else:
        extra += f'<rect x="0" y="{y}" width="429" height="{th}" fill="{SURFACE_0}"/>'
    return dialog_frame(429, 140, 28, extra, extra_defs)


def frame_warning():
    return dialog_frame(319, 102, 34, emblem(4, 13, 13))


def frame_macro_manager():
    extra = (f'<rect x="360" y="44" width="158" height="281" rx="3" fill="#FFFFFF" fill-opacity="0.025" '
             f'stroke="{EDGE}" stroke-opacity="0.7"/>'
             f'<rect x="0" y="326" width="528" height="39" fill="#000000" fill-opacity="0.25"/>'
             f'<rect x="0" y="326" width="528" height="1" fill="{EDGE}"/>'
             f'<rect x="18" y="47" width="340" height="283" fill="#000000" fill-opacity="0.18"/>')
    return dialog_frame(528, 365, 30, extra)


def frame_panel():
    # Stretched over every open group and the left-hand panels, so no corner detail that would smear.
    w, h = 230, 82
    defs = (lin("bg", [(0, "#171A1F"), (1, "#111317")]) +
            lin("top", [(0, ACCENT, 0.7), (0.5, ACCENT, 0.25), (1, ACCENT, 0.0)], 0, 0, 1, 0))
    body = (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#bg)"/>'
            f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="#262B32"/>'
            f'<rect x="0" y="0" width="{w}" height="1" fill="url(#top)"/>')
    return svg(w, h, body, defs)


add("skins/Frame_common.bmp", 429, 140, frame_common, use="shortcut, fire-key and reset dialogs")
add("skins/Frame_DPI.bmp", 429, 140, frame_dpi, use="DPI value dialog")
add("skins/Frame_progress_nr.bmp", 429, 140, lambda: frame_progress(False), use="progress dialog, empty")
add("skins/Frame_progress_ov.bmp", 429, 140, lambda: frame_progress(True),
    use="progress dialog, filled; its band at y 66, 12 high, is revealed from the left")
add("skins/Frame_warning.bmp", 319, 102, frame_warning, use="message box and the small macro dialogs")
add("skins/Frame_Macro_Manager.bmp", 528, 365, frame_macro_manager, use="macro manager and macro selection dialogs")
add("skins/Frame_Lighting_Setting.bmp", 230, 82, frame_panel,
    use="backdrop of the open groups and the left-hand panels, stretched")


# --------------------------------------------------------------------------------------------
# Colour palette (resource 287): colour fields inside the two pick areas on a 0x0F0F0F ground.

PALETTE_GROUND = "#0F0F0F"
PICK_AREAS = [(18, 26, 222, 270), (244, 26, 473, 190)]
SWATCH_COLS, SWATCH_ROWS = 7, 5


def swatch_colours():
    hues = [0, 30, 55, 120, 175, 200, 270]
    rows = []
    for light, sat in ((0.72, 1.0), (0.55, 1.0), (0.4, 1.0), (0.25, 0.9)):
        rows.append([_hsl(hh, sat, light) for hh in hues])
    rows.append(["#FFFFFF", "#D8D8D8", "#B4B4B4", "#8C8C8C", "#646464", "#3C3C3C", "#000000"])
    return rows


def _hsl(hh, s, l):
    c = (1 - abs(2 * l - 1)) * s
    x = c * (1 - abs((hh / 60) % 2 - 1))
    m = l - c / 2
    r, g, b = [(c, x, 0), (x, c, 0), (0, c, x), (0, x, c), (x, 0, c), (c, 0, x)][int(hh // 60) % 6]
    return "#%02X%02X%02X" % tuple(round((v + m) * 255) for v in (r, g, b))


def palette():
    w, h = 500, 291
    x0, y0, x1, y1 = PICK_AREAS[0]
    hue_stops = [(i / 6, ["#FF0000", "#FFFF00", "#00FF00", "#00FFFF", "#0000FF", "#FF00FF", "#FF0000"][i])
                 for i in range(7)]
    defs = (lin("hue", hue_stops, 0, 0, 1, 0) +
            lin("light", [(0, "#FFFFFF", 1), (0.5, "#FFFFFF", 0), (0.5, "#000000", 0), (1, "#000000", 1)]) +
            lin("band", [(0, "#0A0B0E"), (1, "#131619")]) +
            lin("line", [(0, ACCENT), (1, ACCENT, 0)], 0, 0, 1, 0) + K.EMBLEM_GRADIENT)
    body = [f'<rect x="0" y="0" width="{w}" height="{h}" fill="{PALETTE_GROUND}"/>',
            f'<rect x="0" y="0" width="{w}" height="20" fill="url(#band)"/>',
            f'<rect x="0" y="20" width="{w}" height="1" fill="url(#line)"/>',
            emblem(4, 3, 14),
            f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="url(#hue)"/>',
            f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="url(#light)"/>',
            f'<rect x="{x0 - 1.5}" y="{y0 - 1.5}" width="{x1 - x0 + 3}" height="{y1 - y0 + 3}" fill="none" stroke="{EDGE}"/>']
    sx0, sy0, sx1, sy1 = PICK_AREAS[1]
    gap = 4
    cw = (sx1 - sx0 + gap) / SWATCH_COLS
    ch = (sy1 - sy0 + gap) / SWATCH_ROWS
    for r, row in enumerate(swatch_colours()):
        for c, col in enumerate(row):
            x = sx0 + c * cw
            y = sy0 + r * ch
            body.append(f'<rect x="{x:.2f}" y="{y:.2f}" width="{cw - gap:.2f}" height="{ch - gap:.2f}" '
                        f'rx="2" fill="{col}"/>')
    # Frame around the preview the dialog fills, and the channel letters beside the value texts.
    body.append(f'<rect x="243.5" y="210.5" width="61" height="61" rx="2" fill="none" stroke="{EDGE_HI}"/>')
    for i, (letter, col) in enumerate((("R", "#FF6B6B"), ("G", "#5BE37D"), ("B", ACCENT_HI))):
        body.append(lettering(letter, 308, 215 + i * 23, 10, col, 1.6))
        body.append(f'<rect x="318.5" y="{211.5 + i * 23}" width="56" height="19" rx="2" fill="none" stroke="{EDGE}"/>')
    body.append(f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" fill="none" stroke="{EDGE}"/>')
    return svg(w, h, "".join(body), defs)


add("resources/287.bmp", 500, 291, palette, use="background of the colour palette dialog")


def background():
    from background import main_background
    return main_background()


add("resources/364.bmp", 1127, 740, background, use="background of the main window")


def app_icon():
    s = 256
    defs = (lin("bg", [(0, "#1E242C"), (1, "#0B0D10")], 0, 0, 1, 1) + K.EMBLEM_GRADIENT + blur("glow", 10) +
            lin("rim", [(0, ACCENT), (1, ACCENT_LO)], 0, 0, 1, 1))
    body = (rrect(8, 8, 240, 240, 52, "url(#bg)", "url(#rim)", 8) +
            f'<g filter="url(#glow)" opacity="0.7">{emblem(48, 44, 170, ACCENT)}</g>' +
            emblem(48, 44, 170))
    return svg(s, s, body, defs)


add("resources/128.png", 256, 256, app_icon, use="program icon, large")
add("resources/128.ico", 256, 256, app_icon, sizes=(16, 24, 32, 48, 64, 256),
    use="program icon for the window and the notification area")


# --------------------------------------------------------------------------------------------
# Commands.

def manifest():
    for im in IMAGES.values():
        print(f"{im.path}|{im.w}|{im.h}|{im.frames}|{im.states or 'single'}|{im.use}")


def render(name, bindir, svgdir=None):
    im = IMAGES[name]
    doc = im.draw()
    out = os.path.join(bindir, name)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    if svgdir:
        os.makedirs(svgdir, exist_ok=True)
        with open(os.path.join(svgdir, name.replace("/", "__") + ".svg"), "w", encoding="utf-8") as f:
            f.write(doc)
    ext = os.path.splitext(name)[1]
    rsvg = os.environ.get("RSVG_CONVERT", "rsvg-convert")
    magick = os.environ.get("IMAGEMAGICK_CONVERT", "convert")
    with tempfile.TemporaryDirectory() as tmp:
        def rasterise(w, h, path):
            subprocess.run([rsvg, "-w", str(w), "-h", str(h), "-f", "png", "-o", path],
                           input=doc.encode("utf-8"), check=True)
        if ext == ".png":
            rasterise(im.w, im.h, os.path.join(tmp, "f.png"))
            os.replace(os.path.join(tmp, "f.png"), out)
        elif ext == ".bmp":
            # Frames are opaque 24-bit bitmaps, the form every bitmap loader reads.
            png = os.path.join(tmp, "f.png")
            rasterise(im.w, im.h, png)
            subprocess.run([magick, png, "-background", PALETTE_GROUND, "-alpha", "remove", "-alpha", "off",
                            "-type", "TrueColor", "BMP3:" + os.path.join(tmp, "f.bmp")], check=True)
            os.replace(os.path.join(tmp, "f.bmp"), out)
        elif ext == ".ico":
            pngs = []
            for s in im.sizes:
                p = os.path.join(tmp, f"{s}.png")
                rasterise(s, s, p)
                pngs.append(p)
            subprocess.run([magick, *pngs, os.path.join(tmp, "f.ico")], check=True)
            os.replace(os.path.join(tmp, "f.ico"), out)
        else:
            raise SystemExit(f"unknown image kind: {name}")


def render_all(bindir, svgdir, jobs):
    """Renders every image; the work is a child process per image, so threads give the parallelism."""
    from concurrent.futures import ThreadPoolExecutor
    names = list(IMAGES)
    with ThreadPoolExecutor(max_workers=max(1, jobs)) as pool:
        for _ in pool.map(lambda n: render(n, bindir, svgdir), names):
            pass
    # The embedded images by resource id, for the code that builds them into the program.
    with open(os.path.join(bindir, "resources", "resources.list"), "w", encoding="utf-8") as f:
        f.write("# id|file|width|height|frames|use\n")
        for im in IMAGES.values():
            if im.path.startswith("resources/"):
                base = os.path.basename(im.path)
                f.write(f"{os.path.splitext(base)[0]}|{base}|{im.w}|{im.h}|{im.frames}|{im.use}\n")
    # A stamp written last, so an interrupted run is never taken for a complete one.
    with open(os.path.join(bindir, "skins", ".rendered"), "w", encoding="utf-8") as f:
        f.write("\n".join(names) + "\n")


def main(argv):
    if len(argv) >= 2 and argv[1] == "manifest":
        manifest()
    elif len(argv) >= 2 and argv[1] == "paths":
        sys.stdout.write("".join(p + "\n" for p in IMAGES))
    elif len(argv) == 3 and argv[1] == "svg":
        sys.stdout.write(IMAGES[argv[2]].draw())
    elif len(argv) in (4, 5) and argv[1] == "render":
        render(argv[2], argv[3], argv[4] if len(argv) == 5 else None)
    elif len(argv) == 5 and argv[1] == "render-all":
        render_all(argv[2], argv[3], int(argv[4]))
    elif len(argv) in (4, 5) and argv[1] == "gallery":
        from gallery import build_gallery
        build_gallery(IMAGES, argv[2], argv[3], float(argv[4]) if len(argv) == 5 else 1.0)
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
