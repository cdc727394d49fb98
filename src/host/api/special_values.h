// The module's missing-value markers: not-a-number bit patterns that stand for a missing or
// not-computed number, in single and double precision. One representation flows from the
// computations through result tables to every renderer, which leaves such cells empty.
// Beside them, the one routine that writes a number into a fixed-width field, shared by the
// module's output line and the host's renderers so that a cell reads the same everywhere.
#pragma once

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

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

// Widens a single-precision result value. A single-precision marker keeps its code: the
// pattern 0xFFFFFFF0 + k becomes the double marker with high word 0xFFFFFFF0 + k, so the
// special codes 9..1 (integers -9..-1) stay the codes 9..1. Other values widen unchanged.
inline double WidenValue(float value) {
  if (IsSpecialValue(value)) return MissingMarker(std::bit_cast<std::uint32_t>(value));
  return static_cast<double>(value);
}

// The most decimals a field is ever written with; more would only show noise digits.
inline constexpr int kMaxFieldDecimals = 30;

namespace detail {

// `value` in fixed (or scientific) notation with `precision` digits after the point, '.'
// whatever the locale; a result that rounds to zero loses its minus sign ("-0.00").
inline std::string NumberText(double value, std::chars_format format, int precision) {
  char buffer[400];  // 309 integer digits + point + kMaxFieldDecimals, with room to spare
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  std::string text(buffer, result.ptr);
  if (!text.empty() && text[0] == '-') {
    bool nonzero = false;
    for (const char c : text) {
      if (c == 'e') break;
      if (c >= '1' && c <= '9') nonzero = true;
    }
    if (!nonzero && text.find_first_of("ni") == std::string::npos) text.erase(0, 1);
  }
  return text;
}

}  // namespace detail

// Writes `value` right-aligned in `width` characters with `decimals` fixed decimals ('.'
// always). A missing marker gives `width` blanks. A number whose fixed form is wider than the
// field is written in the nearest form that fits: fewer decimals first, then scientific
// notation with as many digits as fit. A number that fits in no form comes out in its
// shortest form, wider than the field: a number is never cut.
inline std::string FormatNumberField(double value, int width, int decimals) {
  if (width < 0) width = 0;
  const auto field = static_cast<std::size_t>(width);
  if (IsSpecialValue(value)) return std::string(field, ' ');
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxFieldDecimals) decimals = kMaxFieldDecimals;
  std::string text;
  for (int d = decimals; d >= 0; --d) {
    text = detail::NumberText(value, std::chars_format::fixed, d);
    if (text.size() <= field) break;
  }
  if (text.size() > field) {
    const std::string whole = text;  // the fixed form without decimals
    for (int d = 15; d >= 0; --d) {
      text = detail::NumberText(value, std::chars_format::scientific, d);
      if (text.size() <= field) break;
    }
    if (text.size() > field && whole.size() <= text.size()) text = whole;
  }
  if (text.size() < field) text.insert(0, field - text.size(), ' ');
  return text;
}

}  // namespace kpa::host
