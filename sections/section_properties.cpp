#include "sections/section_properties.h"

#include "sections/outline.h"
#include "sections/thin_walled.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sections {

const Property* find(const SectionResult& result, std::string_view symbol) {
    for (const Property& p : result.properties)
        if (p.symbol == symbol) return &p;
    return nullptr;
}

// The rules for values a row lacks. Where they come from is said beside each declaration.
double ibeamToeRadius(double r) {
    return r / 2.0;
}
double channelToeRadius(double r) {
    return r / 2.0;
}
double lightIBeamFlangeSlope() {
    return 0.12;
}
double angleToeRadius(double d) {
    return d / 3.0;
}
double lSectionToeRadius(double r) {
    return r / 2.0;
}
double coldFormedInnerRadius(double t) {
    return 2.0 * t;
}
double hollowCornerRadiusGbt6728(double t) {
    if (t <= 6) return 2.0 * t;
    if (t <= 10) return 2.5 * t;
    return 3.0 * t;
}
double hollowCornerRadiusGb50018(double t) {
    return 3.0 * t;
}
double coldDrawnTubeCornerRadius(double t) {
    return 1.5 * t;
}

namespace {

constexpr double pi = std::numbers::pi;

// Collects properties in the table's order, converting from mm to the printed units.
class Table {
  public:
    void area(const char* s, double mm2) { add(s, mm2 / 1e2, "cm²"); }
    void inertia(const char* s, double mm4) { add(s, mm4 / 1e4, "cm⁴"); }
    void modulus(const char* s, double mm3) { add(s, mm3 / 1e3, "cm³"); }
    void length(const char* s, double mm) { add(s, mm / 10, "cm"); }
    void warping(const char* s, double mm6) { add(s, mm6 / 1e6, "cm⁶"); }
    void ratio(const char* s, double v) { add(s, v, ""); }

    // ok only when every value is a finite number and no second moment, modulus or radius
    // came out negative or zero.
    SectionResult result() && {
        SectionResult r;
        if (!good_) return r;
        r.ok = true;
        r.properties = std::move(props_);
        return r;
    }

  private:
    void add(const char* s, double v, const char* unit) {
        if (!std::isfinite(v)) good_ = false;
        const std::string u(unit);
        if ((u == "cm²" || u == "cm⁴" || u == "cm³" || u == "cm⁶") && !(v > 0)) good_ = false;
        props_.push_back({s, v, unit});
    }
    std::vector<Property> props_;
    bool good_ = true;
};

bool positive(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return std::isfinite(v) && v > 0; });
}
bool radius(double r) {
    return std::isfinite(r) && r >= 0;
}
double orRule(double r, double rule) {
    return std::isnan(r) ? rule : r;
}

// Extreme fibre distances from the centroid and the modulus for both sides of an axis.
struct Fibres {
    double pos; // along +dir
    double neg; // along −dir
};
Fibres fibres(const RoundedPolygon& shape, Point dir, Point centroid) {
    return {shape.extent(dir, centroid), shape.extent({-dir.x, -dir.y}, centroid)};
}

// Plastic moduli of a solid outline for bending about axes parallel to x and to y.
double plasticX(const RoundedPolygon& shape) {
    return plasticModulus(shape, {}, {0, 1});
}
double plasticY(const RoundedPolygon& shape) {
    return plasticModulus(shape, {}, {1, 0});
}

// Doubly symmetric solid: I-beam, H, bars.
SectionResult symmetricSolid(const RoundedPolygon& shape) {
    if (!shape.valid()) return {};
    const CentralMoments c = central(shape.moments());
    const Point g{c.cx, c.cy};
    const double top = fibres(shape, {0, 1}, g).pos;
    const double side = fibres(shape, {1, 0}, g).pos;
    Table t;
    t.area("A", c.A);
    t.inertia("Ix", c.Ixx);
    t.inertia("Iy", c.Iyy);
    t.length("ix", std::sqrt(c.Ixx / c.A));
    t.length("iy", std::sqrt(c.Iyy / c.A));
    t.modulus("Wx", c.Ixx / top);
    t.modulus("Wy", c.Iyy / side);
    t.modulus("Wpx", plasticX(shape));
    t.modulus("Wpy", plasticY(shape));
    return std::move(t).result();
}

