#include "reliability/dialogs/results_dialogs.h"

#include <cmath>

#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_controls.h"
#include "resources/ids/reliability_strings.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::reliability {
namespace {

namespace c = controls;
using shell::WeibullMethod;

constexpr double kLargestParameter = 9999999.0;
constexpr std::int64_t kFewestIterations = 5;
constexpr std::int64_t kMostIterations = 1000;
constexpr double kSmallestCriterion = 1e-11;
constexpr double kLargestCriterion = 0.01;
constexpr double kLowestConfidence = 0.75;

shell::WeibullSettings& Weibull() { return shell::Settings().weibull; }

// The button of each request; estimation choices and options are handled apart.
struct RequestButton {
  int control;
  WeibullRequest code;
};
constexpr RequestButton kButtons[] = {
    {c::kSummary, WeibullRequest::kSummary},
    {c::kReliabilityPlot, WeibullRequest::kReliabilityPlot},
    {c::kCdfPlot, WeibullRequest::kDistributionPlot},
    {c::kProbabilityPlot, WeibullRequest::kProbabilityPlot},
    {c::kReliabilityTable, WeibullRequest::kReliabilityTable},
    {c::kPercentiles, WeibullRequest::kPercentiles},
    {c::kKaplanMeier, WeibullRequest::kKaplanMeier},
    {c::kDescriptive, WeibullRequest::kDescriptive},
    {c::kHazardTable, WeibullRequest::kHazardTable},
    {c::kCumHazardPlot, WeibullRequest::kCumulativeHazardPlot},
    {c::kLogCumHazardPlot, WeibullRequest::kLogCumulativeHazardPlot},
    {c::kQuantilePlot, WeibullRequest::kQuantilePlot},
    {c::kRSquaredProfile, WeibullRequest::kLocationProfile},
    {c::kHistogram, WeibullRequest::kHistogram},
    {c::kGoodnessOfFit, WeibullRequest::kGoodnessOfFit},
    {c::kLifeTable, WeibullRequest::kLifeTable},
};

}  // namespace

void WeibullResultsDialog::OnInitDialog() {
  shell::WeibullSettings& w = Weibull();
  const std::vector<int> radios =
      Grouped() ? std::vector<int>{c::kShapeAndScale, c::kGroupedUserDefined}
                : std::vector<int>{c::kShapeAndScale, c::kShapeScaleLocation, c::kUserDefined};
  for (const int id : radios) GetControl(id).radio_group = 1;
  if (!Grouped()) {
    for (const int id : {c::kMlIntervals, c::kRankIntervals}) GetControl(id).radio_group = 2;
    for (const int id : {c::kMedianRank, c::kMeanRank, c::kWhite}) GetControl(id).radio_group = 3;
    shell::Control& variables = GetControl(c::kVariable);
    variables.items.clear();
    for (const int v : w.list_of_variables ? w.time_variables : std::vector<int>{})
      variables.items.push_back(Host().VariableName(v));
    variables.value = static_cast<std::int64_t>(w.current_variable);
    w.location_from = 0.0;
    w.location_to = w.sample.tmin;
    GetControl(c::kMaxIterations).value = std::int64_t{w.estimation.max_iterations};
    GetControl(c::kCriterion).value = w.estimation.criterion;
    GetControl(c::kMlIntervals).value = std::int64_t{w.ml_intervals};
    GetControl(c::kRankIntervals).value = std::int64_t{!w.ml_intervals};
    GetControl(c::kMedianRank).value =
        std::int64_t{w.rank_method == shell::RankMethod::kMedianRank};
    GetControl(c::kMeanRank).value = std::int64_t{w.rank_method == shell::RankMethod::kMeanRank};
    GetControl(c::kWhite).value = std::int64_t{w.rank_method == shell::RankMethod::kWhite};
  }
  GetControl(c::kConfidence).value = w.estimation.confidence;
  // Without censored cases the histogram can only show failures.
  const bool censoring = w.sample.n > w.sample.r;
  GetControl(c::kFailuresOnly).value = std::int64_t{w.failures_only || !censoring};
  GetControl(c::kFailuresOnly).enabled = censoring;
  ShowParameters();
  ShowSummary();
}

