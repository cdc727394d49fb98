#include "automation/status.h"

namespace kpa::automation {

std::string StatusText(AutomationStatus status) {
  switch (status) {
    case AutomationStatus::kOk:
      return "ok";
    case AutomationStatus::kMemberNotFound:
      return "no such member";
    case AutomationStatus::kTypeMismatch:
      return "value of the wrong type";
    case AutomationStatus::kBadParameterCount:
      return "wrong number of arguments";
    case AutomationStatus::kOutOfRange:
      return "value out of range";
    case AutomationStatus::kFailure:
      return "the dialog refused the value or action";
    case AutomationStatus::kAccessDenied:
      return "member cannot be used that way";
    case AutomationStatus::kDialogClosed:
      return "the dialog is closed";
    case AutomationStatus::kControlDisabled:
      return "the control is disabled";
  }
  return "unknown status";
}

}  // namespace kpa::automation
