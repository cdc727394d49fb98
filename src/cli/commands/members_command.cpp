#include <iomanip>
#include <ostream>

#include "automation/type_library.h"
#include "cli/commands/commands.h"

namespace kpa::cli {
namespace {

void PrintInterface(const automation::InterfaceDefinition& definition, std::ostream& out) {
  using namespace automation;
  out << definition.name << ": " << definition.help << '\n';
  for (const auto& bound : MembersOf(definition)) {
    const MemberRow& row = *bound.row;
    out << "  0x" << std::hex << std::setw(8) << std::setfill('0') << std::right
        << bound.dispatch_id << std::dec << std::setfill(' ') << "  " << std::left << std::setw(36)
        << row.member << std::setw(12) << AccessName(row.access) << TypeName(row);
    if (row.control_id != 0) out << "  control " << row.control_id;
    if (row.own_get || row.own_set || row.own_action) out << "  own accessor";
    if (!row.help.reader.empty()) out << "  \"" << row.help.reader << '"';
    if (!row.help.writer.empty()) out << " / \"" << row.help.writer << '"';
    out << '\n';
    if (!row.note.empty()) out << "              note: " << row.note << '\n';
  }
}

}  // namespace

int ListMembers(const std::optional<std::string>& interface_name, std::ostream& out,
                std::ostream& err) {
  using namespace automation;
  if (!interface_name || interface_name->empty()) {
    out << kLibraryName << ": " << kLibraryHelp << " (help file " << kLibraryHelpFile
        << ", locale 0x" << std::hex << std::right << std::setw(4) << std::setfill('0')
        << kLibraryLocale << std::dec << std::setfill(' ') << ")\n\nInterfaces (each extends "
        << kBaseInterface << ", \"" << kBaseInterfaceHelp << "\"):\n";
    for (const auto& definition : Interfaces())
      out << "  " << std::left << std::setw(34) << definition.name << definition.help << '\n';
    out << "\nEnumerations:\n";
    for (const auto& enumeration : Enumerations()) {
      out << "  " << enumeration.name << ':';
      for (const auto& value : enumeration.values) out << ' ' << value.name << '=' << value.value;
      out << '\n';
    }
    // Then every member, in type-library order: the base interface, then each interface.
    out << '\n';
    PrintInterface(BaseInterface(), out);
    for (const auto& definition : Interfaces()) {
      out << '\n';
      PrintInterface(definition, out);
    }
    return kExitDone;
  }
  const InterfaceDefinition* definition = FindInterface(*interface_name);
  if (definition == nullptr && SameName(*interface_name, kBaseInterface))
    definition = &BaseInterface();
  if (definition == nullptr) {
    err << "kpa members: there is no interface named " << *interface_name << '\n';
    return kExitUsage;
  }
  PrintInterface(*definition, out);
  return kExitDone;
}

}  // namespace kpa::cli
