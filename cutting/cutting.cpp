#include "cutting/cutting.h"
#include "cutting/solver.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace cutting {

using namespace detail;

namespace {

QString pieceName(const Request& r, size_t i) {
    const QString& label = r.pieces[i].label;
    return label.isEmpty() ? QStringLiteral("第 %1 种零件").arg(i + 1)
                           : QStringLiteral("零件“%1”").arg(label);
}

QString stockName(size_t s) {
    return QStringLiteral("第 %1 种原材料").arg(s + 1);
}

bool priced(const Stock& s) {
    return s.pricePerBar || s.pricePerTonne;
}

} // namespace

bool fitsOnBar(const std::vector<qint64>& lengths, qint64 barLength, qint64 kerf, qint64 endTrim) {
    if (lengths.empty()) return true;
    const qint64 sum = std::accumulate(lengths.begin(), lengths.end(), qint64(0));
    return sum + qint64(lengths.size() - 1) * kerf <= barLength - endTrim;
}

qint64 offcutOf(const std::vector<qint64>& lengths, qint64 barLength, qint64 kerf, qint64 endTrim) {
    const qint64 sum = std::accumulate(lengths.begin(), lengths.end(), qint64(0));
    return std::max<qint64>(0, barLength - endTrim - sum - qint64(lengths.size()) * kerf);
}

std::optional<qint64> readMillimetres(const QString& text, const QString& field, QString* error) {
    auto refuse = [&](const QString& why) -> std::optional<qint64> {
        if (error) *error = QStringLiteral("%1：%2").arg(field, why);
        return std::nullopt;
    };
    const QString t = text.trimmed();
    if (t.isEmpty()) return refuse(QStringLiteral("未填写"));
    qint64 value = 0;
    for (QChar c : t) {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'０' && c <= u'９')
            digit = c.unicode() - u'０';
        if (digit < 0) {
            if (c == u'.' || c == u'．' || c == u'e' || c == u'E')
                return refuse(QStringLiteral("“%1”不是整数毫米").arg(t));
            return refuse(QStringLiteral("“%1”不是数字").arg(t));
        }
        value = value * 10 + digit;
        if (value > 1'000'000'000) return refuse(QStringLiteral("“%1”太大").arg(t));
    }
    if (value == 0) return refuse(QStringLiteral("必须大于 0"));
    return value;
}

