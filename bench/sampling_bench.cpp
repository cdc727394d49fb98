// Benchmarks of the sampling plans: the search for the sample size (normal means, the
// default plan and a large binomial one) and the OC curve family of a plan.
#include <benchmark/benchmark.h>

#include "host/api/host.h"
#include "sampling/model/fixed_plan.h"
#include "sampling/model/oc_curves.h"

namespace {

using kpa::sampling::PlanInputs;

void BM_SampleSizeFromBetaDefaults(benchmark::State& state) {
  const PlanInputs inputs;
  for (auto _ : state) benchmark::DoNotOptimize(kpa::sampling::SampleSizeFromBeta(inputs));
}
BENCHMARK(BM_SampleSizeFromBetaDefaults);

void BM_SampleSizeFromBetaBinomialLarge(benchmark::State& state) {
  PlanInputs inputs;
  inputs.distribution = kpa::shell::SamplingDistribution::kBinomialProportions;
  inputs.h0 = 0.10;
  inputs.h1 = 0.12;  // about 2000 units
  for (auto _ : state) benchmark::DoNotOptimize(kpa::sampling::SampleSizeFromBeta(inputs));
}
BENCHMARK(BM_SampleSizeFromBetaBinomialLarge);

kpa::host::AxisScale Scale(double minimum, double maximum, int intervals) {
  return {minimum, maximum, (maximum - minimum) / intervals};
}

void BM_OcCurveFamily(benchmark::State& state) {
  const PlanInputs inputs;
  for (auto _ : state)
    benchmark::DoNotOptimize(kpa::sampling::ComputeOcCurves(inputs, 10.5074, Scale));
}
BENCHMARK(BM_OcCurveFamily);

}  // namespace
