#include "reliability/dialogs/specification_dialog.h"

#include <cmath>

#include "reliability/dialogs/censoring_codes.h"
#include "reliability/requests.h"
#include "resources/ids/reliability_controls.h"
#include "resources/ids/reliability_strings.h"
#include "shell/dialogs/list_text.h"
#include "shell/process.h"
#include "shell/results/fixed_text.h"
#include "shell/settings/settings_block.h"

namespace kpa::reliability {
namespace {

namespace c = controls;

constexpr std::size_t kMostTimeVariables = 300;
constexpr std::int64_t kFewestEntering = 3;
constexpr std::int64_t kMostEntering = 99999999;

shell::WeibullSettings& Weibull() { return shell::Settings().weibull; }

std::vector<double> AsNumbers(const std::vector<int>& variables) {
  return {variables.begin(), variables.end()};
}

std::vector<double> One(int variable) {
  return variable != 0 ? std::vector<double>{static_cast<double>(variable)} : std::vector<double>{};
}

}  // namespace

SpecificationDialog::SpecificationDialog(shell::CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number),
      grouped_(template_number == shell::templates::kWeibullGroupedSetup) {}

void SpecificationDialog::OnInitDialog() {
  shell::WeibullSettings& w = Weibull();
  GetControl(shell::controls::kTabControl).value = std::int64_t{grouped_ ? 1 : 0};
  if (Raw()) {
    GetControl(c::kListOfVariables).radio_group = 1;
    GetControl(c::kSingleTime).radio_group = 1;
    GetControl(c::kListOfVariables).value = std::int64_t{w.list_of_variables};
    GetControl(c::kSingleTime).value = std::int64_t{!w.list_of_variables};
    GetControl(c::kVariables).value =
        shell::NumberLists{AsNumbers(w.time_variables), One(w.censor_variable)};
    GetControl(c::kCompleteCode).value = shell::FormatNumber(w.complete_code);
    GetControl(c::kCensoredCode).value = shell::FormatNumber(w.censored_code);
    GetControl(c::kAddConstant).value = std::int64_t{w.add_constant};
    GetControl(c::kConstant).value = w.constant;
  } else {
    GetControl(c::kVariables).value = shell::NumberLists{
        One(w.lower_variable), One(w.withdrawn_variable), One(w.failed_variable)};
    shell::Control& entering = GetControl(c::kEntering);
    entering.value = w.entering;
    entering.minimum = static_cast<double>(kFewestEntering);
    entering.maximum = static_cast<double>(kMostEntering);
    GetControl(c::kGroupedFit).radio_group = 1;
    GetControl(c::kTreatAsContinuous).radio_group = 1;
    GetControl(c::kGroupedFit).value = std::int64_t{!w.treat_as_continuous};
    GetControl(c::kTreatAsContinuous).value = std::int64_t{w.treat_as_continuous};
  }
  UpdateEnabling();
  SetStatusText(Text(strings::kStatusReady));
}

void SpecificationDialog::UpdateEnabling() {
  if (!Raw()) return;
  const bool indicator = !GetControl(c::kVariables).VariablesAt(1).empty();
  GetControl(c::kCompleteCode).enabled = indicator;
  GetControl(c::kCensoredCode).enabled = indicator;
  GetControl(c::kConstant).enabled = GetControl(c::kAddConstant).IntValue() != 0;
}

void SpecificationDialog::StoreControls() {
  shell::WeibullSettings& w = Weibull();
  const shell::Control& list = GetControl(c::kVariables);
  const auto first = [&](std::size_t index) {
    const std::vector<int> variables = list.VariablesAt(index);
    return variables.empty() ? 0 : variables.front();
  };
  if (Raw()) {
    w.list_of_variables = GetControl(c::kListOfVariables).IntValue() != 0;
    const std::vector<int> times = list.VariablesAt(0);
    if (times != w.time_variables) w.current_variable = 0;
    w.time_variables = times;
    w.censor_variable = first(1);
    w.add_constant = GetControl(c::kAddConstant).IntValue() != 0;
    if (const auto constant = GetControl(c::kConstant).NumberValue(); constant)
      w.constant = *constant;
    else
      GetControl(c::kConstant).value = w.constant;
  } else {
    w.lower_variable = first(0);
    w.withdrawn_variable = first(1);
    w.failed_variable = first(2);
    w.treat_as_continuous = GetControl(c::kTreatAsContinuous).IntValue() != 0;
  }
  w.data_file = Host().DataFileName();
}

void SpecificationDialog::OnControlChanged(int id) {
  if (id == shell::controls::kTabControl) {
    const std::int64_t tab = GetControl(id).IntValue();
    if (tab == (grouped_ ? 1 : 0)) return;
    StoreControls();
    Weibull().mode = tab == 1 ? shell::WeibullMode::kGroupedData : shell::WeibullMode::kRawData;
    ExitDialog(shell::Step::kWeibullSetup, shell::ExitMode::kSwitchSibling,
               shell::controls::kTabControl);
    return;
  }
  UpdateEnabling();
}

bool SpecificationDialog::CheckRawFields() {
  shell::WeibullSettings& w = Weibull();
  const std::size_t times = w.time_variables.size();
  if (times == 0) {
    Message(w.list_of_variables ? strings::kSelectRawList : strings::kSelectRawSingle);
    return false;
  }
  if (w.list_of_variables && times > kMostTimeVariables) {
    Message(strings::kSelectRawList);
    return false;
  }
  if (!w.list_of_variables && times != 1 && times != 2 && times != 6) {
    Message(strings::kBadVariableCount);
    return false;
  }
  if (GetControl(c::kVariables).VariablesAt(1).size() > 1) {
    Message(w.list_of_variables ? strings::kSelectRawList : strings::kSelectRawSingle);
    return false;
  }
  if (w.censor_variable == 0) return true;
  int refusal = 0;
  const auto codes = ReadCensoringCodes(GetControl(c::kCompleteCode), GetControl(c::kCensoredCode),
                                        w.censor_variable, Host(), refusal);
  if (!codes) {
    Message(refusal);
    return false;
  }
  w.complete_code = codes->complete;
  w.censored_code = codes->censored;
  return true;
}

bool SpecificationDialog::CheckGroupedFields() {
  shell::WeibullSettings& w = Weibull();
  const auto entering = GetControl(c::kEntering).NumberValue();
  if (!entering || *entering != std::floor(*entering) ||
      *entering < static_cast<double>(kFewestEntering) ||
      *entering > static_cast<double>(kMostEntering)) {
    Message(strings::kBadEntering);
    GetControl(c::kEntering).value = w.entering;
    return false;
  }
  w.entering = static_cast<std::int64_t>(*entering);
  if (w.lower_variable == 0 || w.withdrawn_variable == 0 || w.failed_variable == 0) {
    Message(strings::kSelectGrouped);
    return false;
  }
  return true;
}

void SpecificationDialog::RunOk() {
  shell::WeibullSettings& w = Weibull();
  StoreControls();
  w.mode = grouped_ ? shell::WeibullMode::kGroupedData : shell::WeibullMode::kRawData;
  const auto refused = [this] { RecordRequestStatus(shell::RequestStatus::kFailed); };
  if (!(Raw() ? CheckRawFields() : CheckGroupedFields())) return refused();
  if (Raw())
    for (const int variable : w.time_variables) WarnIfTextCoded(variable);
  shell::Request request = NewRequest();
  if (!ReadFailureData(request, w) || !InitialWeibullFit(request, w)) return refused();
  RecordRequestStatus(shell::RequestStatus::kDone);
  ExitDialog(shell::Step::kWeibullResults, shell::ExitMode::kForward);
}

void SpecificationDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case shell::controls::kOk:
      RunOk();
      break;
    case shell::controls::kCancel:
      StoreControls();
      ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
      break;
    default:
      break;
  }
}

}  // namespace kpa::reliability
