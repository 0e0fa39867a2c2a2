#include "window_fixture.h"

#include "ui/takeoff_panel.h"
#include "weld/weld_page.h"

#include <QApplication>
#include <QComboBox>
#include <QSlider>
#include <QTableView>

class TestMainWindow : public QObject {
    Q_OBJECT
    WindowFixture f;

  private slots:
    void initTestCase() { f.open(); }

    void everyLayoutIdHasItsKind_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("kind");
        const struct {
            int id;
            const char* kind;
        } rows[] = {
            {1, "QWidget"},      {2, "QWidget"},      {3, "QWidget"},      {4, "QWidget"},
            {5, "QWidget"},      {6, "QLabel"},       {7, "QLabel"},       {8, "QLabel"},
            {9, "QTableView"},   {10, "QWidget"},     {12, "QLabel"},      {13, "QLabel"},
            {14, "QPushButton"}, {15, "QLabel"},      {16, "QLabel"},      {17, "QLabel"},
            {18, "QLabel"},      {19, "QLabel"},      {20, "QLabel"},      {21, "QLabel"},
            {22, "QComboBox"},   {23, "QLineEdit"},   {24, "QWidget"},     {25, "QToolButton"},
            {26, "QToolButton"}, {27, "QToolButton"}, {28, "QPushButton"}, {29, "QLineEdit"},
            {30, "QSlider"},     {31, "QLabel"},      {32, "QLabel"},      {33, "QPushButton"},
            {34, "QPushButton"}, {35, "QPushButton"}, {70, "QComboBox"},   {71, "QTreeView"}};
        for (const auto& r : rows)
            QTest::addRow("id %d", r.id) << r.id << QString::fromLatin1(r.kind);
    }
    void everyLayoutIdHasItsKind() {
        QFETCH(int, id);
        QFETCH(QString, kind);
        QWidget* widget = f.window->element(static_cast<LayoutId>(id));
        QVERIFY2(widget, qPrintable(QStringLiteral("no element %1").arg(id)));
        QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
    }

    void startsOnFamily19WithSubtype79() {
        QVERIFY(f.at<QWidget>(LayoutId::BarPage)->isVisible());
        QVERIFY(!f.at<QWidget>(LayoutId::WeldPage)->isVisible());
        QCOMPARE(f.text(LayoutId::StandardNameLine), QStringLiteral("热轧H型钢-2017"));
        QCOMPARE(f.window->barPage()->currentStandardId(), 79);
        const QList<int> standards = {1079, 1029, 1030, 1031, 1032};
        QList<int> ids;
        for (QAbstractButton* b : f.buttonsOf(LayoutId::StandardsBar))
            ids << ui::userId(b);
        QCOMPARE(ids, standards);
        QAbstractButton* h = f.buttonWithUserId(LayoutId::BarFamilyBar, 19);
        QVERIFY(h && h->isChecked());
        QVERIFY(f.window->minimumSize() == QSize(900, 590));
    }

    void familyBarsInCatalogueOrder_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("weld") << int(LayoutId::WeldFamilyBar)
                              << QList<int>{1, 2, 5, 11, 9, 8, 4, 3, 24, 10, 12, 7, 6};
        QTest::newRow("bar") << int(LayoutId::BarFamilyBar)
                             << QList<int>{19, 17, 14, 23, 16, 27, 33, 26, 30, 29,
                                           31, 32, 22, 13, 20, 28, 18, 25, 21, 15};
    }
    void familyBarsInCatalogueOrder() {
        QFETCH(int, bar);
        QFETCH(QList<int>, ids);
        QList<int> shown;
        for (QAbstractButton* b : f.buttonsOf(static_cast<LayoutId>(bar))) {
            shown << ui::userId(b);
            QCOMPARE(b->toolTip(), b->text());
            QCOMPARE(b->accessibleName(), b->text());
            QVERIFY(!b->icon().isNull());
        }
        QCOMPARE(shown, ids);
    }

    void allFamilyButtonsReachableAtMinimumSize() {
        f.window->resize(f.window->minimumSize());
        QTest::qWait(50);
        for (LayoutId bar : {LayoutId::WeldFamilyBar, LayoutId::BarFamilyBar}) {
            for (QAbstractButton* b : f.buttonsOf(bar)) {
                const QRect inWindow(b->mapTo(f.window.get(), QPoint(0, 0)), b->size());
                QVERIFY2(f.window->rect().contains(inWindow), qPrintable(b->text()));
            }
        }
        f.window->resize(1100, 700);
    }

    void materialBoxListsFourMaterials() {
        auto* box = f.at<QComboBox>(LayoutId::MaterialBox);
        // The four materials, then the entry a typed density of no material shows.
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->itemText(4), QStringLiteral("自定义"));
        const QStringList names = {QStringLiteral("钢材"), QStringLiteral("铝材"),
                                   QStringLiteral("铜"), QStringLiteral("锌")};
        const QStringList densities = {"7850", "2700", "8900", "7140"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(box->itemText(i).startsWith(names[i]));
            QVERIFY(box->itemText(i).contains(densities[i]));
        }
        QCOMPARE(box->currentIndex(), -1); // no material until the user picks one
    }

    // The controls Tab visits from the transparency slider until it comes back to it.
    QList<QWidget*> tabChain() {
        QCoreApplication::processEvents(); // new buttons are shown from the event loop
        f.window->activateWindow();
        if (!QTest::qWaitForWindowActive(f.window.get())) return {};
        auto* slider = f.at<QSlider>(LayoutId::TransparencySlider);
        slider->setFocus();
        QList<QWidget*> chain{slider};
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == slider) break;
            chain << QApplication::focusWidget();
        }
        return chain;
    }
    // Each bar is one Tab stop: its checked button, else its first.
    QList<QWidget*> pageStart() const {
        QList<QWidget*> start;
        for (LayoutId id : {LayoutId::TransparencySlider, LayoutId::KeepOnTopButton,
                            LayoutId::MinimiseButton, LayoutId::CloseButton})
            start << f.at<QWidget>(id);
        for (LayoutId bar : {LayoutId::BarFamilyBar, LayoutId::WeldFamilyBar}) {
            QAbstractButton* stop = f.buttonsOf(bar).first();
            for (QAbstractButton* b : f.buttonsOf(bar)) {
                if (b->isChecked()) stop = b;
            }
            start << stop;
        }
        return start;
    }
    QAbstractButton* checkedOf(LayoutId bar) const {
        for (QAbstractButton* b : f.buttonsOf(bar)) {
            if (b->isChecked()) return b;
        }
        return nullptr;
    }

    void tabStopsOnceInEachBarInPageOrder() {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QList<QWidget*> expected = pageStart();
        QCOMPARE(expected.size(), 6);
        QCOMPARE(expected[4], f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QCOMPARE(expected[5], f.buttonsOf(LayoutId::WeldFamilyBar).first());
        QVERIFY(f.buttonsOf(LayoutId::StandardsBar).size() > 1);
        expected << f.buttonsOf(LayoutId::StandardsBar).first();
        // The section properties panel follows the table; its copy button waits for a row.
        for (LayoutId id :
             {LayoutId::SearchScopeBox, LayoutId::SearchBox, LayoutId::SearchButton,
              LayoutId::ExportButton, LayoutId::SpecTableView, LayoutId::SectionPropertiesPanel})
            expected << f.at<QWidget>(id);
        // The take-off below the table; with no row selected yet its copy button is off, and
        // a bar asks no width.
        auto* takeOff = f.at<TakeOffPanel>(LayoutId::BarTakeOff);
        for (TakeOffPanel::Part part :
             {TakeOffPanel::Part::LengthField, TakeOffPanel::Part::CountField,
              TakeOffPanel::Part::PriceField})
            expected << takeOff->part(part);
        QCOMPARE(tabChain(), expected);

        // A standard checked later is the bar's stop. (What follows the bar depends on
        // whether the standard has rows.)
        QAbstractButton* third = f.buttonsOf(LayoutId::StandardsBar).value(2);
        QVERIFY(third);
        f.click(third);
        expected[6] = third;
        const QList<QWidget*> chain = tabChain();
        QCOMPARE(chain.mid(0, 8), expected.mid(0, 8));
        for (QAbstractButton* b : f.buttonsOf(LayoutId::StandardsBar))
            QCOMPARE(chain.count(b), b == third ? 1 : 0);
    }

    // Space on a family reached by the arrows opens it; Tab goes on to the next bar, and
    // Shift+Tab comes back to the family just opened.
    void tabLeavesTheBarFromTheFamilyOpened() {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QVERIFY(!tabChain().isEmpty());
        QAbstractButton* first = f.buttonWithUserId(LayoutId::BarFamilyBar, 19);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_End);
        QAbstractButton* last = f.buttonsOf(LayoutId::BarFamilyBar).last();
        QCOMPARE(QApplication::focusWidget(), last);
        QTest::keyClick(last, Qt::Key_Space);
        QVERIFY(last->isChecked());
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.buttonsOf(LayoutId::WeldFamilyBar).first());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), last);
        f.click(first);
    }

    // Shift+Tab from a button the arrows reached leaves the bar, though the checked button
    // stands before it in the chain; the way back in is the checked button.
    void backtabLeavesTheBarFromAnyButton() {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QVERIFY(!tabChain().isEmpty());
        QAbstractButton* checked = f.buttonWithUserId(LayoutId::BarFamilyBar, 19);
        checked->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), f.buttonsOf(LayoutId::BarFamilyBar).value(3));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.at<QWidget>(LayoutId::CloseButton));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), checked);
    }

    // Arrows move within the bar and wrap at its ends, Home and End go to the ends; the
    // focused button is the bar's only Tab stop, and nothing is chosen on the way.
    void arrowsMoveWithinABar_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to"); // -1: the last button
        const struct {
            const char* name;
            LayoutId bar;
        } bars[] = {{"families", LayoutId::BarFamilyBar},
                    {"weld families", LayoutId::WeldFamilyBar},
                    {"standards", LayoutId::StandardsBar}};
        for (const auto& b : bars) {
            const int bar = int(b.bar);
            QTest::addRow("%s right", b.name) << bar << 1 << int(Qt::Key_Right) << 2;
            QTest::addRow("%s down", b.name) << bar << 1 << int(Qt::Key_Down) << 2;
            QTest::addRow("%s left", b.name) << bar << 2 << int(Qt::Key_Left) << 1;
            QTest::addRow("%s up", b.name) << bar << 2 << int(Qt::Key_Up) << 1;
            QTest::addRow("%s left wraps", b.name) << bar << 0 << int(Qt::Key_Left) << -1;
            QTest::addRow("%s right wraps", b.name) << bar << -1 << int(Qt::Key_Right) << 0;
            QTest::addRow("%s home", b.name) << bar << 2 << int(Qt::Key_Home) << 0;
            QTest::addRow("%s end", b.name) << bar << 1 << int(Qt::Key_End) << -1;
        }
    }
    void arrowsMoveWithinABar() {
        QFETCH(int, bar);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QVERIFY(!tabChain().isEmpty()); // the window is active
        const QList<QAbstractButton*> buttons = f.buttonsOf(LayoutId(bar));
        QVERIFY(buttons.size() >= 3);
        QAbstractButton* start = buttons.value(from < 0 ? buttons.size() - 1 : from);
        QAbstractButton* target = buttons.value(to < 0 ? buttons.size() - 1 : to);
        const QAbstractButton* checkedFamily = checkedOf(LayoutId::BarFamilyBar);
        const QAbstractButton* checkedStandard = checkedOf(LayoutId::StandardsBar);
        const int standard = f.window->barPage()->currentStandardId();
        start->setFocus();
        QTest::keyClick(start, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), target);
        for (QAbstractButton* b : buttons)
            QCOMPARE(bool(b->focusPolicy() & Qt::TabFocus), b == target);
        QCOMPARE(checkedOf(LayoutId::BarFamilyBar), checkedFamily);
        QCOMPARE(checkedOf(LayoutId::StandardsBar), checkedStandard);
        QVERIFY(!checkedOf(LayoutId::WeldFamilyBar));
        QCOMPARE(f.window->barPage()->currentStandardId(), standard);
        QVERIFY(f.at<QWidget>(LayoutId::BarPage)->isVisible());
    }

    // Space and Enter choose the focused button, as a click does.
    void spaceAndEnterChoose_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("key");
        QTest::newRow("weld family by Space")
            << int(LayoutId::WeldFamilyBar) << 3 << int(Qt::Key_Space);
        QTest::newRow("weld family by Enter")
            << int(LayoutId::WeldFamilyBar) << 4 << int(Qt::Key_Return);
        QTest::newRow("family by keypad Enter")
            << int(LayoutId::BarFamilyBar) << 13 << int(Qt::Key_Enter);
        QTest::newRow("standard by Space")
            << int(LayoutId::StandardsBar) << 2 << int(Qt::Key_Space);
        QTest::newRow("standard by Enter")
            << int(LayoutId::StandardsBar) << 3 << int(Qt::Key_Return);
    }
    void spaceAndEnterChoose() {
        QFETCH(int, bar);
        QFETCH(int, index);
        QFETCH(int, key);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QVERIFY(!tabChain().isEmpty());
        QAbstractButton* button = f.buttonsOf(LayoutId(bar)).value(index);
        QVERIFY(button && !button->isChecked());
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(button->isChecked());
        const int id = ui::userId(button);
        switch (LayoutId(bar)) {
        case LayoutId::WeldFamilyBar:
            QVERIFY(f.at<QWidget>(LayoutId::WeldPage)->isVisible());
            QCOMPARE(ui::userId(f.at<QWidget>(LayoutId::CalculateButton)), id + 2000);
            break;
        case LayoutId::BarFamilyBar:
            QVERIFY(f.at<QWidget>(LayoutId::BarPage)->isVisible());
            QCOMPARE(f.window->barPage()->currentStandardId(),
                     ui::userId(f.buttonsOf(LayoutId::StandardsBar).first()) - 1000);
            break;
        default:
            QCOMPARE(f.window->barPage()->currentStandardId(), id - 1000);
        }
    }

    void tabOnTheWeldPageGoesThroughTheFieldsThenMaterial() {
        f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, 1));
        QList<QWidget*> expected = pageStart();
        // No family of the first bar is checked now.
        QCOMPARE(expected[4], f.buttonsOf(LayoutId::BarFamilyBar).first());
        QCOMPARE(expected[5], f.buttonWithUserId(LayoutId::WeldFamilyBar, 1));
        expected << f.window->weldPage()->dimensionFields();
        QCOMPARE(expected.size(), pageStart().size() + 5);
        for (LayoutId id :
             {LayoutId::MaterialBox, LayoutId::DensityField, LayoutId::CalculateButton})
            expected << f.at<QWidget>(id);
        auto* takeOff = f.at<TakeOffPanel>(LayoutId::WeldTakeOff);
        for (TakeOffPanel::Part part :
             {TakeOffPanel::Part::LengthField, TakeOffPanel::Part::CountField,
              TakeOffPanel::Part::PriceField})
            expected << takeOff->part(part);
        QCOMPARE(tabChain(), expected);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
    }

    void titleStripDragMovesTheWindow() {
        auto* strip = f.window->findChild<QWidget*>(QStringLiteral("titleStrip"));
        QVERIFY(strip);
        const QPoint before = f.window->pos();
        const QPoint grip(300, 15);
        QTest::mousePress(strip, Qt::LeftButton, {}, grip);
        QTest::mouseMove(strip, grip + QPoint(60, 40));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, grip + QPoint(60, 40));
        QCOMPARE(f.window->pos(), before + QPoint(60, 40));
        f.window->move(before);
    }

    void titleStripDoubleClickMaximises() {
        auto* strip = f.window->findChild<QWidget*>(QStringLiteral("titleStrip"));
        const QSize normal = f.window->size();
        QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(300, 15));
        QTRY_VERIFY(f.window->isMaximized());
        QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(300, 15));
        QTRY_VERIFY(!f.window->isMaximized());
        QTRY_COMPARE(f.window->size(), normal);
    }

    void sliderSetsOpacity() {
        auto* slider = f.at<QSlider>(LayoutId::TransparencySlider);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 155);
        QCOMPARE(slider->value(), 100);
        QCOMPARE(f.window->windowOpacity(), 1.0); // untouched until moved
        slider->setValue(0);
        QCOMPARE(f.window->windowOpacity(), 100 / 255.0);
        slider->setValue(155);
        QCOMPARE(f.window->windowOpacity(), 1.0);
    }

    void keepOnTopToggles() {
        auto* keep = f.at<QToolButton>(LayoutId::KeepOnTopButton);
        QVERIFY(keep->isCheckable());
        QVERIFY(!keep->isChecked());
        const QRect before = f.window->geometry();
        f.click(keep);
        QVERIFY(keep->isChecked());
        QVERIFY(f.window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(f.window->isVisible());
        f.click(keep);
        QVERIFY(!keep->isChecked());
        QVERIFY(!(f.window->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->geometry().size(), before.size());
    }

    void everyControlHasAnAccessibleName() {
        for (QWidget* w : f.window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus) continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w) ||
                qobject_cast<QTableView*>(w)) {
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
            }
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
