// Dialog templates as data: each template's caption, display name, tab pages and controls
// (identifier, kind, caption, page). Dialog code builds its window state from them.
#pragma once

#include <span>
#include <string_view>

namespace kpa::resources {

enum class ControlKind {
  kButton,        // pressing it sends its command
  kCheckBox,      // 0 or 1
  kRadioButton,   // 0 or 1, one of a group
  kRealEdit,      // a real number field
  kIntEdit,       // a whole number field
  kValueEdit,     // a number or a value label
  kTextEdit,      // free text
  kComboBox,      // one choice among items
  kListBox,       // one choice among rows
  kTabControl,    // the master tab control
  kVariableList,  // variables chosen through the host's variable-list dialog
  kCodeList,      // codes chosen through the host's code-list dialog
  kStatic,        // a label
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view caption;
  int page;  // template number of the tab page holding it; 0 for the dialog frame
};

struct TabTemplate {
  int number;
  std::string_view caption;
};

struct DialogTemplate {
  int number;
  std::string_view caption;
  std::string_view display_name;
  std::span<const TabTemplate> tabs;
  std::span<const ControlTemplate> controls;
};

// The template with this number, or nullptr.
const DialogTemplate* FindDialogTemplate(int number);

}  // namespace kpa::resources
