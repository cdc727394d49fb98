// Dialog templates of the process-capability procedure: raw-data setup (3157), aggregated-
// data setup (3161), the results dialog of the normal and general non-normal distributions
// (3184) and the results dialog of aggregated data (3121). Control identifiers are those of
// resources/ids/capability_controls.h.
#include "resources/areas.h"
#include "resources/ids/capability_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

namespace controls = capability::controls;
namespace pages = capability::pages;

using K = ControlKind;

constexpr TabTemplate kRawSetupTabs[] = {{pages::kRaw, "Données Brutes"},
                                         {pages::kGrouping, "Classement"},
                                         {pages::kDistribution, "Distribution"}};
constexpr ControlTemplate kRawSetupControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kVariables, K::kVariableList, "h&Variables :", pages::kRaw},
    {controls::kSpecifications, K::kButton, "Spécifications du processus :", pages::kRaw},
    {controls::kSigmaCaption, K::kStatic, "Sigma estimé à partir de :", pages::kRaw},
    {controls::kSigmaFromRanges, K::kRadioButton, "Et&endues", pages::kGrouping},
    {controls::kSigmaFromStdDevs, K::kRadioButton, "Ecarts-types", pages::kGrouping},
    {controls::kSigmaFromVariances, K::kRadioButton, "Varia&nces", pages::kGrouping},
    {controls::kNoGrouping, K::kRadioButton, "Aucun classement (un seul échantillon)",
     pages::kGrouping},
    {controls::kConstantSampleSize, K::kRadioButton,
     "Taille d'échantillon constante :", pages::kGrouping},
    {controls::kSampleSize, K::kIntEdit, "", pages::kGrouping},
    {controls::kGroupingVariable, K::kRadioButton, "Variable de classement :", pages::kGrouping},
    {controls::kCodes, K::kCodeList, "i&Codes :", pages::kGrouping},
    {controls::kCodesCaption, K::kStatic, "", pages::kGrouping},
    {controls::kSelectAllCodes, K::kCheckBox, "Sélectionner tous les codes", pages::kGrouping},
    {controls::kCodesInFileOrder, K::kCheckBox, "Codes dans l'ordre du fichier de données",
     pages::kGrouping},
    {controls::kFitAllDistributions, K::kButton,
     "eA&juster toutes les distributions (calculer paramètres + d de K-S)", pages::kDistribution},
    {controls::kNormalAndGeneral, K::kRadioButton,
     "Normale et Non-Normale générale (ajustement de Pearson && Johnson)", pages::kDistribution},
    {controls::kBeta, K::kRadioButton, "Distribution &Bêta ;", pages::kDistribution},
    {controls::kBetaOffset, K::kRealEdit, "", pages::kDistribution},
    {controls::kBetaScale, K::kRealEdit, "", pages::kDistribution},
    {controls::kExponential, K::kRadioButton, "Distribution E&xponentielle ;",
     pages::kDistribution},
    {controls::kExponentialOffset, K::kRealEdit, "", pages::kDistribution},
    {controls::kExtremeValue, K::kRadioButton, "Valeur &extrême (Type I, Gumbel)",
     pages::kDistribution},
    {controls::kGamma, K::kRadioButton, "Distribution &Gamma ;", pages::kDistribution},
    {controls::kGammaOffset, K::kRealEdit, "", pages::kDistribution},
    {controls::kLogNormal, K::kRadioButton, "Distribution &Log-Normale ;", pages::kDistribution},
    {controls::kLogNormalOffset, K::kRealEdit, "", pages::kDistribution},
    {controls::kRayleigh, K::kRadioButton, "Distribution &Rayleigh ;", pages::kDistribution},
    {controls::kRayleighOffset, K::kRealEdit, "", pages::kDistribution},
    {controls::kWeibull, K::kRadioButton, "Distribution Weib&ull ;", pages::kDistribution},
    {controls::kWeibullOffset, K::kRealEdit, "", pages::kDistribution},
};

constexpr TabTemplate kAggregatedSetupTabs[] = {{pages::kAggregatedBase, "Base"},
                                                {pages::kAggregatedAdvanced, "Avancé"}};
constexpr ControlTemplate kAggregatedSetupControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kVariables, K::kVariableList, "h&Variables", pages::kAggregatedBase},
    {controls::kSpecifications, K::kButton,
     "Spécifications du processus :", pages::kAggregatedBase},
    {controls::kSigmaCaption, K::kStatic, "Sigma estimé à partir de :", pages::kAggregatedAdvanced},
    {controls::kSigmaFromRanges, K::kRadioButton, "&Etendues", pages::kAggregatedAdvanced},
    {controls::kSigmaFromStdDevs, K::kRadioButton, "E&carts-types", pages::kAggregatedAdvanced},
    {controls::kSigmaFromVariances, K::kRadioButton, "V&ariances", pages::kAggregatedAdvanced},
};

