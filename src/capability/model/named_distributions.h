// The named distributions of a capability analysis fitted to the observations with a fixed
// threshold: the normal, exponential, Rayleigh and log-normal laws in closed form, the gamma,
// Weibull, extreme-value (largest) and beta laws by maximum likelihood from moment or
// least-squares starts; their quantiles and distribution functions, and the
// Kolmogorov-Smirnov distance of a fit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

using shell::NamedFit;

enum class NamedFitStatus : std::int16_t {
  kFitted,
  kLowDispersion,        // the normal law of a variable without spread
  kBelowThreshold,       // a value below the threshold (exponential)
  kAtOrBelowThreshold,   // a value at or below the threshold
  kOutsideBetaRange,     // a value outside (threshold, threshold + scale)
  kLogNormalImpossible,  // the logs do not spread
  kLikelihoodFailed,     // no descent, or no start
  kIterationLimit,       // estimates kept as an approximate fit, for the user to accept
  kNearLimits,           // the search ran into parameters it could not evaluate
  kShapeRunaway,         // a gamma shape above 1000
  kNotFitted,            // the folded normal
};

struct NamedFitResult {
  NamedFitStatus status = NamedFitStatus::kNotFitted;
  NamedFit fit;  // the estimates, also the approximate ones of kIterationLimit
};

// Whether a law is shifted by the setup's threshold (all but the normal and the extreme
// value), and whether it has a second parameter (all but the exponential and Rayleigh).
[[nodiscard]] bool HasThreshold(shell::CapabilityDistribution code);
[[nodiscard]] bool HasSecondParameter(shell::CapabilityDistribution code);

// Fits `code` to the observations (any order); `max_iterations` limits the likelihood
// search.
[[nodiscard]] NamedFitResult FitNamedDistribution(shell::CapabilityDistribution code,
                                                  std::span<const double> observations,
                                                  double threshold, double beta_scale,
                                                  int max_iterations);

// The quantile of probability p, 0 < p < 1; the standardised form drops the threshold and
// takes a unit scale. std::nullopt outside (0, 1) or where the law gives no finite value.
[[nodiscard]] std::optional<double> FittedQuantile(const NamedFit& fit, double p,
                                                   bool standardised = false);

// F(x), 0 below the support and 1 above it.
[[nodiscard]] double FittedDistributionFunction(const NamedFit& fit, double x);

// The Kolmogorov-Smirnov distance between the empirical distribution of the sorted values
// and F, and its p level with the parameters taken as known (Stephens' 1970 modification of
// the asymptotic law, valid from n = 5).
[[nodiscard]] double KolmogorovSmirnovDistance(std::span<const double> sorted,
                                               const std::function<double(double)>& cdf);
[[nodiscard]] double KolmogorovSmirnovKnownP(double d, std::int64_t n);

}  // namespace kpa::capability
