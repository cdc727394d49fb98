// The gage R&R procedure's dialogs and hooks in the module registry.
#pragma once

#include "shell/process.h"

namespace kpa::gage {

void RegisterDialogs(shell::DialogRegistry& registry);

}  // namespace kpa::gage
