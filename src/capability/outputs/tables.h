// The result spreadsheets of normal-theory capability analysis: capability and performance
// tables, numbers beyond the specifications, descriptive statistics and the summary of all
// variables. Each builder fills a ResultTable; the requests show it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capability/model/indices.h"
#include "shell/request/request.h"
#include "shell/results/result_table.h"
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

// The string naming how the within-sample sigma of a grouped run was estimated.
int EstimateString(const shell::CapabilityVariableRun& run);

// Writes `value` with `decimals` fixed decimals, '.' always.
std::string FixedText(double value, int decimals);

// "  -3.00*Sigma=   73.9703" for each side the specification has.
std::string SigmaLimitsTitle(const SigmaLimitValues& values, const shell::Request& request);

// Each fills `table`; false when it could not be allocated.
bool BuildIndexTable(const shell::Request& request, const shell::CapabilityVariableRun& run,
                     const SpecLimits& limits, const shell::ProcessSpecRecord& record,
                     IndexPass pass, const NormalIndices& indices,
                     const SigmaLimitValues& sigma_limits, shell::ResultTable& table);
// `fit`, when given, is the named distribution whose expected numbers the table shows
// (`distribution` its name).
bool BuildBeyondSpecificationsTable(const shell::Request& request,
                                    const shell::CapabilityVariableRun& run,
                                    const SpecLimits& limits, const BeyondCounts& counts,
                                    shell::ResultTable& table, const shell::NamedFit* fit = nullptr,
                                    int distribution = 0);
bool BuildDescriptiveTable(const shell::Request& request, const shell::CapabilityVariableRun& run,
                           shell::ResultTable& table);
bool BuildSummaryOfAllVariables(const shell::Request& request, const std::vector<SummaryRow>& rows,
                                bool with_performance, shell::ResultTable& table);

// The text the results dialog shows after request 0; `grouping` names how grouped data
// form their samples (see GroupingText).
std::string ResultsSummaryText(const shell::CapabilityVariableRun& run, const std::string& grouping,
                               const shell::Request& request);

// How the samples of a run are formed: "n constant" for a constant sample size, the name of
// the grouping variable, for aggregated data the name of the sample-size variable, and
// "aucun" for data that are not grouped.
std::string GroupingText(const shell::CapabilitySettings& settings, const shell::Request& request);

}  // namespace kpa::capability
