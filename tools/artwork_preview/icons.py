"""Family icons (32 x 32), window icons (16 x 16) and the application icon."""

import math

from svgkit import (Canvas, circle_ring, ellipse_ring, fmt, path_of, pts, rect, regular_polygon, rounded)

ICON_THEME = {
    "fill": "url(#steel)", "hatch": "#000", "hatch_w": 0, "hatch_spacing": 4,
    "outline": "#1b2d40", "outline_w": 1.1, "centre": "#6b7c8d", "dim": "#1b2d40", "dim_w": 1,
    "ext": "#1b2d40", "ext_w": 1, "arrow_len": 3, "arrow_w": 1.2, "font": "DejaVu Sans", "text_size": 8,
    "text": "#1b2d40",
}

STEEL = ('<linearGradient id="steel" x1="0" y1="0" x2="32" y2="32" gradientUnits="userSpaceOnUse">'
         '<stop offset="0" stop-color="#c3d3e3"/><stop offset="0.55" stop-color="#7f9bb6"/>'
         '<stop offset="1" stop-color="#52708e"/></linearGradient>')
BEAD = "#f07c1e"
BEAD_EDGE = "#8a3c00"


def icon_canvas():
    c = Canvas(32, 32, ICON_THEME)
    c.defs.append(STEEL)
    return c


def solid(c, rings):
    c.add(f'<path d="{path_of(rings)}" fill="url(#steel)" fill-rule="evenodd" stroke="{ICON_THEME["outline"]}" '
          f'stroke-width="1.1" stroke-linejoin="round"/>')


def bead(c, corner, dx, dy, size=3.2):
    """Fillet weld: a small triangle in the re-entrant corner, legs along dx and dy."""
    x, y = corner
    p = [(x, y), (x + dx * size, y), (x, y + dy * size)]
    c.add(f'<polygon points="{pts(p)}" fill="{BEAD}" stroke="{BEAD_EDGE}" stroke-width="0.5" stroke-linejoin="round"/>')


def seam(c, x1, y1, x2, y2, width=2.2):
    c.add(f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" stroke="{BEAD}" '
          f'stroke-width="{width}" stroke-linecap="round"/>')


# ------------------------------------------------------------ rolled sections

def i_tapered():
    # flanges thicker at the web, sloping to the tips
    return rounded([(9, 3), (23, 3), (23, 5.5), (17.4, 8.6), (17.4, 23.4), (23, 26.5), (23, 29), (9, 29), (9, 26.5),
                    (14.6, 23.4), (14.6, 8.6), (9, 5.5)], [0.6, 0.6, 0.6, 1.8, 1.8, 0.6, 0.6, 0.6, 0.6, 1.8, 1.8, 0.6])


def h_parallel(w=24, x0=4, tf=4, tw=3.2, r=1.4):
    cx = x0 + w / 2
    return rounded([(x0, 4), (x0 + w, 4), (x0 + w, 4 + tf), (cx + tw / 2, 4 + tf), (cx + tw / 2, 28 - tf),
                    (x0 + w, 28 - tf), (x0 + w, 28), (x0, 28), (x0, 28 - tf), (cx - tw / 2, 28 - tf),
                    (cx - tw / 2, 4 + tf), (x0, 4 + tf)], [0, 0, 0, r, r, 0, 0, 0, 0, r, r, 0])