std::vector<Corner> rect(double x0, double y0, double x1, double y1, double r) {
    return {{{x0, y0}, r}, {{x1, y0}, r}, {{x1, y1}, r}, {{x0, y1}, r}};
}

// Saint-Venant torsion of a solid rectangle a × b (series), It and Wt in mm⁴, mm³.
void rectangleTorsion(double a, double b, double& It, double& Wt) {
    const double l = std::max(a, b);
    const double s = std::min(a, b);
    double sumT = 0, sumS = 0;
    for (int n = 1; n < 200; n += 2) {
        const double k = n * pi * l / (2 * s);
        sumT += std::tanh(k) / std::pow(n, 5);
        sumS += k > 700 ? 0 : 1 / (double(n) * n * std::cosh(k));
    }
    It = l * s * s * s / 3 * (1 - 192 / std::pow(pi, 5) * (s / l) * sumT);
    Wt = It / (s * (1 - 8 / (pi * pi) * sumS));
}

// Angle with legs along +x (length b, thickness tb, toe arc rb) and +y (length B, thickness tB,
// toe arc rB), heel at the origin: the general L that equal, unequal and GB/T 706 L-sections
// share.
RoundedPolygon angleOutline(double B, double b, double tB, double tb, double r, double rb,
                            double rB) {
    return RoundedPolygon(
        {{{0, 0}, 0}, {{b, 0}, 0}, {{b, tb}, rb}, {{tB, tb}, r}, {{tB, B}, rB}, {{0, B}, 0}});
}

// Moduli about a principal axis: the smaller one (farthest fibre).
double principalModulus(const RoundedPolygon& shape, Point acrossAxis, Point g, double I) {
    const Fibres f = fibres(shape, acrossAxis, g);
    return I / std::max(f.pos, f.neg);
}

struct AngleAxes {
    CentralMoments c;
    Point g;
    Point u, v;    // unit directions of the major and minor principal axes
    double Wu, Wv; // with the farthest fibre
};
AngleAxes angleAxes(const RoundedPolygon& shape) {
    AngleAxes a;
    a.c = central(shape.moments());
    a.g = {a.c.cx, a.c.cy};
    a.u = {std::cos(a.c.angle), std::sin(a.c.angle)};
    a.v = {-a.u.y, a.u.x};
    // About the u axis the fibre distance runs along v, and the other way round.
    a.Wu = principalModulus(shape, a.v, a.g, a.c.Imax);
    a.Wv = principalModulus(shape, a.u, a.g, a.c.Imin);
    return a;
}

