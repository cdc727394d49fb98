// The nine settings of the cause-and-effect dialog as fields: the control showing each, the
// key it is stored under in the keyword store, its valid range and the message that refuses
// a value outside it, in the order the dialog checks them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/settings/cause_effect_settings.h"

namespace kpa::cause_effect {

enum class FieldKind { kReal, kInteger, kSwitch };

struct SettingField {
  int control;
  std::string_view key;  // under the keyword store's section kKeywordSection
  FieldKind kind;
  double minimum;  // valid range; a switch is 0 or 1
  double maximum;
  int message;  // the refusal of a value outside the range; 0 for a switch
  double (*get)(const shell::CauseEffectSettings&);
  void (*set)(shell::CauseEffectSettings&, double);
};

inline constexpr std::string_view kKeywordSection = "Ishikawa";

std::span<const SettingField> SettingFields();

bool InRange(const SettingField& field, double value);

// The text a value is stored as ("0.75", "70", "1"), and the value a stored text gives back
// when it is a number of the field's kind within its range.
std::string StoredText(const SettingField& field, double value);
std::optional<double> StoredValue(const SettingField& field, std::string_view text);

}  // namespace kpa::cause_effect
