// Shared set-up of the sampling tests: a fake host that speaks the module's French strings,
// an analysis entered on it, and the settings block at its defaults.
#pragma once

#include <memory>
#include <string>

#include "automation/dialog_automation.h"
#include "automation/module.h"
#include "resources/ids/sampling_strings.h"
#include "resources/string_table.h"
#include "shell/process.h"
#include "shell/settings/settings_block.h"
#include "support/fake_host.h"

namespace kpa::sampling {

inline void LoadModuleStrings(testing::FakeHost& host) {
  for (const int number : {14165, 14166, 14197, 30003, 32069})
    host.strings[number] = std::string(resources::ResourceText(number));
  for (int number = 12325; number <= 12330; ++number)
    host.strings[number] = std::string(resources::ResourceText(number));
  for (int number = 31000; number <= 31199; ++number)
    if (const auto text = resources::ResourceText(number); !text.empty())
      host.strings[number] = std::string(text);
}

// The analysis on a fake host, opened on the specification dialog (step 102).
class SamplingChain : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadModuleStrings(host_);
    process_->Initialize();
    process_->Start();
    Set("TypeOfAnalysis", std::string("scProSamplingPlans"));
    (void)Call("OK");
  }
  automation::DialogAutomation Automation() {
    return automation::DialogAutomation(process_->CurrentDialog());
  }
  automation::AutomationStatus Put(std::string_view member, const automation::Variant& value) {
    auto automation = Automation();
    const auto status = automation.Put(member, value);
    last_error_ = automation.LastError();
    return status;
  }
  // Back to the startup dialog and into the specification dialog again, with the settings
  // at their defaults.
  void Restart() {
    (void)Call("Cancel");
    process_->Initialize();
    Set("TypeOfAnalysis", std::string("scProSamplingPlans"));
    (void)Call("OK");
  }
  void Set(std::string_view member, const automation::Variant& value) {
    EXPECT_EQ(Put(member, value), automation::AutomationStatus::kOk)
        << member << ": " << last_error_;
  }
  automation::Variant Get(std::string_view member) {
    automation::Variant value;
    (void)Automation().Get(member, value);
    return value;
  }
  automation::AutomationStatus Call(std::string_view member) {
    automation::Variant result;
    return Automation().Call(member, {}, result);
  }
  shell::SamplingSettings& Sampling() { return shell::Settings().sampling; }
  int Step() const { return static_cast<int>(process_->CurrentStep()); }

  testing::FakeHost host_;
  std::unique_ptr<shell::CProcess> process_ = automation::Zqa6NewAnalysis(host_);
  std::string last_error_;
};

}  // namespace kpa::sampling
