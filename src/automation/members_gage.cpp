// Members of the gage R&R interfaces: the three specification dialogs behind the master
// tab, the design results dialog and the analysis results dialog. Members follow the
// type-library order, which fixes their dispatch identifiers.
#include "automation/dialog_automation.h"
#include "automation/interface_members.h"
#include "resources/ids/gage_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::automation {
namespace {

namespace c = gage::controls;
using MT = MemberType;
using AC = Access;

// The percent-tolerance actions: a given total tolerance or number of sigma intervals
// replaces the field's value, as typing it would, before the button is pressed.
AutomationStatus TakeToleranceArguments(shell::CAnalysisModelessDialog& dialog,
                                        std::span<const Variant> arguments) {
  const int fields[] = {c::kTolerance, c::kSigmaIntervals};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (std::holds_alternative<std::monostate>(arguments[i])) continue;
    double value = 0.0;
    if (const auto* real = std::get_if<double>(&arguments[i]))
      value = *real;
    else if (const auto* whole = std::get_if<std::int64_t>(&arguments[i]))
      value = static_cast<double>(*whole);
    else
      throw AutomationException(i == 0 ? "totaltolerance takes a number"
                                       : "numberofintervals takes a number");
    dialog.SetValue(fields[i], value);
  }
  return AutomationStatus::kOk;
}

constexpr MemberRow kTypeOfAnalysisRow = {"TypeOfAnalysis",   MT::kEnum,
                                          AC::kReadWrite,     shell::controls::kTabControl,
                                          "Type of analysis", "ProGageTab"};
constexpr MemberRow kOperatorsRow = {"NumberOfOperators", MT::kInteger, AC::kReadWrite,
                                     c::kOperators, "Number of operators"};
constexpr MemberRow kPartsRow = {"NumberOfParts", MT::kInteger, AC::kReadWrite, c::kParts,
                                 "Number of parts"};
constexpr MemberRow kTrialsRow = {"NumberOfTrials", MT::kInteger, AC::kReadWrite, c::kTrials,
                                  "Number of trials"};
constexpr MemberRow kVariablesRow = {"Variables", MT::kListVariant, AC::kReadWrite, c::kVariables,
                                     "Variables for analysis"};

constexpr MemberRow kDesignMembers[] = {kTypeOfAnalysisRow, kOperatorsRow, kPartsRow, kTrialsRow};

constexpr MemberRow kDataFileMembers[] = {
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
     "\"operators | parts | trials | measurements\": one variable each, the trials optional"},
    {"Codes",
     MT::kListVariant,
     AC::kReadWrite,
     c::kCodes,
     "Codes for operators, parts, trials",
     {},
     shell::ListKind::kCodes,
     nullptr,
     nullptr,
     nullptr,
     0,
     "\"operator codes | part codes | trial codes\""},
};

constexpr MemberRow kDataSheetMembers[] = {kTypeOfAnalysisRow, kOperatorsRow, kPartsRow, kTrialsRow,
                                           kVariablesRow};

constexpr MemberRow kDesignResultsMembers[] = {
    {"Summary", MT::kAction, AC::kCall, c::kSummary, "Summary, display design"},
    {"SaveDesign", MT::kAction, AC::kCall, c::kSaveDesign, "Save design"},
    {"RandomizeTrials", MT::kInteger, AC::kReadWrite, c::kRandomizeTrials, "Randomize trials"},
    {"StandardOrder", MT::kInteger, AC::kReadWrite, c::kStandardOrder,
     "Display design in standard order"},
    {"SummaryRAndRDataSheet", MT::kAction, AC::kCall, c::kSheetSummary,
     "Summary, display design as R & R data sheet"},
    {"SaveDesignAsRAndRDataSheet", MT::kAction, AC::kCall, c::kSaveSheet,
     "Save design as R & R data sheet"},
};

constexpr MemberRow kAnalysisResultsMembers[] = {
    {"RangeVarianceEstimation", MT::kAction, AC::kCall, c::kRangeVariance,
     "Range method, variance estimation"},
    {"RangePercentTolerance",
     MT::kAction,
     AC::kCall,
     c::kRangePercentTolerance,
     "Range method, percent tolerance analysis",
     {},
     shell::ListKind::kVariables,
     nullptr,
     nullptr,
     &TakeToleranceArguments,
     2,
     "optional arguments: total tolerance, number of sigma intervals"},
    {"AdjustAppraiserVariability", MT::kInteger, AC::kReadWrite, c::kAdjustAppraiser,
     "Adjust appraiser variability"},
    {"AnovaVarianceEstimation", MT::kAction, AC::kCall, c::kAnovaVariance,
     "ANOVA method, variance estimation"},
    {"AnovaPercentTolerance",
     MT::kAction,
     AC::kCall,
     c::kAnovaPercentTolerance,
     "ANOVA method, percent tolerance analysis",
     {},
     shell::ListKind::kVariables,
     nullptr,
     nullptr,
     &TakeToleranceArguments,
     2,
     "optional arguments: total tolerance, number of sigma intervals"},
    {"CompleteANOVATable", MT::kAction, AC::kCall, c::kCompleteAnova, "Complete ANOVA table"},
    {"NoTwoWayInteraction", MT::kInteger, AC::kReadWrite, c::kNoInteraction,
     "No two-way operator by part interaction in the model (effect excluded from model)"},
    {"LevelForConfidenceInterval", MT::kDouble, AC::kReadWrite, c::kConfidence,
     "Confidence interval, proportion"},
    {"ToleranceForParts", MT::kDouble, AC::kReadWrite, c::kTolerance, "Total tolerance for parts"},
    {"NumberOfSigmaIntervals", MT::kDouble, AC::kReadWrite, c::kSigmaIntervals,
     "Number of sigma intervals"},
    {"DescriptiveStatsByOperatorPart", MT::kAction, AC::kCall, c::kDescriptive,
     "Descriptive statistics by operator and part"},
    {"RepeatabilityReproducibilityPlot", MT::kAction, AC::kCall, c::kRrPlot,
     "Repeatability & reproducibility summary plot"},
    {"CombinedPlotByOperatorsParts", MT::kAction, AC::kCall, c::kCombinedPlot,
     "Combined plot by operators and parts"},
    {"BoxWhiskerPlot", MT::kAction, AC::kCall, c::kBoxPlot, "Box and whiskers plot"},
    {"RangeChartByOperators", MT::kAction, AC::kCall, c::kRangeChartOperators,
     "Range chart by operators"},
    {"RangeChartByParts", MT::kAction, AC::kCall, c::kRangeChartParts, "Range chart by parts"},
    {"SigmaChartByOperators", MT::kAction, AC::kCall, c::kSigmaChartOperators,
     "Sigma chart by operators"},
    {"SigmaChartByParts", MT::kAction, AC::kCall, c::kSigmaChartParts, "Sigma chart by parts"},
};

}  // namespace

std::span<const MemberRow> GageDesignMembers() { return kDesignMembers; }
std::span<const MemberRow> GageDataFileMembers() { return kDataFileMembers; }
std::span<const MemberRow> GageDataSheetMembers() { return kDataSheetMembers; }
std::span<const MemberRow> GageDesignResultsMembers() { return kDesignResultsMembers; }
std::span<const MemberRow> GageAnalysisResultsMembers() { return kAnalysisResultsMembers; }

}  // namespace kpa::automation
