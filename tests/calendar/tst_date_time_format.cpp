#include "calendar/date_time_format.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

// 2024-05-14 13:05:09, a Tuesday.
static const QDateTime kAfternoon(QDate(2024, 5, 14), QTime(13, 5, 9));

class DateTimeFormatTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }
    void initTestCase() { cleanup(); }

    void oleDates_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<double>("ole");
        QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
        QTest::newRow("1900-01-01") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2.0;
        QTest::newRow("noon 2024-05-14") << QDateTime(QDate(2024, 5, 14), QTime(12, 0)) << 45426.5;
        // Before the epoch the fraction still counts forward into the day.
        QTest::newRow("before epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
        QTest::newRow("first day") << QDateTime(QDate(100, 1, 1), QTime(0, 0)) << -657434.0;
        QTest::newRow("noon of the first day")
            << QDateTime(QDate(100, 1, 1), QTime(12, 0)) << -657434.5;
        QTest::newRow("last second of the first day")
            << QDateTime(QDate(100, 1, 1), QTime(23, 59, 59)) << -657434.0 - 86399.0 / 86400;
        QTest::newRow("last second")
            << QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)) << 2958465.0 + 86399.0 / 86400;
    }
    void oleDates() {
        QFETCH(QDateTime, moment);
        QFETCH(double, ole);
        QCOMPARE(oleDateFromDateTime(moment), ole);
        QDate date;
        QTime time;
        QVERIFY(dateTimeFromOleDate(ole, date, time));
        QCOMPARE(date, moment.date());
        QCOMPARE(time, moment.time());
    }

    void oleDateRoundsToTheSecond() {
        QDate date;
        QTime time;
        QVERIFY(dateTimeFromOleDate(45426.0 + 0.4 / 86400, date, time));
        QCOMPARE(time, QTime(0, 0, 0));
        QVERIFY(dateTimeFromOleDate(45426.0 + 1.6 / 86400, date, time));
        QCOMPARE(time, QTime(0, 0, 2));
        // Half a second before midnight carries into the next day.
        QVERIFY(dateTimeFromOleDate(45426.0 + 86399.6 / 86400, date, time));
        QCOMPARE(date, QDate(2024, 5, 15));
        QCOMPARE(time, QTime(0, 0));
    }

    void invalidOleDates_data() {
        QTest::addColumn<double>("ole");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("after 9999") << 2958466.0;
        QTest::newRow("before year 100") << -657435.0;
    }
    void invalidOleDates() {
        QFETCH(double, ole);
        QDate date(2000, 1, 1);
        QTime time(1, 2, 3);
        QVERIFY(!dateTimeFromOleDate(ole, date, time));
        QCOMPARE(date, QDate(2000, 1, 1));
        QCOMPARE(time, QTime(1, 2, 3));
        QCOMPARE(formatWithLocale(ole, "yyyy-MM-dd", "HH:mm:ss"), std::string());
    }

    void formatDateTimeStylesAndParts_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("clock24");
        QTest::addColumn<QString>("clock12");
        QTest::newRow("style 0 part 0")
            << 0 << 0 << u"2024年05月14日 13时05分09秒"_qs << u"2024年05月14日 01时05分09秒"_qs;
        QTest::newRow("style 0 part 1") << 0 << 1 << u"2024年05月14日"_qs << u"2024年05月14日"_qs;
        QTest::newRow("style 0 part 2") << 0 << 2 << u"05月14日"_qs << u"05月14日"_qs;
        QTest::newRow("style 0 part 4") << 0 << 4 << u"13时05分"_qs << u"01时05分"_qs;
        QTest::newRow("style 0 part 5") << 0 << 5 << u"05分09秒"_qs << u"05分09秒"_qs;
        QTest::newRow("style 1 part 0")
            << 1 << 0 << u"2024-05-14 13:05:09"_qs << u"2024-05-14 01:05:09"_qs;
        QTest::newRow("style 1 part 1") << 1 << 1 << u"2024-05-14"_qs << u"2024-05-14"_qs;
        QTest::newRow("style 1 part 3") << 1 << 3 << u"13:05:09"_qs << u"01:05:09"_qs;
        QTest::newRow("style 2 part 0")
            << 2 << 0 << u"2024/05/14 13/05/09"_qs << u"2024/05/14 01/05/09"_qs;
        QTest::newRow("style 2 part 2") << 2 << 2 << u"05/14"_qs << u"05/14"_qs;
        QTest::newRow("style 3 part 0") << 3 << 0 << u"20240514130509"_qs << u"20240514010509"_qs;
        QTest::newRow("style 3 part 4") << 3 << 4 << u"1305"_qs << u"0105"_qs;
        QTest::newRow("style 3 part 5") << 3 << 5 << u"0509"_qs << u"0509"_qs;
        QTest::newRow("bad style is 0")
            << 7 << 0 << u"2024年05月14日 13时05分09秒"_qs << u"2024年05月14日 01时05分09秒"_qs;
        QTest::newRow("negative style is 0") << -1 << 4 << u"13时05分"_qs << u"01时05分"_qs;
        QTest::newRow("bad part is 0")
            << 1 << 6 << u"2024-05-14 13:05:09"_qs << u"2024-05-14 01:05:09"_qs;
    }
    void formatDateTimeStylesAndParts() {
        QFETCH(int, style);
        QFETCH(int, part);
        QFETCH(QString, clock24);
        QFETCH(QString, clock12);
        const double ole = oleDateFromDateTime(kAfternoon);
        QCOMPARE(QString::fromStdString(formatDateTime(ole, style, part)), clock24);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(QString::fromStdString(formatDateTime(ole, style, part)), clock12);
    }

    void twelveHourClockAroundMidnightAndNoon_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("00:30") << QTime(0, 30) << u"12:30"_qs;
        QTest::newRow("11:59") << QTime(11, 59) << u"11:59"_qs;
        QTest::newRow("12:30") << QTime(12, 30) << u"12:30"_qs;
        QTest::newRow("23:00") << QTime(23, 0) << u"11:00"_qs;
    }
    void twelveHourClockAroundMidnightAndNoon() {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const double ole = oleDateFromDateTime(QDateTime(QDate(2024, 5, 14), time));
        QCOMPARE(QString::fromStdString(formatDateTime(ole, 1, 4)), text);
    }

    void formatWithLocalePictures_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("datePicture");
        QTest::addColumn<QString>("timePicture");
        QTest::addColumn<bool>("force24");
        QTest::addColumn<QString>("text");
        const QLocale zh(QLocale::Chinese, QLocale::China);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("weekday zh") << zh << u"dddd"_qs << QString() << false << u"星期二"_qs;
        QTest::newRow("weekday en") << en << u"dddd"_qs << QString() << false << u"Tuesday"_qs;
        QTest::newRow("short weekday en") << en << u"ddd"_qs << QString() << false << u"Tue"_qs;
        QTest::newRow("month names en")
            << en << u"MMMM MMM"_qs << QString() << false << u"May May"_qs;
        QTest::newRow("unpadded numbers")
            << zh << u"d.M.y"_qs << QString() << false << u"14.5.4"_qs;
        QTest::newRow("two-digit year") << zh << u"yy/MM"_qs << QString() << false << u"24/05"_qs;
        QTest::newRow("quoted letters")
            << en << u"'dd'' 'dd"_qs << QString() << false << u"dd' 14"_qs;
        QTest::newRow("date letters in time picture are literal")
            << zh << QString() << u"HH dd"_qs << false << u"13 dd"_qs;
        QTest::newRow("time letters in date picture are literal")
            << zh << u"hh dd"_qs << QString() << false << u"hh 14"_qs;
        QTest::newRow("two-letter picture gives nothing")
            << zh << u"dd"_qs << u"hh"_qs << false << QString();
        // "日" is three bytes in UTF-8 but two in the ANSI code page.
        QTest::newRow("one Chinese character is too short")
            << zh << u"日"_qs << u"时"_qs << false << QString();
        QTest::newRow("two Chinese characters suffice")
            << zh << u"d日"_qs << u"H时"_qs << false << u"14日13时"_qs;
        QTest::newRow("force24") << en << QString() << u"hh:mm"_qs << true << u"13:05"_qs;
        QTest::newRow("12-hour with marker")
            << en << QString() << u"h:mm tt"_qs << false << u"1:05 PM"_qs;
        QTest::newRow("one-letter marker") << en << QString() << u"hh t"_qs << false << u"01 P"_qs;
        QTest::newRow("24-hour letters under 12-hour locale")
            << en << QString() << u"H:m:s"_qs << false << u"13:5:9"_qs;
    }
    void formatWithLocalePictures() {
        QFETCH(QLocale, locale);
        QFETCH(QString, datePicture);
        QFETCH(QString, timePicture);
        QFETCH(bool, force24);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(QString::fromStdString(formatWithLocale(oleDateFromDateTime(kAfternoon),
                                                         datePicture.toStdString(),
                                                         timePicture.toStdString(), force24)),
                 text);
    }

    void twentyFourHourLocales_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("uses24");
        QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China) << true;
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << true;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << true;
    }
    void twentyFourHourLocales() {
        QFETCH(QLocale, locale);
        QFETCH(bool, uses24);
        QLocale::setDefault(locale);
        QCOMPARE(localeUses24HourClock(), uses24);
    }
};

QTEST_GUILESS_MAIN(DateTimeFormatTest)
#include "tst_date_time_format.moc"
