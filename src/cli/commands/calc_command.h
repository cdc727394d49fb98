// `kpa calc`: one probability function evaluated from the library, the value alone on
// standard output, notes on standard error, optionally a one-row table in an output folder.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands/calc.h"

namespace kpa::cli {

int RunCalc(const std::vector<std::string>& arguments,
            const std::optional<std::filesystem::path>& out_folder, std::ostream& out,
            std::ostream& err);

}  // namespace kpa::cli
