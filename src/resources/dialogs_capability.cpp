// Dialog templates of the process-capability procedure: raw-data setup (3157), aggregated-
// data setup (3161), the results dialog of the normal and general non-normal distributions
// (3184) and the results dialog of aggregated data (3121). Control identifiers are those of
// capability/control_ids.h.
#include "resources/dialog_templates.h"

namespace kpa::resources {
namespace {

using K = ControlKind;

// Tab pages.
constexpr int kRawTab = 31571;
constexpr int kGroupingTab = 31572;
constexpr int kDistributionTab = 31573;
constexpr int kAggregatedBaseTab = 31611;
constexpr int kAggregatedAdvancedTab = 31612;
constexpr int kSpecsTab = 31841;
constexpr int kOptionsTab = 31842;
constexpr int kToleranceTab = 31843;
constexpr int kNormalToleranceTab = 31844;
constexpr int kIntervalsTab = 31845;
constexpr int kSpecsBaseTab = 31211;

constexpr TabTemplate kRawSetupTabs[] = {
    {kRawTab, "Données Brutes"}, {kGroupingTab, "Classement"}, {kDistributionTab, "Distribution"}};
constexpr ControlTemplate kRawSetupControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {400, K::kTabControl, "", 0},
    {126, K::kVariableList, "h&Variables :", kRawTab},
    {198, K::kButton, "Spécifications du processus :", kRawTab},
    {199, K::kStatic, "Sigma estimé à partir de :", kRawTab},
    {240, K::kRadioButton, "Et&endues", kGroupingTab},
    {241, K::kRadioButton, "Ecarts-types", kGroupingTab},
    {242, K::kRadioButton, "Varia&nces", kGroupingTab},
    {395, K::kRadioButton, "Aucun classement (un seul échantillon)", kGroupingTab},
    {393, K::kRadioButton, "Taille d'échantillon constante :", kGroupingTab},
    {394, K::kIntEdit, "", kGroupingTab},
    {218, K::kRadioButton, "Variable de classement :", kGroupingTab},
    {194, K::kCodeList, "i&Codes :", kGroupingTab},
    {197, K::kStatic, "", kGroupingTab},
    {423, K::kCheckBox, "Sélectionner tous les codes", kGroupingTab},
    {409, K::kCheckBox, "Codes dans l'ordre du fichier de données", kGroupingTab},
    {235, K::kButton, "eA&juster toutes les distributions (calculer paramètres + d de K-S)",
     kDistributionTab},
    {169, K::kRadioButton, "Normale et Non-Normale générale (ajustement de Pearson && Johnson)",
     kDistributionTab},
    {106, K::kRadioButton, "Distribution &Bêta ;", kDistributionTab},
    {232, K::kRealEdit, "", kDistributionTab},
    {243, K::kRealEdit, "", kDistributionTab},
    {224, K::kRadioButton, "Distribution E&xponentielle ;", kDistributionTab},
    {230, K::kRealEdit, "", kDistributionTab},
    {234, K::kRadioButton, "Valeur &extrême (Type I, Gumbel)", kDistributionTab},
    {231, K::kRadioButton, "Distribution &Gamma ;", kDistributionTab},
    {233, K::kRealEdit, "", kDistributionTab},
    {222, K::kRadioButton, "Distribution &Log-Normale ;", kDistributionTab},
    {236, K::kRealEdit, "", kDistributionTab},
    {228, K::kRadioButton, "Distribution &Rayleigh ;", kDistributionTab},
    {229, K::kRealEdit, "", kDistributionTab},
    {226, K::kRadioButton, "Distribution Weib&ull ;", kDistributionTab},
    {227, K::kRealEdit, "", kDistributionTab},
};

constexpr TabTemplate kAggregatedSetupTabs[] = {{kAggregatedBaseTab, "Base"},
                                                {kAggregatedAdvancedTab, "Avancé"}};
constexpr ControlTemplate kAggregatedSetupControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {400, K::kTabControl, "", 0},
    {126, K::kVariableList, "h&Variables", kAggregatedBaseTab},
    {198, K::kButton, "Spécifications du processus :", kAggregatedBaseTab},
    {199, K::kStatic, "Sigma estimé à partir de :", kAggregatedAdvancedTab},
    {240, K::kRadioButton, "&Etendues", kAggregatedAdvancedTab},
    {241, K::kRadioButton, "E&carts-types", kAggregatedAdvancedTab},
    {242, K::kRadioButton, "V&ariances", kAggregatedAdvancedTab},
};

constexpr TabTemplate kResultsTabs[] = {{kSpecsTab, "Spécs"},
                                        {kOptionsTab, "Options"},
                                        {kToleranceTab, "Analyse du Pourcentage de Tolérance "},
                                        {kNormalToleranceTab, "Limites de Tolérance Normales"},
                                        {kIntervalsTab, "Intervalles"}};
