#include <cctype>
#include <charconv>
#include <cmath>

#include "host/script/script.h"

namespace kpa::script {
namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class LineParser {
 public:
  LineParser(const std::string& line, const std::string& file, int line_number)
      : line_(line), file_(file), line_number_(line_number) {}

  std::vector<Statement> Parse() {
    std::vector<Statement> statements;
    SkipBlanks();
    if (AtEnd()) return statements;
    Statement statement;
    statement.where = Here();
    const std::string first = ReadName("an interface name or Print");
    if (SameWord(first, "Print")) {
      SkipBlanks();
      if (Peek() == '"') {
        statement.kind = StatementKind::kPrintText;
        Value text = ReadValue();
        statement.arguments.push_back(std::move(text));
        Finish(statement);
        statements.push_back(std::move(statement));
        return statements;
      }
      statement.kind = StatementKind::kPrint;
      statement.object = ReadName("an interface name after Print");
      ReadMemberPart(statement);
      Finish(statement);
      statements.push_back(std::move(statement));
      return statements;
    }
    statement.object = first;
    ReadMemberPart(statement);
    SkipBlanks();
    if (Peek() == '=') {
      ++pos_;
      statement.kind = StatementKind::kAssign;
      SkipBlanks();
      if (AtEnd()) Fail("expected a value after '='");
      statement.arguments.push_back(ReadValue());
    } else {
      statement.kind = StatementKind::kCall;
      if (Peek() == '(') ReadArguments(statement);
    }
    Finish(statement);
    statements.push_back(std::move(statement));
    return statements;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw ScriptSyntaxError(file_, Here(), message);
  }
  Position Here() const { return {line_number_, static_cast<int>(pos_) + 1}; }
  bool AtEnd() const { return pos_ >= line_.size() || IsCommentStart(); }
  bool IsCommentStart() const { return line_[pos_] == '\'' || line_[pos_] == '#'; }
  char Peek() const { return AtEnd() ? '\0' : line_[pos_]; }
  void SkipBlanks() {
    while (pos_ < line_.size() &&
           (line_[pos_] == ' ' || line_[pos_] == '\t' || line_[pos_] == '\r'))
      ++pos_;
  }

  std::string ReadName(const char* what) {
    SkipBlanks();
    if (AtEnd() || !IsNameStart(line_[pos_])) Fail(std::string("expected ") + what);
    const std::size_t start = pos_;
    while (pos_ < line_.size() && IsNameChar(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
  }

  void ReadMemberPart(Statement& statement) {
    if (Peek() != '.') Fail("expected '.' and a member after '" + statement.object + "'");
    ++pos_;
    statement.member_where = Here();
    if (AtEnd() || !IsNameStart(line_[pos_]))
      Fail("expected a member name after '" + statement.object + ".'");
    statement.member = ReadName("a member name");
  }

  void ReadArguments(Statement& statement) {
    ++pos_;  // '('
    SkipBlanks();
    if (Peek() == ')') {
      ++pos_;
      return;
    }
    while (true) {
      SkipBlanks();
      if (AtEnd()) Fail("expected an argument or ')'");
      if (Peek() == ',' || Peek() == ')') {
        statement.arguments.push_back(Value{Omitted{}, Here()});
      } else {
        statement.arguments.push_back(ReadValue());
      }
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      if (Peek() == ')') {
        ++pos_;
        return;
      }
      Fail("expected ',' or ')' after an argument");
    }
  }

  void Finish(Statement& statement) {
    SkipBlanks();
    if (!AtEnd()) Fail("unexpected text '" + line_.substr(pos_) + "' at the end of the statement");
    statement.text = line_;
    while (!statement.text.empty() &&
           (statement.text.back() == ' ' || statement.text.back() == '\r'))
      statement.text.pop_back();
    const auto first = statement.text.find_first_not_of(" \t");
    statement.text = first == std::string::npos ? "" : statement.text.substr(first);
  }

  Value ReadValue() {
    SkipBlanks();
    Value value;
    value.where = Here();
    const char c = Peek();
    if (c == '"') {
      value.content = ReadString();
    } else if (c == '(') {
      value.content = ReadArray();
    } else if (IsNameStart(c)) {
      const std::string word = ReadName("a value");
      if (SameWord(word, "True"))
        value.content = true;
      else if (SameWord(word, "False"))
        value.content = false;
      else
        value.content = Name{word};
    } else if (c == '-' || c == '+' || c == '.' || std::isdigit(static_cast<unsigned char>(c))) {
      bool whole = false;
      const double number = ReadNumber(whole);
      if (whole && std::fabs(number) < 9.0e15)
        value.content = static_cast<std::int64_t>(number);
      else
        value.content = number;
    } else {
      Fail(std::string("expected a value (a number, a \"text\", a name, True/False or an "
                       "array), found '") +
           c + "'");
    }
    return value;
  }

  std::string ReadString() {
    const Position start = Here();
    ++pos_;
    std::string text;
    while (true) {
      if (pos_ >= line_.size())
        throw ScriptSyntaxError(file_, start, "the text starting here has no closing '\"'");
      const char c = line_[pos_++];
      if (c == '"') {
        if (pos_ < line_.size() && line_[pos_] == '"') {
          text += '"';
          ++pos_;
          continue;
        }
        return text;
      }
      text += c;
    }
  }

  double ReadNumber(bool& whole) {
    const std::size_t start = pos_;
    if (line_[pos_] == '+' || line_[pos_] == '-') ++pos_;
    while (pos_ < line_.size() &&
           (std::isalnum(static_cast<unsigned char>(line_[pos_])) || line_[pos_] == '.' ||
            ((line_[pos_] == '-' || line_[pos_] == '+') &&
             (line_[pos_ - 1] == 'e' || line_[pos_ - 1] == 'E'))))
      ++pos_;
    std::string token = line_.substr(start, pos_ - start);
    const char* begin = token.c_str();
    if (*begin == '+') ++begin;
    double number = 0.0;
    const char* end = token.c_str() + token.size();
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end || !std::isfinite(number)) {
      pos_ = start;
      Fail("'" + token + "' is not a number (the decimal point is '.')");
    }
    whole = token.find_first_of(".eE") == std::string::npos;
    return number;
  }

  std::vector<double> ReadArray() {
    ++pos_;  // '('
    std::vector<double> numbers;
    SkipBlanks();
    if (Peek() == ')') {
      ++pos_;
      return numbers;
    }
    while (true) {
      SkipBlanks();
      const char c = Peek();
      if (!(c == '-' || c == '+' || c == '.' || std::isdigit(static_cast<unsigned char>(c))))
        Fail("an array holds numbers only");
      bool whole = false;
      numbers.push_back(ReadNumber(whole));
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      if (Peek() == ')') {
        ++pos_;
        return numbers;
      }
      Fail("expected ',' or ')' in the array");
    }
  }

  const std::string& line_;
  const std::string& file_;
  int line_number_;
  std::size_t pos_ = 0;
};

}  // namespace

bool SameWord(std::string_view word, std::string_view expected) {
  if (word.size() != expected.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(word[i])) !=
        std::tolower(static_cast<unsigned char>(expected[i])))
      return false;
  return true;
}

