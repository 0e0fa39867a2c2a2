"""Small helpers shared by the artwork generators: geometry, hatching and
dimension lines, written as plain SVG Tiny 1.2 (what QtSvg renders)."""

import math


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)


# ---------------------------------------------------------------- geometry

def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def circle_ring(cx, cy, r, n=96):
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)]


def ellipse_ring(cx, cy, rx, ry, n=96):
    return [(cx + rx * math.cos(2 * math.pi * i / n), cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)]


def regular_polygon(cx, cy, r, n, rotation=0.0):
    return [(cx + r * math.cos(rotation + 2 * math.pi * i / n), cy + r * math.sin(rotation + 2 * math.pi * i / n))
            for i in range(n)]


def rounded(points, radii, steps=8):
    """Flattens a polygon whose vertex i is rounded with radius radii[i] (0 = sharp)."""
    if not isinstance(radii, (list, tuple)):
        radii = [radii] * len(points)
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2 = points[i - 1], points[i], points[(i + 1) % n]
        r = radii[i]
        if r <= 0:
            out.append(p1)
            continue
        v1 = (p0[0] - p1[0], p0[1] - p1[1])
        v2 = (p2[0] - p1[0], p2[1] - p1[1])
        l1, l2 = math.hypot(*v1), math.hypot(*v2)
        u1 = (v1[0] / l1, v1[1] / l1)
        u2 = (v2[0] / l2, v2[1] / l2)
        cosang = max(-1.0, min(1.0, u1[0] * u2[0] + u1[1] * u2[1]))
        ang = math.acos(cosang)
        if ang < 1e-6 or abs(ang - math.pi) < 1e-6:
            out.append(p1)
            continue
        d = r / math.tan(ang / 2)
        d = min(d, l1 * 0.5, l2 * 0.5)
        r_eff = d * math.tan(ang / 2)
        a = (p1[0] + u1[0] * d, p1[1] + u1[1] * d)
        b = (p1[0] + u2[0] * d, p1[1] + u2[1] * d)
        bis = (u1[0] + u2[0], u1[1] + u2[1])
        bl = math.hypot(*bis)
        bis = (bis[0] / bl, bis[1] / bl)
        cd = r_eff / math.sin(ang / 2)
        c = (p1[0] + bis[0] * cd, p1[1] + bis[1] * cd)
        a0 = math.atan2(a[1] - c[1], a[0] - c[0])
        a1 = math.atan2(b[1] - c[1], b[0] - c[0])
        da = a1 - a0
        while da > math.pi:
            da -= 2 * math.pi
        while da < -math.pi:
            da += 2 * math.pi
        for k in range(steps + 1):
            t = a0 + da * k / steps
            out.append((c[0] + r_eff * math.cos(t), c[1] + r_eff * math.sin(t)))
    return out


def path_of(rings):
    return " ".join("M" + " L".join(f"{fmt(x)},{fmt(y)}" for x, y in ring) + " Z" for ring in rings)


def hatch_segments(rings, spacing, offset=0.0):
    """45-degree hatch lines ('/' on screen) inside the even-odd region of rings."""
    xs = [p[0] for r in rings for p in r]
    ys = [p[1] for r in rings for p in r]
    cmin, cmax = min(xs) + min(ys), max(xs) + max(ys)
    segs = []
    c = math.floor((cmin - offset) / spacing) * spacing + offset
    while c <= cmax:
        hits = []
        for ring in rings:
            n = len(ring)
            for i in range(n):
                p, q = ring[i], ring[(i + 1) % n]
                fp = p[0] + p[1] - c
                fq = q[0] + q[1] - c
                if (fp < 0) != (fq < 0):
                    t = fp / (fp - fq)
                    hits.append(p[0] + (q[0] - p[0]) * t)
        hits.sort()
        for i in range(0, len(hits) - 1, 2):
            x0, x1 = hits[i], hits[i + 1]
            if x1 - x0 > 0.3:
                segs.append(((x0, c - x0), (x1, c - x1)))
        c += spacing
    return segs


# ---------------------------------------------------------------- drawing

