// Dialog templates of the Weibull and reliability procedure: the raw-data and grouped-data
// specification dialogs behind one master tab, the results dialogs of raw data and of
// grouped data (the data summary stands above their tabs), and the probability paper.
#include "resources/areas.h"
#include "resources/ids/reliability_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

namespace controls = reliability::controls;
namespace pages = reliability::pages;
namespace templates = shell::templates;

using K = ControlKind;

constexpr TabTemplate kSpecificationTabs[] = {
    {templates::kWeibullRawSetupTab, "Données brutes"},
    {templates::kWeibullGroupedSetupTab, "Données groupées"},
};

#define KPA_WEIBULL_FRAME                                               \
  {shell::controls::kOk, K::kButton, "OK", 0},                          \
      {shell::controls::kCancel, K::kButton, "Annuler", 0},             \
      {shell::controls::kOptions, K::kButton, "Options", 0},            \
      {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0}, \
      {shell::controls::kCaseWeights, K::kButton, "!247&p", 0}, {       \
    shell::controls::kTabControl, K::kTabControl, "Tab1", 0             \
  }

constexpr int kRawPage = templates::kWeibullRawSetupTab;
constexpr int kGroupedPage = templates::kWeibullGroupedSetupTab;

constexpr ControlTemplate kRawControls[] = {
    KPA_WEIBULL_FRAME,
    {controls::kListOfVariables, K::kRadioButton, "&Liste de variables avec les durées d'échec ",
     kRawPage},
    {controls::kSingleTime, K::kRadioButton,
     "Une seule var&iable, période de départ && fin, ou dates", kRawPage},
    {controls::kVariables, K::kVariableList,
     "h&Variables (temps à l'échec && indicateur de censure) :", kRawPage},
    {controls::kCompleteCode, K::kValueEdit, "", kRawPage},
    {controls::kCensoredCode, K::kValueEdit, "", kRawPage},
    {controls::kAddConstant, K::kCheckBox,
     "Ajouter une constante (temps d'échec/ce&nsure nuls) : ", kRawPage},
    {controls::kConstant, K::kRealEdit, "", kRawPage},
};

constexpr ControlTemplate kGroupedControls[] = {
    KPA_WEIBULL_FRAME,
    {controls::kVariables, K::kVariableList, "h&Variables", kGroupedPage},
    {controls::kEntering, K::kIntEdit, "", kGroupedPage},
    {controls::kGroupedFit, K::kRadioButton, "Paramètres estimés à partir des données &groupées",
     kGroupedPage},
    {controls::kTreatAsContinuous, K::kRadioButton,
     "Données traitées comme continues, échecs au centre des intervalles", kGroupedPage},
};

#undef KPA_WEIBULL_FRAME

constexpr TabTemplate kRawResultsTabs[] = {
    {pages::kBase, "Base"},
    {pages::kAdvanced, "Avancé"},
    {pages::kReliability, "Fiabilité && fonction de répartition"},
    {pages::kHazard, "Risque && tracés"},
    {pages::kDescriptive, "Descriptives && ajustement"}};

