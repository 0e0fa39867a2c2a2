// The take-off arithmetic without a window: which column weighs, how typed numbers are
// read, the totals and their display.
#include "catalogue/catalogue_database.h"
#include "takeoff/takeoff.h"

#include <QTest>

Q_DECLARE_METATYPE(WeightBasis)
Q_DECLARE_METATYPE(TakeOffNumber::State)
Q_DECLARE_METATYPE(TakeOffBasis)

namespace {
std::vector<std::string> strings(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}
TakeOffBasis perMetre(double weight, std::optional<double> surface = {}) {
    return {WeightBasis::PerMetre, weight, surface};
}
} // namespace

class TestTakeOff : public QObject {
    Q_OBJECT
  private slots:
    void readsNumbersAsTheUserWritesThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<TakeOffNumber::State>("state");
        QTest::addColumn<double>("value");
        const auto valid = TakeOffNumber::Valid;
        const auto refused = TakeOffNumber::Refused;
        const auto empty = TakeOffNumber::Empty;
        QTest::newRow("whole metres") << "12"
                                      << "C" << false << valid << 12.0;
        QTest::newRow("decimal point") << "12.5"
                                       << "C" << false << valid << 12.5;
        QTest::newRow("blanks around") << "  6.25 "
                                       << "zh_CN" << false << valid << 6.25;
        QTest::newRow("full-width digits") << "１２．５"
                                           << "zh_CN" << false << valid << 12.5;
        QTest::newRow("leading point") << ".5"
                                       << "C" << false << valid << 0.5;
        QTest::newRow("comma is no decimal point here") << "1,5"
                                                        << "C" << false << refused << 0.0;
        QTest::newRow("comma in Chinese locale") << "1,5"
                                                 << "zh_CN" << false << refused << 0.0;
        QTest::newRow("full-width comma") << "1，5"
                                          << "zh_CN" << false << refused << 0.0;
        QTest::newRow("thousands separator") << "1,000"
                                             << "en_US" << false << refused << 0.0;
        QTest::newRow("German decimal comma") << "1,5"
                                              << "de_DE" << false << valid << 1.5;
        QTest::newRow("German group point") << "1.500"
                                            << "de_DE" << false << refused << 0.0;
        QTest::newRow("blank inside") << "1 000"
                                      << "C" << false << refused << 0.0;
        QTest::newRow("two points") << "1.2.3"
                                    << "C" << false << refused << 0.0;
        QTest::newRow("point alone") << "."
                                     << "C" << false << refused << 0.0;
        QTest::newRow("negative") << "-3"
                                  << "C" << false << refused << 0.0;
        QTest::newRow("plus sign") << "+3"
                                   << "C" << false << refused << 0.0;
        QTest::newRow("zero") << "0"
                              << "C" << false << refused << 0.0;
        QTest::newRow("zero with decimals") << "0.000"
                                            << "C" << false << refused << 0.0;
        QTest::newRow("exponent") << "1e3"
                                  << "C" << false << refused << 0.0;
        QTest::newRow("infinity") << "inf"
                                  << "C" << false << refused << 0.0;
        QTest::newRow("not a number") << "nan"
                                      << "C" << false << refused << 0.0;
        QTest::newRow("one milliard") << "1000000000"
                                      << "C" << false << valid << 1e9;
        QTest::newRow("over one milliard") << "1000000000.5"
                                           << "C" << false << refused << 0.0;
        QTest::newRow("far too many digits")
            << QString(400, QLatin1Char('9')) << "C" << false << refused << 0.0;
        QTest::newRow("empty") << ""
                               << "C" << false << empty << 0.0;
        QTest::newRow("only blanks") << "   "
                                     << "C" << false << empty << 0.0;
        QTest::newRow("count") << "4"
                               << "C" << true << valid << 4.0;
        QTest::newRow("count with zero decimals") << "4.00"
                                                  << "C" << true << valid << 4.0;
        QTest::newRow("fractional count") << "2.5"
                                          << "C" << true << refused << 0.0;
    }
    void readsNumbersAsTheUserWritesThem() {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(bool, whole);
        QFETCH(TakeOffNumber::State, state);
        QFETCH(double, value);
        const TakeOffNumber number = readTakeOffNumber(text, QLocale(locale), whole);
        QCOMPARE(number.state, state);
        QCOMPARE(number.value, value);
        QCOMPARE(number.reason.isEmpty(), state != TakeOffNumber::Refused);
    }

    void theUnitOfTheHeaderDecides_data() {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("surface");
        QTest::addColumn<WeightBasis>("basis");
        QTest::newRow("H section")
            << QStringList{"规格", "详情", "重量(kg/m)", "表面积(m2/m)", "截面积(cm2)"} << 2 << 3
            << WeightBasis::PerMetre;
        QTest::newRow("plate") << QStringList{"厚度(mm)", "重量(kg/m2)"} << 1 << -1
                               << WeightBasis::PerSquareMetre;
        QTest::newRow("sandwich panel") << QStringList{"板型", "板厚(mm)", "板重(kg/m2)", "材质"}
                                        << 2 << -1 << WeightBasis::PerSquareMetre;
        QTest::newRow("profiled sheet by the metre")
            << QStringList{"板型", "有效宽度(mm)", "展开宽度(mm)", "板厚(mm)", "板重(kg/m)"} << 4
            << -1 << WeightBasis::PerMetre;
        QTest::newRow("bolt sets") << QStringList{"规格", "公称长度(mm)", "重量(kg/千套)"} << 2
                                   << -1 << WeightBasis::PerThousandSets;
        QTest::newRow("surface before weight")
            << QStringList{"对边距离(mm)", "公称壁厚(mm)", "重量(kg/m)", "截面积(cm2)",
                           "表面积(m2/m)"}
            << 2 << 4 << WeightBasis::PerMetre;
        QTest::newRow("full-width parentheses and superscript")
            << QStringList{"规格", "理论重量（kg/m²）", "表面积（m²/m）"} << 1 << 2
            << WeightBasis::PerSquareMetre;
        QTest::newRow("no weight column")
            << QStringList{"规格", "截面积(cm2)"} << -1 << -1 << WeightBasis::None;
        QTest::newRow("millimetres are no weight")
            << QStringList{"宽度(mm)", "厚度(mm)"} << -1 << -1 << WeightBasis::None;
    }
    void theUnitOfTheHeaderDecides() {
        QFETCH(QStringList, headers);
        QFETCH(int, weight);
        QFETCH(int, surface);
        QFETCH(WeightBasis, basis);
        const TakeOffColumns columns = takeOffColumns(strings(headers));
        QCOMPARE(columns.weight, weight);
        QCOMPARE(columns.surface, surface);
        QCOMPARE(columns.basis, basis);
    }

    // A header the catalogue gains with a weight unit no rule knows would silently give no
    // take-off; every header naming kilograms must be read as a weight.
    void everyCatalogueWeightHeaderHasARule() {
        const TextGrid grid =
            CatalogueDatabase::instance().query("select headername from headernames");
        QVERIFY(grid.hasDataRows());
        int weights = 0;
        for (int r = 1; r < grid.rowCount; ++r) {
            const std::string& header = grid.cell(r, 0);
            if (header.find("kg") == std::string::npos) continue;
            ++weights;
            QVERIFY2(takeOffColumns({header}).basis != WeightBasis::None, header.c_str());
        }
        QVERIFY(weights >= 4);
    }

    void aRowWithoutAWeightValueHasNoTakeOff_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("counted");
        QTest::newRow("stored with a blank") << "1.570 " << true;
        QTest::newRow("empty cell") << "" << false;
        QTest::newRow("dash") << "—" << false;
        QTest::newRow("zero") << "0" << false;
    }
    void aRowWithoutAWeightValueHasNoTakeOff() {
        QFETCH(QString, weight);
        QFETCH(bool, counted);
        const TakeOffColumns columns = takeOffColumns({"厚度(mm)", "重量(kg/m2)"});
        const TakeOffBasis basis = takeOffBasis(columns, {"0.20 ", weight.toStdString()});
        QCOMPARE(basis.basis != WeightBasis::None, counted);
        if (counted) QCOMPARE(basis.weight, 1.57);
    }

    void totals_data() {
        QTest::addColumn<TakeOffBasis>("basis");
        QTest::addColumn<QStringList>("fields"); // length, width, count, price
        QTest::addColumn<QString>("kg");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("m2");
        QTest::addColumn<QString>("yuan");
        QTest::addColumn<bool>("message");
        const TakeOffBasis plate{WeightBasis::PerSquareMetre, 78.5, {}};
        const TakeOffBasis bolts{WeightBasis::PerThousandSets, 221.3, {}};
        const TakeOffBasis ball{WeightBasis::PerPiece, 2.5, 0.12};
        QTest::newRow("bar: length × count")
            << perMetre(10, 0.5) << QStringList{"6", "", "4", ""} << "240.00"
            << "0.240"
            << "12.000"
            << "—" << false;
        QTest::newRow("bar with price")
            << perMetre(10) << QStringList{"6", "", "4", "4500"} << "240.00"
            << "0.240"
            << "—"
            << "1080.00" << false;
        QTest::newRow("no rounding in the chain")
            << perMetre(1.004, 0.0334) << QStringList{"1", "", "3", "1000.5"} << "3.01"
            << "0.003"
            << "0.100"
            << "3.01" << false;
        QTest::newRow("plate: length × width × count")
            << plate << QStringList{"6", "1.5", "2", ""} << "1413.00"
            << "1.413"
            << "—"
            << "—" << false;
        QTest::newRow("plate ignores no width") << plate << QStringList{"6", "", "2", ""} << "—"
                                                << "—"
                                                << "—"
                                                << "—" << false;
        QTest::newRow("bolts: sets, no length")
            << bolts << QStringList{"", "", "100", ""} << "22.13"
            << "0.022"
            << "—"
            << "—" << false;
        QTest::newRow("bolts ignore a bad length")
            << bolts << QStringList{"1,5", "", "100", ""} << "22.13"
            << "0.022"
            << "—"
            << "—" << false;
        QTest::newRow("ball: pieces") << ball << QStringList{"", "", "8", ""} << "20.00"
                                      << "0.020"
                                      << "0.960"
                                      << "—" << false;
        QTest::newRow("empty length gives nothing, not 0")
            << perMetre(10) << QStringList{"", "", "4", "4500"} << "—"
            << "—"
            << "—"
            << "—" << false;
        QTest::newRow("empty count gives nothing")
            << perMetre(10) << QStringList{"6", "", "", ""} << "—"
            << "—"
            << "—"
            << "—" << false;
        QTest::newRow("decimal comma refused")
            << perMetre(10) << QStringList{"1,5", "", "4", ""} << "—"
            << "—"
            << "—"
            << "—" << true;
        QTest::newRow("negative count refused")
            << perMetre(10) << QStringList{"6", "", "-4", ""} << "—"
            << "—"
            << "—"
            << "—" << true;
        QTest::newRow("zero price refused") << perMetre(10) << QStringList{"6", "", "4", "0"} << "—"
                                            << "—"
                                            << "—"
                                            << "—" << true;
        QTest::newRow("absurd length refused")
            << perMetre(10) << QStringList{"2000000000", "", "4", ""} << "—"
            << "—"
            << "—"
            << "—" << true;
        QTest::newRow("absurd total refused")
            << perMetre(1000) << QStringList{"1000000000", "", "1000000000", ""} << "—"
            << "—"
            << "—"
            << "—" << true;
        QTest::newRow("no weight, no totals")
            << TakeOffBasis{} << QStringList{"6", "", "4", ""} << "—"
            << "—"
            << "—"
            << "—" << false;
        QTest::newRow("no row yet, a comma is refused already")
            << TakeOffBasis{} << QStringList{"1,5", "", "4", ""} << "—"
            << "—"
            << "—"
            << "—" << true;
    }
    void totals() {
        QFETCH(TakeOffBasis, basis);
        QFETCH(QStringList, fields);
        QFETCH(QString, kg);
        QFETCH(QString, t);
        QFETCH(QString, m2);
        QFETCH(QString, yuan);
        QFETCH(bool, message);
        const TakeOffTotals totals =
            computeTakeOff(basis, {fields[0], fields[1], fields[2], fields[3]}, QLocale::c());
        QCOMPARE(kilogramText(totals.kilograms), kg);
        QCOMPARE(tonneText(totals.kilograms), t);
        QCOMPARE(surfaceText(totals.surface), m2);
        QCOMPARE(costText(totals.cost), yuan);
        QCOMPARE(!totals.message.isEmpty(), message);
    }

    void displayRoundsHalfUp_data() {
        QTest::addColumn<double>("kg");
        QTest::addColumn<QString>("kgText");
        QTest::addColumn<QString>("tText");
        QTest::newRow("half a cent, stored below") << 1.005 << "1.01"
                                                   << "0.001";
        QTest::newRow("half a kilogram of a tonne") << 1234.5 << "1234.50"
                                                    << "1.235";
        QTest::newRow("just below half") << 2.0049 << "2.00"
                                         << "0.002";
        QTest::newRow("large") << 123456789.125 << "123456789.13"
                               << "123456.789";
    }
    void displayRoundsHalfUp() {
        QFETCH(double, kg);
        QFETCH(QString, kgText);
        QFETCH(QString, tText);
        QCOMPARE(kilogramText(kg), kgText);
        QCOMPARE(tonneText(kg), tText);
    }

    void copiedLine_data() {
        QTest::addColumn<TakeOffBasis>("basis");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("bar with surface and price")
            << perMetre(10, 0.5) << QStringList{"6", "", "4", "4500"}
            << "热轧H型钢-2017 HN200×100，长度 6 m，数量 4，总重 240.00 kg（0.240 t），"
               "总表面积 12.000 m²，单价 4500 元/吨，总价 1080.00 元";
        QTest::newRow("plate")
            << TakeOffBasis{WeightBasis::PerSquareMetre, 78.5, {}}
            << QStringList{"6", "1.5", "2", ""}
            << "热轧H型钢-2017 HN200×100，长度 6 m，宽度 1.5 m，数量 2，总重 1413.00 kg（1.413 t）";
        QTest::newRow("bolts count sets")
            << TakeOffBasis{WeightBasis::PerThousandSets, 221.3, {}}
            << QStringList{"", "", " 100 ", ""}
            << "热轧H型钢-2017 HN200×100，套数 100，总重 22.13 kg（0.022 t）";
    }
    void copiedLine() {
        QFETCH(TakeOffBasis, basis);
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        const TakeOffInput input{fields[0], fields[1], fields[2], fields[3]};
        QCOMPARE(takeOffLine(QStringLiteral("热轧H型钢-2017"), QStringLiteral("HN200×100"), basis,
                             input, computeTakeOff(basis, input, QLocale::c())),
                 line);
    }

    void designationNamesThePiece_data() {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("designation");
        QTest::newRow("H section")
            << QStringList{"规格", "详情", "重量(kg/m)", "表面积(m2/m)", "截面积(cm2)"}
            << QStringList{"HN200×100", "200×100×5.5×8", "20.9", "0.775", "26.66"}
            << "HN200×100 200×100×5.5×8";
        QTest::newRow("plate thickness with its unit")
            << QStringList{"厚度(mm)", "重量(kg/m2)"} << QStringList{"10.0 ", "78.500 "}
            << "厚度 10.0 mm";
        QTest::newRow("flat bar") << QStringList{"宽度(mm)", "厚度(mm)", "重量(kg/m)"}
                                  << QStringList{"40", "4", "1.26"} << "宽度 40 mm 厚度 4 mm";
        QTest::newRow("empty detail left out")
            << QStringList{"规格", "详情", "重量(kg/m)"} << QStringList{"I10", "", "11.3"} << "I10";
    }
    void designationNamesThePiece() {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, values);
        QFETCH(QString, designation);
        QCOMPARE(designationFromHeaders(strings(headers), strings(values)), designation);
    }
};

QTEST_GUILESS_MAIN(TestTakeOff)
#include "tst_takeoff.moc"
