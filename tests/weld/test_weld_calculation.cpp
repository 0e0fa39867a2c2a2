#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
#include "sections/section_properties.h"
#include "weld/materials.h"
#include "weld/text_helpers.h"
#include "weld/weld_calculation.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <random>

namespace {

using Fields = std::map<std::string, std::string>;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

Fields fieldsOf(const QStringList& pairs) {
    Fields fields;
    for (int k = 0; k + 1 < pairs.size(); k += 2)
        fields[pairs[k].toStdString()] = pairs[k + 1].toStdString();
    return fields;
}

const QStringList hSection = {"h", "300", "b", "200", "tw", "8", "t1", "10", "t2", "12"};

// Value of a result line without its unit.
double lineValue(const std::string& line) {
    return textToNumber(line);
}

} // namespace

class TestWeldCalculation : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void workedCases_data();
    void workedCases();
    void validation_data();
    void validation();
    void checkStopsAtFirstFailingField();
    void roundHalfUpCases_data();
    void roundHalfUpCases();
    void materialsInOrder();
    void weightIsAreaTimesDensity();
    void wedgeMatchesGeometry();
    void ballsMatchGeometry();
    void geometryFaults_data();
    void geometryFaults();
    void outlineAreaMatchesFormula_data();
    void outlineAreaMatchesFormula();
    void builtUpProperties_data();
    void builtUpProperties();
    void familiesWithoutASection_data();
    void familiesWithoutASection();
    void outOfRange_data();
    void outOfRange();
    void largeButFiniteIsShown();

  private:
    WeldCalculation calculate(int family, const Fields& fields, const std::string& density) {
        return calculateWeld(
            *m_queries, family,
            [&fields](const std::string& name) {
                const auto it = fields.find(name);
                return it == fields.end() ? std::string() : it->second;
            },
            density);
    }

    CatalogueDatabase m_db;
    std::unique_ptr<CatalogueQueries> m_queries;
};

void TestWeldCalculation::initTestCase() {
    m_db.build(builtInCatalogue());
    // Only the two weld tables matter here; other tables' load errors are not ours to judge.
    QCOMPARE(m_db.query("select count(*) from WELDCALCINFO").cell(1, 0), std::string("13"));
    QCOMPARE(m_db.query("select count(*) from WELDMARKINFO").cell(1, 0), std::string("56"));
    m_queries = std::make_unique<CatalogueQueries>(m_db);
}

void TestWeldCalculation::workedCases_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("surface");
    QTest::newRow("H steel") << 1 << hSection << "7850"
                             << "66.24c㎡"
                             << "51.998Kg/m"
                             << "1.384㎡/m";
    QTest::newRow("H copper") << 1 << hSection << "8900"
                              << "66.24c㎡"
                              << "58.954Kg/m"
                              << "1.384㎡/m";
    QTest::newRow("tube steel") << 4 << QStringList{"D", "219", "t", "10"} << "7850"
                                << "65.659c㎡"
                                << "51.543Kg/m"
                                << "0.688㎡/m";
    QTest::newRow("plate aluminium") << 10 << QStringList{"t", "10", "b", "200"} << "2700"
                                     << "20c㎡"
                                     << "5.4Kg/m"
                                     << "0.42㎡/m";
    QTest::newRow("plate zinc binds 7.14") << 10 << QStringList{"t", "10", "b", "200"} << "7140"
                                           << "20c㎡"
                                           << "14.28Kg/m"
                                           << "0.42㎡/m";
    // A ball weighs one piece and has no section: no area, weight and surface per piece.
    QTest::newRow("bolt ball steel") << 12 << QStringList{"D", "219"} << "7850"
                                     << "—"
                                     << "43.172Kg/个"
                                     << "0.151㎡/个";
    QTest::newRow("welded ball steel") << 11 << QStringList{"D", "300", "t", "10"} << "7850"
                                       << "—"
                                       << "20.749Kg/个"
                                       << "0.283㎡/个";
    // Full-width digits are read as the digits they are, as the take-off reads them.
    QTest::newRow("full-width digits")
        << 6 << QStringList{"h", "３００", "b", "200", "t1", "８", "t2", "10"} << "7850"
        << "43.2c㎡"
        << "33.912Kg/m"
        << "1㎡/m";
    QTest::newRow("blanks around a number")
        << 6 << QStringList{"h", " 300 ", "b", "200", "t1", "8", "t2", "10"} << "7850"
        << "43.2c㎡"
        << "33.912Kg/m"
        << "1㎡/m";
    QTest::newRow("density typed by hand") << 10 << QStringList{"t", "10", "b", "200"} << "1000"
                                           << "20c㎡"
                                           << "2Kg/m"
                                           << "0.42㎡/m";
    QTest::newRow("smallest accepted dimension")
        << 10 << QStringList{"t", "10", "b", "0.0000002"} << "7850"
        << "0c㎡"
        << "0Kg/m"
        << "0.02㎡/m";
}

