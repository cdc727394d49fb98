// Result tables: allocation under the host's buffer limits, filling, and hand-over.
#include "shell/results/result_table.h"

#include <algorithm>
#include <cassert>
#include <new>
#include <optional>
#include <stdexcept>

#include "host/api/special_values.h"
#include "shell/analysis_support.h"
#include "shell/results/fixed_text.h"
#include "shell/results/host_output.h"

namespace kpa::shell {
namespace {

std::size_t g_memory_limit = kDefaultTableMemoryLimit;

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

std::size_t ToSize(int n) { return static_cast<std::size_t>(std::max(n, 0)); }

// Keeps a running count of the bytes a table takes and refuses a buffer beyond the limit.
class MemoryBudget {
 public:
  void Take(std::size_t count, std::size_t element_bytes) {
    if (element_bytes != 0 && count > (g_memory_limit - used_) / element_bytes)
      throw std::bad_alloc();
    used_ += count * element_bytes;
  }

 private:
  std::size_t used_ = 0;
};

}  // namespace

TableTitle::TableTitle() { Clear(); }

void TableTitle::Clear() {
  for (auto& line : lines) line.assign(kTitleWidth, ' ');
}

void SetTableTitle(TableTitle& title, int line, std::string_view text) {
  assert(line >= 1 && line <= kTitleLines && "title line out of range");
  if (line < 1 || line > kTitleLines) return;
  title.lines[ToSize(line - 1)] = FitText(text, kTitleWidth);
}

SmallTableArrays::SmallTableArrays() { Clear(); }

void SmallTableArrays::Clear() {
  title.Clear();
  for (auto& name : upper_names) name.assign(kColumnNameWidth, ' ');
  for (auto& name : lower_names) name.assign(kColumnNameWidth, ' ');
}

const std::string& ResultTable::Index(const std::vector<std::string>& list, int i) {
  assert(i >= 0 && ToSize(i) < list.size() && "table index out of range");
  if (i < 0 || ToSize(i) >= list.size()) return EmptyText();
  return list[ToSize(i)];
}

double ResultTable::Value(int row, int column) const {
  assert(HasValues() && row >= 0 && row < rows_ && column >= 0 && column < columns_);
  if (!HasValues() || row < 0 || row >= rows_ || column < 0 || column >= columns_)
    return host::kMissing;
  return values_[ToSize(column) * ToSize(rows_) + ToSize(row)];
}

void ResultTable::SetValue(int row, int column, double value) {
  assert(HasValues() && row >= 0 && row < rows_ && column >= 0 && column < columns_);
  if (!HasValues() || row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  values_[ToSize(column) * ToSize(rows_) + ToSize(row)] = value;
}

const std::string& ResultTable::CellText(int row, int column) const {
  assert(HasCellTexts() && row >= 0 && row < rows_ && column >= 0 && column < columns_);
  if (!HasCellTexts() || row < 0 || row >= rows_ || column < 0 || column >= columns_)
    return EmptyText();
  return cell_texts_[ToSize(column) * ToSize(rows_) + ToSize(row)];
}

void ResultTable::SetCellText(int row, int column, std::string_view text) {
  assert(HasCellTexts() && row >= 0 && row < rows_ && column >= 0 && column < columns_);
  if (!HasCellTexts() || row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  cell_texts_[ToSize(column) * ToSize(rows_) + ToSize(row)] = FitText(text, name_width_);
}

void ResultTable::MarkCell(int row, int column) {
  if (large_table_ != 0 || row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  const host::CellBit bit = host::CellOptionBit(ToSize(columns_), ToSize(row), ToSize(column));
  if (bit.byte < options_.size()) options_[bit.byte] |= bit.mask;
}

void ResultTable::SetRowLabel(int row, std::string_view text) {
  assert(row >= 0 && row < rows_);
  if (row >= 0 && row < rows_) row_labels_[ToSize(row)] = FitText(text, row_label_width_);
}

void ResultTable::SetColumnName(int column, std::string_view text) {
  assert(column >= 0 && column < columns_);
  if (column >= 0 && column < columns_) names_[ToSize(column)] = FitText(text, name_width_);
}

void ResultTable::SetUpperName(int column, std::string_view text) {
  assert(column >= 0 && column < columns_);
  if (column >= 0 && column < columns_) upper_names_[ToSize(column)] = FitText(text, name_width_);
}

void ResultTable::SetRowHeader(std::string_view text) {
  row_header_ = FitText(text, kRowHeaderWidth);
}

void ResultTable::SetColumnFormat(int column, int width, int decimals) {
  assert(column >= 0 && column < columns_);
  if (column < 0 || column >= columns_) return;
  column_widths_[ToSize(column)] = width;
  column_decimals_[ToSize(column)] = decimals;
}

int ResultTable::ColumnWidth(int column) const {
  if (column < 0 || column >= columns_ || column_widths_[ToSize(column)] <= 0)
    return display_.column_width;
  return column_widths_[ToSize(column)];
}

int ResultTable::ColumnDecimals(int column) const {
  if (column < 0 || column >= columns_ || column_decimals_[ToSize(column)] < 0)
    return display_.decimals;
  return column_decimals_[ToSize(column)];
}

std::size_t SetResultTableMemoryLimit(std::size_t bytes) {
  const std::size_t previous = g_memory_limit;
  g_memory_limit = bytes;
  return previous;
}

TableStatus AllocateResultTable(ResultTable& table, std::uint16_t options, int columns, int rows,
                                int row_label_width, int name_width) {
  ReleaseResultTable(table);
  const std::size_t c = ToSize(columns);
  const std::size_t r = ToSize(rows);
  const std::size_t wr = ToSize(row_label_width);
  const std::size_t wn = ToSize(name_width);

  // Sizes of the host's buffers, in bytes; the two bytes after the row labels belong to
  // the host's table block.
  const std::size_t label_bytes = r * wr + 2;
  const std::size_t name_bytes = c * wn;
  // One bit per cell of the (R + 1) x (C + 1) grid, rounded up to whole bytes so the last
  // cells have their bit too.
  std::size_t option_bytes = ((c + 1) * (r + 1) + 7) / 8 + c + kOptionsTableBytes;
  const bool large = option_bytes > kLargeOptionsThreshold;
  if (large) option_bytes = c;
  if (columns < 1 || rows < 1 || columns > kMaxTableCount || rows > kMaxTableCount ||
      label_bytes > kMaxTableBufferBytes || name_bytes > kMaxTableBufferBytes ||
      option_bytes > kMaxTableBufferBytes) {
    ShowOutOfMemory();
    return TableStatus::kOutsideLimits;
  }

  try {
    MemoryBudget budget;
    if ((options & kTableWithoutValues) == 0) {
      budget.Take(c * r, sizeof(double));
      table.values_.assign(c * r, 0.0);
    }
    if ((options & kTableWithoutCellTexts) == 0) {
      budget.Take(c * r, wn);
      table.cell_texts_.assign(c * r, std::string(wn, ' '));
    }
    budget.Take(label_bytes, 1);
    table.row_labels_.assign(r, std::string(wr, ' '));
    budget.Take(name_bytes, 1);
    table.names_.assign(c, std::string(wn, ' '));
    budget.Take(name_bytes, 1);
    table.upper_names_.assign(c, std::string(wn, ' '));
    budget.Take(option_bytes, 1);
    table.options_.assign(option_bytes, 0);
    table.column_widths_.assign(c, 0);
    table.column_decimals_.assign(c, -1);
  } catch (const std::bad_alloc&) {
    ReleaseResultTable(table);
    ShowOutOfMemory();
    return TableStatus::kFailure;
  } catch (const std::length_error&) {
    ReleaseResultTable(table);
    ShowOutOfMemory();
    return TableStatus::kFailure;
  }
  table.allocated_ = true;
  table.rows_ = rows;
  table.columns_ = columns;
  table.row_label_width_ = row_label_width;
  table.name_width_ = name_width;
  table.large_table_ = large ? 1 : 0;
  return TableStatus::kOk;
}

void ReleaseResultTable(ResultTable& table) {
  // Swapping with empty vectors gives the memory back, which clear() would not.
  std::vector<double>().swap(table.values_);
  std::vector<std::string>().swap(table.cell_texts_);
  std::vector<std::string>().swap(table.row_labels_);
  std::vector<std::string>().swap(table.names_);
  std::vector<std::string>().swap(table.upper_names_);
  std::vector<std::uint8_t>().swap(table.options_);
  std::vector<int>().swap(table.column_widths_);
  std::vector<int>().swap(table.column_decimals_);
  table.allocated_ = false;
  table.rows_ = 0;
  table.columns_ = 0;
  table.row_label_width_ = 0;
  table.name_width_ = 0;
  table.large_table_ = 0;
}

host::TableSpec MakeTableSpec(const ResultTable& table) {
  host::TableSpec spec;
  for (const auto& line : table.Title().lines) spec.title.emplace_back(TrimTrailingBlanks(line));
  spec.row_header = std::string(TrimBlanks(table.RowHeader()));
  spec.row_label_width = table.RowLabelWidth();
  const int rows = table.Rows();
  const int columns = table.Columns();
  for (int c = 0; c < columns; ++c) {
    host::TableColumn column;
    column.name = std::string(TrimBlanks(table.ColumnName(c)));
    column.upper = std::string(TrimBlanks(table.UpperName(c)));
    column.width = table.ColumnWidth(c);
    column.decimals = table.ColumnDecimals(c);
    spec.columns.push_back(std::move(column));
  }
  for (int r = 0; r < rows; ++r) {
    // A label made of 0x01 bytes marks a separator row between groups: shown empty.
    const std::string_view label = TrimTrailingBlanks(table.RowLabel(r));
    const bool separator =
        !label.empty() && label.find_first_not_of(kSeparatorLabelByte) == std::string_view::npos;
    spec.row_labels.emplace_back(separator ? std::string_view{} : label);
  }
  spec.values.reserve(ToSize(rows) * ToSize(columns));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      spec.values.push_back(table.HasValues() ? table.Value(r, c) : host::kMissing);
  if (table.HasCellTexts()) {
    spec.texts.reserve(spec.values.size());
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        const std::string_view text = TrimBlanks(table.CellText(r, c));
        spec.texts.push_back(text.empty() ? std::nullopt : std::optional<std::string>(text));
      }
    }
  }
  const auto options = table.Options();
  if (std::any_of(options.begin(), options.end(), [](std::uint8_t b) { return b != 0; }))
    spec.options.assign(options.begin(), options.end());
  auto layout = table.Display().layout;
  layout[kRowLabelWidthSlot] = static_cast<std::int16_t>(table.RowLabelWidth());
  spec.layout.assign(layout.begin(), layout.end());
  return spec;
}

int EmitResultTable(const ResultTable& table) {
  if (!table.IsAllocated()) return 0;
  return CurrentHost().ShowTable(MakeTableSpec(table));
}

void TakeSmallTableHeadings(const SmallTableArrays& arrays, ResultTable& table) {
  table.Title() = arrays.title;
  const int count = std::min(table.Columns(), kSmallTableColumns);
  for (int c = 0; c < count; ++c) {
    table.SetColumnName(c, arrays.lower_names[ToSize(c)]);
    table.SetUpperName(c, arrays.upper_names[ToSize(c)]);
  }
}

VariableLabels MakeVariableLabels(std::span<const int> variables) {
  VariableLabels result;
  const int longest = std::min(LongestName(variables), kMaxLongNameInLabel);
  result.width = longest > 0 ? longest + 10 : kColumnNameWidth;
  for (const int variable : variables) {
    std::string name = FitText(CurrentHost().VariableName(variable), kColumnNameWidth);
    RightJustify8(name);
    if (longest > 0) {
      const auto long_name = CurrentHost().VariableLongName(variable);
      name += ": ";
      name += FitText(long_name ? TrimTrailingBlanks(*long_name) : std::string_view{}, longest);
    }
    result.labels.push_back(std::move(name));
  }
  return result;
}

}  // namespace kpa::shell
