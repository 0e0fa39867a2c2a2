#include "sections/thin_walled.h"

#include <cmath>
#include <numbers>

namespace sections {

namespace {

// Where the offset lines of the pieces before and after corner k meet.
Point offsetCorner(Point p, Point nBefore, Point nAfter, double offset) {
    const Point sum = nBefore + nAfter;
    return p + sum * (offset / (1 + dot(nBefore, nAfter)));
}

} // namespace

RoundedPolygon stripOutline(const CentreLine& line) {
    const auto& c = line.corners;
    const std::size_t n = c.size();
    const double h = line.t / 2;
    if (n < 2 || !(line.t > 0)) return RoundedPolygon({});
    std::vector<Point> normals;
    for (std::size_t k = 0; k + 1 < n; ++k)
        normals.push_back(leftNormal(unit(c[k + 1].p - c[k].p)));
    std::vector<Corner> left;
    std::vector<Corner> right;
    left.push_back({(c[0].p + (normals[0] * h)), 0});
    right.push_back({(c[0].p - (normals[0] * h)), 0});
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const Point e0 = unit(c[k].p - c[k - 1].p);
        const Point e1 = unit(c[k + 1].p - c[k].p);
        const bool leftTurn = cross(e0, e1) > 0;
        const double rho = c[k].radius;
        // The inside of a left turn is the left offset.
        const double rl = rho > 0 ? (leftTurn ? rho - h : rho + h) : 0;
        const double rr = rho > 0 ? (leftTurn ? rho + h : rho - h) : 0;
        if (rl < 0 || rr < 0) return RoundedPolygon({});
        left.push_back({offsetCorner(c[k].p, normals[k - 1], normals[k], h), rl});
        right.push_back({offsetCorner(c[k].p, normals[k - 1], normals[k], -h), rr});
    }
    left.push_back({(c[n - 1].p + (normals[n - 2] * h)), 0});
    right.push_back({(c[n - 1].p - (normals[n - 2] * h)), 0});
    std::vector<Corner> outline(left.begin(), left.end());
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return RoundedPolygon(std::move(outline));
}

ThinWall thinWall(const CentreLine& line) {
    ThinWall out;
    const auto& c = line.corners;
    const std::size_t n = c.size();
    const double t = line.t;
    if (n < 2 || !(t > 0)) return out;
    // The centre line as fine chords: straight pieces whole, each bend as 64 chords whose
    // ends lie on the arc (the sectorial area of the bend is then exact to ~1e-4).
    std::vector<Point> path{c[0].p};
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const Point e0 = unit(c[k].p - c[k - 1].p);
        const Point e1 = unit(c[k + 1].p - c[k].p);
        const double turn = std::atan2(cross(e0, e1), dot(e0, e1));
        const double rho = c[k].radius;
        if (rho <= 0 || std::abs(turn) < 1e-12) {
            path.push_back(c[k].p);
            continue;
        }
        const double tangent = rho * std::tan(std::abs(turn) / 2);
        const Point t1 = (c[k].p - (e0 * tangent));
        const double side = turn > 0 ? 1.0 : -1.0;
        const Point centre = t1 + leftNormal(e0) * (side * rho);
        const Point start = t1 - centre;
        const int steps = 64;
        path.push_back(t1);
        for (int i = 1; i <= steps; ++i) {
            const double a = turn * i / steps;
            const Point r{start.x * std::cos(a) - start.y * std::sin(a),
                          start.x * std::sin(a) + start.y * std::cos(a)};
            path.push_back(centre + r);
        }
    }
    path.push_back(c[n - 1].p);

    // Arc length uses the true bend length, not the chords'.
    double length = 0;
    for (std::size_t k = 0; k + 1 < n; ++k)
        length += std::hypot(c[k + 1].p.x - c[k].p.x, c[k + 1].p.y - c[k].p.y);
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const Point e0 = unit(c[k].p - c[k - 1].p);
        const Point e1 = unit(c[k + 1].p - c[k].p);
        const double turn = std::abs(std::atan2(cross(e0, e1), dot(e0, e1)));
        const double rho = c[k].radius;
        if (rho > 0) length -= 2 * rho * std::tan(turn / 2) - rho * turn;
    }
    out.length = length;
    out.It = length * t * t * t / 3;

    // Line-element integrals with linear interpolation along each chord.
    auto integrate = [&](auto&& f0, auto&& f1, auto&& g0, auto&& g1, double l) {
        return t * l / 6 * (2 * f0 * g0 + f0 * g1 + f1 * g0 + 2 * f1 * g1);
    };
    double A = 0, Sx = 0, Sy = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const Point a = path[i], b = path[i + 1];
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        A += t * l;
        Sy += t * l * (a.x + b.x) / 2;
        Sx += t * l * (a.y + b.y) / 2;
    }
    if (!(A > 0)) return out;
    const Point g{Sy / A, Sx / A};
    double Ixx = 0, Iyy = 0, Ixy = 0, Iwx = 0, Iwy = 0;
    std::vector<double> omega(path.size(), 0.0);
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        omega[i + 1] = omega[i] + cross(path[i] - g, path[i + 1] - path[i]);
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const Point a = path[i] - g, b = path[i + 1] - g;
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        Ixx += integrate(a.y, b.y, a.y, b.y, l);
        Iyy += integrate(a.x, b.x, a.x, b.x, l);
        Ixy += integrate(a.x, b.x, a.y, b.y, l);
        Iwx += integrate(omega[i], omega[i + 1], a.x, b.x, l);
        Iwy += integrate(omega[i], omega[i + 1], a.y, b.y, l);
    }
    const double D = Ixx * Iyy - Ixy * Ixy;
    if (!(D > 0)) return out;
    const double xs = (Iyy * Iwy - Ixy * Iwx) / D;
    const double ys = (Ixy * Iwy - Ixx * Iwx) / D;
    // Sectorial coordinate about the shear centre, then made to average zero.
    std::vector<double> ws(path.size());
    double mean = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Point p = path[i] - g;
        ws[i] = omega[i] - xs * p.y + ys * p.x;
    }
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const double l = std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y);
        mean += t * l * (ws[i] + ws[i + 1]) / 2;
    }
    mean /= A;
    double Iw = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const double l = std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y);
        Iw += integrate(ws[i] - mean, ws[i + 1] - mean, ws[i] - mean, ws[i + 1] - mean, l);
    }
    out.centroid = g;
    out.shearCentre = g + Point{xs, ys};
    out.Iw = Iw;
    out.ok = std::isfinite(Iw) && std::isfinite(xs) && std::isfinite(ys);
    return out;
}

} // namespace sections
