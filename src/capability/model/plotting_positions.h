// Plotting positions of a probability plot: the sorted values get the ranks 1..N (a run of
// equal values sharing the mean of its ranks when ties are averaged), and rank i the position
// p_i = (rank_i + r) / (N + a). Blom's choice r = -3/8, a = 1/4 and the median ranks
// r = -1/3, a = 1/3 (the default) are the usual ones.
#pragma once

#include <span>
#include <vector>

namespace kpa::capability {

struct PositionAdjustments {
  double rank = -1.0 / 3.0;  // r, -0.5 <= r <= 0
  double n = 1.0 / 3.0;      // a, 0 < a <= 0.5
  bool average_ties = false;
};

// One position per sorted value, in the same order.
[[nodiscard]] std::vector<double> PlottingPositions(std::span<const double> sorted,
                                                    const PositionAdjustments& adjustments);

}  // namespace kpa::capability
