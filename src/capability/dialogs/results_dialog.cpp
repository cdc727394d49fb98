#include "capability/dialogs/results_dialog.h"

#include "capability/nonnormal_requests.h"
#include "capability/outputs/tables.h"
#include "capability/specifications/spec_record.h"
#include "resources/ids/capability_controls.h"
#include "resources/ids/capability_strings.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::capability {
namespace {

namespace c = controls;
using shell::ProcessType;

shell::CapabilitySettings& Capability() { return shell::Settings().capability; }

constexpr int kProcessTypeNames[] = {
    strings::kProcessTypeNominalDelta, strings::kProcessTypeLowerNominalUpper,
    strings::kProcessTypeLowerNominal, strings::kProcessTypeNominalUpper};

}  // namespace

shell::CapabilityVariableRun& ResultsDialogBase::CurrentRun() {
  shell::CapabilitySettings& settings = Capability();
  return settings.runs[settings.current_run];
}

shell::ProcessType ResultsDialogBase::ShownType() const {
  const shell::Control* combo = FindControl(c::kProcessType);
  const std::int64_t row = combo ? combo->IntValue() : 0;
  return row >= 0 && row <= 3 ? static_cast<ProcessType>(row + 1) : ProcessType::kNominalDelta;
}

bool ResultsDialogBase::LoadCurrentVariable() {
  shell::CapabilitySettings& settings = Capability();
  if (settings.runs.empty()) return false;
  shell::CapabilityVariableRun& run = CurrentRun();
  shell::Request request = NewRequest();
  RequestContext context{request, settings, run};
  if (RunCapabilityRequest(CapabilityRequest::kInitialise, context) != RequestStatus::kDone)
    return false;
  const shell::CapabilityResultsFields& f = run.fields;
  // Each dialog shows the fields its template has.
  const auto set = [&](int id, shell::ControlValue value) {
    if (shell::Control* control = MutableControl(id)) control->value = std::move(value);
  };
  if (HasUserMeanAndSigma()) {
    set(c::kUserMeanOn, std::int64_t{f.user_mean_on});
    set(c::kUserMean, f.user_mean);
    set(c::kUserSigmaOn, std::int64_t{f.user_sigma_on});
    set(c::kUserSigma, f.user_sigma);
  }
  set(c::kSigmaLimits, f.sigma_limits);
  if (shell::Control* within = MutableControl(c::kWithinSigma)) {
    within->value = f.within_sigma;
    within->enabled = run.state.Grouped();
  }
  if (HasOptionFields()) {
    set(c::kToleranceN, f.tolerance_n);
    set(c::kTolerancePercent, f.percent_population * 100.0);
    set(c::kToleranceConfidence, f.confidence * 100.0);
    set(c::kBaseOnPercent, std::int64_t{f.base_on_percent});
    set(c::kBaseOnConfidence, std::int64_t{!f.base_on_percent});
    set(c::kHistogramLower, f.histogram_lower);
    set(c::kHistogramUpper, f.histogram_upper);
    set(c::kCategories, f.categories);
    set(c::kNeatIntervals, std::int64_t{f.neat_intervals});
    set(c::kShowIndices, std::int64_t{f.show_indices});
    set(c::kLimitsAtPercentiles, std::int64_t{f.limits_at_percentiles});
    set(c::kMoveTitles, std::int64_t{f.move_titles});
    set(c::kRankAdjustment, f.rank_adjustment);
    set(c::kNAdjustment, f.n_adjustment);
    set(c::kAverageTiedRanks, std::int64_t{f.average_tied_ranks});
    set(c::kQuantilesHorizontal, std::int64_t{f.quantiles_horizontal});
    set(c::kQuantilesVertical, std::int64_t{!f.quantiles_horizontal});
  }
  LoadOwnFields(run);
  shell::ProcessSpecRecord record = settings.specifications[SpecificationVariable(settings, run)];
  if (!CompleteSpecRecord(record)) {
    record.type = ProcessType::kNominalDelta;
    record.nominal = run.state.mean;
    record.delta = 3.0 * (run.state.Grouped() ? run.state.sigma_within : run.state.sd);
    (void)CompleteSpecRecord(record);
  }
  GetControl(c::kProcessType).value = std::int64_t{static_cast<int>(record.type) - 1};
  GetControl(c::kNominal).value = record.nominal.value_or(0.0);
  GetControl(c::kDelta).value = record.delta.value_or(1.0);
  GetControl(c::kLower).value = record.lower.value_or(0.0);
  GetControl(c::kUpper).value = record.upper.value_or(0.0);
  UpdateSpecificationEnabling();
  // The non-normal results need the general non-normal fit of this variable.
  for (const int id : {c::kIndicesNonNormal, c::kHistogramNonNormal, c::kFrequencyNonNormal,
                       c::kQuantilePlotNonNormal, c::kProbabilityPlotNonNormal})
    if (shell::Control* button = MutableControl(id)) button->enabled = run.state.johnson_usable;
  SetStatusText(ResultsSummaryText(run, GroupingText(settings, request), request));
  return true;
}

