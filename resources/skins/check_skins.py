#!/usr/bin/env python3
"""Checks the rendered skins against what the controls need of them.

The sizes below come from the rectangles the windows give the controls (left, top, right, bottom),
not from the image sources, so a source drawn at the wrong size or saved under a wrong name fails.
Usage: check_skins.py BINDIR
"""

import os
import struct
import sys
import zlib


def rect(l, t, r, b):
    return (r - l, b - t)


# name -> (width, height, frames). Families share one size and are grouped by control.
FAMILIES = [
    # (file names, size, frames)
    ([f"skins/exit_{s}.png" for s in ("nr", "ov")] + [f"skins/min_{s}.png" for s in ("nr", "ov")],
     rect(1092, 12, 1107, 27), 1),
    ([f"skins/combo2_{s}.png" for s in ("nr", "ov")], rect(82, 81, 244, 102), 1),
    ([f"skins/combo3_{s}.png" for s in ("nr", "ov")], rect(40, 11, 229, 36), 1),
    ([f"skins/button1_{s}.png" for s in ("nr", "ov")], rect(36, 320, 266, 345), 1),
    ([f"skins/button2_{s}.png" for s in ("nr", "ov")], rect(913, 611, 982, 631), 1),
    (["skins/button4_nr.png"], rect(789, 219, 1004, 264), 1),
    ([f"skins/profile_slot_{s}.png" for s in ("nr", "ov", "nr2", "ov2")], rect(50, 480, 212, 501), 1),
    ([f"skins/add_{s}.png" for s in ("nr", "ov")], rect(50, 600, 96, 620), 1),
    ([f"skins/profile_{k}_{s}.png" for k in ("import", "export", "rename") for s in ("nr", "ov")],
     rect(350, 558, 384, 578), 1),
    ([f"skins/header2_{s}.png" for s in ("nr", "ov")], rect(36, 37, 266, 62), 1),
    ([f"skins/header_{s}.png" for s in ("nr", "ov")], rect(846, 37, 1108, 62), 1),
    ([f"skins/check_{s}.png" for s in ("nr", "ov", "dn")], rect(739, 269, 750, 280), 1),
    ([f"skins/check_button_dpi_{s}.png" for s in ("nr", "ov", "dn")], rect(898, 226, 909, 237), 1),
    ([f"skins/radio_{s}.png" for s in ("nr", "ov", "dn")], rect(368, 113, 383, 128), 1),
    ([f"skins/up_{s}.png" for s in ("nr", "ov", "check")], rect(42, 134, 71, 152), 1),
    ([f"skins/down_{s}.png" for s in ("nr", "ov", "check")], rect(81, 134, 110, 152), 1),
    (["skins/color_select_nr.png", "skins/color_select_check.png"], rect(42, 134, 63, 154), 1),
    ([f"skins/{r}hz_{s}.png" for r in (125, 250, 500, 1000) for s in ("nr", "dn")], (72, 210 - 138), 1),
    (["skins/Slider_bar.png"], rect(69, 72, 359, 75), 1),
    (["skins/Slider_bar2.png"], rect(739, 248, 924, 251), 1),
    (["skins/Slider_Circle.png"], (13, 13), 3),  # thumb as tall as the slider (67..80)
    (["skins/dpi_value.png"], (36, 11), 1),  # widened from 26 for five digits; levels are 38 apart
    ([f"skins/mouse/dpi_bar_{i}.png" for i in (1, 2)], rect(900, 75, 907, 207), 1),
    (["skins/mouse/mouse_nr.png"], rect(457, 171, 672, 569), 1),
    ([f"skins/mouse/serial_number{n}.png" for n in range(1, 10)], (21, 19), 1),
    ([f"skins/mouse/number{n}.png" for n in range(1, 10)], (24, 24), 1),
    ([f"skins/battery_{k}.png" for k in ("full", "empty", "charging", "lighting")], rect(80, 433, 110, 494), 1),
    ([f"skins/battery_{c}.png" for c in ("green", "orange", "red")], rect(165, 441, 173, 449), 1),
    ([f"skins/power_manage_{m}min.png" for m in range(3, 11)], rect(81, 550, 221, 634), 1),
    ([f"skins/{m}_{s}.png" for m in ("menu", "menusub") for s in ("nr", "ov")], (300, 20), 1),
    (["skins/macro_time.png", "skins/macro_up.png", "skins/macro_down.png"], (13, 14), 1),
    (["skins/foldr_open.png", "skins/foldr_close.png"], (16, 16), 1),
    (["skins/macro_record_nr.png", "skins/macro_record_dn.png"], rect(370, 53, 460, 71), 1),
    (["skins/Frame_Macro_Manager.bmp"], (528, 365), 1),
    (["skins/Frame_warning.bmp"], (319, 102), 1),
    (["skins/Frame_common.bmp", "skins/Frame_DPI.bmp", "skins/Frame_progress_nr.bmp",
      "skins/Frame_progress_ov.bmp"], (429, 140), 1),
    (["skins/Frame_Lighting_Setting.bmp"], (230, 82), 1),
    (["resources/364.bmp"], (1127, 740), 1),
    (["resources/287.bmp"], (500, 291), 1),
    (["resources/128.png"], (256, 256), 1),
    (["resources/151.png"], (300, 300), 1),
    (["resources/188.png", "resources/187.png"], (18, 18), 3),
    (["resources/333.png"], rect(276, 4, 291, 19), 3),
    (["resources/177.png"], rect(258, 87, 280, 105), 3),
    (["resources/296.png"], rect(75, 202, 127, 223), 3),
    (["resources/297.png"], rect(139, 202, 230, 223), 3),
]

