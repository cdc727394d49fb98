// Dialog templates of the acceptance-sampling procedure: the specification dialog (3154),
// the results dialogs for normal means and Poisson frequencies (3178) and for binomial
// proportions (3181), and the modal custom sample-size dialog (3127).
#include "resources/dialog_templates.h"

namespace kpa::resources {
namespace {

using K = ControlKind;

// The distribution and criterion lists sit on the "Base" tab; the "Avancé" tab shows the
// risks and the hypotheses. A control exists once per dialog, so the lists are not
// repeated on the second tab.
constexpr TabTemplate kSpecificationTabs[] = {{3155, "Base"}, {3156, "Avancé"}};
constexpr ControlTemplate kSpecificationControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {10710, K::kButton, "Options", 0},
    {400, K::kTabControl, "", 0},
    {100, K::kStatic, "&Distribution :", 3155},
    {101, K::kComboBox, "", 3155},
    {114, K::kStatic, "&Critère du test :", 3155},
    {115, K::kComboBox, "", 3155},
    {103, K::kStatic, "Erreur &alpha :", 3156},
    {104, K::kRealEdit, "", 3156},
    {105, K::kStatic, "Erreur &bêta :", 3156},
    {106, K::kRealEdit, "", 3156},
    {108, K::kStatic, "Moyenne sous H&0 :", 3156},
    {109, K::kRealEdit, "", 3156},
    {110, K::kStatic, "Moyenne sous H&1 :", 3156},
    {111, K::kRealEdit, "", 3156},
    {112, K::kStatic, "&Sigma (écart-type) :", 3156},
    {113, K::kRealEdit, "", 3156},
};

constexpr TabTemplate kResultsTabs[] = {{3179, "Plan d'échantillonnage fixe"},
                                        {3180, "Plan d'échantillonnage séquentiel"}};
constexpr ControlTemplate kResultsControls[] = {
    {2, K::kButton, "Annuler", 0},
    {10710, K::kButton, "Options", 0},
    {214, K::kButton, "!246&s", 0},
    {208, K::kButton, "!247&p", 0},
    {116, K::kStatic, "", 0},
    {400, K::kTabControl, "", 0},
    {117, K::kButton, "!249S&ynthèse :  Résultats du plan d'échantillonnage fixe", 3179},
    {118, K::kButton, "j&Taille d'échantillon :", 3179},
    {119, K::kStatic, "", 3179},
    {120, K::kStatic, "", 3179},
    {121, K::kStatic, "", 3179},
    {122, K::kStatic, "", 3179},
    {123, K::kButton, "!218Courb&e d'efficacité", 3179},
    {133, K::kStatic, "&Nombre d'échantillons :", 3180},
    {134, K::kIntEdit, "", 3180},
    {124, K::kButton, "!221&Tracer le plan d'échantillonnage séquentiel équivalent", 3180},
    {125, K::kButton, "eSynthès&e du plan d'éch. séquentiel équivalent", 3180},
    {126, K::kVariableList, "h&Variable contenant les données du plan courant :", 3180},
    {127, K::kStatic, "", 3180},
};

constexpr TabTemplate kBinomialResultsTabs[] = {{3182, "Plan d'échantillonnage fixe"},
                                                {3183, "Plan d'échantillonnage séquentiel"}};
constexpr ControlTemplate kBinomialResultsControls[] = {
    {2, K::kButton, "Annuler", 0},
    {10710, K::kButton, "Options", 0},
    {214, K::kButton, "!246&s", 0},
    {208, K::kButton, "!247&p", 0},
    {116, K::kStatic, "", 0},
    {400, K::kTabControl, "", 0},
    {117, K::kButton, "!249S&ynthèse", 3182},
    {118, K::kButton, "j&Taille d'échantillon :", 3182},
    {119, K::kStatic, "", 3182},
    {120, K::kStatic, "", 3182},
    {121, K::kStatic, "", 3182},
    {122, K::kStatic, "", 3182},
    {123, K::kButton, "!218Courb&e d'efficacité", 3182},
    {133, K::kStatic, "&Nombre d'échantillons :", 3183},
    {134, K::kIntEdit, "", 3183},
    {124, K::kButton, "!221Tracer le &plan d'échantillonnage séquentiel équivalent", 3183},
    {125, K::kButton, "eSynthès&e du plan d'échantillonnage séquentiel équivalent", 3183},
    {126, K::kVariableList, "h&Variable contenant les données du plan courant :", 3183},
    {127, K::kStatic, "", 3183},
    {144, K::kStatic, "Code &accepté :", 3183},
    {146, K::kValueEdit, "", 3183},
    {148, K::kStatic, "(recodifié en +1)", 3183},
    {145, K::kStatic, "Code &rejeté :", 3183},
    {147, K::kValueEdit, "", 3183},
    {149, K::kStatic, "(recodifié en 0)", 3183},
};

constexpr ControlTemplate kCustomSizeControls[] = {
    {1, K::kButton, "&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {117, K::kStatic, "Taille d'échantillon :", 0},
    {118, K::kRealEdit, "", 0},
};

constexpr DialogTemplate kTemplates[] = {
    {3154, "Plans d'Echantillonnage ", "Plans d'échantillonnage - Spécifications",
     kSpecificationTabs, kSpecificationControls},
    {3178, "Résultats des Plans d'Echantillonnage ", "Plans d'échantillonnage - Résultats",
     kResultsTabs, kResultsControls},
    {3181, "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage, proportions binomiales - Résultats", kBinomialResultsTabs,
     kBinomialResultsControls},
    {3127, "Spécifiez la Taille d'Echantillon ", "", {}, kCustomSizeControls},
};

}  // namespace

std::span<const DialogTemplate> SamplingDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
