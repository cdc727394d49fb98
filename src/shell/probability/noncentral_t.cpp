// Noncentral t distribution function and percentage point.
#include "shell/probability/noncentral_t.h"

#include <cmath>
#include <numbers>

#include "shell/probability/gamma_beta.h"
#include "shell/probability/normal.h"
#include "shell/probability/owen_t.h"

namespace kpa::probability {

// AS 5: the integral of the non-central t-distribution.
// Cooper, B. E. (1968), Applied Statistics 17(2), 193-194; the series is Owen, D. B. (1965),
//   Biometrika 52, 437-446.
// With A = t/sqrt(df), B = df/(df + t^2) and the terms
//   M0 = A sqrt(B) phi(delta sqrt(B)) Phi(delta A sqrt(B)),
//   M1 = B (delta A M0 + A phi(delta) / sqrt(2 pi)),
//   Mk = (k - 1)/k B (a_k delta A M(k-1) + M(k-2)),  a_2 = 1, a_k = 1/((k - 2) a_(k-1)),
// the lower tail is Phi(-delta sqrt(B)) + 2 T(delta sqrt(B), A) + 2 (M1 + M3 + ... + M(df-2))
// for odd df and Phi(-delta) + sqrt(2 pi) (M0 + M2 + ... + M(df-2)) for even df.
// Kept: the split at df = 100, the normal approximation above it (mean from the gamma ratio
//   by ALOGAM), and the skipping of M0 and of the phi(delta) term when delta sqrt(B) or
//   delta exceeds 12.5 in magnitude (their exponentials are then below 1e-34).
// Changed: df < 1 is fault 3 with result 0.
double NoncentralTDistribution(double t, int df, double delta, std::int16_t& fault) {
  constexpr double EMIN = 12.5;
  constexpr double kSqrtTwoPi = 2.5066282746310002;  // sqrt(2 pi)
  fault = 0;
  if (df < 1) {
    fault = 3;
    return 0.0;
  }
  const double f = static_cast<double>(df);
  if (df > kNoncentralTExactMaxDf) {
    fault = 1;
    const double mean = delta * std::sqrt(0.5 * f) *
                        std::exp(LogGammaStirling(0.5 * (f - 1.0)) - LogGammaStirling(0.5 * f));
    const double variance = (1.0 + delta * delta) * f / (f - 2.0) - mean * mean;
    return NormalIntegral((t - mean) / std::sqrt(variance), false);
  }

  const double a = t / std::sqrt(f);
  const double b = f / (f + t * t);
  const double rb = std::sqrt(b);
  const double drb = delta * rb;
  const bool odd = df % 2 == 1;

  double m_even = 0.0;  // M(k-2) in the recurrence, M0 to start.
  if (std::fabs(drb) < EMIN) {
    m_even = a * rb * std::exp(-0.5 * drb * drb) / kSqrtTwoPi * NormalIntegral(a * drb, false);
  }
  double m_odd = b * delta * a * m_even;  // M(k-1), M1 to start.
  if (std::fabs(delta) < EMIN) {
    m_odd += 0.5 * b * a * std::exp(-0.5 * delta * delta) * std::numbers::inv_pi;
  }
  double sum = odd ? m_odd : m_even;
  double ak = 1.0;
  for (int k = 2; k <= df - 2; k += 2) {
    const double fk = static_cast<double>(k);
    m_even = b * (delta * a * ak * m_odd + m_even) * (fk - 1.0) / fk;
    ak = 1.0 / (ak * (fk - 1.0));
    m_odd = b * (delta * a * ak * m_even + m_odd) * fk / (fk + 1.0);
    ak = 1.0 / (ak * fk);
    sum += odd ? m_odd : m_even;
  }
  if (odd) {
    // For df = 1 the sum is empty: M1 belongs to the series only from df = 3.
    const double series = df == 1 ? 0.0 : sum;
    return NormalIntegral(drb, true) + 2.0 * (series + OwenT(drb, a));
  }
  return NormalIntegral(delta, true) + sum * kSqrtTwoPi;
}

double NoncentralTQuantile(double p, int df, double delta, std::int16_t& status) {
  constexpr double kTolerance = 1e-7;
  constexpr double kFirstStep = 0.5;
  constexpr int kMaxEvaluations = 2000;
  status = 1;
  // A p outside (0, 1) can never be matched: answer at once what the search would end with.
  if (!(p > 0.0 && p < 1.0)) return 0.0;
  double t = 0.0;
  double step = kFirstStep;
  bool reversed = false;
  for (int evaluation = 0; evaluation < kMaxEvaluations; ++evaluation) {
    std::int16_t fault = 0;
    const double value = NoncentralTDistribution(t, df, delta, fault);
    if (fault > 2) return 0.0;
    if (std::fabs(value - p) < kTolerance) {
      status = 0;
      return t;
    }
    if (value >= p + kTolerance) {
      t -= step;
      reversed = true;
    } else {
      if (reversed) step *= 0.5;
      reversed = false;
      t += step;
    }
  }
  return 0.0;
}

}  // namespace kpa::probability
