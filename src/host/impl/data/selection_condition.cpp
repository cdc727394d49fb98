// Lexer, recursive-descent parser and evaluator of the case-selection condition.
#include "host/impl/data/selection_condition.h"

#include "host/impl/data/names.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

enum class TokenKind : std::uint8_t {
  kEnd,
  kIdentifier,
  kNumber,
  kText,
  kOpen,
  kClose,
  kOperator,
  kAnd,
  kOr,
  kNot
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;  // as written; for kText the text between the quotes
  double number = 0.0;
  int column = 0;  // 1-based character column
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  // Columns count characters, from where the previous token's was counted (tokens only move
  // forward), so that a long condition costs one count of its characters in all.
  std::size_t counted_bytes = 0;
  std::size_t counted_characters = 0;
  const auto column_at = [&](std::size_t byte) {
    counted_characters += CharacterCount(text.substr(counted_bytes), byte - counted_bytes);
    counted_bytes = byte;
    return static_cast<int>(counted_characters) + 1;
  };
  while (true) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    Token token;
    token.column = column_at(i);
    if (i >= text.size()) {
      tokens.push_back(token);
      return tokens;
    }
    const char c = text[i];
    const std::size_t start = i;
    if (NameCharacterLength(text, i, true) > 0) {
      while (const std::size_t length = NameCharacterLength(text, i, false)) i += length;
      token.text = std::string(text.substr(start, i - start));
      token.kind = SameName(token.text, "and")   ? TokenKind::kAnd
                   : SameName(token.text, "or")  ? TokenKind::kOr
                   : SameName(token.text, "not") ? TokenKind::kNot
                                                 : TokenKind::kIdentifier;
    } else if (IsDigit(c) || c == '.' || c == '-' || c == '+') {
      ++i;
      while (i < text.size() && (IsDigit(text[i]) || text[i] == '.')) ++i;
      if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
      }
      token.text = std::string(text.substr(start, i - start));
      const std::optional<double> number = ParseNumber(token.text);
      if (!number) {
        throw SelectionConditionError(token.column, "'" + token.text + "' is not a number");
      }
      token.kind = TokenKind::kNumber;
      token.number = *number;
    } else if (c == '"' || c == '\'') {
      ++i;
      while (true) {
        if (i >= text.size()) {
          throw SelectionConditionError(token.column, std::string("the text has no closing ") + c);
        }
        if (text[i] == c) {
          if (i + 1 < text.size() && text[i + 1] == c) {
            token.text += c;
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        token.text += text[i++];
      }
      token.kind = TokenKind::kText;
    } else if (c == '(' || c == ')') {
      ++i;
      token.kind = c == '(' ? TokenKind::kOpen : TokenKind::kClose;
      token.text = std::string(1, c);
    } else if (c == '=' || c == '<' || c == '>' || c == '!') {
      ++i;
      if (i < text.size() && (text[i] == '=' || (c == '<' && text[i] == '>'))) ++i;
      token.text = std::string(text.substr(start, i - start));
      if (token.text == "!") {
        throw SelectionConditionError(token.column, "'!' must be followed by '=' (or use not)");
      }
      token.kind = TokenKind::kOperator;
    } else {
      // Report the whole character, however many bytes it takes in UTF-8.
      ++i;
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u) ++i;
      throw SelectionConditionError(
          token.column,
          "unexpected character '" + std::string(text.substr(start, i - start)) + "'");
    }
    tokens.push_back(std::move(token));
  }
}

std::string Describe(const Token& token) {
  switch (token.kind) {
    case TokenKind::kEnd:
      return "the end of the condition";
    case TokenKind::kText:
      return "the text \"" + token.text + "\"";
    default:
      return "'" + token.text + "'";
  }
}

}  // namespace

// The parser and the evaluation recurse: bounds that no sensible condition reaches keep
// their depth far from the stack's limit.
constexpr int kMaxNesting = 200;         // parentheses and 'not' inside one another
constexpr std::size_t kMaxNodes = 4000;  // comparisons and the and/or/not joining them

class SelectionParser {
 public:
  using Node = SelectionCondition::Node;
  using Kind = SelectionCondition::Node::Kind;
  using Comparison = SelectionCondition::Comparison;

  SelectionParser(SelectionCondition& condition, std::vector<Token> tokens)
      : condition_(condition), data_(*condition.data_), tokens_(std::move(tokens)) {}

  void Run() {
    condition_.root_ = ParseOr();
    if (Peek().kind == TokenKind::kClose) {
      throw SelectionConditionError(Peek().column, "')' without a matching '('");
    }
    if (Peek().kind != TokenKind::kEnd) {
      throw SelectionConditionError(Peek().column,
                                    "expected and, or, or the end of the "
                                    "condition, found " +
                                        Describe(Peek()));
    }
  }

