#pragma once

#include "catalogue/catalogue_queries.h"
#include "catalogue/keyword_forms.h"

#include <map>
#include <string>
#include <vector>

// A keyword search over the shown columns of every standard of every bar family. A row is
// found when a shown column contains the keyword, or its typed form for that standard (see
// keyword_forms.h), letters A-Z without regard to case. Unlike the search of one standard,
// "%" and "_" are only characters here. One statement per spec table answers for all the
// standards stored in it.

struct SearchRow {
    int position = 0;                // row index in the standard's unfiltered table, stored order
    std::vector<std::string> values; // the standard's shown columns, as stored
};

struct SearchGroup {
    int familyId = 0;
    std::string familyName;
    int subtypeId = 0;
    std::string subtypeName;
    std::vector<std::string> headers; // header texts of the shown columns, with units
    std::vector<SearchRow> rows;      // in stored order
};

struct CatalogueSearchResult {
    // Empty when the search ran; otherwise why it did not (nothing is listed then).
    std::string refusal;
    std::vector<SearchGroup> groups;          // family bar order, then standard order
    std::vector<std::string> failedStandards; // names of standards whose select failed
    int rowCount() const;
};

class CatalogueSearch {
  public:
    explicit CatalogueSearch(const CatalogueQueries& queries) : m_queries(queries) {}

    // Runs the search. An empty keyword or one longer than the database's LIKE pattern
    // limit is refused with a message and searches nothing.
    CatalogueSearchResult search(const std::string& keyword) const;

    // The longest keyword that can be searched, in bytes.
    int longestKeyword() const;

  private:
    struct Standard {
        int familyId = 0;
        std::string familyName;
        int subtypeId = 0;
        std::string subtypeName;
        std::vector<std::string> columns; // shown column names
        std::vector<std::string> headers;
        DesignationStyle style;
    };
    struct Table {
        std::string name;
        std::vector<size_t> standards;    // indexes into m_standards
        std::vector<std::string> columns; // every column shown by one of its standards
        std::string likeSql;  // the one statement for the whole table, matching with LIKE
        std::string instrSql; // the same with instr(), for "%" and "_" as characters
        std::map<std::string, std::vector<long long>> rowids; // per SUBTYPEID, ascending
    };
    static int positionOf(const Table& table, const std::string& subtypeId,
                          const std::string& rowid);

    void plan() const;
    // parameters: the lower-case keyword and the standard's typed form of it.
    void searchStandardAlone(const Table& table, const Standard& standard,
                             const std::vector<std::string>& parameters, bool literal,
                             SearchGroup& group, CatalogueSearchResult& result) const;

    const CatalogueQueries& m_queries;
    // Built on the first search, so start-up does not pay for it.
    mutable bool m_planned = false;
    mutable std::vector<Standard> m_standards;
    mutable std::vector<Table> m_tables;
};

// The message for a keyword longer than the database's LIKE patterns allow, or the empty
// text when the keyword can be searched.
std::string keywordLengthRefusal(const CatalogueDatabase& database, const std::string& keyword);

// How a standard writes its designations (its first shown column) and the words that name
// its family, for typedForm(); an empty style when the standard cannot be read.
DesignationStyle designationStyleOf(const CatalogueQueries& queries, int subtypeId);

// ASCII letters in lower case, every other byte kept: the case folding of SQLite's lower()
// and LIKE, so that a bound keyword compares as LIKE would.
std::string asciiLowerText(std::string text);

// The message line after a search: how many rows were found and where, or that none
// contains the keyword (shown shortened when long). standards: how many standards the rows
// belong to, for the 全部标准 scope.
enum class SearchScope { CurrentStandard, AllStandards };
std::string searchReport(SearchScope scope, const std::string& keyword, int rows,
                         int standards = 0);

// Texts of the results list: "family › standard（N 条）" and one row's shown values.
std::string searchGroupTitle(const SearchGroup& group);
std::string searchRowText(const SearchGroup& group, const SearchRow& row);
