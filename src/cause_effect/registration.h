// The dialog of the cause-and-effect procedure, registered with the module.
#pragma once

#include "shell/process.h"

namespace kpa::cause_effect {

void RegisterDialogs(shell::DialogRegistry& registry);

}  // namespace kpa::cause_effect
