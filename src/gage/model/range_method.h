// Variance components of a gage study by the range method (AIAG MSA, "average and range
// method"): repeatability from the mean cell range over d2* (or the mean cell standard
// deviation over c4), reproducibility from the range (or standard deviation) of the operator
// means, part variation from the range (or standard deviation) of the part means. With one
// trial only the combined R&R can be estimated, from the ranges across operators.
#pragma once

#include <optional>

#include "gage/model/layout.h"

namespace kpa::gage {

enum class RangeMode { kRanges = 0, kStandardDeviations = 1 };

struct RangeStatistics {
  double r_bar = 0.0;       // mean cell range (T >= 2), or mean range across operators (T = 1)
  double x_bar_diff = 0.0;  // largest minus smallest operator mean
  double r_part = 0.0;      // largest minus smallest part mean, 0 if not positive
};

struct RangeComponents {
  RangeStatistics statistics;
  // Standard deviations; repeatability and reproducibility are empty with one trial.
  std::optional<double> ev;
  std::optional<double> av;
  double pv = 0.0;
  double rr_variance = 0.0;
  double total_variance = 0.0;
};

// The study must be complete and balanced, with O >= 2, P >= 2 and T >= 1; mode kRanges
// needs O, P and T within 2..15 where a range of that size is taken.
RangeComponents ComputeRangeMethod(const Study& study, RangeMode mode, bool adjust_appraiser);

}  // namespace kpa::gage
