// The one loop over the cases of the data file that every procedure's data pass runs:
// cases in file order, those the selection condition excludes skipped, each case's values
// of the named variables read with missing values (the variable's missing code, or not a
// number) as empty, the case's weight turned into a repeat count, the progress display
// stepped and the cancel test asked once per case (the request passes on what the host
// needs to hear of). The host reads a block of cases per variable in one call, and the
// visitor is called directly, not through a function object, so the loop costs a few
// nanoseconds per case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "shell/request/request.h"

namespace kpa::shell {

// How a case weight w becomes a repeat count when weighting is on. Both take ceil(w) for
// the weights they repeat; every other case (a fraction, 0, a missing weight) counts once.
enum class WeightRule {
  kAboveOne,   // w > 1 repeats
  kTwoOrMore,  // w >= 2 repeats
  kIgnored,    // every case once, weighting on or not
};

// Repeat counts are bounded: no pass takes more values than this from one case.
inline constexpr std::int64_t kMaxCaseRepeats = 1'000'000'000;

struct CaseLoop {
  std::vector<int> variables;  // read for every case, in this order
  WeightRule weights = WeightRule::kAboveOne;
  bool progress = true;             // show the progress display
  std::string progress_caption;     // its caption
  std::int64_t extra_progress = 0;  // steps of the display's total beyond the cases
};

struct CaseView {
  std::int64_t number = 0;                        // case number, from 1
  std::int64_t repeats = 1;                       // how many times the case counts
  std::span<const std::optional<double>> values;  // one per variable; empty when missing
};

enum class CaseAction { kContinue, kStop };

// The repeat count of a weight under a rule (weighting on).
std::int64_t RepeatsOfWeight(double weight, WeightRule rule);

enum class CaseLoopEnd {
  kCompleted,    // every case visited
  kStopped,      // the visitor asked to stop
  kCancelled,    // the user stopped the work: the request reports it
  kReadFailure,  // the host could not read a case
};

// The cases of one loop as the host gives them, a block at a time: ForEachCase below walks
// them. Starting it starts the progress display; ending it stops the display.
class CaseBlocks {
 public:
  CaseBlocks(Request& request, const CaseLoop& loop);
  ~CaseBlocks();
  CaseBlocks(const CaseBlocks&) = delete;
  CaseBlocks& operator=(const CaseBlocks&) = delete;

  // Reads the next block of cases; false past the last case.
  bool ReadNext();
  std::int64_t First() const { return first_; }
  std::size_t Count() const { return count_; }
  // Case `k` of the block: kRead with its values and repeat count in `view`, kExcluded
  // when the selection leaves it out, kFailure when the host could not read it.
  host::CaseStatus Take(std::size_t k, CaseView& view);

 private:
  Request& request_;
  const CaseLoop& loop_;
  host::Host& host_;
  std::vector<double> missing_codes_;
  std::vector<host::CaseRead> reads_;  // per variable, one block of cases each
  std::vector<std::optional<double>> values_;
  bool weighted_ = false;
  std::int64_t cases_ = 0;
  std::int64_t first_ = 1;
  std::size_t count_ = 0;
};

// Visits the cases with `visit`, a callable taking a `const CaseView&` and returning a
// CaseAction; the progress display runs while it does.
template <class Visit>
CaseLoopEnd ForEachCase(Request& request, const CaseLoop& loop, Visit&& visit) {
  CaseBlocks blocks(request, loop);
  CaseView view;
  while (blocks.ReadNext()) {
    for (std::size_t k = 0; k < blocks.Count(); ++k) {
      if (loop.progress) request.ProgressStep(blocks.First() + static_cast<std::int64_t>(k));
      if (request.Cancelled()) return CaseLoopEnd::kCancelled;
      const host::CaseStatus status = blocks.Take(k, view);
      if (status == host::CaseStatus::kFailure) return CaseLoopEnd::kReadFailure;
      if (status == host::CaseStatus::kExcluded) continue;
      if (visit(std::as_const(view)) == CaseAction::kStop) return CaseLoopEnd::kStopped;
    }
  }
  return CaseLoopEnd::kCompleted;
}

}  // namespace kpa::shell
