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
};
