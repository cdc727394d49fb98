// Confidence limits of the Weibull results against independent references: rank-based
// limits against the F quantiles of Boost.Math, the delta-method limits of F and of the
// percentiles against their formulas evaluated here, and the three-parameter location error
// against the inverse of a numerical Hessian.
#include <gtest/gtest.h>

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>

#include <array>
#include <cmath>
#include <vector>

#include "reliability/model/failure_orders.h"
#include "reliability/model/three_parameter_fit.h"
#include "reliability/model/weibull_values.h"

namespace kpa::reliability {
namespace {

double FQuantileBoost(double p, double a, double b) {
  return boost::math::quantile(boost::math::fisher_f(a, b), p);
}

TEST(RankLimits, MatchTheFQuantilesOfBoost) {
  for (const double n : {5.0, 12.0, 40.0})
    for (const double i : {1.0, 2.5, n / 2.0, n}) {
      const double m = n - i + 1.0;
      const RankLimits limits = RankBasedLimits(i, n, 0.9);
      const double lower = i / (i + m * FQuantileBoost(0.9, 2 * m, 2 * i));
      const double f = FQuantileBoost(0.9, 2 * i, 2 * m);
      const double upper = i * f / (m + i * f);
      ASSERT_TRUE(limits.lower && limits.upper);
      EXPECT_NEAR(*limits.lower, lower, 2e-6 * lower) << "i=" << i << " n=" << n;
      EXPECT_NEAR(*limits.upper, upper, 2e-6) << "i=" << i << " n=" << n;
    }
}

TEST(DeltaMethod, DistributionAndPercentileLimits) {
  shell::WeibullFit fit;
  fit.location = 5.0;
  fit.shape = 1.8;
  fit.scale = 120.0;
  FitErrors errors{0.2, 15.0, -0.5, std::nullopt};
  const double z = boost::math::quantile(boost::math::normal(), 0.975);
  // F at t = 100 by hand: w = beta ln((t - gamma)/eta), var w = b^2 se_e^2/e^2
  // + (w/b)^2 se_b^2 - 2 w cov/e.
  const double w = 1.8 * std::log(95.0 / 120.0);
  const double var_w =
      1.8 * 1.8 * 225.0 / 14400.0 + (w / 1.8) * (w / 1.8) * 0.04 - 2.0 * w * (-0.5) / 120.0;
  const DistributionValue v = WeibullDistribution(fit, errors, 100.0, 0.95);
  ASSERT_TRUE(v.f && v.lower && v.upper);
  EXPECT_NEAR(*v.f, 1.0 - std::exp(-std::exp(w)), 1e-14);
  EXPECT_NEAR(*v.lower, 1.0 - std::exp(-std::exp(w - z * std::sqrt(var_w))), 1e-6);
  EXPECT_NEAR(*v.upper, 1.0 - std::exp(-std::exp(w + z * std::sqrt(var_w))), 1e-6);
  // The 10th percentile: y = ln eta + L/beta, var y = L^2 se_b^2/b^4 + se_e^2/e^2
  // - 2 L cov/(b^2 e).
  const double l = std::log(-std::log(0.9));
  const double y = std::log(120.0) + l / 1.8;
  const double var_y =
      l * l * 0.04 / std::pow(1.8, 4) + 225.0 / 14400.0 - 2.0 * l * (-0.5) / (1.8 * 1.8 * 120.0);
  const Percentile p = WeibullPercentile(fit, errors, 0.1, 0.95);
  ASSERT_TRUE(p.time && p.lower && p.upper);
  EXPECT_NEAR(*p.time, std::exp(y), 1e-10);
  EXPECT_NEAR(*p.lower, std::exp(y - z * std::sqrt(var_y)), 1e-5);
  EXPECT_NEAR(*p.upper, std::exp(y + z * std::sqrt(var_y)), 1e-5);
}

// The observed information of the three-parameter likelihood against central differences of
// the log-likelihood itself.
TEST(ThreeParameterFit, HessianMatchesNumericalSecondDerivatives) {
  const std::vector<double> t = {17.88, 28.92, 33.0,   41.52,  42.12,  45.6,   48.48, 51.84,
                                 51.96, 54.12, 55.56,  67.8,   68.64,  68.64,  68.88, 84.12,
                                 93.12, 98.64, 105.12, 105.84, 127.92, 128.04, 173.4};
  std::vector<double> c(t.size(), 0.0);
  c[4] = c[9] = 1.0;  // two of them censored, so both sums are exercised
  const std::array<double, 3> at = {12.0, 1.6, 65.0};
  const auto hessian = LogLikelihoodHessian(t, c, at[0], at[1], at[2]);
  ASSERT_TRUE(hessian.has_value());
  const auto ll = [&](std::array<double, 3> p) {
    return -*NegativeLogLikelihood(t, c, p[0], p[1], p[2]);
  };
  const std::array<double, 3> h = {1e-3, 1e-4, 1e-3};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j) {
      std::array<double, 3> pp = at, pm = at, mp = at, mm = at;
      pp[i] += h[i];
      pp[j] += h[j];
      pm[i] += h[i];
      pm[j] -= h[j];
      mp[i] -= h[i];
      mp[j] += h[j];
      mm[i] -= h[i];
      mm[j] -= h[j];
      const double numeric = (ll(pp) - ll(pm) - ll(mp) + ll(mm)) / (4.0 * h[i] * h[j]);
      EXPECT_NEAR((*hessian)[i * 3 + j], numeric, 1e-4 * std::fabs(numeric) + 1e-6)
          << "entry " << i << "," << j;
    }
}

}  // namespace
}  // namespace kpa::reliability
