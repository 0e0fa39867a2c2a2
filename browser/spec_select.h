#pragma once

#include "catalogue/catalogue_queries.h"

#include <string>
#include <vector>

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

// The text a row copy puts on the clipboard: name + header 1 + " " + value 1, then
// "," + header K + "=" + value K for every further column.
std::string formatCopiedRow(const std::string& standardName,
                            const std::vector<std::string>& headers,
                            const std::vector<std::string>& values);
