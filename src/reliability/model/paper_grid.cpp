#include "reliability/model/paper_grid.h"

#include <algorithm>
#include <cmath>

namespace kpa::reliability {
namespace {

// Two grid values this close (relative to the step) are one line.
constexpr double kRelativeTolerance = 1e-9;

constexpr double kExtremeEnds[] = {0.01, 0.05, 0.1, 0.95, 0.99, 0.999};

bool Near(double a, double b, double scale) {
  return std::fabs(a - b) <= kRelativeTolerance * std::max(scale, 1e-300);
}

}  // namespace

std::vector<double> ProbabilityLines(const shell::PaperSettings& o) {
  std::vector<double> lines;
  if (o.step_p > 0.0 && o.maximum_p >= o.minimum_p) {
    const double tolerance = kRelativeTolerance * o.step_p;
    const auto count =
        static_cast<std::int64_t>(std::floor((o.maximum_p - o.minimum_p) / o.step_p + 1e-9));
    for (std::int64_t k = 0; k <= count; ++k) {
      const double p = o.minimum_p + static_cast<double>(k) * o.step_p;
      if (p > o.maximum_p + tolerance) break;
      if (p > tolerance && p < 1.0 - tolerance) lines.push_back(p);
    }
  }
  if (o.extreme_ends) {
    const double scale = o.step_p > 0.0 ? o.step_p : 1.0;
    for (const double p : kExtremeEnds)
      if (std::none_of(lines.begin(), lines.end(), [&](double q) { return Near(p, q, scale); }))
        lines.push_back(p);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::optional<std::int64_t> TimeLineCount(double offset, double maximum, double step) {
  if (!(step > 0.0) || !std::isfinite(step)) return std::nullopt;
  const double count = std::floor((maximum - offset) / step + 1e-9);
  if (!(count >= 0.0)) return 0;
  if (count > 1e15) return static_cast<std::int64_t>(1e15);
  return static_cast<std::int64_t>(count);
}

std::vector<double> TimeLines(double offset, double maximum, double step) {
  std::vector<double> lines;
  const auto count = TimeLineCount(offset, maximum, step);
  if (!count) return lines;
  const std::int64_t n = std::min(*count, kMostTimeLines);
  for (std::int64_t k = 1; k <= n; ++k) lines.push_back(offset + static_cast<double>(k) * step);
  return lines;
}

}  // namespace kpa::reliability
