// The data passes of capability analysis: one reading of the host's data file per variable,
// honouring the case-selection condition and the case weights, that accepts the
// observations (raw data) or the per-sample summaries (aggregated data), accumulates the
// moments and the samples on the fly and ends with the within-sample sigma. Also the
// collection of all codes of a grouping variable.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shell/request/case_loop.h"
#include "shell/request/request.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

using shell::CapabilityState;
using shell::GroupingMode;
using shell::SigmaMethod;

inline constexpr std::size_t kMaxValues = 5000;
inline constexpr std::size_t kMaxSamples = 5000;
inline constexpr std::size_t kMaxCodes = 5000;
inline constexpr double kMaxCodeMagnitude = 99999999.0;
inline constexpr std::int64_t kMinimumN = 7;

// Never renumbered: 1 to 6 are the failure codes the messages are chosen by.
enum class PassStatus : std::int16_t {
  kOk = 0,
  kFewValues = 1,       // raw: fewer than 7 values
  kZeroDispersion = 2,  // raw: all values equal
  kMissingCodes = 4,    // raw: a selected code has no data
  kMeanSizeOne = 5,     // no sample with n >= 2 (aggregated: its failure 1)
  kSampleOver25 = 6,    // ranges and a sample over 25
  kCancelled = 7,       // the user cancelled the reading; nothing was computed
  kReadFailure = 8,     // the host could not read a case; nothing was computed
};

// Warning bits.
inline constexpr std::uint8_t kWarnTooManyValues = 1;   // bit 0
inline constexpr std::uint8_t kWarnTooManySamples = 2;  // bit 1

struct PassResult {
  PassStatus status = PassStatus::kOk;
  std::uint8_t warnings = 0;
  bool small_sample = false;  // a sample with n < 2 (not reported with moving ranges)
};

struct RawPassSetup {
  int variable = 0;
  GroupingMode grouping = GroupingMode::kNone;
  std::int64_t constant_size = 1;  // grouping by constant sample size, 1..99999
  int grouping_variable = 0;
  std::span<const double> codes;  // grouping variable: the selected codes, in sample order
  SigmaMethod method = SigmaMethod::kRanges;
};

// Fills `state` (replacing what it held). Reads every case from the first to the last.
[[nodiscard]] PassResult ReadRawCapabilityData(shell::Request& request, const RawPassSetup& setup,
                                               CapabilityState& state);

struct AggregatedPassSetup {
  int mean_variable = 0;
  int dispersion_variable = 0;
  int size_variable = 0;
  SigmaMethod method = SigmaMethod::kRanges;
};

[[nodiscard]] PassResult ReadAggregatedCapabilityData(shell::Request& request,
                                                      const AggregatedPassSetup& setup,
                                                      CapabilityState& state);

// The distinct codes of a grouping variable over all cases (missing values skipped), each
// the nearest integer, in file order or sorted ascending; at most 5000.
struct CollectedCodes {
  std::vector<double> codes;
  bool truncated = false;  // more than 5000 distinct codes were met
  // How the pass ended: the codes are all of them only when it completed or stopped at the
  // limit; a cancel or a read failure leaves them incomplete.
  shell::CaseLoopEnd end = shell::CaseLoopEnd::kCompleted;
};
CollectedCodes CollectAllCodes(shell::Request& request, int variable, bool keep_file_order);

}  // namespace kpa::capability
