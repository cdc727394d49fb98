#include "capability/model/percentile_indices.h"

#include <algorithm>
#include <cmath>

#include "shell/probability/normal.h"

namespace kpa::capability {
namespace {

std::optional<double> Ratio(double numerator, double denominator) {
  if (!(denominator != 0.0) || !std::isfinite(numerator / denominator)) return std::nullopt;
  return numerator / denominator;
}

}  // namespace

PercentileIndices ComputePercentileIndices(const SpecLimits& limits,
                                           const SpecLimits& spread_limits,
                                           const PercentilePoints& points) {
  PercentileIndices indices;
  if (limits.HasLower())
    indices.cpl = Ratio(points.median - limits.lower, points.median - points.lower);
  if (limits.HasUpper())
    indices.cpu = Ratio(limits.upper - points.median, points.upper - points.median);
  if (limits.TwoSided()) {
    indices.cp = Ratio(spread_limits.upper - spread_limits.lower, points.upper - points.lower);
    if (indices.cp) indices.cr = Ratio(1.0, *indices.cp);
    indices.k = Ratio(std::fabs(points.median - 0.5 * (limits.upper + limits.lower)),
                      0.5 * (limits.upper - limits.lower));
    if (indices.cpl && indices.cpu) indices.cpk = std::min(*indices.cpl, *indices.cpu);
  } else {
    indices.cpk = limits.HasLower() ? indices.cpl : indices.cpu;
  }
  return indices;
}

PercentileLevels LevelsOf(double k) {
  return {probability::NormalIntegral(-0.5 * k, false),
          probability::NormalIntegral(0.5 * k, false)};
}

}  // namespace kpa::capability
