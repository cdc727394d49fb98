// Calendar dates to Julian day numbers.
#pragma once

namespace kpa::probability {

// Julian day number (as a real) of the date month/day/year: Julian calendar up to
// 4 October 1582, Gregorian from 15 October 1582, so those two dates differ by 1.
// Negative years are years BC (there is no year 0). The day is not checked against the month.
// Answers kErrorSentinel when year is 0 or month is outside 1..12.
[[nodiscard]] double JulianDay(int month, int day, int year);

}  // namespace kpa::probability
