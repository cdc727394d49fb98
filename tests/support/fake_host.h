// An in-memory host for unit tests: a small data file given column by column, and every
// output (tables, charts, text, messages, status) recorded for inspection.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/api/host.h"

namespace kpa::testing {

struct FakeVariable {
  std::string name;
  std::vector<double> values;
  std::optional<std::string> long_name;
  std::vector<host::ValueLabel> labels;
  double missing_code = -9999.0;
  bool from_texts = false;
  std::vector<host::ValueLabel> long_labels = {};
  std::map<double, std::string> display_texts =
      {};  // values shown in a display format of their own
};

class FakeHost : public host::Host {
 public:
  std::vector<FakeVariable> variables;
  std::vector<bool> excluded;   // per case; empty: none excluded
  std::vector<double> weights;  // per case; empty: weighting off
  std::vector<std::string> case_names;
  std::map<std::string, host::NewDataFile> written_files;
  std::deque<bool> yes_no_answers;  // answers to questions; empty: the default answer
  std::deque<std::optional<std::string>> file_names;
  std::deque<std::optional<double>> numbers;  // answers of modal number dialogs
  std::map<int, std::string> strings;         // resource strings
  std::map<std::pair<std::string, std::string>, std::string> keywords;
  int table_answer = host::kOutputShown;
  std::int64_t cancel_at_step = -1;  // progress step at which IsCancelled turns true
  std::int64_t failing_case = -1;    // a case whose reading fails, as an unreadable file row
  bool scripted = false;

  std::vector<host::TableSpec> tables;
  std::vector<host::ChartSpec> charts;
  std::vector<host::DiagramSpec> diagrams;
  std::vector<std::string> text_lines;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> status_texts;
  std::int64_t progress_total = 0;
  std::int64_t progress_done = 0;
  int progress_stops = 0;
  bool startup_menus = true;

