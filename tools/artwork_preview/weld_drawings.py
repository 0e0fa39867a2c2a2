"""Drawings of the welded sections (340 x 310) on a dark blueprint ground.

The weld page puts each dimension's label (a 40 x 20 box, green text) at the POS of
its WELDMARKINFO row and the input field (80 x 20, white text) 15 px below it, so the
drawing carries no letters of its own: every dimension line is laid out so that its
label block (POS .. POS + (80, 35)) sits right beside it and covers no line."""

import math

from svgkit import Canvas, circle_ring, fmt, pts, rect

W, H = 340, 310
THEME = {
    "fill": "#1f4b73", "hatch": "#5b93c7", "hatch_w": 0.7, "hatch_spacing": 6,
    "outline": "#eaf4ff", "outline_w": 1.6, "centre": "#6d93b8",
    "dim": "#8fd6ff", "dim_w": 0.9, "ext": "#8fd6ff", "ext_w": 0.6, "arrow_len": 6, "arrow_w": 2.2,
    "font": "DejaVu Sans", "text_size": 11, "text": "#8fd6ff",
}
GROUND = "#0e2740"
WELD = "#ffa94d"


def background():
    minor = "".join(f'<line x1="{x}" y1="0" x2="{x}" y2="{H}"/>' for x in range(10, W, 10) if x % 50)
    minor += "".join(f'<line x1="0" y1="{y}" x2="{W}" y2="{y}"/>' for y in range(10, H, 10) if y % 50)
    major = "".join(f'<line x1="{x}" y1="0" x2="{x}" y2="{H}"/>' for x in range(50, W, 50))
    major += "".join(f'<line x1="0" y1="{y}" x2="{W}" y2="{y}"/>' for y in range(50, H, 50))
    return (f'<rect x="0" y="0" width="{W}" height="{H}" fill="{GROUND}"/>\n'
            f'<g stroke="#14324f" stroke-width="0.6">{minor}</g>\n'
            f'<g stroke="#1a3d5f" stroke-width="0.8">{major}</g>\n'
            f'<rect x="0.5" y="0.5" width="{W - 1}" height="{H - 1}" fill="none" stroke="#2a5680" stroke-width="1"/>')


def canvas():
    return Canvas(W, H, THEME)


def fillet(c, corner, dx, dy, size=5.0):
    """Fillet weld in the re-entrant corner, legs along +-x (dx) and +-y (dy)."""
    x, y = corner
    p = [(x, y), (x + dx * size, y), (x, y + dy * size)]
    c.add(f'<polygon points="{pts(p)}" fill="{WELD}" stroke="#7a3e00" stroke-width="0.5" stroke-linejoin="round"/>')


def plates(c, rects):
    c.section([rect(*r) for r in rects])


def welded_h():
    c = canvas()
    x0, x1, cx, tw = 75, 205, 140, 10
    y0, tf1, y1, tf2 = 62, 16, 270, 16
    plates(c, [(x0, y0, x1 - x0, tf1), (x0, y1 - tf2, x1 - x0, tf2), (cx - tw / 2, y0 + tf1, tw, y1 - y0 - tf1 - tf2)])
    for sx in (-1, 1):
        fillet(c, (cx + sx * tw / 2, y0 + tf1), sx, 1)
        fillet(c, (cx + sx * tw / 2, y1 - tf2), sx, -1)
    c.centre_line(cx, 58, cx, 282)
    # b above the top flange; its label sits above the line
    c.ext(x0, y0 - 3, x0, 51)
    c.ext(x1, y0 - 3, x1, 51)
    c.hdim(55, x0, x1)
    # h on the far left, label right of it
    c.ext(x0 - 3, y0, 10, y0)
    c.ext(x0 - 3, y1, 10, y1)
    c.vdim(14, y0, y1)
    # tw across the web, the line runs out to its label
    c.hdim(170, cx - tw / 2, cx + tw / 2, inward=True, arms=(12, 15))
    # t1, t2 on the right of the flanges
    for ya, yb in [(y0, y0 + tf1), (y1 - tf2, y1)]:
        c.ext(x1 + 3, ya, 220, ya)
        c.ext(x1 + 3, yb, 220, yb)
        c.vdim(215, ya, yb, inward=True)
    return c


