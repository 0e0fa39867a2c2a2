// The eleven named questions: their statement texts, answers and fallbacks.
#include "catalogue/catalogue_queries.h"
#include "catalogue_test_support.h"

#include <QTest>

namespace {

using SqlBuilder = std::string (*)(const std::string&);

struct Operation {
    const char* name;
    SqlBuilder sql;
    bool grid; // grid operation (else single value)
};

const Operation operations[] = {
    {"familiesOfKind", &CatalogueQueries::familiesOfKindSql, true},
    {"familyName", &CatalogueQueries::familyNameSql, false},
    {"familyImage", &CatalogueQueries::familyImageSql, false},
    {"subtypesOfFamily", &CatalogueQueries::subtypesOfFamilySql, true},
    {"subtypeName", &CatalogueQueries::subtypeNameSql, false},
    {"subtypeRemark", &CatalogueQueries::subtypeRemarkSql, false},
    {"specTableOfSubtype", &CatalogueQueries::specTableOfSubtypeSql, false},
    {"shownColumnsOfSubtype", &CatalogueQueries::shownColumnsOfSubtypeSql, false},
    {"headerNameOfColumn", &CatalogueQueries::headerNameOfColumnSql, false},
    {"weldMarksOfFamily", &CatalogueQueries::weldMarksOfFamilySql, true},
    {"weldFormulasOfFamily", &CatalogueQueries::weldFormulasOfFamilySql, true},
};

// Runs operation i of the table above through CatalogueQueries.
TextGrid runGrid(const CatalogueQueries& queries, int i, const std::string& key) {
    switch (i) {
    case 0:
        return queries.familiesOfKind(key);
    case 3:
        return queries.subtypesOfFamily(key);
    case 9:
        return queries.weldMarksOfFamily(key);
    default:
        return queries.weldFormulasOfFamily(key);
    }
}

std::string runText(const CatalogueQueries& queries, int i, const std::string& key) {
    switch (i) {
    case 1:
        return queries.familyName(key);
    case 2:
        return queries.familyImage(key);
    case 4:
        return queries.subtypeName(key);
    case 5:
        return queries.subtypeRemark(key);
    case 6:
        return queries.specTableOfSubtype(key);
    case 7:
        return queries.shownColumnsOfSubtype(key);
    default:
        return queries.headerNameOfColumn(key);
    }
}

CatalogueQueries builtInQueries() {
    return CatalogueQueries(builtInDatabase());
}

} // namespace

class TstCatalogueQueries : public QObject {
    Q_OBJECT

  private slots:
    void statementTexts_data();
    void statementTexts();
    void familyOrder_data();
    void familyOrder();
    void singleValues_data();
    void singleValues();
    void subtypesOfFamily();
    void weldMarksAndFormulas();
    void keysThatAreNotIdsAreRefused_data();
    void keysThatAreNotIdsAreRefused();
    void fallbacksWhenTablesAreMissing_data();
    void fallbacksWhenTablesAreMissing();
};

void TstCatalogueQueries::statementTexts_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("sql");

    const char* const rows[][2] = {
        {"1", "select * from SECTIONTABLE where type=1 order by \"ORDER\""},
        {"13", "select name from SECTIONTABLE where id=13"},
        {"13", "select IMAGE from SECTIONTABLE where id=13"},
        {"13", "select * from subtypes where sectionid=13 order by \"ORDER\""},
        {"1", "select NAME from subtypes where id=1"},
        {"1", "select REMARK from subtypes where id=1"},
        {"1", "select normtable from SECTIONTABLE where id=(select sectionid from subtypes where "
              "id=1)"},
        {"1", "select showcols from SUBTYPES where id=1"},
        {"重量", "select headername from headernames where `index`='重量'"},
        {"1", "select * from WELDMARKINFO where sectionid=1"},
        {"1", "select * from weldcalcinfo where sectionid=1"},
    };
    for (int i = 0; i < int(std::size(operations)); ++i)
        QTest::newRow(operations[i].name) << i << q(rows[i][0]) << q(rows[i][1]);
}

void TstCatalogueQueries::statementTexts() {
    QFETCH(int, operation);
    QFETCH(QString, key);
    QFETCH(QString, sql);
    QCOMPARE(q(operations[operation].sql(u8(key))), sql);
    // The statement runs and answers something.
    bool ok = false;
    TextGrid grid = builtInDatabase().query(u8(sql), &ok);
    QVERIFY(ok);
    QVERIFY(grid.rowCount >= 2);
}

void TstCatalogueQueries::familyOrder_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("weld sections")
        << "0"
        << QStringList({"1", "2", "5", "11", "9", "8", "4", "3", "24", "10", "12", "7", "6"});
    QTest::newRow("bar sections") << "1" << QStringList({"19", "17", "14", "23", "16", "27", "33",
                                                         "26", "30", "29", "31", "32", "22", "13",
                                                         "20", "28", "18", "25", "21", "15"});
    QTest::newRow("unknown kind") << "2" << QStringList();
}

