// Control identifiers of the sampling dialogs.
#pragma once

namespace kpa::sampling::controls {

// Specification dialog (3154).
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
inline constexpr int kSummaryMenu = 188;
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
inline constexpr int kNumberOfSamples = 134;
inline constexpr int kAcceptCode = 146;
inline constexpr int kRejectCode = 147;

// Custom sample-size dialog (3127).
inline constexpr int kCustomSizeLabel = 117;
inline constexpr int kCustomSizeField = 118;

}  // namespace kpa::sampling::controls
