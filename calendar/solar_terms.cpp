#include "calendar/solar_terms.h"

#include <QFile>

#include <charconv>
#include <string>
#include <string_view>
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

namespace {

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads the next whitespace-separated integer of the row, as a stream's >> would: blanks,
// an optional sign, digits that fit an int.
bool readInt(std::string_view& row, int& value) {
    std::size_t i = 0;
    while (i < row.size() && isBlank(row[i]))
        ++i;
    if (i < row.size() && row[i] == '+') ++i;
    const char* first = row.data() + i;
    const auto [end, error] = std::from_chars(first, row.data() + row.size(), value);
    if (error != std::errc() || end == first) return false;
    row.remove_prefix(static_cast<std::size_t>(end - row.data()));
    return true;
}

} // namespace

// A plain scanner rather than string streams: the calendar line reads this table at
// start-up, and 4,800 rows through istringstream cost several milliseconds.
std::vector<SolarTermYear> parseSolarTermTable(const std::string& text) {
    std::vector<SolarTermYear> parsed;
    std::string_view rest(text);
    auto nextLine = [&rest](std::string_view& line) {
        if (rest.empty()) return false;
        const std::size_t end = rest.find('\n');
        line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        return true;
    };
    std::string_view line;
    if (!nextLine(line) || line != "year\tterm\tmonth\tday\thour\tminute\tsecond") return parsed;
    std::vector<SolarTermYear> rows(kYears);
    int count = 0;
    while (nextLine(line)) {
        if (count == kYears * 24) return parsed; // a row beyond the last year
        int year = 0, term = 0;
        SolarTermMoment m;
        for (int* field : {&year, &term, &m.month, &m.day, &m.hour, &m.minute, &m.second}) {
            if (!readInt(line, *field)) return parsed;
        }
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        if (!line.empty()) return parsed;
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
