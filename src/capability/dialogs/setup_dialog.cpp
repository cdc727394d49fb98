#include "capability/dialogs/setup_dialog.h"
#include "capability/nonnormal_requests.h"

#include <cmath>

#include "capability/data/data_pass.h"
#include "capability/dialogs/validation.h"
#include "capability/requests.h"
#include "capability/specifications/spec_record.h"
#include "capability/specifications/spec_string.h"
#include "host/api/special_values.h"
#include "resources/ids/capability_controls.h"
#include "resources/ids/capability_strings.h"
#include "shell/dialogs/startup_dialog.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::capability {
namespace {

namespace c = controls;
using shell::CapabilitySettings;
using shell::GroupingMode;
using shell::SigmaMethod;

constexpr std::int64_t kMaxSampleSize = 99999;

constexpr int kDistributionRadios[] = {c::kBeta,     c::kExponential, c::kExtremeValue,
                                       c::kGamma,    c::kLogNormal,   c::kNormalAndGeneral,
                                       c::kRayleigh, c::kWeibull};
constexpr shell::CapabilityDistribution kDistributions[] = {
    shell::CapabilityDistribution::kBeta,         shell::CapabilityDistribution::kExponential,
    shell::CapabilityDistribution::kExtremeValue, shell::CapabilityDistribution::kGamma,
    shell::CapabilityDistribution::kLogNormal,    shell::CapabilityDistribution::kNormalAndGeneral,
    shell::CapabilityDistribution::kRayleigh,     shell::CapabilityDistribution::kWeibull};
constexpr int kOffsetFields[] = {c::kBetaOffset,      c::kExponentialOffset, c::kGammaOffset,
                                 c::kLogNormalOffset, c::kRayleighOffset,    c::kWeibullOffset};

CapabilitySettings& Capability() { return shell::Settings().capability; }

}  // namespace

// --- Specifications, shared by both setup dialogs.

std::string SetupDialogBase::SpecificationsText() const {
  const CapabilitySettings& settings = Capability();
  if (settings.specification_undefined) return "";
  return FormatSpecificationString(SpecificationVariables(), settings.specifications, NewRequest());
}

SpecWriteResult SetupDialogBase::WriteSpecificationsText(const std::string& text) {
  const std::vector<int> variables = SpecificationVariables();
  const ParsedSpecifications parsed = ParseSpecificationString(text, variables, NewRequest());
  if (parsed.error != SpecStringError::kNone)
    return {SpecWriteResult::Outcome::kSyntaxError, parsed.detail};
  CapabilitySettings& settings = Capability();
  // Records rebuilt before a refused entry keep their new values.
  for (const auto& [variable, entry] : parsed.entries) {
    auto record = RecordFromEntry(entry);
    if (!record) return {SpecWriteResult::Outcome::kRefused, Text(strings::kSpecLimitsIncorrect)};
    if (!CompleteSpecRecord(*record)) {
      Message(strings::kSpecsIncorrect);
      return {SpecWriteResult::Outcome::kIncomplete, Text(strings::kSpecsIncorrect)};
    }
    if (const auto out_of_range = SpecificationOutOfRange(*record)) {
      Message(*out_of_range);
      return {SpecWriteResult::Outcome::kIncomplete, Text(*out_of_range)};
    }
    settings.specifications[variable] = *record;
  }
  settings.specification_undefined = false;
  RefreshSpecificationDisplay();
  return {};
}

bool SetupDialogBase::EditSpecifications() {
  CapabilitySettings& settings = Capability();
  const std::string caption = Text(strings::kEditorTitle1);
  const int headers[] = {strings::kEditorNominal, strings::kEditorDelta, strings::kEditorLsl,
                         strings::kEditorUsl};
  bool all = true;
  for (const int variable : SpecificationVariables()) {
    const shell::ProcessSpecRecord& old = settings.specifications[variable];
    const std::optional<double> shown[] = {
        old.nominal, old.type == shell::ProcessType::kNominalDelta ? old.delta : std::nullopt,
        old.type == shell::ProcessType::kLowerNominalUpper ||
                old.type == shell::ProcessType::kLowerNominal
            ? old.lower
            : std::nullopt,
        old.type == shell::ProcessType::kLowerNominalUpper ||
                old.type == shell::ProcessType::kNominalUpper
            ? old.upper
            : std::nullopt};
    // An empty cell opens with the missing marker and an answer that is still a missing
    // marker stays empty: a cell accepted as shown must not turn into a limit at 0.
    std::optional<double> cells[4];
    for (int i = 0; i < 4; ++i) {
      cells[i] = Host().AskNumber(caption, Host().VariableName(variable) + " : " + Text(headers[i]),
                                  shown[i].value_or(host::kMissing));
      if (cells[i] && (host::IsSpecialValue(*cells[i]) || std::isnan(*cells[i]))) cells[i].reset();
    }
    auto record = RecordFromEntry({cells[0], cells[1], cells[2], cells[3]});
    if (!record || !CompleteSpecRecord(*record)) {
      Message(strings::kSpecLimitsIncorrect);
      all = false;
      break;
    }
    if (const auto out_of_range = SpecificationOutOfRange(*record)) {
      Message(*out_of_range);
      all = false;
      break;
    }
    settings.specifications[variable] = *record;
    settings.specification_undefined = false;
  }
  RefreshSpecificationDisplay();
  return all;
}

