// Selection of order statistics without sorting.
//
// One order statistic: Floyd and Rivest's SELECT (Floyd, R. W. and Rivest, R. L. (1975),
// "Algorithm 489: The algorithm SELECT - for finding the ith smallest of n elements",
// Communications of the ACM 18(3), 173). A partition around a pivot drawn from a small sample
// of the range usually places the wanted element in one pass: about n + min(k, n - k)
// comparisons on average, against 2n to 3n for Hoare's FIND.
//
// Several at once (median and quartiles): the values are first distributed into buckets of
// equal width between their minimum and maximum, in the manner of Dobosiewicz's
// distributive partitioning, which costs no comparison and so no mispredicted branch; each
// wanted position then lies in one bucket, where SELECT finishes the work on a few values.
#pragma once

#include <cstddef>
#include <span>

namespace kpa::probability {

// Reorders `values` so that values[k] is the value a full ascending sort would put there,
// with no greater value before it and no smaller one after it. Requires k < values.size();
// NaNs leave the order unspecified.
void SelectOrderStatistic(std::span<double> values, std::size_t k);

// The same for each of `positions` (0-based, ascending, each below values.size()) at once:
// values[k] is what a sort would put there for every k of them. Values must be finite.
void SelectOrderStatistics(std::span<double> values, std::span<const std::size_t> positions);

}  // namespace kpa::probability
