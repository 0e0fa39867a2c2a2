#pragma once

#include "export/table_text.h"

#include <QObject>
#include <functional>

class AllStandardsSearch;
class BarPage;
class QAction;

// The file an export writes for the name chosen in the save dialog: ".csv" is added to a name
// without an extension, and only then is the name looked for, so that an existing file is
// replaced only when askReplace(path) agrees, whatever was typed. Empty: write nothing.
QString exportTargetPath(const QString& chosen,
                         const std::function<bool(const QString& path)>& askReplace);

// The shown spec table leaves the handbook: saved as a CSV file, or copied whole as
// tab-separated text. After a search that is the found rows; the results of a search over
// all standards leave as one block per standard, each row led by its family and standard.
class TableExport : public QObject {
    Q_OBJECT
  public:
    TableExport(BarPage* page, AllStandardsSearch* search, QObject* parent = nullptr);

    // Asks for a file (the standard dialog), then whether to replace it, then exports to it.
    void chooseFileAndExport();
    // Writes the CSV file whole or not at all; says which in the message line.
    bool exportTo(const QString& path);
    void copyWholeTable();

    // Export is offered only where there is something to export: the button and the
    // actions are greyed out, with the reason as tooltip, over an empty table or results.
    void setExportControls(QList<QObject*> controls);
    void updateAvailability();

    // The dialogs, replaceable so that the road from a chosen name to the file can be
    // followed without a window manager. chooseFile gets the suggested path and returns the
    // chosen one (empty: cancelled).
    using ChooseFile = std::function<QString(const QString& suggested)>;
    using AskReplace = std::function<bool(const QString& path)>;
    void setDialogs(ChooseFile chooseFile, AskReplace askReplace);

  private:
    // What is on show, ready to leave: a title line, the header and data lines (without the
    // serial column), the count of data rows and a name for the messages. Empty rows, with
    // emptyReason, when there is nothing to give.
    struct ShownTable {
        std::vector<std::string> title;
        TextRows rows;
        int count = 0;
        QString name;
        QString emptyReason;
    };
    ShownTable shownTable() const;
    // Why nothing can be exported now; empty when something can.
    QString nothingToExport() const;
    ShownTable specTable() const;
    ShownTable searchResults() const;
    QString standardName() const;
    QString suggestedPath(const QString& name) const;

    BarPage* m_page;
    AllStandardsSearch* m_search;
    QList<QObject*> m_controls;
    ChooseFile m_chooseFile;
    AskReplace m_askReplace;
};
