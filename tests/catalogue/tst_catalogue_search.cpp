// The search across all standards finds, for every standard, exactly the rows the search
// of that one standard finds, in the same order, and knows where each row sits in the
// standard's unfiltered table.
#include "catalogue_test_support.h"

#include "browser/spec_select.h"
#include "catalogue/catalogue_queries.h"
#include "catalogue/catalogue_search.h"

#include <QTest>

namespace {

// Two families over one spec table; standard 2 names a column that the table lacks.
std::vector<CatalogueTable> fixture() {
    return {
        {"SECTIONTABLE",
         "\"ID\",\"TYPE\",\"NAME\",\"ICON\",\"ICONCOUNT\",\"IMAGE\",\"NORMTABLE\",\"ORDER\"\r\n"
         "\"7\",\"1\",\"乙族\",,,,\"规格表\",\"1\"\r\n"
         "\"8\",\"1\",\"甲族\",,,,\"规格表\",\"0\"\r\n"
         "\"9\",\"0\",\"焊接族\",,,,,\"0\"\r\n"},
        {"SUBTYPES", "\"ID\",\"NAME\",\"SECTIONID\",\"REMARK\",\"ORDER\",\"SHOWCOLS\"\r\n"
                     "\"1\",\"标准一\",\"7\",,\"0\",\"规格,重量\"\r\n"
                     "\"2\",\"坏标准\",\"7\",,\"1\",\"规格,不存在\"\r\n"
                     "\"3\",\"标准三\",\"8\",,\"0\",\"规格\"\r\n"},
        {"HEADERNAMES", "\"ID\",\"INDEX\",\"HEADERNAME\"\r\n"
                        "\"1\",\"重量\",\"重量(kg/m)\"\r\n"},
        {"规格表", "\"ID\",\"SUBTYPEID\",\"规格\",\"重量\",\"备注\"\r\n"
                   "\"1\",\"1\",\"A10\",\"1.5\",\"X\"\r\n"
                   "\"2\",\"3\",\"A10b\",\"9\",\"X\"\r\n"
                   "\"3\",\"1\",\"B20\",\"10.2\",\"X\"\r\n"
                   "\"4\",\"2\",\"A10c\",\"3\",\"X\"\r\n"
                   "\"5\",\"1\",\"C30\",\"2.1\",\"X\"\r\n"},
    };
}

// One standard whose values hold the characters a LIKE pattern would read as wildcards,
// and a designation stored with a letter x.
std::vector<CatalogueTable> literalFixture() {
    return {
        {"SECTIONTABLE",
         "\"ID\",\"TYPE\",\"NAME\",\"ICON\",\"ICONCOUNT\",\"IMAGE\",\"NORMTABLE\",\"ORDER\"\r\n"
         "\"7\",\"1\",\"甲族\",,,,\"规格表\",\"0\"\r\n"},
        {"SUBTYPES", "\"ID\",\"NAME\",\"SECTIONID\",\"REMARK\",\"ORDER\",\"SHOWCOLS\"\r\n"
                     "\"1\",\"标准一\",\"7\",,\"0\",\"规格\"\r\n"},
        {"HEADERNAMES", "\"ID\",\"INDEX\",\"HEADERNAME\"\r\n"},
        {"规格表", "\"ID\",\"SUBTYPEID\",\"规格\"\r\n"
                   "\"1\",\"1\",\"A10x2\"\r\n"
                   "\"2\",\"1\",\"A10×2\"\r\n"
                   "\"3\",\"1\",\"A5%\"\r\n"
                   "\"4\",\"1\",\"A_1\"\r\n"
                   "\"5\",\"1\",\"B20\"\r\n"},
    };
}

QStringList texts(const std::vector<std::string>& values) {
    QStringList out;
    for (const std::string& v : values)
        out << q(v);
    return out;
}

int rowsOf(CatalogueDatabase& db, const std::string& table) {
    const TextGrid grid = db.query("select count(*) from `" + table + "`");
    return grid.hasDataRows() ? std::stoi(grid.cell(1, 0)) : -1;
}

} // namespace

class TstCatalogueSearch : public QObject {
    Q_OBJECT
    CatalogueQueries queries{builtInDatabase()};
    CatalogueSearch search{queries};

