#include "calendar/solar_terms.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <tuple>

namespace {

int secondsOfYear(int year, const SolarTermMoment& m) {
    const QDate date(year, m.month, m.day);
    return (date.dayOfYear() - 1) * 86400 + m.hour * 3600 + m.minute * 60 + m.second;
}

} // namespace

class SolarTermsTest : public QObject {
    Q_OBJECT

  private slots:
    void tableShape() {
        QVERIFY(!solarTermsOfYear(kSolarTermFirstYear - 1));
        QVERIFY(!solarTermsOfYear(kSolarTermLastYear + 1));
        int rows = 0;
        for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
            const SolarTermYear* terms = solarTermsOfYear(year);
            QVERIFY(terms);
            int previous = -1;
            for (int t = 0; t < 24; ++t) {
                const SolarTermMoment& m = (*terms)[t];
                const QString where = QStringLiteral("%1 term %2").arg(year).arg(t + 1);
                QVERIFY2(QDate(year, m.month, m.day).isValid(), qPrintable(where));
                QVERIFY2(m.hour >= 0 && m.hour < 24 && m.minute >= 0 && m.minute < 60 &&
                             m.second >= 0 && m.second < 60,
                         qPrintable(where));
                // Two terms a month, the first from the 3rd to the 9th, the second from the
                // 18th to the 24th.
                QCOMPARE(m.month, t / 2 + 1);
                QVERIFY2(m.day >= 3 && m.day <= 24, qPrintable(where));
                const int s = secondsOfYear(year, m);
                QVERIFY2(s > previous, qPrintable(where));
                // 15 degrees take between 14 and 16 days.
                if (previous >= 0)
                    QVERIFY2(s - previous > 14 * 86400 && s - previous < 16 * 86400,
                             qPrintable(where));
                previous = s;
                ++rows;
            }
        }
        QCOMPARE(rows, 4800);
    }

    // Moments printed in almanacs of a cruder solar theory: same days, seconds close.
    void publishedMoments_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("tolerance");
        const char* const moments2024[24] = {
            "01-06 04:49:02", "01-20 22:07:01", "02-04 16:26:47", "02-19 12:12:50",
            "03-05 10:22:26", "03-20 11:06:04", "04-04 15:01:57", "04-19 21:59:25",
            "05-05 08:09:45", "05-20 20:59:10", "06-05 12:09:33", "06-21 04:50:39",
            "07-06 22:19:42", "07-22 15:44:05", "08-07 08:08:55", "08-22 22:54:42",
            "09-07 11:10:59", "09-22 20:43:18", "10-08 02:59:36", "10-23 06:14:23",
            "11-07 06:19:43", "11-22 03:56:08", "12-06 23:16:41", "12-21 17:20:13"};
        for (int t = 1; t <= 24; ++t)
            QTest::addRow("2024 %s", solarTermName(t))
                << 2024 << t << QString::fromLatin1(moments2024[t - 1]) << 30;
        QTest::newRow("first entry") << 1880 << 1 << u"01-06 05:41:45"_qs << 30;
        QTest::newRow("立春 1901") << 1901 << 3 << u"02-04 19:39:59"_qs << 30;
        QTest::newRow("立春 2025") << 2025 << 3 << u"02-03 22:10:06"_qs << 30;
        // Beyond the known leap seconds both tables extrapolate Delta T differently.
        QTest::newRow("last entry") << 2079 << 24 << u"12-22 01:43:12"_qs << 60;
    }
    void publishedMoments() {
        QFETCH(int, year);
        QFETCH(int, term);
        QFETCH(QString, moment);
        QFETCH(int, tolerance);
        const SolarTermYear* terms = solarTermsOfYear(year);
        QVERIFY(terms);
        const SolarTermMoment& m = (*terms)[term - 1];
        QCOMPARE(m.month, moment.mid(0, 2).toInt());
        QCOMPARE(m.day, moment.mid(3, 2).toInt());
        const SolarTermMoment published{moment.mid(0, 2).toInt(), moment.mid(3, 2).toInt(),
                                        moment.mid(6, 2).toInt(), moment.mid(9, 2).toInt(),
                                        moment.mid(12, 2).toInt()};
        const int difference = secondsOfYear(year, m) - secondsOfYear(year, published);
        QVERIFY2(std::abs(difference) <= tolerance, qPrintable(QString::number(difference)));
    }

    void accurateMoments() {
        // 2024 立春 by the full apparent-longitude computation, and the 2024 March equinox
        // (03:06 UTC).
        const SolarTermYear* terms = solarTermsOfYear(2024);
        QVERIFY(terms);
        const SolarTermMoment& lichun = (*terms)[2];
        QCOMPARE(
            std::make_tuple(lichun.month, lichun.day, lichun.hour, lichun.minute, lichun.second),
            std::make_tuple(2, 4, 16, 27, 8));
        const SolarTermMoment& equinox = (*terms)[5];
        QCOMPARE(std::make_tuple(equinox.month, equinox.day, equinox.hour, equinox.minute),
                 std::make_tuple(3, 20, 11, 6));
    }

    void termOfDay_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("term");
        QTest::newRow("夏至 2024") << 2024 << 6 << 21 << 12;
        QTest::newRow("day before 夏至") << 2024 << 6 << 20 << 0;
        QTest::newRow("小寒 2024") << 2024 << 1 << 6 << 1;
        QTest::newRow("冬至 2024") << 2024 << 12 << 21 << 24;
        QTest::newRow("last entry") << 2079 << 12 << 22 << 24;
        QTest::newRow("before the table") << 1879 << 12 << 22 << 0;
        QTest::newRow("after the table") << 2080 << 1 << 6 << 0;
    }
    void termOfDay() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, term);
        QCOMPARE(solarTermOfDay(year, month, day), term);
    }

    void names() {
        QCOMPARE(std::string(solarTermName(1)), std::string("小寒"));
        QCOMPARE(std::string(solarTermName(3)), std::string("立春"));
        QCOMPARE(std::string(solarTermName(24)), std::string("冬至"));
        QCOMPARE(std::string(solarTermName(0)), std::string());
        QCOMPARE(std::string(solarTermName(25)), std::string());
    }

    // A damaged table is refused as a whole, whatever the damage, and is never read past
    // the 200 years it may hold.
    void parseTable_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("years");
        QFile file(QStringLiteral(":/calendar/solar_terms.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray table = file.readAll();
        QVERIFY(table.endsWith('\n'));
        const QByteArray withoutLastRow = table.left(table.lastIndexOf('\n', table.size() - 2) + 1);
        const QByteArray header = table.left(table.indexOf('\n') + 1);
        QTest::newRow("built-in table") << table << 200;
        QTest::newRow("row for 2080 appended") << table + "2080\t1\t1\t6\t5\t0\t0\n" << 0;
        QTest::newRow("row for 2080 term 2 appended") << table + "2080\t2\t1\t20\t5\t0\t0\n" << 0;
        QTest::newRow("empty line appended") << table + "\n" << 0;
        QTest::newRow("last row missing") << withoutLastRow << 0;
        QTest::newRow("header only") << header << 0;
        QTest::newRow("empty text") << QByteArray() << 0;
        QTest::newRow("extra field in the last row")
            << withoutLastRow + "2079\t24\t12\t22\t1\t43\t12\t0\n"
            << 0;
        QTest::newRow("last row with a sign and CR LF")
            << withoutLastRow + "2079\t24\t+12\t22\t1\t43\t12\r\n"
            << 200;
        QTest::newRow("letters in the last row") << withoutLastRow + "2079\t24\t12\t2x\t1\t43\t12\n"
                                                 << 0;
        QTest::newRow("number too large for an int")
            << withoutLastRow + "2079\t24\t12\t22\t1\t43\t99999999999\n"
            << 0;
        QTest::newRow("field missing") << withoutLastRow + "2079\t24\t12\t22\t1\t43\n" << 0;
        QTest::newRow("no line feed after the last row")
            << withoutLastRow + "2079\t24\t12\t22\t1\t43\t12" << 200;
    }
    void parseTable() {
        QFETCH(QByteArray, text);
        QFETCH(int, years);
        QCOMPARE(static_cast<int>(parseSolarTermTable(text.toStdString()).size()), years);
    }

    void builtInTableIsTheCheckedInFile() {
        QFile builtIn(QStringLiteral(":/calendar/solar_terms.tsv"));
        QFile checkedIn(QStringLiteral(HANDBOOK_SOURCE_DIR "/calendar/tables/solar_terms.tsv"));
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        QVERIFY(checkedIn.open(QIODevice::ReadOnly));
        QCOMPARE(builtIn.readAll(), checkedIn.readAll());
    }

    void regeneratedTableIsTheCheckedInFile() {
#ifndef SOLAR_TERMS_GENERATOR
        QSKIP("the generator is not built (ERFA missing)");
#else
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString output = dir.filePath(QStringLiteral("solar_terms.tsv"));
        QProcess generator;
        generator.start(QStringLiteral(SOLAR_TERMS_GENERATOR), {output});
        QVERIFY2(generator.waitForFinished(50000), "generator did not finish");
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(generator.exitCode(), 0);
        QFile regenerated(output);
        QFile checkedIn(QStringLiteral(HANDBOOK_SOURCE_DIR "/calendar/tables/solar_terms.tsv"));
        QVERIFY(regenerated.open(QIODevice::ReadOnly));
        QVERIFY(checkedIn.open(QIODevice::ReadOnly));
        const QByteArray fresh = regenerated.readAll();
        const QByteArray stored = checkedIn.readAll();
        if (fresh != stored) {
            const QList<QByteArray> a = fresh.split('\n'), b = stored.split('\n');
            for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
                if (a[i] != b[i])
                    QFAIL(qPrintable(QStringLiteral("line %1: regenerated '%2', checked in '%3'")
                                         .arg(i + 1)
                                         .arg(QString::fromUtf8(a[i]), QString::fromUtf8(b[i]))));
            QFAIL("the tables differ in length");
        }
#endif
    }
};

QTEST_GUILESS_MAIN(SolarTermsTest)
#include "tst_solar_terms.moc"
