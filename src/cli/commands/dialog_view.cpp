#include "cli/commands/dialog_view.h"

#include <algorithm>
#include <sstream>
#include <string_view>

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

// A caption as a person reads it on screen: without the host's style prefix (a resource
// icon "!246", or a lower-case letter or '`' in front of the text proper) and with the
// accelerator marks taken out ("&&" is a shown '&').
std::string ReadableCaption(std::string_view caption) {
  if (caption.size() >= 4 && caption[0] == '!' &&
      std::all_of(caption.begin() + 1, caption.begin() + 4,
                  [](char c) { return c >= '0' && c <= '9'; }))
    caption.remove_prefix(4);
  else if (caption.size() >= 2 && ((caption[0] >= 'a' && caption[0] <= 'z') || caption[0] == '`') &&
           (caption[1] == '&' || (caption[1] >= 'A' && caption[1] <= 'Z')))
    caption.remove_prefix(1);
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
      text += '&';
      ++i;
    } else if (caption[i] != '&') {
      text += caption[i];
    }
  }
  return text;
}

void DescribeControl(const shell::Control& control, const std::string& interface_name,
                     const host::Host& host, std::ostringstream& text) {
  text << "   " << control.id << "  " << shell::ControlKindName(control.kind);
  if (!control.caption.empty()) text << "  \"" << ReadableCaption(control.caption) << "\"";
  const std::string value = ValueText(control, host);
  if (!value.empty()) text << "  = " << value;
  if (!control.enabled) text << "  (disabled)";
  if (!control.visible) text << "  (hidden)";
  text << MembersOf(control.id, interface_name) << '\n';
  if (control.kind == shell::ControlKind::kListBox || control.kind == shell::ControlKind::kComboBox)
    for (std::size_t i = 0; i < control.items.size(); ++i)
      text << "        " << i << ": " << control.items[i] << '\n';
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
  // The dialog's frame first, then each tab with its controls, as a person pages through.
  for (const auto& control : dialog.Controls())
    if (control.page == 0) DescribeControl(control, interface_name, host, text);
  for (const auto& tab : dialog.Tabs()) {
    text << "   -- tab " << tab.caption << " (" << tab.number << ")\n";
    for (const auto& control : dialog.Controls())
      if (control.page == tab.number) DescribeControl(control, interface_name, host, text);
  }
  if (!dialog.StatusText().empty()) text << "   status: " << dialog.StatusText() << '\n';
  return text.str();
}

}  // namespace kpa::cli
