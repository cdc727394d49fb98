// The CSV reader on a file of 1 million rows by 10 columns in each dialect a spreadsheet
// exports: comma with decimal points, semicolon with decimal commas, tab with decimal points
// (aim: at least 100 MB/s).
#include <benchmark/benchmark.h>

#include <string>

#include "host/impl/data/csv_reader.h"

namespace {

constexpr int kRows = 1'000'000;
constexpr int kColumns = 10;

// Values like 74.0123 in the dialect's decimal mark; a fixed pattern so runs compare.
std::string MakeFile(char delimiter, char decimal) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kRows) * kColumns * 9);
  for (int c = 0; c < kColumns; ++c) {
    if (c > 0) text += delimiter;
    text += "v" + std::to_string(c);
  }
  text += '\n';
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      if (c > 0) text += delimiter;
      const int fraction = (r * 7919 + c * 104729) % 10000;
      text += "74";
      text += decimal;
      const std::string digits = std::to_string(fraction);
      text += std::string(4 - digits.size(), '0') + digits;
    }
    text += '\n';
  }
  return text;
}

void ReadDialect(benchmark::State& state, char delimiter, char decimal) {
  const std::string text = MakeFile(delimiter, decimal);
  for (auto _ : state)
    benchmark::DoNotOptimize(kpa::host::data::ReadCsvText(text, "bench.csv", nullptr));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}

void BM_CsvCommaPoint(benchmark::State& state) { ReadDialect(state, ',', '.'); }
void BM_CsvSemicolonComma(benchmark::State& state) { ReadDialect(state, ';', ','); }
void BM_CsvTabPoint(benchmark::State& state) { ReadDialect(state, '\t', '.'); }
BENCHMARK(BM_CsvCommaPoint)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CsvSemicolonComma)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CsvTabPoint)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
