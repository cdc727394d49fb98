// The module's missing-value markers: not-a-number bit patterns that stand for a missing or
// not-computed number, in single and double precision. One representation flows from the
// computations through result tables to every renderer, which leaves such cells empty.
#pragma once

#include <bit>
#include <cstdint>

namespace kpa::host {

// Single precision: the patterns 0xFFFFFFF0..0xFFFFFFFF are markers; 0xFFFFFFF7..0xFFFFFFFF
// (the integers -9..-1) are the numbered special codes 9..1.
inline constexpr std::uint32_t kFirstFloatMarkerBits = 0xFFFFFFF0u;
// Double precision: a high word of 0xFFFFFFF0 or above with a low word of all ones.
inline constexpr std::uint32_t kFirstDoubleMarkerHighWord = 0xFFFFFFF0u;
inline constexpr std::uint64_t kMissingDoubleBits = 0xFFFFFFFFFFFFFFFFull;

inline bool IsSpecialValue(float value) {
  return std::bit_cast<std::uint32_t>(value) >= kFirstFloatMarkerBits;
}

inline bool IsSpecialValue(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto high = static_cast<std::uint32_t>(bits >> 32);
  const auto low = static_cast<std::uint32_t>(bits & 0xFFFFFFFFu);
  return high >= kFirstDoubleMarkerHighWord && low == 0xFFFFFFFFu;
}

// The double marker with the given high word (0xFFFFFFF0..0xFFFFFFFF).
inline double MissingMarker(std::uint32_t high_word = 0xFFFFFFFFu) {
  return std::bit_cast<double>((std::uint64_t{high_word} << 32) | 0xFFFFFFFFull);
}

inline const double kMissing = std::bit_cast<double>(kMissingDoubleBits);

}  // namespace kpa::host
