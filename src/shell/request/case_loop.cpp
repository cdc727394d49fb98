#include "shell/request/case_loop.h"

#include <algorithm>
#include <cmath>

namespace kpa::shell {
namespace {

// Cases read from the host in one call per variable.
constexpr std::size_t kCaseBlock = 256;

}  // namespace

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

CaseBlocks::CaseBlocks(Request& request, const CaseLoop& loop)
    : request_(request),
      loop_(loop),
      host_(request.host_),
      reads_(loop.variables.size() * kCaseBlock),
      values_(loop.variables.size()),
      weighted_(loop.weights != WeightRule::kIgnored && host_.WeightingOn()),
      cases_(host_.CaseCount()) {
  for (const int variable : loop.variables) missing_codes_.push_back(host_.MissingCode(variable));
  if (loop.progress) request.ProgressStart(cases_ + loop.extra_progress, loop.progress_caption);
}

CaseBlocks::~CaseBlocks() { request_.ProgressStop(); }

bool CaseBlocks::ReadNext() {
  first_ += static_cast<std::int64_t>(count_);
  if (first_ > cases_) return false;
  count_ = static_cast<std::size_t>(
      std::min(static_cast<std::int64_t>(kCaseBlock), cases_ - first_ + 1));
  for (std::size_t i = 0; i < loop_.variables.size(); ++i)
    host_.ReadCases(loop_.variables[i], first_, std::span(reads_).subspan(i * kCaseBlock, count_));
  return true;
}

host::CaseStatus CaseBlocks::Take(std::size_t k, CaseView& view) {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    const host::CaseRead& read = reads_[i * kCaseBlock + k];
    if (read.status != host::CaseStatus::kRead) return read.status;
    values_[i] = read.value == missing_codes_[i] || std::isnan(read.value)
                     ? std::nullopt
                     : std::optional<double>(read.value);
  }
  view.number = first_ + static_cast<std::int64_t>(k);
  view.repeats = weighted_ ? RepeatsOfWeight(host_.CaseWeight(view.number), loop_.weights) : 1;
  view.values = values_;
  return host::CaseStatus::kRead;
}

}  // namespace kpa::shell