void WeibullResultsDialog::ShowSummary() {
  shell::Request request = NewRequest();
  const std::vector<std::string> lines = DialogSummary(request, Weibull());
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  GetControl(c::kSummaryText).value = text;
  SetStatusText(lines.empty() ? std::string() : lines.front());
}

// The fit's parameters and the options that depend on them, as the fields show them.
void WeibullResultsDialog::ShowParameters() {
  const shell::WeibullSettings& w = Weibull();
  GetControl(c::kLocation).value = w.fit.location;
  GetControl(c::kShape).value = w.fit.shape;
  GetControl(c::kScale).value = w.fit.scale;
  const WeibullMethod method = w.fit.method;
  GetControl(c::kShapeAndScale).value = std::int64_t{method == WeibullMethod::kTwoParameter};
  if (Grouped()) {
    GetControl(c::kGroupedUserDefined).value = std::int64_t{method == WeibullMethod::kUserDefined};
  } else {
    GetControl(c::kShapeScaleLocation).value =
        std::int64_t{method == WeibullMethod::kThreeParameter};
    GetControl(c::kUserDefined).value = std::int64_t{method == WeibullMethod::kUserDefined};
    GetControl(c::kPlotMinimum).value = w.plot_minimum;
    GetControl(c::kPlotMaximum).value = w.plot_maximum;
    GetControl(c::kLocationFrom).value = w.location_from;
    GetControl(c::kLocationTo).value = w.location_to;
  }
  UpdateEnabling();
}

// User-defined parameters have no standard errors: the confidence options, the level and
// the plot range do not apply.
void WeibullResultsDialog::UpdateEnabling() {
  const bool estimated = Weibull().fit.method != WeibullMethod::kUserDefined;
  GetControl(c::kConfidence).enabled = estimated;
  if (Grouped()) return;
  for (const int id : {c::kMlIntervals, c::kRankIntervals, c::kPlotMinimum, c::kPlotMaximum})
    GetControl(id).enabled = estimated;
  const bool single = Weibull().list_of_variables && Weibull().time_variables.size() > 1;
  for (const int id : {c::kVariable, c::kPreviousVariable, c::kNextVariable})
    GetControl(id).enabled = single;
}

WeibullMethod WeibullResultsDialog::ChosenMethod() const {
  const auto on = [this](int id) {
    const shell::Control* control = FindControl(id);
    return control != nullptr && control->IntValue() != 0;
  };
  if (Grouped())
    return on(c::kGroupedUserDefined) ? WeibullMethod::kUserDefined : WeibullMethod::kTwoParameter;
  if (on(c::kShapeScaleLocation)) return WeibullMethod::kThreeParameter;
  if (on(c::kUserDefined)) return WeibullMethod::kUserDefined;
  return WeibullMethod::kTwoParameter;
}

bool WeibullResultsDialog::ValidateEntries() {
  shell::WeibullSettings& w = Weibull();
  const auto refuse = [this](int message, int field, shell::ControlValue previous) {
    Message(message);
    GetControl(field).value = std::move(previous);
    return false;
  };
  std::int64_t iterations = w.estimation.max_iterations;
  double criterion = w.estimation.criterion;
  if (!Grouped()) {
    iterations = GetControl(c::kMaxIterations).IntValue();
    if (iterations < kFewestIterations || iterations > kMostIterations)
      return refuse(strings::kBadIterations, c::kMaxIterations,
                    std::int64_t{w.estimation.max_iterations});
    criterion = GetControl(c::kCriterion).RealValue();
    if (!(criterion >= kSmallestCriterion && criterion <= kLargestCriterion))
      return refuse(strings::kBadCriterion, c::kCriterion, w.estimation.criterion);
  }
  const double location = GetControl(c::kLocation).RealValue();
  if (!(location >= -kLargestParameter && location <= kLargestParameter))
    return refuse(strings::kBadLocation, c::kLocation, w.fit.location);
  if (Grouped() && !w.table.lower.empty() && location > w.table.lower.front())
    return refuse(strings::kLocationAboveLimit, c::kLocation, w.fit.location);
  if (!Grouped() && !(location < w.sample.tmin))
    return refuse(strings::kLocationNotBelowMinimum, c::kLocation, w.fit.location);
  const double shape = GetControl(c::kShape).RealValue();
  if (!(shape > 0.0 && shape <= kLargestParameter))
    return refuse(strings::kBadShape, c::kShape, w.fit.shape);
  const double scale = GetControl(c::kScale).RealValue();
  if (!(scale > 0.0 && scale <= kLargestParameter))
    return refuse(strings::kBadScale, c::kScale, w.fit.scale);
  // Every use of the level takes a normal quantile of 1 - (1 - CL) / 2: it must be below 1.
  const double confidence = GetControl(c::kConfidence).RealValue();
  if (!(confidence > kLowestConfidence && confidence < 1.0))
    return refuse(strings::kBadConfidence, c::kConfidence, w.estimation.confidence);
  w.estimation.max_iterations = static_cast<std::int32_t>(iterations);
  w.estimation.criterion = criterion;
  w.estimation.confidence = confidence;
  w.fit.location = location;
  if (w.fit.method == WeibullMethod::kUserDefined) {
    w.fit.shape = shape;
    w.fit.scale = scale;
  }
  StoreOptions();
  return true;
}

