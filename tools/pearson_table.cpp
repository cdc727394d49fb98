// Generates the table of standardised Pearson-curve percentiles used by the capability
// analysis, written to standard output as C++ initialisers: for each skewness |g1| =
// 0.0, 0.1, ..., 2.0 (columns) and excess kurtosis g2 = -1.4, -1.2, ..., 12.2 (rows), three
// pages of distances from the mean in standard deviations: page 1 the 0.135 % or 99.865 %
// point on the side of the short tail, page 2 the one on the side of the long tail, page 3
// the distance of the median from the mean. Moment pairs outside the attainable region
// (beta2 <= beta1 + 1) hold 0.
//
// The Pearson curve of mean 0 and variance 1 satisfies d ln f / dx = -(x + a) / Q(x),
// Q(x) = b0 + b1 x + b2 x^2, with (Pearson 1895; Elderton and Johnson 1969, ch. 2)
//   D = 10 beta2 - 12 beta1 - 18, b0 = (4 beta2 - 3 beta1) / D,
//   a = b1 = sqrt(beta1) (beta2 + 3) / D, b2 = (2 beta2 - 3 beta1 - 6) / D.
// ln f is integrated in closed form from the mean; the distribution function by double-
// exponential quadrature over the support (bounded by the roots of Q around the mean) and
// the percentiles by Brent's root finder.
//
// Build and run (the output is checked in):
//   g++ -O2 -std=c++20 tools/pearson_table.cpp -o build/pearson-table
//   build/pearson-table > src/capability/model/pearson_table_data.inc
#include <boost/math/quadrature/exp_sinh.hpp>
#include <boost/math/quadrature/sinh_sinh.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <boost/math/tools/roots.hpp>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

constexpr int kColumns = 21;
constexpr int kRows = 69;
constexpr double kLowerPoint = 0.00135;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Curve {
  double a = 0.0;
  double b0 = 0.0;
  double b1 = 0.0;
  double b2 = 0.0;
  double lower = -kInfinity;  // the support
  double upper = kInfinity;
  double total = 1.0;  // the integral of the unnormalised density
};

// An antiderivative of (t + a) / Q(t).
double Antiderivative(const Curve& c, double t) {
  if (c.b2 == 0.0) {
    if (c.b1 == 0.0) return (0.5 * t * t + c.a * t) / c.b0;
    return t / c.b1 + (c.a - c.b0 / c.b1) / c.b1 * std::log(std::fabs(c.b0 + c.b1 * t));
  }
  const double q = c.b0 + c.b1 * t + c.b2 * t * t;
  const double discriminant = c.b1 * c.b1 - 4.0 * c.b0 * c.b2;
  const double linear = 2.0 * c.b2 * t + c.b1;
  double inverse_q;  // an antiderivative of 1 / Q
  if (discriminant < 0.0) {
    const double root = std::sqrt(-discriminant);
    inverse_q = 2.0 / root * std::atan(linear / root);
  } else if (discriminant > 0.0) {
    const double root = std::sqrt(discriminant);
    inverse_q = std::log(std::fabs((linear - root) / (linear + root))) / root;
  } else {
    inverse_q = -2.0 / linear;
  }
  return std::log(std::fabs(q)) / (2.0 * c.b2) + (c.a - c.b1 / (2.0 * c.b2)) * inverse_q;
}

double Density(const Curve& c, double x) {
  if (!(x > c.lower && x < c.upper)) return 0.0;
  const double value = std::exp(-(Antiderivative(c, x) - Antiderivative(c, 0.0)));
  return std::isfinite(value) ? value : 0.0;
}

// The integral of the density from the lower end of the support to x: below the mean
// directly (the quadrature then sits on the mass it integrates), above it as the mass below
// the mean plus the piece from the mean to x.
double Integral(const Curve& c, double x) {
  const auto f = [&](double t) { return Density(c, t); };
  // The two-argument form: the quadrature may land on an end of the support, where the
  // density counts as 0.
  const auto g = [&](double t, double) { return Density(c, t); };
  const auto below = [&](double to) {
    if (!(to > c.lower)) return 0.0;
    if (std::isfinite(c.lower))
      return boost::math::quadrature::tanh_sinh<double>().integrate(g, c.lower, to);
    return boost::math::quadrature::exp_sinh<double>().integrate(f, -kInfinity, to);
  };
  if (x <= 0.0) return below(x);
  const double to = std::min(x, c.upper);
  if (!std::isfinite(to))
    return below(0.0) + boost::math::quadrature::exp_sinh<double>().integrate(f, 0.0, kInfinity);
  return below(0.0) + boost::math::quadrature::tanh_sinh<double>().integrate(g, 0.0, to);
}

