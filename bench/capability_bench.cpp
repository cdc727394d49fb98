// Timing of capability request 0 (the data pass with moments and sigma), of the summary
// request, of a whole grouped analysis (data pass, descriptive statistics, indices) and of
// the frequency tables, histograms and probability plots at the 5000-value and 5000-sample
// limits. Every iteration analyses fresh values, so that
// neither the branch predictor nor the caches learn one data set.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "../tests/support/fake_host.h"
#include "capability/model/johnson_curves.h"
#include "capability/model/moments.h"
#include "capability/model/named_distributions.h"
#include "capability/nonnormal_requests.h"
#include "capability/requests.h"
#include "shell/process.h"

namespace {

// A long session keeps its heap: without this, glibc maps the larger arrays of each iteration
// afresh and hands them back, and every iteration pays the page faults that a run pays once.
const int kKeepHeap = mallopt(M_MMAP_THRESHOLD, 64 << 20) + mallopt(M_TRIM_THRESHOLD, 256 << 20);

namespace cap = kpa::capability;
namespace sh = kpa::shell;

// Values around 74 with a spread of 0.01 from a congruential sequence that `seed` starts.
void FillValues(kpa::testing::FakeHost& host, std::uint32_t seed) {
  std::uint32_t state = seed;
  for (std::size_t i = 0; i < host.variables[0].values.size(); ++i) {
    state = state * 1664525u + 1013904223u;
    const double u = static_cast<double>(state >> 8) / 16777216.0;
    host.variables[0].values[i] = 74.0 + 0.01 * (u - 0.5);
    host.variables[1].values[i] = host.variables[0].values[i];
    host.variables[2].values[i] = 0.02 + 0.01 * u;
  }
}

kpa::testing::FakeHost MakeHost(std::size_t values) {
  kpa::testing::FakeHost host;
  for (const char* name : {"x", "mean", "range", "n"}) {
    kpa::testing::FakeVariable variable;
    variable.name = name;
    variable.values.assign(values, 5.0);
    host.variables.push_back(variable);
  }
  FillValues(host, 1);
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
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    FillValues(host, ++seed);
    state.ResumeTiming();
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

// An analysis open on 5000 values, in its module context, as the dialogs would hold it.
struct OpenAnalysis {
  explicit OpenAnalysis(sh::GroupingMode grouping) : settings(Settings(grouping, false)) {}
  // Fresh values and no earlier outputs, outside the timing.
  void Refill(benchmark::State& state) {
    state.PauseTiming();
    FillValues(host, ++seed);
    host.tables.clear();
    host.charts.clear();
    state.ResumeTiming();
  }
  kpa::testing::FakeHost host = MakeHost(5000);
  std::unique_ptr<sh::CProcess> process = sh::NewAnalysis(host, sh::ShellDialogs());
  sh::CEnterAnalysisContext enter{*process};
  sh::CapabilitySettings settings;
  std::uint32_t seed = 1;
};

// Runs the requests in order for a fresh run record of variable 1; false when one fails.
bool RunRequests(sh::Request& request, sh::CapabilitySettings& settings,
                 sh::CapabilityVariableRun& run,
                 std::initializer_list<cap::CapabilityRequest> codes) {
  run.variable = 1;
  cap::RequestContext context{request, settings, run};
  for (const auto code : codes)
    if (cap::RunCapabilityRequest(code, context) != cap::RequestStatus::kDone) return false;
  return true;
}

void RunSummary(benchmark::State& state, sh::GroupingMode grouping) {
  OpenAnalysis analysis(grouping);
  sh::CapabilityVariableRun run;
  sh::Request request(analysis.host);
  if (!RunRequests(request, analysis.settings, run, {cap::CapabilityRequest::kInitialise}))
    state.SkipWithError("request 0 failed");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        RunRequests(request, analysis.settings, run, {cap::CapabilityRequest::kSummary}));
    analysis.host.tables.clear();
  }
}

// What a user asks first of grouped data: the data pass, the descriptive statistics (median
// and quartiles) and the capability and performance indices.
void BM_FullGroupedAnalysis_5000Values(benchmark::State& state) {
  OpenAnalysis analysis(sh::GroupingMode::kConstantSampleSize);
  analysis.settings.constant_sample_size = 5;
  for (auto _ : state) {
    analysis.Refill(state);
    sh::CapabilityVariableRun run;
    sh::Request request(analysis.host);
    if (!RunRequests(
            request, analysis.settings, run,
            {cap::CapabilityRequest::kInitialise, cap::CapabilityRequest::kDescriptiveStatistics,
             cap::CapabilityRequest::kSummary}))
      state.SkipWithError("a request failed");
  }
}
BENCHMARK(BM_FullGroupedAnalysis_5000Values)->Unit(benchmark::kMicrosecond);

