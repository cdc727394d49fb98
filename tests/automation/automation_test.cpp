// The automation binding: the type library's shape and dispatch identifiers, and the generic
// accessor's typed access, checks and status codes on a real dialog.
#include <gtest/gtest.h>

#include "automation/dialog_automation.h"
#include "automation/module.h"
#include "automation/type_library.h"
#include "shell/dialogs/startup_dialog.h"
#include "shell/settings/settings_block.h"
#include "support/fake_host.h"

namespace kpa::automation {
namespace {

TEST(TypeLibrary, HasEveryInterfaceAndEnumeration) {
  EXPECT_EQ(Interfaces().size(), 21u);
  EXPECT_EQ(Enumerations().size(), 7u);
  const auto* method = FindEnumeration("ProMethod");
  ASSERT_NE(method, nullptr);
  // The values are the rows of the startup list; separators 2, 6 and 8 have none.
  std::vector<int> values;
  for (const auto& value : method->values) values.push_back(value.value);
  EXPECT_EQ(values, (std::vector<int>{0, 1, 3, 4, 5, 7, 9}));
  for (const int value : values) EXPECT_FALSE(shell::IsSeparatorRow(value)) << value;
  // Every interface names a template that has a dialog in the module.
  for (const auto& definition : Interfaces())
    for (const int number : definition.templates)
      EXPECT_NE(resources::FindDialogTemplate(number), nullptr) << definition.name;
}

TEST(TypeLibrary, DispatchIdentifiers) {
  const auto* startup = FindInterface("prostartup");  // names match without regard to case
  ASSERT_NE(startup, nullptr);
  const auto members = MembersOf(*startup);
  ASSERT_EQ(members.size(), 14u);
  EXPECT_EQ(members[0].row->member, "Name");
  EXPECT_EQ(members[0].dispatch_id, 0u);
  EXPECT_EQ(members[12].row->member, "ResultsOutputFields");
  EXPECT_EQ(members[12].dispatch_id, 12u);
  EXPECT_EQ(members[13].row->member, "TypeOfAnalysis");
  EXPECT_EQ(members[13].dispatch_id, 0x60030000u);
}

class AccessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    process_->Initialize();
    process_->Start();
  }
  testing::FakeHost host_;
  std::unique_ptr<shell::CProcess> process_ = Zqa6NewAnalysis(host_);
};

TEST_F(AccessorTest, EnumMemberSelectsTheRowAndOkStartsIt) {
  DialogAutomation startup(process_->CurrentDialog());
  ASSERT_NE(startup.Interface(), nullptr);
  EXPECT_EQ(startup.Interface()->name, "ProStartup");
  Variant value;
  ASSERT_EQ(startup.Get("TypeOfAnalysis", value), AutomationStatus::kOk);
  EXPECT_EQ(std::get<std::int64_t>(value), 0);
  EXPECT_EQ(startup.Put("TypeOfAnalysis", std::string("scProWeibullPaper")),
            AutomationStatus::kOk);  // an enumerator given by name
  ASSERT_EQ(startup.Get("TypeOfAnalysis", value), AutomationStatus::kOk);
  EXPECT_EQ(std::get<std::int64_t>(value), 5);
  Variant flag;
  ASSERT_EQ(startup.Call("OK", {}, flag), AutomationStatus::kOk);
  EXPECT_EQ(std::get<std::int64_t>(flag), 1);
  EXPECT_EQ(process_->CurrentDialog()->TemplateNumber(), 3170);

  // The startup dialog is closed now: every member answers with the closed-dialog status.
  EXPECT_EQ(startup.Get("TypeOfAnalysis", value), AutomationStatus::kDialogClosed);
  EXPECT_EQ(startup.Call("OK", {}, flag), AutomationStatus::kDialogClosed);
  EXPECT_NE(startup.LastError().find("closed"), std::string::npos);
}

TEST_F(AccessorTest, RefusalsLeaveTheDialogAsItWas) {
  DialogAutomation startup(process_->CurrentDialog());
  struct Case {
    const char* member;
    Variant value;
    AutomationStatus status;
  };
  const Case cases[] = {
      {"TypeOfAnalysis", std::int64_t{2}, AutomationStatus::kOutOfRange},  // a separator
      {"TypeOfAnalysis", std::int64_t{10}, AutomationStatus::kOutOfRange},
      {"TypeOfAnalysis", 2.5, AutomationStatus::kTypeMismatch},
      {"TypeOfAnalysis", std::string("Weibull"), AutomationStatus::kTypeMismatch},
      {"Name", std::string("x"), AutomationStatus::kAccessDenied},
      {"ResultsOption", std::int64_t{1}, AutomationStatus::kFailure},
      {"Unknown", std::int64_t{1}, AutomationStatus::kMemberNotFound},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.member);
    EXPECT_EQ(startup.Put(c.member, c.value), c.status);
    EXPECT_FALSE(startup.LastError().empty());
    EXPECT_EQ(process_->CurrentDialog()->FindControl(shell::controls::kStartupList)->IntValue(), 0);
    EXPECT_EQ(process_->CurrentStep(), shell::Step::kStartup);
  }
}

TEST_F(AccessorTest, BaseMembers) {
  DialogAutomation startup(process_->CurrentDialog());
  Variant value;
  host_.strings[12725] = "Techniques d'Analyse de Processus";
  ASSERT_EQ(startup.Get("Parent", value), AutomationStatus::kOk);
  EXPECT_EQ(std::get<std::string>(value), "Techniques d'Analyse de Processus");
  ASSERT_EQ(startup.Get("Name", value), AutomationStatus::kOk);
  EXPECT_EQ(std::get<std::string>(value), "Analyse de processus - Démarrage");
  Variant ignored;
  ASSERT_EQ(startup.Call("Cancel", {}, ignored), AutomationStatus::kOk);
  EXPECT_TRUE(process_->Ended());
}

}  // namespace
}  // namespace kpa::automation
