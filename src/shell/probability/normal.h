// The standard normal distribution: tail areas (AS 66) and percentage points (AS 111).
// Both are the low-accuracy published algorithms; see normal.cpp for their measured error.
#pragma once

#include <cstdint>

namespace kpa::probability {

// Upper tail P(Z > x) when `upper` is true, else the lower tail P(Z <= x), for Z standard
// normal. Beyond |x| = 7 (18.66 for an upper tail) the smaller tail is exactly 0, so
// NormalIntegral(7.5, false) == 1.0 exactly. NaN gives NaN.
[[nodiscard]] double NormalIntegral(double x, bool upper);

// Lower tail P(X <= x) for X normal with the given mean and standard deviation.
// Answers 0 when sigma <= 0 (or is NaN).
[[nodiscard]] double NormalCdf(double x, double mean, double sigma);

// Lower-tail percentage point: z with P(Z <= z) = p.
// fault: 0 success; 1 when p <= 0, p >= 1 or p is NaN, and the result is then 0.
[[nodiscard]] double NormalQuantile(double p, std::int16_t& fault);

}  // namespace kpa::probability
