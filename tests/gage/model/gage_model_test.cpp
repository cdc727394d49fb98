// The gage R&R computations against published values: the AIAG MSA manual's average-and-range
// worked example (3 appraisers, 10 parts, 3 trials) and its ANOVA table, and hand-worked
// cases of the design generator.
#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "gage/model/anova.h"
#include "gage/model/chart_statistics.h"
#include "gage/model/d2_star.h"
#include "gage/model/design_order.h"
#include "gage/model/range_method.h"

namespace kpa::gage {
namespace {

// The AIAG example as the reference data set holds it (operator, part, trial, measure).
Study AiagStudy() {
  std::ifstream file(KPA_SOURCE_DIR "/examples/data/gage_aiag_msa.csv");
  Study study;
  study.size = {3, 10, 3};
  study.x.assign(90, 0.0);
  EXPECT_TRUE(file.is_open()) << "the AIAG example data file is missing";
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#' || line[0] == '"') continue;
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream in(line);
    int o = 0, p = 0, t = 0;
    double x = 0.0;
    in >> o >> p >> t >> x;
    study.x[static_cast<std::size_t>(study.size.Index(o - 1, p - 1, t - 1))] = x;
  }
  ComputeOverallMoments(study);
  return study;
}

TEST(RangeMethod, ReproducesTheAiagWorkedExample) {
  const Study study = AiagStudy();
  const RangeComponents r = ComputeRangeMethod(study, RangeMode::kRanges, true);
  // Published: R-double-bar 0.3417, X-bar-diff 0.4447, Rp 3.511.
  EXPECT_NEAR(r.statistics.r_bar, 0.3417, 5e-5);
  EXPECT_NEAR(r.statistics.x_bar_diff, 0.4447, 5e-5);
  EXPECT_NEAR(r.statistics.r_part, 3.511, 5e-4);
  // From the published statistics and the d2* table: EV = R-double-bar / 1.69, AV from
  // X-bar-diff / 1.91 less EV^2/(P·T), PV = Rp / 3.18.
  const double ev = 0.3417 / 1.69;
  const double av = std::sqrt(std::pow(0.4447 / 1.91, 2) - ev * ev / 30.0);
  const double pv = 3.511 / 3.18;
  EXPECT_NEAR(*r.ev, ev, 5e-5);
  EXPECT_NEAR(*r.av, av, 5e-5);
  EXPECT_NEAR(r.pv, pv, 5e-5);
  EXPECT_NEAR(std::sqrt(r.total_variance), std::sqrt(ev * ev + av * av + pv * pv), 5e-5);
  // The manual's K factors are these constants rounded to four digits: its EV 0.20188,
  // AV 0.22963, PV 1.10456 and TV 1.14610 agree to 0.2 %.
  EXPECT_NEAR(*r.ev / 0.20188, 1.0, 2e-3);
  EXPECT_NEAR(*r.av / 0.22963, 1.0, 2e-3);
  EXPECT_NEAR(r.pv / 1.10456, 1.0, 2e-3);
  EXPECT_NEAR(std::sqrt(r.total_variance) / 1.14610, 1.0, 2e-3);
}

TEST(RangeMethod, AppraiserAdjustmentAndOneTrial) {
  // Two operators with equal means: the adjusted appraiser variation is 0, not an error.
  Study study;
  study.size = {2, 3, 2};
  study.x = {1, 2, 3, 1.2, 2.2, 2.6, 1.1, 2.1, 3.0, 1.1, 2.1, 2.6};
  ComputeOverallMoments(study);
  const RangeComponents r = ComputeRangeMethod(study, RangeMode::kRanges, true);
  EXPECT_DOUBLE_EQ(*r.av, 0.0);
  // Ranges 0.2 0.2 0.4 / 0 0 0.4 -> mean 0.2; d2*(2, 6) = 1.18.
  EXPECT_NEAR(*r.ev, 0.2 / 1.18, 1e-6);

  // One trial: R&R from the ranges across operators, d2*(O, P) = d2*(2, 3) = 1.23.
  Study single;
  single.size = {2, 3, 1};
  single.x = {1.0, 2.0, 3.0, 1.5, 2.0, 3.5};
  ComputeOverallMoments(single);
  const RangeComponents s = ComputeRangeMethod(single, RangeMode::kRanges, true);
  EXPECT_FALSE(s.ev.has_value());
  EXPECT_FALSE(s.av.has_value());
  EXPECT_NEAR(std::sqrt(s.rr_variance), (1.0 / 3.0) / 1.23, 1e-6);
  // Part means 1.25 2 3.25: range 2 over d2*(3, 1) = 1.91.
  EXPECT_NEAR(s.pv, 2.0 / 1.91, 1e-6);
  // Standard deviations: part sds 0.5/sqrt2 0 0.5/sqrt2 -> mean / c4(2) (c4(2) = sqrt(2/pi)).
  const RangeComponents m = ComputeRangeMethod(single, RangeMode::kStandardDeviations, true);
  EXPECT_NEAR(std::sqrt(m.rr_variance),
              (std::sqrt(0.125) * 2.0 / 3.0) / std::sqrt(2.0 / std::numbers::pi), 1e-9);
}

TEST(D2Star, TableLookups) {
  EXPECT_DOUBLE_EQ(D2Star(2, 30), double{1.13f});  // O·P = 30 uses the last row
  EXPECT_DOUBLE_EQ(D2Star(3, 1), double{1.91f});
  EXPECT_DOUBLE_EQ(D2Star(10, 1), double{3.18f});
  EXPECT_DOUBLE_EQ(D2Star(3, 10), double{1.72f});
  EXPECT_DOUBLE_EQ(D2Star(4, 9), double{2.09f});  // the published non-monotone stretch is kept
}

TEST(Anova, ReproducesTheAiagAnovaTable) {
  const Study study = AiagStudy();
  const ThreeWayTable three = ComputeThreeWay(study);
  // AIAG MSA (3rd ed.), ANOVA table of the example: appraiser SS 3.1673 (df 2), parts
  // 88.3619 (9), appraiser by part 0.3590 (18), equipment 2.7589 (60), total 94.6471 (89).
  EXPECT_NEAR(three.rows[kOperators].ss, 3.1673, 5e-4);
  EXPECT_NEAR(three.rows[kParts].ss, 88.3619, 5e-4);
  EXPECT_NEAR(three.rows[kOperatorsByParts].ss, 0.3590, 5e-4);
  EXPECT_NEAR(three.rows[kThreeWayTotal].ss, 94.6471, 5e-4);
  EXPECT_EQ(three.rows[kThreeWayTotal].df, 89);
  const TwoWayAnalysis with = ComputeTwoWay(study, three, true, 0.90);
  EXPECT_NEAR(with.error.ss, 2.7589, 5e-4);
  EXPECT_EQ(with.error.df, 60);
  EXPECT_NEAR(with.operators.ms, 1.58363, 5e-5);
  EXPECT_NEAR(*with.f_interaction, 0.01994 / 0.04598, 5e-3);
  // With the interaction, MS_OP < MS_E: the interaction component is 0.
  EXPECT_DOUBLE_EQ(with.interaction_component.variance, 0.0);
  const TwoWayAnalysis pooled = ComputeTwoWay(study, three, false, 0.90);
  EXPECT_EQ(pooled.error.df, 78);
  EXPECT_NEAR(pooled.error.ss, 2.7589 + 0.3590, 1e-3);
  EXPECT_EQ(pooled.operators_by_parts.df, 0);
  // Limits bracket the estimate and widen with the level.
  const TwoWayAnalysis wide = ComputeTwoWay(study, three, true, 0.999);
  EXPECT_LT(*with.repeatability.limits.lower, with.repeatability.sigma);
  EXPECT_GT(*with.repeatability.limits.upper, with.repeatability.sigma);
  EXPECT_LT(*wide.repeatability.limits.lower, *with.repeatability.limits.lower);
  EXPECT_GT(*wide.rr.limits.upper, *with.rr.limits.upper);
}

TEST(Anova, PooledComponentsMatchTheManual) {
  // AIAG MSA, ANOVA method without the interaction (pooled into the error): EV 0.199933,
  // AV 0.226838, GRR 0.302373, PV 1.042303 (standard deviations).
  const Study study = AiagStudy();
  const TwoWayAnalysis a = ComputeTwoWay(study, ComputeThreeWay(study), false, 0.90);
  EXPECT_NEAR(a.repeatability.sigma, 0.199933, 5e-6);
  EXPECT_NEAR(a.operator_component.sigma, 0.226838, 5e-6);
  EXPECT_NEAR(a.rr.sigma, 0.302373, 5e-6);
  // The manual works from rounded mean squares: its PV agrees to 3e-5.
  EXPECT_NEAR(a.part_component.sigma, 1.042303, 3e-5);
}

TEST(Anova, ConfidenceLimitsAgainstBoost) {
  // Limits at 90 %, written with Boost.Math's chi-square and F quantiles (lower tails):
  // repeatability sqrt(nu·MS_E / chi2_{1-q}) and the operator component
  // sqrt((MS_O / (MS_OP·F) - 1)·MS_OP / (T·P)) with F the quantile of F(O-1, (O-1)(P-1)).
  const Study study = AiagStudy();
  const ThreeWayTable three = ComputeThreeWay(study);
  const TwoWayAnalysis a = ComputeTwoWay(study, three, true, 0.90);
  const double nu = 60.0, ms_e = a.error.ms;
  const boost::math::chi_squared chi(nu);
  EXPECT_NEAR(*a.repeatability.limits.upper, std::sqrt(nu * ms_e / quantile(chi, 0.05)), 1e-6);
  EXPECT_NEAR(*a.repeatability.limits.lower, std::sqrt(nu * ms_e / quantile(chi, 0.95)), 1e-6);
  const boost::math::fisher_f f(2.0, 18.0);
  const double ms_o = a.operators.ms, ms_op = a.operators_by_parts.ms;
  const auto operator_limit = [&](double lower_tail) {
    return std::sqrt(
        std::max((ms_o / (ms_op * quantile(f, lower_tail)) - 1.0) * ms_op / 30.0, 0.0));
  };
  EXPECT_NEAR(*a.operator_component.limits.upper, operator_limit(0.05), 1e-5);
  EXPECT_NEAR(*a.operator_component.limits.lower, operator_limit(0.95), 1e-5);
}

TEST(ChartStatistics, HingesAndLimits) {
  // Tukey's hinges of 1..9: 3 and 7; of 1..8: 2.5 and 6.5 (halves of 4 values each).
  const FiveNumbers odd = TukeyFiveNumbers({9, 1, 8, 2, 7, 3, 6, 4, 5});
  EXPECT_DOUBLE_EQ(odd.lower_hinge, 3.0);
  EXPECT_DOUBLE_EQ(odd.median, 5.0);
  EXPECT_DOUBLE_EQ(odd.upper_hinge, 7.0);
  const FiveNumbers even = TukeyFiveNumbers({1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_DOUBLE_EQ(even.lower_hinge, 2.5);
  EXPECT_DOUBLE_EQ(even.upper_hinge, 6.5);
  // Ranges of 2 trials: centre R-bar, sigma = d3/d2 R-bar = 0.8525/1.1284 R-bar; the lower
  // limit R-bar - 3 sigma is negative and drawn at 0.
  const std::vector<CellStatistics> cells = {{0, 1.0, 0}, {0, 3.0, 0}};
  const ControlLimits limits = RangeChartLimits(cells, 2);
  EXPECT_DOUBLE_EQ(limits.centre, 2.0);
  EXPECT_NEAR(limits.sigma, 0.8525 / 1.1284 * 2.0, 1e-4);
  EXPECT_DOUBLE_EQ(*limits.lower, 0.0);
  EXPECT_NEAR(*limits.upper, 2.0 + 3.0 * 0.8525 / 1.1284 * 2.0, 1e-3);
  EXPECT_FALSE(RangeChartLimits(cells, 26).upper.has_value());
  EXPECT_FALSE(SigmaChartLimits(cells, 71).upper.has_value());
}

TEST(Anova, SmallestStudyDegreesOfFreedom) {
  Study study;
  study.size = {2, 3, 2};
  study.x = {1, 2, 3, 1.2, 2.2, 2.6, 1.1, 2.1, 3.0, 1.1, 2.1, 2.9};
  ComputeOverallMoments(study);
  const ThreeWayTable three = ComputeThreeWay(study);
  const std::int64_t expected[] = {1, 2, 1, 2, 1, 2, 2, 11};
  for (std::size_t row = 0; row < kThreeWayRows; ++row)
    EXPECT_EQ(three.rows[row].df, expected[row]);
  EXPECT_EQ(ComputeTwoWay(study, three, true, 0.9).error.df, 6);
  // Identical repeat readings: MS_E = 0, the F tests and the limits over MS_E stay empty.
  Study flat = study;
  for (std::int64_t o = 0; o < 2; ++o)
    for (std::int64_t p = 0; p < 3; ++p)
      flat.x[static_cast<std::size_t>(flat.size.Index(o, p, 1))] = flat.At(o, p, 0);
  ComputeOverallMoments(flat);
  const TwoWayAnalysis a = ComputeTwoWay(flat, ComputeThreeWay(flat), true, 0.9);
  EXPECT_FALSE(a.f_interaction.has_value());
  EXPECT_FALSE(a.f_operators.has_value());
  EXPECT_FALSE(a.interaction_component.limits.upper.has_value());
}

TEST(DesignOrder, GeneratorFollowsItsRecurrence) {
  // Hand-worked first draw from seed -1: seed = 150890 mod M, 97 table values, then y.
  shell::ShuffleGeneratorState state;
  state.seed = -1;
  std::int64_t seed = (150889 + 1) % 714025;
  std::int64_t table[97];
  for (auto& slot : table) slot = seed = (1366 * seed + 150889) % 714025;
  const std::int64_t y = (1366 * seed + 150889) % 714025;
  const std::int64_t j = 1 + 97 * y / 714025;
  EXPECT_FLOAT_EQ(DrawUniform(state), static_cast<float>(table[j - 1]) * (1.0f / 714025.0f));
}

TEST(DesignOrder, RandomisingStaysInBlocksAndSortsBack) {
  shell::ShuffleGeneratorState state;
  SeedFromClock(state, 17);
  std::vector<std::int32_t> order = StandardOrder(2 * 7 * 3);
  RandomiseBlocks(order, 7, state);
  EXPECT_NE(order, StandardOrder(42));
  for (std::size_t s = 0; s < order.size(); s += 7) {
    std::vector<std::int32_t> block(order.begin() + static_cast<std::ptrdiff_t>(s),
                                    order.begin() + static_cast<std::ptrdiff_t>(s + 7));
    std::sort(block.begin(), block.end());
    for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(block[k], static_cast<std::int32_t>(s + k + 1));
  }
  SortBack(order);
  EXPECT_EQ(order, StandardOrder(42));
  // The same clock second reseeds to the same order; second 0 continues the sequence.
  shell::ShuffleGeneratorState again;
  SeedFromClock(again, 17);
  std::vector<std::int32_t> first = StandardOrder(42);
  RandomiseBlocks(first, 7, again);
  shell::ShuffleGeneratorState fresh;
  SeedFromClock(fresh, 17);
  std::vector<std::int32_t> second = StandardOrder(42);
  RandomiseBlocks(second, 7, fresh);
  EXPECT_EQ(first, second);
  SeedFromClock(fresh, 0);
  std::vector<std::int32_t> third = StandardOrder(42);
  RandomiseBlocks(third, 7, fresh);
  EXPECT_NE(third, second);
}

}  // namespace
}  // namespace kpa::gage
