// The window state of one dialog control: identifier, kind, caption, page, value, items,
// range, enabled and visible flags. The headless dialogs keep nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "resources/dialog_templates.h"

namespace kpa::shell {

using resources::ControlKind;

// Several lists of numbers (variables or codes), as the host's list dialogs return them.
using NumberLists = std::vector<std::vector<double>>;

// No value, a whole number (check boxes, radio buttons, integer fields, the selected row of
// a list or combo box), a real number, a text, or number lists.
using ControlValue = std::variant<std::monostate, std::int64_t, double, std::string, NumberLists>;

struct Control {
  int id = 0;
  ControlKind kind = ControlKind::kStatic;
  std::string caption;
  int page = 0;  // tab page template number; 0 for the dialog frame
  ControlValue value;
  std::vector<std::string> items;  // rows of a list or combo box
  std::optional<double> minimum;   // accepted range of a numeric field
  std::optional<double> maximum;
  bool enabled = true;
  bool visible = true;
  int radio_group = 0;  // radio buttons of one group exclude each other

  std::int64_t IntValue() const;
  double RealValue() const;  // whole numbers widen; no value reads as 0
  // The number the control holds (whole numbers widen); std::nullopt when it holds none.
  std::optional<double> NumberValue() const;
  std::string TextValue() const;
  // The variable numbers of list `index` of a variable-list control; empty when it has none.
  std::vector<int> VariablesAt(std::size_t index) const;
};

const char* ControlKindName(ControlKind kind);

}  // namespace kpa::shell
