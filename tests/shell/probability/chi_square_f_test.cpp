// Chi-square and F tails and percentage points.
#include "shell/probability/chi_square_f.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "shell/probability/gamma_beta.h"
#include "shell/probability/tolerances.h"

namespace kpa::probability {
namespace {

using boost::math::complement;
using testing::kMargin;

double BoostFUpperTail(double df1, double df2, double f) {
  return boost::math::cdf(complement(boost::math::fisher_f_distribution<>(df1, df2), f));
}
double BoostFUpperQuantile(double df1, double df2, double p) {
  return boost::math::quantile(complement(boost::math::fisher_f_distribution<>(df1, df2), p));
}
double BoostChiUpperQuantile(double df, double p) {
  return boost::math::quantile(complement(boost::math::chi_squared_distribution<>(df), p));
}
std::string Row(double a, double b, double c) {
  return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c);
}

TEST(FTailProbability, MatchesBoost) {
  for (double df1 : {1.0, 2.0, 5.0, 10.0, 30.0}) {
    for (double df2 : {1.0, 2.0, 5.0, 10.0, 30.0, 100.0}) {
      for (double p = 1e-6; p < 1.0; p *= 3.0) {
        const double f = BoostFUpperQuantile(df1, df2, p);
        SCOPED_TRACE(Row(df1, df2, f));
        EXPECT_NEAR(FTailProbability(df1, df2, f) / p, 1.0, kMargin * testing::kFTailRel);
      }
    }
  }
}

TEST(FTailProbability, InvalidArgumentsRoundingAndTinyTails) {
  struct Case {
    double df1, df2, f, expected;
  };
  const Case cases[] = {
      {3.0, 5.0, 0.0, 1.0},    {3.0, 5.0, -2.0, 1.0},
      {0.0, 5.0, 1.0, 1.0},    {3.0, 0.4, 1.0, 1.0},  // rounds to 0 degrees of freedom
      {10.0, 10.0, 1e10, 0.0},                        // about 1e-48, below 1e-30
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.df1, c.df2, c.f));
    EXPECT_EQ(FTailProbability(c.df1, c.df2, c.f), c.expected);
  }
  // Degrees of freedom are rounded to the nearest whole number, halves upwards.
  EXPECT_EQ(FTailProbability(2.4, 5.0, 1.7), FTailProbability(2.0, 5.0, 1.7));
  EXPECT_EQ(FTailProbability(3.0, 4.5, 1.7), FTailProbability(3.0, 5.0, 1.7));
}

TEST(ChiSquareTailProbability, IsTheFTailWithA32000DenominatorAndNearTheChiSquare) {
  for (double df : {1.0, 2.0, 5.0, 10.0, 30.0, 100.0}) {
    for (double p = 1e-3; p < 1.0; p *= 2.0) {
      const double x = BoostChiUpperQuantile(df, p);
      SCOPED_TRACE(Row(df, x, p));
      const double value = ChiSquareTailProbability(x, df);
      EXPECT_NEAR(value / BoostFUpperTail(df, 32000.0, x / df), 1.0, kMargin * testing::kFTailRel);
      EXPECT_NEAR(value, p, kMargin * testing::kChiSquareTailAbs);
    }
  }
}

TEST(ChiSquareTailProbability, AnswersOneOutsideTheDomain) {
  for (const auto& [x, df] :
       {std::pair{3.0, 0.0}, {3.0, -2.0}, {3.0, 0.5}, {0.0, 4.0}, {-1.0, 4.0}}) {
    SCOPED_TRACE(Row(x, df, 0.0));
    EXPECT_EQ(ChiSquareTailProbability(x, df), 1.0);
  }
}

TEST(ChiSquareQuantile, MatchesBoostAndInvertsTheTail) {
  for (double df : {1.0, 2.0, 3.0, 10.0, 30.0, 100.0, 1000.0}) {
    for (double p = 1e-3; p < 1.0; p *= 1.7) {
      SCOPED_TRACE(Row(df, p, 0.0));
      const double x = ChiSquareQuantile(p, df);
      EXPECT_NEAR(x / BoostChiUpperQuantile(df, p), 1.0, kMargin * testing::kChiSquareQuantileRel);
      if (df <= 100.0) {
        EXPECT_NEAR(ChiSquareTailProbability(x, df), p, 2e-3);
      }
    }
  }
  // Below 0.32 degrees of freedom AS 91 starts from its own Newton iteration.
  EXPECT_NEAR(ChiSquareQuantile(0.5, 0.3) / BoostChiUpperQuantile(0.3, 0.5), 1.0,
              kMargin * testing::kChiSquareQuantileRel);
}

