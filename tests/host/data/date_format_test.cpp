// Date display formats: which SPSS and Stata formats are dates, and the dates their numbers
// stand for (references from Python's datetime: 2024-03-15 is day 23450 from 1960-01-01,
// 13929840000 seconds from 1582-10-14 and spreadsheet day 45366).
#include "host/impl/data/date_format.h"

#include <gtest/gtest.h>

namespace kpa::host::data {
namespace {

TEST(DateFormat, StatFileFormatsThatAreDates) {
  EXPECT_FALSE(DateFormatOfStatFile("%tdD_m_Y")->with_time);
  EXPECT_TRUE(DateFormatOfStatFile("%tc")->with_time);
  EXPECT_FALSE(DateFormatOfStatFile("ADATE10")->with_time);
  EXPECT_TRUE(DateFormatOfStatFile("DATETIME20")->with_time);
  for (const char* plain : {"F8.2", "%9.0g", "TIME8", "A20", ""})
    EXPECT_FALSE(DateFormatOfStatFile(plain).has_value()) << plain;
}

TEST(DateFormat, NumbersBecomeTheirDates) {
  EXPECT_EQ(FormatDate(*DateFormatOfStatFile("%td"), 0.0), "1960-01-01");
  EXPECT_EQ(FormatDate(*DateFormatOfStatFile("%td"), 23450.0), "2024-03-15");
  EXPECT_EQ(FormatDate(*DateFormatOfStatFile("DATE11"), 13929840000.0), "2024-03-15");
  EXPECT_EQ(FormatDate(*DateFormatOfStatFile("DATETIME20"), 13929840000.0 + 49530.0),
            "2024-03-15 13:45:30");
  EXPECT_EQ(FormatDate(*DateFormatOfStatFile("%tc"), 23450.0 * 86400000.0 + 1000.0),
            "2024-03-15 00:00:01");
  EXPECT_EQ(FormatDate(SpreadsheetDates(), 45366.0), "2024-03-15");
  EXPECT_EQ(FormatDate(SpreadsheetDates(), -1e9), "-1e+09");  // before year 1
  EXPECT_EQ(FormatDate(SpreadsheetDates(), 1e300), "1e+300");
}

}  // namespace
}  // namespace kpa::host::data