QString validate(const Request& r) {
    const Options& o = r.options;
    if (r.pieces.empty()) return QStringLiteral("零件清单为空");
    if (r.stocks.empty()) return QStringLiteral("原材料清单为空：至少填写一种原材料长度");
    if (o.kerf < 0) return QStringLiteral("锯缝宽度不能为负数");
    if (o.endTrim < 0) return QStringLiteral("端头修整长度不能为负数");
    if (o.minReusableOffcut < 0) return QStringLiteral("最短可用余料长度不能为负数");
    if (o.timeLimit.count() <= 0) return QStringLiteral("计算时限必须大于 0");
    if (o.kgPerMetre && !(*o.kgPerMetre > 0)) return QStringLiteral("每米重量(kg/m)必须大于 0");
    qint64 total = 0;
    for (size_t i = 0; i < r.pieces.size(); ++i) {
        const Piece& p = r.pieces[i];
        if (p.length <= 0) return QStringLiteral("%1的长度必须大于 0 mm").arg(pieceName(r, i));
        if (p.count <= 0) return QStringLiteral("%1的数量必须大于 0").arg(pieceName(r, i));
        if (p.count > maxTotalPieces || (total += p.count) > maxTotalPieces)
            return QStringLiteral("零件总数超过 %1 件").arg(maxTotalPieces);
    }
    qint64 longestUsable = 0;
    const bool anyPrice = std::any_of(r.stocks.begin(), r.stocks.end(), priced);
    for (size_t s = 0; s < r.stocks.size(); ++s) {
        const Stock& st = r.stocks[s];
        if (st.length <= 0) return QStringLiteral("%1的长度必须大于 0 mm").arg(stockName(s));
        if (st.length > maxStockLength)
            return QStringLiteral("%1的长度超过 %2 mm").arg(stockName(s)).arg(maxStockLength);
        if (st.available && *st.available <= 0)
            return QStringLiteral("%1的可用数量必须大于 0").arg(stockName(s));
        if (st.pricePerBar && st.pricePerTonne)
            return QStringLiteral("%1只能按根或按吨计价，不能同时填写").arg(stockName(s));
        if ((st.pricePerBar && !(*st.pricePerBar > 0)) ||
            (st.pricePerTonne && !(*st.pricePerTonne > 0)))
            return QStringLiteral("%1的单价必须大于 0").arg(stockName(s));
        if (anyPrice && !priced(st))
            return QStringLiteral("%1缺少单价：按成本优化时每种原材料都要填写单价")
                .arg(stockName(s));
        if (st.pricePerTonne && !o.kgPerMetre)
            return QStringLiteral("%1按吨计价，需要填写每米重量(kg/m)").arg(stockName(s));
        if (st.length - o.endTrim <= 0)
            return QStringLiteral("%1长 %2 mm，扣除端头修整 %3 mm 后没有可用长度")
                .arg(stockName(s))
                .arg(st.length)
                .arg(o.endTrim);
        longestUsable = std::max(longestUsable, st.length - o.endTrim);
    }
    for (size_t i = 0; i < r.pieces.size(); ++i) {
        const Piece& p = r.pieces[i];
        if (o.kerf > p.length)
            return QStringLiteral("锯缝宽度 %1 mm 大于%2的长度 %3 mm")
                .arg(o.kerf)
                .arg(pieceName(r, i))
                .arg(p.length);
        if (p.length > longestUsable)
            return QStringLiteral("%1长 %2 mm，超过最长原材料扣除端头修整后的可用长度 %3 mm")
                .arg(pieceName(r, i))
                .arg(p.length)
                .arg(longestUsable);
    }
    return {};
}

namespace detail {

double Model::roundUp(double bound) const {
    if (granularity <= 0) return bound;
    return std::ceil(bound / granularity - 1e-7) * granularity;
}

double Solution::cost(const Model& model) const {
    double c = 0;
    for (const auto& [col, n] : patterns)
        c += model.cost[col.stock] * double(n);
    return c;
}

Clock::Clock(std::chrono::milliseconds limit, const std::atomic<bool>* cancel,
             std::function<bool()> shouldStop)
    : deadline_(std::chrono::steady_clock::now() + limit), cancel_(cancel),
      shouldStop_(std::move(shouldStop)) {}

bool Clock::cancelled() const {
    return (cancel_ && cancel_->load(std::memory_order_relaxed)) || (shouldStop_ && shouldStop_());
}

bool Clock::expired() const {
    return std::chrono::steady_clock::now() >= deadline_;
}

Clock Clock::slice(double fraction) const {
    Clock c = *this;
    const auto now = std::chrono::steady_clock::now();
    if (deadline_ > now)
        c.deadline_ = now + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                (deadline_ - now) * fraction);
    return c;
}

double Clock::secondsLeft() const {
    return std::chrono::duration<double>(deadline_ - std::chrono::steady_clock::now()).count();
}

