// Templates of the startup dialog and of the frames of every step of the chain. A procedure
// whose dialogs are not built yet opens its frame (caption, OK, Annuler) from here.
#include "resources/dialog_templates.h"

namespace kpa::resources {
namespace {

using K = ControlKind;

constexpr TabTemplate kStartupTabs[] = {{3153, "Base"}};
constexpr ControlTemplate kStartupControls[] = {
    {1, K::kButton, "g&OK", 0},        {2, K::kButton, "Annuler", 0},
    {10710, K::kButton, "Options", 0}, {216, K::kButton, "`O&uvrir", 0},
    {214, K::kButton, "!246&s", 0},    {208, K::kButton, "!247&p", 0},
    {400, K::kTabControl, "", 0},      {131, K::kListBox, "", 3153},
};

constexpr ControlTemplate kFrameControls[] = {
    {1, K::kButton, "g&OK", 0},
    {2, K::kButton, "Annuler", 0},
};

constexpr DialogTemplate kTemplates[] = {
    {3152, "Procédures d'Analyse de Processus ", "Analyse de processus - Démarrage", kStartupTabs,
     kStartupControls},
    {3154,
     "Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Spécifications",
     {},
     kFrameControls},
    {3178,
     "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Résultats",
     {},
     kFrameControls},
    {3181,
     "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage, proportions binomiales - Résultats",
     {},
     kFrameControls},
    {3157, "Capabilité du Processus--Données Brutes ", "", {}, kFrameControls},
    {3161, "Capabilité du Processus--Données Agrégées ", "", {}, kFrameControls},
    {3184,
     "Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
    {3116,
     "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
    {3105,
     "Analyse de Capabilité de Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
    {3121,
     "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
    {3168, "Analyse de Répétabilité & Reproductibilité--Générer un plan ", "", {}, kFrameControls},
    {3166,
     "Analyse de Répétabilité & Reproductibilité--Fichiers de données standard ",
     "",
     {},
     kFrameControls},
    {3164,
     "Analyse de Répétabilité & Reproductibilité--Feuilles de données R&R ",
     "",
     {},
     kFrameControls},
    {3189, "Analyse de Répétabilité & Reproductibilité ", "", {}, kFrameControls},
    {3192, "Résultats de l'Analyse de Répétabilité & Reproductibilité ", "", {}, kFrameControls},
    {3174, "Analyse de Weibull & Fiabilité/Temps d'échec--Données Brutes ", "", {}, kFrameControls},
    {3176,
     "Analyse de Weibull & Fiabilité/Temps d'échec--Données Groupées ",
     "",
     {},
     kFrameControls},
    {3170, "Papier de Probabilité de Weibull ", "", {}, kFrameControls},
    {3196, "Analyse de Weibull : Résultats (Données Brutes) ", "", {}, kFrameControls},
    {3112, "Analyse de Weibull : Résultats (Données Groupées) ", "", {}, kFrameControls},
    {3200, "Diagrammes de Causes-et-Effets (Ishikawa) ", "", {}, kFrameControls},
};

}  // namespace

std::span<const DialogTemplate> ShellDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
