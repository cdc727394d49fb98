// The requests of the Weibull procedure: reading the failure data, the estimations (the
// initial fit at OK, then each estimation choice of the results dialogs), and every output
// of the results dialogs (one dispatcher receives the request code). This is the only place
// where a status becomes a message.
#pragma once

#include <cstdint>

#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// Codes of the results dialogs; never renumbered.
enum class WeibullRequest : std::int16_t {
  kSummary = 0,
  kReliabilityPlot = 1,
  kDistributionPlot = 2,
  kProbabilityPlot = 3,
  kReliabilityTable = 4,
  kPercentiles = 5,
  kKaplanMeier = 6,
  kDescriptive = 7,
  kHazardTable = 8,
  kCumulativeHazardPlot = 9,
  kLogCumulativeHazardPlot = 10,
  kQuantilePlot = 11,
  kLocationProfile = 12,
  kHistogram = 13,
  kGoodnessOfFit = 14,
  kLifeTable = 15,
  // The probability paper dialog.
  kProbabilityPaper = 20,
};

struct WeibullContext {
  shell::Request& request;
  shell::WeibullSettings& settings;
};

[[nodiscard]] shell::RequestStatus RunWeibullRequest(WeibullRequest code, WeibullContext& context);

// Reads the data the specification dialog names (raw or grouped), with its messages, and
// sets the plot range to the times read; true on success.
bool ReadFailureData(shell::Request& request, shell::WeibullSettings& settings);

// The fit run when the specification dialog is confirmed: two-parameter maximum likelihood
// at location 0, or the grouped fit. true when it succeeded; otherwise the fit is reset.
bool InitialWeibullFit(shell::Request& request, shell::WeibullSettings& settings);

// A new estimation by the method asked for, with its messages: the fit is replaced on
// success; on failure the parameters stand and the standard errors are missing.
bool EstimateWeibull(shell::Request& request, shell::WeibullSettings& settings,
                     shell::WeibullMethod method);

}  // namespace kpa::reliability
