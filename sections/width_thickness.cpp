#include "sections/width_thickness.h"

#include "sections/section_properties.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>

namespace sections {

namespace {

constexpr double noLimit = std::numeric_limits<double>::quiet_NaN();

// One cell of the table: limit = (a + b·α0^c)·εk^p; a = noLimit where the table prints "-".
struct Limit {
    double a, b, c;
    int p;
};

enum class Member { Column, Beam };
enum class Row { HFlange, HWeb, BoxFlange, Tube };

struct TableRow {
    Member member;
    Row row;
    Limit grade[5]; // S1 … S5
};

// GB 50017-2017 表 3.5.1, transcribed from gb50017-2017_table3.5.1_limit_coefficients.csv
// (PROVENANCE-gb50017.md: the flattened exponents α0^1.3 … and εk² read as powers).
const TableRow table351[] = {
    // 压弯构件(框架柱), H形截面, 翼缘 b/t: 9εk, 11εk, 13εk, 15εk, 20
    {Member::Column,
     Row::HFlange,
     {{9, 0, 0, 1}, {11, 0, 0, 1}, {13, 0, 0, 1}, {15, 0, 0, 1}, {20, 0, 0, 0}}},
    // 压弯构件(框架柱), H形截面, 腹板 h0/tw: (33+13α0^1.3)εk … (45+25α0^1.66)εk, 250
    {Member::Column,
     Row::HWeb,
     {{33, 13, 1.3, 1}, {38, 13, 1.39, 1}, {40, 18, 1.5, 1}, {45, 25, 1.66, 1}, {250, 0, 0, 0}}},
    // 压弯构件(框架柱), 箱形截面, 壁板(腹板)间翼缘 b0/t: 30εk, 35εk, 40εk, 45εk, -
    {Member::Column,
     Row::BoxFlange,
     {{30, 0, 0, 1}, {35, 0, 0, 1}, {40, 0, 0, 1}, {45, 0, 0, 1}, {noLimit, 0, 0, 0}}},
    // 压弯构件(框架柱), 圆钢管截面, 径厚比 D/t: 50εk², 70εk², 90εk², 100εk², -
    {Member::Column,
     Row::Tube,
     {{50, 0, 0, 2}, {70, 0, 0, 2}, {90, 0, 0, 2}, {100, 0, 0, 2}, {noLimit, 0, 0, 0}}},
    // 受弯构件(梁), 工字形截面, 翼缘 b/t: 9εk, 11εk, 13εk, 15εk, 20
    {Member::Beam,
     Row::HFlange,
     {{9, 0, 0, 1}, {11, 0, 0, 1}, {13, 0, 0, 1}, {15, 0, 0, 1}, {20, 0, 0, 0}}},
    // 受弯构件(梁), 工字形截面, 腹板 h0/tw: 65εk, 72εk, 93εk, 124εk, 250
    {Member::Beam,
     Row::HWeb,
     {{65, 0, 0, 1}, {72, 0, 0, 1}, {93, 0, 0, 1}, {124, 0, 0, 1}, {250, 0, 0, 0}}},
    // 受弯构件(梁), 箱形截面, 壁板(腹板)间翼缘 b0/t: 25εk, 32εk, 37εk, 42εk, -
    {Member::Beam,
     Row::BoxFlange,
     {{25, 0, 0, 1}, {32, 0, 0, 1}, {37, 0, 0, 1}, {42, 0, 0, 1}, {noLimit, 0, 0, 0}}},
};

const TableRow& rowOf(Member member, Row row) {
    for (const TableRow& r : table351)
        if (r.member == member && r.row == row) return r;
    return table351[0]; // every (member, row) asked for below is in the table
}

double limitOf(const Limit& l, double eps, double alpha0) {
    return (l.a + l.b * std::pow(alpha0, l.c)) * std::pow(eps, l.p);
}

struct Check {
    Plate plate;
    double ratio;
    const TableRow& row;
};

WidthThicknessGrade gradeOf(std::initializer_list<Check> checks, double eps, double alpha0) {
    WidthThicknessGrade worst;
    double worstKey = 0;
    for (const Check& c : checks) {
        WidthThicknessGrade g{true, 6, c.plate, c.ratio, 0};
        for (int k = 0; k < 5; ++k) {
            const Limit& l = c.row.grade[k];
            if (std::isnan(l.a)) {
                g.grade = k + 1;
                g.limit = std::numeric_limits<double>::infinity();
                break;
            }
            g.limit = limitOf(l, eps, alpha0);
            if (c.ratio <= g.limit) {
                g.grade = k + 1;
                break;
            }
        }
        const double key = c.ratio / limitOf(c.row.grade[0], eps, alpha0);
        if (!worst.covered || g.grade > worst.grade || (g.grade == worst.grade && key > worstKey)) {
            worst = g;
            worstKey = key;
        }
    }
    return worst;
}

bool positive(std::initializer_list<double> values) {
    for (double v : values)
        if (!(std::isfinite(v) && v > 0)) return false;
    return true;
}

// I-beam whose inner flange faces fall 1 in `slope` from web to toe, as section_properties
// models it: the mean thickness t halfway along the outstand.
SectionPlates slopedIPlates(double h, double b, double d, double t, double r, double slope) {
    if (!positive({h, b, d, t}) || !(std::isfinite(r) && r >= 0) || d >= b) return {};
    const double root = t + (b - d) / 4 / slope;
    // The fillet turns from the sloping flange face to the web: 90° less the slope's angle.
    const double turn = std::numbers::pi / 2 - std::atan(1 / slope);
    const double h0 = h - 2 * root - 2 * r * std::tan(turn / 2);
    if (!(t - (b - d) / 4 / slope > 0) || !(h0 > 0)) return {};
    return {SectionPlates::Kind::IShape, (b - d) / 2, t, h0, d};
}

// Plates a caller filled in: every length the kind uses finite and positive.
bool measurable(const SectionPlates& p) {
    if (p.kind == SectionPlates::Kind::RoundTube)
        return positive({p.flangeWidth, p.flangeThickness});
    return positive({p.flangeWidth, p.flangeThickness, p.webDepth, p.webThickness});
}

} // namespace

double epsilonK(SteelGrade grade) {
    // The yield number in each grade's name, GB 50017-2017 表 4.4.1.
    switch (grade) {
    case SteelGrade::Q235:
        return 1.0;
    case SteelGrade::Q345:
        return std::sqrt(235.0 / 345);
    case SteelGrade::Q390:
        return std::sqrt(235.0 / 390);
    case SteelGrade::Q420:
        return std::sqrt(235.0 / 420);
    case SteelGrade::Q460:
        return std::sqrt(235.0 / 460);
    }
    return 1.0;
}

SectionPlates rolledIBeamPlates(double h, double b, double d, double t, double r) {
    return slopedIPlates(h, b, d, t, r, 6.0);
}

SectionPlates lightIBeamPlates(double h, double b, double d, double t, double r) {
    return slopedIPlates(h, b, d, t, r, 1 / lightIBeamFlangeSlope());
}

SectionPlates hSectionPlates(double H, double B, double t1, double t2, double r) {
    if (!positive({H, B, t1, t2}) || !(std::isfinite(r) && r >= 0) || t1 >= B) return {};
    const double h0 = H - 2 * t2 - 2 * r;
    if (!(h0 > 0) || 2 * r > B - t1) return {};
    return {SectionPlates::Kind::IShape, (B - t1) / 2, t2, h0, t1};
}

SectionPlates boxPlates(double H, double B, double t) {
    if (!positive({H, B, t}) || 2 * t >= H || 2 * t >= B) return {};
    return {SectionPlates::Kind::Box, B - 2 * t, t, H - 2 * t, t};
}

SectionPlates roundTubePlates(double D, double t) {
    if (!positive({D, t}) || 2 * t >= D) return {};
    return {SectionPlates::Kind::RoundTube, D, t, 0, 0};
}

WidthThicknessGrade beamGrade(const SectionPlates& p, SteelGrade steel) {
    if (!measurable(p)) return {};
    const double eps = epsilonK(steel);
    const double flange = p.flangeWidth / p.flangeThickness;
    const double web = p.webDepth / p.webThickness;
    // α0 does not enter the beam rows.
    switch (p.kind) {
    case SectionPlates::Kind::IShape:
        return gradeOf({{Plate::Flange, flange, rowOf(Member::Beam, Row::HFlange)},
                        {Plate::Web, web, rowOf(Member::Beam, Row::HWeb)}},
                       eps, 2);
    case SectionPlates::Kind::Box:
        // Note 3: a box beam's web takes the H-section web limits.
        return gradeOf({{Plate::Flange, flange, rowOf(Member::Beam, Row::BoxFlange)},
                        {Plate::Web, web, rowOf(Member::Beam, Row::HWeb)}},
                       eps, 2);
    case SectionPlates::Kind::RoundTube: // no beam row for round tubes
    case SectionPlates::Kind::NotCovered:
        break;
    }
    return {};
}

WidthThicknessGrade beamColumnGrade(const SectionPlates& p, SteelGrade steel, double alpha0) {
    if (!(alpha0 >= 0 && alpha0 <= 2) || !measurable(p)) return {};
    const double eps = epsilonK(steel);
    const double flange = p.flangeWidth / p.flangeThickness;
    const double web = p.webDepth / p.webThickness;
    switch (p.kind) {
    case SectionPlates::Kind::IShape:
        return gradeOf({{Plate::Flange, flange, rowOf(Member::Column, Row::HFlange)},
                        {Plate::Web, web, rowOf(Member::Column, Row::HWeb)}},
                       eps, alpha0);
    case SectionPlates::Kind::Box:
        // Note 3: the web of a box column bent about one axis takes the H-section web limits.
        return gradeOf({{Plate::Flange, flange, rowOf(Member::Column, Row::BoxFlange)},
                        {Plate::Web, web, rowOf(Member::Column, Row::HWeb)}},
                       eps, alpha0);
    case SectionPlates::Kind::RoundTube:
        return gradeOf({{Plate::TubeWall, flange, rowOf(Member::Column, Row::Tube)}}, eps, alpha0);
    case SectionPlates::Kind::NotCovered:
        break;
    }
    return {};
}

} // namespace sections
