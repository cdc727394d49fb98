// CSV dialects as spreadsheets export them: the delimiter and the decimal mark detected from
// the file or stated by the user, Windows-1252 text, quoted decimal commas, and the files
// that cannot be decided, refused with a message that names the option.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/impl/data/csv_reader.h"

namespace kpa::host::data {
namespace {

ReadResult Read(std::string_view text, const CsvOptions& options = {}) {
  return ReadCsvText(text, "t.csv", nullptr, options);
}

std::vector<double> Values(const ReadResult& result, std::size_t variable) {
  return result.data.variables.at(variable).values;
}

TEST(CsvDialect, DetectedFromTheFile) {
  struct Row {
    const char* label;
    std::string text;
    std::vector<double> second;  // the values of the second column
  };
  const std::vector<Row> rows = {
      {"semicolon, decimal comma (French export)",
       "op;val\nA;1,5\nB;-2,25\nC;3\n",
       {1.5, -2.25, 3}},
      {"semicolon with a BOM and CRLF", "\xEF\xBB\xBFop;val\r\nA;1,5\r\nB;2\r\n", {1.5, 2}},
      {"semicolon, decimal point", "op;val\nA;1.5\nB;2\n", {1.5, 2}},
      {"comma, decimal point", "op,val\nA,1.5\nB,2e-3\n", {1.5, 0.002}},
      {"tab, decimal comma", "op\tval\nA\t1,5\nB\t4\n", {1.5, 4}},
      {"quoted cell holding the other delimiter", "op;val\n\"a;b\";1,5\n\"c\";2\n", {1.5, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const ReadResult result = Read(row.text);
    ASSERT_EQ(result.data.variables.size(), 2u);
    EXPECT_EQ(Values(result, 1), row.second);  // 1,5 is never 1 nor 15
    EXPECT_TRUE(result.data.variables[0].from_texts);
  }
}

TEST(CsvDialect, QuotedDecimalCommasInACommaFileAreNumbers) {
  const ReadResult result = Read("x,name\n\"10,012\",\"Dupont, J.\"\n\"10,5\",\"Martin, P.\"\n");
  EXPECT_EQ(Values(result, 0), (std::vector<double>{10.012, 10.5}));
  EXPECT_FALSE(result.data.variables[0].from_texts);
  // Texts with commas inside quotes stay texts.
  EXPECT_TRUE(result.data.variables[1].from_texts);
  EXPECT_EQ(result.data.variables[1].value_labels.at(1.0), "Dupont, J.");
  ASSERT_EQ(result.notices.size(), 1u);
  EXPECT_NE(result.notices[0].find("decimal comma"), std::string::npos);
}

// A column that looked like decimal commas until a later cell is typed again as it stands:
// its texts coded in first-appearance order, or the mixed column refused at its first text.
TEST(CsvDialect, ACommaColumnBrokenLaterIsTypedAgain) {
  const ReadResult texts = Read("t\n\"1,5\"\n\"2,5\"\nabc\n\"1,5\"\n");
  EXPECT_EQ(Values(texts, 0), (std::vector<double>{1, 2, 3, 1}));
  EXPECT_EQ(texts.data.variables[0].value_labels.at(3.0), "abc");
  EXPECT_TRUE(texts.notices.empty());
  try {
    Read("x\n\"1,5\"\n2.5\n3.5\n");
    ADD_FAILURE() << "no error";
  } catch (const DataFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "t.csv:2:1: '1,5' in column \"x\" is not a number, but the column's other cells "
              "are numbers");
  }
}

TEST(CsvDialect, Windows1252TextIsReadAsIts) {
  // "opérateur;val" / "René;1,5" saved by a spreadsheet in Windows-1252; 0x80 is the euro sign.
  const ReadResult result = Read("op\xE9rateur;val\nRen\xE9 \x80;1,5\n");
  EXPECT_EQ(result.data.variables[0].value_labels.at(1.0), "René €");
  EXPECT_EQ(Values(result, 1), (std::vector<double>{1.5}));
  EXPECT_EQ(result.notices.front(), "the file is not UTF-8: it is read as Windows-1252");
}

TEST(CsvDialect, StatedByTheUser) {
  const CsvOptions options = ParseCsvOptions("delimiter=semicolon decimal=point");
  // "1,5" under a decimal point is no number: the column is texts.
  EXPECT_TRUE(Read("op;val\nA;1,5\n", options).data.variables[1].from_texts);
  EXPECT_EQ(FormatCsvOptions(options), "delimiter=semicolon decimal=point encoding=auto");
  EXPECT_EQ(FormatCsvOptions(ParseCsvOptions("")), "delimiter=auto decimal=auto encoding=auto");
  for (const char* bad : {"delimiter=pipe", "decimal=,", "sep=;", "encoding=latin1"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(ParseCsvOptions(bad), std::invalid_argument);
  }
}

TEST(CsvDialect, UndecidableFilesAreRefusedNamingTheOption) {
  struct Row {
    const char* label;
    std::string text;
    CsvOptions options;
    std::string message_start;
  };
  CsvOptions comma;
  comma.delimiter = ',';
  const std::vector<Row> rows = {
      {"two delimiters split alike",
       "a;b,c\n1;2,5\n",
       {},
       "t.csv: the delimiter cannot be told: the first rows split into 2 columns on ','"},
      {"both decimal marks",
       "a;b\n1,5;2\n3;2.5\n",
       {},
       "t.csv:2: numbers are written with both decimal marks ('1,5' here, '2.5' on line 3)"},
      {"semicolon file stated as comma", "op;val\nA;1,5\nB;2\n", comma,
       "t.csv: with the delimiter comma the file has one column, but its rows split into 2 "
       "columns on ';'"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      Read(row.text, row.options);
      ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind(row.message_start, 0), 0u) << message;
      EXPECT_NE(message.find("--csv"), std::string::npos) << message;
    }
  }
}

}  // namespace
}  // namespace kpa::host::data
