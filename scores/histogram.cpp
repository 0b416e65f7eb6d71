#include "histogram.h"

#include <algorithm>

namespace daxo {

std::vector<int> histogram(const std::vector<int>& scores, int width, int bins)
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(bins, 0)), 0);
    if (counts.empty() || width <= 0)
        return counts;
    for (const int score : scores) {
        const int bin = std::clamp(score / width, 0, bins - 1);
        ++counts[static_cast<std::size_t>(bin)];
    }
    return counts;
}

} // namespace daxo
