// Failure orders, plotting positions, rank limits, Kaplan-Meier and the fitted
// distribution's values, against hand-worked cases.
#include <gtest/gtest.h>

#include <cmath>

#include "reliability/data/failure_reader.h"
#include "reliability/model/failure_orders.h"
#include "reliability/model/weibull_values.h"

namespace kpa::reliability {
namespace {

shell::FailureSample SampleOf(std::vector<double> time, std::vector<double> censored) {
  shell::FailureSample s;
  s.time = std::move(time);
  s.censored = std::move(censored);
  s.n = static_cast<std::int64_t>(s.time.size());
  double censoring_time = -1.0;
  for (std::size_t i = 0; i < s.time.size(); ++i) {
    if (s.censored[i] == 0.0) continue;
    if (censoring_time >= 0.0 && s.time[i] != censoring_time) s.censoring_times_equal = false;
    censoring_time = s.time[i];
  }
  return s;
}

TEST(FailureOrders, PlainRanksAndTheThreePlottingPositions) {
  std::vector<double> t;
  for (int i = 10; i >= 1; --i) t.push_back(i);
  const auto s = SampleOf(t, std::vector<double>(10, 0.0));
  const FailureOrders median = OrderFailures(s, shell::RankMethod::kMedianRank);
  EXPECT_FALSE(median.adjusted);
  EXPECT_DOUBLE_EQ(median.cases.front().time, 1.0);
  EXPECT_NEAR(*median.cases.front().estimate, 0.7 / 10.4, 1e-15);
  EXPECT_NEAR(*median.cases.back().estimate, 9.7 / 10.4, 1e-15);
  EXPECT_NEAR(*OrderFailures(s, shell::RankMethod::kMeanRank).cases[2].estimate, 3.0 / 11.0, 1e-15);
  EXPECT_NEAR(*OrderFailures(s, shell::RankMethod::kWhite).cases[2].estimate, 2.625 / 10.25, 1e-15);
}

TEST(FailureOrders, JohnsonsAdjustedOrdersOnAMixedSample) {
  // 1 F, 2 C, 3 F, 4 C, 5 F: i = 1, 1 + 5/4 = 2.25, 2.25 + 3.75/2 = 4.125.
  const auto s = SampleOf({5, 2, 1, 4, 3}, {0, 1, 0, 1, 0});
  const FailureOrders orders = OrderFailures(s, shell::RankMethod::kMeanRank);
  ASSERT_TRUE(orders.adjusted);
  EXPECT_DOUBLE_EQ(*orders.cases[0].order, 1.0);
  EXPECT_DOUBLE_EQ(*orders.cases[2].order, 2.25);
  EXPECT_DOUBLE_EQ(*orders.cases[4].order, 4.125);
  // The method does not apply to adjusted orders: the median rank of the order stands.
  EXPECT_DOUBLE_EQ(*orders.cases[2].estimate, (2.25 - 0.3) / 5.4);
  // One censoring time shared by several cases keeps the plain ranks among all n.
  const auto single = SampleOf({5, 2, 1, 2, 3}, {0, 1, 0, 1, 0});
  const FailureOrders plain = OrderFailures(single, shell::RankMethod::kMedianRank);
  EXPECT_FALSE(plain.adjusted);
  EXPECT_DOUBLE_EQ(*plain.cases[3].order, 4.0);
}

TEST(FailureOrders, FailuresComeBeforeCensoredCasesAtEqualTimes) {
  const auto s = SampleOf({2, 2, 1}, {1, 0, 0});
  const FailureOrders orders = OrderFailures(s, shell::RankMethod::kMedianRank);
  EXPECT_FALSE(orders.cases[1].censored);
  EXPECT_TRUE(orders.cases[2].censored);
  EXPECT_EQ(orders.cases[1].reverse_rank, 2);
}

TEST(RankLimits, OneFailureAmongOneGivesTheAlphaQuantiles) {
  // F(0.95; 2, 2) = 19: lower = 1 / (1 + 19) = 0.05, upper = 19 / 20 = 0.95.
  const RankLimits limits = RankBasedLimits(1.0, 1.0, 0.95);
  EXPECT_NEAR(*limits.lower, 0.05, 1e-6);
  EXPECT_NEAR(*limits.upper, 0.95, 1e-6);
}

// R survival's survfit on times 1, 1, 2+, 3: S = 0.5 after the tie at 1, with Greenwood
// standard error 0.25; 0 after the last failure.
TEST(KaplanMeier, TiesAndGreenwoodErrors) {
  const auto s = SampleOf({3, 1, 2, 1}, {0, 0, 1, 0});
  const auto km = KaplanMeier(OrderFailures(s, shell::RankMethod::kMedianRank), 0.95);
  ASSERT_EQ(km.size(), 4u);
  EXPECT_DOUBLE_EQ(km[1].survival, 0.5);
  EXPECT_DOUBLE_EQ(*km[1].se, 0.25);
  EXPECT_TRUE(km[2].censored);
  EXPECT_DOUBLE_EQ(km[2].survival, 0.5);
  EXPECT_DOUBLE_EQ(km[3].survival, 0.0);
  EXPECT_FALSE(km[3].lower.has_value());
  ASSERT_TRUE(km[1].lower && km[1].upper);
  EXPECT_LT(*km[1].lower, 0.5);
  EXPECT_GT(*km[1].upper, 0.5);
}

TEST(WeibullValues, CharacteristicLifeAndPercentiles) {
  shell::WeibullFit fit;
  fit.location = 10.0;
  fit.shape = 2.0;
  fit.scale = 100.0;
  const FitErrors none;
  const double f = *WeibullDistribution(fit, none, 110.0, 0.95).f;
  EXPECT_NEAR(f, 1.0 - std::exp(-1.0), 1e-15);
  // The percentile is a time from the location: eta at 63.2 %.
  EXPECT_NEAR(*WeibullPercentile(fit, none, 1.0 - std::exp(-1.0), 0.95).time, 100.0, 1e-9);
  EXPECT_NEAR(*WeibullHazard(fit, 60.0), 2.0 * 50.0 / 10000.0, 1e-15);
  EXPECT_FALSE(WeibullDistribution(fit, none, 10.0, 0.95).f.has_value());
}

TEST(Dates, JulianDaysBetweenTwoDates) {
  EXPECT_EQ(DaysBetween(std::vector<double>{1, 2, 95, 3, 4, 96}), 427.0);
  // The Gregorian reform: 4 October 1582 is followed by 15 October 1582.
  EXPECT_EQ(DaysBetween(std::vector<double>{10, 4, 1582, 10, 15, 1582}), 1.0);
  EXPECT_FALSE(DaysBetween(std::vector<double>{13, 1, 2000, 1, 1, 2001}).has_value());
  EXPECT_FALSE(DaysBetween(std::vector<double>{1, 1.5, 2000, 1, 1, 2001}).has_value());
  EXPECT_FALSE(DaysBetween(std::vector<double>{1, 1, 32000, 1, 1, 2001}).has_value());
}

}  // namespace
}  // namespace kpa::reliability
