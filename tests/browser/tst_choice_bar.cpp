// A bar of choices apart from the window: which buttons the arrows skip, what each says of
// its place, and one Tab stop in each bar where a button group spans two bars.
#include "browser/choice_bar.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

class TestChoiceBar : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    ChoiceBar* first = nullptr;
    ChoiceBar* second = nullptr;
    QButtonGroup group;

    static QList<int> stopsOf(const ChoiceBar* bar) {
        QList<int> stops;
        const QList<QAbstractButton*> buttons = bar->buttons();
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->focusPolicy() & Qt::TabFocus) stops << i;
        }
        return stops;
    }

  private slots:
    void init() {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        first = new ChoiceBar;
        second = new ChoiceBar;
        layout->addWidget(first);
        layout->addWidget(second);
        group.setExclusive(true);
        for (ChoiceBar* bar : {first, second}) {
            for (int i = 0; i < 5; ++i) {
                auto* button = new ChoiceButton;
                button->setText(QString::number(i));
                group.addButton(button);
                bar->addButton(button);
            }
        }
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void arrowsSkipWhatCannotBeChosen_data() {
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<QList<int>>("disabled");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("place");
        QTest::newRow("hidden skipped and not counted")
            << QList<int>{2} << QList<int>{} << 1 << int(Qt::Key_Right) << 3 << "第 3 项，共 4 项";
        QTest::newRow("disabled skipped but counted")
            << QList<int>{} << QList<int>{2} << 1 << int(Qt::Key_Right) << 3 << "第 4 项，共 5 项";
        QTest::newRow("end stops before a hidden last")
            << QList<int>{4} << QList<int>{} << 0 << int(Qt::Key_End) << 3 << "第 4 项，共 4 项";
        QTest::newRow("home passes a disabled first")
            << QList<int>{} << QList<int>{0} << 3 << int(Qt::Key_Home) << 1 << "第 2 项，共 5 项";
        QTest::newRow("left wraps past a disabled first")
            << QList<int>{} << QList<int>{0} << 1 << int(Qt::Key_Left) << 4 << "第 5 项，共 5 项";
        QTest::newRow("other keys leave the focus")
            << QList<int>{} << QList<int>{} << 2 << int(Qt::Key_A) << 2 << "第 3 项，共 5 项";
    }
    void arrowsSkipWhatCannotBeChosen() {
        QFETCH(QList<int>, hidden);
        QFETCH(QList<int>, disabled);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QFETCH(QString, place);
        const QList<QAbstractButton*> buttons = first->buttons();
        for (int i : hidden)
            buttons[i]->hide();
        for (int i : disabled)
            buttons[i]->setEnabled(false);
        buttons[from]->setFocus();
        QCOMPARE(QApplication::focusWidget(), buttons[from]);
        QTest::keyClick(buttons[from], Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), buttons[to]);
        QCOMPARE(stopsOf(first), QList<int>{to});
        QCOMPARE(QAccessible::queryAccessibleInterface(buttons[to])->text(QAccessible::Description),
                 place);
        QCOMPARE(first->positionText(buttons[to]), place);
    }

    // Qt would leave one Tab stop in the whole group; each bar keeps its own.
    void aGroupOverTwoBarsKeepsAStopInEach() {
        QCOMPARE(stopsOf(first), QList<int>{0});
        QCOMPARE(stopsOf(second), QList<int>{0});
        QAbstractButton* chosen = second->buttons()[3];
        chosen->setFocus();
        QTest::keyClick(chosen, Qt::Key_Space);
        QVERIFY(chosen->isChecked());
        QCOMPARE(stopsOf(first), QList<int>{0});
        QCOMPARE(stopsOf(second), QList<int>{3});
        // Checked without a signal, the stop still follows; the other bar's goes back to its
        // first button once nothing there is checked.
        QAbstractButton* other = first->buttons()[2];
        {
            const QSignalBlocker quiet(other);
            other->setChecked(true);
        }
        QVERIFY(!chosen->isChecked());
        QCOMPARE(stopsOf(first), QList<int>{2});
        QCOMPARE(stopsOf(second), QList<int>{3}); // the focus is still there
        other->setFocus();
        QCOMPARE(stopsOf(first), QList<int>{2});
        QCOMPARE(stopsOf(second), QList<int>{0});
    }

    void theStopPassesOverWhatCannotTakeTheFocus_data() {
        QTest::addColumn<bool>("hide");
        QTest::newRow("disabled") << false;
        QTest::newRow("hidden") << true;
    }
    void theStopPassesOverWhatCannotTakeTheFocus() {
        QFETCH(bool, hide);
        second->buttons()[1]->setFocus(); // the window gave the first bar the focus
        const QList<QAbstractButton*> buttons = first->buttons();
        buttons[3]->setChecked(true);
        QCOMPARE(stopsOf(first), QList<int>{3});
        for (int i : {0, 3}) {
            if (hide)
                buttons[i]->hide();
            else
                buttons[i]->setEnabled(false);
        }
        first->updateTabStop();
        QCOMPARE(stopsOf(first), QList<int>{1});
    }

    void clearEmptiesTheBar() {
        first->clear();
        QVERIFY(first->buttons().isEmpty());
        QVERIFY(!first->tabStop());
        QCOMPARE(group.buttons().size(), 5);
    }
};

QTEST_MAIN(TestChoiceBar)
#include "tst_choice_bar.moc"
