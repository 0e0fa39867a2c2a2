#pragma once

#include <array>
#include <string>
#include <vector>

// The moments of the 24 solar terms of the Gregorian years 1880-2079 in China Standard Time,
// read from the table built into the program (calendar/tables/solar_terms.tsv).

constexpr int kSolarTermFirstYear = 1880;
constexpr int kSolarTermLastYear = 2079;

struct SolarTermMoment {
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Terms in table order: 1 = 小寒, 2 = 大寒, 3 = 立春, ... 24 = 冬至.
using SolarTermYear = std::array<SolarTermMoment, 24>;

// Reads a table text: the header line "year term month day hour minute second" (tab-separated),
// then one row per year and term in order, 1880 term 1 to 2079 term 24. Anything else (a
// missing, extra, misplaced or malformed row) gives the empty list.
std::vector<SolarTermYear> parseSolarTermTable(const std::string& text);

// The 24 moments of the year, or nullptr outside 1880-2079 (or if the built-in table is
// damaged, which the tests rule out).
const SolarTermYear* solarTermsOfYear(int year);

// The name of table number 1-24, "" for any other number.
const char* solarTermName(int tableNumber);

// The table number (1-24) of the term that begins on the Gregorian day, else 0. Only the day
// counts, not the time.
int solarTermOfDay(int year, int month, int day);