constexpr ControlTemplate kResultsControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {400, K::kTabControl, "", 0},
    {213, K::kComboBox, "", 0},
    {270, K::kButton, "<<", 0},
    {271, K::kButton, ">>", 0},
    {129, K::kButton, "!249&Synthèse", 0},
    {396, K::kButton, "e&Toutes les var&iables", 0},
    {143, K::kButton, "eStat&istiques descriptives", 0},
    {149, K::kButton, "e&Nombre au-delà des spécifications (estimés && observés)", 0},
    {148, K::kButton, "e&Distribution && tests de normalité", 0},
    {151, K::kButton, "!217&Histogramme de synthèse", 0},
    {250, K::kButton, "!088Distribution &Q-Q Normale", 0},
    {251, K::kButton, "!088Distribution P-P Norm&ale", 0},
    {211, K::kButton, "eSynthèse : Variable co&urante", 0},
    {397, K::kButton, "eToutes les variab&les", 0},
    {210, K::kButton, "!217H&istogramme de synthèse &non-normal ", 0},
    {212, K::kButton, "e&Distribution de fréq. non-Normale", 0},
    {268, K::kButton, "!088Distribution Q-Q &non-Normale", 0},
    {267, K::kButton, "!088Distribution P-P non-Normale", 0},
    {135, K::kComboBox, "Spécifications du processus :", kSpecsTab},
    {153, K::kRealEdit, "Nominal :", kSpecsTab},
    {156, K::kRealEdit, "Delta :", kSpecsTab},
    {158, K::kRealEdit, "LSI :", kSpecsTab},
    {160, K::kRealEdit, "LSS :", kSpecsTab},
    {140, K::kCheckBox, "&Moyenne spécifique :", kSpecsTab},
    {139, K::kRealEdit, "", kSpecsTab},
    {112, K::kCheckBox, "Si&gma spécifique :", kSpecsTab},
    {113, K::kRealEdit, "", kSpecsTab},
    {257, K::kRealEdit, "Sigma intra-échantillon :", kSpecsTab},
    {141, K::kRealEdit, "Limites de sigma :", kSpecsTab},
    {283, K::kCheckBox, "Rang moyen des ex-aequo", kOptionsTab},
    {254, K::kRadioButton, "Axe hori&zontal", kOptionsTab},
    {252, K::kRadioButton, "Axe &vertical", kOptionsTab},
    {261, K::kRealEdit, "Ajustement des rangs :", kOptionsTab},
    {265, K::kRealEdit, "Ajustement de N :", kOptionsTab},
    {272, K::kButton, "Rétablir défauts", kOptionsTab},
    {291, K::kCheckBox, "Afficher les indices de &capabilité du processus", kOptionsTab},
    {263, K::kCheckBox, "Placer les limites de &Sigma aux centiles équivalents", kOptionsTab},
    {179, K::kCheckBox, "Déplacer les titres &pour évit. recouvr. texte", kOptionsTab},
    {183, K::kButton, "Limites de tolérance non paramétriques", kToleranceTab},
    {181, K::kRadioButton, "&Pourcentage de population incluse :", kToleranceTab},
    {182, K::kRadioButton, "Niveau de &confiance :", kToleranceTab},
    {150, K::kButton, "Limites de tolérance normales", kNormalToleranceTab},
    {173, K::kIntEdit, "N :", kNormalToleranceTab},
    {175, K::kRealEdit, "% de la population :", kNormalToleranceTab},
    {177, K::kRealEdit, "Niveau de confiance :", kNormalToleranceTab},
    {162, K::kRealEdit, "Limite inférieure :", kIntervalsTab},
    {163, K::kRealEdit, "Limite supérieure :", kIntervalsTab},
    {166, K::kIntEdit, "Nombre de catégories :", kIntervalsTab},
    {209, K::kCheckBox, "&Intervalles soignés (nbe catég., limites appr.)", kIntervalsTab},
};

constexpr TabTemplate kSpecsTabs[] = {{kSpecsBaseTab, "Base"}};
constexpr ControlTemplate kSpecsControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
    {400, K::kTabControl, "", 0},
    {125, K::kButton, "!249&Synthèse", kSpecsBaseTab},
    {135, K::kComboBox, "Spécifications du processus :", kSpecsBaseTab},
    {153, K::kRealEdit, "Nominal :", kSpecsBaseTab},
    {156, K::kRealEdit, "Delta :", kSpecsBaseTab},
    {158, K::kRealEdit, "LSI :", kSpecsBaseTab},
    {160, K::kRealEdit, "LSS :", kSpecsBaseTab},
    {140, K::kCheckBox, "&Moyenne personnalisée :", kSpecsBaseTab},
    {139, K::kRealEdit, "", kSpecsBaseTab},
    {112, K::kCheckBox, "S&igma personnalisé :", kSpecsBaseTab},
    {113, K::kRealEdit, "(intra échantillon)", kSpecsBaseTab},
    {141, K::kRealEdit, "Limites de sigma :", kSpecsBaseTab},
};

constexpr DialogTemplate kTemplates[] = {
    {3157, "Capabilité du Processus--Données Brutes ", "Capabilité du processus - Données brutes",
     kRawSetupTabs, kRawSetupControls},
    {3161, "Capabilité du Processus--Données Agrégées ",
     "Capabilité du processus - Données agrégées", kAggregatedSetupTabs, kAggregatedSetupControls},
    {3184, "Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, distributions normale et non normale générale avec "
     "données brutes - Résultats",
     kResultsTabs, kResultsControls},
    {3121, "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "Analyse de capabilité du processus, données agrégées - Résultats", kSpecsTabs,
     kSpecsControls},
};

}  // namespace

std::span<const DialogTemplate> CapabilityDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
