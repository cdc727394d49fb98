// The frequency-table requests of capability analysis: request 2 (the normal law, or the
// fitted distribution in its results dialogs) and request 21 (the general non-normal fit),
// with the categories and the model laws the histograms and probability plots share.
#pragma once

#include <span>
#include <vector>

#include "capability/model/model_law.h"
#include "capability/requests.h"

namespace kpa::capability {

[[nodiscard]] RequestStatus FrequencyTableRequest(RequestContext& context);
[[nodiscard]] RequestStatus NonNormalFrequencyTableRequest(RequestContext& context);

// The categories of a run's frequency fields: the upper bounds of all categories but the
// last (which is open above), their width, and the count of the sorted observations in each.
struct CategoryCounts {
  std::vector<double> bounds;
  double width = 1.0;
  std::vector<double> observed;
};
[[nodiscard]] CategoryCounts CountCategories(const shell::Request& request,
                                             const shell::CapabilityVariableRun& run,
                                             std::span<const double> sorted);

// Whether the law can serve the run: the Johnson curve only when request 0 fitted one; else
// its message is shown.
[[nodiscard]] bool LawUsable(shell::Request& request, const shell::CapabilityVariableRun& run,
                             LawKind kind);

// The law of `kind` for a run: the normal law of mu and sigmaTotal, the run's Johnson curve,
// or its fitted distribution in use (the normal law when it has none).
[[nodiscard]] ModelLaw LawOf(const shell::CapabilityVariableRun& run, LawKind kind);

}  // namespace kpa::capability
