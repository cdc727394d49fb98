// Chi-square and F distributions: upper-tail probabilities and percentage points.
// All probabilities here are upper tails unless a name says otherwise.
#pragma once

#include <cstdint>

namespace kpa::probability {

// Upper tail P(F(df1, df2) > f). Both degrees of freedom are rounded to the nearest whole
// number (halves upwards). Answers 1.0 when f <= 0, a rounded df is below 1, or an argument
// is NaN; a probability below 1e-30 is returned as exactly 0. Accuracy: that of
// `IncompleteBeta`, about 3e-7 relative.
[[nodiscard]] double FTailProbability(double df1, double df2, double f);

// Upper tail P(chi-square(df) > x), as the F tail of x/df with df and 32000 degrees of
// freedom (32000 standing for an infinite denominator). That substitution dominates the
// error: below 5e-4 absolute for df <= 100 and tails >= 1e-3, but the relative error of far
// tails grows with df (0.5 at df = 1000, tail 1e-6). Answers 1.0 when df < 1, x <= 0 or an
// argument is NaN.
[[nodiscard]] double ChiSquareTailProbability(double x, double df);

// AS 91: lower-tail percentage point x with P(chi-square(v) <= x) = p, given
// g = ln Gamma(v/2). This is the published routine; most callers want `ChiSquareQuantile`.
// fault: 0 success; 1 when p is outside [2e-6, 0.999998]; 2 when v <= 0; 3 when
// `IncompleteGamma` faulted; 4 when the Taylor iteration has not settled in
// kChiSquarePercentagePointMaxIterations steps. The result is -1 on faults 1 and 2 and the
// current iterate on faults 3 and 4.
[[nodiscard]] double ChiSquarePercentagePoint(double p, double v, double g, std::int16_t& fault);
inline constexpr int kChiSquarePercentagePointMaxIterations = 20;

// Upper-tail percentage point: x with P(chi-square(df) > x) = p. The lower-tail
// probability 1 - p is clamped into [2e-6, 0.999998] before AS 91 sees it, so p = 0 or 1
// still gives a finite point. Answers 0 whenever AS 91 reports a fault (df <= 0 included).
// Accuracy: relative error below 1e-8 for df from 0.3 to 10000 and every upper tail down to
// the clamp (set by the 1e-8 accuracy of `IncompleteGamma`).
[[nodiscard]] double ChiSquareQuantile(double p, double df);

// Upper-tail percentage point: f with P(F(df1, df2) > f) = p, through `BetaQuantile`.
// Answers 0 when p is outside (0, 1), df1 < 1, df2 <= 0, or the beta percentage point
// faults or is 0. Accuracy: relative error below 1e-7 for df2 <= 2 down to p = 1e-6 and for
// df2 <= 1000 with p >= 1e-3 (largest, 6e-7, for large df2 where the beta point nears 1;
// see `BetaQuantile`).
[[nodiscard]] double FQuantile(double p, double df1, double df2);

}  // namespace kpa::probability
