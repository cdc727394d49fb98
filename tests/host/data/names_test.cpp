// Name rules and the number and UTF-8 checks the readers rely on.
#include "host/impl/data/names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/impl/data/data_set.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

TEST(Names, AssignedInColumnOrder) {
  struct Row {
    std::string original;
    std::string name;
    bool changed;
  };
  // One registry for all rows: later rows clash with earlier ones.
  const std::vector<Row> rows = {
      {"diameter", "diameter", false},
      {"Diameter", "Diamet_2", true},  // clashes without regard to case
      {"diamet_2", "diamet_3", true},  // the suffixed name is taken too
      {"Durchmesser", "Durchmes", true},
      {"Öl-Temp", "Öl_Temp", true},     // accented letters stay letters
      {"Opérateur", "Opérateu", true},  // 8 characters, not 8 bytes
      {"2ème", "x2ème", true},
      {"a→b", "a_b", true},  // one '_' per character, not per UTF-8 byte
      {"_id", "x_id", true},
      {"", "var10", true},
      {"OR", "OR_", true},
      {"a1", "a1", false},
      {"A1", "A1_2", true},
  };
  NameRegistry registry;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].original);
    const AssignedName assigned = registry.Assign(rows[i].original, static_cast<int>(i) + 1);
    EXPECT_EQ(assigned.name, rows[i].name);
    EXPECT_EQ(assigned.changed, rows[i].changed);
    EXPECT_TRUE(IsUsableName(assigned.name));
  }
}

TEST(Names, TenClashesStillFitEightCharacters) {
  NameRegistry registry;
  std::string last;
  for (int i = 1; i <= 12; ++i) last = registry.Assign("measures", i).name;
  EXPECT_EQ(last, "measu_12");
}

// Each clash takes the smallest free suffix, also past a name a column had of its own, and
// 30 000 columns of one name are named at once (the search used to start again from _2).
TEST(Names, ClashesTakeTheSmallestFreeSuffix) {
  NameRegistry registry;
  std::vector<std::string> names;
  for (const char* header : {"x", "x_3", "X", "x", "x"})
    names.push_back(registry.Assign(header, 1).name);
  EXPECT_EQ(names, (std::vector<std::string>{"x", "x_3", "X_2", "x_4", "x_5"}));
  NameRegistry many;
  std::string last;
  for (int i = 1; i <= 30000; ++i) last = many.Assign("x", i).name;
  EXPECT_EQ(last, "x_30000");
}

TEST(Text, NumbersParseWithAPointOnly) {
  struct Row {
    const char* text;
    std::optional<double> value;
  };
  const std::vector<Row> rows = {
      {"74.03", 74.03},
      {"-1.5e3", -1500.0},
      {"+2", 2.0},
      {".5", 0.5},
      {"7.", 7.0},
      {"1,5", std::nullopt},
      {"+-1", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x1A", std::nullopt},
      {"1e999", std::nullopt},
      {"1e", std::nullopt},
      {"", std::nullopt},
      {"TRUE", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseNumber(row.text), row.value);
  }
}

// Short decimals take a fast path of their own: it must round exactly as strtod does, at every
// length up to 15 digits and every position of the point (including digits that make long
// integers and halfway cases such as 0.1 + 0.2 style fractions).
TEST(Text, ShortDecimalsRoundAsStrtodDoes) {
  std::uint64_t state = 88172645463325252ull;
  for (int i = 0; i < 200000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    std::string digits = std::to_string(state % 1000000000000000ull);
    digits.resize(1 + (state >> 50) % digits.size());
    const std::size_t point = (state >> 40) % (digits.size() + 1);
    std::string text = (state & 1 ? "-" : "") + digits.substr(0, point);
    if (point < digits.size()) text += "." + digits.substr(point);
    if (text.empty() || text == "-") continue;
    SCOPED_TRACE(text);
    const std::optional<double> parsed = ParseNumber(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, std::strtod(text.c_str(), nullptr));
    EXPECT_EQ(std::signbit(*parsed), text.front() == '-');
  }
}

TEST(DataSet, WeightOfAMissingCellIsZero) {
  DataSet data;
  data.variables.resize(1);
  data.variables[0].values = {2.5, kDefaultMissingCode, -1.0};
  EXPECT_EQ(CaseWeight(data, 1, 1), 2.5);
  EXPECT_EQ(CaseWeight(data, 1, 2), 0.0);
  EXPECT_EQ(CaseWeight(data, 1, 3), -1.0);  // passed on as it is
  EXPECT_THROW(CaseWeight(data, 1, 4), std::out_of_range);
  EXPECT_THROW(CaseWeight(data, 2, 1), std::out_of_range);
}

TEST(Names, AccentedLettersMatchWithoutRegardToCase) {
  EXPECT_TRUE(SameName("OPÉRATEU", "opérateu"));
  EXPECT_TRUE(SameName("Łódź", "łÓDŹ"));
  EXPECT_FALSE(SameName("opérateu", "operateu"));  // an accent is not dropped
  EXPECT_FALSE(IsUsableName("Opérateur"));         // 9 characters
  EXPECT_TRUE(IsUsableName("Opérateu"));
}

}  // namespace
}  // namespace kpa::host::data
