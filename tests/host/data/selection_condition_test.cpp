// The case-selection language: precedence, missing values, labels, variable numbers, and
// the column reported with each error.
#include "host/impl/data/selection_condition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kpa::host::data {
namespace {

constexpr double kNo = kDefaultMissingCode;

DataSet Sample() {
  DataSet data;
  data.variables.resize(4);
  data.variables[0].name = "d";
  data.variables[0].values = {74.0, 73.9, kNo, 74.2, 74.0};
  data.variables[1].name = "s";
  data.variables[1].values = {1, 2, 3, 4, 5};
  data.variables[2].name = "Operator";
  data.variables[2].values = {1, 2, 1, kNo, 2};
  data.variables[2].value_labels = {{1, "Ann"}, {2, "Bob"}};
  data.variables[3].name = "v3";  // a name that looks like a variable number
  data.variables[3].values = {10, 20, 30, 40, 50};
  return data;
}

std::vector<std::int64_t> SelectedCases(const SelectionCondition& condition, const DataSet& data) {
  std::vector<std::int64_t> cases;
  for (std::int64_t c = 1; c <= data.CaseCount(); ++c) {
    if (condition.Selected(c)) cases.push_back(c);
  }
  return cases;
}

TEST(SelectionCondition, SelectsCases) {
  const DataSet data = Sample();
  struct Row {
    const char* text;
    std::vector<std::int64_t> cases;
  };
  const std::vector<Row> rows = {
      {"d >= 74.0", {1, 4, 5}},
      {"d < 74", {2}},  // case 3 is missing: the comparison is false
      {"not (d < 74)", {1, 3, 4, 5}},
      {"missing(d)", {3}},
      {"MISSING ( Operator )", {4}},
      // "and" binds tighter than "or"; grouping the other way selects {2, 5}.
      {"s <= 2 or s >= 4 and operator = 2", {1, 2, 5}},
      {"(s <= 2 or s >= 4) and operator = 2", {2, 5}},
      // "not" binds tighter than "and"; not (s = 1 and s < 4) would select {2, 3, 4, 5}.
      {"not s = 1 and s < 4", {2, 3}},
      {"not not s = 1", {1}},
      {"operator = \"Bob\"", {2, 5}},
      {"'Ann' == OPERATOR", {1, 3}},
      {"operator <> 'Ann'", {2, 5}},  // the missing case 4 is not selected
      {"v2 = 3", {3}},                // by number
      {"v3 = 20", {2}},               // the variable named v3, not variable 3
      {"V4 = 40", {4}},
      {"s != 3 AND s <> 1 And s > -1e1", {2, 4, 5}},
      {"5 > s", {1, 2, 3, 4}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const SelectionCondition condition = SelectionCondition::Parse(row.text, data);
    EXPECT_EQ(SelectedCases(condition, data), row.cases);
  }
}

// The parser and the evaluation recurse: conditions nested or chained beyond any sensible
// use are refused with a message instead of exhausting the stack.
TEST(SelectionCondition, DepthAndLengthAreBounded) {
  const DataSet data = Sample();
  const auto repeat = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  EXPECT_NO_THROW(SelectionCondition::Parse(repeat("(", 150) + "s > 1" + repeat(")", 150), data));
  const struct {
    std::string text;
    const char* detail;
  } refused[] = {
      {repeat("(", 15000) + "s > 1" + repeat(")", 15000), "the condition nests too deeply"},
      {repeat("not ", 50000) + "s > 1", "the condition nests too deeply"},
      {"s > 1" + repeat(" and s > 1", 3000), "the condition has too many terms"},
  };
  for (const auto& r : refused) {
    try {
      SelectionCondition::Parse(r.text, data);
      ADD_FAILURE() << "no error for " << r.text.substr(0, 20);
    } catch (const SelectionConditionError& error) {
      EXPECT_EQ(error.detail().rfind(r.detail, 0), 0u) << error.detail();
    }
  }
}

TEST(SelectionCondition, ErrorsGiveTheColumn) {
  const DataSet data = Sample();
  struct Row {
    const char* text;
    int column;
    std::string detail;
  };
  const std::vector<Row> rows = {
      {"", 1, "expected a condition, found the end of the condition"},
      {"s >", 4, "expected a value after '>', found the end of the condition"},
      {"s > 1 and", 10, "expected a condition, found the end of the condition"},
      {"s > 1 or and s < 2", 10, "expected a condition, found 'and'"},
      {"(s > 1", 7, "expected ')' to close the '(' at column 1, found the end of the condition"},
      {"s > 1)", 6, "')' without a matching '('"},
      {"s > 1 s < 2", 7, "expected and, or, or the end of the condition, found 's'"},
      {"s 1", 3, "expected a comparison (=, <>, <, <=, >, >=) after 's', found '1'"},
      {"x = 1", 1, "unknown variable 'x'"},
      {"s = v9", 5, "there is no variable v9; the file has 4 variables"},
      {"operator = \"Eve\"", 12, "no value of 'Operator' is labelled \"Eve\""},
      {"operator < \"Ann\"", 10, "'<' cannot compare texts; use = or <>"},
      {"1 = 'Ann'", 1, "a text can only be compared with a variable, not with '1'"},
      {"s = 'Ann", 5, "the text has no closing '"},
      {"s & 1", 3, "unexpected character '&'"},
      {"s ! 1", 3, "'!' must be followed by '=' (or use not)"},
      {"s = 1.2.3", 5, "'1.2.3' is not a number"},
      {"missing(1)", 9, "expected a variable inside missing( ), found '1'"},
      // Columns count characters: 'é' takes two bytes but one column.
      {"s = 'é' §", 9, "unexpected character '§'"},
      {"s = 'é' or s = 'é' or s = 'é' or s = 'é' §", 42, "unexpected character '§'"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    try {
      (void)SelectionCondition::Parse(row.text, data);
      ADD_FAILURE() << "no error";
    } catch (const SelectionConditionError& error) {
      EXPECT_EQ(error.column(), row.column);
      EXPECT_EQ(error.detail(), row.detail);
      EXPECT_EQ(std::string(error.what()),
                "selection condition, column " + std::to_string(row.column) + ": " + row.detail);
    }
  }
}

}  // namespace
}  // namespace kpa::host::data
