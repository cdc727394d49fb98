// Choosing the reader by extension.
#include "host/impl/data/data_file.h"

#include <filesystem>

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

ReadResult ReadDataFile(const std::string& path, const CsvOptions& csv) {
  RequireRegularFile(path);
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
