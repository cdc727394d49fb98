// The startup dialog (step 101): the list of the seven procedures with its separators, the
// commands that start each procedure, open another data file, or set the host's case
// selection and case weights.
#pragma once

#include <array>
#include <optional>

#include "shell/dialogs/dialog.h"

namespace kpa::shell {

// Rows of the startup list: the string number (also the row's command), the icon of the
// host's list image set. A row's automation value (`ProMethod`) is its row number.
struct StartupRow {
  int string_number;
  int icon;
};

inline constexpr int kSeparatorString = 7424;
inline constexpr int kStartupList = 131;
inline constexpr int kCommandRawCapability = 413;
inline constexpr int kCommandAggregatedCapability = 414;
inline constexpr int kCommandGage = 130;
inline constexpr int kCommandWeibull = 292;
inline constexpr int kCommandWeibullPaper = 399;
inline constexpr int kCommandSampling = 128;
inline constexpr int kCommandCauseEffect = 418;
inline constexpr int kCommandStartCapability = 129;
inline constexpr int kCommandOpenFile = 216;
inline constexpr int kCommandNewFileReset = 217;
inline constexpr int kSelectProcedureStatus = 14197;

inline constexpr std::array<StartupRow, 10> kStartupRows = {{
    {kCommandRawCapability, 129},
    {kCommandAggregatedCapability, 129},
    {kSeparatorString, 319},
    {kCommandGage, 130},
    {kCommandWeibull, 351},
    {kCommandWeibullPaper, 351},
    {kSeparatorString, 319},
    {kCommandSampling, 128},
    {kSeparatorString, 319},
    {kCommandCauseEffect, 695},
}};

// The row that holds a string number, if any.
std::optional<int> StartupRowOf(int string_number);
bool IsSeparatorRow(std::int64_t row);

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
