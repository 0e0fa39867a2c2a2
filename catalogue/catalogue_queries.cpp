#include "catalogue/catalogue_queries.h"

bool isCatalogueId(const std::string& key) {
    if (key.empty() || key.size() > 9) return false;
    for (char c : key) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

namespace {

bool isColumnName(const std::string& key) {
    return key.find('\'') == std::string::npos && key.find('\0') == std::string::npos;
}

} // namespace

std::string CatalogueQueries::familiesOfKindSql(const std::string& kind) {
    return "select * from SECTIONTABLE where type=" + kind + " order by \"ORDER\"";
}
std::string CatalogueQueries::familyNameSql(const std::string& familyId) {
    return "select name from SECTIONTABLE where id=" + familyId;
}
std::string CatalogueQueries::familyImageSql(const std::string& familyId) {
    return "select IMAGE from SECTIONTABLE where id=" + familyId;
}
std::string CatalogueQueries::subtypesOfFamilySql(const std::string& familyId) {
    return "select * from subtypes where sectionid=" + familyId + " order by \"ORDER\"";
}
std::string CatalogueQueries::subtypeNameSql(const std::string& subtypeId) {
    return "select NAME from subtypes where id=" + subtypeId;
}
std::string CatalogueQueries::subtypeRemarkSql(const std::string& subtypeId) {
    return "select REMARK from subtypes where id=" + subtypeId;
}
std::string CatalogueQueries::specTableOfSubtypeSql(const std::string& subtypeId) {
    return "select normtable from SECTIONTABLE where id=(select sectionid from subtypes where id=" +
           subtypeId + ")";
}
std::string CatalogueQueries::shownColumnsOfSubtypeSql(const std::string& subtypeId) {
    return "select showcols from SUBTYPES where id=" + subtypeId;
}
std::string CatalogueQueries::headerNameOfColumnSql(const std::string& columnName) {
    return "select headername from headernames where `index`='" + columnName + "'";
}
std::string CatalogueQueries::weldMarksOfFamilySql(const std::string& familyId) {
    return "select * from WELDMARKINFO where sectionid=" + familyId;
}
std::string CatalogueQueries::weldFormulasOfFamilySql(const std::string& familyId) {
    return "select * from weldcalcinfo where sectionid=" + familyId;
}

std::string CatalogueQueries::singleValue(const std::string& sql,
                                          const std::string& fallback) const {
    TextGrid grid = m_db.query(sql);
    if (grid.rowCount > 1 && grid.columnCount > 0) return grid.cell(1, 0);
    return fallback;
}

TextGrid CatalogueQueries::familiesOfKind(const std::string& kind) const {
    return isCatalogueId(kind) ? m_db.query(familiesOfKindSql(kind)) : TextGrid{};
}
std::string CatalogueQueries::familyName(const std::string& familyId) const {
    return isCatalogueId(familyId) ? singleValue(familyNameSql(familyId), {}) : std::string();
}
std::string CatalogueQueries::familyImage(const std::string& familyId) const {
    return isCatalogueId(familyId) ? singleValue(familyImageSql(familyId), {}) : std::string();
}
TextGrid CatalogueQueries::subtypesOfFamily(const std::string& familyId) const {
    return isCatalogueId(familyId) ? m_db.query(subtypesOfFamilySql(familyId)) : TextGrid{};
}
std::string CatalogueQueries::subtypeName(const std::string& subtypeId) const {
    return isCatalogueId(subtypeId) ? singleValue(subtypeNameSql(subtypeId), {}) : std::string();
}
std::string CatalogueQueries::subtypeRemark(const std::string& subtypeId) const {
    return isCatalogueId(subtypeId) ? singleValue(subtypeRemarkSql(subtypeId), {}) : std::string();
}
std::string CatalogueQueries::specTableOfSubtype(const std::string& subtypeId) const {
    return isCatalogueId(subtypeId) ? singleValue(specTableOfSubtypeSql(subtypeId), {})
                                    : std::string();
}
std::string CatalogueQueries::shownColumnsOfSubtype(const std::string& subtypeId) const {
    return isCatalogueId(subtypeId) ? singleValue(shownColumnsOfSubtypeSql(subtypeId), {})
                                    : std::string();
}
std::string CatalogueQueries::headerNameOfColumn(const std::string& columnName) const {
    if (!isColumnName(columnName)) return columnName;
    return singleValue(headerNameOfColumnSql(columnName), columnName);
}
TextGrid CatalogueQueries::weldMarksOfFamily(const std::string& familyId) const {
    return isCatalogueId(familyId) ? m_db.query(weldMarksOfFamilySql(familyId)) : TextGrid{};
}
TextGrid CatalogueQueries::weldFormulasOfFamily(const std::string& familyId) const {
    return isCatalogueId(familyId) ? m_db.query(weldFormulasOfFamilySql(familyId)) : TextGrid{};
}