def bar_icons():
    out = {}

    c = icon_canvas()
    solid(c, [h_parallel(w=28, x0=2, tf=3.6, tw=2.8)])
    out["H型钢"] = c

    c = icon_canvas()
    solid(c, [i_tapered()])
    out["工字钢"] = c

    c = icon_canvas()  # channel with tapered flanges, open to the right
    solid(c, [rounded([(7, 4), (25, 4), (25, 7.5), (13, 9.5), (13, 22.5), (25, 24.5), (25, 28), (7, 28)],
                      [0.6, 0.6, 0.8, 1.8, 1.8, 0.8, 0.6, 0.6])])
    out["槽钢"] = c

    c = icon_canvas()  # equal angle
    solid(c, [rounded([(6, 4), (10.5, 4), (10.5, 23.5), (28, 23.5), (28, 28), (6, 28)], [0.5, 0.8, 2, 0.8, 0.5, 0.5])])
    out["角钢"] = c

    c = icon_canvas()  # unequal angle: long leg up, short leg right
    solid(c, [rounded([(9, 2), (13, 2), (13, 25), (25, 25), (25, 29), (9, 29)], [0.5, 0.8, 2, 0.8, 0.5, 0.5])])
    out["不等边角钢"] = c

    c = icon_canvas()  # round tube
    solid(c, [circle_ring(16, 16, 12.5), circle_ring(16, 16, 9.3)])
    out["圆管"] = c

    c = icon_canvas()  # solid round bar with an end-face sheen
    solid(c, [circle_ring(16, 16, 12)])
    c.add('<path d="M9,11 A8,8 0 0 1 15,7" fill="none" stroke="#eef4fa" stroke-width="1.6" stroke-linecap="round"/>')
    out["圆钢"] = c

    c = icon_canvas()  # lipped C, open to the right
    solid(c, [[(7, 4), (26, 4), (26, 11), (23, 11), (23, 7), (10, 7), (10, 25), (23, 25), (23, 21), (26, 21),
               (26, 28), (7, 28)]])
    out["C型钢"] = c

    c = icon_canvas()  # lipped Z
    solid(c, [[(14, 4), (28, 4), (28, 10), (25, 10), (25, 7), (17, 7), (17, 28), (4, 28), (4, 22), (7, 22), (7, 25),
               (14, 25)]])
    out["Z型钢"] = c

    c = icon_canvas()  # square tube with rounded corners
    solid(c, [rounded(rect(4, 4, 24, 24), 3.5), rounded(rect(7.5, 7.5, 17, 17), 1.2)])
    out["方形钢"] = c

    c = icon_canvas()  # rectangular tube: clearly wider than high
    solid(c, [rounded(rect(2, 8, 28, 16), 3), rounded(rect(5.3, 11.3, 21.4, 9.4), 1)])
    out["矩形管"] = c

    c = icon_canvas()  # T
    solid(c, [rounded([(3, 5), (29, 5), (29, 9.5), (17.8, 9.5), (17.8, 28), (14.2, 28), (14.2, 9.5), (3, 9.5)],
                      [0.4, 0.4, 0, 1.6, 0.4, 0.4, 1.6, 0])])
    out["T型钢"] = c

    c = icon_canvas()  # plate in perspective with a chequer pattern hint
    top = [(3, 13), (19, 7), (29, 13), (13, 19)]
    c.add(f'<polygon points="{pts(top)}" fill="url(#steel)" stroke="#1b2d40" stroke-width="1.1" stroke-linejoin="round"/>')
    c.add(f'<polygon points="{pts([(3, 13), (13, 19), (13, 23), (3, 17)])}" fill="#52708e" stroke="#1b2d40" '
          f'stroke-width="1.1" stroke-linejoin="round"/>')
    c.add(f'<polygon points="{pts([(13, 19), (29, 13), (29, 17), (13, 23)])}" fill="#3d566f" stroke="#1b2d40" '
          f'stroke-width="1.1" stroke-linejoin="round"/>')
    for (x, y) in [(11, 12), (16, 10), (15, 14), (20, 12), (19, 16), (24, 13)]:
        c.add(f'<line x1="{x - 1.5}" y1="{y + 0.6}" x2="{x + 1.5}" y2="{y - 0.6}" stroke="#eef4fa" stroke-width="0.9" stroke-linecap="round"/>')
    out["钢板"] = c

    c = icon_canvas()  # sandwich panel: two profiled skins with a foam core
    c.add('<rect x="3" y="12" width="26" height="10" fill="#f3c64a" stroke="#8a6a10" stroke-width="0.6"/>')
    for x in range(5, 29, 4):
        c.add(f'<circle cx="{x}" cy="{17 + (1 if x % 8 == 1 else -1)}" r="0.9" fill="#c99a1e"/>')
    c.add(f'<polyline points="{pts([(3, 12), (6, 12), (8, 8), (12, 8), (14, 12), (19, 12), (21, 8), (25, 8), (27, 12), (29, 12)])}" '
          f'fill="none" stroke="#1b2d40" stroke-width="1.8" stroke-linejoin="round"/>')
    c.add('<line x1="3" y1="22.5" x2="29" y2="22.5" stroke="#1b2d40" stroke-width="1.8"/>')
    out["夹芯板"] = c

    c = icon_canvas()  # trapezoidal profiled sheet
    c.add(f'<polyline points="{pts([(2, 23), (5, 23), (9, 11), (13, 11), (17, 23), (21, 23), (25, 11), (29, 11), (30, 14)])}" '
          f'fill="none" stroke="#1b2d40" stroke-width="3.4" stroke-linejoin="round" stroke-linecap="round"/>')
    c.add(f'<polyline points="{pts([(2, 23), (5, 23), (9, 11), (13, 11), (17, 23), (21, 23), (25, 11), (29, 11), (30, 14)])}" '
          f'fill="none" stroke="#a9bdd1" stroke-width="1.4" stroke-linejoin="round" stroke-linecap="round"/>')
    out["压型钢板"] = c

    c = icon_canvas()  # rail: head, web, foot
    solid(c, [rounded([(10, 3), (22, 3), (22.5, 9), (18, 10.5), (17.8, 21), (27, 24.5), (28, 28), (4, 28), (5, 24.5),
                       (14.2, 21), (14, 10.5), (9.5, 9)], [2, 2, 1, 1.5, 1.5, 0.5, 0.4, 0.4, 0.5, 1.5, 1.5, 1])])
    out["钢轨"] = c

    c = icon_canvas()  # wire coil seen from the side: loops of wire
    for i, (x) in enumerate([8, 12, 16, 20, 24]):
        c.add(f'<ellipse cx="{x}" cy="16" rx="4.5" ry="12" fill="none" stroke="#1b2d40" stroke-width="2.6"/>')
        c.add(f'<ellipse cx="{x}" cy="16" rx="4.5" ry="12" fill="none" stroke="#a9bdd1" stroke-width="1"/>')
    out["钢丝"] = c

    c = icon_canvas()  # hexagonal bar beside a flat bar
    solid(c, [regular_polygon(12, 12, 9.5, 6, math.pi / 6)])
    c.add('<path d="M8,10 L12,8" stroke="#eef4fa" stroke-width="1.2" stroke-linecap="round"/>')
    solid(c, [rect(14, 23, 16, 6)])
    out["多边形钢"] = c

    c = icon_canvas()  # other tubes: elliptical tube and hexagonal tube
    solid(c, [ellipse_ring(11.5, 18, 9.5, 6.5), ellipse_ring(11.5, 18, 7, 4)])
    solid(c, [regular_polygon(24, 9, 7, 6, 0), regular_polygon(24, 9, 4.5, 6, 0)])
    out["其他钢管"] = c

    c = icon_canvas()  # bolt, side view: hex head, shank, thread
    c.add('<rect x="3" y="9" width="7" height="14" rx="1" fill="url(#steel)" stroke="#1b2d40" stroke-width="1.1"/>')
    c.add('<line x1="3.5" y1="13.5" x2="9.5" y2="13.5" stroke="#1b2d40" stroke-width="0.7"/>')
    c.add('<line x1="3.5" y1="18.5" x2="9.5" y2="18.5" stroke="#1b2d40" stroke-width="0.7"/>')
    c.add('<path d="M10,12.5 L29,12.5 L30,14 L30,18 L29,19.5 L10,19.5 Z" fill="url(#steel)" stroke="#1b2d40" stroke-width="1.1" stroke-linejoin="round"/>')
    for x in range(17, 30, 2):
        c.add(f'<line x1="{x}" y1="12.5" x2="{x - 1.2}" y2="19.5" stroke="#1b2d40" stroke-width="0.7"/>')
    out["螺栓"] = c
    return out