def unequal_h():
    c = canvas()
    cx, tw = 140, 14
    tx0, tx1, ty, t1 = 60, 220, 76, 16
    bx0, bx1, by, t2 = 90, 190, 204, 16
    plates(c, [(tx0, ty, tx1 - tx0, t1), (bx0, by, bx1 - bx0, t2), (cx - tw / 2, ty + t1, tw, by - ty - t1)])
    for sx in (-1, 1):
        fillet(c, (cx + sx * tw / 2, ty + t1), sx, 1)
        fillet(c, (cx + sx * tw / 2, by), sx, -1)
    c.centre_line(cx, 70, cx, 226)
    c.ext(tx0, ty - 3, tx0, 64)
    c.ext(tx1, ty - 3, tx1, 64)
    c.hdim(68, tx0, tx1)
    c.ext(bx0, by + t2 + 3, bx0, 232)
    c.ext(bx1, by + t2 + 3, bx1, 232)
    c.hdim(228, bx0, bx1)
    c.ext(tx0 - 3, ty, 2, ty)
    c.ext(bx0 - 3, by + t2, 2, by + t2)
    c.vdim(6, ty, by + t2)
    c.hdim(150, cx - tw / 2, cx + tw / 2, inward=True, arms=(10, 14))
    c.ext(tx1 + 3, ty, 236, ty)
    c.ext(tx1 + 3, ty + t1, 236, ty + t1)
    c.vdim(232, ty, ty + t1, inward=True)
    c.ext(bx1 + 3, by, 204, by)
    c.ext(bx1 + 3, by + t2, 204, by + t2)
    c.vdim(200, by, by + t2, inward=True)
    return c


def box():
    c = canvas()
    x0, x1, y0, y1, t1, t2 = 100, 240, 60, 250, 14, 14
    plates(c, [(x0, y0, t1, y1 - y0), (x1 - t1, y0, t1, y1 - y0), (x0 + t1, y0, x1 - x0 - 2 * t1, t2),
               (x0 + t1, y1 - t2, x1 - x0 - 2 * t1, t2)])
    for (x, y, dx, dy) in [(x0 + t1, y0 + t2, 1, 1), (x1 - t1, y0 + t2, -1, 1), (x0 + t1, y1 - t2, 1, -1),
                           (x1 - t1, y1 - t2, -1, -1)]:
        fillet(c, (x, y), dx, dy)
    c.centre_line((x0 + x1) / 2, 84, (x0 + x1) / 2, 226)
    c.ext(x0, y0 - 3, x0, 48)
    c.ext(x1, y0 - 3, x1, 48)
    c.hdim(52, x0, x1)
    c.ext(x0 - 3, y0, 4, y0)
    c.ext(x0 - 3, y1, 4, y1)
    c.vdim(8, y0, y1)
    # t1: the left side plate, the line runs into the hollow to its label
    c.hdim(125, x0, x0 + t1, inward=True, tail=0)
    # t2: the bottom plate, the line runs down to its label
    c.vdim(165, y1 - t2, y1, inward=True, arms=(0, 12))
    return c


def round_tube():
    c = canvas()
    cx, cy, r, t = 165, 175, 95, 12
    c.section([circle_ring(cx, cy, r), circle_ring(cx, cy, r - t)])
    # longitudinal seam at the top
    c.add(f'<polygon points="{pts([(cx - 7, cy - r), (cx + 7, cy - r), (cx + 2, cy - r + t), (cx - 2, cy - r + t)])}" '
          f'fill="{WELD}" stroke="#7a3e00" stroke-width="0.5"/>')
    c.centre_line(cx - r - 8, cy, cx + r + 8, cy)
    c.centre_line(cx, cy - r + t + 4, cx, cy + r + 8)
    c.ext(cx - r, cy - 4, cx - r, 66)
    c.ext(cx + r, cy - 4, cx + r, 66)
    c.hdim(70, cx - r, cx + r)
    a = math.radians(36)
    po = (cx + r * math.cos(a), cy + r * math.sin(a))
    pi = (cx + (r - t) * math.cos(a), cy + (r - t) * math.sin(a))
    c.dim(pi, po, inward=True, arms=(0, 8))
    end = (cx + (r + 10) * math.cos(a), cy + (r + 10) * math.sin(a))
    c.line(end[0], end[1], end[0] + 30, end[1])
    return c


