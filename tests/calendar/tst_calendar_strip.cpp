#include "calendar/calendar_strip.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

class CalendarStripTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }
    void initTestCase() { cleanup(); }

    void calendarLine_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain day") << QDateTime(QDate(2024, 5, 14), QTime(10, 0))
                                   << u"农历甲辰年(龙)四月初七 第20周 第135天 星期二"_qs;
        QTest::newRow("solar-term day")
            << QDateTime(QDate(2024, 6, 21), QTime(9, 30))
            << u"农历甲辰年(龙)五月十六【夏至】 第25周 第173天 星期五"_qs;
        QTest::newRow("leap month") << QDateTime(QDate(2023, 3, 22), QTime(12, 0))
                                    << u"农历癸卯年(兔)闰二月(闰月)初一 第12周 第81天 星期三"_qs;
        // The term is named all day, while the year changes only at its moment.
        QTest::newRow("立春 before its moment")
            << QDateTime(QDate(2024, 2, 4), QTime(8, 0))
            << u"农历癸卯年(兔)腊月廿五【立春】 第5周 第35天 星期日"_qs;
        QTest::newRow("outside the lunar range") << QDateTime(QDate(2049, 3, 1), QTime(12, 0))
                                                 << u"农历己巳年(蛇) 第10周 第60天 星期一"_qs;
    }
    void calendarLine() {
        QFETCH(QDateTime, now);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(calendarLineText(now)), line);
    }

    void weekdayFollowsTheLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(
            QString::fromStdString(calendarLineText(QDateTime(QDate(2024, 5, 14), QTime(10, 0)))),
            u"农历甲辰年(龙)四月初七 第20周 第135天 Tuesday"_qs);
    }

    void clockLine_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("line");
        const QLocale zh(QLocale::Chinese, QLocale::China);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QDateTime afternoon(QDate(2024, 5, 14), QTime(13, 5, 9));
        QTest::newRow("24-hour") << zh << afternoon << u"2024-05-14 13:05:09"_qs;
        QTest::newRow("12-hour") << en << afternoon << u"2024-05-14 01:05:09"_qs;
        QTest::newRow("12-hour after midnight")
            << en << QDateTime(QDate(2024, 1, 1), QTime(0, 0, 1)) << u"2024-01-01 12:00:01"_qs;
        QTest::newRow("24-hour midnight")
            << zh << QDateTime(QDate(2024, 1, 1), QTime(0, 0, 1)) << u"2024-01-01 00:00:01"_qs;
    }
    void clockLine() {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, now);
        QFETCH(QString, line);
        QLocale::setDefault(locale);
        QCOMPARE(QString::fromStdString(clockLineText(now)), line);
    }

    void weekAndDayOfYear_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("day");
        QTest::newRow("1 January on a Sunday") << QDate(2023, 1, 1) << 0 << 1;
        QTest::newRow("the Monday after") << QDate(2023, 1, 2) << 1 << 2;
        QTest::newRow("1 January on a Monday") << QDate(2024, 1, 1) << 1 << 1;
        QTest::newRow("1 January on a Saturday") << QDate(2022, 1, 1) << 1 << 1;
        QTest::newRow("first Monday after a Saturday") << QDate(2022, 1, 3) << 2 << 3;
        QTest::newRow("Sunday ends the week") << QDate(2024, 1, 7) << 1 << 7;
        QTest::newRow("31 December, common year from Sunday") << QDate(2023, 12, 31) << 52 << 365;
        QTest::newRow("31 December, common year from Monday") << QDate(2018, 12, 31) << 53 << 365;
        QTest::newRow("31 December, leap year") << QDate(2024, 12, 31) << 53 << 366;
        QTest::newRow("29 February") << QDate(2024, 2, 29) << 9 << 60;
        QTest::newRow("1 March, common year") << QDate(2023, 3, 1) << 9 << 60;
        // 1950-01-01 was a Sunday, 0050-01-01 a Saturday.
        QTest::newRow("two-digit year") << QDate(50, 1, 1) << 1 << 1;
    }
    void weekAndDayOfYear() {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QFETCH(int, day);
        QCOMPARE(yearWeekOfDate(date), week);
        QCOMPARE(dayOfYear(date), day);
    }
};

QTEST_GUILESS_MAIN(CalendarStripTest)
#include "tst_calendar_strip.moc"