std::optional<Solution> firstFitDecreasing(const Model& model) {
    struct Bar {
        int stock;
        qint64 free;
        std::vector<qint64> count;
    };
    std::vector<Bar> bars;
    std::vector<qint64> left = model.available;
    std::vector<int> byCapacity(model.stocks());
    std::iota(byCapacity.begin(), byCapacity.end(), 0);
    std::stable_sort(byCapacity.begin(), byCapacity.end(),
                     [&](int a, int b) { return model.capacity[a] > model.capacity[b]; });
    for (int i = 0; i < model.types(); ++i) {
        const qint64 w = model.width[i];
        qint64 need = model.demand[i];
        for (Bar& b : bars) {
            if (need == 0) break;
            const qint64 k = std::min(need, b.free / w);
            b.count[i] += k;
            b.free -= k * w;
            need -= k;
        }
        while (need > 0) {
            int s = -1;
            for (int t : byCapacity)
                if (model.capacity[t] >= w && left[t] != 0) {
                    s = t;
                    break;
                }
            if (s < 0) return std::nullopt;
            if (left[s] > 0) --left[s];
            const qint64 k = std::min(need, model.capacity[s] / w);
            Bar b{s, model.capacity[s] - k * w, std::vector<qint64>(model.types(), 0)};
            b.count[i] = k;
            need -= k;
            bars.push_back(std::move(b));
        }
    }
    // Each bar onto the cheapest stock that still holds its pieces.
    std::vector<int> byCost(model.stocks());
    std::iota(byCost.begin(), byCost.end(), 0);
    std::stable_sort(byCost.begin(), byCost.end(),
                     [&](int a, int b) { return model.cost[a] < model.cost[b]; });
    std::map<std::pair<int, std::vector<qint64>>, qint64> grouped;
    for (Bar& b : bars) {
        const qint64 used = model.capacity[b.stock] - b.free;
        for (int t : byCost) {
            if (t == b.stock) break;
            if (model.capacity[t] >= used && left[t] != 0) {
                if (left[t] > 0) --left[t];
                if (left[b.stock] >= 0) ++left[b.stock];
                b.stock = t;
                break;
            }
        }
        ++grouped[{b.stock, b.count}];
    }
    Solution sol;
    for (auto& [key, n] : grouped)
        sol.patterns.push_back({Column{key.first, key.second}, n});
    return sol;
}

} // namespace detail

