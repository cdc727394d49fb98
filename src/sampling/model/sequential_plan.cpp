// Wald's sequential probability ratio test lines, expected sample sizes and actions.
#include "sampling/model/sequential_plan.h"

#include <cmath>

namespace kpa::sampling {
namespace {

// ln 10 to the five figures the plan has always used.
constexpr double kLn10 = 2.3026;

}  // namespace

SequentialPlan ComputeSequentialPlan(const PlanInputs& inputs) {
  const PlanBasis basis = ComputeBasis(inputs);
  SequentialPlan plan;
  plan.criterion = inputs.criterion;
  // The plan's quantities are formed from the inputs in double precision and only then
  // stored in single precision: H0 and H1 rounded to single precision before subtracting
  // would lose their difference (10000 and 10000.0001 give 0).
  const double alpha = basis.alpha_prime;
  const double beta = inputs.beta;
  const double s2 = basis.sigma_used * basis.sigma_used;
  const double delta = std::fabs(inputs.h1 - inputs.h0);
  const double a = kLn10 * std::log10((1.0 - beta) / alpha);
  const double b = kLn10 * std::log10((1.0 - alpha) / beta);
  const double k = delta / 2.0;
  const double h_accept = s2 * b / delta;
  const double h_reject = s2 * a / delta;
  double asn0 = 0.0;
  double asn1 = 0.0;
  if (inputs.distribution == SamplingDistribution::kPoissonFrequencies) {
    asn0 = h_accept / k;
    asn1 = h_reject / (delta - k);
  } else {
    const double information = delta * delta / (2.0 * s2);
    asn0 = ((1.0 - alpha) * b - alpha * a) / information;
    asn1 = ((1.0 - beta) * a - beta * b) / information;
  }
  plan.a = static_cast<float>(a);
  plan.b = static_cast<float>(b);
  plan.k = static_cast<float>(k);
  plan.h_accept = static_cast<float>(h_accept);
  plan.h_reject = static_cast<float>(h_reject);
  plan.asn0 = static_cast<float>(asn0);
  plan.asn1 = static_cast<float>(asn1);
  return plan;
}

bool IsFinitePlan(const SequentialPlan& plan, int samples) {
  for (const float value :
       {plan.a, plan.b, plan.k, plan.h_accept, plan.h_reject, plan.asn0, plan.asn1})
    if (!std::isfinite(value)) return false;
  // The lines are straight, so their ends bound every value between.
  for (const int n : {1, samples})
    for (const float line : SequentialLines(plan, n))
      if (!std::isfinite(line)) return false;
  return true;
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
