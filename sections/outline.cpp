#include "sections/outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sections {

Point unit(Point a) {
    const double n = std::hypot(a.x, a.y);
    return n > 0 ? a * (1 / n) : Point{};
}

Moments& Moments::operator+=(const Moments& o) {
    A += o.A;
    Sx += o.Sx;
    Sy += o.Sy;
    Ixx += o.Ixx;
    Iyy += o.Iyy;
    Ixy += o.Ixy;
    return *this;
}

Moments& Moments::operator-=(const Moments& o) {
    A -= o.A;
    Sx -= o.Sx;
    Sy -= o.Sy;
    Ixx -= o.Ixx;
    Iyy -= o.Iyy;
    Ixy -= o.Ixy;
    return *this;
}

CentralMoments central(const Moments& m) {
    CentralMoments c;
    c.A = m.A;
    if (!(m.A > 0)) return c;
    c.cx = m.Sy / m.A;
    c.cy = m.Sx / m.A;
    c.Ixx = m.Ixx - m.A * c.cy * c.cy;
    c.Iyy = m.Iyy - m.A * c.cx * c.cx;
    c.Ixy = m.Ixy - m.A * c.cx * c.cy;
    const double mean = (c.Ixx + c.Iyy) / 2;
    const double half = std::hypot((c.Ixx - c.Iyy) / 2, c.Ixy);
    c.Imax = mean + half;
    c.Imin = mean - half;
    // The major axis: the direction (cos a, sin a) that maximises ∫(distance to it)².
    c.angle = 0.5 * std::atan2(-2 * c.Ixy, c.Ixx - c.Iyy);
    return c;
}

namespace {

// Moments of the polygon through `pts` (shoelace and its second-moment counterparts).
Moments polygonMoments(const std::vector<Point>& pts) {
    Moments m;
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = pts[i];
        const Point b = pts[(i + 1) % n];
        const double c = a.x * b.y - b.x * a.y;
        m.A += c / 2;
        m.Sy += (a.x + b.x) * c / 6;
        m.Sx += (a.y + b.y) * c / 6;
        m.Iyy += (a.x * a.x + a.x * b.x + b.x * b.x) * c / 12;
        m.Ixx += (a.y * a.y + a.y * b.y + b.y * b.y) * c / 12;
        m.Ixy += (a.x * b.y + 2 * a.x * a.y + 2 * b.x * b.y + b.x * a.y) * c / 24;
    }
    return m;
}

// Moments of the circular segment (between arc and chord) of radius R and half angle a,
// centre c, its axis of symmetry pointing along angle phi from the centre to the arc.
Moments segmentMoments(Point c, double R, double a, double phi) {
    // In the segment's own frame (u along the axis, v across; ∫v = ∫uv = 0): sector less
    // the triangle between the centre and the chord.
    const double h = R * std::cos(a);
    const double w = R * std::sin(a);
    const double R4 = R * R * R * R;
    const double area = R * R * a - h * w;
    const double U = (2.0 / 3.0) * R * R * R * std::sin(a) - (2.0 / 3.0) * h * h * w;
    const double UU = R4 / 8 * (2 * a + std::sin(2 * a)) - h * h * h * w / 2;
    const double VV = R4 / 8 * (2 * a - std::sin(2 * a)) - h * w * w * w / 6;
    const double cp = std::cos(phi);
    const double sp = std::sin(phi);
    Moments m;
    m.A = area;
    m.Sy = c.x * area + cp * U;
    m.Sx = c.y * area + sp * U;
    m.Iyy = c.x * c.x * area + 2 * c.x * cp * U + cp * cp * UU + sp * sp * VV;
    m.Ixx = c.y * c.y * area + 2 * c.y * sp * U + sp * sp * UU + cp * cp * VV;
    m.Ixy = c.x * c.y * area + (c.x * sp + c.y * cp) * U + cp * sp * (UU - VV);
    return m;
}

} // namespace