void ResultsDialogBase::UpdateSpecificationEnabling() {
  const ProcessType type = ShownType();
  GetControl(c::kDelta).enabled = type == ProcessType::kNominalDelta;
  GetControl(c::kLower).enabled =
      type == ProcessType::kLowerNominalUpper || type == ProcessType::kLowerNominal;
  GetControl(c::kUpper).enabled =
      type == ProcessType::kLowerNominalUpper || type == ProcessType::kNominalUpper;
}

ResultsFieldValues ResultsDialogBase::ReadFields() const {
  ResultsFieldValues v;
  const auto real = [&](int id, double fallback) {
    const shell::Control* control = FindControl(id);
    return control ? control->RealValue() : fallback;
  };
  const auto whole = [&](int id, std::int64_t fallback) {
    const shell::Control* control = FindControl(id);
    return control ? control->IntValue() : fallback;
  };
  if (HasUserMeanAndSigma()) {
    v.user_mean_on = whole(c::kUserMeanOn, 0) != 0;
    v.user_mean = real(c::kUserMean, 0.0);
    v.user_sigma_on = whole(c::kUserSigmaOn, 0) != 0;
    v.user_sigma = real(c::kUserSigma, 1.0);
  }
  v.within_sigma = real(c::kWithinSigma, 1.0);
  v.sigma_limits = real(c::kSigmaLimits, 6.0);
  v.type = ShownType();
  v.nominal = real(c::kNominal, 0.0);
  v.delta = real(c::kDelta, 1.0);
  v.lower = real(c::kLower, 0.0);
  v.upper = real(c::kUpper, 0.0);
  if (HasOptionFields()) {
    v.n_adjustment = real(c::kNAdjustment, v.n_adjustment);
    v.rank_adjustment = real(c::kRankAdjustment, v.rank_adjustment);
    v.tolerance_n = whole(c::kToleranceN, v.tolerance_n);
    v.percent = real(c::kTolerancePercent, v.percent);
    v.confidence = real(c::kToleranceConfidence, v.confidence);
    v.histogram_lower = real(c::kHistogramLower, v.histogram_lower);
    v.histogram_upper = real(c::kHistogramUpper, v.histogram_upper);
    v.categories = whole(c::kCategories, v.categories);
  }
  return v;
}

