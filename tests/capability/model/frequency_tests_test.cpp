// The frequency-table tests: the chi-square merging rule worked by hand (with its degrees of
// freedom and Boost's chi-square tail), and the Kolmogorov-Smirnov levels at the edges of
// the tabulated critical values.
#include <gtest/gtest.h>

#include <boost/math/distributions/chi_squared.hpp>

#include <cmath>
#include <vector>

#include "capability/model/frequency_tests.h"

namespace kpa::capability {
namespace {

TEST(ChiSquareOfCategories, MergesShortCategoriesForwardAndTheLastBackward) {
  // Expected 1, 1, 10, 8, 2: the first two join the third, the last joins the fourth.
  const std::vector<double> observed = {2, 0, 9, 6, 5};
  const std::vector<double> expected = {1, 1, 10, 8, 2};
  const ChiSquareTest test = ChiSquareOfCategories(observed, expected, 0);
  EXPECT_EQ(test.merges, 3);
  const double chi2 = (11.0 - 12.0) * (11.0 - 12.0) / 12.0 + (11.0 - 10.0) * (11.0 - 10.0) / 10.0;
  EXPECT_NEAR(test.chi2, chi2, 1e-12);
  EXPECT_EQ(test.df, 1);
  // The terms stand at the categories that close each group: the third and the last.
  ASSERT_EQ(test.terms.size(), 5u);
  EXPECT_FALSE(test.terms[0] || test.terms[1] || test.terms[3]);
  EXPECT_NEAR(*test.terms[2] + *test.terms[4], chi2, 1e-12);
  ASSERT_TRUE(test.p);
  EXPECT_NEAR(*test.p, cdf(complement(boost::math::chi_squared(1.0), chi2)), 2e-5);
  // Two estimated parameters leave no degree of freedom: no p, df shown as 0.
  const ChiSquareTest none = ChiSquareOfCategories(observed, expected, 2);
  EXPECT_EQ(none.df, 0);
  EXPECT_FALSE(none.p);
  // A negative expected count counts as 0 and divides nothing.
  const ChiSquareTest clamped =
      ChiSquareOfCategories(std::vector<double>{1, 20, 20}, std::vector<double>{-0.5, 20, 20}, 0);
  EXPECT_TRUE(std::isfinite(clamped.chi2));
}

TEST(KolmogorovLevels, FollowTheTabulatedCriticalValues) {
  using T = KolmogorovTable;
  EXPECT_EQ(KolmogorovLevelsExceeded(0.321, 10, T::kKnownParameters), 0);  // .20 point .322
  EXPECT_EQ(KolmogorovLevelsExceeded(0.323, 10, T::kKnownParameters), 1);
  EXPECT_EQ(KolmogorovLevelsExceeded(0.500, 10, T::kKnownParameters), 5);  // beyond .490
  EXPECT_EQ(KolmogorovLevelsExceeded(0.25, 22, T::kKnownParameters), 3);   // row 25: .24 .27
  // Beyond the table: 1.36/sqrt(N) is the 5 % point.
  EXPECT_EQ(KolmogorovLevelsExceeded(1.37 / 10.0, 100, T::kKnownParameters), 4);
  EXPECT_EQ(KolmogorovLevelsExceeded(0.886 / 10.0 + 1e-6, 100, T::kLilliefors), 4);
  EXPECT_EQ(KolmogorovLevelsExceeded(0.30, 3, T::kLilliefors), 0);  // N < 4 reads the first row
  // N = 40, d = 0.15: beyond .886/sqrt(40) = .140 (the 5 % point), not 1.031/sqrt(40) = .163.
  EXPECT_EQ(KolmogorovLevelsExceeded(0.15, 40, T::kLilliefors), 4);
}

}  // namespace
}  // namespace kpa::capability
