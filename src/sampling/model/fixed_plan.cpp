// The fixed plan: sample size from beta, beta from sample size, and the entry checks.
#include "sampling/model/fixed_plan.h"

#include <cmath>

#include "resources/ids/sampling_strings.h"
#include "shell/probability/normal.h"

namespace kpa::sampling {
namespace {

using probability::NormalIntegral;

constexpr double kStartSize = 50.0;
constexpr double kStartStep = 20.0;
constexpr bool kLowerTail = false;

// The beta that the search aims at for a plan of size n: the one-sided tests take only the
// tail beyond z.
double SearchBeta(const PlanInputs& inputs, const PlanBasis& basis, double n) {
  const double r = std::sqrt(n) * basis.d;
  const double p1 = NormalIntegral(basis.z - r, kLowerTail);
  if (inputs.criterion != SamplingCriterion::kTwoTailed) return p1;
  return p1 - NormalIntegral(-basis.z - r, kLowerTail);
}

void SetLimits(const PlanInputs& inputs, const PlanBasis& basis, FixedPlan& plan) {
  const double half_width = basis.sigma_used * basis.z / std::sqrt(plan.n);
  plan.lower = inputs.h0 - half_width;
  plan.upper = inputs.h0 + half_width;
}

}  // namespace

PlanInputs InputsFromSettings(const shell::SamplingSettings& settings) {
  return {settings.distribution, settings.criterion, settings.alpha,  settings.beta,
          settings.H0(),         settings.H1(),      settings.Sigma()};
}

PlanBasis ComputeBasis(const PlanInputs& inputs) {
  PlanBasis basis;
  basis.alpha_prime =
      inputs.criterion == SamplingCriterion::kTwoTailed ? inputs.alpha / 2.0 : inputs.alpha;
  basis.z = probability::NormalQuantile(1.0 - basis.alpha_prime, basis.quantile_fault);
  switch (inputs.distribution) {
    case SamplingDistribution::kNormalMeans:
      basis.sigma_used = inputs.sigma;
      break;
    case SamplingDistribution::kBinomialProportions:
      basis.sigma_used = std::sqrt(inputs.h0 * (1.0 - inputs.h0));
      break;
    case SamplingDistribution::kPoissonFrequencies:
      basis.sigma_used = std::sqrt(inputs.h0);
      break;
  }
  basis.d = std::fabs(inputs.h0 - inputs.h1) / basis.sigma_used;
  return basis;
}

FixedPlan SampleSizeFromBeta(const PlanInputs& inputs) {
  const PlanBasis basis = ComputeBasis(inputs);
  FixedPlan plan;
  plan.sigma_used = basis.sigma_used;
  plan.beta = inputs.beta;
  // Mended: an alpha so small that 1 - alpha' rounds to 1 has no normal quantile; the search
  // would run on the library's fault answer and report a plan of N = 1.
  if (basis.quantile_fault != 0) {
    plan.status = PlanStatus::kNoQuantile;
    return plan;
  }
  double n = kStartSize;
  double step = kStartStep;
  bool reversed = false;
  for (int steps = 0;; ++steps) {
    if (steps == kMaxSearchSteps) {
      plan.status = PlanStatus::kNotSettled;
      plan.n = n;
      return plan;
    }
    if (n <= 0.0) n = 1.0;
    const double e = SearchBeta(inputs, basis, n) - inputs.beta;
    if (std::fabs(e) <= kBetaTolerance) break;
    if (e > 0.0) {  // the plan is too small
      if (reversed) step /= 2.0;
      reversed = false;
      n += step;
      if (n > kMaxSampleSize) {
        plan.status = PlanStatus::kAboveLimit;
        plan.n = n;
        return plan;
      }
    } else {  // the plan is too large
      if (n <= 1.0) {
        n = 1.0;
        break;
      }
      reversed = true;
      n -= step;
    }
  }
  plan.n = n;
  SetLimits(inputs, basis, plan);
  return plan;
}

FixedPlan BetaForSampleSize(const PlanInputs& inputs, double n) {
  const PlanBasis basis = ComputeBasis(inputs);
  FixedPlan plan;
  plan.n = n;
  plan.sigma_used = basis.sigma_used;
  if (n <= 0.0) {
    plan.status = PlanStatus::kSizeNotPositive;
    plan.beta = inputs.beta;
    return plan;
  }
  if (basis.quantile_fault != 0) {
    plan.status = PlanStatus::kNoQuantile;
    plan.beta = inputs.beta;
    return plan;
  }
  // Deliberately both tails for every criterion, unlike the search: for a one-sided test
  // the second tail is negligible at any useful N, and the beta shown for a custom N has
  // always been computed this way.
  const double r = std::sqrt(n) * basis.d;
  plan.beta = NormalIntegral(basis.z - r, kLowerTail) - NormalIntegral(-basis.z - r, kLowerTail);
  SetLimits(inputs, basis, plan);
  return plan;
}

std::int64_t RoundUpSize(double n) {
  const double whole = std::trunc(n);
  return static_cast<std::int64_t>(whole) + (n != whole ? 1 : 0);
}

std::optional<int> CheckEntry(SamplingField field, double value, const PlanInputs& inputs) {
  const bool binomial = inputs.distribution == SamplingDistribution::kBinomialProportions;
  const bool poisson = inputs.distribution == SamplingDistribution::kPoissonFrequencies;
  switch (field) {
    case SamplingField::kAlpha:
      if (!(value > 0.0)) return strings::kAlphaNotPositive;
      if (!(value < 1.0)) return strings::kAlphaNotBelowOne;
      return std::nullopt;
    case SamplingField::kBeta:
      if (!(value > 0.0)) return strings::kBetaNotPositive;
      if (!(value < 1.0)) return strings::kBetaNotBelowOne;
      return std::nullopt;
    case SamplingField::kH0:
      if (binomial && !(value > 0.0 && value < 1.0)) return strings::kH0Proportion;
      if (poisson && !(value >= 1.0)) return strings::kH0Frequency;
      return std::nullopt;
    case SamplingField::kH1:
      if (binomial && !(value > 0.0 && value < 1.0)) return strings::kH1Proportion;
      if (poisson && !(value >= 1.0)) return strings::kH1Frequency;
      switch (inputs.criterion) {
        case SamplingCriterion::kTwoTailed:
          if (value == inputs.h0) return strings::kH1EqualsH0;
          break;
        case SamplingCriterion::kOneSidedRight:
          if (!(value > inputs.h0)) return strings::kH1NotAbove;
          break;
        case SamplingCriterion::kOneSidedLeft:
          if (!(value < inputs.h0)) return strings::kH1NotBelow;
          break;
      }
      return std::nullopt;
    case SamplingField::kSigma:
      if (inputs.distribution == SamplingDistribution::kNormalMeans && !(value > 0.0))
        return strings::kSigmaNotPositive;
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kpa::sampling
