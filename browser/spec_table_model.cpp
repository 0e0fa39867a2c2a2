#include "browser/spec_table_model.h"

void SpecTableModel::setGrid(TextGrid grid, QStringList headers) {
    beginResetModel();
    m_grid = std::move(grid);
    m_headers = m_grid.columnCount > 0 ? std::move(headers) : QStringList();
    endResetModel();
}

int SpecTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_grid.columnCount == 0) return 0;
    return m_grid.dataRowCount();
}

int SpecTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + dataColumnCount();
}

QVariant SpecTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) {
        if (index.column() == 0) return QString::number(index.row() + 1);
        // Column 0 is the serial number; the grid's columns follow it.
        return QString::fromStdString(m_grid.dataCell(index.row(), index.column() - 1));
    }
    if (role == Qt::TextAlignmentRole) {
        // Designations and details read best left-aligned, numbers centred.
        const bool left = index.column() == 1 || index.column() == 2;
        return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignHCenter));
    }
    return {};
}

QVariant SpecTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0) return QStringLiteral("序号");
    return m_headers.value(section - 1);
}

std::vector<std::string> SpecTableModel::dataHeaders() const {
    std::vector<std::string> headers;
    for (const QString& header : m_headers)
        headers.push_back(header.toStdString());
    return headers;
}

std::vector<std::string> SpecTableModel::rowTexts(int row) const {
    std::vector<std::string> texts;
    if (row < 0 || row >= rowCount()) return texts;
    for (int c = 0; c < dataColumnCount(); ++c)
        texts.push_back(m_grid.dataCell(row, c));
    return texts;
}
