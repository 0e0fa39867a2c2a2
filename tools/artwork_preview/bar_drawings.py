"""Drawings of the rolled sections (260 x 200), shown on the bar page on a light ground.
Dimension letters follow the columns of the family's tables."""

import math

from svgkit import Canvas, circle_ring, ellipse_ring, pts, rect, regular_polygon, rounded

W, H = 260, 200
THEME = {
    "fill": "#dde6ef", "hatch": "#8197ad", "hatch_w": 0.7, "hatch_spacing": 5,
    "outline": "#1d2b3a", "outline_w": 1.5, "centre": "#8a97a5",
    "dim": "#b8322a", "dim_w": 0.8, "ext": "#b8322a", "ext_w": 0.55, "arrow_len": 6, "arrow_w": 2.1,
    "font": "DejaVu Serif", "text_size": 14, "text": "#b8322a",
}
BACKGROUND = ('<rect x="0.5" y="0.5" width="259" height="199" rx="5" fill="#ffffff" stroke="#c9d4e0"/>')


def canvas():
    return Canvas(W, H, THEME)


def label(c, x, y, s, anchor="middle"):
    c.text(x, y, s, anchor=anchor)


def leader(c, points, text, anchor="start", dy=5):
    """Leader from the first point (the feature) to a text placed at the last point."""
    c.polyline(points)
    c.add(f'<circle cx="{points[0][0]}" cy="{points[0][1]}" r="1.6" fill="{THEME["dim"]}"/>')
    x, y = points[-1]
    label(c, x + (3 if anchor == "start" else -3), y + dy, text, anchor)


def h_section():
    c = canvas()
    x0, x1, y0, y1, tf, tw, r = 65, 195, 35, 180, 14, 9, 9
    cx = (x0 + x1) / 2
    ring = rounded([(x0, y0), (x1, y0), (x1, y0 + tf), (cx + tw / 2, y0 + tf), (cx + tw / 2, y1 - tf), (x1, y1 - tf),
                    (x1, y1), (x0, y1), (x0, y1 - tf), (cx - tw / 2, y1 - tf), (cx - tw / 2, y0 + tf), (x0, y0 + tf)],
                   [0, 0, 0, r, r, 0, 0, 0, 0, r, r, 0])
    c.section([ring])
    c.centre_line(cx, y0 - 6, cx, y1 + 8)
    c.ext(x0, y0 - 3, x0, 16)
    c.ext(x1, y0 - 3, x1, 16)
    c.hdim(21, x0, x1)
    label(c, cx - 14, 17, "B")
    c.ext(x0 - 3, y0, 34, y0)
    c.ext(x0 - 3, y1, 34, y1)
    c.vdim(40, y0, y1)
    label(c, 28, 112, "H")
    c.hdim(112, cx - tw / 2, cx + tw / 2, inward=True, arms=(14, 20))
    label(c, cx + tw / 2 + 24, 117, "t1", "start")
    c.ext(x1 + 3, y0, 216, y0)
    c.ext(x1 + 3, y0 + tf, 216, y0 + tf)
    c.vdim(210, y0, y0 + tf, inward=True, arms=(0, 10))
    label(c, 216, y0 + tf + 20, "t2", "start")
    leader(c, [(cx + tw / 2 + 2.6, y0 + tf + 2.6), (cx + 22, y0 + 38), (cx + 34, y0 + 38)], "r")
    return c


