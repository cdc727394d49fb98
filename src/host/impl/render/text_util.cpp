// Character-aware alignment and XML escaping for the renderers.
#include "host/impl/render/text_util.h"

#include <charconv>

namespace kpa::host::render {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text)
    if (!IsContinuationByte(c)) ++count;
  return count;
}

std::string AlignRight(std::string_view text, std::size_t width) {
  const std::size_t count = CharacterCount(text);
  std::string out;
  if (count < width) out.assign(width - count, ' ');
  out += text;
  return out;
}

std::string AlignLeft(std::string_view text, std::size_t width) {
  std::string out(text);
  const std::size_t count = CharacterCount(text);
  if (count < width) out.append(width - count, ' ');
  return out;
}

std::string_view TrimRight(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return TrimRight(text.substr(first));
}

std::string EscapeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        // XML 1.0 has no place for the other C0 control characters, escaped or not.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
          out.push_back(c);
    }
  }
  return out;
}

std::string TakeCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i])) {
      if (seen == count) return std::string(text.substr(0, i));
      ++seen;
    }
  }
  return std::string(text);
}

std::string ShortestNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace kpa::host::render
