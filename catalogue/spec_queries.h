#pragma once

#include "catalogue/catalogue_queries.h"

#include <set>
#include <string>
#include <vector>

// The questions asked of a standard's own table (the one SECTIONTABLE.NORMTABLE names).
// Table and column names from the catalogue go in through sqlName; typed text is bound.

// The names of a SHOWCOLS text, in order ("规格,重量" -> {"规格", "重量"}).
std::vector<std::string> splitColumns(const std::string& columns);

// The select behind the spec table of one standard: its shown columns, its rows in stored
// order, optionally narrowed to the rows where a shown column contains a keyword.
struct SpecSelect {
    std::string sql;
    std::vector<std::string> parameters; // the keyword, bound as text, never spliced in
};

// keyword == nullptr: no search. Otherwise every shown column is matched with LIKE against
// '%' || keyword || '%' (letters A-Z without regard to case, "%" and "_" as wildcards), and
// also against the keyword's typed form for this standard (keyword_forms.h), where that
// differs from the keyword.
SpecSelect buildSpecSelectStatement(const CatalogueQueries& queries, int subtypeId,
                                    const std::string* keyword);

TextGrid runSpecSelect(const CatalogueQueries& queries, const SpecSelect& select);

// The standards of the family that have at least one row in the family's table. False when
// the table could not be read.
bool readFilledStandards(const CatalogueQueries& queries, int familyId, std::set<int>& filled);

// How many rows the standard's table holds for it; -1 when the table could not be read.
long long rowCountOfStandard(const CatalogueQueries& queries, int subtypeId);

// The weld family BARTOWELD names for the standard's family; empty when there is none.
std::string weldFamilyIdOfStandard(const CatalogueQueries& queries, int subtypeId);

// The first row of the standard, in stored order, whose named columns hold exactly the given
// values, all columns of its table; a grid without data rows when none matches.
TextGrid firstRowWithValues(const CatalogueQueries& queries, int subtypeId,
                            const std::vector<std::string>& columns,
                            const std::vector<std::string>& values);
