#pragma once

#include "browser/spec_table_model.h"
#include "catalogue/catalogue_queries.h"

#include <QButtonGroup>
#include <QWidget>
#include <functional>

class AllStandardsSearch;
class BarDrawing;
class ChoiceBar;
class EmptyTableNotice;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeView;
class RowTakeOff;
class SectionPropertiesPanel;
class TableExport;
class TakeOffPanel;

// The page of one bar-section family: drawing, standards bar, name and remark of the
// current standard, its table of sizes with keyword search (this standard or all of them), row
// copy, export, the selected row's properties and its take-off. The page builds and owns its
// widgets; each carries its layout id.
class BarPage : public QWidget {
    Q_OBJECT
  public:
    explicit BarPage(const CatalogueQueries& queries, QWidget* parent = nullptr);
    ~BarPage() override;

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

    // The weld family button of a family id, or none; the page offers it over an empty
    // table of like shape. The family bars are not the page's own.
    using WeldFamilyFinder = std::function<QAbstractButton*(int weldFamilyId)>;
    void setWeldFamilyFinder(WeldFamilyFinder finder) { m_findWeldFamily = std::move(finder); }

    int currentStandardId() const { return m_currentStandardId; }
    const QString& standardName() const { return m_standardName; }
    const QString& standardRemark() const { return m_standardRemark; }
    // The keyword the table on show is narrowed by; empty when it shows the whole standard.
    const std::string& shownKeyword() const { return m_shownKeyword; }
    SpecTableModel* model() { return &m_model; }
    // The notice shown over an empty table, or the empty text.
    QString emptyNotice() const;
    // The notice's box inside the table's viewport; empty while no notice is shown.
    QRect emptyNoticeGeometry() const;
    // The line over a table that holds only part of its standard, or the empty text.
    QString coverageNotice() const;

    bool searchesAllStandards() const;
    void setSearchesAllStandards(bool all);
    AllStandardsSearch* allStandardsSearch() const { return m_allStandardsSearch; }
    TableExport* tableExport() const { return m_tableExport; }
    TakeOffPanel* takeOff() const { return m_takeOff; }
    // Every stop of the page in Tab order: standards bar, search row, table, found rows,
    // properties, take-off.
    QList<QWidget*> tabChain() const;

  signals:
    void tableFilled(int subtypeId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLayout* buildLeftColumn();
    QLayout* buildSearchRow();
    QWidget* buildTableArea();
    void wireTable();
    void onSearch();
    void onSearchScopeChange();
    std::string readSearchKeyword();
    QAbstractButton* createStandardButton(const std::string& id, const std::string& name);
    void showEmptyNotice(int subtypeId, bool search, bool empty);
    void showCoverageLine(int subtypeId);
    // Shares the table's width out among the columns (column_widths.h).
    void fitColumns();
    void openWeldFamily(int weldFamilyId);

    const CatalogueQueries& m_queries;
    SpecTableModel m_model;
    QButtonGroup m_standardButtons;
    int m_currentStandardId = 0;
    QString m_standardName;
    QString m_standardRemark;
    bool m_searchRequested = false;
    std::string m_shownKeyword;
    std::vector<int> m_neededWidths; // per column of the table on show, serial column first
    WeldFamilyFinder m_findWeldFamily;

    BarDrawing* m_drawing;
    QLabel* m_nameLine;
    QLabel* m_remarkLine;
    SectionPropertiesPanel* m_properties;
    ChoiceBar* m_standardsBar;
    QComboBox* m_scopeBox;
    QLineEdit* m_searchBox;
    QPushButton* m_searchButton;
    QPushButton* m_exportButton;
    QLabel* m_coverageLine;
    QTableView* m_view;
    EmptyTableNotice* m_emptyNotice;
    QTreeView* m_results;
    TakeOffPanel* m_takeOff;
    AllStandardsSearch* m_allStandardsSearch = nullptr;
    RowTakeOff* m_rowTakeOff = nullptr;
    TableExport* m_tableExport = nullptr;
};
