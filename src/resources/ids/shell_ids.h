// Template numbers, shared control identifiers and string numbers of the module shell: the
// dialog chain's templates, the controls every dialog carries, the startup dialog's list and
// commands, and the shell's own texts. The dialog templates and the string table use these
// names, as the code does, so each number is written here once.
#pragma once

namespace kpa::shell {

// Dialog template numbers of the chain.
namespace templates {
inline constexpr int kStartup = 3152;
inline constexpr int kStartupBaseTab = 3153;
inline constexpr int kSamplingSpecification = 3154;
inline constexpr int kSamplingResults = 3178;
inline constexpr int kSamplingResultsBinomial = 3181;
inline constexpr int kSamplingCustomSize = 3127;
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
inline constexpr int kStartupList = 131;
inline constexpr int kOpenDataFile = 216;  // the startup dialog's "Ouvrir"
}  // namespace controls

// Commands that no control carries: posted by the shell itself or sent by the host's menu.
namespace commands {
inline constexpr int kStartCapability = 129;  // posted when the startup dialog opens
inline constexpr int kNewFileReset = 217;     // the host opened another data file
}  // namespace commands

// The texts of the startup list's rows. A row's string number is also the command that
// starts its procedure.
inline constexpr int kCommandRawCapability = 413;
inline constexpr int kCommandAggregatedCapability = 414;
inline constexpr int kCommandGage = 130;
inline constexpr int kCommandWeibull = 292;
inline constexpr int kCommandWeibullPaper = 399;
inline constexpr int kCommandSampling = 128;
inline constexpr int kCommandCauseEffect = 418;
inline constexpr int kSelectProcedureStatus = 14197;

inline constexpr int kFirstStartupEntry = kCommandRawCapability;

// Texts of the shell.
inline constexpr int kAnalysisNameString = 12725;
inline constexpr int kStartupCaptionString = 12763;
inline constexpr int kStringBusy = 14165;         // "Calculs en cours ..."
inline constexpr int kStringHelpKey = 14166;      // "Pour l'Aide, touche F1"
inline constexpr int kStringOutOfMemory = 14399;  // "Mémoire insuffisante pour ..."
inline constexpr int kProcedureNotAvailableString = 30001;
inline constexpr int kStringReadFailure = 30002;  // the host could not read the data
inline constexpr int kStringTextCodes = 30003;    // followed by the variable's name
inline constexpr int kStringRequestCancelled = 32069;

}  // namespace kpa::shell
