// Variables whose numbers stand for dates: how many days from 1970-01-01 their value 0 is,
// how many units make a day, and whether the time of day is shown. SPSS counts seconds from
// 1582-10-14, Stata days (or milliseconds) from 1960-01-01, spreadsheets days from
// 1899-12-30.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kpa::host::data {

struct DateFormat {
  double origin_days = 0.0;  // the day of value 0, counted from 1970-01-01
  double units_per_day = 1.0;
  bool with_time = false;
};

// The date format of an SPSS or Stata display format ("DATE11", "ADATE10", "DATETIME20",
// "%td", "%tdD_m_Y", "%tc"); std::nullopt for any other (numbers, durations, texts).
std::optional<DateFormat> DateFormatOfStatFile(std::string_view format);

// Spreadsheet day numbers (1 is 1900-01-01, as the 1900 date system counts).
DateFormat SpreadsheetDates();

// "2024-03-15", or "2024-03-15 13:45:00" with the time; the number itself when the value is
// not finite or lies outside years 1 to 9999.
std::string FormatDate(const DateFormat& format, double value);

}  // namespace kpa::host::data
