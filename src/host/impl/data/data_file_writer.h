// Writing a new data file the module asks for (a design for data entry): delimited text
// with a header row, and its metadata sidecar naming the missing-data code and the case-name
// column, so that the file opens again with the same names, cases and missing cells.
#pragma once

#include <string>

#include "host/api/host.h"

namespace kpa::host::data {

// Writes `path` and its sidecar, each under a temporary name renamed at the end. Throws
// DataFileError naming the file when it cannot be written.
void WriteDataFile(const std::string& path, const NewDataFile& file);

}  // namespace kpa::host::data
