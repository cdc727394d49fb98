#include "shell/dialogs/startup_dialog.h"

#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::shell {

std::optional<int> StartupRowOf(int string_number) {
  for (std::size_t row = 0; row < kStartupRows.size(); ++row)
    if (kStartupRows[row].string_number == string_number && string_number != kSeparatorRow)
      return static_cast<int>(row);
  return std::nullopt;
}

bool IsSeparatorRow(std::int64_t row) {
  return row < 0 || row >= static_cast<std::int64_t>(kStartupRows.size()) ||
         kStartupRows[static_cast<std::size_t>(row)].string_number == kSeparatorRow;
}

Step ChooseCapabilityInput(SettingsBlock& settings, CapabilityInputMode mode) {
  const bool raw = mode == CapabilityInputMode::kRawData;
  settings.capability.input_mode = mode;
  settings.shell.procedure =
      raw ? ProcedureCode::kCapabilityRaw : ProcedureCode::kCapabilityAggregated;
  settings.shell.current_entry = raw ? kCommandRawCapability : kCommandAggregatedCapability;
  return raw ? Step::kCapabilityRawSetup : Step::kCapabilityAggregatedSetup;
}

StartupDialog::StartupDialog(CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number) {}

void StartupDialog::OnInitDialog() {
  Host().EnableStartupMenus(true);
  SelectProcedureReset();

  ShellSettings& shell = Settings().shell;
  shell.current_row = StartupRowOf(shell.current_entry).value_or(0);
  Control& list = GetControl(controls::kStartupList);
  list.items.clear();
  for (const auto& row : kStartupRows)
    list.items.push_back(row.string_number == kSeparatorRow
                             ? std::string("----")
                             : Host().ResourceString(row.string_number));
  list.value = std::int64_t{shell.current_row};
  last_list_index_ = shell.current_row;

  Module().saved_result_states.clear();

  if (shell.pending_auto_start) {
    shell.pending_auto_start = false;
    PostCommand(commands::kStartCapability);
  }
}

void StartupDialog::OnControlChanged(int id) {
  if (id != controls::kStartupList) return;
  Control& list = GetControl(controls::kStartupList);
  // A separator cannot keep the selection: the previous row stays selected.
  if (IsSeparatorRow(list.IntValue()))
    list.value = last_list_index_;
  else
    last_list_index_ = list.IntValue();
}

void StartupDialog::OnCommand(int id, int notification) {
  SettingsBlock& settings = Settings();
  switch (id) {
    case controls::kOk:
      DispatchSelectedRow();
      break;
    case controls::kCancel:
      ExitDialog(Step::kEnd, ExitMode::kBack);
      break;
    case controls::kStartupList:
      if (notification == kNotifyDoubleClick) DispatchSelectedRow();
      break;
    case kCommandRawCapability:
    case kCommandAggregatedCapability: {
      const Step setup = ChooseCapabilityInput(
          settings, id == kCommandRawCapability ? CapabilityInputMode::kRawData
                                                : CapabilityInputMode::kAggregatedData);
      RecordEntry(id);
      SelectProcedureReset();
      Forward(setup);
      break;
    }
    case kCommandGage:
      RecordEntry(id);
      settings.shell.procedure = ProcedureCode::kGage;
      SelectProcedureReset();
      if (settings.gage.mode == GageMode::kGenerateDesign)
        Forward(Step::kGageDesign);
      else if (settings.gage.mode == GageMode::kAnalyzeStudy)
        Forward(settings.gage.source == GageSource::kDataSheet ? Step::kGageAnalyzeDataSheet
                                                               : Step::kGageAnalyzeDataFile);
      break;
    case kCommandWeibull:
      RecordEntry(id);
      settings.shell.procedure = ProcedureCode::kWeibull;
      if (settings.weibull.mode == WeibullMode::kProbabilityPaper)
        settings.weibull.mode = WeibullMode::kRawData;
      Forward(Step::kWeibullSetup);
      break;
    case kCommandWeibullPaper:
      RecordEntry(id);
      settings.shell.procedure = ProcedureCode::kWeibull;
      settings.weibull.mode = WeibullMode::kProbabilityPaper;
      Forward(Step::kWeibullSetup);
      break;
    case kCommandSampling:
      RecordEntry(id);
      settings.shell.procedure = ProcedureCode::kSamplingPlans;
      Forward(Step::kSamplingSpecification);
      break;
    case kCommandCauseEffect:
      RecordEntry(id);  // the active procedure code stays as it was
      Forward(Step::kCauseEffect);
      break;
    case commands::kStartCapability:
      settings.shell.procedure = ProcedureCode::kCapabilityRaw;
      SelectProcedureReset();
      Forward(settings.capability.input_mode == CapabilityInputMode::kRawData
                  ? Step::kCapabilityRawSetup
                  : Step::kCapabilityAggregatedSetup);
      break;
    case controls::kSelectionConditions:
      Host().DefineSelectionCondition();
      break;
    case controls::kCaseWeights:
      Host().DefineWeight();
      break;
    case controls::kOpenDataFile:
      // A cancelled open changes nothing.
      if (Host().OpenDataFileDialog()) NewFileReset();
      break;
    case commands::kNewFileReset:
      NewFileReset();
      break;
    default:
      break;
  }
}

void StartupDialog::DispatchSelectedRow() {
  const std::int64_t row = GetControl(controls::kStartupList).IntValue();
  if (IsSeparatorRow(row)) return;
  OnCommand(kStartupRows[static_cast<std::size_t>(row)].string_number, kNotifyClicked);
}

void StartupDialog::RecordEntry(int string_number) {
  ShellSettings& shell = Settings().shell;
  shell.current_entry = string_number;
  shell.current_row = StartupRowOf(string_number).value_or(0);
  GetControl(controls::kStartupList).value = std::int64_t{shell.current_row};
  last_list_index_ = shell.current_row;
}

void StartupDialog::Forward(Step step) {
  Host().EnableStartupMenus(false);
  ExitDialog(step, ExitMode::kForward);
}

void StartupDialog::SelectProcedureReset() {
  Process().Registry().RunProcedureResetHooks(Settings());
  SetStatusText(Host().ResourceString(kSelectProcedureStatus));
}

void StartupDialog::NewFileReset() {
  ModuleState& module = Module();
  module.saved_result_states.clear();
  module.settings.weibull.mode = WeibullMode::kRawData;
  Process().Registry().RunNewDataFileHooks(module.settings);
  SelectProcedureReset();
}

}  // namespace kpa::shell
