#include "automation/module.h"

#include "capability/registration.h"
#include "cause_effect/registration.h"
#include "gage/registration.h"
#include "reliability/registration.h"
#include "sampling/registration.h"

namespace kpa::automation {

const shell::DialogRegistry& ModuleDialogs() {
  static const shell::DialogRegistry registry = [] {
    shell::DialogRegistry made = shell::ShellDialogs();
    sampling::RegisterDialogs(made);
    capability::RegisterDialogs(made);
    gage::RegisterDialogs(made);
    reliability::RegisterDialogs(made);
    cause_effect::RegisterDialogs(made);
    return made;
  }();
  return registry;
}

std::unique_ptr<shell::CProcess> Zqa6NewAnalysis(host::Host& host) {
  return shell::NewAnalysis(host, ModuleDialogs());
}

}  // namespace kpa::automation
