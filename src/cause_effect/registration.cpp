#include "cause_effect/registration.h"

#include <algorithm>
#include <memory>
#include <string>

#include "cause_effect/dialogs/diagram_dialog.h"
#include "resources/ids/cause_effect_strings.h"
#include "resources/string_table.h"
#include "shell/settings/settings_block.h"

namespace kpa::cause_effect {
namespace {

// The title's first line has its default text until a title is given.
void SetDefaultTitle(shell::CauseEffectSettings& settings) {
  if (std::all_of(settings.title.begin(), settings.title.end(),
                  [](const std::string& line) { return line.empty(); }))
    settings.title[0] = std::string(resources::ResourceText(strings::kDefaultTitle));
}

// Variable numbers belong to one data file.
void ForgetVariables(shell::CauseEffectSettings& settings) {
  settings.above.clear();
  settings.below.clear();
}

}  // namespace

void RegisterDialogs(shell::DialogRegistry& registry) {
  registry.Register(shell::templates::kCauseEffect, shell::MakerOf<DiagramDialog>());
  registry.AddHooks({
      .on_init =
          [](shell::SettingsBlock& settings, const std::string& data_file) {
            SetDefaultTitle(settings.cause_effect);
            if (settings.cause_effect.data_file != data_file)
              ForgetVariables(settings.cause_effect);
            settings.cause_effect.data_file = data_file;
          },
      .on_procedure_reset = nullptr,
      .on_new_data_file =
          [](shell::SettingsBlock& settings) { ForgetVariables(settings.cause_effect); },
  });
}

}  // namespace kpa::cause_effect