void TestWeldCalculation::workedCases() {
    QFETCH(int, family);
    QFETCH(QStringList, fields);
    QFETCH(QString, density);
    QFETCH(QString, area);
    QFETCH(QString, weight);
    QFETCH(QString, surface);
    const WeldCalculation result = calculate(family, fieldsOf(fields), density.toStdString());
    QVERIFY(result.ok);
    QCOMPARE(q(result.message), QStringLiteral("计算完成，你可以将结果复制到剪贴板。"));
    QCOMPARE(q(result.areaLine), area);
    QCOMPARE(q(result.weightLine), weight);
    QCOMPARE(q(result.surfaceLine), surface);
}

void TestWeldCalculation::validation_data() {
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("message");
    const QString wrongB = QStringLiteral("您输入的 b 值有误，请检查后重新输入。");
    QTest::newRow("empty") << ""
                           << "7850"
                           << "你还没有输入 b 的数值。";
    QTest::newRow("zero") << "0"
                          << "7850" << wrongB;
    QTest::newRow("letters") << "abc"
                             << "7850" << wrongB;
    QTest::newRow("negative") << "-200"
                              << "7850" << wrongB;
    QTest::newRow("at the limit") << "0.0000001"
                                  << "7850" << wrongB;
    QTest::newRow("infinity spelled") << "Infinity"
                                      << "7850" << wrongB;
    // Typed text never reaches a formula: whatever is more than one plain number is refused.
    QTest::newRow("arithmetic") << "4+4"
                                << "7850" << wrongB;
    QTest::newRow("difference") << "5-3"
                                << "7850" << wrongB;
    QTest::newRow("closing the expression") << "400)*1000+(1"
                                            << "7850" << wrongB;
    QTest::newRow("unit after the number") << "200mm"
                                           << "7850" << wrongB;
    QTest::newRow("letters after the number") << "12abc"
                                              << "7850" << wrongB;
    QTest::newRow("comma in a point locale") << "1,5"
                                             << "7850" << wrongB;
    QTest::newRow("leading plus") << "+200"
                                  << "7850" << wrongB;
    QTest::newRow("exponent") << "2e2"
                              << "7850" << wrongB;
    QTest::newRow("nan") << "nan"
                         << "7850" << wrongB;
    QTest::newRow("a later name") << "8l"
                                  << "7850" << wrongB;
    QTest::newRow("two points") << "1.2.3"
                                << "7850" << wrongB;
    QTest::newRow("emoji") << "200😀"
                           << "7850" << wrongB;
    QTest::newRow("script") << "Math.sqrt(4)"
                            << "7850" << wrongB;
    QTest::newRow("SQL") << "1; drop table SECTIONTABLE"
                         << "7850" << wrongB;
    QTest::newRow("30000 digits") << QString(30000, QLatin1Char('9')) << "7850" << wrongB;
    QTest::newRow("over a billion") << "1000000001"
                                    << "7850" << wrongB;
    const QString wrongDensity = QStringLiteral("您输入的密度值有误，请检查后重新输入。");
    QTest::newRow("density letters") << "200"
                                     << "abc" << wrongDensity;
    QTest::newRow("density with a comma") << "200"
                                          << "7,85" << wrongDensity;
    QTest::newRow("density negative") << "200"
                                      << "-7850" << wrongDensity;
    QTest::newRow("density zero") << "200"
                                  << "0" << wrongDensity;
    QTest::newRow("density exponent") << "200"
                                      << "7.85e3" << wrongDensity;
    QTest::newRow("no material") << "200"
                                 << ""
                                 << "你还没有选择材质类型，将影响重量相关的计算。";
    QTest::newRow("field before material") << ""
                                           << ""
                                           << "你还没有输入 b 的数值。";
}

