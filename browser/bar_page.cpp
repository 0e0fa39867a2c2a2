#include "browser/bar_page.h"

#include "browser/all_standards_search.h"
#include "browser/bar_drawing.h"
#include "browser/choice_bar.h"
#include "browser/column_widths.h"
#include "browser/empty_table_notice.h"
#include "browser/family_bars.h"
#include "browser/row_takeoff.h"
#include "browser/section_properties_panel.h"
#include "browser/spec_select.h"
#include "browser/standard_coverage.h"
#include "browser/table_export.h"
#include "catalogue/catalogue_search.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"
#include "weld/text_helpers.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

BarPage::BarPage(const CatalogueQueries& queries, QWidget* parent)
    : QWidget(parent), m_queries(queries) {
    ui::tagged(this, LayoutId::BarPage, QStringLiteral("型材规格页"));
    m_standardButtons.setExclusive(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addLayout(buildLeftColumn());

    auto* right = new QVBoxLayout;
    m_standardsBar = ui::tagged(new ChoiceBar, LayoutId::StandardsBar, QStringLiteral("标准"));
    m_standardsBar->setStyleSheet(familyButtonStyleSheet());
    right->addWidget(m_standardsBar);
    right->addLayout(buildSearchRow());
    right->addWidget(buildTableArea(), 1);
    m_takeOff = ui::tagged(new TakeOffPanel, LayoutId::BarTakeOff, QStringLiteral("用量计算"));
    right->addWidget(m_takeOff);
    layout->addLayout(right, 1);

    wireTable();
}

BarPage::~BarPage() = default;

QLayout* BarPage::buildLeftColumn() {
    auto* left = new QVBoxLayout;
    m_drawing = ui::tagged(new BarDrawing, LayoutId::BarDrawing, QStringLiteral("截面示意图"));
    m_drawing->setStyleSheet(QStringLiteral("background: white; border: 1px solid #c9d3df;"));
    left->addWidget(m_drawing);
    m_nameLine = ui::valueLine(LayoutId::StandardNameLine, QStringLiteral("当前标准"),
                               QStringLiteral("standardName"));
    m_nameLine->setWordWrap(true);
    m_nameLine->setFixedWidth(260);
    left->addWidget(m_nameLine);
    m_remarkLine = ui::valueLine(LayoutId::RemarkLine, QStringLiteral("标准说明"),
                                 QStringLiteral("remarkLine"));
    m_remarkLine->setWordWrap(true);
    m_remarkLine->setFixedWidth(260);
    left->addWidget(m_remarkLine);
    m_properties = new SectionPropertiesPanel;
    m_properties->setFixedWidth(260);
    left->addWidget(m_properties, 1);
    return left;
}

QLayout* BarPage::buildSearchRow() {
    auto* searchRow = new QHBoxLayout;
    m_searchBox = ui::tagged(new QLineEdit, LayoutId::SearchBox, QStringLiteral("搜索关键字"));
    m_searchBox->setPlaceholderText(QStringLiteral("输入规格或数值，回车搜索当前标准"));
    m_searchBox->setClearButtonEnabled(true);
    searchRow->addWidget(m_searchBox, 1);
    m_scopeBox = ui::tagged(new QComboBox, LayoutId::SearchScopeBox, QStringLiteral("搜索范围"));
    m_scopeBox->addItems({QStringLiteral("当前标准"), QStringLiteral("全部标准")});
    m_scopeBox->setToolTip(QStringLiteral("只搜索当前标准，或搜索全部标准"));
    // On Linux a screen reader reads a combo box by its value; the label names it.
    auto* scopeCaption = new QLabel(QStringLiteral("范围"));
    scopeCaption->setBuddy(m_scopeBox);
    searchRow->insertWidget(0, scopeCaption);
    searchRow->insertWidget(1, m_scopeBox);
    m_searchButton = ui::tagged(new QPushButton(QStringLiteral("搜索")), LayoutId::SearchButton,
                                QStringLiteral("搜索"));
    searchRow->addWidget(m_searchButton);
    m_exportButton = ui::tagged(new QPushButton(QStringLiteral("导出…")), LayoutId::ExportButton,
                                QStringLiteral("导出规格表"));
    m_exportButton->setToolTip(
        QStringLiteral("把表中的规格保存为 CSV 文件（Ctrl+Shift+A 复制整表）"));
    searchRow->addWidget(m_exportButton);
    return searchRow;
}

QWidget* BarPage::buildTableArea() {
    auto* tableArea = ui::tagged(new QWidget, LayoutId::BarTableArea);
    auto* tableLayout = new QVBoxLayout(tableArea);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(2);
    // Over a table that holds only part of its standard, lest it pass for the whole.
    m_coverageLine = ui::valueLine(LayoutId::CoverageLine, QStringLiteral("收录情况"),
                                   QStringLiteral("coverageLine"));
    m_coverageLine->setWordWrap(true);
    m_coverageLine->hide();
    tableLayout->addWidget(m_coverageLine);
    m_view = ui::tagged(new QTableView, LayoutId::SpecTableView, QStringLiteral("规格表"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(26);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setStretchLastSection(false);
    m_view->setWordWrap(false);
    m_view->setTabKeyNavigation(false);
    m_view->setToolTip(QStringLiteral("双击一行或按 Ctrl+C 复制该行"));
    tableLayout->addWidget(m_view);
    m_results =
        ui::tagged(new QTreeView, LayoutId::SearchResultsView, QStringLiteral("全部标准搜索结果"));
    m_results->setHeaderHidden(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setUniformRowHeights(true);
    m_results->setExpandsOnDoubleClick(false); // a double-click opens the standard
    m_results->setToolTip(QStringLiteral("回车或双击打开该规格所在的标准"));
    m_results->hide();
    tableLayout->addWidget(m_results);
    return tableArea;
}

void BarPage::wireTable() {
    m_view->setModel(&m_model);
    // The columns follow the width on show; a left double-click anywhere in the table, rows,
    // header or the empty area below, copies the selected row.
    m_view->viewport()->installEventFilter(this);
    m_view->horizontalHeader()->viewport()->installEventFilter(this);
    m_emptyNotice = new EmptyTableNotice(m_view->viewport());
    // Only the selected row is computed; a new fill selects none.
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, m_properties, [this] {
        const QModelIndexList rows = m_view->selectionModel()->selectedRows();
        if (rows.isEmpty())
            m_properties->clearRow();
        else
            m_properties->showRow(m_queries, m_currentStandardId, m_model.grid(),
                                  rows.first().row());
    });
    connect(&m_model, &QAbstractItemModel::modelReset, m_properties,
            &SectionPropertiesPanel::clearRow);

    auto* copy = new QShortcut(QKeySequence::Copy, m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &BarPage::copySelectedRow);
    m_allStandardsSearch = new AllStandardsSearch(
        m_queries, {m_scopeBox, m_searchBox, m_results, m_view, m_coverageLine}, this);
    connect(m_searchButton, &QPushButton::clicked, this, &BarPage::onSearch);
    connect(m_searchBox, &QLineEdit::returnPressed, this, &BarPage::onSearch);
    connect(m_scopeBox, &QComboBox::currentIndexChanged, this, &BarPage::onSearchScopeChange);
    // Any fill of the table, by a standard, a family or a search, puts the table back.
    connect(this, &BarPage::tableFilled, m_allStandardsSearch, &AllStandardsSearch::showTable);

    m_rowTakeOff = new RowTakeOff(this, m_view, m_takeOff, this);
    m_tableExport = new TableExport(this, m_allStandardsSearch, this);
    connect(m_exportButton, &QPushButton::clicked, m_tableExport,
            &TableExport::chooseFileAndExport);
    // The table's context menu; Ctrl+Shift+A copies the whole table from anywhere on the
    // page. The row copy keeps its own Ctrl+C shortcut, so its item only names the key.
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copyRow = new QAction(QStringLiteral("复制此行\tCtrl+C"), m_view);
    connect(copyRow, &QAction::triggered, this, &BarPage::copySelectedRow);
    auto* copyTable = new QAction(QStringLiteral("复制整表"), m_view);
    copyTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    copyTable->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyTable, &QAction::triggered, m_tableExport, &TableExport::copyWholeTable);
    auto* exportTable = new QAction(QStringLiteral("导出…"), m_view);
    connect(exportTable, &QAction::triggered, m_tableExport, &TableExport::chooseFileAndExport);
    m_view->addActions({copyRow, copyTable, exportTable});
    // Greyed out, with the reason, wherever there is nothing to export.
    m_tableExport->setExportControls({m_exportButton, exportTable});
    connect(this, &BarPage::tableFilled, m_tableExport, &TableExport::updateAvailability);
    connect(m_allStandardsSearch, &AllStandardsSearch::viewSwitched, m_tableExport,
            &TableExport::updateAvailability);
    addAction(copyTable);
}

bool BarPage::searchesAllStandards() const {
    return m_allStandardsSearch->searchesAllStandards();
}

void BarPage::setSearchesAllStandards(bool all) {
    m_scopeBox->setCurrentIndex(all ? 1 : 0);
}

void BarPage::onSearch() {
    if (m_allStandardsSearch->searchesAllStandards())
        m_allStandardsSearch->run();
    else
        onSearchClick();
}

void BarPage::onSearchScopeChange() {
    const bool all = m_allStandardsSearch->searchesAllStandards();
    m_searchBox->setPlaceholderText(all ? QStringLiteral("输入规格或数值，回车搜索全部标准")
                                        : QStringLiteral("输入规格或数值，回车搜索当前标准"));
    if (!all) m_allStandardsSearch->showTable();
}

QList<QWidget*> BarPage::tabChain() const {
    QList<QWidget*> order;
    // Every button of the standards bar stands in the chain, in the bar's order; Tab stops
    // only at the one the bar gives its Tab stop.
    for (int i = 0; i < m_standardsBar->layout()->count(); ++i) {
        if (QWidget* button = m_standardsBar->layout()->itemAt(i)->widget()) order << button;
    }
    order << m_scopeBox << m_searchBox << m_searchButton << m_exportButton << m_view
          << m_emptyNotice->link() << m_results << m_properties << m_properties->copyButton();
    order << m_takeOff->tabChain();
    return order;
}

void BarPage::showBarPage(QAbstractButton* button) {
    show();

    const int familyId = button ? ui::userId(button) : startFamilyId;
    const std::string family = std::to_string(familyId);

    m_drawing->showDrawing(ui::toQt(m_queries.familyImage(family)));

    // The old family's standards go first: a family without standards shows none.
    m_standardsBar->clear();
    const TextGrid grid = m_queries.subtypesOfFamily(family);
    const int idColumn = grid.column("ID"), nameColumn = grid.column("NAME");
    if (idColumn < 0 || nameColumn < 0) return;
    const StandardCoverage coverage = standardCoverage(m_queries, familyId);
    for (int r = 1; r < grid.rowCount; ++r) {
        const std::string& id = grid.cell(r, idColumn);
        QAbstractButton* standard = createStandardButton(id, grid.cell(r, nameColumn));
        if (coverage.isEmpty(std::atoi(id.c_str()))) markSectionWithoutData(standard);
        m_standardsBar->addButton(standard);
        if (r == 1) {
            const QSignalBlocker quiet(standard);
            standard->setChecked(true);
            fillSpecTable(std::atoi(id.c_str()));
        }
    }
}

QAbstractButton* BarPage::createStandardButton(const std::string& id, const std::string& name) {
    QToolButton* button =
        createSectionButton(name, std::atoi(id.c_str()) + ui::standardUserIdOffset);
    button->setMinimumSize(50, 28);
    m_standardButtons.addButton(button, std::atoi(id.c_str()) + ui::standardUserIdOffset);
    ui::onActivated(button, [this, button] { onStandardClick(button); });
    return button;
}

void BarPage::onStandardClick(QAbstractButton* button) {
    fillSpecTable(ui::userId(button) - ui::standardUserIdOffset);
}

void BarPage::onSearchClick() {
    m_searchRequested = true;
    fillSpecTable(m_currentStandardId);
}

std::string BarPage::readSearchKeyword() {
    std::string keyword = ui::fromQt(m_searchBox->text());
    if (keyword.empty()) ui::showMessage(window(), QStringLiteral("请先输入要搜索的关键字。"));
    return keyword;
}

void BarPage::fillSpecTable(int subtypeId) {
    const std::string id = std::to_string(subtypeId);
    const std::string remark = stripLineBreaks(m_queries.subtypeRemark(id));
    m_currentStandardId = subtypeId;
    m_standardName = ui::toQt(m_queries.subtypeName(id));
    m_standardRemark = ui::toQt(remark);
    m_nameLine->setText(m_standardName);
    m_remarkLine->setText(m_standardRemark);

    std::string keyword;
    bool search = m_searchRequested;
    if (search) keyword = readSearchKeyword();
    m_searchRequested = false;
    // A keyword longer than a LIKE pattern may be would fail the select and look like
    // "nothing found"; it is refused with a message and the table shows every row.
    if (const std::string refusal = keywordLengthRefusal(m_queries.database(), keyword);
        search && !refusal.empty()) {
        ui::showMessage(window(), ui::toQt(refusal));
        search = false;
    }
    const TextGrid grid = runSpecSelect(
        m_queries, buildSpecSelectStatement(m_queries, subtypeId, search ? &keyword : nullptr));
    m_shownKeyword = search ? keyword : std::string();
    // Said after every search, so that a screen reader hears what was found; an empty
    // keyword keeps its prompt.
    if (search && !keyword.empty())
        ui::showMessage(window(), ui::toQt(searchReport(SearchScope::CurrentStandard, keyword,
                                                        std::max(0, grid.rowCount - 1))));

    QStringList headers;
    for (int k = 0; k < grid.columnCount; ++k)
        headers << ui::toQt(m_queries.headerNameOfColumn(grid.cell(0, k)));
    m_model.setGrid(grid, headers);

    showEmptyNotice(subtypeId, search, grid.rowCount <= 1);
    showCoverageLine(subtypeId);
    {
        // 100 px per column, wider where a value would otherwise be cut: the longest text
        // of a column decides, measured once rather than per row.
        m_neededWidths.assign(1, 40);
        const QFontMetrics metrics(m_view->font());
        for (int k = 1; k < m_model.columnCount(); ++k) {
            size_t longest = 0;
            const std::string* widest = nullptr;
            // The model's column k shows the grid's column k - 1, after the serial number.
            for (int r = 0; r < grid.dataRowCount(); ++r) {
                const std::string& cell = grid.dataCell(r, k - 1);
                if (cell.size() > longest) {
                    longest = cell.size();
                    widest = &cell;
                }
            }
            const int needed = widest ? metrics.horizontalAdvance(ui::toQt(*widest)) + 16 : 0;
            m_neededWidths.push_back(std::max(100, needed));
        }
        fitColumns();
        m_view->scrollToTop();
    }
    emit tableFilled(subtypeId);
}

void BarPage::fitColumns() {
    if (static_cast<int>(m_neededWidths.size()) != m_model.columnCount()) return;
    // The serial column keeps its width; the designation takes two shares of what is left.
    std::vector<int> weights(m_neededWidths.size(), 1);
    weights[0] = 0;
    if (weights.size() > 1) weights[1] = 2;
    const std::vector<int> widths =
        sharedColumnWidths(m_neededWidths, weights, m_view->viewport()->width());
    for (size_t k = 0; k < widths.size(); ++k)
        m_view->setColumnWidth(static_cast<int>(k), widths[k]);
}

bool BarPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == m_view->viewport()) fitColumns();
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == m_view->viewport() || watched == m_view->horizontalHeader()->viewport()) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        copySelectedRow();
    return QWidget::eventFilter(watched, event);
}

