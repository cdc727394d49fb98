// CSV reading: tokenizing (quotes, line ends, physical line numbers), column typing, missing
// cells, case names, names and the errors users meet.
#include "host/impl/data/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kpa::host::data {
namespace {

constexpr double kNoValue = kDefaultMissingCode;

ReadResult Read(std::string_view text) { return ReadCsvText(text, "t.csv", nullptr); }

TEST(CsvReader, CellsSplitAsWritten) {
  struct Row {
    const char* label;
    std::string text;
    std::vector<std::string> labels;  // value labels of the one text column, codes 1, 2, ...
    std::int64_t cases;
  };
  const std::vector<Row> rows = {
      {"plain LF", "part\na\nb\n", {"a", "b"}, 2},
      {"CRLF", "part\r\na\r\nb\r\n", {"a", "b"}, 2},
      {"no final line end", "part\na\nb", {"a", "b"}, 2},
      {"byte-order mark", "\xEF\xBB\xBFpart\na\n", {"a"}, 1},
      {"comma and doubled quotes inside quotes", "part\n\"x, \"\"y\"\"\"\n", {"x, \"y\""}, 1},
      {"line break inside quotes", "part\r\n\"two\r\nlines\"\r\n", {"two\nlines"}, 1},
      {"spaces around cells", "part\n  a  \n \"b\" \n", {"a", "b"}, 2},
      {"trailing blank lines dropped", "part\na\n\n\r\n", {"a"}, 1},
      {"blank line inside one column is a missing cell", "part\na\n\nb\n", {"a", "b"}, 3},
      {"comments and blank lines before the header", "# note\n\n#, two\npart\na\n", {"a"}, 1},
      {"first appearance orders codes", "part\nb\na\nb\nc\n", {"b", "a", "c"}, 4},
      {"texts are case-sensitive", "part\nok\nOK\n", {"ok", "OK"}, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const ReadResult result = Read(row.text);
    ASSERT_EQ(result.data.VariableCount(), 1);
    EXPECT_EQ(result.data.CaseCount(), row.cases);
    const Variable& part = result.data.variable(1);
    ASSERT_EQ(part.value_labels.size(), row.labels.size());
    for (std::size_t i = 0; i < row.labels.size(); ++i) {
      EXPECT_EQ(part.LabelOf(static_cast<double>(i + 1)), row.labels[i]);
    }
  }
}

TEST(CsvReader, NumbersAndMissingCells) {
  // Every missing form reads as the missing code; "+2" and "1e3" are numbers.
  const ReadResult result = Read("x,t\n1.5,a\n,NA\nNA,.\n.,b\n-9999,-9999\n+2,a\n1e3,\n");
  const Variable& x = result.data.variable(1);
  const std::vector<double> expected_x = {1.5, kNoValue, kNoValue, kNoValue, kNoValue, 2.0, 1000.0};
  EXPECT_EQ(x.values, expected_x);
  EXPECT_TRUE(x.value_labels.empty());
  const Variable& t = result.data.variable(2);
  const std::vector<double> expected_t = {1, kNoValue, kNoValue, 2, kNoValue, 1, kNoValue};
  EXPECT_EQ(t.values, expected_t);
  EXPECT_TRUE(result.notices.empty());
}

TEST(CsvReader, HeaderOnlyFileHasVariablesAndNoCases) {
  const ReadResult result = Read("# c\na,b\n");
  EXPECT_EQ(result.data.VariableCount(), 2);
  EXPECT_EQ(result.data.CaseCount(), 0);
  // A wide header over two million blank lines: room is made for the rows there can be (the
  // reader once asked for 480 GB and called the file too large for memory).
  std::string wide;
  for (int c = 0; c < 30000; ++c) wide += (c > 0 ? ",c" : "c") + std::to_string(c);
  wide += std::string(2'000'000, '\n');
  const ReadResult blank = Read(wide);
  EXPECT_EQ(blank.data.VariableCount(), 30000);
  EXPECT_EQ(blank.data.CaseCount(), 0);
}

TEST(CsvReader, CaseNames) {
  struct Row {
    const char* label;
    const char* text;
    std::vector<std::string> case_names;
    int variables;
  };
  const std::vector<Row> rows = {
      {"empty header with texts", ",x\np1,1\np2,2\n", {"p1", "p2"}, 1},
      {"header 'Case' with texts", "Case,x\np1,1\n\"3\",2\n", {"p1", "3"}, 1},
      {"numbered cases stay a variable", "case,x\n1,1\n2,2\n", {}, 2},
      {"text column elsewhere stays a variable", "x,case\n1,a\n", {}, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const ReadResult result = Read(row.text);
    EXPECT_EQ(result.data.case_names, row.case_names);
    EXPECT_EQ(result.data.VariableCount(), row.variables);
  }
}

TEST(CsvReader, NamesMadeUsableWithLongNamesAndNotices) {
  const ReadResult result =
      Read("Inner diameter (mm),2nd,,measure,MEASURE,measure_,and,x\n1,2,3,4,5,6,7,8\n");
  struct Expected {
    const char* name;
    std::optional<std::string> long_name;
  };
  const std::vector<Expected> expected = {{"Inner_di", "Inner diameter (mm)"},
                                          {"x2nd", "2nd"},
                                          {"var3", std::nullopt},
                                          {"measure", std::nullopt},
                                          {"MEASUR_2", "MEASURE"},
                                          {"measure_", std::nullopt},
                                          {"and_", "and"},
                                          {"x", std::nullopt}};
  ASSERT_EQ(result.data.VariableCount(), static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(result.data.variables[i].name, expected[i].name);
    EXPECT_EQ(result.data.variables[i].long_name, expected[i].long_name);
  }
  const std::vector<std::string> notices = {
      "column 1: name 'Inner diameter (mm)' changed to 'Inner_di'",
      "column 2: name '2nd' changed to 'x2nd'", "column 3: unnamed, called 'var3'",
      "column 5: name 'MEASURE' changed to 'MEASUR_2'", "column 7: name 'and' changed to 'and_'"};
  EXPECT_EQ(result.notices, notices);
}

TEST(CsvReader, ErrorsNameFileLineAndColumn) {
  struct Row {
    const char* label;
    std::string text;
    std::string message;
    CsvOptions options = {};
  };
  CsvOptions utf8;
  utf8.encoding = CsvEncoding::kUtf8;
  const std::vector<Row> rows = {
      {"empty file", "", "t.csv: the file is empty: no header row"},
      {"only comments", "# a\n# b\n", "t.csv: the file is empty: no header row"},
      {"row too long", "a,b,c\n1,2,3\n1,2,3,4\n", "t.csv:3:4: row has 4 cells, header has 3"},
      {"row too short", "a,b,c\n1,2\n", "t.csv:2:3: row has 2 cells, header has 3"},
      {"blank line between rows", "a,b\n1,2\n\n3,4\n", "t.csv:3:2: row has 1 cell, header has 2"},
      // The quoted line break keeps the count physical: the bad cell sits on line 6.
      {"stray word in numbers", "# c\nnote,x\n\"a\nb\",1\nc,2\nd,abc\n",
       "t.csv:6:2: 'abc' in column \"x\" is not a number, but the column's other cells are "
       "numbers"},
      {"stray number in texts", "op\nAnn\n7\nBob\n",
       "t.csv:3:1: '7' in column \"op\" is a number, but the column's other cells are texts"},
      {"unterminated quote", "a,b\n1,\"open\n2,3\n", "t.csv:2:2: a quoted cell is never closed"},
      {"text after closing quote", "a\n\"x\"y\n",
       "t.csv:2:1: unexpected text after the closing quote"},
      // Stated as UTF-8, a file that is not is refused (unstated, it reads as Windows-1252).
      {"invalid UTF-8", "a,b\n1,\xC3\x28\n", "t.csv:2:2: the cell is not valid UTF-8 text", utf8},
      {"surrogate in UTF-8", "a\n\xED\xA0\x80\n", "t.csv:2:1: the cell is not valid UTF-8 text",
       utf8},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      ReadCsvText(row.text, "t.csv", nullptr, row.options);
      ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
      EXPECT_EQ(std::string(error.what()), row.message);
    }
  }
}

TEST(CsvReader, UnreadablePathIsAnError) {
  try {
    ReadCsvFile("/nonexistent/kpa/none.csv");
    ADD_FAILURE() << "no error";
  } catch (const DataFileError& error) {
    EXPECT_EQ(error.file(), "/nonexistent/kpa/none.csv");
    EXPECT_EQ(error.line(), 0);
    EXPECT_EQ(error.detail(), "no such file");
  }
}

}  // namespace
}  // namespace kpa::host::data
