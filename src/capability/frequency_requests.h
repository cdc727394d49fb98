// The frequency-table requests of capability analysis: request 2 (the normal law, or the
// fitted distribution in its results dialogs) and request 21 (the general non-normal fit).
#pragma once

#include "capability/requests.h"

namespace kpa::capability {

[[nodiscard]] RequestStatus FrequencyTableRequest(RequestContext& context);
[[nodiscard]] RequestStatus NonNormalFrequencyTableRequest(RequestContext& context);

}  // namespace kpa::capability
