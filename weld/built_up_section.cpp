#include "weld/built_up_section.h"

#include "sections/plate_section.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

using sections::Plate;

// The weld families by their catalogue id.
enum Family : int {
    HSection = 1,
    UnequalH = 2,
    Box = 3,
    Tube = 4,
    Cross = 5,
    TSection = 6,
    BoxGirder = 7,
    LippedC = 8,
    Wedge = 9,
    FlatPlate = 10,
    WeldedBall = 11,
    BoltBall = 12,
    LippedZ = 24,
};

// A dimension by its symbol; NaN (which fails every condition) when the family lacks it.
struct Dims {
    const WeldDimensions& values;
    double operator()(const char* symbol) const {
        const auto it = values.find(symbol);
        return it == values.end() ? std::numeric_limits<double>::quiet_NaN() : it->second;
    }
};

struct Condition {
    bool (*holds)(const Dims& d);
    const char* message;
};

struct NamedPlate {
    Plate plate;
    const char* name;
};

struct FamilyGeometry {
    int family;
    std::vector<Condition> conditions; // read off the family's drawing, checked in this order
    // The plates, centred where the drawing is symmetric; nullptr: no single section.
    std::vector<NamedPlate> (*plates)(const Dims& d);
    // It (cm⁴) of the closed cell; nullptr for open sections.
    double (*torsion)(const Dims& d);
    const char* noSection; // why there are no properties, where plates is nullptr
};

// Flange, web and lip plates of the shapes below. x across, y up, in mm.
std::vector<NamedPlate> hPlates(double h, double bTop, double bBottom, double tw, double tTop,
                                double tBottom) {
    return {{{-bTop / 2, h - tTop, bTop / 2, h}, "上翼缘"},
            {{-bBottom / 2, 0, bBottom / 2, tBottom}, "下翼缘"},
            {{-tw / 2, tBottom, tw / 2, h - tTop}, "腹板"}};
}

// The lipped C opens to the right; the lipped Z turns its top flange right and its bottom
// flange left, point-symmetric about the web's centre.
std::vector<NamedPlate> lippedPlates(const Dims& d, bool z) {
    const double h = d("h"), b = d("b"), c = d("c"), t = d("t");
    std::vector<NamedPlate> plates = {
        {{0, 0, t, h}, "腹板"}, {{t, h - t, b - t, h}, "上翼缘"}, {{b - t, h - c, b, h}, "上卷边"}};
    if (z) {
        plates.push_back({{2 * t - b, 0, 0, t}, "下翼缘"});
        plates.push_back({{t - b, 0, 2 * t - b, c}, "下卷边"});
    } else {
        plates.push_back({{t, 0, b - t, t}, "下翼缘"});
        plates.push_back({{b - t, 0, b, c}, "下卷边"});
    }
    return plates;
}

const char* const ballsHaveNoSection = "球按个计重，没有截面。";

