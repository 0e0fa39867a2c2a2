#include "browser/column_widths.h"

#include <cstddef>
#include <numeric>

std::vector<int> sharedColumnWidths(const std::vector<int>& needed, const std::vector<int>& weights,
                                    int available) {
    std::vector<int> widths = needed;
    const long long need = std::accumulate(needed.begin(), needed.end(), 0LL);
    long long weightSum = 0;
    for (std::size_t k = 0; k < widths.size(); ++k)
        weightSum += k < weights.size() && weights[k] > 0 ? weights[k] : 0;
    if (widths.empty() || need >= available || weightSum == 0) return widths;
    const long long extra = available - need;
    long long given = 0;
    std::size_t lastWeighted = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const int weight = k < weights.size() && weights[k] > 0 ? weights[k] : 0;
        if (weight == 0) continue;
        const long long share = extra * weight / weightSum;
        widths[k] += static_cast<int>(share);
        given += share;
        lastWeighted = k;
    }
    // The pixels the division leaves go to the last column that takes a share.
    widths[lastWeighted] += static_cast<int>(extra - given);
    return widths;
}
