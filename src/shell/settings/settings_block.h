// The module-wide settings block: every setting and intermediate result of every procedure,
// kept while the module is loaded, so that a dialog closed and reopened shows what was last
// entered and a results dialog reads what its specification dialog computed. Each procedure
// owns one member struct (declared in its own header beside this one); `Initialize` writes
// every default at once by value-initialising the block.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/ids/shell_ids.h"
#include "shell/settings/capability_settings.h"
#include "shell/settings/cause_effect_settings.h"
#include "shell/settings/gage_settings.h"
#include "shell/settings/sampling_settings.h"
#include "shell/settings/weibull_settings.h"
#include "shell/steps.h"

namespace kpa::shell {

struct ShellSettings {
  ProcedureCode procedure = ProcedureCode::kSamplingPlans;
  int current_entry = kFirstStartupEntry;  // string number of the last chosen startup row
  int current_row = 0;                     // its row in the startup list
  bool pending_auto_start = false;         // post command 129 when the startup dialog opens
};

struct SettingsBlock {
  ShellSettings shell;
  SamplingSettings sampling;
  CapabilitySettings capability;
  GageSettings gage;
  WeibullSettings weibull;
  CauseEffectSettings cause_effect;
};

// The block and the result states saved from it (one copy per slot), module-wide.
struct ModuleState {
  SettingsBlock settings;
  std::vector<SettingsBlock> saved_result_states;
};

ModuleState& Module();
inline SettingsBlock& Settings() { return Module().settings; }

}  // namespace kpa::shell
