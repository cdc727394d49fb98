// The door from a procedure to its host for one request. A dialog makes one `Request` per
// button press (or per initialisation) and hands it down; everything the request does on
// the host goes through it: texts and names, tables and charts, the status line, messages,
// the progress display and the cancel test. Procedure code never reaches the host by any
// other road.
//
// Cancel has one meaning everywhere: once the host says the work was stopped, `Cancelled`
// stays true for the rest of the request, the computation returns without output, and the
// request reports the cancel once, when it ends (string 32069).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/host.h"
#include "resources/ids/shell_ids.h"

namespace kpa::shell {

class ResultTable;
struct CaseLoop;
struct CaseView;
enum class CaseAction;
enum class CaseLoopEnd;
class CaseBlocks;

class Request {
 public:
  explicit Request(host::Host& host) : host_(host) {}
  // A request whose shown outputs are named, by their first title line, in `shown` (the
  // dialog that pressed the button keeps them for whoever pressed it).
  Request(host::Host& host, std::vector<std::string>& shown) : host_(host), shown_(&shown) {}
  ~Request();
  Request(const Request&) = delete;
  Request& operator=(const Request&) = delete;

  // --- Texts and the data file's description.
  std::string Text(int string_number) const { return host_.ResourceString(string_number); }
  std::string VariableName(int variable) const { return host_.VariableName(variable); }
  std::optional<std::string> VariableLongName(int variable) const {
    return host_.VariableLongName(variable);
  }
  std::vector<host::ValueLabel> ValueLabels(int variable) const {
    return host_.ValueLabels(variable);
  }
  std::optional<std::string> ValueLabelText(int variable, double code) const {
    return host_.ValueLabelText(variable, code);
  }
  std::optional<std::string> ValueLongLabel(int variable, double code) const {
    return host_.ValueLongLabel(variable, code);
  }
  std::optional<std::string> ValueInDisplayFormat(int variable, double value) const {
    return host_.ValueInDisplayFormat(variable, value);
  }
  int VariableCount() const { return host_.VariableCount(); }
  std::int64_t CaseCount() const { return host_.CaseCount(); }
  bool HasCaseNames() const { return host_.HasCaseNames(); }
  std::string CaseName(std::int64_t case_number) const { return host_.CaseName(case_number); }
  std::string RealToText(double value, int width, int decimals) const {
    return host_.RealToText(value, width, decimals);
  }
  host::AxisScale ScaleAxis(double minimum, double maximum, int intervals) const {
    return host_.ScaleAxis(minimum, maximum, intervals);
  }
  bool RunningFromScript() const { return host_.RunningFromScript(); }
  // The second (0 to 59) of the host's wall clock.
  std::int64_t ClockSecond() const;

  // --- Output. Each answers true when the host showed it.
  bool Show(const ResultTable& table);
  bool Show(const host::ChartSpec& chart);
  bool Show(const host::DiagramSpec& diagram);
  void WriteText(const std::string& line) { host_.WriteText(line); }
  bool AutoPrintOn() const { return host_.AutoPrintOn(); }
  int AutoPrintLevel() const { return host_.AutoPrintLevel(); }

  // --- Status line (cut to 80 characters) and messages.
  void Status(int string_number);
  void StatusText(const std::string& text) { host_.SetStatusText(text); }
  void Message(int string_number);
  // The first `length` characters of `text`, all of it for 0.
  void MessageText(std::string_view text, int length = 0);
  void OutOfMemory();  // message 14399
  std::optional<double> AskNumber(const std::string& caption, const std::string& label,
                                  double initial) {
    return host_.AskNumber(caption, label, initial);
  }
  bool AskYesNo(const std::string& question, bool default_answer) {
    return host_.AskYesNo(question, default_answer);
  }

  // --- New data files: the name asked for, whether it exists, the file written.
  std::optional<std::string> AskSaveFileName(const std::string& purpose,
                                             const std::string& suggested) {
    return host_.AskSaveFileName(purpose, suggested);
  }
  bool FileExists(const std::string& path) const { return host_.FileExists(path); }
  bool WriteNewDataFile(const std::string& path, const host::NewDataFile& file) {
    return host_.WriteNewDataFile(path, file);
  }

  // --- Progress display and cancel. Starting a display stops a running one; one that
  // reaches its total stops by itself; the request stops it when it ends. While a display
  // runs, the host hears of every thousandth of its total (and of its end), which is finer
  // than any bar shows, and is asked about cancelling once per step it heard of; a loop
  // over a large file thus costs the host a thousand calls, not one per case.
  void ProgressStart(std::int64_t total, std::string_view caption);
  void ProgressStep(std::int64_t done) {
    if (progress_total_ != 0 && (done >= next_progress_report_ || done >= progress_total_))
      ReportProgress(done);
  }
  void ProgressStop();
  // Whether the user stopped the work; true from then on.
  bool Cancelled() {
    if (cancelled_) return true;
    if (progress_total_ != 0 && !cancel_poll_due_) return false;
    return PollCancel();
  }
  bool WasCancelled() const { return cancelled_; }

  // Missing-data code of a variable, for procedures that show or compare it.
  double MissingCode(int variable) const { return host_.MissingCode(variable); }

 private:
  // The data themselves are read through the case loop.
  friend class CaseBlocks;

  bool Shown(bool shown, const std::vector<std::string>& title);
  void ReportProgress(std::int64_t done);
  bool PollCancel();

  host::Host& host_;
  std::vector<std::string>* shown_ = nullptr;
  std::int64_t progress_total_ = 0;  // 0: no display runs
  std::int64_t next_progress_report_ = 0;
  bool cancel_poll_due_ = true;  // the host has not been asked since the last step it heard of
  bool cancelled_ = false;
};

}  // namespace kpa::shell
