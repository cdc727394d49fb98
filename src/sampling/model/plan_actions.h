// The fixed-plan steps that the requests run on the settings block: computing the plan at
// the specification dialog's OK, computing the plan of a custom sample size, and
// forgetting the custom size when the results dialog is cancelled.
#pragma once

#include <optional>

#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

// Searches N for the selected distribution's specification and stores N, the limits and
// (binomial, Poisson) the sigma used. Nothing on success; else the number of the message
// that refuses the plan. The mode returns to the computed N either way.
[[nodiscard]] std::optional<int> ComputePlan(shell::SamplingSettings& settings);

// In custom mode, the beta and limits of the custom N. A custom N that is not positive
// brings the mode back to the computed N and answers the number of its message.
[[nodiscard]] std::optional<int> ComputeCustomPlan(shell::SamplingSettings& settings);

void ForgetCustomSize(shell::SamplingSettings& settings);

}  // namespace kpa::sampling
