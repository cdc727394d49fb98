// Shared set-up of the cause-and-effect tests: a fake host that speaks the module's French
// strings, an analysis entered on it and opened on the cause-and-effect dialog.
#pragma once

#include <memory>
#include <string>

#include "automation/dialog_automation.h"
#include "automation/module.h"
#include "resources/string_table.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"
#include "support/fake_host.h"

namespace kpa::cause_effect {

class CauseEffectChain : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadVariables();
    for (int number = 33000; number <= 33099; ++number)
      if (const auto text = resources::ResourceText(number); !text.empty())
        host_.strings[number] = std::string(text);
    process_->Initialize();
    process_->Start();
    Set("TypeOfAnalysis", std::string("scProCauseAndEffectDiagrams"));
    (void)Call("OK");
  }
  // The data: labelled causes with long labels, plain numbers, and 1001 values.
  void LoadVariables() {
    testing::FakeVariable machine;
    machine.name = "machine";
    machine.long_name = "Machines et outillage";
    machine.labels = {{1, "Usure"}, {2, "Jeu"}};
    machine.long_labels = {{2, "palier avant"}};
    machine.values.assign(1001, -9999.0);
    machine.values[0] = 1;
    machine.values[1] = 2;
    testing::FakeVariable number;
    number.name = "x";
    number.values.assign(1001, -9999.0);
    number.values[0] = 12;
    number.values[1] = 74.0123456;
    number.values[2] = 12345678;
    number.values[3] = 45366;
    number.display_texts = {};
    testing::FakeVariable many;
    many.name = "many";
    for (int i = 0; i < 1001; ++i) many.values.push_back(i);
    host_.variables = {machine, number, many};
  }
  automation::AutomationStatus Put(std::string_view member, const automation::Variant& value) {
    automation::DialogAutomation automation(process_->CurrentDialog());
    const auto status = automation.Put(member, value);
    last_error_ = automation.LastError();
    return status;
  }
  void Set(std::string_view member, const automation::Variant& value) {
    EXPECT_EQ(Put(member, value), automation::AutomationStatus::kOk)
        << member << ": " << last_error_;
  }
  automation::Variant Get(std::string_view member) {
    automation::Variant value;
    (void)automation::DialogAutomation(process_->CurrentDialog()).Get(member, value);
    return value;
  }
  automation::AutomationStatus Call(std::string_view member) {
    automation::Variant result;
    return automation::DialogAutomation(process_->CurrentDialog()).Call(member, {}, result);
  }
  void Press(int control) { process_->CurrentDialog()->Press(control); }
  shell::CauseEffectSettings& Settings() { return shell::Settings().cause_effect; }

  testing::FakeHost host_;
  std::unique_ptr<shell::CProcess> process_ = automation::Zqa6NewAnalysis(host_);
  std::string last_error_;
};

}  // namespace kpa::cause_effect