def i_section():
    c = canvas()
    x0, x1, y0, y1, tw = 80, 180, 32, 182, 8
    cx = (x0 + x1) / 2
    tip, root = 8.2, 15.9
    ring = rounded([(x0, y0), (x1, y0), (x1, y0 + tip), (cx + tw / 2, y0 + root), (cx + tw / 2, y1 - root),
                    (x1, y1 - tip), (x1, y1), (x0, y1), (x0, y1 - tip), (cx - tw / 2, y1 - root),
                    (cx - tw / 2, y0 + root), (x0, y0 + tip)], [0, 0, 3, 9, 9, 3, 0, 0, 3, 9, 9, 3])
    c.section([ring])
    c.centre_line(cx, y0 - 6, cx, y1 + 8)
    c.ext(x0, y0 - 3, x0, 15)
    c.ext(x1, y0 - 3, x1, 15)
    c.hdim(20, x0, x1)
    label(c, cx - 14, 16, "b")
    c.ext(x0 - 3, y0, 54, y0)
    c.ext(x0 - 3, y1, 54, y1)
    c.vdim(60, y0, y1)
    label(c, 48, 112, "h")
    c.hdim(112, cx - tw / 2, cx + tw / 2, inward=True, arms=(12, 18))
    label(c, cx + tw / 2 + 22, 117, "d", "start")
    q = x1 - (x1 - x0 - tw) / 4  # thickness measured at a quarter of the outstand
    c.vdim(q, y0, y0 + 12, inward=True, arms=(0, 14))
    label(c, q + 5, y0 + 34, "t", "start")
    leader(c, [(cx - tw / 2 - 2.8, y0 + root + 3), (cx - 22, y0 + 44), (cx - 34, y0 + 44)], "r", "end")
    return c


def channel():
    c = canvas()
    x0, x1, y0, y1, tw = 85, 175, 32, 182, 9
    tip, root = 8, 14
    ring = rounded([(x0, y0), (x1, y0), (x1, y0 + tip), (x0 + tw, y0 + root), (x0 + tw, y1 - root), (x1, y1 - tip),
                    (x1, y1), (x0, y1)], [0, 0, 3, 9, 9, 3, 0, 0])
    c.section([ring])
    c.ext(x0, y0 - 3, x0, 15)
    c.ext(x1, y0 - 3, x1, 15)
    c.hdim(20, x0, x1)
    label(c, (x0 + x1) / 2, 16, "b")
    c.ext(x0 - 3, y0, 59, y0)
    c.ext(x0 - 3, y1, 59, y1)
    c.vdim(65, y0, y1)
    label(c, 53, 112, "h")
    c.hdim(112, x0, x0 + tw, inward=True, arms=(0, 16))
    label(c, x0 + tw + 20, 117, "d", "start")
    q = x0 + tw + (x1 - x0 - tw) / 2
    c.vdim(q, y0, y0 + 11, inward=True, arms=(0, 14))
    label(c, q + 5, y0 + 34, "t", "start")
    leader(c, [(x0 + tw + 2.8, y1 - root - 3), (x0 + 32, y1 - 40), (x0 + 44, y1 - 40)], "r")
    return c


def angle(long_leg, short_leg, letters):
    c = canvas()
    x0, yb, d = 75, 168, 12
    ring = rounded([(x0, yb - long_leg), (x0 + d, yb - long_leg), (x0 + d, yb - d), (x0 + short_leg, yb - d),
                    (x0 + short_leg, yb), (x0, yb)], [0, 3, 10, 3, 0, 0])
    c.section([ring])
    c.ext(x0 - 3, yb - long_leg, 49, yb - long_leg)
    c.ext(x0 - 3, yb, 49, yb)
    c.vdim(55, yb - long_leg, yb)
    label(c, 43, yb - long_leg / 2 + 5, letters[0])
    c.ext(x0, yb + 3, x0, 189)
    c.ext(x0 + short_leg, yb + 3, x0 + short_leg, 189)
    c.hdim(184, x0, x0 + short_leg)
    label(c, x0 + short_leg / 2, 180, letters[1])
    y = yb - long_leg + 30
    c.hdim(y, x0, x0 + d, inward=True, arms=(0, 12))
    label(c, x0 + d + 17, y + 5, "d", "start")
    leader(c, [(x0 + d + 3, yb - d - 3), (x0 + d + 26, yb - d - 26), (x0 + d + 38, yb - d - 26)], "r")
    return c


