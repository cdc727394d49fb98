// Choosing the reader by extension.
#include "host/impl/data/data_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "host/impl/data/csv_reader.h"
#include "host/impl/data/stat_file_reader.h"

namespace kpa::host::data {

void RequireRegularFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) throw DataFileError(path, 0, 0, "no such file");
  if (std::filesystem::is_directory(status)) {
    throw DataFileError(path, 0, 0, "this is a folder, not a data file");
  }
}

std::string ReadWholeFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) throw DataFileError(path, 0, 0, "cannot open the file");
  // The size the file has now is read in one piece, straight into place; whatever a writer
  // adds meanwhile is read after it.
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  std::string text(error ? 0 : static_cast<std::size_t>(size), '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  char buffer[1 << 16];
  while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get()))
    text.append(buffer, read);
  if (std::ferror(file.get())) throw DataFileError(path, 0, 0, "cannot read the file");
  return text;
}

std::optional<std::uintmax_t> AvailableMemoryBytes() {
  std::optional<std::uintmax_t> available;
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  std::uintmax_t kilobytes = 0;
  std::string unit;
  while (meminfo >> key >> kilobytes >> unit)
    if (key == "MemAvailable:") available = kilobytes * 1024;
  // Under a cgroup v2 memory limit, what is left of the limit counts too.
  std::ifstream limit_file("/sys/fs/cgroup/memory.max");
  std::ifstream current_file("/sys/fs/cgroup/memory.current");
  std::uintmax_t limit = 0;
  std::uintmax_t current = 0;
  if (limit_file >> limit && current_file >> current) {
    const std::uintmax_t left = limit > current ? limit - current : 0;
    available = available ? std::min(*available, left) : left;
  }
  return available;
}

ReadResult ReadDataFile(const std::string& path, const CsvOptions& csv) {
  RequireRegularFile(path);
  // Reading holds the file's bytes and its values, about twice its size: a file that cannot
  // fit is refused before the system runs out of memory.
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (const auto available = AvailableMemoryBytes(); !error && available && size > *available / 2)
    throw DataFileError(path, 0, 0,
                        "the file (" + std::to_string(size >> 20) +
                            " MiB) is too large for the memory available (" +
                            std::to_string(*available >> 20) + " MiB free)");
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == ".csv" || extension == ".txt" || extension == ".tsv")
    return ReadCsvFile(path, csv);
  if (extension == ".sav" || extension == ".zsav") return ReadSavFile(path);
  if (extension == ".dta") return ReadDtaFile(path);
  if (extension.empty()) {
    throw DataFileError(
        path, 0, 0, "the file name has no extension; use .csv, .txt, .tsv, .sav, .zsav or .dta");
  }
  throw DataFileError(
      path, 0, 0,
      "unknown data file type '" + extension + "'; use .csv, .txt, .tsv, .sav, .zsav or .dta");
}

}  // namespace kpa::host::data
