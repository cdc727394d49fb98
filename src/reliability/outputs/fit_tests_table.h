// The goodness-of-fit spreadsheet of the current Weibull fit: Hollander-Proschan,
// Mann-Scheuer-Fertig and Anderson-Darling, each with its statistic and its p value or p
// range (marked when below 0.05).
#pragma once

#include "reliability/model/failure_orders.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

enum class FitTestsOutcome { kShown, kNotShown, kBadParameters, kNothingComputable };

[[nodiscard]] FitTestsOutcome ShowFitTestsTable(shell::Request& request,
                                                const shell::WeibullSettings& settings,
                                                const FailureOrders& orders);

}  // namespace kpa::reliability
