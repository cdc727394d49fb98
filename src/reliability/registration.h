// The Weibull procedure's dialogs and hooks in the module registry.
#pragma once

#include "shell/process.h"

namespace kpa::reliability {

void RegisterDialogs(shell::DialogRegistry& registry);

}  // namespace kpa::reliability