class Canvas:
    """Collects SVG elements with one theme (colours and line weights)."""

    def __init__(self, w, h, theme):
        self.w, self.h, self.t = w, h, theme
        self.defs = []
        self.items = []

    def add(self, s):
        self.items.append(s)

    # -- cut surfaces
    def section(self, rings, fill=None, hatch=True, outline=True, spacing=None):
        t = self.t
        self.add(f'<path d="{path_of(rings)}" fill="{fill or t["fill"]}" fill-rule="evenodd" stroke="none"/>')
        if hatch:
            segs = hatch_segments(rings, spacing or t["hatch_spacing"])
            if segs:
                d = " ".join(f"M{fmt(a[0])},{fmt(a[1])} L{fmt(b[0])},{fmt(b[1])}" for a, b in segs)
                self.add(f'<path d="{d}" fill="none" stroke="{t["hatch"]}" stroke-width="{t["hatch_w"]}"/>')
        if outline:
            self.add(f'<path d="{path_of(rings)}" fill="none" stroke="{t["outline"]}" '
                     f'stroke-width="{t["outline_w"]}" stroke-linejoin="round"/>')

    def outline_path(self, d, width=None, colour=None, fill="none", dash=None):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        self.add(f'<path d="{d}" fill="{fill}" stroke="{colour or self.t["outline"]}" '
                 f'stroke-width="{width or self.t["outline_w"]}" stroke-linejoin="round" stroke-linecap="round"{extra}/>')

    def centre_line(self, x1, y1, x2, y2):
        t = self.t
        self.add(f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" stroke="{t["centre"]}" '
                 f'stroke-width="0.7" stroke-dasharray="9,3,2,3"/>')

    # -- dimensioning
    def line(self, x1, y1, x2, y2, width=None, colour=None):
        t = self.t
        self.add(f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
                 f'stroke="{colour or t["dim"]}" stroke-width="{width or t["dim_w"]}"/>')

    def ext(self, x1, y1, x2, y2):
        self.line(x1, y1, x2, y2, width=self.t["ext_w"], colour=self.t["ext"])

    def arrow(self, tip, towards):
        """Arrow head with its tip at `tip`, pointing from `towards` to the tip."""
        t = self.t
        dx, dy = tip[0] - towards[0], tip[1] - towards[1]
        l = math.hypot(dx, dy) or 1.0
        ux, uy = dx / l, dy / l
        L, W = t["arrow_len"], t["arrow_w"]
        bx, by = tip[0] - ux * L, tip[1] - uy * L
        p = [tip, (bx - uy * W, by + ux * W), (bx + uy * W, by - ux * W)]
        self.add(f'<polygon points="{pts(p)}" fill="{t["dim"]}" stroke="none"/>')

    def dim(self, p1, p2, inward=False, arms=(0, 0), gap=None, tail=4):
        """Dimension between p1 and p2 with arrow tips at both points.
        inward: arrows sit outside pointing in (thin parts); arms lengthen the line
        beyond p1 / p2. gap: (s0, s1) distances from p1 along the line left blank."""
        dx, dy = p2[0] - p1[0], p2[1] - p1[1]
        l = math.hypot(dx, dy)
        ux, uy = dx / l, dy / l
        start = -arms[0]
        end = l + arms[1]
        if inward:
            start = min(start, -self.t["arrow_len"] - tail)
            end = max(end, l + self.t["arrow_len"] + tail)
        pieces = [(start, end)]
        if gap:
            pieces = [(start, gap[0]), (gap[1], end)]
        for s0, s1 in pieces:
            if s1 > s0:
                self.line(p1[0] + ux * s0, p1[1] + uy * s0, p1[0] + ux * s1, p1[1] + uy * s1)
        if inward:
            self.arrow(p1, (p1[0] - ux, p1[1] - uy))
            self.arrow(p2, (p2[0] + ux, p2[1] + uy))
        else:
            self.arrow(p1, (p1[0] + ux, p1[1] + uy))
            self.arrow(p2, (p2[0] - ux, p2[1] - uy))

    def vdim(self, x, y1, y2, **kw):
        self.dim((x, y1), (x, y2), **kw)

    def hdim(self, y, x1, x2, **kw):
        self.dim((x1, y), (x2, y), **kw)

    def polyline(self, points, width=None, colour=None):
        t = self.t
        self.add(f'<polyline points="{pts(points)}" fill="none" stroke="{colour or t["dim"]}" '
                 f'stroke-width="{width or t["dim_w"]}" stroke-linejoin="round"/>')

    def text(self, x, y, s, anchor="middle", size=None, italic=True, colour=None, weight="normal"):
        t = self.t
        style = "italic" if italic else "normal"
        sub = ""
        # letters with a trailing digit are written with a subscript-like smaller digit
        self.add(f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="{t["font"]}" font-size="{size or t["text_size"]}" '
                 f'font-style="{style}" font-weight="{weight}" fill="{colour or t["text"]}" '
                 f'text-anchor="{anchor}">{s}{sub}</text>')

    def svg(self, background=""):
        defs = f"<defs>{''.join(self.defs)}</defs>" if self.defs else ""
        body = "\n".join(self.items)
        return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                f'width="{self.w}" height="{self.h}" viewBox="0 0 {self.w} {self.h}">\n'
                f'{defs}\n{background}\n{body}\n</svg>\n')
