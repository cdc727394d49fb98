// The results dialogs of the named distributions: the user's parameters with their checks,
// the parameter captions of the fitted law and the requests of their buttons.
#include "capability/dialogs/results_dialog.h"
#include "capability/nonnormal_requests.h"
#include "resources/ids/capability_controls.h"
#include "resources/ids/capability_strings.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::capability {
namespace {

namespace c = controls;
using shell::CapabilityDistribution;

constexpr double kLargest = 9999999.0;

struct Range {
  double lowest;  // accepted from, exclusive when `open`
  bool open;
  double highest;
};

// The accepted ranges of the user parameters (after the check every distribution shares).
Range FirstParameterRange(CapabilityDistribution code) {
  switch (code) {
    case CapabilityDistribution::kBeta:
    case CapabilityDistribution::kExponential:
    case CapabilityDistribution::kGamma:
    case CapabilityDistribution::kRayleigh:
      return {0.0, true, kLargest};
    case CapabilityDistribution::kExtremeValue:
      return {-99999999.0, false, kLargest};
    case CapabilityDistribution::kLogNormal:
      return {-999999.0, false, 999999.0};
    case CapabilityDistribution::kWeibull:
      return {0.0, true, 99999.0};
    case CapabilityDistribution::kNormalAndGeneral:
      break;
  }
  return {-kLargest, false, kLargest};
}

Range SecondParameterRange(CapabilityDistribution code) {
  switch (code) {
    case CapabilityDistribution::kBeta:
    case CapabilityDistribution::kExtremeValue:
    case CapabilityDistribution::kGamma:
    case CapabilityDistribution::kLogNormal:
      return {0.0, true, kLargest};
    case CapabilityDistribution::kWeibull:
      return {0.0, true, 99999.0};
    default:
      break;
  }
  return {-99999999.0, false, kLargest};
}

bool Inside(double v, Range r) { return (r.open ? v > r.lowest : v >= r.lowest) && v <= r.highest; }

// The captions of parameter 1 and parameter 2 under their fields.
std::pair<int, int> Captions(CapabilityDistribution code) {
  switch (code) {
    case CapabilityDistribution::kBeta:
      return {strings::kCaptionBetaAlpha, strings::kCaptionBetaBeta};
    case CapabilityDistribution::kExponential:
      return {strings::kCaptionExponentialScale, strings::kCaptionUnused};
    case CapabilityDistribution::kExtremeValue:
      return {strings::kCaptionExtremeLocation, strings::kCaptionExtremeScale};
    case CapabilityDistribution::kGamma:
      return {strings::kCaptionGammaScale, strings::kCaptionGammaShape};
    case CapabilityDistribution::kLogNormal:
      return {strings::kCaptionLogNormalScale, strings::kCaptionLogNormalShape};
    case CapabilityDistribution::kRayleigh:
      return {strings::kCaptionRayleighScale, strings::kCaptionRayleighUnused};
    case CapabilityDistribution::kWeibull:
      return {strings::kCaptionWeibullScale, strings::kCaptionWeibullShape};
    case CapabilityDistribution::kNormalAndGeneral:
      break;
  }
  return {strings::kCaptionUnused, strings::kCaptionUnused};
}

shell::Step StepOf(int template_number) {
  return template_number == shell::templates::kCapabilityResultsOneParameter
             ? shell::Step::kCapabilityResultsOneParameter
             : shell::Step::kCapabilityResultsTwoParameters;
}

}  // namespace

bool NamedResultsDialog::HasSecondParameter() const {
  return FindControl(c::kUserParameter2) != nullptr;
}

void NamedResultsDialog::OnInitDialog() {
  const shell::CapabilitySettings& settings = shell::Settings().capability;
  FillLists();
  const auto [first, second] = Captions(settings.distribution);
  GetControl(c::kParameter1Caption).value = Text(first);
  if (HasSecondParameter()) GetControl(c::kParameter2Caption).value = Text(second);
  (void)LoadCurrentVariable();
}

void NamedResultsDialog::LoadOwnFields(shell::CapabilityVariableRun& run) {
  const shell::CapabilityResultsFields& f = run.fields;
  GetControl(c::kUserParameter1On).value = std::int64_t{f.user_parameter1_on};
  GetControl(c::kUserParameter1).value = f.user_parameter1;
  GetControl(c::kThresholdIsLsl).value = std::int64_t{f.threshold_is_lsl};
  if (HasSecondParameter()) {
    GetControl(c::kUserParameter2On).value = std::int64_t{f.user_parameter2_on};
    GetControl(c::kUserParameter2).value = f.user_parameter2;
  }
}

bool NamedResultsDialog::ValidateOwnFields(shell::CapabilityVariableRun& run) {
  shell::CapabilityResultsFields& f = run.fields;
  const CapabilityDistribution code = shell::Settings().capability.distribution;
  const double first = GetControl(c::kUserParameter1).RealValue();
  if (!Inside(first, {-kLargest, false, kLargest}) || !Inside(first, FirstParameterRange(code))) {
    Message(strings::kBadParameter1);
    GetControl(c::kUserParameter1).value = f.user_parameter1;
    return false;
  }
  double second = f.user_parameter2;
  if (HasSecondParameter()) {
    second = GetControl(c::kUserParameter2).RealValue();
    if (!Inside(second, {-99999999.0, false, kLargest}) ||
        !Inside(second, SecondParameterRange(code))) {
      Message(strings::kBadParameter2);
      GetControl(c::kUserParameter2).value = f.user_parameter2;
      return false;
    }
    f.user_parameter2_on = GetControl(c::kUserParameter2On).IntValue() != 0;
  }
  f.user_parameter1 = first;
  f.user_parameter2 = second;
  f.user_parameter1_on = GetControl(c::kUserParameter1On).IntValue() != 0;
  f.threshold_is_lsl = GetControl(c::kThresholdIsLsl).IntValue() != 0;
  return true;
}

void NamedResultsDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(StepOf(TemplateNumber())), shell::ExitMode::kBack);
      break;
    case c::kSummary:
      Issue(CapabilityRequest::kSummary);
      break;
    case c::kSummaryAllVariables:
      IssueForAllVariables(&SummarizeFittedIndices);
      break;
    case c::kDescriptiveStatistics:
      Issue(CapabilityRequest::kDescriptiveStatistics);
      break;
    case c::kBeyondSpecifications:
      Issue(CapabilityRequest::kBeyondSpecifications);
      break;
    case c::kFrequencyAndNormality:
      Issue(CapabilityRequest::kFrequencyAndNormality);
      break;
    case c::kSummaryHistogram:
      if (GetControl(c::kShowIndices).IntValue() != 0) Issue(CapabilityRequest::kHistogramIndices);
      Issue(CapabilityRequest::kSummaryHistogram);
      break;
    case c::kQuantilePlot:
      Issue(CapabilityRequest::kQuantileQuantilePlot);
      break;
    case c::kNormalProbabilityPlot:
      Issue(CapabilityRequest::kNormalProbabilityPlot);
      break;
    case c::kProbabilityPlot:
      Issue(CapabilityRequest::kProbabilityProbabilityPlot);
      break;
    default:
      break;
  }
}

}  // namespace kpa::capability