ScriptSyntaxError::ScriptSyntaxError(const std::string& file, Position where,
                                     const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(where.line) + ":" +
                         std::to_string(where.column) + ": " + message),
      where_(where) {}

std::vector<Statement> ParseLine(const std::string& line, const std::string& file,
                                 int line_number) {
  return LineParser(line, file, line_number).Parse();
}

// Longer lines are refused: no statement of the language needs one (the longest selection
// condition accepted is a few tens of kilobytes), and one of 100 MB would hold several
// copies of itself in memory while it is parsed.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

Script ParseScript(const std::string& text, const std::string& file) {
  Script script;
  script.file = file;
  std::size_t start = 0;
  int line_number = 0;
  // A UTF-8 byte-order mark at the start is not part of the first statement.
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) start = 3;
  while (start <= text.size()) {
    ++line_number;
    const std::size_t end = text.find('\n', start);
    const std::size_t length = (end == std::string::npos ? text.size() : end) - start;
    if (length > kMaxLineBytes)
      throw ScriptSyntaxError(
          file, Position{line_number, 1},
          "the line is " + std::to_string(length) + " bytes long; a statement takes at most 1 MiB");
    const std::string line = text.substr(start, length);
    for (auto& statement : ParseLine(line, file, line_number))
      script.statements.push_back(std::move(statement));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return script;
}

}  // namespace kpa::script
