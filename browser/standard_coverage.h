#pragma once

#include "catalogue/catalogue_queries.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// Which standards of a bar family the built-in catalogue holds rows for, and which weld
// family computes the shape of a standard whose table is not built in.

// The standards of the family that have at least one row. known is false when the family's
// table could not be read; then no standard counts as empty.
struct StandardCoverage {
    bool known = false;
    std::set<int> filled;

    bool isEmpty(int subtypeId) const { return known && !filled.count(subtypeId); }
};
StandardCoverage standardCoverage(const CatalogueQueries& queries, int familyId);

// True when the standard has no row at all (not merely none that a search kept); false also
// when the catalogue cannot tell.
bool standardIsEmpty(const CatalogueQueries& queries, int subtypeId);

// The weld family of like shape for the standard's family, from BARTOWELD; 0 when the weld
// calculator has none.
int weldFamilyOfStandard(const CatalogueQueries& queries, int subtypeId);

// The notice over the table of a standard without rows; with a weld family name it says
// that family computes the shape.
std::string emptyStandardNotice(const std::string& standardName, const std::string& weldFamilyName);
// The text of the button that opens the weld family.
std::string weldFamilyLinkText(const std::string& weldFamilyName);

// A standard whose table holds only part of it: a partial transcription, or records carried
// over from the old catalogue. Listed in catalogue/tables/COVERAGE.csv, built in beside the
// tables, so that a partial table says so without the tables themselves changing.
struct PartialCoverage {
    int subtypeId = 0;
    std::string name; // the standard's name, as SUBTYPES has it
    int rows = 0;     // how many rows the catalogue holds for it
    enum class Kind { Carried, Partial } kind = Kind::Partial;
    std::string reason;
};
// The whole list, read once; empty when the built-in list cannot be read.
const std::vector<PartialCoverage>& partialCoverageList();
std::optional<PartialCoverage> partialCoverageOf(int subtypeId);
// The line over a partial standard's table: how many rows, what kind and why.
std::string partialCoverageNotice(const PartialCoverage& coverage);
// Reads a coverage list in the catalogue text format; false with the error on a bad list.
bool parsePartialCoverage(const std::string& text, std::vector<PartialCoverage>& list,
                          std::string& error);
