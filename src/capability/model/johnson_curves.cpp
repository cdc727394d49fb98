#include "capability/model/johnson_curves.h"

#include <array>
#include <cmath>
#include <numbers>

#include "shell/probability/normal.h"

namespace kpa::capability {
namespace {

// The tolerance on the moment ratios of AS 99.
constexpr double kTolerance = 0.01;
// AS 99.1 iterates until the fitted beta1 is within the tolerance; the published routine has
// no limit, this one gives up (and the bounded fit is tried) after this many rounds.
constexpr int kUnboundedRounds = 1000;
// AS 99.2: the Newton iteration on gamma and delta.
constexpr double kBoundedStep = 1e-4;
constexpr int kBoundedRounds = 50;
// AS 99.3: Goodwin's series for the moments of SB.
constexpr double kOuterTolerance = 1e-5;
constexpr double kInnerTolerance = 1e-8;
constexpr int kSeriesRounds = 500;
constexpr double kLargestExponent = 80.0;     // exp of it does not overflow
constexpr double kNegligibleExponent = 23.7;  // 1 + exp(-it) counts as 1

void FitNormal(JohnsonFit& fit, double mean, double sd) {
  fit.type = JohnsonType::kNormal;
  fit.delta = 1.0 / sd;
  fit.gamma = -mean / sd;
}

// The two-point law on the boundary beta2 = beta1 + 1.
void FitBoundary(JohnsonFit& fit, double mean, double sd, double skewness, double b1) {
  double y = 0.5 + 0.5 * std::sqrt(1.0 - 4.0 / (b1 + 4.0));
  if (skewness > 0.0) y = 1.0 - y;
  const double spread = sd / std::sqrt(y * (1.0 - y));
  fit.type = JohnsonType::kBoundary;
  fit.xi = mean - y * spread;
  fit.lambda = fit.xi + spread;
  fit.delta = y;
}

// The lognormal line: w = exp(sigma^2) of the lognormal law with this beta1, and its beta2.
struct LognormalPoint {
  double w = 0.0;
  double beta2 = 0.0;
};
LognormalPoint OnLognormalLine(double skewness, double b1) {
  const double x = 0.5 * b1 + 1.0;
  const double y = std::fabs(skewness) * std::sqrt(0.25 * b1 + 1.0);
  const double u = std::cbrt(x + y);
  const double w = u + 1.0 / u - 1.0;
  return {w, w * w * (3.0 + w * (2.0 + w)) - 3.0};
}

void FitLognormal(JohnsonFit& fit, double mean, double sd, double skewness, double w) {
  fit.type = JohnsonType::kLognormal;
  fit.lambda = skewness >= 0.0 ? 1.0 : -1.0;
  fit.delta = 1.0 / std::sqrt(std::log(w));
  fit.gamma = 0.5 * fit.delta * std::log(w * (w - 1.0) / (sd * sd));
  fit.xi = fit.lambda * (fit.lambda * mean - std::exp((0.5 / fit.delta - fit.gamma) / fit.delta));
}

// AS 99.1: Johnson's iteration for the SU curve on w = exp(delta^-2) and his m.
bool FitUnbounded(JohnsonFit& fit, double mean, double sd, double skewness, double b2) {
  const double b1 = skewness * skewness;
  const double b3 = b2 - 3.0;
  double w = std::sqrt(std::sqrt(2.0 * b2 - 2.8 * b1 - 2.0) - 1.0);
  double m = 0.0;
  if (std::fabs(skewness) > kTolerance) {
    double fitted_b1 = 0.0;
    int round = 0;
    do {
      if (++round > kUnboundedRounds || !std::isfinite(w)) return false;
      const double w1 = w + 1.0;
      const double wm1 = w - 1.0;
      const double z = w1 * b3;
      double v = w * (6.0 + w * (3.0 + w));
      const double a = 8.0 * (wm1 * (3.0 + w * (7.0 + v)) - z);
      const double b = 16.0 * (wm1 * (6.0 + v) - b3);
      m = (std::sqrt(a * a - 2.0 * b * (wm1 * (3.0 + w * (9.0 + w * (10.0 + v))) - 2.0 * w1 * z)) -
           a) /
          b;
      const double numerator = 4.0 * (w + 2.0) * m + 3.0 * w1 * w1;
      const double denominator = 2.0 * m + w1;
      fitted_b1 = m * wm1 * numerator * numerator / (2.0 * denominator * denominator * denominator);
      v = w * w;
      w = std::sqrt(1.0 - 2.0 * (1.5 - b2 + (b1 * (b2 - 1.5 - v * (1.0 + 0.5 * v))) / fitted_b1));
      w = std::sqrt(w - 1.0);
    } while (!(std::fabs(b1 - fitted_b1) <= kTolerance));
    m /= w;
    m = std::log(std::sqrt(m) + std::sqrt(m + 1.0));
    if (skewness > 0.0) m = -m;
  }
  if (!(w > 1.0) || !std::isfinite(m)) return false;
  fit.type = JohnsonType::kUnbounded;
  fit.delta = std::sqrt(1.0 / std::log(w));
  fit.gamma = m * fit.delta;
  const double e = std::exp(m);
  const double e2 = e * e;
  fit.lambda = sd / std::sqrt(0.5 * (w - 1.0) * (0.5 * w * (e2 + 1.0 / e2) + 1.0));
  fit.xi = 0.5 * std::sqrt(w) * (e - 1.0 / e) * fit.lambda + mean;
  return std::isfinite(fit.lambda) && std::isfinite(fit.xi);
}

// AS 99.3: the first six moments about the origin of the SB variate 1 / (1 + exp(-(z - g)/d)),
// z standard normal, by Goodwin's trapezoidal series with a halving step.
bool BoundedMoments(double g, double d, std::array<double, 6>& a) {
  std::array<double, 6> previous{};
  const double w = g / d;
  if (w > kLargestExponent) return false;
  const double e = std::exp(w) + 1.0;
  const double r = std::sqrt(2.0) / d;
  double h = d < 3.0 ? 0.25 * d : 0.75;
  for (int outer = 1;; ++outer) {
    if (outer > 1) {
      if (outer > kSeriesRounds) return false;
      previous = a;
      h *= 0.5;
    }
    double t = w;
    double u = w;
    double y = h * h;
    const double x = 2.0 * y;
    a[0] = 1.0 / e;
    for (std::size_t i = 1; i < a.size(); ++i) a[i] = a[i - 1] / e;
    double v = y;
    const double f = r * h;
    for (int inner = 1;; ++inner) {
      if (inner > kSeriesRounds) return false;
      const std::array<double, 6> before = a;
      u -= f;
      const double z = u > -kNegligibleExponent ? std::exp(u) + 1.0 : 1.0;
      t += f;
      bool settled = t > kNegligibleExponent;
      const double s = settled ? 0.0 : std::exp(t) + 1.0;
      double p = std::exp(-v);
      double q = p;
      for (double& moment : a) {
        p /= z;
        const double with_p = moment + p;
        if (with_p == moment) break;
        double next = with_p;
        if (!settled) {
          q /= s;
          next = with_p + q;
          settled = next == with_p;
        }
        moment = next;
      }
      y += x;
      v += y;
      bool converged = true;
      for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0.0) return false;
        if (std::fabs((a[i] - before[i]) / a[i]) > kInnerTolerance) converged = false;
      }
      if (converged) break;
    }
    const double scale = h * std::numbers::inv_sqrtpi;
    for (double& moment : a) moment *= scale;
    bool converged = true;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] == 0.0) return false;
      if (std::fabs((a[i] - previous[i]) / a[i]) > kOuterTolerance) converged = false;
    }
    if (converged) return true;
  }
}

