// The CSV reader on a file of 1 million rows by 10 columns in each dialect a spreadsheet
// exports: comma with decimal points, semicolon with decimal commas, tab with decimal points
// (aim: at least 100 MB/s for the reader, and at most 24 bytes per cell at peak for a whole
// file, its own text included). Each iteration reads fresh values.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "allocation_counter.h"
#include "host/impl/data/csv_reader.h"

namespace {

constexpr int kRows = 1'000'000;
constexpr int kColumns = 10;
constexpr double kCells = static_cast<double>(kRows) * kColumns;

// Values like 74.0123 in the dialect's decimal mark, from a congruential sequence that
// `seed` starts.
std::string MakeFile(char delimiter, char decimal, std::uint32_t seed) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kRows) * kColumns * 9);
  for (int c = 0; c < kColumns; ++c) {
    if (c > 0) text += delimiter;
    text += "v" + std::to_string(c);
  }
  text += '\n';
  std::uint32_t state = seed;
  char cell[16];
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      if (c > 0) text += delimiter;
      state = state * 1664525u + 1013904223u;
      const int length = std::snprintf(cell, sizeof cell, "74%c%04u", decimal,
                                       static_cast<unsigned>((state >> 8) % 10000));
      text.append(cell, static_cast<std::size_t>(length));
    }
    text += '\n';
  }
  return text;
}

// The reader's own work: the text is in memory, as the file's bytes are once read.
void ReadText(benchmark::State& state, char delimiter, char decimal) {
  std::int64_t bytes = 0;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string text = MakeFile(delimiter, decimal, seed++);
    bytes += static_cast<std::int64_t>(text.size());
    state.ResumeTiming();
    benchmark::DoNotOptimize(kpa::host::data::ReadCsvText(text, "bench.csv", nullptr));
  }
  state.SetBytesProcessed(bytes);
}

// The whole of opening a file: reading its bytes, then the reader; the peak of the heap
// counts the file's text too.
void ReadFile(benchmark::State& state, char delimiter, char decimal) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "kpa_csv_reader_bench.csv").string();
  std::int64_t bytes = 0;
  double peak_per_cell = 0.0;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    { std::ofstream(path, std::ios::binary) << MakeFile(delimiter, decimal, seed++); }
    bytes += static_cast<std::int64_t>(std::filesystem::file_size(path));
    kpa::bench::ResetPeak();
    state.ResumeTiming();
    benchmark::DoNotOptimize(kpa::host::data::ReadCsvFile(path));
    state.PauseTiming();
    peak_per_cell =
        std::max(peak_per_cell, static_cast<double>(kpa::bench::PeakSinceReset()) / kCells);
    state.ResumeTiming();
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(bytes);
  state.counters["peak_bytes_per_cell"] = peak_per_cell;
}

void BM_CsvTextCommaPoint(benchmark::State& state) { ReadText(state, ',', '.'); }
void BM_CsvTextSemicolonComma(benchmark::State& state) { ReadText(state, ';', ','); }
void BM_CsvTextTabPoint(benchmark::State& state) { ReadText(state, '\t', '.'); }
void BM_CsvFileCommaPoint(benchmark::State& state) { ReadFile(state, ',', '.'); }
void BM_CsvFileSemicolonComma(benchmark::State& state) { ReadFile(state, ';', ','); }
BENCHMARK(BM_CsvTextCommaPoint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvTextSemicolonComma)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvTextTabPoint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvFileCommaPoint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvFileSemicolonComma)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