 private:
  const Token& Peek() const { return tokens_[next_]; }
  const Token& Take() { return tokens_[next_++]; }

  int Add(Node node) {
    if (condition_.nodes_.size() >= kMaxNodes)
      throw SelectionConditionError(Peek().column, "the condition has too many terms (at most " +
                                                       std::to_string(kMaxNodes / 2) + ")");
    condition_.nodes_.push_back(std::move(node));
    return static_cast<int>(condition_.nodes_.size()) - 1;
  }

  int Join(Kind kind, int left, int right) {
    Node node;
    node.kind = kind;
    node.left = left;
    node.right = right;
    return Add(std::move(node));
  }

  int ParseOr() {
    int left = ParseAnd();
    while (Peek().kind == TokenKind::kOr) {
      Take();
      left = Join(Kind::kOr, left, ParseAnd());
    }
    return left;
  }

  int ParseAnd() {
    int left = ParseNot();
    while (Peek().kind == TokenKind::kAnd) {
      Take();
      left = Join(Kind::kAnd, left, ParseNot());
    }
    return left;
  }

  // Counts one level of nesting for as long as it lives.
  class Nested {
   public:
    explicit Nested(SelectionParser& parser) : parser_(parser) {
      if (++parser_.depth_ > kMaxNesting)
        throw SelectionConditionError(parser_.Peek().column,
                                      "the condition nests too deeply (at most " +
                                          std::to_string(kMaxNesting) +
                                          " parentheses and 'not' inside one another)");
    }
    ~Nested() { --parser_.depth_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

   private:
    SelectionParser& parser_;
  };

  int ParseNot() {
    if (Peek().kind == TokenKind::kNot) {
      Take();
      const Nested nested(*this);
      return Join(Kind::kNot, ParseNot(), -1);
    }
    if (Peek().kind == TokenKind::kOpen) {
      const Token open = Take();
      const Nested nested(*this);
      const int inner = ParseOr();
      if (Peek().kind != TokenKind::kClose) {
        throw SelectionConditionError(Peek().column, "expected ')' to close the '(' at column " +
                                                         std::to_string(open.column) + ", found " +
                                                         Describe(Peek()));
      }
      Take();
      return inner;
    }
    if (Peek().kind == TokenKind::kIdentifier && SameName(Peek().text, "missing") &&
        tokens_[next_ + 1].kind == TokenKind::kOpen) {
      return ParseMissing();
    }
    return ParseComparison();
  }

  int ParseMissing() {
    Take();
    Take();  // "missing" "("
    if (Peek().kind != TokenKind::kIdentifier) {
      throw SelectionConditionError(Peek().column,
                                    "expected a variable inside missing( ), "
                                    "found " +
                                        Describe(Peek()));
    }
    Node node;
    node.kind = Kind::kMissing;
    node.a.variable = ResolveVariable(Take());
    if (Peek().kind != TokenKind::kClose) {
      throw SelectionConditionError(Peek().column,
                                    "expected ')' after the variable of "
                                    "missing( ), found " +
                                        Describe(Peek()));
    }
    Take();
    return Add(std::move(node));
  }

  bool IsOperand(const Token& token) const {
    return token.kind == TokenKind::kIdentifier || token.kind == TokenKind::kNumber ||
           token.kind == TokenKind::kText;
  }

  int ParseComparison() {
    if (!IsOperand(Peek())) {
      throw SelectionConditionError(Peek().column,
                                    "expected a condition, found " + Describe(Peek()));
    }
    const Token left = Take();
    if (Peek().kind != TokenKind::kOperator) {
      throw SelectionConditionError(Peek().column,
                                    "expected a comparison (=, <>, <, <=, >, >=) "
                                    "after " +
                                        Describe(left) + ", found " + Describe(Peek()));
    }
    const Token op = Take();
    if (!IsOperand(Peek())) {
      throw SelectionConditionError(
          Peek().column, "expected a value after '" + op.text + "', found " + Describe(Peek()));
    }
    const Token right = Take();
    const Comparison comparison = ComparisonOf(op);
    if (left.kind == TokenKind::kText || right.kind == TokenKind::kText) {
      return LabelComparison(left, op, comparison, right);
    }
    Node node;
    node.kind = Kind::kCompare;
    node.comparison = comparison;
    node.a = OperandOf(left);
    node.b = OperandOf(right);
    return Add(std::move(node));
  }

  static Comparison ComparisonOf(const Token& op) {
    if (op.text == "=" || op.text == "==") return Comparison::kEqual;
    if (op.text == "<>" || op.text == "!=") return Comparison::kNotEqual;
    if (op.text == "<") return Comparison::kLess;
    if (op.text == "<=") return Comparison::kLessEqual;
    if (op.text == ">") return Comparison::kGreater;
    return Comparison::kGreaterEqual;
  }