constexpr ControlTemplate kRawResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummaryText, K::kStatic, "", 0},
    {controls::kVariable, K::kComboBox, "", pages::kBase},
    {controls::kPreviousVariable, K::kButton, "<<", pages::kBase},
    {controls::kNextVariable, K::kButton, ">>", pages::kBase},
    {controls::kLocation, K::kRealEdit, "", pages::kBase},
    {controls::kShape, K::kRealEdit, "", pages::kBase},
    {controls::kScale, K::kRealEdit, "", pages::kBase},
    {controls::kShapeAndScale, K::kRadioButton, "P. de forme && dispersion du MV", pages::kBase},
    {controls::kShapeScaleLocation, K::kRadioButton,
     "Para. de position, de forme, de dispersion du MV", pages::kBase},
    {controls::kUserDefined, K::kRadioButton, "Paramètres personnalisés", pages::kBase},
    {controls::kRecompute, K::kButton, "Recalculer", pages::kBase},
    {controls::kConfidence, K::kRealEdit, "", pages::kBase},
    {controls::kSummary, K::kButton, "!249&Synthèse", pages::kBase},
    {controls::kMaxIterations, K::kIntEdit, "", pages::kAdvanced},
    {controls::kCriterion, K::kRealEdit, "", pages::kAdvanced},
    {controls::kLocationFrom, K::kRealEdit, "", pages::kAdvanced},
    {controls::kLocationTo, K::kRealEdit, "", pages::kAdvanced},
    {controls::kRSquaredProfile, K::kButton, "!224R² vs. param. de position", pages::kAdvanced},
    {controls::kReliabilityPlot, K::kButton, "!227Tps à l'échec vs. &R(t)", pages::kReliability},
    {controls::kCdfPlot, K::kButton, "!227Fonction de ré&partition cumulée", pages::kReliability},
    {controls::kProbabilityPlot, K::kButton, "!227Trac&é de proba.", pages::kReliability},
    {controls::kReliabilityTable, K::kButton, "eValeurs de f&iabilité et intervalles de conf.",
     pages::kReliability},
    {controls::kPercentiles, K::kButton, "e&Centiles et limites de confiance", pages::kReliability},
    {controls::kKaplanMeier, K::kButton, "!228Estimation de &Kaplan-Meier", pages::kReliability},
    {controls::kMlIntervals, K::kRadioButton, "Max. vraisembl.", pages::kReliability},
    {controls::kRankIntervals, K::kRadioButton, "Non-paramétrique", pages::kReliability},
    {controls::kPlotMinimum, K::kRealEdit, "", pages::kReliability},
    {controls::kPlotMaximum, K::kRealEdit, "", pages::kReliability},
    {controls::kMedianRank, K::kRadioButton, "&Méthode du rang médian", pages::kReliability},
    {controls::kMeanRank, K::kRadioButton, "Méthod&e du rang moyen", pages::kReliability},
    {controls::kWhite, K::kRadioButton, "Position de tracé de &White", pages::kReliability},
    {controls::kHazardTable, K::kButton, "e&Fonction de risque", pages::kHazard},
    {controls::kCumHazardPlot, K::kButton, "!227Tps à l'éc&hec vs. risque cum.", pages::kHazard},
    {controls::kLogCumHazardPlot, K::kButton, "!227Log(t) vs. log risque c&umulé", pages::kHazard},
    {controls::kQuantilePlot, K::kButton, "!088&Quantile-Quantile (Q-Q)", pages::kHazard},
    {controls::kDescriptive, K::kButton, "fStatistiques &descriptives", pages::kDescriptive},
    {controls::kHistogram, K::kButton, "!223His&togram.", pages::kDescriptive},
    {controls::kFailuresOnly, K::kCheckBox, "Echecs obs. seuls", pages::kDescriptive},
    {controls::kGoodnessOfFit, K::kButton, "eTests de qualité d'&ajustement", pages::kDescriptive},
};

constexpr TabTemplate kGroupedResultsTabs[] = {
    {pages::kBase, "Base"},
    {pages::kReliability, "Fiabilité && fonction de répartition"},
    {pages::kHazard, "Risque && tracés"}};