namespace {

Model buildModel(const Request& r, std::vector<std::vector<int>>& piecesOfType) {
    const Options& o = r.options;
    std::map<qint64, std::vector<int>, std::greater<>> byLength;
    for (size_t i = 0; i < r.pieces.size(); ++i)
        byLength[r.pieces[i].length].push_back(int(i));
    Model m;
    for (const auto& [length, list] : byLength) {
        m.width.push_back(length + o.kerf);
        qint64 d = 0;
        for (int i : list)
            d += r.pieces[size_t(i)].count;
        m.demand.push_back(d);
        piecesOfType.push_back(list);
    }
    const bool byCost = std::any_of(r.stocks.begin(), r.stocks.end(), priced);
    bool cents = true;
    qint64 g = 0;
    for (const Stock& s : r.stocks) {
        m.capacity.push_back(s.length - o.endTrim + o.kerf);
        m.available.push_back(s.available ? *s.available : -1);
        double c = double(s.length);
        if (s.pricePerBar) c = *s.pricePerBar;
        if (s.pricePerTonne) c = *s.pricePerTonne * *o.kgPerMetre * double(s.length) / 1e6;
        m.cost.push_back(c);
        const double scaled = byCost ? c * 100 : c;
        cents = cents && std::abs(scaled - std::round(scaled)) < 1e-6 && scaled < 1e15;
        if (cents) g = std::gcd(g, qint64(std::llround(scaled)));
    }
    if (cents && g > 0) m.granularity = byCost ? double(g) / 100 : double(g);
    return m;
}

// Drops pieces cut beyond the demand (the exact steps may cover a demand more than once),
// then empty bars, and merges equal patterns.
void tidy(const Model& model, Solution& sol) {
    std::vector<qint64> extra(model.types(), 0);
    for (int i = 0; i < model.types(); ++i) {
        qint64 made = 0;
        for (const auto& [col, n] : sol.patterns)
            made += col.count[i] * n;
        extra[i] = made - model.demand[i];
    }
    std::vector<std::pair<Column, qint64>> out;
    for (auto [col, n] : sol.patterns) {
        while (n > 0) {
            // Take one bar's worth of extras from this pattern, on as many bars as allows.
            Column trimmed = col;
            qint64 bars = n;
            bool changed = false;
            for (int i = 0; i < model.types(); ++i) {
                if (extra[i] <= 0 || col.count[i] == 0) continue;
                const qint64 perBar = std::min(col.count[i], extra[i]);
                bars = std::min(bars, std::max<qint64>(1, extra[i] / perBar));
                changed = true;
            }
            if (changed)
                for (int i = 0; i < model.types(); ++i) {
                    if (extra[i] <= 0 || col.count[i] == 0) continue;
                    const qint64 perBar = std::min(col.count[i], extra[i] / bars);
                    trimmed.count[i] -= perBar;
                    extra[i] -= perBar * bars;
                }
            out.push_back({trimmed, bars});
            n -= bars;
        }
    }
    std::map<std::pair<int, std::vector<qint64>>, qint64> grouped;
    for (const auto& [col, n] : out)
        if (std::any_of(col.count.begin(), col.count.end(), [](qint64 c) { return c > 0; }))
            grouped[{col.stock, col.count}] += n;
    sol.patterns.clear();
    for (auto& [key, n] : grouped)
        sol.patterns.push_back({Column{key.first, key.second}, n});
}

Solution joined(const Solution& a, const Solution& b) {
    Solution s = a;
    s.patterns.insert(s.patterns.end(), b.patterns.begin(), b.patterns.end());
    return s;
}

Plan toPlan(const Request& r, const Model& model, const std::vector<std::vector<int>>& typePieces,
            const Solution& sol) {
    const Options& o = r.options;
    // Labels are handed out type by type, in request order.
    std::vector<std::pair<size_t, qint64>> next(model.types()); // (position, used of it)
    std::map<std::pair<int, std::vector<int>>, qint64> grouped;
    for (const auto& [col, count] : sol.patterns) {
        qint64 n = count;
        while (n > 0) {
            // As many bars as the current label of every type still covers, else one bar.
            qint64 bars = n;
            for (int i = 0; i < model.types(); ++i) {
                if (col.count[i] == 0) continue;
                const auto& [pos, used] = next[i];
                const qint64 rest = r.pieces[size_t(typePieces[i][pos])].count - used;
                bars = std::min(bars, std::max<qint64>(1, rest / col.count[i]));
            }
            std::vector<int> pieces;
            for (int i = 0; i < model.types(); ++i)
                for (qint64 k = 0; k < col.count[i]; ++k) {
                    auto& [pos, used] = next[i];
                    pieces.push_back(typePieces[i][pos]);
                    used += bars;
                    if (used == r.pieces[size_t(typePieces[i][pos])].count) {
                        ++pos;
                        used = 0;
                    }
                }
            grouped[{col.stock, pieces}] += bars;
            n -= bars;
        }
    }
    Plan plan;
    plan.barsPerStock.assign(r.stocks.size(), 0);
    for (const auto& [key, bars] : grouped) {
        Pattern p;
        p.stock = key.first;
        p.stockLength = r.stocks[size_t(p.stock)].length;
        p.bars = bars;
        p.pieces = key.second;
        std::vector<qint64> lengths;
        for (int i : p.pieces)
            lengths.push_back(r.pieces[size_t(i)].length);
        p.offcut = offcutOf(lengths, p.stockLength, o.kerf, o.endTrim);
        p.reusableOffcut = p.offcut > 0 && p.offcut >= o.minReusableOffcut;
        plan.barsPerStock[size_t(p.stock)] += bars;
        plan.bars += bars;
        plan.grossLength += bars * p.stockLength;
        plan.netLength += bars * std::accumulate(lengths.begin(), lengths.end(), qint64(0));
        if (p.reusableOffcut) plan.reusableLength += bars * p.offcut;
        plan.patterns.push_back(std::move(p));
    }
    // Most-used patterns first: the order a workshop cuts them in.
    std::stable_sort(plan.patterns.begin(), plan.patterns.end(),
                     [](const Pattern& a, const Pattern& b) { return a.bars > b.bars; });
    plan.scrapLength = plan.grossLength - plan.netLength - plan.reusableLength;
    plan.utilisation = plan.grossLength > 0 ? double(plan.netLength) / double(plan.grossLength) : 0;
    if (o.kgPerMetre) {
        plan.netKg = double(plan.netLength) / 1000 * *o.kgPerMetre;
        plan.grossKg = double(plan.grossLength) / 1000 * *o.kgPerMetre;
    }
    plan.costObjective = std::any_of(r.stocks.begin(), r.stocks.end(), priced);
    plan.objective = sol.cost(model);
    if (plan.costObjective) plan.cost = plan.objective;
    return plan;
}

} // namespace

