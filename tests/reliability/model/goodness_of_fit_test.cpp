// The goodness-of-fit tests against independent references: the Mann-Scheuer-Fertig
// spacings against the closed forms for n = 3 and a tanh-sinh quadrature of the order
// statistics for n = 25, its percentage points against the beta law that Mann, Scheuer and
// Fertig give as their approximation, Anderson-Darling against the statistic's other
// arrangement and its table, Hollander-Proschan against sums worked by hand.
#include <gtest/gtest.h>

#include <boost/math/quadrature/tanh_sinh.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/binomial.hpp>

#include <array>
#include <cmath>
#include <vector>

#include "reliability/model/goodness_of_fit.h"
#include "reliability/model/msf_table.h"

namespace kpa::reliability {
namespace {

constexpr double kEuler = 0.57721566490153286;

// E[Z(i:n)] of the standard smallest-extreme-value law by quadrature over u = F(z).
double ExpectedOrderStatisticByQuadrature(int i, int n) {
  const double coefficient = i * boost::math::binomial_coefficient<double>(
                                     static_cast<unsigned>(n), static_cast<unsigned>(i));
  auto integrand = [&](double u) {
    return std::log(-std::log1p(-u)) * coefficient * std::pow(u, i - 1) * std::pow(1 - u, n - i);
  };
  return boost::math::quadrature::tanh_sinh<double>().integrate(integrand, 0.0, 1.0);
}

TEST(MannScheuerFertigTable, SpacingsMatchClosedFormsAndQuadrature) {
  // n = 3: E[Z(1)] = -g - ln 3, E[Z(3)] = -g + 3 ln 2 - ln 3, E[Z(2)] = -g + 2 ln 3 - 3 ln 2.
  const double z1 = -kEuler - std::log(3.0);
  const double z2 = -kEuler + 2 * std::log(3.0) - 3 * std::log(2.0);
  const double z3 = -kEuler + 3 * std::log(2.0) - std::log(3.0);
  EXPECT_NEAR(*MsfSpacing(3, 1), z2 - z1, 1e-6);
  EXPECT_NEAR(*MsfSpacing(3, 2), z3 - z2, 1e-6);
  for (const int i : {1, 12, 24}) {
    const double quadrature =
        ExpectedOrderStatisticByQuadrature(i + 1, 25) - ExpectedOrderStatisticByQuadrature(i, 25);
    EXPECT_NEAR(*MsfSpacing(25, i), quadrature, 2e-6) << "i=" << i;
  }
  EXPECT_FALSE(MsfSpacing(2, 1));
  EXPECT_FALSE(MsfSpacing(26, 1));
  EXPECT_FALSE(MsfSpacing(10, 0));
  EXPECT_FALSE(MsfSpacing(10, 10));
}

TEST(MannScheuerFertigTable, PointsFollowTheBetaApproximation) {
  // S is close to Beta([(r - 1) / 2], [r / 2]): the published approximation.
  for (int n = kMsfSmallestSize; n <= kMsfLargestSize; ++n)
    for (int r = 3; r <= n; ++r) {
      const auto points = MsfCriticalValues(n, r);
      ASSERT_TRUE(points) << n << " " << r;
      for (std::size_t l = 0; l < kMsfLevels.size(); ++l) {
        const double beta =
            boost::math::ibeta_inv(double((r - 1) / 2), double(r / 2), kMsfLevels[l]);
        EXPECT_NEAR((*points)[l], beta, 0.035) << "n=" << n << " r=" << r << " l=" << l;
        if (l > 0) {
          EXPECT_GT((*points)[l], (*points)[l - 1]);
        }
      }
    }
  EXPECT_FALSE(MsfCriticalValues(10, 2));
  EXPECT_FALSE(MsfCriticalValues(10, 11));
  EXPECT_FALSE(MsfCriticalValues(26, 26));
}

shell::WeibullFit Fit(double shape, double scale, double location = 0.0) {
  shell::WeibullFit fit;
  fit.shape = shape;
  fit.scale = scale;
  fit.location = location;
  fit.valid = true;
  return fit;
}

TEST(MannScheuerFertig, StatisticOfThreeFailuresAndItsLimits) {
  const std::vector<double> times = {12.0, 20.0, 45.0};
  // r = 3: S = (l2 / M2) / (l1 / M1 + l2 / M2), spacings of ln(t - 2).
  const double l1 = std::log(18.0 / 10.0);
  const double l2 = std::log(43.0 / 18.0);
  const double m1 = 3 * std::log(1.5);
  const double m2 = 6 * std::log(2.0) - 3 * std::log(3.0);
  const auto test = MannScheuerFertig(times, 3, Fit(1.5, 30.0, 2.0));
  ASSERT_TRUE(test);
  EXPECT_NEAR(test->s, (l2 / m2) / (l1 / m1 + l2 / m2), 1e-6);
  EXPECT_EQ(test->level, 0);  // 0.68 exceeds no point of the table

  EXPECT_FALSE(MannScheuerFertig(times, 26, Fit(1.5, 30.0)));                       // n > 25
  EXPECT_FALSE(MannScheuerFertig({times.data(), 2}, 10, Fit(1.5, 30.0)));           // r < 3
  EXPECT_FALSE(MannScheuerFertig(times, 3, Fit(1.5, 30.0, 12.0)));                  // t <= location
  EXPECT_FALSE(MannScheuerFertig(std::vector<double>(3, 7.0), 5, Fit(1.5, 30.0)));  // no spread
}

TEST(AndersonDarling, MatchesTheOtherArrangementAndTheTable) {
  // Exponential fit with scale 10: u = F(t) known at each time.
  const std::vector<double> u = {0.05, 0.2, 0.3, 0.45, 0.5, 0.62, 0.7, 0.8, 0.9, 0.97};
  std::vector<double> times;
  for (const double p : u) times.push_back(-10.0 * std::log1p(-p));
  const double n = static_cast<double>(u.size());
  double sum = 0.0;
  for (std::size_t i = 0; i < u.size(); ++i) {
    const double k = static_cast<double>(i + 1);
    sum += (2 * k - 1) * std::log(u[i]) + (2 * n + 1 - 2 * k) * std::log1p(-u[i]);
  }
  const auto a2 = AndersonDarling(times, Fit(1.0, 10.0));
  ASSERT_TRUE(a2);
  EXPECT_NEAR(*a2, -n - sum / n, 1e-12);
  // A failure at the location has F = 0: no statistic.
  EXPECT_FALSE(AndersonDarling(std::vector<double>{0.0, 1.0, 2.0}, Fit(1.0, 10.0)));

  // Critical values: r = 12 lies 2/5 of the way from the row of 10 to that of 15.
  EXPECT_NEAR(*AndersonDarlingCritical(12, 0), 0.505 + 0.4 * (0.506 - 0.505), 1e-12);
  EXPECT_NEAR(*AndersonDarlingCritical(33, 4), 1.007 + 0.6 * (1.003 - 1.007), 1e-12);
  EXPECT_DOUBLE_EQ(*AndersonDarlingCritical(40, 3), 0.739);
  EXPECT_FALSE(AndersonDarlingCritical(9, 0));
  EXPECT_FALSE(AndersonDarlingCritical(41, 0));
  EXPECT_EQ(*AndersonDarlingLevel(0.50, 20), 0);
  EXPECT_EQ(*AndersonDarlingLevel(0.60, 20), 2);  // beyond .20 and .15, not .10
  EXPECT_EQ(*AndersonDarlingLevel(1.10, 20), 5);
  EXPECT_FALSE(AndersonDarlingLevel(0.6, 9));
}

FailureOrders Orders(const std::vector<std::pair<double, bool>>& cases) {
  FailureOrders orders;
  for (const auto& [time, censored] : cases) {
    OrderedCase item;
    item.time = time;
    item.censored = censored;
    orders.cases.push_back(item);
  }
  return orders;
}

TEST(HollanderProschan, SumsWorkedByHand) {
  // Exponential with scale 2; times 1 (failure), 2 (censored), 3 and 4 (failures).
  // Product-limit jumps: 1/4, then 3/4 * 1/2 = 3/8 at 3 (two at risk), 3/8 at 4.
  const auto f = [](double t) { return 1.0 - std::exp(-t / 2.0); };
  const auto test =
      HollanderProschan(Orders({{1, false}, {2, true}, {3, false}, {4, false}}), Fit(1.0, 2.0));
  ASSERT_TRUE(test);
  EXPECT_NEAR(test->c, f(1) / 4 + 3 * f(3) / 8 + 3 * f(4) / 8, 1e-12);
  // v = 4 sum S0^4 n / m^2 over the failures, m = 4, 2, 1 at risk.
  const auto s4 = [&](double t) { return std::pow(1.0 - f(t), 4); };
  const double v = 4.0 * (s4(1) * 4 / 16 + s4(3) * 4 / 4 + s4(4) * 4 / 1);
  EXPECT_NEAR(test->v, v, 1e-12);
  EXPECT_NEAR(test->z, (test->c - 0.5) * 2.0 / std::sqrt(v / 16), 1e-12);

  // A last censored case counts as a failure: the jumps still add up to 1.
  const auto last = HollanderProschan(Orders({{1, false}, {3, false}, {4, true}}), Fit(1.0, 2.0));
  ASSERT_TRUE(last);
  EXPECT_NEAR(last->c, f(1) / 3 + f(3) / 3 + f(4) / 3, 1e-12);
}

TEST(HollanderProschan, CompleteSampleAtItsExpectedPositions) {
  // F0 at the i-th of n failures equal to i / (n + 1): C is exactly 1/2, and v/16 is close
  // to 1/12, the variance of a uniform variable.
  const int n = 2000;
  std::vector<std::pair<double, bool>> cases;
  for (int i = 1; i <= n; ++i) cases.emplace_back(-std::log1p(-i / (n + 1.0)), false);
  const auto test = HollanderProschan(Orders(cases), Fit(1.0, 1.0));
  ASSERT_TRUE(test);
  EXPECT_NEAR(test->c, 0.5, 1e-12);
  EXPECT_NEAR(test->v / 16, 1.0 / 12, 0.002);
  EXPECT_NEAR(test->p, 1.0, 1e-9);
  EXPECT_FALSE(HollanderProschan(Orders(cases), Fit(-1.0, 1.0)));
}

}  // namespace
}  // namespace kpa::reliability
