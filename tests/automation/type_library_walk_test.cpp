// The whole type library checked against the module's dialogs: every bound member names a
// control of each template its interface carries, of a kind that can hold the member's
// type; names and dispatch identifiers are unique within an interface; the identifiers
// follow the numbering the library publishes (its own examples checked); the counts of
// interfaces, members and enumerations.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <string>

#include "automation/type_library.h"
#include "resources/dialog_templates.h"

namespace kpa::automation {
namespace {

using resources::ControlKind;

// The control kinds that can carry a member of each type.
bool KindHolds(MemberType type, ControlKind kind) {
  switch (type) {
    case MemberType::kAction:
      return kind == ControlKind::kButton;
    case MemberType::kInteger:
      return kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton ||
             kind == ControlKind::kIntEdit || kind == ControlKind::kComboBox ||
             kind == ControlKind::kListBox || kind == ControlKind::kTabControl ||
             kind == ControlKind::kValueEdit;
    case MemberType::kEnum:
      return kind == ControlKind::kComboBox || kind == ControlKind::kListBox ||
             kind == ControlKind::kTabControl;
    case MemberType::kDouble:
      return kind == ControlKind::kRealEdit || kind == ControlKind::kIntEdit ||
             kind == ControlKind::kValueEdit;
    case MemberType::kString:
      return kind == ControlKind::kTextEdit || kind == ControlKind::kStatic ||
             kind == ControlKind::kComboBox || kind == ControlKind::kVariableList;
    case MemberType::kListVariant:
      return kind == ControlKind::kVariableList || kind == ControlKind::kCodeList ||
             kind == ControlKind::kValueEdit || kind == ControlKind::kComboBox ||
             kind == ControlKind::kTextEdit;
    case MemberType::kObject:
    case MemberType::kMethod:
      return false;
  }
  return false;
}

const resources::ControlTemplate* FindControl(const resources::DialogTemplate& dialog, int id) {
  for (const auto& control : dialog.controls)
    if (control.id == id) return &control;
  return nullptr;
}

TEST(TypeLibraryWalk, EveryBoundMemberHasAFittingControlInEachTemplate) {
  for (const InterfaceDefinition& definition : Interfaces()) {
    ASSERT_FALSE(definition.templates.empty()) << definition.name;
    for (const int number : definition.templates) {
      const resources::DialogTemplate* dialog = resources::FindDialogTemplate(number);
      ASSERT_NE(dialog, nullptr) << definition.name << " " << number;
      for (const MemberRow& row : definition.members) {
        if (row.control_id == 0) {
          // Only hand-written accessors may lack a control.
          EXPECT_TRUE(row.own_get || row.own_set || row.own_action)
              << definition.name << "." << row.member;
          continue;
        }
        SCOPED_TRACE(std::string(definition.name) + "." + std::string(row.member) +
                     " in template " + std::to_string(number));
        const resources::ControlTemplate* control = FindControl(*dialog, row.control_id);
        ASSERT_NE(control, nullptr) << "control " << row.control_id;
        EXPECT_TRUE(KindHolds(row.type, control->kind))
            << TypeName(row) << " on a control of kind " << static_cast<int>(control->kind);
      }
    }
  }
}

TEST(TypeLibraryWalk, NamesAndIdentifiersAreUniqueAndFollowTheNumbering) {
  std::size_t own_members = 0;
  for (const InterfaceDefinition& definition : Interfaces()) {
    std::set<std::string> names;
    std::set<std::uint32_t> ids;
    const std::vector<BoundMember> members = MembersOf(definition);
    for (const BoundMember& bound : members) {
      std::string lower(bound.row->member);
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(names.insert(lower).second) << definition.name << "." << bound.row->member;
      EXPECT_TRUE(ids.insert(bound.dispatch_id).second) << definition.name << "." << lower;
      if (bound.row->type == MemberType::kEnum) {
        EXPECT_NE(FindEnumeration(bound.row->enum_name), nullptr)
            << definition.name << "." << bound.row->member;
      }
    }
    own_members += definition.members.size();
  }
  // The library's own examples of its numbering: a read/write property takes two numbers,
  // a read-only property or an action one.
  const struct {
    const char* interface_name;
    const char* member;
    std::uint32_t id;
  } published[] = {
      {"ProSampling", "Distribution", 0x60030000u},
      {"ProSampling", "TestCriterion", 0x60030002u},
      {"ProSampling", "AlphaError", 0x60030004u},
      {"ProProcessCapability", "FitAllDistributions", 0x60030018u},
      {"ProProcessCapability", "Beta", 0x60030019u},
  };
  for (const auto& row : published) {
    const InterfaceDefinition* definition = FindInterface(row.interface_name);
    ASSERT_NE(definition, nullptr) << row.interface_name;
    const auto bound = FindMember(*definition, row.member);
    ASSERT_TRUE(bound) << row.member;
    EXPECT_EQ(bound->dispatch_id, row.id) << row.interface_name << "." << row.member;
  }
  EXPECT_EQ(Interfaces().size(), 21u);
  EXPECT_EQ(Enumerations().size(), 7u);
  EXPECT_EQ(BaseMembers().size(), 13u);
  EXPECT_GT(own_members, 0u);
  std::printf("type library: %zu interfaces, %zu own members, %zu enumerations\n",
              Interfaces().size(), own_members, Enumerations().size());
}

}  // namespace
}  // namespace kpa::automation