SectionResult angleResult(const RoundedPolygon& shape, bool equalLegs) {
    if (!shape.valid()) return {};
    const AngleAxes a = angleAxes(shape);
    const CentralMoments& c = a.c;
    const Fibres fy = fibres(shape, {0, 1}, a.g);
    const Fibres fx = fibres(shape, {1, 0}, a.g);
    Table t;
    t.area("A", c.A);
    if (equalLegs) {
        // GB/T 706 order: Ix Ix1 Ix0 Iy0, ix ix0 iy0, Wx Wx0 Wy0, z0 (x0, y0 here u, v).
        t.inertia("Ix", c.Ixx);
        t.inertia("Ix1", c.Ixx + c.A * c.cy * c.cy);
        t.inertia("Iu", c.Imax);
        t.inertia("Iv", c.Imin);
        t.length("ix", std::sqrt(c.Ixx / c.A));
        t.length("iu", std::sqrt(c.Imax / c.A));
        t.length("iv", std::sqrt(c.Imin / c.A));
        t.modulus("Wxmax", c.Ixx / fy.neg);
        t.modulus("Wxmin", c.Ixx / fy.pos);
        t.modulus("Wu", a.Wu);
        t.modulus("Wv", a.Wv);
        t.length("z0", c.cy);
        t.modulus("Wpx", plasticX(shape)); // Wpy is the same by symmetry
    } else {
        // GB/T 706 order: Ix Ix1 Iy Iy1 Iu, ix iy iu, Wx Wy Wu, tan α, x0 y0.
        t.inertia("Ix", c.Ixx);
        t.inertia("Ix1", c.Ixx + c.A * c.cy * c.cy);
        t.inertia("Iy", c.Iyy);
        t.inertia("Iy1", c.Iyy + c.A * c.cx * c.cx);
        t.inertia("Iu", c.Imax);
        t.inertia("Iv", c.Imin);
        t.length("ix", std::sqrt(c.Ixx / c.A));
        t.length("iy", std::sqrt(c.Iyy / c.A));
        t.length("iu", std::sqrt(c.Imax / c.A));
        t.length("iv", std::sqrt(c.Imin / c.A));
        t.modulus("Wxmax", c.Ixx / fy.neg);
        t.modulus("Wxmin", c.Ixx / fy.pos);
        t.modulus("Wymax", c.Iyy / fx.neg);
        t.modulus("Wymin", c.Iyy / fx.pos);
        t.modulus("Wu", a.Wu);
        t.modulus("Wv", a.Wv);
        // The minor axis' slope to the long leg (y), as GB/T 706 prints tan α.
        t.ratio("tanα", std::abs(a.v.x / a.v.y));
        t.length("x0", c.cx);
        t.length("y0", c.cy);
        t.modulus("Wpx", plasticX(shape));
        t.modulus("Wpy", plasticY(shape));
    }
    return std::move(t).result();
}

// Rounded rectangle (outer radius R) less the inner one (radius R − t), both centred.
struct Hollow {
    RoundedPolygon outer, inner;
    bool valid() const { return outer.valid() && inner.valid(); }
    Moments moments() const {
        Moments m = outer.moments();
        m -= inner.moments();
        return m;
    }
    double plastic(Point dir) const { return plasticModulus(outer, {&inner}, dir); }
};
Hollow hollowRectangle(double H, double B, double t, double R) {
    return {
        RoundedPolygon(rect(-B / 2, -H / 2, B / 2, H / 2, R)),
        RoundedPolygon(rect(-B / 2 + t, -H / 2 + t, B / 2 - t, H / 2 - t, std::max(R - t, 0.0)))};
}

// Bredt's thin-wall torsion of a closed wall of thickness t around a mean line of length p
// enclosing the area Ah, with the open-wall term t³p/3, as GB/T 6728 prints It and Wt.
void bredt(double t, double p, double Ah, double& It, double& Wt) {
    const double K = 2 * Ah * t / p;
    It = t * t * t * p / 3 + 2 * K * Ah;
    Wt = It / (t + K / t);
}

// The properties of a closed section symmetric about both axes, with its extreme fibres at
// h/2 and b/2 and its torsion constants; a square one prints I, i, W, Wp without axis.
SectionResult closedSectionResult(const Hollow& shape, double h, double b, double It, double Wt,
                                  bool square) {
    const CentralMoments c = central(shape.moments());
    Table tb;
    tb.area("A", c.A);
    if (square) {
        tb.inertia("I", c.Ixx);
        tb.length("i", std::sqrt(c.Ixx / c.A));
        tb.modulus("W", c.Ixx / (h / 2));
    } else {
        tb.inertia("Ix", c.Ixx);
        tb.inertia("Iy", c.Iyy);
        tb.length("ix", std::sqrt(c.Ixx / c.A));
        tb.length("iy", std::sqrt(c.Iyy / c.A));
        tb.modulus("Wx", c.Ixx / (h / 2));
        tb.modulus("Wy", c.Iyy / (b / 2));
    }
    tb.inertia("It", It);
    tb.modulus("Wt", Wt);
    if (square) {
        tb.modulus("Wp", shape.plastic({0, 1}));
    } else {
        tb.modulus("Wpx", shape.plastic({0, 1}));
        tb.modulus("Wpy", shape.plastic({1, 0}));
    }
    return std::move(tb).result();
}

