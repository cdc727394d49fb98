// The sampling results dialog.
#include "sampling/dialogs/results_dialog.h"

#include <algorithm>
#include <cmath>

#include "resources/ids/sampling_controls.h"
#include "resources/ids/sampling_strings.h"
#include "sampling/data/observed_data.h"
#include "sampling/dialogs/custom_size.h"
#include "sampling/model/plan_actions.h"
#include "sampling/outputs/plan_texts.h"
#include "sampling/outputs/sequential_outputs.h"
#include "sampling/requests.h"
#include "shell/dialogs/list_text.h"
#include "shell/process.h"
#include "shell/request/case_loop.h"
#include "shell/results/fixed_text.h"
#include "shell/results/host_output.h"
#include "shell/settings/settings_block.h"

namespace kpa::sampling {
namespace {

using shell::SampleSizeMode;

shell::SamplingSettings& Sampling() { return shell::Settings().sampling; }

}  // namespace

ResultsDialog::ResultsDialog(shell::CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number) {}

bool ResultsDialog::Binomial() const {
  return TemplateNumber() == shell::templates::kSamplingResultsBinomial;
}

void ResultsDialog::OnInitDialog() {
  shell::SamplingSettings& s = Sampling();
  if (s.data_variable > Host().VariableCount()) s.data_variable = 0;
  ShowDescription();
  ShowSampleSize();
  ShowDataVariable();
  ShowCodes();
  GetControl(controls::kNumberOfSamples).value = std::int64_t{s.number_of_samples};
  ShowHostStatus(shell::kStringHelpKey);
}

void ResultsDialog::OnCommand(int id, int /*notification*/) {
  shell::SamplingSettings& s = Sampling();
  switch (id) {
    case shell::controls::kCancel:
      ForgetCustomSize(s);
      ExitDialog(shell::Step::kSamplingSpecification, shell::ExitMode::kBack);
      break;
    case controls::kSummary:
    case commands::kSummaryMenu:
      Run(SamplingRequest::kFixedSummary);
      break;
    case controls::kSampleSize:
      ToggleCustomSize();
      break;
    case controls::kOcCurves:
      Run(SamplingRequest::kOcCurves);
      break;
    case controls::kPlotSequential:
      if (!ReadSequentialFields()) break;
      s.sequential_output = shell::SequentialOutput::kPlot;
      Run(SamplingRequest::kSequentialPlot);
      break;
    case controls::kSequentialSummary:
      // The codes are checked here too, so that the table reads the data with the codes
      // the fields show rather than those of the last plot.
      if (!ReadSequentialFields()) break;
      s.sequential_output = shell::SequentialOutput::kSummary;
      Run(SamplingRequest::kSequentialSummary);
      break;
    case controls::kDataVariable:
      // The desktop host opens its variable list here; a script names the variable
      // through VariableContainingData. Pressing the button with a variable deselects it.
      if (s.data_variable > 0) DeselectDataVariable();
      break;
    case shell::controls::kCaseWeights:
      if (Host().DefineWeight()) DeselectDataVariable();
      break;
    case shell::controls::kSelectionConditions:
      if (Host().DefineSelectionCondition()) DeselectDataVariable();
      break;
    default:
      break;
  }
}

void ResultsDialog::OnControlChanged(int id) {
  if (id != controls::kDataVariable) return;
  const auto* lists = std::get_if<shell::NumberLists>(&GetControl(id).value);
  int variable = 0;
  if (lists != nullptr)
    for (const auto& list : *lists)
      if (!list.empty()) {
        variable = static_cast<int>(list.front());
        break;
      }
  if (variable > 0)
    SelectDataVariable(variable);
  else
    DeselectDataVariable();
}

void ResultsDialog::Run(SamplingRequest code) {
  shell::Request request = NewRequest();
  RecordRequestStatus(RunSamplingRequest(code, request, Sampling()));
}

void ResultsDialog::ShowDescription() {
  std::string text;
  for (const std::string& line : DescriptionBlock(NewRequest(), Sampling())) text += line + "\n";
  GetControl(controls::kDescription).value = text;
}

void ResultsDialog::ShowSampleSize() {
  const SampleSizeTexts texts = MakeSampleSizeTexts(NewRequest(), Sampling());
  const bool custom = Sampling().mode == SampleSizeMode::kCustom;
  const auto show = [this](int id, const std::string& text, bool visible) {
    shell::Control& control = GetControl(id);
    control.value = text;
    control.visible = visible;
  };
  show(controls::kComputedSizeLine, texts.computed, !custom);
  show(controls::kCustomSizeLine, texts.custom_size, custom);
  show(controls::kAchievedBetaLabel, texts.achieved_label, custom);
  show(controls::kAchievedBeta, texts.achieved_beta, custom);
  ShowHostStatus(shell::kStringHelpKey);
}

void ResultsDialog::ShowDataVariable() {
  const int variable = Sampling().data_variable;
  shell::Control& list = GetControl(controls::kDataVariable);
  list.value =
      variable > 0 ? shell::NumberLists{{static_cast<double>(variable)}} : shell::NumberLists{};
  GetControl(controls::kDataVariableName).value =
      variable > 0 ? Host().VariableName(variable) : Text(strings::kNoVariable);
}

void ResultsDialog::ShowCodes() {
  if (!Binomial()) return;
  GetControl(controls::kAcceptCode).value = shell::FormatNumber(Sampling().accept_code);
  GetControl(controls::kRejectCode).value = shell::FormatNumber(Sampling().reject_code);
}

double ResultsDialog::SampleSize() const { return PlanSize(Sampling()); }

std::optional<int> ResultsDialog::SetSampleSize(double n) {
  if (const auto message = CheckCustomSize(n)) return message;
  shell::SamplingSettings& s = Sampling();
  s.custom_n = n;
  s.mode = SampleSizeMode::kCustom;
  Run(SamplingRequest::kCustomPlan);
  ShowSampleSize();
  ShowDescription();
  return std::nullopt;
}

void ResultsDialog::ToggleCustomSize() {
  shell::SamplingSettings& s = Sampling();
  if (s.mode == SampleSizeMode::kComputed) {
    shell::Request request = NewRequest();
    const std::optional<double> n = AskCustomSize(request, s.custom_n);
    if (!n) return;  // Annuler in the modal dialog changes nothing
    s.custom_n = *n;
    s.mode = SampleSizeMode::kCustom;
  } else {
    s.mode = SampleSizeMode::kComputed;
  }
  Run(SamplingRequest::kCustomPlan);
  ShowSampleSize();
  ShowDescription();
}

bool ResultsDialog::ReadSequentialFields() {
  const bool read =
      (!Binomial() || Sampling().data_variable <= 0 || CheckCodes()) && ReadNumberOfSamples();
  if (!read) RecordRequestStatus(shell::RequestStatus::kFailed);
  return read;
}

bool ResultsDialog::ReadNumberOfSamples() {
  const shell::Control& field = GetControl(controls::kNumberOfSamples);
  const double value = field.RealValue();
  const bool whole = std::holds_alternative<std::int64_t>(field.value) ||
                     (std::holds_alternative<double>(field.value) && value == std::trunc(value));
  if (!whole || value < kMinSamples || value > kMaxSamples) {
    Message(strings::kNumberOfSamplesRange);
    return false;
  }
  Sampling().number_of_samples = static_cast<int>(value);
  return true;
}

std::optional<double> ResultsDialog::ResolveCode(int field) const {
  const shell::Control* control = FindControl(field);
  if (control == nullptr) return std::nullopt;
  return shell::CodeOfText(control->TextValue(), Sampling().data_variable, Host());
}

bool ResultsDialog::CheckCodes() {
  const std::optional<double> accept = ResolveCode(controls::kAcceptCode);
  const std::optional<double> reject = ResolveCode(controls::kRejectCode);
  if (!accept || !reject) {
    Message(strings::kCodeMissing);
    return false;
  }
  if (std::fabs(*accept) > kLargestCode || std::fabs(*reject) > kLargestCode) {
    Message(strings::kCodeTooLarge);
    return false;
  }
  if (*accept == *reject) {
    Message(strings::kCodesEqual);
    return false;
  }
  Sampling().accept_code = static_cast<std::int32_t>(std::lround(*accept));
  Sampling().reject_code = static_cast<std::int32_t>(std::lround(*reject));
  return true;
}

void ResultsDialog::SelectDataVariable(int variable) {
  Sampling().data_variable = variable;
  // Means and frequencies are measured; codes made from texts are not (binomial data are
  // codes by nature).
  if (!Binomial()) WarnIfTextCoded(variable);
  if (Binomial()) ProposeCodes();
  UseDataLength();
  ShowDataVariable();
  ShowCodes();
}

void ResultsDialog::DeselectDataVariable() {
  Sampling().data_variable = 0;
  ShowDataVariable();
}

void ResultsDialog::ProposeCodes() {
  shell::SamplingSettings& s = Sampling();
  std::vector<double> codes;
  shell::CaseLoop loop;
  loop.variables = {s.data_variable};
  loop.weights = shell::WeightRule::kIgnored;
  loop.progress = false;
  shell::Request request = NewRequest();
  (void)shell::ForEachCase(request, loop, [&codes](const shell::CaseView& c) {
    const std::optional<double>& value = c.values[0];
    if (value && std::fabs(*value) <= kLargestValidMagnitude &&
        std::find(codes.begin(), codes.end(), *value) == codes.end())
      codes.push_back(*value);
    return codes.size() < 2 ? shell::CaseAction::kContinue : shell::CaseAction::kStop;
  });
  if (codes.size() < 2) return;
  s.accept_code =
      static_cast<std::int32_t>(std::lround(std::clamp(codes[0], -kLargestCode, kLargestCode)));
  s.reject_code =
      static_cast<std::int32_t>(std::lround(std::clamp(codes[1], -kLargestCode, kLargestCode)));
}

void ResultsDialog::UseDataLength() {
  shell::SamplingSettings& s = Sampling();
  ObservedRequest request;
  request.variable = s.data_variable;
  request.binomial = Binomial();
  request.accept_code = s.accept_code;
  request.reject_code = s.reject_code;
  shell::Request reading = NewRequest();
  const ObservedData data = ReadObservedSamples(reading, request);
  if (data.error != ReadError::kNone || data.values.empty()) return;
  // The field accepts 5 to 400 samples: a shorter series still shows at least 5 rows.
  s.number_of_samples = std::clamp(static_cast<int>(data.values.size()), kMinSamples, kMaxSamples);
  GetControl(controls::kNumberOfSamples).value = std::int64_t{s.number_of_samples};
}

}  // namespace kpa::sampling
