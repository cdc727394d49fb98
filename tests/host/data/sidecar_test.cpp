// The metadata sidecar: what it sets on the variables, and how bad content is reported.
#include "host/impl/data/sidecar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/impl/data/csv_reader.h"
#include "host/impl/data/data_file.h"
#include "temp_files.h"

namespace kpa::host::data {
namespace {

TEST(Sidecar, FoundNextToTheFileAndApplied) {
  const testing::TempDir dir;
  const std::string csv =
      dir.Write("parts.csv", "id,Inner diameter,grade,note\nA,74.1,1,x\nB,0,2,\nC,-1,0,y\n");
  dir.Write("parts.csv.meta.json", R"json({
    "missing_code": -1,
    "case_names": "id",
    "variables": {
      "Inner diameter": { "long_name": "Inside diameter (mm)" },
      "GRADE": { "missing_code": 0, "value_labels": { "1": "good", "2.0": "scrap" },
                 "value_long_labels": { "2": "scrapped at final inspection" },
                 "display_format": "date" }
    }
  })json");
  const ReadResult result = ReadDataFile(csv);
  const DataSet& data = result.data;
  EXPECT_EQ(data.case_names, (std::vector<std::string>{"A", "B", "C"}));
  ASSERT_EQ(data.VariableCount(), 3);
  // Keyed by header text; the sidecar's long name wins over the original header.
  EXPECT_EQ(data.variable(1).name, "Inner_di");
  EXPECT_EQ(data.variable(1).long_name, "Inside diameter (mm)");
  EXPECT_EQ(data.variable(1).missing_code, -1.0);
  EXPECT_EQ(data.variable(1).values, (std::vector<double>{74.1, 0.0, -1.0}));
  // Keyed by short name, any letter case; the variable's own code beats the file-wide one.
  EXPECT_EQ(data.variable(2).missing_code, 0.0);
  EXPECT_EQ(data.variable(2).values, (std::vector<double>{1.0, 2.0, 0.0}));
  EXPECT_TRUE(data.IsMissing(2, 3));
  EXPECT_EQ(data.variable(2).value_labels,
            (std::map<double, std::string>{{1.0, "good"}, {2.0, "scrap"}}));
  EXPECT_EQ(data.variable(2).value_long_labels.at(2.0), "scrapped at final inspection");
  EXPECT_EQ(FormatDate(*data.variable(2).date_format, 45366.0), "2024-03-15");
  // A text column codes its texts around the file-wide missing code.
  EXPECT_EQ(data.variable(3).values, (std::vector<double>{1.0, -1.0, 2.0}));
}

TEST(Sidecar, CaseNamesCanBeTurnedOff) {
  const Sidecar sidecar = ParseSidecar(R"({"case_names": false})", "m.json");
  const ReadResult result = ReadCsvText(",x\np1,1\n", "t.csv", &sidecar);
  EXPECT_FALSE(result.data.HasCaseNames());
  EXPECT_EQ(result.data.VariableCount(), 2);
}

TEST(Sidecar, BadContentNamesTheSidecar) {
  struct Row {
    const char* label;
    const char* json;
    std::string message;
  };
  const std::vector<Row> rows = {
      {"not JSON", "{", "m.json: not valid JSON: "},
      {"number beyond double", R"({"missing_code": 1e400})", "m.json: not valid JSON: "},
      {"not an object", "[1]", "m.json: the file must hold one JSON object { ... }"},
      {"misspelt member", R"({"missing": 1})",
       "m.json: unknown member \"missing\" (expected missing_code, case_names or variables)"},
      {"missing code as text", R"({"missing_code": "-1"})",
       "m.json: missing_code must be a number"},
      {"label code not a number", R"({"variables": {"x": {"value_labels": {"one": "a"}}}})",
       "m.json: variable \"x\" value_labels: code 'one' is not a number"},
      {"label text not a string", R"({"variables": {"x": {"value_labels": {"1": 2}}}})",
       "m.json: variable \"x\" value_labels \"1\" must be a text in quotes"},
      {"unknown variable member", R"({"variables": {"x": {"label": "a"}}})",
       "m.json: variable \"x\": unknown member \"label\" (expected long_name, missing_code, "
       "value_labels, value_long_labels or display_format)"},
      {"display format other than date", R"({"variables": {"x": {"display_format": "time"}}})",
       "m.json: variable \"x\" display_format must be \"date\" (spreadsheet day numbers)"},
      {"unknown column", R"({"variables": {"y": {}}})",
       "m.json: variables names column \"y\", which is not a variable of the data file"},
      {"unknown case-name column", R"({"case_names": "id"})",
       "m.json: case_names names column \"id\", which t.csv does not have"},
      {"labels on a text column", R"({"variables": {"t": {"value_labels": {"1": "a"}}}})",
       "m.json: value_labels given for text column \"t\"; the labels of a text column are its "
       "texts"},
      {"missing code equal to a text's code", R"({"variables": {"t": {"missing_code": 2}}})",
       "t.csv: column \"t\": missing code 2 is also the code of text 'b'; choose another missing "
       "code"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    try {
      const Sidecar sidecar = ParseSidecar(row.json, "m.json");
      ReadCsvText("x,t\n1,a\n2,b\n", "t.csv", &sidecar);
      ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
      // JSON syntax messages come from the parser; only their start is ours.
      const std::string message = error.what();
      if (row.message.ends_with(": ")) {
        EXPECT_EQ(message.substr(0, row.message.size()), row.message);
      } else {
        EXPECT_EQ(message, row.message);
      }
    }
  }
}

}  // namespace
}  // namespace kpa::host::data
