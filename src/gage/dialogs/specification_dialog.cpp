#include "gage/dialogs/specification_dialog.h"

#include "gage/data/study_reader.h"
#include "gage/requests.h"
#include "resources/ids/gage_controls.h"
#include "resources/ids/gage_strings.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::gage {
namespace {

namespace c = controls;
using shell::GageMode;
using shell::GageSource;

constexpr std::int64_t kMaxDesignMeasurements = 1800;

struct CountRule {
  int control;
  std::int64_t lowest;
  std::int64_t highest;
  int message;
  std::int64_t shell::GageCounts::*field;
};
constexpr CountRule kCountRules[] = {
    {c::kOperators, 2, 99, strings::kBadOperators, &shell::GageCounts::operators},
    {c::kParts, 3, 499, strings::kBadParts, &shell::GageCounts::parts},
    {c::kTrials, 1, 99, strings::kBadTrials, &shell::GageCounts::trials},
};

shell::GageSettings& Gage() { return shell::Settings().gage; }

SpecificationTab TabOf(int template_number) {
  if (template_number == shell::templates::kGageAnalyzeDataFile) return SpecificationTab::kDataFile;
  if (template_number == shell::templates::kGageAnalyzeDataSheet)
    return SpecificationTab::kDataSheet;
  return SpecificationTab::kDesign;
}

std::int64_t Measurements(const shell::GageCounts& counts) {
  return counts.operators * counts.parts * counts.trials;
}

std::vector<double> ListAt(const shell::Control& control, std::size_t index) {
  const auto* lists = std::get_if<shell::NumberLists>(&control.value);
  if (lists == nullptr || index >= lists->size()) return {};
  return (*lists)[index];
}

}  // namespace

SpecificationDialog::SpecificationDialog(shell::CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number), tab_(TabOf(template_number)) {}

void SpecificationDialog::OnInitDialog() {
  shell::GageSettings& gage = Gage();
  GetControl(shell::controls::kTabControl).value = std::int64_t{static_cast<int>(tab_)};
  if (HasCounts()) {
    gage.counts = gage.saved_counts;
    ShowCounts();
  }
  ShowSelection();
  UpdateStatus();
}

void SpecificationDialog::ShowCounts() {
  const shell::GageCounts& counts = Gage().counts;
  GetControl(c::kOperators).value = counts.operators;
  GetControl(c::kParts).value = counts.parts;
  GetControl(c::kTrials).value = counts.trials;
}

void SpecificationDialog::ShowSelection() {
  const shell::GageSettings& gage = Gage();
  if (tab_ == SpecificationTab::kDataFile) {
    const auto one = [](int variable) {
      return variable != 0 ? std::vector<double>{static_cast<double>(variable)}
                           : std::vector<double>{};
    };
    GetControl(c::kVariables).value =
        shell::NumberLists{one(gage.operator_variable), one(gage.part_variable),
                           one(gage.trial_variable), one(gage.measure_variable)};
    GetControl(c::kCodes).value =
        shell::NumberLists{gage.operator_codes, gage.part_codes, gage.trial_codes};
  } else if (tab_ == SpecificationTab::kDataSheet) {
    std::vector<double> variables;
    for (const int v : gage.sheet_variables) variables.push_back(static_cast<double>(v));
    GetControl(c::kVariables).value = shell::NumberLists{variables};
  }
}

bool SpecificationDialog::DataFileVariablesGiven() const {
  const shell::Control* list = FindControl(c::kVariables);
  if (list == nullptr) return false;
  for (const std::size_t required : {std::size_t{0}, std::size_t{1}, std::size_t{3}})
    if (list->VariablesAt(required).size() != 1) return false;
  return list->VariablesAt(2).size() <= 1;
}

bool SpecificationDialog::DataFileCodesGiven() const {
  const shell::Control* codes = FindControl(c::kCodes);
  const shell::Control* list = FindControl(c::kVariables);
  if (codes == nullptr || list == nullptr) return false;
  const bool trials = !list->VariablesAt(2).empty();
  return !ListAt(*codes, 0).empty() && !ListAt(*codes, 1).empty() &&
         (!trials || !ListAt(*codes, 2).empty());
}

void SpecificationDialog::UpdateStatus() {
  int status = strings::kStatusReady;
  switch (tab_) {
    case SpecificationTab::kDesign: {
      shell::GageCounts shown;
      for (const CountRule& rule : kCountRules)
        shown.*rule.field = GetControl(rule.control).IntValue();
      if (Measurements(shown) > kMaxDesignMeasurements) status = strings::kStatusTooLarge;
      break;
    }
    case SpecificationTab::kDataFile:
      if (!DataFileVariablesGiven())
        status = strings::kStatusSelectVariables;
      else if (!DataFileCodesGiven())
        status = strings::kStatusSelectCodes;
      GetControl(c::kCodesCaption).value =
          Text(DataFileCodesGiven() ? strings::kCodesSelected : strings::kCodesMissing);
      break;
    case SpecificationTab::kDataSheet: {
      const std::int64_t parts = GetControl(c::kParts).IntValue();
      if (GetControl(c::kVariables).VariablesAt(0).empty())
        status = strings::kStatusSelectVariables;
      GetControl(c::kSheetCaption).value =
          Text(strings::kSheetCaption) + std::to_string(parts) + Text(strings::kSheetCaptionEnd);
      break;
    }
  }
  SetStatusText(Text(status));
}

