#include "window_fixture.h"

#include "browser/bar_page.h"
#include "browser/spec_select.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <numeric>

class TestBarPage : public QObject {
    Q_OBJECT
    WindowFixture f;
    int hRows = 0;

    QTableView* view() const { return f.at<QTableView>(LayoutId::SpecTableView); }
    SpecTableModel* model() const { return f.window->barPage()->model(); }
    QStringList headers() const {
        QStringList h;
        for (int c = 0; c < model()->columnCount(); ++c)
            h << model()->headerData(c, Qt::Horizontal).toString();
        return h;
    }
    QStringList column(int c) const {
        QStringList values;
        for (int r = 0; r < model()->rowCount(); ++r)
            values << model()->data(model()->index(r, c)).toString();
        return values;
    }
    void openFamily(int family) { f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, family)); }
    void openStandard(int subtype) {
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000));
    }
    void search(const QString& keyword) {
        f.at<QLineEdit>(LayoutId::SearchBox)->setText(keyword);
        f.click(f.at<QPushButton>(LayoutId::SearchButton));
    }
    QPushButton* weldLink() const { return f.at<QPushButton>(LayoutId::WeldFamilyLink); }
    // Opens the standard; false (and the row skipped) when it has rows by now, for the
    // catalogue may have been filled since the case was written.
    bool openEmptyStandard(int family, int subtype) {
        openFamily(family);
        openStandard(subtype);
        return model()->rowCount() == 0;
    }
    // The darkest pixel of a button as drawn: its text colour, near enough.
    static int darkestLightness(QWidget* button) {
        // On white, as the page shows it; the button itself is transparent.
        const QPixmap drawn = button->grab();
        QImage image(drawn.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).drawPixmap(0, 0, drawn);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, image.pixelColor(x, y).lightness());
        return darkest;
    }
    int catalogueRowCount(const char* table) const {
        TextGrid g = f.queries.database().query(std::string("select count(*) from ") + table);
        return std::stoi(g.cell(1, 0));
    }

  private slots:
    void initTestCase() {
        f.open();
        hRows = catalogueRowCount("热轧H");
    }
    void init() { ui::showMessage(f.window.get(), QString()); }

    void standard42ShowsThicknessAndWeight() {
        openFamily(25);
        openStandard(42);
        QCOMPARE(headers(), QStringList({"序号", "厚度(mm)", "重量(kg/m2)"}));
        // The columns fill the table's width (sharedColumnWidths), the thickness taking the
        // larger share: no longer 100 px each.
        QCOMPARE(view()->columnWidth(0), 40);
        QVERIFY(view()->columnWidth(1) > view()->columnWidth(2));
        QVERIFY(view()->columnWidth(2) >= 100);
        QCOMPARE(view()->columnWidth(0) + view()->columnWidth(1) + view()->columnWidth(2),
                 view()->viewport()->width());
        QCOMPARE(column(1).value(0), QStringLiteral("0.20 "));
    }

    void familyClickedTwiceRebuildsItsBar() {
        openFamily(13);
        openStandard(3);
        QCOMPARE(f.window->barPage()->currentStandardId(), 3);
        openFamily(13);
        QCOMPARE(f.buttonsOf(LayoutId::StandardsBar).size(), 3);
        QCOMPARE(f.window->barPage()->currentStandardId(), 1);
        QCOMPARE(f.text(LayoutId::StandardNameLine), QStringLiteral("热轧工字钢"));
        QVERIFY(f.buttonWithUserId(LayoutId::StandardsBar, 1001)->isChecked());
    }

    void familyWithOneStandard() {
        openFamily(20);
        QCOMPARE(f.buttonsOf(LayoutId::StandardsBar).size(), 1);
        QCOMPARE(f.window->barPage()->currentStandardId(), 17);
        QCOMPARE(headers().value(1), QStringLiteral("规格"));
    }

    void remarkShownOnOneLine() {
        openFamily(19);
        openStandard(30);
        QCOMPARE(f.text(LayoutId::RemarkLine),
                 QStringLiteral("注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢》"));
    }

    void searchOnStandard1_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("designations"); // empty: compare counts only
        QTest::addColumn<int>("rows");                 // -1: all rows of the standard
        QTest::newRow("I10") << "I10" << QStringList{"I10"} << 1;
        QTest::newRow("lower case i10") << "i10" << QStringList{"I10"} << 1;
        QTest::newRow("percent matches all") << "%" << QStringList{} << -1;
        QTest::newRow("single blank matches all") << " " << QStringList{} << -1;
        QTest::newRow("14 as text")
            << "14" << QStringList{"I10", "I12", "I12.6", "I14", "I55b", "I56b", "I63c"} << 7;
        QTest::newRow("no match") << "no such size" << QStringList{} << 0;
        QTest::newRow("apostrophe or") << "' or 1=1 --" << QStringList{} << 0;
        QTest::newRow("drop statement") << "'; drop table 热轧H; --" << QStringList{} << 0;
        QTest::newRow("double quote") << "\"" << QStringList{} << 0;
    }
    void searchOnStandard1() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, designations);
        QFETCH(int, rows);
        openFamily(13);
        const int all = model()->rowCount();
        QCOMPARE(all, 45);
        search(keyword);
        QCOMPARE(model()->rowCount(), rows < 0 ? all : rows);
        if (!designations.isEmpty()) QCOMPARE(column(1), designations);
        if (rows == 0) {
            QCOMPARE(headers(), QStringList{"序号"});
            QCOMPARE(f.window->barPage()->emptyNotice(),
                     QStringLiteral("没有找到包含该关键字的规格。"));
        } else
            QCOMPARE(column(0).value(0), QStringLiteral("1"));
        // The message line says what the search found.
        QCOMPARE(f.text(LayoutId::MessageLine),
                 model()->rowCount() == 0
                     ? QStringLiteral("在当前标准中没有找到包含「%1」的规格。")
                           .arg(keyword.size() > 20 ? keyword.left(20) + u'…' : keyword)
                     : QStringLiteral("在当前标准中找到 %1 条规格。").arg(model()->rowCount()));
        QCOMPARE(catalogueRowCount("热轧H"), hRows); // the catalogue is unchanged
        // The filter holds for one fill: the standard's own button shows everything again.
        openStandard(1);
        QCOMPARE(model()->rowCount(), all);
        QCOMPARE(f.window->barPage()->emptyNotice(), QString());
    }

    void emptyKeywordPromptsAndShowsAll() {
        openFamily(13);
        search(QString());
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("请先输入要搜索的关键字。"));
        QCOMPARE(model()->rowCount(), 45);
    }

    void searchStatementBindsTheKeyword() {
        const std::string keyword = "x' or '1'='1";
        SpecSelect s = buildSpecSelectStatement(f.queries, 1, &keyword);
        QVERIFY(s.sql.find(keyword) == std::string::npos);
        QCOMPARE(s.parameters, std::vector<std::string>{keyword});
        // Without a keyword: the standard's shown columns, all its rows in stored order.
        const TextGrid all =
            runSpecSelect(f.queries, buildSpecSelectStatement(f.queries, 1, nullptr));
        const TextGrid expected = f.queries.database().query(
            std::string("select 规格,重量,表面积,截面积 from 热轧_工字钢 where SUBTYPEID=1"));
        QVERIFY(expected.hasDataRows());
        QCOMPARE(all.rowCount, expected.rowCount);
        QCOMPARE(all.columnCount, expected.columnCount);
        QCOMPARE(all.cells, expected.cells);
    }

    void enterInSearchBoxSearches() {
        openFamily(13);
        auto* box = f.at<QLineEdit>(LayoutId::SearchBox);
        box->setText(QStringLiteral("I10"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(model()->rowCount(), 1);
    }

    void rowCopy_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("expected");
        QTest::newRow("H 2017 first row")
            << 19 << 79 << QString()
            << QStringLiteral("热轧H型钢-2017规格 HW100×100,详情=100×100×6×8,重量(kg/m)=16.9,"
                              "表面积(m2/m)=0.574,截面积(cm2)=21.58 ");
        QTest::newRow("plate keeps trailing blanks")
            << 25 << 42 << QString() << QStringLiteral("钢板厚度(mm) 0.20 ,重量(kg/m2)=1.570 ");
        QTest::newRow("after a search")
            << 13 << 1 << QStringLiteral("I14") << QStringLiteral("热轧工字钢规格 I14,");
    }
    void rowCopy() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, keyword);
        QFETCH(QString, expected);
        openFamily(family);
        openStandard(subtype);
        if (!keyword.isEmpty()) search(keyword);
        view()->selectRow(0);
        const QRect cell = view()->visualRect(model()->index(0, 1));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        const QString copied = QApplication::clipboard()->text();
        if (expected.endsWith(QLatin1Char(',')))
            QVERIFY2(copied.startsWith(expected), qPrintable(copied));
        else
            QCOMPARE(copied, expected);
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("已复制到剪辑版：") + copied);
    }

    void clickSelectsARowAndDoubleClickCopiesIt() {
        openFamily(13);
        view()->clearSelection();
        const QPoint before = f.window->pos();
        const QRect cell = view()->visualRect(model()->index(2, 1));
        QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseMove(view()->viewport(), cell.center() + QPoint(40, 30));
        QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, cell.center() + QPoint(40, 30));
        QCOMPARE(f.window->pos(), before); // a drag in the table does not move the window
        const QModelIndexList selected = view()->selectionModel()->selectedRows();
        QVERIFY(!selected.isEmpty());
        QApplication::clipboard()->clear();
        const QRect row3 = view()->visualRect(model()->index(3, 1));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, row3.center());
        QCOMPARE(view()->selectionModel()->selectedRows().value(0).row(), 3);
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, row3.center());
        QVERIFY2(QApplication::clipboard()->text().startsWith(
                     QStringLiteral("热轧工字钢规格 ") +
                     model()->data(model()->index(3, 1)).toString() + ","),
                 qPrintable(QApplication::clipboard()->text()));
    }

    void doubleClickBelowTheRowsCopiesTheSelectedRow() {
        openFamily(13);
        search(QStringLiteral("I10"));
        view()->selectRow(0);
        QApplication::clipboard()->clear();
        const QPoint below(20, view()->viewport()->height() - 5);
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, below);
        QVERIFY(
            QApplication::clipboard()->text().startsWith(QStringLiteral("热轧工字钢规格 I10,")));
        QApplication::clipboard()->clear();
        QTest::mouseDClick(view()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                           QPoint(5, 5));
        QVERIFY(
            QApplication::clipboard()->text().startsWith(QStringLiteral("热轧工字钢规格 I10,")));
    }

    void ctrlCCopiesTheSelectedRow() {
        openFamily(25);
        openStandard(42);
        view()->setFocus();
        view()->selectRow(0);
        QApplication::clipboard()->clear();
        QTest::keySequence(view(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("钢板厚度(mm) 0.20 ,重量(kg/m2)=1.570 "));
    }

    void emptyNoticeFollowsTheTableWidth() {
        openFamily(19);
        openStandard(30);
        QVERIFY(f.window->barPage()->emptyNotice().startsWith(
            QStringLiteral("本手册尚未收入「超厚超重H型钢」的规格表")));
        for (QSize size : {QSize(1400, 880), QSize(900, 590), QSize(1100, 700)}) {
            f.window->resize(size);
            QCoreApplication::processEvents();
            const QRect notice = f.window->barPage()->emptyNoticeGeometry();
            QCOMPARE(notice.left(), 0);
            QCOMPARE(notice.width(), view()->viewport()->width());
        }
    }

    void columnsShareTheWidth_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::newRow("H sections, long details") << 19 << 79;
        QTest::newRow("plates, two columns") << 25 << 42;
        QTest::newRow("flat bars, many rows") << 31 << 68;
        QTest::newRow("flat-oval tubes, six columns") << 32 << 76;
    }
    void columnsShareTheWidth() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        openFamily(family);
        openStandard(subtype);
        QVERIFY(model()->rowCount() > 0);
        auto widths = [this] {
            QList<int> w;
            for (int c = 0; c < model()->columnCount(); ++c)
                w << view()->columnWidth(c);
            return w;
        };
        auto sum = [](const QList<int>& w) { return std::accumulate(w.begin(), w.end(), 0); };
        // The longest designation, as the table draws it, with the cell's margins.
        int designation = 0;
        for (const QString& text : column(1))
            designation = std::max(designation, view()->fontMetrics().horizontalAdvance(text));

        f.window->resize(1400, 900);
        QCoreApplication::processEvents();
        const QList<int> wide = widths();
        QCOMPARE(sum(wide), view()->viewport()->width()); // no empty band on the right
        QVERIFY(!view()->horizontalScrollBar()->isVisible());
        QCOMPARE(wide[0], 40);
        for (int c = 2; c < wide.size(); ++c)
            QVERIFY2(wide[1] >= wide[c], qPrintable(QString::number(c)));

        // At the smallest window nothing is cut: the columns keep what their texts need and
        // the table scrolls sideways rather than squeeze them.
        f.window->resize(900, 590);
        QCoreApplication::processEvents();
        const QList<int> narrow = widths();
        QVERIFY(sum(narrow) >= view()->viewport()->width());
        QVERIFY(narrow[1] >= designation + 8);
        for (int c = 1; c < narrow.size(); ++c) {
            QVERIFY(narrow[c] >= 100);
            QVERIFY(narrow[c] <= wide[c]);
        }

        f.window->resize(1100, 700);
        QCoreApplication::processEvents();
    }

    void coverageLineOverPartialTables_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("line"); // empty: no line
        QTest::newRow("partial transcription")
            << 22 << 26
            << "本表仅收入 60 种规格（部分转录）：所据资料只到 口60×5，更大的规格尚未收入。";
        QTest::newRow("one carried record")
            << 33 << 77
            << "本表仅收入 1 种规格（沿用原有记录）：各直径的长度系列和每千套重量尚未收入。";
        QTest::newRow("complete") << 19 << 79 << "";
        QTest::newRow("complete, same family as a partial one") << 22 << 28 << "";
    }
    void coverageLineOverPartialTables() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, line);
        openFamily(family);
        openStandard(subtype);
        QVERIFY(model()->rowCount() > 0);
        QCOMPARE(f.window->barPage()->coverageNotice(), line);
        auto* label = f.at<QLabel>(LayoutId::CoverageLine);
        QCOMPARE(label->isVisible(), !line.isEmpty());
        // It stands above the table, and the table keeps its rows in view under it.
        if (!line.isEmpty()) QVERIFY(label->geometry().bottom() < view()->geometry().top());
        QCOMPARE(f.window->barPage()->emptyNotice(), QString());
        // The standard's button looks like any other with rows.
        QVERIFY(!f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000)
                     ->property("noData")
                     .toBool());
        // A search keeps the line: the found rows come from the same partial table.
        search(QStringLiteral("no such size"));
        QCOMPARE(f.window->barPage()->coverageNotice(), line);
        openStandard(subtype);
    }

    void emptyStandardKeepsItsOwnNotice() {
        if (!openEmptyStandard(19, 30)) QSKIP("the standard has rows now");
        QVERIFY(f.window->barPage()->emptyNotice().startsWith(
            QStringLiteral("本手册尚未收入「超厚超重H型钢」的规格表")));
        QCOMPARE(f.window->barPage()->coverageNotice(), QString());
        QVERIFY(!f.at<QLabel>(LayoutId::CoverageLine)->isVisible());
        // From a partial standard to an empty one the line goes.
        openFamily(22);
        openStandard(26);
        QVERIFY(!f.window->barPage()->coverageNotice().isEmpty());
        openFamily(19);
        openStandard(30);
        QCOMPARE(f.window->barPage()->coverageNotice(), QString());
    }

    void emptyStandardSaysWhatItIs_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("link"); // empty: no weld family of like shape
        const QString computes =
            QStringLiteral("。\n可在焊接型钢「%1」中输入所需尺寸，计算截面积、每米重量和表面积。");
        QTest::newRow("H section, welded H")
            << 19 << 30
            << QStringLiteral("本手册尚未收入「超厚超重H型钢」的规格表") + computes.arg("H型钢")
            << QStringLiteral("用焊接「H型钢」计算");
        QTest::newRow("rectangular tube, box")
            << 28 << 52
            << QStringLiteral("本手册尚未收入「热轧矩形钢管」的规格表") + computes.arg("箱型")
            << QStringLiteral("用焊接「箱型」计算");
        QTest::newRow("round tube, welded tube")
            << 17 << 37
            << QStringLiteral("本手册尚未收入「冷拔无缝钢管」的规格表") + computes.arg("圆管")
            << QStringLiteral("用焊接「圆管」计算");
        QTest::newRow("I-beam, no weld shape")
            << 13 << 3
            << QStringLiteral("本手册尚未收入「低合金轻型工字钢」的规格表，请查阅标准原文。")
            << QString();
    }
    void emptyStandardSaysWhatItIs() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, notice);
        QFETCH(QString, link);
        if (!openEmptyStandard(family, subtype)) QSKIP("the standard has rows now");
        QCOMPARE(f.window->barPage()->emptyNotice(), notice);
        auto* text = f.at<QLabel>(LayoutId::EmptyTableNotice);
        QVERIFY(text && text->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), notice);
        QCOMPARE(weldLink()->isVisible(), !link.isEmpty());
        if (!link.isEmpty()) {
            QCOMPARE(weldLink()->text(), link);
            QCOMPARE(weldLink()->accessibleName(), link);
        }
        // A standard with rows hides both again.
        f.click(f.buttonsOf(LayoutId::StandardsBar).value(0));
        if (model()->rowCount() > 0) {
            QCOMPARE(f.window->barPage()->emptyNotice(), QString());
            QVERIFY(!weldLink()->isVisible());
        }
    }

    // Over a small catalogue: a standard whose rows exist but whose select fails (its shown
    // columns name one the table lacks) must not pass for a missing one, and a missing one
    // finds its weld family through BARTOWELD.
    void noticeOverASmallCatalogue() {
        CatalogueDatabase db;
        db.build({
            {"BARTOWELD", "\"ID\",\"BARID\",\"WELDID\"\r\n\"1\",\"19\",\"1\"\r\n"},
            {"SECTIONTABLE",
             "\"ID\",\"TYPE\",\"NAME\",\"ICON\",\"ICONCOUNT\",\"IMAGE\",\"NORMTABLE\",\"ORDER\"\r\n"
             "\"1\",\"0\",\"H型钢\",\"/Image/SectionWeld/H型钢.png\",\"3\","
             "\"/Image/SectionWeldImage/H型钢-01.png\",,\"0\"\r\n"
             "\"19\",\"1\",\"H型钢\",\"/Image/SectionBar/H型钢.png\",\"3\","
             "\"/Image/SectionBarImage/H型钢.png\",\"热轧H\",\"0\"\r\n"},
            {"SUBTYPES", "\"ID\",\"NAME\",\"SECTIONID\",\"REMARK\",\"ORDER\",\"SHOWCOLS\"\r\n"
                         "\"79\",\"列名有误\",\"19\",,\"0\",\"规格,缺列\"\r\n"
                         "\"30\",\"未收入\",\"19\",,\"1\",\"规格\"\r\n"},
            {"热轧H", "\"ID\",\"SUBTYPEID\",\"规格\"\r\n\"1\",\"79\",\"HW100×100\"\r\n"},
        });
        QVERIFY(db.loadErrors().empty());
        const CatalogueQueries queries(db);
        MainWindow window(queries);
        window.resize(1000, 640);
        window.show();
        BarPage* page = window.barPage();
        QCOMPARE(page->currentStandardId(), 79);
        QCOMPARE(page->emptyNotice(), QStringLiteral("该标准的规格表无法读取。"));
        auto* link = ui::element<QPushButton>(&window, LayoutId::WeldFamilyLink);
        QVERIFY(!link->isVisible());
        page->fillSpecTable(30);
        QCOMPARE(
            page->emptyNotice(),
            QStringLiteral("本手册尚未收入「未收入」的规格表。\n可在焊接型钢「H型钢」中输入所需"
                           "尺寸，计算截面积、每米重量和表面积。"));
        QVERIFY(link->isVisible());
        QCOMPARE(link->text(), QStringLiteral("用焊接「H型钢」计算"));
        // Only the standard without rows is marked; the unreadable one has rows.
        const QList<QAbstractButton*> standards =
            ui::elementById(&window, LayoutId::StandardsBar)->findChildren<QAbstractButton*>();
        QCOMPARE(standards.size(), 2);
        for (QAbstractButton* button : standards) {
            QCOMPARE(button->accessibleDescription() == QStringLiteral("暂无数据"),
                     ui::userId(button) == 1030);
        }
    }

    // A keyword in a standard without rows: the standard is missing, not the keyword.
    void searchInAnEmptyStandard() {
        if (!openEmptyStandard(28, 52)) QSKIP("the standard has rows now");
        const QString notice = f.window->barPage()->emptyNotice();
        search(QStringLiteral("口"));
        QCOMPARE(f.window->barPage()->emptyNotice(), notice);
        QVERIFY(weldLink()->isVisible());
    }

    void weldLinkOpensTheFamily_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<int>("weld");
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("rectangular tube by mouse") << 28 << 52 << 3 << false;
        QTest::newRow("round tube by Tab and Space") << 17 << 37 << 4 << true;
        QTest::newRow("H section by mouse") << 19 << 30 << 1 << false;
    }
    void weldLinkOpensTheFamily() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(int, weld);
        QFETCH(bool, keyboard);
        if (!openEmptyStandard(family, subtype)) QSKIP("the standard has rows now");
        if (keyboard) {
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            view()->setFocus();
            QTest::keyClick(view(), Qt::Key_Tab);
            QVERIFY(weldLink()->hasFocus());
            QTest::keyClick(weldLink(), Qt::Key_Space);
        } else {
            QTest::mouseClick(weldLink(), Qt::LeftButton);
        }
        QVERIFY(f.at<QWidget>(LayoutId::WeldPage)->isVisible());
        QVERIFY(!f.at<QWidget>(LayoutId::BarPage)->isVisible());
        QCOMPARE(ui::userId(f.at<QPushButton>(LayoutId::CalculateButton)), 2000 + weld);
        QVERIFY(f.buttonWithUserId(LayoutId::WeldFamilyBar, weld)->isChecked());
        QVERIFY(!f.buttonWithUserId(LayoutId::BarFamilyBar, family)->isChecked());
    }

    // Every standard button says before a click whether its table has rows: the quieter
    // look and "暂无数据" go with exactly the standards whose table comes up empty.
    void emptyStandardButtonsLookQuieter_data() {
        QTest::addColumn<int>("family");
        for (int family : {19, 17, 28, 13, 25})
            QTest::newRow(qPrintable(QStringLiteral("family %1").arg(family))) << family;
    }
    void emptyStandardButtonsLookQuieter() {
        QFETCH(int, family);
        openFamily(family);
        const QList<QAbstractButton*> buttons = f.buttonsOf(LayoutId::StandardsBar);
        QList<QAbstractButton*> filled, empty;
        for (QAbstractButton* button : buttons) {
            f.click(button);
            const bool hasRows = model()->rowCount() > 0;
            (hasRows ? filled : empty) << button;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(iface->text(QAccessible::Name), button->text());
            // The description says the button's place in the bar, after "暂无数据" where
            // the table is empty.
            const QString place = QStringLiteral("第 %1 项，共 %2 项")
                                      .arg(buttons.indexOf(button) + 1)
                                      .arg(buttons.size());
            const QString description = iface->text(QAccessible::Description);
            if (hasRows)
                QCOMPARE(description, place);
            else
                QCOMPARE(description, QStringLiteral("暂无数据，") + place);
            QCOMPARE(button->toolTip().contains(QStringLiteral("暂无数据")), !hasRows);
        }
        if (filled.isEmpty() || empty.isEmpty() || buttons.size() < 3)
            return; // the look needs a filled and an empty one, both unchecked
        // Check a third standard, move the mouse away, and compare the two as drawn: the
        // empty one's text is clearly lighter.
        for (QAbstractButton* b : buttons) {
            if (b != filled.first() && b != empty.first()) {
                f.click(b);
                break;
            }
        }
        QTest::mouseMove(f.at<QWidget>(LayoutId::BarDrawing));
        const int quiet = darkestLightness(empty.first());
        const int normal = darkestLightness(filled.first());
        QVERIFY2(quiet > normal + 40,
                 qPrintable(QStringLiteral("empty %1, filled %2").arg(quiet).arg(normal)));
    }

    void tabLeavesTheTable() {
        openFamily(13);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        view()->setFocus();
        view()->setCurrentIndex(model()->index(0, 1));
        QTest::keyClick(view(), Qt::Key_Tab);
        QVERIFY(!view()->hasFocus());
        QCOMPARE(view()->currentIndex().column(), 1);
    }

    void noSelectionCopiesNothing() {
        openFamily(25);
        view()->clearSelection();
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        ui::showMessage(f.window.get(), QStringLiteral("before"));
        f.window->barPage()->copySelectedRow();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("before"));
    }
};

QTEST_MAIN(TestBarPage)
#include "tst_bar_page.moc"
