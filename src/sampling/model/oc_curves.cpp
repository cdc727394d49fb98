// OC curve family: the range of true values, the family of sample sizes and the curves.
#include "sampling/model/oc_curves.h"

#include <algorithm>
#include <cmath>

#include "host/api/special_values.h"
#include "shell/probability/normal.h"

namespace kpa::sampling {
namespace {

constexpr double kHalfRangeSigmas = 4.0;
constexpr int kRangeIntervals = 10;
constexpr int kFamilyIntervals = 9;
constexpr double kSmallestFamilyTop = 10.0;

}  // namespace

double RoundHalfAway(double x) { return std::round(x); }

int PlanCurveSize(double n) {
  // Deliberate: a fractional N is drawn as R(N + 1), one more than rounding it up would give
  // when its fraction is at least one half (10.5 draws n = 12); the plan's curve has always
  // been drawn this way, on the safe side of the plan.
  if (n != std::trunc(n)) n = RoundHalfAway(n + 1.0);
  return static_cast<int>(std::max(n, 1.0));
}

std::vector<int> FamilySizes(int plan_n, const AxisScaler& scale) {
  const double np = plan_n;
  double lower = 1.0;
  double upper = std::max(np, kSmallestFamilyTop);
  double step = 1.0;
  if (upper > kSmallestFamilyTop) {
    step = std::max(RoundHalfAway(scale(1.0, upper, kFamilyIntervals).step), 1.0);
    const double t = (upper - lower) / step;
    const double half = RoundHalfAway(step * t / 2.0);
    lower = std::max(1.0, np - half);
    upper = np + half;
  }
  const double count = std::min(RoundHalfAway((upper - lower) / std::max(step - 1.0, 1.0)),
                                static_cast<double>(kMaxFamilyCurves));
  std::vector<int> sizes;
  for (int j = 1; j <= static_cast<int>(count); ++j)
    sizes.push_back(static_cast<int>(std::max(RoundHalfAway(lower + (j - 1) * step), 1.0)));
  return sizes;
}

double RejectionProbability(const PlanInputs& inputs, const PlanBasis& basis, int n, double x) {
  const double u = (x - inputs.h0) / (basis.sigma_used / std::sqrt(static_cast<double>(n)));
  double p = 0.0;
  if (inputs.criterion != SamplingCriterion::kOneSidedRight)
    p += probability::NormalIntegral(-basis.z - u, false);
  if (inputs.criterion != SamplingCriterion::kOneSidedLeft)
    p += probability::NormalIntegral(basis.z - u, true);
  return p;
}

std::optional<OcFamily> ComputeOcCurves(const PlanInputs& inputs, double plan_n,
                                        const AxisScaler& scale) {
  const PlanBasis basis = ComputeBasis(inputs);
  if (basis.quantile_fault != 0) return std::nullopt;
  const int np = PlanCurveSize(plan_n);

  const double half = kHalfRangeSigmas * basis.sigma_used / std::sqrt(static_cast<double>(np));
  double low = inputs.h0 - half;
  double high = inputs.h0 + half;
  const bool binomial = inputs.distribution == SamplingDistribution::kBinomialProportions;
  const bool poisson = inputs.distribution == SamplingDistribution::kPoissonFrequencies;
  if (inputs.distribution == SamplingDistribution::kNormalMeans) {
    low = std::min(low, inputs.h1);
    high = std::max(high, inputs.h1);
  }
  if (binomial) {
    low = std::max(low, 0.0);
    high = std::min(high, 1.0);
  }
  if (poisson) low = std::max(low, 1.0);
  if (inputs.criterion == SamplingCriterion::kOneSidedRight) low = inputs.h0;
  if (inputs.criterion == SamplingCriterion::kOneSidedLeft) high = inputs.h0;
  const host::AxisScale range = scale(low, high, kRangeIntervals);
  low = range.minimum;
  high = range.maximum;
  if (binomial) {
    low = std::max(low, 0.0);
    high = std::min(high, 1.0);
  }
  if (poisson) {
    low = std::trunc(low);
    high = std::trunc(high) + 1.0;
  }
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) return std::nullopt;

  OcFamily family;
  family.x_minimum = low;
  family.x_maximum = high;
  std::vector<int> sizes = FamilySizes(np, scale);
  sizes.push_back(np);
  for (const int n : sizes) {
    OcCurve curve;
    curve.n = n;
    curve.points.reserve(kOcPoints);
    for (int i = 0; i < kOcPoints; ++i) {
      const double x = low + (high - low) * i / (kOcPoints - 1);
      const bool outside = binomial && (x <= 0.0 || x >= 1.0);
      const double p = outside ? host::kMissing : RejectionProbability(inputs, basis, n, x);
      if (!outside && !std::isfinite(p)) return std::nullopt;
      curve.points.emplace_back(x, p);
    }
    family.curves.push_back(std::move(curve));
  }
  return family;
}

}  // namespace kpa::sampling
