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
    QList<QWidget*> pageStart() const {
        QList<QWidget*> start;
        for (LayoutId id : {LayoutId::TransparencySlider, LayoutId::KeepOnTopButton,
                            LayoutId::MinimiseButton, LayoutId::CloseButton})
            start << f.at<QWidget>(id);
        for (LayoutId bar : {LayoutId::BarFamilyBar, LayoutId::WeldFamilyBar}) {
            for (QAbstractButton* b : f.buttonsOf(bar))
                start << b;
        }
        return start;
    }

    void tabReachesEveryFamilyAndStandardInPageOrder() {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 19));
        QList<QWidget*> expected = pageStart();
        for (QAbstractButton* b : f.buttonsOf(LayoutId::StandardsBar))
            expected << b;
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

        // Space on a family reached by Tab opens it, and Tab goes on from there.
        QAbstractButton* plate = f.buttonWithUserId(LayoutId::BarFamilyBar, 25);
        plate->setFocus();
        QTest::keyClick(plate, Qt::Key_Space);
        QVERIFY(plate->isChecked());
        QTest::keyClick(plate, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.buttonsOf(LayoutId::BarFamilyBar).value(18));
    }

    void tabOnTheWeldPageGoesThroughTheFieldsThenMaterial() {
        f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, 1));
        QList<QWidget*> expected = pageStart();
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
