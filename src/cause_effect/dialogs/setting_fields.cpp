#include "cause_effect/dialogs/setting_fields.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "resources/ids/cause_effect_controls.h"
#include "resources/ids/cause_effect_strings.h"
#include "shell/dialogs/list_text.h"

namespace kpa::cause_effect {
namespace {

using S = shell::CauseEffectSettings;
using K = FieldKind;

constexpr SettingField kFields[] = {
    {controls::kCenterThickness, "SizeOfCenterArrow", K::kReal, 0.1, 5.0,
     strings::kBadCenterThickness, [](const S& s) { return s.center_thickness; },
     [](S& s, double v) { s.center_thickness = v; }},
    {controls::kBoneThickness, "SizeOfArrows", K::kReal, 0.1, 5.0, strings::kBadBoneThickness,
     [](const S& s) { return s.bone_thickness; }, [](S& s, double v) { s.bone_thickness = v; }},
    {controls::kAngle, "AngleOfArrows", K::kInteger, 40, 90, strings::kBadAngle,
     [](const S& s) { return static_cast<double>(s.angle); },
     [](S& s, double v) { s.angle = static_cast<int>(v); }},
    {controls::kLength, "LengthOfArrows", K::kInteger, 10, 100, strings::kBadLength,
     [](const S& s) { return static_cast<double>(s.length); },
     [](S& s, double v) { s.length = static_cast<int>(v); }},
    {controls::kTitleFont, "SizeOfMainTitle", K::kInteger, 2, 30, strings::kBadTitleFont,
     [](const S& s) { return static_cast<double>(s.title_font); },
     [](S& s, double v) { s.title_font = static_cast<int>(v); }},
    {controls::kMajorFont, "SizeOfMajorCauses", K::kInteger, 2, 30, strings::kBadMajorFont,
     [](const S& s) { return static_cast<double>(s.major_font); },
     [](S& s, double v) { s.major_font = static_cast<int>(v); }},
    {controls::kCauseFont, "SizeOfMinorCauses", K::kInteger, 2, 30, strings::kBadCauseFont,
     [](const S& s) { return static_cast<double>(s.cause_font); },
     [](S& s, double v) { s.cause_font = static_cast<int>(v); }},
    {controls::kLongVariableNames, "UseLongVariableLabels", K::kSwitch, 0, 1, 0,
     [](const S& s) { return s.long_variable_names ? 1.0 : 0.0; },
     [](S& s, double v) { s.long_variable_names = v != 0.0; }},
    {controls::kLongValueLabels, "UseLongValueLabels", K::kSwitch, 0, 1, 0,
     [](const S& s) { return s.long_value_labels ? 1.0 : 0.0; },
     [](S& s, double v) { s.long_value_labels = v != 0.0; }},
};

}  // namespace

std::span<const SettingField> SettingFields() { return kFields; }

bool InRange(const SettingField& field, double value) {
  if (!(value >= field.minimum && value <= field.maximum)) return false;
  return field.kind == FieldKind::kReal || value == std::floor(value);
}

std::string StoredText(const SettingField& field, double value) {
  if (field.kind == FieldKind::kReal) return shell::FormatNumber(value);
  return std::to_string(static_cast<long long>(value));
}

std::optional<double> StoredValue(const SettingField& field, std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || !InRange(field, value))
    return std::nullopt;
  return value;
}

}  // namespace kpa::cause_effect
