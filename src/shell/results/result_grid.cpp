#include "shell/results/result_grid.h"

#include <algorithm>
#include <cmath>

#include "host/api/special_values.h"

namespace kpa::shell {

double BlankCell() { return host::MissingMarker(0xFFFFFFFEu); }

ResultGrid::ResultGrid(int rows, int columns, int label_width)
    : rows_(rows),
      columns_(columns),
      label_width_(label_width),
      values_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), host::kMissing),
      labels_(static_cast<std::size_t>(rows)),
      upper_(static_cast<std::size_t>(columns)),
      lower_(static_cast<std::size_t>(columns)),
      formats_(static_cast<std::size_t>(columns), {0, 0}) {}

void ResultGrid::Set(int row, int column, std::optional<double> value) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  values_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
          static_cast<std::size_t>(row)] = value && std::isfinite(*value) ? *value : host::kMissing;
}

std::optional<double> ResultGrid::Get(int row, int column) const {
  const double value = values_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
                               static_cast<std::size_t>(row)];
  if (host::IsSpecialValue(value)) return std::nullopt;
  return value;
}

void ResultGrid::Blank(int row, int column) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  values_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
          static_cast<std::size_t>(row)] = BlankCell();
}

void ResultGrid::Text(int row, int column, std::string_view text) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  if (texts_.empty()) texts_.resize(values_.size());
  texts_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
         static_cast<std::size_t>(row)] = text;
}

void ResultGrid::Mark(int row, int column) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  marked_.emplace_back(row, column);
}

void ResultGrid::Separator(int row) {
  labels_[static_cast<std::size_t>(row)] =
      std::string(static_cast<std::size_t>(label_width_), kSeparatorLabelByte);
}

void ResultGrid::Heading(int column, std::string_view upper, std::string_view lower) {
  upper_[static_cast<std::size_t>(column)] = upper;
  lower_[static_cast<std::size_t>(column)] = lower;
}

void ResultGrid::Format(int column, int width, int decimals) {
  formats_[static_cast<std::size_t>(column)] = {width, decimals};
}

bool ResultGrid::Show(Request& request) const {
  ResultTable table;
  const std::uint16_t options = texts_.empty() ? kTableWithoutCellTexts : 0;
  if (AllocateResultTable(table, options, columns_, rows_, label_width_, kColumnNameWidth) !=
      TableStatus::kOk)
    return false;
  for (int line = 1; line <= kTitleLines; ++line)
    SetTableTitle(table.Title(), line, title_[line - 1]);
  table.SetRowHeader(header_);
  for (int c = 0; c < columns_; ++c) {
    table.SetUpperName(c, upper_[static_cast<std::size_t>(c)]);
    table.SetColumnName(c, lower_[static_cast<std::size_t>(c)]);
    const auto [width, decimals] = formats_[static_cast<std::size_t>(c)];
    if (width > 0) table.SetColumnFormat(c, width, decimals);
  }
  for (int r = 0; r < rows_; ++r) table.SetRowLabel(r, labels_[static_cast<std::size_t>(r)]);
  std::copy(values_.begin(), values_.end(), table.Values().begin());
  for (int c = 0; c < columns_ && !texts_.empty(); ++c)
    for (int r = 0; r < rows_; ++r)
      table.SetCellText(r, c,
                        texts_[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows_) +
                               static_cast<std::size_t>(r)]);
  for (const auto& [r, c] : marked_) table.MarkCell(r, c);
  const bool shown = request.Show(table);
  ReleaseResultTable(table);
  return shown;
}

}  // namespace kpa::shell
