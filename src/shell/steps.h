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
}  // namespace kpa::shell
