#include "calendar/lunar_calendar.h"

#include "calendar/solar_terms.h"
#include "weld/text_helpers.h"

#include <QDateTime>

#include <algorithm>
#include <array>
#include <tuple>

namespace {

struct LunarYear {
    unsigned short monthBits; // bit 15 = month 1, one bit per month (and leap month), 1 = 30 days
    unsigned char leapMonth;  // 0 = none, else the ordinary month that the leap month follows
};

// Lunar years 1901-2049, one row per year.
constexpr LunarYear kLunarYears[] = {
    {0x4AE0, 0}, {0xA570, 0}, {0x5268, 5},  {0xD260, 0},  {0xD950, 0}, // 1901
    {0x6AA8, 4}, {0x56A0, 0}, {0x9AD0, 0},  {0x4AE8, 2},  {0x4AE0, 0}, // 1906
    {0xA4D8, 6}, {0xA4D0, 0}, {0xD250, 0},  {0xD548, 5},  {0xB540, 0}, // 1911
    {0xD6A0, 0}, {0x96D0, 2}, {0x95B0, 0},  {0x49B8, 7},  {0x4970, 0}, // 1916
    {0xA4B0, 0}, {0xB258, 5}, {0x6A50, 0},  {0x6D40, 0},  {0xADA8, 4}, // 1921
    {0x2B60, 0}, {0x9570, 0}, {0x4978, 2},  {0x4970, 0},  {0x64B0, 6}, // 1926
    {0xD4A0, 0}, {0xEA50, 0}, {0x6D48, 5},  {0x5AD0, 0},  {0x2B60, 0}, // 1931
    {0x9370, 3}, {0x92E0, 0}, {0xC968, 7},  {0xC950, 0},  {0xD4A0, 0}, // 1936
    {0xDA50, 6}, {0xB550, 0}, {0x56A0, 0},  {0xAAD8, 4},  {0x25D0, 0}, // 1941
    {0x92D0, 0}, {0xC958, 2}, {0xA950, 0},  {0xB4A8, 7},  {0x6CA0, 0}, // 1946
    {0xB550, 0}, {0x55A8, 5}, {0x4DA0, 0},  {0xA5B0, 0},  {0x52B8, 3}, // 1951
    {0x52B0, 0}, {0xA950, 8}, {0xE950, 0},  {0x6AA0, 0},  {0xAD50, 6}, // 1956
    {0xAB50, 0}, {0x4B60, 0}, {0xA570, 4},  {0xA570, 0},  {0x5260, 0}, // 1961
    {0xE930, 3}, {0xD950, 0}, {0x5AA8, 7},  {0x56A0, 0},  {0x96D0, 0}, // 1966
    {0x4AE8, 5}, {0x4AD0, 0}, {0xA4D0, 0},  {0xD268, 4},  {0xD250, 0}, // 1971
    {0xD528, 8}, {0xB540, 0}, {0xB6A0, 0},  {0x96D0, 6},  {0x95B0, 0}, // 1976
    {0x49B0, 0}, {0xA4B8, 4}, {0xA4B0, 0},  {0xB258, 10}, {0x6A50, 0}, // 1981
    {0x6D40, 0}, {0xADA0, 6}, {0xAB60, 0},  {0x9570, 0},  {0x4978, 5}, // 1986
    {0x4970, 0}, {0x64B0, 0}, {0x6A50, 3},  {0xEA50, 0},  {0x6B28, 8}, // 1991
    {0x5AC0, 0}, {0xAB60, 0}, {0x9368, 5},  {0x92E0, 0},  {0xC960, 0}, // 1996
    {0xD4A8, 4}, {0xD4A0, 0}, {0xDA50, 0},  {0x5AA8, 2},  {0x56A0, 0}, // 2001
    {0xAAD8, 7}, {0x25D0, 0}, {0x92D0, 0},  {0xC958, 5},  {0xA950, 0}, // 2006
    {0xB4A0, 0}, {0xB550, 4}, {0xAD50, 0},  {0x55A8, 9},  {0x4BA0, 0}, // 2011
    {0xA5B0, 0}, {0x52B8, 6}, {0x52B0, 0},  {0xA930, 0},  {0x74A8, 4}, // 2016
    {0x6AA0, 0}, {0xAD50, 0}, {0x4DA8, 2},  {0x4B60, 0},  {0xA570, 6}, // 2021
    {0xA4E0, 0}, {0xD260, 0}, {0xE930, 5},  {0xD530, 0},  {0x5AA0, 0}, // 2026
    {0x6B50, 3}, {0x96D0, 0}, {0x4AE8, 11}, {0x4AD0, 0},  {0xA4D0, 0}, // 2031
    {0xD258, 6}, {0xD250, 0}, {0xD520, 0},  {0xDAA0, 5},  {0xB5A0, 0}, // 2036
    {0x56D0, 0}, {0x4AD8, 2}, {0x49B0, 0},  {0xA4B8, 7},  {0xA4B0, 0}, // 2041
    {0xAA50, 0}, {0xB528, 5}, {0x6D20, 0},  {0xADA0, 0},               // 2046
};
static_assert(std::size(kLunarYears) == kLunarLastYear - kLunarFirstYear + 1);

const QDate kFirstDay(1901, 2, 19); // lunar 1901-1-1
const QDate kLastDay(2048, 12, 31); // lunar 2048-11-27

const LunarYear* lunarYear(int year) {
    if (year < kLunarFirstYear || year > kLunarLastYear) return nullptr;
    return &kLunarYears[year - kLunarFirstYear];
}

bool bitSet(unsigned short word, int bit) {
    return (word >> bit) & 1;
}

// Lexicographic order of (year, month, day), the leap flag left aside.
auto lunarKey(const LunarDate& d) {
    return std::tie(d.year, d.month, d.day);
}

// The Gregorian day with the numbers year, month, day; a day beyond its month (or below 1)
// counts on into the next (or previous) month.
QDate dateCountingOn(int year, int month, int day) {
    const QDate first(year, month, 1);
    return first.isValid() ? first.addDays(static_cast<qint64>(day) - 1) : QDate();
}

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                   "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                  "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kNumerals[10] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

} // namespace

