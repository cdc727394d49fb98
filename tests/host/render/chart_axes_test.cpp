// Axes resolved for drawing: the probability scales place a probability at its normal
// quantile or at ln(-ln(1 - p)), and explicit ticks replace the chosen ones.
#include "host/impl/render/chart_axes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/impl/render/chart_render.h"

namespace kpa::host::render {
namespace {

// The fraction of the axis length at which `value` lies.
double Fraction(const ResolvedAxis& axis, double value) {
  return (axis.ToPixel(value) - axis.pixel_from) / (axis.pixel_to - axis.pixel_from);
}

TEST(ChartAxes, NormalProbabilityScalePlacesTheQuantiles) {
  ChartAxis spec;
  spec.scale = AxisScaleKind::kNormalProbability;
  ResolvedAxis axis = ResolveAxis(spec, {0.02, 0.4, 0.98}, 8);
  axis.pixel_to = 1000;
  EXPECT_DOUBLE_EQ(axis.minimum, 0.02);  // the paper's lines enclosing the data
  EXPECT_DOUBLE_EQ(axis.maximum, 0.98);
  // Phi(1) = 0.841344746068543 and Phi(2) = 0.977249868051821 (tables of the normal
  // integral): z = 1 lies halfway between the median and z = 2.
  EXPECT_NEAR(Fraction(axis, 0.5), 0.5, 1e-12);
  EXPECT_NEAR(Fraction(axis, 0.841344746068543) - 0.5,
              (Fraction(axis, 0.977249868051821) - 0.5) / 2, 1e-9);
  EXPECT_EQ(axis.labels.front(), "2");
  EXPECT_EQ(axis.labels[axis.ticks.size() / 2], "50");
  EXPECT_EQ(axis.labels.back(), "98");
  for (const double outside : {0.0, 1.0, -0.5, 2.0}) EXPECT_FALSE(axis.Shows(outside));
}

TEST(ChartAxes, WeibullProbabilityScalePutsTheCharacteristicLifeAtZero) {
  ChartAxis spec;
  spec.scale = AxisScaleKind::kWeibullProbability;
  spec.minimum = 0.01;
  spec.maximum = 0.99;
  ResolvedAxis axis = ResolveAxis(spec, {}, 8);
  axis.pixel_to = 1;
  const double lo = std::log(-std::log(0.99));
  const double hi = std::log(-std::log(0.01));
  // 63.2 %: ln(-ln(1 - p)) = 0 at p = 1 - exp(-1).
  EXPECT_NEAR(Fraction(axis, 1.0 - std::exp(-1.0)), (0.0 - lo) / (hi - lo), 1e-12);
  EXPECT_EQ(axis.ticks.front(), 0.01);
  EXPECT_EQ(axis.ticks.back(), 0.99);
}

TEST(ChartAxes, ExplicitTicksReplaceTheChosenOnes) {
  ChartAxis spec;
  spec.minimum = 0.0;
  spec.maximum = 10.0;
  spec.ticks = {{2.0, "deux"}, {7.5, ""}, {20.0, "hors"}};
  const ResolvedAxis axis = ResolveAxis(spec, {1.0, 9.0}, 8);
  EXPECT_EQ(axis.ticks, (std::vector<double>{2.0, 7.5}));  // 20 lies outside the range
  EXPECT_EQ(axis.labels, (std::vector<std::string>{"deux", ""}));

  ChartSpec chart;
  chart.series = {{"", {{1.0, 1.0}, {9.0, 2.0}}, SeriesStyle::kLine}};
  chart.x_axis = spec;
  const std::string svg = RenderChartSvg(chart);
  EXPECT_NE(svg.find(">deux<"), std::string::npos);
  EXPECT_EQ(svg.find(">hors<"), std::string::npos);
}

}  // namespace
}  // namespace kpa::host::render
