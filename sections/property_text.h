#pragma once

#include <string>
#include <vector>

// A property as a panel shows it and a copy writes it.
struct ShownProperty {
    std::string symbol; // "Ix"
    std::string value;  // "2369", four significant digits, or as a source prints it
    std::string unit;   // "cm⁴"
};

// Four significant digits, no exponent, "." as the decimal point whatever the locale.
std::string formatPropertyValue(double value);

// "热轧工字钢 I20a A=35.58 cm² Ix=2369 cm⁴ …"; a property without unit has none after it.
std::string formatCopiedProperties(const std::string& standardName, const std::string& designation,
                                   const std::vector<ShownProperty>& properties);
