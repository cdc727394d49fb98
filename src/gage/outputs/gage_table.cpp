#include "gage/outputs/gage_table.h"

#include <cmath>

#include "host/api/special_values.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {

std::string TitleNumber(double value) { return shell::SignificantText(value, 5); }

std::string Labelled(std::string_view label, double value) {
  return std::string(shell::TrimBlanks(label)) + TitleNumber(value);
}

std::string CountsLine(std::string_view pattern, const StudySize& size) {
  const auto right4 = [](std::int64_t count) {
    const std::string text = std::to_string(count);
    return text.size() < 4 ? std::string(4 - text.size(), ' ') + text : text;
  };
  const std::string counts[] = {right4(size.operators), right4(size.parts), right4(size.trials)};
  return shell::FillAfterMarks(pattern, ':', counts);
}

}  // namespace kpa::gage