void WeibullResultsDialog::StoreOptions() {
  shell::WeibullSettings& w = Weibull();
  if (GetControl(c::kFailuresOnly).enabled)
    w.failures_only = GetControl(c::kFailuresOnly).IntValue() != 0;
  if (Grouped()) return;
  w.ml_intervals = GetControl(c::kMlIntervals).IntValue() != 0;
  if (GetControl(c::kMeanRank).IntValue() != 0)
    w.rank_method = shell::RankMethod::kMeanRank;
  else if (GetControl(c::kWhite).IntValue() != 0)
    w.rank_method = shell::RankMethod::kWhite;
  else
    w.rank_method = shell::RankMethod::kMedianRank;
}

bool WeibullResultsDialog::ValidatePlotRange() {
  shell::WeibullSettings& w = Weibull();
  if (Grouped()) return true;
  const double minimum = GetControl(c::kPlotMinimum).RealValue();
  const double maximum = GetControl(c::kPlotMaximum).RealValue();
  if (!(minimum > -kLargestParameter && maximum <= kLargestParameter && maximum > minimum)) {
    Message(strings::kBadPlotRange);
    GetControl(c::kPlotMinimum).value = w.plot_minimum;
    GetControl(c::kPlotMaximum).value = w.plot_maximum;
    return false;
  }
  w.plot_minimum = minimum;
  w.plot_maximum = maximum;
  return true;
}

bool WeibullResultsDialog::ValidateProfileRange() {
  shell::WeibullSettings& w = Weibull();
  const double from = GetControl(c::kLocationFrom).RealValue();
  double to = GetControl(c::kLocationTo).RealValue();
  const bool inside = from >= -kLargestParameter && from < w.sample.tmin &&
                      to >= -kLargestParameter && to <= w.sample.tmin;
  if (!inside) {
    Message(strings::kBadProfileRange);
    GetControl(c::kLocationFrom).value = w.location_from;
    GetControl(c::kLocationTo).value = w.location_to;
    return false;
  }
  if (!(to > from)) to = w.sample.tmin;
  w.location_from = from;
  w.location_to = to;
  GetControl(c::kLocationTo).value = to;
  return true;
}

void WeibullResultsDialog::Estimate(WeibullMethod method) {
  shell::WeibullSettings& w = Weibull();
  if (method == WeibullMethod::kUserDefined) w.fit.method = method;
  if (!ValidateEntries()) {
    ShowParameters();
    return RecordRequestStatus(shell::RequestStatus::kFailed);
  }
  shell::Request request = NewRequest();
  const bool ok = EstimateWeibull(request, w, method);
  ShowParameters();
  RecordRequestStatus(ok ? shell::RequestStatus::kDone : shell::RequestStatus::kFailed);
}

