// The stored table of the Mann-Scheuer-Fertig test: for each sample size n = 3..25 the
// expected spacings M_i of the standard smallest-extreme-value order statistics and the
// upper percentage points of the statistic S for each number of failures r = 3..n.
#pragma once

#include <array>
#include <optional>

namespace kpa::reliability {

inline constexpr int kMsfSmallestSize = 3;
inline constexpr int kMsfLargestSize = 25;

// The levels of the percentage points, in the order of MsfCriticalValues.
inline constexpr std::array<double, 6> kMsfLevels = {0.75, 0.80, 0.85, 0.90, 0.95, 0.99};

// M_i(n) = E[Z(i+1:n)] - E[Z(i:n)] for 1 <= i <= n - 1; std::nullopt outside the table.
[[nodiscard]] std::optional<double> MsfSpacing(int n, int i);

// The points of S at kMsfLevels for r failures among n, 3 <= r <= n; std::nullopt outside.
[[nodiscard]] std::optional<std::array<double, 6>> MsfCriticalValues(int n, int r);

}  // namespace kpa::reliability
