#include "reliability/model/weibull_values.h"

#include <cmath>

#include "reliability/model/failure_orders.h"

namespace kpa::reliability {
namespace {

std::optional<double> Present(double value) {
  if (host::IsSpecialValue(value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

// F from w = ln H; std::nullopt unless strictly inside (0, 1).
std::optional<double> FromLogHazard(double w) {
  if (w > 50.0) return std::nullopt;
  const double f = -std::expm1(-std::exp(w));
  if (!(f > 0.0 && f < 1.0)) return std::nullopt;
  return f;
}

}  // namespace

FitErrors ErrorsOf(const shell::WeibullFit& fit) {
  return {Present(fit.se_shape), Present(fit.se_scale), Present(fit.cov_shape_scale),
          Present(fit.se_location)};
}

bool ParametersUsable(const shell::WeibullFit& fit) {
  return fit.shape > 0.0 && fit.scale > 0.0 && std::isfinite(fit.shape) && std::isfinite(fit.scale);
}

DistributionValue WeibullDistribution(const shell::WeibullFit& fit, const FitErrors& errors,
                                      double t, double cl) {
  DistributionValue value;
  if (!ParametersUsable(fit) || !(t > fit.location)) return value;
  const double b = fit.shape;
  const double w = b * (std::log(t - fit.location) - std::log(fit.scale));
  if (w > 150.0) return value;
  value.f = -std::expm1(-std::exp(w));
  if (!errors.Present()) return value;
  const double eta = fit.scale;
  const double variance = b * b * *errors.se_scale * *errors.se_scale / (eta * eta) +
                          (w / b) * (w / b) * *errors.se_shape * *errors.se_shape -
                          2.0 * w * *errors.cov / eta;
  const double z = TwoSidedZ(cl);
  if (!(variance > 0.0) || !(z > 0.0)) return value;
  const double spread = z * std::sqrt(variance);
  value.lower = FromLogHazard(w - spread);
  value.upper = FromLogHazard(w + spread);
  return value;
}

std::optional<double> WeibullDensity(const shell::WeibullFit& fit, double t) {
  const auto h = WeibullHazard(fit, t);
  const auto cumulative = WeibullCumulativeHazard(fit, t);
  if (!h || !cumulative) return std::nullopt;
  return *h * std::exp(-*cumulative);
}

std::optional<double> WeibullHazard(const shell::WeibullFit& fit, double t) {
  if (!ParametersUsable(fit) || !(t > fit.location)) return std::nullopt;
  const double exponent = std::log(fit.shape) + (fit.shape - 1.0) * std::log(t - fit.location) -
                          fit.shape * std::log(fit.scale);
  if (!(exponent < 100.0)) return std::nullopt;
  return std::exp(exponent);
}

std::optional<double> WeibullCumulativeHazard(const shell::WeibullFit& fit, double t) {
  if (!ParametersUsable(fit) || !(t > fit.location)) return std::nullopt;
  const double w = fit.shape * (std::log(t - fit.location) - std::log(fit.scale));
  if (w > 150.0) return std::nullopt;
  const double f = -std::expm1(-std::exp(w));
  if (!(f < 1.0)) return std::nullopt;
  return std::exp(w);
}

Percentile WeibullPercentile(const shell::WeibullFit& fit, const FitErrors& errors, double p,
                             double cl) {
  Percentile result;
  if (!ParametersUsable(fit) || !(p > 0.0 && p < 1.0)) return result;
  const double b = fit.shape;
  const double eta = fit.scale;
  const double l = std::log(-std::log1p(-p));
  result.time = eta * std::exp(l / b);
  if (!errors.Present()) return result;
  const double y = std::log(eta) + l / b;
  const double variance = l * l * *errors.se_shape * *errors.se_shape / (b * b * b * b) +
                          *errors.se_scale * *errors.se_scale / (eta * eta) -
                          2.0 * l * *errors.cov / (b * b * eta);
  const double z = TwoSidedZ(cl);
  if (!(variance > 0.0) || !(z > 0.0)) return result;
  const double spread = z * std::sqrt(variance);
  if (y - spread < 100.0) result.lower = std::exp(y - spread);
  if (y + spread < 100.0) result.upper = std::exp(y + spread);
  return result;
}

}  // namespace kpa::reliability
