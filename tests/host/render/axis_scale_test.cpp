// Neat axis scales. Expected values are worked out by hand from the 1-2-5 rule: the step is
// the smallest of 1, 2, 5 times a power of ten not below range / intervals, and the bounds
// are the multiples of the step just outside the data.
#include "host/impl/render/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kpa::host::render {
namespace {

TEST(NiceStep, PicksOneTwoFiveTimesAPowerOfTen) {
  const struct {
    double raw;
    double step;
  } cases[] = {{0.7, 1.0},  {1.0, 1.0},    {1.2, 2.0},       {2.1, 5.0},      {5.0, 5.0},
               {7.0, 10.0}, {0.013, 0.02}, {0.0004, 0.0005}, {3456.0, 5000.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_DOUBLE_EQ(NiceStep(c.raw), c.step);
  }
}

TEST(NiceScale, EnclosesTheDataOnMultiplesOfTheStep) {
  const struct {
    const char* name;
    double lo, hi;
    int intervals;
    double minimum, maximum, step;
  } cases[] = {
      {"unit range", 0.0, 1.0, 10, 0.0, 1.0, 0.1},
      {"inside unit range", 0.03, 0.97, 5, 0.0, 1.0, 0.2},
      // 11.1 / 5 = 2.22 -> 5; bounds -5 and 10.
      {"across zero", -3.2, 7.9, 5, -5.0, 10.0, 5.0},
      // 0.1 / 8 = 0.0125 -> 0.02; 9.95 / 0.02 = 497.5 -> 497 -> 9.94; 10.05 -> 503 -> 10.06.
      {"gauge readings", 9.95, 10.05, 8, 9.94, 10.06, 0.02},
      // An empty range is widened by a tenth of its value: 4.5 .. 5.5; 1 / 5 -> 0.2, but
      // 4.5 / 0.2 = 22.5 rounds out to 4.4 .. 5.6, six intervals: the next step 0.5 is taken.
      {"single value", 5.0, 5.0, 5, 4.5, 5.5, 0.5},
      {"single zero", 0.0, 0.0, 4, -1.0, 1.0, 0.5},
      {"reversed bounds", 1.0, 0.0, 10, 0.0, 1.0, 0.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const AxisScale scale = NiceScale(c.lo, c.hi, c.intervals);
    // Bounds are exact multiples written as decimals: compare to a few ulps.
    EXPECT_NEAR(scale.minimum, c.minimum, 1e-12);
    EXPECT_NEAR(scale.maximum, c.maximum, 1e-12);
    EXPECT_DOUBLE_EQ(scale.step, c.step);
    EXPECT_LE((scale.maximum - scale.minimum) / scale.step, c.intervals + 1e-9);
  }
}

TEST(NiceScale, NonFiniteBoundsGiveTheUnitRange) {
  const AxisScale scale = NiceScale(std::numeric_limits<double>::quiet_NaN(), 3.0, 5);
  EXPECT_EQ(scale.minimum, 0.0);
  EXPECT_EQ(scale.maximum, 1.0);
}

TEST(AxisTicks, RoundTicksAreExactDecimals) {
  // Summing 0.1 three times gives 0.30000000000000004; the ticks must be the decimals a
  // reader expects, so that labels and golden files stay clean.
  const auto ticks = AxisTicks(0.0, 1.0, 0.1);
  ASSERT_EQ(ticks.size(), 11u);
  EXPECT_EQ(ticks[3], 0.3);
  EXPECT_EQ(ticks[7], 0.7);
  EXPECT_EQ(ticks.back(), 1.0);
}

TEST(AxisTicks, StaysInsideAFixedRangeThatIsNotAMultiple) {
  const auto ticks = AxisTicks(0.15, 1.02, 0.25);
  ASSERT_EQ(ticks.size(), 4u);
  EXPECT_DOUBLE_EQ(ticks.front(), 0.25);
  EXPECT_DOUBLE_EQ(ticks.back(), 1.0);
}

TEST(LogAxisTicks, DecadesWithTwoAndFiveOnShortRanges) {
  const std::vector<double> short_range = {1, 2, 5, 10, 20, 50, 100};
  EXPECT_EQ(LogAxisTicks(1, 100), short_range);
  const std::vector<double> long_range = {0.01, 0.1, 1, 10, 100, 1000};
  EXPECT_EQ(LogAxisTicks(0.01, 1000), long_range);
}

TEST(TickDecimals, EnoughToWriteEveryMultiple) {
  const struct {
    double step;
    int decimals;
  } cases[] = {{5, 0}, {0.1, 1}, {0.25, 2}, {0.02, 2}, {0.0005, 4}, {2e6, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    EXPECT_EQ(TickDecimals(c.step), c.decimals);
  }
}

}  // namespace
}  // namespace kpa::host::render
