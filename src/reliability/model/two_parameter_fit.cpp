#include "reliability/model/two_parameter_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kpa::reliability {
namespace {

// Beyond this the shape says that all failures sit at one time seen from the location.
constexpr double kLargestShape = 1e5;
// exp() of more than this overflows a double.
constexpr double kLargestExponent = 700.0;

// The sums of the shape equation on times divided by their largest value, so that every
// term u^beta lies in [0, 1] and nothing overflows, whatever the times and the shape: the
// profile equation and its derivative do not change under that rescaling.
struct ScaledSample {
  std::vector<double> log_u;  // ln(x_i / x_max), all cases
  double log_x_max = 0.0;
  double failure_log_sum = 0.0;  // sum of log_u over the failures
  double r = 0.0;
};

struct ShapeSums {
  double a = 0.0;  // sum u^b ln u
  double b = 0.0;  // sum u^b
  double c = 0.0;  // sum u^b (ln u)^2
};

ShapeSums SumsAt(const ScaledSample& s, double shape) {
  ShapeSums sums;
  for (const double lu : s.log_u) {
    const double w = std::exp(shape * lu);
    sums.b += w;
    sums.a += w * lu;
    sums.c += w * lu * lu;
  }
  return sums;
}

double StartingShape(const ScaledSample& s, std::span<const double> x,
                     std::span<const double> censored, bool second_pass) {
  if (second_pass) return 1.0;
  double sum = 0.0;
  double sum_sq = 0.0;
  double largest = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (censored[i] != 0.0) continue;
    const double y = s.log_u[i];
    sum += y;
    sum_sq += y * y;
    largest = std::max(largest, std::fabs(x[i]));
  }
  const double variance = (sum_sq - sum * sum / s.r) / (s.r - 1.0);
  double v = 6.0 * variance / (std::numbers::pi * std::numbers::pi);
  if (v <= 0.0) v = 0.0001;
  const double shape = 1.0 / std::sqrt(v);
  if (std::log(largest) * shape > 300.0 || shape > 5.0) return 1.0;
  return shape;
}

struct Pass {
  Weibull2Status status = Weibull2Status::kNoConvergence;
  double shape = 0.0;
  int iterations = 0;
};

Pass NewtonPass(const ScaledSample& s, double shape, const Weibull2Options& options,
                const CancelPoll& cancelled) {
  Pass pass;
  for (int k = 0; k < options.max_iterations; ++k) {
    if (cancelled && cancelled()) return {Weibull2Status::kCancelled, shape, k};
    const ShapeSums sums = SumsAt(s, shape);
    const double g = 1.0 / shape + s.failure_log_sum / s.r - sums.a / sums.b;
    const double slope =
        1.0 / (shape * shape) + (sums.c * sums.b - sums.a * sums.a) / (sums.b * sums.b);
    const double step = g / slope;
    shape += step;
    pass.iterations = k + 1;
    if (!std::isfinite(shape) || shape <= 0.0) return {Weibull2Status::kShapeRunaway, shape, k + 1};
    if (shape > kLargestShape) return {Weibull2Status::kShapeTooLarge, shape, k + 1};
    if (std::fabs(step) < options.criterion) {
      pass.status = Weibull2Status::kOk;
      pass.shape = shape;
      return pass;
    }
  }
  pass.shape = shape;
  return pass;
}

}  // namespace

ShapeScaleErrors ObservedInformationErrors(std::span<const double> x,
                                           std::span<const double> censored, double shape,
                                           double scale) {
  if (!(shape > 0.0 && scale > 0.0)) return {};
  double r = 0.0;
  double sum_u = 0.0;
  double sum_u_log2 = 0.0;
  double sum_u_cross = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double log_z = std::log(x[i] / scale);
    if (shape * log_z > kLargestExponent) return {};
    const double u = std::exp(shape * log_z);
    if (censored[i] == 0.0) r += 1.0;
    sum_u += u;
    sum_u_log2 += u * log_z * log_z;
    sum_u_cross += u * (1.0 + shape * log_z);
  }
  const double i_bb = r / (shape * shape) + sum_u_log2;
  const double i_ee = (shape * (shape + 1.0) * sum_u - r * shape) / (scale * scale);
  const double i_be = r / scale - sum_u_cross / scale;
  const double d = i_bb * i_ee - i_be * i_be;
  if (!(d > 0.0) || !(i_ee / d > 0.0) || !(i_bb / d > 0.0) || !std::isfinite(d)) return {};
  return {std::sqrt(i_ee / d), std::sqrt(i_bb / d), -i_be / d};
}

Weibull2Result FitWeibull2(std::span<const double> time, std::span<const double> censored,
                           double location, const Weibull2Options& options,
                           const CancelPoll& cancelled) {
  Weibull2Result result;
  std::vector<double> x(time.size());
  double x_max = 0.0;
  ScaledSample s;
  for (std::size_t i = 0; i < time.size(); ++i) {
    x[i] = time[i] - location;
    if (!(x[i] > 0.0)) {
      result.status = Weibull2Status::kBadLocation;
      return result;
    }
    x_max = std::max(x_max, x[i]);
    if (censored[i] == 0.0) s.r += 1.0;
  }
  if (options.given && options.given->shape > 0.0 && options.given->scale > 0.0) {
    result.shape = options.given->shape;
    result.scale = options.given->scale;
  } else {
    s.log_x_max = std::log(x_max);
    s.log_u.resize(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
      s.log_u[i] = std::log(x[i] / x_max);
      if (censored[i] == 0.0) s.failure_log_sum += s.log_u[i];
    }
    Pass pass = NewtonPass(s, StartingShape(s, x, censored, false), options, cancelled);
    if (pass.status == Weibull2Status::kCancelled) {
      result.status = pass.status;
      return result;
    }
    if (pass.status != Weibull2Status::kOk) {
      const int first = pass.iterations;
      pass = NewtonPass(s, StartingShape(s, x, censored, true), options, cancelled);
      pass.iterations += first;
    }
    result.iterations = pass.iterations;
    if (pass.status != Weibull2Status::kOk) {
      result.status = pass.status;
      return result;
    }
    result.shape = pass.shape;
    const ShapeSums sums = SumsAt(s, pass.shape);
    result.scale = x_max * std::pow(sums.b / s.r, 1.0 / pass.shape);
  }
  const ShapeScaleErrors errors =
      ObservedInformationErrors(x, censored, result.shape, result.scale);
  if (!errors.se_shape) {
    result.status = Weibull2Status::kNoStandardErrors;
    return result;
  }
  result.se_shape = errors.se_shape;
  result.se_scale = errors.se_scale;
  result.cov_shape_scale = errors.cov;
  return result;
}

}  // namespace kpa::reliability