def t_welded():
    c = canvas()
    x0, x1, y0, tf, cx, tw, y1 = 90, 260, 100, 18, 175, 14, 285
    plates(c, [(x0, y0, x1 - x0, tf), (cx - tw / 2, y0 + tf, tw, y1 - y0 - tf)])
    fillet(c, (cx - tw / 2, y0 + tf), -1, 1)
    fillet(c, (cx + tw / 2, y0 + tf), 1, 1)
    c.centre_line(cx, 94, cx, 296)
    c.ext(x0, y0 - 3, x0, 46)
    c.ext(x1, y0 - 3, x1, 46)
    c.hdim(50, x0, x1)
    c.ext(x0 - 3, y0, 8, y0)
    c.ext(cx - tw / 2 - 3, y1, 8, y1)
    c.vdim(12, y0, y1)
    c.vdim(100, y0, y0 + tf, inward=True, arms=(8, 22))
    c.hdim(196, cx - tw / 2, cx + tw / 2, inward=True, arms=(6, 5))
    return c


def boxed():
    c = canvas()
    x0, x1, y0, y1, t1, t2 = 40, 290, 66, 240, 14, 12
    wl, wr = 93, 162  # outer faces of the two webs; the t2 field sits in the hollow between them
    plates(c, [(x0, y0, x1 - x0, t1), (x0, y1 - t1, x1 - x0, t1), (wl, y0 + t1, t2, y1 - y0 - 2 * t1),
               (wr - t2, y0 + t1, t2, y1 - y0 - 2 * t1)])
    for x, sx in [(wl, -1), (wl + t2, 1), (wr - t2, -1), (wr, 1)]:
        fillet(c, (x, y0 + t1), sx, 1, 4)
        fillet(c, (x, y1 - t1), sx, -1, 4)
    c.ext(x0, y0 - 3, x0, 54)
    c.ext(x1, y0 - 3, x1, 54)
    c.hdim(58, x0, x1)
    c.ext(x0 - 3, y0, 4, y0)
    c.ext(x0 - 3, y1, 4, y1)
    c.vdim(8, y0, y1)
    # D1, D2: the two outstands, chained under the bottom flange
    for xa in (x0, wl, wr, x1):
        c.ext(xa, y1 + 3, xa, 254)
    c.hdim(250, x0, wl)
    c.hdim(250, wr, x1)
    # t1 at the flange tip, carried down to its label by a leader
    c.ext(x1 + 3, y0, 304, y0)
    c.ext(x1 + 3, y0 + t1, 304, y0 + t1)
    c.vdim(300, y0, y0 + t1, inward=True, arms=(0, 30))
    c.line(300, y0 + t1 + 30, 252, y0 + t1 + 30)
    # t2 across the left web
    c.hdim(176, wl, wl + t2, inward=True, arms=(4, 6))
    return c


def welded_c():
    c = canvas()
    x0, x1, y0, y1, t, lip = 122, 236, 100, 238, 12, 26
    plates(c, [(x0, y0, t, y1 - y0), (x0 + t, y0, x1 - x0 - t, t), (x0 + t, y1 - t, x1 - x0 - t, t),
               (x1 - t, y0 + t, t, lip - t), (x1 - t, y1 - lip, t, lip - t)])
    fillet(c, (x0 + t, y0 + t), 1, 1, 4.5)
    fillet(c, (x0 + t, y1 - t), 1, -1, 4.5)
    c.ext(x0 - 3, y0, 26, y0)
    c.ext(x0 - 3, y1, 26, y1)
    c.vdim(30, y0, y1)
    c.ext(x0, y1 + 3, x0, 250)
    c.ext(x1, y1 + 3, x1, 250)
    c.hdim(246, x0, x1)
    c.ext(x1 + 3, y0, 248, y0)
    c.ext(x1 + 3, y0 + lip, 248, y0 + lip)
    c.vdim(244, y0, y0 + lip)
    c.vdim(172, y0, y0 + t, inward=True, arms=(10, 0))
    return c


