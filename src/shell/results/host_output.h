// Status line, progress display and messages, as every computation uses them around its
// output. Texts are resource strings fetched from the current host by number.
#pragma once

#include <cstdint>
#include <string_view>

#include "resources/ids/shell_ids.h"
namespace kpa::shell {

inline constexpr int kStatusTextWidth = 80;    // characters of a status text
inline constexpr int kMessageTextWidth = 256;  // characters of a fetched message

// Shows resource string `string_number`, cut to 80 characters, in the host's status line.
void ShowStatusText(int string_number);
void ShowBusyStatus();  // 14165, before a computation
void ShowHelpStatus();  // 14166, after it

// Starts the progress display for `total` steps, stopping a running one first.
void StartProgress(std::int64_t total, std::string_view caption);
// Reports `done` steps. When `done` reaches the total the display stops by itself. Returns
// `done`, or 0 when the display stopped or none was running (nothing is reported then).
std::int64_t StepProgress(std::int64_t done);
// Stops a running display; does nothing when none runs.
void StopProgress();
// The total of the running display; 0 when none runs.
std::int64_t ProgressTotal();

// Shows a message to the user: the first `length` characters of `text`, all of it for 0.
void ShowMessage(std::string_view text, int length = 0);
// Shows message 14399 (cut to 256 characters).
void ShowOutOfMemory();

}  // namespace kpa::shell
