// The shown spec table leaves through the window: a CSV file written whole or not at all,
// and the whole table on the clipboard as cells for a spreadsheet.
#include "window_fixture.h"

#include "browser/all_standards_search.h"
#include "browser/table_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// The export of the results for "221" over all standards, byte for byte: the title line,
// then one block per standard, each with its own header line.
// In family bar order; stored values lose their trailing blanks ("2.62 " in the angle table).
#define EXPECTED_221                                                                               \
    "\xEF\xBB\xBF"                                                                                 \
    "全部标准,搜索“221”找到的规格\r\n"                                              \
    "类别,标准,规格,公称长度(mm),重量(kg/千套)\r\n"                                  \
    "螺栓,大六角高强螺栓,M16,45,221.3\r\n"                                                \
    "类别,标准,直径(mm),重量(kg/m),截面积(cm2)\r\n"                                     \
    "钢丝,冷拉六角钢丝,1.60,0.0174,0.02217\r\n"                                            \
    "类别,标准,规格,重量(kg/m),表面积(m2/m),截面积(cm2)\r\n"                         \
    "等边角钢,热轧等边角钢,L56×3,2.62,0.221,3.343\r\n"

class TestTableExport : public QObject {
    Q_OBJECT
    WindowFixture f;

    SpecTableModel* model() const { return f.window->barPage()->model(); }
    QTableView* view() const { return f.at<QTableView>(LayoutId::SpecTableView); }
    void openStandard(int family, int subtype) {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, family));
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000));
    }
    void search(const QString& keyword) {
        f.at<QLineEdit>(LayoutId::SearchBox)->setText(keyword);
        f.click(f.at<QPushButton>(LayoutId::SearchButton));
    }
    QStringList shownHeaders() const {
        QStringList headers;
        for (int c = 1; c < model()->columnCount(); ++c)
            headers << model()->headerData(c, Qt::Horizontal).toString();
        return headers;
    }
    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void initTestCase() { f.open(); }
    void init() {
        ui::showMessage(f.window.get(), QString());
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
    }

    void exportedFileOpensInASpreadsheet_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("keyword"); // empty: the whole standard
        QTest::newRow("H sections") << 19 << 79 << "";
        QTest::newRow("found rows only") << 19 << 79 << "HN";
        QTest::newRow("plates with stored blanks") << 25 << 42 << "";
    }
    void exportedFileOpensInASpreadsheet() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, keyword);
        openStandard(family, subtype);
        if (!keyword.isEmpty()) search(keyword);
        const int rows = model()->rowCount();
        QVERIFY(rows > 0);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("表.csv"));
        QVERIFY(f.window->tableExport()->exportTo(path));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), rows + 3); // standard, headers, rows, and the end of the last
        QVERIFY(lines.last().isEmpty());
        QCOMPARE(lines[0].section(QLatin1Char(','), 0, 0), f.text(LayoutId::StandardNameLine));
        QCOMPARE(lines[0].contains(QStringLiteral("搜索“%1”").arg(keyword)), !keyword.isEmpty());
        QCOMPARE(lines[1], shownHeaders().join(QLatin1Char(',')));
        for (int r = 0; r < rows; ++r) {
            QStringList cells;
            for (int c = 1; c < model()->columnCount(); ++c)
                cells << model()->data(model()->index(r, c)).toString().trimmed();
            QCOMPARE(lines[r + 2], cells.join(QLatin1Char(',')));
        }
        QVERIFY(f.text(LayoutId::MessageLine).contains(QString::number(rows)));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("表.csv")});
    }

    void aFailedWriteLeavesNoFile_data() {
        QTest::addColumn<QString>("target"); // in a fresh folder
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("read-only folder") << "ro/table.csv" << true << false;
        QTest::newRow("folder missing") << "missing/table.csv" << false << false;
        QTest::newRow("a folder has the name") << "taken" << false << false;
        QTest::newRow("disk full while writing") << "table.csv" << false << true;
    }
    void aFailedWriteLeavesNoFile() {
        QFETCH(QString, target);
        QFETCH(bool, readOnly);
        QFETCH(bool, diskFull);
        openStandard(19, 79);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
        const QString ro = dir.filePath(QStringLiteral("ro"));
        if (readOnly) {
            QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
            if (access(ro.toLocal8Bit().constData(), W_OK) == 0) {
                QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes into read-only folders (root)");
            }
        }
        const QStringList before = entries(dir.path());
        // A file size limit fails the write part-way, as a full disk does, for any user.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{1000, limit.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (diskFull) setrlimit(RLIMIT_FSIZE, &small);
        const bool exported = f.window->tableExport()->exportTo(dir.filePath(target));
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!exported);
        // Our own words, the system's reason in brackets after the file's name.
        const QRegularExpression failed(QStringLiteral("^导出失败，文件没有写成：(.+)（(.+)）$"));
        const QRegularExpressionMatch said = failed.match(f.text(LayoutId::MessageLine));
        QVERIFY2(said.hasMatch(), qPrintable(f.text(LayoutId::MessageLine)));
        QCOMPARE(said.captured(1), QDir::toNativeSeparators(dir.filePath(target)));
        QCOMPARE(entries(dir.path()), before);
        QVERIFY(entries(ro).isEmpty());
        QVERIFY(entries(dir.filePath(QStringLiteral("taken"))).isEmpty());
    }

    void anExistingFileIsReplacedWhole() {
        openStandard(19, 79);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        QVERIFY(f.window->tableExport()->exportTo(path));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!bytes.contains('x'));
    }

    void shortcutCopiesTheWholeTableAsCells_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::newRow("H sections") << 19 << 79;
        QTest::newRow("plates") << 25 << 42;
        QTest::newRow("bolts") << 33 << 77;
    }
    void shortcutCopiesTheWholeTableAsCells() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        openStandard(family, subtype);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), model()->rowCount() + 2);
        QCOMPARE(lines[0], shownHeaders().join(QLatin1Char('\t')));
        for (int r = 0; r < model()->rowCount(); ++r) {
            const QStringList cells = lines[r + 1].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), model()->columnCount() - 1);
            QCOMPARE(cells[0], model()->data(model()->index(r, 1)).toString().trimmed());
        }
        QVERIFY(f.text(LayoutId::MessageLine).startsWith(QStringLiteral("已复制整表")));
        // From the search box too: anywhere on the bar page.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        f.at<QLineEdit>(LayoutId::SearchBox)->setFocus();
        QTest::keyClick(f.at<QLineEdit>(LayoutId::SearchBox), Qt::Key_A,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text().split(QLatin1Char('\n')).value(0), lines[0]);
    }

    void contextMenuOffersTheCopies() {
        QStringList names;
        for (QAction* action : view()->actions())
            names << action->text().section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(names, (QStringList{"复制此行", "复制整表", "导出…"}));
        QCOMPARE(view()->contextMenuPolicy(), Qt::ActionsContextMenu);
        openStandard(19, 79);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        view()->actions().at(1)->trigger();
        QVERIFY(
            QApplication::clipboard()->text().startsWith(shownHeaders().join(QLatin1Char('\t'))));
        auto* button = f.at<QPushButton>(LayoutId::ExportButton);
        QVERIFY(button->isVisible());
        QCOMPARE(button->accessibleName(), QStringLiteral("导出规格表"));
    }

    // Replaces the test that refused the export of these results: they are exported now.
    void resultsOfAllStandardsExportAsBlocks() {
        openStandard(19, 79);
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(1);
        // "221" is in three standards with three different sets of columns.
        search(QStringLiteral("221"));
        QVERIFY(f.window->allStandardsSearch()->resultsShown());
        QVERIFY(f.at<QPushButton>(LayoutId::ExportButton)->isEnabled());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("found.csv"));
        QVERIFY(f.window->tableExport()->exportTo(path));
        const QByteArray bytes = readAll(path);
        // Line by line first, for a readable failure.
        QCOMPARE(QString::fromUtf8(bytes).split(QStringLiteral("\r\n")),
                 QString::fromUtf8(EXPECTED_221).split(QStringLiteral("\r\n")));
        QCOMPARE(bytes, QByteArray(EXPECTED_221));
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("已导出 3 行规格到 %1").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("found.csv")});

        // The copy gives the same blocks, without the title line.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        f.window->tableExport()->copyWholeTable();
        const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(copied.value(0), QStringLiteral("类别\t标准\t规格\t公称长度(mm)\t重量(kg/千套)"));
        QCOMPARE(copied.size(), 3 * 2 + 1);
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
    }

    void everyFoundRowIsExportedUnderItsStandardsHeader() {
        openStandard(19, 79);
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(1);
        search(QStringLiteral("HN"));
        const CatalogueSearchResult& found = f.window->allStandardsSearch()->listedResult();
        QVERIFY(found.groups.size() >= 2);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hn.csv"));
        QVERIFY(f.window->tableExport()->exportTo(path));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeFirst(), QStringLiteral("全部标准,搜索“HN”找到的规格"));
        QCOMPARE(lines.takeLast(), QString());
        for (const SearchGroup& group : found.groups) {
            QStringList header{QStringLiteral("类别"), QStringLiteral("标准")};
            for (const std::string& h : group.headers)
                header << QString::fromStdString(h);
            QCOMPARE(lines.takeFirst(), header.join(QLatin1Char(',')));
            for (const SearchRow& row : group.rows) {
                QStringList cells{QString::fromStdString(group.familyName),
                                  QString::fromStdString(group.subtypeName)};
                for (const std::string& value : row.values)
                    cells << QString::fromStdString(value).trimmed();
                QCOMPARE(lines.takeFirst(), cells.join(QLatin1Char(',')));
            }
        }
        QVERIFY(lines.isEmpty());
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
    }

    void exportIsOfferedOnlyWithRowsToGive_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<bool>("allStandards");
        QTest::addColumn<QString>("keyword"); // empty: no search
        QTest::addColumn<bool>("enabled");
        QTest::newRow("standard with rows") << 19 << 79 << false << "" << true;
        QTest::newRow("standard without rows") << 19 << 30 << false << "" << false;
        QTest::newRow("search found nothing") << 19 << 79 << false << "no such size" << false;
        QTest::newRow("all standards, found rows") << 19 << 79 << true << "HN" << true;
        QTest::newRow("all standards, found nothing") << 19 << 79 << true << "φφ" << false;
        // The results keep the button on even when the table behind them is empty.
        QTest::newRow("all standards over an empty table") << 19 << 30 << true << "HN" << true;
    }
    void exportIsOfferedOnlyWithRowsToGive() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(bool, allStandards);
        QFETCH(QString, keyword);
        QFETCH(bool, enabled);
        openStandard(family, subtype);
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(allStandards ? 1 : 0);
        if (!keyword.isEmpty()) search(keyword);
        auto* button = f.at<QPushButton>(LayoutId::ExportButton);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(view()->actions().at(2)->isEnabled(), enabled);
        // Greyed out, the tooltip says why.
        QCOMPARE(button->toolTip().contains(QStringLiteral("没有可导出")), !enabled);
        // Back to the whole table: offered again when it has rows.
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
        openStandard(19, 79);
        QVERIFY(button->isEnabled());
    }

    void askBeforeReplacing_data() {
        QTest::addColumn<QString>("typed");     // the name given in the dialog
        QTest::addColumn<QStringList>("files"); // already in the folder
        QTest::addColumn<bool>("answer");       // to the question, if asked
        QTest::addColumn<QString>("asked");     // the name asked about; empty: no question
        QTest::addColumn<QString>("written");   // empty: nothing written
        QTest::newRow("no extension, file exists, keep it")
            << "noext" << QStringList{"noext.csv"} << false << "noext.csv"
            << "";
        QTest::newRow("no extension, file exists, replace it")
            << "noext" << QStringList{"noext.csv"} << true << "noext.csv"
            << "noext.csv";
        QTest::newRow("no extension, only the bare name exists")
            << "noext" << QStringList{"noext"} << false << ""
            << "noext.csv";
        QTest::newRow("with extension, file exists")
            << "t.csv" << QStringList{"t.csv"} << false << "t.csv"
            << "";
        QTest::newRow("new name") << "new" << QStringList{} << false << ""
                                  << "new.csv";
        QTest::newRow("other extension kept") << "t.txt" << QStringList{"t.txt.csv"} << false << ""
                                              << "t.txt";
        QTest::newRow("trailing dot") << "dot." << QStringList{"dot.csv"} << false << "dot.csv"
                                      << "";
        QTest::newRow("a folder of that name is not asked about")
            << "folder" << QStringList{"folder.csv/"} << false << ""
            << "folder.csv";
        QTest::newRow("cancelled") << "" << QStringList{} << true << ""
                                   << "";
    }
    void askBeforeReplacing() {
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        QFETCH(bool, answer);
        QFETCH(QString, asked);
        QFETCH(QString, written);
        QTemporaryDir dir;
        for (const QString& name : files) {
            if (name.endsWith(QLatin1Char('/'))) {
                QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
                continue;
            }
            QFile old(dir.filePath(name));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QStringList questions;
        const QString path = exportTargetPath(typed.isEmpty() ? QString() : dir.filePath(typed),
                                              [&](const QString& existing) {
                                                  questions << existing;
                                                  return answer;
                                              });
        QCOMPARE(questions, asked.isEmpty() ? QStringList() : QStringList{dir.filePath(asked)});
        QCOMPARE(path, written.isEmpty() ? QString() : dir.filePath(written));
    }

    void theButtonAsksAboutTheNameItWrites() {
        openStandard(19, 79);
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("noext.csv"));
        QFile old(kept);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QStringList suggested, questions;
        bool answer = false;
        f.window->tableExport()->setDialogs(
            [&](const QString& name) {
                suggested << name;
                return dir.filePath(QStringLiteral("noext"));
            },
            [&](const QString& path) {
                questions << path;
                return answer;
            });
        f.click(f.at<QPushButton>(LayoutId::ExportButton));
        QCOMPARE(suggested.size(), 1);
        QVERIFY(suggested[0].endsWith(QStringLiteral("/热轧H型钢-2017.csv")));
        QCOMPARE(questions, QStringList{kept});
        QCOMPARE(readAll(kept), QByteArray("old"));
        answer = true;
        f.click(f.at<QPushButton>(LayoutId::ExportButton));
        QCOMPARE(questions.size(), 2);
        QVERIFY(readAll(kept).startsWith("\xEF\xBB\xBF热轧H型钢-2017"));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("noext.csv")});
        f.window->tableExport()->setDialogs({}, {});
    }
};

QTEST_MAIN(TestTableExport)
#include "tst_table_export.moc"
