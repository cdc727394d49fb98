#include "capability/specifications/spec_string.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kpa::capability {
namespace {

// Six fixed decimals, as the string has always shown them, when they give the value back
// exactly; otherwise (a delta of 1e-7 is not 0.000000, and a huge value would take hundreds
// of digits) the shortest text that does, so a string read and written back stores the same
// values bit for bit.
std::string ExactText(double value) {
  constexpr double kLargestFixed = 1e15;
  char buffer[400];
  if (!(std::fabs(value) < kLargestFixed)) {
    const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, shortest.ptr);
  }
  const auto fixed =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  double back = 0.0;
  const auto parsed = std::from_chars(buffer, fixed.ptr, back);
  if (parsed.ec == std::errc() && back == value) return std::string(buffer, fixed.ptr);
  const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, shortest.ptr);
}

std::string Item(const std::optional<double>& value) {
  return value ? ExactText(*value) : std::string("MISSING");
}

bool NeedsQuotes(const std::string& name) {
  if (name.empty()) return true;
  return std::any_of(name.begin(), name.end(), [](char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')' || c == '"';
  });
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A tokenizer for the entries: words (names, numbers, Missing), quoted names, parentheses.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  enum class Kind { kEnd, kWord, kQuoted, kOpen, kClose, kBad };
  struct Token {
    Kind kind;
    std::string text;
  };

  Token Next() {
    while (pos_ < text_.size() &&
           (std::isspace(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == ','))
      ++pos_;
    if (pos_ >= text_.size()) return {Kind::kEnd, ""};
    const char c = text_[pos_];
    if (c == '(') return ++pos_, Token{Kind::kOpen, "("};
    if (c == ')') return ++pos_, Token{Kind::kClose, ")"};
    if (c == '"') {
      const std::size_t end = text_.find('"', pos_ + 1);
      if (end == std::string_view::npos) return {Kind::kBad, std::string(text_.substr(pos_))};
      Token token{Kind::kQuoted, std::string(text_.substr(pos_ + 1, end - pos_ - 1))};
      pos_ = end + 1;
      return token;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) &&
           text_[pos_] != '(' && text_[pos_] != ')' && text_[pos_] != '"' && text_[pos_] != ',')
      ++pos_;
    return {Kind::kWord, std::string(text_.substr(start, pos_ - start))};
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<double> Number(const std::string& word) {
  double value = 0.0;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (first != last && *first == '+') ++first;
  const auto result = std::from_chars(first, last, value);
  // "inf" and "nan" spell no limit a process can have.
  if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatSpecificationString(std::span<const int> variables,
                                      const std::map<int, ProcessSpecRecord>& records,
                                      const shell::Request& request) {
  std::string text;
  for (const int variable : variables) {
    const auto it = records.find(variable);
    if (it == records.end() || it->second.type == ProcessType::kUndefined) continue;
    const ProcessSpecRecord& record = it->second;
    std::string name(Trim(request.VariableName(variable)));
    if (NeedsQuotes(name)) name = "\"" + name + "\"";
    // Only the values that the type defines are written; the others read as MISSING.
    const ProcessSpecRecord defined = DefinedValues(record);
    const SpecEntry shown{defined.nominal, defined.delta, defined.lower, defined.upper};
    if (!text.empty()) text += " \n ";
    text += name + " ( " + Item(shown.nominal) + " " + Item(shown.delta) + " " + Item(shown.lower) +
            " " + Item(shown.upper) + " ) ";
  }
  return text;
}

ParsedSpecifications ParseSpecificationString(std::string_view text, std::span<const int> variables,
                                              const shell::Request& request) {
  ParsedSpecifications parsed;
  const auto fail = [&](SpecStringError error, std::string detail) {
    parsed.entries.clear();
    parsed.error = error;
    parsed.detail = std::move(detail);
    return parsed;
  };
  Tokens tokens(text);
  for (;;) {
    Tokens::Token token = tokens.Next();
    if (token.kind == Tokens::Kind::kEnd) break;
    if (token.kind != Tokens::Kind::kWord && token.kind != Tokens::Kind::kQuoted)
      return fail(SpecStringError::kSyntax, "a variable was expected before '" + token.text + "'");
    int variable = 0;
    const auto number = token.kind == Tokens::Kind::kWord ? Number(token.text) : std::nullopt;
    for (const int candidate : variables) {
      const bool match = number ? static_cast<double>(candidate) == *number
                                : SameName(Trim(request.VariableName(candidate)), Trim(token.text));
      if (match) {
        variable = candidate;
        break;
      }
    }
    if (variable == 0)
      return fail(SpecStringError::kUnknownVariable,
                  "'" + token.text + "' is not one of the analysis variables");
    if (tokens.Next().kind != Tokens::Kind::kOpen)
      return fail(SpecStringError::kSyntax, "'(' was expected after " + token.text);
    std::array<std::optional<double>, 4> items{};
    std::size_t count = 0;
    for (;;) {
      Tokens::Token item = tokens.Next();
      if (item.kind == Tokens::Kind::kClose) break;
      if (item.kind != Tokens::Kind::kWord)
        return fail(SpecStringError::kSyntax, "')' was expected in the entry of " + token.text);
      if (count == items.size())
        return fail(SpecStringError::kTooManyItems,
                    "more than four values in the entry of " + token.text);
      if (!SameName(item.text, "Missing")) {
        const auto value = Number(item.text);
        if (!value)
          return fail(SpecStringError::kSyntax,
                      "'" + item.text + "' is neither a number nor Missing");
        items[count] = value;
      }
      ++count;
    }
    parsed.entries.emplace_back(variable, SpecEntry{items[0], items[1], items[2], items[3]});
  }
  return parsed;
}

}  // namespace kpa::capability
