// Log-gamma, log-beta, incomplete gamma and beta functions and the beta percentage point.
#include "shell/probability/gamma_beta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "shell/probability/sentinel.h"

namespace kpa::probability {

// Lanczos, C. (1964), SIAM J. Numer. Anal. B1, 86-96: the six-term series with gamma = 5
// in the form popularised by Press et al., Numerical Recipes (1986), section 6.1 (gammln).
// Kept: the six printed coefficients and the scaled sqrt(2 pi) = 2.50662827465.
// Changed: x <= 0 answers kErrorSentinel instead of taking the log of a negative sum.
// Measured against Boost.Math lgamma: absolute error below 2e-9 for x in [1e-6, 1e6]
//   (below 2.5e-10 for x <= 100).
double LogGamma(double x) {
  static constexpr std::array<double, 6> kCoefficients = {76.18009173,  -86.50532033,  24.01409822,
                                                          -1.231739516, 0.00120858003, -5.36382e-6};
  if (!(x > 0.0)) return kErrorSentinel;
  const double shifted = x - 1.0;
  const double t = shifted + 5.5;
  double s = 1.0;
  for (std::size_t j = 0; j < kCoefficients.size(); ++j) {
    s += kCoefficients[j] / (shifted + static_cast<double>(j + 1));
  }
  return (shifted + 0.5) * std::log(t) - t + std::log(2.50662827465 * s);
}

// ALOGAM: Pike, M. C. and Hill, I. D. (1966), Algorithm 291, Comm. ACM 9(9), 684.
// Kept: the recurrence up to x >= 7 and the four printed Stirling coefficients with
//   ln sqrt(2 pi) = 0.9189385332.
// Changed: x <= 0 answers kErrorSentinel where the original returned 0 with a fault.
// Measured against Boost.Math lgamma: absolute error below 2e-9 for x in [1e-6, 1e6].
double LogGammaStirling(double x) {
  if (!(x > 0.0)) return kErrorSentinel;
  double y = x;
  double log_product = 0.0;  // ln of x (x + 1) ... (x + k - 1), divided out at the end.
  if (y < 7.0) {
    double product = 1.0;
    while (y < 7.0) {
      product *= y;
      y += 1.0;
    }
    log_product = std::log(product);
  }
  const double z = 1.0 / (y * y);
  return -log_product + (y - 0.5) * std::log(y) - y + 0.9189385332 +
         (((-0.000595238095 * z + 0.000793650794) * z - 0.002777777778) * z + 0.083333333333) / y;
}

double LogBeta(double a, double b) {
  if (!(a > 0.0 && b > 0.0)) return kErrorSentinel;
  return LogGamma(a) + LogGamma(b) - LogGamma(a + b);
}

namespace {

// Continued fraction for I_x(a, b) (Abramowitz and Stegun 26.5.8), evaluated by the modified
// Lentz method (Press et al., Numerical Recipes, betacf). Converges rapidly for
// x < (a + 1)/(a + b + 2). Stops when two successive approximants differ by less than
// kTolerance times the newer one; answers false after kMaxTerms terms.
bool BetaContinuedFraction(double a, double b, double x, double& value) {
  constexpr int kMaxTerms = 5000;
  constexpr double kTolerance = 3e-7;
  constexpr double kTiny = 1e-30;  // Keeps a denominator from vanishing.
  const double qab = a + b;
  const double qap = a + 1.0;
  const double qam = a - 1.0;
  auto guard = [](double v) { return std::fabs(v) < kTiny ? kTiny : v; };
  double c = 1.0;
  double d = 1.0 / guard(1.0 - qab * x / qap);
  double h = d;
  for (int m = 1; m <= kMaxTerms; ++m) {
    const double em = static_cast<double>(m);
    const double previous = h;
    // Even step: d_2m = m (b - m) x / ((a + 2m - 1)(a + 2m)).
    double coefficient = em * (b - em) * x / ((qam + 2.0 * em) * (a + 2.0 * em));
    d = 1.0 / guard(1.0 + coefficient * d);
    c = guard(1.0 + coefficient / c);
    h *= d * c;
    // Odd step: d_2m+1 = -(a + m)(a + b + m) x / ((a + 2m)(a + 2m + 1)).
    coefficient = -(a + em) * (qab + em) * x / ((a + 2.0 * em) * (qap + 2.0 * em));
    d = 1.0 / guard(1.0 + coefficient * d);
    c = guard(1.0 + coefficient / c);
    h *= d * c;
    if (std::fabs(h - previous) < kTolerance * std::fabs(h)) {
      value = h;
      return true;
    }
  }
  return false;
}

}  // namespace

double IncompleteBeta(double a, double b, double x) {
  if (!(a > 0.0 && b > 0.0) || !(x >= 0.0 && x <= 1.0)) return 1.0;
  // bt = x^a (1 - x)^b / B(a, b), exactly 0 at the ends of the interval.
  const double bt = (x == 0.0 || x == 1.0) ? 0.0
                                           : std::exp(LogGamma(a + b) - LogGamma(a) - LogGamma(b) +
                                                      a * std::log(x) + b * std::log(1.0 - x));
  double cf = 0.0;
  if (x < (a + 1.0) / (a + b + 2.0)) {
    if (!BetaContinuedFraction(a, b, x, cf)) return 1.0;
    return bt * cf / a;
  }
  // Use I_x(a, b) = 1 - I_(1-x)(b, a), where the fraction converges quickly.
  if (!BetaContinuedFraction(b, a, 1.0 - x, cf)) return 1.0;
  return 1.0 - bt * cf / b;
}

namespace {

// The power series of P(p, y) shared by both incomplete gammas (see `IncompleteGammaSeries`
// for the faults and the result 0 on each), stopped when a term is at most `tolerance` of
// the sum; fault 3 after `max_terms` terms.
double GammaPowerSeries(double y, double p, double tolerance, int max_terms, std::int16_t& fault) {
  fault = 0;
  if (!(y > 0.0 && p > 0.0) || !std::isfinite(y) || !std::isfinite(p)) {
    fault = 1;
    return 0.0;
  }
  const double factor = std::exp(p * std::log(y) - LogGamma(p + 1.0) - y);
  if (factor == 0.0) {
    fault = 2;
    return 0.0;
  }
  double term = 1.0;
  double sum = 1.0;
  for (int k = 1; k <= max_terms; ++k) {
    term *= y / (p + static_cast<double>(k));
    sum += term;
    // The sum overflows only when y is dozens of standard deviations above p, where
    // P(p, y) is 1 to double precision (and the leading factor has underflowed to a denormal).
    if (std::isinf(sum)) return 1.0;
    if (term / sum <= tolerance) return factor * sum;
  }
  fault = 3;
  return 0.0;
}

// Legendre's continued fraction for the upper tail (Abramowitz and Stegun 6.5.31), in its
// even part: Q(p, y) = y^p e^-y / Gamma(p) * 1/(y + 1 - p - 1(1 - p)/(y + 3 - p - 2(2 - p)/
// (y + 5 - p - ...))). Converges quickly for y > p and y > 1. Convergents are formed by the
// three-term recurrence, rescaled by kOverflow when they grow; the fraction has settled when
// two successive convergents differ by at most `tolerance`, both absolutely and relative to
// the newer one. Answers false after kIncompleteGammaMaxTerms terms.
bool GammaContinuedFraction(double y, double p, double tolerance, double& value) {
  constexpr double kOverflow = 1e30;
  double a_previous = 1.0;  // A(n - 2), B(n - 2)
  double b_previous = 0.0;
  double a_current = 0.0;  // A(n - 1), B(n - 1)
  double b_current = 1.0;
  value = 0.0;
  for (int n = 1; n <= kIncompleteGammaMaxTerms; ++n) {
    const double en = static_cast<double>(n);
    const double numerator = n == 1 ? 1.0 : -(en - 1.0) * (en - 1.0 - p);
    const double denominator = y + 2.0 * en - 1.0 - p;
    const double a_next = denominator * a_current + numerator * a_previous;
    const double b_next = denominator * b_current + numerator * b_previous;
    a_previous = a_current;
    b_previous = b_current;
    a_current = a_next;
    b_current = b_next;
    if (b_current != 0.0) {
      const double convergent = a_current / b_current;
      const double difference = std::fabs(convergent - value);
      if (n > 1 && difference <= tolerance && difference <= tolerance * convergent) {
        value = convergent;
        return true;
      }
      value = convergent;
    }
    if (std::fabs(b_current) >= kOverflow) {
      a_previous /= kOverflow;
      b_previous /= kOverflow;
      a_current /= kOverflow;
      b_current /= kOverflow;
    }
  }
  return false;
}

}  // namespace

// The series branch of AS 32 (cited at `IncompleteGamma`) used alone for every y.
// Changed, beyond the departures listed there: no continued fraction; a term of 1e-6 of the
//   sum ends the series instead of ACU = 1e-8; a sum that overflows answers 1.
// Measured against Boost.Math gamma_p: absolute error below 4e-6 for p <= 100 (the stopping
//   rule leaves a geometric tail of a few times 1e-6). Upper tails below about 1e-5 are
//   therefore not resolved.
double IncompleteGammaSeries(double y, double p, std::int16_t& fault) {
  constexpr double kTolerance = 1e-6;
  return GammaPowerSeries(y, p, kTolerance, kIncompleteGammaSeriesMaxTerms, fault);
}

// AS 32: the incomplete gamma integral.
// Bhattacharjee, G. P. (1970), Applied Statistics 19(3), 285-287.
// Kept: the accuracy ACU = 1e-8; the power series when y <= 1 or y < p, else Legendre's
//   continued fraction for the upper tail, its result taken from 1; the fraction's double
//   stopping test (absolute and relative) and its rescaling by OFLO = 1e30.
// Changed: the series stops on a term relative to the sum, as `IncompleteGammaSeries` does
//   (the printed test is on the term alone, the sum being at least 1), and forms
//   y^p e^-y / Gamma(p + 1) directly; the fraction is written as its even part with the
//   ordinary three-term recurrence rather than the printed six-cell form; ln Gamma is
//   computed here (`LogGamma`) instead of being passed in; y <= 0 and non-finite arguments
//   are fault 1 (the printed routine answers 0 at y = 0 and faults only y < 0), an underflow
//   in the series is fault 2, and both loops are bounded with fault 3.
double IncompleteGamma(double y, double p, std::int16_t& fault) {
  constexpr double ACU = 1e-8;
  if (!(y > 0.0 && p > 0.0) || !std::isfinite(y) || !std::isfinite(p) || y <= 1.0 || y < p) {
    return GammaPowerSeries(y, p, ACU, kIncompleteGammaMaxTerms, fault);
  }
  fault = 0;
  const double factor = std::exp(p * std::log(y) - y - LogGamma(p));
  if (factor == 0.0) return 1.0;  // The upper tail is below the smallest double.
  double fraction = 0.0;
  if (!GammaContinuedFraction(y, p, ACU, fraction)) {
    fault = 3;
    return 0.0;
  }
  return 1.0 - factor * fraction;
}

// AS 63: the incomplete beta integral.
// Majumder, K. L. and Bhattacharjee, G. P. (1973), Applied Statistics 22(3), 409-411.
// Kept: the change of tail when p < (p + q) x, Soper's reduction (the series switches from
//   the ratio x/(1 - x) to x once the integer part of q + (1 - x)(p + q) is used up), and
//   faults 1 and 2 returning x.
// Changed: the accuracy ACU is 1e-9; NaN x is fault 2; a term limit with fault 3 bounds
//   the loop (the published loop is unbounded and crawls for x near 1 with p much larger
//   than q).
double IncompleteBetaRatio(double x, double p, double q, double log_beta, std::int16_t& fault) {
  constexpr double ACU = 1e-9;
  fault = 0;
  if (!(p > 0.0 && q > 0.0)) {
    fault = 1;
    return x;
  }
  if (!(x >= 0.0 && x <= 1.0)) {
    fault = 2;
    return x;
  }
  if (x == 0.0 || x == 1.0) return x;

  double psq = p + q;
  double cx = 1.0 - x;
  const bool swapped = p < psq * x;
  const double xx = swapped ? cx : x;
  if (swapped) cx = x;
  const double pp = swapped ? q : p;
  const double qq = swapped ? p : q;

  double term = 1.0;
  double ai = 1.0;
  double sum = 1.0;
  // ns counts the terms that still carry a factor (qq - ai); the int is clamped far below
  // overflow (the term limit ends the loop long before).
  auto ns = static_cast<std::int64_t>(std::min(qq + cx * psq, 1e15));
  double rx = ns == 0 ? xx : xx / cx;
  double factor = qq - ai;
  for (int k = 1; k <= kIncompleteBetaRatioMaxTerms; ++k) {
    term *= factor * rx / (pp + ai);
    sum += term;
    const double size = std::fabs(term);
    if (size <= ACU && size <= ACU * sum) {
      double result = sum * std::exp(pp * std::log(xx) + (qq - 1.0) * std::log(cx) - log_beta) / pp;
      return swapped ? 1.0 - result : result;
    }
    ai += 1.0;
    --ns;
    if (ns >= 0) {
      factor = qq - ai;
      if (ns == 0) rx = xx;
    } else {
      factor = psq;
      psq += 1.0;
    }
  }
  fault = 3;
  return 0.0;
}

// AS 109: inverse of the incomplete beta function ratio.
// Cran, G. W., Martin, K. J. and Thomas, G. E. (1977), Applied Statistics 26(1), 111-114.
// Remark AS R83: Berry, K. J., Mielke, P. W. and Cran, G. W. (1990), Applied Statistics
//   39(2), 309-310, with the correction in 40(1), 236.
// Kept: the starting approximations (the normal deviate
//   y = r - (2.30753 + 0.27061 r)/(1 + (0.99229 + 0.04481 r) r) with r = sqrt(-ln a^2), and
//   its two- and one-sided refinements), the clamp of the start into [0.0001, 0.9999], the
//   modified Newton step with step division by 3; from AS R83, the accuracy
//   10^max(-5/pp^2 - 1/a^2 - 13, SAE) and the floor FPU = 10^SAE on the bound of the step
//   after a change of sign.
// Changed: the AS R83 accuracy is capped at ACU = 1e-18, the fixed value of AS 109, so no
//   case stops earlier than AS 109 would (AS R83 alone allows up to 1e-17). That fixed value
//   is an absolute test on the Newton step y, met as soon as an iterate falls below about
//   1e-9: for pp = 0.5, qq = 1, alpha = 0.005 the first step from the clamped start
//   overshoots to 1e-15, and AS 109 alone stops there instead of reaching 2.5e-5. SAE = -307,
//   the most negative decimal exponent that stays a normal double. The Newton loop is
//   bounded (fault 4) and a non-finite correction is fault 4; the step-division loop gives
//   up after 200 divisions (the step has then vanished and the current point is the
//   answer); I_x is AS 63 as above.
double BetaQuantile(double p, double q, double log_beta, double alpha, std::int16_t& fault) {
  constexpr double ACU = 1e-18;
  constexpr double SAE = -307.0;
  constexpr double FPU = 1e-307;  // 10^SAE
  constexpr int kMaxDivisions = 200;
  fault = 0;
  if (!(p > 0.0 && q > 0.0)) {
    fault = 1;
    return alpha;
  }
  if (!(alpha >= 0.0 && alpha <= 1.0)) {
    fault = 2;
    return alpha;
  }
  if (alpha == 0.0 || alpha == 1.0) return alpha;

  // Work with the lower tail a <= 0.5, swapping the parameters for the upper one.
  const bool swapped = alpha > 0.5;
  const double a = swapped ? 1.0 - alpha : alpha;
  const double pp = swapped ? q : p;
  const double qq = swapped ? p : q;

  double r = std::sqrt(-std::log(a * a));
  const double y0 = r - (2.30753 + 0.27061 * r) / (1.0 + (0.99229 + 0.04481 * r) * r);
  double x = 0.0;
  if (pp > 1.0 && qq > 1.0) {
    r = (y0 * y0 - 3.0) / 6.0;
    const double s = 1.0 / (pp + pp - 1.0);
    const double t = 1.0 / (qq + qq - 1.0);
    const double h = 2.0 / (s + t);
    const double w = y0 * std::sqrt(h + r) / h - (t - s) * (r + 5.0 / 6.0 - 2.0 / (3.0 * h));
    x = pp / (pp + qq * std::exp(w + w));
  } else {
    r = qq + qq;
    double t = 1.0 / (9.0 * qq);
    const double cube = 1.0 - t + y0 * std::sqrt(t);
    t = r * cube * cube * cube;
    if (t <= 0.0) {
      x = 1.0 - std::exp((std::log((1.0 - a) * qq) + log_beta) / qq);
    } else {
      t = (4.0 * pp + r - 2.0) / t;
      x = t <= 1.0 ? std::exp((std::log(a * pp) + log_beta) / pp) : 1.0 - 2.0 / (t + 1.0);
    }
  }

  const double one_minus_pp = 1.0 - pp;
  const double one_minus_qq = 1.0 - qq;
  double yprev = 0.0;
  double sq = 1.0;
  double prev = 1.0;
  x = std::clamp(x, 0.0001, 0.9999);
  // Smaller steps are asked for as the lower tail a or the shape pp shrink (1/a^2 may
  // overflow to infinity; the floor SAE then applies).
  const double acu =
      std::min(ACU, std::pow(10.0, std::max(-5.0 / (pp * pp) - 1.0 / (a * a) - 13.0, SAE)));
  auto finish = [swapped](double value) { return swapped ? 1.0 - value : value; };
  for (int iteration = 0; iteration < kBetaQuantileMaxIterations; ++iteration) {
    std::int16_t ratio_fault = 0;
    double y = IncompleteBetaRatio(x, pp, qq, log_beta, ratio_fault);
    if (ratio_fault != 0) {
      fault = 3;
      return finish(x);
    }
    // Newton correction (I_x - a) / density, the density written out from log_beta.
    y = (y - a) *
        std::exp(log_beta + one_minus_pp * std::log(x) + one_minus_qq * std::log(1.0 - x));
    if (!std::isfinite(y)) {
      fault = 4;
      return finish(x);
    }
    // The correction changed sign: bound the next step (never by 0, which would stall it).
    if (y * yprev <= 0.0) prev = std::max(sq, FPU);
    double g = 1.0;
    bool moved = false;
    for (int division = 0; division < kMaxDivisions; ++division, g /= 3.0) {
      const double adj = g * y;
      sq = adj * adj;
      if (sq >= prev) continue;
      const double tx = x - adj;
      if (tx < 0.0 || tx > 1.0) continue;
      if (prev <= acu || y * y <= acu) return finish(x);
      if (tx == 0.0 || tx == 1.0) continue;
      if (tx == x) return finish(x);
      x = tx;
      yprev = y;
      moved = true;
      break;
    }
    if (!moved) return finish(x);
  }
  fault = 4;
  return finish(x);
}

}  // namespace kpa::probability
