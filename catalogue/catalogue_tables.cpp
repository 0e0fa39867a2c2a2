#include "catalogue/catalogue_tables.h"

#include <QFile>
#include <QString>

const std::vector<std::string>& catalogueTableNames() {
    static const std::vector<std::string> names = {
        "BARTOWELD",    "SECTIONTABLE",  "HEADERNAMES", "SUBTYPES",      "WELDCALCINFO",
        "WELDMARKINFO", "热轧_不等边",   "热轧_槽钢",   "热轧_多边形钢", "热轧_钢板",
        "热轧_钢轨",    "热轧_钢丝",     "热轧_工字钢", "热轧_夹芯板",   "热轧_角钢",
        "热轧_矩形管",  "热轧_其他钢管", "热轧_螺栓",   "热轧_压型钢板", "热轧_圆钢",
        "热轧_圆管",    "热轧C",         "热轧H",       "热轧T",         "热轧Z",
        "热轧方",
    };
    return names;
}

std::vector<CatalogueTable> builtInCatalogue() {
    std::vector<CatalogueTable> tables;
    tables.reserve(catalogueTableNames().size());
    for (const std::string& name : catalogueTableNames()) {
        QFile file(QStringLiteral(":/catalogue/") + QString::fromStdString(name) +
                   QStringLiteral(".csv"));
        CatalogueTable table{name, {}};
        if (file.open(QIODevice::ReadOnly)) table.text = file.readAll();
        tables.push_back(std::move(table));
    }
    return tables;
}
