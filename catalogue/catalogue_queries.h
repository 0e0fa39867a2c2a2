#pragma once

#include "catalogue/catalogue_database.h"

#include <string>

// The bar family the window opens with on a first start (H型钢), its first standard shown.
inline constexpr int startFamilyId = 19;

// The fixed questions the browser and the calculator ask the catalogue. Keys are the
// decimal texts of ids (no leading zeros) or a family kind "0"/"1"; each operation builds
// one statement from a fixed prefix, the key and a fixed suffix.
class CatalogueQueries {
  public:
    explicit CatalogueQueries(CatalogueDatabase& database) : m_db(database) {}

    TextGrid familiesOfKind(const std::string& kind) const;
    std::string familyName(const std::string& familyId) const;
    std::string familyImage(const std::string& familyId) const;
    TextGrid subtypesOfFamily(const std::string& familyId) const;
    std::string subtypeName(const std::string& subtypeId) const;
    std::string subtypeRemark(const std::string& subtypeId) const;
    std::string specTableOfSubtype(const std::string& subtypeId) const;
    std::string shownColumnsOfSubtype(const std::string& subtypeId) const;
    std::string headerNameOfColumn(const std::string& columnName) const;
    TextGrid weldMarksOfFamily(const std::string& familyId) const;
    TextGrid weldFormulasOfFamily(const std::string& familyId) const;

    // Statement texts, exactly as run.
    static std::string familiesOfKindSql(const std::string& kind);
    static std::string familyNameSql(const std::string& familyId);
    static std::string familyImageSql(const std::string& familyId);
    static std::string subtypesOfFamilySql(const std::string& familyId);
    static std::string subtypeNameSql(const std::string& subtypeId);
    static std::string subtypeRemarkSql(const std::string& subtypeId);
    static std::string specTableOfSubtypeSql(const std::string& subtypeId);
    static std::string shownColumnsOfSubtypeSql(const std::string& subtypeId);
    static std::string headerNameOfColumnSql(const std::string& columnName);
    static std::string weldMarksOfFamilySql(const std::string& familyId);
    static std::string weldFormulasOfFamilySql(const std::string& familyId);

    CatalogueDatabase& database() const { return m_db; }

  private:
    std::string singleValue(const std::string& sql, const std::string& fallback) const;

    CatalogueDatabase& m_db;
};

// Keys that reach a statement are ids or kinds; anything else is refused and the
// operation answers with its fallback (a column name never holds an apostrophe).
bool isCatalogueId(const std::string& key);
