// The headless dialog framework standing for the host's modeless analysis dialog. A dialog
// holds its controls (built from its template), reacts to initialisation, commands and
// value changes in its handlers, and ends itself with `ExitDialog`, naming the next step.
// A person and a script act on it the same way: `Press` a button, `SetValue` of a control.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/api/host.h"
#include "shell/dialogs/control.h"
#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/steps.h"

namespace kpa::shell {

class CProcess;

struct TabPage {
  int number = 0;
  std::string caption;
};

// Notification codes that come with a command.
inline constexpr int kNotifyClicked = 0;
inline constexpr int kNotifyDoubleClick = 2;

class CAnalysisModelessDialog : public std::enable_shared_from_this<CAnalysisModelessDialog> {
 public:
  CAnalysisModelessDialog(CProcess& process, int template_number);
  virtual ~CAnalysisModelessDialog() = default;
  CAnalysisModelessDialog(const CAnalysisModelessDialog&) = delete;
  CAnalysisModelessDialog& operator=(const CAnalysisModelessDialog&) = delete;

  // Builds the window state from the template and runs the initialisation handler and any
  // command it posted. False when the template does not exist.
  bool CreateAnalysisDialog();

  int TemplateNumber() const { return template_number_; }
  const std::string& Caption() const { return caption_; }
  const std::string& DisplayName() const { return display_name_; }
  const std::vector<TabPage>& Tabs() const { return tabs_; }
  int CurrentTab() const { return current_tab_; }
  void SetFirstTab(int tab_number) { current_tab_ = tab_number; }
  int FocusControl() const { return focus_control_; }
  void SetFocusControl(int id) { focus_control_ = id; }
  const std::vector<Control>& Controls() const { return controls_; }
  const Control* FindControl(int id) const;
  bool IsClosed() const { return closed_; }
  void MarkClosed() { closed_ = true; }

  // A user's actions. Each runs the dialog's handler, then lets the chain move on if the
  // dialog ended itself. Pressing a disabled or missing control does nothing.
  void Press(int id, int notification = kNotifyClicked);
  // Sets a control's value as typing or clicking would, then runs the change handler.
  void SetValue(int id, ControlValue value);
  void PostCommand(int id) { posted_commands_.push_back(id); }
  // Replaces the dialog by its sibling, the other input form of the same procedure (the
  // raw-data and the aggregated-data capability setups), keeping what was entered. False
  // when the dialog has no such sibling.
  bool SwitchToSibling();

  // A file name given beforehand for the next save this dialog makes (a script's
  // ResultsSaveFileName); taking it clears it.
  void SetResultsSaveFileName(std::string name) { results_save_name_ = std::move(name); }
  std::optional<std::string> TakeResultsSaveFileName() {
    return std::exchange(results_save_name_, std::nullopt);
  }

  // Text shown in the dialog's status area (the last line written there).
  const std::string& StatusText() const { return status_text_; }

  CProcess& Process() const { return process_; }
  host::Host& Host() const;

  // The door for one button press: a request through which the computation it starts
  // reaches the host (shell/request/request.h).
  Request NewRequest() const { return Request(Host(), shown_outputs_); }
  // How the request the last press started ended (kDone when it started none): kept for
  // whoever pressed the button. A field check that refuses the press counts as kFailed.
  RequestStatus LastRequestStatus() const { return last_request_status_; }
  // The outputs the last press showed, by their first title line, in order.
  const std::vector<std::string>& LastPressOutputs() const { return shown_outputs_; }

 protected:
  virtual void OnInitDialog() {}
  virtual void OnCommand(int /*id*/, int /*notification*/) {}
  virtual void OnControlChanged(int /*id*/) {}
  virtual bool OnSwitchToSibling() { return false; }

  void ExitDialog(Step next, ExitMode mode, int control = 0);
  Control& GetControl(int id);  // the control must exist in the template
  Control* MutableControl(int id);
  void SetStatusText(const std::string& text);
  // The dialog's own texts and the messages of its field checks, through its host.
  std::string Text(int string_number) const;
  void Message(int string_number) const;
  // Resource string `string_number`, cut to 80 characters, in the host's status line.
  void ShowHostStatus(int string_number) const;
  // Warns when the data file made the variable's values from texts: codes, not measurements,
  // about to be analysed as measurements.
  void WarnIfTextCoded(int variable) const;
  void RecordRequestStatus(RequestStatus status) { last_request_status_ = status; }

 private:
  void RunPostedCommands();

  CProcess& process_;
  int template_number_;
  std::string caption_;
  std::string display_name_;
  std::vector<TabPage> tabs_;
  int current_tab_ = 0;
  int focus_control_ = 0;
  std::vector<Control> controls_;
  std::deque<int> posted_commands_;
  std::string status_text_;
  bool closed_ = false;
  RequestStatus last_request_status_ = RequestStatus::kDone;
  std::optional<std::string> results_save_name_;
  mutable std::vector<std::string> shown_outputs_;  // filled by the requests of a press
};

using DialogPtr = std::shared_ptr<CAnalysisModelessDialog>;

}  // namespace kpa::shell
