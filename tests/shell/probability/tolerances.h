// Measured error of each probability routine, as named constants. Each was measured once
// against Boost.Math over the grid of the test that uses it; tests allow a few times the
// measured value, never machine epsilon, because several algorithms are low-accuracy by
// design (AS 66, AS 111, a six-term Lanczos series, a 3e-7 continued fraction).
#pragma once

namespace kpa::probability::testing {

// AS 66, |x| <= 1.28 rational branch: 1.3e-8 absolute (largest at the switch).
inline constexpr double kNormalIntegralAbs = 1.3e-8;
// AS 66 continued fraction, relative error of the smaller tail for 1.28 < x <= 18.66: 4.2e-11.
inline constexpr double kNormalIntegralTailRel = 4.2e-11;
// AS 111 for 0.01 <= p <= 0.99: 3.4e-9 absolute.
inline constexpr double kNormalQuantileAbs = 3.4e-9;
// Lanczos (6 terms), 0.01 <= x <= 100: 2.1e-10 absolute.
inline constexpr double kLogGammaAbs = 2.1e-10;
// ALOGAM, 0.01 <= x <= 100: 2.5e-11 absolute.
inline constexpr double kLogGammaStirlingAbs = 2.5e-11;
// betacf continued fraction (3e-7 stopping rule), a, b <= 50: 8.1e-9 absolute.
inline constexpr double kIncompleteBetaAbs = 8.1e-9;
// AS 63 (ACU 1e-9) with LogBeta from the Lanczos series, a, b <= 50: 2.5e-8 absolute.
inline constexpr double kIncompleteBetaRatioAbs = 2.5e-8;
// AS 32 series (1e-6 stopping rule), p <= 100: 3.7e-6 absolute.
inline constexpr double kIncompleteGammaSeriesAbs = 3.7e-6;
// AS 32 with both branches (ACU 1e-8), p <= 5000: 1.9e-9 absolute.
inline constexpr double kIncompleteGammaAbs = 1.9e-9;
// The same, upper tail 1 - P where it lies in [1e-6, 0.5]: 1.4e-8 relative.
inline constexpr double kIncompleteGammaUpperTailRel = 1.4e-8;
// F tail through betacf, df <= 30/100, tails >= 1e-6: 1.2e-7 relative.
inline constexpr double kFTailRel = 1.2e-7;
// Chi-square tail against the true chi-square, df <= 100, tails >= 1e-3: 4.5e-4 absolute
// (the 32000-df denominator, not the arithmetic).
inline constexpr double kChiSquareTailAbs = 4.5e-4;
// AS 91 with both branches of AS 32, df 0.3 to 10000, upper tails from the 2e-6 clamp up:
// 9.4e-9 relative (largest at df = 1, tails near 0.1; below 1e-3 it is 1.4e-10).
inline constexpr double kChiSquareQuantileRel = 9.4e-9;
// AS 109 with AS R83's accuracy, a, b <= 50, alpha 0.02 to 0.98: 9.9e-10 absolute.
inline constexpr double kBetaQuantileAbs = 9.9e-10;
// The same for quantiles below 1e-4 or above 1 - 1e-4, relative to the smaller of x and
// 1 - x, a, b from 0.2 to 50, alpha down to 1e-9: 2.9e-10.
inline constexpr double kBetaQuantileTailRel = 2.9e-10;
// F percentage point, df2 >= 1, p >= 1e-6 (>= 1e-3 when df2 > 2): 6.1e-7 relative (at
// df2 = 1000, df1 = 1, where x is near 1 - 1e-3 and the errors of AS 63 and of the Lanczos
// ln B, near 1e-9 in I_x, move x by about 8e-10).
inline constexpr double kFQuantileRel = 6.1e-7;
// AS 76 for |a| <= 1: 2.4e-8 absolute.
inline constexpr double kOwenTAbs = 2.4e-8;
// AS 5 exact series with even df (no Owen T term): 7.7e-9 absolute.
inline constexpr double kNoncentralTEvenAbs = 7.7e-9;
// AS 5 normal approximation, df > 100: 9.3e-3 absolute (at df = 101, delta = 5).
inline constexpr double kNoncentralTNormalAbs = 9.3e-3;
// c4 below 70 through the Lanczos series: 2.1e-11 absolute.
inline constexpr double kC4Abs = 2.1e-11;

// Allowance over a measured error.
inline constexpr double kMargin = 4.0;

}  // namespace kpa::probability::testing
