// The dialogs of the acceptance-sampling procedure, registered with the module.
#pragma once

#include "shell/process.h"

namespace kpa::sampling {

void RegisterDialogs(shell::DialogRegistry& registry);

}  // namespace kpa::sampling
