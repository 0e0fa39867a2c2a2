// The bar, plate, wire, rail, bolt, sheet and panel tables as the program loads them:
// every table loads, the database holds every record of the checked-in file, and each
// subtype's shown columns come back filled through the shown-column select.
#include "catalogue/catalogue_database.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

#include <string>

namespace {

const char* const kTables[] = {"热轧_圆钢", "热轧_多边形钢", "热轧_钢板",     "热轧_钢轨",
                               "热轧_钢丝", "热轧_螺栓",     "热轧_压型钢板", "热轧_夹芯板"};

CatalogueDatabase& database() {
    return CatalogueDatabase::instance();
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The checked-in file's records (header excluded), split at CR LF.
QStringList fileRecords(const QString& table) {
    QFile file(QStringLiteral(HANDBOOK_SOURCE_DIR "/catalogue/tables/") + table +
               QStringLiteral(".csv"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList records = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!records.isEmpty()) records.removeLast();  // after the last CR LF
    if (!records.isEmpty()) records.removeFirst(); // header
    return records;
}

} // namespace

class TestBarTables : public QObject {
    Q_OBJECT

  private slots:
    void tablesLoad() {
        for (const std::string& error : database().loadErrors()) {
            for (const char* table : kTables)
                QVERIFY2(error.find(table) == std::string::npos, error.c_str());
        }
    }

    void everyRecordIsInTheDatabase_data() {
        QTest::addColumn<QString>("table");
        for (const char* table : kTables)
            QTest::newRow(table) << QString::fromUtf8(table);
    }
    void everyRecordIsInTheDatabase() {
        QFETCH(QString, table);
        const QStringList records = fileRecords(table);
        QVERIFY2(!records.isEmpty() || table == QStringLiteral("热轧_夹芯板"),
                 qPrintable(table + QStringLiteral(": file not found or empty")));
        const TextGrid ids = database().query("select ID from " + table.toStdString());
        QVERIFY2(ids.columnCount == 1 || records.isEmpty(), qPrintable(table));
        QVERIFY2(ids.rowCount >= 1, qPrintable(table + QStringLiteral(": query failed")));
        QCOMPARE(ids.rowCount - 1, records.size());
        for (int r = 1; r < ids.rowCount; ++r) {
            const QString expected = records.at(r - 1).section(QLatin1Char(','), 0, 0);
            QVERIFY2(QStringLiteral("\"") + q(ids.cell(r, 0)) + QStringLiteral("\"") == expected,
                     qPrintable(table + QStringLiteral(" row ") + QString::number(r) +
                                QStringLiteral(": database ") + q(ids.cell(r, 0)) +
                                QStringLiteral(", file ") + expected));
        }
    }

    // For every subtype of the eight tables: the columns it shows are filled in every row
    // (subtype 60 shows 边长 but fills 直径).
    void shownColumnsAreFilled_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("subtype");
        QTest::addColumn<QString>("columns");
        struct Shown {
            const char* table;
            const char* subtypes;
            const char* columns;
        };
        const Shown shown[] = {
            {"热轧_圆钢", "21,22,23,24,49", "直径,重量,表面积,截面积"},
            {"热轧_多边形钢", "62,63,64", "边长,重量,表面积,截面积"},
            {"热轧_多边形钢", "65,66,67", "对边距离,重量,表面积,截面积"},
            {"热轧_多边形钢", "68,69,70,71", "宽度,厚度,重量"},
            {"热轧_钢板", "42,43,44,45,46", "厚度,钢板重量"},
            {"热轧_钢板", "47,48", "规格,钢板重量"},
            {"热轧_钢轨", "54,55", "规格,重量"},
            {"热轧_钢丝", "56,57,58,59", "直径,重量,截面积"},
            {"热轧_钢丝", "60", "边长,重量,截面积"},
            {"热轧_钢丝", "61", "直径,轧痕深度,重量"},
            {"热轧_螺栓", "77,78", "规格,公称长度,螺栓重量"},
            {"热轧_压型钢板", "51", "板型,有效宽度,展开宽度,板厚,压型钢板板重"},
            {"热轧_夹芯板", "50", "板型,板厚,板重,材质"},
        };
        for (const Shown& s : shown) {
            for (const QString& subtype : QString::fromUtf8(s.subtypes).split(QLatin1Char(','))) {
                QTest::newRow(qPrintable(QString::fromUtf8(s.table) + QLatin1Char(' ') + subtype))
                    << QString::fromUtf8(s.table) << subtype << QString::fromUtf8(s.columns);
            }
        }
    }
    void shownColumnsAreFilled() {
        QFETCH(QString, table);
        QFETCH(QString, subtype);
        QFETCH(QString, columns);
        const TextGrid rows = database().query("select " + columns.toStdString() + " from " +
                                                   table.toStdString() + " where SUBTYPEID = ?1",
                                               nullptr, nullptr, {subtype.toStdString()});
        QVERIFY2(rows.rowCount >= 1, qPrintable(table + QStringLiteral(": query failed")));
        for (int r = 1; r < rows.rowCount; ++r) {
            for (int c = 0; c < rows.columnCount; ++c) {
                const bool emptyByDesign =
                    subtype == QStringLiteral("60") && rows.cell(0, c) == "边长";
                QVERIFY2(rows.cell(r, c).empty() == emptyByDesign,
                         qPrintable(table + QStringLiteral(" subtype ") + subtype +
                                    QStringLiteral(" row ") + QString::number(r) +
                                    QStringLiteral(" column ") + q(rows.cell(0, c)) +
                                    QStringLiteral(": '") + q(rows.cell(r, c)) +
                                    QStringLiteral("'")));
            }
        }
        if (subtype == QStringLiteral("60")) {
            const TextGrid diameters = database().query(
                "select 直径 from 热轧_钢丝 where SUBTYPEID = '60' and 直径 <> ''");
            QCOMPARE(diameters.rowCount, rows.rowCount);
        }
    }

    void tellingRecords() {
        const TextGrid plate =
            database().query("select ID, SUBTYPEID, 厚度, 钢板重量, 规格 from 热轧_钢板 "
                             "where ID in ('1', '184', '254') order by ID + 0");
        QCOMPARE(plate.rowCount, 4);
        QCOMPARE(q(plate.cell(1, 2)), QStringLiteral("0.20 "));
        QCOMPARE(q(plate.cell(1, 3)), QStringLiteral("1.570 "));
        QCOMPARE(q(plate.cell(2, 4)), QStringLiteral("0.3×0.3×100/500"));
        QCOMPARE(q(plate.cell(3, 1)), QString());
        const TextGrid bolt = database().query("select 规格, 公称长度, 螺栓重量 from 热轧_螺栓 "
                                               "where ID = '1'");
        QCOMPARE(bolt.rowCount, 2);
        QCOMPARE(q(bolt.cell(1, 0)) + q(bolt.cell(1, 1)) + q(bolt.cell(1, 2)),
                 QStringLiteral("M1645221.3"));
    }
};

QTEST_APPLESS_MAIN(TestBarTables)
#include "tst_bar_tables.moc"
