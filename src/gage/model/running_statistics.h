// Running mean, sum of squares, minimum and maximum of a stream of values, by the update of
// Welford (1962): SS <- SS + (x - old mean)(x - new mean).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kpa::gage {

struct RunningStatistics {
  double mean = 0.0;
  double ss = 0.0;
  std::int64_t n = 0;
  double minimum = 0.0;
  double maximum = 0.0;

  void Add(double x) {
    if (n == 0) minimum = maximum = x;
    minimum = std::min(minimum, x);
    maximum = std::max(maximum, x);
    ++n;
    const double old = mean;
    mean += (x - mean) / static_cast<double>(n);
    ss += (x - old) * (x - mean);
  }
  double Range() const { return maximum - minimum; }
  // Divisor n - 1; 0 for fewer than two values.
  double Sd() const { return n > 1 ? std::sqrt(ss / static_cast<double>(n - 1)) : 0.0; }
};

}  // namespace kpa::gage
