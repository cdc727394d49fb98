// Log-gamma, log-beta, the incomplete gamma and beta functions and the beta percentage point.
#include "shell/probability/gamma_beta.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>

#include "shell/probability/sentinel.h"
#include "shell/probability/tolerances.h"

namespace kpa::probability {
namespace {

using testing::kMargin;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Row(double a, double b, double x) {
  return "a = " + std::to_string(a) + ", b = " + std::to_string(b) + ", x = " + std::to_string(x);
}

TEST(LogGamma, BothSeriesMatchBoost) {
  for (double x = 0.01; x <= 100.0; x *= 1.05) {
    SCOPED_TRACE("x = " + std::to_string(x));
    const double reference = boost::math::lgamma(x);
    EXPECT_NEAR(LogGamma(x), reference, kMargin * testing::kLogGammaAbs);
    EXPECT_NEAR(LogGammaStirling(x), reference, kMargin * testing::kLogGammaStirlingAbs);
  }
  // ln Gamma(1/2) = ln sqrt(pi) (hand calculation); ln Gamma(1) = ln Gamma(2) = 0.
  EXPECT_NEAR(LogGamma(0.5), 0.5 * std::log(std::numbers::pi), kMargin * testing::kLogGammaAbs);
  EXPECT_NEAR(LogGamma(1.0), 0.0, kMargin * testing::kLogGammaAbs);
  EXPECT_NEAR(LogGammaStirling(2.0), 0.0, kMargin * testing::kLogGammaStirlingAbs);
}

TEST(LogGamma, SentinelOutsideTheDomain) {
  for (double x : {0.0, -1.0, -0.5, kNaN}) {
    SCOPED_TRACE("x = " + std::to_string(x));
    EXPECT_EQ(LogGamma(x), kErrorSentinel);
    EXPECT_EQ(LogGammaStirling(x), kErrorSentinel);
  }
  EXPECT_EQ(LogBeta(0.0, 1.0), kErrorSentinel);
  EXPECT_EQ(LogBeta(1.0, -2.0), kErrorSentinel);
}

TEST(LogBeta, MatchesBoost) {
  for (double a : {0.5, 1.0, 3.5, 20.0}) {
    for (double b : {0.5, 2.0, 7.0, 60.0}) {
      SCOPED_TRACE(Row(a, b, 0.0));
      // Three Lanczos evaluations, each within kLogGammaAbs.
      EXPECT_NEAR(LogBeta(a, b), std::log(boost::math::beta(a, b)),
                  3.0 * kMargin * testing::kLogGammaAbs);
    }
  }
}

const double kShapes[] = {0.5, 1.0, 2.0, 5.0, 10.0, 50.0};

TEST(IncompleteBeta, BothAlgorithmsMatchBoost) {
  for (double a : kShapes) {
    for (double b : kShapes) {
      const double log_beta = LogBeta(a, b);
      for (double x = 0.01; x < 1.0; x += 0.03) {
        SCOPED_TRACE(Row(a, b, x));
        const double reference = boost::math::ibeta(a, b, x);
        EXPECT_NEAR(IncompleteBeta(a, b, x), reference, kMargin * testing::kIncompleteBetaAbs);
        std::int16_t fault = -1;
        EXPECT_NEAR(IncompleteBetaRatio(x, a, b, log_beta, fault), reference,
                    kMargin * testing::kIncompleteBetaRatioAbs);
        EXPECT_EQ(fault, 0);
      }
    }
  }
}

TEST(IncompleteBeta, AnswersOneForInvalidArgumentsAndExactEnds) {
  struct Case {
    double a, b, x, expected;
  };
  const Case cases[] = {
      {2.0, 3.0, -0.1, 1.0}, {2.0, 3.0, 1.1, 1.0}, {2.0, 3.0, kNaN, 1.0}, {0.0, 3.0, 0.5, 1.0},
      {2.0, -1.0, 0.5, 1.0}, {2.0, 3.0, 0.0, 0.0},  // bt = 0 at the ends of the interval
      {2.0, 3.0, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.a, c.b, c.x));
    EXPECT_EQ(IncompleteBeta(c.a, c.b, c.x), c.expected);
  }
}

TEST(IncompleteBetaRatio, FaultsReturnXUnchanged) {
  struct Case {
    double x, p, q;
    std::int16_t fault;
  };
  const Case cases[] = {
      {0.3, 0.0, 2.0, 1}, {0.3, 2.0, -1.0, 1}, {-0.2, 2.0, 2.0, 2},
      {1.2, 2.0, 2.0, 2}, {0.0, 2.0, 2.0, 0},  {1.0, 2.0, 2.0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.p, c.q, c.x));
    std::int16_t fault = -1;
    EXPECT_EQ(IncompleteBetaRatio(c.x, c.p, c.q, 0.0, fault), c.x);
    EXPECT_EQ(fault, c.fault);
  }
}

