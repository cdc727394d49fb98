// Julian day numbers.
#include "shell/probability/julian_day.h"

#include <cstdint>

#include "shell/probability/sentinel.h"

namespace kpa::probability {

// The classical conversion of Meeus (Astronomical Formulae for Calculators, 1979, ch. 3) and
// Press et al., Numerical Recipes (julday): months counted from March so that the leap day
// ends the year, 30.6001 to make int() land on month lengths, and the Gregorian correction
// 2 - A + int(A/4) (A the century) from 15 October 1582, that is when
// day + 31 (month + 12 year) exceeds 588828.
// Kept: truncation towards zero (int), not floor, and the products 30.6001 m' and 365.25 y'
//   formed in single precision before truncation, as the results depend on them.
// Changed: the comparison with 588828 is done in 64-bit arithmetic so that no year wraps.
double JulianDay(int month, int day, int year) {
  constexpr std::int64_t kGregorianStart = 588828;  // 14 October 1582 as d + 31 (m + 12 y).
  constexpr std::int64_t kJulianDayOffset = 1720995;
  if (year == 0 || month < 1 || month > 12) return kErrorSentinel;
  std::int64_t y = year;
  if (y < 0) ++y;  // 1 BC is year 0 of the arithmetic.
  std::int64_t m = month;
  if (month <= 2) {
    --y;
    m += 13;
  } else {
    ++m;
  }
  const float month_days = 30.6001f * static_cast<float>(m);
  const float year_days = 365.25f * static_cast<float>(y);
  std::int64_t number = day + static_cast<std::int64_t>(month_days) +
                        static_cast<std::int64_t>(year_days) + kJulianDayOffset;
  const std::int64_t ordinal =
      day + 31 * (static_cast<std::int64_t>(month) + 12 * static_cast<std::int64_t>(year));
  if (ordinal > kGregorianStart) {
    const auto century = static_cast<std::int64_t>(0.01f * static_cast<float>(y));
    number += 2 - century + century / 4;  // Integer division truncates, as int() does.
  }
  return static_cast<double>(number);
}

}  // namespace kpa::probability
