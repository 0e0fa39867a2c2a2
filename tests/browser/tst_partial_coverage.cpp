// The coverage list beside the catalogue: it must agree with the tables it speaks of, a bad
// list must not half-load, and the line it gives says how much of a standard is there.
#include "browser/standard_coverage.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"

#include <QTest>

class TstPartialCoverage : public QObject {
    Q_OBJECT
    CatalogueQueries queries{CatalogueDatabase::instance()};

    int catalogueRows(int subtypeId) const {
        const std::string table = queries.specTableOfSubtype(std::to_string(subtypeId));
        if (table.empty()) return -1;
        const TextGrid count =
            queries.database().query("select count(*) from \"" + table + "\" where SUBTYPEID=?1",
                                     nullptr, nullptr, {std::to_string(subtypeId)});
        return count.rowCount == 2 ? std::stoi(count.cell(1, 0)) : -1;
    }

  private slots:
    void listMatchesTheCatalogue() {
        const auto& list = partialCoverageList();
        // The standards the tables' README names as partial or carried over.
        QList<int> ids;
        for (const PartialCoverage& entry : list)
            ids << entry.subtypeId;
        QCOMPARE(ids, (QList<int>{5, 9, 25, 26, 29, 36, 44, 47, 51, 76, 77}));
        for (const PartialCoverage& entry : list) {
            const QByteArray what = QByteArray::number(entry.subtypeId);
            QVERIFY2(entry.rows > 0, what);
            QVERIFY2(!entry.reason.empty(), what);
            QCOMPARE(catalogueRows(entry.subtypeId), entry.rows);
            QCOMPARE(queries.subtypeName(std::to_string(entry.subtypeId)), entry.name);
        }
    }

    void badListsReadAsNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        const QByteArray header = "\"SUBTYPEID\",\"NAME\",\"ROWS\",\"KIND\",\"REASON\"\r\n";
        QTest::newRow("good") << header + "\"26\",\"x\",\"60\",\"partial\",\"why\"\r\n" << true;
        QTest::newRow("reason may be empty") << header + "\"26\",\"x\",\"1\",\"carried\",\r\n"
                                             << true;
        QTest::newRow("unknown kind") << header + "\"26\",\"x\",\"60\",\"some\",\"why\"\r\n"
                                      << false;
        QTest::newRow("rows not a number") << header + "\"26\",\"x\",\"60a\",\"partial\",\"w\"\r\n"
                                           << false;
        QTest::newRow("negative rows") << header + "\"26\",\"x\",\"-1\",\"partial\",\"w\"\r\n"
                                       << false;
        QTest::newRow("id missing") << header + ",\"x\",\"60\",\"partial\",\"why\"\r\n" << false;
        QTest::newRow("columns swapped")
            << QByteArray("\"NAME\",\"SUBTYPEID\",\"ROWS\",\"KIND\",\"REASON\"\r\n") << false;
        QTest::newRow("field missing") << header + "\"26\",\"x\",\"60\",\"partial\"\r\n" << false;
    }
    void badListsReadAsNothing() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        std::vector<PartialCoverage> list{PartialCoverage{}};
        std::string error;
        QCOMPARE(parsePartialCoverage(text.toStdString(), list, error), ok);
        QCOMPARE(list.size(), size_t(ok ? 1 : 0));
    }

    void lineSaysHowMuchAndWhy_data() {
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("line");
        QTest::newRow("partial transcription")
            << 26 << "本表仅收入 60 种规格（部分转录）：所据资料只到 口60×5，更大的规格尚未收入。";
        QTest::newRow("one carried record")
            << 36 << "本表仅收入 1 种规格（沿用原有记录）：GB/T 13793-2008 的尺寸表尚未转录。";
    }
    void lineSaysHowMuchAndWhy() {
        QFETCH(int, subtype);
        QFETCH(QString, line);
        const auto coverage = partialCoverageOf(subtype);
        QVERIFY(coverage);
        QCOMPARE(QString::fromStdString(partialCoverageNotice(*coverage)), line);
    }

    void completeAndEmptyStandardsAreNotListed_data() {
        QTest::addColumn<int>("subtype");
        QTest::newRow("complete, H sections 2017") << 79;
        QTest::newRow("complete, plates") << 42;
        QTest::newRow("empty, super-heavy H") << 30;
    }
    void completeAndEmptyStandardsAreNotListed() {
        QFETCH(int, subtype);
        QVERIFY(!partialCoverageOf(subtype));
    }
};

QTEST_MAIN(TstPartialCoverage)
#include "tst_partial_coverage.moc"
