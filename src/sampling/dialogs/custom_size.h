// The custom sample size: its check, and the modal dialog (template 3127) that asks for it
// through the host. The dialog stays open on a refused value, so it asks again.
#pragma once

#include <optional>

#include "shell/request/request.h"

namespace kpa::sampling {

inline constexpr double kMinCustomSize = 1.0;
inline constexpr double kMaxCustomSize = 99999999.0;
// A host that keeps answering with refused values gets this many tries before the dialog
// counts as cancelled (the desktop host would keep it open until the user gives up).
inline constexpr int kMaxCustomSizeTries = 20;

// The string number of the message refusing `n`, or nothing.
std::optional<int> CheckCustomSize(double n);

// Opens the modal dialog on `current`; the accepted size, or nothing when cancelled.
std::optional<double> AskCustomSize(shell::Request& request, double current);

}  // namespace kpa::sampling
