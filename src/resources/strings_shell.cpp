// Strings of the module shell: the startup list, status texts and shared messages.
#include "resources/areas.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

constexpr StringEntry kShellStrings[] = {
    {shell::kCommandSampling, "Plans d'échantillonnage (moy., proportions, fréq. de Poisson)"},
    {shell::kCommandGage, "Analyse de Répétabilité et de Reproductibilité "},
    {shell::kCommandWeibull, "Analyse de Weibull & analyse de fiabilité/temps d'échec"},
    {shell::kCommandWeibullPaper, "Construire le papier de Weibull"},
    {shell::kCommandRawCapability, "Capabilité du processus & tolérances, données brutes"},
    {shell::kCommandAggregatedCapability, "Capabilité du processus & tolérances, données agrégées"},
    {shell::kCommandCauseEffect, "Diagramme de Causes-et-effets (Ishikawa, arêtes de poisson)"},
    {shell::kAnalysisNameString, "Techniques d'Analyse de Processus"},
    {shell::kStartupCaptionString, "Analyse de processus - Démarrage"},
    {shell::kStringBusy, "Calculs en cours ..."},
    {shell::kStringHelpKey, "Pour l'Aide, touche F1"},
    {shell::kSelectProcedureStatus, "Sélectionnez l'analyse ; pour l'Aide, pressez F1"},
    {shell::kStringOutOfMemory,
     "Mémoire insuffisante pour l'analyse requise. Fermez d'autres applications et essayez à "
     "nouveau."},
    // Texts of this implementation's own, numbered from 30001.
    {shell::kProcedureNotAvailableString,
     "Cette procédure n'est pas encore disponible dans cette version."},
    {shell::kStringReadFailure, "Lecture des données impossible ; aucun résultat n'a été calculé."},
    {shell::kStringTextCodes,
     "Attention : les valeurs de cette variable sont les codes de textes (1, 2, 3, ...), pas des "
     "mesures ; elles sont analysées comme des nombres : "},
    {shell::kStringRequestCancelled,
     "Lecture des données annulée ; aucun résultat n'a été calculé."},
};

}  // namespace

std::span<const StringEntry> ShellStrings() { return kShellStrings; }

}  // namespace kpa::resources
