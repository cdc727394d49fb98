// What the module hands to the host's result-spreadsheet service: one titled grid of
// numbers and texts. The host renders it (text, CSV, JSON, HTML); the module builds it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kpa::host {

// One column of a result spreadsheet. `upper` is the upper heading line (often blank),
// `name` the lower one; both are 8 characters wide in the module's layouts.
struct TableColumn {
  std::string name;
  std::string upper;
  int width = 12;    // display width in characters
  int decimals = 4;  // fixed decimals of the numbers in this column
};

// A result spreadsheet. Values are stored row-major here: values[r * columns.size() + c].
// A cell is missing when its value is one of the module's missing markers
// (see host/api/special_values.h): renderers leave such a cell empty unless it has a text.
struct TableSpec {
  std::vector<std::string> title;  // up to three lines
  std::string row_header;          // heading of the row-label column
  int row_label_width = 24;
  std::vector<TableColumn> columns;
  std::vector<std::string> row_labels;
  std::vector<double> values;
  // Optional cell texts, same shape as values; an empty optional means "show the number".
  std::vector<std::optional<std::string>> texts;
  // The module's display options, handed over unchanged: one byte per column, 17 table
  // bytes, then one bit per cell of the (rows + 1) x (columns + 1) grid (only the column
  // bytes for a large table). Empty when the table sets none; renderers may ignore them.
  std::vector<std::uint8_t> options;
  // The module's ten layout values (widths, decimals, flags); the sixth holds
  // row_label_width. Empty when the table gives none; renderers may ignore them.
  std::vector<std::int16_t> layout;

  std::size_t RowCount() const { return row_labels.size(); }
  std::size_t ColumnCount() const { return columns.size(); }
  double Value(std::size_t row, std::size_t column) const {
    return values[row * columns.size() + column];
  }
  const std::optional<std::string>* Text(std::size_t row, std::size_t column) const {
    return texts.empty() ? nullptr : &texts[row * columns.size() + column];
  }
};

}  // namespace kpa::host