// The requests that look at the shape of 5000 fresh values each iteration (request 0 runs
// outside the timing): the frequency tables with their tests, the summary histograms and the
// Q-Q and P-P plots.
void RunShapeRequest(benchmark::State& state, cap::CapabilityRequest code) {
  OpenAnalysis analysis(sh::GroupingMode::kNone);
  for (auto _ : state) {
    analysis.Refill(state);
    sh::CapabilityVariableRun run;
    sh::Request request(analysis.host);
    state.PauseTiming();
    if (!RunRequests(request, analysis.settings, run, {cap::CapabilityRequest::kInitialise}))
      state.SkipWithError("request 0 failed");
    state.ResumeTiming();
    if (!RunRequests(request, analysis.settings, run, {code}))
      state.SkipWithError("the request failed");
  }
}
BENCHMARK_CAPTURE(RunShapeRequest, FrequencyNormal_5000,
                  cap::CapabilityRequest::kFrequencyAndNormality)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, FrequencyJohnson_5000,
                  cap::CapabilityRequest::kFrequencyNonNormal)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, Histogram_5000, cap::CapabilityRequest::kSummaryHistogram)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, HistogramJohnson_5000,
                  cap::CapabilityRequest::kNonNormalHistogram)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, QuantilePlot_5000, cap::CapabilityRequest::kQuantileQuantilePlot)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, ProbabilityPlot_5000,
                  cap::CapabilityRequest::kProbabilityProbabilityPlot)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunShapeRequest, QuantilePlotJohnson_5000,
                  cap::CapabilityRequest::kNonNormalQuantilePlot)
    ->Unit(benchmark::kMicrosecond);

void BM_Summary_5000Values(benchmark::State& state) { RunSummary(state, sh::GroupingMode::kNone); }
BENCHMARK(BM_Summary_5000Values)->Unit(benchmark::kMicrosecond);

void BM_Summary_5000Samples(benchmark::State& state) {
  RunSummary(state, sh::GroupingMode::kConstantSampleSize);
}
BENCHMARK(BM_Summary_5000Samples)->Unit(benchmark::kMicrosecond);

}  // namespace

// The non-normal fits of 5000 skewed values: the Johnson curve by moments (AS 99), each
// maximum-likelihood fit, and the comparison of every distribution.
namespace {

std::vector<double> SkewedValues() {
  std::uint32_t state = 99;
  std::vector<double> x(5000);
  for (double& v : x) {
    state = state * 1664525u + 1013904223u;
    const double u1 = (static_cast<double>(state >> 8) + 0.5) / 16777216.0;
    state = state * 1664525u + 1013904223u;
    const double u2 = (static_cast<double>(state >> 8) + 0.5) / 16777216.0;
    v = 10.0 - 2.0 * (std::log(u1) + std::log(u2));
  }
  return x;
}

void BM_JohnsonFit(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(kpa::capability::FitJohnsonByMoments(0.0, 1.0, 1.1, 4.6));
}
BENCHMARK(BM_JohnsonFit)->Unit(benchmark::kMicrosecond);

void BM_NamedFit_5000(benchmark::State& state, sh::CapabilityDistribution code) {
  const std::vector<double> x = SkewedValues();
  for (auto _ : state)
    benchmark::DoNotOptimize(kpa::capability::FitNamedDistribution(code, x, 9.0, 40.0, 200));
}
BENCHMARK_CAPTURE(BM_NamedFit_5000, Gamma, sh::CapabilityDistribution::kGamma)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NamedFit_5000, Weibull, sh::CapabilityDistribution::kWeibull)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NamedFit_5000, ExtremeValue, sh::CapabilityDistribution::kExtremeValue)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NamedFit_5000, Beta, sh::CapabilityDistribution::kBeta)
    ->Unit(benchmark::kMicrosecond);

void BM_FitAllDistributions_5000(benchmark::State& state) {
  kpa::testing::FakeHost host = MakeHost(5000);
  sh::CapabilitySettings settings;
  sh::CapabilityVariableRun run;
  run.state.observations = SkewedValues();
  kpa::capability::MomentAccumulator moments;
  for (const double v : run.state.observations) moments.Add(v);
  run.state.mean = moments.Mean();
  run.state.sd = std::sqrt(moments.M2() / 4999.0);
  run.state.skewness = 1.1;
  run.state.kurtosis = 1.6;
  settings.offsets.fill(9.0);
  settings.beta_scale = 40.0;
  for (auto _ : state) {
    sh::Request request(host);
    benchmark::DoNotOptimize(kpa::capability::FitAllDistributions(request, settings, run));
  }
}
BENCHMARK(BM_FitAllDistributions_5000)->Unit(benchmark::kMillisecond);

}  // namespace
