// Which standards hold rows and which weld family stands in for an empty one, over a small
// catalogue: one family with a filled, an empty and a blank-row-only case, one family whose
// table is missing, and one family without a weld family of like shape.
#include "browser/standard_coverage.h"

#include <QTest>

namespace {

CatalogueDatabase& fixture() {
    static CatalogueDatabase db;
    static const bool built = [] {
        db.build({
            {"BARTOWELD", "\"ID\",\"BARID\",\"WELDID\"\r\n\"1\",\"22\",\"3\"\r\n"},
            {"SECTIONTABLE", "\"ID\",\"TYPE\",\"NAME\",\"NORMTABLE\"\r\n"
                             "\"3\",\"0\",\"箱型\",\r\n"
                             "\"13\",\"1\",\"工字钢\",\"热轧_工字钢\"\r\n"
                             "\"22\",\"1\",\"方钢管\",\"热轧方\"\r\n"
                             "\"31\",\"1\",\"多边形钢\",\"热轧_多边形钢\"\r\n"},
            {"SUBTYPES", "\"ID\",\"NAME\",\"SECTIONID\"\r\n"
                         "\"1\",\"热轧工字钢\",\"13\"\r\n"
                         "\"25\",\"热轧方钢管\",\"22\"\r\n"
                         "\"26\",\"冷拔方形无缝钢管\",\"22\"\r\n"
                         "\"27\",\"冷弯薄壁方钢管\",\"22\"\r\n"
                         "\"62\",\"热轧方钢\",\"31\"\r\n"
                         "\"69\",\"冷拉扁钢\",\"31\"\r\n"},
            // 26 has no row; the blank row (ID only) belongs to no standard.
            {"热轧方", "\"ID\",\"SUBTYPEID\",\"规格\"\r\n"
                       "\"1\",\"25\",\"口12×0.8\"\r\n"
                       "\"2\",,\r\n"
                       "\"3\",\"27\",\"口25×1.5\"\r\n"},
            {"热轧_多边形钢", "\"ID\",\"SUBTYPEID\",\"边长\"\r\n\"1\",\"62\",\"5.5\"\r\n"},
            // 热轧_工字钢 is not there: nothing can be said about its standards.
        });
        return true;
    }();
    (void)built;
    return db;
}

} // namespace

class TstStandardCoverage : public QObject {
    Q_OBJECT

  private slots:
    void fixtureLoads() { QVERIFY(fixture().loadErrors().empty()); }

    void emptyStandards_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<bool>("known");
        QTest::addColumn<bool>("empty");
        QTest::newRow("filled") << 22 << 25 << true << false;
        QTest::newRow("no row") << 22 << 26 << true << true;
        QTest::newRow("filled after a blank row") << 22 << 27 << true << false;
        QTest::newRow("other family, no row") << 31 << 69 << true << true;
        QTest::newRow("table missing") << 13 << 1 << false << false;
        QTest::newRow("unknown family") << 99 << 26 << false << false;
    }
    // The family-wide pass (for the buttons) and the one-standard count (for the notice)
    // agree, and neither calls a standard empty when its table cannot be read.
    void emptyStandards() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(bool, known);
        QFETCH(bool, empty);
        const CatalogueQueries queries(fixture());
        const StandardCoverage coverage = standardCoverage(queries, family);
        QCOMPARE(coverage.known, known);
        QCOMPARE(coverage.isEmpty(subtype), empty);
        if (family != 99) QCOMPARE(standardIsEmpty(queries, subtype), empty);
    }

    void blankRowsAreNoStandard() {
        const CatalogueQueries queries(fixture());
        QCOMPARE(standardCoverage(queries, 22).filled, (std::set<int>{25, 27}));
    }

    void weldFamily_data() {
        QTest::addColumn<int>("subtype");
        QTest::addColumn<int>("weld");
        QTest::newRow("square tube, filled") << 25 << 3;
        QTest::newRow("square tube, empty") << 26 << 3;
        QTest::newRow("family without a weld shape") << 69 << 0;
        QTest::newRow("unknown standard") << 999 << 0;
    }
    void weldFamily() {
        QFETCH(int, subtype);
        QFETCH(int, weld);
        QCOMPARE(weldFamilyOfStandard(CatalogueQueries(fixture()), subtype), weld);
    }
};

QTEST_GUILESS_MAIN(TstStandardCoverage)
#include "tst_standard_coverage.moc"
