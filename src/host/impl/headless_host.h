// The headless substitute for the desktop host: data files, case selection and weights,
// result spreadsheets and charts (printed, and written to an output folder with an HTML
// report), messages and questions, status and progress, cancel, keyword store and strings.
// What a person does in the desktop host outside the module (open a file, answer a question,
// choose a file name) is set through the control methods below, which scripts reach through
// their `Host.` statements.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/api/host.h"
#include "host/impl/data/csv_dialect.h"
#include "host/impl/data/data_set.h"
#include "host/impl/data/selection_condition.h"
#include "host/impl/keyword_store.h"
#include "host/impl/output_log.h"

namespace kpa::host {

struct HeadlessOptions {
  std::ostream* out = nullptr;         // tables and text lines; nullptr: not printed
  std::ostream* err = nullptr;         // messages, questions, notices; nullptr: not printed
  bool progress_bar = false;           // draw a progress bar on `err`
  bool scripted = true;                // the module runs from a script
  std::filesystem::path keyword_file;  // the keyword store; empty: kept in memory only
  data::CsvOptions csv;                // the dialect of delimited text files (--csv)
  ImageFormats images;                 // PNG and PDF beside each chart's SVG (--formats)
  TableFormats tables;                 // the files of each table (--tables)
  std::string program;                 // "kpa 0.1.0", for the report's provenance
};

class HeadlessHost : public Host {
 public:
  explicit HeadlessHost(HeadlessOptions options);
  ~HeadlessHost() override;

  // --- Control of the host (what the desktop user does outside the module).
  // Opens a data file; throws data::DataFileError and keeps the open file when it fails.
  void OpenDataFile(const std::string& path);
  // The dialect of the delimited text files opened from now on (csv_dialect.h).
  void SetCsvOptions(const data::CsvOptions& options) { options_.csv = options; }
  // The script whose run the outputs belong to, for the report's provenance.
  void SetScriptPath(const std::string& path) { log_.Provenance().script = path; }
  const data::CsvOptions& CsvDialectOptions() const { return options_.csv; }
  // "" clears the condition; throws data::SelectionConditionError for a bad condition.
  void SetSelectionCondition(const std::string& text);
  std::string SelectionConditionText() const;
  // "" turns weighting off; throws std::invalid_argument for an unknown variable.
  void SetWeightVariable(const std::string& name);
  std::string WeightVariableName() const;
  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  // The next file dialog answers with this name; std::nullopt: the user cancels it.
  void QueueFileName(std::optional<std::string> name) { file_names_.push_back(std::move(name)); }
  // The next modal number dialog answers with this value; std::nullopt: the user cancels it.
  void QueueNumber(std::optional<double> value) { numbers_.push_back(value); }
  void SetClock(std::chrono::system_clock::time_point now) { fixed_clock_ = now; }
  // Cancels the running request when its progress reaches this step (0: never).
  void SetCancelAtProgressStep(std::int64_t step) { cancel_at_step_ = step; }
  void SetOutputFolder(const std::filesystem::path& folder);
  const std::filesystem::path& OutputFolder() const { return log_.Folder(); }
  void SetAutoPrint(bool on) { auto_print_ = on; }
  void SetAutoPrintLevel(int level) { auto_print_level_ = level; }
  // A new request starts: the cancel flag of the previous one is cleared.
  void BeginRequest();
  // Ctrl-C (SIGINT) or SIGTERM: safe to call from a signal handler through the flags it
  // sets. It cancels the running request; the second call within one request finds the flag
  // already set (`CancelRequestedFromSignal`). `InterruptingSignal` keeps the signal for the
  // rest of the run (0 when none came), so that a script run can stop after the request.
  static void RequestCancelFromSignal(int signal_number);
  static bool CancelRequestedFromSignal();
  static int InterruptingSignal();

  const OutputLog& Log() const { return log_; }
  // The run is over: the outputs written once for all of it (the workbook) are written;
  // the problems met while writing any output of the run.
  const std::vector<std::string>& FinishOutputs() { return log_.Finish(); }
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::string& StatusText() const { return status_text_; }
  const data::DataSet* Data() const { return data_.get(); }

