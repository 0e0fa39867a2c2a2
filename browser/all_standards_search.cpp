#include "browser/all_standards_search.h"

#include "ui/ui_toolkit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

namespace {
constexpr int allStandardsIndex = 1; // index of 全部标准 in the scope box
} // namespace

AllStandardsSearch::AllStandardsSearch(QWidget* window, const CatalogueQueries& queries,
                                       QObject* parent)
    : QObject(parent), m_window(window), m_search(queries) {
    if (auto* results = ui::element<QTreeView>(window, LayoutId::SearchResultsView)) {
        results->setModel(&m_model);
        connect(results, &QTreeView::activated, this, &AllStandardsSearch::onActivated);
    }
}

bool AllStandardsSearch::searchesAllStandards() const {
    auto* scope = ui::element<QComboBox>(m_window, LayoutId::SearchScopeBox);
    return scope && scope->currentIndex() == allStandardsIndex;
}

bool AllStandardsSearch::resultsShown() const {
    auto* results = ui::elementById(m_window, LayoutId::SearchResultsView);
    return results && !results->isHidden();
}

void AllStandardsSearch::run() {
    auto* box = ui::element<QLineEdit>(m_window, LayoutId::SearchBox);
    const std::string keyword = box ? ui::fromQt(box->text()) : std::string();
    const CatalogueSearchResult result = m_search.search(keyword);
    if (!result.refusal.empty()) {
        ui::showMessage(m_window, ui::toQt(result.refusal));
        return;
    }

    m_model.clear();
    for (const SearchGroup& group : result.groups) {
        auto* title = new QStandardItem(ui::toQt(searchGroupTitle(group)));
        title->setEditable(false);
        title->setData(group.familyId, FamilyRole);
        title->setData(group.subtypeId, SubtypeRole);
        title->setData(group.rows.front().position, PositionRole);
        const QString path = ui::toQt(group.familyName + " › " + group.subtypeName + " › ");
        for (const SearchRow& row : group.rows) {
            const QString text = ui::toQt(searchRowText(group, row));
            auto* item = new QStandardItem(text);
            item->setEditable(false);
            item->setData(path + text, Qt::AccessibleTextRole);
            item->setData(path + text, Qt::ToolTipRole);
            item->setData(group.familyId, FamilyRole);
            item->setData(group.subtypeId, SubtypeRole);
            item->setData(row.position, PositionRole);
            title->appendRow(item);
        }
        m_model.appendRow(title);
    }
    if (result.groups.empty()) {
        auto* none = new QStandardItem(QStringLiteral("没有找到包含该关键字的规格。"));
        none->setFlags(Qt::NoItemFlags);
        m_model.appendRow(none);
    }

    QString message = ui::toQt(searchReport(SearchScope::AllStandards, keyword, result.rowCount(),
                                            static_cast<int>(result.groups.size())));
    if (!result.failedStandards.empty()) {
        QStringList names;
        for (const std::string& name : result.failedStandards)
            names << ui::toQt(name);
        message += QStringLiteral("（无法搜索：%1）").arg(names.join(QStringLiteral("、")));
    }
    ui::showMessage(m_window, message);

    if (auto* table = ui::elementById(m_window, LayoutId::SpecTableView)) table->hide();
    if (auto* results = ui::element<QTreeView>(m_window, LayoutId::SearchResultsView)) {
        results->show();
        results->expandAll();
        results->setCurrentIndex(m_model.index(0, 0));
        results->scrollToTop();
    }
}

void AllStandardsSearch::showTable() {
    if (auto* results = ui::elementById(m_window, LayoutId::SearchResultsView)) results->hide();
    if (auto* table = ui::elementById(m_window, LayoutId::SpecTableView)) table->show();
}

void AllStandardsSearch::onActivated(const QModelIndex& index) {
    if (!index.isValid() || !index.data(SubtypeRole).isValid()) return;
    emit openRequested(index.data(FamilyRole).toInt(), index.data(SubtypeRole).toInt(),
                       index.data(PositionRole).toInt());
}
