// Members of the Weibull and reliability interfaces: the raw-data and grouped-data
// specification dialogs behind the master tab and the two results dialogs. Members follow
// the type-library order, which fixes their dispatch identifiers. The censoring codes are
// value fields: written as a number or as a value label of the indicator variable.
#include "automation/dialog_automation.h"
#include "automation/interface_members.h"
#include "reliability/dialogs/results_dialogs.h"
#include "resources/ids/reliability_controls.h"
#include "resources/ids/shell_ids.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"

namespace kpa::automation {
namespace {

namespace c = reliability::controls;
using MT = MemberType;
using AC = Access;

AutomationStatus GetCompleteCode(shell::CAnalysisModelessDialog& d, Variant& v) {
  return GetFieldText(d, c::kCompleteCode, v);
}
AutomationStatus SetCompleteCode(shell::CAnalysisModelessDialog& d, const Variant& v) {
  return SetFieldText(d, c::kCompleteCode, v);
}
AutomationStatus GetCensoredCode(shell::CAnalysisModelessDialog& d, Variant& v) {
  return GetFieldText(d, c::kCensoredCode, v);
}
AutomationStatus SetCensoredCode(shell::CAnalysisModelessDialog& d, const Variant& v) {
  return SetFieldText(d, c::kCensoredCode, v);
}

reliability::WeibullResultsDialog& Results(shell::CAnalysisModelessDialog& dialog) {
  auto* results = dynamic_cast<reliability::WeibullResultsDialog*>(&dialog);
  if (results == nullptr) throw AutomationException("not a Weibull results dialog");
  return *results;
}

AutomationStatus GetVariable(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  Results(dialog);
  const shell::WeibullSettings& w = shell::Settings().weibull;
  const std::size_t current =
      w.time_variables.empty() ? 0 : std::min(w.current_variable, w.time_variables.size() - 1);
  value = w.time_variables.empty() ? std::string()
                                   : dialog.Host().VariableName(w.time_variables[current]);
  return AutomationStatus::kOk;
}

AutomationStatus PutVariable(shell::CAnalysisModelessDialog& dialog, const Variant& value) {
  reliability::WeibullResultsDialog& results = Results(dialog);
  int variable = 0;
  if (const auto* text = std::get_if<std::string>(&value))
    variable = dialog.Host().FindVariable(*text);
  else if (const auto* number = std::get_if<std::int64_t>(&value))
    variable = static_cast<int>(*number);
  else
    return AutomationStatus::kTypeMismatch;
  shell::CEnterAnalysisContext enter(dialog.Process());
  if (!results.SelectVariable(variable))
    throw AutomationException(
        "Variable: not one of the analysed time variables, or it cannot be "
        "analysed");
  return AutomationStatus::kOk;
}

constexpr MemberRow kTypeOfAnalysisRow = {"TypeOfAnalysis",   MT::kEnum,
                                          AC::kReadWrite,     shell::controls::kTabControl,
                                          "Type of analysis", "ProWeiInputDataType"};

constexpr MemberRow kCompleteCodeRow = {"CodeForCompleteResponses",
                                        MT::kListVariant,
                                        AC::kReadWrite,
                                        c::kCompleteCode,
                                        "Code for complete responses (observed failures)",
                                        {},
                                        shell::ListKind::kVariables,
                                        &GetCompleteCode,
                                        &SetCompleteCode};
constexpr MemberRow kCensoredCodeRow = {"CodeForCensoredResponses",
                                        MT::kListVariant,
                                        AC::kReadWrite,
                                        c::kCensoredCode,
                                        "Code for censored responses",
                                        {},
                                        shell::ListKind::kVariables,
                                        &GetCensoredCode,
                                        &SetCensoredCode};
constexpr MemberRow kAddConstantRow = {"AddConstantTo0FailureCensoringTimes", MT::kInteger,
                                       AC::kReadWrite, c::kAddConstant,
                                       "Add a constant to 0 (zero) failure and censoring times"};
constexpr MemberRow kConstantRow = {
    "ValueToAddTo0FailureCensoringTimes", MT::kDouble, AC::kReadWrite, c::kConstant,
    "Value (constant) to add to 0 (zero) failure and censoring times"};

constexpr MemberRow kRawMembers[] = {
    kTypeOfAnalysisRow,
    {"ListOfVariablesWithFailureTimes", MT::kInteger, AC::kReadWrite, c::kListOfVariables,
     "Input variables specify list of variables with failure times"},
    {"SingleVariableStartStopTimesOrDates", MT::kInteger, AC::kReadWrite, c::kSingleTime,
     "Input variables specify a single variable, with start and stop times or dates"},
    {"Variables",
     MT::kListVariant,
     AC::kReadWrite,
     c::kVariables,
     "Variables for analysis",
     {},
     shell::ListKind::kVariables,
     nullptr,
     nullptr,
     nullptr,
     0,
     "\"times | censoring indicator\": 1 to 300 time variables each analysed on its own, or 1, "
     "2 (start, stop) or 6 (start and stop month, day, year) making one time; the indicator "
     "optional"},
    kCompleteCodeRow,
    kCensoredCodeRow,
    kAddConstantRow,
    kConstantRow,
};

constexpr MemberRow kGroupedMembers[] = {
    kTypeOfAnalysisRow,
    {"Variables",
     MT::kListVariant,
     AC::kReadWrite,
     c::kVariables,
     "Variables for analysis",
     {},
     shell::ListKind::kVariables,
     nullptr,
     nullptr,
     nullptr,
     0,
     "\"lower limits | withdrawn | failed\": one variable each"},
    {"NumberEnteringFirstInterval", MT::kInteger, AC::kReadWrite, c::kEntering,
     "Number of cases (observations) entering the first interval"},
    {"ComputeParameterEstimatesFromGroupedData", MT::kInteger, AC::kReadWrite, c::kGroupedFit,
     "Compute parameter estimates from grouped data"},
    {"TreatTableAsContinuousData", MT::kInteger, AC::kReadWrite, c::kTreatAsContinuous,
     "Treat table as continuous data, for parameter estimation"},
};

constexpr MemberRow kPaperMembers[] = {
    {"ProbabilityPlotPaper", MT::kAction, AC::kCall, c::kDrawPaper,
     "Probability plot, Weibull paper"},
    {"MinimumPValue", MT::kDouble, AC::kReadWrite, c::kMinimumP, "Minimum p value"},
    {"MaximumPValue", MT::kDouble, AC::kReadWrite, c::kMaximumP, "Maximum p value"},
    {"StepSizeOfPValue", MT::kDouble, AC::kReadWrite, c::kStepP, "Step size, for p value"},
    {"AddPLabelsAndGridLinesAtExtremeEnds", MT::kInteger, AC::kReadWrite, c::kExtremeEnds,
     "Add p labels and gridlines at extreme ends"},
    {"AddPrincipalAbscissa", MT::kInteger, AC::kReadWrite, c::kPrincipalAbscissa,
     "Add principal abscissa (characteristic life)"},
    {"WeibullOffset",
     MT::kDouble,
     AC::kReadWrite,
     c::kLocation,
     {"Weibull offset value", "Weibull offset valuet"}},
    {"MaximumTimeToFailure", MT::kDouble, AC::kReadWrite, c::kMaximumTime,
     "Maximum time to failure"},
    {"StepSizeForTime", MT::kDouble, AC::kReadWrite, c::kTimeStep, "Step size, for time (scale)"},
    {"Variables",
     MT::kListVariant,
     AC::kReadWrite,
     c::kVariables,
     "Variables for analysis, optional failure times and censoring indicator",
     {},
     shell::ListKind::kVariables,
     nullptr,
     nullptr,
     nullptr,
     0,
     "\"times | censoring indicator\", both optional: 1 time variable, 2 (start, stop) or 6 "
     "(start and stop month, day, year)"},
    kCompleteCodeRow,
    kCensoredCodeRow,
    kAddConstantRow,
    kConstantRow,
};

constexpr MemberRow kShapeRow = {"WeibullShape", MT::kDouble, AC::kReadWrite, c::kShape,
                                 "Weibull shape parameter, for fitting Weibull distribution"};
constexpr MemberRow kScaleRow = {"WeibullScale", MT::kDouble, AC::kReadWrite, c::kScale,
                                 "Weibull scale parameter, for fitting Weibull distribution"};
constexpr MemberRow kShapeAndScaleRow = {
    "ShapeAndScale", MT::kInteger, AC::kReadWrite, c::kShapeAndScale,
    "Compute and update shape and scale parameters, 2-parameter Weibull distribution"};
constexpr MemberRow kSummaryRow = {"Summary", MT::kAction, AC::kCall, c::kSummary,
                                   "Summary, parameter estimates"};
constexpr MemberRow kConfidenceRow = {"ConfidenceLimits", MT::kDouble, AC::kReadWrite,
                                      c::kConfidence, "Confidence limits (proportion)"};
constexpr MemberRow kReliabilityPlotRow = {"TimeToFailVsRT", MT::kAction, AC::kCall,
                                           c::kReliabilityPlot, "Plot of reliability function"};
constexpr MemberRow kProbabilityPlotRow = {"ProbabilityPlot", MT::kAction, AC::kCall,
                                           c::kProbabilityPlot, "Probability plot"};
constexpr MemberRow kReliabilityTableRow = {"ReliabilityValuesAndConfIntervals", MT::kAction,
                                            AC::kCall, c::kReliabilityTable,
                                            "Reliability values and conf intervals"};
constexpr MemberRow kHazardRow = {"HazardFunction", MT::kAction, AC::kCall, c::kHazardTable,
                                  "Hazard function"};
constexpr MemberRow kCumHazardRow = {"TimeToFailureVsCumHazardPlot", MT::kAction, AC::kCall,
                                     c::kCumHazardPlot,
                                     "Plot of time-to-failure vs. cumulative hazard"};
constexpr MemberRow kLogCumHazardRow = {"LogTVsLogCumulHazardPlot", MT::kAction, AC::kCall,
                                        c::kLogCumHazardPlot,
                                        "Plot of log(time) vs. cumulative hazard"};
constexpr MemberRow kHistogramRow = {"Histogram", MT::kAction, AC::kCall, c::kHistogram,
                                     "Histogram"};
constexpr MemberRow kFailuresOnlyRow = {"ObsFailuresOnly", MT::kInteger, AC::kReadWrite,
                                        c::kFailuresOnly,
                                        "Include observed failures only in histogram"};
constexpr MemberRow kCdfPlotRow = {"CumulativeDistributionFunctionPlot", MT::kAction, AC::kCall,
                                   c::kCdfPlot, "Cumulative distribution function plot"};

constexpr MemberRow kResultsRawMembers[] = {
    {"Variable",
     MT::kListVariant,
     AC::kReadWrite,
     c::kVariable,
     "Current variable for analysis",
     {},
     shell::ListKind::kVariables,
     &GetVariable,
     &PutVariable},
    {"MaxNumberOfIterations", MT::kInteger, AC::kReadWrite, c::kMaxIterations,
     "Maximum number of iterations"},
    {"ConvergenceCriterion", MT::kDouble, AC::kReadWrite, c::kCriterion, "Convergence criterion"},
    {"WeibullOffset",
     MT::kDouble,
     AC::kReadWrite,
     c::kLocation,
     {"Offset value (location parameter), for fitting Weibull distribution",
      "Offset value location parameter), for fitting Weibull distribution"}},
    kShapeRow,
    kScaleRow,
    kShapeAndScaleRow,
    {"ShapeScaleLocation", MT::kInteger, AC::kReadWrite, c::kShapeScaleLocation,
     "Compute and update shape, scale, and location parameters, 3-parameter Weibull "
     "distribution"},
    {"UserDefined", MT::kInteger, AC::kReadWrite, c::kUserDefined,
     "Update user-defined shape, scale, and location parameters, 3-parameter Weibull "
     "distribution"},
    kSummaryRow,
    kConfidenceRow,
    kReliabilityPlotRow,
    kProbabilityPlotRow,
    kReliabilityTableRow,
    {"MaxLikelihoodConfidenceIntervals", MT::kInteger, AC::kReadWrite, c::kMlIntervals,
     "Maximum likelihood confidence intervals"},
    {"NonparametricConfidenceIntervals", MT::kInteger, AC::kReadWrite, c::kRankIntervals,
     "Nonparametric (rank-based) confidence intervals"},
    {"MinimumForPlots", MT::kDouble, AC::kReadWrite, c::kPlotMinimum,
     "Minimum value for reliability plots"},
    {"MaximumForPlots", MT::kDouble, AC::kReadWrite, c::kPlotMaximum,
     "Maximum value for reliability plots"},
    {"MedianRankMethod", MT::kInteger, AC::kReadWrite, c::kMedianRank,
     "Median rank method, for computing failure orders (complete observations only)"},
    {"MeanRankMethod", MT::kInteger, AC::kReadWrite, c::kMeanRank,
     "Mean rank method, for computing failure orders (complete observations only)"},
    {"WhitePlottingPosition", MT::kInteger, AC::kReadWrite, c::kWhite,
     "White's plotting position, for computing failure orders (complete observations only)"},
    {"GoodnessOfFitTests", MT::kAction, AC::kCall, c::kGoodnessOfFit, "Goodness of fit tests"},
    {"LocationParameterFrom", MT::kDouble, AC::kReadWrite, c::kLocationFrom,
     "Location parameter 'from' value, for plot of R² vs. location parameter"},
    {"LocationParameterTo", MT::kDouble, AC::kReadWrite, c::kLocationTo,
     "Location parameter 'to' value, for plot of R² vs. location parameter"},
    {"RSquareVsLocationParameter", MT::kAction, AC::kCall, c::kRSquaredProfile,
     "Plot of R² vs. location parameter"},
    {"QuantileQuantilePlot", MT::kAction, AC::kCall, c::kQuantilePlot, "Quantile-quantile plot"},
    kHazardRow,
    kCumHazardRow,
    kLogCumHazardRow,
    kHistogramRow,
    kFailuresOnlyRow,
    kCdfPlotRow,
    {"PercentilesAndConfidenceLimits", MT::kAction, AC::kCall, c::kPercentiles,
     "Percentiles and confidence limits for cumulative Weibull distribution"},
    {"KaplanMeier", MT::kAction, AC::kCall, c::kKaplanMeier, "Kaplan-Meier estimates"},
    {"DescriptiveStatistics", MT::kAction, AC::kCall, c::kDescriptive, "Descriptive statistics"},
};

constexpr MemberRow kResultsGroupedMembers[] = {
    kShapeAndScaleRow,
    {"UserDefined", MT::kInteger, AC::kReadWrite, c::kGroupedUserDefined,
     "Update user-defined shape, scale, and location parameters, 3-parameter Weibull "
     "distribution"},
    {"WeibullOffset", MT::kDouble, AC::kReadWrite, c::kLocation,
     "Offset value (location parameter), for fitting Weibull distribution"},
    kShapeRow,
    kScaleRow,
    kSummaryRow,
    kConfidenceRow,
    kReliabilityPlotRow,
    kProbabilityPlotRow,
    kReliabilityTableRow,
    {"LifeTable", MT::kAction, AC::kCall, c::kLifeTable, "Life table"},
    {"QuantileQuantilePlot", MT::kAction, AC::kCall, c::kQuantilePlot, "Quantile-Quantile plot"},
    kHazardRow,
    kCumHazardRow,
    kLogCumHazardRow,
    kHistogramRow,
    kFailuresOnlyRow,
    kCdfPlotRow,
    {"Percentiles", MT::kAction, AC::kCall, c::kPercentiles,
     "Percentiles and confidence limits for cumulative Weibull distribution"},
};

}  // namespace

std::span<const MemberRow> WeibullRawMembers() { return kRawMembers; }
std::span<const MemberRow> WeibullGroupedMembers() { return kGroupedMembers; }
std::span<const MemberRow> WeibullPaperMembers() { return kPaperMembers; }
std::span<const MemberRow> WeibullResultsRawMembers() { return kResultsRawMembers; }
std::span<const MemberRow> WeibullResultsGroupedMembers() { return kResultsGroupedMembers; }

}  // namespace kpa::automation
