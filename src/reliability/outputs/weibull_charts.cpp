#include "reliability/outputs/weibull_charts.h"

#include <cmath>

#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "reliability/outputs/weibull_tables.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::reliability {
namespace {

constexpr int kCurvePoints = 100;
constexpr int kProfilePoints = 100;

std::string Trim(const std::string& text) { return std::string(shell::TrimBlanks(text)); }

std::string ParametersLine(const shell::Request& request, const shell::WeibullFit& fit) {
  return Trim(request.Text(strings::kParametersLegend)) + " " +
         request.Text(strings::kLocationLegend) + ShortNumber(fit.location) + "  " +
         request.Text(strings::kShapeLegend) + ShortNumber(fit.shape) + "  " +
         request.Text(strings::kScaleLegend) + ShortNumber(fit.scale);
}

std::string IntervalsLine(const shell::Request& request, double cl) {
  return request.Text(strings::kIntervalsSubtitle) + LevelPercent(cl);
}

host::ChartSeries Series(std::string name, host::SeriesStyle style) {
  host::ChartSeries series;
  series.name = std::move(name);
  series.style = style;
  return series;
}

// Failures only, at most kMaxPlotPoints of them.
template <typename Visit>
bool ForFailures(const FailureOrders& orders, Visit visit) {
  std::size_t drawn = 0;
  for (const OrderedCase& c : orders.cases) {
    if (c.censored || !c.estimate) continue;
    if (drawn == kMaxPlotPoints) return true;
    if (visit(c)) ++drawn;
  }
  return false;
}

std::vector<double> PlotGrid(const shell::WeibullSettings& s) {
  std::vector<double> t(kCurvePoints);
  const double step = (s.plot_maximum - s.plot_minimum) / (kCurvePoints - 1);
  for (int k = 0; k < kCurvePoints; ++k) t[static_cast<std::size_t>(k)] = s.plot_minimum + k * step;
  return t;
}

}  // namespace

Plot ReliabilityPlot(const shell::Request& request, const shell::WeibullSettings& s,
                     const FailureOrders& orders, bool cdf) {
  Plot plot;
  host::ChartSpec chart;
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = Trim(request.Text(cdf ? strings::kCdfAxis : strings::kReliabilityAxis));
  const double cl = s.estimation.confidence;
  const auto value = [cdf](double f) { return cdf ? f : 1.0 - f; };
  if (UsesMaximumLikelihood(s)) {
    chart.title = {request.Text(cdf ? strings::kMlCdfTitle : strings::kMlReliabilityTitle),
                   DataLine(request, s), ParametersLine(request, s.fit)};
    const FitErrors errors = ErrorsOf(s.fit);
    plot.no_limits = !errors.Present();
    if (!plot.no_limits) chart.title.push_back(IntervalsLine(request, cl));
    auto curve = Series(request.Text(strings::kFittedSeries), host::SeriesStyle::kLine);
    auto lower = Series(Trim(request.Text(strings::kLowerLimit)), host::SeriesStyle::kLine);
    auto upper = Series(Trim(request.Text(strings::kUpperLimit)), host::SeriesStyle::kLine);
    for (const double t : PlotGrid(s)) {
      const DistributionValue v = WeibullDistribution(s.fit, errors, t, cl);
      if (!v.f) continue;
      curve.points.emplace_back(t, value(*v.f));
      if (v.lower) lower.points.emplace_back(t, value(cdf ? *v.lower : *v.upper));
      if (v.upper) upper.points.emplace_back(t, value(cdf ? *v.upper : *v.lower));
    }
    if (curve.points.empty()) return plot;
    chart.series.push_back(std::move(curve));
    if (!lower.points.empty()) chart.series.push_back(std::move(lower));
    if (!upper.points.empty()) chart.series.push_back(std::move(upper));
  } else {
    const bool limits = !s.ml_intervals;
    chart.title = {request.Text(cdf ? strings::kRankCdfTitle : strings::kRankReliabilityTitle),
                   DataLine(request, s)};
    if (limits) chart.title.push_back(IntervalsLine(request, cl));
    auto points = Series(request.Text(strings::kFailuresSeries), host::SeriesStyle::kMarkers);
    auto lower = Series(Trim(request.Text(strings::kLowerLimit)), host::SeriesStyle::kLine);
    auto upper = Series(Trim(request.Text(strings::kUpperLimit)), host::SeriesStyle::kLine);
    const double n = static_cast<double>(orders.cases.size());
    plot.capped = ForFailures(orders, [&](const OrderedCase& c) {
      points.points.emplace_back(c.time, value(*c.estimate));
      if (limits) {
        const RankLimits r = RankBasedLimits(*c.order, n, cl);
        const auto in_unit = [](std::optional<double> f) { return f && *f > 0.0 && *f < 1.0; };
        if (in_unit(r.lower)) (cdf ? lower : upper).points.emplace_back(c.time, value(*r.lower));
        if (in_unit(r.upper)) (cdf ? upper : lower).points.emplace_back(c.time, value(*r.upper));
      }
      return true;
    });
    if (points.points.empty()) return plot;
    chart.series.push_back(std::move(points));
    if (!lower.points.empty()) chart.series.push_back(std::move(lower));
    if (!upper.points.empty()) chart.series.push_back(std::move(upper));
  }
  chart.y_axis.minimum = 0.0;
  chart.y_axis.maximum = 1.0;
  plot.chart = std::move(chart);
  return plot;
}

