#pragma once

// The solver's own view of a request: distinct piece widths (length + kerf, longest
// first) against bar capacities (usable length + kerf), as in the rule of cutting.h.

#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace cutting::detail {

struct Model {
    std::vector<qint64> width;     // per type, decreasing
    std::vector<qint64> demand;    // per type
    std::vector<qint64> capacity;  // per stock
    std::vector<double> cost;      // per stock and bar
    std::vector<qint64> available; // per stock; -1: unlimited
    // Every plan's cost is a multiple of this (the gcd of the bar costs); 0: unknown.
    double granularity = 0;
    double roundUp(double bound) const;
    int types() const { return int(width.size()); }
    int stocks() const { return int(capacity.size()); }
};

// Counts per type on one bar of one stock.
struct Column {
    int stock = 0;
    std::vector<qint64> count;
    bool operator==(const Column&) const = default;
};

struct Solution {
    std::vector<std::pair<Column, qint64>> patterns; // with their bar counts
    double cost(const Model& model) const;
};

class Clock {
  public:
    Clock(std::chrono::milliseconds limit, const std::atomic<bool>* cancel,
          std::function<bool()> shouldStop);
    bool cancelled() const;
    bool expired() const;
    bool stop() const { return cancelled() || expired(); }
    double secondsLeft() const;
    // The same stops, with the deadline at `fraction` of the time left.
    Clock slice(double fraction) const;

  private:
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_;
    std::function<bool()> shouldStop_;
};

// First-fit decreasing over the types; new bars on the longest stock with bars left, then
// each bar moved to the cheapest stock that holds it. None when the stock runs out.
std::optional<Solution> firstFitDecreasing(const Model& model);

struct LpResult {
    bool solved = false;     // reached the LP optimum (else stopped by the clock)
    bool infeasible = false; // not enough stock even fractionally
    double value = 0;        // LP value when solved
    double bound = 0;        // a valid lower bound even when stopped
    std::vector<Column> columns;
    std::vector<double> x;
};

// The LP relaxation by column generation with CLP; `columns` seeds it.
LpResult solveRelaxation(const Model& model, std::vector<Column> columns, const Clock& clock);

struct CompletionResult {
    std::optional<Solution> solution; // one pattern per bar
    bool exhausted = false;           // no plan on that many bars: the search finished
};

// Bar completion on one stock, for a plan of at most `bars` bars of it (its availability is
// the caller's to check); gives up after about `nodeLimit` bars tried. The patterns of `lp`,
// when given, are tried first.
CompletionResult completeBars(const Model& model, int stock, qint64 bars, const Clock& clock,
                              qint64 nodeLimit, const LpResult* lp = nullptr);

struct ExactResult {
    std::optional<Solution> solution;
    bool proven = false; // the search finished: the solution (or the cutoff) is optimal
};

// The arc-flow model solved with CBC, for models whose graph stays small; none when it
// has more than `maxArcs` arcs. Only solutions cheaper than `cutoff` are sought.
std::optional<ExactResult> solveArcFlow(const Model& model, double cutoff, const Clock& clock,
                                        size_t maxArcs);

// Bounded knapsack over whole capacities: the best counts for one bar of each capacity.
// Exposed for the tests of the pricing.
std::vector<std::vector<qint64>> bestFillings(const std::vector<qint64>& width,
                                              const std::vector<double>& value,
                                              const std::vector<qint64>& bound,
                                              const std::vector<qint64>& capacities);

} // namespace cutting::detail
