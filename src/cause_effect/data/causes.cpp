#include "cause_effect/data/causes.h"

#include <algorithm>
#include <cstdint>

#include "resources/ids/cause_effect_strings.h"
#include "shell/request/case_loop.h"

namespace kpa::cause_effect {

Causes ReadCauses(shell::Request& request, const std::vector<int>& bone_variables) {
  Causes causes;
  causes.values.resize(bone_variables.size());
  shell::CaseLoop loop;
  loop.variables = bone_variables;
  loop.weights = shell::WeightRule::kAboveOne;
  loop.progress_caption = request.Text(strings::kReadingCauses);
  const auto visit = [&causes](const shell::CaseView& c) {
    for (std::size_t b = 0; b < causes.values.size(); ++b) {
      if (!c.values[b]) continue;
      std::vector<double>& bone = causes.values[b];
      // The repeats of a weighted case are added at once, never beyond the limit.
      const auto room = static_cast<std::int64_t>(kMaxCauses - bone.size());
      const std::int64_t taken = std::min(c.repeats, room);
      bone.insert(bone.end(), static_cast<std::size_t>(taken), *c.values[b]);
      if (taken < c.repeats) causes.dropped = true;
    }
    return shell::CaseAction::kContinue;
  };
  switch (shell::ForEachCase(request, loop, visit)) {
    case shell::CaseLoopEnd::kCancelled:
      causes.status = CausesStatus::kCancelled;
      break;
    case shell::CaseLoopEnd::kReadFailure:
      causes.status = CausesStatus::kReadFailure;
      break;
    default:
      break;
  }
  return causes;
}

}  // namespace kpa::cause_effect
