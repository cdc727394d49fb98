// Control identifiers of the gage R&R dialogs: the three specification dialogs behind the
// master tab (3168 design, 3166 standard data file, 3164 R&R data sheet), the design
// results dialog (3189) and the analysis results dialog (3192); the tab pages of their
// templates.
#pragma once

namespace kpa::gage::controls {

// Specification dialogs.
inline constexpr int kOperators = 185;
inline constexpr int kParts = 190;
inline constexpr int kTrials = 191;
inline constexpr int kVariables = 126;
inline constexpr int kCodes = 194;
inline constexpr int kCodesCaption = 192;
inline constexpr int kSheetCaption = 193;

// Design results.
inline constexpr int kSummary = 196;
inline constexpr int kSaveDesign = 197;
inline constexpr int kRandomizeTrials = 198;
inline constexpr int kStandardOrder = 199;
inline constexpr int kSheetSummary = 273;
inline constexpr int kSaveSheet = 274;

// Analysis results.
inline constexpr int kRangeVariance = 269;
inline constexpr int kRangePercentTolerance = 270;
inline constexpr int kAdjustAppraiser = 272;
inline constexpr int kAnovaVariance = 281;
inline constexpr int kAnovaPercentTolerance = 282;
inline constexpr int kCompleteAnova = 200;
inline constexpr int kNoInteraction = 280;
inline constexpr int kConfidence = 177;
inline constexpr int kTolerance = 150;
inline constexpr int kSigmaIntervals = 113;
inline constexpr int kDescriptive = 143;
inline constexpr int kRrPlot = 205;
inline constexpr int kCombinedPlot = 201;
inline constexpr int kBoxPlot = 204;
inline constexpr int kRangeChartOperators = 202;
inline constexpr int kRangeChartParts = 203;
inline constexpr int kSigmaChartOperators = 206;
inline constexpr int kSigmaChartParts = 207;
inline constexpr int kSummaryText = 195;
inline constexpr int kRepeatabilityNote = 209;

}  // namespace kpa::gage::controls

namespace kpa::gage::pages {

inline constexpr int kFiles = 3250;
inline constexpr int kDataSheets = 3251;
inline constexpr int kBase = 3252;
inline constexpr int kAdvanced = 3253;
inline constexpr int kPlots = 3254;
inline constexpr int kOptions = 3255;

}  // namespace kpa::gage::pages
