#include "calendar/lunar_calendar.h"
#include "calendar/solar_terms.h"

#include <QDateTime>
#include <QTest>

#include <limits>

class LunarCalendarTest : public QObject {
    Q_OBJECT

  private slots:
    void conversions_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("leap");
        QTest::newRow("new year 2024") << QDate(2024, 2, 10) << 2024 << 1 << 1 << false;
        QTest::newRow("eve of 2024") << QDate(2024, 2, 9) << 2023 << 12 << 30 << false;
        QTest::newRow("leap month 2023") << QDate(2023, 3, 22) << 2023 << 2 << 1 << true;
        QTest::newRow("after leap month") << QDate(2023, 4, 20) << 2023 << 3 << 1 << false;
        QTest::newRow("first day") << QDate(1901, 2, 19) << 1901 << 1 << 1 << false;
        QTest::newRow("last day") << QDate(2048, 12, 31) << 2048 << 11 << 27 << false;
        QTest::newRow("tenth leap month") << QDate(1984, 11, 23) << 1984 << 10 << 1 << true;
        QTest::newRow("1 January 2024") << QDate(2024, 1, 1) << 2023 << 11 << 20 << false;
        // Lunar new years that the table alone fixes.
        QTest::newRow("new year 1912") << QDate(1912, 2, 18) << 1912 << 1 << 1 << false;
        QTest::newRow("new year 1949") << QDate(1949, 1, 29) << 1949 << 1 << 1 << false;
        QTest::newRow("new year 1976") << QDate(1976, 1, 31) << 1976 << 1 << 1 << false;
        QTest::newRow("new year 1984") << QDate(1984, 2, 2) << 1984 << 1 << 1 << false;
        QTest::newRow("new year 2000") << QDate(2000, 2, 5) << 2000 << 1 << 1 << false;
        QTest::newRow("new year 2020") << QDate(2020, 1, 25) << 2020 << 1 << 1 << false;
        QTest::newRow("new year 2025") << QDate(2025, 1, 29) << 2025 << 1 << 1 << false;
        QTest::newRow("new year 2033") << QDate(2033, 1, 31) << 2033 << 1 << 1 << false;
    }
    void conversions() {
        QFETCH(QDate, date);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, leap);
        LunarDate lunar;
        QVERIFY(gregorianToLunar(date, lunar));
        QCOMPARE(lunar.year, year);
        QCOMPARE(lunar.month, month);
        QCOMPARE(lunar.day, day);
        QCOMPARE(lunar.isLeapMonth, leap);
        const auto back = lunarToGregorian(lunar);
        QVERIFY(back);
        QCOMPARE(*back, date);
    }

    void conversionFailures_data() {
        QTest::addColumn<QDate>("date");
        QTest::newRow("day before range") << QDate(1901, 2, 18);
        QTest::newRow("day after range") << QDate(2049, 1, 1);
        QTest::newRow("invalid date") << QDate();
    }
    void conversionFailures() {
        QFETCH(QDate, date);
        LunarDate lunar{7, 8, 9, true};
        QVERIFY(!gregorianToLunar(date, lunar));
        QCOMPARE(lunar.year, 7); // untouched
        QCOMPARE(lunar.month, 8);
        QCOMPARE(lunar.day, 9);
        QVERIFY(lunar.isLeapMonth);
    }

    void everyDayRoundTrips() {
        LunarDate previous;
        QVERIFY(gregorianToLunar(QDate(1901, 2, 19), previous));
        for (QDate d(1901, 2, 20); d <= QDate(2048, 12, 31); d = d.addDays(1)) {
            LunarDate lunar;
            QVERIFY(gregorianToLunar(d, lunar));
            // Days advance by one, or a month (or year) starts afresh at day 1.
            if (lunar.day != previous.day + 1) {
                QCOMPARE(lunar.day, 1);
                QVERIFY(previous.day == 29 || previous.day == 30);
            }
            const auto back = lunarToGregorian(lunar);
            if (!back || *back != d)
                QFAIL(qPrintable(QStringLiteral("%1 -> %2-%3-%4%5 -> %6")
                                     .arg(d.toString(Qt::ISODate))
                                     .arg(lunar.year)
                                     .arg(lunar.month)
                                     .arg(lunar.day)
                                     .arg(lunar.isLeapMonth ? u" leap"_qs : QString())
                                     .arg(back ? back->toString(Qt::ISODate) : u"failure"_qs)));
            previous = lunar;
        }
    }

    void yearTable() {
        // 2023: 29, 30, leap 29, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30 days.
        const int months2023[] = {29, 30, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30};
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(lunarMonthLength(2023, m), months2023[m - 1]);
        QCOMPARE(lunarMonthLength(2023, 2, true), 29);
        QCOMPARE(lunarMonthLength(2023, 3, true), 0);
        QCOMPARE(lunarYearLength(2023), 384);
        for (int y = kLunarFirstYear; y <= kLunarLastYear; ++y) {
            const int length = lunarYearLength(y);
            if (lunarLeapMonth(y) == 0)
                QVERIFY2(length >= 353 && length <= 355, qPrintable(QString::number(y)));
            else
                QVERIFY2(length >= 383 && length <= 385, qPrintable(QString::number(y)));
        }
        QCOMPARE(lunarLeapMonth(1900), -1);
        QCOMPARE(lunarYearLength(2050), 0);
    }

    void lunarToGregorianFailures_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("leap");
        QTest::newRow("day 30 of a 29-day month") << 2024 << 1 << 30 << false;
        QTest::newRow("day 30 of a 29-day leap month") << 2023 << 2 << 30 << true;
        QTest::newRow("day 0") << 2024 << 3 << 0 << false;
        QTest::newRow("day 31") << 2024 << 3 << 31 << false;
        QTest::newRow("after the last day") << 2048 << 11 << 28 << false;
        QTest::newRow("lunar 2049") << 2049 << 1 << 1 << false;
        QTest::newRow("year 1900") << 1900 << 12 << 1 << false;
        QTest::newRow("month 13") << 2024 << 13 << 1 << false;
        QTest::newRow("month 0") << 2024 << 0 << 1 << false;
        QTest::newRow("smallest int day") << 2024 << 3 << std::numeric_limits<int>::min() << false;
        QTest::newRow("largest int day") << 2024 << 3 << std::numeric_limits<int>::max() << false;
    }
    void lunarToGregorianFailures() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, leap);
        QVERIFY(!lunarToGregorian({year, month, day, leap}));
    }

    void leapFlagSelectsTheMonth_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("leap");
        QTest::addColumn<QDate>("date");
        QTest::newRow("ordinary second month") << 2023 << 2 << 1 << false << QDate(2023, 2, 20);
        QTest::newRow("leap second month") << 2023 << 2 << 1 << true << QDate(2023, 3, 22);
        QTest::newRow("leap month end") << 2023 << 2 << 29 << true << QDate(2023, 4, 19);
        QTest::newRow("ordinary month end") << 2023 << 2 << 30 << false << QDate(2023, 3, 21);
        QTest::newRow("flag on a month without leap is ignored")
            << 2024 << 1 << 1 << true << QDate(2024, 2, 10);
        QTest::newRow("first lunar day") << 1901 << 1 << 1 << false << QDate(1901, 2, 19);
        QTest::newRow("last lunar day") << 2048 << 11 << 27 << false << QDate(2048, 12, 31);
    }
    void leapFlagSelectsTheMonth() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, leap);
        QFETCH(QDate, date);
        const auto found = lunarToGregorian({year, month, day, leap});
        QVERIFY(found);
        QCOMPARE(*found, date);
    }

    void formatLunarDate_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        const QString plain = u"%Y年(%S)%M%D"_qs;
        QTest::newRow("2024-05-14")
            << QDateTime(QDate(2024, 5, 14), QTime(10, 0)) << plain << u"甲辰年(龙)四月初七"_qs;
        QTest::newRow("before 立春 2024")
            << QDateTime(QDate(2024, 2, 4), QTime(16, 0)) << plain << u"癸卯年(兔)腊月廿五"_qs;
        QTest::newRow("after 立春 2024")
            << QDateTime(QDate(2024, 2, 4), QTime(17, 0)) << plain << u"甲辰年(龙)腊月廿五"_qs;
        QTest::newRow("day after 立春 2024")
            << QDateTime(QDate(2024, 2, 5), QTime(12, 0)) << plain << u"甲辰年(龙)腊月廿六"_qs;
        QTest::newRow("lunar new year before 立春")
            << QDateTime(QDate(1984, 2, 2), QTime(12, 0)) << plain << u"癸亥年(猪)正月初一"_qs;
        QTest::newRow("leap pattern")
            << QDateTime(QDate(2023, 3, 22), QTime(12, 0)) << u"%Y年(%S)%M(闰月)%D"_qs
            << u"癸卯年(兔)闰二月(闰月)初一"_qs;
        QTest::newRow("day 20") << QDateTime(QDate(2024, 1, 1), QTime(12, 0)) << plain
                                << u"癸卯年(兔)冬月廿十"_qs;
        QTest::newRow("day 30") << QDateTime(QDate(2024, 4, 8), QTime(12, 0)) << plain
                                << u"甲辰年(龙)二月三十"_qs;
        QTest::newRow("empty pattern") << QDateTime(QDate(2024, 5, 14), QTime(10, 0)) << QString()
                                       << u"甲辰年(龙)四月初七 2024-5-14"_qs;
        QTest::newRow("codes are case-sensitive and repeat")
            << QDateTime(QDate(2024, 5, 14), QTime(10, 0)) << u"%y%Y %d%D %m%M %% %x"_qs
            << u"2024甲辰 14初七 5四月 %% %x"_qs;
        QTest::newRow("before 小寒: still last year's")
            << QDateTime(QDate(2024, 1, 3), QTime(12, 0)) << u"%Y %S"_qs << u"癸卯 兔"_qs;
        QTest::newRow("1 January 2044 is 癸亥's")
            << QDateTime(QDate(2044, 1, 1), QTime(0, 0)) << u"%Y"_qs << u"癸亥"_qs;
        QTest::newRow("after 立春 1984")
            << QDateTime(QDate(1984, 2, 5), QTime(0, 0)) << u"%Y(%S)"_qs << u"甲子(鼠)"_qs;
    }
    void formatLunarDate() {
        QFETCH(QDateTime, moment);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(::formatLunarDate(moment, pattern.toStdString())), text);
    }

    void stemBranchYearTurnsAtTheSecondOfLichun() {
        for (int year : {1901, 1984, 2024, 2025, 2048}) {
            const SolarTermYear* terms = solarTermsOfYear(year);
            QVERIFY(terms);
            const SolarTermMoment& m = (*terms)[2];
            const QDateTime moment(QDate(year, m.month, m.day), QTime(m.hour, m.minute, m.second));
            const int number = ((year - 4) % 60) + 1;
            QCOMPARE(stemBranchYearOfMoment(moment), number);
            QCOMPARE(stemBranchYearOfMoment(moment.addSecs(-1)), number == 1 ? 60 : number - 1);
        }
    }

    void names() {
        QCOMPARE(stemBranchText(1), std::string("甲子"));
        QCOMPARE(stemBranchText(2), std::string("乙丑"));
        QCOMPARE(stemBranchText(41), std::string("甲辰"));
        QCOMPARE(stemBranchText(60), std::string("癸亥"));
        QCOMPARE(stemBranchText(0), std::string());
        QCOMPARE(zodiacAnimal(41), std::string("龙"));
        QCOMPARE(zodiacAnimal(60), std::string("猪"));
        QCOMPARE(lunarMonthName(1, false), std::string("正月"));
        QCOMPARE(lunarMonthName(10, false), std::string("十月"));
        QCOMPARE(lunarMonthName(11, false), std::string("冬月"));
        QCOMPARE(lunarMonthName(12, true), std::string("闰腊月"));
        QCOMPARE(lunarMonthName(13, false), std::string());
        const char* const days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                    "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                    "十七", "十八", "十九", "廿十", "廿一", "廿二", "廿三", "廿四",
                                    "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
        for (int d = 1; d <= 30; ++d)
            QCOMPARE(lunarDayName(d), std::string(days[d - 1]));
        QCOMPARE(lunarDayName(0), std::string());
        QCOMPARE(lunarDayName(31), std::string());
    }

    void solarTermOfLunarDate_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("leap");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("夏至 2024") << 2024 << 5 << 16 << false << u"夏至"_qs << 10;
        QTest::newRow("立春 2024") << 2023 << 12 << 25 << false << u"立春"_qs << 1;
        QTest::newRow("no term") << 2024 << 4 << 7 << false << QString() << 0;
        QTest::newRow("day the month lacks") << 2024 << 1 << 30 << false << QString() << 0;
        QTest::newRow("小寒 2024 is 23") << 2023 << 11 << 25 << false << u"小寒"_qs << 23;
        QTest::newRow("大寒 2024 is 24") << 2023 << 12 << 10 << false << u"大寒"_qs << 24;
        QTest::newRow("冬至 2024 is 22") << 2024 << 11 << 21 << false << u"冬至"_qs << 22;
        QTest::newRow("清明 2023 in the leap month") << 2023 << 2 << 15 << true << u"清明"_qs << 5;
        QTest::newRow("惊蛰 2023 in the ordinary month")
            << 2023 << 2 << 15 << false << u"惊蛰"_qs << 3;
        QTest::newRow("outside the range") << 2049 << 1 << 1 << false << QString() << 0;
    }
    void solarTermOfLunarDate() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, leap);
        QFETCH(QString, name);
        QFETCH(int, number);
        const SolarTermOfDay term = ::solarTermOfLunarDate(year, month, day, leap);
        QCOMPARE(QString::fromStdString(term.name), name);
        QCOMPARE(term.number, number);
    }
};

QTEST_GUILESS_MAIN(LunarCalendarTest)
#include "tst_lunar_calendar.moc"