// AS 99.2: Newton's iteration on gamma and delta of the SB curve from the published starting
// values, the moments and their derivatives from AS 99.3.
bool FitBounded(JohnsonFit& fit, double mean, double sd, double signed_skewness, double b2) {
  const double skewness = std::fabs(signed_skewness);
  const double b1 = skewness * skewness;
  // d: the first estimate of delta.
  const LognormalPoint line = OnLognormalLine(skewness, b1);
  const double e = (b2 - (b1 + 1.0)) / (line.beta2 - (b1 + 1.0));
  double f = 2.0;
  if (skewness > kTolerance) {
    const double d = 1.0 / std::sqrt(std::log(line.w));
    f = d < 0.64 ? 1.25 * d : 2.0 - 8.5245 / (d * (d * (d - 2.163) + 11.346));
  }
  f = e * f + 1.0;
  double d = f < 1.8 ? 0.8 * (f - 1.0) : (0.626 * f - 0.408) * std::pow(3.0 - f, -0.479);
  // g: the first estimate of gamma.
  double g = 0.0;
  if (b1 >= kBoundedStep) {
    if (d <= 1.0) {
      g = (0.7466 * std::pow(d, 1.7973) + 0.5955) * std::pow(b1, 0.485);
    } else {
      const double u = d > 2.5 ? 0.0124 : 0.0623;
      const double y = d > 2.5 ? 0.5291 : 0.4043;
      g = std::pow(b1, u * d + y) * (0.9281 + d * (1.0614 * d - 0.7077));
    }
  }
  std::array<double, 6> mu{};
  double h2 = 0.0;
  for (int round = 1;; ++round) {
    if (round > kBoundedRounds || !BoundedMoments(g, d, mu)) return false;
    const double s = mu[0] * mu[0];
    h2 = mu[1] - s;
    if (!(h2 > 0.0)) return false;
    const double h2a = std::sqrt(h2) * h2;
    const double h2b = h2 * h2;
    const double h3 = mu[2] - mu[0] * (3.0 * mu[1] - 2.0 * s);
    const double rbet = h3 / h2a;
    const double h4 = mu[3] - mu[0] * (4.0 * mu[2] - mu[0] * (6.0 * mu[1] - 3.0 * s));
    const double bet2 = h4 / h2b;
    const double w = g * d;
    const double u = d * d;
    // Derivatives of sqrt(beta1) (0, 1) and beta2 (2, 3) with respect to gamma and delta.
    std::array<double, 4> deriv{};
    for (int j = 0; j < 2; ++j) {
      std::array<double, 4> dd{};
      for (int k = 0; k < 4; ++k) {
        const double order = k + 1;
        const auto i = static_cast<std::size_t>(k);
        const double ds =
            j == 0
                ? mu[i + 1] - mu[i]
                : ((w - order) * (mu[i] - mu[i + 1]) + (order + 1.0) * (mu[i + 1] - mu[i + 2])) / u;
        dd[i] = order * ds / d;
      }
      const double t = 2.0 * mu[0] * dd[0];
      const double sm = mu[0] * dd[1];
      const double y = dd[1] - t;
      deriv[static_cast<std::size_t>(j)] =
          (dd[2] - 3.0 * (sm + mu[1] * dd[0] - t * mu[0]) - 1.5 * h3 * y / h2) / h2a;
      deriv[static_cast<std::size_t>(j + 2)] =
          (dd[3] - 4.0 * (dd[2] * mu[0] + dd[0] * mu[2]) +
           6.0 * (mu[1] * t + mu[0] * (sm - t * mu[0])) - 2.0 * h4 * y / h2) /
          h2b;
    }
    const double inverse = 1.0 / (deriv[0] * deriv[3] - deriv[1] * deriv[2]);
    const double dg = (deriv[3] * (rbet - skewness) - deriv[1] * (bet2 - b2)) * inverse;
    const double dd = (deriv[0] * (bet2 - b2) - deriv[2] * (rbet - skewness)) * inverse;
    if (!std::isfinite(dg) || !std::isfinite(dd)) return false;
    g -= dg;
    if (b1 == 0.0 || g < 0.0) g = 0.0;
    d -= dd;
    if (!(std::fabs(dg) > kBoundedStep || std::fabs(dd) > kBoundedStep)) break;
  }
  fit.type = JohnsonType::kBounded;
  fit.delta = d;
  fit.lambda = sd / std::sqrt(h2);
  double first = mu[0];
  fit.gamma = g;
  if (signed_skewness < 0.0) {
    fit.gamma = -g;
    first = 1.0 - first;
  }
  fit.xi = mean - fit.lambda * first;
  return true;
}

}  // namespace

