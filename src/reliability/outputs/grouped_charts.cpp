#include "reliability/outputs/grouped_charts.h"

#include <cmath>

#include "reliability/model/failure_orders.h"
#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::reliability {
namespace {

constexpr int kCurvePoints = 100;

std::string Trim(const std::string& text) { return std::string(shell::TrimBlanks(text)); }

}  // namespace

Plot GroupedReliabilityPlot(const shell::Request& request, const shell::WeibullSettings& s,
                            const LifeTable& table, bool cdf) {
  Plot plot;
  if (table.rows.empty()) return plot;
  const double location = s.fit.location;
  host::ChartSpec chart;
  chart.title = {request.Text(cdf ? strings::kGroupedCdfPlot : strings::kGroupedReliabilityPlot),
                 DataLine(request, s)};
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = Trim(request.Text(cdf ? strings::kCdfAxis : strings::kReliabilityAxis));
  chart.y_axis.minimum = 0.0;
  chart.y_axis.maximum = 1.0;
  host::ChartSeries observed{
      request.Text(strings::kObservedSeries), {}, host::SeriesStyle::kMarkers};
  for (std::size_t i = 0; i < table.rows.size() && i < kMaxPlotPoints; ++i) {
    const LifeTableRow& r = table.rows[i];
    observed.points.emplace_back(r.start + location, cdf ? 1.0 - r.survival : r.survival);
  }
  plot.capped = table.rows.size() > kMaxPlotPoints;
  chart.series.push_back(std::move(observed));
  if (ParametersUsable(s.fit)) {
    host::ChartSeries fitted{
        request.Text(strings::kCurrentEstimates), {}, host::SeriesStyle::kLine};
    const FitErrors none;
    const double from = table.rows.front().start + location;
    const double to = table.rows.back().start + location;
    for (int k = 0; k < kCurvePoints; ++k) {
      const double t = from + (to - from) * k / (kCurvePoints - 1);
      const double f =
          t > location ? WeibullDistribution(s.fit, none, t, 0.0).f.value_or(1.0) : 0.0;
      fitted.points.emplace_back(t, cdf ? f : 1.0 - f);
    }
    chart.series.push_back(std::move(fitted));
  }
  plot.chart = std::move(chart);
  return plot;
}

Plot GroupedProbabilityPlot(const shell::Request& request, const shell::WeibullSettings& s,
                            const LifeTable& table) {
  Plot plot;
  std::vector<double> x;
  std::vector<double> y;
  std::vector<std::pair<double, double>> points;
  for (const LifeTableRow& r : table.rows) {
    if (!r.width) continue;
    const double end = r.start + *r.width;  // from the location
    const double f = 1.0 - r.survival * r.p;
    if (!(end > 0.0 && f > 0.0 && f < 1.0)) continue;
    if (points.size() == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    x.push_back(std::log(end));
    y.push_back(std::log(-std::log1p(-f)));
    points.emplace_back(end, f);
  }
  const auto line = FitLeastSquares(x, y);
  if (!line) return plot;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kGroupedProbabilityPlot), DataLine(request, s)};
  chart.x_axis.title = request.Text(strings::kLogTimeAxis);
  chart.x_axis.scale = host::AxisScaleKind::kLogarithmic;
  chart.y_axis.title = request.Text(strings::kLogLogAxis);
  chart.y_axis.scale = host::AxisScaleKind::kWeibullProbability;
  host::ChartSeries markers{request.Text(strings::kObservedSeries), points,
                            host::SeriesStyle::kMarkers};
  chart.series.push_back(std::move(markers));
  host::ChartSeries fitted{
      LineLegend(request.Text(strings::kPaperLine), line->intercept, line->slope),
      {},
      host::SeriesStyle::kLine};
  for (const double v : {x.front(), x.back()}) {
    const double f = -std::expm1(-std::exp(line->intercept + line->slope * v));
    if (f > 0.0 && f < 1.0) fitted.points.emplace_back(std::exp(v), f);
  }
  chart.series.push_back(std::move(fitted));
  chart.title.push_back(request.Text(strings::kRSquaredLegend) + ShortNumber(line->r_squared));
  plot.chart = std::move(chart);
  return plot;
}

}  // namespace kpa::reliability
