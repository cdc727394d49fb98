// The names of the named distributions in titles and their short column headings.
#pragma once

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

int DistributionName(shell::CapabilityDistribution code);
int DistributionShortName(shell::CapabilityDistribution code);

}  // namespace kpa::capability
