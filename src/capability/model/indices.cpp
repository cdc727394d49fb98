#include "capability/model/indices.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/probability/normal.h"
#include "shell/probability/selection.h"

namespace kpa::capability {

NormalIndices ComputeNormalIndices(const SpecLimits& limits, double mu, double sigma, double k,
                                   std::optional<double> tau) {
  NormalIndices indices;
  if (!(sigma > 0.0) || !(k > 0.0)) return indices;
  const double c = k / 2.0;
  if (limits.HasLower()) indices.cpl = (mu - limits.lower) / (c * sigma);
  if (limits.HasUpper()) indices.cpu = (limits.upper - mu) / (c * sigma);
  if (!limits.TwoSided()) {
    indices.cpk = limits.HasLower() ? indices.cpl : indices.cpu;
    return indices;
  }
  const double width = limits.upper - limits.lower;
  indices.cp = width / (k * sigma);
  indices.cr = 1.0 / *indices.cp;
  indices.cpk = std::min(*indices.cpl, *indices.cpu);
  indices.k = std::fabs(mu - (limits.upper + limits.lower) / 2.0) / (width / 2.0);
  if (tau && *tau > 0.0) indices.cpm = width / (k * *tau);
  return indices;
}

std::optional<double> TargetDeviation(std::span<const double> observations, double target) {
  if (observations.size() < 2) return std::nullopt;
  double sum = 0.0;
  for (const double x : observations) sum += (x - target) * (x - target);
  return std::sqrt(sum / static_cast<double>(observations.size() - 1));
}

SigmaLimitValues SigmaLimitsOf(const SpecLimits& limits, double mu, double sigma, double k) {
  SigmaLimitValues values;
  values.c = k / 2.0;
  if (limits.HasLower()) values.lower = mu - values.c * sigma;
  if (limits.HasUpper()) values.upper = mu + values.c * sigma;
  return values;
}

BeyondCounts CountBeyondSpecifications(std::span<const double> observations,
                                       const SpecLimits& limits, double mu, double sigma) {
  BeyondCounts counts;
  counts.n = static_cast<double>(observations.size());
  if (limits.HasUpper()) {
    counts.observed_above = static_cast<double>(std::count_if(
        observations.begin(), observations.end(), [&](double x) { return x > limits.upper; }));
    if (sigma > 0.0)
      counts.expected_above =
          counts.n * probability::NormalIntegral((limits.upper - mu) / sigma, true);
  }
  if (limits.HasLower()) {
    counts.observed_below = static_cast<double>(std::count_if(
        observations.begin(), observations.end(), [&](double x) { return x < limits.lower; }));
    if (sigma > 0.0)
      counts.expected_below =
          counts.n * probability::NormalIntegral((limits.lower - mu) / sigma, false);
  }
  return counts;
}

Quartiles QuartilesOfSorted(std::span<const double> sorted) {
  Quartiles result;
  const std::size_t n = sorted.size();
  if (n == 0) return result;
  const auto x = [&](std::size_t one_based) { return sorted[one_based - 1]; };
  result.median = n % 2 == 1 ? x(n / 2 + 1) : (x(n / 2) + x(n / 2 + 1)) / 2.0;
  const std::size_t i = n / 4;
  if (n % 4 == 0) {
    result.q1 = (x(i) + x(i + 1)) / 2.0;
    result.q3 = (x(n - i) + x(n - i + 1)) / 2.0;
  } else {
    result.q1 = x(i + 1);
    result.q3 = x(n - i);
  }
  return result;
}

Quartiles QuartilesBySelection(std::span<double> values) {
  const std::size_t n = values.size();
  if (n == 0) return {};
  // The 1-based positions QuartilesOfSorted reads, in ascending order.
  const std::size_t i = n / 4;
  std::vector<std::size_t> positions = n % 4 == 0
                                           ? std::vector<std::size_t>{i, i + 1, n - i, n - i + 1}
                                           : std::vector<std::size_t>{i + 1, n - i};
  positions.push_back(n % 2 == 1 ? n / 2 + 1 : n / 2);
  positions.push_back(n / 2 + 1);
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  for (std::size_t& position : positions) --position;  // 0-based
  probability::SelectOrderStatistics(values, positions);
  return QuartilesOfSorted(values);
}

}  // namespace kpa::capability
