#include "capability/model/named_distributions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/gamma_beta.h"
#include "shell/probability/normal.h"
#include "shell/probability/quasi_newton.h"

namespace kpa::capability {
namespace {

namespace p = probability;
using Code = shell::CapabilityDistribution;

constexpr double kSmallestSpread = 1e-20;
constexpr double kLargestGammaShape = 1000.0;
constexpr double kLargestLogQuantile = 120.0;

struct Sums {
  double n = 0.0;
  double mean = 0.0;
  double variance = 0.0;  // divisor n - 1
  double mean_log = 0.0;
  double mean_log_complement = 0.0;  // of 1 - u, for the beta
};

Sums SumsOf(std::span<const double> values, bool complement) {
  Sums s;
  s.n = static_cast<double>(values.size());
  double squares = 0.0;
  double count = 0.0;
  for (const double v : values) {
    count += 1.0;
    const double delta = v - s.mean;
    s.mean += delta / count;
    squares += delta * (v - s.mean);
    s.mean_log += (std::log(v) - s.mean_log) / count;
    if (complement) s.mean_log_complement += (std::log1p(-v) - s.mean_log_complement) / count;
  }
  s.variance = count > 1.0 ? squares / (count - 1.0) : 0.0;
  return s;
}

// The least-squares slope and intercept of y on x.
struct Line {
  double slope = 0.0;
  double intercept = 0.0;
};
std::optional<Line> LeastSquares(std::span<const double> x, std::span<const double> y) {
  const double n = static_cast<double>(x.size());
  double mx = 0.0;
  double my = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    mx += x[i];
    my += y[i];
  }
  mx /= n;
  my /= n;
  double sxx = 0.0;
  double sxy = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    sxx += (x[i] - mx) * (x[i] - mx);
    sxy += (x[i] - mx) * (y[i] - my);
  }
  if (!(sxx > 0.0)) return std::nullopt;
  const double slope = sxy / sxx;
  return Line{slope, my - slope * mx};
}

// Negative log-likelihoods of two free parameters; std::nullopt where they cannot be
// evaluated (non-positive scales or shapes, overflow).
using Likelihood = std::function<std::optional<double>(double, double)>;

std::optional<double> Finite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// Whether the objective at v (value f) is the smallest among the points a thousandth of a
// step away along each parameter, within rounding.
bool AtMinimum(const p::QuasiNewtonObjective& objective, std::array<double, 2> v, double f) {
  constexpr double kMove = 1e-3;
  const double rounding = 1e-10 * std::max(1.0, std::fabs(f));
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (const double move : {-kMove, kMove}) {
      std::array<double, 2> trial = v;
      trial[i] += move * std::max(1.0, std::fabs(v[i]));
      const p::ObjectiveValue value = objective(trial, 0);
      if (value.failed || value.f < f - rounding) return false;
    }
  }
  return true;
}

// Minimises the negative log-likelihood from x. Parameters that must be positive (scales and
// shapes) are searched on their logarithms, so no trial point leaves the domain and a scale
// of 0.1 is a tenth of the value; the extreme-value location is searched as it is.
NamedFitStatus Maximise(const Likelihood& likelihood, std::array<double, 2>& x,
                        std::array<double, 2> scales, std::array<bool, 2> positive,
                        int max_iterations) {
  const auto natural = [&](std::span<const double> v, std::size_t i) {
    return positive[i] ? std::exp(v[i]) : v[i];
  };
  const p::QuasiNewtonObjective objective = [&](std::span<const double> v, int) {
    const auto value = likelihood(natural(v, 0), natural(v, 1));
    return value ? p::ObjectiveValue{*value, false} : p::ObjectiveValue{0.0, true};
  };
  if (!likelihood(x[0], x[1])) return NamedFitStatus::kLikelihoodFailed;
  std::array<double, 2> v{};
  for (std::size_t i = 0; i < 2; ++i) v[i] = positive[i] ? std::log(x[i]) : x[i];
  std::array<double, 2> g{};
  std::array<double, 3> h{};
  double f = 0.0;
  const p::QuasiNewtonSettings settings = p::LikelihoodSearchSettings(max_iterations);
  const p::QuasiNewtonStatus status =
      p::MinimizeQuasiNewton(objective, 0, v, f, g, h, scales, settings);
  for (std::size_t i = 0; i < 2; ++i) x[i] = natural(v, i);
  switch (status) {
    case p::QuasiNewtonStatus::kConverged:
      return NamedFitStatus::kFitted;
    case p::QuasiNewtonStatus::kIterationLimit:
      return NamedFitStatus::kIterationLimit;
    case p::QuasiNewtonStatus::kInvalidArguments:
    case p::QuasiNewtonStatus::kObjectiveFailed:
      // Parameters the likelihood could not evaluate: never kept as estimates.
      return NamedFitStatus::kNearLimits;
    case p::QuasiNewtonStatus::kNoProgress:
      // A start already at the optimum (Greenwood and Durand's shape is good to 1e-4) leaves
      // difference gradients of pure rounding and no descent direction: that is a fit when
      // no parameter, moved either way, lowers the objective.
      if (AtMinimum(objective, v, f)) return NamedFitStatus::kFitted;
      break;
    case p::QuasiNewtonStatus::kNotPositiveDefinite:
      break;
  }
  return NamedFitStatus::kLikelihoodFailed;
}

