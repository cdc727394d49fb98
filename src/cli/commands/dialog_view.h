// The text view of an open dialog for the interactive shell: caption, tabs and every
// control with its identifier, caption, kind, value and state.
#pragma once

#include <string>

#include "host/api/host.h"
#include "shell/dialogs/dialog.h"

namespace kpa::cli {

std::string DescribeDialog(const shell::CAnalysisModelessDialog& dialog,
                           const std::string& interface_name, const host::Host& host);

}  // namespace kpa::cli
