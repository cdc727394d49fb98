#include "shell/dialogs/list_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "shell/results/fixed_text.h"

namespace kpa::shell {
namespace {

// Whole-number ranges expand to at most this many entries, so that a slip such as
// "1-1000000000" is an error rather than an exhausted memory.
constexpr double kLongestRange = 100000;

std::optional<double> ParseNumber(const std::string& token) {
  double value = 0.0;
  const char* end = token.data() + token.size();
  const auto [stop, error] = std::from_chars(token.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string At(std::size_t column) { return "column " + std::to_string(column + 1); }

}  // namespace

std::string FormatNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

ParsedList ParseListText(const std::string& text, ListKind kind, const host::Host& host) {
  ParsedList parsed;
  parsed.lists.emplace_back();
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '|') {
      parsed.lists.emplace_back();
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != ',' &&
           text[i] != '|' && text[i] != '\n' && text[i] != '\r')
      ++i;
    const std::string token = text.substr(start, i - start);

    // A range "a-b" of whole numbers (a leading minus sign belongs to a number).
    const std::size_t dash = token.find('-', 1);
    if (dash != std::string::npos) {
      const auto low = ParseNumber(token.substr(0, dash));
      const auto high = ParseNumber(token.substr(dash + 1));
      if (!low || !high || *low != std::floor(*low) || *high != std::floor(*high) || *high < *low) {
        parsed.error = At(start) + ": '" + token + "' is not a range of whole numbers";
        return parsed;
      }
      if (*high - *low >= kLongestRange) {
        parsed.error = At(start) + ": the range '" + token + "' is too long";
        return parsed;
      }
      // Counted, not stepped: beyond 2^53 adding 1 changes nothing ("1e16-1e16").
      const auto count = static_cast<std::int64_t>(*high - *low);
      for (std::int64_t k = 0; k <= count; ++k)
        parsed.lists.back().push_back(*low + static_cast<double>(k));
      continue;
    }
    if (const auto number = ParseNumber(token)) {
      parsed.lists.back().push_back(*number);
      continue;
    }
    if (kind == ListKind::kVariables) {
      if (const int variable = host.FindVariable(token); variable > 0) {
        parsed.lists.back().push_back(variable);
        continue;
      }
      parsed.error = At(start) + ": no variable is named '" + token + "'";
    } else {
      parsed.error = At(start) + ": '" + token + "' is not a code (a number)";
    }
    return parsed;
  }
  if (kind == ListKind::kVariables) {
    for (const auto& list : parsed.lists)
      for (const double v : list)
        if (v != std::floor(v) || v < 1 || v > host.VariableCount()) {
          parsed.error = "there is no variable " + FormatNumber(v) + " in the data file (it has " +
                         std::to_string(host.VariableCount()) + ")";
          return parsed;
        }
  }
  if (parsed.lists.size() == 1 && parsed.lists.front().empty()) parsed.lists.clear();
  return parsed;
}

std::string FormatListText(const NumberLists& lists, ListKind kind, const host::Host& host) {
  std::string text;
  for (std::size_t l = 0; l < lists.size(); ++l) {
    if (l > 0) text += " | ";
    for (std::size_t k = 0; k < lists[l].size(); ++k) {
      if (k > 0) text += ' ';
      const double v = lists[l][k];
      std::string name;
      if (kind == ListKind::kVariables) name = host.VariableName(static_cast<int>(v));
      text += name.empty() ? FormatNumber(v) : name;
    }
  }
  return text;
}

std::optional<double> CodeOfText(std::string_view text, int variable, const host::Host& host) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  double number = 0.0;
  const auto [end, error] =
      std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
  if (error == std::errc() && end == trimmed.data() + trimmed.size()) return number;
  if (variable <= 0) return std::nullopt;
  const auto lower = [](std::string_view t) {
    std::string lowered(t);
    for (char& c : lowered)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lowered;
  };
  const std::string wanted = lower(trimmed);
  for (const host::ValueLabel& label : host.ValueLabels(variable))
    if (lower(TrimBlanks(label.text)) == wanted) return label.code;
  return std::nullopt;
}

}  // namespace kpa::shell