bool SetupDialogBase::SpecificationsComplete(std::span<const int> variables) {
  const CapabilitySettings& settings = Capability();
  for (const int variable : variables) {
    const auto it = settings.specifications.find(variable);
    if (it != settings.specifications.end() && IsCompleteSpecRecord(it->second)) continue;
    if (Host().RunningFromScript()) {
      Message(strings::kSpecsIncorrect);
      return false;
    }
    return EditSpecifications();
  }
  return true;
}

void SetupDialogBase::RefreshSpecificationDisplay() {
  const CapabilitySettings& settings = Capability();
  const std::vector<int> variables = SpecificationVariables();
  std::string caption = Text(strings::kNoneDefined);
  if (!settings.specification_undefined && !variables.empty()) {
    if (variables.size() == 1) {
      const auto it = settings.specifications.find(variables.front());
      if (it != settings.specifications.end())
        caption = SpecificationText(it->second, NewRequest());
    } else {
      caption = Text(strings::kDefinedForAll);
    }
  }
  GetControl(c::kSpecifications).value = caption;
}

void SetupDialogBase::SetRadio(int id) {
  shell::Control& chosen = GetControl(id);
  for (const auto& control : Controls())
    if (control.kind == shell::ControlKind::kRadioButton &&
        control.radio_group == chosen.radio_group)
      GetControl(control.id).value = std::int64_t{0};
  chosen.value = std::int64_t{1};
}

int SetupDialogBase::CheckedRadio(std::initializer_list<int> ids) const {
  for (const int id : ids)
    if (const auto* control = FindControl(id); control && control->IntValue() != 0) return id;
  return *ids.begin();
}

void SetupDialogBase::InitRadioGroup(std::initializer_list<int> ids, int group) {
  for (const int id : ids) {
    GetControl(id).radio_group = group;
    GetControl(id).value = std::int64_t{0};
  }
}

SigmaMethod SetupDialogBase::SigmaMethodFromRadios() const {
  switch (CheckedRadio({c::kSigmaFromRanges, c::kSigmaFromStdDevs, c::kSigmaFromVariances})) {
    case c::kSigmaFromStdDevs:
      return SigmaMethod::kStandardDeviations;
    case c::kSigmaFromVariances:
      return SigmaMethod::kVariances;
    default:
      return SigmaMethod::kRanges;
  }
}

void SetupDialogBase::ShowSigmaMethod(SigmaMethod method) {
  SetRadio(method == SigmaMethod::kStandardDeviations ? c::kSigmaFromStdDevs
           : method == SigmaMethod::kVariances        ? c::kSigmaFromVariances
                                                      : c::kSigmaFromRanges);
}

// --- Raw data.

std::vector<int> RawSetupDialog::SpecificationVariables() const {
  const shell::Control* list = FindControl(c::kVariables);
  return list ? list->VariablesAt(0) : std::vector<int>{};
}

