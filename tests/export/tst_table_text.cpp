// CSV and tab-separated text as a spreadsheet reads them, and the all-or-nothing write.
#include "export/table_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {
TextRows rowsOf(const QList<QStringList>& rows) {
    TextRows out;
    for (const QStringList& row : rows) {
        out.emplace_back();
        for (const QString& cell : row)
            out.back().push_back(cell.toStdString());
    }
    return out;
}
} // namespace

class TestTableText : public QObject {
    Q_OBJECT
  private slots:
    void csv_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QByteArray>("body"); // after the byte-order mark
        QTest::newRow("plain cells") << QList<QStringList>{{"规格", "重量(kg/m)"}, {"I10", "11.3"}}
                                     << QByteArray("规格,重量(kg/m)\r\nI10,11.3\r\n");
        QTest::newRow("comma inside")
            << QList<QStringList>{{"注：a,b"}} << QByteArray("\"注：a,b\"\r\n");
        QTest::newRow("quote doubled")
            << QList<QStringList>{{"12\"", "x"}} << QByteArray("\"12\"\"\",x\r\n");
        QTest::newRow("line break inside")
            << QList<QStringList>{{"a\nb", "c\r\nd"}} << QByteArray("\"a\nb\",\"c\r\nd\"\r\n");
        QTest::newRow("blank at an end kept by quoting")
            << QList<QStringList>{{" x", "y "}} << QByteArray("\" x\",\"y \"\r\n");
        QTest::newRow("tab needs no quotes")
            << QList<QStringList>{{"a\tb"}} << QByteArray("a\tb\r\n");
        QTest::newRow("empty cells") << QList<QStringList>{{"", "", "z"}} << QByteArray(",,z\r\n");
        QTest::newRow("CJK and symbols")
            << QList<QStringList>{{"口60×40×4", "φ8", "m²"}} << QByteArray("口60×40×4,φ8,m²\r\n");
        QTest::newRow("rows of different length")
            << QList<QStringList>{{"热轧工字钢", "注"}, {"规格", "重量(kg/m)", "截面积(cm2)"}}
            << QByteArray("热轧工字钢,注\r\n规格,重量(kg/m),截面积(cm2)\r\n");
    }
    void csv() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QByteArray, body);
        QCOMPARE(csvBytes(rowsOf(rows)), QByteArray("\xEF\xBB\xBF") + body);
    }

    void tabSeparated_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("cells by tabs, rows by lines")
            << QList<QStringList>{{"规格", "重量(kg/m)"}, {"I10", "11.3"}}
            << "规格\t重量(kg/m)\nI10\t11.3\n";
        QTest::newRow("tab inside would split the cell")
            << QList<QStringList>{{"a\tb", "c"}} << "a b\tc\n";
        QTest::newRow("line break inside would split the row")
            << QList<QStringList>{{"a\r\nb", "c\nd"}} << "a  b\tc d\n";
        QTest::newRow("quotes and commas stay")
            << QList<QStringList>{{"12\"", "1,5"}} << "12\"\t1,5\n";
        QTest::newRow("no byte-order mark on the clipboard")
            << QList<QStringList>{{"φ8"}} << "φ8\n";
    }
    void tabSeparated() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, text);
        QCOMPARE(tabSeparatedText(rowsOf(rows)), text);
    }

    void spreadsheetCells_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("cell");
        QTest::newRow("trailing blank of the catalogue") << "0.20 "
                                                         << "0.20";
        QTest::newRow("blanks both sides") << "  I10\t"
                                           << "I10";
        QTest::newRow("only blanks") << "   "
                                     << "";
        QTest::newRow("inner blank kept") << "HN 200"
                                          << "HN 200";
    }
    void spreadsheetCells() {
        QFETCH(QString, stored);
        QFETCH(QString, cell);
        QCOMPARE(QString::fromStdString(spreadsheetCell(stored.toStdString())), cell);
    }

    void wholeFileOrNone_data() {
        QTest::addColumn<QString>("relative"); // to a fresh folder
        QTest::addColumn<qint64>("sizeLimit"); // bytes a file may grow to; 0: no limit
        QTest::addColumn<bool>("written");
        QTest::newRow("new file") << "table.csv" << qint64(0) << true;
        QTest::newRow("folder missing") << "missing/table.csv" << qint64(0) << false;
        QTest::newRow("a folder of that name") << "taken" << qint64(0) << false;
        QTest::newRow("below a file") << "plain.txt/table.csv" << qint64(0) << false;
        // A file size limit cuts the write short as a full disk does, for any user.
        QTest::newRow("disk full part-way") << "table.csv" << qint64(1000) << false;
        QTest::newRow("fits the limit") << "table.csv" << qint64(6000) << true;
    }
    void wholeFileOrNone() {
        QFETCH(QString, relative);
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + QByteArray(5000, 'a') + "\r\n";
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{static_cast<rlim_t>(sizeLimit), limit.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (sizeLimit > 0) setrlimit(RLIMIT_FSIZE, &small);
        const QString reason = writeWholeFile(dir.filePath(relative), bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(reason.isEmpty(), written);
        QStringList after = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (written) {
            QFile file(dir.filePath(relative));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
            after.removeOne(relative);
        }
        // No temporary file is left beside the target.
        QCOMPARE(after, before);
        QVERIFY(QDir(dir.filePath(QStringLiteral("taken"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTableText)
#include "tst_table_text.moc"
