// The sequential plan equivalent to a fixed plan: Wald's sequential probability ratio test
// under the normal approximation, as acceptance and rejection lines for the cumulative
// deviation from the H0 value, the expected sample sizes under H0 and H1, and the action
// recommended after each sample. Pure functions of numbers, in single precision as the
// sequential tables store them.
#pragma once

#include <cstdint>
#include <vector>

#include "sampling/model/fixed_plan.h"

namespace kpa::sampling {

// Reference: Wald, A. (1947), Sequential Analysis, Wiley, ch. 5 (the test for the mean of a
// normal distribution with known variance); the boundaries use A = ln((1 - beta) / alpha')
// and B = ln((1 - alpha') / beta), with ln 10 taken as 2.3026.
struct SequentialPlan {
  float a = 0.0f;  // rejection constant A
  float b = 0.0f;  // acceptance constant B
  float k = 0.0f;  // slope of every line, |H1 - H0| / 2
  float h_accept = 0.0f;
  float h_reject = 0.0f;
  float asn0 = 0.0f;  // expected number of samples under H0
  float asn1 = 0.0f;  // and under H1
  SamplingCriterion criterion = SamplingCriterion::kTwoTailed;
};

SequentialPlan ComputeSequentialPlan(const PlanInputs& inputs);

// Whether every constant of the plan and every line up to sample `samples` is a finite
// number: a difference H1 - H0 that vanishes even in double precision, or values so large
// that single precision overflows, leave a plan that cannot be shown.
bool IsFinitePlan(const SequentialPlan& plan, int samples);

// The line columns for sample n, in table order: two-tailed acceptance right, rejection
// right, acceptance left, rejection left; one-sided acceptance, rejection.
std::vector<float> SequentialLines(const SequentialPlan& plan, int n);

// Whether the lines of a criterion are the right-hand (upper) ones, column by column.
int LineCount(SamplingCriterion criterion);

// The action recommended after a sample; the numbers are the table's action values.
enum class SequentialAction : std::int16_t {
  kMissing = 0,
  kContinue = 1,
  kAccept = 2,
  kReject = 3
};

// A deviation lying exactly on a line stays kContinue: both tests are strict.
SequentialAction RecommendedAction(const SequentialPlan& plan, float cumulative, int n);

// Whether a cumulative deviation lies beyond a rejection line (drawn as a series of its own).
bool BeyondRejection(const SequentialPlan& plan, float cumulative, int n);

}  // namespace kpa::sampling
