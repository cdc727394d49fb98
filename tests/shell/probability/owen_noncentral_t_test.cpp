// Owen's T function (AS 76) and the noncentral t distribution (AS 5) with its inverse.
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/special_functions/owens_t.hpp>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "shell/probability/noncentral_t.h"
#include "shell/probability/normal.h"
#include "shell/probability/owen_t.h"
#include "shell/probability/tolerances.h"

namespace kpa::probability {
namespace {

using testing::kMargin;

std::string Row(double a, double b, double c) {
  return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c);
}
double BoostNctCdf(int df, double delta, double t) {
  return boost::math::cdf(boost::math::non_central_t_distribution<>(df, delta), t);
}

TEST(OwenT, MatchesBoostForModerateA) {
  for (double h = -15.0; h <= 15.0; h += 0.37) {
    for (double a = -1.0; a <= 1.0; a += 0.125) {
      SCOPED_TRACE(Row(h, a, 0.0));
      EXPECT_NEAR(OwenT(h, a), boost::math::owens_t(h, a), kMargin * testing::kOwenTAbs);
    }
  }
  // Large a goes through the Newton reduction of the range; accuracy is then 2e-5 (|a| <= 10).
  EXPECT_NEAR(OwenT(1.5, 8.0), boost::math::owens_t(1.5, 8.0), 2e-5 * kMargin);
}

TEST(OwenT, IdentityAtAEqualOne) {
  // T(h, 1) = Phi(h) Phi(-h) / 2, checked through the independent normal integral.
  for (double h = -6.0; h <= 6.0; h += 0.25) {
    SCOPED_TRACE("h = " + std::to_string(h));
    EXPECT_NEAR(OwenT(h, 1.0), 0.5 * NormalIntegral(h, false) * NormalIntegral(h, true),
                kMargin * (testing::kOwenTAbs + testing::kNormalIntegralAbs));
  }
}

TEST(OwenT, ExactValuesAtTheLimits) {
  const double two_pi = 2.0 * std::numbers::pi;
  EXPECT_EQ(OwenT(0.0, 2.0), std::atan(2.0) * (1.0 / two_pi));
  EXPECT_EQ(OwenT(1e-36, -0.5), std::atan(-0.5) * (1.0 / two_pi));
  EXPECT_EQ(OwenT(15.5, 0.5), 0.0);
  EXPECT_EQ(OwenT(-16.0, 3.0), 0.0);
  EXPECT_EQ(OwenT(1.0, 1e-36), 0.0);
}

TEST(NoncentralTDistribution, ExactSeriesMatchesBoostForEvenDf) {
  // Even df use no Owen T term, so the series itself is tested to AS 66's accuracy.
  for (int df : {2, 4, 10, 50, 100}) {
    for (double delta : {-3.0, -1.0, 0.0, 0.5, 2.0, 5.0}) {
      for (double t = -8.0; t <= 16.0; t += 0.5) {
        SCOPED_TRACE(Row(df, delta, t));
        std::int16_t fault = -1;
        EXPECT_NEAR(NoncentralTDistribution(t, df, delta, fault), BoostNctCdf(df, delta, t),
                    kMargin * testing::kNoncentralTEvenAbs);
        EXPECT_EQ(fault, 0);
      }
    }
  }
}

TEST(NoncentralTDistribution, ExactSeriesMatchesBoostForOddDf) {
  // Odd df add 2 T(delta sqrt(B), t / sqrt(df)); keeping |t| <= sqrt(df) holds |a| <= 1.
  for (int df : {1, 3, 5, 25, 99}) {
    const double limit = std::sqrt(static_cast<double>(df));
    for (double delta : {-2.0, 0.0, 1.0, 4.0}) {
      for (double t = -limit; t <= limit; t += limit / 8.0) {
        SCOPED_TRACE(Row(df, delta, t));
        std::int16_t fault = -1;
        EXPECT_NEAR(NoncentralTDistribution(t, df, delta, fault), BoostNctCdf(df, delta, t),
                    kMargin * (2.0 * testing::kOwenTAbs + testing::kNormalIntegralAbs));
        EXPECT_EQ(fault, 0);
      }
    }
  }
}

TEST(NoncentralTDistribution, NormalApproximationAboveOneHundredDf) {
  for (int df : {101, 150, 1000}) {
    for (double delta : {-3.0, 0.0, 2.0, 5.0}) {
      for (double t = -6.0; t <= 10.0; t += 0.5) {
        SCOPED_TRACE(Row(df, delta, t));
        std::int16_t fault = -1;
        EXPECT_NEAR(NoncentralTDistribution(t, df, delta, fault), BoostNctCdf(df, delta, t),
                    kMargin * testing::kNoncentralTNormalAbs);
        EXPECT_EQ(fault, 1);
      }
    }
  }
}

TEST(NoncentralTDistribution, InvalidDegreesOfFreedom) {
  for (int df : {0, -5}) {
    SCOPED_TRACE("df = " + std::to_string(df));
    std::int16_t fault = -1;
    EXPECT_EQ(NoncentralTDistribution(1.0, df, 0.5, fault), 0.0);
    EXPECT_EQ(fault, 3);
  }
}

TEST(NoncentralTQuantile, MatchesBoostQuantile) {
  for (int df : {2, 4, 10, 40}) {
    for (double delta : {-2.0, 0.0, 1.5, 4.0}) {
      for (double p : {0.01, 0.1, 0.5, 0.9, 0.99}) {
        SCOPED_TRACE(Row(df, delta, p));
        std::int16_t status = -1;
        const double t = NoncentralTQuantile(p, df, delta, status);
        EXPECT_EQ(status, 0);
        const double reference =
            boost::math::quantile(boost::math::non_central_t_distribution<>(df, delta), p);
        // |F(t) - p| < 1e-7 and the density is at least ~1e-3 at these points.
        EXPECT_NEAR(t, reference, 2e-4 * std::max(1.0, std::fabs(reference)));
      }
    }
  }
}

TEST(NoncentralTQuantile, StatusOneAndZeroWhenNotFound) {
  struct Case {
    double p;
    int df;
  };
  const Case cases[] = {{0.0, 5}, {1.0, 5}, {-0.2, 5}, {0.5, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.p, c.df, 0.0));
    std::int16_t status = -1;
    EXPECT_EQ(NoncentralTQuantile(c.p, c.df, 1.0, status), 0.0);
    EXPECT_EQ(status, 1);
  }
}

}  // namespace
}  // namespace kpa::probability