Plot ProbabilityPlot(const shell::Request& request, const shell::WeibullSettings& s,
                     const FailureOrders& orders) {
  Plot plot;
  PlotPoints points = ProbabilityPlotPoints(orders, s.fit.location);
  if (points.x.size() > kMaxPlotPoints) {
    plot.capped = true;
    for (auto* v : {&points.x, &points.y, &points.time, &points.estimate})
      v->resize(kMaxPlotPoints);
  }
  const auto line = FitLeastSquares(points.x, points.y);
  if (!line) return plot;
  const bool ml = UsesMaximumLikelihood(s);
  host::ChartSpec chart;
  chart.title = {request.Text(ml ? strings::kMlProbabilityTitle : strings::kRankProbabilityTitle),
                 DataLine(request, s)};
  // Probability paper: the time axis logarithmic, F placed at ln(-ln(1 - F)).
  chart.x_axis.title = request.Text(strings::kLogTimeAxis);
  chart.x_axis.scale = host::AxisScaleKind::kLogarithmic;
  chart.y_axis.title = request.Text(strings::kLogLogAxis);
  chart.y_axis.scale = host::AxisScaleKind::kWeibullProbability;
  auto markers = Series(request.Text(strings::kFailuresSeries), host::SeriesStyle::kMarkers);
  for (std::size_t i = 0; i < points.x.size(); ++i)
    markers.points.emplace_back(points.time[i] - s.fit.location, points.estimate[i]);
  // The least-squares line, drawn between the ends of the data on the paper.
  auto fitted =
      Series(LineLegend(request.Text(strings::kLeastSquaresLine), line->intercept, line->slope),
             host::SeriesStyle::kLine);
  for (const double x : {points.x.front(), points.x.back()}) {
    const double y = line->intercept + line->slope * x;
    const double f = -std::expm1(-std::exp(y));
    if (f > 0.0 && f < 1.0) fitted.points.emplace_back(std::exp(x), f);
  }
  chart.series.push_back(std::move(markers));
  chart.series.push_back(std::move(fitted));
  if (ml) {
    // The maximum-likelihood fit, a straight line on the paper, with its limits.
    const FitErrors errors = ErrorsOf(s.fit);
    plot.no_limits = !errors.Present();
    auto curve = Series(request.Text(strings::kFittedSeries), host::SeriesStyle::kLine);
    auto lower = Series(Trim(request.Text(strings::kLowerLimit)), host::SeriesStyle::kLine);
    auto upper = Series(Trim(request.Text(strings::kUpperLimit)), host::SeriesStyle::kLine);
    const double from = points.time.front();
    const double to = points.time.back();
    for (int k = 0; k < kCurvePoints; ++k) {
      const double t = from + (to - from) * k / (kCurvePoints - 1);
      const DistributionValue v = WeibullDistribution(s.fit, errors, t, s.estimation.confidence);
      if (v.f && *v.f > 0.0 && *v.f < 1.0) curve.points.emplace_back(t - s.fit.location, *v.f);
      if (v.lower) lower.points.emplace_back(t - s.fit.location, *v.lower);
      if (v.upper) upper.points.emplace_back(t - s.fit.location, *v.upper);
    }
    if (!plot.no_limits) chart.title.push_back(IntervalsLine(request, s.estimation.confidence));
    for (auto* series : {&curve, &lower, &upper})
      if (!series->points.empty()) chart.series.push_back(std::move(*series));
  }
  const bool slope_ok = line->slope != 0.0;
  chart.title.push_back(
      request.Text(strings::kRSquaredLegend) + ShortNumber(line->r_squared) + "  " +
      request.Text(strings::kPlotParameters) + " " + request.Text(strings::kShapeLegend) +
      (slope_ok ? ShortNumber(line->slope) : request.Text(strings::kNotComputable)) + "  " +
      request.Text(strings::kScaleLegend) +
      (slope_ok ? ShortNumber(std::exp(-line->intercept / line->slope))
                : request.Text(strings::kNotComputable)));
  plot.chart = std::move(chart);
  return plot;
}