constexpr TabTemplate kResultsTabs[] = {{pages::kSpecs, "Spécs"},
                                        {pages::kOptions, "Options"},
                                        {pages::kTolerance, "Analyse du Pourcentage de Tolérance "},
                                        {pages::kNormalTolerance, "Limites de Tolérance Normales"},
                                        {pages::kIntervals, "Intervalles"}};
constexpr ControlTemplate kResultsControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kVariable, K::kComboBox, "", 0},
    {controls::kPreviousVariable, K::kButton, "<<", 0},
    {controls::kNextVariable, K::kButton, ">>", 0},
    {controls::kSummary, K::kButton, "!249&Synthèse", 0},
    {controls::kSummaryAllVariables, K::kButton, "e&Toutes les var&iables", 0},
    {controls::kDescriptiveStatistics, K::kButton, "eStat&istiques descriptives", 0},
    {controls::kBeyondSpecifications, K::kButton,
     "e&Nombre au-delà des spécifications (estimés && observés)", 0},
    {controls::kFrequencyAndNormality, K::kButton, "e&Distribution && tests de normalité", 0},
    {controls::kSummaryHistogram, K::kButton, "!217&Histogramme de synthèse", 0},
    {controls::kQuantilePlot, K::kButton, "!088Distribution &Q-Q Normale", 0},
    {controls::kProbabilityPlot, K::kButton, "!088Distribution P-P Norm&ale", 0},
    {controls::kIndicesNonNormal, K::kButton, "eSynthèse : Variable co&urante", 0},
    {controls::kSummaryAllNonNormal, K::kButton, "eToutes les variab&les", 0},
    {controls::kHistogramNonNormal, K::kButton, "!217H&istogramme de synthèse &non-normal ", 0},
    {controls::kFrequencyNonNormal, K::kButton, "e&Distribution de fréq. non-Normale", 0},
    {controls::kQuantilePlotNonNormal, K::kButton, "!088Distribution Q-Q &non-Normale", 0},
    {controls::kProbabilityPlotNonNormal, K::kButton, "!088Distribution P-P non-Normale", 0},
    {controls::kProcessType, K::kComboBox, "Spécifications du processus :", pages::kSpecs},
    {controls::kNominal, K::kRealEdit, "Nominal :", pages::kSpecs},
    {controls::kDelta, K::kRealEdit, "Delta :", pages::kSpecs},
    {controls::kLower, K::kRealEdit, "LSI :", pages::kSpecs},
    {controls::kUpper, K::kRealEdit, "LSS :", pages::kSpecs},
    {controls::kUserMeanOn, K::kCheckBox, "&Moyenne spécifique :", pages::kSpecs},
    {controls::kUserMean, K::kRealEdit, "", pages::kSpecs},
    {controls::kUserSigmaOn, K::kCheckBox, "Si&gma spécifique :", pages::kSpecs},
    {controls::kUserSigma, K::kRealEdit, "", pages::kSpecs},
    {controls::kWithinSigma, K::kRealEdit, "Sigma intra-échantillon :", pages::kSpecs},
    {controls::kSigmaLimits, K::kRealEdit, "Limites de sigma :", pages::kSpecs},
    {controls::kAverageTiedRanks, K::kCheckBox, "Rang moyen des ex-aequo", pages::kOptions},
    {controls::kQuantilesHorizontal, K::kRadioButton, "Axe hori&zontal", pages::kOptions},
    {controls::kQuantilesVertical, K::kRadioButton, "Axe &vertical", pages::kOptions},
    {controls::kRankAdjustment, K::kRealEdit, "Ajustement des rangs :", pages::kOptions},
    {controls::kNAdjustment, K::kRealEdit, "Ajustement de N :", pages::kOptions},
    {controls::kRestoreDefaults, K::kButton, "Rétablir défauts", pages::kOptions},
    {controls::kShowIndices, K::kCheckBox, "Afficher les indices de &capabilité du processus",
     pages::kOptions},
    {controls::kLimitsAtPercentiles, K::kCheckBox,
     "Placer les limites de &Sigma aux centiles équivalents", pages::kOptions},
    {controls::kMoveTitles, K::kCheckBox, "Déplacer les titres &pour évit. recouvr. texte",
     pages::kOptions},
    {controls::kFreeToleranceLimits, K::kButton, "Limites de tolérance non paramétriques",
     pages::kTolerance},
    {controls::kBaseOnPercent, K::kRadioButton,
     "&Pourcentage de population incluse :", pages::kTolerance},
    {controls::kBaseOnConfidence, K::kRadioButton, "Niveau de &confiance :", pages::kTolerance},
    {controls::kNormalToleranceLimits, K::kButton, "Limites de tolérance normales",
     pages::kNormalTolerance},
    {controls::kToleranceN, K::kIntEdit, "N :", pages::kNormalTolerance},
    {controls::kTolerancePercent, K::kRealEdit, "% de la population :", pages::kNormalTolerance},
    {controls::kToleranceConfidence, K::kRealEdit,
     "Niveau de confiance :", pages::kNormalTolerance},
    {controls::kHistogramLower, K::kRealEdit, "Limite inférieure :", pages::kIntervals},
    {controls::kHistogramUpper, K::kRealEdit, "Limite supérieure :", pages::kIntervals},
    {controls::kCategories, K::kIntEdit, "Nombre de catégories :", pages::kIntervals},
    {controls::kNeatIntervals, K::kCheckBox, "&Intervalles soignés (nbe catég., limites appr.)",
     pages::kIntervals},
};

