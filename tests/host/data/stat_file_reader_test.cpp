// SPSS and Stata files written by ReadStat at test time and read back through ReadDataFile.
#include "host/impl/data/stat_file_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/impl/data/data_file.h"
#include "stat_fixture.h"
#include "temp_files.h"

namespace kpa::host::data {
namespace {

using testing::FixtureColumn;
using testing::StatFormat;

// Columns shared by both formats: a labelled diameter with one missing case, a long-named
// operator code with value labels, and a string column with an empty (missing) cell.
std::vector<FixtureColumn> QualityColumns(StatFormat format) {
  FixtureColumn diameter;
  diameter.name = "diameter";
  diameter.label = "Inside diameter (mm)";
  diameter.numbers = {74.03, std::nullopt, 73.99, 99.0, 74.01};
  if (format == StatFormat::kSav) diameter.user_missing = 99.0;
  if (format == StatFormat::kDta) diameter.tagged_missing = 'a';
  FixtureColumn op;
  op.name = "Operator_Name";
  op.numbers = {1, 2, 1, 2, 3};
  op.value_labels = {{1, "Ann"}, {2, "Bob"}};
  FixtureColumn shift;
  shift.name = "shift";
  shift.is_string = true;
  shift.texts = {"night", "day", "", "night", "day"};
  FixtureColumn reading;
  reading.name = "reading";
  reading.numbers = {-9999.0, 1.0, 2.0, 3.0, 4.0};
  // 2024-03-15 in each format's own count: seconds from 1582-10-14, days from 1960-01-01.
  FixtureColumn made;
  made.name = "made";
  made.format = format == StatFormat::kSav ? "DATE11" : "%td";
  const double day = format == StatFormat::kSav ? 13929840000.0 : 23450.0;
  made.numbers = {day, day, day, day, day};
  return {diameter, op, shift, reading, made};
}

TEST(StatFileReader, LabelsMissingValuesAndStringsSurviveARoundTrip) {
  const testing::TempDir dir;
  for (const StatFormat format : {StatFormat::kSav, StatFormat::kDta}) {
    const bool sav = format == StatFormat::kSav;
    SCOPED_TRACE(sav ? "sav" : "dta");
    const std::string path = dir.Path(sav ? "q.sav" : "Q.DTA");
    ASSERT_TRUE(testing::WriteStatFile(path, format, QualityColumns(format)));
    const ReadResult result = ReadDataFile(path);
    const DataSet& data = result.data;
    ASSERT_EQ(data.VariableCount(), 5);
    ASSERT_EQ(data.CaseCount(), 5);

    // SPSS: the user-defined missing value 99 becomes the code; system missing reads as it.
    // Stata: 99 is a real value, so the default code serves.
    const Variable& diameter = data.variable(1);
    EXPECT_EQ(diameter.long_name, "Inside diameter (mm)");
    const double code = sav ? 99.0 : kDefaultMissingCode;
    EXPECT_EQ(diameter.missing_code, code);
    const std::vector<double> diameters = {74.03, code, 73.99, 99.0, 74.01};
    EXPECT_EQ(diameter.values, diameters);
    EXPECT_EQ(data.IsMissing(1, 4), sav);

    const Variable& op = data.variable(2);
    EXPECT_EQ(op.name, "Operator");
    EXPECT_EQ(op.long_name, "Operator_Name");  // no label: the original name keeps it
    EXPECT_EQ(op.value_labels, (std::map<double, std::string>{{1, "Ann"}, {2, "Bob"}}));
    EXPECT_EQ(op.values, (std::vector<double>{1, 2, 1, 2, 3}));

    const Variable& shift = data.variable(3);
    EXPECT_EQ(shift.value_labels, (std::map<double, std::string>{{1, "night"}, {2, "day"}}));
    EXPECT_EQ(shift.values, (std::vector<double>{1, 2, kDefaultMissingCode, 1, 2}));

    // -9999 is a value here, so missing cells need another code.
    EXPECT_EQ(data.variable(4).missing_code, -99999.0);
    EXPECT_FALSE(data.IsMissing(4, 1));

    // A date format is kept: the values read as the day they count.
    ASSERT_TRUE(data.variable(5).date_format.has_value());
    EXPECT_EQ(FormatDate(*data.variable(5).date_format, data.Value(5, 1)), "2024-03-15");
    EXPECT_FALSE(data.variable(1).date_format.has_value());

    const std::vector<std::string> notices = {
        "variable 2: name 'Operator_Name' changed to 'Operator'",
        "variable 'reading': missing code -99999 because -9999 is one of its values"};
    EXPECT_EQ(result.notices, notices);
  }
}

TEST(StatFileReader, DamagedFileAndUnknownExtensionAreErrors) {
  const testing::TempDir dir;
  struct Row {
    const char* label;
    std::string path;
    std::string detail;
  };
  const std::vector<Row> rows = {
      {"not a sav file", dir.Write("junk.sav", "this is not SPSS"), "cannot read the file: "},
      {"not a dta file", dir.Write("junk.dta", "\x01\x02"), "cannot read the file: "},
      {"spreadsheet", dir.Write("book.xlsx", "PK"),
       "unknown data file type '.xlsx'; use .csv, .txt, .tsv, .sav, .zsav or .dta"},
      {"no extension", dir.Write("data", "a\n1\n"),
       "the file name has no extension; use .csv, .txt, .tsv, .sav, .zsav or .dta"},
      {"folder", dir.Path(""), "this is a folder, not a data file"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      ReadDataFile(row.path);
      ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
      EXPECT_EQ(error.file(), row.path);
      EXPECT_EQ(error.detail().substr(0, row.detail.size()), row.detail);
    }
  }
}

// Every single damaged byte of a small file gives a file that reads or a data-file error:
// never a crash (a name ReadStat returned as none used to be copied).
TEST(StatFileReader, EveryDamagedByteIsReadOrRefused) {
  const testing::TempDir dir;
  for (const StatFormat format : {StatFormat::kSav, StatFormat::kDta}) {
    const bool sav = format == StatFormat::kSav;
    SCOPED_TRACE(sav ? "sav" : "dta");
    const std::string good = dir.Path(sav ? "good.sav" : "good.dta");
    ASSERT_TRUE(testing::WriteStatFile(good, format, QualityColumns(format)));
    std::ifstream in(good, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (std::size_t at = 0; at < bytes.size(); ++at) {
      for (const char value : {'\x00', '\xFF'}) {
        std::string damaged = bytes;
        if (damaged[at] == value) continue;
        damaged[at] = value;
        const std::string path = dir.Write(sav ? "bad.sav" : "bad.dta", damaged);
        try {
          (void)ReadDataFile(path);
        } catch (const DataFileError&) {
        }
      }
    }
  }
}

}  // namespace
}  // namespace kpa::host::data
