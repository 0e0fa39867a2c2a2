#include "browser/row_section.h"

#include "catalogue/catalogue_text.h"
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
    const std::vector<DimensionSource> t = {{"高度/父板(mm)H"},
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
        {25, S::SquareTube, squareTube},
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

RowSectionProperties tabledRail(const std::string& designationText) {
    RowSectionProperties shown;
    const std::string key = trimmedText(designationText);
    for (const TabledProperty& p : railProperties) {
        if (key == p.designation) shown.properties.push_back({p.symbol, p.value, p.unit});
    }
    // A rail's properties are read off its source, not computed: without printed ones the rail
    // has no model to compute them from, which is what the note says.
    if (shown.properties.empty()) shown.note = noSectionModelNote;
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
    for (const sections::Property& p : result.properties) {
        if (!isShownProperty(mapping->shape, p.symbol)) continue;
        shown.properties.push_back({p.symbol, formatPropertyValue(p.value), p.unit});
    }
    return shown;
}

RowRecord readRowRecord(const CatalogueQueries& queries, int subtypeId,
                        const std::vector<std::string>& columns,
                        const std::vector<std::string>& values) {
    const std::string id = std::to_string(subtypeId);
    const std::string table = queries.specTableOfSubtype(id);
    if (table.empty() || columns.size() != values.size()) return {};
    std::string sql = "select * from " + sqlName(table) + " where SUBTYPEID=?1";
    std::vector<std::string> parameters = {id};
    for (size_t k = 0; k < columns.size(); ++k) {
        parameters.push_back(values[k]);
        sql += " and " + sqlName(columns[k]) + " is ?" + std::to_string(parameters.size());
    }
    sql += " order by rowid limit 1";
    const TextGrid grid = queries.database().query(sql, nullptr, nullptr, parameters);
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
