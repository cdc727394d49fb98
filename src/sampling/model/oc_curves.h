// Operating characteristic curves of a fixed plan: for each true process value, the
// probability that a plan of size n rejects H0, for the plan's own size and a family of
// neighbouring sizes. Pure: the host's axis scaling is passed in.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "host/api/host.h"
#include "sampling/model/fixed_plan.h"

namespace kpa::sampling {

using AxisScaler = std::function<host::AxisScale(double minimum, double maximum, int intervals)>;

inline constexpr int kOcPoints = 200;
inline constexpr int kMaxFamilyCurves = 9;

struct OcCurve {
  int n = 0;
  std::vector<std::pair<double, double>> points;  // (true value, probability of rejecting H0)
};

struct OcFamily {
  double x_minimum = 0.0;
  double x_maximum = 0.0;
  std::vector<OcCurve> curves;  // the family, then the plan's own curve last
};

// x rounded to the nearest whole number, halves away from zero.
double RoundHalfAway(double x);

// The size the plan's own curve uses: a fractional N becomes R(N + 1).
int PlanCurveSize(double n);

// The sample sizes of the family for a plan of size `plan_n` (already whole).
std::vector<int> FamilySizes(int plan_n, const AxisScaler& scale);

// The probability that a plan of size n rejects H0 when the true value is x.
double RejectionProbability(const PlanInputs& inputs, const PlanBasis& basis, int n, double x);

// The whole family; nothing when the normal quantile of 1 - alpha' cannot be computed, or
// when the range of true values or a probability is not a finite number.
std::optional<OcFamily> ComputeOcCurves(const PlanInputs& inputs, double plan_n,
                                        const AxisScaler& scale);

}  // namespace kpa::sampling