  // variable = "text" (either way round): the codes whose label is the text.
  int LabelComparison(const Token& left, const Token& op, Comparison comparison,
                      const Token& right) {
    const Token& text = left.kind == TokenKind::kText ? left : right;
    const Token& other = left.kind == TokenKind::kText ? right : left;
    if (other.kind != TokenKind::kIdentifier) {
      throw SelectionConditionError(other.column,
                                    "a text can only be compared with a "
                                    "variable, not with " +
                                        Describe(other));
    }
    if (comparison != Comparison::kEqual && comparison != Comparison::kNotEqual) {
      throw SelectionConditionError(op.column, "'" + op.text +
                                                   "' cannot compare texts; use = "
                                                   "or <>");
    }
    Node node;
    node.kind = Kind::kLabelIs;
    node.negated = comparison == Comparison::kNotEqual;
    node.a.variable = ResolveVariable(other);
    const Variable& variable = data_.variable(node.a.variable);
    for (const auto& [code, label] : variable.value_labels) {
      if (label == text.text) node.codes.push_back(code);
    }
    if (node.codes.empty()) {
      throw SelectionConditionError(
          text.column, "no value of '" + variable.name + "' is labelled \"" + text.text + "\"");
    }
    return Add(std::move(node));
  }

  SelectionCondition::Operand OperandOf(const Token& token) const {
    SelectionCondition::Operand operand;
    if (token.kind == TokenKind::kNumber) {
      operand.number = token.number;
    } else {
      operand.variable = ResolveVariable(token);
    }
    return operand;
  }

  // A name first; then vN by number.
  int ResolveVariable(const Token& token) const {
    if (const int found = data_.FindVariable(token.text); found != 0) return found;
    const std::string_view digits = std::string_view(token.text).substr(1);
    const bool by_number = (token.text.front() == 'v' || token.text.front() == 'V') &&
                           !digits.empty() &&
                           digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (by_number) {
      const std::optional<double> number = ParseNumber(digits);
      if (number && *number >= 1 && *number <= data_.VariableCount()) {
        return static_cast<int>(*number);
      }
      throw SelectionConditionError(token.column,
                                    "there is no variable " + token.text + "; the file has " +
                                        std::to_string(data_.VariableCount()) + " variables");
    }
    throw SelectionConditionError(token.column, "unknown variable '" + token.text + "'");
  }

  SelectionCondition& condition_;
  const DataSet& data_;
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
  int depth_ = 0;
};

SelectionConditionError::SelectionConditionError(int column, std::string detail)
    : std::runtime_error("selection condition, column " + std::to_string(column) + ": " + detail),
      column_(column),
      detail_(std::move(detail)) {}

SelectionCondition SelectionCondition::Parse(std::string_view text, const DataSet& data) {
  SelectionCondition condition{std::string(text), data};
  SelectionParser(condition, Tokenize(text)).Run();
  return condition;
}

bool SelectionCondition::Selected(std::int64_t case_number) const {
  return Evaluate(root_, case_number);
}

bool SelectionCondition::Evaluate(int index, std::int64_t case_number) const {
  const Node& node = nodes_[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case Node::Kind::kOr:
      return Evaluate(node.left, case_number) || Evaluate(node.right, case_number);
    case Node::Kind::kAnd:
      return Evaluate(node.left, case_number) && Evaluate(node.right, case_number);
    case Node::Kind::kNot:
      return !Evaluate(node.left, case_number);
    case Node::Kind::kMissing:
      return data_->IsMissing(node.a.variable, case_number);
    case Node::Kind::kLabelIs: {
      if (data_->IsMissing(node.a.variable, case_number)) return false;
      const double value = data_->Value(node.a.variable, case_number);
      bool found = false;
      for (double code : node.codes) found = found || code == value;
      return found != node.negated;
    }
    case Node::Kind::kCompare:
      break;
  }
  double values[2] = {node.a.number, node.b.number};
  const Operand* operands[2] = {&node.a, &node.b};
  for (int k = 0; k < 2; ++k) {
    const int variable = operands[k]->variable;
    if (variable == 0) continue;
    if (data_->IsMissing(variable, case_number)) return false;
    values[k] = data_->Value(variable, case_number);
  }
  switch (node.comparison) {
    case Comparison::kEqual:
      return values[0] == values[1];
    case Comparison::kNotEqual:
      return values[0] != values[1];
    case Comparison::kLess:
      return values[0] < values[1];
    case Comparison::kLessEqual:
      return values[0] <= values[1];
    case Comparison::kGreater:
      return values[0] > values[1];
    case Comparison::kGreaterEqual:
      return values[0] >= values[1];
  }
  return false;
}

}  // namespace kpa::host::data
