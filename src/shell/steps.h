// Step numbers of the dialog chain, the exit modes and the procedure codes shared by the
// whole module. Steps are the numbers the step table binds to `CProcess` member functions.
#pragma once

#include <cstdint>

namespace kpa::shell {

enum class Step : std::int16_t {
  kEnd = 0,
  kInit = 100,
  kStartup = 101,
  kSamplingSpecification = 102,
  kGageDesign = 103,
  kGageAnalyzeDataFile = 104,
  kGageAnalyzeDataSheet = 105,
  kSamplingResults = 106,
  kCapabilityResults = 107,
  kCapabilityResultsOneParameter = 108,
  kCapabilityResultsTwoParameters = 109,
  kCapabilityAggregatedResults = 110,
  kGageDesignResults = 111,
  kGageAnalysisResults = 112,
  kCapabilityRawSetup = 113,
  kCapabilityAggregatedSetup = 114,
  kWeibullSetup = 115,
  kWeibullResults = 116,
  kCauseEffect = 117,
};

// How a dialog ends itself (`ExitDialog`): forward on OK, back on Cancel, or replaced by a
// sibling dialog of the named step with the focus on a control.
enum class ExitMode : std::int16_t { kBack = 1, kForward = 2, kSwitchSibling = 4 };

// The active procedure code of the settings block.
enum class ProcedureCode : std::int16_t {
  kSamplingPlans = 1,
  kCapabilityRaw = 2,
  kGage = 3,
  kWeibull = 4,
  kCapabilityAggregated = 5,
};

// Dialog template numbers of the chain.
namespace templates {
inline constexpr int kStartup = 3152;
inline constexpr int kStartupBaseTab = 3153;
inline constexpr int kSamplingSpecification = 3154;
inline constexpr int kSamplingResults = 3178;
inline constexpr int kSamplingResultsBinomial = 3181;
inline constexpr int kCapabilityRawSetup = 3157;
inline constexpr int kCapabilityAggregatedSetup = 3161;
inline constexpr int kCapabilityResults = 3184;
inline constexpr int kCapabilityResultsOneParameter = 3116;
inline constexpr int kCapabilityResultsTwoParameters = 3105;
inline constexpr int kCapabilityAggregatedResults = 3121;
inline constexpr int kGageDesign = 3168;
inline constexpr int kGageDesignFirstTab = 3169;
inline constexpr int kGageAnalyzeDataFile = 3166;
inline constexpr int kGageAnalyzeDataFileFirstTab = 3167;
inline constexpr int kGageAnalyzeDataSheet = 3164;
inline constexpr int kGageAnalyzeDataSheetFirstTab = 3165;
inline constexpr int kGageDesignResults = 3189;
inline constexpr int kGageAnalysisResults = 3192;
inline constexpr int kWeibullRawSetup = 3174;
inline constexpr int kWeibullRawSetupTab = 3175;
inline constexpr int kWeibullGroupedSetup = 3176;
inline constexpr int kWeibullGroupedSetupTab = 3177;
inline constexpr int kWeibullPaper = 3170;
inline constexpr int kWeibullResultsRaw = 3196;
inline constexpr int kWeibullResultsGrouped = 3112;
inline constexpr int kCauseEffect = 3200;
}  // namespace templates

// Control identifiers every dialog shares.
namespace controls {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kTabControl = 400;
inline constexpr int kOptions = 10710;
inline constexpr int kSelectionConditions = 214;
inline constexpr int kCaseWeights = 208;
}  // namespace controls

}  // namespace kpa::shell
