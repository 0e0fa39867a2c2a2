#include "catalogue/catalogue_text.h"

namespace {

std::string recordError(size_t record, const std::string& what) {
    return "record " + std::to_string(record) + ": " + what;
}

} // namespace

bool parseCatalogueText(std::string_view text, ParsedTable& table, std::string& error) {
    table = ParsedTable{};
    if (text.empty()) {
        error = recordError(1, "the text is empty");
        return false;
    }
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF) {
        error = recordError(1, "the text starts with a byte-order mark");
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
