// Settings of the acceptance-sampling procedure kept in the module-wide settings block: the
// plan's specification, the fixed plan computed from it, the custom sample size, and the
// sequential plan's number of samples, data variable and binomial codes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kpa::shell {

// Distribution of the sampled characteristic; the numbers are the automation values, one
// less than the codes the summary table shows (1 normal means, 2 binomial, 3 Poisson).
enum class SamplingDistribution : std::int16_t {
  kNormalMeans = 0,
  kBinomialProportions = 1,
  kPoissonFrequencies = 2,
};

// Test criterion; automation values, one less than the displayed codes.
enum class SamplingCriterion : std::int16_t {
  kTwoTailed = 0,
  kOneSidedRight = 1,  // H1 above H0
  kOneSidedLeft = 2,   // H1 below H0
};

// Which sample size the plan uses.
enum class SampleSizeMode : std::int16_t { kComputed = 1, kCustom = 2 };

// The last sequential request: none yet, the plot, or the summary table.
enum class SequentialOutput : std::int16_t { kNone = 0, kPlot = 1, kSummary = 2 };

inline constexpr int kSamplingDistributions = 3;

struct SamplingSettings {
  SamplingDistribution distribution = SamplingDistribution::kNormalMeans;
  SamplingCriterion criterion = SamplingCriterion::kTwoTailed;
  double alpha = 0.05;
  double beta = 0.1;
  // One value per distribution, indexed by the automation value.
  std::array<double, kSamplingDistributions> h0 = {0.0, 0.1, 10.0};
  std::array<double, kSamplingDistributions> h1 = {1.0, 0.2, 15.0};
  std::array<double, kSamplingDistributions> sigma = {1.0, 0.5, 1.0};

  SampleSizeMode mode = SampleSizeMode::kComputed;
  double computed_n = 0.0;     // fractional sample size found from beta
  double custom_n = 0.0;       // 0: none yet
  double achieved_beta = 0.1;  // beta of the plan with the custom N
  double computed_lower = 0.0;
  double computed_upper = 0.0;
  double custom_lower = 0.0;
  double custom_upper = 0.0;

  int number_of_samples = 20;  // M, 5 to 400
  SequentialOutput sequential_output = SequentialOutput::kNone;
  int data_variable = 0;  // 0: no variable with observed data
  std::int32_t accept_code = 0;
  std::int32_t reject_code = 1;

  std::size_t Index() const { return static_cast<std::size_t>(distribution); }
  double H0() const { return h0[Index()]; }
  double H1() const { return h1[Index()]; }
  double Sigma() const { return sigma[Index()]; }
};

}  // namespace kpa::shell