TEST(IncompleteGammaSeries, MatchesBoost) {
  for (double p : {0.5, 1.0, 2.5, 10.0, 100.0}) {
    for (double y = 0.05; y < 3.0 * p + 20.0; y *= 1.2) {
      SCOPED_TRACE("p = " + std::to_string(p) + ", y = " + std::to_string(y));
      std::int16_t fault = -1;
      EXPECT_NEAR(IncompleteGammaSeries(y, p, fault), boost::math::gamma_p(p, y),
                  kMargin * testing::kIncompleteGammaSeriesAbs);
      EXPECT_EQ(fault, 0);
    }
  }
}

TEST(IncompleteGammaSeries, FaultsAndLimits) {
  struct Case {
    double y, p, expected;
    std::int16_t fault;
  };
  const Case cases[] = {
      {0.0, 1.0, 0.0, 1},       {-1.0, 1.0, 0.0, 1},    {1.0, 0.0, 0.0, 1},
      {kNaN, 1.0, 0.0, 1},      {1e-300, 10.0, 0.0, 2},  // y^p underflows
      {2700.0, 1000.0, 1.0, 0},  // the sum overflows where P is 1 (y 54 sd above p)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("p = " + std::to_string(c.p) + ", y = " + std::to_string(c.y));
    std::int16_t fault = -1;
    EXPECT_EQ(IncompleteGammaSeries(c.y, c.p, fault), c.expected);
    EXPECT_EQ(fault, c.fault);
  }
}

TEST(IncompleteGamma, MatchesBoostAndKeepsTheUpperTail) {
  for (double p : {0.5, 1.0, 2.5, 10.0, 100.0, 1000.0, 5000.0}) {
    // For large p, y^p e^-y / Gamma(p + 1) underflows (fault 2) well below 0.6 p.
    for (double y = p < 500.0 ? 0.05 : 0.6 * p; y < 3.0 * p + 60.0; y *= 1.2) {
      SCOPED_TRACE("p = " + std::to_string(p) + ", y = " + std::to_string(y));
      std::int16_t fault = -1;
      const double value = IncompleteGamma(y, p, fault);
      EXPECT_EQ(fault, 0);
      EXPECT_NEAR(value, boost::math::gamma_p(p, y), kMargin * testing::kIncompleteGammaAbs);
      // Upper tails down to 1e-6, the smallest AS 91 asks for, keep their relative accuracy.
      const double upper = boost::math::gamma_q(p, y);
      if (upper >= 1e-6 && upper <= 0.5) {
        EXPECT_NEAR((1.0 - value) / upper, 1.0, kMargin * testing::kIncompleteGammaUpperTailRel);
      }
    }
  }
  // P(1, y) = 1 - e^-y (hand calculation), on both branches.
  for (double y : {0.5, 3.0, 12.0}) {
    SCOPED_TRACE("y = " + std::to_string(y));
    std::int16_t fault = -1;
    EXPECT_NEAR((1.0 - IncompleteGamma(y, 1.0, fault)) / std::exp(-y), 1.0,
                kMargin * testing::kIncompleteGammaUpperTailRel);
  }
}

