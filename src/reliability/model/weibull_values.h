// Values of a fitted Weibull distribution: the distribution function with delta-method
// limits on the log cumulative hazard, the hazard, and the percentiles with delta-method
// limits on the log time.
#pragma once

#include <optional>

#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// The standard errors of a fit, present only where the fit computed them.
struct FitErrors {
  std::optional<double> se_shape;
  std::optional<double> se_scale;
  std::optional<double> cov;
  std::optional<double> se_location;  // only after a three-parameter fit
  // The errors of shape and scale that every limit needs.
  bool Present() const { return se_shape && se_scale && cov; }
};
[[nodiscard]] FitErrors ErrorsOf(const shell::WeibullFit& fit);

struct DistributionValue {
  std::optional<double> f;  // F(t)
  std::optional<double> lower;
  std::optional<double> upper;
};

// F(t) with its limits at the two-sided level cl (limits only when `errors` are present).
[[nodiscard]] DistributionValue WeibullDistribution(const shell::WeibullFit& fit,
                                                    const FitErrors& errors, double t, double cl);

// The density f(t); std::nullopt where it is not computable.
[[nodiscard]] std::optional<double> WeibullDensity(const shell::WeibullFit& fit, double t);

// h(t) and H(t); std::nullopt where they are not computable.
[[nodiscard]] std::optional<double> WeibullHazard(const shell::WeibullFit& fit, double t);
[[nodiscard]] std::optional<double> WeibullCumulativeHazard(const shell::WeibullFit& fit, double t);

// The time by which a proportion p has failed, eta (-ln(1 - p))^(1/beta): the location is
// not added (a time measured from the location).
struct Percentile {
  std::optional<double> time;
  std::optional<double> lower;
  std::optional<double> upper;
};
[[nodiscard]] Percentile WeibullPercentile(const shell::WeibullFit& fit, const FitErrors& errors,
                                           double p, double cl);

// Shape and scale can be used.
[[nodiscard]] bool ParametersUsable(const shell::WeibullFit& fit);

}  // namespace kpa::reliability