def round_tube():
    c = canvas()
    cx, cy, r, t = 135, 102, 72, 11
    c.section([circle_ring(cx, cy, r), circle_ring(cx, cy, r - t)])
    c.centre_line(cx - r - 8, cy, cx + r + 8, cy)
    c.centre_line(cx, cy - r - 8, cx, cy + r + 8)
    c.ext(cx - 3, cy - r, 34, cy - r)
    c.ext(cx - 3, cy + r, 34, cy + r)
    c.vdim(40, cy - r, cy + r)
    label(c, 28, cy + 5, "D")
    a = math.radians(40)
    po = (cx + r * math.cos(a), cy + r * math.sin(a))
    pi = (cx + (r - t) * math.cos(a), cy + (r - t) * math.sin(a))
    c.dim(pi, po, inward=True, arms=(0, 16))
    end = (cx + (r + 22) * math.cos(a), cy + (r + 22) * math.sin(a))
    c.line(end[0], end[1], end[0] + 22, end[1])
    label(c, end[0] + 12, end[1] - 4, "t")
    return c


def round_bar():
    c = canvas()
    cx, cy, r = 135, 102, 68
    c.section([circle_ring(cx, cy, r)])
    c.centre_line(cx - r - 8, cy, cx + r + 8, cy)
    c.centre_line(cx, cy - r - 8, cx, cy + r + 8)
    c.ext(cx - 3, cy - r, 38, cy - r)
    c.ext(cx - 3, cy + r, 38, cy + r)
    c.vdim(44, cy - r, cy + r)
    label(c, 32, cy + 5, "d")
    return c


def lipped_c():
    c = canvas()
    x0, x1, y0, y1, t, a = 85, 175, 32, 182, 8, 32
    outer = [(x0, y0), (x1, y0), (x1, y0 + a), (x1 - t, y0 + a), (x1 - t, y0 + t), (x0 + t, y0 + t), (x0 + t, y1 - t),
             (x1 - t, y1 - t), (x1 - t, y1 - a), (x1, y1 - a), (x1, y1), (x0, y1)]
    ring = rounded(outer, [2 * t, 2 * t, 0, 0, t, t, t, t, 0, 0, 2 * t, 2 * t])
    c.section([ring])
    c.ext(x0, y0 - 3, x0, 15)
    c.ext(x1, y0 - 3, x1, 15)
    c.hdim(20, x0, x1)
    label(c, (x0 + x1) / 2, 16, "b")
    c.ext(x0 - 3, y0, 59, y0)
    c.ext(x0 - 3, y1, 59, y1)
    c.vdim(65, y0, y1)
    label(c, 53, 112, "h")
    c.ext(x1 + 3, y0, 198, y0)
    c.ext(x1 + 3, y0 + a, 198, y0 + a)
    c.vdim(192, y0, y0 + a)
    label(c, 200, y0 + a / 2 + 5, "a", "start")
    c.hdim(112, x0, x0 + t, inward=True, arms=(0, 16))
    label(c, x0 + t + 20, 117, "t", "start")
    return c


def lipped_z():
    c = canvas()
    t, a, b = 8, 30, 80
    xw, y0, y1 = 126, 32, 182
    pts_ = [(xw, y0), (xw + b, y0), (xw + b, y0 + a), (xw + b - t, y0 + a), (xw + b - t, y0 + t), (xw + t, y0 + t),
            (xw + t, y1), (xw + t - b, y1), (xw + t - b, y1 - a), (xw + 2 * t - b, y1 - a), (xw + 2 * t - b, y1 - t),
            (xw, y1 - t)]
    ring = rounded(pts_, [2 * t, 2 * t, 0, 0, t, t, 2 * t, 2 * t, 0, 0, t, t])
    c.section([ring])
    c.ext(xw, y0 - 3, xw, 15)
    c.ext(xw + b, y0 - 3, xw + b, 15)
    c.hdim(20, xw, xw + b)
    label(c, xw + b / 2, 16, "b")
    c.ext(xw + b + 3, y0, 236, y0)
    c.ext(xw + t + 3, y1, 236, y1)
    c.vdim(230, y0, y1)
    label(c, 242, 112, "h")
    xl = xw + t - b
    c.ext(xl - 3, y1 - a, 36, y1 - a)
    c.ext(xl - 3, y1, 36, y1)
    c.vdim(42, y1 - a, y1)
    label(c, 30, y1 - a / 2 + 5, "a")
    c.hdim(100, xw, xw + t, inward=True, arms=(0, 16))
    label(c, xw + t + 20, 105, "t", "start")
    return c


