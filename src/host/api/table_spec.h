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
  // The cell's bit in the options block is set: the module marks it for highlighting
  // (a p value below 0.05, say).
  bool Marked(std::size_t row, std::size_t column) const;
};

// Where the bit of cell (row, column) stands in the options block of a table with `columns`
// columns: after one byte per column and the 17 table bytes, one bit per cell of a grid that
// has a heading row and a heading column first.
struct CellBit {
  std::size_t byte = 0;
  std::uint8_t mask = 0;
};
inline constexpr std::size_t kOptionTableBytes = 17;
inline CellBit CellOptionBit(std::size_t columns, std::size_t row, std::size_t column) {
  const std::size_t bit = (row + 1) * (columns + 1) + column + 1;
  return {columns + kOptionTableBytes + bit / 8, static_cast<std::uint8_t>(1u << (bit % 8))};
}

inline bool TableSpec::Marked(std::size_t row, std::size_t column) const {
  const CellBit bit = CellOptionBit(columns.size(), row, column);
  return bit.byte < options.size() && (options[bit.byte] & bit.mask) != 0;
}

}  // namespace kpa::host
