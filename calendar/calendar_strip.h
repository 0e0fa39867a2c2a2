#pragma once

#include <string>

class QDate;
class QDateTime;

// Texts of the calendar strip at the bottom of the main window. The window sets
// calendarLineText(QDateTime::currentDateTime()) once at start-up and
// clockLineText(QDateTime::currentDateTime()) on every tick of its one-second clock timer.

// "农历" + lunar date (with "【term】" on a solar-term day) + " 第N周 第M天 " + weekday name
// of the default locale, e.g. "农历甲辰年(龙)四月初七 第20周 第135天 星期二".
std::string calendarLineText(const QDateTime& now);

// The date and time as "yyyy-MM-dd hh:mm:ss", the hour 00-23 under a 24-hour locale and
// 01-12 (no AM/PM marker) otherwise.
std::string clockLineText(const QDateTime& now);

// Week of the year, Monday to Sunday, the week holding 1 January being week 1 unless
// 1 January is a Sunday (then that day is week 0); 0 for an invalid date. Computed natively:
// it gives what the built-in week script gives for every day, whatever the time zone and
// its daylight-saving days (the tests hold the two side by side), without starting a
// script engine for the calendar line.
int yearWeekOfDate(const QDate& date);

// 1 for 1 January, up to 366 for 31 December of a leap year.
int dayOfYear(const QDate& date);

// The integer at the start of a script's result: full-width digits, signs and spaces count as
// ASCII ones; white space and one sign may come first; anything else (such as the failure text
// "JS代码运行失败") gives 0.
int integerOfScriptText(const std::string& text);

// The script that defines getYearWeek(year, month 1-12, day), each argument a decimal text:
// the week count as first written, kept as the reference the native count is tested by.
const std::string& weekScript();