NamedFitResult Result(NamedFitStatus status, const NamedFit& fit) { return {status, fit}; }

NamedFitResult FitGamma(std::span<const double> y, NamedFit fit, int max_iterations) {
  const Sums s = SumsOf(y, false);
  // Greenwood and Durand's approximation to the shape from A = ln(mean) - mean(ln).
  const double a = std::log(s.mean) - s.mean_log;
  if (!(a > 0.0)) return Result(NamedFitStatus::kLikelihoodFailed, fit);
  const double c = a <= 0.5772 ? (0.5000876 + 0.1648852 * a - 0.0544274 * a * a) / a
                               : (8.898919 + 9.059950 * a + 0.9775373 * a * a) /
                                     (a * (17.79728 + 11.968477 * a + a * a));
  std::array<double, 2> x = {s.mean / c, c};
  const Likelihood likelihood = [&](double b, double shape) -> std::optional<double> {
    if (!(b > 0.0) || !(shape > 0.0)) return std::nullopt;
    return Finite(
        s.n * (shape * std::log(b) + std::lgamma(shape) - (shape - 1.0) * s.mean_log + s.mean / b));
  };
  const NamedFitStatus status = Maximise(likelihood, x, {0.1, 0.1}, {true, true}, max_iterations);
  fit.parameter1 = x[0];
  fit.parameter2 = x[1];
  if (status == NamedFitStatus::kFitted && x[1] > kLargestGammaShape)
    return Result(NamedFitStatus::kShapeRunaway, fit);
  return Result(status, fit);
}

NamedFitResult FitWeibull(std::span<const double> sorted_y, NamedFit fit, int max_iterations) {
  const auto n = sorted_y.size();
  std::vector<double> lx(n);
  std::vector<double> ly(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double position = (static_cast<double>(i) + 0.5) / static_cast<double>(n);
    lx[i] = std::log(sorted_y[i]);
    ly[i] = std::log(-std::log1p(-position));
  }
  const auto line = LeastSquares(lx, ly);
  if (!line || !(line->slope > 0.0)) return Result(NamedFitStatus::kLikelihoodFailed, fit);
  std::array<double, 2> x = {std::exp(-line->intercept / line->slope), line->slope};
  double sum_log = 0.0;
  for (const double v : lx) sum_log += v;
  const Likelihood likelihood = [&](double b, double c) -> std::optional<double> {
    if (!(b > 0.0) || !(c > 0.0)) return std::nullopt;
    const double log_b = std::log(b);
    double powers = 0.0;
    for (const double v : lx) powers += std::exp(c * (v - log_b));
    return Finite(static_cast<double>(n) * (c * log_b - std::log(c)) - (c - 1.0) * sum_log +
                  powers);
  };
  const NamedFitStatus status = Maximise(likelihood, x, {0.1, 0.1}, {true, true}, max_iterations);
  fit.parameter1 = x[0];
  fit.parameter2 = x[1];
  return Result(status, fit);
}

NamedFitResult FitExtremeValue(std::span<const double> sorted, NamedFit fit, int max_iterations) {
  const auto n = sorted.size();
  std::vector<double> scores(n);
  for (std::size_t i = 0; i < n; ++i)
    scores[i] = -std::log(-std::log((static_cast<double>(i) + 0.5) / static_cast<double>(n)));
  const auto line = LeastSquares(sorted, scores);
  if (!line || !(line->slope > 0.0)) return Result(NamedFitStatus::kLikelihoodFailed, fit);
  double mean = 0.0;
  double mean_score = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    mean += sorted[i] / static_cast<double>(n);
    mean_score += scores[i] / static_cast<double>(n);
  }
  const double b = 1.0 / line->slope;
  std::array<double, 2> x = {mean - b * mean_score, b};
  const Likelihood likelihood = [&](double a, double scale) -> std::optional<double> {
    if (!(scale > 0.0)) return std::nullopt;
    double sum = 0.0;
    for (const double v : sorted) {
      const double z = (v - a) / scale;
      sum += z + std::exp(-z);
    }
    return Finite(static_cast<double>(n) * std::log(scale) + sum);
  };
  const NamedFitStatus status = Maximise(likelihood, x, {std::max(0.1 * std::fabs(mean), 0.1), 0.1},
                                         {false, true}, max_iterations);
  fit.threshold = 0.0;
  fit.parameter1 = x[0];
  fit.parameter2 = x[1];
  return Result(status, fit);
}

