// The result spreadsheets of the Weibull procedure: the parameter summary, the reliability
// table (rank-based or maximum likelihood), the hazard table and the percentiles. Tables
// whose rows are cases list them in time order and are split over several spreadsheets of
// at most kRowsPerTable rows, each with the full titles.
#pragma once

#include "reliability/model/failure_orders.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// The host keeps a table's row labels in at most 65535 bytes: 5000 labels of 12 characters
// fit with room to spare.
inline constexpr int kRowsPerTable = 5000;

// The maximum-likelihood version of a result applies: its option is chosen and the
// parameters were estimated rather than given.
bool UsesMaximumLikelihood(const shell::WeibullSettings& settings);

bool ShowSummaryTable(shell::Request& request, const shell::WeibullSettings& settings);
bool ShowReliabilityTable(shell::Request& request, const shell::WeibullSettings& settings,
                          const FailureOrders& orders);
bool ShowHazardTable(shell::Request& request, const shell::WeibullSettings& settings,
                     const FailureOrders& orders);
bool ShowPercentileTable(shell::Request& request, const shell::WeibullSettings& settings);
// Counts, means, standard deviations, minima and maxima of censored, failed and all cases.
bool ShowDescriptiveTable(shell::Request& request, const shell::WeibullSettings& settings);

}  // namespace kpa::reliability
