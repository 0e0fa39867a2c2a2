#pragma once

#include "catalogue/text_grid.h"

#include <QAbstractTableModel>
#include <QStringList>

// The spec table: a serial-number column "序号", then the result columns of the standard's
// select under their display headers. Texts are shown exactly as stored.
class SpecTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // headers: one display header per result column of grid.
    void setGrid(TextGrid grid, QStringList headers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int dataColumnCount() const { return static_cast<int>(m_headers.size()); }
    // The select's result as shown: row 0 the column names.
    const TextGrid& grid() const { return m_grid; }
    // The display headers and one row's texts of the data columns (without "序号"), as
    // the take-off and the export read the table on show.
    std::vector<std::string> dataHeaders() const;
    std::vector<std::string> rowTexts(int row) const;

  private:
    TextGrid m_grid;
    QStringList m_headers;
};