void TestWeldCalculation::validation() {
    QFETCH(QString, b);
    QFETCH(QString, density);
    QFETCH(QString, message);
    Fields fields = fieldsOf(hSection);
    fields["b"] = b.toStdString();
    const WeldCalculation result = calculate(1, fields, density.toStdString());
    QVERIFY(!result.ok);
    QCOMPARE(q(result.message), message);
    QVERIFY(!result.refusedField.empty());
    QVERIFY(result.areaLine.empty() && result.weightLine.empty() && result.surfaceLine.empty());
}

void TestWeldCalculation::outOfRange_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("density");
    QTest::addColumn<QString>("message");
    // Exponents are not plain numbers: the values that once overflowed the formulas are
    // refused at their field.
    QTest::newRow("tube diameter 1e308") << 4 << QStringList{"D", "1e308", "t", "10"} << "7850"
                                         << "您输入的 D 值有误，请检查后重新输入。";
    QTest::newRow("density 1e308") << 10 << QStringList{"t", "10", "b", "200"} << "1e308"
                                   << "您输入的密度值有误，请检查后重新输入。";
}

void TestWeldCalculation::outOfRange() {
    QFETCH(int, family);
    QFETCH(QStringList, fields);
    QFETCH(QString, density);
    QFETCH(QString, message);
    const WeldCalculation result = calculate(family, fieldsOf(fields), density.toStdString());
    QVERIFY(!result.ok);
    QCOMPARE(q(result.message), message);
    QVERIFY(result.areaLine.empty() && result.weightLine.empty() && result.surfaceLine.empty());
}

void TestWeldCalculation::largeButFiniteIsShown() {
    // The largest dimensions a field takes still give finite numbers.
    const WeldCalculation result =
        calculate(10, fieldsOf({"t", "1000000000", "b", "1000000000"}), "7850");
    QVERIFY(result.ok);
    QCOMPARE(q(result.areaLine), QStringLiteral("1e+16c㎡"));
}

void TestWeldCalculation::checkStopsAtFirstFailingField() {
    QStringList asked;
    const WeldCalculation result = calculateWeld(
        *m_queries, 1,
        [&asked](const std::string& name) {
            asked << q(name);
            return name == "tw" ? std::string("0") : std::string();
        },
        "");
    QCOMPARE(q(result.message), QStringLiteral("你还没有输入 h 的数值。"));
    QCOMPARE(asked, QStringList{"h"});
}

void TestWeldCalculation::roundHalfUpCases_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("down") << 51.9984 << 51.998;
    QTest::newRow("half up") << 0.0005 << 0.001;
    QTest::newRow("below half") << 0.00049 << 0.0;
    QTest::newRow("negative away from zero") << -1.2345 << -1.235;
    QTest::newRow("stored just below a half") << 1.0005 << 1.001;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("already three decimals") << 66.24 << 66.24;
    QTest::newRow("tiny negative rounds to plain zero") << -0.0001 << 0.0;
    QTest::newRow("huge value stays finite") << 1e306 << 1e306;
    QTest::newRow("huge negative value stays finite") << -1e306 << -1e306;
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << std::numeric_limits<double>::max();
}

void TestWeldCalculation::roundHalfUpCases() {
    QFETCH(double, value);
    QFETCH(double, expected);
    const double rounded = roundHalfUp(value, 3);
    QCOMPARE(rounded, expected);
    // A result line never reads "-0".
    QCOMPARE(std::signbit(rounded), std::signbit(expected));
}

void TestWeldCalculation::materialsInOrder() {
    const auto& table = materialTable();
    QCOMPARE(table.size(), std::size_t(4));
    const char* const names[] = {"钢材", "铝材", "铜", "锌"};
    const char* const densities[] = {"7850", "2700", "8900", "7140"};
    for (std::size_t k = 0; k < 4; ++k) {
        QCOMPARE(q(table[k].first), QString::fromUtf8(names[k]));
        QCOMPARE(q(table[k].second), QString::fromUtf8(densities[k]));
    }
}

