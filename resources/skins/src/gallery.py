"""The gallery sheet: a mock-up of the main window assembled from the rendered images at their
design places, then every image on its own, enlarged when small, labelled with name and size."""

import os
import subprocess
from xml.sax.saxutils import escape

FONT = 'font-family="DejaVu Sans, sans-serif"'
ROWS = [81, 111, 140, 169, 198, 227, 256, 285, 314]


def _img(path, x, y, w, h, extra=""):
    return (f'<image href="{escape(path)}" x="{x}" y="{y}" width="{w}" height="{h}" '
            f'preserveAspectRatio="none"{extra}/>')


def _text(s, x, y, size=12, colour="#B4B4B4", anchor="start", weight="normal"):
    return (f'<text x="{x}" y="{y}" {FONT} font-size="{size}" font-weight="{weight}" fill="{colour}" '
            f'text-anchor="{anchor}">{escape(s)}</text>')


def _caption_on(x, y, w, h, s, colour="#B4B4B4", size=12, anchor="middle", pad=10):
    tx = x + w / 2 if anchor == "middle" else x + pad
    return _text(s, tx, y + h / 2 + size * 0.36, size, colour, anchor)


def mockup():
    """The main window with its left column, the mouse stage and two groups open."""
    o = [_img("resources/364.bmp", 0, 0, 1127, 740)]
    for (x, y, w, h) in ((36, 62, 230, 176), (36, 311, 230, 43), (36, 423, 230, 82), (36, 550, 230, 146)):
        o.append(_img("skins/Frame_Lighting_Setting.bmp", x, y, w, h))
    for y, t in ((37, "Button assignment"), (398, "Battery"), (525, "Power saving")):
        o.append(_img("skins/header2_nr.png", 36, y, 230, 25) + _caption_on(36, y, 230, 25, t, "#FFFFFF", 12, "start"))
    funcs = ["Left click", "Right click", "Middle click", "Forward", "Back"]
    for k in range(5):
        y = ROWS[k]
        o.append(_img(f"skins/mouse/serial_number{k + 1}.png", 52, y + 1, 21, 19))
        img = "combo2_ov" if k == 0 else "combo2_nr"
        o.append(_img(f"skins/{img}.png", 82, y, 162, 21) +
                 _caption_on(82, y, 162, 21, funcs[k], "#FFFFFF" if k == 0 else "#B4B4B4", 11, "start", 8))
    o.append(_img("skins/button1_nr.png", 36, 320, 230, 25) + _caption_on(36, 320, 230, 25, "Macro manager"))
    # Battery at 70 %: the empty picture, then the charged picture's lower rows.
    o.append(_img("skins/battery_empty.png", 80, 433, 30, 61))
    level = 70 * 50 // 100
    r = 7 + 50 - level
    o.append(f'<svg x="80" y="{433 + r}" width="30" height="{61 - r}" viewBox="0 {r} 30 {61 - r}">'
             f'{_img("skins/battery_full.png", 0, 0, 30, 61)}</svg>')
    o.append(_text("70%", 115, 494, 13))
    for i, (c, t) in enumerate((("green", "Charged"), ("orange", "Half"), ("red", "Low"))):
        y = (441, 462, 484)[i]
        o.append(_img(f"skins/battery_{c}.png", 165, y, 8, 8) + _text(t, 180, y + 8, 11))
    o.append(_img("skins/power_manage_6min.png", 81, 550, 140, 84))
    o.append(_text("Sleep after 6 minutes", 151, 652, 11, anchor="middle"))
    o.append(_img("skins/check_dn.png", 50, 658, 15, 15) + _text("Lighting off while moving", 72, 670, 11))
    o.append(_img("skins/check_nr.png", 50, 678, 15, 15) + _text("Motion wake-up", 72, 690, 11))
    # Mouse stage with the badge of button 1 shown, profile slots beside it.
    o.append(_img("skins/mouse/mouse_nr.png", 457, 171, 215, 398))
    o.append(_img("skins/mouse/number1.png", 495, 271, 24, 24))
    for k, (name, img) in enumerate((("Default", "profile_slot_nr2"), ("FPS", "profile_slot_ov"),
                                     ("MOBA", "profile_slot_nr"))):
        o.append(_img(f"skins/{img}.png", 300, 480 + 25 * k, 162, 21) +
                 _caption_on(300, 480 + 25 * k, 162, 21, name, "#FFFFFF" if k == 1 else "#B4B4B4", 11, "start", 12))
    o.append(_img("skins/add_nr.png", 300, 558, 46, 20) + _caption_on(300, 558, 46, 20, "+", "#B4B4B4", 14))
    o.append(_text("www.example.com", 563, 673, 13, "#B4B4B4", "middle"))
    # Right column: DPI open, lighting closed, polling rate open, pointer settings closed.
    o.append(_img("skins/header_ov.png", 846, 37, 262, 25) + _caption_on(846, 37, 262, 25, "DPI", "#FFFFFF", 12, "start", 12))
    o.append(_img("skins/Frame_Lighting_Setting.bmp", 846, 62, 262, 196))
    values = [400, 800, 1600, 3200, 6400, 12000]
    for k in range(6):
        x = 900 + 38 * k
        o.append(_img("skins/mouse/dpi_bar_1.png", x, 75, 7, 132))
        fill = int(132 * values[k] / 26000) + 10
        o.append(f'<svg x="{x}" y="{207 - fill}" width="7" height="{fill}" viewBox="0 {132 - fill} 7 {fill}">'
                 f'{_img("skins/mouse/dpi_bar_2.png", 0, 0, 7, 132)}</svg>')
        o.append(_img("skins/dpi_value.png", x - 14, 212, 36, 11) +
                 _text(str(values[k]), x + 4, 221, 8, "#FF0000" if k == 2 else "#B4B4B4", "middle"))
        o.append(_img("skins/check_button_dpi_dn.png" if k < 5 else "skins/check_button_dpi_nr.png", x - 2, 226, 11, 11))
        col = ["#FF3040", "#30FF60", "#35A0DE", "#FFD000", "#FF00FF", "#00FFFF"][k]
        o.append(f'<rect x="{x - 9}" y="240" width="26" height="12" fill="{col}"/>')
    o.append(_img("skins/header_nr.png", 846, 263, 262, 25) + _caption_on(846, 263, 262, 25, "Lighting", "#B4B4B4", 12, "start", 12))
    o.append(_img("skins/header_ov.png", 846, 293, 262, 25) + _caption_on(846, 293, 262, 25, "Polling rate", "#FFFFFF", 12, "start", 12))
    o.append(_img("skins/Frame_Lighting_Setting.bmp", 846, 318, 262, 180))
    for k, rate in enumerate(("125", "250", "500", "1000")):
        img = "dn" if k == 3 else "nr"
        x = 846 + 18 + 59 * k
        o.append(_img(f"skins/{rate}hz_{img}.png", x, 330, 72, 72) +
                 _caption_on(x, 344, 47, 18, rate + "Hz", "#FFFF00" if k == 3 else "#B4B4B4", 10))
    o.append(_img("skins/combo2_nr.png", 876, 410, 189, 25) + _caption_on(876, 410, 189, 25, "1000HZ", "#B4B4B4", 11, "start", 8))
    o.append(_text("Debounce", 866, 462, 11))
    o.append(_img("skins/Slider_bar.png", 866, 475, 145, 3) +
             f'<svg x="{866 + 40 - 6}" y="470" width="13" height="13" viewBox="0 0 13 13">'
             f'{_img("skins/Slider_Circle.png", 0, 0, 39, 13)}</svg>')
    o.append(_img("skins/header_nr.png", 846, 503, 262, 25) + _caption_on(846, 503, 262, 25, "Windows pointer", "#B4B4B4", 12, "start", 12))
    o.append(_img("skins/button2_nr.png", 913, 611, 69, 20) + _caption_on(913, 611, 69, 20, "Apply", "#B4B4B4", 11))
    o.append(_img("skins/button2_ov.png", 1040, 700, 69, 20) + _caption_on(1040, 700, 69, 20, "Reset", "#FFFFFF", 11))
    o.append(_img("skins/button2_nr.png", 36, 700, 69, 20) + _caption_on(36, 700, 69, 20, "Profile", "#B4B4B4", 11))
    o.append(_text("Version:1.1.2", 150, 715, 11))
    o.append(_img("skins/min_nr.png", 1072, 12, 15, 15) + _img("skins/exit_ov.png", 1092, 12, 15, 15))
    return "".join(o)


