// The one loop over the cases of the data file that every procedure's data pass runs:
// cases in file order, those the selection condition excludes skipped, each case's values
// of the named variables read with missing values (the variable's missing code, or not a
// number) as empty, the case's weight turned into a repeat count, the progress display
// stepped and the cancel test asked once per case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
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

enum class CaseLoopEnd {
  kCompleted,    // every case visited
  kStopped,      // the visitor asked to stop
  kCancelled,    // the user stopped the work: the request reports it
  kReadFailure,  // the host could not read a case
};

// Visits the cases; the progress display runs while it does.
CaseLoopEnd ForEachCase(Request& request, const CaseLoop& loop, const CaseVisitor& visit);

// The repeat count of a weight under a rule (weighting on).
std::int64_t RepeatsOfWeight(double weight, WeightRule rule);

}  // namespace kpa::shell
