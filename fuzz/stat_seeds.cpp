// Writes the seed corpus of the SPSS and Stata fuzzer: a small file of each format with
// numbers, missing values, value labels, a user-missing value and texts. Each file starts
// with the fuzzer's own first byte (0 for .sav, 1 for .dta).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../tests/host/data/stat_fixture.h"

namespace {

namespace fixture = kpa::host::data::testing;

std::vector<fixture::FixtureColumn> Columns(fixture::StatFormat format) {
  fixture::FixtureColumn diameter;
  diameter.name = "diameter";
  diameter.label = "Inside diameter (mm)";
  diameter.numbers = {74.030, 73.995, std::nullopt, 74.002};
  fixture::FixtureColumn op;
  op.name = "op";
  op.numbers = {1, 2, 1, std::nullopt};
  op.value_labels = {{1, "Ann"}, {2, "Bob"}};
  if (format == fixture::StatFormat::kSav)
    op.user_missing = 9;
  else
    op.tagged_missing = 'a';
  fixture::FixtureColumn note;
  note.name = "note";
  note.is_string = true;
  note.texts = {"ok", "", "rework", "Opérateur é"};
  return {diameter, op, note};
}

bool WriteSeed(const std::filesystem::path& folder, fixture::StatFormat format) {
  const bool sav = format == fixture::StatFormat::kSav;
  const std::filesystem::path file = folder / (sav ? "raw.sav" : "raw.dta");
  if (!fixture::WriteStatFile(file.string(), format, Columns(format))) return false;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove(file);
  std::ofstream(folder / (sav ? "seed_sav" : "seed_dta"), std::ios::binary)
      << static_cast<char>(sav ? 0 : 1) << bytes;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_stat_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  return WriteSeed(folder, fixture::StatFormat::kSav) &&
                 WriteSeed(folder, fixture::StatFormat::kDta)
             ? 0
             : 1;
}
