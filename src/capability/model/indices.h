// Capability and performance indices under the normal distribution, the sigma limits, the
// numbers beyond the specifications and the quartiles of the descriptive statistics.
#pragma once

#include <optional>
#include <span>

#include "capability/specifications/spec_record.h"

namespace kpa::capability {

// With L, U the effective limits, C = k/2 and sigma the sigma of the pass:
// CP = (U - L)/(k sigma), CR = 1/CP, CPL = (mu - L)/(C sigma), CPU = (U - mu)/(C sigma),
// CPK = min(CPL, CPU), K = |mu - (U + L)/2| / ((U - L)/2), CPM = (U - L)/(k tau).
// Lower-only specifications give CPL (and CPK = CPL) alone, upper-only CPU alone. The same
// formulas with the overall sigma give the performance indices PP, PR, PPK, PPL, PPU.
struct NormalIndices {
  std::optional<double> cp;
  std::optional<double> cr;
  std::optional<double> cpk;
  std::optional<double> cpl;
  std::optional<double> cpu;
  std::optional<double> k;
  std::optional<double> cpm;
};

// `tau` is the root mean square deviation from the nominal (TargetDeviation); without it
// CPM stays empty. A sigma or k that is not positive leaves every index empty.
NormalIndices ComputeNormalIndices(const SpecLimits& limits, double mu, double sigma, double k,
                                   std::optional<double> tau);

// sqrt(sum (x - T)^2 / (N - 1)) over the observations; std::nullopt for N < 2.
std::optional<double> TargetDeviation(std::span<const double> observations, double target);

// The sigma limits mu -/+ C sigma, C = k/2, as the table title reports them.
struct SigmaLimitValues {
  double c = 0.0;
  std::optional<double> lower;  // mu - C sigma (types 1, 2, 3)
  std::optional<double> upper;  // mu + C sigma (types 1, 2, 4)
};
SigmaLimitValues SigmaLimitsOf(const SpecLimits& limits, double mu, double sigma, double k);

// Observations above U and below L, and the numbers expected under the normal distribution
// with mean mu and standard deviation sigma: N P(Z > (U - mu)/sigma), N P(Z < (L - mu)/sigma).
// A side the specification type does not have stays empty.
struct BeyondCounts {
  double n = 0.0;
  std::optional<double> observed_above;
  std::optional<double> observed_below;
  std::optional<double> expected_above;
  std::optional<double> expected_below;
};
BeyondCounts CountBeyondSpecifications(std::span<const double> observations,
                                       const SpecLimits& limits, double mu, double sigma);

// Median and quartiles of ascending values x(1..N): the median is the middle value or the
// mean of the two middle ones; with i = floor(N/4), Q1 = (x(i) + x(i+1))/2 and
// Q3 = (x(N-i) + x(N-i+1))/2 when N is a multiple of 4, else Q1 = x(i+1) and Q3 = x(N-i).
struct Quartiles {
  double median = 0.0;
  double q1 = 0.0;
  double q3 = 0.0;
};
// Needs at least one value; an empty span gives zeros.
Quartiles QuartilesOfSorted(std::span<const double> sorted);
// The same of values in any order, found by selection of only the order statistics the rule
// reads (shell/probability/selection.h): linear time rather than a sort. `values` is
// reordered.
Quartiles QuartilesBySelection(std::span<double> values);

}  // namespace kpa::capability
