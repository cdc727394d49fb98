#include "host/script/session.h"

#include <ostream>

#include "automation/dialog_automation.h"
#include "automation/module.h"
#include "automation/type_library.h"

namespace kpa::script {
namespace {

std::string Where(const std::string& file, Position where) {
  return file + ":" + std::to_string(where.line) + ":" + std::to_string(where.column);
}

// The enumerator name of a value of an enumeration member, for printing.
std::string EnumeratorName(const automation::MemberRow& row, const automation::Variant& value) {
  const auto* number = std::get_if<std::int64_t>(&value);
  const auto* enumeration = automation::FindEnumeration(row.enum_name);
  if (number == nullptr || enumeration == nullptr) return automation::VariantToText(value);
  for (const auto& enumerator : enumeration->values)
    if (enumerator.value == *number) return std::string(enumerator.name);
  return automation::VariantToText(value);
}

// What a failed member access says: its status and the accessor's own error text.
std::string FailureText(const automation::DialogAutomation& automation,
                        automation::AutomationStatus status) {
  std::string message = automation::StatusText(status);
  if (!automation.LastError().empty()) message += ": " + automation.LastError();
  return message;
}

// An enumerator written bare names its enumeration too: it is a value only of members of that
// enumeration (scProTwotailed is 1, but not the ProDistribution value 1).
std::optional<std::string> EnumeratorMismatch(const automation::MemberRow& row,
                                              const Value& value) {
  const auto* name = std::get_if<Name>(&value.content);
  if (name == nullptr) return std::nullopt;
  const automation::EnumDefinition* owner = nullptr;
  for (const auto& enumeration : automation::Enumerations())
    for (const auto& enumerator : enumeration.values)
      if (automation::SameName(enumerator.name, name->text)) owner = &enumeration;
  if (owner == nullptr) return std::nullopt;  // not an enumerator: ToVariant says so
  if (row.type == automation::MemberType::kEnum) {
    if (automation::SameName(owner->name, row.enum_name)) return std::nullopt;
    return std::string(row.member) + " takes a " + std::string(row.enum_name) + " value; " +
           name->text + " is a " + std::string(owner->name) + " value";
  }
  return std::string(row.member) + " takes " + std::string(automation::TypeName(row)) +
         ", not the " + std::string(owner->name) + " value " + name->text;
}

}  // namespace

Session::Session(SessionOptions options)
    : options_(std::move(options)),
      host_(options_.host),
      process_(automation::Zqa6NewAnalysis(host_)) {
  if (options_.trace && options_.host.err != nullptr) {
    std::ostream* err = options_.host.err;
    process_->SetTransitionObserver([err](int from, int to, const std::string& caption) {
      *err << "step " << from << " -> " << to << " (" << (to == 0 ? "fin" : caption) << ")\n";
    });
  }
}

Session::~Session() = default;

void Session::Start() {
  process_->Initialize();
  process_->Start();
}

std::string Session::OpenInterfaceName() const {
  const shell::DialogPtr& dialog = process_->CurrentDialog();
  if (!dialog) return "";
  const auto* definition = automation::InterfaceOfTemplate(dialog->TemplateNumber());
  return definition ? std::string(definition->name) : "";
}

std::string Session::Resolve(const std::string& path) const {
  const std::filesystem::path given(path);
  if (given.is_absolute() || options_.base_folder.empty()) return path;
  return (options_.base_folder / given).lexically_normal().string();
}

Outcome Session::Fail(const Statement& statement, const std::string& file,
                      const std::string& message, Position where) {
  if (options_.host.err != nullptr)
    *options_.host.err << Where(file, where) << ": " << statement.text << ": " << message << '\n';
  return Outcome::kFailed;
}

bool Session::ToVariant(const Value& value, automation::Variant& out, std::string& error) const {
  struct Visitor {
    automation::Variant& out;
    std::string& error;
    bool operator()(Omitted) const { return out = std::monostate{}, true; }
    bool operator()(std::int64_t v) const { return out = v, true; }
    bool operator()(double v) const { return out = v, true; }
    bool operator()(const std::string& v) const { return out = v, true; }
    bool operator()(bool v) const { return out = v, true; }
    bool operator()(const std::vector<double>& v) const { return out = v, true; }
    bool operator()(const Name& name) const {
      if (const auto* enumerator = automation::FindEnumerator(name.text)) {
        out = std::int64_t{enumerator->value};
        return true;
      }
      error = "'" + name.text + "' is not an enumerator, True or False (texts take quotes)";
      return false;
    }
  };
  return std::visit(Visitor{out, error}, value.content);
}

Outcome Session::PressControl(automation::DialogAutomation& automation, const Statement& statement,
                              const std::string& file) {
  const auto* id = statement.arguments.size() == 1
                       ? std::get_if<std::int64_t>(&statement.arguments.front().content)
                       : nullptr;
  if (id == nullptr)
    return Fail(statement, file, "Press takes the number of one button, e.g. Dialog.Press(460)",
                statement.member_where);
  const auto status = automation.PressControl(static_cast<int>(*id));
  if (status == automation::AutomationStatus::kOk) return Outcome::kOk;
  return Fail(statement, file, FailureText(automation, status), statement.member_where);
}

Outcome Session::SwitchDialog(automation::DialogAutomation& automation, const Statement& statement,
                              const std::string& file) {
  if (!statement.arguments.empty())
    return Fail(statement, file, "Switch takes no argument: Dialog.Switch()",
                statement.member_where);
  const auto status = automation.SwitchToSibling();
  if (status == automation::AutomationStatus::kOk) return Outcome::kOk;
  return Fail(statement, file, FailureText(automation, status), statement.member_where);
}

Outcome Session::Execute(const Statement& statement, const std::string& file) {
  host_.BeginRequest();
  std::ostream* out = options_.host.out;
  if (statement.kind == StatementKind::kPrintText) {
    if (out != nullptr) *out << std::get<std::string>(statement.arguments.front().content) << '\n';
    return Outcome::kOk;
  }
  if (statement.object == "Host" || statement.object == "host") return ExecuteHost(statement, file);

  const shell::DialogPtr& dialog = process_->CurrentDialog();
  const std::string open = OpenInterfaceName();
  if (!dialog)
    return Fail(
        statement, file,
        process_->Ended() ? "no dialog is open: the analysis has ended" : "no dialog is open",
        statement.where);
  const bool any_dialog = statement.object == "Dialog" || statement.object == "dialog";
  if (!any_dialog) {
    const auto* wanted = automation::FindInterface(statement.object);
    if (wanted == nullptr)
      return Fail(statement, file, "there is no interface named " + statement.object,
                  statement.where);
    if (std::string(wanted->name) != open)
      return Fail(statement, file,
                  std::string(wanted->name) + " is not the open dialog; the open dialog is " +
                      open + " (" + dialog->Caption() + ")",
                  statement.where);
  }

  automation::DialogAutomation automation(dialog);
  const auto member = automation::FindMember(*automation.Interface(), statement.member);
  if (!member && statement.kind == StatementKind::kCall && SameWord(statement.member, "Press"))
    return PressControl(automation, statement, file);
  if (!member && statement.kind == StatementKind::kCall && SameWord(statement.member, "Switch"))
    return SwitchDialog(automation, statement, file);
  if (!member) {
    const std::string nearest =
        automation::NearestMemberName(*automation.Interface(), statement.member);
    return Fail(statement, file,
                open + " has no member " + statement.member +
                    (nearest.empty() ? "" : "; did you mean " + nearest + "?"),
                statement.member_where);
  }

  if (statement.kind == StatementKind::kAssign)
    if (const auto problem = EnumeratorMismatch(*member->row, statement.arguments.front()))
      return Fail(statement, file, *problem, statement.arguments.front().where);
  std::vector<automation::Variant> arguments;
  for (const auto& argument : statement.arguments) {
    automation::Variant converted;
    std::string error;
    if (!ToVariant(argument, converted, error)) return Fail(statement, file, error, argument.where);
    arguments.push_back(std::move(converted));
  }

  automation::AutomationStatus status = automation::AutomationStatus::kOk;
  automation::Variant result;
  switch (statement.kind) {
    case StatementKind::kAssign:
      status = automation.Put(statement.member, arguments.front());
      break;
    case StatementKind::kPrint: {
      // Printing an action presses it and prints what it produced (its outputs' titles).
      const auto type = member->row->type;
      if (type == automation::MemberType::kAction || type == automation::MemberType::kMethod) {
        status = automation.Call(statement.member, arguments, result);
        if (status == automation::AutomationStatus::kOk && out != nullptr)
          if (const auto* titles = std::get_if<std::string>(&result)) *out << *titles << '\n';
        break;
      }
      status = automation.Get(statement.member, result);
      if (status == automation::AutomationStatus::kOk && out != nullptr) {
        *out << (member->row->type == automation::MemberType::kEnum
                     ? EnumeratorName(*member->row, result)
                     : automation::VariantToText(result))
             << '\n';
      }
      break;
    }
    case StatementKind::kCall: {
      const auto type = member->row->type;
      if (type != automation::MemberType::kAction && type != automation::MemberType::kMethod)
        return Fail(statement, file,
                    statement.member + " is a property: write it with '=' or read it with Print",
                    statement.member_where);
      status = automation.Call(statement.member, arguments, result);
      if (status == automation::AutomationStatus::kOk && member->row->member == "OK" &&
          std::get_if<std::int64_t>(&result) && std::get<std::int64_t>(result) == 0) {
        const auto& messages = host_.Messages();
        return Fail(statement, file,
                    "OK was refused; the dialog stays open" +
                        (messages.empty() ? std::string() : " (" + messages.back() + ")"),
                    statement.member_where);
      }
      break;
    }
    case StatementKind::kPrintText:
      break;
  }
  if (status != automation::AutomationStatus::kOk)
    return Fail(statement, file, FailureText(automation, status), statement.member_where);
  return Outcome::kOk;
}

}  // namespace kpa::script
