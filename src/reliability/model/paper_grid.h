// The grid of Weibull probability paper: the failure percentages of its horizontal lines
// (a regular run and the optional extreme ends) and the times of its vertical lines. Every
// grid value is formed as first + k * step, never by accumulating steps, and values within
// a tolerance of each other count once.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

inline constexpr std::int64_t kMostTimeLines = 2000;

// The p of the horizontal lines in rising order: minimum_p + k step_p up to maximum_p (those
// strictly between 0 and 1), then with `extreme_ends` 0.01, 0.05, 0.1, 0.95, 0.99 and 0.999
// where no regular line stands.
[[nodiscard]] std::vector<double> ProbabilityLines(const shell::PaperSettings& options);

// The number of time lines offset + k step (k = 1, 2, ...) up to the maximum, in 64 bits;
// std::nullopt when the step is not positive.
[[nodiscard]] std::optional<std::int64_t> TimeLineCount(double offset, double maximum, double step);

// The times of the vertical lines, offset + k step up to the maximum; at most kMostTimeLines.
[[nodiscard]] std::vector<double> TimeLines(double offset, double maximum, double step);

}  // namespace kpa::reliability
