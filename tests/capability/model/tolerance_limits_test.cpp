// Tolerance factors and distribution-free levels against Boost.Math's normal, chi-square and
// noncentral t quantiles, the worked value of the two-sided factor for N = 30 (k = 2.550) and
// the one-sided free limits of N = 59 (gamma = 1 - 0.95^59 = 0.952).
#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>

#include <cmath>

#include "capability/model/tolerance_limits.h"

namespace kpa::capability {
namespace {

TEST(ToleranceLimits, NormalFactorsMatchBoost) {
  const boost::math::normal normal;
  for (const int n : {10, 30, 200})
    for (const double p : {0.90, 0.95, 0.99}) {
      const double nu = n - 1.0;
      const double z = quantile(normal, 1.0 - (1.0 - p) / 2.0);
      const double chi2 = quantile(boost::math::chi_squared(nu), 0.05);
      const double two = (1.0 + 1.0 / (2.0 * n)) * z * std::sqrt(nu / chi2);
      EXPECT_NEAR(*NormalToleranceFactor(n, p, 0.95, true), two, 1e-6 * two) << n << " " << p;
      const boost::math::non_central_t t(nu, quantile(normal, p) * std::sqrt(double(n)));
      const double one = quantile(t, 0.95) / std::sqrt(double(n));
      // Beyond 100 degrees of freedom the library's noncentral t is the normal approximation
      // of AS 5: a few tenths of a percent.
      const double tolerance = nu > 100 ? 5e-3 : 2e-5;
      EXPECT_NEAR(*NormalToleranceFactor(n, p, 0.95, false), one, tolerance * one) << n << " " << p;
    }
  EXPECT_NEAR(*NormalToleranceFactor(30, 0.95, 0.95, true), 2.550, 5e-4);
  EXPECT_FALSE(NormalToleranceFactor(30, 1.0, 0.95, true));
}

TEST(ToleranceLimits, DistributionFreeLevels) {
  EXPECT_NEAR(*FreeToleranceConfidence(59, 0.95, false), 1.0 - std::pow(0.95, 59), 1e-12);
  EXPECT_NEAR(*FreeToleranceConfidence(59, 0.95, false), 0.952, 5e-4);
  // One-sided: p and gamma invert each other exactly.
  EXPECT_NEAR(*FreeToleranceProportion(59, *FreeToleranceConfidence(59, 0.95, false), false), 0.95,
              1e-12);
  // Two-sided: 1 - Q4(x) with Q4(x) = exp(-x/2)(1 + x/2), and back through the chi-square
  // point of 4 degrees of freedom.
  const double x = 4.0 * (125 - 0.5) * 0.05 / 1.95;
  // The library's chi-square tail is an F tail with 32000 denominator degrees of freedom.
  EXPECT_NEAR(*FreeToleranceConfidence(125, 0.95, true), 1.0 - std::exp(-x / 2) * (1 + x / 2),
              2e-5);
  const double chi2 = quantile(complement(boost::math::chi_squared(4.0), 0.05));
  EXPECT_NEAR(*FreeToleranceProportion(125, 0.95, true), 1.0 - 2.0 / (4.0 * 124.5 / chi2 + 1.0),
              1e-7);
  EXPECT_FALSE(FreeToleranceProportion(125, 1.0, true));
}

}  // namespace
}  // namespace kpa::capability
