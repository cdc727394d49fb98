#include "host/impl/data/csv_tokenizer.h"

#include "host/impl/data/data_set.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {

CsvTokenizer::CsvTokenizer(std::string_view text, const std::string& path, char delimiter,
                           bool valid_utf8)
    : text_(text), path_(path), delimiter_(delimiter), valid_utf8_(valid_utf8) {
  stops_[static_cast<unsigned char>(delimiter)] = true;
  stops_['\n'] = true;
  stops_['\r'] = true;
}

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

void CsvRows::Resolve() {
  rows.clear();
  rows.reserve(ends.size());
  std::size_t first = 0;
  for (const auto& [line, end] : ends) {
    rows.push_back({line, std::span<const CsvCell>(cells).subspan(first, end - first)});
    first = end;
  }
}

void CsvTokenizer::NextRow(CsvRows& store) {
  const int line = line_;
  int column = 1;
  bool more = true;
  while (more) {
    CsvCell cell;
    more = NextCell(cell, column++);
    if (scratch_used_) {
      unescaped_.push_back(scratch_);
      cell.text = unescaped_.back();
    }
    store.cells.push_back(cell);
  }
  store.ends.emplace_back(line, store.cells.size());
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

bool CsvTokenizer::NextCell(CsvCell& cell, int column) {
  cell.line = line_;
  cell.quoted = false;
  scratch_used_ = false;
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
    const std::size_t size = text_.size();
    while (pos_ < size && !stops_[static_cast<unsigned char>(text_[pos_])]) ++pos_;
    cell.text = Trim(text_.substr(start, pos_ - start));
  }
  if (!valid_utf8_ && !IsValidUtf8(cell.text)) {
    throw DataFileError(path_, cell.line, column, "the cell is not valid UTF-8 text");
  }
  if (!AtEnd() && text_[pos_] == delimiter_) {
    ++pos_;
    return true;
  }
  ConsumeLineEnd();
  return false;
}

void CsvTokenizer::ReadQuoted(CsvCell& cell, int column) {
  ++pos_;  // the opening quote
  const std::size_t start = pos_;
  // Most quoted cells are their bytes as they stand: a view. Only a doubled quote or a line
  // break needs the scratch copy.
  while (true) {
    if (AtEnd()) throw DataFileError(path_, cell.line, column, "a quoted cell is never closed");
    const char c = text_[pos_];
    const bool doubled_quote = c == '"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"';
    if (c == '"' && !doubled_quote) {
      cell.text = scratch_used_ ? std::string_view(scratch_) : text_.substr(start, pos_ - start);
      ++pos_;
      return;
    }
    if (!scratch_used_ && (doubled_quote || c == '\r' || c == '\n')) {
      scratch_.assign(text_.substr(start, pos_ - start));
      scratch_used_ = true;
    }
    if (doubled_quote) {
      scratch_ += '"';
      pos_ += 2;
    } else if (c == '\r' || c == '\n') {
      scratch_ += '\n';  // a line break inside quotes is kept as one LF
      ConsumeLineEnd();
    } else {
      if (scratch_used_) scratch_ += c;
      ++pos_;
    }
  }
}

}  // namespace kpa::host::data
