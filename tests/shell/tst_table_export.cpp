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
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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
        QVERIFY2(f.text(LayoutId::MessageLine).startsWith(QStringLiteral("导出失败")),
                 qPrintable(f.text(LayoutId::MessageLine)));
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

    void resultsOfAllStandardsAreNotExported() {
        openStandard(19, 79);
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(1);
        search(QStringLiteral("HN"));
        QVERIFY(f.window->allStandardsSearch()->resultsShown());
        QTemporaryDir dir;
        QVERIFY(!f.window->tableExport()->exportTo(dir.filePath(QStringLiteral("a.csv"))));
        QVERIFY(entries(dir.path()).isEmpty());
        QVERIFY(!f.text(LayoutId::MessageLine).isEmpty());
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
    }
};

QTEST_MAIN(TestTableExport)
#include "tst_table_export.moc"
