// Pearson-curve percentiles against laws of the Pearson family with known quantiles
// (Boost.Math): the normal (g1 = 0, g2 = 0), the rectangular (type II limit, g2 = -1.2),
// Student's t with 10 degrees of freedom (type VII, g2 = 1), the exponential (type III,
// g1 = 2, g2 = 6) and, between table rows, the gamma of shape 4 (g1 = 1, g2 = 1.5).
#include <gtest/gtest.h>

#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>

#include "capability/model/pearson_curves.h"

namespace kpa::capability {
namespace {

constexpr double kUpper = 0.99865;

TEST(PearsonPercentiles, MatchTheFamilysKnownLaws) {
  EXPECT_NEAR(*PearsonStandardPercentile(0.0, 0.0, 3.0), 3.0, 1e-6);
  EXPECT_NEAR(*PearsonStandardPercentile(0.0, 0.0, -3.0), -3.0, 1e-6);
  EXPECT_NEAR(*PearsonStandardPercentile(0.0, 0.0, 0.0), 0.0, 1e-12);
  EXPECT_NEAR(*PearsonStandardPercentile(0.0, -1.2, 3.0), (kUpper - 0.5) * std::sqrt(12.0), 1e-4);
  const double t10 =
      boost::math::quantile(boost::math::students_t_distribution<>(10.0), kUpper) / std::sqrt(1.25);
  EXPECT_NEAR(*PearsonStandardPercentile(0.0, 1.0, 3.0), t10, 1e-4);
  // The exponential, and its mirror image for negative skewness.
  const double long_tail = -std::log(1.0 - kUpper) - 1.0;
  const double short_tail = -std::log(kUpper) - 1.0;
  const double median = std::log(2.0) - 1.0;
  EXPECT_NEAR(*PearsonStandardPercentile(2.0, 6.0, 3.0), long_tail, 1e-4);
  EXPECT_NEAR(*PearsonStandardPercentile(2.0, 6.0, -3.0), short_tail, 1e-4);
  EXPECT_NEAR(*PearsonStandardPercentile(2.0, 6.0, 0.0), median, 1e-4);
  EXPECT_NEAR(*PearsonStandardPercentile(-2.0, 6.0, -3.0), -long_tail, 1e-4);
  EXPECT_NEAR(*PearsonStandardPercentile(-2.0, 6.0, 3.0), -short_tail, 1e-4);
  EXPECT_NEAR(*PearsonStandardPercentile(-2.0, 6.0, 0.0), -median, 1e-4);
}

TEST(PearsonPercentiles, InterpolateBetweenRowsAndRefuseOutsideTheTable) {
  const boost::math::gamma_distribution<> gamma4(4.0);
  const double upper = (boost::math::quantile(gamma4, kUpper) - 4.0) / 2.0;
  const double lower = (boost::math::quantile(gamma4, 1.0 - kUpper) - 4.0) / 2.0;
  EXPECT_NEAR(*PearsonStandardPercentile(1.0, 1.5, 3.0), upper, 0.01);
  EXPECT_NEAR(*PearsonStandardPercentile(1.0, 1.5, -3.0), lower, 0.01);
  EXPECT_FALSE(PearsonStandardPercentile(2.3, 6.0, 3.0));   // |g1| beyond 2
  EXPECT_FALSE(PearsonStandardPercentile(0.5, 12.4, 3.0));  // g2 beyond 12.2
  EXPECT_FALSE(PearsonStandardPercentile(0.0, -1.5, 3.0));  // g2 below -1.4
  EXPECT_FALSE(PearsonStandardPercentile(1.0, -1.2, 3.0));  // beta2 < beta1 + 1: no curve
  EXPECT_TRUE(PearsonStandardPercentile(2.0, 12.2, 3.0));   // the table's far corner
}

}  // namespace
}  // namespace kpa::capability
