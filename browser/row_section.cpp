#include "browser/row_section.h"

#include "catalogue/catalogue_text.h"
#include "catalogue/spec_queries.h"
#include "sections/section_properties.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

namespace {

struct LightSectionRow {
    const char* designation;
    double h, b, d, t, r, r1;
};

struct TabledProperty {
    const char* designation;
    const char* symbol;
    const char* value;
    const char* unit;
};

#include "browser/section_geometry_tables.inc"

const char* const designation = "规格";
// The T-section table's height column. Its header reads 父板 where the web (腹板) is meant;
// the tables stay as published, so the name is the stored one.
const char* const tSectionHeightColumn = "高度/父板(mm)H";

} // namespace

const char* const noSectionModelNote = "本规格无截面模型，不计算截面特性";
const char* const missingDimensionsNote = "该规格缺少尺寸，无法计算截面特性";

const std::vector<SectionMapping>& sectionMappings() {
    using S = SectionShape;
    // Column names are the tables' own, hidden ones included.
    const std::vector<DimensionSource> ibeam = {{"高度/腹板h(mm)"},
                                                {"宽度/翼板b(mm)"},
                                                {"腰厚/腰板厚d(mm)"},
                                                {"腿厚/翼缘板t(mm)"},
                                                {"圆角半径r(mm)"}};
    const std::vector<DimensionSource> channel = {
        {"高度h(mm)"}, {"宽度b(mm)"}, {"腰厚d(mm)"}, {"腿厚t(mm)"}, {"圆角半径r(mm)"}};
    // Light sections and rails are found by designation in the built-in tables.
    const std::vector<DimensionSource> byDesignation;
    const std::vector<DimensionSource> angle = {{"宽度"}, {"厚度"}, {"圆角半径r(mm)"}};
    const std::vector<DimensionSource> h = {{"高度/腹板(mm)"},
                                            {"宽度/翼板(mm)"},
                                            {"腹板厚t1(mm)"},
                                            {"翼缘厚t2(mm)"},
                                            {"圆角半径r(mm)"}};
    const std::vector<DimensionSource> t = {{tSectionHeightColumn},
                                            {"宽度/翼板(mm)H"},
                                            {"腹板厚(mm)t1"},
                                            {"翼缘厚(mm)t2"},
                                            {"圆角半径r(mm)"}};
    const std::vector<DimensionSource> z = {
        {designation, 0}, {designation, 1}, {designation, 2}, {designation, 3}};
    const std::vector<DimensionSource> roundTube = {{"公称外径"}, {"公称壁厚"}};
    const std::vector<DimensionSource> squareTube = {{"边长B/mm"}, {"壁厚t/mm"}};
    const std::vector<DimensionSource> rectangularTube = {
        {"长边(mm)"}, {"短边(mm)"}, {"公称壁厚(mm)"}};
    const std::vector<DimensionSource> diameter = {{"直径"}};
    const std::vector<DimensionSource> side = {{"边长"}};
    const std::vector<DimensionSource> acrossFlats = {{"对边距离"}};
    const std::vector<DimensionSource> flat = {{"宽度"}, {"厚度"}};

    static const std::vector<SectionMapping> mappings = {
        {1, S::RolledIBeam, ibeam},
        {2, S::LightIBeam, byDesignation},
        {4, S::RolledChannel, channel},
        {5, S::LightChannel, byDesignation},
        {6, S::LightChannel, byDesignation},
        {7, S::ColdChannel, {{"高度h(mm)"}, {"宽度b(mm)"}, {"腿厚t(mm)"}}},
        {8, S::EqualAngle, angle},
        {9, S::EqualAngle, angle},
        {10, S::EqualAngle, angle},
        {11, S::EqualAngle, angle},
        {12, S::EqualAngle, angle},
        {13, S::ColdEqualAngle, {{"宽度"}, {"厚度"}}},
        {14, S::ColdLippedEqualAngle, {{"宽度"}, {designation, 1}, {"厚度"}}},
        {15, S::UnequalAngle, {{"长边B(mm)"}, {"宽边b(mm)"}, {"厚度d(mm)"}, {"圆角r(mm)"}}},
        {16,
         S::LSection,
         {{"长边B(mm)"}, {"宽边b(mm)"}, {"长边厚D(mm)"}, {"短边厚d(mm)"}, {"圆角r(mm)"}}},
        {17, S::ColdLippedChannel, {{"截面高度"}, {"截面宽度"}, {"卷边宽度"}, {"厚度"}}},
        {18, S::TSection, t},
        {19, S::ColdLippedZ, z},
        {20, S::ColdSlopedLippedZ, z},
        {21, S::RoundBar, diameter},
        {22, S::RoundBar, diameter},
        {23, S::RoundBar, diameter},
        {24, S::RoundBar, diameter},
        // Its one row's printed area (口12×0.8, 0.348) fits the cold-drawn corner 1.5t, not
        // GB/T 6728's 2t (0.342).
        {25, S::SquareTube, squareTube, CornerRule::ColdDrawn},
        {26, S::SquareTube, squareTube, CornerRule::ColdDrawn},
        {27, S::SquareTube, squareTube, CornerRule::Gb50018},
        {28, S::SquareTube, squareTube},
        {29, S::HSection, h},
        {30, S::HSection, h},
        {33, S::RoundTube, roundTube},
        {34, S::RoundTube, roundTube},
        {35, S::RoundTube, roundTube},
        {36, S::RoundTube, roundTube},
        {37, S::RoundTube, roundTube},
        {38, S::RoundTube, roundTube},
        {39, S::RoundTube, roundTube},
        {40, S::RoundTube, roundTube},
        {41, S::RoundTube, roundTube},
        {49, S::RoundBar, diameter},
        {52, S::RectangularTube, rectangularTube},
        {53, S::RectangularTube, rectangularTube},
        {54, S::Rail, byDesignation},
        {55, S::Rail, byDesignation},
        {62, S::SquareBar, side},
        {63, S::SquareBar, side},
        {64, S::SquareBar, side},
        {65, S::HexagonBar, acrossFlats},
        {66, S::HexagonBar, acrossFlats},
        {67, S::OctagonBar, acrossFlats},
        {68, S::FlatBar, flat},
        {69, S::FlatBar, flat},
        {70, S::FlatBar, flat},
        {71, S::FlatBar, flat},
        {76, S::FlatOvalTube, {{"长轴外径"}, {"短轴外径"}, {"公称壁厚"}}},
        {79, S::HSection, h},
        {80, S::TSection, t},
        {81, S::RectangularTube, rectangularTube, CornerRule::ColdDrawn},
    };
    return mappings;
}

