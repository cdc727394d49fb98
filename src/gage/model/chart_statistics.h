// The statistics the gage charts draw: per operator-and-part cell the range, standard
// deviation and mean of its trials, the control limits of range and sigma charts, and the
// five-number summary of a box plot (Tukey's hinges).
#pragma once

#include <optional>
#include <vector>

#include "gage/model/layout.h"

namespace kpa::gage {

// The most operator-and-part cells a chart holds.
inline constexpr std::int64_t kMaxChartCells = 1800;

struct CellStatistics {
  double mean = 0.0;
  double range = 0.0;
  double sd = 0.0;  // divisor T - 1; 0 with one trial
};

// Cells operator by operator with the parts inside (`by_operator`), or part by part with
// the operators inside.
std::vector<CellStatistics> CellsOf(const Study& study, bool by_operator);

struct ControlLimits {
  double centre = 0.0;
  double sigma = 0.0;           // of the plotted statistic
  std::optional<double> lower;  // never below 0: a range or a deviation is not negative
  std::optional<double> upper;
};

// Range chart: R-bar, sigma_R = d3(T)·R-bar/d2(T), limits R-bar ± 3 sigma_R for T <= 25.
ControlLimits RangeChartLimits(const std::vector<CellStatistics>& cells, std::int64_t trials);
// Sigma chart: S-bar, sigma_S = (S-bar/c4(T))·sqrt(1 - c4(T)^2), limits for T <= 70.
ControlLimits SigmaChartLimits(const std::vector<CellStatistics>& cells, std::int64_t trials);

// d3(n), the standard deviation of the range of n standard normal values, for n = 2..25
// (ASTM Manual on Presentation of Data and Control Chart Analysis, Table 49).
double D3(std::int64_t n);

struct FiveNumbers {
  double minimum = 0.0;
  double lower_hinge = 0.0;
  double median = 0.0;
  double upper_hinge = 0.0;
  double maximum = 0.0;
};

// Tukey's five-number summary (Tukey 1977): the hinges are the medians of the lower and
// upper halves, each half including the median when the count is odd.
FiveNumbers TukeyFiveNumbers(std::vector<double> values);

}  // namespace kpa::gage
