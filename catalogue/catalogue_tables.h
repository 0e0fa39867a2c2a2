#pragma once

#include <QByteArray>
#include <string>
#include <vector>

struct CatalogueTable {
    std::string name; // SQL table name, UTF-8
    QByteArray text;  // the catalogue text, UTF-8
};

// Table names in load order: six control tables, then the twenty spec tables.
const std::vector<std::string>& catalogueTableNames();

// The built-in catalogue (compiled into the executable), in load order.
std::vector<CatalogueTable> builtInCatalogue();
