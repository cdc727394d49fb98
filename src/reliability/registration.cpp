#include "reliability/registration.h"

#include <memory>

#include "reliability/dialogs/paper_dialog.h"
#include "reliability/dialogs/results_dialogs.h"
#include "reliability/dialogs/specification_dialog.h"
#include "shell/settings/settings_block.h"

namespace kpa::reliability {
namespace {

// Variables belong to one data file; the data read from it too.
void ForgetData(shell::WeibullSettings& weibull) {
  weibull.time_variables.clear();
  weibull.current_variable = 0;
  weibull.censor_variable = 0;
  weibull.lower_variable = weibull.withdrawn_variable = weibull.failed_variable = 0;
  weibull.sample = shell::FailureSample{};
  weibull.table = shell::GroupedTable{};
  weibull.fit = shell::WeibullFit{};
  weibull.paper.time_variables.clear();
  weibull.paper.censor_variable = 0;
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  registry.Register(shell::templates::kWeibullRawSetup, shell::MakerOf<SpecificationDialog>());
  registry.Register(shell::templates::kWeibullGroupedSetup, shell::MakerOf<SpecificationDialog>());
  registry.Register(shell::templates::kWeibullResultsRaw, shell::MakerOf<WeibullResultsDialog>());
  registry.Register(shell::templates::kWeibullResultsGrouped,
                    shell::MakerOf<WeibullResultsDialog>());
  registry.Register(shell::templates::kWeibullPaper, shell::MakerOf<PaperDialog>());
  registry.AddHooks({
      .on_init =
          [](shell::SettingsBlock& settings, const std::string& data_file) {
            if (settings.weibull.data_file != data_file) ForgetData(settings.weibull);
            settings.weibull.data_file = data_file;
          },
      .on_procedure_reset = nullptr,
      .on_new_data_file = [](shell::SettingsBlock& settings) { ForgetData(settings.weibull); },
  });
}

}  // namespace kpa::reliability
