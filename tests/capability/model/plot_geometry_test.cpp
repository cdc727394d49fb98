// The geometry of the capability plots: plotting positions with and without tie averaging
// (worked by hand), the histogram's span rule, and the model laws' quantiles against their
// distribution functions and against Boost.Math.
#include <gtest/gtest.h>

#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>

#include <vector>

#include "capability/model/histogram_span.h"
#include "capability/model/johnson_curves.h"
#include "capability/model/model_law.h"
#include "capability/model/plotting_positions.h"

namespace kpa::capability {
namespace {

TEST(PlottingPositions, MedianRanksAndAveragedTies) {
  // Seven values, five of them tied at 2: ranks 1, 2..6, 7.
  const std::vector<double> sorted = {1, 2, 2, 2, 2, 2, 3};
  const double n = 7.0 + 1.0 / 3.0;
  const std::vector<double> plain = PlottingPositions(sorted, {});
  for (std::size_t i = 0; i < sorted.size(); ++i)
    EXPECT_DOUBLE_EQ(plain[i], (static_cast<double>(i + 1) - 1.0 / 3.0) / n) << i;
  // Averaged: the five tied values all take the mean rank (2 + 6) / 2 = 4.
  const std::vector<double> averaged = PlottingPositions(sorted, {-1.0 / 3.0, 1.0 / 3.0, true});
  EXPECT_DOUBLE_EQ(averaged[0], plain[0]);
  for (std::size_t i = 1; i <= 5; ++i) EXPECT_DOUBLE_EQ(averaged[i], (4.0 - 1.0 / 3.0) / n) << i;
  EXPECT_DOUBLE_EQ(averaged[6], plain[6]);
  // Blom's positions (i - 3/8) / (N + 1/4), and the extreme adjustments stay inside (0, 1).
  const std::vector<double> blom = PlottingPositions(sorted, {-0.375, 0.25, false});
  EXPECT_DOUBLE_EQ(blom[0], 0.625 / 7.25);
  const std::vector<double> extreme = PlottingPositions(sorted, {-0.5, 1e-9, false});
  EXPECT_GT(extreme.front(), 0.0);
  EXPECT_LT(extreme.back(), 1.0);
}

TEST(HistogramSpan, CoversTheRangeWithATenthMarginInWholeWidths) {
  struct Row {
    double first_edge, width, lo, hi, from, to;
  } rows[] = {
      // Limits 73.95..74.05 beyond bars 73.96..74.04: margin 0.01, one width each way.
      {73.96, 0.01, 73.95, 74.05, 73.94, 74.06},
      // Bars far wider than lo..hi = 10..20 (margin 1): whole widths are cut.
      {0.0, 2.0, 10.0, 20.0, 8.0, 22.0},
      // A grid point exactly a margin away is kept, not stepped over.
      {0.0, 1.0, 10.0, 20.0, 9.0, 21.0},
      // The first edge lies inside the range: the grid extends below it (margin 1.8).
      {15.0, 5.0, 12.0, 30.0, 10.0, 35.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.first_edge << " " << row.width);
    const HistogramSpan span = HistogramSpanOf(row.first_edge, row.width, row.lo, row.hi);
    EXPECT_NEAR(span.from, row.from, 1e-9);
    EXPECT_NEAR(span.to, row.to, 1e-9);
  }
  // No extent: one width of margin.
  const HistogramSpan point = HistogramSpanOf(0.0, 1.0, 5.0, 5.0);
  EXPECT_NEAR(point.from, 4.0, 1e-12);
  EXPECT_NEAR(point.to, 6.0, 1e-12);
}

TEST(ModelLaw, QuantilesInvertTheDistributionFunctions) {
  ModelLaw normal{LawKind::kNormal, 74.0, 0.01, {}, {}};
  ModelLaw johnson{LawKind::kJohnson,
                   10.0,
                   2.0,
                   FitJohnsonByMoments(0.0, 1.0, 0.8, 4.5),
                   {}};  // an SU or SB curve
  ModelLaw weibull{LawKind::kFitted, 0.0, 1.0, {}, {}};
  weibull.fitted.code = shell::CapabilityDistribution::kWeibull;
  weibull.fitted.threshold = 5.0;
  weibull.fitted.parameter1 = 3.0;  // scale
  weibull.fitted.parameter2 = 1.7;  // shape
  for (const ModelLaw* law : {&normal, &johnson, &weibull}) {
    for (const double p : {0.001, 0.1, 0.5, 0.9, 0.999}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(law->kind) << " p=" << p);
      const auto x = LawQuantile(*law, p);
      ASSERT_TRUE(x);
      // AS 111's normal quantile is good to about 1e-7 relative; Johnson and Weibull add
      // their own transforms exactly.
      EXPECT_NEAR(LawDistributionFunction(*law, *x), p, 2e-6);
    }
  }
  // Reference values: the normal from Boost.Math, the standardised Weibull (-ln(1-p))^(1/c).
  boost::math::normal standard;
  EXPECT_NEAR(*LawStandardQuantile(normal, 0.9), quantile(standard, 0.9), 1e-6);
  EXPECT_NEAR(*LawQuantile(normal, 0.9), 74.0 + 0.01 * quantile(standard, 0.9), 1e-8);
  EXPECT_NEAR(*LawStandardQuantile(weibull, 0.5), std::pow(std::log(2.0), 1.0 / 1.7), 1e-12);
  EXPECT_FALSE(LawQuantile(normal, 0.0));
  EXPECT_FALSE(LawQuantile(normal, 1.0));
}

TEST(ModelLaw, FittedQuantileQuantileLinesAreStraight) {
  // Observed = threshold + scale x standardised quantile for every fitted law: the Q-Q line
  // of a gamma law with shape 4 and scale 18 through (q(p), x(p)) has slope 18.
  ModelLaw gamma{LawKind::kFitted, 0.0, 1.0, {}, {}};
  gamma.fitted.code = shell::CapabilityDistribution::kGamma;
  gamma.fitted.threshold = 2.0;
  gamma.fitted.parameter1 = 18.0;
  gamma.fitted.parameter2 = 4.0;
  const boost::math::gamma_distribution<> unit(4.0, 1.0);
  for (const double p : {0.05, 0.5, 0.95}) {
    SCOPED_TRACE(p);
    const double q = *LawStandardQuantile(gamma, p);
    // AS 91's chi-square point is accurate to about 5e-7 relative.
    EXPECT_NEAR(q, quantile(unit, p), 1e-5 * quantile(unit, p));
    EXPECT_NEAR(*LawQuantile(gamma, p), 2.0 + 18.0 * q, 1e-9);
  }
}

}  // namespace
}  // namespace kpa::capability
