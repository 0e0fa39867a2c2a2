#include "catalogue/catalogue_search.h"

#include "catalogue/catalogue_text.h"
#include "catalogue/spec_queries.h"

#include <algorithm>
#include <map>

namespace {

std::vector<std::string> barFamilyNames(CatalogueDatabase& db) {
    std::vector<std::string> names;
    const TextGrid grid = db.query("select NAME from SECTIONTABLE where TYPE=1");
    for (int r = 1; r < grid.rowCount && grid.columnCount == 1; ++r)
        names.push_back(grid.cell(r, 0));
    return names;
}

// The style of one standard whose designations are in the first of its shown columns.
DesignationStyle styleOf(CatalogueDatabase& db, const std::string& table,
                         const std::vector<std::string>& columns, const std::string& subtypeId,
                         const std::string& familyName, const std::vector<std::string>& families) {
    DesignationStyle style;
    if (!isCatalogueId(subtypeId) || table.empty() || columns.empty()) return style;
    bool ok = false;
    const TextGrid grid = db.query("select " + sqlName(columns.front()) + " from " +
                                       sqlName(table) + " where SUBTYPEID=?1",
                                   &ok, nullptr, {subtypeId});
    if (!ok) return style;
    std::vector<std::string> designations;
    for (int r = 1; r < grid.rowCount && grid.columnCount == 1; ++r)
        designations.push_back(grid.cell(r, 0));
    style.prefix = designationPrefix(designations);
    if (!familyName.empty()) style.familyWords = familyWords(familyName, families);
    return style;
}

} // namespace

