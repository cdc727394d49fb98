// Unconstrained minimisation by Fletcher's quasi-Newton method with difference gradients
// (the form of his routine VA10A): BFGS updates of a factorised Hessian L D L^T, forward
// differences switched to central differences once progress stalls.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace kpa::probability {

// Outcome of `MinimizeQuasiNewton`. Numbers are fixed: callers compare them.
enum class QuasiNewtonStatus : std::int16_t {
  kNotPositiveDefinite = 0,  // HessianStart::kFactorise met a pivot that is not positive.
  kConverged = 1,            // No variable would move by more than eps * xm_i.
  kNoProgress = 2,           // No descent direction, a vanishing step, or a runaway update.
  kIterationLimit = 3,       // The trial-point limit was reached.
  kInvalidArguments = 4,     // Spans of the wrong size, n < 1, a scale xm_i <= 0, hh <= 0.
  kObjectiveFailed = 999,    // The objective reported a failure.
};

// How the Hessian approximation `h` passed in is used.
enum class HessianStart : std::int16_t {
  kUnit = 1,       // Ignore h: start from the unit matrix.
  kFactorise = 2,  // h holds a symmetric matrix (packed as below): factorise it as L D L^T.
  kFactors = 3,    // h already holds the factors L D L^T.
};

// The objective's answer: its value, or failed = true when it cannot be evaluated at x.
struct ObjectiveValue {
  double f = 0.0;
  bool failed = false;
};

// Evaluates the objective named by `selector` at x (x.size() == n).
using QuasiNewtonObjective = std::function<ObjectiveValue(std::span<const double> x, int selector)>;

struct QuasiNewtonSettings {
  // Expected reduction of f in the first iteration. 0: the change from the f passed in to
  // the first evaluation; negative: |expected_reduction * f|; any result <= 0 becomes 1.
  double expected_reduction = 0.0;
  double difference_step = 1e-6;  // hh: variable i is moved by hh * xm_i for its difference.
  double accuracy = 1e-6;         // eps: converged when no variable would move by eps * xm_i.
  HessianStart start = HessianStart::kUnit;
  // maxit: limit on trial points of the step search (the counter is checked before each);
  // gradient evaluations are not counted.
  int iteration_limit = 1000;
  // iprint: 0 silent; k > 0 calls the progress report every k iterations and once at the end.
  int report_every = 0;
};

// The settings of the procedures' maximum-likelihood searches: a first reduction of a quarter
// of the objective, differences and accuracy of 1e-5 of each scale, a unit start.
[[nodiscard]] QuasiNewtonSettings LikelihoodSearchSettings(int iteration_limit);

struct QuasiNewtonProgress {
  int iteration = 0;     // Search directions taken so far.
  int trial_points = 0;  // Trial points evaluated so far (the quantity limited by maxit).
  int evaluations = 0;   // All objective evaluations, gradients included.
  bool central_differences = false;
  double f = 0.0;
  std::span<const double> x;
  std::span<const double> g;
};

using QuasiNewtonReport = std::function<void(const QuasiNewtonProgress&)>;

// Minimises objective(., selector) from x.
//   x   in: the start; out: the best point found (also on status 3 and 999).
//   f   in: a value used only for expected_reduction == 0; out: f at x.
//   g   out: the difference gradient at x (size n).
//   h   in/out: L D L^T packed by columns in n(n + 1)/2 values, each column j (0-based)
//       holding D_j followed by L_(j+1, j) .. L_(n-1, j); out: the updated factors.
//   xm  positive scale of each variable (size n).
// `counts`, when given, receives the final counters (its x and g spans are left empty).
[[nodiscard]] QuasiNewtonStatus MinimizeQuasiNewton(const QuasiNewtonObjective& objective,
                                                    int selector, std::span<double> x, double& f,
                                                    std::span<double> g, std::span<double> h,
                                                    std::span<const double> xm,
                                                    const QuasiNewtonSettings& settings,
                                                    const QuasiNewtonReport& report = {},
                                                    QuasiNewtonProgress* counts = nullptr);

}  // namespace kpa::probability