std::optional<Curve> CurveOf(double g1, double g2) {
  const double beta1 = g1 * g1;
  double beta2 = g2 + 3.0;
  if (!(beta2 > beta1 + 1.0)) return std::nullopt;
  double d = 10.0 * beta2 - 12.0 * beta1 - 18.0;
  if (std::fabs(d) < 1e-9) {  // the rectangular limit: step off the singular line
    beta2 += 1e-7;
    d = 10.0 * beta2 - 12.0 * beta1 - 18.0;
  }
  Curve c;
  c.b0 = (4.0 * beta2 - 3.0 * beta1) / d;
  c.a = c.b1 = g1 * (beta2 + 3.0) / d;
  c.b2 = (2.0 * beta2 - 3.0 * beta1 - 6.0) / d;
  // The support: the roots of Q nearest the mean on either side.
  if (std::fabs(c.b2) > 1e-14) {
    const double discriminant = c.b1 * c.b1 - 4.0 * c.b0 * c.b2;
    if (discriminant >= 0.0) {
      const double root = std::sqrt(discriminant);
      for (const double r : {(-c.b1 - root) / (2.0 * c.b2), (-c.b1 + root) / (2.0 * c.b2)}) {
        if (r < 0.0) c.lower = std::max(c.lower, r);
        if (r > 0.0) c.upper = std::min(c.upper, r);
      }
    }
  } else if (c.b1 != 0.0) {
    c.b2 = 0.0;
    const double r = -c.b0 / c.b1;
    if (r < 0.0)
      c.lower = r;
    else
      c.upper = r;
  }
  c.total = Integral(c, kInfinity);
  if (!(c.total > 0.0) || !std::isfinite(c.total)) return std::nullopt;
  return c;
}

double Percentile(const Curve& c, double p) {
  const double low = std::isfinite(c.lower) ? c.lower : -200.0;
  const double high = std::isfinite(c.upper) ? c.upper : 200.0;
  const auto gap = [&](double x) { return Integral(c, x) / c.total - p; };
  std::uintmax_t iterations = 200;
  const auto [left, right] = boost::math::tools::toms748_solve(
      gap, low, high, boost::math::tools::eps_tolerance<double>(40), iterations);
  return 0.5 * (left + right);
}

}  // namespace

int main() {
  float table[3][kRows][kColumns] = {};
  for (int column = 0; column < kColumns; ++column) {
    const double g1 = 0.1 * column;
    for (int row = 0; row < kRows; ++row) {
      const double g2 = (row - 7) / 5.0;  // exact 0 at row 8
      const auto curve = CurveOf(g1, g2);
      if (!curve) continue;
      // Positive skewness: the short tail is the lower one.
      table[0][row][column] = static_cast<float>(-Percentile(*curve, kLowerPoint));
      table[1][row][column] = static_cast<float>(Percentile(*curve, 1.0 - kLowerPoint));
      table[2][row][column] = static_cast<float>(std::fabs(Percentile(*curve, 0.5)));
    }
  }
  std::printf("// Generated by tools/pearson_table.cpp; do not edit.\n// clang-format off\n");
  for (int page = 0; page < 3; ++page) {
    std::printf("{\n");
    for (int row = 0; row < kRows; ++row) {
      std::printf(" {");
      for (int column = 0; column < kColumns; ++column)
        std::printf("%s%.4ff", column ? ", " : "", static_cast<double>(table[page][row][column]));
      std::printf("},  // g2 = %.1f\n", -1.4 + 0.2 * row);
    }
    std::printf("},\n");
  }
  std::printf("// clang-format on\n");
  return 0;
}