Plot CumulativeHazardPlot(const shell::Request& request, const shell::WeibullSettings& s,
                          const FailureOrders& orders, bool logarithmic) {
  // The data's own (Nelson's) cumulative hazard at each failure.
  std::vector<TimedValue> hazard;
  double running = 0.0;
  for (const OrderedCase& c : orders.cases) {
    if (c.censored) continue;
    running += 1.0 / static_cast<double>(c.reverse_rank);
    hazard.push_back({c.time, running});
  }
  return CumulativeHazardChart(request, s, hazard, logarithmic);
}

Plot CumulativeHazardChart(const shell::Request& request, const shell::WeibullSettings& s,
                           std::span<const TimedValue> hazard, bool logarithmic) {
  Plot plot;
  // The maximum-likelihood version adds the fitted H(t), which would put every point on its
  // line.
  std::vector<double> x;
  std::vector<double> y;
  for (const TimedValue& point : hazard) {
    if (logarithmic && !(point.time > s.fit.location && point.value > 0.0)) continue;
    if (x.size() == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    x.push_back(logarithmic ? std::log(point.time - s.fit.location) : point.time);
    y.push_back(logarithmic ? std::log(point.value) : point.value);
  }
  const auto line = FitLeastSquares(x, y);
  if (!line) return plot;
  host::ChartSpec chart;
  const int axis = logarithmic ? strings::kLogCumHazardAxis : strings::kCumHazardAxis;
  chart.title = {Trim(request.Text(axis)), DataLine(request, s)};
  chart.x_axis.title =
      request.Text(logarithmic ? strings::kLogTimeAxis : strings::kFailureTimeAxis);
  chart.y_axis.title = Trim(request.Text(axis));
  auto markers = Series(request.Text(strings::kFailuresSeries), host::SeriesStyle::kMarkers);
  for (std::size_t i = 0; i < x.size(); ++i) markers.points.emplace_back(x[i], y[i]);
  auto fitted =
      Series(LineLegend(request.Text(strings::kLeastSquaresLine), line->intercept, line->slope),
             host::SeriesStyle::kLine);
  for (const double v : {x.front(), x.back()})
    fitted.points.emplace_back(v, line->intercept + line->slope * v);
  chart.series.push_back(std::move(markers));
  chart.series.push_back(std::move(fitted));
  if (UsesMaximumLikelihood(s) && ParametersUsable(s.fit)) {
    auto curve = Series(request.Text(strings::kFittedSeries), host::SeriesStyle::kLine);
    const double from = logarithmic ? std::exp(x.front()) + s.fit.location : x.front();
    const double to = logarithmic ? std::exp(x.back()) + s.fit.location : x.back();
    for (int k = 0; k < kCurvePoints; ++k) {
      const double t = from + (to - from) * k / (kCurvePoints - 1);
      const auto h = WeibullCumulativeHazard(s.fit, t);
      if (!h || (logarithmic && !(*h > 0.0))) continue;
      if (logarithmic)
        curve.points.emplace_back(std::log(t - s.fit.location), std::log(*h));
      else
        curve.points.emplace_back(t, *h);
    }
    if (!curve.points.empty()) chart.series.push_back(std::move(curve));
  }
  chart.title.push_back(request.Text(strings::kRSquaredLegend) + ShortNumber(line->r_squared));
  plot.chart = std::move(chart);
  return plot;
}

Plot QuantilePlot(const shell::Request& request, const shell::WeibullSettings& s,
                  const FailureOrders& orders) {
  std::vector<TimedValue> estimates;
  for (const OrderedCase& c : orders.cases)
    if (!c.censored && c.estimate) estimates.push_back({c.time, *c.estimate});
  return QuantileChart(request, s, estimates);
}

Plot QuantileChart(const shell::Request& request, const shell::WeibullSettings& s,
                   std::span<const TimedValue> distribution) {
  Plot plot;
  if (!ParametersUsable(s.fit)) return plot;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kQqTitle), DataLine(request, s),
                 ParametersLine(request, s.fit)};
  chart.x_axis.title = Trim(request.Text(strings::kQuantileAxis));
  chart.y_axis.title = request.Text(strings::kFailureTimeAxis);
  auto markers = Series(request.Text(strings::kFailuresSeries), host::SeriesStyle::kMarkers);
  std::vector<double> q;
  std::vector<double> t;
  for (const TimedValue& point : distribution) {
    const double f = point.value;
    if (!(f > 0.0 && f < 1.0)) continue;
    if (q.size() == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    const double quantile = std::pow(-std::log1p(-f), 1.0 / s.fit.shape);
    markers.points.emplace_back(quantile, point.time);
    q.push_back(quantile);
    t.push_back(point.time);
  }
  if (markers.points.empty()) return plot;
  chart.series.push_back(std::move(markers));
  // The line the points follow when the fit holds: t = location + scale * quantile.
  auto fitted = Series(request.Text(strings::kFittedSeries), host::SeriesStyle::kLine);
  for (const double v : {q.front(), q.back()})
    fitted.points.emplace_back(v, s.fit.location + s.fit.scale * v);
  chart.series.push_back(std::move(fitted));
  // The second axis in probabilities: ticks at the standardised quantiles of round
  // probabilities, labelled in percent.
  for (const double p : {0.01, 0.05, 0.1, 0.2, 0.5, 0.632, 0.8, 0.9, 0.95, 0.99}) {
    const double at = std::pow(-std::log1p(-p), 1.0 / s.fit.shape);
    if (at >= q.front() && at <= q.back())
      chart.annotations.push_back({at, t.front(), ShortNumber(100.0 * p) + "%"});
  }
  chart.x_axis.title += "  (" + request.Text(strings::kProbabilitiesAxis) + " : %)";
  plot.chart = std::move(chart);
  return plot;
}

