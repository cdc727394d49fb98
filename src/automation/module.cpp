#include "automation/module.h"

namespace kpa::automation {

const shell::DialogRegistry& ModuleDialogs() {
  // Procedures register their dialogs here as they are built.
  static const shell::DialogRegistry registry = shell::ShellDialogs();
  return registry;
}

std::unique_ptr<shell::CProcess> Zqa6NewAnalysis(host::Host& host) {
  return shell::NewAnalysis(host, ModuleDialogs());
}

}  // namespace kpa::automation