int lunarLeapMonth(int year) {
    const LunarYear* y = lunarYear(year);
    return y ? y->leapMonth : -1;
}

int lunarMonthLength(int year, int month, bool leap) {
    const LunarYear* y = lunarYear(year);
    if (!y || month < 1 || month > 12) return 0;
    const int l = y->leapMonth;
    if (leap) {
        if (month != l) return 0;
        return bitSet(y->monthBits, 16 - month - 1) ? 30 : 29;
    }
    const int bit = (l == 0 || month <= l) ? 16 - month : 15 - month;
    return bitSet(y->monthBits, bit) ? 30 : 29;
}

int lunarYearLength(int year) {
    int days = 0;
    for (int m = 1; m <= 12; ++m)
        days += lunarMonthLength(year, m, false) + lunarMonthLength(year, m, true);
    return days;
}

namespace {

// Day offsets from 1901-02-19 of each lunar new year 1901-2050, so that a conversion does not
// sum up the years before it.
const std::array<int, kLunarLastYear - kLunarFirstYear + 2>& lunarYearStarts() {
    static const auto starts = [] {
        std::array<int, kLunarLastYear - kLunarFirstYear + 2> s{};
        for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y)
            s[y - kLunarFirstYear + 1] = s[y - kLunarFirstYear] + lunarYearLength(y);
        return s;
    }();
    return starts;
}

} // namespace

bool gregorianToLunar(const QDate& date, LunarDate& lunar) {
    if (!date.isValid() || date < kFirstDay || date > kLastDay) return false;
    const auto& starts = lunarYearStarts();
    const auto offset = static_cast<int>(kFirstDay.daysTo(date));
    const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
    const int year = kLunarFirstYear + static_cast<int>(next - starts.begin()) - 1;
    int n = offset - *(next - 1);
    for (int month = 1; month <= 12; ++month) {
        const int ordinary = lunarMonthLength(year, month, false);
        if (n < ordinary) {
            lunar = {year, month, n + 1, false};
            return true;
        }
        n -= ordinary;
        const int leap = lunarMonthLength(year, month, true);
        if (n < leap) {
            lunar = {year, month, n + 1, true};
            return true;
        }
        n -= leap;
    }
    return false; // not reached: n lies inside the year found
}