SectionResult closedRectangle(double H, double B, double t, double R) {
    const Hollow shape = hollowRectangle(H, B, t, R);
    if (!shape.valid()) return {};
    const double Rm = std::max(R - t / 2, 0.0);
    const double p = 2 * (H - t + B - t) - 2 * Rm * (4 - pi);
    const double Ah = (H - t) * (B - t) - Rm * Rm * (4 - pi);
    double It = 0, Wt = 0;
    bredt(t, p, Ah, It, Wt);
    return closedSectionResult(shape, H, B, It, Wt, H == B);
}

// Shared by the cold-formed shapes: the strip's outline and its thin-wall constants.
struct Cold {
    RoundedPolygon shape;
    ThinWall wall;
    CentralMoments c;
    Point g;
};
Cold cold(const CentreLine& line) {
    Cold k{stripOutline(line), thinWall(line), {}, {}};
    k.c = central(k.shape.moments());
    k.g = {k.c.cx, k.c.cy};
    return k;
}

CentreLine bent(std::vector<Point> pts, double t) {
    CentreLine line;
    line.t = t;
    const double rho = coldFormedInnerRadius(t) + t / 2;
    for (std::size_t k = 0; k < pts.size(); ++k)
        line.corners.push_back({pts[k], (k == 0 || k + 1 == pts.size()) ? 0.0 : rho});
    return line;
}

// Channel or lipped channel: web on the y axis (centre line), flanges towards +x.
SectionResult coldChannelResult(const CentreLine& line, double b, double t) {
    const Cold k = cold(line);
    if (!k.shape.valid() || !k.wall.ok) return {};
    const CentralMoments& c = k.c;
    const double x0 = c.cx + t / 2; // from the web's outer face
    const Fibres fy = fibres(k.shape, {0, 1}, k.g);
    Table tb;
    tb.area("A", c.A);
    tb.length("x0", x0);
    tb.inertia("Ix", c.Ixx);
    tb.length("ix", std::sqrt(c.Ixx / c.A));
    tb.modulus("Wx", c.Ixx / std::max(fy.pos, fy.neg));
    tb.inertia("Iy", c.Iyy);
    tb.length("iy", std::sqrt(c.Iyy / c.A));
    tb.modulus("Wymax", c.Iyy / x0);
    tb.modulus("Wymin", c.Iyy / (b - x0));
    tb.inertia("Iy1", c.Iyy + c.A * x0 * x0);
    // e0: from the centroid to the shear centre, which lies behind the web.
    tb.length("e0", k.wall.centroid.x - k.wall.shearCentre.x);
    tb.inertia("It", k.wall.It);
    tb.warping("Iw", k.wall.Iw);
    tb.modulus("Wpx", plasticX(k.shape));
    tb.modulus("Wpy", plasticY(k.shape));
    return std::move(tb).result();
}

// Equal-leg angle or lipped angle: corner at the origin, legs along +x and +y.
SectionResult coldAngleResult(const CentreLine& line, double t, bool warping) {
    const Cold k = cold(line);
    if (!k.shape.valid() || !k.wall.ok) return {};
    const CentralMoments& c = k.c;
    const AngleAxes a = angleAxes(k.shape);
    const double y0 = c.cy + t / 2; // from the outer face of the leg along x
    const Fibres fy = fibres(k.shape, {0, 1}, k.g);
    Table tb;
    tb.area("A", c.A);
    tb.length("y0", y0);
    tb.inertia("Ix", c.Ixx);
    tb.length("ix", std::sqrt(c.Ixx / c.A));
    tb.modulus("Wxmax", c.Ixx / fy.neg);
    tb.modulus("Wxmin", c.Ixx / fy.pos);
    tb.inertia("Iu", c.Imax);
    tb.length("iu", std::sqrt(c.Imax / c.A));
    tb.modulus("Wu", a.Wu);
    tb.inertia("Iv", c.Imin);
    tb.length("iv", std::sqrt(c.Imin / c.A));
    tb.modulus("Wv", a.Wv);
    tb.inertia("Ix1", c.Ixx + c.A * y0 * y0);
    // A plain angle's shear centre is where its legs' centre lines meet (the thin-wall
    // result for two straight legs, which GB 50018 prints); a lipped one's is computed.
    const Point sc = warping ? k.wall.shearCentre : Point{0, 0};
    const Point from = warping ? k.wall.centroid : k.g;
    tb.length("e0", std::hypot(sc.x - from.x, sc.y - from.y));
    tb.inertia("It", k.wall.It);
    if (warping) tb.warping("Iw", k.wall.Iw);
    tb.modulus("Wpx", plasticX(k.shape)); // Wpy is the same by symmetry
    return std::move(tb).result();
}

