// Johnson curves: the fit by the first four moments (Hill, Hill and Holder 1976, algorithm
// AS 99, Applied Statistics 25, 180-189) and the transforms between a standard normal deviate
// and a Johnson variate (Hill 1976, algorithm AS 100, Applied Statistics 25, 190-192).
#pragma once

#include <cstdint>
#include <optional>

namespace kpa::capability {

enum class JohnsonType : std::int16_t {
  kNone = 0,
  kLognormal = 1,  // SL
  kUnbounded = 2,  // SU
  kBounded = 3,    // SB
  kNormal = 4,
  kBoundary = 5,  // ST: two-point distribution on the boundary beta2 = beta1 + 1
};

enum class JohnsonFault : std::int16_t {
  kNone = 0,
  kNegativeSd = 1,
  kImpossibleMoments = 2,  // beta2 < beta1 + 1
  kApproximate = 3,        // the SB iteration failed: an approximating curve was fitted
};

struct JohnsonFit {
  JohnsonType type = JohnsonType::kNone;
  double gamma = 0.0;
  double delta = 0.0;
  double lambda = 0.0;
  double xi = 0.0;
  JohnsonFault fault = JohnsonFault::kNone;
};

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

}  // namespace kpa::capability
