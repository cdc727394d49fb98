// Timing of capability request 0 (the data pass with moments and sigma) and of the summary
// request, at the 5000-value and 5000-sample limits.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "../tests/support/fake_host.h"
#include "capability/requests.h"
#include "shell/process.h"

namespace {

namespace cap = kpa::capability;
namespace sh = kpa::shell;

kpa::testing::FakeHost MakeHost(std::size_t values) {
  kpa::testing::FakeHost host;
  kpa::testing::FakeVariable x;
  x.name = "x";
  kpa::testing::FakeVariable mean;
  mean.name = "mean";
  kpa::testing::FakeVariable range;
  range.name = "range";
  kpa::testing::FakeVariable n;
  n.name = "n";
  for (std::size_t i = 0; i < values; ++i) {
    const double u = std::sin(static_cast<double>(i) * 12.9898) * 43758.5453;
    x.values.push_back(74.0 + 0.01 * (u - std::floor(u) - 0.5));
    mean.values.push_back(x.values.back());
    range.values.push_back(0.02 + 0.01 * (u - std::floor(u)));
    n.values.push_back(5);
  }
  host.variables = {x, mean, range, n};
  return host;
}

sh::CapabilitySettings Settings(sh::GroupingMode grouping, bool aggregated) {
  sh::CapabilitySettings settings;
  settings.input_mode =
      aggregated ? sh::CapabilityInputMode::kAggregatedData : sh::CapabilityInputMode::kRawData;
  settings.grouping = grouping;
  settings.constant_sample_size = 1;
  settings.aggregated_variables = {2, 3, 4};
  sh::ProcessSpecRecord record;
  record.type = sh::ProcessType::kNominalDelta;
  record.nominal = 74.0;
  record.delta = 0.05;
  record.lower = 73.95;
  record.upper = 74.05;
  settings.specifications[1] = record;
  settings.specifications[2] = record;
  settings.specification_undefined = false;
  return settings;
}

void RunRequest0(benchmark::State& state, sh::GroupingMode grouping, bool aggregated) {
  kpa::testing::FakeHost host = MakeHost(5000);
  sh::CapabilitySettings settings = Settings(grouping, aggregated);
  for (auto _ : state) {
    sh::CapabilityVariableRun run;
    run.variable = 1;
    sh::Request request(host);
    cap::RequestContext context{request, settings, run};
    benchmark::DoNotOptimize(
        cap::RunCapabilityRequest(cap::CapabilityRequest::kInitialise, context));
  }
}

void BM_Request0_5000Values(benchmark::State& state) {
  RunRequest0(state, sh::GroupingMode::kNone, false);
}
BENCHMARK(BM_Request0_5000Values)->Unit(benchmark::kMicrosecond);

void BM_Request0_5000Samples(benchmark::State& state) {
  RunRequest0(state, sh::GroupingMode::kConstantSampleSize, false);
}
BENCHMARK(BM_Request0_5000Samples)->Unit(benchmark::kMicrosecond);

void BM_Request0_5000AggregatedSamples(benchmark::State& state) {
  RunRequest0(state, sh::GroupingMode::kNone, true);
}
BENCHMARK(BM_Request0_5000AggregatedSamples)->Unit(benchmark::kMicrosecond);

void RunSummary(benchmark::State& state, sh::GroupingMode grouping) {
  kpa::testing::FakeHost host = MakeHost(5000);
  auto process = sh::NewAnalysis(host, sh::ShellDialogs());
  sh::CEnterAnalysisContext enter(*process);
  sh::CapabilitySettings settings = Settings(grouping, false);
  sh::CapabilityVariableRun run;
  run.variable = 1;
  sh::Request request(host);
  cap::RequestContext context{request, settings, run};
  if (cap::RunCapabilityRequest(cap::CapabilityRequest::kInitialise, context) !=
      cap::RequestStatus::kDone)
    state.SkipWithError("request 0 failed");
  for (auto _ : state) {
    benchmark::DoNotOptimize(cap::RunCapabilityRequest(cap::CapabilityRequest::kSummary, context));
    host.tables.clear();
  }
}

void BM_Summary_5000Values(benchmark::State& state) { RunSummary(state, sh::GroupingMode::kNone); }
BENCHMARK(BM_Summary_5000Values)->Unit(benchmark::kMicrosecond);

void BM_Summary_5000Samples(benchmark::State& state) {
  RunSummary(state, sh::GroupingMode::kConstantSampleSize);
}
BENCHMARK(BM_Summary_5000Samples)->Unit(benchmark::kMicrosecond);

}  // namespace