def square_tube(wd, ht, letters):
    c = canvas()
    x0 = (W - wd) / 2 + 8
    y0 = (H - ht) / 2 + 10
    t = 10
    c.section([rounded(rect(x0, y0, wd, ht), 2 * t), rounded(rect(x0 + t, y0 + t, wd - 2 * t, ht - 2 * t), t)])
    c.ext(x0, y0 - 3, x0, y0 - 25)
    c.ext(x0 + wd, y0 - 3, x0 + wd, y0 - 25)
    c.hdim(y0 - 20, x0, x0 + wd)
    label(c, x0 + wd / 2, y0 - 24, letters[0])
    if len(letters) > 2:
        c.ext(x0 - 3, y0, x0 - 26, y0)
        c.ext(x0 - 3, y0 + ht, x0 - 26, y0 + ht)
        c.vdim(x0 - 20, y0, y0 + ht)
        label(c, x0 - 32, y0 + ht / 2 + 5, letters[2])
    yt = y0 + ht / 2
    c.hdim(yt, x0 + wd - t, x0 + wd, inward=True, arms=(14, 0))
    label(c, x0 + wd + 16, yt + 5, letters[1], "start")
    return c


def t_section():
    c = canvas()
    x0, x1, y0, y1, tf, tw, r = 55, 205, 40, 182, 14, 10, 9
    cx = (x0 + x1) / 2
    ring = rounded([(x0, y0), (x1, y0), (x1, y0 + tf), (cx + tw / 2, y0 + tf), (cx + tw / 2, y1), (cx - tw / 2, y1),
                    (cx - tw / 2, y0 + tf), (x0, y0 + tf)], [0, 0, 0, r, 0, 0, r, 0])
    c.section([ring])
    c.ext(x0, y0 - 3, x0, 21)
    c.ext(x1, y0 - 3, x1, 21)
    c.hdim(26, x0, x1)
    label(c, cx - 14, 22, "B")
    c.ext(x0 - 3, y0, 34, y0)
    c.ext(cx - tw / 2 - 3, y1, 34, y1)
    c.vdim(40, y0, y1)
    label(c, 28, 116, "H")
    c.hdim(130, cx - tw / 2, cx + tw / 2, inward=True, arms=(12, 18))
    label(c, cx + tw / 2 + 22, 135, "t1", "start")
    c.ext(x1 + 3, y0, 228, y0)
    c.ext(x1 + 3, y0 + tf, 228, y0 + tf)
    c.vdim(222, y0, y0 + tf, inward=True, arms=(0, 10))
    label(c, 222, y0 + tf + 32, "t2")
    leader(c, [(cx + tw / 2 + 2.6, y0 + tf + 2.6), (cx + 24, y0 + 42), (cx + 36, y0 + 42)], "r")
    return c


def plate():
    c = canvas()
    # the plate in perspective: width b along the front edge, thickness t
    top = [(28, 62), (178, 62), (236, 122), (86, 122)]
    t = 14
    front = [(86, 122), (236, 122), (236, 122 + t), (86, 122 + t)]
    side = [(28, 62), (86, 122), (86, 122 + t), (28, 62 + t)]
    c.add(f'<polygon points="{pts(top)}" fill="#eef3f8" stroke="#1d2b3a" stroke-width="1.5" stroke-linejoin="round"/>')
    c.section([front], spacing=4)
    c.section([side], spacing=4)
    # raised pattern of a chequer plate
    for row in range(5):
        for col in range(6):
            x = 52 + col * 24 + row * 11.6
            y = 72 + row * 11
            if x + 10 > 178 + (y - 62) * 58 / 60 or x < 28 + (y - 62) * 58 / 60 + 6:
                continue
            a = (x, y) if (row + col) % 2 else (x, y + 6)
            b = (x + 9, y + 6) if (row + col) % 2 else (x + 9, y)
            c.add(f'<line x1="{a[0]:.1f}" y1="{a[1]:.1f}" x2="{b[0]:.1f}" y2="{b[1]:.1f}" stroke="#8197ad" '
                  f'stroke-width="1.6" stroke-linecap="round"/>')
    c.ext(86, 122 + t + 3, 86, 170)
    c.ext(236, 122 + t + 3, 236, 170)
    c.hdim(165, 86, 236)
    label(c, 161, 161, "b")
    c.ext(25, 62, 12, 62)
    c.ext(25, 62 + t, 12, 62 + t)
    c.vdim(16, 62, 62 + t, inward=True, arms=(0, 12))
    label(c, 21, 100, "t", "start")
    return c


