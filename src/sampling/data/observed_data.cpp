// Reading the observed samples through the host.
#include "sampling/data/observed_data.h"

#include <cmath>

#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"
#include "shell/results/host_output.h"

namespace kpa::sampling {
namespace {

// How many times a case counts: a weight of 2 or more as the smallest whole number not
// below it; any other weight (a fraction, 0, a missing weight) once.
std::int64_t Repeats(host::Host& host, std::int64_t case_number) {
  if (!host.WeightingOn()) return 1;
  const double weight = host.CaseWeight(case_number);
  if (!(weight >= 2.0) || !std::isfinite(weight)) return 1;
  return static_cast<std::int64_t>(std::min(std::ceil(weight), 1e9));
}

}  // namespace

ObservedData ReadObservedSamples(const ObservedRequest& request) {
  host::Host& host = shell::CurrentHost();
  ObservedData data;
  const std::int64_t cases = host.CaseCount();
  const double missing_code = host.MissingCode(request.variable);
  const bool names = host.HasCaseNames();
  shell::StartProgress(cases + request.extra_progress, "");
  bool closed = false;
  const auto stop = [&](ReadError error) {
    shell::StopProgress();
    data.error = error;
    return data;
  };
  for (std::int64_t c = 1; c <= cases; ++c) {
    shell::StepProgress(c);
    if (host.IsCancelled()) return stop(ReadError::kHostFailure);
    const host::CaseRead read = host.ReadCase(request.variable, c);
    if (read.status == host::CaseStatus::kExcluded) continue;
    if (read.status != host::CaseStatus::kRead) return stop(ReadError::kHostFailure);
    ObservedValue item;
    item.value = read.value;
    item.case_number = c;
    if (names) item.case_name = shell::FitText(host.CaseName(c), kMaxCaseNameWidth);
    const bool missing =
        read.value == missing_code || !(std::fabs(read.value) <= kLargestValidMagnitude);
    if (missing) {
      item.kind = ValueKind::kMissing;
    } else if (request.binomial) {
      if (read.value == request.accept_code)
        item.value = 1.0;
      else if (read.value == request.reject_code)
        item.value = 0.0;
      else
        item.kind = ValueKind::kForeign;
    }
    // Nothing may follow the gap, and the series may not start with one.
    if (closed || (missing && data.values.empty())) return stop(ReadError::kMissingInSeries);
    const std::int64_t repeats = item.kind == ValueKind::kValue ? Repeats(host, c) : 1;
    for (std::int64_t r = 0; r < repeats; ++r) {
      if (static_cast<int>(data.values.size()) == kMaxObservedValues) {
        shell::StopProgress();
        data.status = ReadStatus::kTooMany;
        return data;
      }
      data.values.push_back(item);
    }
    if (item.kind != ValueKind::kValue) closed = true;
  }
  shell::StopProgress();
  data.status = data.values.empty() ? ReadStatus::kNone : ReadStatus::kRead;
  return data;
}

}  // namespace kpa::sampling
