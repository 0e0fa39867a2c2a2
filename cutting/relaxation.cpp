// The LP relaxation of the cutting stock problem by column generation (Gilmore–Gomory):
// CLP solves the restricted master, a bounded knapsack by dynamic programming prices the
// patterns of every stock in one pass over the lengths.
#include "cutting/solver.h"

#include <coin/ClpSimplex.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

namespace cutting::detail {

std::vector<std::vector<qint64>> bestFillings(const std::vector<qint64>& width,
                                              const std::vector<double>& value,
                                              const std::vector<qint64>& bound,
                                              const std::vector<qint64>& capacities) {
    const int types = int(width.size());
    std::vector<std::vector<qint64>> result(capacities.size(), std::vector<qint64>(types, 0));
    if (capacities.empty()) return result;
    // Dividing by the common factor of the widths shrinks the table without changing
    // which fillings fit.
    qint64 g = 0;
    for (int i = 0; i < types; ++i)
        if (value[i] > 0) g = std::gcd(g, width[i]);
    if (g == 0) return result;
    const qint64 top = *std::max_element(capacities.begin(), capacities.end()) / g;

    // Bounded counts become 0/1 items of 1, 2, 4, … copies.
    struct Item {
        int type;
        qint64 copies, weight;
        double value;
    };
    std::vector<Item> items;
    for (int i = 0; i < types; ++i) {
        if (value[i] <= 0) continue;
        const qint64 w = width[i] / g;
        qint64 left = std::min(bound[i], top / w);
        for (qint64 k = 1; left > 0; k *= 2) {
            const qint64 c = std::min(k, left);
            items.push_back({i, c, c * w, c * value[i]});
            left -= c;
        }
    }
    const size_t stride = size_t(top) + 1;
    std::vector<double> best(stride, 0.0);
    std::vector<bool> taken(items.size() * stride, false);
    for (size_t j = 0; j < items.size(); ++j) {
        const Item& it = items[j];
        for (qint64 c = top; c >= it.weight; --c) {
            const double v = best[size_t(c - it.weight)] + it.value;
            if (v > best[size_t(c)] + 1e-12) {
                best[size_t(c)] = v;
                taken[j * stride + size_t(c)] = true;
            }
        }
    }
    for (size_t s = 0; s < capacities.size(); ++s) {
        qint64 c = capacities[s] / g;
        for (size_t j = items.size(); j-- > 0;) {
            if (c >= 0 && taken[j * stride + size_t(c)]) {
                result[s][items[j].type] += items[j].copies;
                c -= items[j].weight;
            }
        }
    }
    return result;
}

namespace {

bool coversNothing(const Column& c) {
    return std::all_of(c.count.begin(), c.count.end(), [](qint64 n) { return n == 0; });
}

} // namespace

LpResult solveRelaxation(const Model& model, std::vector<Column> columns, const Clock& clock) {
    LpResult out;
    const int m = model.types();
    const int stocks = model.stocks();
    qint64 totalDemand = 0;
    for (qint64 d : model.demand)
        totalDemand += d;

    // Homogeneous patterns make every demand coverable from the start.
    for (int s = 0; s < stocks; ++s)
        for (int i = 0; i < m; ++i) {
            const qint64 n = std::min(model.demand[i], model.capacity[s] / model.width[i]);
            if (n <= 0) continue;
            Column c{s, std::vector<qint64>(m, 0)};
            c.count[i] = n;
            columns.push_back(c);
        }
    {
        std::vector<Column> unique;
        std::set<std::pair<int, std::vector<qint64>>> seen;
        for (Column& c : columns) {
            for (int i = 0; i < m; ++i)
                c.count[i] = std::min(c.count[i], model.demand[i]);
            if (coversNothing(c) || !seen.insert({c.stock, c.count}).second) continue;
            unique.push_back(std::move(c));
        }
        columns = std::move(unique);
    }

    std::vector<int> limitRow(stocks, -1);
    int rows = m;
    for (int s = 0; s < stocks; ++s)
        if (model.available[s] >= 0) limitRow[s] = rows++;

    ClpSimplex lp;
    lp.setLogLevel(0);
    lp.resize(rows, 0);
    for (int i = 0; i < m; ++i) {
        lp.setRowLower(i, double(model.demand[i]));
        lp.setRowUpper(i, COIN_DBL_MAX);
    }
    for (int s = 0; s < stocks; ++s)
        if (limitRow[s] >= 0) {
            lp.setRowLower(limitRow[s], -COIN_DBL_MAX);
            lp.setRowUpper(limitRow[s], double(model.available[s]));
        }
    // One artificial per demand: a shortage of stock shows as an artificial left in use.
    const double maxCost = *std::max_element(model.cost.begin(), model.cost.end());
    const double big = 1e4 * maxCost + 1;
    for (int i = 0; i < m; ++i) {
        const double one = 1;
        lp.addColumn(1, &i, &one, 0, COIN_DBL_MAX, big);
    }
    auto addColumn = [&](const Column& c) {
        std::vector<int> idx;
        std::vector<double> el;
        for (int i = 0; i < m; ++i)
            if (c.count[i] > 0) {
                idx.push_back(i);
                el.push_back(double(c.count[i]));
            }
        if (limitRow[c.stock] >= 0) {
            idx.push_back(limitRow[c.stock]);
            el.push_back(1);
        }
        lp.addColumn(int(idx.size()), idx.data(), el.data(), 0, COIN_DBL_MAX, model.cost[c.stock]);
    };
    for (const Column& c : columns)
        addColumn(c);

    std::set<std::pair<int, std::vector<qint64>>> known;
    for (const Column& c : columns)
        known.insert({c.stock, c.count});

    // Every millimetre of the pieces takes at least the cheapest stock's cost per millimetre
    // of capacity. When this bound already rounds to the master's value the LP is settled,
    // which cuts the long tail of column generation where every bar is filled exactly.
    double bound = 0;
    {
        double perMillimetre = INFINITY;
        for (int s = 0; s < stocks; ++s)
            perMillimetre = std::min(perMillimetre, model.cost[s] / double(model.capacity[s]));
        double length = 0;
        for (int i = 0; i < m; ++i)
            length += double(model.width[i]) * double(model.demand[i]);
        bound = length * perMillimetre * (1 - 1e-12);
    }
    for (int round = 0; round < 100000; ++round) {
        lp.primal();
        if (lp.status() != 0) return out; // numerically lost; the caller keeps its plan
        const double z = lp.objectiveValue();
        const double* y = lp.dualRowSolution();
        std::vector<double> value(y, y + m);
        std::vector<qint64> cap(model.capacity.begin(), model.capacity.end());
        const auto fill = bestFillings(model.width, value, model.demand, cap);

        bool added = false;
        bool limited = false;
        double lagrange = z, farleyRatio = 0;
        for (int s = 0; s < stocks; ++s) {
            double v = 0;
            for (int i = 0; i < m; ++i)
                v += value[i] * double(fill[s][i]);
            const double stockDual = limitRow[s] >= 0 ? y[limitRow[s]] : 0;
            const double reduced = model.cost[s] - stockDual - v;
            const qint64 most =
                limitRow[s] >= 0 ? std::min(model.available[s], totalDemand) : totalDemand;
            lagrange += std::min(0.0, reduced) * double(most);
            limited = limited || limitRow[s] >= 0;
            farleyRatio = std::max(farleyRatio, v / model.cost[s]);
            if (reduced < -1e-9 * std::max(1.0, model.cost[s])) {
                Column c{s, fill[s]};
                if (!coversNothing(c) && known.insert({s, c.count}).second) {
                    addColumn(c);
                    columns.push_back(c);
                    added = true;
                }
            }
        }
        // Farley's bound: the duals scaled to feasibility bound the LP from below.
        // Below 1 only by rounding in the duals; and no bound exceeds the master's value.
        if (!limited && farleyRatio > 0)
            lagrange = std::max(lagrange, z / std::max(1.0, farleyRatio));
        if (z < big) bound = std::max(bound, std::min(lagrange, z));
        const bool settled =
            model.granularity > 0 && z < big && model.roundUp(bound) >= model.roundUp(z - 1e-9);
        if (!added || settled) {
            out.solved = true;
            out.value = z;
            out.bound = added ? bound : std::max(bound, z);
            break;
        }
        if (clock.stop()) {
            out.value = z;
            out.bound = bound;
            break;
        }
    }
    const double* x = lp.primalColumnSolution();
    for (int i = 0; i < m; ++i)
        if (x[i] > 1e-6) {
            out.infeasible = out.solved;
            out.solved = false;
            out.bound = 0;
        }
    out.columns = std::move(columns);
    out.x.assign(x + m, x + m + out.columns.size());
    return out;
}

} // namespace cutting::detail
