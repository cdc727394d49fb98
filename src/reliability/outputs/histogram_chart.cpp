#include "reliability/outputs/histogram_chart.h"

#include <algorithm>
#include <cmath>

#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"

namespace kpa::reliability {
namespace {

constexpr int kFewestClasses = 5;
constexpr int kMostClasses = 30;
constexpr int kCurvePoints = 100;

}  // namespace

int HistogramClasses(std::int64_t values) {
  if (values < 1) return kFewestClasses;
  const int sturges = 1 + static_cast<int>(std::ceil(std::log2(static_cast<double>(values))));
  return std::clamp(sturges, kFewestClasses, kMostClasses);
}

Plot HistogramPlot(const shell::Request& request, const shell::WeibullSettings& s,
                   bool failures_only) {
  Plot plot;
  const shell::FailureSample& sample = s.sample;
  const bool censored_shown = !failures_only && sample.n > sample.r;
  double low = 0.0;
  double high = 0.0;
  std::int64_t plotted = 0;
  for (std::size_t i = 0; i < sample.time.size(); ++i) {
    if (!censored_shown && sample.censored[i] != 0.0) continue;
    const double t = sample.time[i];
    low = plotted == 0 ? t : std::min(low, t);
    high = plotted == 0 ? t : std::max(high, t);
    ++plotted;
  }
  if (plotted == 0) return plot;
  if (!(high > low)) high = low + 1.0;
  const host::AxisScale scale = request.ScaleAxis(low, high, HistogramClasses(plotted));
  const double step = scale.step;
  if (!(step > 0.0)) return plot;
  const auto classes = static_cast<std::size_t>(
      std::max(1.0, std::ceil((scale.maximum - scale.minimum) / step - 1e-9)));
  std::vector<double> failures(classes, 0.0);
  std::vector<double> censored(classes, 0.0);
  for (std::size_t i = 0; i < sample.time.size(); ++i) {
    const bool is_censored = sample.censored[i] != 0.0;
    if (!censored_shown && is_censored) continue;
    const double position = std::floor((sample.time[i] - scale.minimum) / step);
    const auto k =
        static_cast<std::size_t>(std::clamp(position, 0.0, static_cast<double>(classes - 1)));
    (is_censored ? censored : failures)[k] += 1.0;
  }
  host::ChartSpec chart;
  chart.title = {
      request.Text(censored_shown ? strings::kHistogramAll : strings::kHistogramFailures),
      DataLine(request, s)};
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = request.Text(strings::kHistogramYAxis);
  chart.y_axis.minimum = 0.0;
  host::ChartSeries failure_bars{
      request.Text(strings::kFailuresSeries), {}, host::SeriesStyle::kBars};
  host::ChartSeries censored_bars{
      request.Text(strings::kCensoredSeries), {}, host::SeriesStyle::kBars};
  for (std::size_t k = 0; k < classes; ++k) {
    const double middle = scale.minimum + (static_cast<double>(k) + 0.5) * step;
    failure_bars.points.emplace_back(middle, failures[k]);
    if (censored_shown) censored_bars.points.emplace_back(middle, censored[k]);
  }
  chart.series.push_back(std::move(failure_bars));
  if (censored_shown) chart.series.push_back(std::move(censored_bars));
  // The density of the failures as counts per class: count x class width x f(t).
  const auto count = static_cast<double>(censored_shown ? plotted : sample.r);
  host::ChartSeries curve{request.Text(strings::kFittedSeries), {}, host::SeriesStyle::kLine};
  const double to = scale.minimum + static_cast<double>(classes) * step;
  for (int k = 0; k < kCurvePoints; ++k) {
    const double t = scale.minimum + (to - scale.minimum) * k / (kCurvePoints - 1);
    if (const auto f = WeibullDensity(s.fit, t)) curve.points.emplace_back(t, count * step * *f);
  }
  if (!curve.points.empty()) chart.series.push_back(std::move(curve));
  chart.x_axis.minimum = scale.minimum;
  chart.x_axis.maximum = to;
  plot.chart = std::move(chart);
  return plot;
}

}  // namespace kpa::reliability
