// The strict reader of catalogue texts, and how the database build treats a broken text.
#include "catalogue_test_support.h"

#include <QTest>

class TstCatalogueText : public QObject {
    Q_OBJECT

  private slots:
    void brokenTextIsRejected_data();
    void brokenTextIsRejected();
    void valuesSurvive_data();
    void valuesSurvive();
    void headerOnlyHasNoRecords();
    void fullWidthFolding();
    void brokenTableIsLeftOutOfTheDatabase_data();
    void brokenTableIsLeftOutOfTheDatabase();
};

void TstCatalogueText::brokenTextIsRejected_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("record"); // 1 = header

    const QByteArray head = "\"ID\",\"NAME\"\r\n";
    QTest::newRow("empty text") << QByteArray() << 1;
    QTest::newRow("unquoted header name") << QByteArray("ID,\"NAME\"\r\n\"1\",\"a\"\r\n") << 1;
    QTest::newRow("empty header name") << QByteArray("\"ID\",\r\n\"1\",\"a\"\r\n") << 1;
    QTest::newRow("header name written as \"\"") << QByteArray("\"ID\",\"\"\r\n") << 1;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + head + "\"1\",\"a\"\r\n" << 1;
    QTest::newRow("header ends with LF") << QByteArray("\"ID\",\"NAME\"\n\"1\",\"a\"\r\n") << 1;
    QTest::newRow("record ends with LF") << head + "\"1\",\"a\"\n\"2\",\"b\"\r\n" << 2;
    QTest::newRow("record ends with CR only") << head + "\"1\",\"a\"\r\"2\",\"b\"\r\n" << 2;
    QTest::newRow("no final CR LF") << head + "\"1\",\"a\"\r\n\"2\",\"b\"" << 3;
    QTest::newRow("final CR without LF") << head + "\"1\",\"a\"\r" << 2;
    QTest::newRow("empty value written as \"\"") << head + "\"1\",\"a\"\r\n\"2\",\"\"\r\n" << 3;
    QTest::newRow("too few fields") << head + "\"1\",\"a\"\r\n\"2\"\r\n" << 3;
    QTest::newRow("too many fields") << head + "\"1\",\"a\",\r\n" << 2;
    QTest::newRow("empty line") << head + "\"1\",\"a\"\r\n\r\n\"2\",\"b\"\r\n" << 3;
    QTest::newRow("unquoted value") << head + "\"1\",a\r\n" << 2;
    QTest::newRow("blank after closing quote") << head + "\"1\",\"a\" \r\n" << 2;
    QTest::newRow("quote inside a value") << head + "\"1\",\"a\"b\"\r\n" << 2;
    QTest::newRow("doubled quote inside a value") << head + "\"1\",\"a\"\"b\"\r\n" << 2;
    QTest::newRow("unterminated quote") << head + "\"1\",\"ab\r\n" << 2;
    QTest::newRow("unterminated quote at end") << head + "\"1\",\"ab" << 2;
    QTest::newRow("apostrophe inside a value") << head + "\"1\",\"it's\"\r\n" << 2;
    QTest::newRow("apostrophe that ends the SQL literal")
        << head + "\"1\",\"a');drop table SUBTYPES;--\"\r\n"
        << 2;
    QTest::newRow("apostrophe in the header") << QByteArray("\"ID\",\"N'AME\"\r\n") << 1;
    QTest::newRow("CR inside a value") << head + "\"1\",\"a\rb\"\r\n" << 2;
    QTest::newRow("NUL inside a value") << head + QByteArray("\"1\",\"a\0b\"\r\n", 11) << 2;
    QTest::newRow("not UTF-8 (GBK bytes)") << head + "\"1\",\"\xB9\xA4\xD7\xD6\"\r\n" << 2;
    QTest::newRow("truncated UTF-8 sequence") << head + "\"1\",\"\xE5\xB7\"\r\n" << 2;
    QTest::newRow("duplicate header name") << QByteArray("\"ID\",\"id\"\r\n\"1\",\"2\"\r\n") << 1;
}

void TstCatalogueText::brokenTextIsRejected() {
    QFETCH(QByteArray, text);
    QFETCH(int, record);

    ParsedTable table;
    table.header = {"stale"};
    std::string error;
    QVERIFY(
        !parseCatalogueText(std::string_view(text.constData(), size_t(text.size())), table, error));
    QVERIFY2(q(error).startsWith(QStringLiteral("record %1:").arg(record)), error.c_str());
}

