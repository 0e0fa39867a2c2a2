#pragma once

// Small helpers shared by the catalogue tests.
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_tables.h"
#include "catalogue/catalogue_text.h"

#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string u8(const QString& text) {
    return text.toStdString();
}

// One column of a grid, data rows only, as a list (for readable comparisons).
inline QStringList gridColumn(const TextGrid& grid, int column) {
    QStringList out;
    for (int r = 1; r < grid.rowCount && column < grid.columnCount; ++r)
        out << q(grid.cell(r, column));
    return out;
}

inline QStringList gridRow(const TextGrid& grid, int row) {
    QStringList out;
    for (int c = 0; c < grid.columnCount && row < grid.rowCount; ++c)
        out << q(grid.cell(row, c));
    return out;
}

// The built-in catalogue, built once per test program.
inline CatalogueDatabase& builtInDatabase() {
    return CatalogueDatabase::instance();
}

// The built-in texts, parsed; a text that does not parse maps to an empty table and its
// error is kept in parseErrors.
struct ParsedCatalogue {
    std::map<std::string, ParsedTable> tables;
    std::map<std::string, size_t> bytes;
    std::vector<std::string> parseErrors;
};

inline const ParsedCatalogue& parsedBuiltIn() {
    static const ParsedCatalogue catalogue = [] {
        ParsedCatalogue out;
        for (const CatalogueTable& table : builtInCatalogue()) {
            ParsedTable parsed;
            std::string error;
            if (!parseCatalogueText(std::string_view(table.text.constData(),
                                                     static_cast<size_t>(table.text.size())),
                                    parsed, error))
                out.parseErrors.push_back(table.name + ": " + error);
            out.tables[table.name] = parsed;
            out.bytes[table.name] = static_cast<size_t>(table.text.size());
        }
        return out;
    }();
    return catalogue;
}

// Value of a named column in a parsed record ("" if the column does not exist).
inline std::string field(const ParsedTable& table, const std::vector<std::string>& record,
                         const std::string& column) {
    for (size_t i = 0; i < table.header.size() && i < record.size(); ++i) {
        if (table.header[i] == column) return record[i];
    }
    return {};
}

inline const std::vector<std::string>& specTableNames() {
    static const std::vector<std::string> names(catalogueTableNames().begin() + 6,
                                                catalogueTableNames().end());
    return names;
}
