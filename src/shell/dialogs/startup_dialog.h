// The startup dialog (step 101): the list of the seven procedures with its separators, the
// commands that start each procedure, open another data file, or set the host's case
// selection and case weights.
#pragma once

#include <array>
#include <optional>

#include "resources/ids/shell_ids.h"
#include "shell/dialogs/dialog.h"
#include "shell/settings/settings_block.h"

namespace kpa::shell {

// Rows of the startup list: the string number (also the row's command), the icon of the
// host's list image set. A row's automation value (`ProMethod`) is its row number.
struct StartupRow {
  int string_number;
  int icon;
};

// The marker of a separator row: it starts nothing, has no text and cannot keep the selection.
inline constexpr int kSeparatorRow = 7424;

inline constexpr std::array<StartupRow, 10> kStartupRows = {{
    {kCommandRawCapability, 129},
    {kCommandAggregatedCapability, 129},
    {kSeparatorRow, 319},
    {kCommandGage, 130},
    {kCommandWeibull, 351},
    {kCommandWeibullPaper, 351},
    {kSeparatorRow, 319},
    {kCommandSampling, 128},
    {kSeparatorRow, 319},
    {kCommandCauseEffect, 695},
}};

// The row that holds a string number, if any.
std::optional<int> StartupRowOf(int string_number);
bool IsSeparatorRow(std::int64_t row);

// What choosing a capability input form sets, from the startup list or by switching setups:
// the active procedure, the input mode and the startup entry of that form. Returns the
// form's setup step.
Step ChooseCapabilityInput(SettingsBlock& settings, CapabilityInputMode mode);

class StartupDialog : public CAnalysisModelessDialog {
 public:
  StartupDialog(CProcess& process, int template_number);

 protected:
  void OnInitDialog() override;
  void OnCommand(int id, int notification) override;
  void OnControlChanged(int id) override;

 private:
  void DispatchSelectedRow();
  void RecordEntry(int string_number);
  void Forward(Step step);
  void SelectProcedureReset();
  void NewFileReset();

  std::int64_t last_list_index_ = 0;
};

}  // namespace kpa::shell
