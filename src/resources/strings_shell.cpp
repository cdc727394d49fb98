// Strings of the module shell: the startup list, status texts and shared messages.
#include "resources/string_table.h"

namespace kpa::resources {
namespace {

constexpr StringEntry kShellStrings[] = {
    {128, "Plans d'échantillonnage (moy., proportions, fréq. de Poisson)"},
    {130, "Analyse de Répétabilité et de Reproductibilité "},
    {292, "Analyse de Weibull & analyse de fiabilité/temps d'échec"},
    {399, "Construire le papier de Weibull"},
    {413, "Capabilité du processus & tolérances, données brutes"},
    {414, "Capabilité du processus & tolérances, données agrégées"},
    {418, "Diagramme de Causes-et-effets (Ishikawa, arêtes de poisson)"},
    {12725, "Techniques d'Analyse de Processus"},
    {12763, "Analyse de processus - Démarrage"},
    {14165, "Calculs en cours ..."},
    {14166, "Pour l'Aide, touche F1"},
    {14197, "Sélectionnez l'analyse ; pour l'Aide, pressez F1"},
    {14399,
     "Mémoire insuffisante pour l'analyse requise. Fermez d'autres applications et essayez à "
     "nouveau."},
    // Texts of this implementation's own, numbered from 30001.
    {30001, "Cette procédure n'est pas encore disponible dans cette version."},
    {30002, "Lecture des données impossible ; aucun résultat n'a été calculé."},
    {32069, "Lecture des données annulée ; aucun résultat n'a été calculé."},
};

}  // namespace

std::span<const StringEntry> ShellStrings() { return kShellStrings; }

}  // namespace kpa::resources