TEST(IncompleteGamma, FaultsAndLimits) {
  struct Case {
    double y, p, expected;
    std::int16_t fault;
  };
  const Case cases[] = {
      {0.0, 1.0, 0.0, 1},     {-1.0, 1.0, 0.0, 1}, {1.0, 0.0, 0.0, 1},
      {kNaN, 1.0, 0.0, 1},    {1.0, kNaN, 0.0, 1}, {1e-300, 10.0, 0.0, 2},  // y^p underflows
      {2000.0, 10.0, 1.0, 0},  // the upper tail underflows: P is exactly 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("p = " + std::to_string(c.p) + ", y = " + std::to_string(c.y));
    std::int16_t fault = -1;
    EXPECT_EQ(IncompleteGamma(c.y, c.p, fault), c.expected);
    EXPECT_EQ(fault, c.fault);
  }
}

TEST(BetaQuantile, MatchesBoostAndInvertsAs63) {
  for (double a : kShapes) {
    for (double b : kShapes) {
      const double log_beta = LogBeta(a, b);
      for (double alpha = 0.02; alpha < 1.0; alpha += 0.04) {
        const double reference = boost::math::ibeta_inv(a, b, alpha);
        SCOPED_TRACE(Row(a, b, alpha));
        std::int16_t fault = -1;
        const double x = BetaQuantile(a, b, log_beta, alpha, fault);
        EXPECT_EQ(fault, 0);
        EXPECT_NEAR(x, reference, kMargin * testing::kBetaQuantileAbs);
        std::int16_t ratio_fault = -1;
        EXPECT_NEAR(IncompleteBetaRatio(x, a, b, log_beta, ratio_fault), alpha,
                    kMargin * testing::kIncompleteBetaRatioAbs);
      }
    }
  }
}

// Quantiles below 1e-4 or above 1 - 1e-4, where the iteration starts from the clamp of its
// starting value and must travel far: the smaller of x and 1 - x is checked relatively.
TEST(BetaQuantile, FarTailsMatchBoostRelatively) {
  // Alpha stops at 1e-9: below it Boost's ibeta_inv gives up for a = 0.5, b = 2.
  const double shapes[] = {0.2, 0.5, 1.0, 2.0, 5.0, 50.0};
  int far_rows = 0;
  for (double a : shapes) {
    for (double b : shapes) {
      const double log_beta = LogBeta(a, b);
      for (double alpha : {1e-9, 1e-5, 1e-3, 0.005, 0.3, 0.995, 0.999, 1.0 - 1e-6}) {
        const double reference = boost::math::ibeta_inv(a, b, alpha);
        const bool upper = reference > 0.5;
        const double smaller = upper ? 1.0 - reference : reference;
        if (smaller >= 1e-4 || smaller < 1e-300) continue;
        ++far_rows;
        SCOPED_TRACE(Row(a, b, alpha));
        std::int16_t fault = -1;
        const double x = BetaQuantile(a, b, log_beta, alpha, fault);
        EXPECT_EQ(fault, 0);
        EXPECT_NEAR((upper ? 1.0 - x : x) / smaller, 1.0, kMargin * testing::kBetaQuantileTailRel);
      }
    }
  }
  EXPECT_GT(far_rows, 50);
  // I_x(1/2, 1) = sqrt(x), so the 0.005 point is 0.005^2 (hand calculation).
  std::int16_t fault = -1;
  EXPECT_NEAR(BetaQuantile(0.5, 1.0, LogBeta(0.5, 1.0), 0.005, fault) / 2.5e-5, 1.0,
              kMargin * testing::kBetaQuantileTailRel);
  EXPECT_EQ(fault, 0);
}

TEST(BetaQuantile, FaultsAndUnchangedEnds) {
  struct Case {
    double p, q, alpha, expected;
    std::int16_t fault;
  };
  const Case cases[] = {
      {0.0, 2.0, 0.3, 0.3, 1}, {2.0, -1.0, 0.3, 0.3, 1}, {2.0, 2.0, -0.1, -0.1, 2},
      {2.0, 2.0, 1.5, 1.5, 2}, {2.0, 2.0, 0.0, 0.0, 0},  {2.0, 2.0, 1.0, 1.0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Row(c.p, c.q, c.alpha));
    std::int16_t fault = -1;
    EXPECT_EQ(BetaQuantile(c.p, c.q, LogBeta(c.p, c.q), c.alpha, fault), c.expected);
    EXPECT_EQ(fault, c.fault);
  }
}

}  // namespace
}  // namespace kpa::probability
