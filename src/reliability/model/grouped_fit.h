// The Weibull fit of a life table: the actuarial life-table quantities of each interval,
// then the interval hazard rates fitted by weighted least squares under four hazard models
// (exponential, linear, Gompertz, Weibull) and three weightings, the Weibull fit with the
// largest grouped log-likelihood giving shape and scale (Gehan and Siddiqui 1973).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kpa::reliability {

// Numbers are fixed: the messages are chosen by them.
enum class GroupedStatus : std::int16_t {
  kOk = 0,
  kNoRows = 201,
  kNegativeAtRisk = 202,  // withdrawals and failures exceed the number entering
  kNobodyAtRisk = 203,
  kTooFewIntervals = 204,  // fewer than two intervals with a width to fit
  kNoVariance = 206,       // a response variance that is not positive
  kNoWeibullFit = 208,     // none of the three Weibull fits is valid
  kBadWidth = 210,         // interval limits that do not rise
};

// One row of the life table. Values that an interval does not have are std::nullopt.
struct LifeTableRow {
  double start = 0.0;           // lower limit minus the location
  std::optional<double> width;  // none for the open last interval
  std::optional<double> midpoint;
  double entering = 0.0;  // n_i
  double withdrawn = 0.0;
  double failed = 0.0;
  double exposed = 0.0;  // n_i - w_i / 2
  double q = 0.0;        // proportion failing
  double p = 1.0;
  double survival = 1.0;  // S_i at the start of the interval
  std::optional<double> density;
  std::optional<double> hazard;
  std::optional<double> se_survival;
  std::optional<double> se_density;
  std::optional<double> se_hazard;
  std::optional<double> median_remaining;
  std::optional<double> se_median_remaining;
};

enum class HazardModel : std::int16_t {
  kExponential = 0,
  kLinear = 1,
  kGompertz = 2,
  kWeibull = 3
};
enum class HazardWeighting : std::int16_t { kUnit = 0, kInverseVariance = 1, kExposure = 2 };

struct HazardFit {
  HazardModel model = HazardModel::kWeibull;
  HazardWeighting weighting = HazardWeighting::kUnit;
  double intercept = 0.0;
  double slope = 0.0;
  std::optional<double> se_slope;
  std::optional<double> cov;  // covariance of intercept and slope
  bool valid = false;
  std::optional<double> log_likelihood;
};

struct GroupedFitResult {
  GroupedStatus status = GroupedStatus::kOk;
  std::vector<LifeTableRow> rows;
  std::vector<HazardFit> fits;  // all twelve, model after model
  std::optional<double> shape;
  std::optional<double> scale;
  std::optional<double> se_shape;
  std::optional<double> cov;
  std::optional<double> log_likelihood;
};

// The life table alone (the rows of a GroupedFitResult, without any fit): kOk, or the status
// that stopped it (kNoRows, kNegativeAtRisk, kNobodyAtRisk, kBadWidth).
struct LifeTable {
  GroupedStatus status = GroupedStatus::kOk;
  std::vector<LifeTableRow> rows;
};
[[nodiscard]] LifeTable BuildLifeTable(std::span<const double> lower,
                                       std::span<const double> withdrawn,
                                       std::span<const double> failed, double entering,
                                       double location);

[[nodiscard]] GroupedFitResult FitWeibullGrouped(std::span<const double> lower,
                                                 std::span<const double> withdrawn,
                                                 std::span<const double> failed, double entering,
                                                 double location);

}  // namespace kpa::reliability
