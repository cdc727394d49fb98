// Timing of the Weibull procedure on 5000 censored failure times (Weibull shape 1.5, scale
// 1000, about a third censored at uniform times): the two- and three-parameter fits, and each
// table and plot of the raw-data results dialog built and shown, the goodness-of-fit tests
// included.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "../tests/support/fake_host.h"
#include "reliability/model/three_parameter_fit.h"
#include "reliability/model/two_parameter_fit.h"
#include "reliability/outputs/paper_chart.h"
#include "reliability/requests.h"
#include "shell/process.h"

namespace {

namespace sh = kpa::shell;
namespace rel = kpa::reliability;

constexpr std::size_t kCases = 5000;

double Uniform(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return (static_cast<double>(state >> 8) + 0.5) / 16777216.0;
}

sh::FailureSample CensoredSample(std::uint32_t seed) {
  sh::FailureSample s;
  s.tmin = 1e30;
  s.tmax = -1e30;
  for (std::size_t i = 0; i < kCases; ++i) {
    const double failure = 50.0 + 1000.0 * std::pow(-std::log(Uniform(seed)), 1.0 / 1.5);
    const double censoring = 50.0 + 3000.0 * Uniform(seed);
    const bool censored = censoring < failure;
    s.time.push_back(censored ? censoring : failure);
    s.censored.push_back(censored ? 1.0 : 0.0);
    s.case_row.push_back(static_cast<std::int64_t>(i + 1));
    s.r += censored ? 0 : 1;
    s.tmin = std::min(s.tmin, s.time.back());
    s.tmax = std::max(s.tmax, s.time.back());
  }
  s.n = static_cast<std::int64_t>(kCases);
  s.censoring_times_equal = false;
  return s;
}

void BM_TwoParameterFit_5000(benchmark::State& state) {
  const sh::FailureSample s = CensoredSample(7);
  for (auto _ : state) benchmark::DoNotOptimize(rel::FitWeibull2(s.time, s.censored, 0.0, {}));
}

void BM_ThreeParameterFit_5000(benchmark::State& state) {
  const sh::FailureSample s = CensoredSample(7);
  for (auto _ : state)
    benchmark::DoNotOptimize(rel::FitWeibull3(s.time, s.censored, s.tmin, s.tmax, 50, 1e-5));
}

void RunRequest(benchmark::State& state, rel::WeibullRequest code) {
  kpa::testing::FakeHost host;
  auto process = sh::NewAnalysis(host, sh::ShellDialogs());
  sh::CEnterAnalysisContext enter(*process);
  sh::WeibullSettings settings;
  settings.sample = CensoredSample(7);
  settings.plot_minimum = settings.sample.tmin;
  settings.plot_maximum = settings.sample.tmax;
  settings.location_to = settings.sample.tmin;
  {
    sh::Request request(host);
    (void)rel::InitialWeibullFit(request, settings);
  }
  for (auto _ : state) {
    sh::Request request(host);
    rel::WeibullContext context{request, settings};
    benchmark::DoNotOptimize(rel::RunWeibullRequest(code, context));
  }
}

void BM_Summary(benchmark::State& s) { RunRequest(s, rel::WeibullRequest::kSummary); }
void BM_ReliabilityTable_5000(benchmark::State& s) {
  RunRequest(s, rel::WeibullRequest::kReliabilityTable);
}
void BM_HazardTable_5000(benchmark::State& s) { RunRequest(s, rel::WeibullRequest::kHazardTable); }
void BM_Percentiles(benchmark::State& s) { RunRequest(s, rel::WeibullRequest::kPercentiles); }
void BM_ProbabilityPlot_5000(benchmark::State& s) {
  RunRequest(s, rel::WeibullRequest::kProbabilityPlot);
}
void BM_KaplanMeier_5000(benchmark::State& s) { RunRequest(s, rel::WeibullRequest::kKaplanMeier); }
void BM_LocationProfile_5000(benchmark::State& s) {
  RunRequest(s, rel::WeibullRequest::kLocationProfile);
}

void BM_Histogram_5000(benchmark::State& s) { RunRequest(s, rel::WeibullRequest::kHistogram); }
void BM_GoodnessOfFit_5000(benchmark::State& s) {
  RunRequest(s, rel::WeibullRequest::kGoodnessOfFit);
}

// A paper of 1 000 time lines with 5000 censored times at their plotting positions.
void BM_PaperWithData_5000(benchmark::State& state) {
  kpa::testing::FakeHost host;
  const sh::FailureSample sample = CensoredSample(7);
  sh::PaperSettings paper;
  paper.maximum_time = 10000.0;
  paper.step_time = 10.0;
  for (auto _ : state) {
    sh::Request request(host);
    const rel::FailureOrders orders = rel::OrderFailures(sample, sh::RankMethod::kMedianRank);
    benchmark::DoNotOptimize(rel::PaperPlot(request, paper, {&orders, "t"}));
  }
}

BENCHMARK(BM_TwoParameterFit_5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThreeParameterFit_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Summary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReliabilityTable_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HazardTable_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Percentiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProbabilityPlot_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KaplanMeier_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocationProfile_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Histogram_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoodnessOfFit_5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaperWithData_5000)->Unit(benchmark::kMillisecond);

}  // namespace
