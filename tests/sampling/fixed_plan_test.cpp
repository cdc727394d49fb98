// The fixed plan: the search for N against plans worked by hand and against Boost.Math's
// normal distribution, the beta of a custom N, and the entry checks.
#include "sampling/model/fixed_plan.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/normal.hpp>
#include <cmath>

#include "resources/ids/sampling_strings.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

// The normal integral is AS 66, good to about 1e-7 absolute (measured in the probability
// tests); a beta recomputed with Boost agrees with the searched one to a few times that.
constexpr double kBetaTolerance = 5e-7;

double Phi(double x) { return boost::math::cdf(boost::math::normal(), x); }
double Z(double p) { return boost::math::quantile(boost::math::normal(), p); }

PlanInputs Inputs(SamplingDistribution distribution, SamplingCriterion criterion, double h0,
                  double h1, double sigma = 1.0) {
  PlanInputs inputs;
  inputs.distribution = distribution;
  inputs.criterion = criterion;
  inputs.h0 = h0;
  inputs.h1 = h1;
  inputs.sigma = sigma;
  return inputs;
}

TEST(SampleSizeFromBeta, WorkedPlans) {
  struct Row {
    const char* name;
    PlanInputs inputs;
    double n, lower, upper, sigma_used;
  };
  // N, limits and sigma used: the plans worked by hand in the procedure's notes; the
  // limits are H0 -/+ z sigma / sqrt(N) with z = 1.959964 (two-tailed) or 1.644854.
  const Row rows[] = {
      {"normal two-tailed",
       Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0.0, 1.0), 10.5074,
       -0.6046, 0.6046, 1.0},
      {"normal one-sided right",
       Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kOneSidedRight, 0.0, 1.0),
       8.5638, -0.5621, 0.5621, 1.0},
      {"binomial two-tailed",
       Inputs(SamplingDistribution::kBinomialProportions, SamplingCriterion::kTwoTailed, 0.1, 0.2,
              0.5),
       94.567, 0.0395, 0.1605, 0.3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const FixedPlan plan = SampleSizeFromBeta(row.inputs);
    EXPECT_EQ(plan.status, PlanStatus::kOk);
    EXPECT_NEAR(plan.n, row.n, 1e-3);
    EXPECT_NEAR(plan.lower, row.lower, 1e-4);
    EXPECT_NEAR(plan.upper, row.upper, 1e-4);
    EXPECT_DOUBLE_EQ(plan.sigma_used, row.sigma_used);
    EXPECT_EQ(RoundUpSize(plan.n), static_cast<std::int64_t>(std::ceil(row.n)));
  }
}

TEST(SampleSizeFromBeta, ReachesTheTargetBetaByAnIndependentNormal) {
  struct Row {
    SamplingDistribution distribution;
    SamplingCriterion criterion;
    double h0, h1, sigma, alpha, beta;
  };
  const Row rows[] = {
      {SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 5, 6.5, 2, 0.01, 0.05},
      {SamplingDistribution::kNormalMeans, SamplingCriterion::kOneSidedLeft, 0, -0.4, 1, 0.05, 0.2},
      {SamplingDistribution::kPoissonFrequencies, SamplingCriterion::kOneSidedRight, 10, 15, 1,
       0.05, 0.1},
      {SamplingDistribution::kBinomialProportions, SamplingCriterion::kOneSidedLeft, 0.3, 0.2, 0.5,
       0.1, 0.1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << "h0 " << row.h0 << " h1 " << row.h1);
    PlanInputs inputs = Inputs(row.distribution, row.criterion, row.h0, row.h1, row.sigma);
    inputs.alpha = row.alpha;
    inputs.beta = row.beta;
    const FixedPlan plan = SampleSizeFromBeta(inputs);
    ASSERT_EQ(plan.status, PlanStatus::kOk);
    const bool two = row.criterion == SamplingCriterion::kTwoTailed;
    const double z = Z(1 - (two ? row.alpha / 2 : row.alpha));
    double s = row.sigma;
    if (row.distribution == SamplingDistribution::kBinomialProportions)
      s = std::sqrt(row.h0 * (1 - row.h0));
    if (row.distribution == SamplingDistribution::kPoissonFrequencies) s = std::sqrt(row.h0);
    const double r = std::sqrt(plan.n) * std::fabs(row.h0 - row.h1) / s;
    const double beta = Phi(z - r) - (two ? Phi(-z - r) : 0.0);
    EXPECT_NEAR(beta, row.beta, kBetaTolerance);
    EXPECT_NEAR(plan.upper - row.h0, z * s / std::sqrt(plan.n), 1e-5);
  }
}

