// The sampling specification dialog.
#include "sampling/dialogs/specification_dialog.h"

#include <algorithm>
#include <optional>

#include "resources/ids/sampling_controls.h"
#include "resources/ids/sampling_strings.h"
#include "sampling/model/fixed_plan.h"
#include "sampling/requests.h"
#include "shell/process.h"
#include "shell/results/host_output.h"
#include "shell/settings/settings_block.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

constexpr double kLargestSigma = 1e10;

}  // namespace

SpecificationDialog::SpecificationDialog(shell::CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number) {}

void SpecificationDialog::OnInitDialog() {
  const shell::SamplingSettings& s = shell::Settings().sampling;
  FillList(controls::kDistributionList, strings::kFirstDistributionItem, 3,
           static_cast<std::int64_t>(s.distribution));
  FillList(controls::kCriterionList, strings::kFirstCriterionItem, 3,
           static_cast<std::int64_t>(s.criterion));
  SetStatusText(Text(strings::kAdjustParametersStatus));
  ShowFields();
}

void SpecificationDialog::FillList(int id, int first_string, int count, std::int64_t selected) {
  shell::Control& list = GetControl(id);
  list.items.clear();
  for (int i = 0; i < count; ++i) list.items.push_back(Text(first_string + i));
  list.value = selected;
}

void SpecificationDialog::OnControlChanged(int id) {
  shell::SamplingSettings& s = shell::Settings().sampling;
  if (id == controls::kDistributionList) {
    const auto row = std::clamp<std::int64_t>(GetControl(id).IntValue(), 0, 2);
    s.distribution = static_cast<SamplingDistribution>(row);
  } else if (id == controls::kCriterionList) {
    const auto row = std::clamp<std::int64_t>(GetControl(id).IntValue(), 0, 2);
    s.criterion = static_cast<SamplingCriterion>(row);
  } else {
    return;  // the entries are read at OK
  }
  SetStatusText(Text(strings::kAdjustParametersStatus));
  ShowFields();
}

void SpecificationDialog::OnCommand(int id, int /*notification*/) {
  if (id == shell::controls::kOk) {
    Accept();
  } else if (id == shell::controls::kCancel) {
    ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
  }
}

void SpecificationDialog::ShowFields() {
  const shell::SamplingSettings& s = shell::Settings().sampling;
  const auto show = [this](int id, double value, double minimum, double maximum) {
    shell::Control& field = GetControl(id);
    field.value = value;
    field.minimum = minimum;
    field.maximum = maximum;
  };
  show(controls::kAlpha, s.alpha, 0.0, 1.0);
  show(controls::kBeta, s.beta, 0.0, 1.0);
  GetControl(controls::kH0).value = s.H0();
  GetControl(controls::kH1).value = s.H1();
  show(controls::kSigma, s.Sigma(), 0.0, kLargestSigma);
  const bool normal = s.distribution == SamplingDistribution::kNormalMeans;
  for (const int id : {controls::kSigma, controls::kSigmaLabel}) {
    shell::Control& control = GetControl(id);
    control.visible = normal;
    control.enabled = normal;
  }
}

bool SpecificationDialog::ReadEntries() {
  shell::SamplingSettings& s = shell::Settings().sampling;
  struct Entry {
    SamplingField field;
    int control;
    double* target;
  };
  const Entry entries[] = {
      {SamplingField::kAlpha, controls::kAlpha, &s.alpha},
      {SamplingField::kBeta, controls::kBeta, &s.beta},
      {SamplingField::kH0, controls::kH0, &s.h0[s.Index()]},
      {SamplingField::kH1, controls::kH1, &s.h1[s.Index()]},
      {SamplingField::kSigma, controls::kSigma, &s.sigma[s.Index()]},
  };
  for (const Entry& entry : entries) {
    if (entry.field == SamplingField::kSigma &&
        s.distribution != SamplingDistribution::kNormalMeans)
      break;
    const std::optional<double> value = GetControl(entry.control).NumberValue();
    // Not a number: no message, the field shows the last accepted value again.
    if (!value) return false;
    if (const auto message = CheckEntry(entry.field, *value, InputsFromSettings(s))) {
      Message(*message);
      return false;
    }
    *entry.target = *value;
  }
  return true;
}

void SpecificationDialog::Accept() {
  if (!ReadEntries()) {
    ShowFields();
    return;
  }
  shell::Request request = NewRequest();
  if (RunSamplingRequest(SamplingRequest::kComputePlan, request, shell::Settings().sampling) !=
      shell::RequestStatus::kDone) {
    ShowFields();
    return;
  }
  request.Status(shell::kStringHelpKey);
  ExitDialog(shell::Step::kSamplingResults, shell::ExitMode::kForward);
}

}  // namespace kpa::sampling
