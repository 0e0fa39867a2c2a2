#pragma once

#include <optional>
#include <string>

class QDate;
class QDateTime;
class QTime;

// Date-time values here are OLE automation dates: days counted from 1899-12-30 00:00, the
// fraction being the local time of day. Before 1899-12-30 the integer part is negative while
// the fraction still counts forward into that day (-1.25 is 1899-12-29 06:00).

// The moment's own date and time of day (no time-zone conversion).
double oleDateFromDateTime(const QDateTime& moment);
double oleDateFromDate(const QDate& date);
// Splits an OLE date, rounded to the second, into a date and a time. False (outputs untouched)
// for NaN and for values outside 0100-01-01 ... 9999-12-31 23:59:59.
bool dateTimeFromOleDate(double oleDate, QDate& date, QTime& time);

// The date written with datePicture followed directly by its time written with timePicture,
// both in the default locale (QLocale()). A picture shorter than 3 bytes, as counted in the
// Chinese ANSI code page (ASCII 1 byte, other characters 2), gives no text for its half.
// Date picture letters: d dd ddd dddd, M MM MMM MMMM, y yy yyyy; time picture letters:
// h hh (12-hour), H HH (24-hour), m mm, s ss, t tt (AM/PM marker). Text in single quotes
// ('' for a quote) and every other character is copied. force24 writes h as H.
// An invalid date gives the empty text.
std::string formatWithLocale(double oleDate, const std::string& datePicture,
                             const std::string& timePicture = {}, bool force24 = false);

// The date (default: now) in style 0 (年月日), 1 (dash), 2 (slash) or 3 (no separators; any
// other style counts as 0) and part 0 (date and time), 1 (date), 2 (month and day), 3 (time),
// 4 (hour and minute) or 5 (minute and second; any other part counts as 0). The hour is
// written 00-23 when the locale uses a 24-hour clock, else 01-12 without an AM/PM marker.
std::string formatDateTime(std::optional<double> oleDate = std::nullopt, int style = 0,
                           int part = 0);

// True when the default locale writes times with a 24-hour clock.
bool localeUses24HourClock();