void TstCatalogueQueries::familyOrder() {
    QFETCH(QString, kind);
    QFETCH(QStringList, ids);
    TextGrid grid = builtInQueries().familiesOfKind(u8(kind));
    QCOMPARE(gridColumn(grid, 0), ids);
    if (ids.isEmpty()) {
        QCOMPARE(grid.rowCount, 1);
        QCOMPARE(grid.columnCount, 0);
    } else {
        QCOMPARE(gridRow(grid, 0), QStringList({"ID", "TYPE", "NAME", "ICON", "ICONCOUNT", "IMAGE",
                                                "NORMTABLE", "ORDER"}));
        for (int r = 1; r < grid.rowCount; ++r)
            QCOMPARE(q(grid.cell(r, 1)), kind);
    }
}

void TstCatalogueQueries::singleValues_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");

    QTest::newRow("familyName 13") << 1 << "13"
                                   << "工字钢";
    QTest::newRow("familyName 9") << 1 << "9"
                                  << "楔形";
    QTest::newRow("familyName 99") << 1 << "99"
                                   << "";
    QTest::newRow("familyImage 25") << 2 << "25"
                                    << "/Image/SectionBarImage/普通钢板.png";
    QTest::newRow("familyImage 1") << 2 << "1"
                                   << "/Image/SectionWeldImage/H型钢-01.png";
    QTest::newRow("familyImage 0") << 2 << "0"
                                   << "";
    QTest::newRow("subtypeName 1") << 4 << "1"
                                   << "热轧工字钢";
    QTest::newRow("subtypeName 73") << 4 << "73"
                                    << "";
    QTest::newRow("subtypeName 82") << 4 << "82"
                                    << "";
    QTest::newRow("subtypeRemark 30")
        << 5 << "30"
        << "注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢\n》";
    QTest::newRow("subtypeRemark 2") << 5 << "2"
                                     << "";
    QTest::newRow("subtypeRemark 1") << 5 << "1"
                                     << "注：本数据来自《GB/T 706-2016  热轧型钢》";
    QTest::newRow("specTableOfSubtype 79") << 6 << "79"
                                           << "热轧H";
    QTest::newRow("specTableOfSubtype 1") << 6 << "1"
                                          << "热轧_工字钢";
    QTest::newRow("specTableOfSubtype 73") << 6 << "73"
                                           << "";
    QTest::newRow("specTableOfSubtype 999") << 6 << "999"
                                            << "";
    QTest::newRow("shownColumnsOfSubtype 73") << 7 << "73"
                                              << "";
    QTest::newRow("shownColumnsOfSubtype 60") << 7 << "60"
                                              << "边长,重量,截面积";
    QTest::newRow("headerNameOfColumn 重量") << 8 << "重量"
                                             << "重量(kg/m)";
    QTest::newRow("headerNameOfColumn 螺栓重量") << 8 << "螺栓重量"
                                                 << "重量(kg/千套)";
    QTest::newRow("headerNameOfColumn 规格") << 8 << "规格"
                                             << "规格";
    QTest::newRow("headerNameOfColumn 详情") << 8 << "详情"
                                             << "详情";
    QTest::newRow("headerNameOfColumn empty") << 8 << ""
                                              << "";
    QTest::newRow("headerNameOfColumn apostrophe") << 8 << "重量' or '1'='1"
                                                   << "重量' or '1'='1";
    QTest::newRow("headerNameOfColumn wildcard") << 8 << "%"
                                                 << "%";
}

void TstCatalogueQueries::singleValues() {
    QFETCH(int, operation);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QCOMPARE(q(runText(builtInQueries(), operation, u8(key))), answer);
}

void TstCatalogueQueries::subtypesOfFamily() {
    const CatalogueQueries queries = builtInQueries();
    TextGrid grid = queries.subtypesOfFamily("13");
    QCOMPARE(grid.rowCount, 4);
    QCOMPARE(grid.columnCount, 6);
    QCOMPARE(gridRow(grid, 0),
             QStringList({"ID", "NAME", "SECTIONID", "REMARK", "ORDER", "SHOWCOLS"}));
    QCOMPARE(gridColumn(grid, 0), QStringList({"1", "2", "3"}));

    QCOMPARE(gridColumn(queries.subtypesOfFamily("19"), 0),
             QStringList({"79", "29", "30", "31", "32"}));
    QCOMPARE(gridColumn(queries.subtypesOfFamily("32"), 0), QStringList({"72", "74", "75", "76"}));

    TextGrid weld = queries.subtypesOfFamily("1");
    QCOMPARE(weld.rowCount, 1);
    QCOMPARE(weld.columnCount, 0);
}

