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

template <typename DialogType>
void RegisterDialog(shell::DialogRegistry& registry, int template_number) {
  registry.Register(template_number, [](shell::CProcess& process, int number) -> shell::DialogPtr {
    return std::make_shared<DialogType>(process, number);
  });
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  RegisterDialog<SpecificationDialog>(registry, shell::templates::kGageDesign);
  RegisterDialog<SpecificationDialog>(registry, shell::templates::kGageAnalyzeDataFile);
  RegisterDialog<SpecificationDialog>(registry, shell::templates::kGageAnalyzeDataSheet);
  RegisterDialog<DesignResultsDialog>(registry, shell::templates::kGageDesignResults);
  RegisterDialog<AnalysisResultsDialog>(registry, shell::templates::kGageAnalysisResults);
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
