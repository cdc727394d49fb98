// Reading the JSON metadata file that may accompany a CSV file.
#include "host/impl/data/sidecar.h"

#include <cmath>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "host/impl/data/data_file.h"
#include "host/impl/data/data_set.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& path, const std::string& detail) {
  throw DataFileError(path, 0, 0, detail);
}

double ReadCode(const json& value, const std::string& path, const std::string& where) {
  if (!value.is_number()) Fail(path, where + " must be a number");
  const double code = value.get<double>();
  if (!std::isfinite(code)) Fail(path, where + " must be a finite number");
  return code;
}

std::string ReadText(const json& value, const std::string& path, const std::string& where) {
  if (!value.is_string()) Fail(path, where + " must be a text in quotes");
  return value.get<std::string>();
}

std::map<double, std::string> ReadLabels(const json& labels, const std::string& path,
                                         const std::string& where) {
  if (!labels.is_object()) Fail(path, where + " must be an object of code: text pairs");
  std::map<double, std::string> result;
  for (const auto& [key, text] : labels.items()) {
    const std::optional<double> code = ParseNumber(Trim(key));
    if (!code) Fail(path, where + ": code '" + key + "' is not a number");
    if (!result.emplace(*code, ReadText(text, path, where + " \"" + key + "\"")).second) {
      Fail(path, where + ": code '" + key + "' is given twice");
    }
  }
  return result;
}

SidecarVariable ReadVariable(const json& entry, const std::string& path, const std::string& where) {
  if (!entry.is_object()) Fail(path, where + " must be an object");
  SidecarVariable variable;
  for (const auto& [key, value] : entry.items()) {
    if (key == "long_name") {
      variable.long_name = ReadText(value, path, where + " long_name");
    } else if (key == "missing_code") {
      variable.missing_code = ReadCode(value, path, where + " missing_code");
    } else if (key == "value_labels") {
      variable.value_labels = ReadLabels(value, path, where + " value_labels");
    } else if (key == "value_long_labels") {
      variable.value_long_labels = ReadLabels(value, path, where + " value_long_labels");
    } else if (key == "display_format") {
      if (ReadText(value, path, where + " display_format") != "date")
        Fail(path, where + " display_format must be \"date\" (spreadsheet day numbers)");
      variable.dates = true;
    } else {
      Fail(path, where + ": unknown member \"" + key +
                     "\" (expected long_name, missing_code, value_labels, value_long_labels or "
                     "display_format)");
    }
  }
  return variable;
}

// nlohmann's messages open with a "[json.exception...] " tag that means nothing to users.
std::string WithoutExceptionTag(const std::string& message) {
  const auto end = message.find("] ");
  return (message.rfind("[json.", 0) == 0 && end != std::string::npos) ? message.substr(end + 2)
                                                                       : message;
}

}  // namespace

std::string SidecarPath(const std::string& data_path) { return data_path + ".meta.json"; }

Sidecar ParseSidecar(std::string_view json_text, const std::string& path) {
  json root;
  try {
    root = json::parse(json_text);
  } catch (const json::exception& error) {
    // A syntax error, or a number beyond double ("1e400") that the parser refuses.
    Fail(path, "not valid JSON: " + WithoutExceptionTag(error.what()));
  }
  if (!root.is_object()) Fail(path, "the file must hold one JSON object { ... }");

  Sidecar sidecar;
  sidecar.path = path;
  for (const auto& [key, value] : root.items()) {
    if (key == "missing_code") {
      sidecar.missing_code = ReadCode(value, path, "missing_code");
    } else if (key == "case_names") {
      if (value.is_boolean() && !value.get<bool>()) {
        sidecar.case_names = NoCaseNames{};
      } else {
        sidecar.case_names = ReadText(value, path, "case_names (a column header, or false)");
      }
    } else if (key == "variables") {
      if (!value.is_object()) Fail(path, "variables must be an object keyed by column");
      for (const auto& [name, entry] : value.items()) {
        sidecar.variables.emplace(name, ReadVariable(entry, path, "variable \"" + name + "\""));
      }
    } else {
      Fail(path, "unknown member \"" + key + "\" (expected missing_code, case_names or variables)");
    }
  }
  return sidecar;
}

std::optional<Sidecar> ReadSidecarFor(const std::string& data_path) {
  const std::string path = SidecarPath(data_path);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return std::nullopt;
  return ParseSidecar(ReadWholeFile(path), path);
}

}  // namespace kpa::host::data