QString checkPlan(const Request& r, const Plan& plan) {
    const Options& o = r.options;
    std::vector<qint64> cut(r.pieces.size(), 0);
    std::vector<qint64> bars(r.stocks.size(), 0);
    qint64 gross = 0;
    for (const Pattern& p : plan.patterns) {
        if (p.stock < 0 || size_t(p.stock) >= r.stocks.size())
            return QStringLiteral("原材料编号无效");
        if (p.stockLength != r.stocks[size_t(p.stock)].length || p.bars <= 0)
            return QStringLiteral("切割方式的原材料长度或根数不对");
        std::vector<qint64> lengths;
        for (int i : p.pieces) {
            if (i < 0 || size_t(i) >= r.pieces.size()) return QStringLiteral("零件编号无效");
            lengths.push_back(r.pieces[size_t(i)].length);
            cut[size_t(i)] += p.bars;
        }
        if (p.pieces.empty()) return QStringLiteral("切割方式没有零件");
        if (!fitsOnBar(lengths, p.stockLength, o.kerf, o.endTrim))
            return QStringLiteral("%1 mm 原材料上的零件加锯缝超长").arg(p.stockLength);
        if (p.offcut != offcutOf(lengths, p.stockLength, o.kerf, o.endTrim))
            return QStringLiteral("余料长度算错");
        bars[size_t(p.stock)] += p.bars;
        gross += p.bars * p.stockLength;
    }
    for (size_t i = 0; i < r.pieces.size(); ++i)
        if (cut[i] != r.pieces[i].count)
            return QStringLiteral("%1切出 %2 件，需要 %3 件")
                .arg(pieceName(r, i))
                .arg(cut[i])
                .arg(r.pieces[i].count);
    for (size_t s = 0; s < r.stocks.size(); ++s) {
        if (r.stocks[s].available && bars[s] > *r.stocks[s].available)
            return QStringLiteral("%1用了 %2 根，库存只有 %3 根")
                .arg(stockName(s))
                .arg(bars[s])
                .arg(*r.stocks[s].available);
        if (plan.barsPerStock.size() != r.stocks.size() || plan.barsPerStock[s] != bars[s])
            return QStringLiteral("各原材料根数的合计不对");
    }
    if (gross != plan.grossLength) return QStringLiteral("原材料总长的合计不对");
    return {};
}