// cm² × g/cm³ → kg/m is a factor of 1/10 for every family that has an area formula, so a
// name bound to the wrong value or replaced inside another shows up as a mismatch.
void TestWeldCalculation::weightIsAreaTimesDensity() {
    const TextGrid families =
        m_db.query("select SECTIONID from WELDCALCINFO where AREA <> '' order by ID");
    QVERIFY(families.rowCount > 8);
    std::mt19937 random(7u);
    const auto draw = [&random](double low, double high) {
        const double value = std::uniform_real_distribution<double>(low, high)(random);
        return numberToText(std::round(value * 10) / 10);
    };
    for (int r = 1; r < families.rowCount; ++r) {
        const int family = std::stoi(families.cell(r, 0));
        const TextGrid marks = m_queries->weldMarksOfFamily(families.cell(r, 0));
        for (int trial = 0; trial < 40; ++trial) {
            Fields fields;
            for (int m = 1; m < marks.rowCount; ++m) {
                const std::string& name = marks.cell(m, 2);
                // Thicknesses are small against the overall sizes, so every part is positive.
                if (name[0] == 't')
                    fields[name] = draw(2, 30);
                else if (name == "D1" || name == "D2")
                    fields[name] = draw(15, 60);
                else if (name == "c") // a lip no thinner than the wall, and short of half h
                    fields[name] = draw(30, 90);
                else
                    fields[name] = draw(200, 1000);
            }
            for (const auto& [material, density] : materialTable()) {
                const WeldCalculation result = calculate(family, fields, density);
                // A drawn cross may put one H's flanges into the other's: refused, not weighed.
                if (family == 5 && result.message.rfind("截面尺寸不成立", 0) == 0) continue;
                QVERIFY2(result.ok, result.message.c_str());
                const double p = textToNumber(density) / 1000;
                const double area = lineValue(result.areaLine);
                const double weight = lineValue(result.weightLine);
                QVERIFY2(area > 0, result.areaLine.c_str());
                QVERIFY(lineValue(result.surfaceLine) > 0);
                const double tolerance = 0.0005 * (1 + p / 10) + 1e-9;
                QVERIFY2(
                    std::fabs(weight - area * p / 10) <= tolerance,
                    qPrintable(QStringLiteral("family %1 %2: %3 vs %4")
                                   .arg(family)
                                   .arg(q(material), q(result.weightLine), q(result.areaLine))));
            }
        }
    }
}

void TestWeldCalculation::wedgeMatchesGeometry() {
    const double h1 = 500, h2 = 300, b = 200, tw = 8, t1 = 10, t2 = 12, l = 1000, p = 7.85;
    // Inclined top flange, level bottom flange, trapezoidal web; mm³ × g/cm³ / 1e6 = kg.
    const double topFlange = b * t1 * std::hypot(l, h1 - h2);
    const double bottomFlange = b * t2 * l;
    const double web = ((h1 - t1 - t2) + (h2 - t1 - t2)) / 2 * tw * l;
    const double weight = (topFlange + bottomFlange + web) * p / 1e6;
    const WeldCalculation result = calculate(
        9, fieldsOf({"h1", "500", "h2", "300", "b", "200", "tw", "8", "t1", "10", "t2", "12"}),
        "7850");
    QVERIFY(result.ok);
    QCOMPARE(q(result.areaLine), QStringLiteral("—"));
    QVERIFY(!result.areaNote.empty());
    QVERIFY(result.weightLine.ends_with("Kg/m"));
    QVERIFY2(std::fabs(lineValue(result.weightLine) - weight) <= 0.0005 + 1e-9,
             result.weightLine.c_str());
}

void TestWeldCalculation::ballsMatchGeometry() {
    const double D = 400, t = 16, p = 7.85;
    const double pi = std::numbers::pi;
    const auto sphere = [pi](double radius) { return 4.0 / 3.0 * pi * radius * radius * radius; };
    const double surface = 4 * pi * (D / 2) * (D / 2) / 1e6;

    const WeldCalculation welded = calculate(11, fieldsOf({"D", "400", "t", "16"}), "7850");
    QVERIFY(welded.ok);
    const double shell = (sphere(D / 2) - sphere(D / 2 - t)) * p / 1e6;
    QVERIFY2(std::fabs(lineValue(welded.weightLine) - shell) <= 0.0005 + 1e-6,
             welded.weightLine.c_str());
    QVERIFY(std::fabs(lineValue(welded.surfaceLine) - surface) <= 0.0005 + 1e-9);

    const WeldCalculation bolt = calculate(12, fieldsOf({"D", "400"}), "7850");
    QVERIFY(bolt.ok);
    QVERIFY2(std::fabs(lineValue(bolt.weightLine) - sphere(D / 2) * p / 1e6) <= 0.0005 + 1e-6,
             bolt.weightLine.c_str());
    QVERIFY(std::fabs(lineValue(bolt.surfaceLine) - surface) <= 0.0005 + 1e-9);
}