// Z sections: web on the y axis, point-symmetric about the origin.
SectionResult coldZResult(const CentreLine& line) {
    const Cold k = cold(line);
    if (!k.shape.valid() || !k.wall.ok) return {};
    const CentralMoments& c = k.c;
    const AngleAxes a = angleAxes(k.shape);
    const Fibres fy = fibres(k.shape, {0, 1}, k.g);
    const Fibres fx = fibres(k.shape, {1, 0}, k.g);
    Table tb;
    tb.area("A", c.A);
    tb.ratio("tanα", std::abs(std::tan(c.angle)));
    tb.inertia("Ix", c.Ixx);
    tb.length("ix", std::sqrt(c.Ixx / c.A));
    tb.modulus("Wx", c.Ixx / std::max(fy.pos, fy.neg));
    tb.inertia("Iy", c.Iyy);
    tb.length("iy", std::sqrt(c.Iyy / c.A));
    tb.modulus("Wy", c.Iyy / std::max(fx.pos, fx.neg));
    tb.inertia("Iu", c.Imax);
    tb.length("iu", std::sqrt(c.Imax / c.A));
    tb.modulus("Wu", a.Wu);
    tb.inertia("Iv", c.Imin);
    tb.length("iv", std::sqrt(c.Imin / c.A));
    tb.modulus("Wv", a.Wv);
    tb.inertia("Ixy", std::abs(c.Ixy));
    tb.inertia("It", k.wall.It);
    tb.warping("Iw", k.wall.Iw);
    tb.modulus("Wpx", plasticX(k.shape));
    tb.modulus("Wpy", plasticY(k.shape));
    return std::move(tb).result();
}

} // namespace

namespace {
// I-beam whose inner flange faces fall 1 in `slope` from web to toe.
SectionResult slopedIBeam(double h, double b, double d, double t, double r, double r1,
                          double slope) {
    if (!positive({h, b, d, t}) || !radius(r) || !radius(r1) || d >= b) return {};
    // The mean flange thickness t is taken halfway along the outstand.
    const double toe = t - (b - d) / 4 / slope;
    const double root = t + (b - d) / 4 / slope;
    if (!(toe > 0) || 2 * root >= h) return {};
    const double x = b / 2, w = d / 2, y = h / 2;
    return symmetricSolid(RoundedPolygon({{{-x, -y}, 0},
                                          {{x, -y}, 0},
                                          {{x, -y + toe}, r1},
                                          {{w, -y + root}, r},
                                          {{w, y - root}, r},
                                          {{x, y - toe}, r1},
                                          {{x, y}, 0},
                                          {{-x, y}, 0},
                                          {{-x, y - toe}, r1},
                                          {{-w, y - root}, r},
                                          {{-w, -y + root}, r},
                                          {{-x, -y + toe}, r1}}));
}
} // namespace

SectionResult rolledIBeam(double h, double b, double d, double t, double r, double r1) {
    return slopedIBeam(h, b, d, t, r, orRule(r1, ibeamToeRadius(r)), 6.0);
}

SectionResult lightIBeam(double h, double b, double d, double t, double r, double r1) {
    return slopedIBeam(h, b, d, t, r, orRule(r1, ibeamToeRadius(r)), 1 / lightIBeamFlangeSlope());
}

