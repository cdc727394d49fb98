// Dialog templates of the acceptance-sampling procedure: the specification dialog (3154),
// the results dialogs for normal means and Poisson frequencies (3178) and for binomial
// proportions (3181), and the modal custom sample-size dialog (3127).
#include "resources/areas.h"
#include "resources/ids/sampling_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

namespace controls = sampling::controls;
namespace pages = sampling::pages;

using K = ControlKind;

// The distribution and criterion lists sit on the "Base" tab; the "Avancé" tab shows the
// risks and the hypotheses. A control exists once per dialog, so the lists are not
// repeated on the second tab.
constexpr TabTemplate kSpecificationTabs[] = {{pages::kSpecificationBase, "Base"},
                                              {pages::kSpecificationAdvanced, "Avancé"}};
constexpr ControlTemplate kSpecificationControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kDistributionLabel, K::kStatic, "&Distribution :", pages::kSpecificationBase},
    {controls::kDistributionList, K::kComboBox, "", pages::kSpecificationBase},
    {controls::kCriterionLabel, K::kStatic, "&Critère du test :", pages::kSpecificationBase},
    {controls::kCriterionList, K::kComboBox, "", pages::kSpecificationBase},
    {controls::kAlphaLabel, K::kStatic, "Erreur &alpha :", pages::kSpecificationAdvanced},
    {controls::kAlpha, K::kRealEdit, "", pages::kSpecificationAdvanced},
    {controls::kBetaLabel, K::kStatic, "Erreur &bêta :", pages::kSpecificationAdvanced},
    {controls::kBeta, K::kRealEdit, "", pages::kSpecificationAdvanced},
    {controls::kH0Label, K::kStatic, "Moyenne sous H&0 :", pages::kSpecificationAdvanced},
    {controls::kH0, K::kRealEdit, "", pages::kSpecificationAdvanced},
    {controls::kH1Label, K::kStatic, "Moyenne sous H&1 :", pages::kSpecificationAdvanced},
    {controls::kH1, K::kRealEdit, "", pages::kSpecificationAdvanced},
    {controls::kSigmaLabel, K::kStatic, "&Sigma (écart-type) :", pages::kSpecificationAdvanced},
    {controls::kSigma, K::kRealEdit, "", pages::kSpecificationAdvanced},
};

constexpr TabTemplate kResultsTabs[] = {
    {pages::kResultsFixed, "Plan d'échantillonnage fixe"},
    {pages::kResultsSequential, "Plan d'échantillonnage séquentiel"}};
constexpr ControlTemplate kResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0},
    {shell::controls::kCaseWeights, K::kButton, "!247&p", 0},
    {controls::kDescription, K::kStatic, "", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummary, K::kButton, "!249S&ynthèse :  Résultats du plan d'échantillonnage fixe",
     pages::kResultsFixed},
    {controls::kSampleSize, K::kButton, "j&Taille d'échantillon :", pages::kResultsFixed},
    {controls::kComputedSizeLine, K::kStatic, "", pages::kResultsFixed},
    {controls::kCustomSizeLine, K::kStatic, "", pages::kResultsFixed},
    {controls::kAchievedBetaLabel, K::kStatic, "", pages::kResultsFixed},
    {controls::kAchievedBeta, K::kStatic, "", pages::kResultsFixed},
    {controls::kOcCurves, K::kButton, "!218Courb&e d'efficacité", pages::kResultsFixed},
    {controls::kNumberOfSamplesLabel, K::kStatic,
     "&Nombre d'échantillons :", pages::kResultsSequential},
    {controls::kNumberOfSamples, K::kIntEdit, "", pages::kResultsSequential},
    {controls::kPlotSequential, K::kButton,
     "!221&Tracer le plan d'échantillonnage séquentiel équivalent", pages::kResultsSequential},
    {controls::kSequentialSummary, K::kButton, "eSynthès&e du plan d'éch. séquentiel équivalent",
     pages::kResultsSequential},
    {controls::kDataVariable, K::kVariableList,
     "h&Variable contenant les données du plan courant :", pages::kResultsSequential},
    {controls::kDataVariableName, K::kStatic, "", pages::kResultsSequential},
};

constexpr TabTemplate kBinomialResultsTabs[] = {
    {pages::kBinomialFixed, "Plan d'échantillonnage fixe"},
    {pages::kBinomialSequential, "Plan d'échantillonnage séquentiel"}};
constexpr ControlTemplate kBinomialResultsControls[] = {
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0},
    {shell::controls::kCaseWeights, K::kButton, "!247&p", 0},
    {controls::kDescription, K::kStatic, "", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kSummary, K::kButton, "!249S&ynthèse", pages::kBinomialFixed},
    {controls::kSampleSize, K::kButton, "j&Taille d'échantillon :", pages::kBinomialFixed},
    {controls::kComputedSizeLine, K::kStatic, "", pages::kBinomialFixed},
    {controls::kCustomSizeLine, K::kStatic, "", pages::kBinomialFixed},
    {controls::kAchievedBetaLabel, K::kStatic, "", pages::kBinomialFixed},
    {controls::kAchievedBeta, K::kStatic, "", pages::kBinomialFixed},
    {controls::kOcCurves, K::kButton, "!218Courb&e d'efficacité", pages::kBinomialFixed},
    {controls::kNumberOfSamplesLabel, K::kStatic,
     "&Nombre d'échantillons :", pages::kBinomialSequential},
    {controls::kNumberOfSamples, K::kIntEdit, "", pages::kBinomialSequential},
    {controls::kPlotSequential, K::kButton,
     "!221Tracer le &plan d'échantillonnage séquentiel équivalent", pages::kBinomialSequential},
    {controls::kSequentialSummary, K::kButton,
     "eSynthès&e du plan d'échantillonnage séquentiel équivalent", pages::kBinomialSequential},
    {controls::kDataVariable, K::kVariableList,
     "h&Variable contenant les données du plan courant :", pages::kBinomialSequential},
    {controls::kDataVariableName, K::kStatic, "", pages::kBinomialSequential},
    {controls::kAcceptCodeLabel, K::kStatic, "Code &accepté :", pages::kBinomialSequential},
    {controls::kAcceptCode, K::kValueEdit, "", pages::kBinomialSequential},
    {controls::kAcceptCodeNote, K::kStatic, "(recodifié en +1)", pages::kBinomialSequential},
    {controls::kRejectCodeLabel, K::kStatic, "Code &rejeté :", pages::kBinomialSequential},
    {controls::kRejectCode, K::kValueEdit, "", pages::kBinomialSequential},
    {controls::kRejectCodeNote, K::kStatic, "(recodifié en 0)", pages::kBinomialSequential},
};

constexpr ControlTemplate kCustomSizeControls[] = {
    {shell::controls::kOk, K::kButton, "&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {controls::kCustomSizeLabel, K::kStatic, "Taille d'échantillon :", 0},
    {controls::kCustomSizeField, K::kRealEdit, "", 0},
};

constexpr DialogTemplate kTemplates[] = {
    {shell::templates::kSamplingSpecification, "Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Spécifications", kSpecificationTabs, kSpecificationControls},
    {shell::templates::kSamplingResults, "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Résultats", kResultsTabs, kResultsControls},
    {shell::templates::kSamplingResultsBinomial, "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage, proportions binomiales - Résultats", kBinomialResultsTabs,
     kBinomialResultsControls},
    {shell::templates::kSamplingCustomSize,
     "Spécifiez la Taille d'Echantillon ",
     "",
     {},
     kCustomSizeControls},
};

}  // namespace

std::span<const DialogTemplate> SamplingDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
