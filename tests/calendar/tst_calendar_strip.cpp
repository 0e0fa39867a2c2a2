#include "calendar/calendar_strip.h"
#include "weld/script_engine.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

#include <ctime>

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

    void integerOfScriptText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << u"53"_qs << 53;
        QTest::newRow("leading blanks and sign") << u" \t-7"_qs << -7;
        QTest::newRow("full-width digits") << u"２０"_qs << 20;
        QTest::newRow("ideographic space and full-width sign") << u"\u3000＋５"_qs << 5;
        QTest::newRow("stops at the first other character") << u"12.9周"_qs << 12;
        QTest::newRow("failure text") << u"JS代码运行失败"_qs << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("sign only") << u"-"_qs << 0;
        QTest::newRow("two signs") << u"+-3"_qs << 0;
        QTest::newRow("too large") << u"99999999999"_qs << 0;
    }
    void integerOfScriptText() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(::integerOfScriptText(text.toStdString()), value);
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
        QTest::newRow("invalid date") << QDate() << 0 << 0;
    }
    void weekNumbersIgnoreDaylightSavingTime() {
        // In Sydney 1 January lies in summer time and 14 April 2024 (a Sunday) does not, so the
        // two midnights are 104 days and one hour apart; unrounded, the Sunday would fall into
        // the next week.
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Australia/Sydney");
        tzset();
        const int week = yearWeekOfDate(QDate(2024, 4, 14));
        if (zone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", zone);
        tzset();
        QCOMPARE(week, 15);
    }

    // The native week count against the week script, every day from 1900 to 2100, in time
    // zones whose daylight-saving changes fall at midnight or around New Year.
    void weekMatchesTheScript_data() {
        QTest::addColumn<QByteArray>("zone");
        for (const char* zone : {"UTC", "Asia/Shanghai", "Australia/Sydney", "America/Sao_Paulo",
                                 "Europe/London", "America/Havana"})
            QTest::newRow(zone) << QByteArray(zone);
    }
    void weekMatchesTheScript() {
        QFETCH(QByteArray, zone);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        // One call per year keeps the oracle fast; the per-day function is the script's own.
        ScriptEngine engine;
        QVERIFY(engine.ExecuteStatement(weekScript()));
        QVERIFY(engine.ExecuteStatement(R"(
function weeksOfYear(y, monthLengths) {
    var lengths = monthLengths.split(","), out = [];
    for (var m = 1; m <= 12; ++m)
        for (var d = 1; d <= Number(lengths[m - 1]); ++d)
            out.push(getYearWeek(y, String(m), String(d)));
    return out.join(",");
})"));
        QStringList mismatches;
        int days = 0;
        for (int year = 1900; year <= 2100; ++year) {
            const QDate first(year, 1, 1);
            std::string lengths;
            for (int m = 1; m <= 12; ++m)
                lengths += (m > 1 ? "," : "") + std::to_string(QDate(year, m, 1).daysInMonth());
            const QStringList weeks =
                QString::fromStdString(
                    engine.Run("weeksOfYear", std::to_string(year), lengths, "", ""))
                    .split(QLatin1Char(','));
            if (weeks.size() != first.daysInYear()) {
                mismatches
                    << QStringLiteral("%1: %2 days from the script").arg(year).arg(weeks.size());
                continue;
            }
            for (int i = 0; i < weeks.size(); ++i, ++days) {
                const QDate date = first.addDays(i);
                if (yearWeekOfDate(date) != weeks[i].toInt() && mismatches.size() < 10)
                    mismatches << date.toString(Qt::ISODate) + QStringLiteral(": ") + weeks[i];
            }
        }
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        tzset();
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QStringLiteral("; "))));
        QCOMPARE(days, 73414);
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