def sandwich():
    c = canvas()
    x0, x1 = 16, 226
    top, bottom = 70, 140
    rib = [(x0, top)]
    # trapezoidal ribs on the outer skin
    pitch = 70
    for k in range(3):
        s = x0 + k * pitch
        rib += [(s + 18, top), (s + 26, top - 18), (s + 46, top - 18), (s + 54, top)]
    rib.append((x1, top))
    core = rib + [(x1, bottom), (x0, bottom)]
    c.add('<path d="M' + " L".join(f"{x},{y}" for x, y in core) + ' Z" fill="#f6d77a" stroke="none"/>')
    seed = 7
    for k in range(70):
        seed = (seed * 1103515245 + 12345) % 2147483648
        x = x0 + 6 + seed % (x1 - x0 - 12)
        seed = (seed * 1103515245 + 12345) % 2147483648
        y = top + 6 + seed % (bottom - top - 12)
        c.add(f'<circle cx="{x}" cy="{y}" r="{1.2 + (seed % 3) * 0.5}" fill="#d8a928"/>')
    c.polyline(rib, width=3, colour="#1d2b3a")
    c.line(x0, bottom, x1, bottom, width=3, colour="#1d2b3a")
    c.ext(x1 + 2, top, 242, top)
    c.ext(x1 + 2, bottom, 242, bottom)
    c.vdim(237, top, bottom)
    label(c, 243, (top + bottom) / 2 + 5, "t", "start")
    c.text((x0 + x1) / 2, 112, "芯材", italic=False, size=13, colour="#7a5a00")
    c.ext(x0, bottom + 3, x0, 180)
    c.ext(x1, bottom + 3, x1, 180)
    c.hdim(175, x0, x1)
    label(c, (x0 + x1) / 2, 171, "B")
    return c


def profiled_sheet():
    c = canvas()
    base, crest = 140, 78
    x0, pitch = 16, 72
    p = [(x0 - 6, base)]
    for k in range(3):
        s = x0 + k * pitch
        p += [(s + 8, base), (s + 22, crest), (s + 48, crest), (s + 62, base)]
    p.append((x0 + 3 * pitch + 8, base))
    p.append((x0 + 3 * pitch + 14, base - 12))
    c.polyline(p, width=4, colour="#1d2b3a")
    c.polyline(p, width=1.6, colour="#9fb2c6")
    xh = x0 + 67
    c.ext(x0 + 48 + 3, crest, xh + 4, crest)
    c.vdim(xh, crest, base - 2)
    label(c, xh + 5, (crest + base) / 2 + 5, "h", "start")
    c.ext(x0 + 3, base + 3, x0 + 3, 180)
    c.ext(x0 + 3 + 3 * pitch, base + 3, x0 + 3 + 3 * pitch, 180)
    c.hdim(175, x0 + 3, x0 + 3 + 3 * pitch)
    label(c, x0 + 3 + 1.5 * pitch, 171, "B")
    leader(c, [(x0 + pitch + 35, crest - 1), (x0 + pitch + 50, crest - 30), (x0 + pitch + 64, crest - 30)], "t")
    return c


