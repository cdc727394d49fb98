#include <nlohmann/json.hpp>

#include <ostream>

#include "automation/type_library.h"
#include "cli/commands/commands.h"

namespace kpa::cli {
namespace {

using Json = nlohmann::ordered_json;

Json MembersJson(const automation::InterfaceDefinition& definition, bool own_only) {
  Json members = Json::array();
  for (const automation::BoundMember& bound : automation::MembersOf(definition)) {
    const automation::MemberRow& row = *bound.row;
    if (own_only && bound.dispatch_id < automation::kFirstOwnDispatchId) continue;
    Json member = {{"dispatch_id", bound.dispatch_id},
                   {"name", row.member},
                   {"access", automation::AccessName(row.access)},
                   {"type", automation::TypeName(row)}};
    if (row.control_id != 0) member["control"] = row.control_id;
    if (!row.enum_name.empty()) member["enumeration"] = row.enum_name;
    if (row.own_get || row.own_set || row.own_action) member["own_accessor"] = true;
    if (row.optional_parameters > 0) member["optional_parameters"] = row.optional_parameters;
    member["help"] = row.help.reader;
    if (!row.help.writer.empty()) member["writer_help"] = row.help.writer;
    members.push_back(std::move(member));
  }
  return members;
}

}  // namespace

int ListMembersJson(std::ostream& out) {
  using namespace automation;
  Json library = {{"name", kLibraryName},
                  {"help", kLibraryHelp},
                  {"help_file", kLibraryHelpFile},
                  {"locale", kLibraryLocale}};
  Json enumerations = Json::array();
  for (const EnumDefinition& enumeration : Enumerations()) {
    Json values = Json::array();
    for (const EnumValue& value : enumeration.values)
      values.push_back({{"name", value.name}, {"value", value.value}});
    enumerations.push_back({{"name", enumeration.name}, {"values", std::move(values)}});
  }
  library["enumerations"] = std::move(enumerations);
  library["base_interface"] = {{"name", kBaseInterface},
                               {"help", kBaseInterfaceHelp},
                               {"members", MembersJson(BaseInterface(), false)}};
  Json interfaces = Json::array();
  for (const InterfaceDefinition& definition : Interfaces())
    interfaces.push_back({{"name", definition.name},
                          {"help", definition.help},
                          {"extends", kBaseInterface},
                          {"templates", definition.templates},
                          {"members", MembersJson(definition, true)}});
  library["interfaces"] = std::move(interfaces);
  out << library.dump(2) << '\n';
  return kExitDone;
}

}  // namespace kpa::cli
