// The result spreadsheets of percentile capability: the table of one variable with a column
// per model (normal, fitted distribution or Johnson curve, Pearson curves) and the summary
// of all variables, which copies the second column of each variable's table.
#pragma once

#include <string>
#include <vector>

#include "capability/model/indices.h"
#include "capability/model/percentile_indices.h"
#include "shell/request/request.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

// One model's column: its two heading lines, the limits it shows (the natural limits of a fit
// with a threshold), its percentiles and indices.
struct PercentileColumn {
  std::string upper;
  std::string name;
  SpecLimits shown;
  PercentilePoints points;
  PercentileIndices indices;
};

// `distribution` names the model of the second column in the title.
bool ShowPercentileTable(shell::Request& request, const shell::CapabilityVariableRun& run,
                         const shell::ProcessSpecRecord& record, const std::string& distribution,
                         const SigmaLimitValues& sigma_limits, const PercentileLevels& levels,
                         const std::vector<PercentileColumn>& columns);

struct PercentileSummaryRow {
  int variable = 0;
  PercentileColumn column;
};
// `named` gives the title of a named distribution (with its name) rather than Johnson's.
bool ShowPercentileSummary(shell::Request& request, const std::vector<PercentileSummaryRow>& rows,
                           bool named, const std::string& distribution);

}  // namespace kpa::capability
