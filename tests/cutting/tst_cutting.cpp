// The cutting-stock library: the kerf rule, hand-solved plans, bad input, the plan check,
// cancellation, and a brute-force cross-check of small random instances.
#include "cutting/cutting.h"
#include "cutting/solver.h"

#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <random>

using cutting::Piece;
using cutting::Plan;
using cutting::Request;
using cutting::Stock;

Q_DECLARE_METATYPE(cutting::Request)
Q_DECLARE_METATYPE(std::vector<qint64>)

namespace {

Request request(std::vector<Piece> pieces, std::vector<Stock> stocks, qint64 kerf = 0,
                qint64 trim = 0) {
    Request r;
    r.pieces = std::move(pieces);
    r.stocks = std::move(stocks);
    r.options.kerf = kerf;
    r.options.endTrim = trim;
    return r;
}

Stock bar(qint64 length, std::optional<qint64> available = {},
          std::optional<double> pricePerBar = {}) {
    return {length, available, pricePerBar, {}};
}

// Least total stock length over every partition of the pieces into bars, each bar on the
// shortest stock that holds it; infinite when some bar fits no stock.
qint64 bruteForce(const Request& r) {
    std::vector<qint64> items;
    for (const Piece& p : r.pieces)
        for (qint64 k = 0; k < p.count; ++k)
            items.push_back(p.length);
    std::vector<std::vector<qint64>> bins;
    qint64 best = std::numeric_limits<qint64>::max();
    auto shortest = [&](const std::vector<qint64>& bin) {
        qint64 s = std::numeric_limits<qint64>::max();
        for (const Stock& st : r.stocks)
            if (cutting::fitsOnBar(bin, st.length, r.options.kerf, r.options.endTrim))
                s = std::min(s, st.length);
        return s;
    };
    std::function<void(size_t)> place = [&](size_t k) {
        if (k == items.size()) {
            qint64 total = 0;
            for (const auto& bin : bins) {
                const qint64 s = shortest(bin);
                if (s == std::numeric_limits<qint64>::max()) return;
                total += s;
            }
            best = std::min(best, total);
            return;
        }
        for (size_t b = 0; b < bins.size(); ++b) { // by index: deeper calls grow `bins`
            bins[b].push_back(items[k]);
            place(k + 1);
            bins[b].pop_back();
        }
        bins.push_back({items[k]});
        place(k + 1);
        bins.pop_back();
    };
    place(0);
    return best;
}

// Pieces that fill every bar exactly, three to a bar: the optimum is known by construction.
Request triplets(int bars, unsigned seed) {
    std::mt19937 rng(seed);
    Request r;
    for (int b = 0; b < bars; ++b) {
        const qint64 a = std::uniform_int_distribution<qint64>(380, 490)(rng);
        const qint64 c = std::uniform_int_distribution<qint64>(250, (1000 - a) / 2)(rng);
        for (qint64 len : {a, c, 1000 - a - c})
            r.pieces.push_back({len, 1, {}});
    }
    r.stocks = {bar(1000)};
    return r;
}

// Debug builds with the sanitizers run the solver many times slower; they keep to the
// smaller triplet cases.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool slowBuild = true;
#else
constexpr bool slowBuild = false;
#endif

} // namespace

