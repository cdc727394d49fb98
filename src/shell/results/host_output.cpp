// Status, progress and message services on top of the current host.
#include "shell/results/host_output.h"

#include <string>

#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"

namespace kpa::shell {
namespace {

std::int64_t g_progress_total = 0;  // 0: no progress display runs

std::string FetchText(int string_number, int width) {
  const std::string text = CurrentHost().ResourceString(string_number);
  return std::string(TrimTrailingBlanks(FitText(text, width)));
}

}  // namespace

void ShowStatusText(int string_number) {
  CurrentHost().SetStatusText(FetchText(string_number, kStatusTextWidth));
}

void ShowBusyStatus() { ShowStatusText(kStringBusy); }

void ShowHelpStatus() { ShowStatusText(kStringHelpKey); }

void StartProgress(std::int64_t total, std::string_view caption) {
  StopProgress();
  CurrentHost().ProgressStart(total, std::string(caption));
  g_progress_total = total;
}

std::int64_t StepProgress(std::int64_t done) {
  if (g_progress_total == 0) return 0;
  CurrentHost().ProgressStep(done);
  if (done >= g_progress_total) {
    StopProgress();
    return 0;
  }
  return done;
}

void StopProgress() {
  if (g_progress_total == 0) return;
  CurrentHost().ProgressStop();
  g_progress_total = 0;
}

std::int64_t ProgressTotal() { return g_progress_total; }

void ShowMessage(std::string_view text, int length) {
  if (length <= 0) {
    CurrentHost().ShowMessage(std::string(text));
    return;
  }
  std::u32string chars = DecodeUtf8(text);
  if (chars.size() > static_cast<std::size_t>(length))
    chars.resize(static_cast<std::size_t>(length));
  CurrentHost().ShowMessage(EncodeUtf8(chars));
}

void ShowOutOfMemory() { ShowMessage(FetchText(kStringOutOfMemory, kMessageTextWidth)); }

}  // namespace kpa::shell
