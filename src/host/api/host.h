// Every operation the module needs from its host application, gathered in one interface.
// Dialog and numerical code reach it only through the current analysis of the module
// context (shell/context.h); the headless substitute in host/impl implements it.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/api/chart_spec.h"
#include "host/api/diagram_spec.h"
#include "host/api/table_spec.h"

namespace kpa::host {

// Answer of one case read (the host's `cstart`): 0 read, 1 excluded by the case-selection
// condition, 2 the read failed. Never renumbered: procedures compare these numbers.
enum class CaseStatus : std::int16_t { kRead = 0, kExcluded = 1, kFailure = 2 };

struct CaseRead {
  CaseStatus status = CaseStatus::kFailure;
  double value = 0.0;  // equals MissingCode(variable) when the cell is missing
};

struct ValueLabel {
  double code = 0.0;
  std::string text;
};

// A neat axis range (the host's `scling`): rounded bounds enclosing the data and a step.
struct AxisScale {
  double minimum = 0.0;
  double maximum = 1.0;
  double step = 0.1;
};

// A new data file the module asks the host to create (a design for data entry): variables
// of equal length, optional case names, the missing-data code of every variable.
struct NewDataVariable {
  std::string name;  // at most 8 characters
  std::vector<double> values;
};
struct NewDataFile {
  std::vector<NewDataVariable> variables;
  std::vector<std::string> case_names;  // empty, or one per case
  double missing_code = -9999.0;
};

// Answer of the host's table and chart services: 1 when the output is shown.
inline constexpr int kOutputShown = 1;

class Host {
 public:
  virtual ~Host() = default;

  // --- Data file. Variables are numbered from 1, cases from 1.
  virtual bool HasDataFile() const = 0;
  virtual std::string DataFileName() const = 0;
  virtual int VariableCount() const = 0;
  virtual std::int64_t CaseCount() const = 0;
  // Reads one case of one variable, honouring the case-selection condition.
  virtual CaseRead ReadCase(int variable, std::int64_t case_number) = 0;
  // Reads cases first, first + 1, ... of one variable into `reads`, each as ReadCase reads
  // it; a host holding its data in memory answers the whole block in one call.
  virtual void ReadCases(int variable, std::int64_t first, std::span<CaseRead> reads) {
    for (std::size_t i = 0; i < reads.size(); ++i)
      reads[i] = ReadCase(variable, first + static_cast<std::int64_t>(i));
  }
  virtual double MissingCode(int variable) const = 0;
  // The variable's short name (at most 8 characters), or "" for an unknown number.
  virtual std::string VariableName(int variable) const = 0;
  // The long name (variable label); std::nullopt when the variable has none.
  virtual std::optional<std::string> VariableLongName(int variable) const = 0;
  virtual std::optional<std::string> ValueLabelText(int variable, double code) const = 0;
  // The long label of a value (its description beside the label); std::nullopt when none.
  virtual std::optional<std::string> ValueLongLabel(int variable, double code) const = 0;
  virtual std::vector<ValueLabel> ValueLabels(int variable) const = 0;
  // The value written in the variable's display format when it has a special one (a date,
  // a date and time); std::nullopt for a variable shown as plain numbers.
  virtual std::optional<std::string> ValueInDisplayFormat(int variable, double value) const = 0;
  // Whether the host made the variable's values from a column of texts: codes 1, 2, 3, ...
  // labelled with the texts, not measurements.
  virtual bool IsTextCoded(int variable) const = 0;
  // Looks a variable up by name, without regard to case; 0 when none matches.
  virtual int FindVariable(const std::string& name) const = 0;
  virtual bool HasCaseNames() const = 0;
  virtual std::string CaseName(std::int64_t case_number) const = 0;

  // --- Case weighting: when on, the weight of a case (missing weights read as 0).
  virtual bool WeightingOn() const = 0;
  virtual double CaseWeight(std::int64_t case_number) = 0;

  // --- Host dialogs around the data. Each answers true when something changed.
  virtual bool OpenDataFileDialog() = 0;        // `OpenZqaFile`; false when cancelled
  virtual bool DefineSelectionCondition() = 0;  // `DefineSelCond`
  virtual bool DefineWeight() = 0;              // `DefineWeight`
  // A modal dialog of the module asking for one number (`caption`, the field's `label`,
  // the value it opens with); std::nullopt when the user cancels it.
  virtual std::optional<double> AskNumber(const std::string& caption, const std::string& label,
                                          double initial) = 0;
  // A file name for saving (`purpose` says what for); std::nullopt when cancelled.
  virtual std::optional<std::string> AskSaveFileName(const std::string& purpose,
                                                     const std::string& suggested) = 0;

  // --- New data files. Whether a file of that name exists; and writing one, which answers
  // false (with the host's message shown) when the file could not be written.
  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool WriteNewDataFile(const std::string& path, const NewDataFile& file) = 0;

  // --- Output.
  virtual int ShowTable(const TableSpec& table) = 0;  // `looka4`
  virtual int ShowChart(const ChartSpec& chart) = 0;
  virtual int ShowDiagram(const DiagramSpec& diagram) = 0;  // the graph component
  virtual void WriteText(const std::string& line) = 0;      // `writst` + `newline`
  // The host's automatic printing of specifications: switch and level.
  virtual bool AutoPrintOn() const = 0;
  virtual int AutoPrintLevel() const = 0;

  // --- Status line, progress display and cancel.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void ProgressStart(std::int64_t total, const std::string& caption) = 0;
  virtual void ProgressStep(std::int64_t done) = 0;
  virtual void ProgressStop() = 0;
  virtual bool IsCancelled() = 0;

  // --- Messages and questions.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& question, bool default_answer) = 0;

  // --- Module resources: the text of a string number; "" when there is none.
  virtual std::string ResourceString(int number) const = 0;

  // --- Keyword store, kept across sessions.
  virtual std::optional<std::string> GetInitKeyword(const std::string& section,
                                                    const std::string& key) const = 0;
  virtual void PutInitKeyword(const std::string& section, const std::string& key,
                              const std::string& value) = 0;

  // --- Numbers: the text of a number (`RealToText`), right-aligned in `width` with
  // `decimals` fixed decimals, always with '.'; and a neat axis scale (`scling`).
  virtual std::string RealToText(double value, int width, int decimals) const = 0;
  virtual AxisScale ScaleAxis(double minimum, double maximum, int intervals) const = 0;

  // --- Environment.
  virtual std::chrono::system_clock::time_point Now() const = 0;
  virtual bool RunningFromScript() const = 0;
  virtual void EnableStartupMenus(bool enabled) = 0;
};

}  // namespace kpa::host
