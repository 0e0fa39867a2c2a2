#include "calendar/solar_terms.h"

#include <QFile>

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kYears = kSolarTermLastYear - kSolarTermFirstYear + 1;

// Parsed once; a table that does not have exactly one well-formed row per year and term in
// order is rejected as a whole rather than half used.
const std::vector<SolarTermYear>& table() {
    static const std::vector<SolarTermYear> years = [] {
        std::vector<SolarTermYear> parsed;
        QFile file(QStringLiteral(":/calendar/solar_terms.tsv"));
        if (!file.open(QIODevice::ReadOnly)) return parsed;
        std::istringstream in(file.readAll().toStdString());
        std::string line;
        if (!std::getline(in, line) || line != "year\tterm\tmonth\tday\thour\tminute\tsecond")
            return parsed;
        std::vector<SolarTermYear> rows(kYears);
        int count = 0;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            int year = 0, term = 0;
            SolarTermMoment m;
            std::string rest;
            if (!(fields >> year >> term >> m.month >> m.day >> m.hour >> m.minute >> m.second) ||
                (fields >> rest))
                return parsed;
            if (year != kSolarTermFirstYear + count / 24 || term != count % 24 + 1) return parsed;
            rows[count / 24][count % 24] = m;
            if (++count > kYears * 24) return parsed;
        }
        if (count == kYears * 24) parsed = std::move(rows);
        return parsed;
    }();
    return years;
}

constexpr const char* kNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

} // namespace

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
