#include "catalogue/catalogue_database.h"
#include "catalogue/catalogue_queries.h"
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
    QTest::newRow("typed arithmetic reaches formula")
        << 10 << QStringList{"t", "10", "b", "5-3"} << "7850"
        << "-0.25c㎡"
        << "-0.235Kg/m"
        << "0.014㎡/m";
    // T-section: the surface formula uses h and b only, so a bad t1 leaves it standing.
    QTest::newRow("unit typed after a value")
        << 6 << QStringList{"h", "300", "b", "200", "t1", "8mm", "t2", "10"} << "7850"
        << "0c㎡"
        << "0Kg/m"
        << "1㎡/m";
    QTest::newRow("full-width digits")
        << 6 << QStringList{"h", "300", "b", "200", "t1", "８", "t2", "10"} << "7850"
        << "0c㎡"
        << "0Kg/m"
        << "1㎡/m";
    QTest::newRow("value holding a later name")
        << 6 << QStringList{"h", "300", "b", "200", "t1", "8l", "t2", "10"} << "7850"
        << "0c㎡"
        << "0Kg/m"
        << "1㎡/m";
    QTest::newRow("density reading as zero") << 10 << QStringList{"t", "10", "b", "200"} << "abc"
                                             << "20c㎡"
                                             << "0Kg/m"
                                             << "0.42㎡/m";
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
    QVERIFY(result.areaLine.empty() && result.weightLine.empty() && result.surfaceLine.empty());
}

void TestWeldCalculation::outOfRange_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("density");
    QTest::newRow("tube diameter 1e308") << 4 << QStringList{"D", "1e308", "t", "10"} << "7850";
    QTest::newRow("plate width 1e308") << 10 << QStringList{"t", "10", "b", "1e308"} << "7850";
    // Every dimension huge: the H's terms overflow to inf and inf - inf is not a number.
    QTest::newRow("H all 1e200") << 1 << QStringList{"h",     "1e200", "b",     "1e200", "tw",
                                                     "1e200", "t1",    "1e200", "t2",    "1e200"}
                                 << "7850";
    QTest::newRow("ball 1e120") << 12 << QStringList{"D", "1e120"} << "7850";
    QTest::newRow("density 1e308") << 10 << QStringList{"t", "10", "b", "200"} << "1e308";
}

void TestWeldCalculation::outOfRange() {
    QFETCH(int, family);
    QFETCH(QStringList, fields);
    QFETCH(QString, density);
    const WeldCalculation result = calculate(family, fieldsOf(fields), density.toStdString());
    QVERIFY(!result.ok);
    QCOMPARE(q(result.message), QStringLiteral("计算结果超出范围，请检查输入的尺寸"));
    QVERIFY(result.areaLine.empty() && result.weightLine.empty() && result.surfaceLine.empty());
}

void TestWeldCalculation::largeButFiniteIsShown() {
    // 1e150 squared stays finite: a big number is a result, not an overflow.
    const WeldCalculation result = calculate(10, fieldsOf({"t", "1e150", "b", "1e150"}), "7850");
    QVERIFY(result.ok);
    QCOMPARE(q(result.areaLine), QStringLiteral("1e+298c㎡"));
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
                else if (name == "c")
                    fields[name] = draw(15, 60);
                else
                    fields[name] = draw(200, 1000);
            }
            for (const auto& [material, density] : materialTable()) {
                const WeldCalculation result = calculate(family, fields, density);
                QVERIFY(result.ok);
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

QTEST_GUILESS_MAIN(TestWeldCalculation)
#include "test_weld_calculation.moc"
