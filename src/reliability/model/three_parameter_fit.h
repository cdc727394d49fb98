// Maximum likelihood for the three-parameter Weibull distribution (location, shape, scale)
// on right-censored times: the negative log-likelihood minimised by the quasi-Newton method
// from the two-parameter fit at a starting location, with that fit as the fallback whenever
// the three-parameter estimate is unusable (a shape below 1, where the likelihood has no
// interior maximum, no convergence, or an overflowing scale).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "reliability/model/two_parameter_fit.h"

namespace kpa::reliability {

enum class Weibull3Outcome : std::int16_t {
  kThreeParameter,    // the three-parameter estimate stands
  kFallback,          // shape below 1 or no convergence: the two-parameter fit at gamma0
  kFallbackOverflow,  // ln(scale) * shape above 50: the two-parameter fit at gamma0
  kIterationLimit,    // failed: the minimiser ran out of iterations
  kTinyEstimate,      // failed: shape or scale below 0.0001
  kFallbackFailed,    // failed: the fallback was needed and its own fit had failed
  kCancelled,
};

struct Weibull3Result {
  Weibull3Outcome outcome = Weibull3Outcome::kThreeParameter;
  Weibull2Status fallback_status = Weibull2Status::kOk;  // for kFallbackFailed
  double location = 0.0;
  double shape = 0.0;
  double scale = 0.0;
  std::optional<double> se_location;
  std::optional<double> se_shape;
  std::optional<double> se_scale;
  std::optional<double> cov_shape_scale;
  bool Succeeded() const {
    return outcome == Weibull3Outcome::kThreeParameter || outcome == Weibull3Outcome::kFallback ||
           outcome == Weibull3Outcome::kFallbackOverflow;
  }
};

// tmin, tmax: the smallest and largest time of the sample.
[[nodiscard]] Weibull3Result FitWeibull3(std::span<const double> time,
                                         std::span<const double> censored, double tmin, double tmax,
                                         int max_iterations, double criterion,
                                         const CancelPoll& cancelled = {});

// The negative log-likelihood of the censored three-parameter Weibull at (gamma, beta, eta);
// std::nullopt where it is not defined (beta or eta not positive, beta ln eta above 300, a
// time at or below gamma, or a term that would overflow).
[[nodiscard]] std::optional<double> NegativeLogLikelihood(std::span<const double> time,
                                                          std::span<const double> censored,
                                                          double location, double shape,
                                                          double scale);

// The matrix of second derivatives of ln L in (gamma, beta, eta), row after row;
// std::nullopt when a time is at or below gamma or a term overflows.
[[nodiscard]] std::optional<std::array<double, 9>> LogLikelihoodHessian(
    std::span<const double> time, std::span<const double> censored, double location, double shape,
    double scale);

// Inverts a symmetric 3 x 3 matrix (row after row) in place by sweeping each pivot in turn
// (Beaton 1964); false when a pivot is below 1e-32 in magnitude.
bool InvertBySweeps(std::array<double, 9>& matrix);

}  // namespace kpa::reliability