# ------------------------------------------------------------ welded sections

def weld_icons():
    out = {}
    th = 3.6  # plate thickness in the icons

    c = icon_canvas()  # welded H: three plates, four fillet welds
    cx, tw = 16, 3
    solid(c, [rect(4, 4, 24, th), rect(4, 28 - th, 24, th), rect(cx - tw / 2, 4 + th, tw, 24 - 2 * th)])
    for sx in (-1, 1):
        bead(c, (cx + sx * tw / 2, 4 + th), sx, 1)
        bead(c, (cx + sx * tw / 2, 28 - th), sx, -1)
    out["H型钢"] = c

    c = icon_canvas()  # unequal-flange H: narrow top, wide bottom
    solid(c, [rect(9, 4, 14, th), rect(2, 28 - th, 28, th), rect(cx - tw / 2, 4 + th, tw, 24 - 2 * th)])
    for sx in (-1, 1):
        bead(c, (cx + sx * tw / 2, 4 + th), sx, 1)
        bead(c, (cx + sx * tw / 2, 28 - th), sx, -1)
    out["不等边"] = c

    c = icon_canvas()  # box girder: top and bottom plates between two webs
    solid(c, [rect(4, 4, th, 24), rect(28 - th, 4, th, 24), rect(4 + th, 4, 24 - 2 * th, th),
              rect(4 + th, 28 - th, 24 - 2 * th, th)])
    for (x, y, dx, dy) in [(4 + th, 4 + th, 1, 1), (28 - th, 4 + th, -1, 1), (4 + th, 28 - th, 1, -1),
                           (28 - th, 28 - th, -1, -1)]:
        bead(c, (x, y), dx, dy, 2.6)
    out["箱型"] = c

    c = icon_canvas()  # welded tube: rolled plate with a longitudinal seam
    solid(c, [circle_ring(16, 16, 12.5), circle_ring(16, 16, 9.5)])
    c.add('<path d="M13.2,2.6 L18.8,2.6 L17.4,6.8 L14.6,6.8 Z" fill="#f07c1e" stroke="#8a3c00" stroke-width="0.5"/>')
    out["圆管"] = c

    c = icon_canvas()  # cross: two H sections crossing
    t2 = 2.8
    solid(c, [rect(8, 3, 16, t2), rect(8, 29 - t2, 16, t2), rect(3, 8, t2, 16), rect(29 - t2, 8, t2, 16),
              rect(16 - 1.3, 3 + t2, 2.6, 26 - 2 * t2), rect(3 + t2, 16 - 1.3, 10.7 - t2, 2.6),
              rect(17.3, 16 - 1.3, 11.7 - t2, 2.6)])
    for sx in (-1, 1):
        for sy in (-1, 1):
            bead(c, (16 + sx * 1.3, 16 + sy * 1.3), sx, sy, 2.4)
    out["十字"] = c

    c = icon_canvas()  # welded T
    solid(c, [rect(3, 4, 26, th), rect(16 - 1.6, 4 + th, 3.2, 24 - th)])
    bead(c, (14.4, 4 + th), -1, 1)
    bead(c, (17.6, 4 + th), 1, 1)
    out["T型"] = c

    c = icon_canvas()  # boxed section: wide flanges over two close webs
    solid(c, [rect(2, 5, 28, th), rect(2, 27 - th, 28, th), rect(10, 5 + th, 3, 22 - 2 * th),
              rect(19, 5 + th, 3, 22 - 2 * th)])
    for x, sx in [(10, -1), (13, 1), (19, -1), (22, 1)]:
        bead(c, (x, 5 + th), sx, 1, 2.4)
        bead(c, (x, 27 - th), sx, -1, 2.4)
    out["盒式"] = c

    c = icon_canvas()  # welded lipped C from three plates and lips, welds at the web
    solid(c, [rect(7, 4, 3.2, 24), rect(10.2, 4, 16, 3.2), rect(10.2, 24.8, 16, 3.2), rect(23, 7.2, 3.2, 5),
              rect(23, 19.8, 3.2, 5)])
    bead(c, (10.2, 7.2), 1, 1, 2.8)
    bead(c, (10.2, 24.8), 1, -1, 2.8)
    out["C型钢"] = c

    c = icon_canvas()  # welded Z
    solid(c, [rect(14.4, 4, 3.2, 24), rect(17.6, 4, 10.4, 3.2), rect(24.8, 7.2, 3.2, 4.5), rect(4, 24.8, 10.4, 3.2),
              rect(4, 20.3, 3.2, 4.5)])
    bead(c, (17.6, 7.2), 1, 1, 2.8)
    bead(c, (14.4, 24.8), -1, -1, 2.8)
    out["Z型钢"] = c

    c = icon_canvas()  # wedge (tapered) girder in elevation: deep left end, shallow right end
    c.add(f'<polygon points="{pts([(3, 4), (29, 12), (29, 27), (3, 27)])}" fill="#c3d3e3" stroke="#1b2d40" stroke-width="1" stroke-linejoin="round"/>')
    c.add(f'<polygon points="{pts([(3, 4), (29, 12), (29, 15), (3, 7.2)])}" fill="url(#steel)" stroke="#1b2d40" stroke-width="1" stroke-linejoin="round"/>')
    c.add(f'<polygon points="{pts([(3, 24), (29, 24), (29, 27), (3, 27)])}" fill="url(#steel)" stroke="#1b2d40" stroke-width="1"/>')
    seam(c, 3.5, 8.2, 28.5, 16, 1.2)
    seam(c, 3.5, 23.3, 28.5, 23.3, 1.2)
    out["楔型"] = c

    c = icon_canvas()  # plates butt-welded together: a flat bar with a V seam
    solid(c, [rect(2, 12, 28, 8)])
    c.add('<path d="M13,12 L19,12 L17,20 L15,20 Z" fill="#f07c1e" stroke="#8a3c00" stroke-width="0.6"/>')
    out["钢板"] = c

    c = icon_canvas()  # welded hollow ball: two hemispheres joined at the equator
    c.add('<circle cx="16" cy="16" r="12.5" fill="url(#steel)" stroke="#1b2d40" stroke-width="1.1"/>')
    c.add('<path d="M3.5,16 A12.5,4 0 0 0 28.5,16" fill="none" stroke="#f07c1e" stroke-width="2.4"/>')
    c.add('<path d="M9,8.5 A9,9 0 0 1 15,6" fill="none" stroke="#eef4fa" stroke-width="1.4" stroke-linecap="round"/>')
    out["焊接球"] = c

    c = icon_canvas()  # bolt ball: solid sphere with tapped holes
    c.add('<circle cx="16" cy="16" r="12.5" fill="url(#steel)" stroke="#1b2d40" stroke-width="1.1"/>')
    for (x, y) in [(16, 16), (8.5, 12), (23.5, 12), (11, 23), (21, 23)]:
        c.add(f'<circle cx="{x}" cy="{y}" r="2.6" fill="#24384d" stroke="#0e1a26" stroke-width="0.5"/>')
        c.add(f'<circle cx="{x}" cy="{y}" r="1.4" fill="none" stroke="#8fa7bf" stroke-width="0.5"/>')
    out["螺栓球"] = c
    return out


