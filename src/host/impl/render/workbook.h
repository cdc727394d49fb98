// Every result table of a run as one Excel workbook (.xlsx, written by libxlsxwriter): one
// sheet per table in emission order, named by its output number and title; the title lines
// and headings laid out as in the text rendering; numbers as numbers, formatted with their
// column's decimals; texts as texts; missing cells empty.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/api/table_spec.h"

namespace kpa::host::render {

// (output number, table) in emission order.
using NumberedTables = std::vector<std::pair<int, const TableSpec*>>;

// Writes the workbook; the problem met, when there is one.
std::optional<std::string> WriteWorkbook(const std::filesystem::path& path,
                                         const NumberedTables& tables);

}  // namespace kpa::host::render
