// Wald's sequential probability ratio test lines, expected sample sizes and actions.
#include "sampling/model/sequential_plan.h"

#include <cmath>

namespace kpa::sampling {
namespace {

constexpr float kLn10 = 2.3026f;

}  // namespace

SequentialPlan ComputeSequentialPlan(const PlanInputs& inputs) {
  const PlanBasis basis = ComputeBasis(inputs);
  SequentialPlan plan;
  plan.criterion = inputs.criterion;
  const auto alpha = static_cast<float>(basis.alpha_prime);
  const auto beta = static_cast<float>(inputs.beta);
  const auto s = static_cast<float>(basis.sigma_used);
  const float delta = std::fabs(static_cast<float>(inputs.h1) - static_cast<float>(inputs.h0));
  plan.a = kLn10 * std::log10((1.0f - beta) / alpha);
  plan.b = kLn10 * std::log10((1.0f - alpha) / beta);
  plan.k = delta / 2.0f;
  plan.h_accept = s * s * plan.b / delta;
  plan.h_reject = s * s * plan.a / delta;
  if (inputs.distribution == SamplingDistribution::kPoissonFrequencies) {
    plan.asn0 = plan.h_accept / plan.k;
    plan.asn1 = plan.h_reject / (delta - plan.k);
  } else {
    const float information = delta * delta / (2.0f * s * s);
    plan.asn0 = ((1.0f - alpha) * plan.b - alpha * plan.a) / information;
    plan.asn1 = ((1.0f - beta) * plan.a - beta * plan.b) / information;
  }
  return plan;
}

int LineCount(SamplingCriterion criterion) {
  return criterion == SamplingCriterion::kTwoTailed ? 4 : 2;
}

std::vector<float> SequentialLines(const SequentialPlan& plan, int n) {
  const float nk = static_cast<float>(n) * plan.k;
  switch (plan.criterion) {
    case SamplingCriterion::kTwoTailed:
      return {nk - plan.h_accept, nk + plan.h_reject, plan.h_accept - nk, -plan.h_reject - nk};
    case SamplingCriterion::kOneSidedRight:
      return {nk - plan.h_accept, nk + plan.h_reject};
    case SamplingCriterion::kOneSidedLeft:
      return {plan.h_accept - nk, -plan.h_reject - nk};
  }
  return {};
}

bool BeyondRejection(const SequentialPlan& plan, float cumulative, int n) {
  const std::vector<float> lines = SequentialLines(plan, n);
  switch (plan.criterion) {
    case SamplingCriterion::kTwoTailed:
      return cumulative > lines[1] || cumulative < lines[3];
    case SamplingCriterion::kOneSidedRight:
      return cumulative > lines[1];
    case SamplingCriterion::kOneSidedLeft:
      return cumulative < lines[1];
  }
  return false;
}

SequentialAction RecommendedAction(const SequentialPlan& plan, float cumulative, int n) {
  if (!std::isfinite(cumulative)) return SequentialAction::kMissing;
  const std::vector<float> lines = SequentialLines(plan, n);
  bool accept = false;
  switch (plan.criterion) {
    case SamplingCriterion::kTwoTailed:
      accept = cumulative < lines[0] && cumulative > lines[2];
      break;
    case SamplingCriterion::kOneSidedRight:
      accept = cumulative < lines[0];
      break;
    case SamplingCriterion::kOneSidedLeft:
      accept = cumulative > lines[0];
      break;
  }
  if (accept) return SequentialAction::kAccept;
  if (BeyondRejection(plan, cumulative, n)) return SequentialAction::kReject;
  return SequentialAction::kContinue;
}

}  // namespace kpa::sampling
