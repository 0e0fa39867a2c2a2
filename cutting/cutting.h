#pragma once

// One-dimensional cutting stock ("下料优化"): which bars to cut, and how, so that the
// ordered pieces come out of the least stock (or at least cost). No widgets; a solve may
// run on any thread, one request per call.
//
// Lengths are whole millimetres throughout.
//
// Kerf and trim rule. A bar of length L first loses the end trim T (the squaring cut at
// its start, with its own saw width included in T), leaving the usable length U = L − T.
// Pieces are then cut one after another from the trimmed end; every cut after a piece
// consumes the kerf k. The last piece needs no cut when nothing is left behind it, and
// when less than a kerf is left the cut eats that sliver. So pieces l1..ln fit on the bar
// iff
//     l1 + … + ln + (n − 1)·k ≤ U,
// and the offcut left behind is max(0, U − (l1 + … + ln) − n·k).
// Equivalently every piece occupies l + k of a bar whose capacity is U + k; the solver
// works on that form.

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace cutting {

struct Piece {
    qint64 length = 0; // mm
    qint64 count = 0;
    QString label; // shown in messages and on the plan; empty: "第 n 种零件"
};

struct Stock {
    qint64 length = 0;                   // mm
    std::optional<qint64> available;     // bars in store; none: as many as needed
    std::optional<double> pricePerBar;   // 元 per bar
    std::optional<double> pricePerTonne; // 元 per tonne; needs the weight per metre
};

struct Options {
    qint64 kerf = 0;              // saw width per cut, mm
    qint64 endTrim = 0;           // lost at the start of every bar, mm
    qint64 minReusableOffcut = 0; // offcuts at least this long go back to store, mm
    std::chrono::milliseconds timeLimit{2000};
    std::optional<double> kgPerMetre; // for the weights and per-tonne prices
    // Either stops the solve; the best plan found so far is returned.
    const std::atomic<bool>* cancel = nullptr;
    std::function<bool()> shouldStop;
};

struct Request {
    std::vector<Piece> pieces;
    std::vector<Stock> stocks;
    Options options;
};

// One way of cutting a bar, used on `bars` bars.
struct Pattern {
    int stock = 0;          // index into Request::stocks
    qint64 stockLength = 0; // mm
    qint64 bars = 0;
    std::vector<int> pieces;     // indices into Request::pieces, in cutting order
    qint64 offcut = 0;           // mm, per bar
    bool reusableOffcut = false; // offcut ≥ the minimum reusable length
};

struct Plan {
    std::vector<Pattern> patterns;
    std::vector<qint64> barsPerStock; // per Request::stocks entry
    qint64 bars = 0;
    qint64 grossLength = 0;    // stock used, mm
    qint64 netLength = 0;      // pieces, mm
    qint64 reusableLength = 0; // offcuts worth keeping, mm
    qint64 scrapLength = 0;    // everything else: trim, kerf, short offcuts, mm
    double utilisation = 0;    // net / gross
    std::optional<double> netKg, grossKg;
    std::optional<double> cost; // 元, when prices are given

    // The objective is the stock length in mm, or the cost in 元 when prices are given.
    bool costObjective = false;
    double objective = 0;
    double lowerBound = 0; // the LP bound rounded up to what a plan can cost
    bool optimal = false;  // objective reaches the bound, or the exact model proved it
    qint64 gapBars = 0;    // at least this many bars' worth above the bound; 0 when optimal
    bool timedOut = false;
    bool cancelled = false;
};

struct Result {
    std::optional<Plan> plan;
    QString error; // set when there is no plan; names the field at fault
};

// The first fault of the request, or empty.
QString validate(const Request& request);

// Solves within the time limit. Every returned plan has passed checkPlan.
Result solve(const Request& request);

// Why the plan does not cut the request's pieces from its stock, or empty when it does.
QString checkPlan(const Request& request, const Plan& plan);

// Whether pieces of the given lengths fit on one bar, by the rule above.
bool fitsOnBar(const std::vector<qint64>& lengths, qint64 barLength, qint64 kerf, qint64 endTrim);
qint64 offcutOf(const std::vector<qint64>& lengths, qint64 barLength, qint64 kerf, qint64 endTrim);

// Whole millimetres as typed: digits, optionally with blanks around and full-width
// digits. "12.5" and "1e3" are refused with a message naming `field`.
std::optional<qint64> readMillimetres(const QString& text, const QString& field, QString* error);

// Largest accepted values: the pricing works over every millimetre of a bar.
inline constexpr qint64 maxStockLength = 1'000'000;
inline constexpr qint64 maxTotalPieces = 1'000'000;

} // namespace cutting
