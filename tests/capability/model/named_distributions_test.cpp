// The named distributions against independent references: each maximum-likelihood fit must
// satisfy its own likelihood equations (written here with Boost's digamma), quantiles and
// distribution functions must match Boost.Math's, the closed-form fits their formulas, and
// the domain checks and the Kolmogorov-Smirnov level their published rules.
#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/rayleigh.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <boost/math/special_functions/digamma.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "capability/model/named_distributions.h"

namespace kpa::capability {
namespace {

using Code = shell::CapabilityDistribution;
using boost::math::digamma;

// A right-skewed sample: sums of two exponentials, plus 10 (a gamma of shape 2 shifted).
std::vector<double> SkewedSample(std::size_t n) {
  std::uint32_t state = 12345;
  auto uniform = [&] {
    state = state * 1664525u + 1013904223u;
    return (static_cast<double>(state >> 8) + 0.5) / 16777216.0;
  };
  std::vector<double> x(n);
  for (double& v : x) v = 10.0 - 1.5 * (std::log(uniform()) + std::log(uniform()));
  return x;
}

double Mean(const std::vector<double>& v, double (*f)(double)) {
  double sum = 0.0;
  for (const double x : v) sum += f(x);
  return sum / static_cast<double>(v.size());
}

TEST(NamedFits, LikelihoodEquationsHoldAtTheEstimates) {
  const std::vector<double> x = SkewedSample(200);
  std::vector<double> y;
  for (const double v : x) y.push_back(v - 9.0);  // threshold 9

  const auto gamma = FitNamedDistribution(Code::kGamma, x, 9.0, 1.0, 200);
  ASSERT_EQ(gamma.status, NamedFitStatus::kFitted);
  const double b = gamma.fit.parameter1;
  const double c = gamma.fit.parameter2;
  // ln c - psi(c) = ln(mean y) - mean(ln y), and b = mean y / c.
  const double mean_y = Mean(y, [](double v) { return v; });
  const double mean_log = Mean(y, [](double v) { return std::log(v); });
  EXPECT_NEAR(std::log(c) - digamma(c), std::log(mean_y) - mean_log, 1e-4);
  EXPECT_NEAR(b, mean_y / c, 1e-3 * b);

  const auto weibull = FitNamedDistribution(Code::kWeibull, x, 9.0, 1.0, 200);
  ASSERT_EQ(weibull.status, NamedFitStatus::kFitted);
  const double scale = weibull.fit.parameter1;
  const double shape = weibull.fit.parameter2;
  double sum_power = 0.0;
  double sum_power_log = 0.0;
  for (const double v : y) {
    sum_power += std::pow(v, shape);
    sum_power_log += std::pow(v, shape) * std::log(v);
  }
  EXPECT_NEAR(sum_power_log / sum_power - 1.0 / shape - mean_log, 0.0, 1e-4);
  EXPECT_NEAR(scale, std::pow(sum_power / 200.0, 1.0 / shape), 1e-3 * scale);

  const auto extreme = FitNamedDistribution(Code::kExtremeValue, x, 0.0, 1.0, 200);
  ASSERT_EQ(extreme.status, NamedFitStatus::kFitted);
  const double a = extreme.fit.parameter1;
  const double e = extreme.fit.parameter2;
  double weights = 0.0;
  double weighted = 0.0;
  for (const double v : x) {
    weights += std::exp(-v / e);
    weighted += v * std::exp(-v / e);
  }
  EXPECT_NEAR(e, Mean(x, [](double v) { return v; }) - weighted / weights, 1e-3 * e);
  EXPECT_NEAR(a, -e * std::log(weights / 200.0), 1e-3);

  // Beta on (9, 9 + 30): psi(alpha) - psi(alpha + beta) = mean ln u, and the same for 1 - u.
  const auto beta = FitNamedDistribution(Code::kBeta, x, 9.0, 30.0, 200);
  ASSERT_EQ(beta.status, NamedFitStatus::kFitted);
  const double al = beta.fit.parameter1;
  const double be = beta.fit.parameter2;
  double mean_log_u = 0.0;
  double mean_log_v = 0.0;
  for (const double v : x) {
    mean_log_u += std::log((v - 9.0) / 30.0) / 200.0;
    mean_log_v += std::log1p(-(v - 9.0) / 30.0) / 200.0;
  }
  EXPECT_NEAR(digamma(al) - digamma(al + be), mean_log_u, 1e-4);
  EXPECT_NEAR(digamma(be) - digamma(al + be), mean_log_v, 1e-4);
}

// Forty exact quantiles of a gamma law (shape 3, scale 2): the moment start is so close to
// the optimum that the search finds no descent at once; that is a fit, not a failure.
TEST(NamedFits, GammaStartAlreadyAtTheOptimumIsAFit) {
  const boost::math::gamma_distribution<> law(3.0, 2.0);
  std::vector<double> x;
  for (int i = 1; i <= 40; ++i) x.push_back(quantile(law, (i - 0.5) / 40.0));
  const auto gamma = FitNamedDistribution(Code::kGamma, x, 0.0, 1.0, 200);
  ASSERT_EQ(gamma.status, NamedFitStatus::kFitted);
  const double mean_log = Mean(x, [](double v) { return std::log(v); });
  const double mean = Mean(x, [](double v) { return v; });
  EXPECT_NEAR(std::log(gamma.fit.parameter2) - digamma(gamma.fit.parameter2),
              std::log(mean) - mean_log, 1e-4);
}

// The ground-beef serving sizes fitted in Delignette-Muller and Dutang (2015, J. Stat.
// Software 64(4), section 2): Weibull shape 2.186 and scale 83.35, gamma shape 4.008 (its rate
// 0.0544 is shape / mean), log-normal meanlog 4.169 (the sdlog there is the maximum-likelihood
// one, 0.5366; the capability fit uses the N - 1 divisor).
TEST(NamedFits, PublishedFitsOfTheGroundBeefServings) {
  std::ifstream file(KPA_SOURCE_DIR "/examples/data/groundbeef.csv");
  ASSERT_TRUE(file.is_open());
  std::vector<double> x;
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#' && line[0] != '"') x.push_back(std::stod(line));
  ASSERT_EQ(x.size(), 254u);
  const auto weibull = FitNamedDistribution(Code::kWeibull, x, 0.0, 1.0, 200);
  ASSERT_EQ(weibull.status, NamedFitStatus::kFitted);
  EXPECT_NEAR(weibull.fit.parameter2, 2.186, 0.001);
  EXPECT_NEAR(weibull.fit.parameter1, 83.35, 0.01);
  const auto gamma = FitNamedDistribution(Code::kGamma, x, 0.0, 1.0, 200);
  ASSERT_EQ(gamma.status, NamedFitStatus::kFitted);
  EXPECT_NEAR(gamma.fit.parameter2, 4.008, 0.001);
  // Their Kolmogorov-Smirnov statistics (section 3.1 there): 0.1396 and 0.1281.
  std::sort(x.begin(), x.end());
  const auto d = [&](const NamedFit& fit) {
    return KolmogorovSmirnovDistance(x,
                                     [&](double v) { return FittedDistributionFunction(fit, v); });
  };
  EXPECT_NEAR(d(weibull.fit), 0.1396, 2e-4);
  EXPECT_NEAR(d(gamma.fit), 0.1281, 2e-4);
  const auto lognormal = FitNamedDistribution(Code::kLogNormal, x, 0.0, 1.0, 200);
  EXPECT_NEAR(lognormal.fit.parameter1, 4.169, 0.001);
  EXPECT_NEAR(lognormal.fit.parameter2, 0.5366 * std::sqrt(254.0 / 253.0), 0.001);
}

TEST(NamedFits, ClosedFormsAndDomainChecks) {
  const std::vector<double> x = {2.0, 3.0, 5.0, 8.0};
  const auto exponential = FitNamedDistribution(Code::kExponential, x, 2.0, 1.0, 200);
  EXPECT_EQ(exponential.status, NamedFitStatus::kFitted);  // a value at the threshold is fine
  EXPECT_DOUBLE_EQ(exponential.fit.parameter1, 2.5);
  EXPECT_EQ(FitNamedDistribution(Code::kExponential, x, 2.5, 1.0, 200).status,
            NamedFitStatus::kBelowThreshold);
  EXPECT_EQ(FitNamedDistribution(Code::kRayleigh, x, 2.0, 1.0, 200).status,
            NamedFitStatus::kAtOrBelowThreshold);
  const auto rayleigh = FitNamedDistribution(Code::kRayleigh, x, 1.0, 1.0, 200);
  EXPECT_DOUBLE_EQ(rayleigh.fit.parameter1, std::sqrt((1.0 + 4.0 + 16.0 + 49.0) / 8.0));
  const auto lognormal = FitNamedDistribution(Code::kLogNormal, x, 1.0, 1.0, 200);
  EXPECT_NEAR(lognormal.fit.parameter1, std::log(1.0 * 2.0 * 4.0 * 7.0) / 4.0, 1e-12);
  EXPECT_EQ(
      FitNamedDistribution(Code::kLogNormal, std::vector<double>{3.0, 3.0}, 1.0, 1.0, 200).status,
      NamedFitStatus::kLogNormalImpossible);
  EXPECT_EQ(FitNamedDistribution(Code::kBeta, x, 2.0, 10.0, 200).status,
            NamedFitStatus::kOutsideBetaRange);
  EXPECT_EQ(FitNamedDistribution(Code::kBeta, x, 1.0, 7.0, 200).status,
            NamedFitStatus::kOutsideBetaRange);  // 8 is the upper bound itself
  EXPECT_EQ(
      FitNamedDistribution(Code::kNormalAndGeneral, std::vector<double>{4.0, 4.0}, 0.0, 1.0, 200)
          .status,
      NamedFitStatus::kLowDispersion);
  // Two values: the moment start of the beta has v >= m(1 - m); the uniform start still fits.
  const auto beta =
      FitNamedDistribution(Code::kBeta, std::vector<double>{0.01, 0.99}, 0.0, 1.0, 200);
  EXPECT_NE(beta.status, NamedFitStatus::kLikelihoodFailed);
  EXPECT_GT(beta.fit.parameter1, 0.0);
}

TEST(NamedFits, QuantilesAndDistributionFunctionsMatchBoost) {
  const double theta = 3.0;
  const struct {
    NamedFit fit;
    std::function<double(double)> quantile;  // Boost's, for the variable minus theta
    std::function<double(double)> cdf;
  } cases[] = {
      {{Code::kGamma, theta, 1.0, 2.0, 3.5},
       [](double p) { return quantile(boost::math::gamma_distribution<>(3.5, 2.0), p); },
       [](double y) { return cdf(boost::math::gamma_distribution<>(3.5, 2.0), y); }},
      {{Code::kWeibull, theta, 1.0, 4.0, 1.7},
       [](double p) { return quantile(boost::math::weibull_distribution<>(1.7, 4.0), p); },
       [](double y) { return cdf(boost::math::weibull_distribution<>(1.7, 4.0), y); }},
      {{Code::kLogNormal, theta, 1.0, 0.4, 0.6},
       [](double p) { return quantile(boost::math::lognormal_distribution<>(0.4, 0.6), p); },
       [](double y) { return cdf(boost::math::lognormal_distribution<>(0.4, 0.6), y); }},
      {{Code::kRayleigh, theta, 1.0, 1.3, 0.0},
       [](double p) { return quantile(boost::math::rayleigh_distribution<>(1.3), p); },
       [](double y) { return cdf(boost::math::rayleigh_distribution<>(1.3), y); }},
      {{Code::kBeta, theta, 5.0, 2.5, 4.0},
       [](double p) { return 5.0 * quantile(boost::math::beta_distribution<>(2.5, 4.0), p); },
       [](double y) { return cdf(boost::math::beta_distribution<>(2.5, 4.0), y / 5.0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.fit.code));
    for (const double p : {0.00135, 0.1, 0.5, 0.9, 0.99865}) {
      const auto q = FittedQuantile(c.fit, p);
      ASSERT_TRUE(q) << p;
      EXPECT_NEAR(*q - theta, c.quantile(p), 2e-6 * (1.0 + c.quantile(p))) << p;
      EXPECT_NEAR(FittedDistributionFunction(c.fit, *q), p, 2e-6) << p;
    }
    EXPECT_EQ(FittedDistributionFunction(c.fit, theta - 1.0), 0.0);
    EXPECT_FALSE(FittedQuantile(c.fit, 0.0));
    EXPECT_FALSE(FittedQuantile(c.fit, 1.0));
  }
  // The largest extreme value: exp(-exp(-(x - a)/b)).
  const NamedFit gumbel{Code::kExtremeValue, 0.0, 1.0, 10.0, 2.0};
  const boost::math::extreme_value_distribution<> reference(10.0, 2.0);
  EXPECT_NEAR(*FittedQuantile(gumbel, 0.99865), quantile(reference, 0.99865), 1e-9);
  EXPECT_NEAR(FittedDistributionFunction(gumbel, 12.0), cdf(reference, 12.0), 1e-12);
  // A log-normal quantile beyond exp(120) has no value.
  EXPECT_FALSE(FittedQuantile({Code::kLogNormal, 0.0, 1.0, 110.0, 5.0}, 0.99865));
}

TEST(KolmogorovSmirnov, DistanceAndKnownParameterLevel) {
  // Uniform F on four values: the largest gap is just below 0.3 (F = 0.3 against 2/4).
  const std::vector<double> sorted = {0.1, 0.3, 0.6, 0.9};
  EXPECT_DOUBLE_EQ(KolmogorovSmirnovDistance(sorted, [](double x) { return x; }), 0.2);
  // Stephens' modified d at its published 5 % and 1 % points, 1.358 and 1.628.
  const auto n = std::int64_t{50};
  const double root = std::sqrt(50.0);
  EXPECT_NEAR(KolmogorovSmirnovKnownP(1.358 / (root + 0.12 + 0.11 / root), n), 0.05, 5e-4);
  EXPECT_NEAR(KolmogorovSmirnovKnownP(1.628 / (root + 0.12 + 0.11 / root), n), 0.01, 2e-4);
  EXPECT_DOUBLE_EQ(KolmogorovSmirnovKnownP(0.0, n), 1.0);
}

}  // namespace
}  // namespace kpa::capability
