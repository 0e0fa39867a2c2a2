// The section properties panel in the real window: filled from the selected row however it was
// selected, empty for none, its one-line copy, the note of a standard without a model, and
// what a screen reader and the Tab key reach.
#include "window_fixture.h"

#include "browser/all_standards_search.h"
#include "browser/row_section.h"
#include "browser/section_properties_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>

class TestSectionPanel : public QObject {
    Q_OBJECT
    WindowFixture f;

    QTableView* view() const { return f.at<QTableView>(LayoutId::SpecTableView); }
    QAbstractItemModel* model() const { return view()->model(); }
    SectionPropertiesPanel* panel() const {
        return f.at<SectionPropertiesPanel>(LayoutId::SectionPropertiesPanel);
    }
    void open(int family, int subtype) {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, family));
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000));
    }
    QString designationAt(int row) const { return model()->index(row, 1).data().toString(); }
    int rowOf(const QString& designation) const {
        for (int r = 0; r < model()->rowCount(); ++r)
            if (designationAt(r).trimmed() == designation) return r;
        return -1;
    }
    // The property lines, in display order: the labels without a layout id of their own.
    QStringList lines() const {
        QStringList texts;
        for (QLabel* label : panel()->findChildren<QLabel*>()) {
            if (ui::layoutIdOf(label) == 0 && !label->isHidden()) texts << label->text();
        }
        return texts;
    }
    QString lineOf(const QString& symbol) const {
        for (const QString& line : lines())
            if (line.startsWith(symbol + QLatin1Char(' '))) return line;
        return {};
    }
    QString note() const { return f.text(LayoutId::SectionPropertiesNote); }
    void search(const QString& keyword, int scope) {
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(scope);
        f.at<QLineEdit>(LayoutId::SearchBox)->setText(keyword);
        QTest::keyClick(f.at<QLineEdit>(LayoutId::SearchBox), Qt::Key_Return);
    }

  private slots:
    void initTestCase() { f.open(); }
    void cleanup() {
        f.at<QComboBox>(LayoutId::SearchScopeBox)->setCurrentIndex(0);
        f.at<QLineEdit>(LayoutId::SearchBox)->clear();
    }

    // Down from the first row: the panel names the row now selected and shows a property of
    // its shape with the unit GB prints.
    void keyboardSelectionFillsThePanel_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("unit");
        QTest::newRow("I-beam") << 13 << 1 << "Ix"
                                << "cm⁴";
        QTest::newRow("light I-beam") << 13 << 2 << "Wx"
                                      << "cm³";
        QTest::newRow("light channel") << 14 << 6 << "z0"
                                       << "cm";
        QTest::newRow("equal angle") << 15 << 8 << "iy0"
                                     << "cm";
        QTest::newRow("unequal angle") << 16 << 15 << "tanα"
                                       << "";
        QTest::newRow("H section") << 19 << 79 << "Iy"
                                   << "cm⁴";
        QTest::newRow("round tube") << 17 << 41 << "A"
                                    << "cm²";
        QTest::newRow("square hollow") << 22 << 28 << "W"
                                       << "cm³";
        QTest::newRow("flat bar") << 31 << 68 << "iy"
                                  << "cm";
        QTest::newRow("light rail, tabled") << 29 << 54 << "Ix"
                                            << "cm⁴";
    }
    void keyboardSelectionFillsThePanel() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(QString, symbol);
        QFETCH(QString, unit);
        open(family, subtype);
        view()->setFocus();
        view()->setCurrentIndex(model()->index(0, 1));
        QTest::keyClick(view(), Qt::Key_Down);
        QCOMPARE(view()->selectionModel()->selectedRows().value(0).row(), 1);
        // The designation, or the leading dimensions with their names.
        QVERIFY(f.text(LayoutId::SectionPropertiesTitle).contains(designationAt(1).trimmed()));
        const QString line = lineOf(symbol);
        QVERIFY2(!line.isEmpty(), qPrintable(lines().join(" | ") + note()));
        const QStringList parts = line.split(QLatin1Char(' '));
        QCOMPARE(parts.size(), unit.isEmpty() ? 2 : 3);
        bool number = false;
        QVERIFY(parts[1].toDouble(&number) > 0 && number);
        if (!unit.isEmpty()) QCOMPARE(parts[2], unit);
        QVERIFY(note().isEmpty() || f.at<QLabel>(LayoutId::SectionPropertiesNote)->isHidden());
    }

    void mouseSelectionFillsThePanel() {
        open(14, 4);
        const QRect cell = view()->visualRect(model()->index(2, 2));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(f.text(LayoutId::SectionPropertiesTitle), designationAt(2).trimmed());
        QVERIFY(!lineOf(QStringLiteral("z0")).isEmpty());
    }

    // Another row shows other values; a new fill of the table selects nothing, so nothing
    // is shown or copied.
    void onlyTheSelectedRowIsShown() {
        open(13, 1);
        view()->selectRow(0);
        const QStringList first = lines();
        view()->selectRow(5);
        QVERIFY(lines() != first);
        open(13, 2);
        QVERIFY(lines().isEmpty());
        QVERIFY(panel()->copyLine().isEmpty());
        QVERIFY(!f.at<QPushButton>(LayoutId::CopySectionPropertiesButton)->isEnabled());
        QVERIFY(!note().isEmpty());
    }

    void standardsWithoutModelShowTheNote_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::newRow("plate") << 25 << 42;
        QTest::newRow("grating") << 25 << 48;
        QTest::newRow("wire") << 30 << 56;
        QTest::newRow("bolt") << 33 << 77;
    }
    void standardsWithoutModelShowTheNote() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        open(family, subtype);
        view()->selectRow(0);
        QCOMPARE(note(), QString::fromUtf8(noSectionModelNote));
        QVERIFY(lines().isEmpty());
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // Rail properties are printed ones: a rail its sources print none for has no model.
    void railWithoutPrintedPropertiesShowsTheNoModelNote() {
        open(29, 55);
        const int row = rowOf(QStringLiteral("QU120"));
        QVERIFY(row >= 0);
        view()->selectRow(row);
        QCOMPARE(note(), QString::fromUtf8(noSectionModelNote));
        QVERIFY(lines().isEmpty());
    }

    // The button and Ctrl+Shift+C (wherever the focus is on the page) copy one line:
    // standard, designation, then symbol=value unit; the message line confirms it.
    void copyPutsOneLineOnTheClipboard_data() {
        QTest::addColumn<bool>("byShortcut");
        QTest::addColumn<bool>("focusOnSearchBox");
        QTest::newRow("button") << false << false;
        QTest::newRow("shortcut in the table") << true << false;
        QTest::newRow("shortcut in the search box") << true << true;
    }
    void copyPutsOneLineOnTheClipboard() {
        QFETCH(bool, byShortcut);
        QFETCH(bool, focusOnSearchBox);
        open(13, 1);
        view()->selectRow(rowOf(QStringLiteral("I20a")));
        QApplication::clipboard()->clear();
        QWidget* focus =
            focusOnSearchBox ? static_cast<QWidget*>(f.at<QLineEdit>(LayoutId::SearchBox)) : view();
        focus->setFocus();
        if (byShortcut)
            QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        else
            f.click(f.at<QPushButton>(LayoutId::CopySectionPropertiesButton));
        const QString copied = QApplication::clipboard()->text();
        // The dimensions first, as the panel shows them, then the properties.
        QVERIFY2(copied.startsWith(QStringLiteral("热轧工字钢 I20a h=200 mm b=100 mm d=7 mm "
                                                  "t=11.4 mm r=9 mm r1=4.5 mm A=")),
                 qPrintable(copied));
        QVERIFY(!copied.contains(QLatin1Char('\n')));
        // Every shown line is in the copy, as symbol=value unit.
        for (const QString& line : lines()) {
            QString pair = line;
            pair.replace(pair.indexOf(QLatin1Char(' ')), 1, QLatin1Char('='));
            QVERIFY2(copied.contains(QLatin1Char(' ') + pair), qPrintable(pair));
        }
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("已复制到剪辑版：") + copied);
    }

    // The panel starts with the row's dimensions in mm, then the properties; each line's
    // tooltip and accessible description say what it is and about which axis.
    void dimensionsComeFirstAndLinesSayWhatTheyAre() {
        open(13, 1);
        view()->selectRow(rowOf(QStringLiteral("I20a")));
        const QStringList shown = lines();
        QVERIFY(shown.size() > 6);
        QCOMPARE(shown.mid(0, 6), (QStringList{"h 200 mm", "b 100 mm", "d 7 mm", "t 11.4 mm",
                                               "r 9 mm", "r1 4.5 mm"}));
        QVERIFY2(shown.at(6).startsWith(QStringLiteral("A ")), qPrintable(shown.join(" | ")));
        QLabel* ix = nullptr;
        QLabel* wpy = nullptr;
        for (QLabel* label : panel()->findChildren<QLabel*>()) {
            if (label->isHidden()) continue;
            if (label->text().startsWith(QStringLiteral("Ix "))) ix = label;
            if (label->text().startsWith(QStringLiteral("Wpy "))) wpy = label;
        }
        QVERIFY(ix && wpy);
        QCOMPARE(ix->toolTip(), QStringLiteral("惯性矩，绕强轴 x"));
        QCOMPARE(wpy->toolTip(), QStringLiteral("塑性截面模量，绕 y 轴"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ix)->text(QAccessible::Description),
                 ix->toolTip());
    }

    // The row found by a search, in this standard or in all, is the row the panel reads.
    void searchedRowShowsItsOwnProperties_data() {
        QTest::addColumn<int>("scope");
        QTest::newRow("current standard") << 0;
        QTest::newRow("all standards") << 1;
    }
    void searchedRowShowsItsOwnProperties() {
        QFETCH(int, scope);
        open(13, 1);
        view()->selectRow(rowOf(QStringLiteral("I20b")));
        const QStringList unfiltered = lines();
        QVERIFY(!unfiltered.isEmpty());
        search(QStringLiteral("I20b"), scope);
        if (scope == 0) {
            QCOMPARE(model()->rowCount(), 1);
            view()->selectRow(0);
        } else {
            auto* results = f.at<QTreeView>(LayoutId::SearchResultsView);
            QModelIndex found;
            for (int g = 0; g < results->model()->rowCount() && !found.isValid(); ++g) {
                const QModelIndex group = results->model()->index(g, 0);
                if (group.data(AllStandardsSearch::SubtypeRole).toInt() == 1)
                    found = results->model()->index(0, 0, group);
            }
            QVERIFY(found.isValid());
            results->setCurrentIndex(found);
            QTest::keyClick(results, Qt::Key_Return);
        }
        QCOMPARE(f.text(LayoutId::SectionPropertiesTitle), QStringLiteral("I20b"));
        QCOMPARE(lines(), unfiltered);
    }

    // A screen reader hears the panel's name and each line as it is shown.
    void screenReaderReadsEveryLine() {
        open(15, 8);
        view()->selectRow(3);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(panel());
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("截面特性"));
        QStringList heard;
        QList<QAccessibleInterface*> pending{iface};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeFirst();
            for (int i = 0; i < node->childCount(); ++i)
                if (QAccessibleInterface* child = node->child(i)) {
                    if (child->role() == QAccessible::StaticText)
                        heard << child->text(QAccessible::Name);
                    pending << child;
                }
        }
        for (const QString& line : lines())
            QVERIFY2(heard.contains(line), qPrintable(line));
        QVERIFY(!lineOf(QStringLiteral("iy0")).isEmpty());
        QVERIFY(iface->text(QAccessible::Description).contains(lineOf(QStringLiteral("iy0"))));
    }

    // The title and the note speak what they show, the copy button its action.
    void captionsSpeakWhatTheyShow() {
        open(25, 42);
        view()->selectRow(0);
        for (LayoutId id : {LayoutId::SectionPropertiesTitle, LayoutId::SectionPropertiesNote}) {
            QAccessibleInterface* line = QAccessible::queryAccessibleInterface(f.at<QLabel>(id));
            QVERIFY(line);
            QCOMPARE(line->text(QAccessible::Name), f.text(id));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     f.at<QPushButton>(LayoutId::CopySectionPropertiesButton))
                     ->text(QAccessible::Name),
                 QStringLiteral("复制截面特性"));
        QCOMPARE(QAccessible::queryAccessibleInterface(panel())->text(QAccessible::Description),
                 QString::fromUtf8(noSectionModelNote));
    }

    // With the focus on the panel, the arrow and page keys scroll its lines in a short
    // window.
    void keysScrollThePanel() {
        const QSize before = f.window->size();
        f.window->resize(f.window->minimumSize());
        open(16, 15); // unequal angles: the longest list of properties
        view()->selectRow(0);
        QCoreApplication::processEvents();
        auto* bar = panel()->findChild<QScrollArea*>()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        panel()->setFocus();
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(panel(), Qt::Key_Down);
        const int step = bar->value();
        QVERIFY(step > 0);
        QTest::keyClick(panel(), Qt::Key_PageDown);
        QVERIFY(bar->value() > step);
        QTest::keyClick(panel(), Qt::Key_PageUp);
        QTest::keyClick(panel(), Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
        // A new row starts at the top again.
        QTest::keyClick(panel(), Qt::Key_PageDown);
        view()->selectRow(1);
        QCOMPARE(bar->value(), 0);
        f.window->resize(before);
    }

    void tabReachesThePanel() {
        open(13, 1);
        view()->selectRow(0);
        view()->setFocus();
        for (int i = 0; i < 10 && QApplication::focusWidget() != panel(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), panel());
        QTest::keyClick(panel(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.at<QWidget>(LayoutId::CopySectionPropertiesButton));
    }

    // At the minimum window size the panel stays inside the page, below the remark line,
    // with room for its title and lines (the rest scrolls).
    void fitsTheMinimumWindow_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::newRow("I-beam") << 13 << 1;
        QTest::newRow("unequal angle, long remark") << 16 << 15;
    }
    void fitsTheMinimumWindow() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        const QSize before = f.window->size();
        f.window->resize(f.window->minimumSize());
        open(family, subtype);
        view()->selectRow(model()->rowCount() - 1);
        QCoreApplication::processEvents();
        QWidget* page = f.at<QWidget>(LayoutId::BarPage);
        const QRect box(panel()->mapTo(page, QPoint(0, 0)), panel()->size());
        const QRect remark(f.at<QWidget>(LayoutId::RemarkLine)->mapTo(page, QPoint(0, 0)),
                           f.at<QWidget>(LayoutId::RemarkLine)->size());
        const QRect drawing(f.at<QWidget>(LayoutId::BarDrawing)->mapTo(page, QPoint(0, 0)),
                            f.at<QWidget>(LayoutId::BarDrawing)->size());
        QVERIFY(drawing.height() < 200);
        f.window->resize(before);
        QCoreApplication::processEvents();
        // With room again the drawing is back at its own size.
        QCOMPARE(f.at<QWidget>(LayoutId::BarDrawing)->height(), 200);
        QVERIFY(page->rect().contains(box));
        QVERIFY(box.top() >= remark.bottom());
        QVERIFY(remark.top() >= drawing.bottom());
        QVERIFY2(box.height() >= 100, qPrintable(QString::number(box.height())));
    }
};

QTEST_MAIN(TestSectionPanel)
#include "tst_section_panel.moc"
