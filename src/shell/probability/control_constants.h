// Control-chart constants for within-sample dispersion: c4(n), the bias factor of the
// sample standard deviation, and d2(n), the mean range of n standard normal values.
#pragma once

namespace kpa::probability {

// c4(n) = sqrt(2/(n - 1)) Gamma(n/2) / Gamma((n - 1)/2), for real n (mean sample sizes are
// passed). For n >= 70 the approximation 4(n - 1)/(4n - 3) is used (exactly 276/277 at 70);
// below it the gamma ratio from `LogGamma` (error about 2e-10). Answers kErrorSentinel when
// n <= 1 or n is NaN.
[[nodiscard]] double C4(double n);

// First and last sample size of the d2 table.
inline constexpr int kD2FirstSize = 2;
inline constexpr int kD2LastSize = 25;

// d2(n) from a fixed ten-digit table for n = 2..25; kErrorSentinel for any other n (there is
// no entry beyond 25).
[[nodiscard]] double D2(int n);

}  // namespace kpa::probability
