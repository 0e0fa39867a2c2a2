#include "browser/all_standards_search.h"

#include "ui/ui_toolkit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace {
constexpr int allStandardsIndex = 1; // index of 全部标准 in the scope box
} // namespace

AllStandardsSearch::AllStandardsSearch(const CatalogueQueries& queries, const Widgets& widgets,
                                       QObject* parent)
    : QObject(parent), m_widgets(widgets), m_search(queries) {
    m_widgets.results->setModel(&m_model);
    connect(m_widgets.results, &QTreeView::activated, this, &AllStandardsSearch::onActivated);
}

bool AllStandardsSearch::searchesAllStandards() const {
    return m_widgets.scope->currentIndex() == allStandardsIndex;
}

bool AllStandardsSearch::resultsShown() const {
    return !m_widgets.results->isHidden();
}

void AllStandardsSearch::run() {
    const std::string keyword = ui::fromQt(m_widgets.keyword->text());
    CatalogueSearchResult result = m_search.search(keyword);
    if (!result.refusal.empty()) {
        ui::showMessage(m_widgets.results->window(), ui::toQt(result.refusal));
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
    ui::showMessage(m_widgets.results->window(), message);

    m_widgets.table->hide();
    // The coverage line speaks of the table, which the results now replace.
    m_widgets.coverage->hide();
    m_widgets.results->show();
    m_widgets.results->expandAll();
    m_widgets.results->setCurrentIndex(m_model.index(0, 0));
    m_widgets.results->scrollToTop();
    m_listed = std::move(result);
    m_listedKeyword = keyword;
    emit viewSwitched();
}

void AllStandardsSearch::showTable() {
    m_widgets.results->hide();
    m_widgets.table->show();
    m_widgets.coverage->setVisible(!m_widgets.coverage->text().isEmpty());
    emit viewSwitched();
}

void AllStandardsSearch::onActivated(const QModelIndex& index) {
    if (!index.isValid() || !index.data(SubtypeRole).isValid()) return;
    emit openRequested(index.data(FamilyRole).toInt(), index.data(SubtypeRole).toInt(),
                       index.data(PositionRole).toInt());
}
