#include "catalogue/spec_queries.h"

#include "catalogue/catalogue_search.h"

#include <cstdlib>

std::vector<std::string> splitColumns(const std::string& columns) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        size_t comma = columns.find(',', start);
        names.push_back(
            columns.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

SpecSelect buildSpecSelectStatement(const CatalogueQueries& queries, int subtypeId,
                                    const std::string* keyword) {
    const std::string id = std::to_string(subtypeId);
    const std::string table = queries.specTableOfSubtype(id);
    const std::vector<std::string> names = splitColumns(queries.shownColumnsOfSubtype(id));

    SpecSelect select;
    std::string columns;
    for (const std::string& name : names)
        columns += (columns.empty() ? "" : ",") + sqlName(name);
    std::string clause;
    if (keyword) {
        for (const std::string& name : names)
            clause += (clause.empty() ? "" : " or ") + sqlName(name) + " like '%' || ?1 || '%' ";
        select.parameters.push_back(*keyword);
        // The keyword's typed form finds what it means, besides what the keyword finds.
        const std::string form = typedForm(*keyword, designationStyleOf(queries, subtypeId));
        if (!form.empty() && form != *keyword) {
            for (const std::string& name : names)
                clause += "or instr(lower(" + sqlName(name) + "), ?2) > 0 ";
            select.parameters.push_back(asciiLowerText(form));
        }
        clause = " and (" + clause + " )";
    }
    // The id is a number written by to_string, never typed text.
    select.sql =
        "select " + columns + " from " + sqlName(table) + " where SUBTYPEID=" + id + clause;
    return select;
}

TextGrid runSpecSelect(const CatalogueQueries& queries, const SpecSelect& select) {
    return queries.database().query(select.sql, nullptr, nullptr, select.parameters);
}

bool readFilledStandards(const CatalogueQueries& queries, int familyId, std::set<int>& filled) {
    CatalogueDatabase& db = queries.database();
    const TextGrid table = db.query("select NORMTABLE from SECTIONTABLE where ID=?1", nullptr,
                                    nullptr, {std::to_string(familyId)});
    if (table.rowCount < 2 || table.columnCount < 1 || table.cell(1, 0).empty()) return false;
    // One pass over the family's table for all its standards.
    bool ok = false;
    const TextGrid subtypes = db.query("select SUBTYPEID from " + sqlName(table.cell(1, 0)) +
                                           " where SUBTYPEID<>'' group by SUBTYPEID",
                                       &ok);
    if (!ok || subtypes.columnCount < 1) return false;
    for (int r = 1; r < subtypes.rowCount; ++r)
        filled.insert(std::atoi(subtypes.cell(r, 0).c_str()));
    return true;
}

long long rowCountOfStandard(const CatalogueQueries& queries, int subtypeId) {
    const std::string id = std::to_string(subtypeId);
    const std::string table = queries.specTableOfSubtype(id);
    if (table.empty()) return -1;
    bool ok = false;
    const TextGrid rows = queries.database().query(
        "select count(*) from " + sqlName(table) + " where SUBTYPEID=?1", &ok, nullptr, {id});
    if (!ok || rows.rowCount != 2 || rows.columnCount != 1) return -1;
    return std::atoll(rows.cell(1, 0).c_str());
}

std::string weldFamilyIdOfStandard(const CatalogueQueries& queries, int subtypeId) {
    const TextGrid weld = queries.database().query(
        "select WELDID from BARTOWELD where BARID=(select SECTIONID from SUBTYPES where ID=?1)",
        nullptr, nullptr, {std::to_string(subtypeId)});
    if (weld.rowCount < 2 || weld.columnCount < 1) return {};
    return weld.cell(1, 0);
}

TextGrid firstRowWithValues(const CatalogueQueries& queries, int subtypeId,
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
    return queries.database().query(sql, nullptr, nullptr, parameters);
}
