#include "capability/model/plotting_positions.h"

#include <cstddef>

namespace kpa::capability {

std::vector<double> PlottingPositions(std::span<const double> sorted,
                                      const PositionAdjustments& adjustments) {
  const std::size_t n = sorted.size();
  std::vector<double> positions(n);
  const double denominator = static_cast<double>(n) + adjustments.n;
  std::size_t first = 0;
  while (first < n) {
    std::size_t last = first + 1;
    if (adjustments.average_ties)
      while (last < n && sorted[last] == sorted[first]) ++last;
    // Ranks first + 1 .. last share their mean.
    const double rank = 0.5 * static_cast<double>(first + 1 + last);
    for (std::size_t i = first; i < last; ++i)
      positions[i] = (rank + adjustments.rank) / denominator;
    first = last;
  }
  return positions;
}

}  // namespace kpa::capability