void BarPage::showEmptyNotice(int subtypeId, bool search, bool empty) {
    // A table with no rows says why, instead of showing a bare header. A search that finds
    // nothing in a standard without rows says the standard is missing, not the keyword; a
    // standard whose rows exist but cannot be selected does not pass for a missing one.
    if (!empty) {
        m_emptyNotice->hideNotice();
        return;
    }
    if (!standardIsEmpty(m_queries, subtypeId)) {
        m_emptyNotice->showNotice(search ? QStringLiteral("没有找到包含该关键字的规格。")
                                         : QStringLiteral("该标准的规格表无法读取。"));
        return;
    }
    const std::string name = m_queries.subtypeName(std::to_string(subtypeId));
    const int weldId = weldFamilyOfStandard(m_queries, subtypeId);
    const QAbstractButton* weldButton =
        m_findWeldFamily && weldId > 0 ? m_findWeldFamily(weldId) : nullptr;
    if (!weldButton) {
        m_emptyNotice->showNotice(ui::toQt(emptyStandardNotice(name, {})));
        return;
    }
    const std::string weldName = ui::fromQt(weldButton->text());
    m_emptyNotice->showNotice(ui::toQt(emptyStandardNotice(name, weldName)),
                              ui::toQt(weldFamilyLinkText(weldName)),
                              [this, weldId] { openWeldFamily(weldId); });
}