void TstCatalogueQueries::weldMarksAndFormulas() {
    const CatalogueQueries queries = builtInQueries();
    TextGrid marks = queries.weldMarksOfFamily("12");
    QCOMPARE(marks.rowCount, 2);
    QCOMPARE(marks.columnCount, 5);
    QCOMPARE(gridRow(marks, 0), QStringList({"ID", "SECTIONID", "TEXT", "POS", "CENTER"}));
    QCOMPARE(gridRow(marks, 1), QStringList({"34", "12", "D", "15,130", "N"}));

    // Rows in stored order.
    QCOMPARE(gridColumn(queries.weldMarksOfFamily("5"), 2),
             QStringList({"h1", "h2", "b1", "b2", "tw1", "tw2", "t1", "t2", "t3", "t4"}));

    TextGrid formulas = queries.weldFormulasOfFamily("9");
    QCOMPARE(formulas.rowCount, 2);
    QCOMPARE(formulas.columnCount, 5);
    QCOMPARE(gridRow(formulas, 0),
             QStringList({"ID", "SECTIONID", "AREA", "WEIGHTPERM", "AREAPERM"}));
    QCOMPARE(q(formulas.cell(1, 0)), QStringLiteral("9"));
    QCOMPARE(q(formulas.cell(1, 2)), QString());
    QVERIFY(q(formulas.cell(1, 4)).endsWith('\n'));

    TextGrid z = queries.weldFormulasOfFamily("24");
    TextGrid c = queries.weldFormulasOfFamily("8");
    QCOMPARE(q(z.cell(1, 0)), QStringLiteral("14"));
    QCOMPARE(gridRow(z, 1).mid(2), gridRow(c, 1).mid(2));

    TextGrid bar = queries.weldMarksOfFamily("13");
    QCOMPARE(bar.rowCount, 1);
    QCOMPARE(bar.columnCount, 0);
}

void TstCatalogueQueries::keysThatAreNotIdsAreRefused_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("key");

    const char* const keys[] = {
        "1 or 1=1", "1;drop table SUBTYPES", "1) or (1=1", " 1", "1 ", "-1", "1e1", "0x1", "１", "",
        "id"};
    for (int i = 0; i < int(std::size(operations)); ++i) {
        if (i == 8) continue; // a column name, not an id
        for (const char* key : keys)
            QTest::newRow(qPrintable(QStringLiteral("%1 \"%2\"").arg(operations[i].name, key)))
                << i << q(key);
    }
}

void TstCatalogueQueries::keysThatAreNotIdsAreRefused() {
    QFETCH(int, operation);
    QFETCH(QString, key);
    const CatalogueQueries queries = builtInQueries();
    if (operations[operation].grid) {
        TextGrid grid = runGrid(queries, operation, u8(key));
        QCOMPARE(grid.columnCount, 0);
        QVERIFY(grid.rowCount <= 1);
    } else {
        QCOMPARE(q(runText(queries, operation, u8(key))), QString());
    }
    // Nothing was changed on the way.
    QCOMPARE(queries.subtypesOfFamily("13").rowCount, 4);
}

void TstCatalogueQueries::fallbacksWhenTablesAreMissing_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    QTest::newRow("familyName") << 1 << "13"
                                << "";
    QTest::newRow("familyImage") << 2 << "13"
                                 << "";
    QTest::newRow("subtypeName") << 4 << "1"
                                 << "";
    QTest::newRow("subtypeRemark") << 5 << "1"
                                   << "";
    QTest::newRow("specTableOfSubtype") << 6 << "1"
                                        << "";
    QTest::newRow("shownColumnsOfSubtype") << 7 << "1"
                                           << "";
    QTest::newRow("headerNameOfColumn") << 8 << "重量"
                                        << "重量";
    QTest::newRow("familiesOfKind") << 0 << "1"
                                    << "";
    QTest::newRow("subtypesOfFamily") << 3 << "13"
                                      << "";
    QTest::newRow("weldMarksOfFamily") << 9 << "1"
                                       << "";
    QTest::newRow("weldFormulasOfFamily") << 10 << "1"
                                          << "";
}

void TstCatalogueQueries::fallbacksWhenTablesAreMissing() {
    QFETCH(int, operation);
    QFETCH(QString, key);
    QFETCH(QString, fallback);
    CatalogueDatabase empty;
    empty.build(std::vector<CatalogueTable>{});
    const CatalogueQueries queries(empty);
    if (operations[operation].grid) {
        TextGrid grid = runGrid(queries, operation, u8(key));
        QCOMPARE(grid.rowCount, 0);
        QCOMPARE(grid.columnCount, 0);
    } else {
        QCOMPARE(q(runText(queries, operation, u8(key))), fallback);
    }
}

QTEST_APPLESS_MAIN(TstCatalogueQueries)
#include "tst_catalogue_queries.moc"
