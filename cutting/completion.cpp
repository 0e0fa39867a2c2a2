// Bar completion (Korf's bin completion) for one stock: the bars are filled one at a time,
// each around the piece with the fewest fillings left, trying only maximal fillings whose
// waste keeps the total within what the target number of bars allows. When the LP bound
// leaves little or no waste (triplets fill every bar exactly) that budget prunes nearly
// every filling, so the search finds the plan rounding misses, or shows there is none at
// that count.
#include "cutting/solver.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <random>
#include <unordered_set>

namespace cutting::detail {

namespace {

struct StateHash {
    size_t operator()(const std::vector<qint64>& v) const {
        size_t h = 1469598103934665603ULL;
        for (qint64 x : v)
            h = (h ^ size_t(x)) * 1099511628211ULL;
        return h;
    }
};

// A bar's pieces as (type, count), and what it leaves.
struct Filling {
    qint64 waste = 0;
    double liked = 0; // the pattern's value in the LP solution
    std::vector<std::pair<int, qint64>> parts;
};

class Search {
  public:
    Search(const Model& model, int stock, qint64 bars, const Clock& clock,
           const std::map<std::vector<qint64>, double>* liked = nullptr)
        : m_(model.types()), width_(model.width), demand_(model.demand),
          capacity_(model.capacity[stock]), stock_(stock), bars_(bars), clock_(clock),
          liked_(liked) {}

    CompletionResult run(qint64 nodeLimit, bool repair) {
        CompletionResult out;
        total_ = 0;
        for (int i = 0; i < m_; ++i)
            total_ += width_[i] * demand_[i];
        if (bars_ * capacity_ < total_) {
            out.exhausted = true;
            return out;
        }
        exact_ = bars_ * capacity_ == total_ && listExact();
        if (!repair) {
            attempt(nodeLimit, out);
            return out;
        }

        // Attempts of a few nodes per bar, each followed by a few repairs of the deepest
        // plan it reached; after the first, the fillings the LP does not tell apart come in
        // random order. The search goes wrong near its end, where another order or a swap
        // with a few earlier bars usually fits what is left.
        std::mt19937 rng(12345);
        for (int round = 0; nodeLimit > 0 && !clock_.stop(); ++round) {
            rng_ = round == 0 ? nullptr : &rng;
            const qint64 nodes = std::min(nodeLimit, std::max<qint64>(256, 20 * bars_));
            nodeLimit -= nodes;
            if (attempt(nodes, out) || out.exhausted) return out;
            qint64 forRepair = std::min(nodeLimit, std::max<qint64>(2560, 200 * bars_));
            nodeLimit -= forRepair;
            if (auto sol = repairDeepest(forRepair, rng)) {
                out.solution = std::move(sol);
                return out;
            }
        }
        return out;
    }

  private:
    // The search from the start; true when it found a plan.
    bool attempt(qint64 nodes, CompletionResult& out) {
        if (exact_) {
            // Back to all pieces, through take() so that the counts follow.
            for (int t = 0; t < m_; ++t)
                if (left_[t] != demand_[t]) take(t, left_[t] - demand_[t]);
        }
        left_ = demand_;
        barsLeft_ = bars_;
        waste_ = bars_ * capacity_ - total_;
        chosen_.clear();
        deepestPlan_.clear();
        aborted_ = false;
        nodesLeft_ = nodes;
        if (dfs()) {
            out.solution = solution(chosen_);
            return true;
        }
        out.exhausted = !aborted_ && !incomplete_;
        return false;
    }

