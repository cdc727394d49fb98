// Control-chart constants c4 and d2.
#include "shell/probability/control_constants.h"

#include <array>
#include <cmath>

#include "shell/probability/gamma_beta.h"
#include "shell/probability/sentinel.h"

namespace kpa::probability {

namespace {

// Sample sizes from this one use the closed-form approximation of c4.
constexpr double kC4ApproximationFrom = 70.0;

// d2(n) = E[range of n standard normal values], n = 2..25 in order (the integral of
// 1 - Phi(x)^n - (1 - Phi(x))^n over the real line; d2(2) = 2/sqrt(pi)).
constexpr std::array<double, kD2LastSize - kD2FirstSize + 1> kD2Table = {
    1.1283791671, 1.6925687506, 2.058750746,  2.3259289473, 2.5344127212, 2.7043567512,
    2.8472006121, 2.9700263244, 3.0775054617, 3.1728727038, 3.2584552798, 3.3359803541,
    3.4067631082, 3.4718268899, 3.5319827861, 3.5878839618, 3.6400637579, 3.6889630232,
    3.7349501196, 3.7783358298, 3.8193846434, 3.8583234233, 3.8953481485, 3.9306292195};

}  // namespace

double C4(double n) {
  if (!(n > 1.0)) return kErrorSentinel;
  if (n >= kC4ApproximationFrom) return 4.0 * (n - 1.0) / (4.0 * n - 3.0);
  // The two exponentials are taken separately, as the tables this reproduces were made.
  return std::exp(LogGamma(0.5 * n)) * std::sqrt(2.0 / (n - 1.0)) /
         std::exp(LogGamma(0.5 * (n - 1.0)));
}

double D2(int n) {
  if (n < kD2FirstSize || n > kD2LastSize) return kErrorSentinel;
  return kD2Table[static_cast<std::size_t>(n - kD2FirstSize)];
}

}  // namespace kpa::probability
