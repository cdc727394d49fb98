// The noncentral t distribution: lower tail (AS 5) and its inverse by a step search.
#pragma once

#include <cstdint>

namespace kpa::probability {

// Degrees of freedom above this use the normal approximation (fault 1).
inline constexpr int kNoncentralTExactMaxDf = 100;

// Lower tail P(T <= t) for T noncentral t with df degrees of freedom and noncentrality delta.
// fault: 0 exact finite series (1 <= df <= 100); 1 normal approximation (df > 100);
// 3 df < 1, result 0. (2 is not used.) Accuracy of the exact series: that of `OwenT` and
// `NormalIntegral`, about 1e-7 absolute for moderate arguments.
[[nodiscard]] double NoncentralTDistribution(double t, int df, double delta, std::int16_t& fault);

// t with P(T <= t) = p, found to |F(t) - p| < 1e-7 by a step search from 0 (step 0.5,
// halved at each reversal, at most 2000 evaluations).
// status: 0 found; 1 not found (a fault above 2 from `NoncentralTDistribution`, p outside
// (0, 1), or the evaluations ran out), and the result is then 0.
[[nodiscard]] double NoncentralTQuantile(double p, int df, double delta, std::int16_t& status);

}  // namespace kpa::probability
