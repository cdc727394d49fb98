// Johnson curves fitted by moments (AS 99) against curves of known parameters: the moments of
// each reference curve come from a quadrature of its transform over the normal density
// (independent of AS 99's series), the fit must give back its parameters, and the AS 100
// transforms must invert each other.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "capability/model/johnson_curves.h"

namespace kpa::capability {
namespace {

struct Moments {
  double mean = 0.0;
  double sd = 0.0;
  double skewness = 0.0;
  double beta2 = 0.0;
};

// Moments of h(Z), Z standard normal, by the trapezoidal rule on [-12, 12] (exponentially
// accurate for these smooth integrands).
Moments MomentsOf(const std::function<double(double)>& h) {
  constexpr double kStep = 1e-3;
  double raw[5] = {};
  for (double z = -12.0; z <= 12.0; z += kStep) {
    const double weight = std::exp(-0.5 * z * z) / std::sqrt(2.0 * std::numbers::pi) * kStep;
    const double x = h(z);
    double power = 1.0;
    for (double& r : raw) {
      r += power * weight;
      power *= x;
    }
  }
  const double m = raw[1];
  const double m2 = raw[2] - m * m;
  const double m3 = raw[3] - 3 * m * raw[2] + 2 * m * m * m;
  const double m4 = raw[4] - 4 * m * raw[3] + 6 * m * m * raw[2] - 3 * m * m * m * m;
  return {m, std::sqrt(m2), m3 / std::pow(m2, 1.5), m4 / (m2 * m2)};
}

TEST(JohnsonFit, NormalAndImpossibleMoments) {
  // Exactly normal moments: type 4, whose +-3 sigma points are those of the normal column.
  const JohnsonFit exact = FitJohnsonByMoments(0.0, 1.0, 0.0, 3.0);
  EXPECT_EQ(exact.type, JohnsonType::kNormal);
  EXPECT_DOUBLE_EQ(*JohnsonVariate(3.0, exact), 3.0);
  EXPECT_DOUBLE_EQ(*JohnsonVariate(0.0, exact), 0.0);
  const JohnsonFit normal = FitJohnsonByMoments(0.0, 1.0, 0.005, 3.004);
  EXPECT_EQ(normal.type, JohnsonType::kNormal);
  EXPECT_EQ(normal.fault, JohnsonFault::kNone);
  EXPECT_DOUBLE_EQ(*JohnsonVariate(-3.0, normal), -3.0);

  EXPECT_EQ(FitJohnsonByMoments(0.0, 1.0, 1.0, 1.9).fault, JohnsonFault::kImpossibleMoments);
  EXPECT_EQ(FitJohnsonByMoments(0.0, -1.0, 0.0, 3.0).fault, JohnsonFault::kNegativeSd);
  const JohnsonFit boundary = FitJohnsonByMoments(0.0, 1.0, 1.0, 2.005);
  EXPECT_EQ(boundary.type, JohnsonType::kBoundary);
  EXPECT_FALSE(JohnsonVariate(0.0, boundary));
  EXPECT_EQ(FitJohnsonByMoments(4.0, 0.0, 0.0, 3.0).type, JohnsonType::kBoundary);
}

TEST(JohnsonFit, LognormalMomentsGiveTheLognormalCurve) {
  // ln X normal with sigma 0.5: skewness (w + 2) sqrt(w - 1), beta2 w^4 + 2w^3 + 3w^2 - 3.
  const double w = std::exp(0.25);
  const double skewness = (w + 2.0) * std::sqrt(w - 1.0);
  const double beta2 = w * w * w * w + 2 * w * w * w + 3 * w * w - 3.0;
  const JohnsonFit fit = FitJohnsonByMoments(0.0, 1.0, skewness, beta2);
  ASSERT_EQ(fit.type, JohnsonType::kLognormal);
  EXPECT_NEAR(fit.delta, 2.0, 1e-9);
  // Its quantiles are those of the standardised lognormal law.
  const double mean = std::exp(0.125);
  const double sd = std::sqrt((w - 1.0) * w);
  for (const double z : {-3.0, 0.0, 3.0})
    EXPECT_NEAR(*JohnsonVariate(z, fit), (std::exp(0.5 * z) - mean) / sd, 1e-9) << z;
}

TEST(JohnsonFit, UnboundedAndBoundedCurvesAreRecovered) {
  const struct {
    JohnsonType type;
    double gamma, delta;
  } curves[] = {
      {JohnsonType::kUnbounded, -1.0, 2.0}, {JohnsonType::kUnbounded, 0.5, 1.2},
      {JohnsonType::kUnbounded, 0.0, 1.5},  {JohnsonType::kBounded, 1.0, 1.5},
      {JohnsonType::kBounded, -0.6, 0.9},   {JohnsonType::kBounded, 0.0, 0.8},
  };
  for (const auto& c : curves) {
    SCOPED_TRACE(testing::Message() << "gamma " << c.gamma << " delta " << c.delta);
    const auto h = [&](double z) {
      const double v = (z - c.gamma) / c.delta;
      return c.type == JohnsonType::kUnbounded ? std::sinh(v) : 1.0 / (1.0 + std::exp(-v));
    };
    const Moments m = MomentsOf(h);
    const JohnsonFit fit = FitJohnsonByMoments(0.0, 1.0, m.skewness, m.beta2);
    ASSERT_EQ(fit.type, c.type);
    EXPECT_EQ(fit.fault, JohnsonFault::kNone);
    // AS 99 stops within 0.01 of the moment ratios: the parameters follow to a few percent.
    EXPECT_NEAR(fit.delta, c.delta, 0.03 * c.delta);
    EXPECT_NEAR(fit.gamma, c.gamma, 0.05);
    // The fitted standardised quantiles at +-3 sigma follow the curve's own.
    for (const double z : {-3.0, 0.0, 3.0}) {
      const double reference = (h(z) - m.mean) / m.sd;
      EXPECT_NEAR(*JohnsonVariate(z, fit), reference, 0.03) << z;
    }
  }
}

TEST(JohnsonTransforms, InvertEachOtherAndRefuseOutsideTheRange) {
  const JohnsonFit fits[] = {
      {JohnsonType::kLognormal, 0.3, 1.7, -1.0, 2.5, JohnsonFault::kNone},
      {JohnsonType::kUnbounded, -0.4, 1.3, 2.0, -1.0, JohnsonFault::kNone},
      {JohnsonType::kBounded, 0.7, 0.9, 4.0, -1.5, JohnsonFault::kNone},
      {JohnsonType::kNormal, 0.2, 0.5, 0.0, 0.0, JohnsonFault::kNone},
  };
  for (const JohnsonFit& fit : fits)
    for (const double z : {-4.0, -1.0, 0.0, 0.5, 3.0}) {
      const auto x = JohnsonVariate(z, fit);
      ASSERT_TRUE(x);
      const auto back = JohnsonNormalDeviate(*x, fit);
      ASSERT_TRUE(back);
      EXPECT_NEAR(*back, z, 1e-9) << static_cast<int>(fit.type) << " " << z;
    }
  EXPECT_FALSE(JohnsonNormalDeviate(3.0, fits[0]));   // beyond the SL threshold 2.5 (lambda -1)
  EXPECT_FALSE(JohnsonNormalDeviate(-1.5, fits[2]));  // at the SB lower bound
  EXPECT_FALSE(JohnsonNormalDeviate(2.5, fits[2]));   // at the SB upper bound xi + lambda
  // The SU inverse keeps its accuracy far in the lower tail.
  EXPECT_NEAR(*JohnsonNormalDeviate(*JohnsonVariate(-8.0, fits[1]), fits[1]), -8.0, 1e-9);
}

}  // namespace
}  // namespace kpa::capability
