// Result tables: allocation rules (option bits, the options-block size and its large-table
// cut, the host's 65535-byte buffer limits, failure clean-up), hand-over to the host, and
// the label lists for variables.
#include "shell/results/result_table.h"

#include <gtest/gtest.h>

#include "host/api/special_values.h"
#include "resources/string_table.h"
#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"
#include "support/fake_host.h"

namespace kpa::shell {
namespace {

constexpr int kOutOfMemory = 14399;

class ResultTableTest : public ::testing::Test {
 protected:
  ResultTableTest() : analysis_(host_), enter_(analysis_) {
    host_.strings[kOutOfMemory] = std::string(resources::ResourceText(kOutOfMemory));
  }
  ~ResultTableTest() override { SetResultTableMemoryLimit(kDefaultTableMemoryLimit); }

  testing::FakeHost host_;
  CAnalysisSupport analysis_;
  CEnterAnalysisContext enter_;
  ResultTable table_;
};

TEST_F(ResultTableTest, OptionBitsChooseTheBuffers) {
  // 4 columns x 10 rows: options block 55 bits in 7 bytes, + 4 + 17 = 28 bytes.
  const struct {
    std::uint16_t options;
    bool values, texts;
  } cases[] = {{0, true, true}, {1, true, false}, {2, false, true}, {3, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    ASSERT_EQ(AllocateResultTable(table_, c.options, 4, 10, 12, 8), TableStatus::kOk);
    EXPECT_EQ(table_.HasValues(), c.values);
    EXPECT_EQ(table_.HasCellTexts(), c.texts);
    EXPECT_EQ(table_.Options().size(), 28u);
    EXPECT_EQ(table_.LargeTable(), 0);
    EXPECT_EQ(table_.RowLabel(9), std::string(12, ' '));
    EXPECT_EQ(table_.ColumnName(3), std::string(8, ' '));
    EXPECT_EQ(table_.UpperName(0), std::string(8, ' '));
    if (c.values) {
      EXPECT_EQ(table_.Value(9, 3), 0.0);
    }
    if (c.texts) {
      EXPECT_EQ(table_.CellText(9, 3), std::string(8, ' '));
    }
  }
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ResultTableTest, LargeOptionsBlockIsCutToOneBytePerColumn) {
  const struct {
    int columns, rows;
    std::size_t option_bytes;
    std::int16_t large;
  } cases[] = {
      // 100 * 5201 bits in 65013 bytes; + 99 + 17 = 65129 > 65000: cut to 99 bytes.
      {99, 5200, 99, 1},
      // 100 * 5101 bits in 63763 bytes; + 99 + 17 = 63879.
      {99, 5100, 63879, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    ASSERT_EQ(AllocateResultTable(table_, 3, c.columns, c.rows, 10, 8), TableStatus::kOk);
    EXPECT_EQ(table_.Options().size(), c.option_bytes);
    EXPECT_EQ(table_.LargeTable(), c.large);
  }
}

TEST_F(ResultTableTest, BuffersBeyondTheHostLimitAreRefused) {
  const struct {
    const char* name;
    int columns, rows, label_width, name_width;
    TableStatus status;
  } cases[] = {
      // Row labels: R * Wr + 2 bytes.
      {"labels at the limit", 1, 1000, 65, 8, TableStatus::kOk},               // 65002
      {"labels over the limit", 1, 1000, 66, 8, TableStatus::kOutsideLimits},  // 66002
      // Names: C * Wn bytes.
      {"names at the limit", 8191, 1, 10, 8, TableStatus::kOk},               // 65528
      {"names over the limit", 8192, 1, 10, 8, TableStatus::kOutsideLimits},  // 65536
      {"no rows", 3, 0, 10, 8, TableStatus::kOutsideLimits},
      {"too many rows", 1, 40000, 1, 8, TableStatus::kOutsideLimits},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host_.messages.clear();
    const TableStatus status =
        AllocateResultTable(table_, 3, c.columns, c.rows, c.label_width, c.name_width);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(table_.IsAllocated(), status == TableStatus::kOk);
    if (status != TableStatus::kOk) {
      EXPECT_EQ(table_.Options().size(), 0u);
      ASSERT_EQ(host_.messages.size(), 1u);
      EXPECT_EQ(host_.messages[0], host_.strings[kOutOfMemory]);
    }
  }
}

TEST_F(ResultTableTest, FailedAllocationLeavesNothingAndShowsTheMessage) {
  ASSERT_EQ(AllocateResultTable(table_, 0, 2, 2, 10, 8), TableStatus::kOk);
  // 10 x 100 values need 8000 bytes: the values fit a 9500-byte budget, the cell texts
  // (another 8000) do not.
  SetResultTableMemoryLimit(9500);
  EXPECT_EQ(AllocateResultTable(table_, 0, 10, 100, 10, 8), TableStatus::kFailure);
  EXPECT_FALSE(table_.IsAllocated());
  EXPECT_FALSE(table_.HasValues());
  EXPECT_FALSE(table_.HasCellTexts());
  EXPECT_EQ(table_.Options().size(), 0u);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0],
            "Mémoire insuffisante pour l'analyse requise. Fermez d'autres applications et "
            "essayez à nouveau.");
  // Without the cell texts the same table fits: 8000 + 1002 (labels) + 2 * 80 (names)
  // + 165 (options, 11 * 101 / 8 + 10 + 17) = 9327 bytes.
  EXPECT_EQ(AllocateResultTable(table_, 1, 10, 100, 10, 8), TableStatus::kOk);
}

TEST_F(ResultTableTest, ReleaseTwiceIsHarmless) {
  ASSERT_EQ(AllocateResultTable(table_, 0, 2, 3, 10, 8), TableStatus::kOk);
  ReleaseResultTable(table_);
  ReleaseResultTable(table_);
  EXPECT_FALSE(table_.IsAllocated());
  EXPECT_EQ(table_.Rows(), 0);
  EXPECT_EQ(EmitResultTable(table_), 0);
  EXPECT_TRUE(host_.tables.empty());
}

TEST_F(ResultTableTest, EmitHandsTheTableOverRowAfterRow) {
  ASSERT_EQ(AllocateResultTable(table_, 0, 2, 3, 12, 8), TableStatus::kOk);
  SetTableTitle(table_.Title(), 1, "Capabilité du processus");
  SetTableTitle(table_.Title(), 3, "Variable : DIAM");
  table_.SetRowHeader(" Estim. ");
  table_.SetColumnName(0, "   Cp");
  table_.SetColumnName(1, "  Cpk");
  table_.SetUpperName(1, "Indice");
  for (int r = 0; r < 3; ++r) table_.SetRowLabel(r, "Ligne " + std::to_string(r + 1));
  // Stored column after column: the first column holds 1, 2, 3, the second 4, 5, 6.
  const double column_major[] = {1, 2, 3, 4, host::kMissing, 6};
  std::copy(std::begin(column_major), std::end(column_major), table_.Values().begin());
  table_.SetCellText(2, 0, "  élevé");
  table_.Display().column_width = 10;
  table_.SetColumnFormat(1, 9, 2);
  table_.Options()[0] = 156;
  host_.table_answer = 1;

  ASSERT_EQ(EmitResultTable(table_), 1);
  ASSERT_EQ(host_.tables.size(), 1u);
  const host::TableSpec& spec = host_.tables[0];
  EXPECT_EQ(spec.title,
            (std::vector<std::string>{"Capabilité du processus", "", "Variable : DIAM"}));
  EXPECT_EQ(spec.row_header, "Estim.");
  EXPECT_EQ(spec.row_label_width, 12);
  ASSERT_EQ(spec.columns.size(), 2u);
  EXPECT_EQ(spec.columns[0].name, "Cp");
  EXPECT_EQ(spec.columns[0].width, 10);
  EXPECT_EQ(spec.columns[0].decimals, 4);
  EXPECT_EQ(spec.columns[1].upper, "Indice");
  EXPECT_EQ(spec.columns[1].width, 9);
  EXPECT_EQ(spec.columns[1].decimals, 2);
  EXPECT_EQ(spec.row_labels[2], "Ligne 3");
  ASSERT_EQ(spec.values.size(), 6u);
  EXPECT_EQ(spec.Value(0, 1), 4.0);
  EXPECT_EQ(spec.Value(2, 0), 3.0);
  EXPECT_TRUE(host::IsSpecialValue(spec.Value(1, 1)));
  ASSERT_EQ(spec.texts.size(), 6u);
  EXPECT_EQ(spec.texts[4], std::optional<std::string>("élevé"));  // row 2, column 0
  EXPECT_FALSE(spec.texts[0].has_value());
  ASSERT_EQ(spec.layout.size(), 10u);
  EXPECT_EQ(spec.layout[5], 12);  // the sixth layout value holds the row-label width
  ASSERT_FALSE(spec.options.empty());
  EXPECT_EQ(spec.options[0], 156);

  host_.table_answer = 0;
  EXPECT_EQ(EmitResultTable(table_), 0);
}

TEST_F(ResultTableTest, MarkedCellsReachEveryRenderingOfTheHost) {
  // 2 columns x 3 rows: the last cell's bit is bit 11 of the grid, in the second byte.
  ASSERT_EQ(AllocateResultTable(table_, 0, 2, 3, 12, 8), TableStatus::kOk);
  table_.MarkCell(2, 1);
  table_.MarkCell(0, 0);
  table_.MarkCell(3, 0);  // outside: ignored
  const host::TableSpec spec = MakeTableSpec(table_);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(spec.Marked(static_cast<std::size_t>(r), static_cast<std::size_t>(c)),
                (r == 2 && c == 1) || (r == 0 && c == 0))
          << r << " " << c;
  // A large table keeps only its column bytes: nothing to mark, nothing written past them.
  ASSERT_EQ(AllocateResultTable(table_, 3, 99, 5200, 10, 8), TableStatus::kOk);
  table_.MarkCell(5199, 98);
  EXPECT_FALSE(MakeTableSpec(table_).Marked(5199, 98));
}

TEST_F(ResultTableTest, TableWithoutValuesShowsMissingCells) {
  ASSERT_EQ(AllocateResultTable(table_, 2, 1, 2, 8, 8), TableStatus::kOk);
  table_.SetCellText(0, 0, "Accepter");
  ASSERT_EQ(EmitResultTable(table_), 1);
  EXPECT_TRUE(host::IsSpecialValue(host_.tables[0].Value(0, 0)));
  EXPECT_EQ(host_.tables[0].texts[0], std::optional<std::string>("Accepter"));
}

TEST(SetTableTitle, CutsOrPadsToSixtyTwoCharacters) {
  TableTitle title;
  const std::string accented = "Écart-type estimé à partir des étendues moyennes, méthode R";
  const struct {
    const char* name;
    std::string text;
    std::string line;
  } cases[] = {
      {"short", "Titre", "Titre" + std::string(57, ' ')},
      {"accented, padded by characters", accented, accented + std::string(62 - 59, ' ')},
      {"cut", std::string(70, 'x'), std::string(62, 'x')},
      {"cut inside accents", std::string(61, 'a') + "éé", std::string(61, 'a') + "é"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetTableTitle(title, 2, c.text);
    EXPECT_EQ(title.lines[1], c.line);
    EXPECT_EQ(CharacterCount(title.lines[1]), 62);
  }
  EXPECT_EQ(title.lines[0], std::string(62, ' '));
}

TEST_F(ResultTableTest, SmallTableHeadingsAreCopiedIn) {
  SmallTableArrays arrays;
  EXPECT_EQ(arrays.lower_names[99], std::string(8, ' '));
  SetTableTitle(arrays.title, 1, "Plan d'échantillonnage");
  arrays.upper_names[0] = "Accepter";
  arrays.lower_names[0] = "Droite  ";
  ASSERT_EQ(AllocateResultTable(table_, 0, 2, 2, 24, 8), TableStatus::kOk);
  TakeSmallTableHeadings(arrays, table_);
  EXPECT_EQ(table_.UpperName(0), "Accepter");
  EXPECT_EQ(table_.ColumnName(0), "Droite  ");
  EXPECT_EQ(table_.Title().lines[0], arrays.title.lines[0]);
}

TEST_F(ResultTableTest, VariableLabelsAlignNamesAndLongNames) {
  host_.variables = {{"DIAM", {}, "Diamètre extérieur", {}, -9999},
                     {"LONGUEUR", {}, std::nullopt, {}, -9999},
                     {"P", {}, "Poids", {}, -9999}};
  const int all[] = {1, 2, 3};
  const VariableLabels labels = MakeVariableLabels(all);
  // The longest long name, "Diamètre extérieur", has 18 characters: width 28.
  EXPECT_EQ(labels.width, 28);
  ASSERT_EQ(labels.labels.size(), 3u);
  EXPECT_EQ(labels.labels[0], "    DIAM: Diamètre extérieur");
  EXPECT_EQ(labels.labels[1], "LONGUEUR: " + std::string(18, ' '));
  EXPECT_EQ(labels.labels[2], "       P: Poids" + std::string(13, ' '));
  for (const auto& label : labels.labels) EXPECT_EQ(CharacterCount(label), labels.width);

  const int without_long_names[] = {2};
  const VariableLabels names = MakeVariableLabels(without_long_names);
  EXPECT_EQ(names.width, 8);
  EXPECT_EQ(names.labels[0], "LONGUEUR");

  host_.variables[2].long_name = std::string(60, 'L');
  const VariableLabels cut = MakeVariableLabels(all);
  EXPECT_EQ(cut.width, 60);  // the long-name length is cut to 50
  EXPECT_EQ(cut.labels[2], "       P: " + std::string(50, 'L'));
}

}  // namespace
}  // namespace kpa::shell
