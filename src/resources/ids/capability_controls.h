// Control identifiers of the capability dialogs (templates in resources/dialogs_capability.cpp)
// and the tab pages of each template.
#pragma once

namespace kpa::capability::controls {

// Raw-data setup (template 3157) and aggregated-data setup (3161).
inline constexpr int kVariables = 126;
inline constexpr int kNoGrouping = 395;
inline constexpr int kConstantSampleSize = 393;
inline constexpr int kGroupingVariable = 218;
inline constexpr int kSampleSize = 394;
inline constexpr int kSelectAllCodes = 423;
inline constexpr int kCodes = 194;
inline constexpr int kCodesInFileOrder = 409;
inline constexpr int kSigmaFromRanges = 240;
inline constexpr int kSigmaFromStdDevs = 241;
inline constexpr int kSigmaFromVariances = 242;
inline constexpr int kFitAllDistributions = 235;
inline constexpr int kBeta = 106;
inline constexpr int kExponential = 224;
inline constexpr int kExtremeValue = 234;
inline constexpr int kGamma = 231;
inline constexpr int kLogNormal = 222;
inline constexpr int kNormalAndGeneral = 169;
inline constexpr int kRayleigh = 228;
inline constexpr int kWeibull = 226;
inline constexpr int kBetaOffset = 232;
inline constexpr int kExponentialOffset = 230;
inline constexpr int kGammaOffset = 233;
inline constexpr int kLogNormalOffset = 236;
inline constexpr int kRayleighOffset = 229;
inline constexpr int kWeibullOffset = 227;
inline constexpr int kBetaScale = 243;
inline constexpr int kSpecifications = 198;  // the editor button; its caption names the specs
inline constexpr int kSigmaCaption = 199;    // under "Sigma estimé à partir de :"
inline constexpr int kCodesCaption = 197;    // number of codes

// Results dialogs (3184 raw data, 3121 aggregated data).
inline constexpr int kVariable = 213;
inline constexpr int kProcessType = 135;
inline constexpr int kNominal = 153;
inline constexpr int kDelta = 156;
inline constexpr int kLower = 158;
inline constexpr int kUpper = 160;
inline constexpr int kUserMeanOn = 140;
inline constexpr int kUserMean = 139;
inline constexpr int kUserSigmaOn = 112;
inline constexpr int kUserSigma = 113;
inline constexpr int kWithinSigma = 257;
inline constexpr int kSigmaLimits = 141;
inline constexpr int kDescriptiveStatistics = 143;
inline constexpr int kFrequencyAndNormality = 148;
inline constexpr int kSummary = 129;
inline constexpr int kSummaryAllVariables = 396;
inline constexpr int kBeyondSpecifications = 149;
inline constexpr int kNormalToleranceLimits = 150;
inline constexpr int kFreeToleranceLimits = 183;
inline constexpr int kSummaryHistogram = 151;
inline constexpr int kHistogramNonNormal = 210;
inline constexpr int kFrequencyNonNormal = 212;
inline constexpr int kIndicesNonNormal = 211;
inline constexpr int kSummaryAllNonNormal = 397;
inline constexpr int kQuantilePlot = 250;
inline constexpr int kQuantilePlotNonNormal = 268;
inline constexpr int kProbabilityPlot = 251;
inline constexpr int kProbabilityPlotNonNormal = 267;
inline constexpr int kAverageTiedRanks = 283;
inline constexpr int kQuantilesHorizontal = 254;
inline constexpr int kQuantilesVertical = 252;
inline constexpr int kRankAdjustment = 261;
inline constexpr int kNAdjustment = 265;
inline constexpr int kToleranceN = 173;
inline constexpr int kTolerancePercent = 175;
inline constexpr int kToleranceConfidence = 177;
inline constexpr int kBaseOnPercent = 181;
inline constexpr int kBaseOnConfidence = 182;
inline constexpr int kHistogramLower = 162;
inline constexpr int kHistogramUpper = 163;
inline constexpr int kCategories = 166;
inline constexpr int kShowIndices = 291;
inline constexpr int kLimitsAtPercentiles = 263;
inline constexpr int kNeatIntervals = 209;
inline constexpr int kMoveTitles = 179;
inline constexpr int kPreviousVariable = 270;
inline constexpr int kNextVariable = 271;
inline constexpr int kRestoreDefaults = 272;

// Results dialogs of the named distributions (3116 one parameter, 3105 two parameters).
inline constexpr int kUserParameter1On = 244;
inline constexpr int kUserParameter1 = 245;
inline constexpr int kUserParameter2On = 246;
inline constexpr int kUserParameter2 = 113;
inline constexpr int kThresholdIsLsl = 259;
inline constexpr int kNormalProbabilityPlot = 152;
inline constexpr int kParameter1Caption = 247;  // the parameter's name under its field
inline constexpr int kParameter2Caption = 248;
inline constexpr int kAggregatedSummary = 125;

}  // namespace kpa::capability::controls

namespace kpa::capability::pages {

inline constexpr int kRaw = 31571;
inline constexpr int kGrouping = 31572;
inline constexpr int kDistribution = 31573;
inline constexpr int kAggregatedBase = 31611;
inline constexpr int kAggregatedAdvanced = 31612;
inline constexpr int kSpecs = 31841;
inline constexpr int kOptions = 31842;
inline constexpr int kTolerance = 31843;
inline constexpr int kNormalTolerance = 31844;
inline constexpr int kIntervals = 31845;
inline constexpr int kSpecsBase = 31211;
inline constexpr int kNamedBase = 31051;
inline constexpr int kNamedSpecs = 31052;
inline constexpr int kNamedDistribution = 31053;
inline constexpr int kNamedIntervals = 31054;

}  // namespace kpa::capability::pages
