// Renderings of a result spreadsheet: fixed-width text for a person to read, CSV for a
// spreadsheet program, JSON for programs, and an HTML fragment for reports. Pure functions:
// they build a string and touch nothing else. Missing markers become empty cells (text,
// HTML, CSV) or null (JSON); a cell text, where there is one, stands instead of the number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/api/table_spec.h"

namespace kpa::host::render {

// Whether any column has an upper heading line.
bool HasUpperLine(const TableSpec& table);
// The title lines, trimmed on the right, up to the last one that is not blank.
std::vector<std::string_view> TitleLines(const TableSpec& table);

// Title lines, the heading lines (upper line only when some column has one), a rule, then
// one line per row: the label, then each value right-aligned with its column's decimals.
// Lines end with '\n' and carry no trailing blanks.
std::string RenderTableText(const TableSpec& table);

// RFC 4180: CRLF line ends, fields quoted when they hold a comma, a quote or a line end.
// The title lines come first as comment lines ("# " and the line), as kpa's CSV reader and
// most others read them; then the record of the row heading and the column headings
// ("upper name" when a column has an upper line); values are written in the shortest form
// that reads back exactly.
std::string RenderTableCsv(const TableSpec& table);

// {"kind":"table","title":[...],"rowHeader":"...","columns":[{"name","upper","width",
// "decimals"}],"rows":[{"label","values":[number|null],"texts":[string|null]}]}
std::string RenderTableJson(const TableSpec& table);

// A <table class="kpa-table"> with the title as caption; numbers as in the text rendering.
std::string RenderTableHtml(const TableSpec& table);

}  // namespace kpa::host::render