SectionResult rolledChannel(double h, double b, double d, double t, double r, double r1) {
    r1 = orRule(r1, channelToeRadius(r));
    if (!positive({h, b, d, t}) || !radius(r) || !radius(r1) || d >= b) return {};
    // Mean flange thickness halfway along the outstand; the inner faces slope 1:10.
    const double toe = t - (b - d) / 2 / 10;
    const double root = t + (b - d) / 2 / 10;
    if (!(toe > 0) || 2 * root >= h) return {};
    const double y = h / 2;
    const RoundedPolygon shape({{{0, -y}, 0},
                                {{b, -y}, 0},
                                {{b, -y + toe}, r1},
                                {{d, -y + root}, r},
                                {{d, y - root}, r},
                                {{b, y - toe}, r1},
                                {{b, y}, 0},
                                {{0, y}, 0}});
    if (!shape.valid()) return {};
    const CentralMoments c = central(shape.moments());
    const double z0 = c.cx;
    Table tb;
    tb.area("A", c.A);
    tb.inertia("Ix", c.Ixx);
    tb.inertia("Iy", c.Iyy);
    tb.inertia("Iy1", c.Iyy + c.A * z0 * z0);
    tb.length("ix", std::sqrt(c.Ixx / c.A));
    tb.length("iy", std::sqrt(c.Iyy / c.A));
    tb.modulus("Wx", c.Ixx / y);
    tb.modulus("Wymax", c.Iyy / z0);
    tb.modulus("Wymin", c.Iyy / (b - z0));
    tb.length("z0", z0);
    tb.modulus("Wpx", plasticX(shape));
    tb.modulus("Wpy", plasticY(shape));
    return std::move(tb).result();
}

SectionResult equalAngle(double b, double d, double r, double r1) {
    r1 = orRule(r1, angleToeRadius(d));
    if (!positive({b, d}) || !radius(r) || !radius(r1) || d >= b) return {};
    return angleResult(angleOutline(b, b, d, d, r, r1, r1), true);
}

SectionResult unequalAngle(double B, double b, double d, double r, double r1) {
    r1 = orRule(r1, angleToeRadius(d));
    if (!positive({B, b, d}) || !radius(r) || !radius(r1) || d >= b || b > B) return {};
    return angleResult(angleOutline(B, b, d, d, r, r1, r1), false);
}

SectionResult lSection(double B, double b, double D, double d, double r, double r1) {
    r1 = orRule(r1, lSectionToeRadius(r));
    if (!positive({B, b, D, d}) || !radius(r) || !radius(r1) || D >= b || d >= B) return {};
    // One toe arc, at the flange's toe; the web's end is square.
    return angleResult(angleOutline(B, b, D, d, r, r1, 0), false);
}

SectionResult hSection(double H, double B, double t1, double t2, double r) {
    if (!positive({H, B, t1, t2}) || !radius(r) || t1 >= B || 2 * t2 >= H) return {};
    const double x = B / 2, w = t1 / 2, y = H / 2;
    return symmetricSolid(RoundedPolygon({{{-x, -y}, 0},
                                          {{x, -y}, 0},
                                          {{x, -y + t2}, 0},
                                          {{w, -y + t2}, r},
                                          {{w, y - t2}, r},
                                          {{x, y - t2}, 0},
                                          {{x, y}, 0},
                                          {{-x, y}, 0},
                                          {{-x, y - t2}, 0},
                                          {{-w, y - t2}, r},
                                          {{-w, -y + t2}, r},
                                          {{-x, -y + t2}, 0}}));
}

SectionResult tSection(double h, double B, double t1, double t2, double r) {
    if (!positive({h, B, t1, t2}) || !radius(r) || t1 >= B || t2 >= h) return {};
    const double x = B / 2, w = t1 / 2;
    const RoundedPolygon shape({{{-w, 0}, 0},
                                {{w, 0}, 0},
                                {{w, h - t2}, r},
                                {{x, h - t2}, 0},
                                {{x, h}, 0},
                                {{-x, h}, 0},
                                {{-x, h - t2}, 0},
                                {{-w, h - t2}, r}});
    if (!shape.valid()) return {};
    const CentralMoments c = central(shape.moments());
    const double Cx = h - c.cy; // from the flange's outer face
    Table tb;
    tb.area("A", c.A);
    tb.inertia("Ix", c.Ixx);
    tb.inertia("Iy", c.Iyy);
    tb.length("ix", std::sqrt(c.Ixx / c.A));
    tb.length("iy", std::sqrt(c.Iyy / c.A));
    tb.modulus("Wxmax", c.Ixx / Cx);
    tb.modulus("Wxmin", c.Ixx / c.cy);
    tb.modulus("Wy", c.Iyy / x);
    tb.length("Cx", Cx);
    tb.modulus("Wpx", plasticX(shape));
    tb.modulus("Wpy", plasticY(shape));
    return std::move(tb).result();
}

