// What the rank-based results share: the sample in time order (failures before censored
// cases at equal times), the failure order of each failure (plain ranks for complete or
// singly censored data, Johnson's adjusted orders otherwise), the estimate of F at each
// failure, the rank-based confidence limits, and the product-limit (Kaplan-Meier) estimate.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

struct OrderedCase {
  double time = 0.0;
  bool censored = false;
  std::int64_t case_row = 0;
  std::int64_t reverse_rank = 0;   // n for the smallest time down to 1 for the largest
  std::optional<double> order;     // failures only
  std::optional<double> estimate;  // F-hat, failures only
};

struct FailureOrders {
  std::vector<OrderedCase> cases;  // in time order
  bool adjusted = false;           // Johnson's orders (the rank method does not apply)
};

// Johnson's adjusted orders are used when censoring times differ.
[[nodiscard]] FailureOrders OrderFailures(const shell::FailureSample& sample,
                                          shell::RankMethod method);

// F-hat of failure order i among n by the method (median rank for adjusted orders).
[[nodiscard]] double PlottingPosition(double order, double n, shell::RankMethod method);

// Rank-based limits of F for failure order i among n: each a one-sided bound at level cl.
struct RankLimits {
  std::optional<double> lower;
  std::optional<double> upper;
};
[[nodiscard]] RankLimits RankBasedLimits(double order, double n, double cl);

// Limits of a survival S with standard error se at the two-sided level cl, taken on the
// log-odds scale (so they stay inside (0, 1)); none unless 0 < S < 1 and se > 0.
struct SurvivalLimits {
  std::optional<double> lower;
  std::optional<double> upper;
};
[[nodiscard]] SurvivalLimits LogOddsLimits(double survival, std::optional<double> se, double cl);

// The product-limit estimate at each case in time order, with Greenwood's standard error
// and limits on the log-odds scale for failures with 0 < S < 1.
struct KaplanMeierPoint {
  double time = 0.0;
  bool censored = false;
  double survival = 1.0;
  std::optional<double> se;
  std::optional<double> lower;
  std::optional<double> upper;
};
[[nodiscard]] std::vector<KaplanMeierPoint> KaplanMeier(const FailureOrders& orders, double cl);

// The least-squares line y = intercept + slope x with its R^2; std::nullopt for fewer than
// `fewest` points or no spread in x.
struct LeastSquaresLine {
  double intercept = 0.0;
  double slope = 0.0;
  double r_squared = 0.0;
};
[[nodiscard]] std::optional<LeastSquaresLine> FitLeastSquares(std::span<const double> x,
                                                              std::span<const double> y,
                                                              std::size_t fewest = 3);

// The Weibull probability-plot points (ln(t - location), ln(-ln(1 - F-hat))) of the failures
// beyond the location with 0 < F-hat < 1.
struct PlotPoints {
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> time;
  std::vector<double> estimate;
};
[[nodiscard]] PlotPoints ProbabilityPlotPoints(const FailureOrders& orders, double location);

// The standard normal quantile of 1 - (1 - cl) / 2; 0 when cl is outside (0, 1).
[[nodiscard]] double TwoSidedZ(double cl);

}  // namespace kpa::reliability
