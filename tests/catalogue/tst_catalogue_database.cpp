// Grid shapes, value fidelity, read-only protection and the round trip of every built-in table.
#include "catalogue_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small catalogue whose values show the cases that matter.
std::vector<CatalogueTable> fixture() {
    return {
        {"T", "\"ID\",\"NAME\",\"ORDER\",\"NOTE\"\r\n"
              "\"1\",\"a\",\"2\",\"\nfirst\"\r\n"
              "\"2\",\"b\",\"10\",\"last\n\"\r\n"
              "\"3\",,\"1\",\"  both  \"\r\n"
              "\"4\",\"d\",\"0\",\"1,2,3\"\r\n"},
        {"EMPTYTABLE", "\"ID\",\"V\"\r\n"},
    };
}

int sectionTableRows(CatalogueDatabase& db) {
    TextGrid grid = db.query("select count(*) from SECTIONTABLE");
    return grid.rowCount == 2 ? QString::fromStdString(grid.cell(1, 0)).toInt() : -1;
}

} // namespace

class TstCatalogueDatabase : public QObject {
    Q_OBJECT

  private slots:
    void builtInCatalogueLoadsWithoutErrors();
    void gridShapes_data();
    void gridShapes();
    void valuesComeBackWhole_data();
    void valuesComeBackWhole();
    void orderSortsAsText();
    void columnsByName();
    void sectionTableOfBarFamilies();
    void builtInValuesSurvive_data();
    void builtInValuesSurvive();
    void writesAreRefused_data();
    void writesAreRefused();
    void executeIsRefusedAfterBuild();
    void parametersBindAsText();
    void queriesWithoutConnectionFail();
    void everyTableReadsBackAsParsed_data();
    void everyTableReadsBackAsParsed();
};

void TstCatalogueDatabase::builtInCatalogueLoadsWithoutErrors() {
    CatalogueDatabase& db = builtInDatabase();
    QStringList errors;
    for (const std::string& e : db.loadErrors())
        errors << q(e);
    QCOMPARE(errors, QStringList());
}

void TstCatalogueDatabase::gridShapes_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");

    QTest::newRow("rows") << "select ID, NAME from T" << true << 5 << 2;
    QTest::newRow("one row") << "select * from T where ID=3" << true << 2 << 4;
    QTest::newRow("no matching row") << "select * from T where ID=99" << true << 1 << 0;
    QTest::newRow("table without records") << "select * from EMPTYTABLE" << true << 1 << 0;
    QTest::newRow("aggregate") << "select count(*) from EMPTYTABLE" << true << 2 << 1;
    QTest::newRow("missing table") << "select * from NOSUCHTABLE" << false << 0 << 0;
    QTest::newRow("missing column") << "select NOSUCHCOLUMN from T" << false << 0 << 0;
    QTest::newRow("syntax error") << "selec * from T" << false << 0 << 0;
    QTest::newRow("two statements") << "select * from T; select * from T" << false << 0 << 0;
    QTest::newRow("trailing semicolon") << "select ID from T where ID=1;" << true << 2 << 1;
}

void TstCatalogueDatabase::gridShapes() {
    QFETCH(QString, sql);
    QFETCH(bool, ok);
    QFETCH(int, rows);
    QFETCH(int, columns);

    CatalogueDatabase db;
    db.build(fixture());
    QVERIFY(db.loadErrors().empty());
    bool succeeded = !ok;
    std::string error;
    TextGrid grid = db.query(u8(sql), &succeeded, &error);
    QCOMPARE(succeeded, ok);
    QCOMPARE(grid.rowCount, rows);
    QCOMPARE(grid.columnCount, columns);
    QCOMPARE(grid.cells.size(), size_t(rows) * size_t(columns));
    QCOMPARE(error.empty(), ok);
}

void TstCatalogueDatabase::valuesComeBackWhole_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");

    QTest::newRow("leading LF") << "1"
                                << "NOTE"
                                << "\nfirst";
    QTest::newRow("trailing LF") << "2"
                                 << "NOTE"
                                 << "last\n";
    QTest::newRow("blanks on both sides") << "3"
                                          << "NOTE"
                                          << "  both  ";
    QTest::newRow("empty field") << "3"
                                 << "NAME"
                                 << "";
    QTest::newRow("commas") << "4"
                            << "NOTE"
                            << "1,2,3";
}

