#pragma once

#include "export/table_text.h"

#include <QObject>

class BarPage;
class QWidget;

// The shown spec table leaves the handbook: saved as a CSV file, or copied whole as
// tab-separated text. After a search that is the found rows.
class TableExport : public QObject {
    Q_OBJECT
  public:
    TableExport(QWidget* window, BarPage* page, QObject* parent = nullptr);

    // Asks for a file (the standard dialog), then exports to it.
    void chooseFileAndExport();
    // Writes the CSV file whole or not at all; says which in the message line.
    bool exportTo(const QString& path);
    void copyWholeTable();

  private:
    // Header line (with units) and rows, without the serial column; empty with a message
    // when there is no table to give.
    TextRows shownRows();
    QString standardName() const;

    QWidget* m_window;
    BarPage* m_page;
};
