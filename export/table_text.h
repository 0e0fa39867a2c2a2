#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

// A table as a spreadsheet receives it: rows of UTF-8 cells.
using TextRows = std::vector<std::vector<std::string>>;

// A cell as a spreadsheet should read it: the blanks the catalogue keeps around values
// ("0.20 ") would turn a number into text, so they go.
std::string spreadsheetCell(const std::string& cell);

// RFC 4180 CSV: a cell with a comma, a double quote, a line break or blanks at its ends is
// quoted, its quotes doubled; records end in CR LF. With the UTF-8 byte-order mark, so that
// Excel reads the Chinese text as UTF-8.
QByteArray csvBytes(const TextRows& rows);

// Tab-separated text for the clipboard, one line per row: pasted into a spreadsheet every
// cell lands in its own cell. Tabs and line breaks inside a cell become blanks, for the
// paste has no quoting to keep them.
QString tabSeparatedText(const TextRows& rows);

// Writes the whole file or nothing: the bytes go to a temporary file in the same folder,
// which replaces the target only once all is written. Empty on success, else the reason.
QString writeWholeFile(const QString& path, const QByteArray& bytes);
