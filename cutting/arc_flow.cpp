// The exact step: Valério de Carvalho's arc-flow model, one graph per stock, solved as an
// integer program by CBC. A path from 0 to the bar's capacity is a pattern; pieces are laid
// longest first along a path, which keeps the graph small. Its LP bound equals the
// Gilmore–Gomory bound, so CBC mostly has to find the plan rather than prove it.
#include "cutting/solver.h"

#include <coin/CbcEventHandler.hpp>
#include <coin/CbcModel.hpp>
#include <coin/CbcSolver.hpp>
#include <coin/CoinPackedMatrix.hpp>
#include <coin/OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <string>

namespace cutting::detail {

namespace {

struct Arc {
    qint64 from, to;
    int type; // -1: the loss arc to the end of the bar
};

struct Graph {
    int stock = 0;
    std::vector<qint64> nodes; // sorted positions, 0 and the capacity included
    std::vector<Arc> arcs;
};

std::optional<Graph> buildGraph(const Model& model, int stock, size_t budget) {
    Graph g;
    g.stock = stock;
    const qint64 cap = model.capacity[stock];
    std::vector<char> reached(size_t(cap) + 1, 0);
    reached[0] = 1;
    std::vector<qint64> positions{0};
    for (int i = 0; i < model.types(); ++i) {
        const qint64 w = model.width[i];
        if (model.demand[i] == 0 || w > cap) continue;
        // Starting points for this type: places reached by longer pieces only, then the
        // chain of up to `demand` copies from each.
        std::vector<char> start(size_t(cap) + 1, 0);
        for (qint64 p : positions)
            start[size_t(p)] = 1;
        for (qint64 p = 0; p + w <= cap; ++p) {
            if (!start[size_t(p)]) continue;
            // Copies chain on: the k-th copy starts where the (k−1)-th ended.
            qint64 at = p;
            for (qint64 k = 0; k < model.demand[i] && at + w <= cap; ++k, at += w) {
                if (k > 0 && start[size_t(at)]) break; // that chain is built from there
                g.arcs.push_back({at, at + w, i});
                if (!reached[size_t(at + w)]) {
                    reached[size_t(at + w)] = 1;
                    positions.push_back(at + w);
                }
            }
            if (g.arcs.size() > budget) return std::nullopt;
        }
    }
    for (qint64 p = 0; p <= cap; ++p)
        if (reached[size_t(p)]) g.nodes.push_back(p);
    if (!reached[size_t(cap)]) g.nodes.push_back(cap);
    for (qint64 p : g.nodes)
        if (p != 0 && p != cap) g.arcs.push_back({p, cap, -1});
    if (g.arcs.size() > budget) return std::nullopt;
    return g;
}

class StopHandler : public CbcEventHandler {
  public:
    explicit StopHandler(const Clock* clock) : clock_(clock) {}
    CbcAction event(CbcEvent) override { return clock_->stop() ? stop : noAction; }
    CbcEventHandler* clone() const override { return new StopHandler(*this); }