Plot LocationProfilePlot(const shell::Request& request, const shell::WeibullSettings& s,
                         const FailureOrders& orders) {
  Plot plot;
  // The plotting positions do not depend on the location: their transforms are formed once.
  std::vector<double> times;
  std::vector<double> ys;
  for (const OrderedCase& c : orders.cases) {
    if (c.censored || !c.estimate || !(*c.estimate > 0.0 && *c.estimate < 1.0)) continue;
    times.push_back(c.time);
    ys.push_back(std::log(-std::log1p(-*c.estimate)));
  }
  auto curve = Series("", host::SeriesStyle::kLineAndMarkers);
  double best_r2 = -1.0;
  double best_location = s.location_from;
  // R^2 values compare only on one set of points: a location that leaves out a failure the
  // first location kept (the default range ends at the smallest time) is not drawn.
  std::size_t kept = 0;
  std::vector<double> x;
  std::vector<double> y;
  for (int k = 0; k < kProfilePoints; ++k) {
    const double location =
        s.location_from + k * (s.location_to - s.location_from) / (kProfilePoints - 1);
    x.clear();
    y.clear();
    for (std::size_t i = 0; i < times.size(); ++i)
      if (times[i] > location) {
        x.push_back(std::log(times[i] - location));
        y.push_back(ys[i]);
      }
    if (k == 0) kept = x.size();
    if (x.size() < kept) continue;
    const auto line = FitLeastSquares(x, y);
    if (!line) continue;
    curve.points.emplace_back(location, line->r_squared);
    if (line->r_squared > best_r2) {
      best_r2 = line->r_squared;
      best_location = location;
    }
  }
  if (curve.points.empty()) return plot;
  int method = strings::kMedianRankName;
  if (!orders.adjusted && s.rank_method == shell::RankMethod::kMeanRank)
    method = strings::kMeanRankName;
  else if (!orders.adjusted && s.rank_method == shell::RankMethod::kWhite)
    method = strings::kWhiteName;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kProfileTitle), DataLine(request, s),
                 request.Text(strings::kProfileMethod) + request.Text(method),
                 request.Text(strings::kMaxRSquared) + ShortNumber(best_r2) + "  " +
                     request.Text(strings::kBestLocation) + " " + ShortNumber(best_location)};
  chart.x_axis.title = request.Text(strings::kProfileXAxis);
  chart.y_axis.title = request.Text(strings::kProfileYAxis);
  chart.series.push_back(std::move(curve));
  chart.reference_lines.push_back(
      {host::ReferenceOrientation::kVertical, best_location, ShortNumber(best_location)});
  plot.chart = std::move(chart);
  return plot;
}

