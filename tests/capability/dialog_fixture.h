// Drives the capability dialogs as a script does: the module made by its factory over an
// in-memory host that answers with the module's own French texts, members written and
// actions called through the automation accessor. Also the piston-ring data of
// examples/data/pistonrings.csv.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "automation/dialog_automation.h"
#include "automation/module.h"
#include "resources/string_table.h"
#include "shell/process.h"
#include "support/fake_host.h"

namespace kpa::capability::testing {

// The fake host with the module's string table behind it.
class TextHost : public kpa::testing::FakeHost {
 public:
  std::string ResourceString(int number) const override {
    return std::string(resources::ResourceText(number));
  }
};

inline kpa::testing::FakeVariable Column(const char* name, std::vector<double> values) {
  kpa::testing::FakeVariable variable;
  variable.name = name;
  variable.values = std::move(values);
  return variable;
}

// Montgomery's piston-ring diameters: samples 1..last_sample of five rings each.
struct PistonRings {
  std::vector<double> diameter;
  std::vector<double> sample;
};

inline PistonRings ReadPistonRings(int last_sample) {
  std::ifstream in(std::string(KPA_SOURCE_DIR) + "/examples/data/pistonrings.csv");
  PistonRings rings;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line[0] == '"') continue;
    std::istringstream fields(line);
    std::string diameter;
    std::string sample;
    std::getline(fields, diameter, ',');
    std::getline(fields, sample, ',');
    if (std::stoi(sample) > last_sample) continue;
    rings.diameter.push_back(std::stod(diameter));
    rings.sample.push_back(std::stod(sample));
  }
  return rings;
}

class CapabilityDialogTest : public ::testing::Test {
 protected:
  static constexpr int kRawSetup = 3157;
  static constexpr int kAggregatedSetup = 3161;
  static constexpr int kRawResults = 3184;
  static constexpr int kAggregatedResults = 3121;

  void SetUp() override {
    process_->Initialize();
    process_->Start();
  }

  void UsePistonRings(int last_sample = 25) {
    const PistonRings rings = ReadPistonRings(last_sample);
    host_.variables = {Column("diameter", rings.diameter), Column("sample", rings.sample)};
  }

  // Startup list -> the raw-data (row 0) or aggregated-data (row 1) setup dialog.
  void OpenSetup(bool aggregated = false) {
    Set("TypeOfAnalysis",
        std::string(aggregated ? "scProAggregatedDataProcessCapabilityAndToleranceIntervals"
                               : "scProRawDataProcessCapabilityAndToleranceIntervals"));
    Call("OK");
    ASSERT_EQ(Template(), aggregated ? kAggregatedSetup : kRawSetup);
  }

  int Template() const {
    const auto dialog = process_->CurrentDialog();
    return dialog ? dialog->TemplateNumber() : 0;
  }
  shell::CAnalysisModelessDialog& Dialog() { return *process_->CurrentDialog(); }

  automation::AutomationStatus Put(std::string_view member, const automation::Variant& value) {
    automation::DialogAutomation dialog(process_->CurrentDialog());
    const automation::AutomationStatus status = dialog.Put(member, value);
    last_error_ = dialog.LastError();
    return status;
  }
  void Set(std::string_view member, const automation::Variant& value) {
    EXPECT_EQ(Put(member, value), automation::AutomationStatus::kOk)
        << member << ": " << last_error_;
  }
  automation::Variant Get(std::string_view member) {
    automation::DialogAutomation dialog(process_->CurrentDialog());
    automation::Variant value;
    EXPECT_EQ(dialog.Get(member, value), automation::AutomationStatus::kOk)
        << member << ": " << dialog.LastError();
    return value;
  }
  double Real(std::string_view member) {
    const automation::Variant value = Get(member);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
    const auto* real = std::get_if<double>(&value);
    return real ? *real : -12345.0;
  }
  std::string Text(std::string_view member) {
    const automation::Variant value = Get(member);
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : "<not a text>";
  }
  // Presses an action that must succeed (Call) or be refused with its message (CallRefused).
  void Call(std::string_view member) { CallExpecting(member, automation::AutomationStatus::kOk); }
  void CallRefused(std::string_view member) {
    CallExpecting(member, automation::AutomationStatus::kFailure);
  }
  void CallExpecting(std::string_view member, automation::AutomationStatus expected) {
    automation::DialogAutomation dialog(process_->CurrentDialog());
    automation::Variant ignored;
    EXPECT_EQ(dialog.Call(member, {}, ignored), expected) << member << ": " << dialog.LastError();
  }

  // Messages shown since the last call.
  std::vector<std::string> NewMessages() {
    std::vector<std::string> fresh(host_.messages.begin() + static_cast<long>(seen_messages_),
                                   host_.messages.end());
    seen_messages_ = host_.messages.size();
    return fresh;
  }

  // The value of the row whose label starts with `label` in the last table.
  double TableValue(const std::string& label, std::size_t column = 0) const {
    const host::TableSpec& table = host_.tables.back();
    for (std::size_t row = 0; row < table.RowCount(); ++row)
      if (table.row_labels[row].rfind(label, 0) == 0) return table.Value(row, column);
    ADD_FAILURE() << "no row " << label;
    return 0.0;
  }

  TextHost host_;
  std::unique_ptr<shell::CProcess> process_ = automation::Zqa6NewAnalysis(host_);
  std::string last_error_;
  std::size_t seen_messages_ = 0;
};

}  // namespace kpa::capability::testing
