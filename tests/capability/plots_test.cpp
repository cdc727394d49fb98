// The capability plots driven through the results dialogs' actions: the Q-Q and P-P points
// against Boost.Math's normal law, the axis swap, tie averaging, the 5000-point limit, and
// the summary histogram's bars, limit lines, span and index lines.
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "dialog_fixture.h"

namespace kpa::capability::testing {
namespace {

class PlotsTest : public CapabilityDialogTest {
 protected:
  // One variable `x` without grouping, specification `spec`.
  void OpenResults(std::vector<double> values, const std::string& spec) {
    host_.variables = {Column("x", std::move(values))};
    OpenSetup();
    Set("Variables", std::string("x"));
    Set("ProcessSpecifications", "x ( " + spec + " )");
    Call("OK");
    ASSERT_EQ(Template(), kRawResults) << ::testing::PrintToString(NewMessages());
    NewMessages();
  }

  const host::ChartSpec& LastChart() const { return host_.charts.back(); }

  bool HasLine(const std::string& label) const {
    const auto& lines = LastChart().reference_lines;
    return std::any_of(lines.begin(), lines.end(),
                       [&](const host::ReferenceLine& line) { return line.label == label; });
  }

  bool TitleHas(const std::string& text) const {
    const auto& title = LastChart().title;
    return std::any_of(title.begin(), title.end(), [&](const std::string& line) {
      return line.find(text) != std::string::npos;
    });
  }
};

std::vector<double> PistonRingDiameters() { return ReadPistonRings(25).diameter; }

TEST_F(PlotsTest, NormalQuantilePlotPointsAndTheAxisSwap) {
  std::vector<double> values = PistonRingDiameters();
  OpenResults(values, "74 0.05 Missing Missing");
  Call("QuantileQuantilePlot");
  ASSERT_EQ(host_.charts.size(), 1u);
  const host::ChartSpec horizontal = LastChart();
  ASSERT_EQ(horizontal.series.size(), 2u);  // the points and the normal line
  const auto& points = horizontal.series[0].points;
  ASSERT_EQ(points.size(), values.size());
  std::sort(values.begin(), values.end());
  const boost::math::normal standard;
  const double n = static_cast<double>(values.size());
  for (const std::size_t i : {std::size_t{0}, std::size_t{60}, values.size() - 1}) {
    SCOPED_TRACE(i);
    // Position (i - 1/3) / (N + 1/3), rank i counted from 1; AS 111 is good to about 1e-7.
    const double p = (static_cast<double>(i + 1) - 1.0 / 3.0) / (n + 1.0 / 3.0);
    EXPECT_NEAR(points[i].first, quantile(standard, p), 1e-6);
    EXPECT_EQ(points[i].second, values[i]);
  }
  EXPECT_EQ(horizontal.x_axis.title, "Quantile Théorique (Standardisé)");
  EXPECT_EQ(horizontal.y_axis.title, "Val.");
  // The line is x = mu + sigma z: its slope is the total sigma.
  const auto& line = horizontal.series[1].points;
  const double slope =
      (line.back().second - line.front().second) / (line.back().first - line.front().first);
  const double mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
  double squares = 0.0;
  for (const double x : values) squares += (x - mean) * (x - mean);
  EXPECT_NEAR(slope, std::sqrt(squares / (n - 1.0)), 1e-9);
  // Theoretical values on the vertical axis: every pair swapped, nothing else changes.
  Set("QuantilesProbabilitiesOnVerticalAxis", std::int64_t{1});
  Call("QuantileQuantilePlot");
  const host::ChartSpec vertical = LastChart();
  EXPECT_EQ(vertical.title, horizontal.title);
  EXPECT_EQ(vertical.x_axis.title, horizontal.y_axis.title);
  EXPECT_EQ(vertical.y_axis.title, horizontal.x_axis.title);
  for (std::size_t s = 0; s < 2; ++s)
    for (std::size_t i = 0; i < horizontal.series[s].points.size(); ++i) {
      EXPECT_EQ(vertical.series[s].points[i].first, horizontal.series[s].points[i].second);
      EXPECT_EQ(vertical.series[s].points[i].second, horizontal.series[s].points[i].first);
    }
}

TEST_F(PlotsTest, ProbabilityPlotAveragesTiesOnRequest) {
  // Five tied values among nine.
  OpenResults({1.0, 2.0, 3.0, 3.0, 3.0, 3.0, 3.0, 4.0, 6.0}, "3 4 Missing Missing");
  Set("AverageTiedRanks", std::int64_t{1});
  Call("ProbabilityProbabilityPlot");
  const auto& points = LastChart().series[0].points;
  ASSERT_EQ(points.size(), 9u);
  // Theoretical F(x) first, then the position of the mean rank (3 + 7) / 2 = 5.
  const double tied = (5.0 - 1.0 / 3.0) / (9.0 + 1.0 / 3.0);
  for (std::size_t i = 2; i <= 6; ++i) EXPECT_DOUBLE_EQ(points[i].second, tied) << i;
  EXPECT_DOUBLE_EQ(points[2].first, points[6].first);
  EXPECT_LT(points[1].second, tied);
  EXPECT_EQ(LastChart().x_axis.title, "Fonction de Répartition Théorique");
  EXPECT_EQ(*LastChart().x_axis.maximum, 1.0);
}

TEST_F(PlotsTest, FrequencyBoundsCarryTheDecimalsTheirWidthNeeds) {
  OpenResults({0.1, 0.3, 0.6, 0.9, 1.2, 1.4, 1.7, 2.0}, "1 1 Missing Missing");
  Set("NeatIntervals", std::int64_t{0});
  Set("FrequencyTabulationLowerLimit", 0.0);
  Set("FrequencyTabulationUpperLimit", 2.25);
  Set("FrequencyTabulationNumberOfCategories", std::int64_t{10});
  Call("FrequencyDistributionAndTestsOfNormality");
  // w = 2.25 / 9 = 0.25: nine bounds with two decimals, then the open category.
  const host::TableSpec& table = host_.tables.back();
  ASSERT_EQ(table.RowCount(), 10u);
  EXPECT_EQ(table.row_labels[0].substr(0, 4), "0.00");
  EXPECT_EQ(table.row_labels[1].substr(0, 4), "0.25");
  EXPECT_EQ(table.row_labels[9].substr(0, 8), "+ infini");
}

TEST_F(PlotsTest, AtMost5000PointsTakenInCaseOrder) {
  // 5001 values falling from 5001 to 1: the first 5000 cases hold 2..5001 (the data pass
  // keeps those and warns at OK).
  std::vector<double> values(5001);
  std::iota(values.rbegin(), values.rend(), 1.0);
  OpenResults(values, "2500 2000 Missing Missing");
  Call("QuantileQuantilePlot");
  const auto& points = LastChart().series[0].points;
  ASSERT_EQ(points.size(), 5000u);
  EXPECT_EQ(points.front().second, 2.0);
  EXPECT_EQ(points.back().second, 5001.0);
}

TEST_F(PlotsTest, SummaryHistogramBarsLimitsSpanAndIndices) {
  const std::vector<double> values = PistonRingDiameters();
  OpenResults(values, "74 0.05 Missing Missing");
  Call("SummaryHistogram");
  ASSERT_EQ(host_.charts.size(), 1u);
  const host::ChartSpec& chart = LastChart();
  // Every observation in one bar.
  double total = 0.0;
  for (const auto& [x, count] : chart.series[0].points) total += count;
  EXPECT_EQ(total, static_cast<double>(values.size()));
  for (const char* label : {"LSI", "NOMINAL", "LSS", "-3.00*Sigma", "+3.00*Sigma"})
    EXPECT_TRUE(HasLine(label)) << label;
  // The span reaches beyond both limits by at least a tenth of their distance.
  EXPECT_LE(*chart.x_axis.minimum, 73.95 - 0.01 + 1e-9);
  EXPECT_GE(*chart.x_axis.maximum, 74.05 + 0.01 - 1e-9);
  EXPECT_TRUE(TitleHas("Normale : Cp="));
  EXPECT_TRUE(TitleHas("Spécifications: LSI= 73.95"));
  // The curve as expected counts: its peak near N w phi(0) / sigma (the bar of one width
  // at the mean expects a little less than the density's peak times the width).
  const double width = chart.series[0].points[1].first - chart.series[0].points[0].first;
  const auto& curve = chart.series[1].points;
  const double peak = std::max_element(curve.begin(), curve.end(), [](auto& a, auto& b) {
                        return a.second < b.second;
                      })->second;
  const double density_peak = 125.0 * width * 0.3989423 / 0.01007;
  EXPECT_GT(peak, 0.9 * density_peak);
  EXPECT_LT(peak, 1.01 * density_peak);
  // Without the indices, no index line; a lower-only specification draws LSI and NOMINAL.
  Set("ShowProcessCapabilityIndices", std::int64_t{0});
  Set("TypeOfProcessSpecifications", std::string("scProLowerNominal"));
  Set("LowerSpecificationLimit", 73.95);
  Call("SummaryHistogram");
  EXPECT_FALSE(TitleHas("Cp="));
  EXPECT_TRUE(HasLine("LSI"));
  EXPECT_TRUE(HasLine("NOMINAL"));
  EXPECT_FALSE(HasLine("LSS"));
  EXPECT_FALSE(HasLine("+3.00*Sigma"));
}

TEST_F(PlotsTest, NonNormalHistogramAtPercentileEquivalents) {
  // A right-skewed sample: exponential quantiles of 60 positions.
  std::vector<double> values;
  for (int i = 1; i <= 60; ++i) values.push_back(-std::log1p(-(i - 0.5) / 60.0));
  OpenResults(values, "1 Missing 0 4");
  Set("SigmaLimitsAtEquivalentPercentiles", std::int64_t{1});
  Call("HistogramNonNormalDistribution");
  EXPECT_TRUE(TitleHas("(NOTE : Limites de sigma indiquées aux valeurs équivalentes"));
  EXPECT_TRUE(TitleHas("Non-Normale : Cp="));
  // The lower sigma line stands at the Johnson curve's 0.135 % point, above mu - 3 sigma.
  const auto& lines = LastChart().reference_lines;
  const auto lower = std::find_if(lines.begin(), lines.end(), [](const host::ReferenceLine& l) {
    return l.label == "-3.00*Sigma";
  });
  ASSERT_NE(lower, lines.end());
  const double mean = std::accumulate(values.begin(), values.end(), 0.0) / 60.0;
  EXPECT_GT(lower->position, mean - 3.0 * 1.0);
}

TEST_F(PlotsTest, FittedGammaQuantilesAndTheNormalProbabilityPlot) {
  std::vector<double> values;
  const boost::math::gamma_distribution<> law(3.0, 2.0);
  for (int i = 1; i <= 40; ++i) values.push_back(quantile(law, (i - 0.5) / 40.0));
  host_.variables = {Column("x", values)};
  OpenSetup();
  Set("Variables", std::string("x"));
  Set("ProcessSpecifications", std::string("x ( 6 Missing 0.5 20 )"));
  Set("Gamma", std::int64_t{1});
  Call("OK");
  ASSERT_EQ(Template(), 3105) << ::testing::PrintToString(NewMessages());
  Call("QuantileQuantilePlot");
  EXPECT_EQ(LastChart().x_axis.title, "Quantile Théorique");
  EXPECT_TRUE(TitleHas("Gamma"));
  // The standardised gamma quantile of the fitted shape, against Boost.Math.
  const double shape = Real("ValueUserDefinedParameter2");  // the estimate shows there
  const auto& points = LastChart().series[0].points;
  const double p = (1.0 - 1.0 / 3.0) / (40.0 + 1.0 / 3.0);
  EXPECT_NEAR(points.front().first, quantile(boost::math::gamma_distribution<>(shape, 1.0), p),
              1e-4);
  Call("NormalProbabilityPlot");
  EXPECT_EQ(LastChart().x_axis.title, "Valeur Normale Théorique");
  EXPECT_NEAR(LastChart().series[0].points.front().first, quantile(boost::math::normal(), p), 1e-6);
  Call("SummaryHistogram");
  EXPECT_TRUE(TitleHas("Non-Normale : Cp="));
  EXPECT_EQ(LastChart().series[1].name, "Théoriq.");
}

}  // namespace
}  // namespace kpa::capability::testing
