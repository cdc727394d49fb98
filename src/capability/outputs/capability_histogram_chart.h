// The summary histogram of capability analysis as a chart: the bars of the frequency
// categories, the law's curve as expected counts, the specification limits and the sigma
// limits as labelled vertical lines, and the titles naming the variable, the law, the
// specification and, when asked for, the capability indices.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capability/model/histogram_span.h"
#include "capability/model/model_law.h"
#include "capability/outputs/probability_plot_chart.h"
#include "capability/specifications/spec_record.h"
#include "host/api/chart_spec.h"
#include "shell/request/request.h"

namespace kpa::capability {

struct CapabilityHistogram {
  ModelLaw law;
  std::string variable;
  double skewness = 0.0;
  double kurtosis = 0.0;
  SpecLimits limits;
  std::vector<double> bounds;  // upper bounds of all categories but the last
  double width = 1.0;
  std::vector<double> observed;  // per category
  PlotPoints curve;              // (x, expected count)
  double c = 3.0;                // the sigma limits' multiple
  std::optional<double> lower_sigma;
  std::optional<double> upper_sigma;
  bool at_percentiles = false;  // the sigma lines stand at the percentile equivalents
  std::optional<shell::HistogramIndices> indices;
  HistogramSpan span;
};

[[nodiscard]] host::ChartSpec CapabilityHistogramChart(const shell::Request& request,
                                                       const CapabilityHistogram& histogram);

}  // namespace kpa::capability
