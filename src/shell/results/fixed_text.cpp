// Fixed-width text fields: UTF-8 decoding and the blank-padded field routines.
#include "shell/results/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "host/api/special_values.h"
#include "shell/analysis_support.h"

namespace kpa::shell {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kCodeTextWidth = 8;

// Splits `text` into its field of `length` characters (blank-padded) and the rest.
std::u32string TakeField(const std::string& text, int length, std::u32string& rest) {
  std::u32string all = DecodeUtf8(text);
  const auto field_size = static_cast<std::size_t>(std::max(length, 0));
  if (all.size() < field_size) all.resize(field_size, U' ');
  rest = all.substr(field_size);
  all.resize(field_size);
  return all;
}

void PutField(std::string& text, const std::u32string& field, const std::u32string& rest) {
  text = EncodeUtf8(field + rest);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      code = lead & 0x07u;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {  // sequence cut short
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      code = (code << 6) | (next & 0x3Fu);
    }
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    out.push_back(code);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c > 0x10FFFF) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

int CharacterCount(std::string_view text) { return static_cast<int>(DecodeUtf8(text).size()); }

std::string FitText(std::string_view text, int width) {
  std::u32string chars = DecodeUtf8(text);
  chars.resize(static_cast<std::size_t>(std::max(width, 0)), U' ');
  return EncodeUtf8(chars);
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string WithPlaceholder(std::string_view text, std::string_view value) {
  std::string filled(text);
  const auto d = filled.find("%d");
  const auto s = filled.find("%s");
  const auto at = std::min(d, s);
  if (at != std::string::npos) filled.replace(at, 2, value);
  return filled;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

int LastNonBlank(std::string_view text, int length) {
  const std::u32string chars = DecodeUtf8(text);
  const auto end = std::min(chars.size(), static_cast<std::size_t>(std::max(length, 0)));
  for (std::size_t i = end; i > 0; --i)
    if (chars[i - 1] != U' ') return static_cast<int>(i);
  return 0;
}

void LeftJustify(std::string& text, int length) {
  std::u32string rest;
  std::u32string field = TakeField(text, length, rest);
  const auto first = field.find_first_not_of(U' ');
  std::u32string moved = first == std::u32string::npos ? U"" : field.substr(first);
  const auto last = moved.find_last_not_of(U' ');
  const std::size_t used = last == std::u32string::npos ? 0 : last + 1;
  moved.resize(field.size(), U' ');
  if (used < moved.size()) moved[used] = U'\0';
  PutField(text, moved, rest);
}

void RemoveBlanks(std::string& text, int length) {
  std::u32string rest;
  std::u32string field = TakeField(text, length, rest);
  const std::size_t size = field.size();
  std::erase(field, U' ');
  field.resize(size, U' ');
  PutField(text, field, rest);
}

void RightJustify8(std::string& name) {
  std::u32string rest;
  std::u32string field = TakeField(name, 8, rest);
  const auto last = field.find_last_not_of(U' ');
  const std::size_t used = last == std::u32string::npos ? 0 : last + 1;
  std::rotate(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(used), field.end());
  PutField(name, field, rest);
}

void BlankNuls(std::string& text, int length) {
  std::u32string rest;
  std::u32string field = TakeField(text, length, rest);
  std::replace(field.begin(), field.end(), U'\0', U' ');
  PutField(text, field, rest);
}

int LongestName(std::span<const int> variables) {
  int longest = 0;
  for (const int variable : variables) {
    const auto long_name = CurrentHost().VariableLongName(variable);
    if (long_name) longest = std::max(longest, CharacterCount(TrimTrailingBlanks(*long_name)));
  }
  return longest;
}

std::string CodeText(int variable, double code) {
  if (!host::IsSpecialValue(code)) {
    const auto label = CurrentHost().ValueLabelText(variable, code);
    if (label) return FitText(*label, kCodeTextWidth);
  }
  const double whole = host::IsSpecialValue(code) ? code : std::round(code);
  return host::FormatNumberField(whole, kCodeTextWidth, 0);
}

std::string SignificantText(double value, int digits) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  return std::string(buffer, end.ptr);
}

std::string FillAfterMarks(std::string_view pattern, char mark,
                           std::span<const std::string> texts) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    out += pattern[i];
    if (pattern[i] != mark || next >= texts.size()) continue;
    std::size_t blanks = 0;
    while (i + 1 + blanks < pattern.size() && pattern[i + 1 + blanks] == ' ') ++blanks;
    std::string text = texts[next++];
    if (text.size() < blanks) text += std::string(blanks - text.size(), ' ');
    out += text;
    i += blanks;
  }
  return out;
}

}  // namespace kpa::shell
