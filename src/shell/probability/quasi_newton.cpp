// Fletcher's quasi-Newton minimiser with difference gradients.
//
// Reference: Fletcher, R. (1972), "FORTRAN subroutines for minimization by quasi-Newton
//   methods", Harwell report AERE-R 7125 (routine VA10A); the factor updates follow
//   Gill, P. E. and Murray, W. (1972), J. Inst. Maths Applics 9, 91-108, and
//   Fletcher, R. and Powell, M. J. D. (1974), Math. Comp. 28, 1067-1087.
// Kept: L D L^T factors packed by columns with D first; the first step
//   min(1, -2 dfn / g's); forward differences until the search first stops, then central
//   differences; the step search (accept and double while f falls; on failure halve once,
//   then interpolate a parabola through f0, f(alpha/2), f(alpha) with the factor held at
//   or above 0.1); convergence when alpha < eps / max_i(|s_i| / xm_i); the limits 1e-100
//   and 1e100; status numbers 0, 1, 2, 3, 999.
// Changed: the objective is a callable; the work space is allocated here; the progress
//   report is a callback rather than printing; a doubled step is abandoned as soon as it
//   does not lower f (no separate levelling-off test); status 4 reports invalid arguments.
#include "shell/probability/quasi_newton.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace kpa::probability {

namespace {

constexpr double kVanishingStep = 1e-100;     // max |s_i| / xm_i below this: no direction.
constexpr double kLargestCorrection = 1e100;  // Rank-one coefficient beyond this: give up.
constexpr double kSmallestFactor = 0.1;       // Smallest reduction of a failed step.
constexpr int kMaxVariables = 32767;

// Offset of column j (0-based) of the packed factors of an n x n matrix.
std::size_t ColumnStart(std::size_t j, std::size_t n) { return j * (2 * n - j + 1) / 2; }

// L D L^T factorisation in place of a symmetric matrix packed like the factors.
// Answers false at the first pivot that is not positive.
bool Factorise(std::span<double> h, std::size_t n) {
  for (std::size_t j = 0; j < n; ++j) {
    const std::size_t cj = ColumnStart(j, n);
    double d = h[cj];
    for (std::size_t k = 0; k < j; ++k) {
      const double l_jk = h[ColumnStart(k, n) + (j - k)];
      d -= l_jk * l_jk * h[ColumnStart(k, n)];
    }
    if (!(d > 0.0)) return false;
    h[cj] = d;
    for (std::size_t i = j + 1; i < n; ++i) {
      double a = h[cj + (i - j)];
      for (std::size_t k = 0; k < j; ++k) {
        const std::size_t ck = ColumnStart(k, n);
        a -= h[ck + (i - k)] * h[ck + (j - k)] * h[ck];
      }
      h[cj + (i - j)] = a / d;
    }
  }
  return true;
}

// Solves L D L^T s = -g.
void SolveDirection(std::span<const double> h, std::size_t n, std::span<const double> g,
                    std::span<double> s) {
  for (std::size_t i = 0; i < n; ++i) s[i] = -g[i];
  for (std::size_t j = 0; j < n; ++j) {  // L z = -g, by columns.
    const std::size_t cj = ColumnStart(j, n);
    for (std::size_t i = j + 1; i < n; ++i) s[i] -= h[cj + (i - j)] * s[j];
  }
  for (std::size_t j = 0; j < n; ++j) s[j] /= h[ColumnStart(j, n)];
  for (std::size_t j = n; j-- > 0;) {  // L^T s = z.
    const std::size_t cj = ColumnStart(j, n);
    for (std::size_t i = j + 1; i < n; ++i) s[j] -= h[cj + (i - j)] * s[i];
  }
}

// L D L^T + sigma z z^T, column by column (z is overwritten). A diagonal element that would
// not be positive takes the smallest positive diagonal element met so far, which keeps the
// factors positive definite when rounding (or a negative sigma) would break them.
void RankOneUpdate(std::span<double> h, std::size_t n, std::span<double> z, double sigma) {
  double smallest = std::numeric_limits<double>::infinity();
  for (std::size_t j = 0; j < n; ++j) {
    const std::size_t cj = ColumnStart(j, n);
    const double p = z[j];
    const double d = h[cj];
    smallest = std::min(smallest, d);
    double updated = d + sigma * p * p;
    if (!(updated > 0.0)) updated = smallest;
    smallest = std::min(smallest, updated);
    const double beta = sigma * p / updated;
    sigma *= d / updated;
    h[cj] = updated;
    for (std::size_t i = j + 1; i < n; ++i) {
      z[i] -= p * h[cj + (i - j)];
      h[cj + (i - j)] += beta * z[i];
    }
  }
}

class Minimizer {
 public:
  Minimizer(const QuasiNewtonObjective& objective, int selector, std::span<double> x, double& f,
            std::span<double> g, std::span<double> h, std::span<const double> xm,
            const QuasiNewtonSettings& settings, const QuasiNewtonReport& report)
      : objective_(objective),
        selector_(selector),
        x_(x),
        f_(f),
        g_(g),
        h_(h),
        xm_(xm),
        settings_(settings),
        report_(report),
        n_(x.size()),
        s_(n_),
        trial_(n_),
        g_old_(n_),
        x_before_(n_),
        z_(n_) {}

