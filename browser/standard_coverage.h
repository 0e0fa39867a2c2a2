#pragma once

#include "catalogue/catalogue_queries.h"

#include <set>
#include <string>

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
