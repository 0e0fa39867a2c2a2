// What a screen-reader user gets: the accessible tree's names, descriptions, actions and
// announcements, read through QAccessible as an assistive technology would.
#include "window_fixture.h"

#include "weld/weld_page.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <functional>

namespace {
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    WindowFixture f;

    void openWeld(int family) { f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, family)); }
    void type(const QString& name, const QString& value) {
        auto* field = f.at<QWidget>(LayoutId::DrawingPanel)->findChild<QLineEdit*>(name);
        QVERIFY2(field, qPrintable(name));
        field->setText(value);
    }
    void calculate() { f.click(f.at<QPushButton>(LayoutId::CalculateButton)); }

  private slots:
    void initTestCase() { f.open(); }

    void valueLinesSpeakWhatTheyShow_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("role");
        QTest::newRow("standard name") << int(LayoutId::StandardNameLine) << "当前标准";
        QTest::newRow("remark") << int(LayoutId::RemarkLine) << "标准说明";
        QTest::newRow("message") << int(LayoutId::MessageLine) << "消息";
        QTest::newRow("calendar") << int(LayoutId::CalendarLine) << "农历";
        QTest::newRow("clock") << int(LayoutId::ClockLine) << "时间";
        QTest::newRow("weld title") << int(LayoutId::WeldTitleLine) << "焊接型钢";
    }
    void valueLinesSpeakWhatTheyShow() {
        QFETCH(int, id);
        QFETCH(QString, role);
        auto* line = f.at<QLabel>(LayoutId(id));
        QVERIFY(line);
        if (line->text().isEmpty()) line->setText(QStringLiteral("示例 12.5Kg/m"));
        QAccessibleInterface* iface = accessible(line);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), line->text());
        QCOMPARE(iface->text(QAccessible::Description), role);
        line->setText(line->text() + QStringLiteral(" 改"));
        QCOMPARE(iface->text(QAccessible::Name), line->text());
    }

    // Results and properties are read with their units in words; ㎡ and Kg are not spoken
    // right by a screen reader. Each is a Tab stop of its own.
    void resultsSpeakTheirUnits_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::newRow("area") << int(LayoutId::AreaResultLine) << "66.24 平方厘米"
                              << "截面积结果";
        QTest::newRow("weight") << int(LayoutId::WeightResultLine) << "51.998 千克每米"
                                << "每米重量结果";
        QTest::newRow("surface") << int(LayoutId::SurfaceResultLine) << "1.384 平方米每米"
                                 << "每米表面积结果";
    }
    void resultsSpeakTheirUnits() {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QString, role);
        openWeld(1);
        const QStringList dims = {"h", "300", "b", "200", "tw", "8", "t1", "10", "t2", "12"};
        for (int k = 0; k < dims.size(); k += 2)
            type(dims[k], dims[k + 1]);
        auto* box = f.at<QComboBox>(LayoutId::MaterialBox);
        box->setCurrentIndex(0);
        emit box->activated(0);
        calculate();
        auto* line = f.at<QLabel>(LayoutId(id));
        QCOMPARE(accessible(line)->text(QAccessible::Name), name);
        QCOMPARE(accessible(line)->text(QAccessible::Description), role);
        QVERIFY(line->focusPolicy() & Qt::TabFocus);
        // The property lines too: "A 66.24 平方厘米", described by what they measure.
        QAccessibleInterface* root = accessible(f.window.get());
        std::function<QAccessibleInterface*(QAccessibleInterface*)> findArea =
            [&](QAccessibleInterface* node) -> QAccessibleInterface* {
            if (node->text(QAccessible::Name) == QStringLiteral("A 66.24 平方厘米")) return node;
            for (int i = 0; i < node->childCount(); ++i)
                if (QAccessibleInterface* found = findArea(node->child(i))) return found;
            return nullptr;
        };
        QAccessibleInterface* area = findArea(root);
        QVERIFY(area);
        QCOMPARE(area->text(QAccessible::Description), QStringLiteral("截面积"));
        // A changed input takes the results away, and the line says there is none.
        type("h", "301");
        QCOMPARE(accessible(line)->text(QAccessible::Name), QStringLiteral("无结果"));
        QVERIFY(!findArea(root));
    }

    void messageLineSpeaksTheNewMessage() {
        auto* line = f.at<QLabel>(LayoutId::MessageLine);
        ui::showMessage(f.window.get(), QStringLiteral("已复制到剪贴板"));
        QCOMPARE(accessible(line)->text(QAccessible::Name), QStringLiteral("已复制到剪贴板"));
        QCOMPARE(accessible(line)->text(QAccessible::Description), QStringLiteral("消息"));
    }

    // The accessibility action checks the button without a click; the page must follow.
    void toggleActionShowsTheFamily_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("page");
        QTest::newRow("bar 工字钢") << int(LayoutId::BarFamilyBar) << 13 << int(LayoutId::BarPage);
        QTest::newRow("weld 圆管") << int(LayoutId::WeldFamilyBar) << 4 << int(LayoutId::WeldPage);
        QTest::newRow("bar 钢轨") << int(LayoutId::BarFamilyBar) << 29 << int(LayoutId::BarPage);
    }
    void toggleActionShowsTheFamily() {
        QFETCH(int, bar);
        QFETCH(int, family);
        QFETCH(int, page);
        QAbstractButton* button = f.buttonWithUserId(LayoutId(bar), family);
        QVERIFY(button && !button->isChecked());
        QAccessibleInterface* iface = accessible(button);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(button->isChecked());
        QVERIFY(f.at<QWidget>(LayoutId(page))->isVisible());
        if (LayoutId(page) == LayoutId::WeldPage) {
            QCOMPARE(ui::userId(f.at<QPushButton>(LayoutId::CalculateButton)), family + 2000);
        } else {
            const QList<QAbstractButton*> standards = f.buttonsOf(LayoutId::StandardsBar);
            QVERIFY(!standards.isEmpty());
            QVERIFY(standards.first()->isChecked());
            QCOMPARE(f.window->barPage()->currentStandardId(),
                     ui::userId(standards.first()) - 1000);
        }
    }

    void toggleActionAndClickOnAStandard() {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 13));
        const QList<QAbstractButton*> standards = f.buttonsOf(LayoutId::StandardsBar);
        QVERIFY(standards.size() >= 2);
        accessible(standards[1])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(standards[1]->isChecked());
        QCOMPARE(f.window->barPage()->currentStandardId(), ui::userId(standards[1]) - 1000);
        // A click right after the toggle is not swallowed by it.
        QCoreApplication::processEvents();
        f.click(standards[0]);
        QCOMPARE(f.window->barPage()->currentStandardId(), ui::userId(standards[0]) - 1000);
        // A click on the checked family shows its first standard again, as before.
        f.click(standards[1]);
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, 13));
        QCOMPARE(f.window->barPage()->currentStandardId(),
                 ui::userId(f.buttonsOf(LayoutId::StandardsBar).first()) - 1000);
    }

    void keyboardActivationShowsThePage() {
        QAbstractButton* button = f.buttonWithUserId(LayoutId::WeldFamilyBar, 10);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(f.at<QWidget>(LayoutId::WeldPage)->isVisible());
        QCOMPARE(ui::userId(f.at<QPushButton>(LayoutId::CalculateButton)), 2010);
    }

    void dimensionFieldsSayWhatTheyMean_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");
        QTest::newRow("tube D") << 4 << "D"
                                << "D 外径";
        QTest::newRow("tube t") << 4 << "t"
                                << "t 壁厚";
        QTest::newRow("H tw") << 1 << "tw"
                              << "tw 腹板厚度";
        QTest::newRow("plate b") << 10 << "b"
                                 << "b 宽度";
        QTest::newRow("bolt ball D") << 12 << "D"
                                     << "D 直径";
    }
    void dimensionFieldsSayWhatTheyMean() {
        QFETCH(int, family);
        QFETCH(QString, symbol);
        QFETCH(QString, name);
        openWeld(family);
        auto* field = f.at<QWidget>(LayoutId::DrawingPanel)->findChild<QLineEdit*>(symbol);
        QVERIFY(field);
        QCOMPARE(accessible(field)->text(QAccessible::Name), name);
    }

    void everyWeldDimensionHasAMeaning() {
        for (QAbstractButton* button : f.buttonsOf(LayoutId::WeldFamilyBar)) {
            f.click(button);
            for (QWidget* field : f.window->weldPage()->dimensionFields()) {
                QVERIFY2(field->accessibleName().contains(QLatin1Char(' ')),
                         qPrintable(button->text() + QLatin1Char(':') + field->accessibleName()));
            }
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
