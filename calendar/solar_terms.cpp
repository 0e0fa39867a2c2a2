#include "calendar/solar_terms.h"

#include <QFile>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kYears = kSolarTermLastYear - kSolarTermFirstYear + 1;

// Parsed once from the built-in table.
const std::vector<SolarTermYear>& table() {
    static const std::vector<SolarTermYear> years = [] {
        QFile file(QStringLiteral(":/calendar/solar_terms.tsv"));
        if (!file.open(QIODevice::ReadOnly)) return std::vector<SolarTermYear>();
        return parseSolarTermTable(file.readAll().toStdString());
    }();
    return years;
}

constexpr const char* kNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

} // namespace

std::vector<SolarTermYear> parseSolarTermTable(const std::string& text) {
    std::vector<SolarTermYear> parsed;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "year\tterm\tmonth\tday\thour\tminute\tsecond")
        return parsed;
    std::vector<SolarTermYear> rows(kYears);
    int count = 0;
    while (std::getline(in, line)) {
        if (count == kYears * 24) return parsed; // a row beyond the last year
        std::istringstream fields(line);
        int year = 0, term = 0;
        SolarTermMoment m;
        std::string rest;
        if (!(fields >> year >> term >> m.month >> m.day >> m.hour >> m.minute >> m.second) ||
            (fields >> rest))
            return parsed;
        if (year != kSolarTermFirstYear + count / 24 || term != count % 24 + 1) return parsed;
        rows[count / 24][count % 24] = m;
        ++count;
    }
    if (count == kYears * 24) parsed = std::move(rows);
    return parsed;
}

const SolarTermYear* solarTermsOfYear(int year) {
    const auto& years = table();
    if (years.empty() || year < kSolarTermFirstYear || year > kSolarTermLastYear) return nullptr;
    return &years[year - kSolarTermFirstYear];
}

const char* solarTermName(int tableNumber) {
    return tableNumber >= 1 && tableNumber <= 24 ? kNames[tableNumber - 1] : "";
}

int solarTermOfDay(int year, int month, int day) {
    const SolarTermYear* terms = solarTermsOfYear(year);
    if (!terms) return 0;
    for (int i = 0; i < 24; ++i) {
        const SolarTermMoment& m = (*terms)[i];
        if (m.month > month) break;
        if (m.month == month && m.day == day) return i + 1;
    }
    return 0;
}