class TestCutting : public QObject {
    Q_OBJECT
  private slots:
    // The rule of cutting.h: a cut after every piece but one that ends at the bar end; a
    // sliver shorter than the kerf is eaten by the last cut.
    void kerfAndTrimRule_data() {
        QTest::addColumn<std::vector<qint64>>("lengths");
        QTest::addColumn<qint64>("barLength");
        QTest::addColumn<qint64>("kerf");
        QTest::addColumn<qint64>("trim");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<qint64>("offcut");
        using V = std::vector<qint64>;
        QTest::newRow("exact, no kerf") << V{500, 500} << 1000LL << 0LL << 0LL << true << 0LL;
        QTest::newRow("last piece ends at the bar end, no cut after it")
            << V{495, 500} << 1000LL << 5LL << 0LL << true << 0LL;
        QTest::newRow("one millimetre over") << V{496, 500} << 1000LL << 5LL << 0LL << false << 0LL;
        QTest::newRow("sliver under a kerf is eaten")
            << V{493, 500} << 1000LL << 5LL << 0LL << true << 0LL;
        QTest::newRow("offcut after the last cut")
            << V{400, 300} << 1000LL << 5LL << 0LL << true << 290LL;
        QTest::newRow("trim comes off the usable length")
            << V{500, 490} << 1000LL << 5LL << 5LL << true << 0LL;
        QTest::newRow("trim makes it one over")
            << V{500, 491} << 1000LL << 5LL << 5LL << false << 0LL;
        QTest::newRow("single piece, trim and kerf")
            << V{600} << 1000LL << 3LL << 10LL << true << 387LL;
    }
    void kerfAndTrimRule() {
        QFETCH(std::vector<qint64>, lengths);
        QFETCH(qint64, barLength);
        QFETCH(qint64, kerf);
        QFETCH(qint64, trim);
        QFETCH(bool, fits);
        QFETCH(qint64, offcut);
        QCOMPARE(cutting::fitsOnBar(lengths, barLength, kerf, trim), fits);
        if (fits) QCOMPARE(cutting::offcutOf(lengths, barLength, kerf, trim), offcut);
    }

