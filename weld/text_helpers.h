#pragma once

#include <cstdint>
#include <string>

// Text primitives shared by the browser, the calculator and the calendar strip. Texts are
// UTF-8; none of these functions depends on the process locale.

// Every occurrence of search replaced by replacement. ASCII letters compare without regard
// to case, every other byte must be equal; a match never starts inside a multi-byte
// character; occurrences never overlap and the replacement is not searched again.
std::string replaceText(const std::string& text, const std::string& search,
                        const std::string& replacement);

// Deletes every CR LF pair, then every remaining LF, then every remaining CR.
std::string stripLineBreaks(const std::string& text);

// Every occurrence of from replaced by to, case-sensitive, left to right, the replacement
// never searched again.
std::string replaceExact(std::string text, const std::string& from, const std::string& to);

// Full-width ASCII forms (U+FF01..U+FF5E) and the ideographic space are folded to ASCII
// first; then the text is read like atof, but only from digits, a point and an exponent:
// "Infinity", "nan" and hexadecimal forms read as 0, as does a text without digits.
double textToNumber(const std::string& text);

// "%.13g" in the C locale.
std::string numberToText(double value);

// Red in the low byte: (r & 255) + (g & 255) * 256 + (b & 255) * 65536.
std::uint32_t rgbColor(int r, int g, int b);