# ------------------------------------------------------------ window icons

def window_icons():
    head = ('<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
            'baseProfile="tiny" width="16" height="16" viewBox="0 0 16 16">\n')
    out = {}
    out["关闭"] = head + ('<path d="M4,4 L12,12 M12,4 L4,12" stroke="#f2f6fa" stroke-width="1.8" '
                         'stroke-linecap="round"/>\n</svg>\n')
    out["最小化"] = head + ('<path d="M3.5,11.5 L12.5,11.5" stroke="#f2f6fa" stroke-width="1.8" '
                          'stroke-linecap="round"/>\n</svg>\n')
    # keep on top, off: an outlined pin, tilted
    pin = ('<g transform="rotate(45 8 8)">'
           '<path d="M5.5,2 L10.5,2 L9.6,3.2 L9.6,6.6 L11.8,9 L4.2,9 L6.4,6.6 L6.4,3.2 Z" fill="{fill}" '
           'stroke="{stroke}" stroke-width="1.2" stroke-linejoin="round"/>'
           '<path d="M8,9 L8,14.5" stroke="{stroke}" stroke-width="1.3" stroke-linecap="round"/></g>')
    out["置顶状态"] = head + pin.format(fill="none", stroke="#c9d6e3") + "\n</svg>\n"
    # keep on top, on: the pin upright and filled in the accent colour
    pin_on = pin.replace('<g transform="rotate(45 8 8)">', '<g>')
    out["置顶状态1"] = head + pin_on.format(fill="#ffb43c", stroke="#ffe2a8") + "\n</svg>\n"
    return out


