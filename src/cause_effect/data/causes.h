// The causes of each bone: one pass over the cases, reading every bone variable.
#pragma once

#include <cstddef>
#include <vector>

#include "shell/request/request.h"

namespace kpa::cause_effect {

// A bone shows at most this many causes.
inline constexpr std::size_t kMaxCauses = 1000;

enum class CausesStatus { kRead, kCancelled, kReadFailure };

struct Causes {
  std::vector<std::vector<double>> values;  // per bone, in case order
  bool dropped = false;                     // some bone had more than kMaxCauses
  CausesStatus status = CausesStatus::kRead;
};

// For each case in order (selected cases only; a case weighing w > 1 counts ceil(w) times),
// each bone variable's value that is not missing joins its bone while the bone has fewer
// than kMaxCauses.
Causes ReadCauses(shell::Request& request, const std::vector<int>& bone_variables);

}  // namespace kpa::cause_effect