    // Frees some bars of the deepest partial plan and completes them with what it left
    // over, by a small search. The bars freed hold the partners of leftover pieces in some
    // filling, so that a swap that fits them is within reach.
    std::optional<Solution> repairDeepest(qint64 budget, std::mt19937& rng) {
        std::vector<Filling> partial = deepestPlan_;
        std::vector<std::vector<Filling>> fillingsOf = leftoverFillings(partial);
        auto barsWith = std::vector<std::vector<size_t>>(size_t(m_));
        for (size_t b = 0; b < partial.size(); ++b)
            for (const auto& [t, k] : partial[b].parts)
                barsWith[size_t(t)].push_back(b);
        std::vector<int> leftover;
        for (int i = 0; i < m_; ++i)
            if (!fillingsOf[size_t(i)].empty()) leftover.push_back(i);
        for (int round = 0; budget > 0 && !clock_.stop() && !partial.empty(); ++round) {
            const size_t want = std::min(partial.size(), size_t(2 + round % 24));
            std::vector<char> freed(partial.size(), 0);
            size_t count = 0;
            auto pick = [&](size_t b) {
                if (!freed[b] && count < want) {
                    freed[b] = 1;
                    ++count;
                }
            };
            std::shuffle(leftover.begin(), leftover.end(), rng);
            for (int i : leftover) {
                const auto& options = fillingsOf[size_t(i)];
                const Filling& f = options[rng() % options.size()];
                for (const auto& [t, k] : f.parts)
                    if (!barsWith[size_t(t)].empty())
                        pick(barsWith[size_t(t)][rng() % barsWith[size_t(t)].size()]);
            }
            while (count < want)
                pick(rng() % partial.size());
            Model rest;
            rest.width = width_;
            rest.demand = demand_;
            rest.capacity = {capacity_};
            for (size_t b = 0; b < partial.size(); ++b)
                if (!freed[b])
                    for (const auto& [t, k] : partial[b].parts)
                        rest.demand[size_t(t)] -= k;
            const qint64 restBars = bars_ - qint64(partial.size() - count);
            Search sub(rest, 0, restBars, clock_, liked_);
            const qint64 subLimit = std::min<qint64>(budget, 40 * restBars);
            const CompletionResult done = sub.run(subLimit, false);
            budget -= subLimit - std::max<qint64>(0, sub.nodesLeft_);
            if (!done.solution) continue;
            std::vector<Filling> kept;
            for (size_t b = 0; b < partial.size(); ++b)
                if (!freed[b]) kept.push_back(partial[b]);
            Solution sol = solution(kept);
            for (auto [c, n] : done.solution->patterns) {
                c.stock = stock_;
                sol.patterns.push_back({std::move(c), n});
            }
            return sol;
        }
        return std::nullopt;
    }

    // Per type with pieces the partial plan leaves over: its fillings among all pieces,
    // within the whole waste budget (some of them, when there are many).
    std::vector<std::vector<Filling>> leftoverFillings(const std::vector<Filling>& partial) {
        std::vector<qint64> over = demand_;
        for (const Filling& f : partial)
            for (const auto& [t, k] : f.parts)
                over[size_t(t)] -= k;
        left_ = demand_;
        waste_ = bars_ * capacity_ - total_;
        active_.clear();
        for (int t = 0; t < m_; ++t)
            if (left_[t] > 0) active_.push_back(t);
        sums();
        auto out = std::vector<std::vector<Filling>>(size_t(m_));
        for (int i = 0; i < m_; ++i) {
            if (over[size_t(i)] <= 0) continue;
            --left_[i];
            Filling f;
            collect(0, capacity_ - width_[i], f, out[size_t(i)], 500);
            ++left_[i];
        }
        return out;
    }

    Solution solution(const std::vector<Filling>& bars) const {
        Solution sol;
        for (const Filling& f : bars) {
            Column c{stock_, std::vector<qint64>(size_t(m_), 0)};
            for (const auto& [t, k] : f.parts)
                c.count[size_t(t)] += k;
            sol.patterns.push_back({std::move(c), 1});
        }
        return sol;
    }

