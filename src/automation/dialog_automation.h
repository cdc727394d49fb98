// The automation object of one open dialog: reads and writes its interface's members and
// calls its actions through the same dialog code a person uses. Every call returns a status;
// no exception leaves it. A failure leaves its explanation in `LastError`.
#pragma once

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "automation/status.h"
#include "automation/type_library.h"
#include "automation/variant.h"
#include "shell/dialogs/dialog.h"

namespace kpa::automation {

// Raised by an accessor of a dialog's own to refuse a value with the module's message; the
// generic accessor turns it into a failure status and keeps the message as error text.
class AutomationException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Own accessors of a value field (a number or a value label): read as its text; written as a
// text, or as a number turned into the text that reads back exactly.
AutomationStatus GetFieldText(shell::CAnalysisModelessDialog& dialog, int id, Variant& value);
AutomationStatus SetFieldText(shell::CAnalysisModelessDialog& dialog, int id, const Variant& value);

class DialogAutomation {
 public:
  // The automation object of a dialog; its interface is the one of the dialog's template.
  explicit DialogAutomation(const shell::DialogPtr& dialog);

  const InterfaceDefinition* Interface() const { return interface_; }
  AutomationStatus Get(std::string_view member, Variant& value);
  AutomationStatus Put(std::string_view member, const Variant& value);
  // Calls a method or an action; `result` receives a method's return value.
  AutomationStatus Call(std::string_view member, std::span<const Variant> arguments,
                        Variant& result);
  // Presses the button `control_id` of the dialog as a person would, for the buttons that
  // no member names (the cause-and-effect defaults, say): kpa's own extension, written
  // `Dialog.Press(460)` in scripts.
  AutomationStatus PressControl(int control_id);
  // Replaces the dialog by its sibling (the raw-data and the aggregated-data capability
  // setups), keeping what was entered: kpa's own extension, written `Dialog.Switch()`.
  AutomationStatus SwitchToSibling();
  const std::string& LastError() const { return last_error_; }

 private:
  AutomationStatus Fail(AutomationStatus status, std::string message);
  AutomationStatus Resolve(std::string_view member, BoundMember& bound,
                           std::shared_ptr<shell::CAnalysisModelessDialog>& dialog);
  AutomationStatus UsableControl(shell::CAnalysisModelessDialog& dialog, const MemberRow& row,
                                 const shell::Control*& control);
  AutomationStatus GetBound(shell::CAnalysisModelessDialog& dialog, const BoundMember& bound,
                            Variant& value);
  AutomationStatus PutBound(shell::CAnalysisModelessDialog& dialog, const BoundMember& bound,
                            const Variant& value);
  AutomationStatus CallBound(shell::CAnalysisModelessDialog& dialog, const BoundMember& bound,
                             std::span<const Variant> arguments, Variant& result);
  // How the request of a press ended, as a status; `pressed` names the button in errors.
  AutomationStatus PressOutcome(const shell::CAnalysisModelessDialog& dialog,
                                const std::string& pressed);

  std::weak_ptr<shell::CAnalysisModelessDialog> dialog_;
  const InterfaceDefinition* interface_;
  std::string last_error_;
};

}  // namespace kpa::automation