void TstCatalogueDatabase::valuesComeBackWhole() {
    QFETCH(QString, id);
    QFETCH(QString, column);
    QFETCH(QString, value);

    CatalogueDatabase db;
    db.build(fixture());
    TextGrid grid = db.query(u8("select " + column + " from T where ID=" + id));
    QCOMPARE(grid.rowCount, 2);
    QCOMPARE(q(grid.cell(1, 0)), value);
    // An empty field is stored as an empty text, not as NULL.
    TextGrid type = db.query(u8("select typeof(" + column + ") from T where ID=" + id));
    QCOMPARE(q(type.cell(1, 0)), QStringLiteral("text"));
    // NULL comes back as the empty text as well.
    TextGrid null = db.query("select NULL, ID from T where ID=1");
    QCOMPARE(null.columnCount, 2);
    QCOMPARE(q(null.cell(1, 0)), QString());
}

// A column is found by its name in the header row; a name the grid lacks reads as empty.
void TstCatalogueDatabase::columnsByName() {
    CatalogueDatabase db;
    db.build(fixture());
    const TextGrid grid = db.query("select * from T where ID=4");
    QCOMPARE(grid.column("ID"), 0);
    QCOMPARE(grid.column("NOTE"), 3);
    QCOMPARE(grid.column("NOSUCHCOLUMN"), -1);
    QCOMPARE(grid.cell(1, std::string("NAME")), std::string("d"));
    QCOMPARE(grid.cell(1, std::string("NOTE")), std::string("1,2,3"));
    QCOMPARE(grid.cell(1, std::string("NOSUCHCOLUMN")), std::string());
    // Data rows count from 0 past the header.
    QCOMPARE(grid.dataRowCount(), 1);
    QCOMPARE(grid.dataCell(0, 1), std::string("d"));
    QCOMPARE(db.query("select * from EMPTYTABLE").dataRowCount(), 0);
    // A failed statement has no header: no column is found.
    const TextGrid failed = db.query("select * from NOSUCHTABLE");
    QCOMPARE(failed.column("ID"), -1);
}

