// Heapsorts of real values, alone or carrying a tag array along.
// Arrays here are 0-based spans; the whole span is sorted.
#pragma once

#include <cstddef>
#include <span>
#include <utility>

namespace kpa::probability {

namespace detail {

// The classical heapsort (Williams 1964, with Floyd's construction): the heap is built from
// the middle of the array downwards, then its top is moved to the end one element at a time.
// Positions are 1-based inside (`at(i)` is element i - 1) so that the children of i are 2i and
// 2i + 1. `move(to, from)` copies element `from` to `to` together with anything it carries;
// `hold(i)`/`place(i)` keep and restore one element in flight.
template <typename Less, typename Move, typename Hold, typename Place>
void HeapSortIndexed(std::size_t n, Less less, Move move, Hold hold, Place place) {
  if (n < 2) return;
  std::size_t l = n / 2 + 1;  // Next element to sift down while building the heap.
  std::size_t ir = n;         // Last position of the heap while extracting.
  for (;;) {
    if (l > 1) {
      --l;
      hold(l);
    } else {
      hold(ir);
      move(ir, 1);
      if (--ir == 1) {
        place(1);
        return;
      }
    }
    // Sift the held element down from position l.
    std::size_t i = l;
    std::size_t j = l + l;
    while (j <= ir) {
      if (j < ir && less(j, j + 1)) ++j;
      if (!less(0, j)) break;  // Position 0 names the held element.
      move(i, j);
      i = j;
      j += j;
    }
    place(i);
  }
}

}  // namespace detail

// Sorts `values` ascending; when `order` is 'd' or 'D' the sorted span is then reversed to
// descending. Fewer than 2 values are left untouched. NaNs leave the order unspecified.
void HeapSort(std::span<double> values, char order);

// Sorts `keys` ascending and moves each tag with its key. Requires tags.size() ==
// keys.size(); otherwise nothing is done. Equal keys keep no particular order (the classical
// heapsort is not stable); the result is nevertheless deterministic.
template <typename Tag>
void HeapSortTagged(std::span<double> keys, std::span<Tag> tags) {
  if (tags.size() != keys.size()) return;
  double held_key = 0.0;
  Tag held_tag{};
  auto key = [&](std::size_t i) -> double { return i == 0 ? held_key : keys[i - 1]; };
  detail::HeapSortIndexed(
      keys.size(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); },
      [&](std::size_t to, std::size_t from) {
        keys[to - 1] = keys[from - 1];
        tags[to - 1] = std::move(tags[from - 1]);
      },
      [&](std::size_t i) {
        held_key = keys[i - 1];
        held_tag = std::move(tags[i - 1]);
      },
      [&](std::size_t i) {
        keys[i - 1] = held_key;
        tags[i - 1] = std::move(held_tag);
      });
}

}  // namespace kpa::probability