constexpr ControlTemplate kGroupedResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummaryText, K::kStatic, "", 0},
    {controls::kLocation, K::kRealEdit, "", pages::kBase},
    {controls::kShape, K::kRealEdit, "", pages::kBase},
    {controls::kScale, K::kRealEdit, "", pages::kBase},
    {controls::kShapeAndScale, K::kRadioButton, "P. de forme && dispersion du MV", pages::kBase},
    {controls::kGroupedUserDefined, K::kRadioButton, "Paramètres spécifiques", pages::kBase},
    {controls::kRecompute, K::kButton, "Recalculer", pages::kBase},
    {controls::kConfidence, K::kRealEdit, "", pages::kBase},
    {controls::kSummary, K::kButton, "!249&Synthèse", pages::kBase},
    {controls::kReliabilityPlot, K::kButton, "!227Tps à l'échec vs. &R(t)", pages::kReliability},
    {controls::kCdfPlot, K::kButton, "!227Fonction de ré&partition cumulée", pages::kReliability},
    {controls::kProbabilityPlot, K::kButton, "!227Tracé de probabilit&é", pages::kReliability},
    {controls::kReliabilityTable, K::kButton, "eF&iabilité ", pages::kReliability},
    {controls::kLifeTable, K::kButton, "eTable de sur&vie", pages::kReliability},
    {controls::kPercentiles, K::kButton, "e&Centiles et limites de confiance", pages::kReliability},
    {controls::kHazardTable, K::kButton, "e&Fonction de risque", pages::kHazard},
    {controls::kCumHazardPlot, K::kButton, "!227Tps à l'éc&hec vs. risque cumulé", pages::kHazard},
    {controls::kLogCumHazardPlot, K::kButton, "!227Log(t) vs. log risque c&umulé", pages::kHazard},
    {controls::kQuantilePlot, K::kButton, "!088&Quantile-Quantile (Q-Q)", pages::kHazard},
    {controls::kHistogram, K::kButton, "!223His&togramme", pages::kHazard},
    {controls::kFailuresOnly, K::kCheckBox, "Echecs observés uniquement", pages::kHazard},
};

constexpr TabTemplate kPaperTabs[] = {{pages::kPaperBase, "Base"},
                                      {pages::kPaperAdvanced, "Avancé"},
                                      {pages::kPaperVariables, "Variables (facultatif)"}};

constexpr ControlTemplate kPaperControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0},
    {shell::controls::kCaseWeights, K::kButton, "!247&p", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kDrawPaper, K::kButton, "!227&Tracé de probabilité (papier)", pages::kPaperBase},
    {controls::kExtremeEnds, K::kCheckBox, "Ajouter éti&quettes de p et quadrillage aux extrémités",
     pages::kPaperBase},
    {controls::kPrincipalAbscissa, K::kCheckBox,
     "Ajouter l'abscisse p&rincipale (vie caractéristique)", pages::kPaperBase},
    {controls::kMinimumP, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kMaximumP, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kStepP, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kLocation, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kMaximumTime, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kTimeStep, K::kRealEdit, "", pages::kPaperAdvanced},
    {controls::kVariables, K::kVariableList,
     "h&Variables (temps à l'échec ou dates && indicateur de censure) :", pages::kPaperVariables},
    {controls::kCompleteCode, K::kValueEdit, "", pages::kPaperVariables},
    {controls::kCensoredCode, K::kValueEdit, "", pages::kPaperVariables},
    {controls::kAddConstant, K::kCheckBox,
     "Ajouter une constante (temps d'échec/ce&nsure nuls) : ", pages::kPaperVariables},
    {controls::kConstant, K::kRealEdit, "", pages::kPaperVariables},
};

constexpr DialogTemplate kTemplates[] = {
    {templates::kWeibullRawSetup, "Analyse de Weibull & Fiabilité/Temps d'échec--Données Brutes ",
     "", kSpecificationTabs, kRawControls},
    {templates::kWeibullGroupedSetup,
     "Analyse de Weibull & Fiabilité/Temps d'échec--Données Groupées ", "", kSpecificationTabs,
     kGroupedControls},
    {templates::kWeibullResultsRaw, "Analyse de Weibull : Résultats (Données Brutes) ", "",
     kRawResultsTabs, kRawResultsControls},
    {templates::kWeibullResultsGrouped, "Analyse de Weibull : Résultats (Données Groupées) ", "",
     kGroupedResultsTabs, kGroupedResultsControls},
    {templates::kWeibullPaper, "Papier de Probabilité de Weibull ", "", kPaperTabs, kPaperControls},
};

}  // namespace

std::span<const DialogTemplate> ReliabilityDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
