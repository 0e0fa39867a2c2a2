#pragma once

#include <optional>
#include <string>

class QDate;
class QDateTime;

// Chinese lunar calendar for the lunar years 1901-2049. Conversions cover the Gregorian days
// 1901-02-19 (lunar 1901-1-1) to 2048-12-31 (lunar 2048-11-27).

struct LunarDate {
    int year = 0;             // the Gregorian year in which the lunar year begins
    int month = 0;            // 1-12
    int day = 0;              // 1-30
    bool isLeapMonth = false; // the intercalary month that follows month `month`
};

constexpr int kLunarFirstYear = 1901;
constexpr int kLunarLastYear = 2049;

// The leap month of the lunar year (0: none), -1 outside 1901-2049.
int lunarLeapMonth(int lunarYear);
// Days of the ordinary month, or of its leap month when leap is set (0 when the year has no
// such leap month); 0 outside the table.
int lunarMonthLength(int lunarYear, int month, bool leap = false);
int lunarYearLength(int lunarYear);

// The lunar date of the day; false, with lunar left untouched, outside the conversion range or
// for an invalid date.
bool gregorianToLunar(const QDate& date, LunarDate& lunar);

// The Gregorian day of the lunar date. A leap flag on a month that is not the year's leap
// month is ignored. Fails for days the month does not have and past lunar 2048-11-27.
std::optional<QDate> lunarToGregorian(const LunarDate& lunar);

struct SolarTermOfDay {
    std::string name; // "" when no term begins that day
    int number = 0;   // 0 none; 1 = 立春, 2 = 雨水, ... 22 = 冬至, 23 = 小寒, 24 = 大寒
};

// The solar term that begins on the Gregorian day of the lunar date; empty and 0 when none
// does or when the lunar date cannot be converted.
SolarTermOfDay solarTermOfLunarDate(int lunarYear, int lunarMonth, int lunarDay, bool isLeapMonth);

// Number 1-60 (1 = 甲子) of the stem-branch year of the moment; it changes at the moment of
// 立春 in the solar-term table, not at the lunar new year.
int stemBranchYearOfMoment(const QDateTime& moment);
std::string stemBranchText(int number);           // "甲子" ... "癸亥"; "" outside 1-60
std::string zodiacAnimal(int number);             // animal of the number's branch; "" outside 1-60
std::string lunarMonthName(int month, bool leap); // "正月" ... "腊月", "闰" first; "" if invalid
std::string lunarDayName(int day); // "初一" ... "廿十" ... "三十"; "" if invalid

// The pattern with every "%Y" (stem-branch year), then "%S" (zodiac animal), "%M" (month
// name), "%D" (day name), "%y" (Gregorian year), "%m" and "%d" (Gregorian month and day
// without leading zero) replaced, case-sensitively. Empty pattern: "%Y年(%S)%M%D %y-%m-%d".
// Outside the conversion range the month and day names are empty.
std::string formatLunarDate(const QDateTime& moment, const std::string& pattern);
