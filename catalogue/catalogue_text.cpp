#include "catalogue/catalogue_text.h"

namespace {

std::string recordError(size_t record, const std::string& what) {
    return "record " + std::to_string(record) + ": " + what;
}

// Offset of the first byte that is not part of well-formed UTF-8 (overlong forms, surrogates
// and code points above U+10FFFF included), or npos.
size_t firstInvalidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        if (i + length > text.size()) return i;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char b = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

// Record number (1 = header) of a byte offset: CR LF only ever ends a record.
size_t recordAt(std::string_view text, size_t offset) {
    size_t record = 1;
    for (size_t p = text.find("\r\n"); p != std::string_view::npos && p < offset;
         p = text.find("\r\n", p + 2))
        ++record;
    return record;
}

// SQLite compares column names without regard to ASCII case.
bool sameColumnName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

} // namespace

bool parseCatalogueText(std::string_view text, ParsedTable& table, std::string& error) {
    table = ParsedTable{};
    if (text.empty()) {
        error = recordError(1, "the text is empty");
        return false;
    }
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB &&
        static_cast<unsigned char>(text[2]) == 0xBF) {
        error = recordError(1, "the text starts with a byte-order mark");
        return false;
    }
    if (size_t bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        error = recordError(recordAt(text, bad), "the text is not valid UTF-8");
        return false;
    }

    size_t pos = 0;
    size_t record = 1;
    std::vector<std::string> fields;
    while (pos < text.size()) {
        fields.clear();
        bool header = record == 1;
        for (;;) {
            std::string value;
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                size_t start = pos;
                while (pos < text.size() && text[pos] != '"') {
                    if (text[pos] == '\r') {
                        error = recordError(record, "carriage return inside a quoted value");
                        return false;
                    }
                    if (text[pos] == '\0') {
                        error = recordError(record, "NUL byte inside a value");
                        return false;
                    }
                    if (text[pos] == '\'') {
                        error = recordError(record, "apostrophe inside a value");
                        return false;
                    }
                    ++pos;
                }
                if (pos >= text.size()) {
                    error = recordError(record, "unterminated quoted value");
                    return false;
                }
                value.assign(text.substr(start, pos - start));
                ++pos; // closing quote
                if (value.empty()) {
                    error = recordError(record, "an empty value written as \"\"");
                    return false;
                }
            } else if (header) {
                error = recordError(record, "a header name is not quoted");
                return false;
            }
            fields.push_back(std::move(value));
            if (pos < text.size() && text[pos] == ',') {
                ++pos;
                continue;
            }
            if (pos + 1 < text.size() + 1 && text.substr(pos, 2) == "\r\n") {
                pos += 2;
                break;
            }
            if (pos >= text.size()) {
                error = recordError(record, "the last record does not end with CR LF");
            } else if (text[pos] == '\n') {
                error = recordError(record, "a record ends with LF instead of CR LF");
            } else {
                error = recordError(record, "an unquoted value or a character after a quote");
            }
            return false;
        }
        if (header) {
            for (size_t i = 0; i < fields.size(); ++i) {
                for (size_t k = 0; k < i; ++k) {
                    if (sameColumnName(fields[i], fields[k])) {
                        error =
                            recordError(record, "the column name " + fields[i] + " appears twice");
                        return false;
                    }
                }
            }
            table.header = fields;
        } else {
            if (fields.size() != table.header.size()) {
                error = recordError(record, "has " + std::to_string(fields.size()) +
                                                " fields, the header has " +
                                                std::to_string(table.header.size()));
                return false;
            }
            table.records.push_back(fields);
        }
        ++record;
    }
    return true;
}

std::string trimmedText(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// Full-width forms U+FF01..U+FF5E are EF BC 81..EF BC BF and EF BD 80..EF BD 9E;
// the ideographic space U+3000 is E3 80 80.
namespace {

// The ASCII character the three bytes at text[i] are the full-width form of (the ideographic
// space for the blank), or 0.
char fullWidthAt(const std::string& text, std::size_t i) {
    if (i + 2 >= text.size()) return 0;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF)
        return static_cast<char>(b2 - 0x81 + 0x21);
    if (b0 == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E)
        return static_cast<char>(b2 - 0x80 + 0x60);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) return ' ';
    return 0;
}

template <class Folds> std::string foldFullWidthWhere(const std::string& text, Folds folds) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char ascii = fullWidthAt(text, i);
        if (ascii && folds(ascii)) {
            out += ascii;
            i += 3;
            continue;
        }
        out += text[i];
        ++i;
    }
    return out;
}

} // namespace

std::string foldFullWidth(const std::string& text) {
    return foldFullWidthWhere(text, [](char) { return true; });
}

std::string foldFullWidthNumber(const std::string& text) {
    return foldFullWidthWhere(
        text, [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == ','; });
}
