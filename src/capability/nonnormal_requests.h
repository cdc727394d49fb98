// The percentile requests of capability analysis: the indices of the general non-normal fit
// (normal, Johnson and Pearson columns, request 31), those of a named distribution (normal
// and fitted columns, request 3 in its results dialogs) and the summaries of all variables.
#pragma once

#include "capability/requests.h"

namespace kpa::capability {

// The Johnson curve of request 0 for a raw-data variable with spread.
void FitGeneralNonNormal(shell::CapabilityState& state);

[[nodiscard]] RequestStatus GeneralNonNormalIndices(RequestContext& context);
[[nodiscard]] RequestStatus NamedDistributionIndices(RequestContext& context);

// One table of the Johnson (or, with `named`, the fitted) column of every variable.
[[nodiscard]] RequestStatus SummarizePercentileIndices(shell::Request& request,
                                                       shell::CapabilitySettings& settings,
                                                       bool named);

// The fitted law in use: the estimates with the user's parameters where their switches are
// on.
[[nodiscard]] std::optional<shell::NamedFit> FitInUse(const shell::CapabilityVariableRun& run);

// The name of a named distribution (titles) and its short column heading.
int DistributionName(shell::CapabilityDistribution code);
int DistributionShortName(shell::CapabilityDistribution code);

}  // namespace kpa::capability