void TstCatalogueText::valuesSurvive_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("record"); // index into records
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");

    const QByteArray head = "\"ID\",\"A\",\"B\"\r\n";
    QTest::newRow("LF inside quotes, at the start") << head + "\"1\",\"\nb*l\",\"x\"\r\n"
                                                    << 0 << 1 << QStringLiteral("\nb*l");
    QTest::newRow("LF inside quotes, at the end") << head + "\"1\",\"x\",\"t2*l\n\"\r\n"
                                                  << 0 << 2 << QStringLiteral("t2*l\n");
    QTest::newRow("LF inside quotes, in the middle") << head + "\"1\",\"T型钢\n》\",\"x\"\r\n"
                                                     << 0 << 1 << QStringLiteral("T型钢\n》");
    QTest::newRow("trailing blanks") << head + "\"1\",\"HW100×100  \",\"x\"\r\n"
                                     << 0 << 1 << QStringLiteral("HW100×100  ");
    QTest::newRow("leading blank") << head + "\"1\",\" pi*D\",\"x\"\r\n"
                                   << 0 << 1 << QStringLiteral(" pi*D");
    QTest::newRow("commas inside quotes") << head + "\"1\",\"规格,重量,表面积\",\"15,130\"\r\n"
                                          << 0 << 2 << QStringLiteral("15,130");
    QTest::newRow("empty value between commas") << head + "\"1\",,\"x\"\r\n" << 0 << 1 << QString();
    QTest::newRow("empty value before CR LF") << head + "\"1\",\"x\",\r\n" << 0 << 2 << QString();
    QTest::newRow("only the id filled") << head + "\"1\",\"x\",\"y\"\r\n\"254\",,\r\n"
                                        << 1 << 0 << QStringLiteral("254");
    QTest::newRow("second of several records")
        << head + "\"1\",\"a\",\"b\"\r\n\"2\",\"c\",\"d\"\r\n\"3\",\"e\",\"f\"\r\n"
        << 1 << 2 << QStringLiteral("d");
}

void TstCatalogueText::valuesSurvive() {
    QFETCH(QByteArray, text);
    QFETCH(int, record);
    QFETCH(int, column);
    QFETCH(QString, value);

    ParsedTable table;
    std::string error;
    QVERIFY2(
        parseCatalogueText(std::string_view(text.constData(), size_t(text.size())), table, error),
        error.c_str());
    QCOMPARE(table.header, (std::vector<std::string>{"ID", "A", "B"}));
    QVERIFY(size_t(record) < table.records.size());
    for (const std::vector<std::string>& r : table.records)
        QCOMPARE(r.size(), size_t(3));
    QCOMPARE(q(table.records[size_t(record)][size_t(column)]), value);
}

// The whole fold takes every full-width ASCII form and the ideographic space; the number
// fold only digits, point and comma.
void TstCatalogueText::fullWidthFolding() {
    const std::string typed = "１２．５，Ａ－　x";
    QCOMPARE(foldFullWidth(typed), std::string("12.5,A- x"));
    QCOMPARE(foldFullWidthNumber(typed), std::string("12.5,Ａ－　x"));
    QCOMPARE(foldFullWidthNumber("1"), std::string("1"));
}

void TstCatalogueText::headerOnlyHasNoRecords() {
    ParsedTable table;
    std::string error;
    QVERIFY(parseCatalogueText("\"ID\",\"SUBTYPEID\",\"规格\"\r\n", table, error));
    QCOMPARE(table.header.size(), size_t(3));
    QCOMPARE(table.header[2], std::string("规格"));
    QVERIFY(table.records.empty());
}

void TstCatalogueText::brokenTableIsLeftOutOfTheDatabase_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("record");

    const QByteArray good = "\"ID\",\"NAME\"\r\n\"1\",\"a\"\r\n\"2\",\"b\"\r\n";
    QTest::newRow("broken in the header") << QByteArray("ID,NAME\r\n\"1\",\"a\"\r\n") << 1;
    QTest::newRow("broken after good records") << good + "\"3\",\"c\"\n" << 4;
    QTest::newRow("apostrophe after good records") << good + "\"3\",\"c'\"\r\n" << 4;
    QTest::newRow("field count after good records") << good + "\"3\"\r\n" << 4;
}

void TstCatalogueText::brokenTableIsLeftOutOfTheDatabase() {
    QFETCH(QByteArray, text);
    QFETCH(int, record);

    const std::vector<CatalogueTable> tables = {
        {"BEFORE", "\"ID\",\"V\"\r\n\"1\",\"x\"\r\n"},
        {"热轧_损坏", text},
        {"AFTER", "\"ID\",\"V\"\r\n\"1\",\"y\"\r\n\"2\",\"z\"\r\n"},
    };
    CatalogueDatabase db;
    db.build(tables);

    QCOMPARE(db.loadErrors().size(), size_t(1));
    const QString message = q(db.loadErrors().front());
    QVERIFY2(message.contains(QStringLiteral("热轧_损坏")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("record %1:").arg(record)), qPrintable(message));

    // Nothing of the broken table is there, not even its good first records.
    bool ok = true;
    TextGrid broken = db.query("select * from 热轧_损坏", &ok);
    QVERIFY(!ok);
    QCOMPARE(broken.rowCount, 0);
    QCOMPARE(broken.columnCount, 0);

    TextGrid before = db.query("select V from BEFORE", &ok);
    QVERIFY(ok);
    QCOMPARE(gridColumn(before, 0), QStringList{QStringLiteral("x")});
    TextGrid after = db.query("select V from AFTER", &ok);
    QVERIFY(ok);
    QCOMPARE(gridColumn(after, 0), (QStringList{QStringLiteral("y"), QStringLiteral("z")}));
}

QTEST_APPLESS_MAIN(TstCatalogueText)
#include "tst_catalogue_text.moc"
