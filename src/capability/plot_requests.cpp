#include "capability/plot_requests.h"

#include <algorithm>
#include <cmath>

#include "capability/frequency_requests.h"
#include "capability/model/histogram_span.h"
#include "capability/model/plotting_positions.h"
#include "capability/nonnormal_requests.h"
#include "capability/outputs/capability_histogram_chart.h"
#include "capability/outputs/probability_plot_chart.h"
#include "resources/ids/capability_strings.h"

namespace kpa::capability {
namespace {

// Probability plots draw the first observations alone beyond this many.
constexpr std::size_t kMostPlotted = 5000;
constexpr int kLinePoints = 100;
constexpr int kCurvePoints = 200;

RequestStatus Shown(shell::Request& request, const host::ChartSpec& chart) {
  if (request.Show(chart)) return RequestStatus::kDone;
  return Refuse(request, strings::kGraphRoutineError);
}

RequestStatus Plot(RequestContext& context, PlotKind kind, LawKind law_kind) {
  shell::Request& request = context.request;
  const shell::CapabilityVariableRun& run = context.run;
  const shell::CapabilityState& state = run.state;
  if (state.aggregated || state.observations.empty()) return RequestStatus::kNotAvailable;
  if (!LawUsable(request, run, law_kind)) return RequestStatus::kFailed;
  // Beyond the limit the first observations in case order are drawn, so that the plot
  // still shows the whole range of the process.
  const std::size_t drawn = std::min(state.observations.size(), kMostPlotted);
  if (drawn < state.observations.size()) request.Message(strings::kPlotFirst5000Note);
  std::vector<double> sorted(state.observations.begin(),
                             state.observations.begin() + static_cast<std::ptrdiff_t>(drawn));
  request.Status(strings::kStatusRanks);
  std::sort(sorted.begin(), sorted.end());
  const shell::CapabilityResultsFields& f = run.fields;
  const std::vector<double> positions =
      PlottingPositions(sorted, {f.rank_adjustment, f.n_adjustment, f.average_tied_ranks});
  request.Status(strings::kStatusComputing);
  ProbabilityPlot plot;
  plot.kind = kind;
  plot.law = LawOf(run, law_kind);
  plot.variable = request.VariableName(run.variable);
  plot.skewness = state.skewness;
  plot.kurtosis = state.kurtosis;
  plot.theoretical_horizontal = f.quantiles_horizontal;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (kind == PlotKind::kProbability) {
      plot.points.emplace_back(LawDistributionFunction(plot.law, sorted[i]), positions[i]);
      continue;
    }
    const auto quantile = LawStandardQuantile(plot.law, positions[i]);
    if (quantile) {
      plot.points.emplace_back(*quantile, sorted[i]);
    } else if (plot.law.kind != LawKind::kFitted) {
      return Refuse(request, strings::kNormalRoutineError);
    }
  }
  if (kind == PlotKind::kProbability) {
    plot.line = {{0.0, 0.0}, {1.0, 1.0}};
  } else {
    // The line the points follow under the law, over the positions drawn.
    const double first = positions.front();
    const double last = positions.back();
    for (int j = 0; j < kLinePoints; ++j) {
      const double p = first + (last - first) * j / (kLinePoints - 1);
      const auto standard = LawStandardQuantile(plot.law, p);
      const auto value = LawQuantile(plot.law, p);
      if (standard && value) plot.line.emplace_back(*standard, *value);
    }
  }
  request.Status(strings::kStatusPreparingPlot);
  return Shown(request, ProbabilityPlotChart(request, plot));
}

RequestStatus Histogram(RequestContext& context, LawKind law_kind) {
  shell::Request& request = context.request;
  const shell::CapabilityVariableRun& run = context.run;
  const shell::CapabilityState& state = run.state;
  if (state.aggregated || state.observations.empty()) return RequestStatus::kNotAvailable;
  if (!LawUsable(request, run, law_kind)) return RequestStatus::kFailed;
  const auto limits = EffectiveLimits(SpecificationOf(context.settings, run));
  if (!limits) return Refuse(request, strings::kSpecsIncorrect);
  request.Status(strings::kStatusPreparingGraph);
  std::vector<double> sorted = state.observations;
  std::sort(sorted.begin(), sorted.end());
  CategoryCounts counts = CountCategories(request, run, sorted);
  if (counts.bounds.empty() || !(counts.width > 0.0))
    return Refuse(request, strings::kHistogramOutOfRange);
  CapabilityHistogram h;
  h.law = LawOf(run, law_kind);
  h.variable = request.VariableName(run.variable);
  h.skewness = state.skewness;
  h.kurtosis = state.kurtosis;
  h.limits = *limits;
  h.width = counts.width;
  const SigmaLimitValues sigma = SigmaLimitsOf(*limits, state.mu, state.sigma_total, state.k);
  h.c = sigma.c;
  h.lower_sigma = sigma.lower;
  h.upper_sigma = sigma.upper;
  h.at_percentiles = run.fields.limits_at_percentiles && h.law.kind != LawKind::kNormal;
  if (h.at_percentiles) {
    const auto equivalents = PercentileEquivalentsOf(run, h.law.kind == LawKind::kJohnson, state.k);
    if (!equivalents) return Refuse(request, strings::kHistogramOutOfRange);
    if (h.lower_sigma) h.lower_sigma = equivalents->lower;
    if (h.upper_sigma) h.upper_sigma = equivalents->upper;
  }
  // What must show: the bars, the limits of the specification's sides, the sigma lines.
  const double first_edge = counts.bounds.front() - counts.width;
  double lo = first_edge;
  double hi = counts.bounds.back() + counts.width;
  for (const auto& at : {h.limits.HasLower() ? std::optional(h.limits.lower) : std::nullopt,
                         std::optional(h.limits.nominal),
                         h.limits.HasUpper() ? std::optional(h.limits.upper) : std::nullopt,
                         h.lower_sigma, h.upper_sigma}) {
    if (!at) continue;
    lo = std::min(lo, *at);
    hi = std::max(hi, *at);
  }
  if (!std::isfinite(lo) || !std::isfinite(hi))
    return Refuse(request, strings::kHistogramOutOfRange);
  h.span = HistogramSpanOf(first_edge, counts.width, lo, hi);
  // The law's curve as the count a bar of one width centred at x expects; differences of
  // the distribution function stay finite where a density is not (a gamma's threshold).
  const auto n = static_cast<double>(sorted.size());
  const double half = 0.5 * counts.width;
  for (int j = 0; j < kCurvePoints; ++j) {
    const double x = h.span.from + (h.span.to - h.span.from) * j / (kCurvePoints - 1);
    const double expected =
        n * (LawDistributionFunction(h.law, x + half) - LawDistributionFunction(h.law, x - half));
    if (std::isfinite(expected)) h.curve.emplace_back(x, expected);
  }
  if (h.curve.empty()) return Refuse(request, strings::kHistogramOutOfRange);
  h.bounds = std::move(counts.bounds);
  h.observed = std::move(counts.observed);
  if (run.fields.show_indices) h.indices = run.histogram_indices;
  return Shown(request, CapabilityHistogramChart(request, h));
}

}  // namespace

RequestStatus SummaryHistogram(RequestContext& context) {
  return Histogram(context, context.run.named_fit ? LawKind::kFitted : LawKind::kNormal);
}

RequestStatus NonNormalHistogram(RequestContext& context) {
  return Histogram(context, LawKind::kJohnson);
}

RequestStatus QuantileQuantilePlot(RequestContext& context) {
  return Plot(context, PlotKind::kQuantile,
              context.run.named_fit ? LawKind::kFitted : LawKind::kNormal);
}

RequestStatus ProbabilityProbabilityPlot(RequestContext& context) {
  return Plot(context, PlotKind::kProbability,
              context.run.named_fit ? LawKind::kFitted : LawKind::kNormal);
}

RequestStatus NonNormalQuantilePlot(RequestContext& context) {
  return Plot(context, PlotKind::kQuantile, LawKind::kJohnson);
}

RequestStatus NonNormalProbabilityPlot(RequestContext& context) {
  return Plot(context, PlotKind::kProbability, LawKind::kJohnson);
}

RequestStatus NormalProbabilityPlot(RequestContext& context) {
  return Plot(context, PlotKind::kNormalProbability, LawKind::kNormal);
}

}  // namespace kpa::capability
