// Dialog templates of the gage R&R procedure: the three specification dialogs behind one
// master tab (design, standard data file, R&R data sheet), the design results dialog and
// the analysis results dialog. The analyses of the "Base" tab are not repeated on "Avancé":
// each button exists once.
#include "resources/areas.h"
#include "resources/ids/gage_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

namespace controls = gage::controls;
namespace pages = gage::pages;
namespace templates = shell::templates;

using K = ControlKind;

constexpr TabTemplate kSpecificationTabs[] = {
    {templates::kGageDesignFirstTab, "Générer un plan"},
    {templates::kGageAnalyzeDataFileFirstTab, "Analyser un fichier de données standard"},
    {templates::kGageAnalyzeDataSheetFirstTab, "Analyser une feuille de données R && R"},
};

#define KPA_GAGE_FRAME                                                  \
  {shell::controls::kOk, K::kButton, "OK", 0},                          \
      {shell::controls::kCancel, K::kButton, "Annuler", 0},             \
      {shell::controls::kOptions, K::kButton, "Options", 0},            \
      {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0}, \
      {shell::controls::kCaseWeights, K::kButton, "!247&p", 0}, {       \
    shell::controls::kTabControl, K::kTabControl, "Tab1", 0             \
  }

constexpr ControlTemplate kDesignControls[] = {
    KPA_GAGE_FRAME,
    {controls::kOperators, K::kIntEdit, "Nombre d'&opérateurs :", templates::kGageDesignFirstTab},
    {controls::kParts, K::kIntEdit, "Nombre de &pièces :", templates::kGageDesignFirstTab},
    {controls::kTrials, K::kIntEdit, "Nombre d'&essais :", templates::kGageDesignFirstTab},
};

constexpr ControlTemplate kDataFileControls[] = {
    KPA_GAGE_FRAME,
    {controls::kVariables, K::kVariableList,
     "h&Variables :", templates::kGageAnalyzeDataFileFirstTab},
    {controls::kCodes, K::kCodeList,
     "i&Codes (pour les opérateurs, pièces, essais) :", templates::kGageAnalyzeDataFileFirstTab},
    {controls::kCodesCaption, K::kStatic, "", templates::kGageAnalyzeDataFileFirstTab},
};

constexpr ControlTemplate kDataSheetControls[] = {
    KPA_GAGE_FRAME,
    {controls::kOperators, K::kIntEdit,
     "Nombre d'&opérateurs :", templates::kGageAnalyzeDataSheetFirstTab},
    {controls::kParts, K::kIntEdit,
     "Nombre de &pièces :", templates::kGageAnalyzeDataSheetFirstTab},
    {controls::kTrials, K::kIntEdit,
     "Nombre d'&essais :", templates::kGageAnalyzeDataSheetFirstTab},
    {controls::kVariables, K::kVariableList,
     "h&Variables :", templates::kGageAnalyzeDataSheetFirstTab},
    {controls::kSheetCaption, K::kStatic, "", templates::kGageAnalyzeDataSheetFirstTab},
};

#undef KPA_GAGE_FRAME

constexpr TabTemplate kDesignResultsTabs[] = {{pages::kFiles, "Fichiers"},
                                              {pages::kDataSheets, "Feuilles de données R && R"}};

constexpr ControlTemplate kDesignResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummary, K::kButton, "!249Synthèse : A&fficher le plan", pages::kFiles},
    {controls::kSaveDesign, K::kButton, "!654Enregi&strer le plan", pages::kFiles},
    {controls::kRandomizeTrials, K::kRadioButton, "R&andomiser les essais", pages::kFiles},
    {controls::kStandardOrder, K::kRadioButton, "&Ordre standard", pages::kFiles},
    {controls::kSheetSummary, K::kButton, "!249Synthèse", pages::kDataSheets},
    {controls::kSaveSheet, K::kButton, "!654Enre&gistrer le plan", pages::kDataSheets},
};

constexpr TabTemplate kAnalysisResultsTabs[] = {{pages::kBase, "Base"},
                                                {pages::kAdvanced, "Avancé"},
                                                {pages::kPlots, "Descriptives/tracés"},
                                                {pages::kOptions, "Options"}};

constexpr ControlTemplate kAnalysisResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummaryText, K::kStatic, "", 0},
    {controls::kRepeatabilityNote, K::kStatic, "", 0},
    {controls::kRangeVariance, K::kButton, "fMéthode de l'étendue - &Variance estimée",
     pages::kBase},
    {controls::kRangePercentTolerance, K::kButton, "fMéthode de l'étendue - % de &tolérance",
     pages::kBase},
    {controls::kAnovaVariance, K::kButton, "fMéthode &ANOVA - Variance estimée", pages::kBase},
    {controls::kAnovaPercentTolerance, K::kButton, "fMéthode ANOVA - % de t&olérance",
     pages::kBase},
    {controls::kAdjustAppraiser, K::kCheckBox, "A&juster la dispersion de l'évaluateur (AIAG)",
     pages::kAdvanced},
    {controls::kCompleteAnova, K::kButton, "eTa&ble ANOVA complète", pages::kAdvanced},
    {controls::kNoInteraction, K::kCheckBox, "Pas d'interaction d'ordre &2 (Opérateur-Pièce) ",
     pages::kAdvanced},
    {controls::kConfidence, K::kRealEdit, "", pages::kAdvanced},
    {controls::kDescriptive, K::kButton, "fStats &descriptives (par opérateur && pièce)",
     pages::kPlots},
    {controls::kRrPlot, K::kButton, "!236Tracé &R && R", pages::kPlots},
    {controls::kCombinedPlot, K::kButton, "!215Tra&cé composé par opérateurs && pièces",
     pages::kPlots},
    {controls::kBoxPlot, K::kButton, "!225Boîtes à &moustaches", pages::kPlots},
    {controls::kRangeChartOperators, K::kButton, "!222Cart&e d'étendue/opérateur", pages::kPlots},
    {controls::kRangeChartParts, K::kButton, "!222&par pièce", pages::kPlots},
    {controls::kSigmaChartOperators, K::kButton, "!222Carte &sigma/opérateur", pages::kPlots},
    {controls::kSigmaChartParts, K::kButton, "!222par p&ièce", pages::kPlots},
    {controls::kTolerance, K::kRealEdit, "", pages::kOptions},
    {controls::kSigmaIntervals, K::kRealEdit, "", pages::kOptions},
};

constexpr DialogTemplate kTemplates[] = {
    {templates::kGageDesign, "Analyse de Répétabilité & Reproductibilité--Générer un plan ", "",
     kSpecificationTabs, kDesignControls},
    {templates::kGageAnalyzeDataFile,
     "Analyse de Répétabilité & Reproductibilité--Fichiers de données standard ", "",
     kSpecificationTabs, kDataFileControls},
    {templates::kGageAnalyzeDataSheet,
     "Analyse de Répétabilité & Reproductibilité--Feuilles de données R&R ", "", kSpecificationTabs,
     kDataSheetControls},
    {templates::kGageDesignResults, "Analyse de Répétabilité & Reproductibilité ", "",
     kDesignResultsTabs, kDesignResultsControls},
    {templates::kGageAnalysisResults, "Résultats de l'Analyse de Répétabilité & Reproductibilité ",
     "", kAnalysisResultsTabs, kAnalysisResultsControls},
};

}  // namespace

std::span<const DialogTemplate> GageDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
