#include "reliability/model/three_parameter_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/probability/quasi_newton.h"

namespace kpa::reliability {
namespace {

namespace p = probability;

constexpr double kLargestExponent = 700.0;
constexpr double kSmallestPivot = 1e-32;
constexpr double kSmallestEstimate = 0.0001;

Weibull3Result FromFallback(const Weibull2Result& fit, double location, Weibull3Outcome outcome) {
  Weibull3Result result;
  result.outcome = outcome;
  result.location = location;
  result.shape = fit.shape;
  result.scale = fit.scale;
  result.se_shape = fit.se_shape;
  result.se_scale = fit.se_scale;
  result.cov_shape_scale = fit.cov_shape_scale;
  return result;
}

// Standard errors of the three-parameter estimate: the location's from the inverse of the
// full information, shape and scale conditional on the location (the two-parameter errors
// at the fitted location). false when any step fails.
bool AddStandardErrors(std::span<const double> time, std::span<const double> censored,
                       Weibull3Result& result) {
  auto hessian = LogLikelihoodHessian(time, censored, result.location, result.shape, result.scale);
  if (!hessian || !InvertBySweeps(*hessian)) return false;
  const double variance = -(*hessian)[0];
  Weibull2Options given;
  given.given = ShapeScale{result.shape, result.scale};
  const Weibull2Result conditional = FitWeibull2(time, censored, result.location, given);
  if (conditional.status != Weibull2Status::kOk) return false;
  if (variance > 0.0) result.se_location = std::sqrt(variance);
  result.se_shape = conditional.se_shape;
  result.se_scale = conditional.se_scale;
  result.cov_shape_scale = conditional.cov_shape_scale;
  return true;
}

}  // namespace

std::optional<double> NegativeLogLikelihood(std::span<const double> time,
                                            std::span<const double> censored, double location,
                                            double shape, double scale) {
  if (!(shape > 0.0) || !(scale > 0.0)) return std::nullopt;
  const double log_scale = std::log(scale);
  if (shape * log_scale > 300.0) return std::nullopt;
  double r = 0.0;
  double failure_logs = 0.0;
  double sum_u = 0.0;
  for (std::size_t i = 0; i < time.size(); ++i) {
    const double x = time[i] - location;
    if (!(x > 0.0)) return std::nullopt;
    const double log_x = std::log(x);
    const double exponent = shape * (log_x - log_scale);
    if (exponent > kLargestExponent) return std::nullopt;
    sum_u += std::exp(exponent);
    if (censored[i] == 0.0) {
      r += 1.0;
      failure_logs += log_x;
    }
  }
  const double log_l =
      r * std::log(shape) - r * shape * log_scale + (shape - 1.0) * failure_logs - sum_u;
  if (!std::isfinite(log_l)) return std::nullopt;
  return -log_l;
}

std::optional<std::array<double, 9>> LogLikelihoodHessian(std::span<const double> time,
                                                          std::span<const double> censored,
                                                          double location, double shape,
                                                          double scale) {
  const double b = shape;
  const double eta = scale;
  double r = 0.0;
  double f_inv = 0.0;      // failures: sum 1/x
  double f_inv2 = 0.0;     // failures: sum 1/x^2
  double u_sum = 0.0;      // sum u
  double u_inv = 0.0;      // sum u/x
  double u_inv2 = 0.0;     // sum u/x^2
  double u_log_inv = 0.0;  // sum u ln z / x
  double u_log2 = 0.0;     // sum u (ln z)^2
  double u_cross = 0.0;    // sum u (1 + b ln z)
  for (std::size_t i = 0; i < time.size(); ++i) {
    const double x = time[i] - location;
    if (!(x > 0.0)) return std::nullopt;
    const double log_z = std::log(x / eta);
    if (b * log_z > kLargestExponent) return std::nullopt;
    const double u = std::exp(b * log_z);
    if (censored[i] == 0.0) {
      r += 1.0;
      f_inv += 1.0 / x;
      f_inv2 += 1.0 / (x * x);
    }
    u_sum += u;
    u_inv += u / x;
    u_inv2 += u / (x * x);
    u_log_inv += u * log_z / x;
    u_log2 += u * log_z * log_z;
    u_cross += u * (1.0 + b * log_z);
  }
  const double gg = -(b - 1.0) * f_inv2 + b * (1.0 - b) * u_inv2;
  const double gb = -f_inv + u_inv + b * u_log_inv;
  const double ge = -(b * b / eta) * u_inv;
  const double bb = -r / (b * b) - u_log2;
  const double ee = r * b / (eta * eta) - b * (b + 1.0) * u_sum / (eta * eta);
  const double be = -r / eta + u_cross / eta;
  std::array<double, 9> h = {gg, gb, ge, gb, bb, be, ge, be, ee};
  for (const double v : h)
    if (!std::isfinite(v)) return std::nullopt;
  return h;
}

bool InvertBySweeps(std::array<double, 9>& a) {
  constexpr int n = 3;
  const auto at = [&a](int i, int j) -> double& { return a[static_cast<std::size_t>(i * n + j)]; };
  for (int k = 0; k < n; ++k) {
    const double pivot = at(k, k);
    if (std::fabs(pivot) < kSmallestPivot) return false;
    for (int j = 0; j < n; ++j) at(k, j) /= pivot;
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double factor = at(i, k);
      for (int j = 0; j < n; ++j)
        if (j != k) at(i, j) -= factor * at(k, j);
      at(i, k) = -factor / pivot;
    }
    at(k, k) = 1.0 / pivot;
  }
  // Once every pivot has been swept the matrix holds the inverse.
  return true;
}

