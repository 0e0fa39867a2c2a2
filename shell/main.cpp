#include "catalogue/catalogue_database.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CatalogueDatabase::instance();
    QLabel window(QStringLiteral("钢材规格手册"));
    window.setMinimumSize(900, 590);
    window.show();
    return app.exec();
}