void TstCatalogueDatabase::orderSortsAsText() {
    CatalogueDatabase db;
    db.build(fixture());
    TextGrid grid = db.query("select ID from T order by \"ORDER\"");
    QCOMPARE(gridColumn(grid, 0), QStringList({"4", "3", "2", "1"})); // "0" < "1" < "10" < "2"

    CatalogueDatabase& built = builtInDatabase();
    TextGrid weld =
        built.query("select \"ORDER\" from SECTIONTABLE where type=0 order by \"ORDER\"");
    QCOMPARE(gridColumn(weld, 0),
             QStringList({"0", "1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

void TstCatalogueDatabase::sectionTableOfBarFamilies() {
    TextGrid grid =
        builtInDatabase().query("select * from SECTIONTABLE where type=1 order by \"ORDER\"");
    QCOMPARE(grid.rowCount, 21);
    QCOMPARE(grid.columnCount, 8);
    QCOMPARE(gridRow(grid, 0), QStringList({"ID", "TYPE", "NAME", "ICON", "ICONCOUNT", "IMAGE",
                                            "NORMTABLE", "ORDER"}));
    QCOMPARE(gridRow(grid, 1), QStringList({"19", "1", "H型钢", "/Image/SectionBar/H型钢.png", "3",
                                            "/Image/SectionBarImage/H型钢.png", "热轧H", "0"}));
    // type=0 matches the stored text "0" only.
    QCOMPARE(builtInDatabase().query("select * from SECTIONTABLE where type=0").rowCount, 14);
}

void TstCatalogueDatabase::builtInValuesSurvive_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("value");

    QTest::newRow("WELDCALCINFO 1 AREAPERM begins with LF")
        << "select AREAPERM from WELDCALCINFO where ID=1"
        << "\nb*l*2/1000000+(b-tw)*l*2/1000000+[(h-t1-t2)*l*2]/1000000+t1*l*2/1000000+t2*l*2/"
           "1000000";
    QTest::newRow("WELDCALCINFO 9 AREAPERM ends with LF")
        << "select substr(AREAPERM, -15) from WELDCALCINFO where ID=9"
        << "t2*l*2/1000000\n";
    QTest::newRow("WELDCALCINFO 9 AREA empty") << "select AREA from WELDCALCINFO where ID=9"
                                               << "";
    QTest::newRow("WELDCALCINFO 12 leading blank")
        << "select WEIGHTPERM from WELDCALCINFO where ID=12"
        << " pi*D*D*D*p*4/3/8/1000000";
    QTest::newRow("SUBTYPES 30 REMARK has LF before the closing mark")
        << "select REMARK from SUBTYPES where ID=30"
        << "注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢\n》";
    QTest::newRow("热轧H row 1 keeps two blanks") << "select 规格 from 热轧H where ID=1"
                                                  << "HW100×100  ";
    QTest::newRow("热轧_不等边 row 1 trailing blank") << "select 表面积 from 热轧_不等边 where ID=1"
                                                      << "0.080 ";
    QTest::newRow("热轧_不等边 row 1 empty field")
        << "select \"长边厚D(mm)\" from 热轧_不等边 where ID=1"
        << "";
}

void TstCatalogueDatabase::builtInValuesSurvive() {
    QFETCH(QString, sql);
    QFETCH(QString, value);

    bool ok = false;
    TextGrid grid = builtInDatabase().query(u8(sql), &ok);
    QVERIFY(ok);
    QCOMPARE(grid.rowCount, 2);
    QCOMPARE(q(grid.cell(1, 0)), value);
}

void TstCatalogueDatabase::writesAreRefused_data() {
    QTest::addColumn<QString>("sql");

    QTest::newRow("insert") << "insert into SECTIONTABLE (ID) values ('99')";
    QTest::newRow("insert select") << "insert into SECTIONTABLE select * from SECTIONTABLE";
    QTest::newRow("replace") << "replace into SECTIONTABLE (ID) values ('1')";
    QTest::newRow("update") << "update SECTIONTABLE set NAME='x'";
    QTest::newRow("delete") << "delete from SECTIONTABLE";
    QTest::newRow("delete in a with clause") << "with k as (select 1) delete from SECTIONTABLE";
    QTest::newRow("drop table") << "drop table SECTIONTABLE";
    QTest::newRow("alter table") << "alter table SECTIONTABLE rename to GONE";
    QTest::newRow("create table") << "create table EXTRA (A TEXT)";
    QTest::newRow("create temp table") << "create temp table EXTRA (A TEXT)";
    QTest::newRow("create temp view") << "create temp view V as select * from SECTIONTABLE";
    QTest::newRow("create index") << "create index I on SECTIONTABLE (ID)";
    QTest::newRow("pragma query_only") << "pragma query_only=0";
    QTest::newRow("pragma writable_schema") << "pragma writable_schema=1";
    QTest::newRow("pragma read") << "pragma table_info(SECTIONTABLE)";
    QTest::newRow("attach") << "attach database ':memory:' as other";
    QTest::newRow("begin") << "begin";
    QTest::newRow("savepoint") << "savepoint s";
    QTest::newRow("vacuum") << "vacuum";
    QTest::newRow("vacuum into a file") << "vacuum into '%1'";
    QTest::newRow("load extension") << "select load_extension('libnothing')";
    QTest::newRow("write after a select") << "select * from SECTIONTABLE; delete from SECTIONTABLE";
    QTest::newRow("write after a select without blank") << "select 1;drop table SECTIONTABLE";
}

void TstCatalogueDatabase::writesAreRefused() {
    QFETCH(QString, sql);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("copy.db"));
    if (sql.contains(QStringLiteral("%1"))) sql = sql.arg(file);

    CatalogueDatabase db;
    db.build();
    const int before = sectionTableRows(db);
    QCOMPARE(before, 33);

    bool ok = true;
    std::string error;
    TextGrid grid = db.query(u8(sql), &ok, &error);
    QVERIFY(!ok);
    QVERIFY(!error.empty());
    QCOMPARE(grid.rowCount, 0);
    QCOMPARE(grid.columnCount, 0);
    QVERIFY(!db.execute(u8(sql)));

    QCOMPARE(sectionTableRows(db), before);
    TextGrid name = db.query("select NAME from SECTIONTABLE where ID=13");
    QCOMPARE(gridColumn(name, 0), QStringList{QStringLiteral("工字钢")});
    QCOMPARE(db.query("select * from EXTRA").rowCount, 0);
    QCOMPARE(db.query("select * from other.SECTIONTABLE").rowCount, 0);
    QVERIFY(!QFile::exists(file));
}

void TstCatalogueDatabase::executeIsRefusedAfterBuild() {
    CatalogueDatabase db;
    db.build(fixture());
    std::string error;
    QVERIFY(!db.execute("delete from T", &error));
    QVERIFY(!error.empty());
    QVERIFY(!db.execute("select 1"));
    QCOMPARE(db.query("select * from T").rowCount, 5);
}

void TstCatalogueDatabase::parametersBindAsText() {
    CatalogueDatabase& db = builtInDatabase();
    bool ok = false;
    TextGrid grid = db.query("select NAME from SECTIONTABLE where ID=?1", &ok, nullptr, {"13"});
    QVERIFY(ok);
    QCOMPARE(gridColumn(grid, 0), QStringList{QStringLiteral("工字钢")});

    grid = db.query("select NAME from SECTIONTABLE where ID=?1", &ok, nullptr, {"13 or 1=1"});
    QVERIFY(ok);
    QCOMPARE(grid.rowCount, 1);
    QCOMPARE(grid.columnCount, 0);

    grid = db.query("select typeof(?1), ?1, ?2", &ok, nullptr, {"7", "x'); drop table T; --"});
    QVERIFY(ok);
    QCOMPARE(gridRow(grid, 1), QStringList({"text", "7", "x'); drop table T; --"}));

    // A search pattern with a typed keyword in a parameter.
    grid = db.query("select ID from SECTIONTABLE where NAME like '%' || ?1 || '%' and TYPE='1'",
                    &ok, nullptr, {"钢管"});
    QVERIFY(ok);
    QCOMPARE(gridColumn(grid, 0), QStringList({"22", "32"}));
}

void TstCatalogueDatabase::queriesWithoutConnectionFail() {
    CatalogueDatabase db; // never built
    bool ok = true;
    std::string error;
    TextGrid grid = db.query("select 1", &ok, &error);
    QVERIFY(!ok);
    QVERIFY(!error.empty());
    QCOMPARE(grid.rowCount, 0);
    QVERIFY(!db.execute("select 1"));
}

void TstCatalogueDatabase::everyTableReadsBackAsParsed_data() {
    QTest::addColumn<QString>("table");
    for (const std::string& name : catalogueTableNames())
        QTest::newRow(name.c_str()) << q(name);
}

void TstCatalogueDatabase::everyTableReadsBackAsParsed() {
    QFETCH(QString, table);

    const ParsedCatalogue& catalogue = parsedBuiltIn();
    for (const std::string& e : catalogue.parseErrors)
        QVERIFY2(!q(e).startsWith(table + ':'), e.c_str());
    const ParsedTable& parsed = catalogue.tables.at(u8(table));
    QVERIFY(!parsed.header.empty());

    bool ok = false;
    TextGrid grid = builtInDatabase().query(u8("select * from \"" + table + "\""), &ok);
    QVERIFY(ok);
    if (parsed.records.empty()) {
        QCOMPARE(grid.rowCount, 1);
        QCOMPARE(grid.columnCount, 0);
        return;
    }
    QCOMPARE(grid.rowCount, int(parsed.records.size()) + 1);
    QCOMPARE(grid.columnCount, int(parsed.header.size()));
    for (int c = 0; c < grid.columnCount; ++c)
        QCOMPARE(q(grid.cell(0, c)), q(parsed.header[size_t(c)]));
    for (int r = 1; r < grid.rowCount; ++r) {
        for (int c = 0; c < grid.columnCount; ++c) {
            if (grid.cell(r, c) != parsed.records[size_t(r - 1)][size_t(c)])
                QFAIL(qPrintable(QStringLiteral("row %1 column %2: \"%3\" instead of \"%4\"")
                                     .arg(r)
                                     .arg(q(parsed.header[size_t(c)]))
                                     .arg(q(grid.cell(r, c)))
                                     .arg(q(parsed.records[size_t(r - 1)][size_t(c)]))));
        }
    }
}

QTEST_APPLESS_MAIN(TstCatalogueDatabase)
#include "tst_catalogue_database.moc"
