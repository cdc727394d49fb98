// Reading the observed samples through the case loop.
#include "sampling/data/observed_data.h"

#include <cmath>

#include "shell/request/case_loop.h"
#include "shell/results/fixed_text.h"

namespace kpa::sampling {

ObservedData ReadObservedSamples(shell::Request& request, const ObservedRequest& wanted) {
  ObservedData data;
  const bool names = request.HasCaseNames();
  const double missing_code = request.MissingCode(wanted.variable);
  bool closed = false;
  shell::CaseLoop loop;
  loop.variables = {wanted.variable};
  loop.weights = shell::WeightRule::kTwoOrMore;
  loop.extra_progress = wanted.extra_progress;
  const shell::CaseLoopEnd end = shell::ForEachCase(request, loop, [&](const shell::CaseView& c) {
    ObservedValue item;
    const std::optional<double>& read = c.values[0];
    item.value = read.value_or(missing_code);
    item.case_number = c.number;
    if (names) item.case_name = shell::FitText(request.CaseName(c.number), kMaxCaseNameWidth);
    const bool missing = !read || !(std::fabs(*read) <= kLargestValidMagnitude);
    if (missing) {
      item.kind = ValueKind::kMissing;
    } else if (wanted.binomial) {
      if (*read == wanted.accept_code)
        item.value = 1.0;
      else if (*read == wanted.reject_code)
        item.value = 0.0;
      else
        item.kind = ValueKind::kForeign;
    }
    // Nothing may follow the gap, and the series may not start with one.
    if (closed || (missing && data.values.empty())) {
      data.error = ReadError::kMissingInSeries;
      return shell::CaseAction::kStop;
    }
    const std::int64_t repeats = item.kind == ValueKind::kValue ? c.repeats : 1;
    for (std::int64_t r = 0; r < repeats; ++r) {
      if (static_cast<int>(data.values.size()) == kMaxObservedValues) {
        data.status = ReadStatus::kTooMany;
        return shell::CaseAction::kStop;
      }
      data.values.push_back(item);
    }
    if (item.kind != ValueKind::kValue) closed = true;
    return shell::CaseAction::kContinue;
  });
  switch (end) {
    case shell::CaseLoopEnd::kCancelled:
      data.error = ReadError::kCancelled;
      return data;
    case shell::CaseLoopEnd::kReadFailure:
      data.error = ReadError::kHostFailure;
      return data;
    case shell::CaseLoopEnd::kStopped:
      return data;
    case shell::CaseLoopEnd::kCompleted:
      break;
  }
  data.status = data.values.empty() ? ReadStatus::kNone : ReadStatus::kRead;
  return data;
}

}  // namespace kpa::sampling
