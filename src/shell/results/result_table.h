// The result spreadsheet the procedures fill and hand to the host: title, a grid of values
// with row labels, two heading lines per column, optional cell texts, display options and
// layout values. Tables that grow with the data are allocated with `AllocateResultTable`;
// small ones are assembled in the shared fixed arrays (`SmallTableArrays`) and copied in.
// Row and column indices of `ResultTable` are 0-based; title lines are numbered 1 to 3.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/table_spec.h"

namespace kpa::shell {

inline constexpr int kTitleLines = 3;
// A row label made of this byte marks a separator row between groups of rows.
inline constexpr char kSeparatorLabelByte = '\x01';
inline constexpr int kTitleWidth = 62;
inline constexpr int kColumnNameWidth = 8;
inline constexpr int kRowHeaderWidth = 64;
inline constexpr int kSmallTableColumns = 100;
inline constexpr int kLayoutValues = 10;
inline constexpr int kRowLabelWidthSlot = 5;  // 0-based: the sixth layout value holds Wr
// The host keeps row labels, names and options in buffers of at most this many bytes.
inline constexpr std::size_t kMaxTableBufferBytes = 65535;
// An options block computed larger than this is cut to one byte per column.
inline constexpr std::size_t kLargeOptionsThreshold = 65000;
inline constexpr std::size_t kOptionsTableBytes = host::kOptionTableBytes;
inline constexpr int kMaxTableCount = 32767;  // rows and columns are 16-bit counts
// What a table may take in memory before its allocation is refused as out of memory.
inline constexpr std::size_t kDefaultTableMemoryLimit = std::size_t{1} << 30;

// Option bits of `AllocateResultTable`.
inline constexpr std::uint16_t kTableWithoutCellTexts = 1;  // bit 0
inline constexpr std::uint16_t kTableWithoutValues = 2;     // bit 1

// Status of `AllocateResultTable`. Never renumbered: callers compare with kOk.
enum class TableStatus : std::int16_t {
  kOk = 0,
  kFailure = 1,        // out of memory: nothing allocated, message 14399 shown
  kOutsideLimits = 2,  // fewer than 1 or more than 32767 rows or columns, or a row-label,
                       // name or options buffer over 65535 bytes: nothing allocated,
                       // message 14399 shown
};

// Three title lines of 62 characters, blank-padded.
struct TableTitle {
  TableTitle();
  void Clear();
  std::array<std::string, kTitleLines> lines;
};

// Copies `text` into title line 1, 2 or 3, cut or blank-padded to 62 characters. Any other
// line number is a programming error and changes nothing.
void SetTableTitle(TableTitle& title, int line, std::string_view text);

// The shared fixed arrays of the settings block in which small tables are assembled: the
// title record and the upper and lower heading lines of columns 1 to 100 (8 characters
// each, blank after construction and after `Clear`).
struct SmallTableArrays {
  SmallTableArrays();
  void Clear();
  TableTitle title;
  std::array<std::string, kSmallTableColumns> upper_names;
  std::array<std::string, kSmallTableColumns> lower_names;
};

// Display of the whole table: column width and decimals used unless a column has its own
// (`ResultTable::SetColumnFormat`), name width and the ten layout values of the host's table
// block, whose sixth is overwritten with the row-label width when the table is emitted.
struct TableDisplay {
  int column_width = 12;
  int decimals = 4;
  std::array<std::int16_t, kLayoutValues> layout{};
};

class ResultTable {
 public:
  ResultTable() = default;

  bool IsAllocated() const { return allocated_; }
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  int RowLabelWidth() const { return row_label_width_; }
  int NameWidth() const { return name_width_; }
  bool HasValues() const { return !values_.empty(); }
  bool HasCellTexts() const { return !cell_texts_.empty(); }
  // 1 exactly when the options block was cut to one byte per column.
  std::int16_t LargeTable() const { return large_table_; }

  // Values column after column: value(row, column) is Values()[column * Rows() + row].
  std::span<double> Values() { return values_; }
  std::span<const double> Values() const { return values_; }
  double Value(int row, int column) const;
  void SetValue(int row, int column, double value);