NamedFitResult FitBeta(std::span<const double> u, NamedFit fit, int max_iterations) {
  const Sums s = SumsOf(u, true);
  const double m = s.mean;
  const double v = s.variance;
  // The moment start, or the uniform law when the moments admit no beta (v >= m (1 - m)).
  std::array<double, 2> x = {1.0, 1.0};
  if (v > 0.0 && v < m * (1.0 - m)) {
    const double common = m * (1.0 - m) / v - 1.0;
    x = {common * m, common * (1.0 - m)};
  }
  const Likelihood likelihood = [&](double alpha, double beta) -> std::optional<double> {
    if (!(alpha > 0.0) || !(beta > 0.0)) return std::nullopt;
    const double log_beta = std::lgamma(alpha) + std::lgamma(beta) - std::lgamma(alpha + beta);
    return Finite(s.n *
                  (log_beta - (alpha - 1.0) * s.mean_log - (beta - 1.0) * s.mean_log_complement));
  };
  const NamedFitStatus status = Maximise(likelihood, x, {0.1, 0.1}, {true, true}, max_iterations);
  fit.parameter1 = x[0];
  fit.parameter2 = x[1];
  return Result(status, fit);
}

}  // namespace

NamedFitResult FitNamedDistribution(Code code, std::span<const double> observations,
                                    double threshold, double beta_scale, int max_iterations) {
  NamedFit fit;
  fit.code = code;
  fit.threshold = threshold;
  fit.scale = beta_scale;
  if (observations.empty()) return Result(NamedFitStatus::kLikelihoodFailed, fit);
  std::vector<double> sorted(observations.begin(), observations.end());
  std::sort(sorted.begin(), sorted.end());
  const double smallest = sorted.front();
  const double largest = sorted.back();
  std::vector<double> y(sorted.size());
  for (std::size_t i = 0; i < y.size(); ++i) y[i] = sorted[i] - threshold;

  switch (code) {
    case Code::kNormalAndGeneral: {
      const Sums s = SumsOf(sorted, false);
      const double sd = std::sqrt(s.variance);
      fit.threshold = 0.0;
      fit.parameter1 = s.mean;
      fit.parameter2 = sd;
      return Result(sd > kSmallestSpread ? NamedFitStatus::kFitted : NamedFitStatus::kLowDispersion,
                    fit);
    }
    case Code::kExponential: {
      if (smallest < threshold) return Result(NamedFitStatus::kBelowThreshold, fit);
      double mean = 0.0;
      for (std::size_t i = 0; i < y.size(); ++i) mean += (y[i] - mean) / static_cast<double>(i + 1);
      fit.parameter1 = mean;
      return Result(mean > 0.0 ? NamedFitStatus::kFitted : NamedFitStatus::kLikelihoodFailed, fit);
    }
    case Code::kBeta: {
      if (!(smallest > threshold) || !(largest < threshold + beta_scale) || !(beta_scale > 0.0))
        return Result(NamedFitStatus::kOutsideBetaRange, fit);
      for (double& v : y) v /= beta_scale;
      return FitBeta(y, fit, max_iterations);
    }
    case Code::kExtremeValue:
      return FitExtremeValue(sorted, fit, max_iterations);
    case Code::kGamma:
    case Code::kLogNormal:
    case Code::kRayleigh:
    case Code::kWeibull:
      break;
  }
  if (!(smallest > threshold)) return Result(NamedFitStatus::kAtOrBelowThreshold, fit);
  switch (code) {
    case Code::kRayleigh: {
      double squares = 0.0;
      for (const double v : y) squares += v * v;
      fit.parameter1 = std::sqrt(squares / (2.0 * static_cast<double>(y.size())));
      return Result(NamedFitStatus::kFitted, fit);
    }
    case Code::kLogNormal: {
      const Sums s = SumsOf(y, false);
      double squares = 0.0;
      for (const double v : y) squares += (std::log(v) - s.mean_log) * (std::log(v) - s.mean_log);
      const double sigma =
          y.size() > 1 ? std::sqrt(squares / static_cast<double>(y.size() - 1)) : 0.0;
      fit.parameter1 = s.mean_log;
      fit.parameter2 = sigma;
      return Result(sigma > 0.0 ? NamedFitStatus::kFitted : NamedFitStatus::kLogNormalImpossible,
                    fit);
    }
    case Code::kGamma:
      return FitGamma(y, fit, max_iterations);
    case Code::kWeibull:
      return FitWeibull(y, fit, max_iterations);
    default:
      break;
  }
  return Result(NamedFitStatus::kNotFitted, fit);
}