void RawSetupDialog::OnInitDialog() {
  const CapabilitySettings& settings = Capability();
  shell::NumberLists lists(2);
  for (const int v : settings.variables) lists[0].push_back(v);
  if (settings.grouping_variable != 0) lists[1].push_back(settings.grouping_variable);
  GetControl(c::kVariables).value = lists;
  InitRadioGroup({c::kNoGrouping, c::kConstantSampleSize, c::kGroupingVariable}, 1);
  InitRadioGroup({c::kSigmaFromRanges, c::kSigmaFromStdDevs, c::kSigmaFromVariances}, 2);
  InitRadioGroup({c::kBeta, c::kExponential, c::kExtremeValue, c::kGamma, c::kLogNormal,
                  c::kNormalAndGeneral, c::kRayleigh, c::kWeibull},
                 3);
  SetRadio(settings.grouping == GroupingMode::kConstantSampleSize ? c::kConstantSampleSize
           : settings.grouping == GroupingMode::kGroupingVariable ? c::kGroupingVariable
                                                                  : c::kNoGrouping);
  GetControl(c::kSampleSize).value = settings.constant_sample_size;
  GetControl(c::kCodes).value = shell::NumberLists{settings.codes};
  GetControl(c::kSelectAllCodes).value = std::int64_t{settings.select_all_codes};
  GetControl(c::kCodesInFileOrder).value = std::int64_t{settings.keep_codes_in_file_order};
  ShowSigmaMethod(settings.sigma_method);
  for (std::size_t i = 0; i < std::size(kDistributions); ++i)
    if (kDistributions[i] == settings.distribution) SetRadio(kDistributionRadios[i]);
  for (std::size_t i = 0; i < std::size(kOffsetFields); ++i)
    GetControl(kOffsetFields[i]).value = settings.offsets[i];
  GetControl(c::kBetaScale).value = settings.beta_scale;
  RefreshSpecificationDisplay();
  UpdateEnabling();
}

void RawSetupDialog::UpdateEnabling() {
  const int grouping = CheckedRadio({c::kNoGrouping, c::kConstantSampleSize, c::kGroupingVariable});
  const bool grouped = grouping != c::kNoGrouping;
  for (const int id : {c::kSigmaFromRanges, c::kSigmaFromStdDevs, c::kSigmaFromVariances})
    GetControl(id).enabled = grouped;
  GetControl(c::kSampleSize).enabled = grouping == c::kConstantSampleSize;
  for (const int id : {c::kCodes, c::kSelectAllCodes, c::kCodesInFileOrder})
    GetControl(id).enabled = grouping == c::kGroupingVariable;
  int caption = strings::kSigmaCaptionOverall;
  if (grouped) {
    switch (SigmaMethodFromRadios()) {
      case SigmaMethod::kRanges:
        caption = strings::kSigmaCaptionRanges;
        break;
      case SigmaMethod::kStandardDeviations:
        caption = strings::kSigmaCaptionStdDevs;
        break;
      case SigmaMethod::kVariances:
        caption = strings::kSigmaCaptionVariances;
        break;
    }
  }
  GetControl(c::kSigmaCaption).value = Text(caption);
  const auto* codes = std::get_if<shell::NumberLists>(&GetControl(c::kCodes).value);
  const std::size_t count = codes && !codes->empty() ? codes->front().size() : 0;
  GetControl(c::kCodesCaption).value = count == 0
                                           ? Text(strings::kNoneDefined)
                                           : std::to_string(count) + Text(strings::kSamplesSuffix);
}

void RawSetupDialog::OnControlChanged(int id) {
  if (id == c::kVariables) RefreshSpecificationDisplay();
  UpdateEnabling();
}

void RawSetupDialog::StoreControls() {
  CapabilitySettings& settings = Capability();
  settings.input_mode = shell::CapabilityInputMode::kRawData;
  const shell::Control& list = GetControl(c::kVariables);
  settings.variables = list.VariablesAt(0);
  const std::vector<int> grouping = list.VariablesAt(1);
  settings.grouping_variable = grouping.empty() ? 0 : grouping.front();
  switch (CheckedRadio({c::kNoGrouping, c::kConstantSampleSize, c::kGroupingVariable})) {
    case c::kConstantSampleSize:
      settings.grouping = GroupingMode::kConstantSampleSize;
      break;
    case c::kGroupingVariable:
      settings.grouping = GroupingMode::kGroupingVariable;
      break;
    default:
      settings.grouping = GroupingMode::kNone;
      break;
  }
  const auto* codes = std::get_if<shell::NumberLists>(&GetControl(c::kCodes).value);
  settings.codes = codes && !codes->empty() ? codes->front() : std::vector<double>{};
  settings.select_all_codes = GetControl(c::kSelectAllCodes).IntValue() != 0;
  settings.keep_codes_in_file_order = GetControl(c::kCodesInFileOrder).IntValue() != 0;
  settings.sigma_method = SigmaMethodFromRadios();
  const int distribution =
      CheckedRadio({c::kBeta, c::kExponential, c::kExtremeValue, c::kGamma, c::kLogNormal,
                    c::kNormalAndGeneral, c::kRayleigh, c::kWeibull});
  for (std::size_t i = 0; i < std::size(kDistributions); ++i)
    if (kDistributionRadios[i] == distribution) settings.distribution = kDistributions[i];
  for (std::size_t i = 0; i < std::size(kOffsetFields); ++i)
    settings.offsets[i] = GetControl(kOffsetFields[i]).RealValue();
}