def app_icon():
    s = ('<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
         'baseProfile="tiny" width="256" height="256" viewBox="0 0 256 256">\n<defs>'
         '<linearGradient id="ground" x1="0" y1="0" x2="0" y2="256" gradientUnits="userSpaceOnUse">'
         '<stop offset="0" stop-color="#35506b"/><stop offset="1" stop-color="#1b2b3c"/></linearGradient>'
         '<linearGradient id="steel" x1="40" y1="40" x2="216" y2="216" gradientUnits="userSpaceOnUse">'
         '<stop offset="0" stop-color="#e4edf6"/><stop offset="0.55" stop-color="#9db4cb"/>'
         '<stop offset="1" stop-color="#5f7d99"/></linearGradient></defs>\n'
         '<rect x="8" y="8" width="240" height="240" rx="44" fill="url(#ground)"/>\n')
    grid = "".join(f'<line x1="{x}" y1="20" x2="{x}" y2="236" stroke="#3f5d7a" stroke-width="1"/>' for x in range(28, 236, 24))
    grid += "".join(f'<line x1="20" y1="{y}" x2="236" y2="{y}" stroke="#3f5d7a" stroke-width="1"/>' for y in range(28, 236, 24))
    s += grid + "\n"
    h = rounded([(56, 52), (200, 52), (200, 80), (140, 80), (140, 176), (200, 176), (200, 204), (56, 204), (56, 176),
                 (116, 176), (116, 80), (56, 80)], [4, 4, 0, 10, 10, 0, 4, 4, 0, 10, 10, 0])
    s += f'<path d="{path_of([h])}" fill="url(#steel)" stroke="#0f1c29" stroke-width="5" stroke-linejoin="round"/>\n'
    # a dimension line in the weld-label green
    s += ('<path d="M40,52 L40,204" stroke="#2ae300" stroke-width="4"/>'
          '<polygon points="40,52 33,70 47,70" fill="#2ae300"/><polygon points="40,204 33,186 47,186" fill="#2ae300"/>\n'
          '<path d="M30,52 L52,52 M30,204 L52,204" stroke="#2ae300" stroke-width="2"/>\n')
    s += '</svg>\n'
    return s