RoundedPolygon::RoundedPolygon(std::vector<Corner> corners) {
    const std::size_t n = corners.size();
    if (n < 3) return;
    for (const Corner& c : corners)
        if (!std::isfinite(c.p.x) || !std::isfinite(c.p.y) || !std::isfinite(c.radius) ||
            c.radius < 0)
            return;
    {
        std::vector<Point> sharp;
        for (const Corner& c : corners)
            sharp.push_back(c.p);
        if (polygonMoments(sharp).A < 0) std::reverse(corners.begin(), corners.end());
    }
    // Tangent length of each corner's arc along its two edges.
    std::vector<double> tangent(n, 0.0);
    std::vector<double> turn(n, 0.0);
    for (std::size_t k = 0; k < n; ++k) {
        const Point prev = corners[(k + n - 1) % n].p;
        const Point here = corners[k].p;
        const Point next = corners[(k + 1) % n].p;
        const Point ein = unit(here - prev);
        const Point eout = unit(next - here);
        if (dot(ein, ein) == 0 || dot(eout, eout) == 0) return;
        turn[k] = std::atan2(cross(ein, eout), dot(ein, eout));
        if (corners[k].radius > 0 && std::abs(turn[k]) > 1e-12)
            tangent[k] = corners[k].radius * std::tan(std::abs(turn[k]) / 2);
    }
    const double slack = 1e-9;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t j = (k + 1) % n;
        const double length =
            std::hypot(corners[j].p.x - corners[k].p.x, corners[j].p.y - corners[k].p.y);
        if (tangent[k] + tangent[j] > length * (1 + slack)) return;
    }
    for (std::size_t k = 0; k < n; ++k) {
        const Point prev = corners[(k + n - 1) % n].p;
        const Point here = corners[k].p;
        const Point next = corners[(k + 1) % n].p;
        if (tangent[k] == 0) {
            points_.push_back(here);
            arcFrom_.push_back(-1);
            continue;
        }
        const Point ein = unit(here - prev);
        const Point eout = unit(next - here);
        const Point t1 = (here - (ein * tangent[k]));
        const Point t2 = (here + (eout * tangent[k]));
        const double side = turn[k] > 0 ? 1.0 : -1.0;
        const Point normal{-ein.y, ein.x}; // left of the incoming edge
        const double r = corners[k].radius;
        const Point centre = (t1 + (normal * side * r));
        points_.push_back(t1);
        points_.push_back(t2);
        arcFrom_.push_back(static_cast<int>(arcs_.size()));
        arcFrom_.push_back(-1);
        arcs_.push_back({centre, t1, t2, r, turn[k]});
    }
    moments_ = polygonMoments(points_);
    for (const Arc& arc : arcs_) {
        const Point mid = (arc.from + arc.to) * 0.5;
        const Point axis = mid - arc.centre;
        const double phi = std::atan2(axis.y, axis.x);
        const Moments seg = segmentMoments(arc.centre, arc.radius, std::abs(arc.sweep) / 2, phi);
        if (arc.sweep > 0)
            moments_ += seg;
        else
            moments_ -= seg;
    }
    valid_ = moments_.A > 0 && std::isfinite(moments_.A);
}

double RoundedPolygon::extent(Point dir, Point origin) const {
    double best = -HUGE_VAL;
    for (const Point& p : points_)
        best = std::max(best, dot(dir, p - origin));
    // A convex arc reaches beyond its ends where dir points into its sweep.
    for (const Arc& arc : arcs_) {
        if (arc.sweep <= 0) continue;
        const Point start = arc.from - arc.centre;
        double a = std::atan2(cross(start, dir), dot(start, dir));
        if (a < 0) a += 2 * std::numbers::pi;
        if (a <= arc.sweep) best = std::max(best, dot(dir, arc.centre + dir * arc.radius - origin));
    }
    return best;
}

namespace {

// The part of the edge a → b (turned frame) where y ≥ c: ∫x dy and ∫xy dy, exact for a line.
void edgeBeyond(Point a, Point b, double c, bool firstMoment, HalfMoments& h) {
    if (a.y < c && b.y < c) return;
    if (a.y < c) a = {a.x + (b.x - a.x) * (c - a.y) / (b.y - a.y), c};
    if (b.y < c) b = {b.x + (a.x - b.x) * (c - b.y) / (a.y - b.y), c};
    const double dy = b.y - a.y;
    h.A += dy * (a.x + b.x) / 2;
    if (firstMoment) h.S += dy * (2 * a.x * a.y + a.x * b.y + b.x * a.y + 2 * b.x * b.y) / 6;
}

// ∫x dy and ∫xy dy along p(θ) = m + R(cos θ, sin θ) from θ = a to b (dy = R cos θ dθ).
void arcIntegrals(Point m, double R, double a, double b, double sense, bool firstMoment,
                  HalfMoments& h) {
    if (!(b > a)) return;
    auto area = [&](double q) {
        return m.x * R * std::sin(q) + R * R * (q / 2 + std::sin(2 * q) / 4);
    };
    auto first = [&](double q) {
        const double s = std::sin(q), k = std::cos(q);
        return R * (m.x * m.y * s + m.x * R * s * s / 2 + m.y * R * (q / 2 + std::sin(2 * q) / 4) -
                    R * R * k * k * k / 3);
    };
    h.A += sense * (area(b) - area(a));
    if (firstMoment) h.S += sense * (first(b) - first(a));
}

} // namespace