void SetupDialogBase::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case shell::controls::kOk:
      RunOk();
      break;
    case shell::controls::kCancel:
      StoreControls();
      ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
      break;
    case c::kSpecifications:
      StoreControls();
      (void)EditSpecifications();
      break;
    default:
      break;
  }
}

bool SetupDialogBase::OnSwitchToSibling() {
  StoreControls();
  shell::SettingsBlock& settings = shell::Settings();
  const shell::Step sibling = shell::ChooseCapabilityInput(
      settings, settings.capability.input_mode == shell::CapabilityInputMode::kRawData
                    ? shell::CapabilityInputMode::kAggregatedData
                    : shell::CapabilityInputMode::kRawData);
  ExitDialog(sibling, shell::ExitMode::kSwitchSibling, shell::controls::kTabControl);
  return true;
}

void RawSetupDialog::OnCommand(int id, int notification) {
  if (id == c::kFitAllDistributions)
    ShowFitOfAllDistributions();
  else
    SetupDialogBase::OnCommand(id, notification);
}

void RawSetupDialog::ShowFitOfAllDistributions() {
  StoreControls();
  CapabilitySettings& settings = Capability();
  if (settings.variables.empty() ||
      (settings.grouping == GroupingMode::kGroupingVariable && settings.grouping_variable == 0)) {
    Message(strings::kSelectVariables);
    RecordRequestStatus(RequestStatus::kFailed);
    return;
  }
  RequestStatus status = RequestStatus::kDone;
  for (const int variable : settings.variables) {
    shell::CapabilityVariableRun run;
    run.variable = variable;
    shell::Request request = NewRequest();
    if (ReadRunData(request, settings, run) != PassStatus::kOk) {
      status = RequestStatus::kFailed;
      break;
    }
    status = FitAllDistributions(request, settings, run);
    if (status != RequestStatus::kDone) break;
  }
  RecordRequestStatus(status);
}

void RawSetupDialog::RunOk() {
  StoreControls();
  CapabilitySettings& settings = Capability();
  if (settings.variables.empty() ||
      (settings.grouping == GroupingMode::kGroupingVariable && settings.grouping_variable == 0)) {
    Message(strings::kSelectVariables);
    return;
  }
  if (settings.grouping == GroupingMode::kGroupingVariable && settings.codes.empty() &&
      !settings.select_all_codes) {
    Message(strings::kSelectCodes);
    return;
  }
  if (!SpecificationsComplete(settings.variables)) return;
  for (const int variable : settings.variables) WarnIfTextCoded(variable);
  const std::int64_t size = GetControl(c::kSampleSize).IntValue();
  if (settings.grouping == GroupingMode::kConstantSampleSize &&
      (size < 1 || size > kMaxSampleSize)) {
    Message(strings::kBadSampleSize);
    GetControl(c::kSampleSize).value = settings.constant_sample_size;
    return;
  }
  if (settings.grouping == GroupingMode::kConstantSampleSize) settings.constant_sample_size = size;
  const double scale = GetControl(c::kBetaScale).RealValue();
  if (!(scale > 0.0)) {
    Message(strings::kBadBetaScale);
    GetControl(c::kBetaScale).value = 1.0;
  }
  settings.beta_scale = scale > 0.0 ? scale : 1.0;
  if (settings.grouping == GroupingMode::kGroupingVariable && settings.select_all_codes) {
    shell::Request request = NewRequest();
    CollectedCodes collected =
        CollectAllCodes(request, settings.grouping_variable, settings.keep_codes_in_file_order);
    // Codes from an unfinished pass would silently drop samples: OK is refused instead (a
    // cancel is said when the request ends).
    if (collected.end == shell::CaseLoopEnd::kReadFailure)
      request.Message(shell::kStringReadFailure);
    if (collected.end == shell::CaseLoopEnd::kReadFailure ||
        collected.end == shell::CaseLoopEnd::kCancelled)
      return;
    if (collected.truncated) Message(strings::kTooManyCodes);
    if (collected.codes.empty()) {
      Message(strings::kNoCodes);
      return;
    }
    settings.codes = std::move(collected.codes);
    GetControl(c::kCodes).value = shell::NumberLists{settings.codes};
  }
  if (settings.grouping == GroupingMode::kConstantSampleSize &&
      settings.constant_sample_size == 1 && settings.sigma_method != SigmaMethod::kRanges) {
    Message(strings::kMovingRangesNote);
    settings.sigma_method = SigmaMethod::kRanges;
    ShowSigmaMethod(SigmaMethod::kRanges);
  }
  UpdateEnabling();

  // Every variable is read now; a failure or a cancel keeps the dialog open.
  std::vector<shell::CapabilityVariableRun> runs;
  for (const int variable : settings.variables) {
    shell::CapabilityVariableRun run;
    run.variable = variable;
    shell::Request request = NewRequest();
    if (ReadRunData(request, settings, run) != PassStatus::kOk) return;
    if (settings.distribution != shell::CapabilityDistribution::kNormalAndGeneral &&
        !FitChosenDistribution(request, settings, run))
      return;
    runs.push_back(std::move(run));
  }
  settings.runs = std::move(runs);
  settings.current_run = 0;

  if (Process().ExitPending()) return;
  switch (settings.distribution) {
    case shell::CapabilityDistribution::kNormalAndGeneral:
      ExitDialog(shell::Step::kCapabilityResults, shell::ExitMode::kForward);
      break;
    case shell::CapabilityDistribution::kExponential:
    case shell::CapabilityDistribution::kRayleigh:
      ExitDialog(shell::Step::kCapabilityResultsOneParameter, shell::ExitMode::kForward);
      break;
    default:
      ExitDialog(shell::Step::kCapabilityResultsTwoParameters, shell::ExitMode::kForward);
      break;
  }
}