constexpr TabTemplate kSpecsTabs[] = {{pages::kSpecsBase, "Base"}};
constexpr ControlTemplate kSpecsControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kAggregatedSummary, K::kButton, "!249&Synthèse", pages::kSpecsBase},
    {controls::kProcessType, K::kComboBox, "Spécifications du processus :", pages::kSpecsBase},
    {controls::kNominal, K::kRealEdit, "Nominal :", pages::kSpecsBase},
    {controls::kDelta, K::kRealEdit, "Delta :", pages::kSpecsBase},
    {controls::kLower, K::kRealEdit, "LSI :", pages::kSpecsBase},
    {controls::kUpper, K::kRealEdit, "LSS :", pages::kSpecsBase},
    {controls::kUserMeanOn, K::kCheckBox, "&Moyenne personnalisée :", pages::kSpecsBase},
    {controls::kUserMean, K::kRealEdit, "", pages::kSpecsBase},
    {controls::kUserSigmaOn, K::kCheckBox, "S&igma personnalisé :", pages::kSpecsBase},
    {controls::kUserSigma, K::kRealEdit, "(intra échantillon)", pages::kSpecsBase},
    {controls::kSigmaLimits, K::kRealEdit, "Limites de sigma :", pages::kSpecsBase},
};

// The named distributions: one parameter (exponential, Rayleigh) and two parameters.
constexpr TabTemplate kNamedTabs[] = {{pages::kNamedBase, "Base"},
                                      {pages::kNamedSpecs, "Spécifications"},
                                      {pages::kNamedDistribution, "Distribution"},
                                      {pages::kNamedIntervals, "Intervalles"}};
