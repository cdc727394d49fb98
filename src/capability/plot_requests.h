// The plot requests of capability analysis: the summary histograms (request 6 with the
// normal law, or the fitted distribution in its results dialogs; request 62 with the Johnson
// curve), the Q-Q and P-P plots (71 and 72 against the normal law or the fitted
// distribution, 73 and 74 against the Johnson curve) and the normal probability plot of the
// fitted distributions' dialogs (7).
#pragma once

#include "capability/requests.h"

namespace kpa::capability {

[[nodiscard]] RequestStatus SummaryHistogram(RequestContext& context);
[[nodiscard]] RequestStatus NonNormalHistogram(RequestContext& context);
[[nodiscard]] RequestStatus QuantileQuantilePlot(RequestContext& context);
[[nodiscard]] RequestStatus ProbabilityProbabilityPlot(RequestContext& context);
[[nodiscard]] RequestStatus NonNormalQuantilePlot(RequestContext& context);
[[nodiscard]] RequestStatus NonNormalProbabilityPlot(RequestContext& context);
[[nodiscard]] RequestStatus NormalProbabilityPlot(RequestContext& context);

}  // namespace kpa::capability
