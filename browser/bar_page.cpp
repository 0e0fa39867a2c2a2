#include "browser/bar_page.h"

#include "browser/bar_drawing.h"
#include "browser/choice_bar.h"
#include "browser/column_widths.h"
#include "browser/empty_table_notice.h"
#include "browser/family_bars.h"
#include "browser/section_properties_panel.h"
#include "browser/spec_select.h"
#include "browser/standard_coverage.h"
#include "catalogue/catalogue_search.h"
#include "ui/ui_toolkit.h"
#include "weld/text_helpers.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>

namespace {

// The button of a weld family in the weld family bar, or none.
QAbstractButton* weldFamilyButton(const QWidget* window, int familyId) {
    QWidget* bar = ui::elementById(window, LayoutId::WeldFamilyBar);
    if (!bar || familyId <= 0) return nullptr;
    for (auto* button : bar->findChildren<QAbstractButton*>()) {
        if (ui::userId(button) == familyId) return button;
    }
    return nullptr;
}

} // namespace

BarPage::BarPage(QWidget* window, const CatalogueQueries& queries, QObject* parent)
    : QObject(parent), m_window(window), m_queries(queries) {
    m_standardButtons.setExclusive(true);
    if (auto* view = ui::element<QTableView>(window, LayoutId::SpecTableView)) {
        view->setModel(&m_model);
        // The columns follow the width on show.
        view->viewport()->installEventFilter(this);
        m_emptyNotice = new EmptyTableNotice(view->viewport());
        if (auto* panel =
                ui::element<SectionPropertiesPanel>(window, LayoutId::SectionPropertiesPanel)) {
            // Only the selected row is computed; a new fill selects none.
            connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, panel,
                    [this, view, panel] {
                        const QModelIndexList rows = view->selectionModel()->selectedRows();
                        if (rows.isEmpty())
                            panel->clearRow();
                        else
                            panel->showRow(m_queries, m_currentStandardId, m_model.grid(),
                                           rows.first().row());
                    });
            connect(&m_model, &QAbstractItemModel::modelReset, panel,
                    &SectionPropertiesPanel::clearRow);
        }
    }
}

void BarPage::showBarPage(QAbstractButton* button) {
    if (QWidget* weldPage = ui::elementById(m_window, LayoutId::WeldPage)) weldPage->hide();
    if (QWidget* barPage = ui::elementById(m_window, LayoutId::BarPage)) barPage->show();

    const int familyId = button ? ui::userId(button) : startFamilyId;
    const std::string family = std::to_string(familyId);

    if (auto* drawing = ui::element<BarDrawing>(m_window, LayoutId::BarDrawing))
        drawing->showDrawing(ui::toQt(m_queries.familyImage(family)));

    auto* bar = ui::element<ChoiceBar>(m_window, LayoutId::StandardsBar);
    if (!bar) return;
    // The old family's standards go first: a family without standards shows none.
    bar->clear();
    const TextGrid grid = m_queries.subtypesOfFamily(family);
    const int idColumn = grid.column("ID"), nameColumn = grid.column("NAME");
    if (idColumn < 0 || nameColumn < 0) return;
    const StandardCoverage coverage = standardCoverage(m_queries, familyId);
    for (int r = 1; r < grid.rowCount; ++r) {
        const std::string& id = grid.cell(r, idColumn);
        QAbstractButton* standard = createStandardButton(id, grid.cell(r, nameColumn));
        if (coverage.isEmpty(std::atoi(id.c_str()))) markSectionWithoutData(standard);
        bar->addButton(standard);
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
    auto* box = ui::element<QLineEdit>(m_window, LayoutId::SearchBox);
    const std::string keyword = box ? ui::fromQt(box->text()) : std::string();
    if (keyword.empty()) ui::showMessage(m_window, QStringLiteral("请先输入要搜索的关键字。"));
    return keyword;
}

void BarPage::fillSpecTable(int subtypeId) {
    const std::string id = std::to_string(subtypeId);
    const std::string remark = stripLineBreaks(m_queries.subtypeRemark(id));
    m_currentStandardId = subtypeId;
    const std::string name = m_queries.subtypeName(id);
    if (auto* line = ui::element<QLabel>(m_window, LayoutId::StandardNameLine))
        line->setText(ui::toQt(name));
    if (auto* line = ui::element<QLabel>(m_window, LayoutId::RemarkLine))
        line->setText(ui::toQt(remark));

    std::string keyword;
    bool search = m_searchRequested;
    if (search) keyword = readSearchKeyword();
    m_searchRequested = false;
    // A keyword longer than a LIKE pattern may be would fail the select and look like
    // "nothing found"; it is refused with a message and the table shows every row.
    if (const std::string refusal = keywordLengthRefusal(m_queries.database(), keyword);
        search && !refusal.empty()) {
        ui::showMessage(m_window, ui::toQt(refusal));
        search = false;
    }
    const TextGrid grid = runSpecSelect(
        m_queries, buildSpecSelectStatement(m_queries, subtypeId, search ? &keyword : nullptr));
    m_shownKeyword = search ? keyword : std::string();
    // Said after every search, so that a screen reader hears what was found; an empty
    // keyword keeps its prompt.
    if (search && !keyword.empty())
        ui::showMessage(m_window, ui::toQt(searchReport(SearchScope::CurrentStandard, keyword,
                                                        std::max(0, grid.rowCount - 1))));

    QStringList headers;
    for (int k = 0; k < grid.columnCount; ++k)
        headers << ui::toQt(m_queries.headerNameOfColumn(grid.cell(0, k)));
    m_model.setGrid(grid, headers);

    showEmptyNotice(subtypeId, search, grid.rowCount <= 1);
    showCoverageLine(subtypeId);
    if (auto* view = ui::element<QTableView>(m_window, LayoutId::SpecTableView)) {
        // 100 px per column, wider where a value would otherwise be cut: the longest text
        // of a column decides, measured once rather than per row.
        m_neededWidths.assign(1, 40);
        const QFontMetrics metrics(view->font());
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
        view->scrollToTop();
    }
    emit tableFilled(subtypeId);
}

void BarPage::fitColumns() {
    auto* view = ui::element<QTableView>(m_window, LayoutId::SpecTableView);
    if (!view || static_cast<int>(m_neededWidths.size()) != m_model.columnCount()) return;
    // The serial column keeps its width; the designation takes two shares of what is left.
    std::vector<int> weights(m_neededWidths.size(), 1);
    weights[0] = 0;
    if (weights.size() > 1) weights[1] = 2;
    const std::vector<int> widths =
        sharedColumnWidths(m_neededWidths, weights, view->viewport()->width());
    for (size_t k = 0; k < widths.size(); ++k)
        view->setColumnWidth(static_cast<int>(k), widths[k]);
}

bool BarPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        auto* view = ui::element<QTableView>(m_window, LayoutId::SpecTableView);
        if (view && watched == view->viewport()) fitColumns();
    }
    return QObject::eventFilter(watched, event);
}

