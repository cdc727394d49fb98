#include "shell/request/request.h"

#include <algorithm>

#include "shell/results/fixed_text.h"
#include "shell/results/host_output.h"
#include "shell/results/result_table.h"

namespace kpa::shell {
namespace {

// How many steps of a display the host hears of at most.
constexpr std::int64_t kProgressReports = 1000;

std::string Fitted(const std::string& text, int width) {
  return std::string(TrimTrailingBlanks(FitText(text, width)));
}

}  // namespace

Request::~Request() {
  try {
    ProgressStop();
    if (cancelled_) Message(kStringRequestCancelled);
  } catch (...) {  // a destructor reports what it can and never throws
  }
}

bool Request::Shown(bool shown, const std::vector<std::string>& title) {
  if (shown && shown_ != nullptr)
    shown_->emplace_back(title.empty() ? std::string() : std::string(TrimBlanks(title.front())));
  return shown;
}

bool Request::Show(const ResultTable& table) {
  if (!table.IsAllocated()) return false;
  const host::TableSpec spec = MakeTableSpec(table);
  return Shown(host_.ShowTable(spec) == host::kOutputShown, spec.title);
}

bool Request::Show(const host::ChartSpec& chart) {
  return Shown(host_.ShowChart(chart) == host::kOutputShown, chart.title);
}

bool Request::Show(const host::DiagramSpec& diagram) {
  std::vector<std::string> title;
  for (const auto& line : diagram.title)
    if (!TrimBlanks(line.text).empty()) title.push_back(line.text);
  return Shown(host_.ShowDiagram(diagram) == host::kOutputShown, title);
}

void Request::Status(int string_number) {
  host_.SetStatusText(Fitted(Text(string_number), kStatusTextWidth));
}

void Request::Message(int string_number) { MessageText(Text(string_number)); }

void Request::MessageText(std::string_view text, int length) {
  if (length <= 0) {
    host_.ShowMessage(std::string(text));
    return;
  }
  std::u32string chars = DecodeUtf8(text);
  if (chars.size() > static_cast<std::size_t>(length))
    chars.resize(static_cast<std::size_t>(length));
  host_.ShowMessage(EncodeUtf8(chars));
}

void Request::OutOfMemory() { MessageText(Fitted(Text(kStringOutOfMemory), kMessageTextWidth)); }

void Request::ProgressStart(std::int64_t total, std::string_view caption) {
  ProgressStop();
  host_.ProgressStart(total, std::string(caption));
  progress_total_ = total;
  next_progress_report_ = 0;
  cancel_poll_due_ = true;
}

void Request::ReportProgress(std::int64_t done) {
  host_.ProgressStep(done);
  next_progress_report_ = done + std::max<std::int64_t>(progress_total_ / kProgressReports, 1);
  cancel_poll_due_ = true;
  if (done >= progress_total_) ProgressStop();
}

void Request::ProgressStop() {
  if (progress_total_ == 0) return;
  host_.ProgressStop();
  progress_total_ = 0;
}

bool Request::PollCancel() {
  cancel_poll_due_ = false;
  cancelled_ = host_.IsCancelled();
  return cancelled_;
}

std::int64_t Request::ClockSecond() const {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(host_.Now().time_since_epoch()).count();
  return ((seconds % 60) + 60) % 60;
}

}  // namespace kpa::shell