Weibull3Result FitWeibull3(std::span<const double> time, std::span<const double> censored,
                           double tmin, double tmax, int max_iterations, double criterion,
                           const CancelPoll& cancelled) {
  const double start_location = std::max(0.0, tmin - 0.05 * (tmax - tmin));
  Weibull2Options two;
  two.max_iterations = max_iterations;
  two.criterion = criterion;
  const Weibull2Result fallback = FitWeibull2(time, censored, start_location, two, cancelled);
  if (fallback.status == Weibull2Status::kCancelled) {
    Weibull3Result result;
    result.outcome = Weibull3Outcome::kCancelled;
    return result;
  }
  const bool fallback_ok = fallback.Estimated();
  // Without a usable two-parameter fit the search starts from a plain exponential.
  double start_shape = fallback_ok ? fallback.shape : 1.0;
  double start_scale = fallback_ok ? fallback.scale : std::max(tmax - start_location, 1.0);
  if (start_shape <= 1.0) start_shape = 1.0;

  bool was_cancelled = false;
  const p::QuasiNewtonObjective objective = [&](std::span<const double> v, int) {
    if (cancelled && cancelled()) {
      was_cancelled = true;
      return p::ObjectiveValue{0.0, true};
    }
    const auto f = NegativeLogLikelihood(time, censored, v[0], v[1], v[2]);
    return f ? p::ObjectiveValue{*f, false} : p::ObjectiveValue{0.0, true};
  };
  std::array<double, 3> x = {start_location, start_shape, start_scale};
  const std::array<double, 3> xm = {std::max(0.1, 0.1 * start_location), 0.1 * start_shape,
                                    0.1 * start_scale};
  std::array<double, 3> g{};
  std::array<double, 6> h{};
  double f = 0.0;
  const p::QuasiNewtonSettings settings = p::LikelihoodSearchSettings(max_iterations);
  const p::QuasiNewtonStatus status =
      p::MinimizeQuasiNewton(objective, 0, x, f, g, h, xm, settings);
  if (was_cancelled) {
    Weibull3Result result;
    result.outcome = Weibull3Outcome::kCancelled;
    return result;
  }
  if (status == p::QuasiNewtonStatus::kIterationLimit) {
    Weibull3Result result;
    result.outcome = Weibull3Outcome::kIterationLimit;
    return result;
  }
  const auto failed_fallback = [&] {
    Weibull3Result result;
    result.outcome = Weibull3Outcome::kFallbackFailed;
    result.fallback_status = fallback.status;
    return result;
  };
  Weibull3Result result;
  result.location = x[0];
  result.shape = x[1];
  result.scale = x[2];
  bool replaced = false;
  if (status != p::QuasiNewtonStatus::kConverged || result.shape < 1.0) {
    if (!fallback_ok) return failed_fallback();
    result = FromFallback(fallback, start_location, Weibull3Outcome::kFallback);
    replaced = true;
  }
  if (result.shape < kSmallestEstimate || result.scale < kSmallestEstimate) {
    Weibull3Result failed;
    failed.outcome = Weibull3Outcome::kTinyEstimate;
    return failed;
  }
  if (std::log(result.scale) * result.shape > 50.0) {
    if (!fallback_ok) return failed_fallback();
    return FromFallback(fallback, start_location, Weibull3Outcome::kFallbackOverflow);
  }
  if (!replaced && !AddStandardErrors(time, censored, result)) {
    result.se_location.reset();
    result.se_shape.reset();
    result.se_scale.reset();
    result.cov_shape_scale.reset();
  }
  return result;
}

}  // namespace kpa::reliability
