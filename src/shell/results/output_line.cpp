// The shared output line and its number writers.
#include "shell/results/output_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "host/api/special_values.h"
#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"

namespace kpa::shell {
namespace {

constexpr int kAutoDigits = 8;  // significant places PutRealAuto aims for

}  // namespace

OutputLine::OutputLine() { Clear(); }

void OutputLine::Clear() { line_.assign(kOutputLineWidth, U' '); }

void OutputLine::PutText(int& column, std::string_view text, int length) {
  std::u32string chars = DecodeUtf8(text);
  if (length >= 0) chars.resize(static_cast<std::size_t>(length), U' ');
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const long long at = column + static_cast<long long>(i);  // 1-based column
    if (at >= 1 && at <= kOutputLineWidth) line_[static_cast<std::size_t>(at - 1)] = chars[i];
  }
  column += static_cast<int>(chars.size());
}

int OutputLine::Put(const std::string& formatted, int& column, std::uint8_t flags) {
  std::string text = formatted;
  if ((flags & kPutSendToText) != 0) CurrentHost().WriteText(text);
  if ((flags & kPutTrailingBlank) != 0) text.push_back(' ');
  const int count = static_cast<int>(text.size());
  if ((flags & kPutIntoLine) != 0) {
    PutText(column, text);
  } else {
    column += count;
  }
  return count;
}

int OutputLine::PutReal(double value, int width, int decimals, int& column, std::uint8_t flags) {
  return Put(host::FormatNumberField(value, width, decimals), column, flags);
}

int OutputLine::PutRealAuto(float value, int width, int& column, std::uint8_t flags) {
  if (host::IsSpecialValue(value)) {
    column += width;
    return 0;
  }
  return PutReal(static_cast<double>(value), width, AutoDecimals(value, width), column, flags);
}

int OutputLine::PutInteger(std::int64_t value, int width, int& column, std::uint8_t flags) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return Put(text, column, flags);
}

std::string OutputLine::Text() const { return EncodeUtf8(line_); }

std::string OutputLine::TrimmedText() const { return std::string(TrimTrailingBlanks(Text())); }

namespace {

// trunc(log10 v) + 1 for v > 0, with v compared to the powers of ten in single precision:
// the value stands for the decimal number it was stored from, so 0.1f (a little above 0.1)
// counts as 0.1 and gets the decimals of a decade, not one fewer.
int DigitCount(float v) {
  int digits = 1;
  if (v >= 1.0f) {
    while (digits < kAutoDigits && v >= static_cast<float>(std::pow(10.0, digits))) ++digits;
    return digits;
  }
  for (int k = 1; k < 60 && v <= static_cast<float>(std::pow(10.0, -k)); ++k) --digits;
  return digits;
}

}  // namespace

int AutoDecimals(float value, int width) {
  float v = value;
  // A negative value spends one place on its sign.
  if (v < 0) v = std::max(-10.0f * v, 10.0f);
  const int digits = v == 0 ? 1 : DigitCount(v);
  int decimals = kAutoDigits - digits;
  // Mended: the rule above has no lower bound on the magnitude (1e-30 would ask for 37
  // decimals); the decimals are kept to what the field can show after "0." and a sign.
  const int room = width - 2 - (value < 0 ? 1 : 0);
  return std::clamp(decimals, 0, std::max(room, 0));
}

OutputLine& SharedOutputLine() {
  static OutputLine line;
  return line;
}

void ClearOutputLine() { SharedOutputLine().Clear(); }

void PutText(int& column, std::string_view text, int length) {
  SharedOutputLine().PutText(column, text, length);
}

int PutReal(double value, int width, int decimals, int& column, std::uint8_t flags) {
  return SharedOutputLine().PutReal(value, width, decimals, column, flags);
}

int PutRealAuto(float value, int width, int& column, std::uint8_t flags) {
  return SharedOutputLine().PutRealAuto(value, width, column, flags);
}

int PutInteger(std::int64_t value, int width, int& column, std::uint8_t flags) {
  return SharedOutputLine().PutInteger(value, width, column, flags);
}

}  // namespace kpa::shell
