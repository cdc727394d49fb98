// The graphs of grouped data kept as a life table: the observed survival (or distribution
// function) at the interval starts beside the fitted curve, and the probability plot of the
// observed distribution function at the interval ends.
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

}  // namespace kpa::reliability