SectionResult roundTube(double D, double t) {
    if (!positive({D, t}) || 2 * t >= D) return {};
    const double d = D - 2 * t;
    const double A = pi / 4 * (D * D - d * d);
    const double I = pi / 64 * (D * D * D * D - d * d * d * d);
    Table tb;
    tb.area("A", A);
    tb.inertia("I", I);
    tb.modulus("W", I / (D / 2));
    tb.length("i", std::sqrt(I / A));
    tb.inertia("It", 2 * I);
    tb.modulus("Wt", 2 * I / (D / 2));
    tb.modulus("Wp", (D * D * D - d * d * d) / 6);
    return std::move(tb).result();
}

SectionResult rectangularTube(double H, double B, double t, double R) {
    R = orRule(R, hollowCornerRadiusGbt6728(t));
    if (!positive({H, B, t}) || !radius(R) || 2 * t >= std::min(H, B) || 2 * R > std::min(H, B))
        return {};
    return closedRectangle(H, B, t, R);
}

SectionResult flatOvalTube(double A, double B, double t) {
    if (!positive({A, B, t}) || A < B || 2 * t >= B) return {};
    // A stadium is a rounded rectangle whose corner radius is half its height.
    const Hollow shape = hollowRectangle(B, A, t, B / 2);
    if (!shape.valid()) return {};
    const double p = 2 * (A - B) + pi * (B - t);
    const double Ah = (A - B) * (B - t) + pi * (B - t) * (B - t) / 4;
    double It = 0, Wt = 0;
    bredt(t, p, Ah, It, Wt);
    return closedSectionResult(shape, B, A, It, Wt, false);
}

SectionResult roundBar(double d) {
    if (!positive({d})) return {};
    const double A = pi * d * d / 4;
    const double I = pi * d * d * d * d / 64;
    Table tb;
    tb.area("A", A);
    tb.inertia("I", I);
    tb.modulus("W", I / (d / 2));
    tb.length("i", d / 4);
    tb.inertia("It", 2 * I);
    tb.modulus("Wt", 2 * I / (d / 2));
    tb.modulus("Wp", d * d * d / 6);
    return std::move(tb).result();
}

SectionResult squareBar(double a) {
    if (!positive({a})) return {};
    double It = 0, Wt = 0;
    rectangleTorsion(a, a, It, Wt);
    const double I = a * a * a * a / 12;
    Table tb;
    tb.area("A", a * a);
    tb.inertia("I", I);
    tb.modulus("W", I / (a / 2));
    tb.length("i", a / std::sqrt(12.0));
    tb.inertia("It", It);
    tb.modulus("Wt", Wt);
    tb.modulus("Wp", a * a * a / 4);
    return std::move(tb).result();
}

namespace {
// Regular n-gon with flats at y = ±s/2.
SectionResult regularBar(double s, int n) {
    if (!positive({s})) return {};
    const double R = s / 2 / std::cos(pi / n);
    std::vector<Corner> corners;
    const double start = n == 6 ? 0.0 : pi / n;
    for (int k = 0; k < n; ++k) {
        const double a = start + 2 * pi * k / n;
        corners.push_back({{R * std::cos(a), R * std::sin(a)}, 0});
    }
    const RoundedPolygon shape(std::move(corners));
    if (!shape.valid()) return {};
    const CentralMoments c = central(shape.moments());
    Table tb;
    tb.area("A", c.A);
    tb.inertia("I", c.Ixx);
    if (n == 6) {
        tb.modulus("Wx", c.Ixx / (s / 2)); // about the axis parallel to two flats
        tb.modulus("Wy", c.Iyy / shape.extent({1, 0}, {0, 0}));
    } else {
        tb.modulus("W", c.Ixx / (s / 2));
    }
    tb.length("i", std::sqrt(c.Ixx / c.A));
    if (n == 6) {
        tb.modulus("Wpx", plasticX(shape));
        tb.modulus("Wpy", plasticY(shape));
    } else {
        tb.modulus("Wp", plasticX(shape));
    }
    return std::move(tb).result();
}
} // namespace