def welded_z():
    c = canvas()
    xw, t, y0, y1 = 125, 12, 55, 230
    tx1, lip = 196, 40
    bx0 = 60
    plates(c, [(xw, y0, t, y1 - y0), (xw + t, y0, tx1 - xw - t, t), (tx1 - t, y0 + t, t, lip - t),
               (bx0, y1 - t, xw - bx0, t), (bx0, y1 - lip, t, lip - t)])
    fillet(c, (xw + t, y0 + t), 1, 1, 4.5)
    fillet(c, (xw, y1 - t), -1, -1, 4.5)
    c.ext(tx1 + 3, y0, 226, y0)
    c.ext(tx1 + 3, y0 + lip, 216, y0 + lip)
    c.vdim(212, y0, y0 + lip, arms=(26, 0))
    c.ext(xw + t + 3, y1, 226, y1)
    c.vdim(222, y0, y1)
    c.ext(bx0, y1 + 3, bx0, 244)
    c.ext(xw + t, y1 + 3, xw + t, 244)
    c.hdim(240, bx0, xw + t)
    c.vdim(160, y0, y0 + t, inward=True, arms=(8, 4))
    return c


def wedge():
    c = canvas()
    # cross-section at the deep end
    fx0, fx1, y0, y1, t1, t2, tw = 47, 127, 72, 244, 12, 12, 6
    cx = (fx0 + fx1) / 2
    plates(c, [(fx0, y0, fx1 - fx0, t1), (fx0, y1 - t2, fx1 - fx0, t2), (cx - tw / 2, y0 + t1, tw, y1 - y0 - t1 - t2)])
    for sx in (-1, 1):
        fillet(c, (cx + sx * tw / 2, y0 + t1), sx, 1, 4)
        fillet(c, (cx + sx * tw / 2, y1 - t2), sx, -1, 4)
    c.ext(fx0, y0 - 3, fx0, 58)
    c.ext(fx1, y0 - 3, fx1, 58)
    c.hdim(62, fx0, fx1)
    for ya, yb in [(y0, y0 + t1), (y1 - t2, y1)]:
        c.ext(fx0 - 3, ya, 22, ya)
        c.ext(fx0 - 3, yb, 22, yb)
        c.vdim(27, ya, yb, inward=True, arms=(0, 6) if ya == y0 else (6, 0))
    c.hdim(130, cx - tw / 2, cx + tw / 2, inward=True, arms=(12, 8))
    # elevation: the top flange slopes from h1 down to h2
    ex0, ex1, hy1 = 176, 246, 120
    web = [(ex0, y0 + t1), (ex1, hy1 + t1), (ex1, y1 - t2), (ex0, y1 - t2)]
    c.add(f'<polygon points="{pts(web)}" fill="#173a5a" stroke="{THEME["outline"]}" stroke-width="1.2"/>')
    c.section([[(ex0, y0), (ex1, hy1), (ex1, hy1 + t1), (ex0, y0 + t1)]])
    c.section([rect(ex0, y1 - t2, ex1 - ex0, t2)])
    c.ext(ex0 - 3, y0, 127, y0)
    c.ext(ex0 - 3, y1, 127, y1)
    c.vdim(130, y0, y1)
    c.ext(ex1 + 3, hy1, 262, hy1)
    c.ext(ex1 + 3, y1, 262, y1)
    c.vdim(258, hy1, y1, gap=(26, 67))
    return c