bool SpecificationDialog::ValidateCounts() {
  shell::GageSettings& gage = Gage();
  shell::GageCounts counts;
  for (const CountRule& rule : kCountRules) {
    const std::int64_t value = GetControl(rule.control).IntValue();
    if (value < rule.lowest || value > rule.highest) {
      Message(rule.message);
      GetControl(rule.control).value = gage.saved_counts.*rule.field;
      return false;
    }
    counts.*rule.field = value;
  }
  gage.counts = counts;
  gage.saved_counts = counts;
  return true;
}

void SpecificationDialog::StoreDataFileSelection() {
  shell::GageSettings& gage = Gage();
  const shell::Control& list = GetControl(c::kVariables);
  const auto first = [&](std::size_t index) {
    const std::vector<int> variables = list.VariablesAt(index);
    return variables.empty() ? 0 : variables.front();
  };
  gage.operator_variable = first(0);
  gage.part_variable = first(1);
  gage.trial_variable = first(2);
  gage.measure_variable = first(3);
  const shell::Control& codes = GetControl(c::kCodes);
  gage.operator_codes = ListAt(codes, 0);
  gage.part_codes = ListAt(codes, 1);
  gage.trial_codes = gage.trial_variable != 0 ? ListAt(codes, 2) : std::vector<double>{};
  gage.data_file = Host().DataFileName();
}

void SpecificationDialog::OnControlChanged(int id) {
  if (id == shell::controls::kTabControl) {
    SwitchTab(GetControl(id).IntValue());
    return;
  }
  if (id == c::kVariables && tab_ == SpecificationTab::kDataFile) {
    // New variables make the chosen codes meaningless.
    GetControl(c::kCodes).value = shell::NumberLists{{}, {}, {}};
    StoreDataFileSelection();
  } else if (id == c::kCodes) {
    StoreDataFileSelection();
  } else if (id == c::kVariables && tab_ == SpecificationTab::kDataSheet) {
    Gage().sheet_variables = GetControl(c::kVariables).VariablesAt(0);
  }
  UpdateStatus();
}

void SpecificationDialog::SwitchTab(std::int64_t tab) {
  shell::GageSettings& gage = Gage();
  if (tab == static_cast<int>(tab_)) return;
  if (HasCounts() && !ValidateCounts()) {
    GetControl(shell::controls::kTabControl).value = std::int64_t{static_cast<int>(tab_)};
    return;
  }
  shell::Step next = shell::Step::kGageDesign;
  switch (tab) {
    case 1:
      gage.mode = GageMode::kAnalyzeStudy;
      gage.source = GageSource::kDataFile;
      next = shell::Step::kGageAnalyzeDataFile;
      break;
    case 2:
      gage.mode = GageMode::kAnalyzeStudy;
      gage.source = GageSource::kDataSheet;
      next = shell::Step::kGageAnalyzeDataSheet;
      break;
    default:
      gage.mode = GageMode::kGenerateDesign;
      break;
  }
  gage.master_tab = static_cast<std::int16_t>(tab);
  ExitDialog(next, shell::ExitMode::kSwitchSibling, shell::controls::kTabControl);
}

void SpecificationDialog::Refuse(int message) {
  Message(message);
  RecordRequestStatus(shell::RequestStatus::kFailed);
}

void SpecificationDialog::RunOk() {
  shell::GageSettings& gage = Gage();
  RecordRequestStatus(shell::RequestStatus::kDone);
  switch (tab_) {
    case SpecificationTab::kDesign:
      gage.mode = GageMode::kGenerateDesign;
      if (!ValidateCounts()) return RecordRequestStatus(shell::RequestStatus::kFailed);
      if (Measurements(gage.counts) > kMaxDesignMeasurements)
        return Refuse(strings::kDesignTooLarge);
      ExitDialog(shell::Step::kGageDesignResults, shell::ExitMode::kForward);
      return;
    case SpecificationTab::kDataFile: {
      gage.mode = GageMode::kAnalyzeStudy;
      gage.source = GageSource::kDataFile;
      if (!DataFileVariablesGiven()) return Refuse(strings::kVariableSelectionInvalid);
      if (!DataFileCodesGiven()) return Refuse(strings::kCodeSelectionInvalid);
      StoreDataFileSelection();
      const StudySize size = DataFileStudySize(gage);
      // The range tables need two operators and two parts at least.
      if (size.operators < 2 || size.parts < 2) return Refuse(strings::kTooFewLevels);
      WarnIfTextCoded(gage.measure_variable);
      break;
    }
    case SpecificationTab::kDataSheet:
      gage.mode = GageMode::kAnalyzeStudy;
      gage.source = GageSource::kDataSheet;
      if (!ValidateCounts()) return RecordRequestStatus(shell::RequestStatus::kFailed);
      gage.sheet_variables = GetControl(c::kVariables).VariablesAt(0);
      if (static_cast<std::int64_t>(gage.sheet_variables.size()) != gage.counts.parts)
        return Refuse(strings::kVariableSelectionInvalid);
      break;
  }
  shell::Request request = NewRequest();
  if (!ReadStudy(request, gage)) return RecordRequestStatus(shell::RequestStatus::kFailed);
  ExitDialog(shell::Step::kGageAnalysisResults, shell::ExitMode::kForward);
}

void SpecificationDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case shell::controls::kOk:
      RunOk();
      break;
    case shell::controls::kCancel:
      ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
      break;
    default:
      break;
  }
}

}  // namespace kpa::gage