// Typical dimensions of every weld family, all conditions of its drawing met.
static const std::map<int, QStringList> typicalSections = {
    {1, {"h", "300", "b", "200", "tw", "8", "t1", "10", "t2", "12"}},
    {2, {"h", "400", "b1", "200", "b2", "300", "tw", "8", "t1", "10", "t2", "14"}},
    {3, {"b1", "400", "b2", "300", "t1", "12", "t2", "16"}},
    {4, {"D", "219", "t", "8"}},
    {5, {"h1",  "500", "h2", "480", "b1", "200", "b2", "220", "tw1", "10",
         "tw2", "12",  "t1", "14",  "t2", "16",  "t3", "18",  "t4",  "20"}},
    {6, {"h", "300", "b", "200", "t1", "8", "t2", "12"}},
    {7, {"h", "600", "b", "500", "D1", "30", "D2", "40", "t1", "20", "t2", "12"}},
    {8, {"h", "200", "b", "70", "c", "20", "t", "3"}},
    {9, {"h1", "500", "h2", "300", "b", "200", "tw", "8", "t1", "10", "t2", "12"}},
    {10, {"t", "10", "b", "200"}},
    {11, {"D", "300", "t", "10"}},
    {12, {"D", "219"}},
    {24, {"h", "200", "b", "70", "c", "20", "t", "3"}},
};

static QStringList withValue(QStringList fields, const QString& name, const QString& value) {
    fields[fields.indexOf(name) + 1] = value;
    return fields;
}

void TestWeldCalculation::geometryFaults_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("fault"); // empty: the section can be built
    const auto& t = typicalSections;
    for (const auto& [family, fields] : t)
        QTest::addRow("family %d typical", family) << family << fields << "";
    QTest::newRow("H shallower than its flanges")
        << 1 << withValue(t.at(1), "h", "20") << "t1 + t2 必须小于 h";
    QTest::newRow("H flanges exactly the depth")
        << 1 << withValue(t.at(1), "h", "22") << "t1 + t2 必须小于 h";
    QTest::newRow("H web wider than flange")
        << 1 << withValue(t.at(1), "tw", "250") << "腹板厚度 tw 必须小于翼缘宽度 b";
    QTest::newRow("unequal H narrow bottom flange")
        << 2 << withValue(t.at(2), "b2", "6") << "腹板厚度 tw 必须小于翼缘宽度 b2";
    QTest::newRow("box side plates fill the width")
        << 3 << withValue(t.at(3), "t1", "150") << "2 × t1 必须小于 b2";
    QTest::newRow("box top plates fill the height")
        << 3 << withValue(t.at(3), "t2", "200") << "2 × t2 必须小于 b1";
    QTest::newRow("tube wall over the radius")
        << 4 << QStringList{"D", "100", "t", "80"} << "壁厚 t 必须小于 D/2";
    QTest::newRow("tube solid") << 4 << QStringList{"D", "100", "t", "50"} << "壁厚 t 必须小于 D/2";
    QTest::newRow("cross vertical flanges over the depth")
        << 5 << withValue(t.at(5), "h1", "30") << "t1 + t2 必须小于 h1";
    QTest::newRow("cross horizontal arm too short")
        << 5 << withValue(t.at(5), "h2", "40") << "t3 + t4 + tw1 必须小于 h2";
    QTest::newRow("cross flanges collide")
        << 5 << withValue(withValue(t.at(5), "b2", "490"), "h2", "150")
        << "竖向上翼缘(b1×t1)与横向左翼缘(b2×t3)重叠，请检查尺寸";
    QTest::newRow("T flange over the depth")
        << 6 << withValue(t.at(6), "t2", "300") << "翼缘厚度 t2 必须小于 h";
    QTest::newRow("box girder webs meet")
        << 7 << withValue(t.at(7), "D2", "470") << "D1 + D2 + 2 × t2 必须小于 b";
    QTest::newRow("C lips meet") << 8 << withValue(t.at(8), "c", "100") << "2 × c 必须小于 h";
    QTest::newRow("C lip thinner than its wall")
        << 8 << withValue(t.at(8), "c", "2") << "卷边高度 c 不得小于壁厚 t";
    QTest::newRow("C walls fill the width")
        << 8 << withValue(t.at(8), "t", "35") << "2 × t 必须小于 b";
    QTest::newRow("Z lips meet") << 24 << withValue(t.at(24), "c", "150") << "2 × c 必须小于 h";
    QTest::newRow("wedge small end over its flanges")
        << 9 << withValue(t.at(9), "h2", "22") << "t1 + t2 必须小于 h2";
    QTest::newRow("welded ball wall over the radius")
        << 11 << QStringList{"D", "100", "t", "80"} << "壁厚 t 必须小于 D/2";
}

