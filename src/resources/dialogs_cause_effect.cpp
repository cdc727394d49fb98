// Dialog template of the cause-and-effect procedure (3200): the variables above and below
// the centre arrow and the label switches on "Base", the arrows on "Flèches", the font sizes
// on "Taille de police".
#include "resources/areas.h"
#include "resources/ids/cause_effect_controls.h"
#include "resources/ids/shell_ids.h"

namespace kpa::resources {
namespace {

namespace controls = cause_effect::controls;
namespace pages = cause_effect::pages;

using K = ControlKind;

constexpr TabTemplate kTabs[] = {
    {pages::kBase, "Base"}, {pages::kArrows, "Flèches"}, {pages::kFonts, "Taille de police"}};
constexpr ControlTemplate kControls[] = {
    {controls::kSummary, K::kButton, "!872&OK", 0},
    {shell::controls::kCancel, K::kButton, "Annuler", 0},
    {shell::controls::kOptions, K::kButton, "Options", 0},
    {shell::controls::kSelectionConditions, K::kButton, "!246&s", 0},
    {shell::controls::kCaseWeights, K::kButton, "!247&p", 0},
    {shell::controls::kTabControl, K::kTabControl, "", 0},
    {controls::kStoreDefaults, K::kButton, "&Définir par défaut", 0},
    {controls::kRestoreDefaults, K::kButton, "&Rétablir", 0},
    {controls::kSystemDefaults, K::kButton, "Param. par défaut du système ", 0},
    {controls::kVariables, K::kVariableList, "h&Variables :", pages::kBase},
    {controls::kAboveCaption, K::kStatic,
     "Afficher au dessus de la flèche centrale :", pages::kBase},
    {controls::kAboveNames, K::kStatic, "", pages::kBase},
    {controls::kBelowCaption, K::kStatic,
     "Afficher en dessous de la flèche centrale :", pages::kBase},
    {controls::kBelowNames, K::kStatic, "", pages::kBase},
    {controls::kLongVariableNames, K::kCheckBox, "&Afficher la description détaillée des variables",
     pages::kBase},
    {controls::kLongValueLabels, K::kCheckBox, "A&fficher les étiquettes d'observations",
     pages::kBase},
    {controls::kCenterThicknessLabel, K::kStatic,
     "&Epaisseur de la flèche centrale (points) :", pages::kArrows},
    {controls::kCenterThickness, K::kRealEdit, "", pages::kArrows},
    {controls::kBoneThicknessLabel, K::kStatic,
     "E&paisseur des flèches (points) :", pages::kArrows},
    {controls::kBoneThickness, K::kRealEdit, "", pages::kArrows},
    {controls::kAngleLabel, K::kStatic, "&Angle des flèches (degrés) :", pages::kArrows},
    {controls::kAngle, K::kIntEdit, "", pages::kArrows},
    {controls::kLengthLabel, K::kStatic, "&Longueur des flèches (%) :", pages::kArrows},
    {controls::kLength, K::kIntEdit, "", pages::kArrows},
    {controls::kTitleFontLabel, K::kStatic, "Titre &principal :", pages::kFonts},
    {controls::kTitleFont, K::kIntEdit, "", pages::kFonts},
    {controls::kMajorFontLabel, K::kStatic, "Causes principales (&catégories) :", pages::kFonts},
    {controls::kMajorFont, K::kIntEdit, "", pages::kFonts},
    {controls::kCauseFontLabel, K::kStatic, "C&auses :", pages::kFonts},
    {controls::kCauseFont, K::kIntEdit, "", pages::kFonts},
};

constexpr DialogTemplate kTemplates[] = {
    {shell::templates::kCauseEffect, "Diagrammes de Causes-et-Effets (Ishikawa) ", "", kTabs,
     kControls},
};

}  // namespace

std::span<const DialogTemplate> CauseEffectDialogTemplates() { return kTemplates; }

}  // namespace kpa::resources