std::optional<QDate> lunarToGregorian(const LunarDate& target) {
    if (target.year < kLunarFirstYear || target.year > kLunarLastYear || target.month < 1 ||
        target.month > 12)
        return std::nullopt;
    LunarDate wanted = target;
    if (wanted.isLeapMonth && lunarLeapMonth(wanted.year) != wanted.month)
        wanted.isLeapMonth = false;

    // Walks from the Gregorian day with the same numbers, which lies at most about two months
    // after the answer; a candidate outside the range keeps the last lunar date seen.
    QDate candidate = dateCountingOn(wanted.year, wanted.month, wanted.day);
    LunarDate seen;
    for (int comparison = 0; comparison < 100; ++comparison) {
        gregorianToLunar(candidate, seen);
        if (lunarKey(seen) == lunarKey(wanted)) {
            if (seen.isLeapMonth == wanted.isLeapMonth) return candidate;
            candidate = candidate.addDays(seen.isLeapMonth ? -31 : 31);
        } else {
            candidate = candidate.addDays(lunarKey(seen) > lunarKey(wanted) ? -1 : 1);
        }
    }
    return std::nullopt;
}

SolarTermOfDay solarTermOfLunarDate(int lunarYear, int lunarMonth, int lunarDay, bool isLeapMonth) {
    const auto date = lunarToGregorian({lunarYear, lunarMonth, lunarDay, isLeapMonth});
    if (!date) return {};
    const int t = solarTermOfDay(date->year(), date->month(), date->day());
    if (t == 0) return {};
    return {solarTermName(t), t == 1 ? 23 : t == 2 ? 24 : t - 2};
}

int stemBranchYearOfMoment(const QDateTime& moment) {
    const QDate date = moment.date();
    const int y = date.year();
    int number = ((y - 4) % 60 + 60) % 60 + 1;

    // The most recent term of the same Gregorian year, counting today's only once its moment
    // has come.
    int latest = 0;
    if (const SolarTermYear* terms = solarTermsOfYear(y)) {
        const QTime time = moment.time();
        const auto now =
            std::make_tuple(date.month(), date.day(), time.hour(), time.minute(), time.second());
        for (int i = 0; i < 24; ++i) {
            const SolarTermMoment& m = (*terms)[i];
            if (std::make_tuple(m.month, m.day, m.hour, m.minute, m.second) > now) break;
            latest = i + 1;
        }
    }
    if (latest <= 2) number = number == 1 ? 60 : number - 1; // before 立春
    return number;
}

std::string stemBranchText(int number) {
    if (number < 1 || number > 60) return {};
    return std::string(kStems[(number - 1) % 10]) + kBranches[(number - 1) % 12];
}

std::string zodiacAnimal(int number) {
    if (number < 1 || number > 60) return {};
    return kAnimals[(number - 1) % 12];
}

std::string lunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    std::string name = month == 11   ? "冬月"
                       : month == 12 ? "腊月"
                       : month == 1  ? "正月"
                                     : std::string(kNumerals[month - 1]) + "月";
    return leap ? "闰" + name : name;
}

std::string lunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    if (day == 20) return "廿十";
    if (day == 30) return "三十";
    static const char* const kTens[3] = {"初", "十", "廿"};
    return std::string(kTens[(day - 1) / 10]) + kNumerals[(day - 1) % 10];
}

std::string formatLunarDate(const QDateTime& moment, const std::string& pattern) {
    const QDate date = moment.date();
    LunarDate lunar;
    gregorianToLunar(date, lunar);
    const int number = stemBranchYearOfMoment(moment);

    std::string text = pattern.empty() ? "%Y年(%S)%M%D %y-%m-%d" : pattern;
    text = replaceExact(text, "%Y", stemBranchText(number));
    text = replaceExact(text, "%S", zodiacAnimal(number));
    text = replaceExact(text, "%M", lunarMonthName(lunar.month, lunar.isLeapMonth));
    text = replaceExact(text, "%D", lunarDayName(lunar.day));
    text = replaceExact(text, "%y", std::to_string(date.year()));
    text = replaceExact(text, "%m", std::to_string(date.month()));
    text = replaceExact(text, "%d", std::to_string(date.day()));
    return text;
}