void BarPage::showEmptyNotice(int subtypeId, bool search, bool empty) {
    // A table with no rows says why, instead of showing a bare header. A search that finds
    // nothing in a standard without rows says the standard is missing, not the keyword; a
    // standard whose rows exist but cannot be selected does not pass for a missing one.
    if (!m_emptyNotice) return;
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
    const QAbstractButton* weldButton = weldFamilyButton(m_window, weldId);
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
    auto* line = ui::element<QLabel>(m_window, LayoutId::CoverageLine);
    if (!line) return;
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
    auto* line = ui::element<QLabel>(m_window, LayoutId::CoverageLine);
    return line && !line->isHidden() ? line->text() : QString();
}

void BarPage::openWeldFamily(int weldFamilyId) {
    // Through the family's own button, so the family bar and the page agree as after a click.
    if (QAbstractButton* button = weldFamilyButton(m_window, weldFamilyId)) button->click();
}

QRect BarPage::emptyNoticeGeometry() const {
    return m_emptyNotice && !m_emptyNotice->isHidden() ? m_emptyNotice->geometry() : QRect();
}

QString BarPage::emptyNotice() const {
    return m_emptyNotice ? m_emptyNotice->text() : QString();
}

void BarPage::copySelectedRow() {
    auto* view = ui::element<QTableView>(m_window, LayoutId::SpecTableView);
    if (!view || !view->selectionModel()) return;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    const int row = rows.first().row();
    std::vector<std::string> headers, values;
    for (int k = 1; k < m_model.columnCount(); ++k) {
        headers.push_back(ui::fromQt(m_model.headerData(k, Qt::Horizontal).toString()));
        values.push_back(ui::fromQt(m_model.data(m_model.index(row, k)).toString()));
    }
    auto* nameLine = ui::element<QLabel>(m_window, LayoutId::StandardNameLine);
    const std::string name = nameLine ? ui::fromQt(nameLine->text()) : std::string();
    const QString text = ui::toQt(formatCopiedRow(name, headers, values));
    QGuiApplication::clipboard()->setText(text);
    ui::showMessage(m_window, QStringLiteral("已复制到剪辑版：") + text);
}

void BarPage::showStandardRow(int subtypeId, int position) {
    if (QAbstractButton* button = m_standardButtons.button(subtypeId + ui::standardUserIdOffset)) {
        const QSignalBlocker quiet(button); // the fill follows here, once
        button->setChecked(true);
    }
    fillSpecTable(subtypeId);
    auto* view = ui::element<QTableView>(m_window, LayoutId::SpecTableView);
    if (!view || position < 0 || position >= m_model.rowCount()) return;
    view->selectRow(position);
    view->scrollTo(m_model.index(position, 1), QAbstractItemView::PositionAtCenter);
    view->setFocus();
}
