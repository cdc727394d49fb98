// The error sentinel of the probability library: the value that marks a missing result.
// Callers compare against it exactly, so it is one named constant shared by every routine.
#pragma once

namespace kpa::probability {

// Returned for a result that cannot be formed (an invalid date, a log-gamma of a non-positive
// argument, a control constant outside its table). Chosen small and odd so that it is never a
// plausible value of any routine here.
inline constexpr double kErrorSentinel = -8.88e-36;

}  // namespace kpa::probability
