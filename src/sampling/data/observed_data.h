// Reading the observed samples of a data variable for the sequential plan: one value per
// case in case order (a case weighted w >= 2 counting ceil(w) times), at most 400, ending at
// the first gap; for binomial proportions the accept and reject codes recoded to 1 and 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/request/request.h"

namespace kpa::sampling {

inline constexpr int kMaxObservedValues = 400;
inline constexpr int kMaxCaseNameWidth = 20;
inline constexpr double kLargestValidMagnitude = 1e30;

// How the reading ended. Never renumbered.
enum class ReadStatus : std::int16_t { kRead = 0, kTooMany = 1, kNone = 2 };
enum class ReadError : std::int16_t {
  kNone = 0,
  kMissingInSeries = 3,
  kCancelled = 9,  // the user stopped the reading
  kHostFailure = 99,
};

enum class ValueKind : std::int16_t {
  kValue,    // a measurement, or 1/0 for an accepted/rejected binomial item
  kMissing,  // the gap that closes the series
  kForeign,  // a binomial code that is neither accept nor reject: closes the series too
};

struct ObservedValue {
  double value = 0.0;  // as read (the code itself for a foreign code)
  ValueKind kind = ValueKind::kValue;
  std::int64_t case_number = 0;
  std::string case_name;  // at most 20 characters; empty when the host has none
};

struct ObservedData {
  std::vector<ObservedValue> values;
  ReadStatus status = ReadStatus::kNone;
  ReadError error = ReadError::kNone;
};

struct ObservedRequest {
  int variable = 0;
  bool binomial = false;
  double accept_code = 0.0;
  double reject_code = 1.0;
  std::int64_t extra_progress = 0;  // steps of the display beyond the cases (the M samples)
};

// Reads through the request's case loop, with the progress display.
ObservedData ReadObservedSamples(shell::Request& request, const ObservedRequest& wanted);

}  // namespace kpa::sampling
