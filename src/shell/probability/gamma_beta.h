// Log-gamma, log-beta and the incomplete gamma and beta functions, with the beta percentage
// point. Two incomplete betas live here on purpose: `IncompleteBeta` (continued fraction,
// 3e-7) serves the F and chi-square tails, `IncompleteBetaRatio` (AS 63, 1e-9) serves
// `BetaQuantile` (AS 109).
#pragma once

#include <cstdint>

namespace kpa::probability {

// ln Gamma(x) by the six-term Lanczos series; absolute error about 2e-10 for x > 0.
// Answers kErrorSentinel when x <= 0 or x is NaN.
[[nodiscard]] double LogGamma(double x);

// ln Gamma(x) by the Stirling series after raising x to at least 7 (ALOGAM).
// Answers kErrorSentinel when x <= 0 or x is NaN.
[[nodiscard]] double LogGammaStirling(double x);

// ln B(a, b) = ln Gamma(a) + ln Gamma(b) - ln Gamma(a + b), with `LogGamma`.
// Answers kErrorSentinel when a <= 0 or b <= 0.
[[nodiscard]] double LogBeta(double a, double b);

// Regularised incomplete beta I_x(a, b) (the lower tail of a beta(a, b) variable), by a
// continued fraction accurate to about 3e-7 relative. Answers 1.0 when x < 0, x > 1,
// a <= 0, b <= 0, any argument is NaN, or the continued fraction does not converge in 5000
// terms. I_0 = 0 and I_1 = 1 exactly.
[[nodiscard]] double IncompleteBeta(double a, double b, double x);

// Regularised lower incomplete gamma P(p, y) by the power series of AS 32 alone, stopped
// when a term falls to 1e-6 of the sum: about 4e-6 absolute, so upper tails below about
// 1e-5 are lost. `IncompleteGamma` is the full algorithm.
// fault: 0 success; 1 when y <= 0 or p <= 0 (or either is NaN or infinite); 2 when the
// leading factor y^p e^-y / Gamma(p + 1) underflows to 0; 3 when the series has not
// settled in kIncompleteGammaSeriesMaxTerms terms. The result is 0 on every fault.
[[nodiscard]] double IncompleteGammaSeries(double y, double p, std::int16_t& fault);
inline constexpr int kIncompleteGammaSeriesMaxTerms = 1'000'000;

// Regularised lower incomplete gamma P(p, y) by AS 32 in full: the power series when y <= 1
// or y < p, otherwise 1 - Q(p, y) with the upper tail Q from a continued fraction, both to
// 1e-8. Because Q is formed to relative accuracy, 1 - P keeps about 1e-8 of itself on top of
// the rounding of P near 1 (1.1e-16 absolute): far upper tails stay resolved, as AS 91 needs.
// fault: 0 success; 1 when y <= 0 or p <= 0 (or either is NaN or infinite); 2 when the
// series' leading factor y^p e^-y / Gamma(p + 1) underflows to 0; 3 when the series or the
// continued fraction has not settled in kIncompleteGammaMaxTerms terms. The result is 0 on
// every fault; an upper tail that underflows gives exactly 1.
[[nodiscard]] double IncompleteGamma(double y, double p, std::int16_t& fault);
inline constexpr int kIncompleteGammaMaxTerms = 1'000'000;

// Regularised incomplete beta I_x(p, q) by Soper's reduction series (AS 63), to 1e-9.
// `log_beta` must be ln B(p, q) (see `LogBeta`).
// fault: 0 success; 1 when p <= 0 or q <= 0; 2 when x is outside [0, 1] or NaN; 3 when the
// series has not settled in kIncompleteBetaRatioMaxTerms terms. On faults 1 and 2 the result
// is x unchanged (as published); on fault 3 it is 0. x = 0 and x = 1 are returned unchanged.
[[nodiscard]] double IncompleteBetaRatio(double x, double p, double q, double log_beta,
                                         std::int16_t& fault);
inline constexpr int kIncompleteBetaRatioMaxTerms = 1'000'000;

// Lower-tail beta percentage point (AS 109): x with I_x(p, q) = alpha.
// `log_beta` must be ln B(p, q).
// fault: 0 success; 1 when p <= 0 or q <= 0; 2 when alpha is outside [0, 1] or NaN (the
// result is alpha on faults 1 and 2, as published); 3 when `IncompleteBetaRatio` faulted;
// 4 when the Newton iteration has not settled in kBetaQuantileMaxIterations steps or met a
// non-finite correction. alpha = 0 and alpha = 1 are returned unchanged.
// Accuracy: about 1e-9 absolute; quantiles below 1e-4 or above 1 - 1e-4 keep about 3e-10 of
// the smaller of x and 1 - x (the stopping accuracy of AS R83 shrinks with alpha and the
// first shape). Where x is near 1 without alpha being near 1 (a large first shape), x
// inherits the errors of AS 63 and of ln B (near 1e-9 in I_x) as about 1e-9 absolute, which
// is near 1e-6 of 1 - x.
[[nodiscard]] double BetaQuantile(double p, double q, double log_beta, double alpha,
                                  std::int16_t& fault);
inline constexpr int kBetaQuantileMaxIterations = 1000;

}  // namespace kpa::probability
