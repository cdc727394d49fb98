// Control identifiers of the sampling dialogs and the tab pages of their templates.
#pragma once

namespace kpa::sampling::controls {

// Specification dialog (3154).
inline constexpr int kDistributionLabel = 100;
inline constexpr int kCriterionLabel = 114;
inline constexpr int kAlphaLabel = 103;
inline constexpr int kBetaLabel = 105;
inline constexpr int kH0Label = 108;
inline constexpr int kH1Label = 110;
inline constexpr int kDistributionList = 101;
inline constexpr int kCriterionList = 115;
inline constexpr int kAlpha = 104;
inline constexpr int kBeta = 106;
inline constexpr int kH0 = 109;
inline constexpr int kH1 = 111;
inline constexpr int kSigmaLabel = 112;
inline constexpr int kSigma = 113;

// Results dialogs (3178, 3181).
inline constexpr int kDescription = 116;
inline constexpr int kSummary = 117;
inline constexpr int kSampleSize = 118;
inline constexpr int kComputedSizeLine = 119;
inline constexpr int kCustomSizeLine = 120;
inline constexpr int kAchievedBetaLabel = 121;
inline constexpr int kAchievedBeta = 122;
inline constexpr int kOcCurves = 123;
inline constexpr int kPlotSequential = 124;
inline constexpr int kSequentialSummary = 125;
inline constexpr int kDataVariable = 126;
inline constexpr int kDataVariableName = 127;
inline constexpr int kNumberOfSamplesLabel = 133;
inline constexpr int kNumberOfSamples = 134;
inline constexpr int kAcceptCodeLabel = 144;
inline constexpr int kAcceptCode = 146;
inline constexpr int kAcceptCodeNote = 148;
inline constexpr int kRejectCodeLabel = 145;
inline constexpr int kRejectCode = 147;
inline constexpr int kRejectCodeNote = 149;

// Custom sample-size dialog (3127).
inline constexpr int kCustomSizeLabel = 117;
inline constexpr int kCustomSizeField = 118;

}  // namespace kpa::sampling::controls

// The fixed-plan summary's second command: the host's menu sends it; no control carries it.
namespace kpa::sampling::commands {

inline constexpr int kSummaryMenu = 188;

}  // namespace kpa::sampling::commands

namespace kpa::sampling::pages {

inline constexpr int kSpecificationBase = 3155;
inline constexpr int kSpecificationAdvanced = 3156;
inline constexpr int kResultsFixed = 3179;
inline constexpr int kResultsSequential = 3180;
inline constexpr int kBinomialFixed = 3182;
inline constexpr int kBinomialSequential = 3183;

}  // namespace kpa::sampling::pages
