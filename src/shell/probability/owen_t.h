// Owen's T function, T(h, a) = (1/2pi) * integral from 0 to a of
// exp(-h^2 (1 + x^2) / 2) / (1 + x^2) dx, by the low-accuracy published quadrature AS 76.
#pragma once

namespace kpa::probability {

// T(h, a). Exactly atan(a)/(2 pi) when |h| < 1e-35; exactly 0 when |h| > 15 or |a| < 1e-35.
// Accuracy (10-point Gauss-Legendre on [0, a], after cutting the range where the integrand
// is below e^-15): 3e-8 absolute for |a| <= 1, 2e-5 for |a| <= 10, and as poor as 1e-2 for
// larger |a| with small |h|. T is odd in a and even in h.
[[nodiscard]] double OwenT(double h, double a);

}  // namespace kpa::probability
