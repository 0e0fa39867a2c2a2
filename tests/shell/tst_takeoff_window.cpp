// The take-off through the window: typed into its fields, following the selected row of the
// spec table and the weld result, and read as a screen-reader user reads it.
#include "window_fixture.h"

#include "ui/takeoff_panel.h"
#include "weld/weld_page.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <map>

using Part = TakeOffPanel::Part;

class TestTakeOffWindow : public QObject {
    Q_OBJECT
    WindowFixture f;

    TakeOffPanel* bar() const { return f.at<TakeOffPanel>(LayoutId::BarTakeOff); }
    TakeOffPanel* weld() const { return f.at<TakeOffPanel>(LayoutId::WeldTakeOff); }
    static QLineEdit* field(TakeOffPanel* panel, Part part) {
        return panel->partAs<QLineEdit>(part);
    }
    static QString line(TakeOffPanel* panel, Part part) {
        return panel->partAs<QLabel>(part)->text();
    }
    // Types as a user does, key by key, into an emptied field.
    static void type(TakeOffPanel* panel, Part part, const QString& text) {
        QLineEdit* edit = field(panel, part);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    SpecTableModel* model() const { return f.window->barPage()->model(); }
    QTableView* view() const { return f.at<QTableView>(LayoutId::SpecTableView); }
    void openStandard(int family, int subtype) {
        f.click(f.buttonWithUserId(LayoutId::BarFamilyBar, family));
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, subtype + 1000));
    }
    int columnOf(const QString& header) const {
        for (int c = 0; c < model()->columnCount(); ++c) {
            if (model()->headerData(c, Qt::Horizontal).toString() == header) return c;
        }
        return -1;
    }
    // The value of the shown table, as a number.
    double cell(int row, const QString& header) const {
        const int c = columnOf(header);
        return c < 0 ? 0 : model()->data(model()->index(row, c)).toString().trimmed().toDouble();
    }
    void clearFields(TakeOffPanel* panel) {
        for (Part p : {Part::LengthField, Part::WidthField, Part::CountField, Part::PriceField})
            field(panel, p)->clear();
    }
    // The first dimension (the depth or the diameter) is size, the others typical plates, so
    // that the section can be built.
    void calculateWeld(int family, const QString& size) {
        f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, family));
        const QList<QWidget*> fields = f.window->weldPage()->dimensionFields();
        for (QWidget* w : fields) {
            auto* field = qobject_cast<QLineEdit*>(w);
            const bool width = field->objectName().startsWith(QLatin1Char('b'));
            field->setText(
                w == fields.front() ? size : (width ? QStringLiteral("150") : QStringLiteral("8")));
        }
        auto* box = f.at<QComboBox>(LayoutId::MaterialBox);
        box->setCurrentIndex(0);
        emit box->activated(0);
        f.click(f.at<QPushButton>(LayoutId::CalculateButton));
    }
    // Depth-first through the accessible tree, as assistive technology walks it.
    static QAccessibleInterface* findAccessible(QAccessibleInterface* node, QAccessible::Role role,
                                                const std::function<bool(const QString&)>& name) {
        if (!node) return nullptr;
        if (node->role() == role && !node->state().invisible && name(node->text(QAccessible::Name)))
            return node;
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface* found = findAccessible(node->child(i), role, name))
                return found;
        }
        return nullptr;
    }

  private slots:
    void initTestCase() { f.open(); }
    void init() {
        ui::showMessage(f.window.get(), QString());
        clearFields(bar());
        clearFields(weld());
    }

    void totalsAsTheUserTypes_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("weightHeader");
        QTest::addColumn<QStringList>("typed"); // length, width, count
        QTest::addColumn<double>("factor");     // total kg = tabled weight × factor
        QTest::addColumn<bool>("surface");
        QTest::newRow("H section by the metre")
            << 19 << 79 << 3 << "重量(kg/m)" << QStringList{"10", "", "2"} << 20.0 << true;
        QTest::newRow("tube without surface")
            << 17 << 35 << 2 << "重量(kg/m)" << QStringList{"6", "", "5"} << 30.0 << false;
        QTest::newRow("plate by the square metre")
            << 25 << 42 << 20 << "重量(kg/m2)" << QStringList{"10", "2", "1"} << 20.0 << false;
        QTest::newRow("bolts by the set")
            << 33 << 77 << 0 << "重量(kg/千套)" << QStringList{"", "", "200"} << 0.2 << false;
    }
    void totalsAsTheUserTypes() {
        QFETCH(int, family);
        QFETCH(int, subtype);
        QFETCH(int, row);
        QFETCH(QString, weightHeader);
        QFETCH(QStringList, typed);
        QFETCH(double, factor);
        QFETCH(bool, surface);
        openStandard(family, subtype);
        QVERIFY(model()->rowCount() > row);
        view()->selectRow(row);
        const bool sheet = !typed[1].isEmpty(), sets = typed[0].isEmpty();
        QCOMPARE(field(bar(), Part::WidthField)->isVisible(), sheet);
        QCOMPARE(field(bar(), Part::LengthField)->isVisible(), !sets);
        QCOMPARE(field(bar(), Part::CountField)->accessibleName(),
                 sets ? QStringLiteral("套数") : QStringLiteral("数量"));
        QCOMPARE(bar()->part(Part::SurfaceLine)->isVisible(), surface);
        if (!sets) type(bar(), Part::LengthField, typed[0]);
        if (sheet) type(bar(), Part::WidthField, typed[1]);
        QCOMPARE(line(bar(), Part::WeightLine), QStringLiteral("总重 — kg"));
        type(bar(), Part::CountField, typed[2]);
        const double kg = cell(row, weightHeader) * factor;
        QVERIFY(kg > 0);
        QCOMPARE(line(bar(), Part::WeightLine), QStringLiteral("总重 %1 kg").arg(kg, 0, 'f', 2));
        QCOMPARE(line(bar(), Part::TonneLine),
                 QStringLiteral("总重 %1 t").arg(kg / 1000, 0, 'f', 3));
        if (surface)
            QCOMPARE(line(bar(), Part::SurfaceLine),
                     QStringLiteral("总表面积 %1 m²")
                         .arg(cell(row, "表面积(m2/m)") * factor, 0, 'f', 3));
        QCOMPARE(line(bar(), Part::CostLine), QStringLiteral("总价 — 元"));
        type(bar(), Part::PriceField, QStringLiteral("5000"));
        QCOMPARE(line(bar(), Part::CostLine), QStringLiteral("总价 %1 元").arg(kg * 5, 0, 'f', 2));
        QVERIFY(f.text(LayoutId::MessageLine).isEmpty());
    }

    void refusedNumbersClearTheTotals_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("decimal comma") << int(Part::LengthField) << "1,5"
                                       << "长度";
        QTest::newRow("negative length") << int(Part::LengthField) << "-6"
                                         << "长度";
        QTest::newRow("zero count") << int(Part::CountField) << "0"
                                    << "数量";
        QTest::newRow("fractional count") << int(Part::CountField) << "2.5"
                                          << "数量";
        QTest::newRow("absurd length") << int(Part::LengthField) << "2000000000"
                                       << "长度";
        QTest::newRow("word as price") << int(Part::PriceField) << "abc"
                                       << "单价";
    }
    void refusedNumbersClearTheTotals() {
        QFETCH(int, part);
        QFETCH(QString, text);
        QFETCH(QString, named);
        openStandard(19, 79);
        view()->selectRow(0);
        type(bar(), Part::LengthField, QStringLiteral("12"));
        type(bar(), Part::CountField, QStringLiteral("4"));
        type(bar(), Part::PriceField, QStringLiteral("4000"));
        QVERIFY(line(bar(), Part::WeightLine) != QStringLiteral("总重 — kg"));
        const QString good = field(bar(), Part(part))->text();
        type(bar(), Part(part), text);
        QVERIFY2(f.text(LayoutId::MessageLine).startsWith(named),
                 qPrintable(f.text(LayoutId::MessageLine)));
        for (Part result : {Part::WeightLine, Part::TonneLine, Part::SurfaceLine, Part::CostLine})
            QVERIFY2(line(bar(), result).contains(QStringLiteral(" — ")),
                     qPrintable(line(bar(), result)));
        // Put right, the totals come back and the refusal goes.
        type(bar(), Part(part), good);
        QVERIFY(line(bar(), Part::WeightLine) != QStringLiteral("总重 — kg"));
        QVERIFY(f.text(LayoutId::MessageLine).isEmpty());
    }

    void emptyFieldsGiveNoTotalNotZero() {
        openStandard(19, 79);
        view()->selectRow(0);
        type(bar(), Part::LengthField, QStringLiteral("12"));
        type(bar(), Part::CountField, QStringLiteral("4"));
        field(bar(), Part::LengthField)->clear();
        QCOMPARE(line(bar(), Part::WeightLine), QStringLiteral("总重 — kg"));
        QCOMPARE(line(bar(), Part::TonneLine), QStringLiteral("总重 — t"));
        QVERIFY(f.text(LayoutId::MessageLine).isEmpty());
    }

    void totalsFollowTheSelectedRow() {
        openStandard(19, 79);
        view()->selectRow(0);
        type(bar(), Part::LengthField, QStringLiteral("10"));
        type(bar(), Part::CountField, QStringLiteral("1"));
        for (int row : {1, 5, 2}) {
            view()->selectRow(row);
            QCOMPARE(line(bar(), Part::WeightLine),
                     QStringLiteral("总重 %1 kg").arg(cell(row, "重量(kg/m)") * 10, 0, 'f', 2));
        }
        QTest::keyClick(view(), Qt::Key_Down);
        QCOMPARE(line(bar(), Part::WeightLine),
                 QStringLiteral("总重 %1 kg").arg(cell(3, "重量(kg/m)") * 10, 0, 'f', 2));
        // Another standard has no row selected yet: a note, no stale totals.
        f.click(f.buttonWithUserId(LayoutId::StandardsBar, 1029));
        QVERIFY(bar()->part(Part::NoteLine)->isVisible());
        QVERIFY(!bar()->part(Part::WeightLine)->isVisible());
        QVERIFY(!bar()->totals().kilograms);
        QVERIFY(field(bar(), Part::LengthField)->isEnabled());
        // The typed length and count stay for the next row.
        view()->selectRow(0);
        QCOMPARE(line(bar(), Part::WeightLine),
                 QStringLiteral("总重 %1 kg").arg(cell(0, "重量(kg/m)") * 10, 0, 'f', 2));
    }

    // Over a small catalogue: a plate row whose weight cell is empty, and a standard that
    // shows no weight column, get no take-off, and say so.
    void rowsWithoutWeightHaveNoTakeOff() {
        CatalogueDatabase db;
        db.build({
            {"BARTOWELD", "\"ID\",\"BARID\",\"WELDID\"\r\n"},
            {"SECTIONTABLE",
             "\"ID\",\"TYPE\",\"NAME\",\"ICON\",\"ICONCOUNT\",\"IMAGE\",\"NORMTABLE\",\"ORDER\"\r\n"
             "\"19\",\"1\",\"钢板\",,\"3\",,\"热轧_钢板\",\"0\"\r\n"},
            {"SUBTYPES", "\"ID\",\"NAME\",\"SECTIONID\",\"REMARK\",\"ORDER\",\"SHOWCOLS\"\r\n"
                         "\"79\",\"钢板\",\"19\",,\"0\",\"厚度,钢板重量\"\r\n"
                         "\"80\",\"只有厚度\",\"19\",,\"1\",\"厚度\"\r\n"},
            {"HEADERNAMES", "\"ID\",\"INDEX\",\"HEADERNAME\"\r\n"
                            "\"8\",\"厚度\",\"厚度(mm)\"\r\n"
                            "\"24\",\"钢板重量\",\"重量(kg/m2)\"\r\n"},
            {"热轧_钢板", "\"ID\",\"SUBTYPEID\",\"厚度\",\"钢板重量\"\r\n"
                          "\"1\",\"79\",\"10\",\"78.5\"\r\n"
                          "\"2\",\"79\",\"12\",\r\n"
                          "\"3\",\"80\",\"14\",\r\n"},
        });
        QVERIFY(db.loadErrors().empty());
        const CatalogueQueries queries(db);
        MainWindow window(queries);
        window.resize(1000, 640);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* panel = ui::element<TakeOffPanel>(&window, LayoutId::BarTakeOff);
        auto* table = ui::element<QTableView>(&window, LayoutId::SpecTableView);
        QCOMPARE(window.barPage()->model()->rowCount(), 2);
        table->selectRow(0);
        type(panel, Part::LengthField, QStringLiteral("2"));
        type(panel, Part::WidthField, QStringLiteral("1.5"));
        type(panel, Part::CountField, QStringLiteral("1"));
        QCOMPARE(line(panel, Part::WeightLine), QStringLiteral("总重 235.50 kg"));
        table->selectRow(1);
        QVERIFY(panel->part(Part::NoteLine)->isVisible());
        QVERIFY(!panel->part(Part::WeightLine)->isVisible());
        QVERIFY(!panel->totals().kilograms);
        for (Part p : {Part::LengthField, Part::CountField, Part::PriceField, Part::CopyButton})
            QVERIFY(!panel->part(p)->isEnabled());
        QCOMPARE(panel->partAs<QLabel>(Part::NoteLine)->text(),
                 QStringLiteral("该规格没有重量数值，不能计算用量。"));
        window.barPage()->fillSpecTable(80);
        table->selectRow(0);
        QCOMPARE(panel->partAs<QLabel>(Part::NoteLine)->text(),
                 QStringLiteral("该标准没有重量列，不能计算用量。"));
        QVERIFY(!panel->part(Part::CountField)->isEnabled());
        // Back on a row with a weight, the kept fields count again.
        window.barPage()->fillSpecTable(79);
        table->selectRow(0);
        QCOMPARE(line(panel, Part::WeightLine), QStringLiteral("总重 235.50 kg"));
    }

    void copiedLineNamesTheRowAndTotals() {
        openStandard(19, 79);
        view()->selectRow(3);
        type(bar(), Part::LengthField, QStringLiteral("10"));
        type(bar(), Part::CountField, QStringLiteral("2"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        f.click(bar()->partAs<QPushButton>(Part::CopyButton));
        const QString copied = QApplication::clipboard()->text();
        const QString designation = model()->data(model()->index(3, 1)).toString();
        QVERIFY2(
            copied.startsWith(f.text(LayoutId::StandardNameLine) + QLatin1Char(' ') + designation),
            qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("长度 10 m，数量 2，")));
        QVERIFY(copied.contains(
            QStringLiteral("总重 %1 kg").arg(cell(3, "重量(kg/m)") * 20, 0, 'f', 2)));
        QVERIFY(!copied.contains(QLatin1Char('\n')));
        QCOMPARE(f.text(LayoutId::MessageLine), QStringLiteral("已复制到剪贴板：") + copied);
        // With nothing to total, nothing is copied.
        field(bar(), Part::CountField)->clear();
        f.click(bar()->partAs<QPushButton>(Part::CopyButton));
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    void weldTakeOffFollowsTheCalculation() {
        f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, 1));
        const std::map<QString, double> size = {
            {"h", 300}, {"b", 200}, {"tw", 8}, {"t1", 10}, {"t2", 12}};
        for (QWidget* w : f.window->weldPage()->dimensionFields()) {
            QVERIFY(size.count(w->objectName()));
            qobject_cast<QLineEdit*>(w)->setText(QString::number(size.at(w->objectName())));
        }
        auto* box = f.at<QComboBox>(LayoutId::MaterialBox);
        box->setCurrentIndex(0);
        emit box->activated(0);
        f.click(f.at<QPushButton>(LayoutId::CalculateButton));
        type(weld(), Part::LengthField, QStringLiteral("10"));
        type(weld(), Part::CountField, QStringLiteral("3"));
        // Two flanges and the web, in m², times the density: the total multiplies the full
        // weight per metre, not the three decimals its line shows.
        const double area = (200 * 10 + 200 * 12 + (300 - 10 - 12) * 8) * 1e-6;
        const double density = f.at<QLineEdit>(LayoutId::DensityField)->text().toDouble();
        const QString first = line(weld(), Part::WeightLine);
        QCOMPARE(first, QStringLiteral("总重 %1 kg").arg(area * density * 30, 0, 'f', 2));
        // A new calculation with other dimensions updates the totals.
        for (QWidget* w : f.window->weldPage()->dimensionFields())
            qobject_cast<QLineEdit*>(w)->setText(QStringLiteral("30"));
        f.click(f.at<QPushButton>(LayoutId::CalculateButton));
        QVERIFY(line(weld(), Part::WeightLine) != first);
        // Another family: the old section's totals go.
        f.click(f.buttonWithUserId(LayoutId::WeldFamilyBar, 4));
        QVERIFY(!weld()->totals().kilograms);
    }

    void aBallIsCountedByThePiece() {
        calculateWeld(11, QStringLiteral("200"));
        QVERIFY(!field(weld(), Part::LengthField)->isVisible());
        type(weld(), Part::CountField, QStringLiteral("8"));
        const double piece =
            f.text(LayoutId::WeightResultLine).remove(QStringLiteral("Kg/个")).toDouble();
        QVERIFY(piece > 0);
        QVERIFY(std::abs(weld()->totals().kilograms.value() - piece * 8) < 0.0005 * 8);
    }

    // A screen-reader user finds the fields by their names, types through the accessible
    // text interface, and hears the total line by its name, which is what it shows.
    void readThroughAccessibleNames() {
        openStandard(19, 79);
        view()->selectRow(2);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(f.window.get());
        auto named = [](const QString& wanted) {
            return [wanted](const QString& name) { return name == wanted; };
        };
        for (const auto& [name, text] : {std::pair{QStringLiteral("长度(m)"), QStringLiteral("10")},
                                         std::pair{QStringLiteral("数量"), QStringLiteral("2")}}) {
            QAccessibleInterface* edit =
                findAccessible(root, QAccessible::EditableText, named(name));
            QVERIFY2(edit, qPrintable(name));
            QVERIFY(edit->editableTextInterface());
            edit->editableTextInterface()->insertText(0, text);
        }
        const QString expected =
            QStringLiteral("总重 %1 kg").arg(cell(2, "重量(kg/m)") * 20, 0, 'f', 2);
        QAccessibleInterface* total =
            findAccessible(root, QAccessible::StaticText, [](const QString& name) {
                return name.startsWith(QStringLiteral("总重 ")) &&
                       name.endsWith(QStringLiteral(" kg"));
            });
        QVERIFY(total);
        QCOMPARE(total->text(QAccessible::Name), expected);
        QCOMPARE(total->text(QAccessible::Description), QStringLiteral("总重(kg)"));
        QVERIFY(findAccessible(root, QAccessible::Button, named(QStringLiteral("复制用量"))));
        QVERIFY(
            findAccessible(root, QAccessible::EditableText, named(QStringLiteral("单价(元/吨)"))));
    }

    void tabVisitsTheFieldsInOrder() {
        openStandard(25, 42);
        view()->selectRow(0);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        field(bar(), Part::LengthField)->setFocus();
        QCOMPARE(QApplication::focusWidget(), field(bar(), Part::LengthField));
        for (Part next : {Part::WidthField, Part::CountField, Part::PriceField, Part::CopyButton}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), bar()->part(next));
        }
        // On the weld page the take-off follows the calculate button in its row, before the
        // results' copy buttons.
        calculateWeld(1, QStringLiteral("300"));
        auto* calculate = f.at<QPushButton>(LayoutId::CalculateButton);
        calculate->setFocus();
        const QList<QWidget*> chain = {
            weld()->part(Part::LengthField),         weld()->part(Part::CountField),
            weld()->part(Part::PriceField),          weld()->part(Part::CopyButton),
            f.at<QWidget>(LayoutId::AreaResultLine), f.at<QWidget>(LayoutId::CopyAreaButton)};
        for (QWidget* next : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(TestTakeOffWindow)
#include "tst_takeoff_window.moc"