HalfPlaneCut::HalfPlaneCut(const RoundedPolygon& shape, Point dir) {
    if (!shape.valid_) return;
    // y' = dir·p, x' = dir.y·x − dir.x·y: a rotation, so the outline keeps its sense.
    auto turned = [dir](Point p) {
        return Point{dir.y * p.x - dir.x * p.y, dir.x * p.x + dir.y * p.y};
    };
    const auto& pts = shape.points_;
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (shape.arcFrom_[i] < 0) {
            edges_.push_back({turned(pts[i]), turned(pts[(i + 1) % n])});
            continue;
        }
        const auto& arc = shape.arcs_[static_cast<std::size_t>(shape.arcFrom_[i])];
        const Point m = turned(arc.centre);
        const Point start = turned(arc.from) - m;
        const double from = std::atan2(start.y, start.x);
        Arc a{m,
              arc.radius,
              std::min(from, from + arc.sweep),
              std::max(from, from + arc.sweep),
              arc.sweep > 0 ? 1.0 : -1.0,
              {}};
        arcIntegrals(a.m, a.R, a.lo, a.hi, a.sense, true, a.whole);
        arcs_.push_back(a);
    }
    low_ = -shape.extent(dir * -1.0, {0, 0});
    high_ = shape.extent(dir, {0, 0});
}

HalfMoments HalfPlaneCut::beyond(double c, bool firstMoment) const {
    HalfMoments h;
    for (const Edge& e : edges_)
        edgeBeyond(e.a, e.b, c, firstMoment, h);
    constexpr double pi = std::numbers::pi;
    for (const Arc& a : arcs_) {
        const double s = (c - a.m.y) / a.R;
        if (s >= 1) continue;
        if (s <= -1) {
            h.A += a.whole.A;
            h.S += a.whole.S;
            continue;
        }
        // The circle lies at or above y = c for θ in [α, π − α] + 2πk.
        const double alpha = std::asin(s);
        for (int k = static_cast<int>(std::floor(a.lo / (2 * pi))) - 1;
             k <= static_cast<int>(std::floor(a.hi / (2 * pi))) + 1; ++k)
            arcIntegrals(a.m, a.R, std::max(a.lo, alpha + 2 * pi * k),
                         std::min(a.hi, pi - alpha + 2 * pi * k), a.sense, firstMoment, h);
    }
    return h;
}

HalfMoments RoundedPolygon::beyond(Point dir, double c) const {
    return HalfPlaneCut(*this, dir).beyond(c);
}

double plasticModulus(const RoundedPolygon& outer, const std::vector<const RoundedPolygon*>& holes,
                      Point dir) {
    if (!outer.valid()) return 0;
    for (const RoundedPolygon* hole : holes)
        if (!hole->valid()) return 0;
    std::vector<HalfPlaneCut> cuts{HalfPlaneCut(outer, dir)};
    for (const RoundedPolygon* hole : holes)
        cuts.emplace_back(*hole, dir);
    auto part = [&](double c, bool firstMoment) {
        HalfMoments h = cuts[0].beyond(c, firstMoment);
        for (std::size_t k = 1; k < cuts.size(); ++k) {
            const HalfMoments m = cuts[k].beyond(c, firstMoment);
            h.A -= m.A;
            h.S -= m.S;
        }
        return h;
    };
    const HalfMoments whole = part(-HUGE_VAL, true);
    double lo = cuts[0].low();
    double hi = cuts[0].high();
    const double span = hi - lo;
    // The area beyond c falls from A to 0 as c runs from lo to hi.
    for (int i = 0; i < 200 && hi - lo > 1e-13 * span; ++i) {
        const double mid = (lo + hi) / 2;
        (part(mid, false).A > whole.A / 2 ? lo : hi) = mid;
    }
    // ∫|s − sp| dA is stationary in sp where the halves are equal, so the bisection's last
    // step changes it only to second order.
    const double sp = (lo + hi) / 2;
    const HalfMoments up = part(sp, true);
    return (up.S - sp * up.A) - ((whole.S - up.S) - sp * (whole.A - up.A));
}

} // namespace sections
