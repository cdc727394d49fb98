// Goodness-of-fit tests of a Weibull fit to failure times that may be right-censored:
// Hollander-Proschan (any censoring), Mann-Scheuer-Fertig (two-parameter Weibull, failures
// taken as the first r of n) and Anderson-Darling (the failures with the fitted F).
#pragma once

#include <optional>
#include <span>

#include "reliability/model/failure_orders.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// Hollander and Proschan (1979, Biometrics 35, 393-401): C = sum of the fitted F at each
// failure times the product-limit jump there, and v/16 the estimate of the asymptotic
// variance of sqrt(n) (C - 1/2), so z = (C - 0.5) sqrt(n) / sqrt(v / 16) and p is two-sided.
struct HollanderProschanTest {
  double c = 0.0;
  double v = 0.0;
  double z = 0.0;
  double p = 1.0;
};
[[nodiscard]] std::optional<HollanderProschanTest> HollanderProschan(const FailureOrders& orders,
                                                                     const shell::WeibullFit& fit);

// Mann, Scheuer and Fertig (1973): S = sum_{i > r/2} l_i / M_i over sum_{i} l_i / M_i, l_i the
// spacings of ln(t - location) between consecutive failures. `level` counts the points of
// the stored table (0.75 ... 0.99) that S exceeds: 0 for none up to 6 for all.
struct MannScheuerFertigTest {
  double s = 0.0;
  int level = 0;
};
// std::nullopt outside 3 <= n <= 25 with r >= 3, or when a failure is not beyond the
// location or the failures do not spread.
[[nodiscard]] std::optional<MannScheuerFertigTest> MannScheuerFertig(
    std::span<const double> failure_times, std::int64_t n, const shell::WeibullFit& fit);

// A^2 over the failure times in ascending order with the fitted F; std::nullopt when a term
// has F equal to 0 or 1 or there are no failures.
[[nodiscard]] std::optional<double> AndersonDarling(std::span<const double> failure_times,
                                                    const shell::WeibullFit& fit);

inline constexpr int kAndersonDarlingFewest = 10;
inline constexpr int kAndersonDarlingMost = 40;

// How many of the critical values of A^2 for r failures (levels .20, .15, .10, .05, .01,
// interpolated linearly between the tabulated r = 10, 15, ..., 40) the statistic exceeds;
// std::nullopt outside 10 <= r <= 40.
[[nodiscard]] std::optional<int> AndersonDarlingLevel(double a2, std::int64_t r);

// The tabulated critical value of A^2 for r failures at level index 0 (.20) to 4 (.01).
[[nodiscard]] std::optional<double> AndersonDarlingCritical(std::int64_t r, int level);

}  // namespace kpa::reliability