void BarPage::showCoverageLine(int subtypeId) {
    QLabel* line = m_coverageLine;
    // An empty standard has its own notice; the line speaks of tables with rows only.
    const std::optional<PartialCoverage> coverage = partialCoverageOf(subtypeId);
    if (!coverage || coverage->rows == 0) {
        line->clear();
        line->hide();
        return;
    }
    line->setText(ui::toQt(partialCoverageNotice(*coverage)));
    line->show();
}

QString BarPage::coverageNotice() const {
    return m_coverageLine->isHidden() ? QString() : m_coverageLine->text();
}

void BarPage::openWeldFamily(int weldFamilyId) {
    // Through the family's own button, so the family bar and the page agree as after a click.
    if (QAbstractButton* button = m_findWeldFamily ? m_findWeldFamily(weldFamilyId) : nullptr)
        button->click();
}

QRect BarPage::emptyNoticeGeometry() const {
    return !m_emptyNotice->isHidden() ? m_emptyNotice->geometry() : QRect();
}

QString BarPage::emptyNotice() const {
    return m_emptyNotice->text();
}

void BarPage::copySelectedRow() {
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    const int row = rows.first().row();
    std::vector<std::string> headers, values;
    for (int k = 1; k < m_model.columnCount(); ++k) {
        headers.push_back(ui::fromQt(m_model.headerData(k, Qt::Horizontal).toString()));
        values.push_back(ui::fromQt(m_model.data(m_model.index(row, k)).toString()));
    }
    const QString text = ui::toQt(formatCopiedRow(ui::fromQt(m_standardName), headers, values));
    QGuiApplication::clipboard()->setText(text);
    ui::showMessage(window(), QStringLiteral("已复制到剪辑版：") + text);
}

void BarPage::showStandardRow(int subtypeId, int position) {
    if (QAbstractButton* button = m_standardButtons.button(subtypeId + ui::standardUserIdOffset)) {
        const QSignalBlocker quiet(button); // the fill follows here, once
        button->setChecked(true);
    }
    fillSpecTable(subtypeId);
    if (position < 0 || position >= m_model.rowCount()) return;
    m_view->selectRow(position);
    m_view->scrollTo(m_model.index(position, 1), QAbstractItemView::PositionAtCenter);
    m_view->setFocus();
}