# Images of one control in different states: each must look different from the others.
STATE_SETS = [
    ["exit_nr", "exit_ov"], ["min_nr", "min_ov"], ["combo2_nr", "combo2_ov"], ["combo3_nr", "combo3_ov"],
    ["button1_nr", "button1_ov"], ["button2_nr", "button2_ov"], ["add_nr", "add_ov"],
    ["profile_slot_nr", "profile_slot_ov", "profile_slot_nr2", "profile_slot_ov2"],
    ["header_nr", "header_ov"], ["header2_nr", "header2_ov"], ["check_nr", "check_ov", "check_dn"],
    ["check_button_dpi_nr", "check_button_dpi_ov", "check_button_dpi_dn"], ["radio_nr", "radio_ov", "radio_dn"],
    ["up_nr", "up_ov", "up_check"], ["down_nr", "down_ov", "down_check"], ["up_nr", "down_nr"],
    ["color_select_nr", "color_select_check"], ["menu_nr", "menu_ov"], ["menusub_nr", "menusub_ov"],
    ["menu_nr", "menusub_nr"], ["macro_record_nr", "macro_record_dn"], ["foldr_open", "foldr_close"],
    ["macro_time", "macro_up", "macro_down"], [f"power_manage_{m}min" for m in range(3, 11)],
    [f"mouse/number{n}" for n in range(1, 8)], [f"mouse/serial_number{n}" for n in range(1, 10)],
    ["125hz_nr", "250hz_nr", "500hz_nr", "1000hz_nr"], ["125hz_nr", "125hz_dn"],
    ["battery_full", "battery_empty", "battery_charging", "battery_lighting"],
]

# Where the window lays the button highlight badges on the mouse picture (design pixels).
MOUSE_AT = (457, 171)
BADGES = {1: (495, 271), 2: (608, 271), 3: (553, 291), 4: (467, 341), 5: (471, 390), 6: (553, 313),
          7: (616, 346), 8: (487, 284)}

PICK_AREAS = [(18, 26, 222, 270), (244, 26, 473, 190)]
PALETTE_GROUND = (0x0F, 0x0F, 0x0F)


# ---------------------------------------------------------------------------------------------
# Readers (standard library only).

def png_size(path):
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError("not a PNG")
    return struct.unpack(">II", head[16:24])


