#pragma once

#include <vector>

namespace daxo {

// How many of `scores` fall in each of `bins` bins of `width` points from
// 0; scores beyond the last bin count in it, below 0 in the first.
std::vector<int> histogram(const std::vector<int>& scores, int width, int bins);

} // namespace daxo
