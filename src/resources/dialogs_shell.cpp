// Templates of the startup dialog and of the frames of every step of the chain. A procedure
// whose dialogs are not built yet opens its frame (caption, OK, Annuler) from here.
#include "resources/areas.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

using K = ControlKind;

constexpr TabTemplate kStartupTabs[] = {{shell::templates::kStartupBaseTab, "Base"}};
constexpr ControlTemplate kStartupControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kOpenDataFile, K::kButton, "`O&uvrir", 0},
    {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0},
    {shell::controls::kCaseWeights, K::kButton, "!247&p", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {shell::controls::kStartupList, K::kListBox, "", shell::templates::kStartupBaseTab},
};

constexpr ControlTemplate kFrameControls[] = {
    {shell::controls::kOk, K::kButton, "g&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
};

constexpr DialogTemplate kTemplates[] = {
    {shell::templates::kStartup, "Procédures d'Analyse de Processus ",
     "Analyse de processus - Démarrage", kStartupTabs, kStartupControls},
    {shell::templates::kSamplingSpecification,
     "Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Spécifications",
     {},
     kFrameControls},
    {shell::templates::kSamplingResults,
     "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage - Résultats",
     {},
     kFrameControls},
    {shell::templates::kSamplingResultsBinomial,
     "Résultats des Plans d'Echantillonnage ",
     "Plans d'échantillonnage, proportions binomiales - Résultats",
     {},
     kFrameControls},
    {shell::templates::kCapabilityRawSetup,
     "Capabilité du Processus--Données Brutes ",
     "",
     {},
     kFrameControls},
    {shell::templates::kCapabilityAggregatedSetup,
     "Capabilité du Processus--Données Agrégées ",
     "",
     {},
     kFrameControls},
    {shell::templates::kCapabilityResults,
     "Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
    {shell::templates::kCapabilityAggregatedResults,
     "Analyse de Capabilité du Processus--Distribution Normale et Non-Normale Générale ",
     "",
     {},
     kFrameControls},
};

}  // namespace

std::span<const DialogTemplate> ShellDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