bool HasThreshold(Code code) {
  return code != Code::kNormalAndGeneral && code != Code::kExtremeValue;
}

bool HasSecondParameter(Code code) { return code != Code::kExponential && code != Code::kRayleigh; }

std::optional<double> FittedQuantile(const NamedFit& fit, double prob, bool standardised) {
  if (!(prob > 0.0 && prob < 1.0)) return std::nullopt;
  const double theta = standardised ? 0.0 : fit.threshold;
  const double p1 = fit.parameter1;
  const double p2 = fit.parameter2;
  std::int16_t fault = 0;
  switch (fit.code) {
    case Code::kBeta: {
      const double log_beta = p::LogBeta(p1, p2);
      const double u = p::BetaQuantile(p1, p2, log_beta, prob, fault);
      if (fault != 0) return std::nullopt;
      return theta + (standardised ? 1.0 : fit.scale) * u;
    }
    case Code::kExponential:
      return theta - (standardised ? 1.0 : p1) * std::log1p(-prob);
    case Code::kExtremeValue:
      return (standardised ? 0.0 : p1) - (standardised ? 1.0 : p2) * std::log(-std::log(prob));
    case Code::kGamma: {
      const double chi = p::ChiSquarePercentagePoint(prob, 2.0 * p2, std::lgamma(p2), fault);
      if (fault != 0) return std::nullopt;
      return theta + (standardised ? 1.0 : p1) * 0.5 * chi;
    }
    case Code::kLogNormal: {
      const double z = p::NormalQuantile(prob, fault);
      if (fault != 0) return std::nullopt;
      const double exponent = (standardised ? 0.0 : p1) + p2 * z;
      if (exponent > kLargestLogQuantile) return std::nullopt;
      return theta + std::exp(exponent);
    }
    case Code::kNormalAndGeneral: {
      const double z = p::NormalQuantile(prob, fault);
      if (fault != 0) return std::nullopt;
      return standardised ? z : p1 + p2 * z;
    }
    case Code::kRayleigh:
      return theta + (standardised ? 1.0 : p1) * std::sqrt(-2.0 * std::log1p(-prob));
    case Code::kWeibull:
      return theta + (standardised ? 1.0 : p1) * std::pow(-std::log1p(-prob), 1.0 / p2);
  }
  return std::nullopt;
}

double FittedDistributionFunction(const NamedFit& fit, double x) {
  const double p1 = fit.parameter1;
  const double p2 = fit.parameter2;
  const double y = x - fit.threshold;
  std::int16_t fault = 0;
  switch (fit.code) {
    case Code::kBeta: {
      const double u = y / fit.scale;
      if (!(u > 0.0)) return 0.0;
      if (!(u < 1.0)) return 1.0;
      return p::IncompleteBetaRatio(u, p1, p2, p::LogBeta(p1, p2), fault);
    }
    case Code::kExponential:
      return y > 0.0 ? -std::expm1(-y / p1) : 0.0;
    case Code::kExtremeValue:
      return std::exp(-std::exp(-(x - p1) / p2));
    case Code::kGamma: {
      if (!(y > 0.0)) return 0.0;
      return p::IncompleteGamma(y / p1, p2, fault);
    }
    case Code::kLogNormal:
      return y > 0.0 ? p::NormalIntegral((std::log(y) - p1) / p2, false) : 0.0;
    case Code::kNormalAndGeneral:
      return p::NormalIntegral((x - p1) / p2, false);
    case Code::kRayleigh:
      return y > 0.0 ? -std::expm1(-y * y / (2.0 * p1 * p1)) : 0.0;
    case Code::kWeibull:
      return y > 0.0 ? -std::expm1(-std::pow(y / p1, p2)) : 0.0;
  }
  return 0.0;
}

double KolmogorovSmirnovDistance(std::span<const double> sorted,
                                 const std::function<double(double)>& cdf) {
  const double n = static_cast<double>(sorted.size());
  double d = 0.0;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const double f = cdf(sorted[i]);
    d = std::max({d, f - static_cast<double>(i) / n, static_cast<double>(i + 1) / n - f});
  }
  return d;
}

double KolmogorovSmirnovKnownP(double d, std::int64_t n) {
  if (n < 1 || !(d > 0.0)) return 1.0;
  const double root = std::sqrt(static_cast<double>(n));
  const double lambda = (root + 0.12 + 0.11 / root) * d;
  if (lambda < 0.2) return 1.0;
  double sum = 0.0;
  for (int k = 1; k <= 100; ++k) {
    const double term = std::exp(-2.0 * k * k * lambda * lambda);
    sum += (k % 2 == 1) ? term : -term;
    if (term < 1e-16) break;
  }
  return std::clamp(2.0 * sum, 0.0, 1.0);
}

}  // namespace kpa::capability
