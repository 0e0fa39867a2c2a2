#include "sections/plate_section.h"

#include "sections/outline.h"

#include <algorithm>
#include <cmath>

namespace sections {

namespace {

// Moments of one plate about the origin, closed form.
Moments plateMoments(const Plate& p) {
    const double w = p.x1 - p.x0, h = p.y1 - p.y0;
    const double A = w * h;
    const double cx = (p.x0 + p.x1) / 2, cy = (p.y0 + p.y1) / 2;
    Moments m;
    m.A = A;
    m.Sx = A * cy;
    m.Sy = A * cx;
    m.Ixx = w * h * h * h / 12 + A * cy * cy;
    m.Iyy = h * w * w * w / 12 + A * cx * cx;
    m.Ixy = A * cx * cy;
    return m;
}

// Equal to within the rounding of the sums that produced them, relative to the section's size.
bool same(double a, double b, double size) {
    return std::fabs(a - b) <= 1e-9 * size;
}

} // namespace

bool platesOverlap(const Plate& a, const Plate& b) {
    const double across = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
    const double up = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    const double size = std::max({a.x1 - a.x0, a.y1 - a.y0, b.x1 - b.x0, b.y1 - b.y0});
    return across > 1e-9 * size && up > 1e-9 * size;
}

SectionResult plateSection(const std::vector<Plate>& plates) {
    if (plates.empty()) return {};
    Moments sum;
    double left = plates.front().x0, right = plates.front().x1;
    double bottom = plates.front().y0, top = plates.front().y1;
    for (std::size_t k = 0; k < plates.size(); ++k) {
        const Plate& p = plates[k];
        if (!(p.x1 > p.x0) || !(p.y1 > p.y0)) return {};
        for (std::size_t j = k + 1; j < plates.size(); ++j)
            if (platesOverlap(p, plates[j])) return {};
        sum += plateMoments(p);
        left = std::min(left, p.x0);
        right = std::max(right, p.x1);
        bottom = std::min(bottom, p.y0);
        top = std::max(top, p.y1);
    }
    const CentralMoments c = central(sum);
    const double size = std::max(right - left, top - bottom);

    SectionResult r;
    auto add = [&r](const char* symbol, double value, const char* unit) {
        r.properties.push_back({symbol, value, unit});
    };
    add("A", c.A / 1e2, "cm²");
    add("Ix", c.Ixx / 1e4, "cm⁴");
    add("Iy", c.Iyy / 1e4, "cm⁴");
    add("ix", std::sqrt(c.Ixx / c.A) / 10, "cm");
    add("iy", std::sqrt(c.Iyy / c.A) / 10, "cm");
    // One modulus where the axis halves the section, else one for each extreme fibre.
    auto moduli = [&](const char* both, const char* near, const char* far, double I, double toNear,
                      double toFar) {
        if (same(toNear, toFar, size)) {
            add(both, I / toNear / 1e3, "cm³");
        } else {
            add(near, I / toNear / 1e3, "cm³");
            add(far, I / toFar / 1e3, "cm³");
        }
    };
    const double up = top - c.cy, down = c.cy - bottom;
    const double toRight = right - c.cx, toLeft = c.cx - left;
    moduli("Wx", "Wx上", "Wx下", c.Ixx, up, down);
    moduli("Wy", "Wy左", "Wy右", c.Iyy, toLeft, toRight);
    if (!same(c.Ixy, 0, c.Ixx + c.Iyy)) {
        add("Imax", c.Imax / 1e4, "cm⁴");
        add("Imin", c.Imin / 1e4, "cm⁴");
        add("tanα", std::tan(c.angle), "");
    }
    add("x0", toLeft / 10, "cm");
    add("y0", down / 10, "cm");
    for (const Property& p : r.properties)
        if (!std::isfinite(p.value)) return {};
    r.ok = true;
    return r;
}

double closedCellTorsion(double width, double height, double tw, double th) {
    const double enclosed = width * height;
    const double walls = 2 * width / tw + 2 * height / th;
    return 4 * enclosed * enclosed / walls / 1e4;
}

} // namespace sections
