// The grid a procedure's report is assembled in before it becomes a result spreadsheet:
// values (missing until set, or blank on purpose), row labels of a fixed width (a separator
// row between groups), two heading lines per column, three title lines and the heading of
// the label column.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/request/request.h"
#include "shell/results/result_table.h"

namespace kpa::shell {

// The marker of a cell left blank on purpose; renderers leave it empty like a missing value.
double BlankCell();

class ResultGrid {
 public:
  ResultGrid(int rows, int columns, int label_width);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  // A value that is not there (std::nullopt or not finite) is the missing marker.
  void Set(int row, int column, std::optional<double> value);
  // A cell left blank on purpose: the blank marker, distinct from a missing value.
  void Blank(int row, int column);
  std::optional<double> Get(int row, int column) const;
  // A text shown in place of the cell's number (8 characters, like the headings).
  void Text(int row, int column, std::string_view text);
  // The cell is marked for highlighting.
  void Mark(int row, int column);
  void Label(int row, std::string_view text) { labels_[static_cast<std::size_t>(row)] = text; }
  void Separator(int row);
  void Heading(int column, std::string_view upper, std::string_view lower);
  void Title(int line, std::string_view text) { title_[static_cast<std::size_t>(line - 1)] = text; }
  void Header(std::string_view text) { header_ = text; }
  // Column formats: width and decimals of one column (the table's are 12 and 4).
  void Format(int column, int width, int decimals);

  // Builds the result spreadsheet and shows it; false when it could not be allocated or the
  // host did not take it.
  bool Show(shell::Request& request) const;

 private:
  int rows_;
  int columns_;
  int label_width_;
  std::vector<double> values_;      // column after column
  std::vector<std::string> texts_;  // column after column; empty until a text is set
  std::vector<std::pair<int, int>> marked_;
  std::vector<std::string> labels_;
  std::vector<std::string> upper_;
  std::vector<std::string> lower_;
  std::vector<std::pair<int, int>> formats_;  // width, decimals; 0 width: the table's
  std::string title_[shell::kTitleLines];
  std::string header_;
};

}  // namespace kpa::shell