Plot KaplanMeierPlot(const shell::Request& request, const shell::WeibullSettings& s,
                     const FailureOrders& orders) {
  Plot plot;
  const double cl = s.estimation.confidence;
  const std::vector<KaplanMeierPoint> km = KaplanMeier(orders, cl);
  if (km.empty()) return plot;
  host::ChartSpec chart;
  chart.title = {request.Text(strings::kKaplanMeierTitle), DataLine(request, s),
                 IntervalsLine(request, cl)};
  chart.x_axis.title = request.Text(strings::kFailureTimeAxis);
  chart.y_axis.title = Trim(request.Text(strings::kSurvivalAxis));
  chart.y_axis.minimum = 0.0;
  chart.y_axis.maximum = 1.0;
  auto steps = Series("", host::SeriesStyle::kStep);
  auto failures = Series(request.Text(strings::kFailuresSeries), host::SeriesStyle::kMarkers);
  auto censored = Series(request.Text(strings::kCensoredSeries), host::SeriesStyle::kMarkers);
  auto lower = Series(Trim(request.Text(strings::kLowerLimit)), host::SeriesStyle::kMarkers);
  auto upper = Series(Trim(request.Text(strings::kUpperLimit)), host::SeriesStyle::kMarkers);
  steps.points.emplace_back(km.front().time, 1.0);
  for (std::size_t i = 0; i < km.size(); ++i) {
    if (i == kMaxPlotPoints) {
      plot.capped = true;
      break;
    }
    const KaplanMeierPoint& p = km[i];
    steps.points.emplace_back(p.time, p.survival);
    (p.censored ? censored : failures).points.emplace_back(p.time, p.survival);
    if (p.lower) lower.points.emplace_back(p.time, *p.lower);
    if (p.upper) upper.points.emplace_back(p.time, *p.upper);
  }
  chart.series.push_back(std::move(steps));
  chart.series.push_back(std::move(failures));
  if (!censored.points.empty()) chart.series.push_back(std::move(censored));
  if (!lower.points.empty()) chart.series.push_back(std::move(lower));
  if (!upper.points.empty()) chart.series.push_back(std::move(upper));
  plot.chart = std::move(chart);
  return plot;
}

}  // namespace kpa::reliability
