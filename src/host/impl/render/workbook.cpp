#include "host/impl/render/workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

#include "host/api/special_values.h"
#include "host/impl/render/table_render.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

constexpr std::size_t kSheetNameLength = 31;  // Excel's limit

// "003 Plan d'Ech. Fixe": the output number, then as much of the title as Excel allows,
// without the characters it refuses in sheet names.
std::string SheetName(int number, const TableSpec& table) {
  char stem[16];
  std::snprintf(stem, sizeof stem, "%03d", number);
  std::string name = stem;
  const std::string_view title = table.title.empty() ? std::string_view() : Trim(table.title[0]);
  std::string cleaned;
  for (const char c : title)
    if (std::string_view("[]:*?/\\'").find(c) == std::string_view::npos) cleaned += c;
  if (!cleaned.empty()) name += " " + cleaned;
  return std::string(TrimRight(TakeCharacters(name, kSheetNameLength)));
}

// The number format of `decimals` fixed decimals: "0", "0.0", "0.00", ...
std::string NumberFormat(int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  return decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The workbook's cell formats: bold, and one per number of decimals, bold or not, made once
// for the whole workbook (the workbook owns them).
class Formats {
 public:
  explicit Formats(lxw_workbook* book) : book_(book), bold_(workbook_add_format(book)) {
    format_set_bold(bold_);
  }
  lxw_format* Bold() const { return bold_; }
  // The number format of a column, bold in a cell marked for highlighting.
  lxw_format* Number(int decimals, bool marked) {
    auto [it, added] = numbers_.try_emplace({decimals, marked}, nullptr);
    if (added) {
      it->second = workbook_add_format(book_);
      format_set_num_format(it->second, NumberFormat(decimals).c_str());
      if (marked) format_set_bold(it->second);
    }
    return it->second;
  }

 private:
  lxw_workbook* book_;
  lxw_format* bold_;
  std::map<std::pair<int, bool>, lxw_format*> numbers_;
};

class Sheet {
 public:
  Sheet(lxw_worksheet* sheet, Formats& formats)
      : sheet_(sheet), formats_(formats), bold_(formats.Bold()) {}

  void Write(const TableSpec& table) {
    lxw_row_t row = 0;
    for (const std::string_view line : TitleLines(table)) {
      if (line.empty()) continue;
      worksheet_write_string(sheet_, row++, 0, std::string(line).c_str(), bold_);
    }
    if (row > 0) ++row;
    if (HasUpperLine(table)) {
      for (std::size_t c = 0; c < table.ColumnCount(); ++c)
        Text(row, c + 1, Trim(table.columns[c].upper), bold_);
      ++row;
    }
    Text(row, 0, Trim(table.row_header), bold_);
    for (std::size_t c = 0; c < table.ColumnCount(); ++c)
      Text(row, c + 1, Trim(table.columns[c].name), bold_);
    ++row;
    for (std::size_t r = 0; r < table.RowCount(); ++r, ++row) {
      Text(row, 0, TrimRight(table.row_labels[r]), nullptr);
      for (std::size_t c = 0; c < table.ColumnCount(); ++c) Cell(table, r, c, row);
    }
    worksheet_set_column(sheet_, 0, 0, std::max(table.row_label_width, 8) + 2.0, nullptr);
    for (std::size_t c = 0; c < table.ColumnCount(); ++c) {
      const auto column = static_cast<lxw_col_t>(c + 1);
      worksheet_set_column(sheet_, column, column, std::max(table.columns[c].width, 8) + 2.0,
                           nullptr);
    }
  }

 private:
  void Text(lxw_row_t row, std::size_t column, std::string_view text, lxw_format* format) {
    if (text.empty()) return;
    worksheet_write_string(sheet_, row, static_cast<lxw_col_t>(column), std::string(text).c_str(),
                           format);
  }

  void Cell(const TableSpec& table, std::size_t r, std::size_t c, lxw_row_t row) {
    const auto column = static_cast<lxw_col_t>(c + 1);
    const bool marked = table.Marked(r, c);
    if (const auto* text = table.Text(r, c); text != nullptr && text->has_value()) {
      Text(row, c + 1, Trim(**text), marked ? bold_ : nullptr);
      return;
    }
    const double value = table.Value(r, c);
    if (IsSpecialValue(value) || !std::isfinite(value)) return;
    worksheet_write_number(sheet_, row, column, value,
                           formats_.Number(table.columns[c].decimals, marked));
  }

  lxw_worksheet* sheet_;
  Formats& formats_;
  lxw_format* bold_;
};

}  // namespace

std::optional<std::string> WriteWorkbook(const std::filesystem::path& path,
                                         const NumberedTables& tables) {
  lxw_workbook* book = workbook_new(path.string().c_str());
  if (book == nullptr) return "cannot create " + path.string();
  Formats formats(book);
  for (const auto& [number, table] : tables) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, SheetName(number, *table).c_str());
    if (sheet == nullptr) sheet = workbook_add_worksheet(book, nullptr);  // a name Excel refuses
    Sheet(sheet, formats).Write(*table);
  }
  const lxw_error status = workbook_close(book);
  if (status != LXW_NO_ERROR) return "cannot write " + path.string() + ": " + lxw_strerror(status);
  return std::nullopt;
}

}  // namespace kpa::host::render