    // Fills one bar around the piece with the fewest fillings left (the most constrained,
    // as in exact cover), so dead ends show up before the search commits to much.
    bool dfs() {
        active_.clear();
        for (int t = 0; t < m_; ++t)
            if (left_[t] > 0) active_.push_back(t);
        if (active_.empty()) return true;
        if (barsLeft_ == 0) return false;
        if (bars_ - barsLeft_ > qint64(deepestPlan_.size())) deepestPlan_ = chosen_;
        if (--nodesLeft_ < 0 || clock_.stop()) {
            aborted_ = true;
            return false;
        }
        std::vector<qint64> key = left_;
        key.push_back(barsLeft_);
        if (failed_.count(key)) return false;
        if (exact_) return dfsExact(std::move(key));

        sums();
        // The type with the fewest fillings is filled around; a listing stops as soon as it
        // is no shorter than the best so far.
        std::vector<Filling> fillings;
        bool chosen = false;
        // Every type is weighed: weighing only the longest few left the search to thrash.
        for (const int i : active_) {
            std::vector<Filling> mine;
            const size_t cap = chosen ? fillings.size() - 1 : maxFillings;
            --left_[i];
            Filling f;
            collect(0, capacity_ - width_[i], f, mine, cap + 1);
            ++left_[i];
            if (mine.size() > cap) continue;
            chosen = true;
            fillings = std::move(mine);
            putOn(fillings, i);
            if (fillings.size() <= 1) break;
        }
        // Every type has too many fillings to list: some of the first type's are tried, and
        // a failure here proves nothing.
        const bool complete = chosen;
        if (!chosen) {
            incomplete_ = true;
            const int i = active_.front();
            --left_[i];
            Filling f;
            collect(0, capacity_ - width_[i], f, fillings, maxFillings);
            ++left_[i];
            putOn(fillings, i);
        }
        // Least waste first; among equal waste the patterns the LP uses most, then more of
        // the longer pieces first.
        if (liked_)
            for (Filling& g : fillings) {
                std::vector<qint64> c(size_t(m_), 0);
                for (const auto& [t, k] : g.parts)
                    c[size_t(t)] += k;
                auto it = liked_->find(c);
                g.liked = it == liked_->end() ? 0 : it->second;
            }
        if (rng_) std::shuffle(fillings.begin(), fillings.end(), *rng_);
        std::stable_sort(fillings.begin(), fillings.end(), [](const Filling& a, const Filling& b) {
            return a.waste < b.waste || (a.waste == b.waste && a.liked > b.liked);
        });

        for (Filling& filling : fillings) {
            for (const auto& [t, k] : filling.parts)
                left_[t] -= k;
            waste_ -= filling.waste;
            --barsLeft_;
            chosen_.push_back(filling);
            if (dfs()) return true;
            chosen_.pop_back();
            ++barsLeft_;
            waste_ += filling.waste;
            for (const auto& [t, k] : filling.parts)
                left_[t] += k;
            if (aborted_) return false;
        }
        if (complete) failed_.insert(std::move(key));
        return false;
    }

    // With no waste to spare every filling is exact, hence maximal, and stays a filling
    // until one of its pieces runs out. So the fillings are listed once, and each type's
    // count of those still possible is kept up to date as pieces are taken and put back:
    // a bar then costs the fillings its pieces touch, not a listing per type.
    bool listExact() {
        left_ = demand_;
        waste_ = 0;
        active_.clear();
        for (int t = 0; t < m_; ++t)
            if (left_[t] > 0) active_.push_back(t);
        sums();
        all_.clear();
        for (size_t p = 0; p < active_.size(); ++p) {
            if (clock_.stop()) return false;
            const int i = active_[p];
            // Listed from its first type only, so each filling once.
            std::vector<Filling> mine;
            --left_[i];
            Filling f;
            collect(p, capacity_ - width_[i], f, mine, maxExact + 1 - all_.size());
            ++left_[i];
            putOn(mine, i);
            all_.insert(all_.end(), mine.begin(), mine.end());
            if (all_.size() > maxExact) return false;
        }
        if (liked_)
            for (Filling& g : all_) {
                std::vector<qint64> c(size_t(m_), 0);
                for (const auto& [t, k] : g.parts)
                    c[size_t(t)] += k;
                auto it = liked_->find(c);
                g.liked = it == liked_->end() ? 0 : it->second;
            }
        byType_.assign(size_t(m_), {});
        for (size_t f = 0; f < all_.size(); ++f)
            for (const auto& [t, k] : all_[f].parts)
                byType_[size_t(t)].push_back({f, k});
        short_.assign(all_.size(), 0);
        possible_.assign(size_t(m_), 0);
        for (size_t f = 0; f < all_.size(); ++f)
            for (const auto& [t, k] : all_[f].parts)
                ++possible_[size_t(t)];
        return true;
    }

