#include "gage/dialogs/results_dialogs.h"

#include "gage/model/design_order.h"
#include "resources/ids/gage_controls.h"
#include "resources/ids/gage_strings.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::gage {
namespace {

namespace c = controls;
using shell::GageEstimation;

constexpr std::int64_t kFirstStandardDeviationCount = 16;
constexpr double kLowestConfidence = 0.8;
constexpr double kHighestConfidence = 0.999;
constexpr double kHighestTolerance = 9999999.0;
constexpr double kHighestSigmaIntervals = 10.0;
constexpr std::int64_t kLastRangeChartTrials = 25;

shell::GageSettings& Gage() { return shell::Settings().gage; }

bool NeedsStandardDeviations(const shell::GageCounts& counts) {
  return counts.operators >= kFirstStandardDeviationCount ||
         counts.parts >= kFirstStandardDeviationCount ||
         counts.trials >= kFirstStandardDeviationCount;
}

}  // namespace

void GageResultsDialog::Issue(GageRequest code, std::optional<std::string> save_name) {
  shell::Request request = NewRequest();
  GageContext context{request, Gage(), std::move(save_name), {}};
  RecordRequestStatus(RunGageRequest(code, context));
}

// --- Design results.

void DesignResultsDialog::OnInitDialog() {
  shell::GageSettings& gage = Gage();
  gage.order = StandardOrder(gage.counts.operators * gage.counts.parts * gage.counts.trials);
  gage.randomised = false;
  gage.trial_order = 2;
  GetControl(c::kRandomizeTrials).radio_group = 1;
  GetControl(c::kStandardOrder).radio_group = 1;
  GetControl(c::kRandomizeTrials).value = std::int64_t{0};
  GetControl(c::kStandardOrder).value = std::int64_t{1};
}

void DesignResultsDialog::OnControlChanged(int id) {
  if (id != c::kRandomizeTrials && id != c::kStandardOrder) return;
  // The radio buttons only record the order; it takes effect at the next display or save.
  const bool randomise =
      id == c::kRandomizeTrials ? GetControl(id).IntValue() != 0 : GetControl(id).IntValue() == 0;
  Gage().trial_order = randomise ? 1 : 2;
  GetControl(c::kRandomizeTrials).value = std::int64_t{randomise};
  GetControl(c::kStandardOrder).value = std::int64_t{!randomise};
}

void DesignResultsDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case c::kSummary:
      Issue(GageRequest::kShowDesign);
      break;
    case c::kSaveDesign:
      Issue(GageRequest::kSaveDesign, TakeResultsSaveFileName());
      break;
    case c::kSheetSummary:
      Issue(GageRequest::kShowDataSheet);
      break;
    case c::kSaveSheet:
      Issue(GageRequest::kSaveDataSheet, TakeResultsSaveFileName());
      break;
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(shell::Step::kGageDesignResults), shell::ExitMode::kBack);
      break;
    default:
      break;
  }
}

// --- Analysis results.

void AnalysisResultsDialog::OnInitDialog() {
  shell::GageSettings& gage = Gage();
  GetControl(c::kAdjustAppraiser).value = std::int64_t{gage.adjust_appraiser};
  GetControl(c::kNoInteraction).value = std::int64_t{gage.no_interaction};
  GetControl(c::kConfidence).value = gage.confidence;
  GetControl(c::kTolerance).value = gage.total_tolerance;
  GetControl(c::kSigmaIntervals).value = gage.sigma_intervals;
  GetControl(c::kRepeatabilityNote).value = Text(strings::kRepeatabilityNote);
  if (gage.estimation == GageEstimation::kAnova && gage.counts.trials < 2)
    gage.estimation = GageEstimation::kRanges;
  if (NeedsStandardDeviations(gage.counts)) gage.estimation = GageEstimation::kStandardDeviations;
  UpdateEnabling();
  shell::Request request = NewRequest();
  GageContext context{request, gage, std::nullopt, {}};
  (void)RunGageRequest(GageRequest::kInputSummary, context);
  std::string summary;
  for (const std::string& line : context.summary) summary += (summary.empty() ? "" : "\n") + line;
  GetControl(c::kSummaryText).value = summary;
  SetStatusText(context.summary.empty() ? std::string() : context.summary.front());
}

