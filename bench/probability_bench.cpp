// Timing of the probability library's distribution functions and the minimiser.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <vector>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/gamma_beta.h"
#include "shell/probability/noncentral_t.h"
#include "shell/probability/normal.h"
#include "shell/probability/owen_t.h"
#include "shell/probability/quasi_newton.h"

namespace {

namespace prob = kpa::probability;

void BM_NormalIntegral(benchmark::State& state) {
  double x = -5.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(prob::NormalIntegral(x, true));
    x = x > 5.0 ? -5.0 : x + 0.01;
  }
}
BENCHMARK(BM_NormalIntegral);

void BM_NormalQuantile(benchmark::State& state) {
  double p = 0.001;
  for (auto _ : state) {
    std::int16_t fault = 0;
    benchmark::DoNotOptimize(prob::NormalQuantile(p, fault));
    p = p > 0.998 ? 0.001 : p + 0.001;
  }
}
BENCHMARK(BM_NormalQuantile);

void BM_FTailProbability(benchmark::State& state) {
  const double df2 = static_cast<double>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(prob::FTailProbability(5.0, df2, 2.5));
}
BENCHMARK(BM_FTailProbability)->Arg(10)->Arg(100)->Arg(32000);

void BM_ChiSquareQuantile(benchmark::State& state) {
  const double df = static_cast<double>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(prob::ChiSquareQuantile(0.05, df));
}
BENCHMARK(BM_ChiSquareQuantile)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

void BM_FQuantile(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(prob::FQuantile(0.05, 4.0, 20.0));
}
BENCHMARK(BM_FQuantile);

void BM_OwenT(benchmark::State& state) {
  const double a = static_cast<double>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(prob::OwenT(0.3, a));
}
BENCHMARK(BM_OwenT)->Arg(1)->Arg(50);

void BM_NoncentralTDistribution(benchmark::State& state) {
  const int df = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::int16_t fault = 0;
    benchmark::DoNotOptimize(prob::NoncentralTDistribution(2.0, df, 1.0, fault));
  }
}
BENCHMARK(BM_NoncentralTDistribution)->Arg(5)->Arg(20)->Arg(100)->Arg(500);

void BM_NoncentralTQuantile(benchmark::State& state) {
  for (auto _ : state) {
    std::int16_t status = 0;
    benchmark::DoNotOptimize(prob::NoncentralTQuantile(0.95, 20, 2.0, status));
  }
}
BENCHMARK(BM_NoncentralTQuantile);

void BM_MinimizeQuasiNewtonRosenbrock(benchmark::State& state) {
  const prob::QuasiNewtonObjective rosenbrock = [](std::span<const double> x, int) {
    const double a = x[1] - x[0] * x[0];
    const double b = 1.0 - x[0];
    return prob::ObjectiveValue{100.0 * a * a + b * b, false};
  };
  const std::vector<double> xm = {1.0, 1.0};
  prob::QuasiNewtonSettings settings;
  settings.difference_step = 1e-7;
  settings.accuracy = 1e-8;
  for (auto _ : state) {
    std::vector<double> x = {-1.2, 1.0};
    std::vector<double> g(2);
    std::vector<double> h(3);
    double f = 0.0;
    benchmark::DoNotOptimize(prob::MinimizeQuasiNewton(rosenbrock, 0, x, f, g, h, xm, settings));
    benchmark::DoNotOptimize(x.data());
  }
}
BENCHMARK(BM_MinimizeQuasiNewtonRosenbrock);

}  // namespace