    // Takes (k < 0: puts back) k pieces of type t, keeping the counts of possible fillings.
    void take(int t, qint64 k) {
        const qint64 before = left_[t], after = before - k;
        left_[t] = after;
        for (const auto& [f, need] : byType_[size_t(t)]) {
            const bool was = need > before, is = need > after;
            if (was == is) continue;
            const int change = is ? 1 : -1;
            short_[f] += change;
            if ((is && short_[f] == 1) || (!is && short_[f] == 0))
                for (const auto& [u, n] : all_[f].parts)
                    possible_[size_t(u)] -= change;
        }
    }

    bool dfsExact(std::vector<qint64> key) {
        int pick = -1;
        for (int t : active_)
            if (pick < 0 || possible_[size_t(t)] < possible_[size_t(pick)]) pick = t;
        std::vector<const Filling*> fillings;
        for (const auto& [f, need] : byType_[size_t(pick)])
            if (short_[f] == 0) fillings.push_back(&all_[f]);
        if (rng_) std::shuffle(fillings.begin(), fillings.end(), *rng_);
        std::stable_sort(fillings.begin(), fillings.end(),
                         [](const Filling* a, const Filling* b) { return a->liked > b->liked; });
        for (const Filling* filling : fillings) {
            for (const auto& [t, k] : filling->parts)
                take(t, k);
            --barsLeft_;
            chosen_.push_back(*filling);
            const bool found = dfs();
            if (found) return true;
            chosen_.pop_back();
            ++barsLeft_;
            for (const auto& [t, k] : filling->parts)
                take(t, -k);
            if (aborted_) return false;
        }
        failed_.insert(std::move(key));
        return false;
    }

    // Adds the piece of type i each filling was listed around.
    static void putOn(std::vector<Filling>& fillings, int i) {
        for (Filling& g : fillings) {
            auto at = std::find_if(g.parts.begin(), g.parts.end(),
                                   [&](const auto& p) { return p.first == i; });
            if (at == g.parts.end())
                g.parts.push_back({i, 1});
            else
                ++at->second;
        }
    }

    // Maximal fillings of `free` (besides the one piece already on the bar) from
    // the types active_[p..], waste within the budget; stops at `limit` of them.
    void collect(size_t p, qint64 free, Filling& f, std::vector<Filling>& out, size_t limit) {
        if (out.size() >= limit) return;
        if (free <= waste_ && maximal(free, f)) {
            f.waste = free;
            out.push_back(f);
        }
        // Widths fall along active_: skip those too long in one step.
        p = size_t(std::partition_point(active_.begin() + qint64(p), active_.end(),
                                        [&](int t) { return width_[t] > free; }) -
                   active_.begin());
        for (; p < active_.size(); ++p) {
            const int t = active_[p];
            if (!reachable(t, free - waste_, free)) return; // nor from any later type
            const qint64 most = std::min(left_[t], free / width_[t]);
            for (qint64 k = most; k >= 1; --k) {
                const qint64 room = free - k * width_[t];
                // The later types must close the bar; most k fail this, cheaply here.
                if (!reachable(t + 1, room - waste_, room)) continue;
                f.parts.push_back({t, k});
                collect(p + 1, room, f, out, limit);
                f.parts.pop_back();
                if (out.size() >= limit) return;
            }
        }
    }

    // No piece left over after this bar fits in what it leaves.
    bool maximal(qint64 free, const Filling& f) const {
        for (size_t p = active_.size(); p-- > 0;) {
            const int t = active_[p];
            if (width_[t] > free) return true;
            qint64 on = 0;
            for (const auto& [u, k] : f.parts)
                if (u == t) on = k;
            if (left_[t] > on) return false;
        }
        return true;
    }

