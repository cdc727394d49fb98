#include "capability/registration.h"

#include <memory>

#include "capability/dialogs/results_dialog.h"
#include "capability/dialogs/setup_dialog.h"
#include "shell/steps.h"

namespace kpa::capability {
namespace {

template <typename Dialog>
shell::DialogMaker Maker() {
  return [](shell::CProcess& process, int number) -> shell::DialogPtr {
    return std::make_shared<Dialog>(process, number);
  };
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  namespace t = shell::templates;
  registry.Register(t::kCapabilityRawSetup, Maker<RawSetupDialog>());
  registry.Register(t::kCapabilityAggregatedSetup, Maker<AggregatedSetupDialog>());
  registry.Register(t::kCapabilityResults, Maker<RawResultsDialog>());
  registry.Register(t::kCapabilityAggregatedResults, Maker<AggregatedResultsDialog>());
}

}  // namespace kpa::capability
