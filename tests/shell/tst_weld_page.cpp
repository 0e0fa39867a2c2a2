#include "window_fixture.h"

#include "weld/weld_page.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/takeoff_panel.h"

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

    // What was typed stays with its family while the program runs.
    void typedDimensionsStayWithTheirFamily() {
        openFamily(4);
        type("D", "219");
        openFamily(4);
        QCOMPARE(panel()->findChild<QLineEdit*>("D")->text(), QStringLiteral("219"));
        openFamily(3);
        QCOMPARE(panel()->findChild<QLineEdit*>("b1")->text(), QString());
        type("b1", "400");
        openFamily(4);
        QCOMPARE(panel()->findChild<QLineEdit*>("D")->text(), QStringLiteral("219"));
        openFamily(3);
        QCOMPARE(panel()->findChild<QLineEdit*>("b1")->text(), QStringLiteral("400"));
    }

    // A result belongs to the inputs it came from: each change below takes it off the page,
    // with the copy buttons, the properties and the take-off totals.
    void resultsNeverOutliveTheirInputs_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("another family") << "family";
        QTest::newRow("another material") << "material";
        QTest::newRow("a dimension typed") << "dimension";
        QTest::newRow("a density typed") << "density";
        QTest::newRow("a refused dimension") << "refused";
        QTest::newRow("impossible geometry") << "geometry";
    }
    void resultsNeverOutliveTheirInputs() {
        QFETCH(QString, change);
        openFamily(1);
        for (const auto& [name, value] :
             {std::pair{"h", "400"}, {"b", "200"}, {"tw", "8"}, {"t1", "13"}, {"t2", "13"}})
            type(name, value);
        chooseMaterial(0);
        calculate();
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("64.307Kg/m"));
        auto* takeOff = f.window->weldPage()->takeOff();
        takeOff->partAs<QLineEdit>(TakeOffPanel::Part::LengthField)->setText("10");
        takeOff->partAs<QLineEdit>(TakeOffPanel::Part::CountField)->setText("6");
        QVERIFY(takeOff->totals().kilograms);
        QVERIFY(!f.window->weldPage()->propertiesLine().isEmpty());

        if (change == "family") {
            openFamily(3);
        } else if (change == "material") {
            chooseMaterial(1);
            QCOMPARE(f.at<QLineEdit>(LayoutId::DensityField)->text(), QStringLiteral("2700"));
        } else if (change == "dimension") {
            type("tw", "10");
        } else if (change == "density") {
            f.at<QLineEdit>(LayoutId::DensityField)->setText(QStringLiteral("7800"));
        } else if (change == "refused") {
            type("h", "-5");
            calculate();
            QCOMPARE(f.text(LayoutId::MessageLine),
                     QStringLiteral("您输入的 h 值有误，请检查后重新输入。"));
        } else {
            type("h", "20");
            calculate();
            QCOMPARE(f.text(LayoutId::MessageLine),
                     QStringLiteral("截面尺寸不成立：t1 + t2 必须小于 h。"));
        }
        for (LayoutId id :
             {LayoutId::AreaResultLine, LayoutId::WeightResultLine, LayoutId::SurfaceResultLine})
            QCOMPARE(f.text(id), QString());
        for (LayoutId id :
             {LayoutId::CopyAreaButton, LayoutId::CopyWeightButton, LayoutId::CopySurfaceButton})
            QVERIFY(!f.at<QPushButton>(id)->isEnabled());
        QVERIFY(!takeOff->totals().kilograms);
        QVERIFY(f.window->weldPage()->propertiesLine().isEmpty());
        // Nothing stale can be copied either.
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        f.window->weldPage()->onCopyResultClick(f.at<QPushButton>(LayoutId::CopyWeightButton));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
    }

    // The material box names what the density field holds: a typed density of a material
    // shows that material, any other one "自定义".
    void typedDensityShowsItsMaterial_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("aluminium") << "2700"
                                   << "铝材    2700 kg/m³";
        QTest::newRow("steel with decimals") << "7850.0"
                                             << "钢材    7850 kg/m³";
        QTest::newRow("no material") << "7800"
                                     << "自定义";
        QTest::newRow("unreadable") << "abc"
                                    << "自定义";
    }
    void typedDensityShowsItsMaterial() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        openFamily(10);
        chooseMaterial(2);
        auto* density = f.at<QLineEdit>(LayoutId::DensityField);
        density->selectAll();
        QTest::keyClicks(density, typed);
        QCOMPARE(f.at<QComboBox>(LayoutId::MaterialBox)->currentText(), shown);
    }

    void propertiesOfTheSectionAreShownAndCopied() {
        openFamily(4);
        type("D", "219");
        type("t", "8");
        chooseMaterial(0);
        calculate();
        QStringList lines;
        for (QLabel* l : f.at<QWidget>(LayoutId::WeldPage)->findChildren<QLabel*>()) {
            if (l->property("propertyLine").toBool()) lines << l->text();
        }
        QVERIFY2(lines.contains(QStringLiteral("A 53.03 cm²")), qPrintable(lines.join('|')));
        QVERIFY2(lines.contains(QStringLiteral("It 5911 cm⁴")), qPrintable(lines.join('|')));
        f.window->weldPage()->copyProperties();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("焊接-圆管 D=219 t=8 A=53.03 cm² I=2955 cm⁴ W=269.9 cm³ "
                                "i=7.465 cm It=5911 cm⁴ Wt=539.8 cm³ Wp=356.3 cm³"));
        // The balls have no section, and say so.
        openFamily(12);
        type("D", "219");
        calculate();
        QVERIFY(f.window->weldPage()->propertiesLine().isEmpty());
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

        f.click(f.at<QPushButton>(LayoutId::CopyWeightButton));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("51.998Kg/m"));
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("内容已复制到剪辑版：51.998Kg/m"));

        // A failed check leaves no result on the page, and the cursor in the field at fault.
        f.window->activateWindow();
        type("b", "0");
        calculate();
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("您输入的 b 值有误，请检查后重新输入。"));
        QCOMPARE(f.text(LayoutId::WeightResultLine), QString());
        QVERIFY(!f.at<QPushButton>(LayoutId::CopyWeightButton)->isEnabled());
    }

    // Typed text is read as one number or refused; it never becomes part of a formula.
    void typedTextNeverReachesAFormula_data() {
        QTest::addColumn<QString>("tw");
        QTest::newRow("sum") << "4+4";
        QTest::newRow("closing the expression") << "400)*1000+(1";
        QTest::newRow("letters") << "12abc";
        QTest::newRow("comma") << "1,5";
        QTest::newRow("exponent") << "1e308";
    }
    void typedTextNeverReachesAFormula() {
        QFETCH(QString, tw);
        openFamily(1);
        for (const auto& [name, value] :
             {std::pair{"h", "300"}, {"b", "200"}, {"t1", "10"}, {"t2", "12"}})
            type(name, value);
        type("tw", tw);
        chooseMaterial(0);
        calculate();
        QCOMPARE(f.text(LayoutId::MessageLine),
                 QStringLiteral("您输入的 tw 值有误，请检查后重新输入。"));
        QCOMPARE(f.text(LayoutId::AreaResultLine), QString());
        // Full-width digits are the number they show.
        type("tw", QStringLiteral("８"));
        calculate();
        QCOMPARE(f.text(LayoutId::AreaResultLine), QStringLiteral("66.24c㎡"));
    }

    void ballWeighsAPieceAndHasNoArea() {
        openFamily(11);
        type("D", "300");
        type("t", "10");
        chooseMaterial(0);
        calculate();
        QCOMPARE(f.text(LayoutId::WeightResultLine), QStringLiteral("20.749Kg/个"));
        QCOMPARE(f.window->findChild<QLabel*>("resultCaption1")->text(),
                 QStringLiteral("每个重量："));
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
        QCOMPARE(f.window->findChild<QLabel*>("resultCaption1")->text(),
                 QStringLiteral("每米重量："));
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
