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

struct Corner {
    Point p;
    double radius = 0; // 0: sharp
};

class RoundedPolygon {
  public:
    // Corners in order around the outline, either sense. valid() is false when a corner's
    // arc does not fit on its edges, when an edge has no length, or the area is not positive.
    explicit RoundedPolygon(std::vector<Corner> corners);

    bool valid() const { return valid_; }
    const Moments& moments() const { return moments_; }

    // Largest dir·(p − origin) over the outline's points p (dir a unit vector).
    double extent(Point dir, Point origin) const;

  private:
    struct Arc {
        Point centre;
        Point from; // tangent points, in the outline's counter-clockwise order
        Point to;
        double radius;
        double sweep; // > 0 convex (counter-clockwise), < 0 concave
    };
    std::vector<Point> points_; // the outline through the tangent points
    std::vector<Arc> arcs_;
    Moments moments_;
    bool valid_ = false;
};

} // namespace sections
