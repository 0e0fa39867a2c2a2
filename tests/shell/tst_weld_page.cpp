#include "window_fixture.h"

#include "weld/weld_page.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class TestWeldPage : public QObject {
    Q_OBJECT
    WindowFixture f;

    QWidget* panel() const { return f.at<QWidget>(LayoutId::DrawingPanel); }
    QList<QLabel*> labels() const {
        QList<QLabel*> out;
        for (QLabel* l : panel()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (l->property("dimensionElement").toBool()) out << l;
        }
        return out;
    }
    QList<QLineEdit*> fields() const {
        return panel()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    }
    void openFamily(int family) { f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, family)); }
    void type(const QString& name, const QString& value) {
        auto* field = panel()->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(field, qPrintable(name));
        field->setText(value);
    }
    void chooseMaterial(int index) {
        auto* box = f.at<QComboBox>(LayoutId::MaterialBox);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void calculate() { f.click(f.at<QPushButton>(LayoutId::CalculateButton)); }

  private slots:
    void initTestCase() { f.open(); }

    void copyBeforeAnySuccessDoesNothing() {
        openFamily(1);
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        ui::showMessage(f.window.get(), QStringLiteral("before"));
        f.window->weldPage()->onCopyResultClick(f.at<QPushButton>(LayoutId::CopyWeightButton));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("before"));
        QVERIFY(!f.at<QPushButton>(LayoutId::CopyWeightButton)->isEnabled());
    }

    void family1BuildsFiveLabelsAtTheirPositions() {
        openFamily(1);
        QVERIFY(f.at<QWidget>(LayoutId::WeldPage)->isVisible());
        QVERIFY(!f.at<QWidget>(LayoutId::BarPage)->isVisible());
        QCOMPARE(f.text(LayoutId::WeldTitleLine), QStringLiteral("焊接-H型钢"));
        QCOMPARE(ui::userId(f.at<QPushButton>(LayoutId::CalculateButton)), 2001);
        const QList<QLabel*> l = labels();
        const QStringList names = {"h", "b", "tw", "t1", "t2"};
        const QList<QPoint> at = {{22, 155}, {130, 15}, {165, 160}, {225, 52}, {225, 252}};
        QCOMPARE(l.size(), 5);
        QCOMPARE(fields().size(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(l[i]->text(), names[i]);
            QCOMPARE(l[i]->geometry(), QRect(at[i], QSize(40, 20)));
            auto* field = panel()->findChild<QLineEdit*>(names[i]);
            QCOMPARE(field->geometry(), QRect(at[i] + QPoint(0, 15), QSize(80, 20)));
            // The drawing does not speak: the name carries the symbol and its meaning.
            QVERIFY2(field->accessibleName().startsWith(names[i] + QLatin1Char(' ')) &&
                         field->accessibleName().size() > names[i].size() + 1,
                     qPrintable(field->accessibleName()));
            QCOMPARE(field->placeholderText(), QStringLiteral("请输入"));
            QCOMPARE(field->toolTip(), QStringLiteral("请输入对应数值，就可以计算了，单位为mm"));
        }
        QCOMPARE(f.text(LayoutId::SurfaceFormulaLine).front(), QLatin1Char('b')); // no line feed
    }

    void tenLabelsInOrderThenTwo() {
        openFamily(5);
        QStringList names;
        for (QLabel* l : labels())
            names << l->text();
        QCOMPARE(names,
                 QStringList({"h1", "h2", "b1", "b2", "tw1", "tw2", "t1", "t2", "t3", "t4"}));
        openFamily(10);
        QCOMPARE(labels().size(), 2);
        QCOMPARE(fields().size(), 2);
    }

    void familiesWithoutAreaFormula_data() {
        QTest::addColumn<int>("family");
        QTest::newRow("wedge") << 9;
        QTest::newRow("welded ball") << 11;
        QTest::newRow("bolt ball") << 12;
    }
    void familiesWithoutAreaFormula() {
        QFETCH(int, family);
        openFamily(family);
        QCOMPARE(f.text(LayoutId::AreaFormulaLine), QStringLiteral("无截面面积公式可用。"));
    }

    void secondClickEmptiesTheFields() {
        openFamily(4);
        type("D", "219");
        openFamily(4);
        QCOMPARE(panel()->findChild<QLineEdit*>("D")->text(), QString());
    }

    void calculateShowCopyAndKeepOnFailure() {
        openFamily(1);
        type("h", "300");
        type("b", "200");
        type("tw", "8");
        type("t1", "10");
        type("t2", "12");
        f.at<QLineEdit>(LayoutId::DensityField)->clear();
        calculate();
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("你还没有选择材质类型，将影响重量相关的计算。"));
        chooseMaterial(0);
        QCOMPARE(f.at<QLineEdit>(LayoutId::DensityField)->text(), QStringLiteral("7850"));
        calculate();
        QCOMPARE(f.text(LayoutId::AreaResultLine), QStringLiteral("66.24c㎡"));
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("51.998Kg/m"));
        QCOMPARE(f.text(LayoutId::SurfaceResultLine), QStringLiteral("1.384㎡/m"));
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("计算完成，你可以将结果复制到剪贴板。"));

        // A failed check keeps the results and the copy buttons.
        type("b", "0");
        calculate();
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("您输入的 b 值有误，请检查后重新输入。"));
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("51.998Kg/m"));
        f.click(f.at<QPushButton>(LayoutId::CopyWeightButton));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("51.998Kg/m"));
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("内容已复制到剪辑版：51.998Kg/m"));
    }

    void resultOutOfRangeKeepsThePreviousOne() {
        openFamily(4);
        type("D", "219");
        type("t", "10");
        chooseMaterial(0);
        calculate();
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("51.543Kg/m"));
        type("D", "1e308");
        calculate();
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("计算结果超出范围，请检查输入的尺寸"));
        QCOMPARE(f.text(LayoutId::AreaResultLine), QStringLiteral("65.659c㎡"));
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("51.543Kg/m"));
    }

    void ballWeighsAPieceAndHasNoArea() {
        openFamily(11);
        type("D", "300");
        type("t", "10");
        chooseMaterial(0);
        calculate();
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("20.749Kg/个"));
        QCOMPARE(f.text(LayoutId::SurfaceResultLine), QStringLiteral("0.283㎡/个"));
        auto* area = f.at<QLabel>(LayoutId::AreaResultLine);
        QCOMPARE(area->text(), QStringLiteral("—"));
        QVERIFY(!area->toolTip().isEmpty());
        QVERIFY(area->accessibleDescription().contains(area->toolTip()));
        QVERIFY(!f.at<QPushButton>(LayoutId::CopyAreaButton)->isEnabled());
        QVERIFY(f.at<QPushButton>(LayoutId::CopyWeightButton)->isEnabled());
        // Back on a family with an area the note and the copy button return.
        openFamily(10);
        type("t", "10");
        type("b", "200");
        calculate();
        QCOMPARE(area->text(), QStringLiteral("20c㎡"));
        QVERIFY(area->toolTip().isEmpty());
        QVERIFY(f.at<QPushButton>(LayoutId::CopyAreaButton)->isEnabled());
    }

    void enterInAFieldCalculatesAndDensityCanBeTyped() {
        openFamily(10);
        type("t", "10");
        type("b", "200");
        f.at<QLineEdit>(LayoutId::DensityField)->setText(QStringLiteral("2700"));
        QTest::keyClick(panel()->findChild<QLineEdit*>("b"), Qt::Key_Return);
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("5.4Kg/m"));
        chooseMaterial(3);
        QCOMPARE(f.at<QLineEdit>(LayoutId::DensityField)->text(), QStringLiteral("7140"));
    }

    void enterInTheDensityFieldCalculates() {
        openFamily(10);
        type("t", "10");
        type("b", "200");
        auto* density = f.at<QLineEdit>(LayoutId::DensityField);
        density->setText(QStringLiteral("8900"));
        QTest::keyClick(density, Qt::Key_Return);
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("17.8Kg/m"));
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("计算完成，你可以将结果复制到剪贴板。"));
    }

    void tabFollowsTheDimensionOrder() {
        openFamily(1);
        auto* h = panel()->findChild<QLineEdit*>("h");
        QWidget* next = h->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, panel()->findChild<QLineEdit*>("b"));
    }
};

QTEST_MAIN(TestWeldPage)
#include "tst_weld_page.moc"
