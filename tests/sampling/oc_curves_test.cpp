// OC curves: the plan's own size, the family of sizes and the rejection probability.
#include "sampling/model/oc_curves.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>

#include "host/api/special_values.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

// A scale that widens nothing: the family steps come from the caller's own choice.
host::AxisScale Plain(double minimum, double maximum, int intervals) {
  const double raw = (maximum - minimum) / intervals;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (const double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  return {std::floor(minimum / step) * step, std::ceil(maximum / step) * step, step};
}

TEST(OcCurves, PlanCurveSize) {
  EXPECT_EQ(PlanCurveSize(10.5), 12);  // R(11.5)
  EXPECT_EQ(PlanCurveSize(10.2), 11);
  EXPECT_EQ(PlanCurveSize(12.0), 12);
}

TEST(OcCurves, FamilySizes) {
  EXPECT_EQ(FamilySizes(7, Plain), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(FamilySizes(10, Plain), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  // Np = 12: step 2 over 1..12, t = 5.5, half-width R(5.5) = 6: sizes 6, 8, ... (9 curves).
  EXPECT_EQ(FamilySizes(12, Plain), (std::vector<int>{6, 8, 10, 12, 14, 16, 18, 20, 22}));
  // Np = 95: step 20 (94 / 9 rounded up to 1-2-5), t = 4.7, half-width R(47) = 47, sizes
  // from 48 by 20; R(94 / 19) = 5 curves.
  EXPECT_EQ(FamilySizes(95, Plain), (std::vector<int>{48, 68, 88, 108, 128}));
}

TEST(OcCurves, RejectionProbabilityIsAlphaAtH0AndPowerAtH1) {
  const boost::math::normal z;
  for (const auto criterion : {SamplingCriterion::kTwoTailed, SamplingCriterion::kOneSidedRight}) {
    SCOPED_TRACE(static_cast<int>(criterion));
    PlanInputs inputs;
    inputs.criterion = criterion;
    const PlanBasis basis = ComputeBasis(inputs);
    EXPECT_NEAR(RejectionProbability(inputs, basis, 9, 0.0), 0.05, 1e-6);
    // At x = H1 = 1 with n = 9: u = 3.
    const double q =
        boost::math::quantile(z, criterion == SamplingCriterion::kTwoTailed ? 0.975 : 0.95);
    double power = boost::math::cdf(boost::math::complement(z, q - 3.0));
    if (criterion == SamplingCriterion::kTwoTailed) power += boost::math::cdf(z, -q - 3.0);
    EXPECT_NEAR(RejectionProbability(inputs, basis, 9, 1.0), power, 1e-6);
  }
}

TEST(OcCurves, FamilyAndRange) {
  PlanInputs inputs;  // defaults: N = 10.5074 draws n = 12
  const auto family = ComputeOcCurves(inputs, 10.5074, Plain);
  ASSERT_TRUE(family.has_value());
  ASSERT_EQ(family->curves.size(), 10u);
  EXPECT_EQ(family->curves.back().n, 12);
  EXPECT_EQ(family->curves.back().points.size(), static_cast<std::size_t>(kOcPoints));
  // H0 -/+ 4 / sqrt(12) = -/+1.155, scaled to -/+1.2 (step 0.2... of the plain scale).
  EXPECT_LE(family->x_minimum, -1.155);
  EXPECT_GE(family->x_maximum, 1.155);

  PlanInputs binomial;
  binomial.distribution = SamplingDistribution::kBinomialProportions;
  binomial.h0 = 0.05;
  binomial.h1 = 0.1;
  const auto clipped = ComputeOcCurves(binomial, 20.0, Plain);
  ASSERT_TRUE(clipped.has_value());
  EXPECT_GE(clipped->x_minimum, 0.0);
  // x = 0 is outside the proportions: its point is missing.
  EXPECT_TRUE(host::IsSpecialValue(clipped->curves[0].points[0].second));
}

}  // namespace
}  // namespace kpa::sampling