  bool HasDataFile() const override { return !variables.empty(); }
  std::string DataFileName() const override { return "fake.csv"; }
  int VariableCount() const override { return static_cast<int>(variables.size()); }
  std::int64_t CaseCount() const override {
    return variables.empty() ? 0 : static_cast<std::int64_t>(variables[0].values.size());
  }
  host::CaseRead ReadCase(int variable, std::int64_t case_number) override {
    if (variable < 1 || variable > VariableCount() || case_number < 1 ||
        case_number > CaseCount() || case_number == failing_case)
      return {host::CaseStatus::kFailure, 0.0};
    const auto index = static_cast<std::size_t>(case_number - 1);
    if (!excluded.empty() && excluded[index]) return {host::CaseStatus::kExcluded, 0.0};
    return {host::CaseStatus::kRead, Var(variable).values[index]};
  }
  // The interface's reads without a virtual call per case: the benchmarks time the case
  // loop over this host.
  void ReadCases(int variable, std::int64_t first, std::span<host::CaseRead> reads) override {
    for (std::size_t i = 0; i < reads.size(); ++i)
      reads[i] = FakeHost::ReadCase(variable, first + static_cast<std::int64_t>(i));
  }
  double MissingCode(int variable) const override { return Var(variable).missing_code; }
  std::string VariableName(int variable) const override {
    return variable >= 1 && variable <= VariableCount() ? Var(variable).name : "";
  }
  std::optional<std::string> VariableLongName(int variable) const override {
    return Var(variable).long_name;
  }
  std::optional<std::string> ValueLabelText(int variable, double code) const override {
    for (const auto& label : Var(variable).labels)
      if (label.code == code) return label.text;
    return std::nullopt;
  }
  std::optional<std::string> ValueLongLabel(int variable, double code) const override {
    for (const auto& label : Var(variable).long_labels)
      if (label.code == code) return label.text;
    return std::nullopt;
  }
  std::optional<std::string> ValueInDisplayFormat(int variable, double value) const override {
    const auto& texts = Var(variable).display_texts;
    const auto found = texts.find(value);
    if (found == texts.end()) return std::nullopt;
    return found->second;
  }
  bool IsTextCoded(int variable) const override { return Var(variable).from_texts; }
  std::vector<host::ValueLabel> ValueLabels(int variable) const override {
    return Var(variable).labels;
  }
  int FindVariable(const std::string& name) const override {
    for (int i = 1; i <= VariableCount(); ++i)
      if (Var(i).name == name) return i;
    return 0;
  }
  bool HasCaseNames() const override { return !case_names.empty(); }
  std::string CaseName(std::int64_t case_number) const override {
    return HasCaseNames() ? case_names[static_cast<std::size_t>(case_number - 1)] : "";
  }
  bool WeightingOn() const override { return !weights.empty(); }
  double CaseWeight(std::int64_t case_number) override {
    return weights.empty() ? 1.0 : weights[static_cast<std::size_t>(case_number - 1)];
  }
  bool OpenDataFileDialog() override { return false; }
  bool DefineSelectionCondition() override { return false; }
  bool DefineWeight() override { return false; }
  std::optional<double> AskNumber(const std::string&, const std::string&, double initial) override {
    if (numbers.empty()) return initial;
    auto answer = numbers.front();
    numbers.pop_front();
    return answer;
  }
  bool FileExists(const std::string& path) const override { return written_files.count(path) != 0; }
  bool WriteNewDataFile(const std::string& path, const host::NewDataFile& file) override {
    written_files[path] = file;
    return true;
  }
  std::optional<std::string> AskSaveFileName(const std::string&,
                                             const std::string& suggested) override {
    if (file_names.empty()) return suggested;
    auto answer = file_names.front();
    file_names.pop_front();
    return answer;
  }
  int ShowTable(const host::TableSpec& table) override {
    tables.push_back(table);
    return table_answer;
  }
  int ShowChart(const host::ChartSpec& chart) override {
    charts.push_back(chart);
    return host::kOutputShown;
  }
  int ShowDiagram(const host::DiagramSpec& diagram) override {
    diagrams.push_back(diagram);
    return host::kOutputShown;
  }
  void WriteText(const std::string& line) override { text_lines.push_back(line); }
  bool AutoPrintOn() const override { return false; }
  int AutoPrintLevel() const override { return 0; }
  void SetStatusText(const std::string& text) override { status_texts.push_back(text); }
  void ProgressStart(std::int64_t total, const std::string&) override {
    progress_total = total;
    progress_done = 0;
  }
  void ProgressStep(std::int64_t done) override { progress_done = done; }
  void ProgressStop() override { ++progress_stops; }
  bool IsCancelled() override { return cancel_at_step >= 0 && progress_done >= cancel_at_step; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question, bool default_answer) override {
    questions.push_back(question);
    if (yes_no_answers.empty()) return default_answer;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }
  std::string ResourceString(int number) const override {
    const auto it = strings.find(number);
    return it == strings.end() ? "" : it->second;
  }
  std::optional<std::string> GetInitKeyword(const std::string& section,
                                            const std::string& key) const override {
    const auto it = keywords.find({section, key});
    if (it == keywords.end()) return std::nullopt;
    return it->second;
  }
  void PutInitKeyword(const std::string& section, const std::string& key,
                      const std::string& value) override {
    keywords[{section, key}] = value;
  }
  std::string RealToText(double value, int width, int decimals) const override {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
    return buffer;
  }
  host::AxisScale ScaleAxis(double minimum, double maximum, int) const override {
    return {minimum, maximum, (maximum - minimum) / 10.0};
  }
  std::chrono::system_clock::time_point Now() const override {
    return std::chrono::system_clock::time_point{};
  }
  bool RunningFromScript() const override { return scripted; }
  void EnableStartupMenus(bool enabled) override { startup_menus = enabled; }

 private:
  const FakeVariable& Var(int variable) const {
    return variables.at(static_cast<std::size_t>(variable - 1));
  }
};

}  // namespace kpa::testing
