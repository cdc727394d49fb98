// Wald's sequential lines, expected sample sizes and recommended actions; the observed path.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sampling/model/sequential_plan.h"
#include "sampling/outputs/sequential_outputs.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

// The plan stores single precision and takes ln 10 as 2.3026 (relative error 6.5e-6).
constexpr double kSingleTolerance = 1e-4;

PlanInputs Defaults(SamplingCriterion criterion = SamplingCriterion::kTwoTailed) {
  PlanInputs inputs;
  inputs.criterion = criterion;
  if (criterion == SamplingCriterion::kOneSidedLeft) inputs.h1 = -1.0;
  return inputs;
}

TEST(SequentialPlan, DefaultPlanByHand) {
  // alpha' = 0.025, beta = 0.1: A = ln(0.9 / 0.025) = ln 36, B = ln(0.975 / 0.1) = ln 9.75;
  // with s = 1 and |H1 - H0| = 1: hA = B, hR = A, k = 0.5; ASN0 = (0.975 B - 0.025 A) / 0.5,
  // ASN1 = (0.9 A - 0.1 B) / 0.5.
  const double a = std::log(36.0);
  const double b = std::log(9.75);
  const SequentialPlan plan = ComputeSequentialPlan(Defaults());
  EXPECT_NEAR(plan.a, a, kSingleTolerance);
  EXPECT_NEAR(plan.b, b, kSingleTolerance);
  EXPECT_FLOAT_EQ(plan.k, 0.5f);
  EXPECT_NEAR(plan.h_accept, b, kSingleTolerance);
  EXPECT_NEAR(plan.h_reject, a, kSingleTolerance);
  EXPECT_NEAR(plan.asn0, (0.975 * b - 0.025 * a) / 0.5, kSingleTolerance);
  EXPECT_NEAR(plan.asn1, (0.9 * a - 0.1 * b) / 0.5, kSingleTolerance);
  EXPECT_NEAR(plan.asn0, 4.2615, 1e-4);
  EXPECT_NEAR(plan.asn1, 5.9949, 1e-4);
  const std::vector<float> lines = SequentialLines(plan, 10);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_NEAR(lines[0], 5 - b, kSingleTolerance);   // acceptance right, 2.7227
  EXPECT_NEAR(lines[1], 5 + a, kSingleTolerance);   // rejection right, 8.5835
  EXPECT_NEAR(lines[2], b - 5, kSingleTolerance);   // acceptance left
  EXPECT_NEAR(lines[3], -a - 5, kSingleTolerance);  // rejection left
}

TEST(SequentialPlan, DifferenceOfTheHypothesesKeptInDoublePrecision) {
  // H0 = 74, H1 = 75.2, sigma = 2.5, two-tailed: every quantity from the formulas in double
  // precision (ln 10 taken as 2.3026), then rounded once to single precision.
  PlanInputs inputs = Defaults();
  inputs.h0 = 74.0;
  inputs.h1 = 75.2;
  inputs.sigma = 2.5;
  const double delta = 75.2 - 74.0;
  const double a = 2.3026 * std::log10(0.9 / 0.025);
  const double b = 2.3026 * std::log10(0.975 / 0.1);
  const double information = delta * delta / (2.0 * 2.5 * 2.5);
  const SequentialPlan plan = ComputeSequentialPlan(inputs);
  EXPECT_EQ(plan.k, static_cast<float>(delta / 2.0));
  EXPECT_EQ(plan.h_accept, static_cast<float>(2.5 * 2.5 * b / delta));
  EXPECT_EQ(plan.h_reject, static_cast<float>(2.5 * 2.5 * a / delta));
  EXPECT_EQ(plan.asn0, static_cast<float>((0.975 * b - 0.025 * a) / information));
  EXPECT_EQ(plan.asn1, static_cast<float>((0.9 * a - 0.1 * b) / information));

  // A gauge read in microns: 10000 against 10000.0001 with sigma 0.0001. Rounded to single
  // precision first, the two hypotheses would be equal and every line infinite.
  inputs.h0 = 10000.0;
  inputs.h1 = 10000.0001;
  inputs.sigma = 0.0001;
  const SequentialPlan tiny = ComputeSequentialPlan(inputs);
  EXPECT_NEAR(tiny.k, 0.00005, 1e-9);
  for (const float line : SequentialLines(tiny, 3)) EXPECT_TRUE(std::isfinite(line));
  EXPECT_TRUE(std::isfinite(tiny.asn0));
  EXPECT_TRUE(std::isfinite(tiny.asn1));
  EXPECT_TRUE(IsFinitePlan(tiny, 400));

  // A difference that vanishes even in double precision leaves infinite lines.
  inputs.h1 = inputs.h0;
  EXPECT_FALSE(IsFinitePlan(ComputeSequentialPlan(inputs), 5));
}