// --- Aggregated data.

std::vector<int> AggregatedSetupDialog::SpecificationVariables() const {
  const shell::Control* list = FindControl(c::kVariables);
  if (list == nullptr) return {};
  const std::vector<int> means = list->VariablesAt(0);
  return means.empty() ? std::vector<int>{} : std::vector<int>{means.front()};
}

void AggregatedSetupDialog::OnInitDialog() {
  const CapabilitySettings& settings = Capability();
  shell::NumberLists lists(3);
  for (std::size_t i = 0; i < 3; ++i)
    if (settings.aggregated_variables[i] != 0) lists[i].push_back(settings.aggregated_variables[i]);
  GetControl(c::kVariables).value = lists;
  InitRadioGroup({c::kSigmaFromRanges, c::kSigmaFromStdDevs, c::kSigmaFromVariances}, 2);
  ShowSigmaMethod(settings.aggregated_sigma_method);
  GetControl(c::kSigmaCaption).value = Text(strings::kSigmaCaptionRanges);
  RefreshSpecificationDisplay();
}

void AggregatedSetupDialog::OnControlChanged(int id) {
  if (id == c::kVariables) RefreshSpecificationDisplay();
  const SigmaMethod method = SigmaMethodFromRadios();
  GetControl(c::kSigmaCaption).value =
      Text(method == SigmaMethod::kRanges               ? strings::kSigmaCaptionRanges
           : method == SigmaMethod::kStandardDeviations ? strings::kSigmaCaptionStdDevs
                                                        : strings::kSigmaCaptionVariances);
}

void AggregatedSetupDialog::StoreControls() {
  CapabilitySettings& settings = Capability();
  settings.input_mode = shell::CapabilityInputMode::kAggregatedData;
  const shell::Control& list = GetControl(c::kVariables);
  for (std::size_t i = 0; i < 3; ++i) {
    const std::vector<int> chosen = list.VariablesAt(i);
    settings.aggregated_variables[i] = chosen.empty() ? 0 : chosen.front();
  }
  settings.aggregated_sigma_method = SigmaMethodFromRadios();
}

void AggregatedSetupDialog::RunOk() {
  StoreControls();
  CapabilitySettings& settings = Capability();
  for (const int variable : settings.aggregated_variables)
    if (variable == 0) {
      Message(strings::kSelectAggregatedVariables);
      return;
    }
  // While no specification was ever defined the pass sets a default one; a specification
  // that was defined must be complete.
  if (!settings.specification_undefined &&
      !SpecificationsComplete(std::span(settings.aggregated_variables).first(1)))
    return;
  for (const int variable : settings.aggregated_variables) WarnIfTextCoded(variable);
  shell::CapabilityVariableRun run;
  run.variable = settings.aggregated_variables[0];
  shell::Request request = NewRequest();
  if (ReadRunData(request, settings, run) != PassStatus::kOk) return;
  settings.runs.assign(1, std::move(run));
  settings.current_run = 0;
  ExitDialog(shell::Step::kCapabilityAggregatedResults, shell::ExitMode::kForward);
}

}  // namespace kpa::capability
