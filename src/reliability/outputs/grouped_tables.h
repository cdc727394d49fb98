// The result spreadsheets of grouped data kept as a life table: the life table itself, the
// observed reliability and distribution function beside the fitted ones, and the hazard of
// the current parameters at each interval. Cells an interval does not have (the width-based
// ones of the open last interval) stay empty.
#pragma once

#include "reliability/model/grouped_fit.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// The life table of the settings' grouped data at the current location.
LifeTable CurrentLifeTable(const shell::WeibullSettings& settings);

bool ShowLifeTable(shell::Request& request, const shell::WeibullSettings& settings,
                   const LifeTable& table);
bool ShowGroupedReliabilityTable(shell::Request& request, const shell::WeibullSettings& settings,
                                 const LifeTable& table);
bool ShowGroupedHazardTable(shell::Request& request, const shell::WeibullSettings& settings,
                            const LifeTable& table);

}  // namespace kpa::reliability
