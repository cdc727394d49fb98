// The values come from tools/mann_scheuer_fertig_table.cpp: exact expected spacings and
// Monte Carlo percentage points (10^6 samples per n), so every (n, r) of the test has its
// row and no lookup reads past one.
#include "reliability/model/msf_table.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace kpa::reliability {
namespace {

constexpr int kMostSpacings = kMsfLargestSize - 1;
constexpr int kMostFailureCounts = kMsfLargestSize - kMsfSmallestSize + 1;

// Plain arrays, so the generated rows can be brace-initialised as they are printed.
struct SizeRow {
  int n;
  double spacings[kMostSpacings];          // i = 1..n-1
  double critical[kMostFailureCounts][6];  // r = 3..n
};

constexpr SizeRow kTable[] = {
#include "reliability/model/msf_table_data.inc"
};

static_assert(std::size(kTable) == kMsfLargestSize - kMsfSmallestSize + 1);

const SizeRow* RowOf(int n) {
  if (n < kMsfSmallestSize || n > kMsfLargestSize) return nullptr;
  const SizeRow& row = kTable[static_cast<std::size_t>(n - kMsfSmallestSize)];
  return row.n == n ? &row : nullptr;
}

}  // namespace

std::optional<double> MsfSpacing(int n, int i) {
  const SizeRow* row = RowOf(n);
  if (row == nullptr || i < 1 || i > n - 1) return std::nullopt;
  return row->spacings[static_cast<std::size_t>(i - 1)];
}

std::optional<std::array<double, 6>> MsfCriticalValues(int n, int r) {
  const SizeRow* row = RowOf(n);
  if (row == nullptr || r < kMsfSmallestSize || r > n) return std::nullopt;
  const auto& points = row->critical[static_cast<std::size_t>(r - kMsfSmallestSize)];
  std::array<double, 6> values{};
  std::copy(std::begin(points), std::end(points), values.begin());
  return values;
}

}  // namespace kpa::reliability
