// SPSS (.sav) and Stata (.dta) files through ReadStat on any bytes: the first byte chooses
// the format, the rest is the file, written to a private temporary file for the reader.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "host/impl/data/data_set.h"
#include "host/impl/data/stat_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool sav = (data[0] & 1) == 0;
  static const std::string stem =
      (std::filesystem::temp_directory_path() / ("kpa-fuzz-" + std::to_string(::getpid())))
          .string();
  const std::string path = stem + (sav ? ".sav" : ".dta");
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);
  } else {
    return 0;
  }
  try {
    if (sav)
      kpa::host::data::ReadSavFile(path);
    else
      kpa::host::data::ReadDtaFile(path);
  } catch (const kpa::host::data::DataFileError&) {
  }
  std::remove(path.c_str());
  return 0;
}