const SectionMapping* sectionMappingOf(int subtypeId) {
    for (const SectionMapping& mapping : sectionMappings()) {
        if (mapping.subtypeId == subtypeId) return &mapping;
    }
    return nullptr;
}

namespace {

const std::string* cellOf(const RowRecord& record, const char* column) {
    for (const auto& [name, value] : record) {
        if (name == column) return &value;
    }
    return nullptr;
}

// A dimension as a table writes it; NaN when the text is not one finite positive number.
double dimension(const std::string& text) {
    const std::string clean = trimmedText(text);
    double value = std::numeric_limits<double>::quiet_NaN();
    if (clean.empty()) return value;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (error != std::errc() || end != clean.data() + clean.size() || !std::isfinite(value) ||
        value <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

// The numbers of a designation: the text after its letter prefix, split at "×".
std::vector<std::string> designationParts(const std::string& text) {
    const std::string clean = trimmedText(text);
    const size_t first = clean.find_first_of("0123456789");
    std::vector<std::string> parts;
    if (first == std::string::npos) return parts;
    const std::string times = "×";
    size_t start = first;
    for (;;) {
        const size_t at = clean.find(times, start);
        parts.push_back(clean.substr(start, at == std::string::npos ? at : at - start));
        if (at == std::string::npos) return parts;
        start = at + times.size();
    }
}

// The light sections' key: "I18a×180" -> "18a", "[6.5" -> "6.5".
std::string lightKey(const std::string& text) {
    const std::vector<std::string> parts = designationParts(text);
    return parts.empty() ? std::string() : parts.front();
}

bool dimensionsOf(const SectionMapping& mapping, const RowRecord& record,
                  std::vector<double>& values) {
    for (const DimensionSource& source : mapping.dimensions) {
        const std::string* cell = cellOf(record, source.column);
        if (!cell) return false;
        double value;
        if (source.part < 0) {
            value = dimension(*cell);
        } else {
            const std::vector<std::string> parts = designationParts(*cell);
            if (static_cast<size_t>(source.part) >= parts.size()) return false;
            value = dimension(parts[static_cast<size_t>(source.part)]);
        }
        if (std::isnan(value)) return false;
        values.push_back(value);
    }
    return true;
}

template <size_t N>
const LightSectionRow* lightRow(const LightSectionRow (&table)[N], const std::string& key) {
    for (const LightSectionRow& row : table) {
        if (key == row.designation) return &row;
    }
    return nullptr;
}

double cornerRadius(CornerRule rule, double t) {
    switch (rule) {
    case CornerRule::Gb50018:
        return sections::hollowCornerRadiusGb50018(t);
    case CornerRule::ColdDrawn:
        return sections::coldDrawnTubeCornerRadius(t);
    case CornerRule::Gbt6728:
        break;
    }
    return sections::hollowCornerRadiusGbt6728(t);
}

sections::SectionResult compute(const SectionMapping& mapping, const std::vector<double>& v,
                                const std::string& designationText) {
    const SectionShape shape = mapping.shape;
    using S = SectionShape;
    const double rule = std::numeric_limits<double>::quiet_NaN(); // the standard's rule applies
    switch (shape) {
    case S::RolledIBeam:
        return sections::rolledIBeam(v[0], v[1], v[2], v[3], v[4], rule);
    case S::RolledChannel:
        return sections::rolledChannel(v[0], v[1], v[2], v[3], v[4], rule);
    case S::LightIBeam:
        if (const LightSectionRow* r = lightRow(lightIBeams, lightKey(designationText)))
            return sections::lightIBeam(r->h, r->b, r->d, r->t, r->r, r->r1);
        return {};
    case S::LightChannel:
        if (const LightSectionRow* r = lightRow(lightChannels, lightKey(designationText)))
            return sections::rolledChannel(r->h, r->b, r->d, r->t, r->r, r->r1);
        return {};
    case S::EqualAngle:
        return sections::equalAngle(v[0], v[1], v[2], rule);
    case S::UnequalAngle:
        return sections::unequalAngle(v[0], v[1], v[2], v[3], rule);
    case S::LSection:
        return sections::lSection(v[0], v[1], v[2], v[3], v[4], rule);
    case S::HSection:
        return sections::hSection(v[0], v[1], v[2], v[3], v[4]);
    case S::TSection:
        return sections::tSection(v[0], v[1], v[2], v[3], v[4]);
    case S::ColdChannel:
        return sections::coldChannel(v[0], v[1], v[2]);
    case S::ColdLippedChannel:
        return sections::coldLippedChannel(v[0], v[1], v[2], v[3]);
    case S::ColdEqualAngle:
        return sections::coldEqualAngle(v[0], v[1]);
    case S::ColdLippedEqualAngle:
        return sections::coldLippedEqualAngle(v[0], v[1], v[2]);
    case S::ColdLippedZ:
        return sections::coldLippedZ(v[0], v[1], v[2], v[3]);
    case S::ColdSlopedLippedZ:
        return sections::coldSlopedLippedZ(v[0], v[1], v[2], v[3]);
    case S::RoundTube:
        return sections::roundTube(v[0], v[1]);
    case S::SquareTube:
        return sections::rectangularTube(v[0], v[0], v[1], cornerRadius(mapping.corner, v[1]));
    case S::RectangularTube:
        return sections::rectangularTube(v[0], v[1], v[2], cornerRadius(mapping.corner, v[2]));
    case S::FlatOvalTube:
        return sections::flatOvalTube(v[0], v[1], v[2]);
    case S::RoundBar:
        return sections::roundBar(v[0]);
    case S::SquareBar:
        return sections::squareBar(v[0]);
    case S::HexagonBar:
        return sections::hexagonBar(v[0]);
    case S::OctagonBar:
        return sections::octagonBar(v[0]);
    case S::FlatBar:
        return sections::flatBar(v[0], v[1]);
    case S::Rail:
        return {};
    }
    return {};
}

std::string railDescription(const std::string& symbol);

RowSectionProperties tabledRail(const std::string& designationText) {
    RowSectionProperties shown;
    const std::string key = trimmedText(designationText);
    for (const TabledProperty& p : railProperties) {
        if (key == p.designation)
            shown.properties.push_back({p.symbol, p.value, p.unit, railDescription(p.symbol)});
    }
    // A rail's properties are read off its source, not computed: without printed ones the rail
    // has no model to compute them from, which is what the note says.
    if (shown.properties.empty()) shown.note = noSectionModelNote;
    return shown;
}

// How a shape's table names the library's properties. `about` is the axis in words, or for
// a property without axis its whole description. A property of the library that a family's
// table has no place for is not shown (the unequal angle's major principal axis: GB/T 706
// prints only the minor one).
struct ShownName {
    const char* internal;
    const char* shown;
    const char* about;
};

const char* const hollowWt = "抗扭截面模量 Wt：GB/T 6728、EN 10219 的名义值（薄壁公式）；"
                             "内角处的剪应力比 T/Wt 高约 4–37 %";

const std::vector<ShownName>& shownNames(const SectionMapping& mapping) {
    using S = SectionShape;
    static const std::vector<ShownName> ibeam = {
        {"A", "A", "截面面积"},   {"Ix", "Ix", "绕强轴 x"},  {"Iy", "Iy", "绕弱轴 y"},
        {"ix", "ix", "绕强轴 x"}, {"iy", "iy", "绕弱轴 y"},  {"Wx", "Wx", "绕强轴 x"},
        {"Wy", "Wy", "绕弱轴 y"}, {"Wpx", "Wpx", "绕 x 轴"}, {"Wpy", "Wpy", "绕 y 轴"}};
    // GB/T 706 prints the smaller Wy (at the flange tips); the larger follows it (YB 164-63
    // prints both).
    static const std::vector<ShownName> channel = {
        {"A", "A", "截面面积"},
        {"Ix", "Ix", "绕强轴 x"},
        {"Iy", "Iy", "绕弱轴 y（过形心）"},
        {"Iy1", "Iy1", "绕腹板背面的 y1 轴"},
        {"ix", "ix", "绕强轴 x"},
        {"iy", "iy", "绕弱轴 y"},
        {"Wx", "Wx", "绕强轴 x"},
        {"Wymin", "Wy", "绕弱轴 y，取腿端（较小值）"},
        {"Wymax", "Wymax", "绕弱轴 y，取腹板背面（较大值）"},
        {"z0", "z0", "形心到腹板背面的距离 z0"},
        {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    // GB/T 706: x along a leg, x0 / y0 the major and minor principal axes, Wx the smaller.
    static const std::vector<ShownName> equalAngle = {
        {"A", "A", "截面面积"},
        {"Ix", "Ix", "绕平行于肢的形心轴 x"},
        {"Ix1", "Ix1", "绕肢背的 x1 轴"},
        {"Iu", "Ix0", "绕最大主轴 x0"},
        {"Iv", "Iy0", "绕最小主轴 y0"},
        {"ix", "ix", "绕平行于肢的形心轴 x"},
        {"iu", "ix0", "绕最大主轴 x0"},
        {"iv", "iy0", "绕最小主轴 y0"},
        {"Wxmin", "Wx", "绕 x 轴，取肢尖（较小值）"},
        {"Wxmax", "Wxmax", "绕 x 轴，取肢背（较大值，GB/T 706 不列）"},
        {"Wu", "Wx0", "绕最大主轴 x0"},
        {"Wv", "Wy0", "绕最小主轴 y0"},
        {"z0", "z0", "形心到肢背的距离 z0"},
        {"Wpx", "Wpx", "绕 x 轴（与 y 轴相同）"}};
    // GB/T 706: x parallel to the short leg, y to the long one, u the minor principal axis.
    static const std::vector<ShownName> unequalAngle = {
        {"A", "A", "截面面积"},
        {"Ix", "Ix", "绕 x 轴（平行于短肢）"},
        {"Ix1", "Ix1", "绕短肢背的 x1 轴"},
        {"Iy", "Iy", "绕 y 轴（平行于长肢）"},
        {"Iy1", "Iy1", "绕长肢背的 y1 轴"},
        {"Iv", "Iu", "绕最小主轴 u"},
        {"ix", "ix", "绕 x 轴（平行于短肢）"},
        {"iy", "iy", "绕 y 轴（平行于长肢）"},
        {"iv", "iu", "绕最小主轴 u"},
        {"Wxmin", "Wx", "绕 x 轴，取肢尖（较小值）"},
        {"Wxmax", "Wxmax", "绕 x 轴，取肢背（较大值，GB/T 706 不列）"},
        {"Wymin", "Wy", "绕 y 轴，取肢尖（较小值）"},
        {"Wymax", "Wymax", "绕 y 轴，取肢背（较大值，GB/T 706 不列）"},
        {"Wv", "Wu", "绕最小主轴 u"},
        {"tanα", "tanα", "最小主轴 u 与 y 轴夹角 α 的正切"},
        {"x0", "x0", "形心到长肢背的距离 x0"},
        {"y0", "y0", "形心到短肢背的距离 y0"},
        {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    // GB/T 11263 T: x parallel to the flange, Wx the smaller (at the web's end).
    static const std::vector<ShownName> tee = {
        {"A", "A", "截面面积"},
        {"Ix", "Ix", "绕 x 轴（平行于翼缘）"},
        {"Iy", "Iy", "绕 y 轴（腹板中线）"},
        {"ix", "ix", "绕 x 轴（平行于翼缘）"},
        {"iy", "iy", "绕 y 轴（腹板中线）"},
        {"Wxmin", "Wx", "绕 x 轴，取腹板端（较小值）"},
        {"Wxmax", "Wxmax", "绕 x 轴，取翼缘外表面（较大值）"},
        {"Wy", "Wy", "绕 y 轴（腹板中线）"},
        {"Cx", "Cx", "形心到翼缘外表面的距离 Cx"},
        {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    // GB 50018 channels: x the axis of symmetry, y1 along the web's outer face.
    static const std::vector<ShownName> coldChannel = {
        {"A", "A", "截面面积"},
        {"x0", "x0", "形心到腹板外表面的距离 x0"},
        {"Ix", "Ix", "绕对称轴 x"},
        {"ix", "ix", "绕对称轴 x"},
        {"Wx", "Wx", "绕对称轴 x"},
        {"Iy", "Iy", "绕 y 轴（过形心，平行于腹板）"},
        {"iy", "iy", "绕 y 轴（过形心，平行于腹板）"},
        {"Wymax", "Wymax", "绕 y 轴，取腹板外表面（较大值）"},
        {"Wymin", "Wymin", "绕 y 轴，取翼缘端（较小值）"},
        {"Iy1", "Iy1", "绕腹板外表面的 y1 轴"},
        {"e0", "e0", "剪心到形心的距离 e0"},
        {"It", "It", "扭转惯性矩 It"},
        {"Iw", "Iw", "扇性惯性矩 Iw"},
        {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    // GB 50018 angles: x0 along a leg, x and y the major and minor principal axes.
    static const std::vector<ShownName> coldAngle = {
        {"A", "A", "截面面积"},
        {"y0", "y0", "形心到肢外表面的距离 y0"},
        {"Ix", "Ix0", "绕平行于肢的形心轴 x0"},
        {"ix", "ix0", "绕平行于肢的形心轴 x0"},
        {"Wxmax", "Wx0max", "绕 x0 轴，取肢背（较大值）"},
        {"Wxmin", "Wx0min", "绕 x0 轴，取肢尖（较小值）"},
        {"Iu", "Ix", "绕最大主轴 x"},
        {"iu", "ix", "绕最大主轴 x"},
        {"Iv", "Iy", "绕最小主轴 y"},
        {"iv", "iy", "绕最小主轴 y"},
        {"Wu", "Wx", "绕最大主轴 x，取最远点（GB 50018 不列）"},
        {"Wv", "Wy", "绕最小主轴 y，取最远点（GB 50018 不列）"},
        {"Ix1", "Ix1", "绕肢外表面的 x1 轴"},
        {"e0", "e0", "剪心到形心的距离 e0"},
        {"It", "It", "扭转惯性矩 It"},
        {"Iw", "Iw", "扇性惯性矩 Iw"},
        {"Wpx", "Wpx0", "绕 x0 轴（与另一肢方向相同）"}};
    // GB 50018 Z: x1 along the flanges, y1 along the web, x and y the principal axes; the
    // principal moduli at its points 1 (bend at the web) and 2 (bend at the lip).
    static const std::vector<ShownName> coldZ = {
        {"A", "A", "截面面积"},
        {"θ", "θ", "主轴 x 与 x1 轴的夹角 θ"},
        {"Ix", "Ix1", "绕平行于翼缘的 x1 轴"},
        {"ix", "ix1", "绕平行于翼缘的 x1 轴"},
        {"Wx", "Wx1", "绕平行于翼缘的 x1 轴"},
        {"Iy", "Iy1", "绕腹板中线 y1 轴"},
        {"iy", "iy1", "绕腹板中线 y1 轴"},
        {"Wy", "Wy1", "绕腹板中线 y1 轴"},
        {"Iu", "Ix", "绕最大主轴 x"},
        {"iu", "ix", "绕最大主轴 x"},
        {"Wu1", "Wx_1", "绕最大主轴 x，取点 1（腹板与翼缘弯角外侧）"},
        {"Wu2", "Wx_2", "绕最大主轴 x，取点 2（翼缘与卷边弯角外侧）"},
        {"Iv", "Iy", "绕最小主轴 y"},
        {"iv", "iy", "绕最小主轴 y"},
        {"Wv1", "Wy_1", "绕最小主轴 y，取点 1（腹板与翼缘弯角外侧）"},
        {"Wv2", "Wy_2", "绕最小主轴 y，取点 2（翼缘与卷边弯角外侧）"},
        {"Ixy", "Ix1y1", "惯性积 Ix1y1，对 x1、y1 轴"},
        {"It", "It", "扭转惯性矩 It"},
        {"Iw", "Iw", "扇性惯性矩 Iw"},
        {"Wpx", "Wpx1", "绕 x1 轴"},
        {"Wpy", "Wpy1", "绕 y1 轴"}};
    static const std::vector<ShownName> round = {
        {"A", "A", "截面面积"},        {"I", "I", "绕任一形心轴"},
        {"W", "W", "绕任一形心轴"},    {"i", "i", "绕任一形心轴"},
        {"It", "It", "扭转惯性矩 It"}, {"Wt", "Wt", "抗扭截面模量 Wt，圆截面的精确值"},
        {"Wp", "Wp", "绕任一形心轴"}};
    static const std::vector<ShownName> squareHollow = {{"A", "A", "截面面积"},
                                                        {"I", "I", "绕平行于边的形心轴 x 或 y"},
                                                        {"i", "i", "绕平行于边的形心轴 x 或 y"},
                                                        {"W", "W", "绕平行于边的形心轴 x 或 y"},
                                                        {"It", "It", "扭转惯性矩 It（薄壁公式）"},
                                                        {"Wt", "Wt", hollowWt},
                                                        {"Wp", "Wp", "绕平行于边的形心轴"}};
    // GB 50018 names the square tube's axis: Ix, ix, Wx.
    static const std::vector<ShownName> squareHollowGb50018 = {
        {"A", "A", "截面面积"},
        {"I", "Ix", "绕平行于边的形心轴 x（与 y 轴相同）"},
        {"i", "ix", "绕平行于边的形心轴 x（与 y 轴相同）"},
        {"W", "Wx", "绕平行于边的形心轴 x（与 y 轴相同）"},
        {"It", "It", "扭转惯性矩 It（薄壁公式）"},
        {"Wt", "Wt", hollowWt},
        {"Wp", "Wpx", "绕 x 轴（与 y 轴相同）"}};
    static const std::vector<ShownName> closed = {
        {"A", "A", "截面面积"},   {"Ix", "Ix", "绕强轴 x"},
        {"Iy", "Iy", "绕弱轴 y"}, {"ix", "ix", "绕强轴 x"},
        {"iy", "iy", "绕弱轴 y"}, {"Wx", "Wx", "绕强轴 x"},
        {"Wy", "Wy", "绕弱轴 y"}, {"It", "It", "扭转惯性矩 It（薄壁公式）"},
        {"Wt", "Wt", hollowWt},   {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    // A flat oval has no corners: its Wt is the thin-wall value, without the corner remark.
    static const std::vector<ShownName> flatOval = [] {
        std::vector<ShownName> names = closed;
        for (ShownName& name : names)
            if (std::string(name.internal) == "Wt")
                name.about = "抗扭截面模量 Wt：薄壁公式的名义值";
        return names;
    }();
    static const std::vector<ShownName> squareBar = {
        {"A", "A", "截面面积"},
        {"I", "I", "绕平行于边的形心轴"},
        {"W", "W", "绕平行于边的形心轴"},
        {"i", "i", "绕平行于边的形心轴"},
        {"It", "It", "扭转惯性矩 It"},
        {"Wt", "Wt", "抗扭截面模量 Wt，边中点的最大剪应力为 T/Wt"},
        {"Wp", "Wp", "绕平行于边的形心轴"}};
    static const std::vector<ShownName> hexagon = {{"A", "A", "截面面积"},
                                                   {"I", "I", "绕任一形心轴"},
                                                   {"Wx", "Wx", "绕平行于两对边的 x 轴"},
                                                   {"Wy", "Wy", "绕过两对角的 y 轴"},
                                                   {"i", "i", "绕任一形心轴"},
                                                   {"Wpx", "Wpx", "绕 x 轴"},
                                                   {"Wpy", "Wpy", "绕 y 轴"}};
    static const std::vector<ShownName> octagon = {{"A", "A", "截面面积"},
                                                   {"I", "I", "绕任一形心轴"},
                                                   {"W", "W", "绕平行于两对边的轴"},
                                                   {"i", "i", "绕任一形心轴"},
                                                   {"Wp", "Wp", "绕平行于两对边的轴"}};
    static const std::vector<ShownName> flat = {
        {"A", "A", "截面面积"},
        {"Ix", "Ix", "绕 x 轴（平行于宽边）"},
        {"Iy", "Iy", "绕 y 轴（平行于厚度）"},
        {"Wx", "Wx", "绕 x 轴（平行于宽边）"},
        {"Wy", "Wy", "绕 y 轴（平行于厚度）"},
        {"ix", "ix", "绕 x 轴（平行于宽边）"},
        {"iy", "iy", "绕 y 轴（平行于厚度）"},
        {"It", "It", "扭转惯性矩 It"},
        {"Wt", "Wt", "抗扭截面模量 Wt，宽边中点的最大剪应力为 T/Wt"},
        {"Wpx", "Wpx", "绕 x 轴"},
        {"Wpy", "Wpy", "绕 y 轴"}};
    static const std::vector<ShownName> none;
    switch (mapping.shape) {
    case S::RolledIBeam:
    case S::LightIBeam:
    case S::HSection:
        return ibeam;
    case S::RolledChannel:
    case S::LightChannel:
        return channel;
    case S::EqualAngle:
        return equalAngle;
    case S::UnequalAngle:
    case S::LSection:
        return unequalAngle;
    case S::TSection:
        return tee;
    case S::ColdChannel:
    case S::ColdLippedChannel:
        return coldChannel;
    case S::ColdEqualAngle:
    case S::ColdLippedEqualAngle:
        return coldAngle;
    case S::ColdLippedZ:
    case S::ColdSlopedLippedZ:
        return coldZ;
    case S::RoundTube:
    case S::RoundBar:
        return round;
    case S::SquareTube:
        return mapping.corner == CornerRule::Gb50018 ? squareHollowGb50018 : squareHollow;
    case S::RectangularTube:
        return closed;
    case S::FlatOvalTube:
        return flatOval;
    case S::SquareBar:
        return squareBar;
    case S::HexagonBar:
        return hexagon;
    case S::OctagonBar:
        return octagon;
    case S::FlatBar:
        return flat;
    case S::Rail:
        break;
    }
    return none;
}

// The kind of quantity a symbol is, in words, before its axis.
std::string describe(const std::string& internal, const std::string& about) {
    const auto starts = [&internal](const char* prefix) { return internal.rfind(prefix, 0) == 0; };
    if (internal == "A" || internal == "It" || internal == "Iw" || internal == "Ixy" ||
        internal == "Wt")
        return about;
    if (starts("Wp")) return "塑性截面模量，" + about;
    if (starts("I")) return "惯性矩，" + about;
    if (starts("i")) return "回转半径，" + about;
    if (starts("W")) return "截面模量，" + about;
    return about;
}

// A rail's tabled symbols, described from their letters (x the horizontal axis).
std::string railDescription(const std::string& symbol) {
    if (symbol == "A") return "截面面积";
    const std::string axis = symbol.size() > 1 ? symbol.substr(1) : std::string();
    const std::string about = axis.empty() ? "" : "绕 " + axis + " 轴";
    switch (symbol.empty() ? ' ' : symbol[0]) {
    case 'I':
        return "惯性矩，" + about;
    case 'W':
        return "截面模量，" + about;
    case 'i':
        return "回转半径，" + about;
    default:
        return "形心距离 " + symbol;
    }
}

// A dimension as the row gives it or as a rule makes it: shortest text that reads back the
// same number.
std::string dimensionText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

struct DimensionName {
    const char* symbol;
    const char* description;
};

// The row's dimensions with the symbols of its standard's drawing, in the order the shape's
// function takes them, then the radii a rule supplies.
std::vector<ShownProperty> shownDimensions(const SectionMapping& mapping,
                                           const std::vector<double>& v,
                                           const LightSectionRow* light) {
    using S = SectionShape;
    std::vector<DimensionName> names;
    std::vector<double> values = v;
    const DimensionName r1Rule = {"r1", "腿端圆弧半径 r1（GB/T 706 取 r/2）"};
    switch (mapping.shape) {
    case S::RolledIBeam:
    case S::RolledChannel:
        names = {{"h", "高度 h"},     {"b", "腿宽 b"},       {"d", "腰厚 d"},
                 {"t", "平均腿厚 t"}, {"r", "内圆弧半径 r"}, r1Rule};
        values.push_back(mapping.shape == S::RolledIBeam ? sections::ibeamToeRadius(v[4])
                                                         : sections::channelToeRadius(v[4]));
        break;
    case S::LightIBeam:
    case S::LightChannel:
        names = {{"h", "高度 h"},     {"b", "腿宽 b"},       {"d", "腰厚 d"},
                 {"t", "平均腿厚 t"}, {"r", "内圆弧半径 r"}, {"r1", "腿端圆弧半径 r1"}};
        if (light) values = {light->h, light->b, light->d, light->t, light->r, light->r1};
        break;
    case S::EqualAngle:
        names = {{"b", "边宽 b"}, {"d", "边厚 d"}, {"r", "内圆弧半径 r"}};
        break;
    case S::UnequalAngle:
        names = {{"B", "长边宽 B"}, {"b", "短边宽 b"}, {"d", "边厚 d"}, {"r", "内圆弧半径 r"}};
        break;
    case S::LSection:
        names = {{"B", "腹板高 B"}, {"b", "翼缘宽 b"},     {"D", "腹板厚 D"},
                 {"d", "翼缘厚 d"}, {"r", "内圆弧半径 r"}, {"r1", "翼缘端圆弧半径 r1（取 r/2）"}};
        values.push_back(sections::lSectionToeRadius(v[4]));
        break;
    case S::HSection:
        names = {{"H", "高度 H"},
                 {"B", "宽度 B"},
                 {"t1", "腹板厚 t1"},
                 {"t2", "翼缘厚 t2"},
                 {"r", "圆角半径 r"}};
        break;
    case S::TSection:
        names = {{"h", "高度 h"},
                 {"B", "宽度 B"},
                 {"t1", "腹板厚 t1"},
                 {"t2", "翼缘厚 t2"},
                 {"r", "圆角半径 r"}};
        break;
    case S::ColdChannel:
        names = {{"h", "高度 h"}, {"b", "宽度 b"}, {"t", "壁厚 t"}};
        break;
    case S::ColdLippedChannel:
    case S::ColdLippedZ:
    case S::ColdSlopedLippedZ:
        names = {{"h", "高度 h"}, {"b", "宽度 b"}, {"a", "卷边宽度 a"}, {"t", "壁厚 t"}};
        break;
    case S::ColdEqualAngle:
        names = {{"b", "边宽 b"}, {"t", "壁厚 t"}};
        break;
    case S::ColdLippedEqualAngle:
        names = {{"b", "边宽 b"}, {"a", "卷边宽度 a"}, {"t", "壁厚 t"}};
        break;
    case S::RoundTube:
        names = {{"D", "外径 D"}, {"t", "壁厚 t"}};
        break;
    case S::SquareTube:
        names = {{"B", "边长 B"}, {"t", "壁厚 t"}, {"R", "外圆角半径 R（按标准的规则）"}};
        values.push_back(cornerRadius(mapping.corner, v[1]));
        break;
    case S::RectangularTube:
        names = {{"H", "长边 H"},
                 {"B", "短边 B"},
                 {"t", "壁厚 t"},
                 {"R", "外圆角半径 R（按标准的规则）"}};
        values.push_back(cornerRadius(mapping.corner, v[2]));
        break;
    case S::FlatOvalTube:
        names = {{"长轴", "长轴外径"}, {"短轴", "短轴外径"}, {"t", "壁厚 t"}};
        break;
    case S::RoundBar:
        names = {{"d", "直径 d"}};
        break;
    case S::SquareBar:
        names = {{"a", "边长 a"}};
        break;
    case S::HexagonBar:
    case S::OctagonBar:
        names = {{"s", "对边距离 s"}};
        break;
    case S::FlatBar:
        names = {{"b", "宽度 b"}, {"t", "厚度 t"}};
        break;
    case S::Rail:
        break;
    }
    std::vector<ShownProperty> shown;
    for (size_t k = 0; k < names.size() && k < values.size(); ++k)
        shown.push_back({names[k].symbol, dimensionText(values[k]), "mm", names[k].description});
    return shown;
}

// The warping constant of the lipped channel, lipped Z and lipped angle differs from
// GB 50018's tables by up to 6, 8 and 11 % (sections/README.md): a figure that far off is
// not shown to someone designing with it. The plain channel's and sloped Z's agree within 1 %.
bool isShownProperty(SectionShape shape, const std::string& symbol) {
    if (symbol != "Iw") return true;
    return shape != SectionShape::ColdLippedChannel && shape != SectionShape::ColdLippedZ &&
           shape != SectionShape::ColdLippedEqualAngle;
}

} // namespace

namespace {

// GB/T 11263 prints the exact area of the H and T outlines (fillets (4 − π)r² and half of it)
// cut down to 0.01 cm², not rounded: HW100×100 21.589 is printed 21.58, TN50×50 5.925 is 5.92.
// The area shown is the printed one.
double shownValue(const SectionMapping& mapping, const sections::Property& p) {
    const bool gbt11263 =
        mapping.shape == SectionShape::HSection || mapping.shape == SectionShape::TSection;
    // The nudge lets a cut value ending in 5 round up when four digits are shown (133.45 as
    // 133.5), as the catalogue prints it.
    if (gbt11263 && p.symbol == "A") return std::floor(p.value * 100 + 1e-6) / 100 + 1e-9;
    return p.value;
}

} // namespace

RowSectionProperties sectionPropertiesOfRecord(int subtypeId, const RowRecord& record) {
    RowSectionProperties shown;
    const SectionMapping* mapping = sectionMappingOf(subtypeId);
    if (!mapping) {
        shown.note = noSectionModelNote;
        return shown;
    }
    const std::string* designationCell = cellOf(record, designation);
    const std::string designationText = designationCell ? *designationCell : std::string();
    if (mapping->shape == SectionShape::Rail) return tabledRail(designationText);

    std::vector<double> values;
    const bool complete = dimensionsOf(*mapping, record, values);
    const sections::SectionResult result =
        complete ? compute(*mapping, values, designationText) : sections::SectionResult{};
    // A value the outline cannot have means the outline is not what the row describes:
    // nothing of it is shown.
    bool sound = result.ok && !result.properties.empty();
    for (const sections::Property& p : result.properties)
        sound = sound && std::isfinite(p.value) && p.value >= 0;
    if (!sound) {
        shown.note = missingDimensionsNote;
        return shown;
    }
    // In the order and notation of the shape's table.
    for (const ShownName& name : shownNames(*mapping)) {
        if (!isShownProperty(mapping->shape, name.internal)) continue;
        if (const sections::Property* p = sections::find(result, name.internal))
            shown.properties.push_back({name.shown, formatPropertyValue(shownValue(*mapping, *p)),
                                        p->unit, describe(name.internal, name.about)});
    }
    const LightSectionRow* light = nullptr;
    if (mapping->shape == SectionShape::LightIBeam)
        light = lightRow(lightIBeams, lightKey(designationText));
    if (mapping->shape == SectionShape::LightChannel)
        light = lightRow(lightChannels, lightKey(designationText));
    shown.dimensions = shownDimensions(*mapping, values, light);
    return shown;
}

RowRecord readRowRecord(const CatalogueQueries& queries, int subtypeId,
                        const std::vector<std::string>& columns,
                        const std::vector<std::string>& values) {
    const TextGrid grid = firstRowWithValues(queries, subtypeId, columns, values);
    RowRecord record;
    if (grid.rowCount < 2) return record;
    for (int c = 0; c < grid.columnCount; ++c)
        record.emplace_back(grid.cell(0, c), grid.cell(1, c));
    return record;
}

std::string rowDesignation(const std::vector<std::string>& columns,
                           const std::vector<std::string>& values) {
    for (size_t k = 0; k < columns.size() && k < values.size(); ++k) {
        if ((columns[k] == designation || columns[k] == "型号" || columns[k] == "板型") &&
            !trimmedText(values[k]).empty())
            return trimmedText(values[k]);
    }
    // Otherwise the leading dimension columns, up to the first weight or area.
    const std::set<std::string> quantities = {"重量", "表面积", "截面积", "钢板重量", "板重"};
    std::string text;
    for (size_t k = 0; k < columns.size() && k < values.size(); ++k) {
        if (quantities.count(columns[k])) break;
        if (trimmedText(values[k]).empty()) continue;
        text += (text.empty() ? "" : " ") + columns[k] + trimmedText(values[k]);
    }
    return text;
}