std::string asciiLowerText(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

DesignationStyle designationStyleOf(const CatalogueQueries& queries, int subtypeId) {
    const std::string id = std::to_string(subtypeId);
    CatalogueDatabase& db = queries.database();
    const TextGrid family = db.query("select f.NAME from SUBTYPES s join SECTIONTABLE f on "
                                     "f.ID = s.SECTIONID where s.ID=?1",
                                     nullptr, nullptr, {id});
    return styleOf(db, queries.specTableOfSubtype(id),
                   splitColumns(queries.shownColumnsOfSubtype(id)), id,
                   family.hasDataRows() ? family.cell(1, 0) : std::string(), barFamilyNames(db));
}

int CatalogueSearchResult::rowCount() const {
    int n = 0;
    for (const SearchGroup& group : groups)
        n += static_cast<int>(group.rows.size());
    return n;
}

namespace {
// The pattern is the keyword between two "%".
int longestKeywordOf(const CatalogueDatabase& database) {
    return std::max(0, database.likePatternLimit() - 2);
}
} // namespace

int CatalogueSearch::longestKeyword() const {
    return longestKeywordOf(m_queries.database());
}

std::string keywordLengthRefusal(const CatalogueDatabase& database, const std::string& keyword) {
    const int longest = longestKeywordOf(database);
    if (keyword.size() <= static_cast<size_t>(longest)) return {};
    return "关键字过长（" + std::to_string(keyword.size()) + " 字节），最多 " +
           std::to_string(longest) + " 字节，请缩短后再搜索。";
}

void CatalogueSearch::plan() const {
    if (m_planned) return;
    m_planned = true;
    CatalogueDatabase& db = m_queries.database();
    const TextGrid grid =
        db.query("select s.ID, s.NAME, s.SHOWCOLS, f.ID, f.NAME, f.NORMTABLE from SUBTYPES s "
                 "join SECTIONTABLE f on f.ID = s.SECTIONID where f.TYPE=1 "
                 "order by f.\"ORDER\", f.rowid, s.\"ORDER\", s.rowid");
    if (grid.columnCount < 6) return;
    std::map<std::string, size_t> tableIndex;
    std::map<std::string, std::string> headerCache;
    const std::vector<std::string> families = barFamilyNames(db);
    for (int r = 1; r < grid.rowCount; ++r) {
        const std::string& subtypeId = grid.cell(r, 0);
        const std::string& familyId = grid.cell(r, 3);
        const std::string& tableName = grid.cell(r, 5);
        if (!isCatalogueId(subtypeId) || !isCatalogueId(familyId) || tableName.empty() ||
            grid.cell(r, 2).empty())
            continue;
        Standard standard;
        standard.subtypeId = std::stoi(subtypeId);
        standard.subtypeName = grid.cell(r, 1);
        standard.familyId = std::stoi(familyId);
        standard.familyName = grid.cell(r, 4);
        standard.columns = splitColumns(grid.cell(r, 2));
        for (const std::string& column : standard.columns) {
            auto cached = headerCache.find(column);
            if (cached == headerCache.end())
                cached = headerCache.emplace(column, m_queries.headerNameOfColumn(column)).first;
            standard.headers.push_back(cached->second);
        }
        standard.style =
            styleOf(db, tableName, standard.columns, subtypeId, standard.familyName, families);
        auto [it, added] = tableIndex.emplace(tableName, m_tables.size());
        if (added) m_tables.push_back(Table{tableName, {}, {}, {}, {}, {}});
        Table& table = m_tables[it->second];
        table.standards.push_back(m_standards.size());
        for (const std::string& column : standard.columns) {
            if (std::find(table.columns.begin(), table.columns.end(), column) ==
                table.columns.end())
                table.columns.push_back(column);
        }
        m_standards.push_back(std::move(standard));
    }
    // Where each row stands in its standard's table: the unfiltered select yields a
    // standard's rows in rowid order.
    for (Table& table : m_tables) {
        const TextGrid rows = db.query("select SUBTYPEID, rowid from " + sqlName(table.name));
        for (int r = 1; r < rows.rowCount && rows.columnCount == 2; ++r)
            table.rowids[rows.cell(r, 0)].push_back(std::atoll(rows.cell(r, 1).c_str()));
        for (auto& [subtype, rowids] : table.rowids)
            std::sort(rowids.begin(), rowids.end());
    }
}

int CatalogueSearch::positionOf(const Table& table, const std::string& subtypeId,
                                const std::string& rowid) {
    auto found = table.rowids.find(subtypeId);
    if (found == table.rowids.end()) return 0;
    const std::vector<long long>& rowids = found->second;
    return static_cast<int>(
        std::lower_bound(rowids.begin(), rowids.end(), std::atoll(rowid.c_str())) - rowids.begin());
}

namespace {

// Whether one of the columns contains the lower-case text bound to parameter n. LIKE is
// the faster; instr() is used where the text holds a "%" or "_", which it reads as
// characters, or is too long for a LIKE pattern. Both ignore the case of A-Z only.
std::string containsSql(const std::vector<std::string>& columns, int n, bool literal) {
    const std::string parameter = "?" + std::to_string(n);
    std::string match;
    for (const std::string& column : columns) {
        match += match.empty() ? "" : " or ";
        match += literal ? "instr(lower(" + sqlName(column) + "), " + parameter + ") > 0"
                         : sqlName(column) + " like '%' || " + parameter + " || '%'";
    }
    return match;
}

// One statement over one spec table: the standard of each row decides which of its
// columns are matched, against the keyword (?1) and the standard's own typed form of it
// (?2, ?3, ... in the order of the standards). The form is looked at only where it differs
// from the keyword: a CASE, because AND and OR in a value evaluate both sides. The rowid
// comes along so that the row can be found again in the standard's unfiltered table.
std::string tableSql(const std::string& table, const std::vector<std::string>& columns,
                     const std::vector<std::pair<int, const std::vector<std::string>*>>& standards,
                     bool literal) {
    std::string list;
    for (const std::string& column : columns)
        list += ", " + sqlName(column);
    std::string cases;
    int form = 2;
    for (const auto& [subtypeId, shown] : standards) {
        cases += " when SUBTYPEID=" + std::to_string(subtypeId) + " then (" +
                 containsSql(*shown, 1, literal) + " or case when ?" + std::to_string(form) +
                 " = ?1 then 0 else (" + containsSql(*shown, form, literal) + ") end)";
        ++form;
    }
    return "select SUBTYPEID, rowid" + list + " from " + sqlName(table) + " where case" + cases +
           " else 0 end";
}

// The typed form as bound: the keyword itself where the form is empty, so that the
// statement skips it rather than matching every row with an empty text.
std::string formParameter(const std::string& keyword, const DesignationStyle& style) {
    const std::string form = typedForm(keyword, style);
    return asciiLowerText(form.empty() ? keyword : form);
}

} // namespace

CatalogueSearchResult CatalogueSearch::search(const std::string& keyword) const {
    CatalogueSearchResult result;
    if (keyword.empty()) {
        result.refusal = "请先输入要搜索的关键字。";
        return result;
    }
    result.refusal = keywordLengthRefusal(m_queries.database(), keyword);
    if (!result.refusal.empty()) return result;
    plan();
    CatalogueDatabase& db = m_queries.database();
    std::vector<SearchGroup> groups(m_standards.size());
    const std::string lowered = asciiLowerText(keyword);
    std::vector<std::string> forms;
    bool literal = lowered.find_first_of("%_") != std::string::npos;
    for (const Standard& standard : m_standards) {
        forms.push_back(formParameter(keyword, standard.style));
        literal = literal || forms.back().find_first_of("%_") != std::string::npos ||
                  forms.back().size() > static_cast<size_t>(longestKeyword());
    }
    for (Table& table : m_tables) {
        std::vector<std::string> parameters = {lowered};
        std::vector<std::pair<int, const std::vector<std::string>*>> standards;
        std::map<std::string, size_t> bySubtype;
        for (size_t index : table.standards) {
            standards.emplace_back(m_standards[index].subtypeId, &m_standards[index].columns);
            parameters.push_back(forms[index]);
            bySubtype.emplace(std::to_string(m_standards[index].subtypeId), index);
        }
        std::string& sql = literal ? table.instrSql : table.likeSql;
        if (sql.empty()) sql = tableSql(table.name, table.columns, standards, literal);
        bool ok = false;
        const TextGrid grid = db.query(sql, &ok, nullptr, parameters);
        if (!ok) {
            // One standard naming a column its table lacks must not hide the others.
            for (size_t index : table.standards)
                searchStandardAlone(table, m_standards[index], {lowered, forms[index]}, literal,
                                    groups[index], result);
            continue;
        }
        for (int r = 1; r < grid.rowCount; ++r) {
            auto found = bySubtype.find(grid.cell(r, 0));
            if (found == bySubtype.end()) continue;
            const Standard& standard = m_standards[found->second];
            SearchRow row;
            row.position = positionOf(table, grid.cell(r, 0), grid.cell(r, 1));
            for (const std::string& column : standard.columns) {
                const size_t k = static_cast<size_t>(
                    std::find(table.columns.begin(), table.columns.end(), column) -
                    table.columns.begin());
                row.values.push_back(grid.cell(r, 2 + static_cast<int>(k)));
            }
            groups[found->second].rows.push_back(std::move(row));
        }
    }
    for (size_t i = 0; i < groups.size(); ++i) {
        SearchGroup& group = groups[i];
        if (group.rows.empty()) continue;
        const Standard& standard = m_standards[i];
        group.familyId = standard.familyId;
        group.familyName = standard.familyName;
        group.subtypeId = standard.subtypeId;
        group.subtypeName = standard.subtypeName;
        group.headers = standard.headers;
        std::stable_sort(
            group.rows.begin(), group.rows.end(),
            [](const SearchRow& a, const SearchRow& b) { return a.position < b.position; });
        result.groups.push_back(std::move(group));
    }
    return result;
}

void CatalogueSearch::searchStandardAlone(const Table& table, const Standard& standard,
                                          const std::vector<std::string>& parameters, bool literal,
                                          SearchGroup& group, CatalogueSearchResult& result) const {
    bool ok = false;
    const TextGrid grid = m_queries.database().query(
        tableSql(table.name, standard.columns, {{standard.subtypeId, &standard.columns}}, literal),
        &ok, nullptr, parameters);
    if (!ok) {
        result.failedStandards.push_back(standard.subtypeName);
        return;
    }
    for (int r = 1; r < grid.rowCount; ++r) {
        SearchRow row;
        row.position = positionOf(table, grid.cell(r, 0), grid.cell(r, 1));
        for (size_t k = 0; k < standard.columns.size(); ++k)
            row.values.push_back(grid.cell(r, 2 + static_cast<int>(k)));
        group.rows.push_back(std::move(row));
    }
}

std::string searchGroupTitle(const SearchGroup& group) {
    return group.familyName + " › " + group.subtypeName + "（" + std::to_string(group.rows.size()) +
           " 条）";
}

std::string searchRowText(const SearchGroup& group, const SearchRow& row) {
    std::string text;
    for (size_t k = 0; k < group.headers.size() && k < row.values.size(); ++k)
        text += (k ? "，" : "") + group.headers[k] + " " + trimmedText(row.values[k]);
    return text;
}

namespace {

// The keyword as a message shows it: at most a line's worth of characters.
std::string shownKeyword(const std::string& keyword) {
    constexpr int longest = 20; // characters
    int characters = 0;
    for (size_t i = 0; i < keyword.size(); ++i) {
        if ((static_cast<unsigned char>(keyword[i]) & 0xC0) == 0x80) continue;
        if (characters++ == longest) return keyword.substr(0, i) + "…";
    }
    return keyword;
}

} // namespace

std::string searchReport(SearchScope scope, const std::string& keyword, int rows, int standards) {
    const std::string where = scope == SearchScope::AllStandards ? "全部标准" : "当前标准";
    if (rows <= 0) return "在" + where + "中没有找到包含「" + shownKeyword(keyword) + "」的规格。";
    if (scope == SearchScope::CurrentStandard)
        return "在当前标准中找到 " + std::to_string(rows) + " 条规格。";
    return "在全部标准中找到 " + std::to_string(rows) + " 条规格，分属 " +
           std::to_string(standards) + " 个标准，回车或双击打开。";
}