def rail():
    c = canvas()
    cx, y0, y1 = 130, 24, 166
    half = [(cx, y0), (cx + 30, y0 + 2), (cx + 33, y0 + 14), (cx + 32, y0 + 42), (cx + 9, y0 + 52),
            (cx + 8, y1 - 36), (cx + 62, y1 - 14), (cx + 66, y1), (cx, y1)]
    ring = half[:-1] + [(2 * cx - x, y) for x, y in reversed(half[1:-1])]
    ring = rounded(ring, [0, 8, 4, 3, 8, 10, 3, 1, 1, 3, 10, 8, 3, 4, 8])
    c.section([ring])
    c.centre_line(cx, y0 - 6, cx, y1 + 6)
    c.ext(cx - 33, y0 + 10, cx - 33, 9)
    c.ext(cx + 33, y0 + 10, cx + 33, 9)
    c.hdim(14, cx - 33, cx + 33)
    label(c, cx + 40, 19, "b", "start")
    c.ext(cx - 66, y1 + 3, cx - 66, 190)
    c.ext(cx + 66, y1 + 3, cx + 66, 190)
    c.hdim(185, cx - 66, cx + 66)
    label(c, cx - 36, 181, "B")
    c.ext(cx - 3, y0, 44, y0)
    c.ext(cx - 68, y1, 44, y1)
    c.vdim(50, y0, y1)
    label(c, 38, 100, "H")
    c.hdim(110, cx - 8, cx + 8, inward=True, arms=(0, 14))
    label(c, cx + 28, 115, "d", "start")
    return c


def wires():
    c = canvas()
    cy = 92
    c.section([circle_ring(50, cy, 29)])
    c.centre_line(14, cy, 86, cy)
    c.centre_line(50, cy - 36, 50, cy + 36)
    c.section([rect(102, cy - 28, 56, 56)])
    hexr = 32
    c.section([regular_polygon(212, cy, hexr, 6, math.pi / 6)])
    for x0, x1, s in [(21, 79, "d"), (102, 158, "a"), (212 - hexr * math.cos(math.pi / 6), 212 + hexr * math.cos(math.pi / 6), "s")]:
        c.ext(x0, cy + 8, x0, 150)
        c.ext(x1, cy + 8, x1, 150)
        c.hdim(145, x0, x1)
        label(c, (x0 + x1) / 2, 141, s)
    for x, name in [(50, "圆钢丝"), (130, "方钢丝"), (212, "六角钢丝")]:
        c.text(x, 180, name, italic=False, size=12, colour="#44576b")
    return c


def polygon_bars():
    c = canvas()
    cy = 60
    c.section([rect(22, cy - 30, 60, 60)])
    c.section([regular_polygon(134, cy, 34, 6, math.pi / 6)])
    c.section([regular_polygon(214, cy, 33, 8, math.pi / 8)])
    hexw = 34 * math.cos(math.pi / 6)
    octw = 33 * math.cos(math.pi / 8)
    for x0, x1, s in [(22, 82, "a"), (134 - hexw, 134 + hexw, "s"), (214 - octw, 214 + octw, "s")]:
        c.ext(x0, cy + 10, x0, 113)
        c.ext(x1, cy + 10, x1, 113)
        c.hdim(108, x0, x1)
        label(c, (x0 + x1) / 2, 104, s)
    fx0, fx1, fy, ft = 40, 190, 134, 26
    c.section([rect(fx0, fy, fx1 - fx0, ft)])
    c.ext(fx0, fy + ft + 3, fx0, 192)
    c.ext(fx1, fy + ft + 3, fx1, 192)
    c.hdim(187, fx0, fx1)
    label(c, (fx0 + fx1) / 2, 183, "b")
    c.ext(fx1 + 3, fy, 214, fy)
    c.ext(fx1 + 3, fy + ft, 214, fy + ft)
    c.vdim(208, fy, fy + ft)
    label(c, 216, fy + ft / 2 + 5, "t", "start")
    return c


