// The automation type library: enumerations, the dialog interfaces and the binding of each
// member to a dialog control (or to an accessor of the dialog's own). Every procedure adds
// its interface's members as rows of one table; `kpa members` prints this library.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/status.h"
#include "automation/variant.h"
#include "shell/dialogs/dialog.h"
#include "shell/dialogs/list_text.h"

namespace kpa::automation {

inline constexpr std::string_view kLibraryName = "QRXProcessAnalysis";
inline constexpr std::string_view kLibraryHelp = "KORVANA 6 Process Analysis Library";
inline constexpr std::string_view kLibraryHelpFile = "qrv6om.chm";
inline constexpr int kLibraryLocale = 0x409;
inline constexpr std::string_view kBaseInterface = "QrxAnalysisDialog";
inline constexpr std::string_view kBaseInterfaceHelp = "KORVANA Dialog";
inline constexpr std::uint32_t kFirstOwnDispatchId = 0x60030000u;

enum class MemberType {
  kInteger,      // 32-bit integer; check boxes and radio buttons take 0 or 1
  kDouble,       // real number
  kString,       // text
  kListVariant,  // read as list text, written as list text or a numeric array
  kEnum,         // an enumeration's value (by number or enumerator name)
  kObject,       // an automation object (read-only)
  kAction,       // presses a button and returns the output it produced
  kMethod,       // a method of the base interface
};

enum class Access { kRead, kWrite, kReadWrite, kCall };

struct EnumValue {
  std::string_view name;
  int value;
};

struct EnumDefinition {
  std::string_view name;
  std::span<const EnumValue> values;
};

using OwnGetter = AutomationStatus (*)(shell::CAnalysisModelessDialog&, Variant&);
using OwnSetter = AutomationStatus (*)(shell::CAnalysisModelessDialog&, const Variant&);
using OwnAction = AutomationStatus (*)(shell::CAnalysisModelessDialog&, std::span<const Variant>);

// A member's help string; a property whose writer the library describes apart from its
// reader carries both, each exactly as the library gives it.
struct MemberHelp {
  constexpr MemberHelp() = default;
  constexpr MemberHelp(const char* reader_help) : reader(reader_help) {}  // NOLINT: implicit
  constexpr MemberHelp(std::string_view reader_help, std::string_view writer_help)
      : reader(reader_help), writer(writer_help) {}
  std::string_view reader;
  std::string_view writer;  // empty: the writer's help is the reader's
};

struct MemberRow {
  std::string_view member;
  MemberType type;
  Access access;
  int control_id;  // 0 for an own accessor
  MemberHelp help;
  std::string_view enum_name = {};                          // for kEnum
  shell::ListKind list_kind = shell::ListKind::kVariables;  // for kListVariant
  OwnGetter own_get = nullptr;
  OwnSetter own_set = nullptr;
  OwnAction own_action = nullptr;  // with a control: takes the arguments, then it is pressed
  int optional_parameters = 0;     // for own actions
  // What the member means where its name alone could mislead; kpa's own explanation, shown
  // by `kpa members` and `kpa shell`, not part of the type library.
  std::string_view note = {};
};

struct InterfaceDefinition {
  std::string_view name;
  std::string_view help;
  std::span<const int> templates;  // the dialog templates that carry this interface
  std::span<const MemberRow> members;
};

// One member of the library, with its interface and dispatch identifier.
struct BoundMember {
  const InterfaceDefinition* interface_definition;
  const MemberRow* row;
  std::uint32_t dispatch_id;
};

const std::vector<EnumDefinition>& Enumerations();
const std::vector<InterfaceDefinition>& Interfaces();
std::span<const MemberRow> BaseMembers();
// The base interface that every dialog interface extends: its members are the base members
// alone (dispatch identifiers 0 to 12).
const InterfaceDefinition& BaseInterface();

// Names of interfaces, members and enumerators match without regard to case.
bool SameName(std::string_view a, std::string_view b);

const EnumDefinition* FindEnumeration(std::string_view name);
// The enumerator of that name in any enumeration (scripts write enumerators bare).
const EnumValue* FindEnumerator(std::string_view name);
const InterfaceDefinition* FindInterface(std::string_view name);  // without regard to case
const InterfaceDefinition* InterfaceOfTemplate(int template_number);
// A member of an interface or of the base interface, without regard to case.
// The member whose name is nearest to a mistyped `name` (at most a third of its letters
// away, case not minded), for a "did you mean" hint; empty when none is that near.
std::string NearestMemberName(const InterfaceDefinition& interface_definition,
                              std::string_view name);
std::optional<BoundMember> FindMember(const InterfaceDefinition& interface_definition,
                                      std::string_view member);
// Every member of an interface, base members first, with dispatch identifiers.
std::vector<BoundMember> MembersOf(const InterfaceDefinition& interface_definition);

std::string_view TypeName(const MemberRow& row);
std::string_view AccessName(Access access);

}  // namespace kpa::automation
