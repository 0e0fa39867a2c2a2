#include "browser/row_takeoff.h"

#include "browser/bar_page.h"
#include "takeoff/takeoff.h"
#include "ui/takeoff_panel.h"
#include "ui/ui_toolkit.h"

#include <QItemSelectionModel>
#include <QTableView>

RowTakeOff::RowTakeOff(BarPage* page, QTableView* table, TakeOffPanel* panel, QObject* parent)
    : QObject(parent), m_page(page), m_table(table), m_panel(panel) {
    connect(page, &BarPage::tableFilled, this, &RowTakeOff::follow);
    if (QItemSelectionModel* selection = table->selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, &RowTakeOff::follow);
    follow();
}

void RowTakeOff::follow() {
    TakeOffPanel* panel = m_panel;
    if (!m_table->selectionModel()) return;
    const SpecTableModel& model = *m_page->model();
    const std::vector<std::string> headers = model.dataHeaders();
    const TakeOffColumns columns = takeOffColumns(headers);
    if (columns.basis == WeightBasis::None) {
        panel->clearPiece(model.rowCount() > 0 ? QStringLiteral("该标准没有重量列，不能计算用量。")
                                               : QStringLiteral("表中没有规格，不能计算用量。"),
                          false);
        return;
    }
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        panel->clearPiece(QStringLiteral("在规格表中选择一行，即可按长度和数量计算用量。"), true);
        return;
    }
    const std::vector<std::string> values = model.rowTexts(rows.first().row());
    const TakeOffBasis basis = takeOffBasis(columns, values);
    if (basis.basis == WeightBasis::None) {
        panel->clearPiece(QStringLiteral("该规格没有重量数值，不能计算用量。"), false);
        return;
    }
    panel->setPiece(basis, m_page->standardName(), designationFromHeaders(headers, values));
}
