// Fixed-plan steps on the settings block.
#include "sampling/model/plan_actions.h"

#include "resources/ids/sampling_strings.h"
#include "sampling/model/fixed_plan.h"

namespace kpa::sampling {

std::optional<int> ComputePlan(shell::SamplingSettings& s) {
  s.mode = shell::SampleSizeMode::kComputed;
  const FixedPlan plan = SampleSizeFromBeta(InputsFromSettings(s));
  if (s.distribution != shell::SamplingDistribution::kNormalMeans)
    s.sigma[s.Index()] = plan.sigma_used;
  s.computed_n = plan.n;
  switch (plan.status) {
    case PlanStatus::kOk:
      break;
    case PlanStatus::kAboveLimit:
      return strings::kSampleSizeAboveLimit;
    default:
      return strings::kSampleSizeIncalculable;
  }
  s.computed_lower = plan.lower;
  s.computed_upper = plan.upper;
  if (!(s.custom_n > 0.0)) s.custom_n = s.computed_n;
  return std::nullopt;
}

std::optional<int> ComputeCustomPlan(shell::SamplingSettings& s) {
  if (s.mode == shell::SampleSizeMode::kComputed) return std::nullopt;
  const FixedPlan plan = BetaForSampleSize(InputsFromSettings(s), s.custom_n);
  if (plan.status == PlanStatus::kSizeNotPositive || plan.status == PlanStatus::kNoQuantile) {
    s.mode = shell::SampleSizeMode::kComputed;
    return strings::kBetaIncalculable;
  }
  s.achieved_beta = plan.beta;
  s.custom_lower = plan.lower;
  s.custom_upper = plan.upper;
  return std::nullopt;
}

void ForgetCustomSize(shell::SamplingSettings& s) { s.custom_n = 0.0; }

}  // namespace kpa::sampling
