#include "cause_effect/dialogs/diagram_dialog.h"

#include <string>
#include <vector>

#include "cause_effect/dialogs/setting_fields.h"
#include "cause_effect/requests.h"
#include "resources/ids/cause_effect_controls.h"
#include "resources/ids/cause_effect_strings.h"
#include "shell/results/fixed_text.h"
#include "shell/settings/settings_block.h"

namespace kpa::cause_effect {
namespace {

// The angle field takes typing from 30 degrees; OK refuses what is below 40.
constexpr double kAngleTypingMinimum = 30.0;
constexpr double kAngleTypingMaximum = 90.0;

shell::CauseEffectSettings& Settings() { return shell::Settings().cause_effect; }

// A real field shows a double, the others a whole number.
void ShowValue(shell::Control& control, const SettingField& field, double value) {
  if (field.kind == FieldKind::kReal)
    control.value = value;
  else
    control.value = static_cast<std::int64_t>(value);
}

}  // namespace

DiagramDialog::DiagramDialog(shell::CProcess& process, int template_number)
    : CAnalysisModelessDialog(process, template_number) {}

void DiagramDialog::OnInitDialog() {
  shell::Control& angle = GetControl(controls::kAngle);
  angle.minimum = kAngleTypingMinimum;
  angle.maximum = kAngleTypingMaximum;
  ShowSettings();
}

void DiagramDialog::ShowSettings() {
  const shell::CauseEffectSettings& settings = Settings();
  for (const SettingField& field : SettingFields())
    ShowValue(GetControl(field.control), field, field.get(settings));
  shell::NumberLists lists(2);
  for (const int v : settings.above) lists[0].push_back(v);
  for (const int v : settings.below) lists[1].push_back(v);
  GetControl(controls::kVariables).value = lists;
  ShowVariableNames();
}

void DiagramDialog::ShowVariableNames() {
  const shell::Control& list = GetControl(controls::kVariables);
  const auto names = [this](const std::vector<int>& variables) {
    std::string text;
    for (const int v : variables) text += (text.empty() ? "" : " ") + Host().VariableName(v);
    return text;
  };
  GetControl(controls::kAboveNames).value = names(list.VariablesAt(0));
  GetControl(controls::kBelowNames).value = names(list.VariablesAt(1));
}

void DiagramDialog::OnControlChanged(int id) {
  if (id == controls::kVariables) ShowVariableNames();
}

void DiagramDialog::OnCommand(int id, int /*notification*/) {
  switch (id) {
    case controls::kSummary:
    case shell::controls::kOk:
      Draw();
      break;
    case shell::controls::kCancel:
      ExitDialog(shell::Step::kStartup, shell::ExitMode::kBack);
      break;
    case controls::kStoreDefaults:
      StoreDefaults();
      break;
    case controls::kRestoreDefaults:
      RestoreDefaults();
      break;
    case controls::kSystemDefaults:
      SystemDefaults();
      break;
    case shell::controls::kSelectionConditions:
      Host().DefineSelectionCondition();
      break;
    case shell::controls::kCaseWeights:
      Host().DefineWeight();
      break;
    default:
      break;
  }
}

void DiagramDialog::ReadFields() {
  shell::CauseEffectSettings& settings = Settings();
  for (const SettingField& field : SettingFields()) {
    shell::Control& control = GetControl(field.control);
    const std::optional<double> value = control.NumberValue();
    if (value && InRange(field, *value)) {
      field.set(settings, *value);
      continue;
    }
    if (field.message != 0) Message(field.message);
    ShowValue(control, field, field.get(settings));
  }
  const shell::Control& list = GetControl(controls::kVariables);
  settings.above = list.VariablesAt(0);
  settings.below = list.VariablesAt(1);
}

void DiagramDialog::Draw() {
  ReadFields();
  const shell::CauseEffectSettings& settings = Settings();
  // The desktop host opens its two-list variable dialog here; without one, the choice is
  // asked for.
  if (settings.above.empty() && settings.below.empty()) {
    Message(strings::kChooseVariables);
    RecordRequestStatus(shell::RequestStatus::kFailed);
    return;
  }
  shell::Request request = NewRequest();
  RecordRequestStatus(RunCauseEffectRequest(CauseEffectRequest::kDraw, request, settings));
}

void DiagramDialog::StoreDefaults() {
  ReadFields();
  const shell::CauseEffectSettings& settings = Settings();
  for (const SettingField& field : SettingFields())
    Host().PutInitKeyword(std::string(kKeywordSection), std::string(field.key),
                          StoredText(field, field.get(settings)));
}

void DiagramDialog::RestoreDefaults() {
  shell::CauseEffectSettings& settings = Settings();
  const shell::CauseEffectSettings system;
  std::string refused;
  for (const SettingField& field : SettingFields()) {
    const auto text = Host().GetInitKeyword(std::string(kKeywordSection), std::string(field.key));
    const std::optional<double> value = text ? StoredValue(field, *text) : std::nullopt;
    if (value) {
      field.set(settings, *value);
    } else {
      field.set(settings, field.get(system));
      refused += (refused.empty() ? "" : ", ") + std::string(field.key);
    }
  }
  if (!refused.empty())
    Host().ShowMessage(shell::WithPlaceholder(Text(strings::kStoredSettingRefused), refused));
  ShowSettings();
}

void DiagramDialog::SystemDefaults() {
  shell::CauseEffectSettings& settings = Settings();
  const shell::CauseEffectSettings system;
  for (const SettingField& field : SettingFields()) field.set(settings, field.get(system));
  ShowSettings();
}

}  // namespace kpa::cause_effect
