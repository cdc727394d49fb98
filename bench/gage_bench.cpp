// Timing of the gage R&R requests at the largest design (1800 measurements: 3 operators, 30
// parts, 20 trials): the range method and the ANOVA tables built and shown, and the reading
// of a standard data file of 100 000 cases (a study of 10 operators, 100 parts, 100 trials).
// Every iteration analyses fresh values.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "../tests/support/fake_host.h"
#include "gage/requests.h"
#include "shell/process.h"

namespace {

namespace sh = kpa::shell;

double Uniform(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return static_cast<double>(state >> 8) / 16777216.0;
}

sh::GageSettings StudySettings(std::int64_t o, std::int64_t p, std::int64_t t, std::uint32_t seed) {
  sh::GageSettings settings;
  settings.source = sh::GageSource::kDataSheet;
  settings.counts = {o, p, t};
  settings.measurements.resize(static_cast<std::size_t>(o * p * t));
  for (double& x : settings.measurements) x = 10.0 + Uniform(seed);
  settings.mean = 10.5;
  settings.sd = 0.29;
  return settings;
}

void RunRequest(benchmark::State& state, kpa::gage::GageRequest code, sh::GageEstimation method) {
  kpa::testing::FakeHost host;
  auto process = sh::NewAnalysis(host, sh::ShellDialogs());
  sh::CEnterAnalysisContext enter(*process);
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    sh::GageSettings settings = StudySettings(3, 30, 20, ++seed);
    settings.estimation = method;
    state.ResumeTiming();
    sh::Request request(host);
    kpa::gage::GageContext context{request, settings, std::nullopt, {}};
    benchmark::DoNotOptimize(kpa::gage::RunGageRequest(code, context));
  }
}

void BM_RangeVariance_1800(benchmark::State& state) {
  RunRequest(state, kpa::gage::GageRequest::kVarianceEstimation,
             sh::GageEstimation::kStandardDeviations);
}
void BM_AnovaVariance_1800(benchmark::State& state) {
  RunRequest(state, kpa::gage::GageRequest::kVarianceEstimation, sh::GageEstimation::kAnova);
}
void BM_CompleteAnova_1800(benchmark::State& state) {
  RunRequest(state, kpa::gage::GageRequest::kCompleteAnova, sh::GageEstimation::kAnova);
}
void BM_RangeChart_1800(benchmark::State& state) {
  RunRequest(state, kpa::gage::GageRequest::kRangeChartByOperators, sh::GageEstimation::kRanges);
}

void BM_ReadDataFile_100000Cases(benchmark::State& state) {
  constexpr std::int64_t kOperators = 10, kParts = 100, kTrials = 100;
  kpa::testing::FakeHost host;
  for (const char* name : {"operator", "part", "trial", "measure"}) {
    kpa::testing::FakeVariable variable;
    variable.name = name;
    host.variables.push_back(variable);
  }
  for (std::int64_t o = 1; o <= kOperators; ++o)
    for (std::int64_t t = 1; t <= kTrials; ++t)
      for (std::int64_t p = 1; p <= kParts; ++p) {
        host.variables[0].values.push_back(static_cast<double>(o));
        host.variables[1].values.push_back(static_cast<double>(p));
        host.variables[2].values.push_back(static_cast<double>(t));
        host.variables[3].values.push_back(0.0);
      }
  auto process = sh::NewAnalysis(host, sh::ShellDialogs());
  sh::CEnterAnalysisContext enter(*process);
  sh::GageSettings settings;
  settings.operator_variable = 1;
  settings.part_variable = 2;
  settings.trial_variable = 3;
  settings.measure_variable = 4;
  for (std::int64_t i = 1; i <= kOperators; ++i)
    settings.operator_codes.push_back(static_cast<double>(i));
  for (std::int64_t i = 1; i <= kParts; ++i) settings.part_codes.push_back(static_cast<double>(i));
  for (std::int64_t i = 1; i <= kTrials; ++i)
    settings.trial_codes.push_back(static_cast<double>(i));
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    for (double& x : host.variables[3].values) x = Uniform(seed);
    state.ResumeTiming();
    sh::Request request(host);
    benchmark::DoNotOptimize(kpa::gage::ReadStudy(request, settings));
  }
}

BENCHMARK(BM_RangeVariance_1800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnovaVariance_1800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompleteAnova_1800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeChart_1800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDataFile_100000Cases)->Unit(benchmark::kMillisecond);

}  // namespace
