// The percentile requests of capability analysis: the indices of the general non-normal fit
// (normal, Johnson and Pearson columns, request 31), those of a named distribution (normal
// and fitted columns, request 3 in its results dialogs) and the summaries of all variables.
#pragma once

#include "capability/outputs/distribution_names.h"
#include "capability/requests.h"

namespace kpa::capability {

// The Johnson curve of request 0 for a raw-data variable with spread.
void FitGeneralNonNormal(shell::CapabilityState& state);

[[nodiscard]] RequestStatus GeneralNonNormalIndices(RequestContext& context);
[[nodiscard]] RequestStatus NamedDistributionIndices(RequestContext& context);

// Request 311: the normal and the Johnson percentile indices kept for the next histogram,
// without output.
[[nodiscard]] RequestStatus KeepNonNormalIndices(RequestContext& context);

// The percentile indices of the run's fitted distribution, for its histogram; none without
// a fit, a specification or computable percentiles.
[[nodiscard]] std::optional<shell::HistogramIndexSet> KeptFittedIndices(
    const RequestContext& context);

// The lower and upper percentile equivalents of mu -/+ k/2 sigma under the Johnson curve
// (johnson) or the fitted distribution in use; none where a percentile has no value.
struct PercentileEquivalents {
  double lower = 0.0;
  double upper = 0.0;
};
[[nodiscard]] std::optional<PercentileEquivalents> PercentileEquivalentsOf(
    const shell::CapabilityVariableRun& run, bool johnson, double k);

// One table of the Johnson (or the fitted) column of every variable.
[[nodiscard]] RequestStatus SummarizeJohnsonIndices(shell::Request& request,
                                                    shell::CapabilitySettings& settings);
[[nodiscard]] RequestStatus SummarizeFittedIndices(shell::Request& request,
                                                   shell::CapabilitySettings& settings);

// The fitted law in use: the estimates with the user's parameters where their switches are
// on.
[[nodiscard]] std::optional<shell::NamedFit> FitInUse(const shell::CapabilityVariableRun& run);

// The comparison table of every distribution (with the setup's thresholds) and the general
// non-normal curve, with Kolmogorov-Smirnov tests, for one read run.
[[nodiscard]] RequestStatus FitAllDistributions(shell::Request& request,
                                                const shell::CapabilitySettings& settings,
                                                shell::CapabilityVariableRun& run);

// Request 5: normal or (context.distribution_free) distribution-free tolerance limits; the
// free limits write the computed proportion or confidence back into the fields, clamped into
// their accepted range.
[[nodiscard]] RequestStatus ToleranceLimits(RequestContext& context);

// Fits the distribution the setup chose to a run's observations, with its messages (a fit
// stopped at the iteration limit is kept when the user accepts it). False when no fit stands.
[[nodiscard]] bool FitChosenDistribution(shell::Request& request,
                                         const shell::CapabilitySettings& settings,
                                         shell::CapabilityVariableRun& run);

// The fixed threshold of a distribution in the setup (0 for the normal and extreme value).
double ThresholdOf(const shell::CapabilitySettings& settings, shell::CapabilityDistribution code);

// Replaces the expected numbers beyond the limits by those of the fitted law:
// N (1 - F(U)) and N F(L).
void ExpectUnderFit(const shell::NamedFit& fit, const SpecLimits& limits, BeyondCounts& counts);

}  // namespace kpa::capability
