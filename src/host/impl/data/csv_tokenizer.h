// The cells of a delimited text file, row by row, with the physical line each starts on.
// Cells follow RFC 4180 with the delimiter given (',', ';' or a tab): a cell in double
// quotes may hold the delimiter, line breaks and doubled quotes (""); blanks around a cell
// are dropped (tabs too, unless the tab is the delimiter). Lines starting with '#' before the
// header are comments; blank lines there are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kpa::host::data {

struct CsvCell {
  std::string text;
  bool quoted = false;
  int line = 0;  // physical line where the cell starts
};

struct CsvRow {
  int line = 0;
  std::vector<CsvCell> cells;

  bool IsBlank() const { return cells.size() == 1 && !cells[0].quoted && cells[0].text.empty(); }
};

class CsvTokenizer {
 public:
  // `path` names the file in errors (DataFileError).
  CsvTokenizer(std::string_view text, const std::string& path, char delimiter);

  bool AtEnd() const { return pos_ >= text_.size(); }
  // Skips the comment lines and blank lines in front of the header.
  void SkipPreamble();
  CsvRow NextRow();

 private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  CsvCell NextCell(int column);
  void ReadQuoted(CsvCell& cell, int column);

  std::string_view text_;
  const std::string& path_;
  char delimiter_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace kpa::host::data
