// The rolled shape tables as the program's database loads and searches them.
#include "catalogue/catalogue_database.h"

#include <QTest>

#include <string>
#include <vector>

class TstRolledCatalogue : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void tablesLoadWithoutError();
    void subtypeRowCounts_data();
    void subtypeRowCounts();
    void keywordFourteenOnHotRolledIBeams();
    void blankFindsEveryHotRolledIBeam();
    void firstHSection2017();
    void hSections2010StartWithTheStoredRecord();

  private:
    CatalogueDatabase m_db;
};

static std::vector<std::string> column(const TextGrid& g, int c) {
    std::vector<std::string> out;
    for (int r = 1; r < g.rowCount; ++r)
        out.push_back(g.cell(r, c));
    return out;
}

void TstRolledCatalogue::initTestCase() {
    m_db.build(builtInCatalogue());
}

void TstRolledCatalogue::tablesLoadWithoutError() {
    const char* names[] = {"热轧_工字钢", "热轧_槽钢", "热轧_角钢", "热轧_不等边",
                           "热轧H",       "热轧T",     "热轧C",     "热轧Z"};
    for (const std::string& e : m_db.loadErrors())
        for (const char* n : names)
            QVERIFY2(e.find(n) == std::string::npos, e.c_str());
}

void TstRolledCatalogue::subtypeRowCounts_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<int>("rows");
    const struct {
        const char* table;
        int subtype;
        int rows;
    } counts[] = {{"热轧_工字钢", 1, 45},  {"热轧_工字钢", 2, 27}, {"热轧_槽钢", 4, 41},
                  {"热轧_槽钢", 6, 22},    {"热轧_槽钢", 7, 11},   {"热轧_角钢", 8, 114},
                  {"热轧_角钢", 13, 10},   {"热轧_角钢", 14, 4},   {"热轧_不等边", 15, 71},
                  {"热轧_不等边", 16, 11}, {"热轧H", 79, 130},     {"热轧T", 80, 80},
                  {"热轧H", 29, 131},      {"热轧T", 18, 80},      {"热轧C", 17, 21},
                  {"热轧Z", 19, 13},       {"热轧Z", 20, 18}};
    for (const auto& c : counts)
        QTest::addRow("%s subtype %d", c.table, c.subtype)
            << QString::fromUtf8(c.table) << c.subtype << c.rows;
}

void TstRolledCatalogue::subtypeRowCounts() {
    QFETCH(QString, table);
    QFETCH(int, subtype);
    QFETCH(int, rows);
    const TextGrid g = m_db.query("select 规格 from " + table.toStdString() +
                                  " where SUBTYPEID=" + std::to_string(subtype));
    QCOMPARE(g.rowCount - 1, rows);
}

void TstRolledCatalogue::keywordFourteenOnHotRolledIBeams() {
    const TextGrid g = m_db.query(
        "select 规格,重量,表面积,截面积 from 热轧_工字钢 where SUBTYPEID=1 and (规格 like '%14%'  "
        "or 重量 like '%14%'  or 表面积 like '%14%'  or 截面积 like '%14%'  )");
    const std::vector<std::string> want = {"I10", "I12", "I12.6", "I14", "I55b", "I56b", "I63c"};
    QCOMPARE(column(g, 0), want);
    QCOMPARE(g.cell(2, 1), std::string("14.0 "));
}

void TstRolledCatalogue::blankFindsEveryHotRolledIBeam() {
    const TextGrid g = m_db.query(
        "select 规格,重量,表面积,截面积 from 热轧_工字钢 where SUBTYPEID=1 and (规格 like '% %'  "
        "or 重量 like '% %'  or 表面积 like '% %'  or 截面积 like '% %'  )");
    QCOMPARE(g.rowCount - 1, 45);
}

void TstRolledCatalogue::firstHSection2017() {
    const TextGrid g =
        m_db.query("select 规格,详情,重量,表面积,截面积 from 热轧H where SUBTYPEID=79");
    QVERIFY(g.rowCount > 1);
    const std::vector<std::string> want = {"HW100×100", "100×100×6×8", "16.9", "0.574", "21.58 "};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(g.cell(1, c), want[c]);
}

// Subtype 29 has its stored first record at ID 1 and its further rows after the 2017
// block: the query, which keeps text order, must still list them from the smallest size.
void TstRolledCatalogue::hSections2010StartWithTheStoredRecord() {
    const TextGrid g =
        m_db.query("select 规格,详情,重量,表面积,截面积 from 热轧H where SUBTYPEID=29");
    QVERIFY(g.rowCount > 3);
    const std::vector<std::string> first = {"HW100×100  ", "100×100×6×8", "16.9", "0.57 ", "21.58"};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(g.cell(1, c), first[c]);
    QCOMPARE(g.cell(2, 1), std::string("125×125×6.5×9"));
    QCOMPARE(g.cell(3, 1), std::string("150×150×7×10"));
}

QTEST_GUILESS_MAIN(TstRolledCatalogue)
#include "tst_rolled_catalogue.moc"
