#pragma once

#include <vector>

// Widths of the spec table's columns for the width on show. Every column keeps at least the
// width its texts need; what is left over is shared out by weight (the designation column
// takes a larger share), so that a wide window has no empty band right of the table. When
// the needs exceed the width, the columns keep their needs and the table scrolls.
// Returns one width per column; they sum to available whenever the needs fit in it.
std::vector<int> sharedColumnWidths(const std::vector<int>& needed, const std::vector<int>& weights,
                                    int available);