  // --- Host interface.
  bool HasDataFile() const override;
  std::string DataFileName() const override;
  int VariableCount() const override;
  std::int64_t CaseCount() const override;
  CaseRead ReadCase(int variable, std::int64_t case_number) override;
  void ReadCases(int variable, std::int64_t first, std::span<CaseRead> reads) override;
  double MissingCode(int variable) const override;
  std::string VariableName(int variable) const override;
  std::optional<std::string> VariableLongName(int variable) const override;
  std::optional<std::string> ValueLabelText(int variable, double code) const override;
  std::optional<std::string> ValueLongLabel(int variable, double code) const override;
  std::optional<std::string> ValueInDisplayFormat(int variable, double value) const override;
  std::vector<ValueLabel> ValueLabels(int variable) const override;
  bool IsTextCoded(int variable) const override;
  int FindVariable(const std::string& name) const override;
  bool HasCaseNames() const override;
  std::string CaseName(std::int64_t case_number) const override;
  bool WeightingOn() const override;
  double CaseWeight(std::int64_t case_number) override;
  bool OpenDataFileDialog() override;
  bool DefineSelectionCondition() override;
  bool DefineWeight() override;
  std::optional<double> AskNumber(const std::string& caption, const std::string& label,
                                  double initial) override;
  bool FileExists(const std::string& path) const override;
  bool WriteNewDataFile(const std::string& path, const NewDataFile& file) override;
  std::optional<std::string> AskSaveFileName(const std::string& purpose,
                                             const std::string& suggested) override;
  int ShowTable(const TableSpec& table) override;
  int ShowChart(const ChartSpec& chart) override;
  int ShowDiagram(const DiagramSpec& diagram) override;
  void WriteText(const std::string& line) override;
  bool AutoPrintOn() const override { return auto_print_; }
  int AutoPrintLevel() const override { return auto_print_level_; }
  void SetStatusText(const std::string& text) override;
  void ProgressStart(std::int64_t total, const std::string& caption) override;
  void ProgressStep(std::int64_t done) override;
  void ProgressStop() override;
  bool IsCancelled() override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question, bool default_answer) override;
  std::string ResourceString(int number) const override;
  std::optional<std::string> GetInitKeyword(const std::string& section,
                                            const std::string& key) const override;
  void PutInitKeyword(const std::string& section, const std::string& key,
                      const std::string& value) override;
  std::string RealToText(double value, int width, int decimals) const override;
  AxisScale ScaleAxis(double minimum, double maximum, int intervals) const override;
  std::chrono::system_clock::time_point Now() const override;
  bool RunningFromScript() const override { return options_.scripted; }
  // The desktop host's startup menus have no headless counterpart.
  void EnableStartupMenus(bool /*enabled*/) override {}

 private:
  void Notice(const std::string& text);
  void DrawProgress();

  HeadlessOptions options_;
  std::unique_ptr<data::DataSet> data_;
  std::optional<data::SelectionCondition> selection_;
  int weight_variable_ = 0;
  std::deque<bool> answers_;
  std::deque<std::optional<std::string>> file_names_;
  std::deque<std::optional<double>> numbers_;
  std::optional<std::chrono::system_clock::time_point> fixed_clock_;
  std::int64_t cancel_at_step_ = 0;
  bool cancelled_ = false;
  bool auto_print_ = false;
  int auto_print_level_ = 0;
  std::string status_text_;
  std::int64_t progress_total_ = 0;
  std::int64_t progress_done_ = 0;
  std::int64_t progress_percent_ = 0;  // of the bar as last drawn
  std::chrono::steady_clock::time_point progress_drawn_;
  std::string progress_caption_;
  std::vector<std::string> messages_;
  KeywordStore keywords_;
  OutputLog log_;

  void RecordSelectionAndWeight();
};

}  // namespace kpa::host
