#include "gage/outputs/gage_table.h"

#include <charconv>
#include <cmath>

#include "host/api/special_values.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {

GageTable::GageTable(int rows, int columns, int label_width)
    : rows_(rows),
      columns_(columns),
      label_width_(label_width),
      values_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), host::kMissing),
      labels_(static_cast<std::size_t>(rows)),
      upper_(static_cast<std::size_t>(columns)),
      lower_(static_cast<std::size_t>(columns)),
      formats_(static_cast<std::size_t>(columns), {0, 0}) {}

void GageTable::Set(int row, int column, std::optional<double> value) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  values_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
          static_cast<std::size_t>(row)] = value && std::isfinite(*value) ? *value : host::kMissing;
}

std::optional<double> GageTable::Get(int row, int column) const {
  const double value = values_[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
                               static_cast<std::size_t>(row)];
  if (host::IsSpecialValue(value)) return std::nullopt;
  return value;
}

void GageTable::Separator(int row) {
  labels_[static_cast<std::size_t>(row)] =
      std::string(static_cast<std::size_t>(label_width_), shell::kSeparatorLabelByte);
}

void GageTable::Heading(int column, std::string_view upper, std::string_view lower) {
  upper_[static_cast<std::size_t>(column)] = upper;
  lower_[static_cast<std::size_t>(column)] = lower;
}

void GageTable::Format(int column, int width, int decimals) {
  formats_[static_cast<std::size_t>(column)] = {width, decimals};
}

bool GageTable::Show(shell::Request& request) const {
  shell::ResultTable table;
  if (shell::AllocateResultTable(table, shell::kTableWithoutCellTexts, columns_, rows_,
                                 label_width_, shell::kColumnNameWidth) != shell::TableStatus::kOk)
    return false;
  for (int line = 1; line <= shell::kTitleLines; ++line)
    shell::SetTableTitle(table.Title(), line, title_[line - 1]);
  table.SetRowHeader(header_);
  for (int c = 0; c < columns_; ++c) {
    table.SetUpperName(c, upper_[static_cast<std::size_t>(c)]);
    table.SetColumnName(c, lower_[static_cast<std::size_t>(c)]);
    const auto [width, decimals] = formats_[static_cast<std::size_t>(c)];
    if (width > 0) table.SetColumnFormat(c, width, decimals);
  }
  for (int r = 0; r < rows_; ++r) table.SetRowLabel(r, labels_[static_cast<std::size_t>(r)]);
  std::copy(values_.begin(), values_.end(), table.Values().begin());
  const bool shown = request.Show(table);
  shell::ReleaseResultTable(table);
  return shown;
}

std::string TitleNumber(double value) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 5);
  return std::string(buffer, written.ptr);
}

std::string Labelled(std::string_view label, double value) {
  return std::string(shell::TrimBlanks(label)) + TitleNumber(value);
}

std::string CountsLine(std::string_view pattern, const StudySize& size) {
  const auto right4 = [](std::int64_t count) {
    const std::string text = std::to_string(count);
    return text.size() < 4 ? std::string(4 - text.size(), ' ') + text : text;
  };
  const std::string counts[] = {right4(size.operators), right4(size.parts), right4(size.trials)};
  return shell::FillAfterMarks(pattern, ':', counts);
}

}  // namespace kpa::gage
