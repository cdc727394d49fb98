// Normal tail areas and percentage points.
#include "shell/probability/normal.h"

#include <cmath>

namespace kpa::probability {

// AS 66: the normal integral.
// Hill, I. D. (1973), Applied Statistics 22(3), 424-427.
// Kept: the printed coefficients and the limits LTONE = 7, UTZERO = 18.66, CON = 1.28.
// Changed: nothing of the method. Note that c1 and c3 are negative and, as in Hill's
//   published algorithm, are added to |x| in the continued fraction (|x| + c1, |x| + c3); a
//   transcription with |x| - c1 and |x| - c3 has a relative error of 1.2e-2 in the tail.
// Measured against Boost.Math erfc: absolute error below 1.3e-8 for |x| <= 1.28 (largest at
//   the switch); relative error of the smaller tail below 5e-11 for 1.28 < |x| <= 18.66.
double NormalIntegral(double x, bool upper) {
  constexpr double LTONE = 7.0;
  constexpr double UTZERO = 18.66;
  constexpr double CON = 1.28;
  constexpr double p = 0.398942280444;
  constexpr double q = 0.39990348504;
  constexpr double r = 0.398942280385;
  constexpr double a1 = 5.75885480458;
  constexpr double a2 = 2.62433121679;
  constexpr double a3 = 5.92885724438;
  constexpr double b1 = -29.8213557807;
  constexpr double b2 = 48.6959930692;
  constexpr double c1 = -3.8052e-8;
  constexpr double c2 = 3.98064794e-4;
  constexpr double c3 = -0.151679116635;
  constexpr double c4 = 4.8385912808;
  constexpr double c5 = 0.742380924027;
  constexpr double c6 = 3.99019417011;
  constexpr double d1 = 1.00000615302;
  constexpr double d2 = 1.98615381364;
  constexpr double d3 = 5.29330324926;
  constexpr double d4 = -15.1508972451;
  constexpr double d5 = 30.789933034;

  if (std::isnan(x)) return x;
  bool up = upper;
  double z = x;
  if (z < 0.0) {  // P(Z > -z) = P(Z <= z): flip the tail and work with |x|.
    up = !up;
    z = -z;
  }
  double tail = 0.0;  // The tail beyond z in the direction `up` names, once computed.
  if (z <= LTONE || (up && z <= UTZERO)) {
    const double y = 0.5 * z * z;
    if (z > CON) {
      tail =
          r * std::exp(-y) /
          (z + c1 + d1 / (z + c2 + d2 / (z + c3 + d3 / (z + c4 + d4 / (z + c5 + d5 / (z + c6))))));
    } else {
      tail = 0.5 - z * (p - q * y / (y + a1 + b1 / (y + a2 + b2 / (y + a3))));
    }
  }
  return up ? tail : 1.0 - tail;
}

double NormalCdf(double x, double mean, double sigma) {
  if (!(sigma > 0.0)) return 0.0;
  return NormalIntegral((x - mean) / sigma, false);
}

// AS 111: percentage points of the normal distribution.
// Beasley, J. D. and Springer, S. G. (1977), Applied Statistics 26(1), 118-121.
// Kept: the printed coefficients and the split at |q| <= 0.42.
// Changed: the fault is returned through `fault`; p exactly 0 or 1 (and NaN) is a fault too.
// Measured against Boost.Math: absolute error below 1e-8 for 0.01 <= p <= 0.99, 1e-6 for
//   p >= 1e-4, growing to 2.3e-4 at p = 1e-12 (the rational tail form loses accuracy there).
double NormalQuantile(double p, std::int16_t& fault) {
  constexpr double SPLIT = 0.42;
  constexpr double a0 = 2.50662823884;
  constexpr double a1 = -18.61500062529;
  constexpr double a2 = 41.39119773534;
  constexpr double a3 = -25.44106049637;
  constexpr double b1 = -8.4735109309;
  constexpr double b2 = 23.08336743743;
  constexpr double b3 = -21.06224101826;
  constexpr double b4 = 3.13082909833;
  constexpr double c0 = -2.78718931138;
  constexpr double c1 = -2.29796479134;
  constexpr double c2 = 4.85014127135;
  constexpr double c3 = 2.32121276858;
  constexpr double d1 = 3.54388924762;
  constexpr double d2 = 1.63706781897;

  fault = 0;
  if (!(p > 0.0 && p < 1.0)) {
    fault = 1;
    return 0.0;
  }
  const double q = p - 0.5;
  if (std::fabs(q) <= SPLIT) {  // Central region: a rational function of q^2.
    const double r = q * q;
    return q * (((a3 * r + a2) * r + a1) * r + a0) /
           ((((b4 * r + b3) * r + b2) * r + b1) * r + 1.0);
  }
  // Tails: a rational function of sqrt(-ln(smaller tail)).
  double r = q > 0.0 ? 1.0 - p : p;
  r = std::sqrt(-std::log(r));
  const double z = (((c3 * r + c2) * r + c1) * r + c0) / ((d2 * r + d1) * r + 1.0);
  return q < 0.0 ? -z : z;
}

}  // namespace kpa::probability