def cross():
    c = canvas()
    cx, tw1 = 140, 12
    fx0, fx1, ty, t1, by, t2 = 85, 195, 70, 14, 236, 14
    cy, tw2 = 163, 12
    lx, t3, rx, t4 = 50, 14, 196, 12
    b2y0, b2y1 = 120, 206
    plates(c, [
        (fx0, ty, fx1 - fx0, t1), (fx0, by, fx1 - fx0, t2), (cx - tw1 / 2, ty + t1, tw1, by - ty - t1),
        (lx, b2y0, t3, b2y1 - b2y0), (rx, b2y0, t4, b2y1 - b2y0),
        (lx + t3, cy - tw2 / 2, cx - tw1 / 2 - lx - t3, tw2), (cx + tw1 / 2, cy - tw2 / 2, rx - cx - tw1 / 2, tw2),
    ])
    for sx in (-1, 1):
        fillet(c, (cx + sx * tw1 / 2, ty + t1), sx, 1, 4)
        fillet(c, (cx + sx * tw1 / 2, by), sx, -1, 4)
        for sy in (-1, 1):
            fillet(c, (cx + sx * tw1 / 2, cy + sy * tw2 / 2), sx, sy, 3.5)
    # b1 above the top flange
    c.ext(fx0, ty - 3, fx0, 60)
    c.ext(fx1, ty - 3, fx1, 60)
    c.hdim(64, fx0, fx1)
    # h1 on the far left, its label in a break of the line
    c.ext(fx0 - 3, ty, 6, ty)
    c.ext(fx0 - 3, by + t2, 6, by + t2)
    c.vdim(10, ty, by + t2, gap=(60, 100))
    # t1, t2 at the right tips of the flanges
    c.ext(fx1 + 3, ty, 207, ty)
    c.ext(fx1 + 3, ty + t1, 207, ty + t1)
    c.vdim(203, ty, ty + t1, inward=True)
    c.vdim(188, by, by + t2, arms=(14, 0))
    # t3, t4 over the top ends of the side flanges
    for xa, t, arms in [(lx, t3, (4, 4)), (rx, t4, (0, 0))]:
        c.ext(xa, b2y0 - 3, xa, 100 if xa == lx else 102)
        c.ext(xa + t, b2y0 - 3, xa + t, 100 if xa == lx else 102)
    c.hdim(98, lx, lx + t3, inward=True, arms=(4, 2))
    c.hdim(106, rx, rx + t4, inward=True, tail=0)
    # b2 beside the right flange
    c.ext(rx + t4 + 1, b2y0, 215, b2y0)
    c.ext(rx + t4 + 1, b2y1, 215, b2y1)
    c.vdim(212, b2y0, b2y1)
    # tw1 across the vertical web, tw2 across the horizontal web
    c.hdim(180, cx - tw1 / 2, cx + tw1 / 2, inward=True, arms=(10, 0), tail=0)
    c.vdim(192, cy - tw2 / 2, cy + tw2 / 2, inward=True, tail=0)
    # h2 under everything; the right extension line stops short of the t2 label
    c.ext(lx, b2y1 + 3, lx, 260)
    c.ext(rx + t4, 244, rx + t4, 260)
    c.hdim(256, lx, rx + t4)
    return c


def welded_ball():
    c = canvas()
    cx, cy, r, t = 190, 150, 95, 14
    c.section([circle_ring(cx, cy, r), circle_ring(cx, cy, r - t)])
    # the two hemispheres meet at the equator: butt welds left and right
    for sx in (-1, 1):
        xo, xi = cx + sx * r, cx + sx * (r - t)
        c.add(f'<polygon points="{pts([(xo, cy - 5), (xo, cy + 5), (xi, cy + 1.5), (xi, cy - 1.5)])}" '
              f'fill="{WELD}" stroke="#7a3e00" stroke-width="0.5"/>')
    c.centre_line(cx - r - 8, cy, cx + r + 8, cy)
    c.centre_line(cx, cy - r - 8, cx, cy + r + 8)
    c.ext(cx - 3, cy - r, 0, cy - r)
    c.ext(cx - 3, cy + r, 0, cy + r)
    c.vdim(4, cy - r, cy + r)
    a = math.radians(55)
    po = (cx + r * math.cos(a), cy + r * math.sin(a))
    pi = (cx + (r - t) * math.cos(a), cy + (r - t) * math.sin(a))
    c.dim(pi, po, inward=True, arms=(0, 6))
    end = (cx + (r + 12) * math.cos(a), cy + (r + 12) * math.sin(a))
    c.line(end[0], end[1], end[0] + 26, end[1])
    return c