SectionResult hexagonBar(double s) {
    return regularBar(s, 6);
}
SectionResult octagonBar(double s) {
    return regularBar(s, 8);
}

SectionResult flatBar(double b, double t) {
    if (!positive({b, t})) return {};
    double It = 0, Wt = 0;
    rectangleTorsion(b, t, It, Wt);
    const double A = b * t;
    const double Ix = b * t * t * t / 12;
    const double Iy = t * b * b * b / 12;
    Table tb;
    tb.area("A", A);
    tb.inertia("Ix", Ix);
    tb.inertia("Iy", Iy);
    tb.modulus("Wx", Ix / (t / 2));
    tb.modulus("Wy", Iy / (b / 2));
    tb.length("ix", std::sqrt(Ix / A));
    tb.length("iy", std::sqrt(Iy / A));
    tb.inertia("It", It);
    tb.modulus("Wt", Wt);
    tb.modulus("Wpx", b * t * t / 4);
    tb.modulus("Wpy", t * b * b / 4);
    return std::move(tb).result();
}

SectionResult coldChannel(double h, double b, double t) {
    if (!positive({h, b, t}) || 2 * t >= h || t >= b) return {};
    const double y = (h - t) / 2, x = b - t / 2;
    return coldChannelResult(bent({{x, -y}, {0, -y}, {0, y}, {x, y}}, t), b, t);
}

SectionResult coldLippedChannel(double h, double b, double a, double t) {
    if (!positive({h, b, a, t}) || 2 * t >= h || t >= b || t >= a || 2 * a >= h) return {};
    // b and a are outer dimensions: the lips' centre line lies t/2 inside the outer face.
    const double y = (h - t) / 2, x = b - t, l = a - t / 2;
    return coldChannelResult(bent({{x, -y + l}, {x, -y}, {0, -y}, {0, y}, {x, y}, {x, y - l}}, t),
                             b, t);
}

SectionResult coldEqualAngle(double b, double t) {
    if (!positive({b, t}) || t >= b) return {};
    const double x = b - t / 2;
    return coldAngleResult(bent({{x, 0}, {0, 0}, {0, x}}, t), t, false);
}

SectionResult coldLippedEqualAngle(double b, double a, double t) {
    if (!positive({b, a, t}) || t >= b || t >= a || a >= b) return {};
    const double x = b - t, l = a - t / 2;
    return coldAngleResult(bent({{l, x}, {0, x}, {0, 0}, {x, 0}, {x, l}}, t), t, true);
}

SectionResult coldLippedZ(double h, double b, double a, double t) {
    if (!positive({h, b, a, t}) || 2 * t >= h || t >= b || t >= a || 2 * a >= h) return {};
    const double y = (h - t) / 2, x = b - t, l = a - t / 2;
    return coldZResult(bent({{-x, -y + l}, {-x, -y}, {0, -y}, {0, y}, {x, y}, {x, y - l}}, t));
}

SectionResult coldSlopedLippedZ(double h, double b, double a, double t) {
    if (!positive({h, b, a, t}) || 2 * t >= h || t >= b || t >= a || 2 * a >= h) return {};
    // The lips turn 45° off the flanges. b and a run to the outer faces' corner, which lies
    // (t/2)·tan 22.5° beyond the centre lines' corner along the flange and short of it
    // along the lip.
    const double k = t / 2 * std::tan(std::numbers::pi / 8);
    const double y = (h - t) / 2, x = b - t / 2 - k, l = a - k;
    const double s = l / std::sqrt(2.0);
    return coldZResult(
        bent({{-x - s, -y + s}, {-x, -y}, {0, -y}, {0, y}, {x, y}, {x + s, y - s}}, t));
}

} // namespace sections
