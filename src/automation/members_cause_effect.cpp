// Members of the cause-and-effect interface. Variables is written through an accessor of
// its own so that more than 8 variables (above and below together) are refused, as the
// desktop host's two-list dialog refuses them.
#include <string>

#include "automation/dialog_automation.h"
#include "automation/interface_members.h"
#include "resources/ids/cause_effect_controls.h"
#include "shell/dialogs/list_text.h"
#include "shell/settings/cause_effect_settings.h"

namespace kpa::automation {
namespace {

namespace ids = cause_effect::controls;

AutomationStatus SetVariables(shell::CAnalysisModelessDialog& dialog, const Variant& value) {
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr) return AutomationStatus::kTypeMismatch;
  shell::ParsedList parsed =
      shell::ParseListText(*text, shell::ListKind::kVariables, dialog.Host());
  if (!parsed.error.empty()) throw AutomationException("Variables: " + parsed.error);
  if (parsed.lists.size() > 2)
    throw AutomationException(
        "Variables: two lists at most, those above and those below the centre arrow "
        "(\"a b | c\")");
  std::size_t count = 0;
  for (const auto& list : parsed.lists) count += list.size();
  if (count > shell::kMaxBones)
    throw AutomationException(
        "Variables: " + std::to_string(count) + " variables given; a diagram has at most " +
        std::to_string(shell::kMaxBones) + " bones above and below the centre arrow together");
  dialog.SetValue(ids::kVariables, std::move(parsed.lists));
  return AutomationStatus::kOk;
}

AutomationStatus GetVariables(shell::CAnalysisModelessDialog& dialog, Variant& value) {
  const shell::Control* list = dialog.FindControl(ids::kVariables);
  const auto* lists = list ? std::get_if<shell::NumberLists>(&list->value) : nullptr;
  value = lists ? shell::FormatListText(*lists, shell::ListKind::kVariables, dialog.Host())
                : std::string();
  return AutomationStatus::kOk;
}

constexpr MemberRow kCauseEffectMembers[] = {
    {"Variables",
     MemberType::kListVariant,
     Access::kReadWrite,
     ids::kVariables,
     "Variables; causes to be displayed above and below center arrow",
     {},
     shell::ListKind::kVariables,
     &GetVariables,
     &SetVariables,
     nullptr,
     0,
     "\"above | below\": the variables drawn above the centre arrow, then those below it, 8 "
     "in all at most"},
    {"DisplayLongVariableNames", MemberType::kInteger, Access::kReadWrite, ids::kLongVariableNames,
     "Display long variable names to label major causes (categories)"},
    {"DisplayLongValueLabels", MemberType::kInteger, Access::kReadWrite, ids::kLongValueLabels,
     "Display long value labels to label causes"},
    {"ThicknessOfCenterArrow", MemberType::kDouble, Access::kReadWrite, ids::kCenterThickness,
     "Thickness of center arrow, in points"},
    {"ThicknessOfVerticalArrows", MemberType::kDouble, Access::kReadWrite, ids::kBoneThickness,
     "Thickness of arrows, in points"},
    {"AngleOfAttachment", MemberType::kInteger, Access::kReadWrite, ids::kAngle,
     "Angle of attachment of vertical arrows"},
    {"LengthOfArrows", MemberType::kInteger, Access::kReadWrite, ids::kLength,
     "Length of arrows for causes, in percent"},
    {"FontSizeForMainTitle", MemberType::kInteger, Access::kReadWrite, ids::kTitleFont,
     "Size of font for main title"},
    {"FontSizeForMajorCauses", MemberType::kInteger, Access::kReadWrite, ids::kMajorFont,
     "Size of font for labeling major causes (categories)"},
    {"FontSizeForCauses", MemberType::kInteger, Access::kReadWrite, ids::kCauseFont,
     "Size of font for causes"},
    {"Summary", MemberType::kAction, Access::kCall, ids::kSummary,
     "Summary; display cause-and-effect (Ishikawa, fishbone) diagram"},
};

}  // namespace

std::span<const MemberRow> CauseEffectMembers() { return kCauseEffectMembers; }

}  // namespace kpa::automation
