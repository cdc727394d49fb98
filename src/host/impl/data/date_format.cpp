#include "host/impl/data/date_format.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

constexpr double kSpssOriginDays = -141428.0;      // 1582-10-14
constexpr double kStataOriginDays = -3653.0;       // 1960-01-01
constexpr double kSpreadsheetOriginDays = -25569;  // 1899-12-30
constexpr double kSecondsPerDay = 86400.0;
// Days from 1970-01-01 to 0001-01-01 and to 9999-12-31.
constexpr double kFirstDay = -719162.0;
constexpr double kLastDay = 2932896.0;

}  // namespace

std::optional<DateFormat> DateFormatOfStatFile(std::string_view format) {
  if (format.starts_with("%tc") || format.starts_with("%tC"))
    return DateFormat{kStataOriginDays, kSecondsPerDay * 1000.0, true};
  if (format.starts_with("%td") || format.starts_with("%d"))
    return DateFormat{kStataOriginDays, 1.0, false};
  if (format.starts_with("DATETIME") || format.starts_with("YMDHMS"))
    return DateFormat{kSpssOriginDays, kSecondsPerDay, true};
  for (const std::string_view date :
       {"DATE", "ADATE", "EDATE", "JDATE", "SDATE", "MOYR", "QYR", "WKYR"})
    if (format.starts_with(date)) return DateFormat{kSpssOriginDays, kSecondsPerDay, false};
  return std::nullopt;
}

DateFormat SpreadsheetDates() { return {kSpreadsheetOriginDays, 1.0, false}; }

std::string FormatDate(const DateFormat& format, double value) {
  const double days = format.origin_days + value / format.units_per_day;
  if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1.0)
    return FormatNumber(value);
  const double whole_days = std::floor(days);
  const std::chrono::year_month_day date{
      std::chrono::sys_days{std::chrono::days{static_cast<int>(whole_days)}}};
  char text[32];
  int length =
      std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  if (format.with_time) {
    const auto seconds = static_cast<long>(std::llround((days - whole_days) * kSecondsPerDay));
    const long clamped = seconds >= 86400 ? 86399 : seconds;
    length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length),
                            " %02ld:%02ld:%02ld", clamped / 3600, clamped / 60 % 60, clamped % 60);
  }
  return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace kpa::host::data