#define KPA_NAMED_RESULTS_CONTROLS(SUMMARY, DESCRIPTIVE, BEYOND, HISTOGRAM, NORMAL_PLOT)           \
  {shell::controls::kOk, K::kButton, "g&OK", 0},                                                   \
      {shell::controls::kCancel, K::kButton, "Annuler", 0},                                        \
      {shell::controls::kTabControl, K::kTabControl, "", 0},                                       \
      {controls::kVariable, K::kComboBox, "Variable :", pages::kNamedBase},                        \
      {controls::kSummary, K::kButton, SUMMARY, pages::kNamedBase},                                \
      {controls::kSummaryAllVariables, K::kButton, "eToutes var&iables", pages::kNamedBase},       \
      {controls::kDescriptiveStatistics, K::kButton, DESCRIPTIVE, pages::kNamedBase},              \
      {controls::kBeyondSpecifications, K::kButton, BEYOND, pages::kNamedBase},                    \
      {controls::kFrequencyAndNormality, K::kButton,                                               \
       "eDistribution de &fréquences && qualité d'ajustement", pages::kNamedBase},                 \
      {controls::kSummaryHistogram, K::kButton, HISTOGRAM, pages::kNamedBase},                     \
      {controls::kQuantilePlot, K::kButton, "!088&Quantile-Quantile (Q-Q)", pages::kNamedBase},    \
      {controls::kNormalProbabilityPlot, K::kButton, NORMAL_PLOT, pages::kNamedBase},              \
      {controls::kProbabilityPlot, K::kButton, "!088Proba-Proba (P-P)", pages::kNamedBase},        \
      {controls::kProcessType, K::kComboBox, "Spécifications du processus :", pages::kNamedSpecs}, \
      {controls::kNominal, K::kRealEdit, "Nominal :", pages::kNamedSpecs},                         \
      {controls::kDelta, K::kRealEdit, "Delta :", pages::kNamedSpecs},                             \
      {controls::kLower, K::kRealEdit, "LSI :", pages::kNamedSpecs},                               \
      {controls::kUpper, K::kRealEdit, "LSS :", pages::kNamedSpecs},                               \
      {controls::kUserParameter1On, K::kCheckBox,                                                  \
       "Paramètre personnalisé &1 :", pages::kNamedSpecs},                                         \
      {controls::kUserParameter1, K::kRealEdit, "", pages::kNamedSpecs},                           \
      {controls::kParameter1Caption, K::kStatic, "", pages::kNamedSpecs},                          \
      {controls::kSigmaLimits, K::kRealEdit, "Limites de sigma :", pages::kNamedSpecs},            \
      {controls::kThresholdIsLsl, K::kCheckBox, "LSI = limite in&férieure", pages::kNamedSpecs},   \
      {controls::kAverageTiedRanks, K::kCheckBox, "Rang moyen en cas d'ex-æquo",                   \
       pages::kNamedDistribution},                                                                 \
      {controls::kQuantilesHorizontal, K::kRadioButton, "Hori&zontal", pages::kNamedDistribution}, \
      {controls::kQuantilesVertical, K::kRadioButton, "&Vertical", pages::kNamedDistribution},     \
      {controls::kRankAdjustment, K::kRealEdit,                                                    \
       "Ajustement des rangs :", pages::kNamedDistribution},                                       \
      {controls::kNAdjustment, K::kRealEdit, "Ajustement de N :", pages::kNamedDistribution},      \
      {controls::kShowIndices, K::kCheckBox, "Afficher les indices de &capabilité du processus",   \
       pages::kNamedDistribution},                                                                 \
      {controls::kLimitsAtPercentiles, K::kCheckBox,                                               \
       "Placer les limites de &Sigma aux centiles équivalents", pages::kNamedDistribution},        \
      {controls::kMoveTitles, K::kCheckBox, "Déplacer les titres &pour évit. recouvr. texte",      \
       pages::kNamedDistribution},                                                                 \
      {controls::kHistogramLower, K::kRealEdit, "Limite inférieure :", pages::kNamedIntervals},    \
      {controls::kHistogramUpper, K::kRealEdit, "Limite supérieure :", pages::kNamedIntervals},    \
      {controls::kCategories, K::kIntEdit, "Nombre de catégories :", pages::kNamedIntervals}, {    \
    controls::kNeatIntervals, K::kCheckBox, "&Intervalles soignés (nbe catég., limites appr.)",    \
        pages::kNamedIntervals                                                                     \
  }

constexpr ControlTemplate kOneParameterControls[] = {
    KPA_NAMED_RESULTS_CONTROLS("!249&Synthèse", "eStatistiques &descriptives et paramètres estimés",
                               "eNom&bre au-delà des spécs (estimés && observés)",
                               "!217&Histogramme de synthèse", "!088Droite de Henry (Q-Q)")};
constexpr ControlTemplate kTwoParameterControls[] = {
    KPA_NAMED_RESULTS_CONTROLS("eIndices de &capabilité du processus pour la var. sélectionnée",
                               "!249&Synthèse", "e&Nombre au-delà des spécs (estimés && observés)",
                               "!217&Histogramme de la distribution",
                               "!088&Probabilité Normale (Q-Q)"),
    {controls::kUserParameter2On, K::kCheckBox, "Paramètre personnalisé &2 :", pages::kNamedSpecs},
    {controls::kUserParameter2, K::kRealEdit, "", pages::kNamedSpecs},
    {controls::kParameter2Caption, K::kStatic, "", pages::kNamedSpecs},
};
#undef KPA_NAMED_RESULTS_CONTROLS

constexpr DialogTemplate kTemplates[] = {
    {shell::templates::kCapabilityRawSetup, "Capabilité du Processus--Données Brutes ",
     "Capabilité du processus - Données brutes", kRawSetupTabs, kRawSetupControls},
    {shell::templates::kCapabilityAggregatedSetup, "Capabilité du Processus--Données Agrégées ",
     "Capabilité du processus - Données agrégées", kAggregatedSetupTabs, kAggregatedSetupControls},
    {shell::templates::kCapabilityResults,
     "Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, distributions normale et non normale générale avec "
     "données brutes - Résultats",
     kResultsTabs, kResultsControls},
    {shell::templates::kCapabilityAggregatedResults,
     "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, données agrégées - Résultats", kSpecsTabs,
     kSpecsControls},
    {shell::templates::kCapabilityResultsOneParameter,
     "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, distribution à un paramètre - Résultats", kNamedTabs,
     kOneParameterControls},
    {shell::templates::kCapabilityResultsTwoParameters,
     "Analyse de Capabilité de Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, distribution à deux paramètres - Résultats", kNamedTabs,
     kTwoParameterControls},
};

}  // namespace

std::span<const DialogTemplate> CapabilityDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
