#include "automation/dialog_automation.h"

#include <cmath>
#include <exception>
#include <limits>

#include "shell/dialogs/control.h"
#include "shell/dialogs/list_text.h"
#include "shell/process.h"

namespace kpa::automation {
namespace {

// Dispatch identifiers of the base interface members.
constexpr std::uint32_t kNameId = 0;
constexpr std::uint32_t kApplicationId = 1;
constexpr std::uint32_t kParentId = 2;
constexpr std::uint32_t kOkId = 3;
constexpr std::uint32_t kResultsSaveFileNameId = 10;
constexpr std::uint32_t kLastBaseId = 12;

bool IsBase(const BoundMember& bound) { return bound.dispatch_id <= kLastBaseId; }

// A whole number from a script value: integers, booleans, and reals without a fraction.
std::optional<std::int64_t> WholeNumber(const Variant& value) {
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return *whole;
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
  if (const auto* real = std::get_if<double>(&value)) {
    if (std::isfinite(*real) && *real == std::floor(*real) &&
        std::fabs(*real) < static_cast<double>(std::numeric_limits<std::int32_t>::max()))
      return static_cast<std::int64_t>(*real);
  }
  return std::nullopt;
}

std::optional<double> RealNumber(const Variant& value) {
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
  return std::nullopt;
}

}  // namespace

AutomationStatus GetFieldText(shell::CAnalysisModelessDialog& dialog, int id, Variant& value) {
  const shell::Control* field = dialog.FindControl(id);
  value = field ? field->TextValue() : std::string();
  return AutomationStatus::kOk;
}

AutomationStatus SetFieldText(shell::CAnalysisModelessDialog& dialog, int id,
                              const Variant& value) {
  std::string text;
  if (const auto* given = std::get_if<std::string>(&value))
    text = *given;
  else if (const auto* real = std::get_if<double>(&value))
    text = shell::FormatNumber(*real);
  else if (const auto* whole = std::get_if<std::int64_t>(&value))
    text = std::to_string(*whole);
  else
    return AutomationStatus::kTypeMismatch;
  dialog.SetValue(id, text);
  return AutomationStatus::kOk;
}

DialogAutomation::DialogAutomation(const shell::DialogPtr& dialog)
    : dialog_(dialog),
      interface_(dialog ? InterfaceOfTemplate(dialog->TemplateNumber()) : nullptr) {}

AutomationStatus DialogAutomation::Fail(AutomationStatus status, std::string message) {
  last_error_ = std::move(message);
  return status;
}

AutomationStatus DialogAutomation::Resolve(
    std::string_view member, BoundMember& bound,
    std::shared_ptr<shell::CAnalysisModelessDialog>& dialog) {
  last_error_.clear();
  dialog = dialog_.lock();
  if (!dialog || dialog->IsClosed() || interface_ == nullptr)
    return Fail(AutomationStatus::kDialogClosed,
                "the dialog of " + std::string(interface_ ? interface_->name : "this interface") +
                    " is closed");
  const auto found = FindMember(*interface_, member);
  if (!found)
    return Fail(AutomationStatus::kMemberNotFound,
                std::string(interface_->name) + " has no member " + std::string(member));
  bound = *found;
  return AutomationStatus::kOk;
}

AutomationStatus DialogAutomation::Get(std::string_view member, Variant& value) {
  BoundMember bound{};
  std::shared_ptr<shell::CAnalysisModelessDialog> dialog;
  if (const auto status = Resolve(member, bound, dialog); status != AutomationStatus::kOk)
    return status;
  try {
    return GetBound(*dialog, bound, value);
  } catch (const std::exception& error) {
    return Fail(AutomationStatus::kFailure, error.what());
  }
}

AutomationStatus DialogAutomation::Put(std::string_view member, const Variant& value) {
  BoundMember bound{};
  std::shared_ptr<shell::CAnalysisModelessDialog> dialog;
  if (const auto status = Resolve(member, bound, dialog); status != AutomationStatus::kOk)
    return status;
  try {
    return PutBound(*dialog, bound, value);
  } catch (const std::exception& error) {
    return Fail(AutomationStatus::kFailure, error.what());
  }
}

AutomationStatus DialogAutomation::Call(std::string_view member, std::span<const Variant> arguments,
                                        Variant& result) {
  BoundMember bound{};
  std::shared_ptr<shell::CAnalysisModelessDialog> dialog;
  if (const auto status = Resolve(member, bound, dialog); status != AutomationStatus::kOk)
    return status;
  try {
    return CallBound(*dialog, bound, arguments, result);
  } catch (const std::exception& error) {
    return Fail(AutomationStatus::kFailure, error.what());
  }
}

AutomationStatus DialogAutomation::PressControl(int control_id) {
  last_error_.clear();
  const std::shared_ptr<shell::CAnalysisModelessDialog> dialog = dialog_.lock();
  if (!dialog || dialog->IsClosed())
    return Fail(AutomationStatus::kDialogClosed, "the dialog is closed");
  const shell::Control* control = dialog->FindControl(control_id);
  if (control == nullptr || control->kind != shell::ControlKind::kButton)
    return Fail(AutomationStatus::kMemberNotFound,
                "the dialog has no button " + std::to_string(control_id));
  if (!control->enabled || !control->visible)
    return Fail(
        AutomationStatus::kControlDisabled,
        "button " + std::to_string(control_id) + " is disabled in the current state of the dialog");
  try {
    dialog->Press(control_id);
  } catch (const std::exception& error) {
    return Fail(AutomationStatus::kFailure, error.what());
  }
  return PressOutcome(*dialog, "button " + std::to_string(control_id));
}

AutomationStatus DialogAutomation::SwitchToSibling() {
  last_error_.clear();
  const std::shared_ptr<shell::CAnalysisModelessDialog> dialog = dialog_.lock();
  if (!dialog || dialog->IsClosed())
    return Fail(AutomationStatus::kDialogClosed, "the dialog is closed");
  if (!dialog->SwitchToSibling())
    return Fail(AutomationStatus::kFailure,
                "only the capability setups switch (raw data and aggregated data); the gage "
                "and Weibull specification dialogs switch by their TypeOfAnalysis");
  return AutomationStatus::kOk;
}

// The member's control, which a person could use now: present, enabled and visible.
AutomationStatus DialogAutomation::UsableControl(shell::CAnalysisModelessDialog& dialog,
                                                 const MemberRow& row,
                                                 const shell::Control*& control) {
  control = dialog.FindControl(row.control_id);
  if (control == nullptr)
    return Fail(AutomationStatus::kMemberNotFound,
                "the dialog has no control " + std::to_string(row.control_id));
  if (!control->enabled || !control->visible)
    return Fail(AutomationStatus::kControlDisabled,
                std::string(row.member) +
                    ": the control is disabled in the current state of "
                    "the dialog");
  return AutomationStatus::kOk;
}

AutomationStatus DialogAutomation::GetBound(shell::CAnalysisModelessDialog& dialog,
                                            const BoundMember& bound, Variant& value) {
  const MemberRow& row = *bound.row;
  if (row.access != Access::kRead && row.access != Access::kReadWrite)
    return Fail(AutomationStatus::kAccessDenied,
                std::string(row.member) + " can be written but not read");
  if (IsBase(bound)) {
    switch (bound.dispatch_id) {
      case kNameId:
        value = dialog.DisplayName();
        break;
      case kApplicationId:
        value = std::string("Korvana");
        break;
      case kParentId:
        value = dialog.Process().GetAnalysisName();
        break;
      default:
        break;
    }
    return AutomationStatus::kOk;
  }
  if (row.own_get != nullptr) return row.own_get(dialog, value);
  const shell::Control* control = dialog.FindControl(row.control_id);
  if (control == nullptr)
    return Fail(AutomationStatus::kMemberNotFound,
                "the dialog has no control " + std::to_string(row.control_id));
  switch (row.type) {
    case MemberType::kInteger:
    case MemberType::kEnum:
      value = control->IntValue();
      break;
    case MemberType::kDouble:
      value = control->RealValue();
      break;
    case MemberType::kString:
      value = control->TextValue();
      break;
    case MemberType::kListVariant: {
      const auto* lists = std::get_if<shell::NumberLists>(&control->value);
      value = lists ? shell::FormatListText(*lists, row.list_kind, dialog.Host()) : std::string();
      break;
    }
    default:
      return Fail(AutomationStatus::kAccessDenied, std::string(row.member) + " is an action");
  }
  return AutomationStatus::kOk;
}

AutomationStatus DialogAutomation::PutBound(shell::CAnalysisModelessDialog& dialog,
                                            const BoundMember& bound, const Variant& value) {
  const MemberRow& row = *bound.row;
  if (row.access != Access::kWrite && row.access != Access::kReadWrite)
    return Fail(AutomationStatus::kAccessDenied,
                std::string(row.member) + " can be read but not written");
  if (bound.dispatch_id == kResultsSaveFileNameId) {
    const auto* name = std::get_if<std::string>(&value);
    if (name == nullptr)
      return Fail(AutomationStatus::kTypeMismatch, "ResultsSaveFileName takes a file name");
    dialog.SetResultsSaveFileName(*name);
    return AutomationStatus::kOk;
  }
  if (IsBase(bound))
    return Fail(AutomationStatus::kFailure, std::string(row.member) +
                                                " routes results inside the Korvana desktop; the "
                                                "headless host has no such routing");
  if (row.own_set != nullptr) return row.own_set(dialog, value);
  const shell::Control* control = nullptr;
  if (const auto status = UsableControl(dialog, row, control); status != AutomationStatus::kOk)
    return status;

  const auto mismatch = [&](std::string_view expected) {
    return Fail(AutomationStatus::kTypeMismatch, std::string(row.member) + " takes " +
                                                     std::string(expected) + ", not " +
                                                     VariantToText(value));
  };
  switch (row.type) {
    case MemberType::kInteger: {
      const auto number = WholeNumber(value);
      if (!number) return mismatch("a whole number");
      const bool binary = control->kind == shell::ControlKind::kCheckBox ||
                          control->kind == shell::ControlKind::kRadioButton;
      if ((binary && *number != 0 && *number != 1) ||
          (control->minimum && static_cast<double>(*number) < *control->minimum) ||
          (control->maximum && static_cast<double>(*number) > *control->maximum))
        return Fail(AutomationStatus::kOutOfRange,
                    std::string(row.member) + ": " + std::to_string(*number) + " is out of range");
      dialog.SetValue(row.control_id, *number);
      return AutomationStatus::kOk;
    }
    case MemberType::kDouble: {
      const auto number = RealNumber(value);
      if (!number) return mismatch("a number");
      dialog.SetValue(row.control_id, *number);
      return AutomationStatus::kOk;
    }
    case MemberType::kEnum: {
      // True and False are answers to a yes-or-no question, not values of an enumeration.
      if (std::holds_alternative<bool>(value)) return mismatch(row.enum_name);
      std::optional<std::int64_t> number = WholeNumber(value);
      if (const auto* name = std::get_if<std::string>(&value))
        if (const EnumValue* enumerator = FindEnumerator(*name)) number = enumerator->value;
      const EnumDefinition* enumeration = FindEnumeration(row.enum_name);
      if (!number || enumeration == nullptr) return mismatch(row.enum_name);
      for (const auto& enumerator : enumeration->values)
        if (enumerator.value == *number) {
          dialog.SetValue(row.control_id, *number);
          return AutomationStatus::kOk;
        }
      return Fail(AutomationStatus::kOutOfRange, std::string(row.member) + ": " +
                                                     std::to_string(*number) + " is not a " +
                                                     std::string(row.enum_name) + " value");
    }
    case MemberType::kString: {
      const auto* text = std::get_if<std::string>(&value);
      if (text == nullptr) return mismatch("a text");
      dialog.SetValue(row.control_id, *text);
      return AutomationStatus::kOk;
    }
    case MemberType::kListVariant: {
      std::string text;
      if (const auto* given = std::get_if<std::string>(&value)) {
        text = *given;
      } else if (const auto* array = std::get_if<std::vector<double>>(&value)) {
        for (const double v : *array) text += shell::FormatNumber(v) + " ";
      } else if (const auto number = RealNumber(value)) {
        text = shell::FormatNumber(*number);
      } else {
        return mismatch("a list");
      }
      shell::ParsedList parsed = shell::ParseListText(text, row.list_kind, dialog.Host());
      if (!parsed.error.empty())
        return Fail(AutomationStatus::kTypeMismatch, std::string(row.member) + ": " + parsed.error);
      dialog.SetValue(row.control_id, std::move(parsed.lists));
      return AutomationStatus::kOk;
    }
    default:
      return Fail(AutomationStatus::kAccessDenied, std::string(row.member) + " is an action");
  }
}

AutomationStatus DialogAutomation::CallBound(shell::CAnalysisModelessDialog& dialog,
                                             const BoundMember& bound,
                                             std::span<const Variant> arguments, Variant& result) {
  const MemberRow& row = *bound.row;
  if (row.type != MemberType::kAction && row.type != MemberType::kMethod)
    return Fail(AutomationStatus::kAccessDenied,
                std::string(row.member) + " is a property; read or write it instead");
  if (row.own_action != nullptr) {
    if (arguments.size() > static_cast<std::size_t>(row.optional_parameters))
      return Fail(AutomationStatus::kBadParameterCount,
                  std::string(row.member) + " takes at most " +
                      std::to_string(row.optional_parameters) + " arguments");
    // An own action with a control takes its arguments into the dialog, then presses it.
    const AutomationStatus prepared = row.own_action(dialog, arguments);
    if (prepared != AutomationStatus::kOk || row.control_id == 0) return prepared;
  } else if (!arguments.empty())
    return Fail(AutomationStatus::kBadParameterCount,
                std::string(row.member) + " takes no arguments");
  const shell::Control* control = nullptr;
  if (const auto status = UsableControl(dialog, row, control); status != AutomationStatus::kOk)
    return status;
  dialog.Press(row.control_id);
  if (bound.dispatch_id == kOkId) result = std::int64_t{dialog.IsClosed() ? 1 : 0};
  // An action answers with what it produced: the titles of its outputs, one a line.
  if (dialog.LastRequestStatus() == shell::RequestStatus::kDone && bound.dispatch_id != kOkId &&
      !dialog.LastPressOutputs().empty()) {
    std::string titles;
    for (const std::string& title : dialog.LastPressOutputs())
      titles += (titles.empty() ? "" : "\n") + title;
    result = titles;
  }
  return PressOutcome(dialog, std::string(row.member));
}

AutomationStatus DialogAutomation::PressOutcome(const shell::CAnalysisModelessDialog& dialog,
                                                const std::string& pressed) {
  switch (dialog.LastRequestStatus()) {
    case shell::RequestStatus::kDone:
      return AutomationStatus::kOk;
    case shell::RequestStatus::kFailed:
      return Fail(AutomationStatus::kFailure, "no output was produced");
    case shell::RequestStatus::kNotAvailable:
      return Fail(AutomationStatus::kFailure, pressed + " is not available yet");
  }
  return AutomationStatus::kOk;
}

}  // namespace kpa::automation
