#include "shell/dialogs/control.h"

namespace kpa::shell {

std::int64_t Control::IntValue() const {
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return *whole;
  if (const auto* real = std::get_if<double>(&value)) return static_cast<std::int64_t>(*real);
  return 0;
}

double Control::RealValue() const {
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
  return 0.0;
}

std::optional<double> Control::NumberValue() const {
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
  return std::nullopt;
}

std::vector<int> Control::VariablesAt(std::size_t index) const {
  std::vector<int> variables;
  const auto* lists = std::get_if<NumberLists>(&value);
  if (lists == nullptr || lists->size() <= index) return variables;
  for (const double v : (*lists)[index]) variables.push_back(static_cast<int>(v));
  return variables;
}

std::string Control::TextValue() const {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  return {};
}

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return "button";
    case ControlKind::kCheckBox:
      return "check box";
    case ControlKind::kRadioButton:
      return "radio button";
    case ControlKind::kRealEdit:
      return "real field";
    case ControlKind::kIntEdit:
      return "integer field";
    case ControlKind::kValueEdit:
      return "value field";
    case ControlKind::kTextEdit:
      return "text field";
    case ControlKind::kComboBox:
      return "combo box";
    case ControlKind::kListBox:
      return "list box";
    case ControlKind::kTabControl:
      return "tab control";
    case ControlKind::kVariableList:
      return "variable list";
    case ControlKind::kCodeList:
      return "code list";
    case ControlKind::kStatic:
      return "label";
  }
  return "control";
}

}  // namespace kpa::shell