  QuasiNewtonStatus Run();
  QuasiNewtonProgress Progress() const {
    return {iteration_, trial_points_, evaluations_, central_, f_, x_, g_};
  }

 private:
  enum class Search { kAccepted, kConverged, kLimit, kFailed };

  bool Evaluate(std::span<const double> at, double& value) {
    ++evaluations_;
    const ObjectiveValue result = objective_(at, selector_);
    value = result.f;
    return !result.failed;
  }
  bool Gradient();
  Search StepSearch(double gs, double& dfn);
  QuasiNewtonStatus Finish(QuasiNewtonStatus status) {
    if (settings_.report_every > 0 && report_) report_(Progress());
    return status;
  }

  const QuasiNewtonObjective& objective_;
  int selector_;
  std::span<double> x_;
  double& f_;
  std::span<double> g_;
  std::span<double> h_;
  std::span<const double> xm_;
  const QuasiNewtonSettings& settings_;
  const QuasiNewtonReport& report_;
  std::size_t n_;
  std::vector<double> s_;
  std::vector<double> trial_;
  std::vector<double> g_old_;
  std::vector<double> x_before_;
  std::vector<double> z_;
  int iteration_ = 0;
  int trial_points_ = 0;
  int evaluations_ = 0;
  bool central_ = false;
};

bool Minimizer::Gradient() {
  std::copy(x_.begin(), x_.end(), trial_.begin());
  for (std::size_t i = 0; i < n_; ++i) {
    const double step = settings_.difference_step * xm_[i];
    double plus = 0.0;
    trial_[i] = x_[i] + step;
    if (!Evaluate(trial_, plus)) return false;
    if (central_) {
      double minus = 0.0;
      trial_[i] = x_[i] - step;
      if (!Evaluate(trial_, minus)) return false;
      g_[i] = (plus - minus) / (2.0 * step);
    } else {
      g_[i] = (plus - f_) / step;
    }
    trial_[i] = x_[i];
  }
  return true;
}

// Searches along s_ from x_ (value f_, slope gs). On kAccepted and kLimit x_ and f_ hold
// the best point found.
Minimizer::Search Minimizer::StepSearch(double gs, double& dfn) {
  double largest_move = 0.0;  // max_i |s_i| / xm_i
  for (std::size_t i = 0; i < n_; ++i) {
    largest_move = std::max(largest_move, std::fabs(s_[i]) / xm_[i]);
  }
  const double smallest_alpha = settings_.accuracy / largest_move;
  const double f0 = f_;
  double alpha = std::min(1.0, -2.0 * dfn / gs);
  double best_alpha = 0.0;
  double best_f = f0;
  double f1 = 0.0;      // Value at the failed full step of the current cycle.
  bool halved = false;  // The current trial is the halved step of a cycle.
  auto move_to_best = [&] {
    for (std::size_t i = 0; i < n_; ++i) x_[i] += best_alpha * s_[i];
    f_ = best_f;
  };
  for (;;) {
    if (trial_points_ >= settings_.iteration_limit) {
      if (best_alpha > 0.0) move_to_best();
      return Search::kLimit;
    }
    ++trial_points_;
    for (std::size_t i = 0; i < n_; ++i) trial_[i] = x_[i] + alpha * s_[i];
    double value = 0.0;
    if (!Evaluate(trial_, value)) {
      if (best_alpha > 0.0) move_to_best();
      return Search::kFailed;
    }
    if (value < best_f) {  // Lower: accept, then try twice as far.
      best_alpha = alpha;
      best_f = value;
      alpha *= 2.0;
      continue;
    }
    if (best_alpha > 0.0) break;  // The doubled step no longer lowers f.
    if (alpha < smallest_alpha) return Search::kConverged;
    if (!halved) {
      f1 = value;
      alpha *= 0.5;
      halved = true;
    } else {
      const double f2 = value;
      double factor = kSmallestFactor;
      if (2.0 * f2 < f0 + f1) factor = 0.5 * (f0 - f1) / (f0 + f1 - 2.0 * f2) + 1.0;
      alpha *= std::max(factor, kSmallestFactor);
      halved = false;
    }
  }
  move_to_best();
  dfn = f0 - best_f;
  return Search::kAccepted;
}

QuasiNewtonStatus Minimizer::Run() {
  const std::size_t packed = n_ * (n_ + 1) / 2;
  if (n_ < 1 || n_ > kMaxVariables || g_.size() != n_ || xm_.size() != n_ || h_.size() != packed ||
      !(settings_.difference_step > 0.0)) {
    return QuasiNewtonStatus::kInvalidArguments;
  }
  for (double scale : xm_) {
    if (!(scale > 0.0)) return QuasiNewtonStatus::kInvalidArguments;
  }
  switch (settings_.start) {
    case HessianStart::kUnit:
      std::fill(h_.begin(), h_.end(), 0.0);
      for (std::size_t j = 0; j < n_; ++j) h_[ColumnStart(j, n_)] = 1.0;
      break;
    case HessianStart::kFactorise:
      if (!Factorise(h_, n_)) return QuasiNewtonStatus::kNotPositiveDefinite;
      break;
    case HessianStart::kFactors:
      break;
    default:
      return QuasiNewtonStatus::kInvalidArguments;
  }

  const double f_passed = f_;
  if (!Evaluate(x_, f_)) return Finish(QuasiNewtonStatus::kObjectiveFailed);
  double dfn = settings_.expected_reduction;
  if (dfn == 0.0) {
    dfn = f_passed - f_;
  } else if (dfn < 0.0) {
    dfn = std::fabs(dfn * f_);
  }
  if (!(dfn > 0.0)) dfn = 1.0;
  if (!Gradient()) return Finish(QuasiNewtonStatus::kObjectiveFailed);

  for (;;) {
    if (settings_.report_every > 0 && report_ && iteration_ % settings_.report_every == 0) {
      report_(Progress());
    }
    SolveDirection(h_, n_, g_, s_);
    double largest_move = 0.0;
    double gs = 0.0;
    for (std::size_t i = 0; i < n_; ++i) {
      largest_move = std::max(largest_move, std::fabs(s_[i]) / xm_[i]);
      gs += g_[i] * s_[i];
    }
    if (!(largest_move >= kVanishingStep)) return Finish(QuasiNewtonStatus::kNoProgress);

    QuasiNewtonStatus stop = QuasiNewtonStatus::kNoProgress;
    bool stopped = !(gs < 0.0);  // Not a descent direction.
    if (!stopped) {
      std::copy(g_.begin(), g_.end(), g_old_.begin());
      std::copy(x_.begin(), x_.end(), x_before_.begin());
      const double f_before = f_;
      const Search search = StepSearch(gs, dfn);
      switch (search) {
        case Search::kFailed:
          return Finish(QuasiNewtonStatus::kObjectiveFailed);
        case Search::kLimit:
          if (f_ < f_before && !Gradient()) return Finish(QuasiNewtonStatus::kObjectiveFailed);
          return Finish(QuasiNewtonStatus::kIterationLimit);
        case Search::kConverged:
          stopped = true;
          stop = QuasiNewtonStatus::kConverged;
          break;
        case Search::kAccepted:
          break;
      }
    }
    if (stopped) {
      if (central_) return Finish(stop);
      central_ = true;  // Forward differences have done what they can: refine the gradient.
      if (!Gradient()) return Finish(QuasiNewtonStatus::kObjectiveFailed);
      continue;
    }

    ++iteration_;
    if (!Gradient()) return Finish(QuasiNewtonStatus::kObjectiveFailed);
    // BFGS: B+ = B + y y^T / (y^T delta) + g g^T / (g^T s), with delta = x - x_before the
    // step just taken, y the change of gradient, and g, s the old gradient and direction
    // (B s = -g, so B delta delta^T B / delta^T B delta = -g g^T / g^T s).
    double y_delta = 0.0;
    for (std::size_t i = 0; i < n_; ++i) {
      z_[i] = g_[i] - g_old_[i];
      y_delta += z_[i] * (x_[i] - x_before_[i]);
    }
    const double sigma_y = 1.0 / y_delta;
    const double sigma_g = 1.0 / gs;
    if (!(std::fabs(sigma_y) <= kLargestCorrection) ||
        !(std::fabs(sigma_g) <= kLargestCorrection)) {
      return Finish(QuasiNewtonStatus::kNoProgress);
    }
    RankOneUpdate(h_, n_, z_, sigma_y);
    RankOneUpdate(h_, n_, g_old_, sigma_g);
  }
}

}  // namespace

QuasiNewtonStatus MinimizeQuasiNewton(const QuasiNewtonObjective& objective, int selector,
                                      std::span<double> x, double& f, std::span<double> g,
                                      std::span<double> h, std::span<const double> xm,
                                      const QuasiNewtonSettings& settings,
                                      const QuasiNewtonReport& report,
                                      QuasiNewtonProgress* counts) {
  Minimizer minimizer(objective, selector, x, f, g, h, xm, settings, report);
  const QuasiNewtonStatus status = minimizer.Run();
  if (counts != nullptr) {
    *counts = minimizer.Progress();
    counts->x = {};
    counts->g = {};
  }
  return status;
}

QuasiNewtonSettings LikelihoodSearchSettings(int iteration_limit) {
  QuasiNewtonSettings settings;
  settings.expected_reduction = -0.25;
  settings.difference_step = 1e-5;
  settings.accuracy = 1e-5;
  settings.start = HessianStart::kUnit;
  settings.iteration_limit = iteration_limit;
  return settings;
}

}  // namespace kpa::probability
