// The two readers of the Weibull procedure: failure times (one variable, stop minus start,
// or two month/day/year dates) with an optional censoring indicator, and grouped life-table
// rows (lower limit, withdrawn, failed), either kept as a table or expanded to failure times
// at the interval midpoints. Each runs one pass over the cases through the case loop.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

enum class ReadStatus : std::int16_t {
  kOk,
  kTooFewCases,          // fewer than 2 retained cases (or table rows)
  kTooFewFailures,       // fewer than 2 failures
  kIdenticalTimes,       // all failure times equal (all failures in one interval)
  kBadIntervalLimit,     // lower limits that do not rise, or a limit below 0
  kTooManyLeaving,       // failures and withdrawals exceed the number entering
  kTooFewTableFailures,  // fewer than 2 failures in the table
  kFractionalCounts,     // a count that is not whole, for a table expanded to times
  kTooLarge,             // more cases than memory holds
  kCancelled,
  kReadFailure,
};

// Cases a sample may hold: 24 bytes each, so at most 2.4 GB.
inline constexpr std::int64_t kMaxSampleCases = 100'000'000;

// Fills settings.sample from the current time variable(s) and the censoring indicator.
// The sample's zero_times_dropped flag tells whether the note on dropped zeros is due.
[[nodiscard]] ReadStatus ReadRawFailureTimes(shell::Request& request,
                                             shell::WeibullSettings& settings);

// Fills settings.table, or settings.sample when the table is treated as continuous data.
[[nodiscard]] ReadStatus ReadGroupedFailureTimes(shell::Request& request,
                                                 shell::WeibullSettings& settings);

// The time variables the raw reader uses: the current one in list mode, else all of them.
[[nodiscard]] std::vector<int> CurrentTimeVariables(const shell::WeibullSettings& settings);

// The time of a start/stop date pair given as month, day, year, month, day, year: the
// difference of their Julian day numbers, two-digit years taken as 19xx; std::nullopt for
// a part that is not a whole number from 0 to 31999 or an invalid date.
[[nodiscard]] std::optional<double> DaysBetween(std::span<const double> parts);

}  // namespace kpa::reliability