def bolt_ball():
    c = canvas()
    cx, cy, r = 200, 155, 100
    c.section([circle_ring(cx, cy, r)])
    # tapped holes, drilled radially
    for ang in (-90, -45, 0, 45, 90):
        a = math.radians(ang)
        ux, uy = math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        hw, depth = 11, 46
        outer = r + 2
        p = [(cx + ux * outer + nx * hw, cy + uy * outer + ny * hw), (cx + ux * (r - depth) + nx * hw, cy + uy * (r - depth) + ny * hw),
             (cx + ux * (r - depth - 6), cy + uy * (r - depth - 6)),
             (cx + ux * (r - depth) - nx * hw, cy + uy * (r - depth) - ny * hw), (cx + ux * outer - nx * hw, cy + uy * outer - ny * hw)]
        c.add(f'<polygon points="{pts(p)}" fill="{GROUND}" stroke="none"/>')
        c.add(f'<polyline points="{pts(p[:-1] + [p[-1]])}" fill="none" stroke="{THEME["outline"]}" stroke-width="1.3"/>')
        # thread: the major diameter as thin lines
        for s in (-1, 1):
            a0 = (cx + ux * (r - 2) + s * nx * (hw + 3), cy + uy * (r - 2) + s * ny * (hw + 3))
            a1 = (cx + ux * (r - depth + 6) + s * nx * (hw + 3), cy + uy * (r - depth + 6) + s * ny * (hw + 3))
            c.add(f'<line x1="{fmt(a0[0])}" y1="{fmt(a0[1])}" x2="{fmt(a1[0])}" y2="{fmt(a1[1])}" stroke="{THEME["outline"]}" stroke-width="0.7"/>')
        c.centre_line(cx + ux * (r - depth - 12), cy + uy * (r - depth - 12), cx + ux * (r + 10), cy + uy * (r + 10))
    c.add(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{THEME["outline"]}" stroke-width="1.6"/>')
    c.centre_line(cx - r - 8, cy, cx - 40, cy)
    c.ext(cx - 3, cy - r, 4, cy - r)
    c.ext(cx - 3, cy + r, 4, cy + r)
    c.vdim(8, cy - r, cy + r)
    return c


def plate():
    c = canvas()
    x0, x1, y0, t = 40, 230, 100, 24
    plates(c, [(x0, y0, x1 - x0, t)])
    # a second plate butt-welded on: the V seam shows the joint
    c.add(f'<polygon points="{pts([(150, y0), (162, y0), (157, y0 + t), (155, y0 + t)])}" fill="{WELD}" '
          f'stroke="#7a3e00" stroke-width="0.5"/>')
    c.ext(x1 + 3, y0, 240, y0)
    c.ext(x1 + 3, y0 + t, 240, y0 + t)
    c.vdim(236, y0, y0 + t, inward=True, arms=(30, 0))
    c.ext(x0, y0 + t + 3, x0, 172)
    c.ext(x1, y0 + t + 3, x1, 172)
    c.hdim(168, x0, x1)
    # a sketch of the plate in perspective: width b and thickness t over its length
    c.add(f'<polygon points="{pts([(60, 228), (210, 228), (250, 268), (100, 268)])}" fill="#173a5a" '
          f'stroke="{THEME["outline"]}" stroke-width="1"/>')
    c.add(f'<polygon points="{pts([(100, 268), (250, 268), (250, 276), (100, 276)])}" fill="#1f4b73" '
          f'stroke="{THEME["outline"]}" stroke-width="1"/>')
    c.add(f'<polygon points="{pts([(60, 228), (100, 268), (100, 276), (60, 236)])}" fill="#2a5d8a" '
          f'stroke="{THEME["outline"]}" stroke-width="1"/>')
    return c


def drawings():
    makers = {
        "H型钢-01": welded_h,
        "不等边-01": unequal_h,
        "箱型-01": box,
        "圆管-01": round_tube,
        "T型-01": t_welded,
        "盒式-01": boxed,
        "C型钢-01": welded_c,
        "焊接球-01": welded_ball,
        "螺栓球-01": bolt_ball,
        "Z型钢-01": welded_z,
        "楔型-01": wedge,
        "十字-01": cross,
        "钢板-01": plate,
    }
    return {name: make().svg(background()) for name, make in makers.items()}
