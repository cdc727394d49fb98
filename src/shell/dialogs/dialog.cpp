#include "shell/dialogs/dialog.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "resources/dialog_templates.h"
#include "shell/process.h"

namespace kpa::shell {

CAnalysisModelessDialog::CAnalysisModelessDialog(CProcess& process, int template_number)
    : process_(process), template_number_(template_number) {}

bool CAnalysisModelessDialog::CreateAnalysisDialog() {
  const resources::DialogTemplate* dialog = resources::FindDialogTemplate(template_number_);
  if (dialog == nullptr) return false;
  caption_ = dialog->caption;
  display_name_ = dialog->display_name.empty() ? std::string(dialog->caption)
                                               : std::string(dialog->display_name);
  for (const auto& tab : dialog->tabs) tabs_.push_back({tab.number, std::string(tab.caption)});
  if (current_tab_ == 0 && !tabs_.empty()) current_tab_ = tabs_.front().number;
  for (const auto& item : dialog->controls) {
    Control control;
    control.id = item.id;
    control.kind = item.kind;
    control.caption = item.caption;
    control.page = item.page;
    controls_.push_back(std::move(control));
  }
  OnInitDialog();
  RunPostedCommands();
  return true;
}

const Control* CAnalysisModelessDialog::FindControl(int id) const {
  for (const auto& control : controls_)
    if (control.id == id) return &control;
  return nullptr;
}

Control* CAnalysisModelessDialog::MutableControl(int id) {
  for (auto& control : controls_)
    if (control.id == id) return &control;
  return nullptr;
}

Control& CAnalysisModelessDialog::GetControl(int id) {
  Control* control = MutableControl(id);
  // A dialog asking for a control its template lacks is a programming error; it is caught
  // here rather than dereferenced, and the statement that reached it fails with the text.
  if (control == nullptr)
    throw std::logic_error("dialog " + std::to_string(template_number_) + " has no control " +
                           std::to_string(id));
  return *control;
}

void CAnalysisModelessDialog::Press(int id, int notification) {
  if (closed_) return;
  const Control* control = FindControl(id);
  // Commands that no control carries (posted commands, host menu commands) still reach the
  // handler; a control that exists must be enabled and visible to be pressed.
  if (control != nullptr && (!control->enabled || !control->visible)) return;
  auto keep_alive = shared_from_this();
  CEnterAnalysisContext enter(process_);
  last_request_status_ = RequestStatus::kDone;
  shown_outputs_.clear();
  OnCommand(id, notification);
  RunPostedCommands();
  process_.SettleExit();
}

bool CAnalysisModelessDialog::SwitchToSibling() {
  if (closed_) return false;
  auto keep_alive = shared_from_this();
  CEnterAnalysisContext enter(process_);
  if (!OnSwitchToSibling()) return false;
  process_.SettleExit();
  return true;
}

void CAnalysisModelessDialog::SetValue(int id, ControlValue value) {
  if (closed_) return;
  Control* control = MutableControl(id);
  if (control == nullptr) return;
  if (control->kind == ControlKind::kRadioButton && std::get_if<std::int64_t>(&value) &&
      std::get<std::int64_t>(value) != 0) {
    for (auto& other : controls_)
      if (other.kind == ControlKind::kRadioButton && other.radio_group == control->radio_group)
        other.value = std::int64_t{0};
  }
  control->value = std::move(value);
  auto keep_alive = shared_from_this();
  CEnterAnalysisContext enter(process_);
  OnControlChanged(id);
  RunPostedCommands();
  process_.SettleExit();
}

void CAnalysisModelessDialog::ExitDialog(Step next, ExitMode mode, int control) {
  process_.ExitDialog(next, mode, control);
}

host::Host& CAnalysisModelessDialog::Host() const { return process_.Host(); }

void CAnalysisModelessDialog::SetStatusText(const std::string& text) {
  status_text_ = text;
  process_.Host().SetStatusText(text);
}

std::string CAnalysisModelessDialog::Text(int string_number) const {
  return Host().ResourceString(string_number);
}

void CAnalysisModelessDialog::Message(int string_number) const {
  Host().ShowMessage(Text(string_number));
}

void CAnalysisModelessDialog::ShowHostStatus(int string_number) const {
  NewRequest().Status(string_number);
}

void CAnalysisModelessDialog::WarnIfTextCoded(int variable) const {
  if (Host().IsTextCoded(variable))
    Host().ShowMessage(Text(kStringTextCodes) + Host().VariableName(variable));
}

void CAnalysisModelessDialog::RunPostedCommands() {
  while (!posted_commands_.empty() && !process_.ExitPending()) {
    const int id = posted_commands_.front();
    posted_commands_.pop_front();
    OnCommand(id, kNotifyClicked);
  }
}

}  // namespace kpa::shell