def dialog_pieces():
    """What the dialogs build from the images: the DPI value dialog with its edit field, the
    program-launch buttons with language captions over their plain faces in every state, and a
    macro tree with an open and a closed folder."""
    o = [_img("skins/Frame_DPI.bmp", 0, 0, 429, 140),
         _text("DPI value", 20, 20, 12, "#FFFFFF"),
         _img("skins/exit_nr.png", 405, 4, 15, 15),
         '<rect x="165.5" y="35.5" width="99" height="21" fill="#1F1F1F" stroke="#DEA035"/>',
         _text("12000", 169, 51, 12, "#FFFFFF"),
         '<rect x="202" y="39" width="1" height="14" fill="#FFFFFF"/>',
         _text("100", 30, 82, 11, anchor="middle"), _text("26000", 395, 82, 11, anchor="middle"),
         _img("skins/Slider_bar.png", 69, 72, 290, 3),
         f'<svg x="{69 + 140}" y="67" width="13" height="13" viewBox="0 0 13 13">'
         f'{_img("skins/Slider_Circle.png", 0, 0, 39, 13)}</svg>',
         _text("12000", 214, 103, 11, anchor="middle"),
         _img("skins/button2_nr.png", 240, 110, 69, 20) + _caption_on(240, 110, 69, 20, "Cancel", size=11),
         _img("skins/button2_ov.png", 350, 110, 69, 20) +
         _caption_on(350, 110, 69, 20, "OK", "#FFFFFF", 11)]
    caption = ("#B4B4B4", "#FFFFFF", "#FFFF00")
    for f in range(3):
        y = 160 + 28 * f
        for rid, x, fw, word in (("296", 0, 52, "OK"), ("297", 64, 91, "Cancel")):
            o.append(f'<svg x="{x}" y="{y}" width="{fw}" height="21" viewBox="{fw * f} 0 {fw} 21">'
                     f'{_img(f"resources/{rid}.png", 0, 0, fw * 3, 21)}</svg>' +
                     _caption_on(x, y, fw, 21, word, caption[f], 11))
        o.append(_text(("normal", "over", "pressed")[f], 165, y + 15, 11))
    o.append('<rect x="250" y="160" width="179" height="80" fill="#4B4B4B"/>')
    for k, (icon, name, indent) in enumerate((("foldr_open", "Shooters", 0), ("foldr_close", "Spells", 19),
                                               ("foldr_close", "Chat", 0))):
        y = 162 + 20 * k
        if k == 1:
            o.append(f'<rect x="252" y="{y}" width="175" height="20" fill="#35A0DE"/>')
        o.append(_img(f"skins/{icon}.png", 254 + indent, y + 2, 16, 16) + _text(name, 274 + indent, y + 15, 11, "#FFFFFF"))
    return "".join(o)


