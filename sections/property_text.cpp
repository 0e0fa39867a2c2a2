#include "sections/property_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

std::string formatPropertyValue(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    // Decimals that leave four significant digits; above 9999 the units are rounded too.
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    auto rounded = [&value](int decimals) {
        const double step = std::pow(10.0, -decimals);
        return std::round(value / step) * step;
    };
    // 9.9996 rounds to 10.00, not 10.000.
    if (std::fabs(rounded(3 - magnitude)) >= std::pow(10.0, magnitude + 1)) ++magnitude;
    const int decimals = 3 - magnitude;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, rounded(decimals),
                                            std::chars_format::fixed, std::max(0, decimals));
    if (error != std::errc()) return {};
    return std::string(buffer, end);
}

std::string formatCopiedProperties(const std::string& standardName, const std::string& designation,
                                   const std::vector<ShownProperty>& properties) {
    std::string text = standardName;
    if (!designation.empty()) text += " " + designation;
    for (const ShownProperty& p : properties) {
        text += " " + p.symbol + "=" + p.value;
        if (!p.unit.empty()) text += " " + p.unit;
    }
    return text;
}
