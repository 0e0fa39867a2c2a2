#include "calendar/calendar_strip.h"

#include "calendar/date_time_format.h"
#include "calendar/lunar_calendar.h"

#include <QDateTime>

int integerOfScriptText(const std::string& text) {
    // U+FF01..U+FF5E are EF BC 81 .. EF BD 9E in UTF-8 and fold to '!'..'~'; U+3000 is E3 80 80.
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
            const int cp = 0xF000 | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                ascii += static_cast<char>(cp - 0xFF01 + '!');
                i += 3;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            ascii += ' ';
            i += 3;
            continue;
        }
        ascii += text[i++];
    }

    std::size_t i = 0;
    while (i < ascii.size() && (ascii[i] == ' ' || (ascii[i] >= '\t' && ascii[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    long long value = 0;
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
        value = value * 10 + (ascii[i] - '0');
        if (value > 2147483647LL) return 0; // no week number is that large
    }
    return static_cast<int>(negative ? -value : value);
}

const std::string& weekScript() {
    // setFullYear rather than the Date constructor, which would read years 0-99 as 19xx.
    // The millisecond difference is rounded to whole days so that a daylight-saving hour
    // does not shift the count.
    static const std::string script = R"(
function getYearWeek(a, b, c) {
    var date1 = new Date(2000, 0, 1);
    date1.setFullYear(Number(a), Number(b) - 1, Number(c));
    var date2 = new Date(2000, 0, 1);
    date2.setFullYear(Number(a), 0, 1);
    var d = Math.round((date1.valueOf() - date2.valueOf()) / 86400000);
    return Math.ceil((d + date2.getDay()) / 7);
}
)";
    return script;
}

int yearWeekOfDate(const QDate& date) {
    if (!date.isValid()) return 0;
    // The script's day count is the whole days from 1 January (its rounding absorbs a
    // daylight-saving hour) and its weekday that of 1 January, Sunday 0.
    const int daysSinceNewYear = date.dayOfYear() - 1;
    const int newYearWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7;
    return (daysSinceNewYear + newYearWeekday + 6) / 7;
}

int dayOfYear(const QDate& date) {
    return date.dayOfYear();
}

std::string calendarLineText(const QDateTime& now) {
    const QDate today = now.date();
    LunarDate lunar; // stays 0, 0, 0, false outside the conversion range
    gregorianToLunar(today, lunar);
    const SolarTermOfDay term =
        solarTermOfLunarDate(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth);

    std::string lunarText =
        formatLunarDate(now, lunar.isLeapMonth ? "%Y年(%S)%M(闰月)%D" : "%Y年(%S)%M%D");
    if (term.number > 0) lunarText += "【" + term.name + "】";

    return "农历" + lunarText + " 第" + std::to_string(yearWeekOfDate(today)) + "周 第" +
           std::to_string(dayOfYear(today)) + "天 " +
           formatWithLocale(oleDateFromDate(today), "dddd");
}

std::string clockLineText(const QDateTime& now) {
    return formatDateTime(oleDateFromDateTime(now), 1, 0);
}