void WeibullResultsDialog::Issue(WeibullRequest code) {
  if (!ValidateEntries()) return RecordRequestStatus(shell::RequestStatus::kFailed);
  const bool plot_range =
      code == WeibullRequest::kReliabilityPlot || code == WeibullRequest::kDistributionPlot;
  if (plot_range && !ValidatePlotRange()) return RecordRequestStatus(shell::RequestStatus::kFailed);
  if (code == WeibullRequest::kLocationProfile && !ValidateProfileRange())
    return RecordRequestStatus(shell::RequestStatus::kFailed);
  shell::Request request = NewRequest();
  WeibullContext context{request, Weibull()};
  RecordRequestStatus(RunWeibullRequest(code, context));
}

void WeibullResultsDialog::SwitchVariable(std::size_t index) {
  shell::WeibullSettings& w = Weibull();
  if (!w.list_of_variables || index >= w.time_variables.size() || index == w.current_variable) {
    GetControl(c::kVariable).value = static_cast<std::int64_t>(w.current_variable);
    return;
  }
  const std::size_t previous = w.current_variable;
  w.current_variable = index;
  shell::Request request = NewRequest();
  bool ok = ReadFailureData(request, w) && InitialWeibullFit(request, w);
  if (!ok) {
    // The variable cannot be analysed: the previous one comes back with its fit.
    w.current_variable = previous;
    shell::Request quiet(Host());
    (void)ReadFailureData(quiet, w);
    (void)InitialWeibullFit(quiet, w);
  }
  w.location_from = 0.0;
  w.location_to = w.sample.tmin;
  GetControl(c::kVariable).value = static_cast<std::int64_t>(w.current_variable);
  ShowParameters();
  ShowSummary();
  RecordRequestStatus(ok ? shell::RequestStatus::kDone : shell::RequestStatus::kFailed);
}

bool WeibullResultsDialog::SelectVariable(int variable) {
  const shell::WeibullSettings& w = Weibull();
  for (std::size_t i = 0; i < w.time_variables.size(); ++i)
    if (w.time_variables[i] == variable) {
      SwitchVariable(i);
      return w.current_variable == i;
    }
  return false;
}

void WeibullResultsDialog::OnControlChanged(int id) {
  shell::WeibullSettings& w = Weibull();
  if (id == c::kVariable) {
    const std::int64_t row = GetControl(id).IntValue();
    if (row >= 0) SwitchVariable(static_cast<std::size_t>(row));
    return;
  }
  const bool chosen = FindControl(id) != nullptr && GetControl(id).IntValue() != 0;
  if (id == c::kShapeAndScale && chosen) return Estimate(WeibullMethod::kTwoParameter);
  if (!Grouped() && id == c::kShapeScaleLocation && chosen)
    return Estimate(WeibullMethod::kThreeParameter);
  if ((id == c::kUserDefined || (Grouped() && id == c::kGroupedUserDefined)) && chosen)
    return Estimate(WeibullMethod::kUserDefined);
  // A location typed while the three-parameter fit stands makes the parameters the user's.
  if (id == c::kLocation && !Grouped() && w.fit.method == WeibullMethod::kThreeParameter) {
    w.fit.method = WeibullMethod::kUserDefined;
    GetControl(c::kUserDefined).value = std::int64_t{1};
    GetControl(c::kShapeScaleLocation).value = std::int64_t{0};
    UpdateEnabling();
    return;
  }
  if (id == c::kMlIntervals || id == c::kRankIntervals || id == c::kMedianRank ||
      id == c::kMeanRank || id == c::kWhite || id == c::kFailuresOnly)
    StoreOptions();
}

void WeibullResultsDialog::OnCommand(int id, int /*notification*/) {
  shell::WeibullSettings& w = Weibull();
  const std::size_t count = w.list_of_variables ? w.time_variables.size() : 0;
  switch (id) {
    case shell::controls::kCancel:
      ExitDialog(Process().BackStepOf(shell::Step::kWeibullResults), shell::ExitMode::kBack);
      return;
    case c::kPreviousVariable:
      if (count > 1) SwitchVariable((w.current_variable + count - 1) % count);
      return;
    case c::kNextVariable:
      if (count > 1) SwitchVariable((w.current_variable + 1) % count);
      return;
    case c::kRecompute:
      return Estimate(ChosenMethod());
    default:
      break;
  }
  for (const RequestButton& button : kButtons)
    if (button.control == id) return Issue(button.code);
}

}  // namespace kpa::reliability
