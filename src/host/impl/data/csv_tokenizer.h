// The cells of a delimited text file, one at a time, with the physical line each starts on.
// Cells follow RFC 4180 with the delimiter given (',', ';' or a tab): a cell in double
// quotes may hold the delimiter, line breaks and doubled quotes (""); blanks around a cell
// are dropped (tabs too, unless the tab is the delimiter). Lines starting with '#' before the
// header are comments; blank lines there are skipped.
#pragma once

#include <array>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kpa::host::data {

// A cell's text is a view into the file's text, or into the tokenizer's scratch copy when
// the cell had to be unescaped (doubled quotes, line breaks inside quotes): a cell read by
// NextCell is valid until the next call; one stored by NextRow as long as the tokenizer.
struct CsvCell {
  std::string_view text;
  bool quoted = false;
  int line = 0;  // physical line where the cell starts

  bool IsBlank() const { return !quoted && text.empty(); }
};

struct CsvRow {
  int line = 0;
  std::span<const CsvCell> cells;

  bool IsBlank() const { return cells.size() == 1 && cells[0].IsBlank(); }
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
  // Reads the next cell of the current row, `column` (1-based) naming it in errors. Returns
  // true when another cell of the same row follows, false at the end of the row.
  bool NextCell(CsvCell& cell, int column);
  // Appends the next row's cells to `store`, which keeps their texts.
  void NextRow(CsvRows& store);

 private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  void ReadQuoted(CsvCell& cell, int column);

  std::string_view text_;
  const std::string& path_;
  char delimiter_;
  bool valid_utf8_;
  std::array<bool, 256> stops_{};  // bytes that end an unquoted cell
  std::size_t pos_ = 0;
  int line_ = 1;
  std::string scratch_;                // the text of the last unescaped cell
  bool scratch_used_ = false;          // whether the last cell read is in scratch_
  std::deque<std::string> unescaped_;  // texts of the unescaped cells NextRow stored
};

}  // namespace kpa::host::data
