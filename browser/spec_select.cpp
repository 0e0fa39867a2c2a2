#include "browser/spec_select.h"

namespace {

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

} // namespace

SpecSelect buildSpecSelectStatement(const CatalogueQueries& queries, int subtypeId,
                                    const std::string* keyword) {
    const std::string id = std::to_string(subtypeId);
    const std::string table = queries.specTableOfSubtype(id);
    const std::string columns = queries.shownColumnsOfSubtype(id);

    SpecSelect select;
    std::string clause;
    if (keyword) {
        for (const std::string& name : splitColumns(columns))
            clause += (clause.empty() ? "" : " or ") + name + " like '%' || ?1 || '%' ";
        clause = " and (" + clause + " )";
        select.parameters.push_back(*keyword);
    }
    select.sql = "select " + columns + " from " + table + " where SUBTYPEID=" + id + clause;
    return select;
}

TextGrid runSpecSelect(const CatalogueQueries& queries, const SpecSelect& select) {
    return queries.database().query(select.sql, nullptr, nullptr, select.parameters);
}

std::string formatCopiedRow(const std::string& standardName,
                            const std::vector<std::string>& headers,
                            const std::vector<std::string>& values) {
    std::string text;
    for (size_t k = 0; k < headers.size() && k < values.size(); ++k) {
        if (k == 0)
            text = standardName + headers[k] + " " + values[k];
        else
            text += "," + headers[k] + "=" + values[k];
    }
    return text;
}
