// The requests of capability analysis. A results dialog validates its fields, stores them
// in the variable's run record, then issues a numbered request for the current variable;
// the dispatcher calls the function of that number's row in the procedure's constant
// request table. Requests without a row answer kNotAvailable; a later computation
// (non-normal fits, tolerance limits, frequency tables, plots) adds its rows to the table.
// This is the only place where a computation's status becomes a message.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "capability/data/data_pass.h"
#include "capability/outputs/tables.h"
#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/settings/capability_settings.h"

namespace kpa::capability {

// Request codes; never renumbered: the results dialogs and later computations use them.
enum class CapabilityRequest : std::int16_t {
  kInitialise = 0,  // read the data if needed; moments, sigma, field defaults
  kDescriptiveStatistics = 1,
  kFrequencyAndNormality = 2,
  kSummary = 3,  // capability (and performance) indices of the current variable
  kBeyondSpecifications = 4,
  kToleranceLimits = 5,
  kSummaryHistogram = 6,
  kNormalProbabilityPlot = 7,  // the fitted distributions' dialogs: normal quantiles
  kFrequencyNonNormal = 21,
  kNonNormalIndices = 31,
  kNonNormalHistogram = 62,
  kQuantileQuantilePlot = 71,  // normal, or the fitted distribution in its dialogs
  kProbabilityProbabilityPlot = 72,
  kNonNormalQuantilePlot = 73,
  kNonNormalProbabilityPlot = 74,
  kHistogramIndices = 301,  // normal indices kept for the histogram, no output
  kNonNormalHistogramIndices = 311,
};

using shell::RequestStatus;

// Where the index requests put their results.
enum class OutputMode { kEmit, kCollect, kKeep };

struct RequestContext {
  shell::Request& request;
  shell::CapabilitySettings& settings;
  shell::CapabilityVariableRun& run;
  OutputMode mode = OutputMode::kEmit;
  SummaryRow* collected = nullptr;  // kCollect: the row to fill
  bool distribution_free = false;   // request 5: distribution-free limits
};

// Whether the table has a row for `code`.
bool IsCapabilityRequestServed(CapabilityRequest code);

[[nodiscard]] RequestStatus RunCapabilityRequest(CapabilityRequest code, RequestContext& context);

// The data pass of one run record (raw or aggregated per the settings), with its failures
// and warnings shown. True when the run can be used.
[[nodiscard]] PassStatus ReadRunData(shell::Request& request, shell::CapabilitySettings& settings,
                                     shell::CapabilityVariableRun& run);

// The message of a failed pass; 0 for none (kOk; a cancel is reported by the request).
int PassFailureMessage(PassStatus status, bool aggregated);

// The variable whose specification applies to a run (the means variable for aggregated data).
int SpecificationVariable(const shell::CapabilitySettings& settings,
                          const shell::CapabilityVariableRun& run);

// The specification record of a run's variable; an undefined one when it has none.
shell::ProcessSpecRecord SpecificationOf(const shell::CapabilitySettings& settings,
                                         const shell::CapabilityVariableRun& run);

// Sets a default specification (nominal = grand mean, delta = within-sample sigma) while
// none was ever defined; used by aggregated data.
void ApplyDefaultSpecification(shell::CapabilitySettings& settings,
                               const shell::CapabilityVariableRun& run);

// Summary of all variables: initialises each variable not yet initialised, collects its
// indices and emits one table. The current run is kept.
[[nodiscard]] RequestStatus SummarizeAllVariables(shell::Request& request,
                                                  shell::CapabilitySettings& settings);

// Shows the message and ends the request as failed.
[[nodiscard]] RequestStatus Refuse(shell::Request& request, int message);

// Clamps a value the module writes back into a results field into the field's accepted
// range, so that the validation chain never refuses what the module wrote itself.
double ClampIntoField(double value, double lowest, double highest);

}  // namespace kpa::capability
