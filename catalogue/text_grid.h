#pragma once

#include <string>
#include <vector>

// Result of every catalogue query: row 0 holds the column names, the data rows follow.
// Shapes: n >= 1 rows -> (n + 1) x columns; no row -> 1 x 0; failed statement -> 0 x 0.
struct TextGrid {
    int rowCount = 0;
    int columnCount = 0;
    std::vector<std::string> cells; // row by row, UTF-8

    const std::string& cell(int row, int column) const {
        return cells[static_cast<size_t>(row) * static_cast<size_t>(columnCount) +
                     static_cast<size_t>(column)];
    }
    bool hasDataRows() const { return rowCount > 1 && columnCount > 0; }

    // Data rows counted from 0, past the header row, as a view numbers them.
    int dataRowCount() const { return rowCount > 0 ? rowCount - 1 : 0; }
    const std::string& dataCell(int dataRow, int column) const { return cell(dataRow + 1, column); }

    // Where the column of that name stands in row 0; -1 when the grid has none, so that a
    // renamed column reads as missing rather than as its neighbour.
    int column(const std::string& name) const {
        for (int c = 0; rowCount > 0 && c < columnCount; ++c) {
            if (cell(0, c) == name) return c;
        }
        return -1;
    }
    // The named column of a row (data rows from 1); an empty text when there is no such
    // column.
    const std::string& cell(int row, const std::string& name) const {
        static const std::string none;
        const int c = column(name);
        return c < 0 ? none : cell(row, c);
    }
};
