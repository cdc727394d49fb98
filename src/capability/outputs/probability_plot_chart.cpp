#include "capability/outputs/probability_plot_chart.h"

#include <array>

#include "capability/outputs/distribution_names.h"
#include "capability/outputs/plot_texts.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::capability {
namespace {

std::string NormalMoments(const shell::Request& request, const ModelLaw& law) {
  return Labelled(request.Text(strings::kPlotNormalMeanLabel), PlotNumber(law.mu)) +
         Labelled(request.Text(strings::kPlotNormalSigmaLabel), PlotNumber(law.sigma));
}

std::string FourMoments(const shell::Request& request, const ProbabilityPlot& plot) {
  return Trimmed(Labelled(request.Text(strings::kPlotMeanLabel), PlotNumber(plot.law.mu)) +
                 Labelled(request.Text(strings::kPlotSigmaLabel), PlotNumber(plot.law.sigma)) +
                 Labelled(request.Text(strings::kPlotSkewnessLabel), PlotNumber(plot.skewness)) +
                 Labelled(request.Text(strings::kPlotKurtosisLabel), PlotNumber(plot.kurtosis)));
}

// The law named after `label`: the normal law with its moments, the fitted law with its
// parameters.
std::string LawLine(const shell::Request& request, int label, const ModelLaw& law) {
  if (law.kind == LawKind::kFitted)
    return Labelled(request.Text(label), request.Text(DistributionName(law.fitted.code))) + " " +
           FittedParametersText(request, law.fitted);
  return Labelled(request.Text(label), request.Text(strings::kLegendNormal)) +
         NormalMoments(request, law);
}

std::vector<std::string> TitleOf(const shell::Request& request, const ProbabilityPlot& plot) {
  const bool johnson = plot.law.kind == LawKind::kJohnson;
  switch (plot.kind) {
    case PlotKind::kQuantile:
      if (johnson)
        return {request.Text(strings::kQuantilePlotNonNormalTitle) + plot.variable,
                request.Text(strings::kPlotNonNormalDistribution), FourMoments(request, plot)};
      return {request.Text(strings::kQuantilePlotTitle) + plot.variable,
              LawLine(request, strings::kPlotDistributionLabel, plot.law)};
    case PlotKind::kNormalProbability:
      return {shell::FillAfterMarks(request.Text(strings::kNormalProbabilityPlotTitle), ':',
                                    std::array{" " + plot.variable}),
              LawLine(request, strings::kPlotDistributionLabel, plot.law)};
    case PlotKind::kProbability:
      if (johnson)
        return {request.Text(strings::kProbabilityPlotTitle) + plot.variable,
                request.Text(strings::kProbabilityPlotDistribution) +
                    request.Text(strings::kProbabilityPlotNonNormal),
                FourMoments(request, plot)};
      return {request.Text(strings::kProbabilityPlotTitle) + plot.variable,
              LawLine(request, strings::kProbabilityPlotDistribution, plot.law)};
  }
  return {};
}

int TheoreticalAxis(const ProbabilityPlot& plot) {
  switch (plot.kind) {
    case PlotKind::kQuantile:
      return plot.law.kind == LawKind::kNormal ? strings::kAxisStandardQuantile
                                               : strings::kAxisQuantile;
    case PlotKind::kNormalProbability:
      return strings::kAxisNormalValue;
    case PlotKind::kProbability:
      return strings::kAxisTheoreticalCdf;
  }
  return strings::kAxisQuantile;
}

// The pairs as drawn: (theoretical, observed), or swapped when the theoretical values go
// on the vertical axis.
PlotPoints Placed(const PlotPoints& pairs, bool theoretical_horizontal) {
  if (theoretical_horizontal) return pairs;
  PlotPoints swapped;
  swapped.reserve(pairs.size());
  for (const auto& [theoretical, observed] : pairs) swapped.emplace_back(observed, theoretical);
  return swapped;
}

}  // namespace

host::ChartSpec ProbabilityPlotChart(const shell::Request& request, const ProbabilityPlot& plot) {
  host::ChartSpec chart;
  chart.title = TitleOf(request, plot);
  host::ChartAxis theoretical;
  theoretical.title = Trimmed(request.Text(TheoreticalAxis(plot)));
  host::ChartAxis observed;
  observed.title =
      Trimmed(request.Text(plot.kind == PlotKind::kProbability ? strings::kAxisObservedCdf
                                                               : strings::kAxisObservedValue));
  if (plot.kind == PlotKind::kProbability) {
    for (host::ChartAxis* axis : {&theoretical, &observed}) {
      axis->minimum = 0.0;
      axis->maximum = 1.0;
    }
  }
  chart.x_axis = plot.theoretical_horizontal ? theoretical : observed;
  chart.y_axis = plot.theoretical_horizontal ? observed : theoretical;
  chart.series.push_back({Trimmed(request.Text(strings::kLegendObserved)),
                          Placed(plot.points, plot.theoretical_horizontal),
                          host::SeriesStyle::kMarkers});
  if (!plot.line.empty())
    chart.series.push_back({Trimmed(request.Text(LawLegend(plot.law))),
                            Placed(plot.line, plot.theoretical_horizontal),
                            host::SeriesStyle::kLine});
  return chart;
}

}  // namespace kpa::capability