JohnsonFit FitJohnsonByMoments(double mean, double sd, double skewness, double beta2) {
  JohnsonFit fit;
  if (sd < 0.0) {
    fit.fault = JohnsonFault::kNegativeSd;
    return fit;
  }
  if (sd == 0.0) {
    fit.type = JohnsonType::kBoundary;
    fit.xi = mean;
    return fit;
  }
  const double b1 = skewness * skewness;
  double b2 = beta2;
  if (b2 >= 0.0) {
    if (b2 <= b1 + kTolerance + 1.0) {
      if (b2 < b1 + 1.0) {
        fit.fault = JohnsonFault::kImpossibleMoments;
        return fit;
      }
      FitBoundary(fit, mean, sd, skewness, b1);
      return fit;
    }
    if (std::fabs(skewness) <= kTolerance && std::fabs(b2 - 3.0) <= kTolerance) {
      FitNormal(fit, mean, sd);
      return fit;
    }
  } else if (std::fabs(skewness) <= kTolerance) {
    FitNormal(fit, mean, sd);
    return fit;
  }
  const LognormalPoint line = OnLognormalLine(skewness, b1);
  if (b2 < 0.0) b2 = line.beta2;
  const double gap = line.beta2 - b2;
  if (std::fabs(gap) <= kTolerance) {
    FitLognormal(fit, mean, sd, skewness, line.w);
    return fit;
  }
  if (gap <= 0.0 && FitUnbounded(fit, mean, sd, skewness, b2)) return fit;
  if (FitBounded(fit, mean, sd, skewness, b2)) return fit;
  // The iteration failed: the nearest curve that needs none.
  fit = JohnsonFit{};
  fit.fault = JohnsonFault::kApproximate;
  if (b2 > b1 + 2.0) {
    if (std::fabs(skewness) <= kTolerance)
      FitNormal(fit, mean, sd);
    else
      FitLognormal(fit, mean, sd, skewness, line.w);
  } else {
    FitBoundary(fit, mean, sd, skewness, b1);
  }
  return fit;
}

