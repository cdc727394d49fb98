// Writes small SPSS and Stata files with ReadStat's writer, so that the readers are tested
// on files made at test time rather than on binary fixtures.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kpa::host::data::testing {

enum class StatFormat { kSav, kDta };

struct FixtureColumn {
  std::string name;
  std::string label;  // variable label; "" for none
  bool is_string = false;
  // One entry per case; std::nullopt writes a system-missing value (or an empty string).
  std::vector<std::optional<double>> numbers;
  std::vector<std::string> texts;
  std::vector<std::pair<double, std::string>> value_labels;
  std::optional<double> user_missing;  // SPSS only: a user-defined missing value
  char tagged_missing = 0;             // Stata only: cases with std::nullopt get .a etc.
  std::string format = {};             // display format ("%td", "DATE11"); "" for the default
};

// Writes `columns` to `path`; fails the current test (and returns false) on a writer error.
bool WriteStatFile(const std::string& path, StatFormat format,
                   const std::vector<FixtureColumn>& columns);

}  // namespace kpa::host::data::testing