  private:
    const Clock* clock_;
};

int noCallback(CbcModel*, int) {
    return 0;
}

// CBC's driver keeps some state in globals; one solve at a time.
std::mutex cbcMutex;

} // namespace

std::optional<ExactResult> solveArcFlow(const Model& model, double cutoff, const Clock& clock,
                                        size_t maxArcs) {
    std::vector<Graph> graphs;
    size_t arcs = 0;
    for (int s = 0; s < model.stocks(); ++s) {
        if (model.available[s] == 0) continue;
        auto g = buildGraph(model, s, maxArcs - arcs);
        if (!g) return std::nullopt;
        arcs += g->arcs.size();
        graphs.push_back(std::move(*g));
    }

    // Variables: the arcs of every graph, then one return arc per graph (its bar count).
    // Rows: flow conservation at every node, then the demands.
    std::vector<double> obj, colLower, colUpper, rowLower, rowUpper;
    CoinPackedMatrix matrix(true, 0, 0); // column-ordered
    std::vector<std::map<qint64, int>> nodeRow(graphs.size());
    int rows = 0;
    for (size_t k = 0; k < graphs.size(); ++k)
        for (qint64 p : graphs[k].nodes)
            nodeRow[k][p] = rows++;
    const int demandRow0 = rows;
    rows += model.types();
    matrix.setDimensions(rows, 0);
    for (int r = 0; r < demandRow0; ++r) {
        rowLower.push_back(0);
        rowUpper.push_back(0);
    }
    for (int i = 0; i < model.types(); ++i) {
        rowLower.push_back(double(model.demand[i]));
        rowUpper.push_back(COIN_DBL_MAX);
    }
    std::vector<int> returnColumn(graphs.size());
    for (size_t k = 0; k < graphs.size(); ++k) {
        const Graph& g = graphs[k];
        for (const Arc& a : g.arcs) {
            std::vector<int> idx{nodeRow[k][a.from], nodeRow[k][a.to]};
            std::vector<double> el{-1, 1};
            if (a.type >= 0) {
                idx.push_back(demandRow0 + a.type);
                el.push_back(1);
            }
            matrix.appendCol(int(idx.size()), idx.data(), el.data());
            obj.push_back(0);
            colLower.push_back(0);
            colUpper.push_back(COIN_DBL_MAX);
        }
        const int s = g.stock;
        const int idx[2] = {nodeRow[k][model.capacity[s]], nodeRow[k][0]};
        const double el[2] = {-1, 1};
        returnColumn[k] = matrix.getNumCols();
        matrix.appendCol(2, idx, el);
        obj.push_back(model.cost[s]);
        colLower.push_back(0);
        colUpper.push_back(model.available[s] >= 0 ? double(model.available[s]) : COIN_DBL_MAX);
    }

    OsiClpSolverInterface solver;
    solver.messageHandler()->setLogLevel(0);
    solver.loadProblem(matrix, colLower.data(), colUpper.data(), obj.data(), rowLower.data(),
                       rowUpper.data());
    for (int c = 0; c < matrix.getNumCols(); ++c)
        solver.setInteger(c);

    std::lock_guard lock(cbcMutex);
    CbcModel cbc(solver);
    StopHandler handler(&clock);
    cbc.passInEventHandler(&handler);
    cbc.setCutoff(cutoff);
    CbcSolverUsefulData data;
    CbcMain0(cbc, data);
    cbc.setLogLevel(0);
    const std::string seconds = std::to_string(std::max(0.05, clock.secondsLeft()));
    const std::string cut = std::to_string(cutoff);
    const char* argv[] = {"cutting", "-log",      "0",      "-sec", seconds.c_str(),
                          "-cutoff", cut.c_str(), "-solve", "-quit"};
    CbcMain1(int(std::size(argv)), argv, cbc, noCallback, data);

    ExactResult out;
    out.proven = !clock.stop() && !cbc.isSecondsLimitReached() &&
                 (cbc.isProvenOptimal() || cbc.isProvenInfeasible());
    const double* x = cbc.bestSolution();
    if (!x || cbc.getObjValue() >= cutoff) return out;

    Solution sol;
    for (size_t k = 0; k < graphs.size(); ++k) {
        const Graph& g = graphs[k];
        const int first = returnColumn[k] - int(g.arcs.size());
        std::multimap<qint64, std::pair<int, qint64>> out_; // from → (arc, flow left)
        for (size_t a = 0; a < g.arcs.size(); ++a) {
            const qint64 f = std::llround(x[first + int(a)]);
            if (f > 0) out_.insert({g.arcs[a].from, {int(a), f}});
        }
        const qint64 bars = std::llround(x[returnColumn[k]]);
        const qint64 cap = model.capacity[g.stock];
        for (qint64 b = 0; b < bars; ++b) {
            Column c{g.stock, std::vector<qint64>(model.types(), 0)};
            qint64 at = 0;
            while (at != cap) {
                auto it = out_.find(at);
                if (it == out_.end()) return out; // not a flow: leave it to the caller
                const Arc& a = g.arcs[size_t(it->second.first)];
                if (a.type >= 0) ++c.count[a.type];
                if (--it->second.second == 0) out_.erase(it);
                at = a.to;
            }
            sol.patterns.push_back({c, 1});
        }
    }
    out.solution = std::move(sol);
    return out;
}

} // namespace cutting::detail