const std::vector<FamilyGeometry>& familyGeometry() {
    static const std::vector<FamilyGeometry> table = {
        {HSection,
         {{[](const Dims& d) { return d("t1") + d("t2") < d("h"); }, "t1 + t2 必须小于 h"},
          {[](const Dims& d) { return d("tw") < d("b"); }, "腹板厚度 tw 必须小于翼缘宽度 b"}},
         [](const Dims& d) { return hPlates(d("h"), d("b"), d("b"), d("tw"), d("t1"), d("t2")); },
         nullptr,
         nullptr},
        {UnequalH,
         {{[](const Dims& d) { return d("t1") + d("t2") < d("h"); }, "t1 + t2 必须小于 h"},
          {[](const Dims& d) { return d("tw") < d("b1"); }, "腹板厚度 tw 必须小于翼缘宽度 b1"},
          {[](const Dims& d) { return d("tw") < d("b2"); }, "腹板厚度 tw 必须小于翼缘宽度 b2"}},
         [](const Dims& d) { return hPlates(d("h"), d("b1"), d("b2"), d("tw"), d("t1"), d("t2")); },
         nullptr,
         nullptr},
        // b1 the height with the side plates t1, b2 the width; the top and bottom plates t2
        // sit between the side plates.
        {Box,
         {{[](const Dims& d) { return 2 * d("t1") < d("b2"); }, "2 × t1 必须小于 b2"},
          {[](const Dims& d) { return 2 * d("t2") < d("b1"); }, "2 × t2 必须小于 b1"}},
         [](const Dims& d) {
             const double b1 = d("b1"), b2 = d("b2"), t1 = d("t1"), t2 = d("t2");
             return std::vector<NamedPlate>{{{0, 0, t1, b1}, "左侧板"},
                                            {{b2 - t1, 0, b2, b1}, "右侧板"},
                                            {{t1, b1 - t2, b2 - t1, b1}, "上板"},
                                            {{t1, 0, b2 - t1, t2}, "下板"}};
         },
         [](const Dims& d) {
             return sections::closedCellTorsion(d("b2") - d("t1"), d("b1") - d("t2"), d("t2"),
                                                d("t1"));
         },
         nullptr},
        {Tube,
         {{[](const Dims& d) { return 2 * d("t") < d("D"); }, "壁厚 t 必须小于 D/2"}},
         nullptr,
         nullptr,
         nullptr},
        // A vertical H (h1, b1, tw1, t1 top, t2 bottom) and a horizontal one (h2, b2, tw2, t3
        // left, t4 right) whose web is cut by the vertical web.
        {Cross,
         {{[](const Dims& d) { return d("t1") + d("t2") < d("h1"); }, "t1 + t2 必须小于 h1"},
          {[](const Dims& d) { return d("t3") + d("t4") + d("tw1") < d("h2"); },
           "t3 + t4 + tw1 必须小于 h2"},
          {[](const Dims& d) { return d("tw1") < d("b1"); }, "腹板厚度 tw1 必须小于翼缘宽度 b1"},
          {[](const Dims& d) { return d("tw2") < d("b2"); }, "腹板厚度 tw2 必须小于翼缘宽度 b2"},
          {[](const Dims& d) { return d("tw2") < d("h1") - d("t1") - d("t2"); },
           "tw2 必须小于 h1 − t1 − t2"}},
         [](const Dims& d) {
             const double h1 = d("h1"), h2 = d("h2"), b1 = d("b1"), b2 = d("b2");
             const double tw1 = d("tw1"), tw2 = d("tw2");
             const double t1 = d("t1"), t2 = d("t2"), t3 = d("t3"), t4 = d("t4");
             return std::vector<NamedPlate>{
                 {{-b1 / 2, h1 / 2 - t1, b1 / 2, h1 / 2}, "竖向上翼缘(b1×t1)"},
                 {{-b1 / 2, -h1 / 2, b1 / 2, -h1 / 2 + t2}, "竖向下翼缘(b1×t2)"},
                 {{-tw1 / 2, -h1 / 2 + t2, tw1 / 2, h1 / 2 - t1}, "竖向腹板(tw1)"},
                 {{-h2 / 2, -b2 / 2, -h2 / 2 + t3, b2 / 2}, "横向左翼缘(b2×t3)"},
                 {{h2 / 2 - t4, -b2 / 2, h2 / 2, b2 / 2}, "横向右翼缘(b2×t4)"},
                 {{-h2 / 2 + t3, -tw2 / 2, -tw1 / 2, tw2 / 2}, "横向左腹板(tw2)"},
                 {{tw1 / 2, -tw2 / 2, h2 / 2 - t4, tw2 / 2}, "横向右腹板(tw2)"}};
         },
         nullptr,
         nullptr},
        // t1 the web, t2 the flange.
        {TSection,
         {{[](const Dims& d) { return d("t2") < d("h"); }, "翼缘厚度 t2 必须小于 h"},
          {[](const Dims& d) { return d("t1") < d("b"); }, "腹板厚度 t1 必须小于翼缘宽度 b"}},
         [](const Dims& d) {
             const double h = d("h"), b = d("b"), t1 = d("t1"), t2 = d("t2");
             return std::vector<NamedPlate>{{{-b / 2, h - t2, b / 2, h}, "翼缘"},
                                            {{-t1 / 2, 0, t1 / 2, h - t2}, "腹板"}};
         },
         nullptr,
         nullptr},
        // Flanges b × t1, two webs t2 standing D1 and D2 in from the flanges' edges.
        {BoxGirder,
         {{[](const Dims& d) { return 2 * d("t1") < d("h"); }, "2 × t1 必须小于 h"},
          {[](const Dims& d) { return d("D1") + d("D2") + 2 * d("t2") < d("b"); },
           "D1 + D2 + 2 × t2 必须小于 b"}},
         [](const Dims& d) {
             const double h = d("h"), b = d("b"), D1 = d("D1"), D2 = d("D2");
             const double t1 = d("t1"), t2 = d("t2");
             return std::vector<NamedPlate>{{{0, h - t1, b, h}, "上翼缘"},
                                            {{0, 0, b, t1}, "下翼缘"},
                                            {{D1, t1, D1 + t2, h - t1}, "左腹板"},
                                            {{b - D2 - t2, t1, b - D2, h - t1}, "右腹板"}};
         },
         [](const Dims& d) {
             return sections::closedCellTorsion(d("b") - d("D1") - d("D2") - d("t2"),
                                                d("h") - d("t1"), d("t1"), d("t2"));
         },
         nullptr},
        {LippedC,
         {{[](const Dims& d) { return 2 * d("t") < d("b"); }, "2 × t 必须小于 b"},
          {[](const Dims& d) { return d("c") >= d("t"); }, "卷边高度 c 不得小于壁厚 t"},
          {[](const Dims& d) { return 2 * d("c") < d("h"); }, "2 × c 必须小于 h"}},
         [](const Dims& d) { return lippedPlates(d, false); },
         nullptr,
         nullptr},
        {Wedge,
         {{[](const Dims& d) { return d("t1") + d("t2") < d("h1"); }, "t1 + t2 必须小于 h1"},
          {[](const Dims& d) { return d("t1") + d("t2") < d("h2"); }, "t1 + t2 必须小于 h2"},
          {[](const Dims& d) { return d("tw") < d("b"); }, "腹板厚度 tw 必须小于翼缘宽度 b"}},
         nullptr,
         nullptr,
         "截面沿长度变化，没有单一截面。"},
        {FlatPlate,
         {},
         [](const Dims& d) {
             return std::vector<NamedPlate>{{{0, 0, d("b"), d("t")}, "钢板"}};
         },
         nullptr,
         nullptr},
        {WeldedBall,
         {{[](const Dims& d) { return 2 * d("t") < d("D"); }, "壁厚 t 必须小于 D/2"}},
         nullptr,
         nullptr,
         ballsHaveNoSection},
        {BoltBall, {}, nullptr, nullptr, ballsHaveNoSection},
        {LippedZ,
         {{[](const Dims& d) { return 2 * d("t") < d("b"); }, "2 × t 必须小于 b"},
          {[](const Dims& d) { return d("c") >= d("t"); }, "卷边高度 c 不得小于壁厚 t"},
          {[](const Dims& d) { return 2 * d("c") < d("h"); }, "2 × c 必须小于 h"}},
         [](const Dims& d) { return lippedPlates(d, true); },
         nullptr,
         nullptr},
    };
    return table;
}

