// The result spreadsheets of normal-theory capability analysis: capability and performance
// tables, numbers beyond the specifications, descriptive statistics and the summary of all
// variables. Each builder fills a ResultTable and hands it to the host.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capability/model/indices.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

// Which pass an index table reports.
enum class IndexPass { kCapability, kPerformance };

// One row of the all-variables summary.
struct SummaryRow {
  int variable = 0;
  SpecLimits limits;
  SigmaLimitValues sigma_limits;
  NormalIndices capability;
  std::optional<NormalIndices> performance;
};

// Writes `value` with `decimals` fixed decimals, '.' always.
std::string FixedText(double value, int decimals);

// "  -3.00*Sigma=   73.9703" for each side the specification has.
std::string SigmaLimitsTitle(const SigmaLimitValues& values, const host::Host& host);

// Returns false when the host did not take the table (or it could not be allocated).
bool EmitIndexTable(const shell::CapabilityVariableRun& run, const SpecLimits& limits,
                    const shell::ProcessSpecRecord& record, IndexPass pass,
                    const NormalIndices& indices, const SigmaLimitValues& sigma_limits);
bool EmitBeyondSpecificationsTable(const shell::CapabilityVariableRun& run,
                                   const SpecLimits& limits, const BeyondCounts& counts);
bool EmitDescriptiveTable(const shell::CapabilityVariableRun& run);
bool EmitSummaryOfAllVariables(const std::vector<SummaryRow>& rows, bool with_performance);

// The text the results dialog shows after request 0; `grouping` names how grouped data
// form their samples (see GroupingText).
std::string ResultsSummaryText(const shell::CapabilityVariableRun& run, const std::string& grouping,
                               const host::Host& host);

// How the samples of a run are formed: "n constant" for a constant sample size, the name of
// the grouping variable, for aggregated data the name of the sample-size variable, and
// "aucun" for data that are not grouped.
std::string GroupingText(const shell::CapabilitySettings& settings, const host::Host& host);

}  // namespace kpa::capability
