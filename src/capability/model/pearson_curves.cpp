#include "capability/model/pearson_curves.h"

#include <cmath>
#include <cstddef>

namespace kpa::capability {
namespace {

constexpr int kPages = 3;
constexpr int kRows = 69;     // g2 + 2 = (row + 2) * 0.2, row 1..69
constexpr int kColumns = 21;  // |g1| = (column - 1) * 0.1, column 1..21
constexpr double kRemainder = 1e-5;

// Page 1: the point on the side of the short tail; page 2: on the side of the long tail;
// page 3: the distance of the median from the mean.
constexpr float kTable[kPages][kRows][kColumns] = {
#include "capability/model/pearson_table_data.inc"
};

// The two table positions (1-based) that bracket a coordinate, and the weight of the upper.
struct Bracket {
  int low = 0;
  int high = 0;
  double weight = 0.0;
};
Bracket BracketOf(double coordinate) {
  Bracket b;
  b.low = static_cast<int>(std::floor(coordinate));
  b.weight = coordinate - b.low;
  b.high = b.weight > kRemainder ? b.low + 1 : b.low;
  return b;
}

double Entry(int page, int row, int column) {
  return kTable[page][static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

}  // namespace

std::optional<double> PearsonStandardPercentile(double skewness, double kurtosis, double z) {
  if (!std::isfinite(skewness) || !std::isfinite(kurtosis)) return std::nullopt;
  int page = 2;
  if (z == 0.0)
    page = 3;
  else if ((z < 0.0 && skewness >= 0.0) || (z > 0.0 && skewness < 0.0))
    page = 1;
  const Bracket column = BracketOf(std::fabs(skewness) * 10.0 + 1.0);
  const Bracket row = BracketOf((kurtosis + 2.0) * 10.0 / 2.0 - 2.0);
  if (column.low < 1 || column.high > kColumns || row.low < 1 || row.high > kRows)
    return std::nullopt;
  const int p = page - 1;
  // A zero entry is a moment pair without a curve, except the median of zero skewness.
  for (const int r : {row.low, row.high})
    for (const int c : {column.low, column.high})
      if (Entry(p, r, c) == 0.0 && !(page == 3 && c == 1)) return std::nullopt;
  const auto across = [&](int r) {
    return Entry(p, r, column.low) +
           column.weight * (Entry(p, r, column.high) - Entry(p, r, column.low));
  };
  const double value = across(row.low) + row.weight * (across(row.high) - across(row.low));
  if (page == 3) return skewness > 0.0 ? -value : value;
  return z < 0.0 ? -value : value;
}

}  // namespace kpa::capability