TEST(SequentialPlan, LineColumnsPerCriterion) {
  EXPECT_EQ(
      SequentialLines(ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedRight)), 3).size(),
      2u);
  EXPECT_EQ(
      SequentialLines(ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedLeft)), 3).size(),
      2u);
  // The one-sided left lines mirror the right ones (alpha' = alpha for both).
  const auto right =
      SequentialLines(ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedRight)), 7);
  const auto left =
      SequentialLines(ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedLeft)), 7);
  EXPECT_FLOAT_EQ(right[0], -left[0]);
  EXPECT_FLOAT_EQ(right[1], -left[1]);
}

TEST(SequentialPlan, PoissonExpectedSizesFromTheIntercepts) {
  PlanInputs inputs;
  inputs.distribution = SamplingDistribution::kPoissonFrequencies;
  inputs.h0 = 10.0;
  inputs.h1 = 15.0;
  const SequentialPlan plan = ComputeSequentialPlan(inputs);
  // s^2 = 10, |m0 - m1| = 5, k = 2.5: ASN0 = hA / k, ASN1 = hR / (5 - k).
  EXPECT_NEAR(plan.h_accept, 10.0 * std::log(9.75) / 5.0, 1e-3);
  EXPECT_NEAR(plan.asn0, plan.h_accept / 2.5, 1e-5);
  EXPECT_NEAR(plan.asn1, plan.h_reject / 2.5, 1e-5);
}

TEST(RecommendedAction, RegionsAndBoundaries) {
  const SequentialPlan two = ComputeSequentialPlan(Defaults());
  const SequentialPlan right = ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedRight));
  const SequentialPlan left = ComputeSequentialPlan(Defaults(SamplingCriterion::kOneSidedLeft));
  const auto line = [](const SequentialPlan& plan, int n, int column) {
    return SequentialLines(plan, n)[static_cast<std::size_t>(column)];
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Row {
    const char* name;
    const SequentialPlan* plan;
    int n;
    float s;
    SequentialAction action;
  };
  const Row rows[] = {
      {"two-tailed between the acceptance lines", &two, 10, 0.0f, SequentialAction::kAccept},
      {"two-tailed on the right acceptance line", &two, 10, line(two, 10, 0),
       SequentialAction::kContinue},
      {"two-tailed on the left acceptance line", &two, 10, line(two, 10, 2),
       SequentialAction::kContinue},
      {"two-tailed on the right rejection line", &two, 10, line(two, 10, 1),
       SequentialAction::kContinue},
      {"two-tailed beyond the right rejection line", &two, 10, 9.0f, SequentialAction::kReject},
      {"two-tailed beyond the left rejection line", &two, 10, -9.0f, SequentialAction::kReject},
      {"two-tailed early: no acceptance region", &two, 1, 0.0f, SequentialAction::kContinue},
      {"right below the acceptance line", &right, 5, -5.0f, SequentialAction::kAccept},
      {"right on the rejection line", &right, 5, line(right, 5, 1), SequentialAction::kContinue},
      {"right above the rejection line", &right, 5, 10.0f, SequentialAction::kReject},
      {"left above the acceptance line", &left, 5, 5.0f, SequentialAction::kAccept},
      {"left on the acceptance line", &left, 5, line(left, 5, 0), SequentialAction::kContinue},
      {"left below the rejection line", &left, 5, -10.0f, SequentialAction::kReject},
      {"missing deviation", &two, 3, nan, SequentialAction::kMissing},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RecommendedAction(*row.plan, row.s, row.n), row.action);
  }
}

TEST(ObservedPath, CumulatesDeviationsAndSkipsGapsAndForeignCodes) {
  const SequentialPlan plan = ComputeSequentialPlan(Defaults());
  std::vector<ObservedValue> values = {{1.5, ValueKind::kValue, 1, ""},
                                       {0.5, ValueKind::kValue, 2, ""},
                                       {7.0, ValueKind::kForeign, 3, ""}};
  const ObservedPath path = MakeObservedPath(plan, 0.25, values);
  ASSERT_EQ(path.cumulative.size(), 3u);
  EXPECT_FLOAT_EQ(path.cumulative[0], 1.25f);
  EXPECT_FLOAT_EQ(path.cumulative[1], 1.5f);
  // A foreign code closes the series without entering the sum.
  EXPECT_TRUE(std::isnan(path.cumulative[2]));
  EXPECT_EQ(path.actions[2], SequentialAction::kMissing);
}

}  // namespace
}  // namespace kpa::sampling
