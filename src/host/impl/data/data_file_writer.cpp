#include "host/impl/data/data_file_writer.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "host/impl/data/data_set.h"
#include "host/impl/data/sidecar.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

constexpr const char* kCaseColumn = "case";

// A CSV field: quoted when it holds a delimiter, a quote or a line end.
std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void WriteThroughTemporary(const std::string& path, const std::string& contents) {
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << contents;
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw DataFileError(path, 0, 0, "cannot write the data file");
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw DataFileError(path, 0, 0, "cannot write the data file");
  }
}

}  // namespace

void WriteDataFile(const std::string& path, const NewDataFile& file) {
  const bool names = !file.case_names.empty();
  std::string text;
  if (names) text += kCaseColumn;
  for (std::size_t v = 0; v < file.variables.size(); ++v)
    text += (v > 0 || names ? "," : "") + Field(file.variables[v].name);
  text += '\n';
  const std::size_t cases =
      file.variables.empty() ? file.case_names.size() : file.variables.front().values.size();
  for (std::size_t c = 0; c < cases; ++c) {
    if (names) text += Field(c < file.case_names.size() ? file.case_names[c] : std::string());
    for (std::size_t v = 0; v < file.variables.size(); ++v) {
      const auto& values = file.variables[v].values;
      const double value =
          c < values.size() && std::isfinite(values[c]) ? values[c] : file.missing_code;
      text += (v > 0 || names ? "," : "") + FormatNumber(value);
    }
    text += '\n';
  }
  nlohmann::ordered_json sidecar;
  sidecar["missing_code"] = file.missing_code;
  if (names)
    sidecar["case_names"] = kCaseColumn;
  else
    sidecar["case_names"] = false;
  WriteThroughTemporary(path, text);
  WriteThroughTemporary(SidecarPath(path), sidecar.dump(2) + "\n");
}

}  // namespace kpa::host::data
