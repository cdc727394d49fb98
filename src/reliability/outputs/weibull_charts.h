// The graphs of the Weibull procedure: reliability and distribution function (rank-based
// estimates or the fitted curve with its limits), the Weibull probability plot on
// probability paper, the cumulative hazard plots, the Q-Q plot, the R^2 profile over the
// location and the Kaplan-Meier estimate. A builder that has nothing to draw answers no
// chart; one that drew only the first kMaxPlotPoints points says so.
#pragma once

#include <optional>
#include <span>

#include "host/api/chart_spec.h"
#include "reliability/model/failure_orders.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

inline constexpr std::size_t kMaxPlotPoints = 8191;

struct Plot {
  std::optional<host::ChartSpec> chart;
  bool capped = false;          // more points than kMaxPlotPoints: the first ones were drawn
  bool no_limits = false;       // limits were asked for but the fit has no standard errors
  bool too_few_points = false;  // too few points for the line it would carry
};

Plot ReliabilityPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                     const FailureOrders& orders, bool distribution_function);
Plot ProbabilityPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                     const FailureOrders& orders);
Plot CumulativeHazardPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                          const FailureOrders& orders, bool logarithmic);
Plot QuantilePlot(const shell::Request& request, const shell::WeibullSettings& settings,
                  const FailureOrders& orders);

// An observed value at a time on the data's scale (the location not taken off).
struct TimedValue {
  double time = 0.0;
  double value = 0.0;
};
// The cumulative hazard plot of observed H values (Nelson's at the failures, -ln S at the
// ends of life-table intervals) and the Q-Q plot of observed F values.
Plot CumulativeHazardChart(const shell::Request& request, const shell::WeibullSettings& settings,
                           std::span<const TimedValue> hazard, bool logarithmic);
Plot QuantileChart(const shell::Request& request, const shell::WeibullSettings& settings,
                   std::span<const TimedValue> distribution);
Plot LocationProfilePlot(const shell::Request& request, const shell::WeibullSettings& settings,
                         const FailureOrders& orders);
Plot KaplanMeierPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                     const FailureOrders& orders);

}  // namespace kpa::reliability