TEST(SampleSizeFromBeta, LimitsOfTheSearch) {
  // H1 within 0.01 sigma of H0 needs about 105000 units: beyond the 10000 limit.
  const FixedPlan far = SampleSizeFromBeta(
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0.0, 0.01));
  EXPECT_EQ(far.status, PlanStatus::kAboveLimit);
  // A shift of 10 sigma reaches beta 0.1 with a single unit: N stops at 1.
  const FixedPlan near = SampleSizeFromBeta(
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0.0, 10.0));
  EXPECT_EQ(near.status, PlanStatus::kOk);
  EXPECT_EQ(near.n, 1.0);
  EXPECT_NEAR(near.upper, 1.959964, 1e-5);
  // An alpha of 1e-320 leaves 1 - alpha/2 equal to 1: no quantile, no plan (not "N = 1").
  PlanInputs tiny_alpha =
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0.0, 1.0);
  tiny_alpha.alpha = 1e-320;
  EXPECT_EQ(SampleSizeFromBeta(tiny_alpha).status, PlanStatus::kNoQuantile);
  EXPECT_EQ(BetaForSampleSize(tiny_alpha, 10.0).status, PlanStatus::kNoQuantile);
}

TEST(BetaForSampleSize, BothTailsForEveryCriterion) {
  for (const auto criterion : {SamplingCriterion::kTwoTailed, SamplingCriterion::kOneSidedRight,
                               SamplingCriterion::kOneSidedLeft}) {
    SCOPED_TRACE(static_cast<int>(criterion));
    const double h1 = criterion == SamplingCriterion::kOneSidedLeft ? -0.5 : 0.5;
    const PlanInputs inputs = Inputs(SamplingDistribution::kNormalMeans, criterion, 0.0, h1, 1.0);
    const FixedPlan plan = BetaForSampleSize(inputs, 4.0);
    EXPECT_EQ(plan.status, PlanStatus::kOk);
    const double z = Z(criterion == SamplingCriterion::kTwoTailed ? 0.975 : 0.95);
    // r = sqrt(4) * 0.5 = 1; the second tail is subtracted for the one-sided tests too.
    EXPECT_NEAR(plan.beta, Phi(z - 1.0) - Phi(-z - 1.0), kBetaTolerance);
    EXPECT_NEAR(plan.lower, -z / 2.0, 1e-6);
  }
  const FixedPlan none = BetaForSampleSize(
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0, 1), 0.0);
  EXPECT_EQ(none.status, PlanStatus::kSizeNotPositive);
}

TEST(CheckEntry, RulesAndMessages) {
  using F = SamplingField;
  const auto normal =
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kTwoTailed, 0, 1);
  const auto binomial =
      Inputs(SamplingDistribution::kBinomialProportions, SamplingCriterion::kTwoTailed, 0.1, 0.2);
  const auto poisson =
      Inputs(SamplingDistribution::kPoissonFrequencies, SamplingCriterion::kTwoTailed, 10, 15);
  const auto right =
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kOneSidedRight, 0, 1);
  const auto left =
      Inputs(SamplingDistribution::kNormalMeans, SamplingCriterion::kOneSidedLeft, 0, -1);
  struct Row {
    const char* name;
    F field;
    double value;
    PlanInputs inputs;
    std::optional<int> message;
  };
  const Row rows[] = {
      {"alpha 0", F::kAlpha, 0.0, normal, strings::kAlphaNotPositive},
      {"alpha 1", F::kAlpha, 1.0, normal, strings::kAlphaNotBelowOne},
      {"alpha ok", F::kAlpha, 0.5, normal, std::nullopt},
      {"beta 0", F::kBeta, 0.0, normal, strings::kBetaNotPositive},
      {"beta 1", F::kBeta, 1.0, normal, strings::kBetaNotBelowOne},
      {"normal H0 any", F::kH0, -1e6, normal, std::nullopt},
      {"binomial H0 0", F::kH0, 0.0, binomial, strings::kH0Proportion},
      {"binomial H0 1", F::kH0, 1.0, binomial, strings::kH0Proportion},
      {"poisson H0 0.99", F::kH0, 0.99, poisson, strings::kH0Frequency},
      {"poisson H0 1", F::kH0, 1.0, poisson, std::nullopt},
      {"binomial H1 1", F::kH1, 1.0, binomial, strings::kH1Proportion},
      {"poisson H1 0.5", F::kH1, 0.5, poisson, strings::kH1Frequency},
      {"two-tailed H1 = H0", F::kH1, 0.0, normal, strings::kH1EqualsH0},
      {"right H1 = H0", F::kH1, 0.0, right, strings::kH1NotAbove},
      {"left H1 = H0", F::kH1, 0.0, left, strings::kH1NotBelow},
      {"left H1 below", F::kH1, -0.1, left, std::nullopt},
      {"sigma 0 normal", F::kSigma, 0.0, normal, strings::kSigmaNotPositive},
      {"sigma 0 binomial", F::kSigma, 0.0, binomial, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CheckEntry(row.field, row.value, row.inputs), row.message);
  }
}

}  // namespace
}  // namespace kpa::sampling