void TestWeldCalculation::geometryFaults() {
    QFETCH(int, family);
    QFETCH(QStringList, fields);
    QFETCH(QString, fault);
    const WeldCalculation result = calculate(family, fieldsOf(fields), "7850");
    if (fault.isEmpty()) {
        QVERIFY2(result.ok, result.message.c_str());
        return;
    }
    QVERIFY(!result.ok);
    QCOMPARE(q(result.message), QStringLiteral("截面尺寸不成立：") + fault + QStringLiteral("。"));
    QVERIFY(result.areaLine.empty() && result.weightLine.empty() && result.surfaceLine.empty());
}

void TestWeldCalculation::outlineAreaMatchesFormula_data() {
    QTest::addColumn<int>("family");
    for (const auto& [family, fields] : typicalSections) {
        if (family == 9 || family == 11 || family == 12) continue; // no area formula
        QTest::addRow("family %d", family) << family;
    }
}

void TestWeldCalculation::outlineAreaMatchesFormula() {
    QFETCH(int, family);
    const WeldCalculation result = calculate(family, fieldsOf(typicalSections.at(family)), "7850");
    QVERIFY(result.ok);
    QVERIFY(result.section.properties.ok);
    const sections::Property* area = sections::find(result.section.properties, "A");
    QVERIFY(area);
    // The outline's area, rounded as the area line rounds it.
    QCOMPARE(numberToText(roundHalfUp(area->value, 3)) + "c㎡", result.areaLine);
    // And the weight per metre is that area times the density.
    QVERIFY(std::abs(*result.weight - area->value * 1e-4 * 7850) < 1e-9 * *result.weight);
}

void TestWeldCalculation::builtUpProperties_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QList<double>>("values");
    // Hand-computed by parallel axes from the plates (cm², cm⁴, cm³, cm).
    QTest::newRow("H 300/200/8/10/12")
        << 1 << typicalSections.at(1)
        << QStringList{"A", "Ix", "Iy", "ix", "iy", "Wx上", "Wx下", "Wy", "y0"}
        << QList<double>{66.24,     10575.7289739, 1467.8528, 12.6355745, 4.7073999,
                         669.10444, 745.07382,     146.78528, 14.1942029};
    QTest::newRow("box 400×300, sides 12, top and bottom 16")
        << 3 << typicalSections.at(3) << QStringList{"A", "Ix", "Iy", "Wx", "Wy", "It"}
        << QList<double>{184.32, 45377.1264, 25524.6336, 2268.85632, 1701.64224, 48922.361856};
    QTest::newRow("tube 219×8") << 4 << typicalSections.at(4)
                                << QStringList{"A", "I", "W", "i", "It"}
                                << QList<double>{53.0300840, 2955.4328685, 269.9025451, 7.4653366,
                                                 5910.8657370};
}

void TestWeldCalculation::builtUpProperties() {
    QFETCH(int, family);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, symbols);
    QFETCH(QList<double>, values);
    const WeldCalculation result = calculate(family, fieldsOf(fields), "7850");
    QVERIFY(result.ok && result.section.properties.ok);
    for (int k = 0; k < symbols.size(); ++k) {
        const sections::Property* p =
            sections::find(result.section.properties, symbols[k].toStdString());
        QVERIFY2(p, qPrintable(symbols[k]));
        QVERIFY2(std::abs(p->value - values[k]) <= 1e-6 * values[k],
                 qPrintable(QStringLiteral("%1 = %2").arg(symbols[k]).arg(p->value, 0, 'g', 12)));
    }
}

void TestWeldCalculation::familiesWithoutASection_data() {
    QTest::addColumn<int>("family");
    QTest::newRow("wedge") << 9;
    QTest::newRow("welded ball") << 11;
    QTest::newRow("bolt ball") << 12;
}

void TestWeldCalculation::familiesWithoutASection() {
    QFETCH(int, family);
    const WeldCalculation result = calculate(family, fieldsOf(typicalSections.at(family)), "7850");
    QVERIFY(result.ok);
    QVERIFY(!result.section.properties.ok);
    QVERIFY(!result.section.noSection.empty());
}

QTEST_GUILESS_MAIN(TestWeldCalculation)
#include "test_weld_calculation.moc"