void ResultsDialogBase::RestoreField(ResultsField field) {
  shell::CapabilitySettings& settings = Capability();
  shell::CapabilityVariableRun& run = CurrentRun();
  const shell::CapabilityResultsFields& f = run.fields;
  shell::ProcessSpecRecord record = settings.specifications[SpecificationVariable(settings, run)];
  (void)CompleteSpecRecord(record);
  switch (field) {
    case ResultsField::kUserMean:
      GetControl(c::kUserMean).value = f.user_mean;
      break;
    case ResultsField::kUserSigma:
      GetControl(c::kUserSigma).value = f.user_sigma;
      break;
    case ResultsField::kWithinSigma:
      GetControl(c::kWithinSigma).value = f.within_sigma;
      break;
    case ResultsField::kSigmaLimits:
      GetControl(c::kSigmaLimits).value = f.sigma_limits;
      break;
    case ResultsField::kNominal:
      GetControl(c::kNominal).value = record.nominal.value_or(0.0);
      break;
    case ResultsField::kDelta:
      GetControl(c::kDelta).value = record.delta.value_or(1.0);
      break;
    case ResultsField::kLower:
      GetControl(c::kLower).value = record.lower.value_or(0.0);
      break;
    case ResultsField::kUpper:
      GetControl(c::kUpper).value = record.upper.value_or(0.0);
      break;
    case ResultsField::kNAdjustment:
      GetControl(c::kNAdjustment).value = f.n_adjustment;
      break;
    case ResultsField::kRankAdjustment:
      GetControl(c::kRankAdjustment).value = f.rank_adjustment;
      break;
    case ResultsField::kToleranceN:
      GetControl(c::kToleranceN).value = f.tolerance_n;
      break;
    case ResultsField::kPercent:
      GetControl(c::kTolerancePercent).value = f.percent_population * 100.0;
      break;
    case ResultsField::kConfidence:
      GetControl(c::kToleranceConfidence).value = f.confidence * 100.0;
      break;
    case ResultsField::kHistogramLower:
      GetControl(c::kHistogramLower).value = f.histogram_lower;
      break;
    case ResultsField::kHistogramUpper:
      GetControl(c::kHistogramUpper).value = f.histogram_upper;
      break;
    case ResultsField::kCategories:
      GetControl(c::kCategories).value = f.categories;
      break;
  }
}

bool ResultsDialogBase::ValidateAndStore() {
  shell::CapabilitySettings& settings = Capability();
  if (settings.runs.empty()) return false;
  shell::CapabilityVariableRun& run = CurrentRun();
  if (!ValidateOwnFields(run)) return false;
  const ResultsFieldValues v = ReadFields();
  const ResultsFieldSet present{HasOptionFields() && run.state.Grouped(), HasOptionFields()};
  if (const auto failure = ValidateResultsFields(v, present)) {
    Message(failure->message);
    RestoreField(failure->field);
    return false;
  }
  shell::CapabilityResultsFields& f = run.fields;
  f.user_mean_on = v.user_mean_on;
  f.user_mean = v.user_mean;
  f.user_sigma_on = v.user_sigma_on;
  f.user_sigma = v.user_sigma;
  if (present.within_sigma && v.within_sigma != f.within_sigma) {
    f.within_sigma = v.within_sigma;
    f.within_sigma_edited = true;
  }
  f.sigma_limits = v.sigma_limits;
  if (HasOptionFields()) {
    f.n_adjustment = v.n_adjustment;
    f.rank_adjustment = v.rank_adjustment;
    f.tolerance_n = v.tolerance_n;
    f.percent_population = v.percent / 100.0;
    f.confidence = v.confidence / 100.0;
    f.histogram_lower = v.histogram_lower;
    f.histogram_upper = v.histogram_upper;
    f.categories = v.categories;
    const auto checked = [&](int id, bool current) {
      const shell::Control* control = FindControl(id);
      return control != nullptr ? control->IntValue() != 0 : current;
    };
    f.neat_intervals = checked(c::kNeatIntervals, f.neat_intervals);
    f.show_indices = checked(c::kShowIndices, f.show_indices);
    f.limits_at_percentiles = checked(c::kLimitsAtPercentiles, f.limits_at_percentiles);
    f.move_titles = checked(c::kMoveTitles, f.move_titles);
    f.average_tied_ranks = checked(c::kAverageTiedRanks, f.average_tied_ranks);
    f.quantiles_horizontal = checked(c::kQuantilesHorizontal, f.quantiles_horizontal);
    f.base_on_percent = checked(c::kBaseOnPercent, f.base_on_percent);
  }
  shell::ProcessSpecRecord record = DefinedValues({v.type, v.nominal, v.lower, v.upper, v.delta});
  if (CompleteSpecRecord(record)) {
    settings.specifications[SpecificationVariable(settings, run)] = record;
    settings.specification_undefined = false;
  }
  // The values the indices use.
  shell::CapabilityState& state = run.state;
  state.mu = f.user_mean_on ? f.user_mean : state.mean;
  state.k = f.sigma_limits;
  if (state.aggregated) {
    // Aggregated data give within-sample indices only: the user sigma stands for it.
    state.sigma_within = f.user_sigma_on ? f.user_sigma : state.sigma_within_computed;
  } else {
    state.sigma_total = f.user_sigma_on ? f.user_sigma : state.sd;
    // The field shows the computed value (clamped into its range) until the user edits it.
    state.sigma_within =
        state.Grouped() && f.within_sigma_edited ? f.within_sigma : state.sigma_within_computed;
  }
  return true;
}

