// The graphs of grouped data kept as a life table: the observed survival (or distribution
// function) at the interval starts beside the fitted curve, the probability, cumulative
// hazard and Q-Q plots of the observed distribution function at the interval ends, the
// hazard rates and the histogram of failures per interval.
#pragma once

#include "reliability/model/grouped_fit.h"
#include "reliability/outputs/weibull_charts.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

Plot GroupedReliabilityPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                            const LifeTable& table, bool distribution_function);
Plot GroupedProbabilityPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                            const LifeTable& table);
// The cumulative hazard -ln(1 - F) and the Q-Q plot of F at the interval ends.
Plot GroupedCumulativeHazardPlot(const shell::Request& request,
                                 const shell::WeibullSettings& settings, const LifeTable& table,
                                 bool logarithmic);
Plot GroupedQuantilePlot(const shell::Request& request, const shell::WeibullSettings& settings,
                         const LifeTable& table);
// The interval hazard rates at the midpoints beside the fitted hazard.
Plot GroupedHazardPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                       const LifeTable& table);
// The failures per interval beside the numbers the fit expects.
Plot GroupedHistogramPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                          const LifeTable& table);

}  // namespace kpa::reliability