  private slots:
    void agreesWithTheSearchOfEachStandard_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("findsSomething");
        QTest::newRow("designation") << "I10" << true;
        QTest::newRow("lower case") << "hn" << true;
        QTest::newRow("digit") << "1" << true;
        QTest::newRow("number as text") << "14" << true;
        QTest::newRow("one blank") << " " << true;
        QTest::newRow("multiplication sign") << "×" << true;
        QTest::newRow("not in the catalogue") << "φ" << false;
        QTest::newRow("apostrophe or") << "' or 1=1 --" << false;
        QTest::newRow("drop statement") << "'; drop table 热轧H; --" << false;
        QTest::newRow("double quote") << "\"" << false;
        QTest::newRow("backtick") << "`" << false;
        QTest::newRow("closing parenthesis") << ") or (1" << false;
        QTest::newRow("parameter marker") << "?1" << false;
        // Typed forms: both scopes read them alike.
        QTest::newRow("typed x") << "HN400x200" << true;
        QTest::newRow("typed full-width") << "ＨＮ４００" << true;
        QTest::newRow("typed blank") << "HN 400×200" << true;
        QTest::newRow("typed phi") << "φ89" << true;
        QTest::newRow("typed square") << "□100x50" << true;
        QTest::newRow("typed family word") << "槽钢20" << true;
        QTest::newRow("typed family word, no size") << "槽钢" << false;
    }
    void agreesWithTheSearchOfEachStandard() {
        QFETCH(QString, keyword);
        QFETCH(bool, findsSomething);
        const std::string word = u8(keyword);
        const int hRows = rowsOf(builtInDatabase(), "热轧H");
        const CatalogueSearchResult result = search.search(word);
        QCOMPARE(q(result.refusal), QString());
        QVERIFY(result.failedStandards.empty());
        QCOMPARE(result.rowCount() > 0, findsSomething);

        // Every standard of every bar family, in bar order; the group of a standard holds
        // the rows its own search finds.
        size_t next = 0;
        const TextGrid families = queries.familiesOfKind("1");
        for (int f = 1; f < families.rowCount; ++f) {
            const TextGrid subtypes = queries.subtypesOfFamily(families.cell(f, 0));
            for (int s = 1; s < subtypes.rowCount; ++s) {
                const int id = std::stoi(subtypes.cell(s, 0));
                const TextGrid own =
                    runSpecSelect(queries, buildSpecSelectStatement(queries, id, &word));
                if (!own.hasDataRows()) continue;
                QVERIFY2(next < result.groups.size(), qPrintable(q(subtypes.cell(s, 1))));
                const SearchGroup& group = result.groups[next++];
                QCOMPARE(group.subtypeId, id);
                QCOMPARE(group.familyId, std::stoi(families.cell(f, 0)));
                QCOMPARE(q(group.familyName), q(families.cell(f, 2)));
                QCOMPARE(q(group.subtypeName), q(subtypes.cell(s, 1)));
                QCOMPARE(static_cast<int>(group.rows.size()), own.rowCount - 1);
                const TextGrid all =
                    runSpecSelect(queries, buildSpecSelectStatement(queries, id, nullptr));
                for (int r = 1; r < own.rowCount; ++r) {
                    const SearchRow& row = group.rows[static_cast<size_t>(r - 1)];
                    QCOMPARE(texts(row.values), gridRow(own, r));
                    // The position finds the same row in the unfiltered table.
                    QCOMPARE(gridRow(all, row.position + 1), gridRow(own, r));
                }
                QCOMPARE(static_cast<int>(group.headers.size()), own.columnCount);
            }
        }
        QCOMPARE(next, result.groups.size());
        QCOMPARE(rowsOf(builtInDatabase(), "热轧H"), hRows); // the catalogue is unchanged
    }

    // A keyword as people type it finds the rows it means, in both scopes.
    void typedKeywordsFindWhatTheyMean_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("designation"); // one of the rows it must find
        QTest::addColumn<int>("onlyFamily");      // 0: found in any family
        QTest::newRow("x") << "HN400x200" << 79 << "HN400×200" << 19;
        QTest::newRow("capital X") << "HN400X200" << 79 << "HN400×200" << 19;
        QTest::newRow("star") << "400*200" << 79 << "HN400×200" << 0;
        QTest::newRow("blank inside") << "HN 400×200" << 79 << "HN400×200" << 19;
        QTest::newRow("full-width") << "ＨＮ４００" << 79 << "HN400×200" << 19;
        QTest::newRow("angle, x") << "L50x5" << 8 << "L50×5" << 0;
        QTest::newRow("angle mark") << "∠50×5" << 8 << "L50×5" << 0;
        QTest::newRow("phi") << "φ89" << 40 << "D89×2" << 0;
        QTest::newRow("capital phi") << "Φ89" << 40 << "D89×2" << 0;
        QTest::newRow("sizes only") << "89x4" << 79 << "HT175×90" << 0;
        QTest::newRow("square as typed") << "口100x50" << 53 << "口100×50×3" << 28;
        QTest::newRow("square as drawn") << "□100x50" << 53 << "口100×50×3" << 28;
        QTest::newRow("channel word") << "槽钢20" << 4 << "[20a" << 14;
        QTest::newRow("beam word") << "工字钢20a" << 1 << "I20a" << 13;
        QTest::newRow("ending of family names") << "角钢50x5" << 8 << "L50×5" << 0;
    }
    void typedKeywordsFindWhatTheyMean() {
        QFETCH(QString, keyword);
        QFETCH(int, subtype);
        QFETCH(QString, designation);
        QFETCH(int, onlyFamily);
        const std::string word = u8(keyword);

        const CatalogueSearchResult result = search.search(word);
        QVERIFY(result.failedStandards.empty());
        QStringList found;
        for (const SearchGroup& group : result.groups) {
            if (onlyFamily) QCOMPARE(group.familyId, onlyFamily);
            if (group.subtypeId != subtype) continue;
            for (const SearchRow& row : group.rows)
                found << q(trimmedText(row.values.front()));
        }
        QVERIFY2(found.contains(designation), qPrintable(found.join(' ')));

        const TextGrid own =
            runSpecSelect(queries, buildSpecSelectStatement(queries, subtype, &word));
        QStringList shown;
        for (int r = 1; r < own.rowCount; ++r)
            shown << q(trimmedText(own.cell(r, 0)));
        QCOMPARE(shown, found); // the current standard finds the same rows
    }

    // What the keyword itself finds is still found besides its typed form; "%" and "_" are
    // characters across all standards, and stay wildcards in the current standard.
    void typedFormsAddToWhatTheKeywordFinds_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("allStandards");
        QTest::addColumn<QStringList>("currentStandard");
        const QStringList every{"A10x2", "A10×2", "A5%", "A_1", "B20"};
        QTest::newRow("x stored and typed")
            << "10x2" << QStringList{"A10x2", "A10×2"} << QStringList{"A10x2", "A10×2"};
        QTest::newRow("percent") << "%" << QStringList{"A5%"} << every;
        QTest::newRow("underscore") << "_" << QStringList{"A_1"} << every;
        QTest::newRow("percent inside") << "5%" << QStringList{"A5%"} << QStringList{"A5%"};
        QTest::newRow("upper and lower case") << "b2" << QStringList{"B20"} << QStringList{"B20"};
    }
    void typedFormsAddToWhatTheKeywordFinds() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, allStandards);
        QFETCH(QStringList, currentStandard);
        CatalogueDatabase db;
        db.build(literalFixture());
        QVERIFY(db.loadErrors().empty());
        CatalogueQueries small(db);
        const std::string word = u8(keyword);
        const CatalogueSearchResult result = CatalogueSearch(small).search(word);
        QStringList found;
        for (const SearchGroup& group : result.groups)
            for (const SearchRow& row : group.rows)
                found << q(row.values.front());
        QCOMPARE(found, allStandards);
        QCOMPARE(gridColumn(runSpecSelect(small, buildSpecSelectStatement(small, 1, &word)), 0),
                 currentStandard);
    }

    void searchReports_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("standards");
        QTest::addColumn<QString>("report");
        QTest::newRow("current, found")
            << false << "I10" << 3 << 1 << "在当前标准中找到 3 条规格。";
        QTest::newRow("all, found")
            << true << "HN" << 12 << 2
            << "在全部标准中找到 12 条规格，分属 2 个标准，回车或双击打开。";
        QTest::newRow("current, none")
            << false << "φ" << 0 << 0 << "在当前标准中没有找到包含「φ」的规格。";
        QTest::newRow("all, none")
            << true << "x" << 0 << 0 << "在全部标准中没有找到包含「x」的规格。";
        // Long keywords are cut after 20 characters, never inside a character.
        QTest::newRow("twenty characters kept")
            << true << QString(20, QChar(0x578b)) << 0 << 0
            << QStringLiteral("在全部标准中没有找到包含「%1」的规格。")
                   .arg(QString(20, QChar(0x578b)));
        QTest::newRow("long keyword cut")
            << false << QString(21, QChar(0x578b)) << 0 << 0
            << QStringLiteral("在当前标准中没有找到包含「%1…」的规格。")
                   .arg(QString(20, QChar(0x578b)));
    }
    void searchReports() {
        QFETCH(bool, all);
        QFETCH(QString, keyword);
        QFETCH(int, rows);
        QFETCH(int, standards);
        QFETCH(QString, report);
        QCOMPARE(q(searchReport(all ? SearchScope::AllStandards : SearchScope::CurrentStandard,
                                u8(keyword), rows, standards)),
                 report);
    }

    void headersCarryTheirUnits() {
        const CatalogueSearchResult result = search.search("HW100×100");
        QVERIFY(!result.groups.empty());
        const SearchGroup& group = result.groups.front();
        QCOMPARE(q(group.subtypeName), QStringLiteral("热轧H型钢-2017"));
        QCOMPARE(q(group.headers[2]), QStringLiteral("重量(kg/m)"));
        QCOMPARE(q(searchGroupTitle(group)),
                 QStringLiteral("H型钢 › 热轧H型钢-2017（%1 条）").arg(group.rows.size()));
        // Values are shown without the blanks the catalogue stores around them.
        QCOMPARE(q(searchRowText(group, group.rows.front())),
                 QStringLiteral("规格 HW100×100，详情 100×100×6×8，重量(kg/m) 16.9，"
                                "表面积(m2/m) 0.574，截面积(cm2) 21.58"));
    }

    void keywordsThatAreNotSearched_data() {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QString>("refusal"); // empty: searched
        const int longest = search.longestKeyword();
        QTest::newRow("empty") << QByteArray() << QStringLiteral("请先输入要搜索的关键字。");
        QTest::newRow("at the limit") << QByteArray(longest, 'x') << QString();
        // Its typed form ("1×1×…") is longer than a LIKE pattern may be: still searched.
        QTest::newRow("at the limit, longer typed form")
            << QByteArray("1x").repeated(longest / 2) << QString();
        QTest::newRow("one byte over")
            << QByteArray(longest + 1, 'x')
            << QStringLiteral("关键字过长（%1 字节），最多 %2 字节，请缩短后再搜索。")
                   .arg(longest + 1)
                   .arg(longest);
        // The limit counts bytes: two-byte letters reach it with half as many characters.
        QTest::newRow("two-byte letters over")
            << QString(longest / 2 + 1, QChar(0x3c6)).toUtf8()
            << QStringLiteral("关键字过长（%1 字节），最多 %2 字节，请缩短后再搜索。")
                   .arg((longest / 2 + 1) * 2)
                   .arg(longest);
    }
    void keywordsThatAreNotSearched() {
        QFETCH(QByteArray, keyword);
        QFETCH(QString, refusal);
        QCOMPARE(search.longestKeyword(), builtInDatabase().likePatternLimit() - 2);
        const CatalogueSearchResult result = search.search(keyword.toStdString());
        QCOMPARE(q(result.refusal), refusal);
        QVERIFY(result.groups.empty());
        // A keyword at the limit runs every statement: none fails as "too complex".
        QVERIFY(result.failedStandards.empty());
    }

    void oneBrokenStandardDoesNotHideItsNeighbours() {
        CatalogueDatabase db;
        db.build(fixture());
        QVERIFY(db.loadErrors().empty());
        CatalogueQueries small(db);
        const CatalogueSearchResult result = CatalogueSearch(small).search("a");
        QCOMPARE(texts(result.failedStandards), QStringList{"坏标准"});
        // Family order 0 before 1; rows in stored order, positions within the standard.
        QCOMPARE(result.groups.size(), size_t(2));
        QCOMPARE(q(result.groups[0].subtypeName), QStringLiteral("标准三"));
        QCOMPARE(result.groups[0].rows.front().position, 0);
        const SearchGroup& first = result.groups[1];
        QCOMPARE(q(first.familyName), QStringLiteral("乙族"));
        QCOMPARE(texts(first.headers), QStringList({"规格", "重量(kg/m)"}));
        QCOMPARE(first.rows.size(), size_t(1));
        QCOMPARE(texts(first.rows[0].values), QStringList({"A10", "1.5"}));
        // A value of a column the standard does not show is not searched.
        QCOMPARE(CatalogueSearch(small).search("X").rowCount(), 0);
        const CatalogueSearchResult later = CatalogueSearch(small).search("C3");
        QCOMPARE(later.rowCount(), 1);
        QCOMPARE(later.groups[0].rows[0].position, 2);
    }
};

QTEST_GUILESS_MAIN(TstCatalogueSearch)
#include "tst_catalogue_search.moc"