const FamilyGeometry* geometryOf(int familyId) {
    for (const FamilyGeometry& g : familyGeometry())
        if (g.family == familyId) return &g;
    return nullptr;
}

} // namespace

std::string weldGeometryFault(int familyId, const WeldDimensions& dimensions) {
    const FamilyGeometry* geometry = geometryOf(familyId);
    if (!geometry) return {};
    const Dims d{dimensions};
    for (const Condition& condition : geometry->conditions)
        if (!condition.holds(d)) return condition.message;
    // What the conditions leave open (a cross whose arms are too short for the other's
    // flanges) still may not put two plates in one place.
    if (geometry->plates) {
        const std::vector<NamedPlate> plates = geometry->plates(d);
        for (const NamedPlate& p : plates)
            if (!(p.plate.x1 > p.plate.x0) || !(p.plate.y1 > p.plate.y0))
                return std::string(p.name) + "没有宽度，请检查尺寸";
        for (std::size_t k = 0; k < plates.size(); ++k)
            for (std::size_t j = k + 1; j < plates.size(); ++j)
                if (sections::platesOverlap(plates[k].plate, plates[j].plate))
                    return std::string(plates[k].name) + "与" + plates[j].name + "重叠，请检查尺寸";
    }
    return {};
}

BuiltUpSection builtUpSection(int familyId, const WeldDimensions& dimensions) {
    BuiltUpSection section;
    const FamilyGeometry* geometry = geometryOf(familyId);
    if (!geometry) {
        section.noSection = "该截面没有截面模型。";
        return section;
    }
    if (!weldGeometryFault(familyId, dimensions).empty()) {
        section.noSection = "尺寸不能构成截面。";
        return section;
    }
    const Dims d{dimensions};
    if (familyId == Tube) {
        section.properties = sections::roundTube(d("D"), d("t"));
    } else if (geometry->plates) {
        std::vector<Plate> plates;
        for (const NamedPlate& p : geometry->plates(d))
            plates.push_back(p.plate);
        section.properties = sections::plateSection(plates);
        if (section.properties.ok && geometry->torsion) {
            const double It = geometry->torsion(d);
            if (std::isfinite(It) && It > 0)
                section.properties.properties.push_back({"It", It, "cm⁴"});
        }
    } else {
        section.noSection = geometry->noSection;
        return section;
    }
    if (!section.properties.ok) section.noSection = "尺寸不能构成截面。";
    return section;
}