def _scale(w, h):
    if max(w, h) <= 32:
        return 3
    if max(w, h) <= 90:
        return 2
    if max(w, h) > 420:
        return 420 / max(w, h)
    return 1


def sheet(images, top, width):
    out = []
    x, y, row_h = 20, top, 0
    for im in images:
        s = _scale(im.w, im.h)
        dw, dh = im.w * s, im.h * s
        label = os.path.basename(im.path)
        cell_w = max(dw, 7.2 * len(label), 90) + 24
        cell_h = dh + 46
        if x + cell_w > width - 20:
            x, y, row_h = 20, y + row_h + 14, 0
        out.append(f'<rect x="{x}" y="{y}" width="{cell_w}" height="{cell_h}" rx="4" fill="#14171B" stroke="#2A2F36"/>')
        path = im.path if not im.path.endswith(".ico") else im.path[:-4] + ".png"
        out.append(_img(path, x + (cell_w - dw) / 2, y + 10, dw, dh,
                        ' style="image-rendering:pixelated"' if s >= 2 else ""))
        if im.frames > 1:
            for f in range(1, im.frames):
                fx = x + (cell_w - dw) / 2 + dw * f / im.frames
                out.append(f'<line x1="{fx}" y1="{y + 6}" x2="{fx}" y2="{y + 14 + dh}" stroke="#FFFF00" '
                           'stroke-opacity="0.5" stroke-dasharray="2 2"/>')
        sub = f"{im.w} x {im.h}" + (f", {im.frames} frames" if im.frames > 1 else "")
        if im.path.endswith(".ico"):
            sub += ", icon"
        out.append(_text(label, x + cell_w / 2, y + dh + 26, 11, "#E6E6E6", "middle"))
        out.append(_text(sub, x + cell_w / 2, y + dh + 39, 10, "#8C96A0", "middle"))
        x += cell_w + 14
        row_h = max(row_h, cell_h)
    return "".join(out), y + row_h + 20


def build_gallery(images, bindir, out_png, scale=1.0):
    """scale: the user-interface scale the mock-ups are drawn at (1, 1.5 or 2), as the program
    stretches every image by it."""
    width = max(1400, int(1127 * scale) + 40)
    items = sorted(images.values(), key=lambda im: (im.path.startswith("resources/"), im.h > 200, im.path.lower()))
    pieces_top = 44 + 740 * scale + 40
    sheet_top = pieces_top + 250 * scale + 50
    body, height = sheet(items, sheet_top, width)
    doc = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           f'viewBox="0 0 {width} {height}">'
           f'<rect x="0" y="0" width="{width}" height="{height}" fill="#202329"/>'
           + _text(f"Pelorin skins: main window assembled from the skin images, scale {scale:g}", 20, 30, 16,
                   "#FFFFFF", weight="bold")
           + f'<g transform="translate(20 44) scale({scale})">{mockup()}</g>'
           + _text("Dialog pieces: DPI value dialog, captioned buttons, macro tree", 20, pieces_top - 10, 16,
                   "#FFFFFF", weight="bold")
           + f'<g transform="translate(20 {pieces_top}) scale({scale})">{dialog_pieces()}</g>'
           + _text(f"All {len(images)} images (small ones enlarged)", 20, sheet_top - 10, 16, "#FFFFFF",
                   weight="bold")
           + body + "</svg>\n")
    svg_path = os.path.join(bindir, "skin_gallery.svg")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(doc)
    rsvg = os.environ.get("RSVG_CONVERT", "rsvg-convert")
    try:
        subprocess.run([rsvg, "-o", out_png, svg_path], check=True)
    finally:
        os.remove(svg_path)
