#include "capability/registration.h"

#include <memory>

#include "capability/dialogs/results_dialog.h"
#include "capability/dialogs/setup_dialog.h"
#include "shell/settings/settings_block.h"
#include "shell/steps.h"

namespace kpa::capability {
namespace {

// Clears the per-run records; the specifications and setup stay.
void ClearCapabilityRunRecords(shell::CapabilitySettings& settings) {
  settings.runs.clear();
  settings.current_run = 0;
}

// A new data file: variable numbers, codes and specifications no longer apply.
void ResetCapabilityForNewFile(shell::CapabilitySettings& settings) {
  ClearCapabilityRunRecords(settings);
  settings.variables.clear();
  settings.grouping_variable = 0;
  settings.codes.clear();
  settings.aggregated_variables = {};
  settings.specifications.clear();
  settings.specification_undefined = true;
}

// Variable numbers of another data file no longer apply: reset when the file changed.
void ResetCapabilityIfFileChanged(shell::CapabilitySettings& settings, const std::string& file) {
  if (settings.data_file != file) ResetCapabilityForNewFile(settings);
  settings.data_file = file;
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  namespace t = shell::templates;
  registry.Register(t::kCapabilityRawSetup, shell::MakerOf<RawSetupDialog>());
  registry.Register(t::kCapabilityAggregatedSetup, shell::MakerOf<AggregatedSetupDialog>());
  registry.Register(t::kCapabilityResults, shell::MakerOf<RawResultsDialog>());
  registry.Register(t::kCapabilityAggregatedResults, shell::MakerOf<AggregatedResultsDialog>());
  registry.Register(t::kCapabilityResultsOneParameter, shell::MakerOf<NamedResultsDialog>());
  registry.Register(t::kCapabilityResultsTwoParameters, shell::MakerOf<NamedResultsDialog>());
  // Run records belong to one analysis; variable numbers, codes and specifications to one
  // data file.
  registry.AddHooks({
      .on_init =
          [](shell::SettingsBlock& settings, const std::string& data_file) {
            ClearCapabilityRunRecords(settings.capability);
            ResetCapabilityIfFileChanged(settings.capability, data_file);
          },
      .on_procedure_reset =
          [](shell::SettingsBlock& settings) { ClearCapabilityRunRecords(settings.capability); },
      .on_new_data_file =
          [](shell::SettingsBlock& settings) { ResetCapabilityForNewFile(settings.capability); },
  });
}

}  // namespace kpa::capability
