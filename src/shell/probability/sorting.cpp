// Heapsort of real values with an optional reversal to descending order.
#include "shell/probability/sorting.h"

#include <algorithm>

namespace kpa::probability {

void HeapSort(std::span<double> values, char order) {
  if (values.size() < 2) return;
  double held = 0.0;
  auto value = [&](std::size_t i) { return i == 0 ? held : values[i - 1]; };
  detail::HeapSortIndexed(
      values.size(), [&](std::size_t a, std::size_t b) { return value(a) < value(b); },
      [&](std::size_t to, std::size_t from) { values[to - 1] = values[from - 1]; },
      [&](std::size_t i) { held = values[i - 1]; }, [&](std::size_t i) { values[i - 1] = held; });
  if (order == 'd' || order == 'D') std::reverse(values.begin(), values.end());
}

}  // namespace kpa::probability
