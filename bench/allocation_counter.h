// The heap bytes the benchmark program holds: the global operator new and delete of this
// program count them, so that a benchmark can report the peak a call reached.
#pragma once

#include <cstddef>

namespace kpa::bench {

// Starts a new peak at the bytes held now.
void ResetPeak();
// The most bytes held since ResetPeak, less those held at that moment.
std::size_t PeakSinceReset();

}  // namespace kpa::bench
