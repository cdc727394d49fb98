// The probability plots of capability analysis as charts: the Q-Q plot (theoretical
// quantiles of the normal law, the Johnson curve or the fitted distribution against the
// observed values), the normal probability plot (normal quantiles in the data's units' line)
// and the P-P plot (the law's distribution function against the plotting positions), each
// with the line the points follow when the law holds.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "capability/model/model_law.h"
#include "host/api/chart_spec.h"
#include "shell/request/request.h"

namespace kpa::capability {

enum class PlotKind { kQuantile, kNormalProbability, kProbability };

using PlotPoints = std::vector<std::pair<double, double>>;

struct ProbabilityPlot {
  PlotKind kind = PlotKind::kQuantile;
  ModelLaw law;
  std::string variable;
  double skewness = 0.0;  // the moments the Johnson curve was fitted to
  double kurtosis = 0.0;
  PlotPoints points;  // (theoretical, observed)
  PlotPoints line;    // (theoretical, observed)
  bool theoretical_horizontal = true;
};

[[nodiscard]] host::ChartSpec ProbabilityPlotChart(const shell::Request& request,
                                                   const ProbabilityPlot& plot);

}  // namespace kpa::capability