void ResultsDialogBase::Issue(CapabilityRequest code, OutputMode mode, bool distribution_free) {
  if (!ValidateAndStore()) {
    RecordRequestStatus(RequestStatus::kFailed);
    return;
  }
  shell::Request request = NewRequest();
  RequestContext context{request, Capability(), CurrentRun(), mode};
  context.distribution_free = distribution_free;
  const RequestStatus status = RunCapabilityRequest(code, context);
  RecordRequestStatus(status);
  if (status == RequestStatus::kNotAvailable) request.Message(strings::kNotAvailableYet);
}

void ResultsDialogBase::IssueForAllVariables(
    RequestStatus (*summarize)(shell::Request&, shell::CapabilitySettings&)) {
  if (!ValidateAndStore()) {
    RecordRequestStatus(RequestStatus::kFailed);
    return;
  }
  shell::Request request = NewRequest();
  RecordRequestStatus(summarize(request, Capability()));
}

void ResultsDialogBase::HandleSharedChange(int id) {
  if (id == c::kProcessType) {
    UpdateSpecificationEnabling();
    (void)ValidateAndStore();
  }
}

// --- Raw data.

void RawResultsDialog::FillLists() {
  shell::CapabilitySettings& settings = Capability();
  shell::Control& variables = GetControl(c::kVariable);
  for (const auto& run : settings.runs)
    variables.items.push_back(Host().VariableName(run.variable));
  variables.value = static_cast<std::int64_t>(settings.current_run);
  shell::Control& types = GetControl(c::kProcessType);
  for (const int name : kProcessTypeNames) types.items.push_back(Text(name));
  for (const int id : {c::kQuantilesHorizontal, c::kQuantilesVertical})
    GetControl(id).radio_group = 1;
}

void RawResultsDialog::OnInitDialog() {
  FillLists();
  for (const int id : {c::kBaseOnPercent, c::kBaseOnConfidence}) GetControl(id).radio_group = 2;
  (void)LoadCurrentVariable();
}

int RawResultsDialog::CurrentVariable() {
  return Capability().runs.empty() ? 0 : CurrentRun().variable;
}

bool RawResultsDialog::SelectVariable(int variable) {
  shell::CapabilitySettings& settings = Capability();
  for (std::size_t i = 0; i < settings.runs.size(); ++i)
    if (settings.runs[i].variable == variable) {
      SwitchTo(i);
      return settings.current_run == i;
    }
  return false;
}

void RawResultsDialog::SwitchTo(std::size_t run) {
  shell::CapabilitySettings& settings = Capability();
  if (run == settings.current_run || run >= settings.runs.size()) return;
  if (!ValidateAndStore()) {
    GetControl(c::kVariable).value = static_cast<std::int64_t>(settings.current_run);
    return;
  }
  const std::size_t previous = settings.current_run;
  settings.current_run = run;
  if (!LoadCurrentVariable()) {
    settings.current_run = previous;
    (void)LoadCurrentVariable();
  }
  GetControl(c::kVariable).value = static_cast<std::int64_t>(settings.current_run);
}

