// Johnson curves: the fit by the first four moments (Hill, Hill and Holder 1976, algorithm
// AS 99, Applied Statistics 25, 180-189) and the transforms between a standard normal deviate
// and a Johnson variate (Hill 1976, algorithm AS 100, Applied Statistics 25, 190-192).
#pragma once

#include <optional>

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

using shell::JohnsonFault;
using shell::JohnsonFit;
using shell::JohnsonType;

// The curve with the given mean, standard deviation, skewness sqrt(beta1) (signed) and
// kurtosis beta2 (3 for the normal law; a negative beta2 asks for the lognormal, or the
// normal when the skewness is negligible).
[[nodiscard]] JohnsonFit FitJohnsonByMoments(double mean, double sd, double skewness, double beta2);

// The Johnson variate of the standard normal deviate z; std::nullopt for a type without
// transform (none, boundary).
[[nodiscard]] std::optional<double> JohnsonVariate(double z, const JohnsonFit& fit);

// The standard normal deviate of the variate x; std::nullopt outside the curve's range
// (x beyond the SL threshold, outside the SB bounds) or for a type without transform.
[[nodiscard]] std::optional<double> JohnsonNormalDeviate(double x, const JohnsonFit& fit);

// The curve's distribution function at the variate x: Phi of its normal deviate, 0 below and
// 1 above the curve's range; std::nullopt for a type without transform.
[[nodiscard]] std::optional<double> JohnsonDistributionFunction(double x, const JohnsonFit& fit);

}  // namespace kpa::capability
