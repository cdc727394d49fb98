#include "shell/request/case_loop.h"

#include <algorithm>
#include <cmath>

namespace kpa::shell {

std::int64_t RepeatsOfWeight(double weight, WeightRule rule) {
  switch (rule) {
    case WeightRule::kAboveOne:
      if (!(weight > 1.0)) return 1;
      break;
    case WeightRule::kTwoOrMore:
      if (!(weight >= 2.0)) return 1;
      break;
    case WeightRule::kIgnored:
      return 1;
  }
  if (!std::isfinite(weight)) return 1;
  return static_cast<std::int64_t>(std::min(std::ceil(weight), double{kMaxCaseRepeats}));
}

CaseLoopEnd ForEachCase(Request& request, const CaseLoop& loop, const CaseVisitor& visit) {
  host::Host& host = request.host_;
  const std::int64_t cases = host.CaseCount();
  std::vector<double> missing_codes;
  for (const int variable : loop.variables) missing_codes.push_back(host.MissingCode(variable));
  std::vector<std::optional<double>> values(loop.variables.size());
  const bool weighted = loop.weights != WeightRule::kIgnored && host.WeightingOn();
  if (loop.progress) request.ProgressStart(cases + loop.extra_progress, loop.progress_caption);
  const auto end = [&](CaseLoopEnd how) {
    request.ProgressStop();
    return how;
  };
  for (std::int64_t number = 1; number <= cases; ++number) {
    if (loop.progress) request.ProgressStep(number);
    if (request.Cancelled()) return end(CaseLoopEnd::kCancelled);
    bool excluded = false;
    for (std::size_t i = 0; i < loop.variables.size() && !excluded; ++i) {
      const host::CaseRead read = host.ReadCase(loop.variables[i], number);
      if (read.status == host::CaseStatus::kExcluded) excluded = true;
      if (read.status == host::CaseStatus::kFailure) return end(CaseLoopEnd::kReadFailure);
      values[i] = read.value == missing_codes[i] || std::isnan(read.value)
                      ? std::nullopt
                      : std::optional<double>(read.value);
    }
    if (excluded) continue;
    CaseView view;
    view.number = number;
    view.repeats = weighted ? RepeatsOfWeight(host.CaseWeight(number), loop.weights) : 1;
    view.values = values;
    if (visit(view) == CaseAction::kStop) return end(CaseLoopEnd::kStopped);
  }
  return end(CaseLoopEnd::kCompleted);
}

}  // namespace kpa::shell
