// Members of the process-capability interfaces: the raw- and aggregated-data setup dialogs,
// the results dialog of the normal and general non-normal distributions and the results
// dialog of aggregated data and those of the named distributions. Members follow the type-library
// order, which fixes their dispatch identifiers.
#include <algorithm>
#include <array>
#include <iterator>

#include "automation/dialog_automation.h"
#include "automation/interface_members.h"
#include "capability/dialogs/results_dialog.h"
#include "capability/dialogs/setup_dialog.h"
#include "resources/ids/capability_controls.h"

namespace kpa::automation {
namespace {

namespace c = capability::controls;
using MT = MemberType;
using AC = Access;

AutomationStatus GetSpecifications(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  auto* setup = dynamic_cast<capability::SetupDialogBase*>(&dialog);
  if (setup == nullptr) return AutomationStatus::kFailure;
  value = setup->SpecificationsText();
  return AutomationStatus::kOk;
}

AutomationStatus PutSpecifications(shell::CAnalysisModelessDialog& dialog, const Variant& value) {
  auto* setup = dynamic_cast<capability::SetupDialogBase*>(&dialog);
  if (setup == nullptr) return AutomationStatus::kFailure;
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr) throw AutomationException("ProcessSpecifications takes a text");
  const capability::SpecWriteResult result = setup->WriteSpecificationsText(*text);
  switch (result.outcome) {
    case capability::SpecWriteResult::Outcome::kDone:
      return AutomationStatus::kOk;
    case capability::SpecWriteResult::Outcome::kRefused:
      throw AutomationException(result.message);
    case capability::SpecWriteResult::Outcome::kSyntaxError:
      throw AutomationException("ProcessSpecifications: " + result.message);
    case capability::SpecWriteResult::Outcome::kIncomplete:
      throw AutomationException(result.message);
  }
  return AutomationStatus::kFailure;
}

AutomationStatus GetVariable(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  auto* results = dynamic_cast<capability::RawResultsDialog*>(&dialog);
  if (results == nullptr) return AutomationStatus::kFailure;
  value = dialog.Host().VariableName(results->CurrentVariable());
  return AutomationStatus::kOk;
}

AutomationStatus PutVariable(shell::CAnalysisModelessDialog& dialog, const Variant& value) {
  auto* results = dynamic_cast<capability::RawResultsDialog*>(&dialog);
  if (results == nullptr) return AutomationStatus::kFailure;
  int variable = 0;
  if (const auto* text = std::get_if<std::string>(&value))
    variable = dialog.Host().FindVariable(*text);
  else if (const auto* number = std::get_if<std::int64_t>(&value))
    variable = static_cast<int>(*number);
  else if (const auto* real = std::get_if<double>(&value))
    variable = static_cast<int>(*real);
  if (!results->SelectVariable(variable))
    throw AutomationException("Variable: not an analysis variable, or the change was refused");
  return AutomationStatus::kOk;
}

// Rows that several capability interfaces carry, each at its own place in the interface.
constexpr MemberRow kVariablesRow = {"Variables", MT::kListVariant, AC::kReadWrite, c::kVariables,
                                     "Variables for analysis"};
constexpr MemberRow kSpecificationsRow = {"ProcessSpecifications",
                                          MT::kListVariant,
                                          AC::kReadWrite,
                                          0,
                                          "Process specifications",
                                          {},
                                          shell::ListKind::kVariables,
                                          &GetSpecifications,
                                          &PutSpecifications};
constexpr MemberRow kSigmaFromRangesRow = {"EstimateSigmaFromRanges", MT::kInteger, AC::kReadWrite,
                                           c::kSigmaFromRanges, "Estimate sigma from ranges"};
constexpr MemberRow kSigmaFromStdDevsRow = {"EstimateSigmaFromStandardDeviations", MT::kInteger,
                                            AC::kReadWrite, c::kSigmaFromStdDevs,
                                            "Estimate sigma from standard deviations"};
constexpr MemberRow kSigmaFromVariancesRow = {"EstimateSigmaFromVariances", MT::kInteger,
                                              AC::kReadWrite, c::kSigmaFromVariances,
                                              "Estimate sigma from variances"};
constexpr MemberRow kProcessTypeRow = {
    "TypeOfProcessSpecifications",    MT::kEnum,       AC::kReadWrite, c::kProcessType,
    "Type of process specifications", "ProProcessType"};
constexpr MemberRow kNominalRow = {"NominalValue", MT::kDouble, AC::kReadWrite, c::kNominal,
                                   "Nominal value"};
constexpr MemberRow kDeltaRow = {"DeltaValue", MT::kDouble, AC::kReadWrite, c::kDelta,
                                 "Delta value, for specs: nominal ± delta"};
constexpr MemberRow kLowerRow = {"LowerSpecificationLimit", MT::kDouble, AC::kReadWrite, c::kLower,
                                 "Lower specification limit"};
constexpr MemberRow kUpperRow = {"UpperSpecificationLimit", MT::kDouble, AC::kReadWrite, c::kUpper,
                                 "Upper specification limit"};
constexpr MemberRow kUserMeanOnRow = {
    "UserDefinedMean", MT::kInteger, AC::kReadWrite, c::kUserMeanOn,
    "Use user defined mean in computations of capability indices"};
constexpr MemberRow kUserSigmaOnRow = {
    "UserDefinedSigma", MT::kInteger, AC::kReadWrite, c::kUserSigmaOn,
    "Use user defined sigma in computations of capability indices"};
constexpr MemberRow kUserSigmaRow = {
    "ValueForUserDefinedSigma", MT::kDouble, AC::kReadWrite, c::kUserSigma,
    "Value for user defined sigma, for computations of capability indices"};
constexpr MemberRow kSigmaLimitsRow = {
    "SigmaLimits", MT::kDouble, AC::kReadWrite, c::kSigmaLimits,
    "Sigma limits (multiple), for computations of capability indices"};

constexpr MemberRow kCapabilityMembers[] = {
    kVariablesRow,
    kSpecificationsRow,
    {"NoGroupingSingleSample", MT::kInteger, AC::kReadWrite, c::kNoGrouping,
     "No grouping in data, single sample"},
    {"ConstantSampleSize", MT::kInteger, AC::kReadWrite, c::kConstantSampleSize,
     "Use constant sample size (multiple samples)"},
    {"GroupingVariable", MT::kInteger, AC::kReadWrite, c::kGroupingVariable, "Grouping variable"},
    {"ValueOfConstantSampleSize", MT::kInteger, AC::kReadWrite, c::kSampleSize,
     "Value of constant sample size"},
    {"SelectAllCodes", MT::kInteger, AC::kReadWrite, c::kSelectAllCodes,
     "Select all codes found in the data file"},
    {"Codes",
     MT::kListVariant,
     AC::kReadWrite,
     c::kCodes,
     "Codes, identifying samples in data",
     {},
     shell::ListKind::kCodes},
    {"KeepCodesInDataFileOrder", MT::kInteger, AC::kReadWrite, c::kCodesInFileOrder,
     "Keep codes in data file order"},
    kSigmaFromRangesRow,
    kSigmaFromStdDevsRow,
    kSigmaFromVariancesRow,
    {"FitAllDistributions", MT::kAction, AC::kCall, c::kFitAllDistributions,
     "Fit all distributions"},
    {"Beta",
     MT::kInteger,
     AC::kReadWrite,
     c::kBeta,
     {"Beta distrbution, fit to data", "Beta distribution, fit to data"}},
    {"BetaOffset", MT::kDouble, AC::kReadWrite, c::kBetaOffset,
     "Offset value, for fitting beta distribution"},
    {"BetaScale", MT::kDouble, AC::kReadWrite, c::kBetaScale,
     "Scale parameter, for fitting beta distribution"},
    {"Exponential", MT::kInteger, AC::kReadWrite, c::kExponential,
     "Exponential distribution, fit to data"},
    {"ExponentialOffset", MT::kDouble, AC::kReadWrite, c::kExponentialOffset,
     "Offset value, for fitting exponential distribution"},
    {"ExtremeValueTypeI", MT::kInteger, AC::kReadWrite, c::kExtremeValue,
     "Extreme value distribution, fit to data"},
    {"Gamma", MT::kInteger, AC::kReadWrite, c::kGamma, "Gamma distribution, fit to data"},
    {"GammaOffset", MT::kDouble, AC::kReadWrite, c::kGammaOffset,
     "Offset value, for fitting gamma distribution"},
    {"LogNormal", MT::kInteger, AC::kReadWrite, c::kLogNormal,
     "Log-normal distribution, fit to data"},
    {"LogNormalOffset", MT::kDouble, AC::kReadWrite, c::kLogNormalOffset,
     "Offset value, for fitting log-normal distribution"},
    {"NormalAndGeneralNonNormal", MT::kInteger, AC::kReadWrite, c::kNormalAndGeneral,
     "Normal and general non-normal distributions, fit to data"},
    {"Rayleigh", MT::kInteger, AC::kReadWrite, c::kRayleigh, "Rayleigh distribution, fit to data"},
    {"RayleighOffset", MT::kDouble, AC::kReadWrite, c::kRayleighOffset,
     "Offset value, for fitting Rayleigh distribution"},
    {"Weibull", MT::kInteger, AC::kReadWrite, c::kWeibull, "Weibull distribution, fit to data"},
    {"WeibullOffset", MT::kDouble, AC::kReadWrite, c::kWeibullOffset,
     "Offset value, for fitting Weibull distribution"},
};

constexpr MemberRow kCapabilityAggregatedMembers[] = {
    kVariablesRow,        kSpecificationsRow,     kSigmaFromRangesRow,
    kSigmaFromStdDevsRow, kSigmaFromVariancesRow,
};

// The current variable: the variable list of control 213, stepped through the dialog's own
// selection so that the variable left keeps its state and the new one is initialised.
constexpr MemberRow kResultsVariableRow = {"Variable",
                                           MT::kListVariant,
                                           AC::kReadWrite,
                                           c::kVariable,
                                           "Current variable for analysis",
                                           {},
                                           shell::ListKind::kVariables,
                                           &GetVariable,
                                           &PutVariable};
// The same member with the help strings of another interface.
constexpr MemberRow WithHelp(MemberRow row, MemberHelp help) {
  row.help = help;
  return row;
}
// The one-parameter dialog describes the writer apart.
constexpr MemberRow kOneParameterVariableRow = WithHelp(
    kResultsVariableRow, {"Current variable for analysis", "Current variables for analysis"});

// The rows of each table in turn, as one constant table: interfaces that carry the same runs
// of members write them once.
template <std::size_t... kSizes>
constexpr std::array<MemberRow, (kSizes + ...)> Joined(const MemberRow (&... parts)[kSizes]) {
  std::array<MemberRow, (kSizes + ...)> rows{};
  std::size_t at = 0;
  ((std::copy(std::begin(parts), std::end(parts), rows.begin() + static_cast<std::ptrdiff_t>(at)),
    at += kSizes),
   ...);
  return rows;
}

// The probability-plot options, tolerance fields and interval and histogram options of the
// results dialogs.
constexpr MemberRow kPlotOptionRows[] = {
    {"AverageTiedRanks", MT::kInteger, AC::kReadWrite, c::kAverageTiedRanks,
     "Average tied ranks, in probability plots"},
    {"QuantilesProbabilitiesOnHorizontalAxis", MT::kInteger, AC::kReadWrite,
     c::kQuantilesHorizontal,
     "Place theoretical quantiles and probabilities on horizontal (X) axis, in quantile and "
     "probability plots"},
    {"QuantilesProbabilitiesOnVerticalAxis", MT::kInteger, AC::kReadWrite, c::kQuantilesVertical,
     "Place theoretical quantiles and probabilities on vertical (Y) axis, in quantile and "
     "probability plots"},
    {"ValueForAdjustingRanks", MT::kDouble, AC::kReadWrite, c::kRankAdjustment,
     "Value for adjusting ranks, in probability plots"},
    {"ValueForAdjustingN", MT::kDouble, AC::kReadWrite, c::kNAdjustment,
     "Value for adjusting N, in probability plots"},
};

constexpr MemberRow kToleranceRows[] = {
    {"NumberOfCasesForToleranceLimits", MT::kInteger, AC::kReadWrite, c::kToleranceN,
     "Number of cases, for computation of tolerance limits"},
    {"PercentIncludedForToleranceLimits", MT::kDouble, AC::kReadWrite, c::kTolerancePercent,
     "Percent included, for computation of tolerance limits"},
    {"ConfidenceLevelForToleranceLimits", MT::kDouble, AC::kReadWrite, c::kToleranceConfidence,
     "Confidence level, for computation of tolerance limits"},
    {"BaseOnPercentOfCasesIncluded", MT::kInteger, AC::kReadWrite, c::kBaseOnPercent,
     "Compute distribution free tolerance limits based on percent of cases included"},
    {"BaseOnConfidenceLevel", MT::kInteger, AC::kReadWrite, c::kBaseOnConfidence,
     "Compute distribution free tolerance limits based on confidence level"},
};

constexpr MemberRow kIntervalRows[] = {
    {"FrequencyTabulationLowerLimit", MT::kDouble, AC::kReadWrite, c::kHistogramLower,
     "Lower limit for frequency tables and histograms"},
    {"FrequencyTabulationUpperLimit", MT::kDouble, AC::kReadWrite, c::kHistogramUpper,
     "Upper limit for frequency tables and histograms"},
    {"FrequencyTabulationNumberOfCategories", MT::kInteger, AC::kReadWrite, c::kCategories,
     "Number of categories, for computation of frequency tables and histograms"},
    {"ShowProcessCapabilityIndices", MT::kInteger, AC::kReadWrite, c::kShowIndices,
     "Show process capability indices in plots"},
    {"SigmaLimitsAtEquivalentPercentiles", MT::kInteger, AC::kReadWrite, c::kLimitsAtPercentiles,
     "Place sigma limits at equivalent percentiles"},
    {"NeatIntervals", MT::kInteger, AC::kReadWrite, c::kNeatIntervals,
     "Compute neat intervals, for frequency tables and histograms"},
    {"MoveTitlesToAvoidOverlappingText", MT::kInteger, AC::kReadWrite, c::kMoveTitles,
     "Move titles to avoid overlapping text, in capability summary histograms"},
};

constexpr MemberRow kCapabilityResultsHeadRows[] = {
    kResultsVariableRow,
    kProcessTypeRow,
    kNominalRow,
    kDeltaRow,
    kLowerRow,
    kUpperRow,
    kUserMeanOnRow,
    {"ValueForUserDefinedMean",
     MT::kDouble,
     AC::kReadWrite,
     c::kUserMean,
     {"Value for user defined mean, for computations of capability indices ",
      "Value for user defined mean, for computations of capability indices"}},
    kUserSigmaOnRow,
    kUserSigmaRow,
    {"ValueForUserDefinedWithinSigma", MT::kDouble, AC::kReadWrite, c::kWithinSigma,
     "Value for user defined within-group sigma, for computations of capability indices"},
    kSigmaLimitsRow,
    {"DescriptiveStatistics", MT::kAction, AC::kCall, c::kDescriptiveStatistics,
     "Descriptive statistics"},
    {"FrequencyDistributionAndTestsOfNormality", MT::kAction, AC::kCall, c::kFrequencyAndNormality,
     "Frequency distribution and tests of normality"},
    {"Summary", MT::kAction, AC::kCall, c::kSummary,
     "Summary, process capability and performance indices (normal distribution)"},
    {"SummaryForAllVariables", MT::kAction, AC::kCall, c::kSummaryAllVariables,
     "Summary process capability and performance indices, all variables"},
    {"NumberBeyondSpecs", MT::kAction, AC::kCall, c::kBeyondSpecifications,
     "Number of observations beyond specifications, estimated and observed"},
    {"NormalDistributionToleranceLimits", MT::kAction, AC::kCall, c::kNormalToleranceLimits,
     "Normal distribution tolerance limits"},
    {"DistributionFreeToleranceLimits", MT::kAction, AC::kCall, c::kFreeToleranceLimits,
     "Distribution free tolerance limits"},
    {"SummaryHistogram", MT::kAction, AC::kCall, c::kSummaryHistogram,
     "Summary histogram, normal distribution"},
    {"HistogramNonNormalDistribution", MT::kAction, AC::kCall, c::kHistogramNonNormal,
     "Summary histogram, non-normal distribution"},
    {"FrequencyDistributionNN", MT::kAction, AC::kCall, c::kFrequencyNonNormal,
     "Frequency distribution and non-normal expected values"},
    {"ProcessCapabIndicesNN", MT::kAction, AC::kCall, c::kIndicesNonNormal,
     "Process capability indices, general non-normal fit"},
    {"SummaryForAllVariablesNN", MT::kAction, AC::kCall, c::kSummaryAllNonNormal,
     "Process capability indices for all variables, general non-normal fit"},
    {"QuantileQuantilePlot", MT::kAction, AC::kCall, c::kQuantilePlot,
     "Quantile-Quantile plot, normal distribution"},
    {"QuantileQuantilePlotNN", MT::kAction, AC::kCall, c::kQuantilePlotNonNormal,
     "Quantile-Quantile plot, general non-normal distribution"},
    {"ProbabilityProbabilityPlot", MT::kAction, AC::kCall, c::kProbabilityPlot,
     "Probability-probability (P-P) plot, normal distribution"},
    {"ProbabilityProbabilityPlotNN", MT::kAction, AC::kCall, c::kProbabilityPlotNonNormal,
     "Probability-probability (P-P) plot, general non-normal distribution"},
};

constexpr auto kCapabilityResultsMembers =
    Joined(kCapabilityResultsHeadRows, kPlotOptionRows, kToleranceRows, kIntervalRows);

// The results dialogs of the named distributions, one parameter and two: their own rows,
// then the actions both carry, then the options they share with the normal dialog.
constexpr MemberRow kNamedActionRows[] = {
    kSigmaLimitsRow,
    {"DescriptiveStatistics", MT::kAction, AC::kCall, c::kDescriptiveStatistics,
     "Descriptive statistics"},
    {"FrequencyDistributionAndGoodnessOfFit", MT::kAction, AC::kCall, c::kFrequencyAndNormality,
     "Frequency distribution and tests of normality"},
    {"Summary", MT::kAction, AC::kCall, c::kSummary, "Summary, process capability indices"},
    {"SummaryForAllVariables", MT::kAction, AC::kCall, c::kSummaryAllVariables,
     "Summary, process capability indices, all variables"},
    {"LowerThresholdEqualsLSL", MT::kInteger, AC::kReadWrite, c::kThresholdIsLsl,
     "Set lower threshold equal to lower specification limit (natural limits)"},
    {"NumberBeyondSpecs", MT::kAction, AC::kCall, c::kBeyondSpecifications,
     "Number of observations beyond specifications, estimated and observed"},
    {"SummaryHistogram", MT::kAction, AC::kCall, c::kSummaryHistogram, "Summary histogram"},
    {"QuantileQuantilePlot", MT::kAction, AC::kCall, c::kQuantilePlot, "Quantile-Quantile plot"},
    {"NormalProbabilityPlot", MT::kAction, AC::kCall, c::kNormalProbabilityPlot,
     "Normal probability plot"},
    {"ProbabilityProbabilityPlot", MT::kAction, AC::kCall, c::kProbabilityPlot,
     "Probability-probability (P-P) plot"},
};

constexpr MemberRow kNamedOneParameterRows[] = {
    kOneParameterVariableRow,
    kProcessTypeRow,
    kNominalRow,
    kDeltaRow,
    kLowerRow,
    kUpperRow,
    {"UserDefinedParameter1", MT::kInteger, AC::kReadWrite, c::kUserParameter1On,
     "Use user defined parameter 1"},
    {"ValueOfParameter1", MT::kDouble, AC::kReadWrite, c::kUserParameter1, "Value of parameter 1"},
};

constexpr MemberRow kNamedTwoParameterRows[] = {
    kResultsVariableRow,
    kProcessTypeRow,
    kNominalRow,
    kDeltaRow,
    kLowerRow,
    kUpperRow,
    {"UserDefinedParameter1", MT::kInteger, AC::kReadWrite, c::kUserParameter1On,
     "Use user defined parameter 1"},
    {"ValueUserDefinedParameter1", MT::kDouble, AC::kReadWrite, c::kUserParameter1,
     "Value of parameter 1"},
    {"UserDefinedParameter2", MT::kInteger, AC::kReadWrite, c::kUserParameter2On,
     "Use user defined parameter 2"},
    {"ValueUserDefinedParameter2", MT::kDouble, AC::kReadWrite, c::kUserParameter2, ""},
};

constexpr auto kCapabilityNN1Members =
    Joined(kNamedOneParameterRows, kNamedActionRows, kPlotOptionRows, kIntervalRows);
constexpr auto kCapabilityNN2Members =
    Joined(kNamedTwoParameterRows, kNamedActionRows, kPlotOptionRows, kIntervalRows);

constexpr MemberRow kCapabilitySpecsMembers[] = {
    kProcessTypeRow,
    kNominalRow,
    kDeltaRow,
    kLowerRow,
    kUpperRow,
    kUserMeanOnRow,
    {"ValueForUserDefinedMean", MT::kDouble, AC::kReadWrite, c::kUserMean,
     "Value for user defined mean, for computations of capability indices "},
    kUserSigmaOnRow,
    kUserSigmaRow,
    kSigmaLimitsRow,
    {"Summary", MT::kAction, AC::kCall, c::kAggregatedSummary,
     "Summary, process capability indices"},
};

}  // namespace

std::span<const MemberRow> CapabilityMembers() { return kCapabilityMembers; }
std::span<const MemberRow> CapabilityAggregatedMembers() { return kCapabilityAggregatedMembers; }
std::span<const MemberRow> CapabilityResultsMembers() { return kCapabilityResultsMembers; }
std::span<const MemberRow> CapabilitySpecsMembers() { return kCapabilitySpecsMembers; }
std::span<const MemberRow> CapabilityNN1Members() { return kCapabilityNN1Members; }
std::span<const MemberRow> CapabilityNN2Members() { return kCapabilityNN2Members; }

}  // namespace kpa::automation
