#pragma once

#include "catalogue/catalogue_search.h"

#include <QObject>
#include <QStandardItemModel>

class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

// The 全部标准 scope of the search box: the keyword is looked for in every standard and the
// found rows are listed in place of the spec table, grouped by standard. Activating a row
// (Enter or double-click) asks for its family and standard to be opened at that row.
class AllStandardsSearch : public QObject {
    Q_OBJECT
  public:
    // Item data of the results list.
    enum Role { FamilyRole = Qt::UserRole + 1, SubtypeRole, PositionRole };

    // The widgets of the bar page it works on.
    struct Widgets {
        QComboBox* scope;
        QLineEdit* keyword;
        QTreeView* results;
        QWidget* table;
        QLabel* coverage; // the table's partial-coverage line, hidden with the table
    };

    AllStandardsSearch(const CatalogueQueries& queries, const Widgets& widgets,
                       QObject* parent = nullptr);

    bool searchesAllStandards() const;
    // Searches for the search box's keyword and lists the result; a refused keyword only
    // gives its message and leaves the page as it was.
    void run();
    // The spec table again in place of the results.
    void showTable();
    bool resultsShown() const;
    QStandardItemModel* model() { return &m_model; }
    // The search the listed results come from, for the export.
    const CatalogueSearchResult& listedResult() const { return m_listed; }
    const std::string& listedKeyword() const { return m_listedKeyword; }

  signals:
    void openRequested(int familyId, int subtypeId, int position);
    // The results or the spec table took the place of the other, or new results are listed.
    void viewSwitched();

  private:
    void onActivated(const QModelIndex& index);

    Widgets m_widgets;
    CatalogueSearch m_search;
    QStandardItemModel m_model;
    CatalogueSearchResult m_listed;
    std::string m_listedKeyword;
};