    // reach_ row j: the sums the pieces of types j.. still left can make, up to the
    // capacity. Filling only along reachable sums makes the enumeration output-bound.
    void sums() {
        const int first = 0;
        const size_t words = size_t(capacity_) / 64 + 1;
        reach_.assign((size_t(m_) + 1) * words, 0);
        auto row = [&](int j) { return reach_.data() + size_t(j) * words; };
        row(m_)[0] = 1;
        shifted_.resize(words);
        for (int j = m_ - 1; j >= first; --j) {
            std::uint64_t* out = row(j);
            const std::uint64_t* in = row(j + 1);
            std::copy(in, in + words, out);
            std::copy(in, in + words, shifted_.begin());
            const qint64 copies = std::min(left_[j], capacity_ / width_[j]);
            for (qint64 k = 0; k < copies; ++k) {
                shiftUp(shifted_, width_[j]);
                for (size_t w = 0; w < words; ++w)
                    out[w] |= shifted_[w];
            }
        }
        words_ = words;
    }

    void shiftUp(std::vector<std::uint64_t>& bits, qint64 by) const {
        const size_t words = bits.size();
        const size_t whole = size_t(by) / 64, part = size_t(by) % 64;
        for (size_t w = words; w-- > 0;) {
            std::uint64_t v = 0;
            if (w >= whole) {
                v = bits[w - whole] << part;
                if (part && w > whole) v |= bits[w - whole - 1] >> (64 - part);
            }
            bits[w] = v;
        }
        // Bits past the capacity stay clear so that they never count as reachable.
        const size_t top = size_t(capacity_) % 64;
        if (top != 63) bits[words - 1] &= (std::uint64_t(1) << (top + 1)) - 1;
    }

    // Whether types j.. can make some sum in [lo, hi].
    bool reachable(int j, qint64 lo, qint64 hi) const {
        lo = std::max<qint64>(0, lo);
        if (hi < lo) return false;
        const std::uint64_t* bits = reach_.data() + size_t(j) * words_;
        for (qint64 s = lo; s <= hi;) {
            const size_t w = size_t(s) / 64, b = size_t(s) % 64;
            std::uint64_t v = bits[w] >> b;
            const qint64 span = std::min<qint64>(64 - qint64(b), hi - s + 1);
            if (span < 64) v &= (std::uint64_t(1) << span) - 1;
            if (v) return true;
            s += span;
        }
        return false;
    }

    static constexpr size_t maxFillings = 4000;
    static constexpr size_t maxExact = 200'000;

    const int m_;
    const std::vector<qint64>& width_;
    const std::vector<qint64>& demand_;
    const qint64 capacity_;
    const int stock_;
    const qint64 bars_;
    const Clock& clock_;
    const std::map<std::vector<qint64>, double>* liked_;
    std::vector<qint64> left_;
    qint64 total_ = 0; // the widths of all pieces
    qint64 barsLeft_ = 0;
    std::vector<Filling> deepestPlan_;
    // The exact fillings, listed once, when there is no waste to spare.
    bool exact_ = false;
    std::vector<Filling> all_;
    std::vector<std::vector<std::pair<size_t, qint64>>> byType_; // (filling, pieces of the type)
    std::vector<int> short_;       // per filling: its types with too few pieces left
    std::vector<qint64> possible_; // per type: the fillings still possible that hold it
    qint64 waste_ = 0;
    qint64 nodesLeft_ = 0;
    bool aborted_ = false;
    std::mt19937* rng_ = nullptr; // shuffles equal fillings on a restart
    bool incomplete_ = false;     // some fillings were left out: a failure proves nothing
    std::vector<std::uint64_t> reach_, shifted_;
    std::vector<int> active_; // types with pieces left, longest first
    size_t words_ = 0;
    std::vector<Filling> chosen_;
    // States shown to have no completion; valid across restarts.
    std::unordered_set<std::vector<qint64>, StateHash> failed_;
};

} // namespace

CompletionResult completeBars(const Model& model, int stock, qint64 bars, const Clock& clock,
                              qint64 nodeLimit, const LpResult* lp) {
    std::map<std::vector<qint64>, double> liked;
    if (lp)
        for (size_t j = 0; j < lp->columns.size() && j < lp->x.size(); ++j)
            if (lp->columns[j].stock == stock && lp->x[j] > 1e-9)
                liked[lp->columns[j].count] += lp->x[j];
    return Search(model, stock, bars, clock, lp ? &liked : nullptr).run(nodeLimit, true);
}

} // namespace cutting::detail