    // Cases small enough to solve by hand; every plan must also pass the check and be
    // proven optimal.
    void handSolvedPlans_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<std::vector<qint64>>("barsPerStock");
        using V = std::vector<qint64>;
        QTest::newRow("two halves a bar") << request({{500, 4, "A"}}, {bar(1000)}) << V{2};
        QTest::newRow("kerf leaves one per bar")
            << request({{500, 4, "A"}}, {bar(1000)}, 5) << V{4};
        QTest::newRow("kerf, last piece to the bar end")
            << request({{495, 2, "A"}, {500, 2, "B"}}, {bar(1000)}, 5) << V{2};
        QTest::newRow("trim leaves one per bar")
            << request({{500, 2, "A"}}, {bar(1000)}, 0, 10) << V{2};
        QTest::newRow("mixed lengths fill two bars")
            << request({{2500, 3, "A"}, {1000, 3, "B"}}, {bar(6000)}) << V{2};
        QTest::newRow("same length, two labels")
            << request({{1000, 3, "A"}, {1000, 2, "B"}}, {bar(2500)}) << V{3};
        QTest::newRow("longer stock saves length")
            << request({{3000, 3, "A"}}, {bar(6000), bar(9000)}) << V{0, 1};
        QTest::newRow("shorter stock saves length")
            << request({{3000, 4, "A"}}, {bar(6000), bar(9000)}) << V{2, 0};
        QTest::newRow("limited stock takes the longer bar too")
            << request({{3000, 4, "A"}}, {bar(6000, 1), bar(9000)}) << V{1, 1};
        QTest::newRow("limited stock on both")
            << request({{3000, 7, "A"}}, {bar(6000, 2), bar(9000, 1)}) << V{2, 1};
        QTest::newRow("cheaper long bar wins on cost")
            << request({{3000, 2, "A"}}, {bar(6000, {}, 500), bar(9000, {}, 300)}) << V{0, 1};
        QTest::newRow("cheap short bars win on cost")
            << request({{3000, 3, "A"}}, {bar(6000, {}, 100), bar(9000, {}, 250)}) << V{2, 0};
        Request tonne = request({{3000, 4, "A"}}, {{6000, {}, {}, 4000}, {9000, {}, {}, 4000}});
        tonne.options.kgPerMetre = 10;
        QTest::newRow("per tonne: cost follows the weight") << tonne << V{2, 0};
    }
    void handSolvedPlans() {
        QFETCH(Request, request);
        QFETCH(std::vector<qint64>, barsPerStock);
        const cutting::Result result = cutting::solve(request);
        QVERIFY2(result.plan, qPrintable(result.error));
        const Plan& plan = *result.plan;
        QCOMPARE(plan.barsPerStock, barsPerStock);
        QVERIFY(plan.optimal);
        QCOMPARE(plan.gapBars, 0);
        QCOMPARE(cutting::checkPlan(request, plan), QString());
        for (const cutting::Pattern& p : plan.patterns)
            for (size_t k = 1; k < p.pieces.size(); ++k) // longest cut first
                QVERIFY(request.pieces[size_t(p.pieces[k - 1])].length >=
                        request.pieces[size_t(p.pieces[k])].length);
    }

    void planTotals() {
        Request r = request({{2500, 2, "梁"}, {1000, 2, "撑"}}, {bar(6000)});
        r.options.kgPerMetre = 10;
        r.options.minReusableOffcut = 500;
        const Plan plan = *cutting::solve(r).plan;
        QCOMPARE(plan.bars, 2);
        QCOMPARE(plan.grossLength, 12000);
        QCOMPARE(plan.netLength, 7000);
        QCOMPARE(plan.reusableLength, 5000); // either plan leaves 5 m in offcuts of ≥ 500
        QCOMPARE(plan.scrapLength, 0);
        QCOMPARE(plan.utilisation, 7000.0 / 12000.0);
        QCOMPARE(*plan.netKg, 70.0);
        QCOMPARE(*plan.grossKg, 120.0);
        QVERIFY(!plan.cost);
        QCOMPARE(plan.objective, 12000.0);
        QCOMPARE(plan.lowerBound, 12000.0);

        // Below the reusable minimum an offcut is scrap.
        r.options.minReusableOffcut = 6000;
        const Plan scrap = *cutting::solve(r).plan;
        QCOMPARE(scrap.reusableLength, 0);
        QCOMPARE(scrap.scrapLength, 5000);
    }

    void badInput_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("message");
        const Request good = request({{1000, 2, "立柱"}}, {bar(6000)});
        Request r = good;
        r.pieces.clear();
        QTest::newRow("no pieces") << r << "零件清单为空";
        r = good;
        r.pieces[0].length = 0;
        QTest::newRow("zero length") << r << "零件“立柱”的长度必须大于 0";
        r = good;
        r.pieces[0].count = -1;
        QTest::newRow("negative count") << r << "零件“立柱”的数量必须大于 0";
        r = good;
        r.pieces.push_back({-5, 1, {}});
        QTest::newRow("unlabelled piece is numbered") << r << "第 2 种零件的长度";
        r = good;
        r.stocks.clear();
        QTest::newRow("no stock") << r << "原材料清单为空";
        r = good;
        r.stocks.push_back(bar(-6000));
        QTest::newRow("negative stock length") << r << "第 2 种原材料的长度必须大于 0";
        r = good;
        r.stocks[0].available = 0;
        QTest::newRow("zero bars in store") << r << "可用数量必须大于 0";
        r = good;
        r.options.kerf = 1200;
        QTest::newRow("kerf wider than a piece") << r << "锯缝宽度 1200 mm 大于零件“立柱”";
        r = good;
        r.options.kerf = -1;
        QTest::newRow("negative kerf") << r << "锯缝宽度不能为负数";
        r = good;
        r.pieces.push_back({5999, 1, "斜撑"});
        r.options.endTrim = 10;
        QTest::newRow("piece longer than the usable stock")
            << r << "零件“斜撑”长 5999 mm，超过最长原材料扣除端头修整后的可用长度 5990 mm";
        r = good;
        r.options.endTrim = 6000;
        QTest::newRow("trim eats the bar") << r << "没有可用长度";
        r = good;
        r.pieces = {{10, 600'000, "A"}, {20, 400'001, "B"}};
        QTest::newRow("over a million pieces") << r << "零件总数超过 1000000 件";
        r = good;
        r.stocks = {{6000, {}, {}, 4000}};
        QTest::newRow("per tonne without weight") << r << "需要填写每米重量(kg/m)";
        r = good;
        r.stocks = {bar(6000, {}, 100), bar(9000)};
        QTest::newRow("price on some stock only") << r << "第 2 种原材料缺少单价";
        r = good;
        r.pieces[0].count = 13;
        r.stocks[0].available = 2;
        QTest::newRow("not enough stock") << r << "库存不足";
    }
    void badInput() {
        QFETCH(Request, request);
        QFETCH(QString, message);
        const cutting::Result result = cutting::solve(request);
        QVERIFY(!result.plan);
        QVERIFY2(result.error.contains(message), qPrintable(result.error));
    }

    void readsWholeMillimetres_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // 0: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("digits") << "6000" << 6000LL << "";
        QTest::newRow("blanks and full-width digits") << " ６０００ " << 6000LL << "";
        QTest::newRow("decimal") << "12.5" << 0LL << "锯缝宽度：“12.5”不是整数毫米";
        QTest::newRow("exponent") << "1e3" << 0LL << "不是整数毫米";
        QTest::newRow("sign") << "-5" << 0LL << "不是数字";
        QTest::newRow("zero") << "0" << 0LL << "必须大于 0";
        QTest::newRow("empty") << "  " << 0LL << "未填写";
    }
    void readsWholeMillimetres() {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QFETCH(QString, message);
        QString error;
        const auto read = cutting::readMillimetres(text, QStringLiteral("锯缝宽度"), &error);
        QCOMPARE(read.value_or(0), value);
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    // The check the solver runs on its own plans must catch each kind of wrong plan.
    void checkCatchesWrongPlans_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("a piece short") << 0;
        QTest::newRow("over the bar") << 1;
        QTest::newRow("more bars than in store") << 2;
        QTest::newRow("wrong offcut") << 3;
    }
    void checkCatchesWrongPlans() {
        QFETCH(int, fault);
        Request r = request({{2000, 3, "A"}}, {bar(6000, 1)}, 5);
        r.pieces[0].length = 1990;
        const Plan good = *cutting::solve(r).plan;
        QCOMPARE(good.bars, 1);
        QCOMPARE(cutting::checkPlan(r, good), QString());
        Plan bad = good;
        cutting::Pattern& p = bad.patterns[0];
        if (fault == 0) p.pieces.pop_back();
        if (fault == 1) r.options.kerf = 6;
        if (fault == 2) {
            p.bars = 2;
            bad.barsPerStock[0] = 2;
            bad.grossLength = 12000;
            r.pieces[0].count = 6;
        }
        if (fault == 3) p.offcut += 1;
        QVERIFY(!cutting::checkPlan(r, bad).isEmpty());
    }

    // Stopped before it starts, the solver still returns a checked plan, flagged.
    void cancellation_data() {
        QTest::addColumn<bool>("byFlag");
        QTest::newRow("atomic flag") << true;
        QTest::newRow("callback") << false;
    }
    void cancellation() {
        QFETCH(bool, byFlag);
        Request r = triplets(40, 7);
        std::atomic<bool> stop{true};
        if (byFlag)
            r.options.cancel = &stop;
        else
            r.options.shouldStop = [] { return true; };
        const cutting::Result result = cutting::solve(r);
        QVERIFY2(result.plan, qPrintable(result.error));
        QVERIFY(result.plan->cancelled);
        QCOMPARE(cutting::checkPlan(r, *result.plan), QString());
        QVERIFY(result.plan->bars >= 40);
        // The gap is to the bound known when it stopped, in whole bars of 1000 mm.
        QCOMPARE(result.plan->gapBars, result.plan->bars - qint64(result.plan->lowerBound / 1000));
    }

    // Every bar of a triplet instance is filled exactly, so rounding the LP rarely finds the
    // plan at the bound; the larger rows are beyond the arc-flow model.
    void tripletsReachTheirOptimum_data() {
        QTest::addColumn<int>("bars");
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("30 bars") << 30 << 11u;
        QTest::newRow("50 bars") << 50 << 4u;
        if (slowBuild) return;
        QTest::newRow("83 bars") << 83 << 2u;
        QTest::newRow("167 bars") << 167 << 5u;
    }
    void tripletsReachTheirOptimum() {
        QFETCH(int, bars);
        QFETCH(unsigned, seed);
        Request r = triplets(bars, seed);
        // Generous, so that a slow machine does not decide the outcome.
        r.options.timeLimit = std::chrono::seconds(60);
        const cutting::Result result = cutting::solve(r);
        QVERIFY(result.plan);
        QCOMPARE(result.plan->bars, bars);
        QVERIFY(result.plan->optimal);
        QCOMPARE(cutting::checkPlan(r, *result.plan), QString());
    }

    // Bar completion on its own: a plan on exactly the fewest bars, and a proof that one bar
    // fewer cannot hold the pieces, against every partition. The pieces of the "whole bars"
    // rows add up to whole bars, where the search lists the exact fillings once.
    void completionMatchesBruteForce_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<bool>("wholeBars");
        for (unsigned seed = 1; seed <= 30; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed << false;
        for (unsigned seed = 31; seed <= 60; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("whole bars %1").arg(seed))) << seed << true;
    }
    void completionMatchesBruteForce() {
        QFETCH(unsigned, seed);
        QFETCH(bool, wholeBars);
        std::mt19937 rng(seed);
        auto uniform = [&](qint64 a, qint64 b) {
            return std::uniform_int_distribution<qint64>(a, b)(rng);
        };
        Request r;
        r.stocks = {bar(100)};
        std::map<qint64, qint64, std::greater<>> counts;
        qint64 total = 0;
        if (wholeBars && seed % 2 == 0) {
            // Bars cut into pieces with nothing left: a plan on whole bars exists.
            for (int b = int(uniform(2, 3)); b > 0; --b) {
                const qint64 first = uniform(10, 60);
                const qint64 second = uniform(10, 90 - first);
                for (qint64 length : {first, second, 100 - first - second})
                    ++counts[length];
            }
        } else {
            for (int k = int(uniform(3, wholeBars ? 8 : 9)); k > 0; --k) {
                const qint64 length = uniform(15, 70);
                ++counts[length];
                total += length;
            }
            if (wholeBars && total % 100 != 0) ++counts[100 - total % 100];
        }
        for (const auto& [length, count] : counts)
            r.pieces.push_back({length, count, {}});
        const qint64 fewest = bruteForce(r) / 100;

        cutting::detail::Model model;
        for (const Piece& p : r.pieces) {
            model.width.push_back(p.length);
            model.demand.push_back(p.count);
        }
        model.capacity = {100};
        model.cost = {100};
        model.available = {-1};
        model.granularity = 100;
        const cutting::detail::Clock clock(std::chrono::seconds(60), nullptr, {});

        const auto found = cutting::detail::completeBars(model, 0, fewest, clock, 1'000'000);
        QVERIFY(found.solution);
        std::vector<qint64> cut(r.pieces.size(), 0);
        qint64 bars = 0;
        for (const auto& [column, n] : found.solution->patterns) {
            qint64 used = 0;
            for (size_t i = 0; i < cut.size(); ++i) {
                used += column.count[i] * r.pieces[i].length;
                cut[i] += column.count[i] * n;
            }
            QVERIFY(used <= 100);
            bars += n;
        }
        QVERIFY(bars <= fewest);
        for (size_t i = 0; i < cut.size(); ++i)
            QCOMPARE(cut[i], r.pieces[i].count);

        const auto fewer = cutting::detail::completeBars(model, 0, fewest - 1, clock, 1'000'000);
        QVERIFY(!fewer.solution);
        QVERIFY(fewer.exhausted);
    }

    // Random small instances, one or two stock lengths, against every partition.
    void matchesBruteForce_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 40; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void matchesBruteForce() {
        QFETCH(unsigned, seed);
        std::mt19937 rng(seed);
        auto uniform = [&](qint64 a, qint64 b) {
            return std::uniform_int_distribution<qint64>(a, b)(rng);
        };
        Request r;
        r.options.kerf = uniform(0, 3);
        r.options.endTrim = uniform(0, 5);
        r.stocks = {bar(100)};
        if (seed % 2 == 0) r.stocks.push_back(bar(uniform(50, 90)));
        const int types = int(uniform(1, 4));
        qint64 pieces = 0;
        for (int t = 0; t < types && pieces < 8; ++t) {
            const qint64 count = std::min<qint64>(uniform(1, 3), 8 - pieces);
            r.pieces.push_back({uniform(10, 60), count, {}});
            pieces += count;
        }
        const cutting::Result result = cutting::solve(r);
        QVERIFY2(result.plan, qPrintable(result.error));
        QCOMPARE(result.plan->grossLength, bruteForce(r));
        QVERIFY(result.plan->optimal);
        if (r.stocks.size() == 1) QCOMPARE(result.plan->bars * 100, result.plan->grossLength);
    }
};

QTEST_GUILESS_MAIN(TestCutting)
#include "tst_cutting.moc"
