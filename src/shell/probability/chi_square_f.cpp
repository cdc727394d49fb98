// Chi-square and F tails and percentage points.
#include "shell/probability/chi_square_f.h"

#include <algorithm>
#include <cmath>

#include "shell/probability/gamma_beta.h"
#include "shell/probability/normal.h"
#include "shell/probability/sentinel.h"

namespace kpa::probability {

namespace {
constexpr double kTinyProbability = 1e-30;        // F tails below this are reported as 0.
constexpr double kInfiniteDenominator = 32000.0;  // Stands for df2 = infinity.
}  // namespace

double FTailProbability(double df1, double df2, double f) {
  const double m = std::floor(df1 + 0.5);
  const double n = std::floor(df2 + 0.5);
  if (!(f > 0.0) || !(m >= 1.0) || !(n >= 1.0)) return 1.0;
  // P(F > f) = I_x(n/2, m/2) with x = n / (n + m f).
  const double probability = IncompleteBeta(0.5 * n, 0.5 * m, n / (n + m * f));
  return probability < kTinyProbability ? 0.0 : probability;
}

double ChiSquareTailProbability(double x, double df) {
  if (!(df >= 1.0)) return 1.0;
  const double probability = FTailProbability(df, kInfiniteDenominator, x / df);
  return probability == kErrorSentinel ? 1.0 : probability;
}

// AS 91: the percentage points of the chi-squared distribution.
// Best, D. J. and Roberts, D. E. (1975), Applied Statistics 24(3), 385-388.
// Kept: E = 5e-7, PMIN = 2e-6, PMAX = 0.999998, AA = ln 2, the printed constants C1..C38,
//   the three starting approximations (small chi-square, v <= 0.32 by Newton on a
//   rational approximation, Wilson-Hilferty with the correction for p near 1), and the
//   seven-term Taylor correction; AS 111 for the normal deviate and AS 32, with both its
//   branches, for P(v/2, x/2) (the series alone, stopped at 1e-6, leaves an error of a few
//   times 1e-6 in P, so upper tails below about 1e-5 were never reached).
// Changed: the Taylor loop is bounded at 20 steps with fault 4 (as in the later remark
//   AS R85), and so is the v <= 0.32 Newton loop; without them a series whose term count
//   jumps between two iterates could cycle forever. AS 32 computes ln Gamma(v/2) itself
//   rather than receiving g.
double ChiSquarePercentagePoint(double p, double v, double g, std::int16_t& fault) {
  constexpr double E = 5e-7;
  constexpr double PMIN = 2e-6;
  constexpr double PMAX = 0.999998;
  constexpr double AA = 0.6931471806;
  constexpr double C1 = 0.01, C2 = 0.222222, C3 = 0.32, C4 = 0.4, C5 = 1.24, C6 = 2.2;
  constexpr double C7 = 4.67, C8 = 6.66, C9 = 6.73, C10 = 13.32, C11 = 60.0, C12 = 70.0;
  constexpr double C13 = 84.0, C14 = 105.0, C15 = 120.0, C16 = 127.0, C17 = 140.0;
  constexpr double C18 = 175.0, C19 = 210.0, C20 = 252.0, C21 = 264.0, C22 = 294.0;
  constexpr double C23 = 346.0, C24 = 420.0, C25 = 462.0, C26 = 606.0, C27 = 672.0;
  constexpr double C28 = 707.0, C29 = 735.0, C30 = 889.0, C31 = 932.0, C32 = 966.0;
  constexpr double C33 = 1141.0, C34 = 1182.0, C35 = 1278.0, C36 = 1740.0, C37 = 2520.0;
  constexpr double C38 = 5040.0;

  fault = 1;
  if (!(p >= PMIN && p <= PMAX)) return -1.0;
  fault = 2;
  if (!(v > 0.0)) return -1.0;
  fault = 0;
  const double xx = 0.5 * v;
  const double c = xx - 1.0;

  double ch = 0.0;
  if (v < -C5 * std::log(p)) {
    // Small chi-square: invert the leading term of the series.
    ch = std::pow(p * xx * std::exp(g + xx * AA), 1.0 / xx);
    if (ch < E) return ch;
  } else if (v <= C3) {
    // Very small v: Newton iterations on a rational approximation, to 1%.
    ch = C4;
    const double a = std::log(1.0 - p);
    for (int iteration = 0;; ++iteration) {
      if (iteration == kChiSquarePercentagePointMaxIterations) {
        fault = 4;
        return ch;
      }
      const double previous = ch;
      const double p1 = 1.0 + ch * (C7 + ch);
      const double p2 = ch * (C9 + ch * (C8 + ch));
      const double t = -0.5 + (C7 + 2.0 * ch) / p1 - (C9 + ch * (C10 + 3.0 * ch)) / p2;
      ch -= (1.0 - std::exp(a + g + 0.5 * ch + c * AA) * p2 / p1) / t;
      if (std::fabs(previous / ch - 1.0) <= C1) break;
    }
  } else {
    // Wilson-Hilferty, replaced near p = 1 by the asymptotic form of the upper tail.
    std::int16_t normal_fault = 0;
    const double x = NormalQuantile(p, normal_fault);  // p was tested above.
    const double p1 = C2 / v;
    const double cube = x * std::sqrt(p1) + 1.0 - p1;
    ch = v * cube * cube * cube;
    if (ch > C6 * v + 6.0) ch = -2.0 * (std::log(1.0 - p) - c * std::log(0.5 * ch) + g);
  }

  // Seven-term Taylor series correction towards P(v/2, ch/2) = p.
  for (int iteration = 0; iteration < kChiSquarePercentagePointMaxIterations; ++iteration) {
    const double previous = ch;
    const double p1 = 0.5 * ch;
    std::int16_t gamma_fault = 0;
    const double p2 = p - IncompleteGamma(p1, xx, gamma_fault);
    if (gamma_fault != 0) {
      fault = 3;
      return ch;
    }
    const double t = p2 * std::exp(xx * AA + g + p1 - c * std::log(ch));
    const double b = t / ch;
    const double a = 0.5 * t - b * c;
    const double s1 = (C19 + a * (C17 + a * (C14 + a * (C13 + a * (C12 + C11 * a))))) / C24;
    const double s2 = (C24 + a * (C29 + a * (C32 + a * (C33 + C35 * a)))) / C37;
    const double s3 = (C19 + a * (C25 + a * (C28 + C31 * a))) / C37;
    const double s4 = (C20 + a * (C27 + C34 * a) + c * (C22 + a * (C30 + C36 * a))) / C38;
    const double s5 = (C13 + C21 * a + c * (C18 + C26 * a)) / C37;
    const double s6 = (C15 + c * (C23 + C16 * c)) / C38;
    ch += t *
          (1.0 + 0.5 * t * s1 - b * c * (s1 - b * (s2 - b * (s3 - b * (s4 - b * (s5 - b * s6))))));
    if (std::fabs(previous / ch - 1.0) <= E) return ch;
  }
  fault = 4;
  return ch;
}

double ChiSquareQuantile(double p, double df) {
  constexpr double PMIN = 2e-6;
  constexpr double PMAX = 0.999998;
  if (std::isnan(p) || !(df > 0.0)) return 0.0;
  const double lower = std::clamp(1.0 - p, PMIN, PMAX);
  std::int16_t fault = 0;
  const double x = ChiSquarePercentagePoint(lower, df, LogGamma(0.5 * df), fault);
  return fault == 0 ? x : 0.0;
}

double FQuantile(double p, double df1, double df2) {
  if (!(p > 0.0 && p < 1.0) || !(df1 >= 1.0)) return 0.0;
  // With X = df2 / (df2 + df1 F), P(F > f) = P(X < x): X is beta(df2/2, df1/2).
  const double a = 0.5 * df2;
  const double b = 0.5 * df1;
  std::int16_t fault = 0;
  const double x = BetaQuantile(a, b, LogBeta(a, b), p, fault);
  if (fault != 0 || x == 0.0) return 0.0;
  return (df2 / x - df2) / df1;
}

}  // namespace kpa::probability
