#pragma once

// Plane regions bounded by straight edges and circular arcs, and their area moments.
//
// A region is a closed polygon whose corners may be rounded: each corner carries a radius,
// and the rounded outline is the polygon through the arcs' tangent points plus (convex
// corner) or minus (concave corner) the circular segment between each arc and its chord.
// Polygon and segment moments are both closed form, so the result is exact for the outline.

#include <vector>

namespace sections {

struct Point {
    double x = 0;
    double y = 0;
};

inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double k) {
    return {a.x * k, a.y * k};
}
inline double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
// a scaled to length 1 (a zero vector stays zero).
Point unit(Point a);
// a turned a quarter counter-clockwise.
inline Point leftNormal(Point a) {
    return {-a.y, a.x};
}

// Area and first and second moments about the origin: A = ∫dA, Sx = ∫y dA, Sy = ∫x dA,
// Ixx = ∫y² dA, Iyy = ∫x² dA, Ixy = ∫xy dA.
struct Moments {
    double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0, Ixy = 0;
    Moments& operator+=(const Moments& o);
    Moments& operator-=(const Moments& o);
};

// Second moments about the centroid, and the principal ones.
struct CentralMoments {
    double A = 0;
    double cx = 0, cy = 0;            // centroid
    double Ixx = 0, Iyy = 0, Ixy = 0; // about axes through the centroid parallel to x, y
    double Imax = 0, Imin = 0;        // principal
    double angle = 0;                 // of the major principal axis to the x axis, radians
};

CentralMoments central(const Moments& m);

// Area and first moment S = ∫ s dA (s = dir·p) of a part of a region.
struct HalfMoments {
    double A = 0;
    double S = 0;
};

struct Corner {
    Point p;
    double radius = 0; // 0: sharp
};

class HalfPlaneCut;

class RoundedPolygon {
  public:
    // Corners in order around the outline, either sense. valid() is false when a corner's
    // arc does not fit on its edges, when an edge has no length, or the area is not positive.
    explicit RoundedPolygon(std::vector<Corner> corners);

    bool valid() const { return valid_; }
    const Moments& moments() const { return moments_; }

    // Largest dir·(p − origin) over the outline's points p (dir a unit vector).
    double extent(Point dir, Point origin) const;

    // The part of the region where dir·p ≥ c (dir a unit vector), exact: boundary integrals
    // A = ∮ x' ds and S = ∮ x' s ds in a frame turned so that s = dir·p, along the edges and
    // arcs on that side; the cut itself adds nothing, since ds = 0 along it.
    HalfMoments beyond(Point dir, double c) const;

  private:
    friend class HalfPlaneCut;
    struct Arc {
        Point centre;
        Point from; // tangent points, in the outline's counter-clockwise order
        Point to;
        double radius;
        double sweep; // > 0 convex (counter-clockwise), < 0 concave
    };
    std::vector<Point> points_; // the outline through the tangent points
    std::vector<Arc> arcs_;
    std::vector<int> arcFrom_; // per point: the arc starting there, or -1 (an edge starts)
    Moments moments_;
    bool valid_ = false;
};

// The outline's edges and arcs turned once so that s = dir·p is the second coordinate, for
// many cuts square to one direction (the bisection for the plastic neutral axis).
class HalfPlaneCut {
  public:
    HalfPlaneCut(const RoundedPolygon& shape, Point dir);
    // As RoundedPolygon::beyond; S only when firstMoment is set.
    HalfMoments beyond(double c, bool firstMoment = true) const;
    // The smallest and largest s over the outline.
    double low() const { return low_; }
    double high() const { return high_; }

  private:
    struct Edge {
        Point a, b;
    };
    struct Arc {
        Point m;
        double R, lo, hi, sense; // θ from lo to hi, sense −1 where the outline runs clockwise
        HalfMoments whole;
    };
    std::vector<Edge> edges_;
    std::vector<Arc> arcs_;
    double low_ = 0, high_ = 0;
};

// Plastic section modulus ∫|s − sp| dA of `outer` less `holes` (s = dir·p, dir a unit vector):
// the plastic neutral axis s = sp, square to dir, halves the area and is found by bisection
// on the area of one side. dir = (0, 1) gives the modulus for bending about an axis parallel
// to x. 0 when a region is not valid.
double plasticModulus(const RoundedPolygon& outer, const std::vector<const RoundedPolygon*>& holes,
                      Point dir);

} // namespace sections
