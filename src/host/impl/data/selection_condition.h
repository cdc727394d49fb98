// The case-selection condition: a small language that picks the cases an analysis reads.
//
//   condition  := disjunct { "or" disjunct }
//   disjunct   := negation { "and" negation }
//   negation   := "not" negation | "(" condition ")" | "missing" "(" variable ")" | comparison
//   comparison := operand ( "=" | "==" | "<>" | "!=" | "<" | "<=" | ">" | ">=" ) operand
//   operand    := variable | number | text
//
// Words are matched without regard to case. A variable is given by its name or as vN, its
// 1-based number (a variable actually called vN takes precedence). Numbers use '.' for the
// decimal point and may carry a sign and an exponent. A text is written in double or single
// quotes (a quote of the same kind doubled stands for itself) and compares with = or <> against
// the value labels of a variable: Operator = "Ann" selects the cases whose code is labelled
// Ann. A comparison involving a missing value is false, whatever the operator, so "not" turns
// it true: use missing(x) to speak of missing values explicitly.
//
// Errors name the 1-based character column of the condition at fault.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/impl/data/data_set.h"

namespace kpa::host::data {

// what() reads "selection condition, column C: detail".
class SelectionConditionError : public std::runtime_error {
 public:
  SelectionConditionError(int column, std::string detail);

  int column() const { return column_; }
  const std::string& detail() const { return detail_; }

 private:
  int column_;
  std::string detail_;
};

class SelectionCondition {
 public:
  // Parses `text` against the variables of `data`, which must outlive the condition. Throws
  // SelectionConditionError.
  static SelectionCondition Parse(std::string_view text, const DataSet& data);

  // True when case `case_number` (1-based) meets the condition; throws std::out_of_range
  // for a case the data set does not have.
  bool Selected(std::int64_t case_number) const;
  const std::string& text() const { return text_; }

 private:
  friend class SelectionParser;

  enum class Comparison : std::uint8_t {
    kEqual,
    kNotEqual,
    kLess,
    kLessEqual,
    kGreater,
    kGreaterEqual
  };
  struct Operand {
    int variable = 0;  // 1-based; 0 for a constant
    double number = 0.0;
  };
  struct Node {
    enum class Kind : std::uint8_t { kOr, kAnd, kNot, kCompare, kLabelIs, kMissing };
    Kind kind = Kind::kCompare;
    int left = -1;  // child nodes, by index
    int right = -1;
    Comparison comparison = Comparison::kEqual;
    Operand a;
    Operand b;
    std::vector<double> codes;  // kLabelIs: the codes carrying the text
    bool negated = false;       // kLabelIs: the operator was <>
  };

  SelectionCondition(std::string text, const DataSet& data)
      : text_(std::move(text)), data_(&data) {}
  bool Evaluate(int node, std::int64_t case_number) const;

  std::string text_;
  const DataSet* data_;
  std::vector<Node> nodes_;
  int root_ = -1;
};

}  // namespace kpa::host::data
