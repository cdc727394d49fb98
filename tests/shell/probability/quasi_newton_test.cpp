// Fletcher's quasi-Newton minimiser on classical test problems.
#include "shell/probability/quasi_newton.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace kpa::probability {
namespace {

constexpr int kRosenbrock = 1;
constexpr int kScaledQuadratic = 2;

// Rosenbrock (1960): minimum 0 at (1, 1) at the end of a curved valley.
// Scaled quadratic: (x0 - 1)^2 + 1e6 (x1 - 2e-3)^2, variables six orders apart in scale.
ObjectiveValue TestProblems(std::span<const double> x, int selector) {
  switch (selector) {
    case kRosenbrock: {
      const double a = x[1] - x[0] * x[0];
      const double b = 1.0 - x[0];
      return {100.0 * a * a + b * b, false};
    }
    case kScaledQuadratic: {
      const double a = x[0] - 1.0;
      const double b = x[1] - 2e-3;
      return {a * a + 1e6 * b * b, false};
    }
    default:
      return {0.0, true};
  }
}

struct Problem {
  std::vector<double> x;
  std::vector<double> g;
  std::vector<double> h;
  std::vector<double> xm;
  double f = 0.0;
  explicit Problem(std::vector<double> start, std::vector<double> scale)
      : x(std::move(start)), g(x.size()), h(x.size() * (x.size() + 1) / 2), xm(std::move(scale)) {}
  QuasiNewtonStatus Run(const QuasiNewtonObjective& objective, int selector,
                        const QuasiNewtonSettings& settings, QuasiNewtonProgress* counts = nullptr,
                        const QuasiNewtonReport& report = {}) {
    return MinimizeQuasiNewton(objective, selector, x, f, g, h, xm, settings, report, counts);
  }
};

TEST(MinimizeQuasiNewton, SolvesRosenbrockFromTheClassicalStart) {
  Problem problem({-1.2, 1.0}, {1.0, 1.0});
  QuasiNewtonSettings settings;
  settings.difference_step = 1e-7;
  settings.accuracy = 1e-8;
  QuasiNewtonProgress counts;
  EXPECT_EQ(problem.Run(TestProblems, kRosenbrock, settings, &counts),
            QuasiNewtonStatus::kConverged);
  // Central differences with step 1e-7 leave gradient errors near 1e-9, so x is found to
  // about 1e-5 and f to about 1e-10.
  EXPECT_NEAR(problem.x[0], 1.0, 1e-4);
  EXPECT_NEAR(problem.x[1], 1.0, 2e-4);
  EXPECT_LT(problem.f, 1e-8);
  EXPECT_TRUE(counts.central_differences);
  EXPECT_LT(counts.iteration, 200);
}

TEST(MinimizeQuasiNewton, ScalesHandleABadlyScaledQuadratic) {
  Problem problem({-2.0, 0.5}, {1.0, 1e-3});
  QuasiNewtonSettings settings;
  settings.difference_step = 1e-6;
  settings.accuracy = 1e-7;
  EXPECT_EQ(problem.Run(TestProblems, kScaledQuadratic, settings), QuasiNewtonStatus::kConverged);
  EXPECT_NEAR(problem.x[0], 1.0, 1e-5);
  EXPECT_NEAR(problem.x[1], 2e-3, 1e-8);
  EXPECT_LT(problem.f, 1e-9);
}

TEST(MinimizeQuasiNewton, FactorisesAGivenHessian) {
  // The exact Hessian of the scaled quadratic, diag(2, 2e6), packed by columns.
  Problem problem({-2.0, 0.5}, {1.0, 1e-3});
  problem.h = {2.0, 0.0, 2e6};
  QuasiNewtonSettings settings;
  settings.start = HessianStart::kFactorise;
  settings.accuracy = 1e-7;
  QuasiNewtonProgress counts;
  EXPECT_EQ(problem.Run(TestProblems, kScaledQuadratic, settings, &counts),
            QuasiNewtonStatus::kConverged);
  EXPECT_NEAR(problem.x[0], 1.0, 1e-5);
  EXPECT_LT(counts.iteration, 10);  // Newton's method on a quadratic: very few steps
}

TEST(MinimizeQuasiNewton, StatusZeroForAnIndefiniteHessian) {
  Problem problem({0.0, 0.0}, {1.0, 1.0});
  problem.h = {1.0, 2.0, 1.0};  // [[1, 2], [2, 1]] has eigenvalues 3 and -1
  QuasiNewtonSettings settings;
  settings.start = HessianStart::kFactorise;
  int evaluations = 0;
  auto counting = [&](std::span<const double> x, int selector) {
    ++evaluations;
    return TestProblems(x, selector);
  };
  EXPECT_EQ(problem.Run(counting, kRosenbrock, settings), QuasiNewtonStatus::kNotPositiveDefinite);
  EXPECT_EQ(evaluations, 0);
}

TEST(MinimizeQuasiNewton, ObjectiveFailureAborts) {
  struct Row {
    const char* name;
    int fail_at;  // evaluation number that fails
  };
  const Row rows[] = {{"first evaluation", 1}, {"a gradient", 2}, {"a later trial", 12}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int evaluations = 0;
    auto failing = [&](std::span<const double> x, int selector) {
      if (++evaluations == row.fail_at) return ObjectiveValue{0.0, true};
      return TestProblems(x, selector);
    };
    Problem problem({-1.2, 1.0}, {1.0, 1.0});
    EXPECT_EQ(problem.Run(failing, kRosenbrock, QuasiNewtonSettings{}),
              QuasiNewtonStatus::kObjectiveFailed);
    EXPECT_EQ(evaluations, row.fail_at);  // nothing is evaluated after the failure
  }
  // An unknown selector makes the test objective fail at once.
  Problem problem({0.0, 0.0}, {1.0, 1.0});
  EXPECT_EQ(problem.Run(TestProblems, 99, QuasiNewtonSettings{}),
            QuasiNewtonStatus::kObjectiveFailed);
}

TEST(MinimizeQuasiNewton, IterationLimitKeepsTheBestPoint) {
  Problem problem({-1.2, 1.0}, {1.0, 1.0});
  const double start = TestProblems(problem.x, kRosenbrock).f;
  QuasiNewtonSettings settings;
  settings.iteration_limit = 5;
  QuasiNewtonProgress counts;
  EXPECT_EQ(problem.Run(TestProblems, kRosenbrock, settings, &counts),
            QuasiNewtonStatus::kIterationLimit);
  EXPECT_EQ(counts.trial_points, 5);
  EXPECT_LT(problem.f, start);
  EXPECT_EQ(problem.f, TestProblems(problem.x, kRosenbrock).f);  // f belongs to x
}

TEST(MinimizeQuasiNewton, InvalidArguments) {
  QuasiNewtonSettings settings;
  {
    Problem problem({1.0, 1.0}, {1.0, 0.0});  // a scale that is not positive
    EXPECT_EQ(problem.Run(TestProblems, kRosenbrock, settings),
              QuasiNewtonStatus::kInvalidArguments);
  }
  {
    Problem problem({1.0, 1.0}, {1.0, 1.0});
    problem.h.resize(2);  // packed factors need 3 values
    EXPECT_EQ(problem.Run(TestProblems, kRosenbrock, settings),
              QuasiNewtonStatus::kInvalidArguments);
  }
}

TEST(MinimizeQuasiNewton, ReportsEveryKIterationsAndAtTheEnd) {
  Problem problem({-1.2, 1.0}, {1.0, 1.0});
  QuasiNewtonSettings settings;
  settings.report_every = 5;
  std::vector<int> reported;
  QuasiNewtonProgress counts;
  const auto status = problem.Run(
      TestProblems, kRosenbrock, settings, &counts,
      [&](const QuasiNewtonProgress& progress) { reported.push_back(progress.iteration); });
  EXPECT_EQ(status, QuasiNewtonStatus::kConverged);
  ASSERT_GE(reported.size(), 2u);
  for (std::size_t i = 0; i + 1 < reported.size(); ++i) EXPECT_EQ(reported[i] % 5, 0);
  EXPECT_EQ(reported.back(), counts.iteration);
}

}  // namespace
}  // namespace kpa::probability
