#include "gage/requests.h"

#include <array>
#include <cmath>
#include <new>

#include "gage/model/anova.h"
#include "gage/model/chart_statistics.h"
#include "gage/model/design_order.h"
#include "gage/model/range_method.h"
#include "gage/outputs/anova_tables.h"
#include "gage/outputs/charts.h"
#include "gage/outputs/descriptive_tables.h"
#include "gage/outputs/design_tables.h"
#include "gage/outputs/variance_tables.h"
#include "resources/ids/gage_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {
namespace {

using shell::GageEstimation;
using shell::GageSource;
using shell::RequestStatus;

constexpr const char* kDesignFileName = "DESIGN.csv";

StudySize SizeOf(const shell::GageSettings& s) {
  return {s.counts.operators, s.counts.parts, s.counts.trials};
}

Study StudyOf(const shell::GageSettings& s) {
  Study study;
  study.size = SizeOf(s);
  study.x = s.measurements;
  study.mean = s.mean;
  study.sd = s.sd;
  return study;
}

bool DataSheet(const shell::GageSettings& s) { return s.source == GageSource::kDataSheet; }

StudyNames NamesOf(const shell::Request& request, const shell::GageSettings& s) {
  StudyNames names;
  names.data_sheet = DataSheet(s);
  if (names.data_sheet) {
    names.measure = request.Text(strings::kSummarySheet);
    return names;
  }
  names.measure = request.VariableName(s.measure_variable);
  names.operators = request.VariableName(s.operator_variable);
  names.parts = request.VariableName(s.part_variable);
  if (s.trial_variable != 0) names.trials = request.VariableName(s.trial_variable);
  return names;
}

// A code's value label, or its number.
std::string CodeLabel(const shell::Request& request, int variable, double code) {
  if (const auto label = request.ValueLabelText(variable, code)) return *label;
  return std::to_string(std::llround(code));
}

LevelLabels LabelsOf(const shell::Request& request, const shell::GageSettings& s) {
  LevelLabels labels;
  if (DataSheet(s)) {
    for (std::int64_t o = 1; o <= s.counts.operators; ++o)
      labels.operators.push_back(std::to_string(o));
    for (const int variable : s.sheet_variables)
      labels.parts.push_back(request.VariableName(variable));
    return labels;
  }
  for (const double code : s.operator_codes)
    labels.operators.push_back(CodeLabel(request, s.operator_variable, code));
  for (const double code : s.part_codes)
    labels.parts.push_back(CodeLabel(request, s.part_variable, code));
  return labels;
}

bool Shown(GageContext& context, const GageTable& table) { return table.Show(context.request); }

RequestStatus Done(bool shown) { return shown ? RequestStatus::kDone : RequestStatus::kFailed; }

ToleranceOptions OptionsOf(const shell::GageSettings& s) {
  return {s.total_tolerance, s.sigma_intervals};
}

RangeMode RangeModeOf(const shell::GageSettings& s) {
  return s.estimation == GageEstimation::kRanges ? RangeMode::kRanges
                                                 : RangeMode::kStandardDeviations;
}

RequestStatus InputSummary(GageContext& context) {
  const Study study = StudyOf(context.settings);
  context.summary =
      gage::InputSummary(context.request, study, NamesOf(context.request, context.settings));
  if (context.request.AutoPrintOn() && context.request.AutoPrintLevel() > 1) {
    context.request.Status(strings::kPrinting);
    context.request.WriteText(context.request.Text(strings::kPrintHeader));
    for (const std::string& line : context.summary) context.request.WriteText(line);
  }
  return RequestStatus::kDone;
}

RequestStatus Descriptive(GageContext& context) {
  const Study study = StudyOf(context.settings);
  const StudyNames names = NamesOf(context.request, context.settings);
  const LevelLabels labels = LabelsOf(context.request, context.settings);
  const bool shown =
      Shown(context, DescriptiveTable(context.request, study, names, labels, true)) &&
      Shown(context, DescriptiveTable(context.request, study, names, labels, false));
  return Done(shown);
}

RequestStatus CompleteAnova(GageContext& context) {
  const Study study = StudyOf(context.settings);
  const StudyNames names = NamesOf(context.request, context.settings);
  const ThreeWayTable three = ComputeThreeWay(study);
  if (!Shown(context, ThreeWayAnovaTable(context.request, names, three)))
    return RequestStatus::kFailed;
  if (study.size.trials < 2) return RequestStatus::kDone;
  const TwoWayAnalysis two =
      ComputeTwoWay(study, three, !context.settings.no_interaction, context.settings.confidence);
  return Done(
      Shown(context, TwoWayAnovaTable(context.request, names, two, context.settings.confidence)));
}

RequestStatus Variance(GageContext& context, bool percent) {
  const shell::GageSettings& s = context.settings;
  const Study study = StudyOf(s);
  const StudyNames names = NamesOf(context.request, s);
  if (s.estimation == GageEstimation::kAnova) {
    if (study.size.trials < 2) return RequestStatus::kFailed;
    const TwoWayAnalysis two =
        ComputeTwoWay(study, ComputeThreeWay(study), !s.no_interaction, s.confidence);
    return Done(Shown(
        context, percent ? AnovaPercentToleranceTable(context.request, study, names, two,
                                                      s.confidence, OptionsOf(s))
                         : AnovaVarianceTable(context.request, study, names, two, s.confidence)));
  }
  const RangeMode mode = RangeModeOf(s);
  const RangeComponents components = ComputeRangeMethod(study, mode, s.adjust_appraiser);
  return Done(Shown(
      context, percent ? RangePercentToleranceTable(context.request, study, names, mode, components,
                                                    OptionsOf(s))
                       : RangeVarianceTable(context.request, study, names, mode, components)));
}

RequestStatus VarianceEstimation(GageContext& context) { return Variance(context, false); }
RequestStatus PercentTolerance(GageContext& context) { return Variance(context, true); }

// Every chart first checks that the study's cells fit in it.
bool ChartFits(GageContext& context, const Study& study) {
  context.request.Status(strings::kPreparingChart);
  if (study.size.operators * study.size.parts <= kMaxChartCells) return true;
  context.request.Message(strings::kTooManyCells);
  return false;
}

RequestStatus ShowChart(GageContext& context, const host::ChartSpec& chart) {
  if (context.request.Show(chart)) return RequestStatus::kDone;
  context.request.Message(strings::kGraphFailed);
  return RequestStatus::kFailed;
}

RequestStatus Dispersion(GageContext& context, bool sigma, bool by_operator) {
  const Study study = StudyOf(context.settings);
  if (study.size.trials < 2 || !ChartFits(context, study)) return RequestStatus::kFailed;
  // Ranges of more than 25 trials have no limits: the sigma chart is drawn instead.
  if (study.size.trials > 25) sigma = true;
  return ShowChart(
      context, DispersionChart(context.request, study, NamesOf(context.request, context.settings),
                               sigma, by_operator));
}

RequestStatus RangeByOperators(GageContext& context) { return Dispersion(context, false, true); }
RequestStatus RangeByParts(GageContext& context) { return Dispersion(context, false, false); }
RequestStatus SigmaByOperators(GageContext& context) { return Dispersion(context, true, true); }
RequestStatus SigmaByParts(GageContext& context) { return Dispersion(context, true, false); }

// A chart request: the study's cells must fit, then the chart is built from the study, its
// names and the labels of its levels.
template <typename Build>
RequestStatus StudyChart(GageContext& context, Build build) {
  const Study study = StudyOf(context.settings);
  if (!ChartFits(context, study)) return RequestStatus::kFailed;
  return build(study, NamesOf(context.request, context.settings),
               LabelsOf(context.request, context.settings));
}

RequestStatus RepeatabilityPlot(GageContext& context) {
  return StudyChart(context, [&](const Study& study, const StudyNames& names,
                                 const LevelLabels& labels) {
    for (const host::ChartSpec& chart : RepeatabilityPlots(context.request, study, names, labels))
      if (ShowChart(context, chart) != RequestStatus::kDone) return RequestStatus::kFailed;
    return RequestStatus::kDone;
  });
}

RequestStatus Combined(GageContext& context) {
  return StudyChart(
      context, [&](const Study& study, const StudyNames& names, const LevelLabels& labels) {
        return ShowChart(context, CombinedPlot(context.request, study, names, labels));
      });
}

RequestStatus Box(GageContext& context) {
  return StudyChart(context,
                    [&](const Study& study, const StudyNames& names, const LevelLabels& labels) {
                      return ShowChart(context, BoxPlot(context.request, study, names, labels));
                    });
}

// --- The design.

// The order the display or save shows: randomised once after each return to standard order.
void SettleOrder(shell::GageSettings& s, std::int64_t clock_second) {
  if (s.trial_order == 1 && !s.randomised) {
    SeedFromClock(s.generator, static_cast<int>(clock_second));
    RandomiseBlocks(s.order, s.counts.parts, s.generator);
    s.randomised = true;
  } else if (s.trial_order == 2 && s.randomised) {
    SortBack(s.order);
    s.randomised = false;
  }
}

RequestStatus ShowDesign(GageContext& context) {
  shell::GageSettings& s = context.settings;
  SettleOrder(s, context.request.ClockSecond());
  return Done(Shown(context, DesignTable(context.request, SizeOf(s), s.order)));
}

bool SheetFits(GageContext& context) {
  const int broken = DataSheetLimitBroken(SizeOf(context.settings));
  if (broken == 0) return true;
  context.request.Message(broken);
  return false;
}

RequestStatus ShowDataSheet(GageContext& context) {
  if (!SheetFits(context)) return RequestStatus::kFailed;
  return Done(Shown(context, DataSheetTable(context.request, SizeOf(context.settings))));
}

// The name to save under: the one given beforehand, else the host's file dialog. An existing
// file is replaced only when the user says so.
std::optional<std::string> SaveName(GageContext& context) {
  shell::Request& request = context.request;
  std::optional<std::string> name = context.save_name;
  if (!name)
    name = request.AskSaveFileName(request.Text(strings::kSaveDesignPurpose), kDesignFileName);
  if (!name || name->empty()) return std::nullopt;
  if (request.FileExists(*name) &&
      !request.AskYesNo(request.Text(strings::kOverwriteQuestion) + " " + *name, false))
    return std::nullopt;
  return name;
}

RequestStatus Save(GageContext& context, const host::NewDataFile& file) {
  const auto name = SaveName(context);
  if (!name) return RequestStatus::kFailed;
  context.request.ProgressStart(1, context.request.Text(strings::kWritingDesign));
  const bool written = context.request.WriteNewDataFile(*name, file);
  context.request.ProgressStop();
  return written ? RequestStatus::kDone : RequestStatus::kFailed;
}

RequestStatus SaveDesign(GageContext& context) {
  shell::GageSettings& s = context.settings;
  SettleOrder(s, context.request.ClockSecond());
  return Save(context, DesignFile(context.request, SizeOf(s), s.order));
}

RequestStatus SaveDataSheet(GageContext& context) {
  if (!SheetFits(context)) return RequestStatus::kFailed;
  return Save(context, DataSheetFile(context.request, SizeOf(context.settings)));
}

using Row = shell::RequestRow<GageRequest, GageContext>;
constexpr std::array kRequests = {
    Row{GageRequest::kInputSummary, &InputSummary},
    Row{GageRequest::kDescriptive, &Descriptive},
    Row{GageRequest::kCompleteAnova, &CompleteAnova},
    Row{GageRequest::kCombinedPlot, &Combined},
    Row{GageRequest::kRangeChartByOperators, &RangeByOperators},
    Row{GageRequest::kRangeChartByParts, &RangeByParts},
    Row{GageRequest::kBoxPlot, &Box},
    Row{GageRequest::kRepeatabilityPlot, &RepeatabilityPlot},
    Row{GageRequest::kSigmaChartByOperators, &SigmaByOperators},
    Row{GageRequest::kSigmaChartByParts, &SigmaByParts},
    Row{GageRequest::kVarianceEstimation, &VarianceEstimation},
    Row{GageRequest::kPercentTolerance, &PercentTolerance},
    Row{GageRequest::kShowDesign, &ShowDesign},
    Row{GageRequest::kSaveDesign, &SaveDesign},
    Row{GageRequest::kShowDataSheet, &ShowDataSheet},
    Row{GageRequest::kSaveDataSheet, &SaveDataSheet},
};

int ReadFailureMessage(StudyReadStatus status) {
  switch (status) {
    case StudyReadStatus::kEmptyCells:
      return strings::kEmptyCells;
    case StudyReadStatus::kIdentical:
      return strings::kIdenticalMeasures;
    case StudyReadStatus::kMissingSheetValue:
      return strings::kSheetMissing;
    case StudyReadStatus::kShortSheet:
      return strings::kSheetShort;
    case StudyReadStatus::kReadFailure:
      return strings::kReadFailed;
    case StudyReadStatus::kTooLarge:
      return strings::kStudyTooLarge;
    case StudyReadStatus::kOk:
    case StudyReadStatus::kCancelled:
      break;
  }
  return 0;
}

}  // namespace

RequestStatus RunGageRequest(GageRequest code, GageContext& context) {
  const Row* row = shell::FindRequest<GageRequest, GageContext>(kRequests, code);
  if (row == nullptr) return RequestStatus::kNotAvailable;
  return row->serve(context);
}

bool ReadStudy(shell::Request& request, shell::GageSettings& settings) {
  request.Status(strings::kComputing);
  StudyRead read;
  try {
    read = DataSheet(settings) ? ReadDataSheetStudy(request, settings)
                               : ReadDataFileStudy(request, settings);
  } catch (const std::bad_alloc&) {
    read.status = StudyReadStatus::kTooLarge;
  }
  if (read.status == StudyReadStatus::kCancelled) return false;
  if (const int message = ReadFailureMessage(read.status); message != 0) {
    request.Message(message);
    return false;
  }
  if (read.multiple_references) request.Message(strings::kMultipleReferences);
  if (read.surplus) request.Message(strings::kSheetSurplus);
  request.Status(strings::kInitialising);
  settings.counts = {read.study.size.operators, read.study.size.parts, read.study.size.trials};
  settings.measurements = std::move(read.study.x);
  settings.mean = read.study.mean;
  settings.sd = read.study.sd;
  return true;
}

}  // namespace kpa::gage
