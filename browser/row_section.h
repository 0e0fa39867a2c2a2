#pragma once

#include "catalogue/catalogue_queries.h"
#include "sections/property_text.h"

#include <string>
#include <utility>
#include <vector>

// The section properties of one catalogue row: which shape a standard's rows describe, where
// each dimension of that shape stands in a row, and the properties that follow from them.

enum class SectionShape {
    RolledIBeam,
    RolledChannel,
    LightIBeam,   // dimensions from the built-in light-section table, by designation
    LightChannel, // likewise
    EqualAngle,
    UnequalAngle,
    LSection,
    HSection,
    TSection,
    ColdChannel,
    ColdLippedChannel,
    ColdEqualAngle,
    ColdLippedEqualAngle,
    ColdLippedZ,
    ColdSlopedLippedZ,
    RoundTube,
    SquareTube,
    RectangularTube,
    FlatOvalTube,
    RoundBar,
    SquareBar,
    HexagonBar,
    OctagonBar,
    FlatBar,
    Rail, // tabled properties, by designation
};

// Where one dimension stands: a column of the row, or (part >= 0) the part-th number of the
// designation held in that column ("Z100×40×20×2.0": part 1 is 40).
struct DimensionSource {
    const char* column;
    int part = -1;
};

// Outer corner radius of square and rectangular hollow sections, by the standard's rule.
enum class CornerRule { Gbt6728, Gb50018, ColdDrawn };

struct SectionMapping {
    int subtypeId;
    SectionShape shape;
    std::vector<DimensionSource> dimensions; // in the order the shape's function takes them
    CornerRule corner = CornerRule::Gbt6728;
};

// Every standard with a cross-section model, one entry each.
const std::vector<SectionMapping>& sectionMappings();
// The standard's entry, or nullptr for a standard without a model.
const SectionMapping* sectionMappingOf(int subtypeId);

// One catalogue record: column name and stored text, all columns of the table.
using RowRecord = std::vector<std::pair<std::string, std::string>>;

// Either properties, or a note saying why there are none.
struct RowSectionProperties {
    std::vector<ShownProperty> properties;
    std::string note;
};

extern const char* const noSectionModelNote;
extern const char* const missingDimensionsNote;

RowSectionProperties sectionPropertiesOfRecord(int subtypeId, const RowRecord& record);

// The full record of the row a spec table shows: the first row of the standard, in stored
// order, whose shown columns hold exactly the shown values. Values are bound as parameters.
// Empty when no row matches.
RowRecord readRowRecord(const CatalogueQueries& queries, int subtypeId,
                        const std::vector<std::string>& columns,
                        const std::vector<std::string>& values);

// What names the row in a copy: its designation, or for the standards that have none the
// leading shown dimensions with their column names ("宽度10 厚度3").
std::string rowDesignation(const std::vector<std::string>& columns,
                           const std::vector<std::string>& values);