void AnalysisResultsDialog::UpdateEnabling() {
  const std::int64_t trials = Gage().counts.trials;
  const bool repeated = trials >= 2;
  for (const int id :
       {c::kAnovaVariance, c::kAnovaPercentTolerance, c::kNoInteraction, c::kConfidence,
        c::kAdjustAppraiser, c::kSigmaChartOperators, c::kSigmaChartParts})
    GetControl(id).enabled = repeated;
  for (const int id : {c::kRangeChartOperators, c::kRangeChartParts})
    GetControl(id).enabled = repeated && trials <= kLastRangeChartTrials;
}

void AnalysisResultsDialog::OnControlChanged(int id) {
  if (id == c::kAdjustAppraiser) Gage().adjust_appraiser = GetControl(id).IntValue() != 0;
  if (id == c::kNoInteraction) Gage().no_interaction = GetControl(id).IntValue() != 0;
}

bool AnalysisResultsDialog::ValidateConfidence() {
  shell::GageSettings& gage = Gage();
  const double level = GetControl(c::kConfidence).RealValue();
  if (!(level >= kLowestConfidence && level <= kHighestConfidence)) {
    Message(strings::kBadConfidence);
    GetControl(c::kConfidence).value = gage.confidence;
    return false;
  }
  gage.confidence = level;
  return true;
}

bool AnalysisResultsDialog::ValidateOptions() {
  shell::GageSettings& gage = Gage();
  const double tolerance = GetControl(c::kTolerance).RealValue();
  if (!(tolerance > 0.0 && tolerance <= kHighestTolerance)) {
    Message(strings::kBadTolerance);
    GetControl(c::kTolerance).value = gage.total_tolerance;
    return false;
  }
  const double intervals = GetControl(c::kSigmaIntervals).RealValue();
  if (!(intervals > 0.0 && intervals <= kHighestSigmaIntervals)) {
    Message(strings::kBadSigmaIntervals);
    GetControl(c::kSigmaIntervals).value = gage.sigma_intervals;
    return false;
  }
  gage.total_tolerance = tolerance;
  gage.sigma_intervals = intervals;
  return true;
}

void AnalysisResultsDialog::OnCommand(int id, int /*notification*/) {
  shell::GageSettings& gage = Gage();
  const auto refused = [this] { RecordRequestStatus(shell::RequestStatus::kFailed); };
  switch (id) {
    case c::kRangeVariance:
    case c::kRangePercentTolerance: {
      const bool percent = id == c::kRangePercentTolerance;
      if (percent && (!ValidateConfidence() || !ValidateOptions())) return refused();
      gage.estimation = NeedsStandardDeviations(gage.counts) ? GageEstimation::kStandardDeviations
                                                             : GageEstimation::kRanges;
      Issue(percent ? GageRequest::kPercentTolerance : GageRequest::kVarianceEstimation);
      break;
    }
    case c::kAnovaVariance:
    case c::kAnovaPercentTolerance: {
      const bool percent = id == c::kAnovaPercentTolerance;
      if (!ValidateConfidence() || (percent && !ValidateOptions())) return refused();
      gage.estimation = GageEstimation::kAnova;
      Issue(percent ? GageRequest::kPercentTolerance : GageRequest::kVarianceEstimation);
      break;
    }
    case c::kCompleteAnova:
      if (gage.counts.trials >= 2 && !ValidateConfidence()) return refused();
      Issue(GageRequest::kCompleteAnova);
      break;
    case c::kDescriptive:
      Issue(GageRequest::kDescriptive);
      break;
    case c::kRrPlot:
      Issue(GageRequest::kRepeatabilityPlot);
      break;
    case c::kCombinedPlot:
      Issue(GageRequest::kCombinedPlot);
      break;
    case c::kBoxPlot:
      Issue(GageRequest::kBoxPlot);
      break;
    case c::kRangeChartOperators:
      Issue(GageRequest::kRangeChartByOperators);
      break;
    case c::kRangeChartParts:
      Issue(GageRequest::kRangeChartByParts);
      break;
    case c::kSigmaChartOperators:
      Issue(GageRequest::kSigmaChartByOperators);
      break;
    case c::kSigmaChartParts:
      Issue(GageRequest::kSigmaChartByParts);
      break;
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(shell::Step::kGageAnalysisResults), shell::ExitMode::kBack);
      break;
    default:
      break;
  }
}

}  // namespace kpa::gage
