#pragma once

#include "browser/spec_table_model.h"
#include "catalogue/catalogue_queries.h"

#include <QButtonGroup>
#include <QObject>

class EmptyTableNotice;
class QAbstractButton;
class QTableView;

// The page of one bar-section family: drawing, standards bar, name and remark of the
// current standard, the spec table with keyword search and row copy.
class BarPage : public QObject {
    Q_OBJECT
  public:
    BarPage(QWidget* window, const CatalogueQueries& queries, QObject* parent = nullptr);

    // Shows the page for the family the button carries (the start family without a button) and
    // fills the table with the family's first standard.
    void showBarPage(QAbstractButton* button);
    void fillSpecTable(int subtypeId);
    void onStandardClick(QAbstractButton* button);
    void onSearchClick();
    // Copies the selected row to the clipboard; with no row selected nothing happens.
    void copySelectedRow();
    // Fills the table with a standard of the family on show and selects the row at the
    // position (0 = first row of the unfiltered table), scrolled into view.
    void showStandardRow(int subtypeId, int position);

    int currentStandardId() const { return m_currentStandardId; }
    // The keyword the table on show is narrowed by; empty when it shows the whole standard.
    const std::string& shownKeyword() const { return m_shownKeyword; }
    SpecTableModel* model() { return &m_model; }
    // The notice shown over an empty table, or the empty text.
    QString emptyNotice() const;
    // The notice's box inside the table's viewport; empty while no notice is shown.
    QRect emptyNoticeGeometry() const;
    // The line over a table that holds only part of its standard, or the empty text.
    QString coverageNotice() const;

  signals:
    void tableFilled(int subtypeId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::string readSearchKeyword();
    QAbstractButton* createStandardButton(const std::string& id, const std::string& name);
    void showEmptyNotice(int subtypeId, bool search, bool empty);
    void showCoverageLine(int subtypeId);
    // Shares the table's width out among the columns (column_widths.h).
    void fitColumns();
    void openWeldFamily(int weldFamilyId);

    QWidget* m_window;
    const CatalogueQueries& m_queries;
    SpecTableModel m_model;
    QButtonGroup m_standardButtons;
    int m_currentStandardId = 0;
    bool m_searchRequested = false;
    std::string m_shownKeyword;
    EmptyTableNotice* m_emptyNotice = nullptr;
    std::vector<int> m_neededWidths; // per column of the table on show, serial column first
};
