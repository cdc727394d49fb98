#include "gage/model/design_order.h"

#include <algorithm>
#include <utility>

namespace kpa::gage {
namespace {

constexpr std::int64_t kModulus = 714025;
constexpr std::int64_t kMultiplier = 1366;
constexpr std::int64_t kIncrement = 150889;
constexpr std::int64_t kTableSize = 97;

std::int64_t Next(std::int64_t seed) { return (kMultiplier * seed + kIncrement) % kModulus; }

}  // namespace

float DrawUniform(shell::ShuffleGeneratorState& state) {
  if (state.seed < 0 || !state.initialised) {
    state.initialised = true;
    state.seed = (kIncrement - state.seed) % kModulus;
    for (std::int64_t& slot : state.table) {
      state.seed = Next(state.seed);
      slot = state.seed;
    }
    state.seed = Next(state.seed);
    state.last = state.seed;
  }
  const std::int64_t j = 1 + (kTableSize * state.last) / kModulus;
  if (j < 1 || j > kTableSize) return 0.5f;
  auto& slot = state.table[static_cast<std::size_t>(j - 1)];
  state.last = slot;
  const float u = static_cast<float>(state.last) * (1.0f / static_cast<float>(kModulus));
  state.seed = Next(state.seed);
  slot = state.seed;
  return u;
}

void SeedFromClock(shell::ShuffleGeneratorState& state, int clock_second) {
  state.seed = -clock_second;
  (void)DrawUniform(state);
}

std::vector<std::int32_t> StandardOrder(std::int64_t n) {
  std::vector<std::int32_t> order(static_cast<std::size_t>(n));
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<std::int32_t>(k + 1);
  return order;
}

void RandomiseBlocks(std::vector<std::int32_t>& order, std::int64_t block,
                     shell::ShuffleGeneratorState& state) {
  const auto n = static_cast<std::int64_t>(order.size());
  if (block < 1) return;
  std::vector<std::int32_t> drawn;
  drawn.reserve(static_cast<std::size_t>(block));
  for (std::int64_t s = 0; s < n; s += block) {
    const std::int64_t size = std::min(block, n - s);
    drawn.clear();
    for (std::int64_t r = size; r >= 1; --r) {
      const float u = DrawUniform(state);
      std::int64_t j = s + static_cast<std::int64_t>(u * static_cast<float>(r));
      if (j > s + r - 1) j = s + r - 1;
      drawn.push_back(order[static_cast<std::size_t>(j)]);
      for (std::int64_t m = j; m < s + r - 1; ++m)
        order[static_cast<std::size_t>(m)] = order[static_cast<std::size_t>(m + 1)];
    }
    for (std::int64_t m = 0; m < size; ++m)
      order[static_cast<std::size_t>(s + m)] = drawn[static_cast<std::size_t>(m)];
  }
}

void SortBack(std::vector<std::int32_t>& order) {
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (std::size_t k = 1; k < order.size(); ++k)
      if (order[k - 1] > order[k]) {
        std::swap(order[k - 1], order[k]);
        exchanged = true;
      }
  }
}

}  // namespace kpa::gage
