#include "reliability/model/goodness_of_fit.h"

#include <array>
#include <cmath>
#include <vector>

#include "reliability/model/msf_table.h"
#include "reliability/model/weibull_values.h"
#include "shell/probability/normal.h"

namespace kpa::reliability {
namespace {

// ln(t - location) - ln(scale) times the shape: the log cumulative hazard of the fit.
double LogCumulativeHazard(const shell::WeibullFit& fit, double t) {
  return fit.shape * (std::log(t - fit.location) - std::log(fit.scale));
}

// The fitted F(t): 0 at or before the location.
double FittedDistribution(const shell::WeibullFit& fit, double t) {
  if (!(t > fit.location)) return 0.0;
  return -std::expm1(-std::exp(LogCumulativeHazard(fit, t)));
}

// Critical values of A^2 at the levels .20, .15, .10, .05, .01 for r = 10, 15, ..., 40.
constexpr std::array<std::array<double, 5>, 7> kAndersonDarlingTable = {{
    {0.505, 0.549, 0.616, 0.730, 0.998},
    {0.506, 0.554, 0.622, 0.740, 0.994},
    {0.506, 0.556, 0.625, 0.744, 1.012},
    {0.507, 0.556, 0.625, 0.745, 1.019},
    {0.508, 0.557, 0.626, 0.741, 1.007},
    {0.509, 0.559, 0.626, 0.739, 1.003},
    {0.509, 0.560, 0.627, 0.739, 1.001},
}};
constexpr int kAndersonDarlingBand = 5;

}  // namespace

std::optional<HollanderProschanTest> HollanderProschan(const FailureOrders& orders,
                                                       const shell::WeibullFit& fit) {
  const std::size_t n = orders.cases.size();
  if (n == 0 || !ParametersUsable(fit)) return std::nullopt;
  // The product-limit estimate drops by S/m at each failure with m cases at risk, the
  // largest case counting as a failure even when censored (Efron's convention), so the
  // jumps add up to 1 and C can be set against 1/2. The variance of sqrt(n) (C - 1/2) under
  // the fitted law is (1/4) int S0^4 dD with dD = dF / (S^2 K), K the censoring survival,
  // estimated by n / m^2 at each failure; without censoring it is close to 1/12, the
  // variance of a uniform variable. A last censored case far from the upper tail adds a
  // large term: the test then says, rightly, that the data cannot tell.
  const double cases = static_cast<double>(n);
  double survival = 1.0;
  double c = 0.0;
  double quarter_variance = 0.0;
  for (std::size_t j = 0; j < n; ++j) {
    const OrderedCase& item = orders.cases[j];
    if (item.censored && j + 1 < n) continue;
    const double at_risk = static_cast<double>(n - j);
    const double jump = survival / at_risk;
    survival -= jump;
    const double f0 = FittedDistribution(fit, item.time);
    c += f0 * jump;
    const double s0 = 1.0 - f0;
    quarter_variance += (s0 * s0) * (s0 * s0) * cases / (at_risk * at_risk);
  }
  HollanderProschanTest test;
  test.c = c;
  test.v = 4.0 * quarter_variance;
  if (!(test.v > 0.0) || !std::isfinite(test.v)) return std::nullopt;
  test.z = (c - 0.5) * std::sqrt(cases) / std::sqrt(test.v / 16.0);
  test.p = 2.0 * probability::NormalIntegral(std::fabs(test.z), true);
  return test;
}

std::optional<MannScheuerFertigTest> MannScheuerFertig(std::span<const double> failure_times,
                                                       std::int64_t n,
                                                       const shell::WeibullFit& fit) {
  const auto r = static_cast<std::int64_t>(failure_times.size());
  if (n < kMsfSmallestSize || n > kMsfLargestSize || r < 3 || r > n) return std::nullopt;
  const int size = static_cast<int>(n);
  const int failures = static_cast<int>(r);
  std::vector<double> logs;
  for (const double t : failure_times) {
    if (!(t > fit.location)) return std::nullopt;
    logs.push_back(std::log(t - fit.location));
  }
  double all = 0.0;
  double upper = 0.0;
  for (int i = 1; i < failures; ++i) {
    const double term =
        (logs[static_cast<std::size_t>(i)] - logs[static_cast<std::size_t>(i - 1)]) /
        *MsfSpacing(size, i);
    all += term;
    if (i > failures / 2) upper += term;
  }
  const auto critical = MsfCriticalValues(size, failures);
  if (!(all > 0.0) || !critical) return std::nullopt;
  MannScheuerFertigTest test;
  test.s = upper / all;
  for (const double point : *critical)
    if (test.s > point) ++test.level;
  return test;
}

std::optional<double> AndersonDarling(std::span<const double> failure_times,
                                      const shell::WeibullFit& fit) {
  const std::size_t r = failure_times.size();
  if (r == 0 || !ParametersUsable(fit)) return std::nullopt;
  // ln(1 - F) is minus the cumulative hazard, exact where 1 - F itself would round to 0.
  std::vector<double> log_f(r);
  std::vector<double> log_survival(r);
  for (std::size_t i = 0; i < r; ++i) {
    const double t = failure_times[i];
    const double f = FittedDistribution(fit, t);
    if (!(f > 0.0)) return std::nullopt;
    log_f[i] = std::log(f);
    log_survival[i] = -std::exp(LogCumulativeHazard(fit, t));
    if (!std::isfinite(log_survival[i])) return std::nullopt;
  }
  const double count = static_cast<double>(r);
  double sum = 0.0;
  for (std::size_t i = 0; i < r; ++i)
    sum += (2.0 * static_cast<double>(i) + 1.0) / count * (log_f[i] + log_survival[r - 1 - i]);
  const double a2 = -count - sum;
  return std::isfinite(a2) ? std::optional<double>(a2) : std::nullopt;
}

std::optional<double> AndersonDarlingCritical(std::int64_t r, int level) {
  if (r < kAndersonDarlingFewest || r > kAndersonDarlingMost || level < 0 || level > 4)
    return std::nullopt;
  const auto band = static_cast<std::size_t>((r - kAndersonDarlingFewest) / kAndersonDarlingBand);
  const auto column = static_cast<std::size_t>(level);
  const double low = kAndersonDarlingTable[band][column];
  if (band + 1 == kAndersonDarlingTable.size()) return low;
  const double high = kAndersonDarlingTable[band + 1][column];
  const auto step = static_cast<double>((r - kAndersonDarlingFewest) % kAndersonDarlingBand);
  return low + step / kAndersonDarlingBand * (high - low);
}

std::optional<int> AndersonDarlingLevel(double a2, std::int64_t r) {
  if (r < kAndersonDarlingFewest || r > kAndersonDarlingMost) return std::nullopt;
  int level = 0;
  for (int l = 0; l < 5; ++l)
    if (a2 > *AndersonDarlingCritical(r, l)) level = l + 1;
  return level;
}

}  // namespace kpa::reliability
