#include "gage/registration.h"

#include <memory>

#include "gage/dialogs/results_dialogs.h"
#include "gage/dialogs/specification_dialog.h"
#include "shell/settings/settings_block.h"

namespace kpa::gage {
namespace {

// Variables and codes belong to one data file; the study read from it too.
void ForgetData(shell::GageSettings& gage) {
  gage.operator_variable = gage.part_variable = gage.trial_variable = gage.measure_variable = 0;
  gage.operator_codes.clear();
  gage.part_codes.clear();
  gage.trial_codes.clear();
  gage.sheet_variables.clear();
  gage.measurements.clear();
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  registry.Register(shell::templates::kGageDesign, shell::MakerOf<SpecificationDialog>());
  registry.Register(shell::templates::kGageAnalyzeDataFile, shell::MakerOf<SpecificationDialog>());
  registry.Register(shell::templates::kGageAnalyzeDataSheet, shell::MakerOf<SpecificationDialog>());
  registry.Register(shell::templates::kGageDesignResults, shell::MakerOf<DesignResultsDialog>());
  registry.Register(shell::templates::kGageAnalysisResults,
                    shell::MakerOf<AnalysisResultsDialog>());
  registry.AddHooks({
      .on_init =
          [](shell::SettingsBlock& settings, const std::string& data_file) {
            if (settings.gage.data_file != data_file) ForgetData(settings.gage);
            settings.gage.data_file = data_file;
          },
      .on_procedure_reset = nullptr,
      .on_new_data_file = [](shell::SettingsBlock& settings) { ForgetData(settings.gage); },
  });
}

}  // namespace kpa::gage