def other_tubes():
    c = canvas()
    hx, cy = 64, 88
    ro, ri = 46, 37
    c.section([regular_polygon(hx, cy, ro, 6, math.pi / 6), regular_polygon(hx, cy, ri, 6, math.pi / 6)])
    w = ro * math.cos(math.pi / 6)
    c.ext(hx - w, cy + 26, hx - w, 160)
    c.ext(hx + w, cy + 26, hx + w, 160)
    c.hdim(155, hx - w, hx + w)
    label(c, hx, 151, "s")
    wi = ri * math.cos(math.pi / 6)
    c.hdim(cy, hx + wi, hx + w, inward=True, arms=(14, 0))
    label(c, hx + w - 20, cy - 7, "t")
    ex, rx, ry, t = 182, 56, 36, 7
    c.section([ellipse_ring(ex, cy, rx, ry), ellipse_ring(ex, cy, rx - t, ry - t)])
    c.centre_line(ex - rx - 6, cy, ex + rx + 6, cy)
    c.centre_line(ex, cy - ry - 6, ex, cy + ry + 6)
    c.ext(ex - rx, cy + 6, ex - rx, 160)
    c.ext(ex + rx, cy + 6, ex + rx, 160)
    c.hdim(155, ex - rx, ex + rx)
    label(c, ex, 151, "a")
    c.ext(ex + 3, cy - ry, 252, cy - ry)
    c.ext(ex + 3, cy + ry, 252, cy + ry)
    c.vdim(247, cy - ry, cy + ry)
    label(c, 247, cy - ry - 7, "b")
    c.text(hx, 186, "六角形钢管", italic=False, size=12, colour="#44576b")
    c.text(ex, 186, "椭圆形钢管", italic=False, size=12, colour="#44576b")
    return c


def bolt():
    c = canvas()
    cy = 96
    hx0, hx1, hh = 26, 52, 34
    c.add(f'<rect x="{hx0}" y="{cy - hh}" width="{hx1 - hx0}" height="{2 * hh}" rx="3" fill="#e7edf3" '
          f'stroke="#1d2b3a" stroke-width="1.5"/>')
    c.line(hx0 + 1, cy - hh / 2 + 2, hx1 - 1, cy - hh / 2 + 2, width=0.9, colour="#1d2b3a")
    c.line(hx0 + 1, cy + hh / 2 - 2, hx1 - 1, cy + hh / 2 - 2, width=0.9, colour="#1d2b3a")
    r, sx1, tx0 = 19, 226, 130
    c.add(f'<path d="M{hx1},{cy - r} L{sx1 - 4},{cy - r} L{sx1},{cy - r + 4} L{sx1},{cy + r - 4} L{sx1 - 4},{cy + r} '
          f'L{hx1},{cy + r} Z" fill="#e7edf3" stroke="#1d2b3a" stroke-width="1.5" stroke-linejoin="round"/>')
    # thread: minor diameter in thin lines, end of thread across
    c.line(tx0, cy - r + 3.5, sx1 - 2, cy - r + 3.5, width=0.8, colour="#1d2b3a")
    c.line(tx0, cy + r - 3.5, sx1 - 2, cy + r - 3.5, width=0.8, colour="#1d2b3a")
    c.line(tx0, cy - r, tx0, cy + r, width=1.2, colour="#1d2b3a")
    c.centre_line(16, cy, 240, cy)
    c.ext(hx1, cy + hh + 3, hx1, 165)
    c.ext(sx1, cy + r + 3, sx1, 165)
    c.hdim(160, hx1, sx1)
    label(c, (hx1 + sx1) / 2, 156, "l")
    c.ext(sx1 + 3, cy - r, 252, cy - r)
    c.ext(sx1 + 3, cy + r, 252, cy + r)
    c.vdim(246, cy - r, cy + r)
    label(c, 236, cy - r - 8, "d")
    return c


def drawings():
    makers = {
        "H型钢": h_section,
        "工字钢": i_section,
        "槽钢": channel,
        "角钢": lambda: angle(135, 135, "bb"),
        "不等边角钢": lambda: angle(140, 90, "Bb"),
        "圆管": round_tube,
        "圆钢": round_bar,
        "C型钢": lipped_c,
        "Z型钢": lipped_z,
        "方形钢": lambda: square_tube(130, 130, "Bt"),
        "矩形管": lambda: square_tube(100, 140, "BtH"),
        "T型钢": t_section,
        "普通钢板": plate,
        "夹芯板-01": sandwich,
        "压型钢板": profiled_sheet,
        "钢轨-01": rail,
        "钢丝-01": wires,
        "多边形钢-01": polygon_bars,
        "其他钢管-01": other_tubes,
        "螺栓": bolt,
    }
    return {name: make().svg(BACKGROUND) for name, make in makers.items()}
