#include "browser/spec_select.h"

#include "catalogue/catalogue_search.h"

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
        const std::vector<std::string> names = splitColumns(columns);
        for (const std::string& name : names)
            clause += (clause.empty() ? "" : " or ") + name + " like '%' || ?1 || '%' ";
        select.parameters.push_back(*keyword);
        // The keyword's typed form finds what it means, besides what the keyword finds.
        const std::string form = typedForm(*keyword, designationStyleOf(queries, subtypeId));
        if (!form.empty() && form != *keyword) {
            for (const std::string& name : names)
                clause += "or instr(lower(" + name + "), ?2) > 0 ";
            select.parameters.push_back(asciiLowerText(form));
        }
        clause = " and (" + clause + " )";
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
