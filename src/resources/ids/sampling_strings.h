// Numbers of the acceptance-sampling procedure's texts in the module's string table. The
// distribution and criterion lists keep their historical numbers; the others are numbered
// from 31000.
#pragma once

namespace kpa::sampling::strings {

// Lists of the specification dialog: first row of each, one string per row.
inline constexpr int kFirstDistributionItem = 12325;  // 12325..12327
inline constexpr int kFirstCriterionItem = 12328;     // 12328..12330

// Checks of the specification entries.
inline constexpr int kAlphaNotPositive = 31000;
inline constexpr int kAlphaNotBelowOne = 31001;
inline constexpr int kBetaNotPositive = 31002;
inline constexpr int kBetaNotBelowOne = 31003;
inline constexpr int kH0Proportion = 31004;
inline constexpr int kH0Frequency = 31005;
inline constexpr int kH1Proportion = 31006;
inline constexpr int kH1Frequency = 31007;
inline constexpr int kH1EqualsH0 = 31008;
inline constexpr int kH1NotAbove = 31009;
inline constexpr int kH1NotBelow = 31010;
inline constexpr int kSigmaNotPositive = 31011;
inline constexpr int kAdjustParametersStatus = 31012;
inline constexpr int kSampleSizeAboveLimit = 31013;
inline constexpr int kSampleSizeIncalculable = 31014;
inline constexpr int kBetaIncalculable = 31015;
inline constexpr int kPrintingStatus = 31016;

// Printed specification and description block.
inline constexpr int kPrintHeading = 31020;
inline constexpr int kDistributionLabel = 31021;
inline constexpr int kNameNormalMeans = 31022;  // "Moy. normales"
inline constexpr int kNameBinomial = 31023;     // "Proport. Binomiales"
inline constexpr int kNamePoisson = 31024;      // "Fréq. de Poisson"
inline constexpr int kAlphaLabel = 31025;
inline constexpr int kPrintBetaLabel = 31026;
inline constexpr int kH0Label = 31027;
inline constexpr int kH1Label = 31028;
inline constexpr int kSigmaLabel = 31029;
inline constexpr int kCriterionLabel = 31030;
inline constexpr int kNameTwoTailed = 31031;
inline constexpr int kNameOneSidedRight = 31032;
inline constexpr int kNameOneSidedLeft = 31033;
inline constexpr int kDescriptionBetaLabel = 31034;
inline constexpr int kComputedSizeTail = 31035;
inline constexpr int kCustomSizeLabel = 31036;
inline constexpr int kAchievedBetaLabel = 31037;

// Fixed-plan summary table.
inline constexpr int kSummaryTitle = 31040;
inline constexpr int kSummaryColumn = 31041;
inline constexpr int kSummaryRowHeader = 31042;
inline constexpr int kRowDistribution = 31043;
inline constexpr int kShortBinomial = 31045;  // "Proportions"
inline constexpr int kShortPoisson = 31046;   // "Poisson"
inline constexpr int kRowSigma = 31047;
inline constexpr int kRowComputedN = 31048;
inline constexpr int kRowCustomN = 31049;
inline constexpr int kRowH0 = 31050;
inline constexpr int kRowH1 = 31051;
inline constexpr int kRowAlpha = 31052;
inline constexpr int kTwoTailedNote = 31053;
inline constexpr int kOneSidedNote = 31054;
inline constexpr int kRowBeta = 31055;
inline constexpr int kRowLowerLimit = 31056;
inline constexpr int kRowUpperLimit = 31057;

// Operating characteristic curves.
inline constexpr int kPreparingChartStatus = 31060;
inline constexpr int kOcIncalculable = 31061;
inline constexpr int kChartDistribution = 31062;
inline constexpr int kChartNormal = 31063;
inline constexpr int kChartBinomial = 31064;
inline constexpr int kChartMeans = 31066;
inline constexpr int kChartSigma = 31067;
inline constexpr int kChartAlpha = 31068;
inline constexpr int kChartBeta = 31069;
inline constexpr int kAxisNormal = 31070;
inline constexpr int kAxisBinomial = 31071;
inline constexpr int kAxisPoisson = 31072;
inline constexpr int kAxisPower = 31073;
inline constexpr int kCurveLabel = 31074;

// Sequential plan and observed data.
inline constexpr int kTooManySamples = 31080;
inline constexpr int kNoValidSample = 31081;
inline constexpr int kMissingInSeries = 31082;
inline constexpr int kColumnDeviations = 31083;
inline constexpr int kColumnCumulated = 31084;
inline constexpr int kColumnAction = 31085;
inline constexpr int kColumnRecommended = 31086;
inline constexpr int kColumnAccept = 31087;
inline constexpr int kColumnReject = 31088;
inline constexpr int kColumnRight = 31089;
inline constexpr int kColumnLeft = 31090;
inline constexpr int kActionContinue = 31091;
inline constexpr int kActionAccept = 31092;
inline constexpr int kActionReject = 31093;
inline constexpr int kActionMissing = 31094;
inline constexpr int kSequentialNormal = 31095;
inline constexpr int kSequentialBinomial = 31096;
inline constexpr int kSequentialPoisson = 31097;
inline constexpr int kSequentialMeans = 31098;
inline constexpr int kSequentialAsn = 31099;
inline constexpr int kSequentialRisks = 31100;
inline constexpr int kTwoSided = 31101;  // " bi"
inline constexpr int kOneSided = 31102;  // "uni"
inline constexpr int kSampleHeader = 31103;
inline constexpr int kChartAlphaSided = 31104;
inline constexpr int kAxisCumulatedNormal = 31105;
inline constexpr int kAxisCumulatedBinomial = 31106;
inline constexpr int kAxisCumulatedPoisson = 31107;
inline constexpr int kAxisSamples = 31108;
inline constexpr int kAxisSamplesOfVariable = 31109;
inline constexpr int kSeriesBeyondRejection = 31121;
inline constexpr int kSequentialIncalculable = 31122;
inline constexpr int kObservedIncalculable = 31123;

// Results dialog checks and the custom sample size.
inline constexpr int kNumberOfSamplesRange = 31110;
inline constexpr int kCodeMissing = 31111;
inline constexpr int kCodeTooLarge = 31112;
inline constexpr int kCodesEqual = 31113;
inline constexpr int kCustomSizeBelowOne = 31114;
inline constexpr int kCustomSizeTooLarge = 31115;
inline constexpr int kCustomSizeCaption = 31116;
inline constexpr int kCustomSizeFieldLabel = 31117;
inline constexpr int kNoVariable = 31118;

}  // namespace kpa::sampling::strings
