#include "calendar/date_time_format.h"

#include "weld/text_helpers.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace {

const QDate kOleEpoch(1899, 12, 30);
// The range that the platform's own conversion accepts.
constexpr double kOleMin = -657435.0; // below: 0099-12-31 (the day of -657434.x is 0100-01-01)
constexpr double kOleMax = 2958465.99999421; // 9999-12-31 23:59:59.5

// Length of a UTF-8 text in the double-byte ANSI code page: ASCII is one byte, every other
// character two (or one '?' when the code page lacks it, which never shortens a picture
// below the limit of the callers).
std::size_t codePageLength(const std::string& text) {
    std::size_t length = 0;
    for (unsigned char c : text) {
        if (c < 0x80)
            length += 1;
        else if ((c & 0xC0) != 0x80)
            length += 2;
    }
    return length;
}

std::string twoDigits(int value) {
    std::string s = std::to_string(value);
    return s.size() < 2 ? "0" + s : s;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Runs of the same letter form one picture element; quoted text is copied without quotes.
template <typename Element>
std::string expandPicture(const std::string& picture, const std::string& letters, Element element) {
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture[i++];
            }
            continue;
        }
        if (letters.find(c) == std::string::npos) {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        out += element(c, run);
        i += run;
    }
    return out;
}

std::string formatDatePart(const QDate& date, const std::string& picture) {
    const QLocale locale;
    return expandPicture(picture, "dMy", [&](char letter, std::size_t run) -> std::string {
        switch (letter) {
        case 'd':
            if (run == 1) return std::to_string(date.day());
            if (run == 2) return twoDigits(date.day());
            return utf8(locale.dayName(date.dayOfWeek(),
                                       run == 3 ? QLocale::ShortFormat : QLocale::LongFormat));
        case 'M':
            if (run == 1) return std::to_string(date.month());
            if (run == 2) return twoDigits(date.month());
            return utf8(locale.monthName(date.month(),
                                         run == 3 ? QLocale::ShortFormat : QLocale::LongFormat));
        default: // 'y'
            if (run == 1) return std::to_string(date.year() % 10);
            if (run == 2) return twoDigits(date.year() % 100);
            return std::to_string(date.year());
        }
    });
}

std::string formatTimePart(const QTime& time, const std::string& picture, bool force24) {
    const QLocale locale;
    return expandPicture(picture, "hHmst", [&](char letter, std::size_t run) -> std::string {
        int value = 0;
        switch (letter) {
        case 'h':
            value = force24 ? time.hour() : (time.hour() + 11) % 12 + 1;
            break;
        case 'H':
            value = time.hour();
            break;
        case 'm':
            value = time.minute();
            break;
        case 's':
            value = time.second();
            break;
        default: { // 't'
            std::string marker = utf8(time.hour() < 12 ? locale.amText() : locale.pmText());
            if (run > 1 || marker.empty()) return marker;
            // The first character only, never half of a multi-byte one.
            std::size_t end = 1;
            while (end < marker.size() && (static_cast<unsigned char>(marker[end]) & 0xC0) == 0x80)
                ++end;
            return marker.substr(0, end);
        }
        }
        return run == 1 ? std::to_string(value) : twoDigits(value);
    });
}

struct StylePictures {
    const char* date;
    const char* time;
    const char* monthDay;
    const char* hourMinute;
    const char* minuteSecond;
};

constexpr StylePictures kStyles[4] = {
    {"yyyy年MM月dd日 ", "hh时mm分ss秒", "MM月dd日", "hh时mm分", "mm分ss秒"},
    {"yyyy-MM-dd ", "hh:mm:ss", "MM-dd", "hh:mm", "mm:ss"},
    {"yyyy/MM/dd ", "hh/mm/ss", "MM/dd", "hh/mm", "mm/ss"},
    {"yyyyMMdd", "hhmmss", "MMdd", "hhmm", "mmss"},
};

std::string withoutTrailingSpaces(std::string text) {
    static const std::string kIdeographicSpace = "\u3000";
    for (;;) {
        if (!text.empty() && text.back() == ' ') {
            text.pop_back();
        } else if (text.size() >= kIdeographicSpace.size() &&
                   text.compare(text.size() - kIdeographicSpace.size(), kIdeographicSpace.size(),
                                kIdeographicSpace) == 0) {
            text.resize(text.size() - kIdeographicSpace.size());
        } else {
            return text;
        }
    }
}

} // namespace

double oleDateFromDate(const QDate& date) {
    return static_cast<double>(kOleEpoch.daysTo(date));
}

double oleDateFromDateTime(const QDateTime& moment) {
    const double days = oleDateFromDate(moment.date());
    const double fraction = moment.time().msecsSinceStartOfDay() / 86400000.0;
    return days < 0 ? days - fraction : days + fraction;
}

bool dateTimeFromOleDate(double oleDate, QDate& date, QTime& time) {
    if (!(oleDate > kOleMin && oleDate <= kOleMax)) return false;
    const double whole = std::trunc(oleDate);
    long long seconds = std::llround(std::fabs(oleDate - whole) * 86400.0);
    long long days = static_cast<long long>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += 1;
    }
    date = kOleEpoch.addDays(days);
    time = QTime(0, 0).addSecs(static_cast<int>(seconds));
    return true;
}

std::string formatWithLocale(double oleDate, const std::string& datePicture,
                             const std::string& timePicture, bool force24) {
    QDate date;
    QTime time;
    if (!dateTimeFromOleDate(oleDate, date, time)) return {};
    std::string text;
    if (codePageLength(datePicture) >= 3) text += formatDatePart(date, datePicture);
    if (codePageLength(timePicture) >= 3) text += formatTimePart(time, timePicture, force24);
    return text;
}

std::string formatDateTime(std::optional<double> oleDate, int style, int part) {
    const double date = oleDate ? *oleDate : oleDateFromDateTime(QDateTime::currentDateTime());
    if (style < 0 || style > 3) style = 0;
    const StylePictures& pictures = kStyles[style];
    std::string datePicture;
    std::string timePicture;
    switch (part) {
    case 1:
        datePicture = withoutTrailingSpaces(pictures.date);
        break;
    case 2:
        datePicture = pictures.monthDay;
        break;
    case 3:
        timePicture = pictures.time;
        break;
    case 4:
        timePicture = pictures.hourMinute;
        break;
    case 5:
        timePicture = pictures.minuteSecond;
        break;
    default:
        datePicture = pictures.date;
        timePicture = pictures.time;
        break;
    }
    if (localeUses24HourClock()) timePicture = replaceExact(timePicture, "hh", "HH");
    return formatWithLocale(date, datePicture, timePicture);
}

bool localeUses24HourClock() {
    // Qt writes a 12-hour clock exactly when the format carries an AM/PM marker (a or A);
    // quoted text does not count.
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'a' || c == u'A'))
            return false;
    }
    return true;
}
