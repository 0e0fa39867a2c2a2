#pragma once

#include <string>
#include <string_view>
#include <vector>

// One catalogue text, parsed: header names and records of texts (UTF-8).
struct ParsedTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> records;
};

// Strict reader of the catalogue text format: quoted header, non-empty values quoted,
// empty values written as nothing, CR LF after every record, a bare LF allowed inside
// quotes, no quote inside a value, the same number of fields in every record.
// On failure returns false and sets error to a text naming the record (1 = header).
bool parseCatalogueText(std::string_view text, ParsedTable& table, std::string& error);

// A stored value without the blanks (space, tab, CR, LF) around it: tables keep a trailing
// blank after some values ("0.20 ").
std::string trimmedText(std::string_view text);

// Full-width ASCII forms (U+FF01..U+FF5E), as a Chinese input method types them, and the
// ideographic space folded to ASCII; every other byte is kept.
std::string foldFullWidth(const std::string& text);
// Only the full-width digits, point and comma folded: what a typed number needs.
std::string foldFullWidthNumber(const std::string& text);
