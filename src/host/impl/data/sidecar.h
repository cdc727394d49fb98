// The metadata file that may accompany a CSV data file. It sits next to the data under the
// data file's own name plus ".meta.json" (pistonrings.csv -> pistonrings.csv.meta.json) and
// holds one JSON object; every member is optional:
//
//   {
//     "missing_code": -1,             // missing-data code of every column (default -9999)
//     "case_names": "part",           // header of the column holding the case names, or
//                                     // false for none (default: the automatic rule)
//     "variables": {                  // by header text as written in the file, or by the
//       "diameter": {                 // short name the variable receives
//         "long_name": "Inside diameter (mm)",
//         "missing_code": 0,
//         "value_labels": { "1": "good", "2": "scrap" },
//         "value_long_labels": { "2": "scrapped at final inspection" },
//         "display_format": "date"    // the numbers are spreadsheet day numbers
//       }
//     }
//   }
//
// Unknown members, wrong types, label codes that are not numbers and codes that are not
// finite are errors naming the sidecar file: a misspelt key must not pass silently.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kpa::host::data {

struct SidecarVariable {
  std::optional<std::string> long_name;
  std::optional<double> missing_code;
  std::optional<std::map<double, std::string>> value_labels;
  std::optional<std::map<double, std::string>> value_long_labels;
  bool dates = false;  // display_format "date": spreadsheet day numbers
};

// What "case_names" asks for: the automatic rule, no case names, or a column by header.
struct AutomaticCaseNames {};
struct NoCaseNames {};
using CaseNameChoice = std::variant<AutomaticCaseNames, NoCaseNames, std::string>;

struct Sidecar {
  std::string path;
  std::optional<double> missing_code;
  CaseNameChoice case_names = AutomaticCaseNames{};
  std::map<std::string, SidecarVariable> variables;  // keyed as written in the sidecar
};

// The sidecar path belonging to `data_path`.
std::string SidecarPath(const std::string& data_path);

// Parses sidecar text; `path` names the sidecar in errors. Throws DataFileError.
Sidecar ParseSidecar(std::string_view json_text, const std::string& path);

// Reads the sidecar of `data_path` when one exists; std::nullopt when there is none.
std::optional<Sidecar> ReadSidecarFor(const std::string& data_path);

}  // namespace kpa::host::data
