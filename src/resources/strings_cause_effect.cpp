// Strings of the cause-and-effect procedure (numbers in resources/ids/cause_effect_strings.h).
#include "resources/areas.h"
#include "resources/ids/cause_effect_strings.h"

namespace kpa::resources {
namespace {

namespace strings = cause_effect::strings;

// The messages of the vertical-arrow thickness and of the bone length read as if swapped
// against their fields; they are kept as they stand.
constexpr StringEntry kCauseEffectStrings[] = {
    {strings::kBadCenterThickness,
     "Epaisseur de la droite centrale incorrecte ; valeur précédente rétablie."},
    {strings::kBadBoneThickness, "Longueur des flèches incorrecte ; valeur précédente rétablie."},
    {strings::kBadAngle, "Angle des flèches incorrect ; valeur précédente rétablie."},
    {strings::kBadLength, "Taille de la flèche incorrecte ; valeur précédente rétablie."},
    {strings::kBadTitleFont,
     "Taille de police du titre principal incorrecte ; valeur précédente rétablie."},
    {strings::kBadMajorFont,
     "Taille de police des causes principales (catégories) incorrecte ; valeur précédente "
     "rétablie."},
    {strings::kBadCauseFont,
     "Taille de police des causes incorrecte ; valeur précédente rétablie."},
    {strings::kDefaultTitle, "Diagrammes de Causes-Effets "},
    {strings::kVariablesDialogTitle, "Variables des causes principales ('Arêtes de poisson')"},
    {strings::kAboveListCaption, "Causes au dessus de la droite centrale :"},
    {strings::kBelowListCaption, "Causes sous la droite centrale :"},
    {strings::kTooManyCauses,
     "Seules les %d premières obs. (causes) seront représentées dans le diagramme."},
    {strings::kNoMemory,
     "Mémoire insuffisante pour l'analyse requise. Fermez d'autres applications et essayez à "
     "nouveau."},
    {strings::kGraphNotCreated, "Erreur lors de la création du graphique."},
    {strings::kReadFailed, "Erreur lors de la lecture des données ; tracé impossible."},
    {strings::kChooseVariables,
     "Choisissez les variables des causes principales ('Arêtes de poisson') : au dessus et "
     "sous la droite centrale, 8 au plus."},
    {strings::kStoredSettingRefused,
     "Paramètres par défaut absents ou incorrects (%s) ; valeurs du système rétablies."},
    {strings::kReadingCauses, "Lecture des causes ..."},
};

}  // namespace

std::span<const StringEntry> CauseEffectStrings() { return kCauseEffectStrings; }

}  // namespace kpa::resources
