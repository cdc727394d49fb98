// The cells of a delimited text file, row by row, with the physical line each starts on.
// Cells follow RFC 4180 with the delimiter given (',', ';' or a tab): a cell in double
// quotes may hold the delimiter, line breaks and doubled quotes (""); blanks around a cell
// are dropped (tabs too, unless the tab is the delimiter). Lines starting with '#' before the
// header are comments; blank lines there are skipped.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kpa::host::data {

// A cell's text is a view into the file's text, or into the tokenizer's own copy when the
// cell had to be unescaped (doubled quotes, line breaks inside quotes): the text and the
// tokenizer outlive the cells.
struct CsvCell {
  std::string_view text;
  bool quoted = false;
  int line = 0;  // physical line where the cell starts
};

struct CsvRow {
  int line = 0;
  std::span<const CsvCell> cells;

  bool IsBlank() const { return cells.size() == 1 && !cells[0].quoted && cells[0].text.empty(); }
};

// Rows read into one store of cells, so that a row costs no allocation of its own.
struct CsvRows {
  std::vector<CsvCell> cells;
  std::vector<CsvRow> rows;                       // filled by Resolve, once no more cells are added
  std::vector<std::pair<int, std::size_t>> ends;  // (line, end of its cells) per row

  void Resolve();
};

class CsvTokenizer {
 public:
  // `path` names the file in errors (DataFileError). A text known to be valid UTF-8 as a
  // whole spares the check of each cell, which otherwise names the first bad one.
  CsvTokenizer(std::string_view text, const std::string& path, char delimiter,
               bool valid_utf8 = false);

  bool AtEnd() const { return pos_ >= text_.size(); }
  // Skips the comment lines and blank lines in front of the header.
  void SkipPreamble();
  // Appends the next row's cells to `store`.
  void NextRow(CsvRows& store);

 private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  CsvCell NextCell(int column);
  void ReadQuoted(CsvCell& cell, int column);
  std::deque<std::string> unescaped_;  // texts of the cells that differ from the file's bytes

  std::string_view text_;
  const std::string& path_;
  char delimiter_;
  bool valid_utf8_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace kpa::host::data
