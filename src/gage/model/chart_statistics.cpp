#include "gage/model/chart_statistics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "gage/model/running_statistics.h"
#include "shell/probability/control_constants.h"

namespace kpa::gage {
namespace {

constexpr std::array<double, 24> kD3 = {
    0.8525, 0.8884, 0.8798, 0.8641, 0.8480, 0.8332, 0.8198, 0.8078, 0.7971, 0.7873, 0.7785, 0.7704,
    0.7630, 0.7562, 0.7499, 0.7441, 0.7386, 0.7335, 0.7287, 0.7242, 0.7199, 0.7159, 0.7121, 0.7084};
constexpr std::int64_t kLastRangeLimits = 25;
constexpr std::int64_t kLastSigmaLimits = 70;

double MeanOf(const std::vector<CellStatistics>& cells, double CellStatistics::*member) {
  double mean = 0.0;
  std::int64_t n = 0;
  for (const CellStatistics& cell : cells) mean += (cell.*member - mean) / static_cast<double>(++n);
  return mean;
}

void SetLimits(ControlLimits& limits) {
  limits.upper = limits.centre + 3.0 * limits.sigma;
  limits.lower = std::max(limits.centre - 3.0 * limits.sigma, 0.0);
}

// The median of sorted values[first, first + count).
double MedianOf(const std::vector<double>& values, std::size_t first, std::size_t count) {
  const std::size_t middle = first + count / 2;
  return count % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

}  // namespace

std::vector<CellStatistics> CellsOf(const Study& study, bool by_operator) {
  const StudySize& s = study.size;
  std::vector<CellStatistics> cells;
  cells.reserve(static_cast<std::size_t>(s.operators * s.parts));
  const std::int64_t outer = by_operator ? s.operators : s.parts;
  const std::int64_t inner = by_operator ? s.parts : s.operators;
  for (std::int64_t a = 0; a < outer; ++a)
    for (std::int64_t b = 0; b < inner; ++b) {
      const std::int64_t o = by_operator ? a : b;
      const std::int64_t p = by_operator ? b : a;
      RunningStatistics trials;
      for (std::int64_t t = 0; t < s.trials; ++t) trials.Add(study.At(o, p, t));
      cells.push_back({trials.mean, trials.Range(), trials.Sd()});
    }
  return cells;
}

double D3(std::int64_t n) {
  if (n < 2 || n > kLastRangeLimits) return 0.0;
  return kD3[static_cast<std::size_t>(n - 2)];
}

ControlLimits RangeChartLimits(const std::vector<CellStatistics>& cells, std::int64_t trials) {
  ControlLimits limits;
  limits.centre = MeanOf(cells, &CellStatistics::range);
  if (trials >= 2 && trials <= kLastRangeLimits) {
    limits.sigma = D3(trials) * limits.centre / probability::D2(static_cast<int>(trials));
    SetLimits(limits);
  }
  return limits;
}

ControlLimits SigmaChartLimits(const std::vector<CellStatistics>& cells, std::int64_t trials) {
  ControlLimits limits;
  limits.centre = MeanOf(cells, &CellStatistics::sd);
  if (trials >= 2) {
    const double c4 = probability::C4(static_cast<double>(trials));
    limits.sigma = limits.centre / c4 * std::sqrt(1.0 - c4 * c4);
    if (trials <= kLastSigmaLimits) SetLimits(limits);
  }
  return limits;
}

FiveNumbers TukeyFiveNumbers(std::vector<double> values) {
  FiveNumbers five;
  if (values.empty()) return five;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const std::size_t half = (n + 1) / 2;  // each half, with the median when n is odd
  five.minimum = values.front();
  five.maximum = values.back();
  five.median = MedianOf(values, 0, n);
  five.lower_hinge = MedianOf(values, 0, half);
  five.upper_hinge = MedianOf(values, n - half, half);
  return five;
}

}  // namespace kpa::gage
