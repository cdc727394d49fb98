#include "cli/commands/dialog_view.h"

#include <sstream>

#include "automation/type_library.h"
#include "shell/dialogs/list_text.h"

namespace kpa::cli {
namespace {

std::string ValueText(const shell::Control& control, const host::Host& host) {
  struct Visitor {
    const shell::Control& control;
    const host::Host& host;
    std::string operator()(std::monostate) const { return ""; }
    std::string operator()(std::int64_t v) const {
      std::string text = std::to_string(v);
      if ((control.kind == shell::ControlKind::kListBox ||
           control.kind == shell::ControlKind::kComboBox) &&
          v >= 0 && static_cast<std::size_t>(v) < control.items.size())
        text += " \"" + control.items[static_cast<std::size_t>(v)] + "\"";
      return text;
    }
    std::string operator()(double v) const { return shell::FormatNumber(v); }
    std::string operator()(const std::string& v) const { return "\"" + v + "\""; }
    std::string operator()(const shell::NumberLists& lists) const {
      const auto kind = control.kind == shell::ControlKind::kCodeList ? shell::ListKind::kCodes
                                                                      : shell::ListKind::kVariables;
      return "\"" + shell::FormatListText(lists, kind, host) + "\"";
    }
  };
  return std::visit(Visitor{control, host}, control.value);
}

// The members of the dialog's interface bound to a control, as a script names them, then
// the note of each member that has one, on lines of their own.
std::string MembersOf(int control_id, const std::string& interface_name) {
  const auto* definition = automation::FindInterface(interface_name);
  if (definition == nullptr) return "";
  std::string names;
  std::string notes;
  for (const auto& bound : automation::MembersOf(*definition))
    if (bound.row->control_id == control_id) {
      names += names.empty() ? "  [" : ", ";
      names += bound.row->member;
      if (!bound.row->note.empty()) notes += "\n        note: " + std::string(bound.row->note);
    }
  return names.empty() ? names : names + "]" + notes;
}

}  // namespace

std::string DescribeDialog(const shell::CAnalysisModelessDialog& dialog,
                           const std::string& interface_name, const host::Host& host) {
  std::ostringstream text;
  text << "== " << dialog.Caption() << " [" << interface_name << ", template "
       << dialog.TemplateNumber() << "]\n";
  if (!dialog.Tabs().empty()) {
    text << "   tabs:";
    for (const auto& tab : dialog.Tabs())
      text << (tab.number == dialog.CurrentTab() ? " *" : " ") << tab.caption << " (" << tab.number
           << ")";
    text << '\n';
  }
  for (const auto& control : dialog.Controls()) {
    text << "   " << control.id << "  " << shell::ControlKindName(control.kind);
    if (!control.caption.empty()) text << "  \"" << control.caption << "\"";
    const std::string value = ValueText(control, host);
    if (!value.empty()) text << "  = " << value;
    if (!control.enabled) text << "  (disabled)";
    if (!control.visible) text << "  (hidden)";
    text << MembersOf(control.id, interface_name) << '\n';
    if (control.kind == shell::ControlKind::kListBox ||
        control.kind == shell::ControlKind::kComboBox)
      for (std::size_t i = 0; i < control.items.size(); ++i)
        text << "        " << i << ": " << control.items[i] << '\n';
  }
  if (!dialog.StatusText().empty()) text << "   status: " << dialog.StatusText() << '\n';
  return text.str();
}

}  // namespace kpa::cli
