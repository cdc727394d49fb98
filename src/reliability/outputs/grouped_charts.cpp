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

// The observed distribution function 1 - S p at the end of each closed interval, the end
// measured from the location.
std::vector<TimedValue> IntervalEnds(const LifeTable& table) {
  std::vector<TimedValue> ends;
  for (const LifeTableRow& r : table.rows)
    if (r.width) ends.push_back({r.start + *r.width, 1.0 - r.survival * r.p});
  return ends;
}

// The same on the data's scale, F kept or turned into the cumulative hazard -ln(1 - F).
std::vector<TimedValue> ObservedAtEnds(const LifeTable& table, double location, bool hazard) {
  std::vector<TimedValue> points;
  for (const TimedValue& end : IntervalEnds(table)) {
    if (!(end.value < 1.0)) continue;
    points.push_back({end.time + location, hazard ? -std::log1p(-end.value) : end.value});
  }
  return points;
}

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
  for (const auto [end, f] : IntervalEnds(table)) {
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

Plot GroupedCumulativeHazardPlot(const shell::Request& request, const shell::WeibullSettings& s,
                                 const LifeTable& table, bool logarithmic) {
  return CumulativeHazardChart(request, s, ObservedAtEnds(table, s.fit.location, true),
                               logarithmic);
}

Plot GroupedQuantilePlot(const shell::Request& request, const shell::WeibullSettings& s,
                         const LifeTable& table) {
  return QuantileChart(request, s, ObservedAtEnds(table, s.fit.location, false));
}

Plot GroupedHazardPlot(const shell::Request& request, const shell::WeibullSettings& s,
                       const LifeTable& table) {
  Plot plot;
  const double location = s.fit.location;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kGroupedHazardPlot), DataLine(request, s)};
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = request.Text(strings::kGroupedHazardPlot);
  chart.y_axis.minimum = 0.0;
  host::ChartSeries observed{
      request.Text(strings::kObservedSeries), {}, host::SeriesStyle::kMarkers};
  for (const LifeTableRow& r : table.rows) {
    if (!r.midpoint || !r.hazard) continue;
    if (observed.points.size() == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    observed.points.emplace_back(*r.midpoint + location, *r.hazard);
  }
  if (observed.points.empty()) return plot;
  const double from = observed.points.front().first;
  const double to = observed.points.back().first;
  chart.series.push_back(std::move(observed));
  if (ParametersUsable(s.fit)) {
    host::ChartSeries fitted{
        request.Text(strings::kCurrentEstimates), {}, host::SeriesStyle::kLine};
    for (int k = 0; k < kCurvePoints; ++k) {
      const double t = from + (to - from) * k / (kCurvePoints - 1);
      if (const auto h = WeibullHazard(s.fit, t)) fitted.points.emplace_back(t, *h);
    }
    if (!fitted.points.empty()) chart.series.push_back(std::move(fitted));
  }
  plot.chart = std::move(chart);
  return plot;
}

Plot GroupedHistogramPlot(const shell::Request& request, const shell::WeibullSettings& s,
                          const LifeTable& table) {
  Plot plot;
  const double location = s.fit.location;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kHistogramFailures), DataLine(request, s)};
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = request.Text(strings::kHistogramYAxis);
  chart.y_axis.minimum = 0.0;
  // One bar per interval at its midpoint (the open last one at its start); beside it the
  // failures the fit expects among those exposed: exposed x (1 - R(end) / R(start)).
  host::ChartSeries bars{request.Text(strings::kFailuresSeries), {}, host::SeriesStyle::kBars};
  host::ChartSeries expected{
      request.Text(strings::kCurrentEstimates), {}, host::SeriesStyle::kLineAndMarkers};
  const FitErrors none;
  const auto reliability = [&](double t) {
    return t > location ? 1.0 - WeibullDistribution(s.fit, none, t, 0.0).f.value_or(1.0) : 1.0;
  };
  for (const LifeTableRow& r : table.rows) {
    if (bars.points.size() == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    const double at = r.midpoint.value_or(r.start) + location;
    bars.points.emplace_back(at, r.failed);
    if (!r.width || !ParametersUsable(s.fit)) continue;
    const double start = reliability(r.start + location);
    const double end = reliability(r.start + *r.width + location);
    if (start > 0.0) expected.points.emplace_back(at, r.exposed * (1.0 - end / start));
  }
  if (bars.points.empty()) return plot;
  chart.series.push_back(std::move(bars));
  if (!expected.points.empty()) chart.series.push_back(std::move(expected));
  plot.chart = std::move(chart);
  return plot;
}

}  // namespace kpa::reliability
