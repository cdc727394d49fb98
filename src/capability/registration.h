// The dialogs of the process-capability procedure, registered with the module.
#pragma once

#include "shell/process.h"

namespace kpa::capability {

void RegisterDialogs(shell::DialogRegistry& registry);

}  // namespace kpa::capability
