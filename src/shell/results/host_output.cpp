// Status, progress and message services on top of the current host; the status line and
// messages are written as a request writes them.
#include "shell/results/host_output.h"

#include <string>

#include "shell/analysis_support.h"
#include "shell/request/request.h"

namespace kpa::shell {
namespace {

std::int64_t g_progress_total = 0;  // 0: no progress display runs

}  // namespace

void ShowStatusText(int string_number) { Request(CurrentHost()).Status(string_number); }

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
  Request(CurrentHost()).MessageText(text, length);
}

void ShowOutOfMemory() { Request(CurrentHost()).OutOfMemory(); }

}  // namespace kpa::shell
