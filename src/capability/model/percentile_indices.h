// Capability indices from percentiles: with xL, M and xU the lower percentile, the median and
// the upper percentile of a fitted law at the probabilities of -/+ k/2 sigma of the normal,
// CP = (U - L)/(xU - xL), CR = 1/CP, CPL = (M - L)/(M - xL), CPU = (U - M)/(xU - M),
// CPK = min(CPL, CPU), K = |M - (U + L)/2| / ((U - L)/2). A lower-only specification gives
// CPL (CPK = CPL) alone, an upper-only one CPU alone; CP, CR and K need both limits.
#pragma once

#include <optional>

#include "capability/specifications/spec_record.h"

namespace kpa::capability {

struct PercentilePoints {
  double lower = 0.0;   // xL
  double median = 0.0;  // M
  double upper = 0.0;   // xU
};

struct PercentileIndices {
  std::optional<double> cp;
  std::optional<double> cr;
  std::optional<double> cpk;
  std::optional<double> cpl;
  std::optional<double> cpu;
  std::optional<double> k;
};

// `spread_limits` are the limits CP and CR use (the natural limits of a fit with a threshold
// may narrow them); the others use `limits`.
[[nodiscard]] PercentileIndices ComputePercentileIndices(const SpecLimits& limits,
                                                         const SpecLimits& spread_limits,
                                                         const PercentilePoints& points);

// The probabilities of the lower and upper percentiles: Phi(-k/2) and Phi(k/2).
struct PercentileLevels {
  double lower = 0.0;
  double upper = 0.0;
};
[[nodiscard]] PercentileLevels LevelsOf(double k);

}  // namespace kpa::capability
