#include "reliability/outputs/paper_chart.h"

#include <algorithm>
#include <cmath>

#include "reliability/model/paper_grid.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::reliability {
namespace {

// Time lines are all labelled up to this many; beyond it, as on printed log paper, the
// first, the last and those at 1, 2 and 5 times a power of ten are.
constexpr std::size_t kMostTimeLabels = 12;
constexpr int kNeatTimeDivisions = 12;

bool NeatLogValue(double value) {
  if (!(value > 0.0)) return false;
  const double decade = std::pow(10.0, std::floor(std::log10(value)));
  for (const double mantissa : {1.0, 2.0, 5.0, 10.0})
    if (std::fabs(value - mantissa * decade) <= 1e-9 * value) return true;
  return false;
}

}  // namespace

Plot PaperPlot(const shell::Request& request, const shell::PaperSettings& paper,
               const PaperData& data) {
  Plot plot;
  PlotPoints points;
  if (data.orders != nullptr) {
    points = ProbabilityPlotPoints(*data.orders, paper.offset);
    if (points.x.size() > kMaxPlotPoints) {
      plot.capped = true;
      for (auto* v : {&points.x, &points.y, &points.time, &points.estimate})
        v->resize(kMaxPlotPoints);
    }
  }
  // The sheet reaches out to every plotted failure; the time lines then go on to the last
  // one, with a neat step when the user's step would draw more than kMostTimeLines lines.
  double maximum = paper.maximum_time;
  double step = paper.step_time;
  if (!points.time.empty())
    maximum = std::max(maximum, *std::max_element(points.time.begin(), points.time.end()));
  if (const auto count = TimeLineCount(paper.offset, maximum, step);
      !count || *count > kMostTimeLines)
    step = request.ScaleAxis(0.0, maximum - paper.offset, kNeatTimeDivisions).step;
  const std::vector<double> p_lines = ProbabilityLines(paper);
  const std::vector<double> t_lines = TimeLines(paper.offset, maximum, step);
  if (p_lines.size() < 2 || t_lines.empty() || !(maximum > paper.offset)) return plot;
  host::ChartSpec chart;
  std::string title = request.Text(strings::kPaperTitle);
  if (data.orders != nullptr) title += "; " + request.Text(strings::kPaperVariable) + data.variable;
  chart.title = {title};
  chart.show_legend = data.orders != nullptr;

  chart.y_axis.title =
      request.Text(strings::kPaperYAxis) + "  (" + request.Text(strings::kPaperYLabels) + ")";
  chart.y_axis.scale = host::AxisScaleKind::kWeibullProbability;
  chart.y_axis.minimum = p_lines.front();
  chart.y_axis.maximum = p_lines.back();
  if (!points.estimate.empty()) {
    const auto [low, high] = std::minmax_element(points.estimate.begin(), points.estimate.end());
    chart.y_axis.minimum = std::min(*chart.y_axis.minimum, *low);
    chart.y_axis.maximum = std::max(*chart.y_axis.maximum, *high);
  }
  for (const double p : p_lines) chart.y_axis.ticks.push_back({p, ShortNumber(100.0 * p)});

  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.x_axis.scale = host::AxisScaleKind::kLogarithmic;
  double left = t_lines.front();
  if (!points.time.empty())
    left = std::min(left, *std::min_element(points.time.begin(), points.time.end()));
  chart.x_axis.minimum = left - paper.offset;
  chart.x_axis.maximum = maximum - paper.offset;
  const bool all_labels = t_lines.size() <= kMostTimeLabels;
  for (std::size_t k = 0; k < t_lines.size(); ++k) {
    const bool labelled =
        all_labels || k == 0 || k + 1 == t_lines.size() || NeatLogValue(t_lines[k]);
    chart.x_axis.ticks.push_back(
        {t_lines[k] - paper.offset, labelled ? ShortNumber(t_lines[k]) : ""});
  }

  if (paper.principal_abscissa)
    chart.reference_lines.push_back({host::ReferenceOrientation::kHorizontal, 1.0 - std::exp(-1.0),
                                     request.Text(strings::kPrincipalAbscissa)});

  if (data.orders != nullptr) {
    host::ChartSeries markers;
    markers.name = request.Text(strings::kFailuresSeries);
    markers.style = host::SeriesStyle::kMarkers;
    for (std::size_t i = 0; i < points.x.size(); ++i)
      markers.points.emplace_back(points.time[i] - paper.offset, points.estimate[i]);
    chart.series.push_back(std::move(markers));
    const auto line = FitLeastSquares(points.x, points.y, 2);
    if (!line) {
      plot.too_few_points = true;
    } else {
      host::ChartSeries fitted;
      fitted.name = LineLegend(request.Text(strings::kPaperLine), line->intercept, line->slope);
      fitted.style = host::SeriesStyle::kLine;
      // The line across the whole paper: straight on these scales.
      for (const double t : {*chart.x_axis.minimum, *chart.x_axis.maximum}) {
        const double f = -std::expm1(-std::exp(line->intercept + line->slope * std::log(t)));
        if (f > 0.0 && f < 1.0) fitted.points.emplace_back(t, f);
      }
      chart.series.push_back(std::move(fitted));
      const bool slope_ok = line->slope != 0.0;
      chart.title.push_back(
          request.Text(strings::kPlotParameters) + " " + request.Text(strings::kShapeLegend) +
          (slope_ok ? ShortNumber(line->slope) : request.Text(strings::kNotComputable)) + "  " +
          request.Text(strings::kScaleLegend) +
          (slope_ok ? ShortNumber(std::exp(-line->intercept / line->slope))
                    : request.Text(strings::kNotComputable)) +
          "  (" + request.Text(strings::kPaperLocation) + ShortNumber(paper.offset) + ")");
    }
  }
  plot.chart = std::move(chart);
  return plot;
}

}  // namespace kpa::reliability
