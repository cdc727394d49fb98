// The typing of one column of a delimited text file, cell by cell as the rows stream past:
// numbers go straight into the variable's array of doubles and texts into codes, so that a
// file is never held as cells.
//
// A cell is missing when it is empty, NA, '.', or the number equal to the column's missing
// code. A column of numbers (and missing cells) is numeric. A column whose cells are all text
// becomes a coded variable: codes 1, 2, 3, ... in the order the texts first appear, each
// labelled with its text (texts compare exactly, so "ok" and "OK" are two codes). A column
// mixing numbers and texts is an error naming the first cell out of line.
//
// A column may be allowed a decimal comma of its own (a file with a decimal point whose
// spreadsheet quoted "10,012"): its cells are then read both ways until one of them is not a
// number with a decimal comma. When that happens after such cells were read, the column must
// be typed again without the allowance (NeedsRetyping): the codes of its texts depend on the
// order in which they first appeared.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/impl/data/data_set.h"

namespace kpa::host::data {

bool IsMissingToken(std::string_view cell);

class ColumnTyping {
 public:
  // `decimal` is the file's decimal mark; `comma_allowed` lets a file with a decimal point
  // read this column's cells with a decimal comma when all of them read so.
  ColumnTyping(double missing_code, char decimal, bool comma_allowed, std::size_t expected_rows);

  void Add(std::string_view cell, int line);

  bool NeedsRetyping() const { return comma_cells_ > 0 && !comma_possible_; }
  // Whether the column was read with a decimal comma of its own.
  bool ReadWithComma() const { return comma_cells_ > 0 && comma_possible_; }
  // Moves the values, and the labels of a text column, into `variable`; throws DataFileError
  // (file `path`, the column `column` 1-based with its `header`) for a mixed column or a
  // missing code that is also a text's code.
  void Finish(Variable& variable, const std::string& path, int column, const std::string& header);

 private:
  struct FirstCell {
    int line = 0;
    std::string text;
  };

  double missing_code_;
  char decimal_;
  bool comma_possible_;
  std::size_t comma_cells_ = 0;  // cells read only with the column's own decimal comma
  std::vector<double> values_;
  std::size_t numbers_ = 0;
  std::size_t texts_ = 0;
  std::optional<FirstCell> first_number_;
  std::optional<FirstCell> first_text_;
  std::unordered_map<std::string, double> codes_;
  std::vector<std::string> labels_;  // the text of code k + 1
};

}  // namespace kpa::host::data
