// The output folder of a run of 800 tables (the size of 400 capability summaries): the
// workbook alone, and the whole folder with each table's own files or none (aim: with
// `--tables none`, no more than the run without `--out`; the files of each table cost what
// the file system takes to create them). The folder is in the temporary directory; point
// TMPDIR at a tmpfs to leave the disk out.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/api/special_values.h"
#include "host/impl/output_log.h"
#include "host/impl/render/workbook.h"

namespace {

constexpr int kTables = 800;

// A summary-like table: three title lines, two columns of 13 rows, a missing cell; the
// values change with `seed` so that no two sheets are alike.
kpa::host::TableSpec SummaryTable(int seed) {
  kpa::host::TableSpec table;
  table.title = {"Variable diameter", "Indices de capabilité", ""};
  table.row_header = "Statistique";
  table.row_label_width = 30;
  table.columns = {{"Valeur", "", 12, 4}, {"Limite", "Interv.", 12, 3}};
  for (int r = 0; r < 13; ++r) {
    table.row_labels.push_back("Indice " + std::to_string(r));
    table.values.push_back(74.0 + 0.001 * (seed % 97) + r);
    table.values.push_back(r == 5 ? kpa::host::kMissing : 1.0 / (seed + r + 1));
  }
  table.texts.assign(table.values.size(), std::nullopt);
  return table;
}

std::vector<kpa::host::TableSpec> Tables() {
  std::vector<kpa::host::TableSpec> tables;
  for (int i = 0; i < kTables; ++i) tables.push_back(SummaryTable(i));
  return tables;
}

std::filesystem::path BenchFolder() {
  return std::filesystem::temp_directory_path() / "kpa-bench-output-folder";
}

void BM_Workbook800Sheets(benchmark::State& state) {
  const auto tables = Tables();
  kpa::host::render::NumberedTables numbered;
  for (int i = 0; i < kTables; ++i)
    numbered.emplace_back(i + 1, &tables[static_cast<std::size_t>(i)]);
  std::filesystem::create_directories(BenchFolder());
  const auto path = BenchFolder() / "results.xlsx";
  for (auto _ : state) benchmark::DoNotOptimize(kpa::host::render::WriteWorkbook(path, numbered));
  std::filesystem::remove_all(BenchFolder());
}
BENCHMARK(BM_Workbook800Sheets)->Unit(benchmark::kMillisecond);

void BM_OutputFolder800Tables(benchmark::State& state) {
  const auto tables = Tables();
  const kpa::host::TableFormats formats =
      kpa::host::ParseTableFormats(state.range(0) == 0 ? "none" : "txt,csv,json");
  for (auto _ : state) {
    kpa::host::OutputLog log;
    log.SetTableFormats(formats);
    log.SetFolder(BenchFolder());
    for (const auto& table : tables) log.AddTable(table);
    benchmark::DoNotOptimize(log.Finish());
  }
  std::filesystem::remove_all(BenchFolder());
}
BENCHMARK(BM_OutputFolder800Tables)
    ->Arg(0)
    ->Arg(3)
    ->ArgName("files_per_table")
    ->Unit(benchmark::kMillisecond);

}  // namespace
