#pragma once

#include <string>
#include <utility>
#include <vector>

// The material box's rows in display order: name and density in kg/m³ as text.
inline const std::vector<std::pair<std::string, std::string>>& materialTable() {
    static const std::vector<std::pair<std::string, std::string>> table = {
        {"钢材", "7850"},
        {"铝材", "2700"},
        {"铜", "8900"},
        {"锌", "7140"},
    };
    return table;
}
