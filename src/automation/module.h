// The module assembled: every procedure's dialogs registered on top of the shell's, and the
// factory that the host calls for each process analysis it opens.
#pragma once

#include <memory>

#include "host/api/host.h"
#include "shell/process.h"

namespace kpa::automation {

const shell::DialogRegistry& ModuleDialogs();

// The module's factory: one new analysis on the host (not yet started).
std::unique_ptr<shell::CProcess> Zqa6NewAnalysis(host::Host& host);

}  // namespace kpa::automation
