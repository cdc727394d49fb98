// The fixed (single-sample) acceptance plan under the normal approximation: the sample size
// that reaches a target beta, the beta that a given sample size reaches, the acceptance
// limits around the H0 value, and the checks of the specification entries. Pure functions
// of numbers: no host, no messages.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

// The specification of one plan: the selected distribution's own H0, H1 and sigma.
struct PlanInputs {
  SamplingDistribution distribution = SamplingDistribution::kNormalMeans;
  SamplingCriterion criterion = SamplingCriterion::kTwoTailed;
  double alpha = 0.05;
  double beta = 0.1;
  double h0 = 0.0;
  double h1 = 1.0;
  double sigma = 1.0;  // entered sigma; read for normal means only
};

PlanInputs InputsFromSettings(const shell::SamplingSettings& settings);

// Quantities every computation of a plan starts from.
struct PlanBasis {
  double alpha_prime = 0.0;         // alpha / 2 two-tailed, alpha one-sided
  double z = 0.0;                   // standard normal quantile of 1 - alpha'
  double sigma_used = 0.0;          // entered sigma, sqrt(p(1-p)) binomial, sqrt(lambda) Poisson
  double d = 0.0;                   // |H0 - H1| / sigma used
  std::int16_t quantile_fault = 0;  // non-zero when z could not be computed
};

PlanBasis ComputeBasis(const PlanInputs& inputs);

// Status of the two computations. Never renumbered: dialogs compare these numbers.
enum class [[nodiscard]] PlanStatus : std::int16_t{
    kOk = 0,
    kSizeNotPositive = 1,  // BetaForSampleSize with N <= 0: no limits
    kAboveLimit = 10,      // the search passed N = 10000: no limits
    kNotSettled = 11,      // the search did not settle within kMaxSearchSteps
    kNoQuantile = 12,      // z of 1 - alpha' cannot be computed (alpha' too small): no plan
};

struct FixedPlan {
  PlanStatus status = PlanStatus::kOk;
  double n = 0.0;     // fractional sample size
  double beta = 0.0;  // the plan's beta (the target, or the one a custom N reaches)
  double lower = 0.0;
  double upper = 0.0;
  double sigma_used = 0.0;
};

inline constexpr double kMaxSampleSize = 10000.0;
inline constexpr double kBetaTolerance = 1e-8;
// The search halves its step at each reversal, so it settles within a few hundred steps
// when the beta of a plan is a continuous function of N. The normal integral used is only
// piecewise smooth; a jump at a branch boundary larger than the tolerance could otherwise
// keep the search walking back and forth for ever.
inline constexpr int kMaxSearchSteps = 10000;

// The smallest (fractional) N whose plan reaches `inputs.beta`, found by a walking search
// from N = 50 with a step of 20 that halves the step whenever an increase follows a decrease.
FixedPlan SampleSizeFromBeta(const PlanInputs& inputs);

// The beta of the plan with sample size `n`, and its limits.
FixedPlan BetaForSampleSize(const PlanInputs& inputs, double n);

// The whole number shown for a fractional N: its integer part, plus 1 when N is not whole.
std::int64_t RoundUpSize(double n);

// Entries of the specification dialog, in the order they are read and checked.
enum class SamplingField { kAlpha, kBeta, kH0, kH1, kSigma };

// Checks one entry; the string number of the message that refuses it, or nothing. H1 is
// checked against `inputs.h0` (the H0 just stored); the other fields of `inputs` give the
// distribution and the criterion.
std::optional<int> CheckEntry(SamplingField field, double value, const PlanInputs& inputs);

}  // namespace kpa::sampling