void RawResultsDialog::OnControlChanged(int id) {
  if (id == c::kVariable) {
    const std::int64_t row = GetControl(c::kVariable).IntValue();
    if (row >= 0) SwitchTo(static_cast<std::size_t>(row));
    return;
  }
  HandleSharedChange(id);
}

void RawResultsDialog::OnCommand(int id, int /*notification*/) {
  shell::CapabilitySettings& settings = Capability();
  const std::size_t count = settings.runs.size();
  switch (id) {
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(shell::Step::kCapabilityResults), shell::ExitMode::kBack);
      break;
    case c::kPreviousVariable:
      if (count > 0) SwitchTo((settings.current_run + count - 1) % count);
      break;
    case c::kNextVariable:
      if (count > 0) SwitchTo((settings.current_run + 1) % count);
      break;
    case c::kRestoreDefaults:
      GetControl(c::kRankAdjustment).value = -1.0 / 3.0;
      GetControl(c::kNAdjustment).value = 1.0 / 3.0;
      break;
    case c::kSummary:
      Issue(CapabilityRequest::kSummary);
      break;
    case c::kSummaryAllVariables:
      IssueForAllVariables(&SummarizeAllVariables);
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
    case c::kProbabilityPlot:
      Issue(CapabilityRequest::kProbabilityProbabilityPlot);
      break;
    case c::kIndicesNonNormal:
      Issue(CapabilityRequest::kNonNormalIndices);
      break;
    case c::kHistogramNonNormal:
      if (GetControl(c::kShowIndices).IntValue() != 0 &&
          IsCapabilityRequestServed(CapabilityRequest::kNonNormalHistogramIndices))
        Issue(CapabilityRequest::kNonNormalHistogramIndices);
      Issue(CapabilityRequest::kNonNormalHistogram);
      break;
    case c::kFrequencyNonNormal:
      Issue(CapabilityRequest::kFrequencyNonNormal);
      break;
    case c::kQuantilePlotNonNormal:
      Issue(CapabilityRequest::kNonNormalQuantilePlot);
      break;
    case c::kProbabilityPlotNonNormal:
      Issue(CapabilityRequest::kNonNormalProbabilityPlot);
      break;
    case c::kSummaryAllNonNormal:
      IssueForAllVariables(&SummarizeJohnsonIndices);
      break;
    case c::kNormalToleranceLimits:
      Issue(CapabilityRequest::kToleranceLimits);
      break;
    case c::kFreeToleranceLimits: {
      // The free limits use every observation: N is set first; the computed proportion or
      // confidence comes back into its field.
      const auto n = static_cast<double>(settings.runs[settings.current_run].state.n);
      GetControl(c::kToleranceN).value = static_cast<std::int64_t>(ClampIntoField(n, 3.0, 32000.0));
      Issue(CapabilityRequest::kToleranceLimits, OutputMode::kEmit, true);
      const shell::CapabilityResultsFields& f = CurrentRun().fields;
      GetControl(c::kTolerancePercent).value = f.percent_population * 100.0;
      GetControl(c::kToleranceConfidence).value = f.confidence * 100.0;
      break;
    }
    default:
      break;
  }
}

// --- Aggregated data.

void AggregatedResultsDialog::OnInitDialog() {
  shell::Control& types = GetControl(c::kProcessType);
  for (const int name : kProcessTypeNames) types.items.push_back(Text(name));
  (void)LoadCurrentVariable();
}

void AggregatedResultsDialog::OnControlChanged(int id) { HandleSharedChange(id); }

void AggregatedResultsDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(shell::Step::kCapabilityAggregatedResults),
                 shell::ExitMode::kBack);
      break;
    case c::kAggregatedSummary:
      Issue(CapabilityRequest::kSummary);
      break;
    default:
      break;
  }
}

}  // namespace kpa::capability