// Upper tails between the clamp (2e-6) and 1e-3, where the incomplete gamma must resolve
// 1 - P far below 1e-6 for AS 91 to settle.
TEST(ChiSquareQuantile, SmallUpperTailsMatchBoost) {
  for (double df : {1.0, 2.0, 3.0, 5.0, 10.0, 30.0, 100.0, 1000.0, 10000.0}) {
    for (double p = 2e-6; p < 1e-3; p *= 2.0) {
      SCOPED_TRACE(Row(df, p, 0.0));
      EXPECT_NEAR(ChiSquareQuantile(p, df) / BoostChiUpperQuantile(df, p), 1.0,
                  kMargin * testing::kChiSquareQuantileRel);
    }
  }
}

TEST(ChiSquareQuantile, ClampsTheLowerTailAndAnswersZeroOnFault) {
  // 1 - 1e-9 is clamped to 0.999998, the same as an upper tail of 2e-6.
  for (double df : {1.0, 2.0, 10.0, 30.0, 10000.0}) {
    SCOPED_TRACE("df = " + std::to_string(df));
    const double clamped = ChiSquareQuantile(1e-9, df);
    EXPECT_EQ(clamped, ChiSquareQuantile(2e-6, df));
    EXPECT_NEAR(clamped / BoostChiUpperQuantile(df, 2e-6), 1.0,
                kMargin * testing::kChiSquareQuantileRel);
  }
  EXPECT_EQ(ChiSquareQuantile(1.0, 4.0), ChiSquareQuantile(1.0 - 2e-6, 4.0));
  for (double df : {0.0, -3.0}) {
    SCOPED_TRACE("df = " + std::to_string(df));
    EXPECT_EQ(ChiSquareQuantile(0.05, df), 0.0);
  }
}

TEST(ChiSquarePercentagePoint, PublishedFaults) {
  struct Case {
    double p, v, expected;
    std::int16_t fault;
  };
  const Case cases[] = {
      {1e-6, 3.0, -1.0, 1}, {0.9999995, 3.0, -1.0, 1}, {0.5, 0.0, -1.0, 2}, {0.5, -1.0, -1.0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.p, c.v, 0.0));
    std::int16_t fault = -1;
    EXPECT_EQ(ChiSquarePercentagePoint(c.p, c.v, 0.0, fault), c.expected);
    EXPECT_EQ(fault, c.fault);
  }
}

TEST(FQuantile, MatchesBoostAndInvertsTheTail) {
  for (double df1 : {1.0, 2.0, 5.0, 10.0, 30.0, 120.0}) {
    for (double df2 : {2.0, 3.0, 10.0, 30.0, 120.0, 1000.0}) {
      for (double p = 1e-3; p < 1.0; p *= 2.5) {
        SCOPED_TRACE(Row(df1, df2, p));
        const double f = FQuantile(p, df1, df2);
        EXPECT_NEAR(f / BoostFUpperQuantile(df1, df2, p), 1.0, kMargin * testing::kFQuantileRel);
        // Two independent incomplete betas (AS 63 inside, betacf here).
        EXPECT_NEAR(FTailProbability(df1, df2, f) / p, 1.0,
                    kMargin * (testing::kFTailRel + 100.0 * testing::kIncompleteBetaRatioAbs));
      }
    }
  }
}

// One or two denominator degrees of freedom put the beta percentage point below 1e-4 for
// small p (x = df2 / (df2 + df1 f) with f in the thousands or more).
TEST(FQuantile, SmallDenominatorsAndSmallTailsMatchBoost) {
  for (double df1 : {1.0, 2.0, 3.0, 5.0, 10.0, 30.0, 120.0}) {
    for (double df2 : {1.0, 2.0}) {
      for (double p = 1e-6; p < 1.0; p *= 2.5) {
        SCOPED_TRACE(Row(df1, df2, p));
        const double f = FQuantile(p, df1, df2);
        EXPECT_NEAR(f / BoostFUpperQuantile(df1, df2, p), 1.0, kMargin * testing::kFQuantileRel);
        EXPECT_NEAR(FTailProbability(df1, df2, f) / p, 1.0,
                    kMargin * (testing::kFTailRel + 100.0 * testing::kIncompleteBetaRatioAbs));
      }
    }
  }
}

TEST(FQuantile, AnswersZeroWhenInvalid) {
  struct Case {
    double p, df1, df2;
  };
  const Case cases[] = {{0.0, 3.0, 5.0},  {1.0, 3.0, 5.0},  {-0.1, 3.0, 5.0},
                        {0.05, 0.5, 5.0}, {0.05, 3.0, 0.0}, {0.05, 3.0, -4.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.p, c.df1, c.df2));
    EXPECT_EQ(FQuantile(c.p, c.df1, c.df2), 0.0);
  }
}

}  // namespace
}  // namespace kpa::probability
