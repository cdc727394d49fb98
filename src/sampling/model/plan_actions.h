// The fixed-plan steps that the dialogs run on the settings block: computing the plan at
// the specification dialog's OK, computing the plan of a custom sample size, and
// forgetting the custom size when the results dialog is cancelled.
#pragma once

#include <optional>

#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

// Searches N for the selected distribution's specification and stores N, the limits and
// (binomial, Poisson) the sigma used. Nothing on success; else the message's string number,
// which the caller shows. The mode returns to the computed N either way.
[[nodiscard]] std::optional<int> ComputePlan(shell::SamplingSettings& settings);

// In custom mode, the beta and limits of the custom N. A custom N that is not positive shows
// its message and brings the mode back to the computed N.
void ComputeCustomPlan(shell::SamplingSettings& settings);

void ForgetCustomSize(shell::SamplingSettings& settings);

}  // namespace kpa::sampling
