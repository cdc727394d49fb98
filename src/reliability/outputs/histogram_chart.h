// The histogram of failure times (and of censored times beside them) with the fitted
// Weibull density turned into expected counts per class.
#pragma once

#include "reliability/outputs/weibull_charts.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// Sturges' number of classes for m values, 1 + log2(m) rounded up, kept within 5 to 30
// before the host's neat scale settles the class limits.
int HistogramClasses(std::int64_t values);

// `failures_only`: the censored times are left out (they always are when there are none).
Plot HistogramPlot(const shell::Request& request, const shell::WeibullSettings& settings,
                   bool failures_only);

}  // namespace kpa::reliability
