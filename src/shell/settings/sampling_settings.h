// Settings of the acceptance-sampling procedure kept in the module-wide settings block.
#pragma once

#include <cstdint>

namespace kpa::shell {

// Distribution of the sampled characteristic; the numbers are the automation values.
enum class SamplingDistribution : std::int16_t {
  kNormalMeans = 0,
  kBinomialProportions = 1,
  kPoissonFrequencies = 2,
};

struct SamplingSettings {
  SamplingDistribution distribution = SamplingDistribution::kNormalMeans;
};

}  // namespace kpa::shell
