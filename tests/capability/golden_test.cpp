// The result tables of the piston-ring analysis (samples 1-25 grouped by sample, 74 ± 0.05)
// compared byte for byte with reviewed golden files in tests/capability/golden/. Each table
// is written out here as a plain grid: title lines, the row-label column at its width, then
// each column at its width and decimals, '|' between columns, missing cells blank. The
// files are rewritten instead of compared when KPA_UPDATE_GOLDEN=1.
//
// Reviewed against an independent calculation of the same formulas from the 125 values
// (double precision, outside this project): mean 74.001176, s 0.01006997, R-bar/d2
// 0.00978534, Cp 1.70323, Cpk 1.66317, K 0.02352, Cpm 1.64383 (tau over the nominal),
// Pp 1.65509, Ppk 1.61616, expected above the USL 125 * Q(4.8485) = 0.0000778, skewness
// -0.09795, kurtosis 0.44646, median x(63) 74.001, Q1 x(32) 73.994, Q3 x(94) 74.008.
#include <cmath>
#include <cstdio>

#include "dialog_fixture.h"
#include "host/api/special_values.h"
#include "support/golden.h"

namespace kpa::capability::testing {
namespace {

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::string Padded(const std::string& text, std::size_t width) {
  const std::size_t count = CharacterCount(text);
  return count >= width ? text : text + std::string(width - count, ' ');
}

std::string RightAligned(const std::string& text, std::size_t width) {
  const std::size_t count = CharacterCount(text);
  return count >= width ? text : std::string(width - count, ' ') + text;
}

std::string Grid(const host::TableSpec& table) {
  std::string out;
  for (const auto& line : table.title) out += "title: " + line + "\n";
  const auto label_width = static_cast<std::size_t>(table.row_label_width);
  std::string upper = Padded("", label_width);
  std::string names = Padded(table.row_header, label_width);
  for (const auto& column : table.columns) {
    const auto width = static_cast<std::size_t>(column.width);
    upper += "|" + RightAligned(column.upper, width);
    names += "|" + RightAligned(column.name, width);
  }
  out += upper + "\n" + names + "\n";
  for (std::size_t row = 0; row < table.RowCount(); ++row) {
    std::string line = Padded(table.row_labels[row], label_width);
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      const double value = table.Value(row, c);
      const host::TableColumn& column = table.columns[c];
      char cell[64] = "";
      if (!host::IsSpecialValue(value) && !std::isnan(value))
        std::snprintf(cell, sizeof cell, "%.*f", column.decimals, value);
      line += "|" + RightAligned(cell, static_cast<std::size_t>(column.width));
    }
    out += line + "\n";
  }
  return out;
}

void ExpectGolden(const std::string& name, const std::string& actual) {
  kpa::testing::ExpectGoldenFile("tests/capability/golden", name, actual);
}

class PistonRingTables : public CapabilityDialogTest {
 protected:
  void SetUp() override {
    CapabilityDialogTest::SetUp();
    UsePistonRings();
    OpenSetup();
    Set("Variables", std::string("diameter | sample"));
    Set("GroupingVariable", std::int64_t{1});
    Set("SelectAllCodes", std::int64_t{1});
    Set("ProcessSpecifications", std::string("diameter ( 74 0.05 Missing Missing )"));
    Call("OK");
    ASSERT_EQ(Template(), kRawResults) << ::testing::PrintToString(NewMessages());
  }
};

TEST_F(PistonRingTables, CapabilityAndPerformance) {
  Call("Summary");
  ASSERT_EQ(host_.tables.size(), 2u);
  ExpectGolden("pistonrings_capability.txt", Grid(host_.tables[0]));
  ExpectGolden("pistonrings_performance.txt", Grid(host_.tables[1]));
}

TEST_F(PistonRingTables, NumbersBeyondSpecifications) {
  Call("NumberBeyondSpecs");
  ASSERT_EQ(host_.tables.size(), 1u);
  ExpectGolden("pistonrings_beyond.txt", Grid(host_.tables[0]));
}

TEST_F(PistonRingTables, DescriptiveStatistics) {
  Call("DescriptiveStatistics");
  ASSERT_EQ(host_.tables.size(), 1u);
  ExpectGolden("pistonrings_descriptive.txt", Grid(host_.tables[0]));
}

}  // namespace
}  // namespace kpa::capability::testing