def png_pixels(path):
    """RGBA rows of an 8-bit, non-interlaced PNG (what the renderer writes)."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat, w = 8, b"", 0
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            w, h, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
            if depth != 8 or ctype not in (2, 6) or interlace:
                raise ValueError(f"unexpected PNG form depth {depth} type {ctype}")
            bpp = 4 if ctype == 6 else 3
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + n
    raw = zlib.decompress(idat)
    stride = w * bpp
    rows, prev = [], bytearray(stride)
    for y in range(h):
        ft = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ft == 1:
                line[i] = (line[i] + a) & 255
            elif ft == 2:
                line[i] = (line[i] + b) & 255
            elif ft == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif ft == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * bpp:x * bpp + bpp]) + ((255,) if bpp == 3 else ()) for x in range(w)])
        prev = line
    return rows


def bmp_info(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP")
    off = struct.unpack("<I", data[10:14])[0]
    hsize, w, h, planes, bpp, comp = struct.unpack("<IiiHHI", data[14:34])
    return data, off, w, h, bpp, comp


def bmp_pixels(path):
    data, off, w, h, bpp, comp = bmp_info(path)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        src = (abs(h) - 1 - y) if h > 0 else y
        base = off + src * stride
        rows.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x]) for x in range(w)])
    return rows


# ---------------------------------------------------------------------------------------------

class Checker:
    def __init__(self, bindir):
        self.bindir = bindir
        self.failures = []

    def fail(self, msg):
        self.failures.append(msg)

    def path(self, name):
        return os.path.join(self.bindir, name)

    def sizes_and_forms(self):
        expected = {}
        for names, (fw, fh), frames in FAMILIES:
            for n in names:
                expected[n] = (fw * frames, fh)
        for name, (w, h) in sorted(expected.items()):
            p = self.path(name)
            if not os.path.isfile(p):
                self.fail(f"{name}: missing")
                continue
            try:
                if name.endswith(".png"):
                    got = png_size(p)
                else:
                    _, _, bw, bh, bpp, comp = bmp_info(p)
                    got = (bw, abs(bh))
                    if bpp != 24 or comp != 0:
                        self.fail(f"{name}: {bpp}-bit, compression {comp}; frames must be plain 24-bit bitmaps")
            except ValueError as e:
                self.fail(f"{name}: {e}")
                continue
            if got != (w, h):
                self.fail(f"{name}: {got[0]} x {got[1]}, expected {w} x {h}")
        # Nothing under skins/ that no control asks for: a misspelt name would sit there unused.
        for root, _, files in os.walk(self.path("skins")):
            for f in files:
                rel = os.path.relpath(os.path.join(root, f), self.bindir).replace(os.sep, "/")
                if not f.startswith(".") and rel not in expected:
                    self.fail(f"{rel}: not a name any control loads")
        return expected

    def states_differ(self):
        for group in STATE_SETS:
            seen = {}
            for n in group:
                p = self.path(f"skins/{n}.png")
                if not os.path.isfile(p):
                    continue
                try:
                    px = png_pixels(p)
                except ValueError as e:
                    self.fail(f"{n}: {e}")
                    continue
                key = repr(px)
                if key in seen:
                    self.fail(f"{n} looks exactly like {seen[key]}")
                seen[key] = n

    def strips_have_distinct_frames(self):
        for names, (fw, fh), frames in FAMILIES:
            if frames == 1:
                continue
            for n in names:
                p = self.path(n)
                if not os.path.isfile(p):
                    continue
                px = png_pixels(p)
                cut = [repr([row[f * fw:(f + 1) * fw] for row in px]) for f in range(frames)]
                if len(set(cut)) != frames:
                    self.fail(f"{n}: its {frames} state frames are not all different")
                for f in range(frames):
                    if all(row[x][3] == 0 for row in px for x in range(f * fw, (f + 1) * fw)):
                        self.fail(f"{n}: frame {f} is empty")

    def mouse_badges_on_buttons(self):
        px = png_pixels(self.path("skins/mouse/mouse_nr.png"))
        for n, (bx, by) in BADGES.items():
            cx, cy = bx - MOUSE_AT[0] + 12, by - MOUSE_AT[1] + 12
            if px[cy][cx][3] < 200:
                self.fail(f"badge {n} lands at {cx},{cy} of the mouse picture, which is not on the mouse")

    def palette_fields(self):
        px = bmp_pixels(self.path("resources/287.bmp"))
        for (l, t, r, b) in PICK_AREAS:
            pts = [(x, y) for x in range(l + 2, r - 1, 6) for y in range(t + 2, b - 1, 6)]
            colours = [px[y][x] for x, y in pts]
            ground = sum(1 for c in colours if c == PALETTE_GROUND)
            if ground > len(pts) * 0.25:
                self.fail(f"pick area {l},{t}-{r},{b}: {ground} of {len(pts)} samples show the ground")
            if len(set(colours)) < 20:
                self.fail(f"pick area {l},{t}-{r},{b}: only {len(set(colours))} distinct colours")
        for x, y in ((5, 150), (235, 120), (490, 100), (240, 280), (480, 200)):
            if px[y][x] != PALETTE_GROUND:
                self.fail(f"palette ground at {x},{y} is {px[y][x]}, expected 0x0F0F0F so picks there are ignored")

    def battery_fill_rows(self):
        full = png_pixels(self.path("skins/battery_full.png"))
        empty = png_pixels(self.path("skins/battery_empty.png"))
        charging = png_pixels(self.path("skins/battery_charging.png"))
        for y in (7, 30, 56):  # the fill area the indicator reveals is rows 7..56
            if full[y][15][3] != 255 or charging[y][15][3] != 255:
                self.fail(f"battery fill row {y} is not opaque")
            if full[y][15] == empty[y][15]:
                self.fail(f"battery row {y}: full and empty look the same")
        low, high = full[55][15], full[8][15]
        if not (low[0] > low[1] and high[1] > high[0]):
            self.fail("battery fill should read red at the bottom and green at the top like its legend")

    def plain_corners(self):
        # The backgrounds and frames carry no coloured mark in a corner: it read as a glitch.
        names = ["resources/364.bmp"] + [f"skins/Frame_{n}.bmp" for n in
                                         ("common", "DPI", "progress_nr", "progress_ov", "warning",
                                          "Macro_Manager", "Lighting_Setting")]
        for n in names:
            px = bmp_pixels(self.path(n))
            h, w = len(px), len(px[0])
            for x, y in ((2, 2), (w - 3, h - 3)):
                r, g, b = px[y][x][:3]
                if b > r + 40 and b > 90:
                    self.fail(f"{n}: a blue mark in the corner at {x},{y}")

    def folders_told_apart(self):
        def mean(n):
            px = [p for row in png_pixels(self.path(f"skins/{n}.png")) for p in row if p[3] > 128]
            return [sum(p[i] for p in px) / len(px) for i in range(3)]
        shut, open_ = mean("foldr_close"), mean("foldr_open")
        if max(abs(a - b) for a, b in zip(shut, open_)) < 60:
            self.fail(f"foldr_open and foldr_close are too alike in colour: {shut} vs {open_}")

    def captions_readable(self):
        # Buttons whose captions the program draws: grey on normal, white on over, yellow on
        # pressed (as strips or the over picture standing in for pressed) need a 4.5:1 contrast
        # against the middle of the face, where the caption sits.
        def luminance(rgb):
            def lin(c):
                c /= 255
                return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
            r, g, b = (lin(c) for c in rgb[:3])
            return 0.2126 * r + 0.7152 * g + 0.0722 * b

        def contrast(a, b):
            la, lb = sorted((luminance(a), luminance(b)), reverse=True)
            return (la + 0.05) / (lb + 0.05)

        grey, white, yellow = (0xB4, 0xB4, 0xB4), (255, 255, 255), (255, 255, 0)
        faces = []
        for rid, fw in (("296", 52), ("297", 91)):
            px = png_pixels(self.path(f"resources/{rid}.png"))
            mid = len(px) // 2
            for f, colour in enumerate((grey, white, yellow)):
                faces.append((f"resources/{rid}.png frame {f}", px[mid][f * fw + fw // 2], colour))
        for n in ("button1", "button2", "add"):
            for suffix, colours in (("nr", (grey,)), ("ov", (white, yellow))):
                px = png_pixels(self.path(f"skins/{n}_{suffix}.png"))
                for colour in colours:
                    faces.append((f"skins/{n}_{suffix}.png", px[len(px) // 2][len(px[0]) // 2], colour))
        for name, face, colour in faces:
            if contrast(face, colour) < 4.5:
                self.fail(f"{name}: caption {colour} on {face[:3]} has a contrast of "
                          f"{contrast(face, colour):.1f}:1")

    def progress_band_only(self):
        nr = bmp_pixels(self.path("skins/Frame_progress_nr.bmp"))
        ov = bmp_pixels(self.path("skins/Frame_progress_ov.bmp"))
        for y in range(140):
            same = nr[y] == ov[y]
            if 66 <= y < 78 and same:
                self.fail(f"progress fill row {y} equals the empty frame")
            if not (65 <= y <= 78) and not same:
                self.fail(f"progress fill differs from the frame outside its band at row {y}")

    def icon_sizes(self):
        with open(self.path("resources/128.ico"), "rb") as f:
            data = f.read()
        reserved, kind, count = struct.unpack("<HHH", data[:6])
        sizes = set()
        for i in range(count):
            w, h = data[6 + 16 * i], data[7 + 16 * i]
            sizes.add(w or 256)
        for need in (16, 32, 48, 256):
            if need not in sizes:
                self.fail(f"program icon lacks the {need} x {need} image (has {sorted(sizes)})")

    def resource_list(self):
        listed = set()
        with open(self.path("resources/resources.list"), encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    listed.add(line.split("|")[0])
        for rid in ("364", "287", "128", "151", "177", "187", "188", "296", "297", "333"):
            if rid not in listed:
                self.fail(f"resource {rid} missing from resources.list")


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    c = Checker(argv[1])
    c.sizes_and_forms()
    for step in (c.states_differ, c.strips_have_distinct_frames, c.mouse_badges_on_buttons, c.palette_fields,
                 c.battery_fill_rows, c.progress_band_only, c.icon_sizes, c.resource_list, c.plain_corners,
                 c.folders_told_apart, c.captions_readable):
        try:
            step()
        except (OSError, ValueError, IndexError) as e:
            c.fail(f"{step.__name__}: {e}")
    for f in c.failures:
        print("FAIL", f)
    print(f"{len(c.failures)} problem(s)")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
