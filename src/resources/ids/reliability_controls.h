// Control identifiers of the Weibull and reliability dialogs: the raw-data (3174) and
// grouped-data (3176) specification dialogs behind the master tab, the results dialogs of
// raw data (3196) and of grouped data (3112), and the probability paper (3170); the tab
// pages of the results and paper templates.
#pragma once

namespace kpa::reliability::controls {

// Specification dialogs.
inline constexpr int kListOfVariables = 388;
inline constexpr int kSingleTime = 389;
inline constexpr int kVariables = 126;
inline constexpr int kCompleteCode = 298;
inline constexpr int kCensoredCode = 300;
inline constexpr int kAddConstant = 313;
inline constexpr int kConstant = 314;
inline constexpr int kEntering = 304;
inline constexpr int kGroupedFit = 324;
inline constexpr int kTreatAsContinuous = 325;

// Results dialogs.
inline constexpr int kSummaryText = 195;
inline constexpr int kVariable = 213;
inline constexpr int kPreviousVariable = 211;
inline constexpr int kNextVariable = 212;
inline constexpr int kMaxIterations = 316;
inline constexpr int kCriterion = 320;
inline constexpr int kLocation = 227;
inline constexpr int kShape = 310;
inline constexpr int kScale = 309;
inline constexpr int kShapeAndScale = 321;
inline constexpr int kShapeScaleLocation = 323;  // raw data; grouped data: user-defined
inline constexpr int kUserDefined = 417;
inline constexpr int kGroupedUserDefined = 323;
inline constexpr int kRecompute = 322;
inline constexpr int kSummary = 348;
inline constexpr int kConfidence = 177;
inline constexpr int kReliabilityPlot = 338;
inline constexpr int kProbabilityPlot = 339;
inline constexpr int kReliabilityTable = 343;
inline constexpr int kMlIntervals = 341;
inline constexpr int kRankIntervals = 340;
inline constexpr int kPlotMinimum = 353;
inline constexpr int kPlotMaximum = 354;
inline constexpr int kMedianRank = 350;
inline constexpr int kMeanRank = 351;
inline constexpr int kWhite = 352;
inline constexpr int kGoodnessOfFit = 335;
inline constexpr int kLocationFrom = 331;
inline constexpr int kLocationTo = 332;
inline constexpr int kRSquaredProfile = 330;
inline constexpr int kQuantilePlot = 328;
inline constexpr int kHazardTable = 327;
inline constexpr int kCumHazardPlot = 326;
inline constexpr int kLogCumHazardPlot = 359;
inline constexpr int kHistogram = 329;
inline constexpr int kFailuresOnly = 336;
inline constexpr int kCdfPlot = 345;
inline constexpr int kPercentiles = 344;
inline constexpr int kKaplanMeier = 347;
inline constexpr int kDescriptive = 143;
inline constexpr int kLifeTable = 360;

// Probability paper.
inline constexpr int kDrawPaper = 338;
inline constexpr int kMinimumP = 368;
inline constexpr int kMaximumP = 371;
inline constexpr int kStepP = 373;
inline constexpr int kExtremeEnds = 387;
inline constexpr int kPrincipalAbscissa = 398;
inline constexpr int kMaximumTime = 384;
inline constexpr int kTimeStep = 386;

}  // namespace kpa::reliability::controls

namespace kpa::reliability::pages {

inline constexpr int kBase = 3260;
inline constexpr int kAdvanced = 3261;
inline constexpr int kReliability = 3262;
inline constexpr int kHazard = 3263;
inline constexpr int kDescriptive = 3264;
inline constexpr int kPaperBase = 3265;
inline constexpr int kPaperAdvanced = 3266;
inline constexpr int kPaperVariables = 3267;

}  // namespace kpa::reliability::pages
