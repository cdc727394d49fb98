// Every result table of a run as one Excel workbook (.xlsx: Office Open XML, ECMA-376): one
// sheet per table in emission order, named by its output number and title; the title lines
// and headings laid out as in the text rendering; numbers as numbers, formatted with their
// column's decimals; texts as texts; missing cells empty.
//
// The package is written here rather than by a general library: a run of hundreds of tables
// writes hundreds of sheets, and building the whole package in memory and writing it once
// costs a tenth of what a library keeping a temporary file per sheet does.
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
