#include "catalogue/keyword_forms.h"

#include "catalogue/catalogue_text.h"

#include <algorithm>

namespace {

// UTF-8 to code points; a byte that starts no valid sequence stands for itself, so that
// any text survives the round trip.
std::u32string decode(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        const int length = b0 < 0x80 ? 1 : b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
        bool valid = length > 0 && i + static_cast<size_t>(length) <= text.size();
        char32_t c = length == 1 ? b0 : b0 & (0x7F >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            valid = (b & 0xC0) == 0x80;
            c = (c << 6) | (b & 0x3F);
        }
        if (!valid) {
            out += static_cast<char32_t>(0xDC00 + b0); // kept as the raw byte by encode()
            ++i;
            continue;
        }
        out += c;
        i += static_cast<size_t>(length);
    }
    return out;
}

std::string encode(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}
bool isTimes(char32_t c) {
    return c == U'×' || c == U'x' || c == U'X' || c == U'*';
}
bool isAsciiLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}
bool isDiameterMark(char32_t c) {
    return c == U'φ' || c == U'Φ' || c == U'ϕ' || c == U'∅' || c == U'⌀';
}
// A prefix that stands for a diameter: the round tubes write "D89×4".
bool isDiameterPrefix(const std::u32string& prefix) {
    return prefix.size() == 1 && (isDiameterMark(prefix[0]) || prefix[0] == U'D');
}

} // namespace

std::string typedForm(const std::string& keyword, const DesignationStyle& style) {
    const std::u32string prefix = decode(style.prefix);
    std::u32string text = decode(foldFullWidth(keyword));

    for (size_t i = 0; i < text.size(); ++i) {
        char32_t& c = text[i];
        const bool beforeDigit = i + 1 < text.size() && isDigit(text[i + 1]);
        if (c == U'∠')
            c = U'L';
        else if (c == U'□' || c == U'囗')
            c = U'口';
        else if (beforeDigit && isDiameterPrefix(prefix) &&
                 (isDiameterMark(c) ||
                  ((c == U'D' || c == U'd') && (i == 0 || !isAsciiLetter(text[i - 1])))))
            c = prefix[0];
    }

    // Blanks inside a designation: a run of them beside a digit or a multiplication sign.
    std::u32string joined;
    for (size_t i = 0; i < text.size();) {
        if (!isBlank(text[i])) {
            joined += text[i++];
            continue;
        }
        size_t end = i;
        while (end < text.size() && isBlank(text[end]))
            ++end;
        const bool inside = i > 0 && end < text.size();
        const auto designationChar = [](char32_t c) { return isDigit(c) || isTimes(c); };
        if (!inside || !(designationChar(text[i - 1]) || designationChar(text[end])))
            joined.append(text, i, end - i);
        i = end;
    }
    text = joined;

    for (size_t i = 1; i < text.size(); ++i) {
        if (isTimes(text[i]) && isDigit(text[i - 1]) &&
            (i + 1 == text.size() || isDigit(text[i + 1])))
            text[i] = U'×';
    }

    // familyWords are longest first, so "不等边角钢20" is not read as "角钢" after "不等边".
    for (const std::string& word : style.familyWords) {
        const std::u32string w = decode(word);
        if (!w.empty() && text.size() > w.size() && text.compare(0, w.size(), w) == 0 &&
            isDigit(text[w.size()])) {
            text = prefix + text.substr(w.size());
            break;
        }
    }
    return encode(text);
}

std::string designationPrefix(const std::vector<std::string>& designations) {
    std::string shared;
    bool first = true;
    for (const std::string& stored : designations) {
        const std::string designation = trimmedText(stored);
        if (designation.empty()) continue;
        const size_t digit = designation.find_first_of("0123456789");
        if (digit == std::string::npos) return {};
        const std::string prefix = designation.substr(0, digit);
        if (first)
            shared = prefix;
        else if (prefix != shared)
            return {};
        first = false;
    }
    return shared;
}

std::vector<std::string> familyWords(const std::string& family,
                                     const std::vector<std::string>& allFamilies) {
    std::vector<std::string> words;
    const std::u32string name = decode(family);
    for (size_t start = 0; start + 2 <= name.size(); ++start) {
        const std::string ending = encode(name.substr(start));
        if (start > 0 &&
            std::find(allFamilies.begin(), allFamilies.end(), ending) != allFamilies.end())
            continue;
        words.push_back(ending);
    }
    return words; // the name comes first and each ending is shorter than the one before
}