  // Texts are cut or blank-padded to the width of their buffer.
  const std::string& CellText(int row, int column) const;
  void SetCellText(int row, int column, std::string_view text);
  // Sets the cell's bit of the options block: the host highlights the cell. Nothing for a
  // large table, whose block holds only the column bytes.
  void MarkCell(int row, int column);
  const std::string& RowLabel(int row) const { return Index(row_labels_, row); }
  void SetRowLabel(int row, std::string_view text);
  const std::string& ColumnName(int column) const { return Index(names_, column); }
  void SetColumnName(int column, std::string_view text);
  const std::string& UpperName(int column) const { return Index(upper_names_, column); }
  void SetUpperName(int column, std::string_view text);
  const std::string& RowHeader() const { return row_header_; }
  void SetRowHeader(std::string_view text);

  // The options block: one byte per column, 17 table bytes, one bit per cell of the
  // (rows + 1) x (columns + 1) grid; only the column bytes for a large table.
  std::span<std::uint8_t> Options() { return options_; }
  std::span<const std::uint8_t> Options() const { return options_; }

  TableTitle& Title() { return title_; }
  const TableTitle& Title() const { return title_; }
  TableDisplay& Display() { return display_; }
  const TableDisplay& Display() const { return display_; }
  void SetColumnFormat(int column, int width, int decimals);
  int ColumnWidth(int column) const;
  int ColumnDecimals(int column) const;

 private:
  friend TableStatus AllocateResultTable(ResultTable&, std::uint16_t, int, int, int, int);
  friend void ReleaseResultTable(ResultTable&);

  static const std::string& Index(const std::vector<std::string>& list, int i);

  bool allocated_ = false;
  int rows_ = 0;
  int columns_ = 0;
  int row_label_width_ = 0;
  int name_width_ = 0;
  std::int16_t large_table_ = 0;
  std::vector<double> values_;
  std::vector<std::string> cell_texts_;  // column after column, like the values
  std::vector<std::string> row_labels_;
  std::vector<std::string> names_;
  std::vector<std::string> upper_names_;
  std::vector<std::uint8_t> options_;
  std::vector<int> column_widths_;    // 0: the table's column width
  std::vector<int> column_decimals_;  // -1: the table's decimals
  std::string row_header_;
  TableTitle title_;
  TableDisplay display_;
};

// Releases any previous buffers of `table`, then allocates them for `columns` x `rows`:
// the values (zero) unless `options` has kTableWithoutValues, the cell texts of
// `name_width` characters (blank) unless it has kTableWithoutCellTexts, then the row labels
// of `row_label_width` characters, the column names and the upper names of `name_width`
// characters (blank), and the options block (zero). The options block takes
// (C + 1) * (R + 1) / 8 + C + 17 bytes, or only C bytes when that exceeds 65000, in which
// case the large-table flag is 1. On failure nothing stays allocated and the out-of-memory
// message is shown. Title, row header and display are kept.
[[nodiscard]] TableStatus AllocateResultTable(ResultTable& table, std::uint16_t options,
                                              int columns, int rows, int row_label_width,
                                              int name_width);
// Frees every buffer of the table; calling it again does nothing.
void ReleaseResultTable(ResultTable& table);
// Limit on the bytes one table may take (values, texts, labels, names, options), beyond
// which `AllocateResultTable` fails as out of memory. Returns the previous limit.
std::size_t SetResultTableMemoryLimit(std::size_t bytes);

// The table as the host's result-spreadsheet service takes it: titles, names and labels
// without their padding blanks, values row after row, a cell text only where it is not
// blank, every value of a table without values missing.
host::TableSpec MakeTableSpec(const ResultTable& table);
// Hands the table to the host and returns the host's answer: 1 (host::kOutputShown) when
// the table is shown. A table that is not allocated is not handed over; the answer is 0.
[[nodiscard]] int EmitResultTable(const ResultTable& table);

// Copies the title record and the heading lines of the first Columns() columns of the
// shared small-table arrays into an allocated table.
void TakeSmallTableHeadings(const SmallTableArrays& arrays, ResultTable& table);

// Row labels for a list of variables (numbered from 1): each the 8-character name,
// right-justified, then ": " and the long name blank-padded to the longest long name of the
// list (at most 50 characters), the width being that length plus 10. When no variable has a
// long name, the labels are the right-justified names alone, 8 characters wide.
struct VariableLabels {
  std::vector<std::string> labels;
  int width = 0;
};
inline constexpr int kMaxLongNameInLabel = 50;
VariableLabels MakeVariableLabels(std::span<const int> variables);

}  // namespace kpa::shell
