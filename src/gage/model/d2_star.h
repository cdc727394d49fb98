// d2*(m, g): the mean range of m normal values divided by sigma, corrected for averaging g
// such ranges (Duncan 1974, Table D3; the gage R&R table of the AIAG MSA manual), for
// subgroup sizes m = 2..15 and g = 1..15; the last row serves every g of 16 or more.
// Values as published, in single precision: the m = 4 column is not monotone in g (2.09 at
// g = 9..11 after 2.08 at g = 8); it is kept as it stands.
#pragma once

#include <cstdint>

namespace kpa::gage {

inline constexpr int kD2StarFirstSize = 2;
inline constexpr int kD2StarLastSize = 15;

// m must lie in 2..15; g below 1 counts as 1, above 15 as 16.
double D2Star(std::int64_t m, std::int64_t g);

}  // namespace kpa::gage
