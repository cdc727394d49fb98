// Members of the acceptance-sampling interfaces. SampleSize and the binomial codes are
// accessors of the results dialog's own: the size is the plan's (computed or custom) rather
// than a control, and a code is written as a number or as a value label of the data
// variable (a text is matched, trimmed and without regard to case, against the variable's
// labels when the sequential plot checks the codes).
#include <string>

#include "automation/dialog_automation.h"
#include "automation/interface_members.h"
#include "resources/ids/sampling_controls.h"
#include "sampling/dialogs/results_dialog.h"
#include "sampling/outputs/plan_texts.h"
#include "shell/analysis_support.h"
#include "shell/dialogs/list_text.h"
#include "shell/process.h"

namespace kpa::automation {
namespace {

namespace ids = sampling::controls;

sampling::ResultsDialog& Results(shell::CAnalysisModelessDialog& dialog) {
  auto* results = dynamic_cast<sampling::ResultsDialog*>(&dialog);
  if (results == nullptr) throw AutomationException("not a sampling results dialog");
  return *results;
}

AutomationStatus GetSampleSize(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  value = Results(dialog).SampleSize();
  return AutomationStatus::kOk;
}

AutomationStatus SetSampleSize(shell::CAnalysisModelessDialog& dialog, const Variant& value) {
  sampling::ResultsDialog& results = Results(dialog);
  double n = 0.0;
  if (const auto* real = std::get_if<double>(&value))
    n = *real;
  else if (const auto* whole = std::get_if<std::int64_t>(&value))
    n = static_cast<double>(*whole);
  else
    return AutomationStatus::kTypeMismatch;
  shell::CEnterAnalysisContext enter(dialog.Process());
  if (const auto message = results.SetSampleSize(n))
    throw AutomationException(dialog.Host().ResourceString(*message));
  return AutomationStatus::kOk;
}

AutomationStatus GetCode(shell::CAnalysisModelessDialog& dialog, int id, Variant& value) {
  Results(dialog);
  return GetFieldText(dialog, id, value);
}

AutomationStatus SetCode(shell::CAnalysisModelessDialog& dialog, int id, const Variant& value) {
  Results(dialog);
  return SetFieldText(dialog, id, value);
}

AutomationStatus GetAcceptCode(shell::CAnalysisModelessDialog& d, Variant& v) {
  return GetCode(d, ids::kAcceptCode, v);
}
AutomationStatus SetAcceptCode(shell::CAnalysisModelessDialog& d, const Variant& v) {
  return SetCode(d, ids::kAcceptCode, v);
}
AutomationStatus GetRejectCode(shell::CAnalysisModelessDialog& d, Variant& v) {
  return GetCode(d, ids::kRejectCode, v);
}
AutomationStatus SetRejectCode(shell::CAnalysisModelessDialog& d, const Variant& v) {
  return SetCode(d, ids::kRejectCode, v);
}

// The data variable's name ("" when none), read from the dialog rather than the list
// control, so that it reads as the dialog shows it.
AutomationStatus GetDataVariable(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  const shell::Control* list = Results(dialog).FindControl(ids::kDataVariable);
  const auto* lists = list ? std::get_if<shell::NumberLists>(&list->value) : nullptr;
  value = lists ? shell::FormatListText(*lists, shell::ListKind::kVariables, dialog.Host())
                : std::string();
  return AutomationStatus::kOk;
}

constexpr MemberRow kSamplingMembers[] = {
    {"Distribution", MemberType::kEnum, Access::kReadWrite, ids::kDistributionList, "Distribution",
     "ProSamplingDistribution"},
    {"TestCriterion", MemberType::kEnum, Access::kReadWrite, ids::kCriterionList,
     "Test criterion, one-tailed right/left, or two-tailed", "ProSamplingTestCriterion"},
    {"AlphaError", MemberType::kDouble, Access::kReadWrite, ids::kAlpha, "Alpha error rate"},
    {"BetaError", MemberType::kDouble, Access::kReadWrite, ids::kBeta, "Beta error rate"},
    {"HypothesizedMeanForH0", MemberType::kDouble, Access::kReadWrite, ids::kH0,
     "Hypothesized mean for H0"},
    {"HypothesizedMeanForH1", MemberType::kDouble, Access::kReadWrite, ids::kH1,
     "Hypothesized mean for H1"},
    {"AssumedSigma", MemberType::kDouble, Access::kReadWrite, ids::kSigma, "Assumed sigma"},
};

// Rows that both results interfaces carry, each at its own place in the interface.
constexpr MemberRow kSummaryRow = {"Summary", MemberType::kAction, Access::kCall, ids::kSummary,
                                   "Summary, results for fixed sampling plan"};
constexpr MemberRow kOcCurveRow = {"OperatingCharacteristicCurve", MemberType::kAction,
                                   Access::kCall, ids::kOcCurves,
                                   "Operating characteristic (OC) curve"};
constexpr MemberRow kPlotSequentialRow = {"PlotEquivalentSequentialPlan", MemberType::kAction,
                                          Access::kCall, ids::kPlotSequential,
                                          "Plot equivalent sequential sampling plan"};
constexpr MemberRow kSequentialSummaryRow = {
    "SummaryOfEquivalentSequentialPlan", MemberType::kAction, Access::kCall,
    ids::kSequentialSummary, "Summary of equivalent sequential sampling plan"};
constexpr MemberRow kSampleSizeRow = {"SampleSize",
                                      MemberType::kDouble,
                                      Access::kReadWrite,
                                      0,
                                      "Sample size",
                                      {},
                                      shell::ListKind::kVariables,
                                      &GetSampleSize,
                                      &SetSampleSize};
constexpr MemberRow kNumberOfSamplesRow = {"NumberOfSamples", MemberType::kInteger,
                                           Access::kReadWrite, ids::kNumberOfSamples,
                                           "Number of samples"};

constexpr MemberRow kResultsMembers[] = {
    kSummaryRow,
    kOcCurveRow,
    kPlotSequentialRow,
    kSequentialSummaryRow,
    {"VariableContainingData",
     MemberType::kListVariant,
     Access::kReadWrite,
     ids::kDataVariable,
     "Variable containing observed data",
     {},
     shell::ListKind::kVariables},
    kSampleSizeRow,
    kNumberOfSamplesRow,
};

constexpr MemberRow kResultsBinomialMembers[] = {
    kSummaryRow,
    kOcCurveRow,
    kPlotSequentialRow,
    kSequentialSummaryRow,
    {"VariableContainingData",
     MemberType::kListVariant,
     Access::kReadWrite,
     ids::kDataVariable,
     "Variable containing observed data",
     {},
     shell::ListKind::kVariables,
     &GetDataVariable},
    {"AcceptCode",
     MemberType::kListVariant,
     Access::kReadWrite,
     ids::kAcceptCode,
     "Code denoting acceptance of sample",
     {},
     shell::ListKind::kCodes,
     &GetAcceptCode,
     &SetAcceptCode,
     nullptr,
     0,
     "the code counted as 1 in S(n) = sum of (x - H0); with H0 a fraction defective, give "
     "the code of a defective item: a run of them leads to \"rejeter\""},
    {"RejectCode",
     MemberType::kListVariant,
     Access::kReadWrite,
     ids::kRejectCode,
     "Code denoting rejection of sample",
     {},
     shell::ListKind::kCodes,
     &GetRejectCode,
     &SetRejectCode,
     nullptr,
     0,
     "the code counted as 0 in S(n) = sum of (x - H0); with H0 a fraction defective, give "
     "the code of a good item: a run of them leads to \"accepter\""},
    kSampleSizeRow,
    kNumberOfSamplesRow,
};

}  // namespace

std::span<const MemberRow> SamplingMembers() { return kSamplingMembers; }
std::span<const MemberRow> SamplingResultsMembers() { return kResultsMembers; }
std::span<const MemberRow> SamplingResultsBinomialMembers() { return kResultsBinomialMembers; }

}  // namespace kpa::automation
