#pragma once

#include "catalogue/catalogue_queries.h"

#include <map>
#include <string>
#include <vector>

// A keyword search over the shown columns of every standard of every bar family, with the
// same matching as the search of one standard: SQLite's LIKE against '%' || keyword || '%'.
// One statement per spec table answers for all the standards stored in it.

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
    };
    struct Table {
        std::string name;
        std::vector<size_t> standards;    // indexes into m_standards
        std::vector<std::string> columns; // every column shown by one of its standards
        std::string sql;                  // the one statement for the whole table
        std::map<std::string, std::vector<long long>> rowids; // per SUBTYPEID, ascending
    };
    static int positionOf(const Table& table, const std::string& subtypeId,
                          const std::string& rowid);

    void plan() const;
    void searchStandardAlone(const Table& table, const Standard& standard,
                             const std::string& keyword, SearchGroup& group,
                             CatalogueSearchResult& result) const;

    const CatalogueQueries& m_queries;
    // Built on the first search, so start-up does not pay for it.
    mutable bool m_planned = false;
    mutable std::vector<Standard> m_standards;
    mutable std::vector<Table> m_tables;
};

// The message for a keyword longer than the database's LIKE patterns allow, or the empty
// text when the keyword can be searched.
std::string keywordLengthRefusal(const CatalogueDatabase& database, const std::string& keyword);

// Texts of the results list: "family › standard（N 条）" and one row's shown values.
std::string searchGroupTitle(const SearchGroup& group);
std::string searchRowText(const SearchGroup& group, const SearchRow& row);
