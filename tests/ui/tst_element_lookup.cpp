// Finding an element by its layout id: only under the window asked, never a deleted widget,
// and the id a widget carries now, not one it carried before.
#include "ui/ui_toolkit.h"

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>

class TestElementLookup : public QObject {
    Q_OBJECT
  private slots:
    void eachWindowFindsItsOwn() {
        QWidget first, second;
        auto* a = new QLabel(&first);
        auto* b = new QLabel(new QWidget(&second)); // one level deeper
        ui::setLayoutId(a, LayoutId::MessageLine);
        ui::setLayoutId(b, LayoutId::MessageLine);
        QCOMPARE(ui::elementById(&first, LayoutId::MessageLine), a);
        QCOMPARE(ui::elementById(&second, LayoutId::MessageLine), b);
        QCOMPARE(ui::elementById(&first, LayoutId::ClockLine), nullptr);
        // The root itself counts.
        QCOMPARE(ui::elementById(a, LayoutId::MessageLine), a);
    }
    void deletedAndMovedWidgets() {
        QWidget window, other;
        auto* line = new QLabel(&window);
        ui::setLayoutId(line, LayoutId::CalendarLine);
        delete line;
        QCOMPARE(ui::elementById(&window, LayoutId::CalendarLine), nullptr);

        auto* moved = new QLabel(&window);
        ui::setLayoutId(moved, LayoutId::CalendarLine);
        moved->setParent(&other);
        QCOMPARE(ui::elementById(&window, LayoutId::CalendarLine), nullptr);
        QCOMPARE(ui::elementById(&other, LayoutId::CalendarLine), moved);

        ui::setLayoutId(moved, LayoutId::ClockLine);
        QCOMPARE(ui::elementById(&other, LayoutId::CalendarLine), nullptr);
        QCOMPARE(ui::elementById(&other, LayoutId::ClockLine), moved);
    }
    void firstTaggedWins() {
        QWidget window;
        auto* older = new QLabel(&window);
        auto* newer = new QLabel(&window);
        ui::setLayoutId(older, LayoutId::RemarkLine);
        ui::setLayoutId(newer, LayoutId::RemarkLine);
        QCOMPARE(ui::elementById(&window, LayoutId::RemarkLine), older);
    }
};

QTEST_MAIN(TestElementLookup)
#include "tst_element_lookup.moc"
