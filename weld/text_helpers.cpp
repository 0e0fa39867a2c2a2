#include "weld/text_helpers.h"

#include "catalogue/catalogue_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length of the UTF-8 character that starts with this byte; stray continuation bytes and
// invalid lead bytes count as one so that the walk always advances.
std::size_t characterLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    return 1;
}

bool matchesAt(const std::string& text, std::size_t pos, const std::string& search) {
    if (text.size() - pos < search.size()) return false;
    for (std::size_t k = 0; k < search.size(); ++k) {
        if (asciiLower(text[pos + k]) != asciiLower(search[k])) return false;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

std::string replaceText(const std::string& text, const std::string& search,
                        const std::string& replacement) {
    if (search.empty() || text.empty()) return text;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (matchesAt(text, pos, search)) {
            out += replacement;
            pos += search.size();
            continue;
        }
        const std::size_t step =
            std::min(characterLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
        out.append(text, pos, step);
        pos += step;
    }
    return out;
}

std::string stripLineBreaks(const std::string& text) {
    return replaceText(replaceText(replaceText(text, "\r\n", ""), "\n", ""), "\r", "");
}

double textToNumber(const std::string& text) {
    const std::string folded = foldFullWidth(text);
    std::size_t i = 0;
    const std::size_t n = folded.size();
    while (i < n && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r')))
        ++i;
    const std::size_t start = i;
    if (i < n && (folded[i] == '+' || folded[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(folded[i]))
        ++i, ++digits;
    if (i < n && folded[i] == '.') {
        ++i;
        while (i < n && isDigit(folded[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < n && (folded[i] == 'e' || folded[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (folded[j] == '+' || folded[j] == '-')) ++j;
        if (j < n && isDigit(folded[j])) {
            while (j < n && isDigit(folded[j]))
                ++j;
            i = j;
        }
    }
    // The prefix holds nothing strtod could read as hex, inf or nan; the C locale keeps
    // the point a point whatever the user's locale says.
    const std::string prefix = folded.substr(start, i - start);
    return strtod_l(prefix.c_str(), nullptr, cLocale());
}

std::string numberToText(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return std::string(buffer, result.ptr);
}

std::uint32_t rgbColor(int r, int g, int b) {
    return static_cast<std::uint32_t>(r & 255) + static_cast<std::uint32_t>(g & 255) * 256u +
           static_cast<std::uint32_t>(b & 255) * 65536u;
}

std::string replaceExact(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}
