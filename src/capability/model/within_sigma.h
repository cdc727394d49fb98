// The within-sample standard deviation from the samples of a capability analysis: mean of
// ranges each divided by the d2 of its own sample size, mean of standard deviations each
// divided by c4 of its size, or the pooled variance; moving ranges when every sample holds
// a single value.
#pragma once

#include <cstdint>
#include <span>

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

using shell::CapabilitySample;
using shell::SigmaMethod;

// Never renumbered: the numbers are the failure codes of the data passes.
enum class SigmaStatus : std::int16_t {
  kOk = 0,
  kEmptySample = 4,   // a sample received no value
  kMeanSizeOne = 5,   // no sample with 2 values or more
  kSampleOver25 = 6,  // ranges with a sample larger than the d2 table
};

struct WithinSigma {
  SigmaStatus status = SigmaStatus::kOk;
  double sigma = 0.0;
  double dispersion_mean = 0.0;  // R-bar, S-bar or the mean variance
  double mean_size_all = 0.0;    // mean n over all samples
  double mean_size = 0.0;        // mean n over samples with n >= 2 (2 for moving ranges)
  std::int64_t k2 = 0;           // samples with n >= 2
  std::int64_t sum_n2 = 0;       // sum of their sizes (nearest integers)
  bool sizes_vary = false;
  bool moving_ranges = false;
  bool small_sample = false;  // some sample has n < 2
};

// Raw data: each sample carries count, mean, sum of squared deviations, maximum and minimum.
// Aggregated data (`given_dispersions`): each carries count, mean and its dispersion (range,
// standard deviation or variance per `method`); moving ranges are not used.
[[nodiscard]] WithinSigma EstimateWithinSigma(std::span<const CapabilitySample> samples,
                                              SigmaMethod method, bool given_dispersions);

}  // namespace kpa::capability