Result solve(const Request& r) {
    Result result;
    result.error = validate(r);
    if (!result.error.isEmpty()) return result;
    std::vector<std::vector<int>> typePieces;
    const Model model = buildModel(r, typePieces);
    const Clock clock(r.options.timeLimit, r.options.cancel, r.options.shouldStop);
    const double maxCost = *std::max_element(model.cost.begin(), model.cost.end());
    const double eps = 1e-7 * std::max(1.0, maxCost);

    std::optional<Solution> best = firstFitDecreasing(model);
    double bestCost = best ? best->cost(model) : INFINITY;
    auto offer = [&](Solution s) {
        tidy(model, s);
        const double c = s.cost(model);
        if (c < bestCost - eps) {
            best = std::move(s);
            bestCost = c;
        }
    };

    // One stock: a plan on the fewest bars the material allows needs no LP to be optimal.
    // When the pieces would fill those bars all but exactly, bar completion looks for one
    // first, for a short while: the LP of many lengths is slow to converge.
    const bool oneStock = model.stocks() == 1 && model.granularity > 0;
    std::optional<double> atMaterialBound;
    if (oneStock) {
        qint64 length = 0;
        for (int i = 0; i < model.types(); ++i)
            length += model.width[i] * model.demand[i];
        const qint64 cap = model.capacity[0];
        const qint64 bars = (length + cap - 1) / cap;
        const double least = double(bars) * model.cost[0];
        if (bestCost > least + eps && bars * cap - length < model.width.back() &&
            (model.available[0] < 0 || model.available[0] >= bars)) {
            const CompletionResult c =
                completeBars(model, 0, bars, clock.slice(0.25), 1'000'000, nullptr);
            if (c.solution) offer(*c.solution);
        }
        if (bestCost <= least + eps) atMaterialBound = bestCost;
    }

    std::vector<Column> seed;
    if (best)
        for (const auto& [col, n] : best->patterns)
            seed.push_back(col);
    const LpResult lp = atMaterialBound ? LpResult{} : solveRelaxation(model, seed, clock);
    if (lp.infeasible) {
        result.error = QStringLiteral("库存不足：可用的原材料不够切出全部零件");
        return result;
    }
    double bound = atMaterialBound ? *atMaterialBound : model.roundUp(lp.bound);
    bool proven = false;
    auto done = [&] { return proven || (best && bestCost <= bound + eps); };

    // One stock: search bar by bar for a plan at the bound itself. Shown impossible there,
    // the bound rises by a bar and the search goes on at the new one.
    auto complete = [&](const Clock& within) {
        for (int raised = 0; raised < 3 && !done() && !within.stop(); ++raised) {
            const qint64 bars = std::llround(bound / model.cost[0]);
            if (model.available[0] >= 0 && model.available[0] < bars) break;
            const CompletionResult c = completeBars(model, 0, bars, within, 1'000'000, &lp);
            if (c.solution) offer(*c.solution);
            if (!c.exhausted) break;
            bound = model.roundUp(bound + model.granularity * 0.5);
        }
    };
    // Before diving when the bound leaves less waste than the shortest piece, as with
    // triplets: every bar is then filled all but exactly, which rounding seldom hits while
    // the search's budget prunes nearly every filling.
    if (lp.solved && oneStock && !done()) {
        qint64 pieces = 0;
        for (int i = 0; i < model.types(); ++i)
            pieces += model.width[i] * model.demand[i];
        const qint64 waste = std::llround(bound / model.cost[0]) * model.capacity[0] - pieces;
        if (waste < model.width.back()) complete(clock);
    }

    // Diving: fix the whole part of the LP solution, re-solve the rest, fix one more
    // pattern whenever nothing is whole; first-fit fills each residual for a plan.
    struct Residual {
        Model rest;
        Solution fixed;
        double bound;
    };
    std::optional<Residual> small;
    if (lp.solved && !done()) {
        Model rest = model;
        Solution fixed;
        std::vector<Column> pool = lp.columns;
        std::vector<double> x = lp.x;
        while (!done() && !clock.stop()) {
            bool any = false;
            auto fix = [&](const Column& c, qint64 n) {
                if (rest.available[c.stock] >= 0) n = std::min(n, rest.available[c.stock]);
                if (n <= 0) return;
                bool useful = false;
                for (int i = 0; i < rest.types(); ++i)
                    useful = useful || (c.count[i] > 0 && rest.demand[i] > 0);
                if (!useful) return;
                for (int i = 0; i < rest.types(); ++i)
                    rest.demand[i] = std::max<qint64>(0, rest.demand[i] - c.count[i] * n);
                if (rest.available[c.stock] >= 0) rest.available[c.stock] -= n;
                fixed.patterns.push_back({c, n});
                any = true;
            };
            for (size_t j = 0; j < pool.size(); ++j)
                if (x[j] >= 1 - 1e-6) fix(pool[j], qint64(std::floor(x[j] + 1e-6)));
            if (!any) {
                size_t top = 0;
                for (size_t j = 0; j < pool.size(); ++j)
                    if (x[j] > x[top]) top = j;
                if (top < pool.size() && x[top] > 1e-6) fix(pool[top], 1);
            }
            if (!any) break;
            if (std::all_of(rest.demand.begin(), rest.demand.end(),
                            [](qint64 d) { return d == 0; })) {
                offer(fixed);
                break;
            }
            if (auto tail = firstFitDecreasing(rest)) offer(joined(fixed, *tail));
            if (done()) break;
            const LpResult next = solveRelaxation(rest, pool, clock);
            if (!next.solved) break;
            const double restBound = rest.roundUp(next.bound);
            if (best && fixed.cost(model) + restBound >= bestCost - eps) break;
            // Kept for the exact model should diving fail.
            const qint64 left = std::accumulate(rest.demand.begin(), rest.demand.end(), qint64(0));
            if (!small && left <= 60) small = Residual{rest, fixed, restBound};
            pool = next.columns;
            x = next.x;
        }
    }

    // When diving misses, the exact model on the first small rest it left, asked only for
    // a plan at that rest's bound: rounding alone often misses the one exact fill that is
    // left (triplets).
    // With one stock bar completion does this job and watches the clock, while CBC's root
    // work on this model overran the time limit by a second.
    if (!done() && !clock.stop() && small && oneStock) {
        const qint64 bars = std::llround(small->bound / model.cost[0]);
        const CompletionResult c =
            completeBars(small->rest, 0, bars, clock.slice(0.3), 1'000'000, nullptr);
        if (c.solution) offer(joined(small->fixed, *c.solution));
    }
    if (!done() && !clock.stop() && small && !oneStock) {
        const double cutoff = small->rest.granularity > 0
                                  ? small->bound + small->rest.granularity * 0.5
                                  : small->bound + eps;
        auto exact = solveArcFlow(small->rest, cutoff, clock, 150'000);
        if (exact && exact->solution) offer(joined(small->fixed, *exact->solution));
    }

    // Diving missed by a bar or so: part of the time left for bar completion, which may
    // also prove the bound one bar higher.
    if (lp.solved && oneStock && !done() && !clock.stop()) complete(clock.slice(0.75));

    // The exact model on the whole, when it is small enough to prove the plan; CBC's root
    // work does not watch the clock, so not in the last moments, and with one stock (where
    // bar completion had its turn) only on graphs it closes at once: larger ones overran
    // the time limit by a second.
    if (!done() && !clock.stop() && clock.secondsLeft() > 0.5) {
        double cutoff = 1e300;
        if (best)
            cutoff = model.granularity > 0 ? bestCost - model.granularity * 0.5 : bestCost - eps;
        if (auto exact = solveArcFlow(model, cutoff, clock, oneStock ? 5'000 : 30'000)) {
            if (exact->solution) offer(*exact->solution);
            if (exact->proven && best) {
                proven = true;
                bound = std::max(bound, bestCost);
            }
        }
    }

    if (!best) {
        result.error = clock.cancelled() ? QStringLiteral("已取消：尚未找到方案")
                                         : QStringLiteral("在时限内没有找到满足库存数量的方案");
        return result;
    }
    Plan plan = toPlan(r, model, typePieces, *best);
    plan.lowerBound = std::min(bound, plan.objective);
    plan.optimal = done();
    plan.gapBars =
        plan.optimal
            ? 0
            : std::max<qint64>(0, qint64(std::ceil((plan.objective - bound) / maxCost - 1e-9)));
    plan.cancelled = clock.cancelled();
    plan.timedOut = !plan.optimal && clock.expired();
    const QString fault = checkPlan(r, plan);
    if (!fault.isEmpty()) {
        result.error = QStringLiteral("内部错误，方案未通过校验：%1").arg(fault);
        return result;
    }
    result.plan = std::move(plan);
    return result;
}

} // namespace cutting
