// Moments, within-sample sigma, indices and quartiles against hand calculations and
// published values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "capability/model/indices.h"
#include "capability/model/moments.h"
#include "capability/model/within_sigma.h"

namespace kpa::capability {
namespace {

// The d2 table is given to ten digits; sums of a few terms keep that.
constexpr double kTableTolerance = 1e-9;
// One-pass moment updates against the two-pass sums of a hand calculation.
constexpr double kMomentTolerance = 1e-12;

shell::CapabilitySample SampleOf(std::vector<double> values) {
  shell::CapabilitySample sample;
  for (const double x : values) {
    const double old = sample.mean;
    sample.count += 1.0;
    sample.mean += (x - old) / sample.count;
    sample.sum_squares += (x - sample.mean) * (x - old);
    sample.maximum = sample.count == 1.0 ? x : std::max(sample.maximum, x);
    sample.minimum = sample.count == 1.0 ? x : std::min(sample.minimum, x);
  }
  return sample;
}

TEST(MomentsTest, SkewnessAndKurtosisOfASmallSample) {
  // Hand calculation for 2 4 4 4 5 5 7 9: mean 5, deviations -3 -1 -1 -1 0 0 2 4,
  // M2 = 32, M3 = 42, M4 = 356, so s^2 = 32/7, m2 = 4, m3 = 5.25, m4 = 44.5;
  // G1 = 64 * 5.25 / (7 * 6 * (32/7)^1.5), G2 = 64 (9 * 44.5 - 3 * 7 * 16) / (7*6*5 (32/7)^2).
  MomentAccumulator moments;
  for (const double x : {2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0}) moments.Add(x);
  EXPECT_NEAR(moments.Mean(), 5.0, kMomentTolerance);
  EXPECT_NEAR(moments.M2(), 32.0, kMomentTolerance);
  EXPECT_NEAR(moments.M3(), 42.0, 1e-11);
  EXPECT_NEAR(moments.M4(), 356.0, 1e-10);
  const SampleMoments finished = FinishMoments(moments.Sums());
  const double s2 = 32.0 / 7.0;
  EXPECT_NEAR(finished.sd, std::sqrt(s2), kMomentTolerance);
  EXPECT_NEAR(finished.skewness, 64.0 * 5.25 / (42.0 * std::pow(s2, 1.5)), 1e-12);
  EXPECT_NEAR(finished.kurtosis, 64.0 * (9.0 * 44.5 - 336.0) / (210.0 * s2 * s2), 1e-12);
}

TEST(MomentsTest, LargeOffsetDoesNotCancel) {
  // The same data shifted by 1e8: a textbook sum-of-squares would lose every digit. The
  // one-value updates and the two passes over the stored values agree with the hand sums.
  MomentAccumulator moments;
  std::vector<double> shifted;
  for (const double x : {2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0}) {
    moments.Add(x + 1e8);
    shifted.push_back(x + 1e8);
  }
  EXPECT_NEAR(moments.M2(), 32.0, 1e-6);
  const MomentSums sums = MomentsOf(shifted);
  EXPECT_EQ(sums.n, 8);
  EXPECT_NEAR(sums.mean, 1e8 + 5.0, 1e-7);
  EXPECT_NEAR(sums.m2, 32.0, 1e-6);
  EXPECT_NEAR(sums.m3, 42.0, 1e-5);
  EXPECT_NEAR(sums.m4, 356.0, 1e-4);
  // An odd count takes the last value into the first partial sum.
  const std::vector<double> odd = {1.0, 2.0, 6.0};
  EXPECT_NEAR(MomentsOf(odd).mean, 3.0, 1e-15);
  EXPECT_NEAR(MomentsOf(odd).m2, 14.0, 1e-13);
  // The extremes of either lane, and of the odd last value.
  EXPECT_EQ(MomentsOf(odd).minimum, 1.0);
  EXPECT_EQ(MomentsOf(odd).maximum, 6.0);
  const std::vector<double> last_lowest = {3.0, 8.0, -2.0};
  EXPECT_EQ(MomentsOf(last_lowest).minimum, -2.0);
  EXPECT_EQ(MomentsOf(last_lowest).maximum, 8.0);
  EXPECT_EQ(MomentsOf(std::vector<double>{}).n, 0);
}

TEST(WithinSigmaTest, EachMethod) {
  const double d2_2 = 1.1283791671;
  const double d2_3 = 1.6925687506;
  struct Case {
    const char* name;
    std::vector<shell::CapabilitySample> samples;
    SigmaMethod method;
    double sigma;
  };
  const auto a = SampleOf({1, 3});             // n 2, R 2, SS 2
  const auto b = SampleOf({0, 1, 5});          // n 3, R 5, SS 14
  const auto c3 = SampleOf({1, 2, 6});         // n 3, SS 14
  const auto c5 = SampleOf({1, 2, 3, 4, 10});  // n 5, SS 50
  const std::vector<Case> cases = {
      // Each range divided by the d2 of its own size, then averaged.
      {"ranges, unequal sizes", {a, b}, SigmaMethod::kRanges, (2.0 / d2_2 + 5.0 / d2_3) / 2.0},
      // Pooled: sqrt((SS1 + SS2) / (8 - 2)).
      {"variances, sizes 3 and 5", {c3, c5}, SigmaMethod::kVariances, std::sqrt(64.0 / 6.0)},
      // Moving ranges 2, 1, 4 of one-value samples: mean 7/3 over d2(2).
      {"moving ranges",
       {SampleOf({1}), SampleOf({3}), SampleOf({2}), SampleOf({6})},
       SigmaMethod::kRanges,
       7.0 / 3.0 / d2_2},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const WithinSigma result = EstimateWithinSigma(test.samples, test.method, false);
    EXPECT_EQ(result.status, SigmaStatus::kOk);
    EXPECT_NEAR(result.sigma, test.sigma, kTableTolerance);
  }
}

TEST(WithinSigmaTest, StandardDeviationsUseC4OfEachSize) {
  // c4(2) = sqrt(2/pi) = 0.7978845608, c4(3) = sqrt(pi)/2 = 0.8862269255 (closed forms).
  const auto a = SampleOf({1, 3});     // s = sqrt(2)
  const auto b = SampleOf({0, 1, 5});  // s = sqrt(7)
  const WithinSigma result =
      EstimateWithinSigma(std::vector{a, b}, SigmaMethod::kStandardDeviations, false);
  const double expected = (std::sqrt(2.0) / 0.7978845608 + std::sqrt(7.0) / 0.8862269255) / 2.0;
  EXPECT_NEAR(result.sigma, expected, 1e-8);  // C4 carries a 2e-10 gamma-ratio error
}

TEST(WithinSigmaTest, SmallSampleLeftOutOfSigma) {
  const auto a = SampleOf({1, 3});
  const auto one = SampleOf({100});
  const auto b = SampleOf({0, 1, 5});
  const WithinSigma result =
      EstimateWithinSigma(std::vector{a, one, b}, SigmaMethod::kRanges, false);
  EXPECT_TRUE(result.small_sample);
  EXPECT_EQ(result.k2, 2);
  EXPECT_EQ(result.sum_n2, 5);
  EXPECT_DOUBLE_EQ(result.mean_size, 2.5);
  EXPECT_DOUBLE_EQ(result.mean_size_all, 2.0);
  EXPECT_NEAR(result.sigma, (2.0 / 1.1283791671 + 5.0 / 1.6925687506) / 2.0, kTableTolerance);
}

TEST(WithinSigmaTest, Failures) {
  std::vector<double> big(26);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<double>(i % 3);
  struct Case {
    const char* name;
    std::vector<shell::CapabilitySample> samples;
    SigmaMethod method;
    SigmaStatus status;
  };
  const std::vector<Case> cases = {
      {"empty sample",
       {SampleOf({1, 2}), shell::CapabilitySample{}},
       SigmaMethod::kRanges,
       SigmaStatus::kEmptySample},
      {"single values with variances",
       {SampleOf({1}), SampleOf({2})},
       SigmaMethod::kVariances,
       SigmaStatus::kMeanSizeOne},
      {"26 values with ranges", {SampleOf(big)}, SigmaMethod::kRanges, SigmaStatus::kSampleOver25},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(EstimateWithinSigma(test.samples, test.method, false).status, test.status);
  }
  // 26 values with standard deviations are fine.
  EXPECT_EQ(EstimateWithinSigma(std::vector{SampleOf(big)}, SigmaMethod::kStandardDeviations, false)
                .status,
            SigmaStatus::kOk);
}

SpecLimits Limits(shell::ProcessType type, double lower, double nominal, double upper) {
  return {type, lower, nominal, upper, (upper - lower) / 2.0};
}

TEST(IndicesTest, CenteredProcessHasUnitIndices) {
  const NormalIndices i =
      ComputeNormalIndices(Limits(ProcessType::kNominalDelta, -3, 0, 3), 0.0, 1.0, 6.0, 1.0);
  EXPECT_DOUBLE_EQ(*i.cp, 1.0);
  EXPECT_DOUBLE_EQ(*i.cpk, 1.0);
  EXPECT_DOUBLE_EQ(*i.cr, 1.0);
  EXPECT_DOUBLE_EQ(*i.k, 0.0);
  EXPECT_DOUBLE_EQ(*i.cpm, 1.0);
}

TEST(IndicesTest, PistonRingsPublishedCp) {
  // Montgomery, Introduction to Statistical Quality Control, piston-ring example: with
  // sigma = R-bar/d2 = 0.0099 and limits 74 +/- 0.05, Cp = 0.1 / (6 * 0.0099) = 1.68.
  const NormalIndices i = ComputeNormalIndices(
      Limits(ProcessType::kNominalDelta, 73.95, 74.0, 74.05), 74.001, 0.0099, 6.0, std::nullopt);
  EXPECT_NEAR(*i.cp, 1.68, 0.005);
  // Off-centre by 0.001: CPU = (74.05 - 74.001) / (3 * 0.0099) = 1.650.
  EXPECT_NEAR(*i.cpk, 0.049 / 0.0297, 1e-9);
  EXPECT_FALSE(i.cpm.has_value());
}

TEST(IndicesTest, OneSidedSpecificationsLeaveTheOtherSideEmpty) {
  const NormalIndices lower =
      ComputeNormalIndices(Limits(ProcessType::kLowerNominal, 7, 10, 11.5), 10.0, 1.0, 6.0, 1.0);
  EXPECT_FALSE(lower.cp || lower.cr || lower.cpu || lower.k || lower.cpm);
  EXPECT_DOUBLE_EQ(*lower.cpl, 1.0);
  EXPECT_DOUBLE_EQ(*lower.cpk, *lower.cpl);
  const NormalIndices upper =
      ComputeNormalIndices(Limits(ProcessType::kNominalUpper, 8.5, 10, 13), 10.0, 1.0, 6.0, 1.0);
  EXPECT_FALSE(upper.cp || upper.cpl);
  EXPECT_DOUBLE_EQ(*upper.cpk, 1.0);
}

TEST(IndicesTest, CpmUsesTheObservationsAroundTheNominal) {
  // 9 and 11 around T = 10: tau = sqrt((1 + 1) / 1); CPM = 6 / (6 tau).
  const std::vector<double> observations = {9.0, 11.0};
  const auto tau = TargetDeviation(observations, 10.0);
  ASSERT_TRUE(tau);
  EXPECT_DOUBLE_EQ(*tau, std::sqrt(2.0));
  const NormalIndices i =
      ComputeNormalIndices(Limits(ProcessType::kNominalDelta, 7, 10, 13), 10.0, 5.0, 6.0, tau);
  EXPECT_NEAR(*i.cpm, 1.0 / std::sqrt(2.0), 1e-15);
}

TEST(IndicesTest, BeyondSpecificationsCountsAndExpectations) {
  const std::vector<double> observations = {-4, -1, 0, 1, 2, 3.5, 5};
  const BeyondCounts counts = CountBeyondSpecifications(
      observations, Limits(ProcessType::kLowerNominalUpper, -3, 0, 3), 0.0, 1.0);
  EXPECT_EQ(*counts.observed_above, 2.0);
  EXPECT_EQ(*counts.observed_below, 1.0);
  // P(Z > 3) = 0.0013498980 (Abramowitz & Stegun 26.2); the library's error is far below.
  EXPECT_NEAR(*counts.expected_above, 7 * 0.0013498980, 1e-8);
  EXPECT_NEAR(*counts.expected_below, 7 * 0.0013498980, 1e-8);
  const BeyondCounts upper_only = CountBeyondSpecifications(
      observations, Limits(ProcessType::kNominalUpper, -3, 0, 3), 0.0, 1.0);
  EXPECT_FALSE(upper_only.observed_below.has_value());
}

TEST(QuartilesTest, ByRemainderOfNOverFour) {
  struct Case {
    std::vector<double> sorted;
    double median, q1, q3;
  };
  const std::vector<Case> cases = {
      {{1, 2, 3, 4, 5, 6, 7, 8}, 4.5, 2.5, 6.5},  // N = 8: (x2+x3)/2, (x6+x7)/2
      {{1, 2, 3, 4, 5, 6, 7}, 4, 2, 6},           // N = 7: i = 1, x2 and x6
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, 3, 7},     // N = 9: i = 2, x3 and x7
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.sorted.size());
    const Quartiles q = QuartilesOfSorted(test.sorted);
    EXPECT_DOUBLE_EQ(q.median, test.median);
    EXPECT_DOUBLE_EQ(q.q1, test.q1);
    EXPECT_DOUBLE_EQ(q.q3, test.q3);
  }
}

// Selection must read the same order statistics as a full sort, at every remainder of N
// over 4 and with ties (values from a small set, in a shuffled order).
TEST(QuartilesTest, SelectionAgreesWithTheSortedRule) {
  std::uint32_t state = 12345;
  for (std::size_t n = 1; n <= 64; ++n) {
    std::vector<double> values(n);
    for (double& value : values) {
      state = state * 1664525u + 1013904223u;
      value = static_cast<double>((state >> 16) % 7) - 3.0;
    }
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const Quartiles expected = QuartilesOfSorted(sorted);
    const Quartiles selected = QuartilesBySelection(values);
    SCOPED_TRACE(n);
    EXPECT_EQ(selected.median, expected.median);
    EXPECT_EQ(selected.q1, expected.q1);
    EXPECT_EQ(selected.q3, expected.q3);
  }
}

}  // namespace
}  // namespace kpa::capability