std::optional<double> JohnsonVariate(double z, const JohnsonFit& fit) {
  const double v = (z - fit.gamma) / fit.delta;
  switch (fit.type) {
    case JohnsonType::kLognormal:
      return fit.lambda * std::exp((fit.lambda * z - fit.gamma) / fit.delta) + fit.xi;
    case JohnsonType::kUnbounded:
      return fit.lambda * std::sinh(v) + fit.xi;
    case JohnsonType::kBounded:
      return fit.xi + 0.5 * fit.lambda * (1.0 + std::tanh(0.5 * v));
    case JohnsonType::kNormal:
      return v;
    case JohnsonType::kNone:
    case JohnsonType::kBoundary:
      break;
  }
  return std::nullopt;
}

std::optional<double> JohnsonNormalDeviate(double x, const JohnsonFit& fit) {
  switch (fit.type) {
    case JohnsonType::kLognormal: {
      const double d = (x - fit.xi) * fit.lambda;
      if (!(d > 0.0)) return std::nullopt;
      return fit.lambda * (fit.delta * std::log(d) + fit.gamma);
    }
    case JohnsonType::kUnbounded:
      return fit.gamma + fit.delta * std::asinh((x - fit.xi) / fit.lambda);
    case JohnsonType::kBounded: {
      const double inside = x - fit.xi;
      if (!(inside > 0.0 && inside < fit.lambda)) return std::nullopt;
      return fit.gamma + fit.delta * std::log(inside / (fit.lambda - inside));
    }
    case JohnsonType::kNormal:
      return fit.delta * x + fit.gamma;
    case JohnsonType::kNone:
    case JohnsonType::kBoundary:
      break;
  }
  return std::nullopt;
}

std::optional<double> JohnsonDistributionFunction(double x, const JohnsonFit& fit) {
  if (const auto z = JohnsonNormalDeviate(x, fit)) return probability::NormalIntegral(*z, false);
  switch (fit.type) {
    case JohnsonType::kLognormal:  // beyond the threshold on the side lambda points away from
      return fit.lambda > 0.0 ? 0.0 : 1.0;
    case JohnsonType::kBounded:
      return x <= fit.xi ? 0.0 : 1.0;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace kpa::capability
