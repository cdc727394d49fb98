// The order in which a design's measurements are taken: a permutation of the N layout
// positions, randomised block by block (the parts of one operator in one trial) with a
// linear congruential generator behind a 97-entry shuffle table (Knuth's algorithm M with
// the constants of Numerical Recipes' ran2, 1st edition), or sorted back to standard order.
#pragma once

#include <cstdint>
#include <vector>

#include "shell/settings/gage_settings.h"

namespace kpa::gage {

// One draw in [0, 1). A seed below 0, or the first draw of an analysis, (re)fills the
// table from the seed; a seed of 0 continues from the state the previous draws left.
float DrawUniform(shell::ShuffleGeneratorState& state);

// Seeds with minus `clock_second` (0 to 59) and makes the one discarded draw.
void SeedFromClock(shell::ShuffleGeneratorState& state, int clock_second);

// The identity permutation of positions 1..n.
std::vector<std::int32_t> StandardOrder(std::int64_t n);

// Shuffles each block of `block` consecutive entries: r runs from the block size down to 1,
// the entry at s + trunc(u·r) is taken next and the gap is closed towards s.
void RandomiseBlocks(std::vector<std::int32_t>& order, std::int64_t block,
                     shell::ShuffleGeneratorState& state);

// Adjacent exchanges, pass after pass, until a pass makes none: the identity again.
void SortBack(std::vector<std::int32_t>& order);

}  // namespace kpa::gage
