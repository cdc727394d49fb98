// c4 and d2, the control-chart constants.
#include "shell/probability/control_constants.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "shell/probability/sentinel.h"
#include "shell/probability/tolerances.h"

namespace kpa::probability {
namespace {

using testing::kMargin;

TEST(C4, MatchesTheGammaRatioBelowSeventy) {
  for (double n = 2.0; n < 70.0; n += 0.75) {  // real n: mean sample sizes are passed
    SCOPED_TRACE("n = " + std::to_string(n));
    const double reference =
        std::sqrt(2.0 / (n - 1.0)) * boost::math::tgamma_ratio(0.5 * n, 0.5 * (n - 1.0));
    EXPECT_NEAR(C4(n), reference, kMargin * testing::kC4Abs);
  }
}

TEST(C4, KnownValuesAndSentinel) {
  // c4(2) = Gamma(1) sqrt(2) / Gamma(1/2) = sqrt(2/pi) (hand calculation).
  EXPECT_NEAR(C4(2.0), std::sqrt(2.0 / std::numbers::pi), kMargin * testing::kC4Abs);
  EXPECT_EQ(C4(70.0), 276.0 / 277.0);  // 4 * 69 / (4 * 70 - 3)
  EXPECT_EQ(C4(101.0), 400.0 / 401.0);
  for (double n : {1.0, 0.5, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE("n = " + std::to_string(n));
    EXPECT_EQ(C4(n), kErrorSentinel);
  }
}

// d2(n) = integral over the line of 1 - Phi(x)^n - (1 - Phi(x))^n (Tippett 1925), by
// Gauss-Kronrod quadrature with Boost's normal distribution: an independent computation.
double MeanRange(int n) {
  const boost::math::normal_distribution<> normal;
  auto integrand = [&](double x) {
    const double lower = boost::math::cdf(normal, x);
    const double upper = boost::math::cdf(boost::math::complement(normal, x));
    return 1.0 - std::pow(lower, n) - std::pow(upper, n);
  };
  return boost::math::quadrature::gauss_kronrod<double, 61>::integrate(integrand, -12.0, 12.0, 15,
                                                                       1e-13);
}

TEST(D2, TableMatchesTheMeanRangeIntegral) {
  for (int n = kD2FirstSize; n <= kD2LastSize; ++n) {
    SCOPED_TRACE("n = " + std::to_string(n));
    EXPECT_NEAR(D2(n), MeanRange(n), 1e-9);  // the table has ten significant digits
  }
  // d2(2) = 2/sqrt(pi) and d2(3) = 3/sqrt(pi) (hand calculation).
  EXPECT_NEAR(D2(2), 2.0 / std::sqrt(std::numbers::pi), 1e-10);
  EXPECT_NEAR(D2(3), 3.0 / std::sqrt(std::numbers::pi), 1e-10);
}

TEST(D2, SentinelOutsideTheTable) {
  for (int n : {-1, 0, 1, 26, 100}) {
    SCOPED_TRACE("n = " + std::to_string(n));
    EXPECT_EQ(D2(n), kErrorSentinel);
  }
}

}  // namespace
}  // namespace kpa::probability
