#include "host/impl/data/csv_tokenizer.h"

#include "host/impl/data/data_set.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {

CsvTokenizer::CsvTokenizer(std::string_view text, const std::string& path, char delimiter)
    : text_(text), path_(path), delimiter_(delimiter) {}

void CsvTokenizer::SkipPreamble() {
  while (!AtEnd()) {
    const std::size_t end = text_.find_first_of("\r\n", pos_);
    const std::string_view line =
        text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    if (!line.starts_with('#') && !Trim(line).empty()) return;
    pos_ = end == std::string_view::npos ? text_.size() : end;
    ConsumeLineEnd();
  }
}

CsvRow CsvTokenizer::NextRow() {
  CsvRow row;
  row.line = line_;
  while (true) {
    row.cells.push_back(NextCell(static_cast<int>(row.cells.size()) + 1));
    if (!AtEnd() && text_[pos_] == delimiter_) {
      ++pos_;
      continue;
    }
    ConsumeLineEnd();
    return row;
  }
}

bool CsvTokenizer::AtLineEnd() const {
  return AtEnd() || text_[pos_] == '\n' || text_[pos_] == '\r';
}

// CRLF, LF and a lone CR each end one physical line.
void CsvTokenizer::ConsumeLineEnd() {
  if (AtEnd()) return;
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void CsvTokenizer::SkipBlanks() {
  while (!AtEnd() && (text_[pos_] == ' ' || (text_[pos_] == '\t' && delimiter_ != '\t'))) ++pos_;
}

CsvCell CsvTokenizer::NextCell(int column) {
  CsvCell cell;
  cell.line = line_;
  SkipBlanks();
  if (!AtEnd() && text_[pos_] == '"') {
    cell.quoted = true;
    ReadQuoted(cell, column);
    SkipBlanks();
    if (!AtLineEnd() && text_[pos_] != delimiter_) {
      throw DataFileError(path_, line_, column, "unexpected text after the closing quote");
    }
  } else {
    const std::size_t start = pos_;
    while (!AtLineEnd() && text_[pos_] != delimiter_) ++pos_;
    cell.text = std::string(Trim(text_.substr(start, pos_ - start)));
  }
  if (!IsValidUtf8(cell.text)) {
    throw DataFileError(path_, cell.line, column, "the cell is not valid UTF-8 text");
  }
  return cell;
}

void CsvTokenizer::ReadQuoted(CsvCell& cell, int column) {
  ++pos_;  // the opening quote
  while (true) {
    if (AtEnd()) throw DataFileError(path_, cell.line, column, "a quoted cell is never closed");
    const char c = text_[pos_];
    if (c == '"') {
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        cell.text += '"';
        pos_ += 2;
        continue;
      }
      ++pos_;
      return;
    }
    if (c == '\r' || c == '\n') {
      cell.text += '\n';  // a line break inside quotes is kept as one LF
      ConsumeLineEnd();
      continue;
    }
    cell.text += c;
    ++pos_;
  }
}

}  // namespace kpa::host::data
