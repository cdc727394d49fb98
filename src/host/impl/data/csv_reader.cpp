// The CSV reader: a tokenizer that keeps physical line numbers, then the column rules.
#include "host/impl/data/csv_reader.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/impl/data/data_file.h"
#include "host/impl/data/names.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

// Variables are addressed by 16-bit numbers.
constexpr std::size_t kMaxVariables = 32767;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Cell {
  std::string text;
  bool quoted = false;
  int line = 0;  // physical line where the cell starts
};

struct Row {
  int line = 0;
  std::vector<Cell> cells;

  bool IsBlank() const { return cells.size() == 1 && !cells[0].quoted && cells[0].text.empty(); }
};

class Tokenizer {
 public:
  Tokenizer(std::string_view text, const std::string& path) : text_(text), path_(path) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // Skips the comment lines and blank lines in front of the header.
  void SkipPreamble() {
    while (!AtEnd()) {
      const std::size_t end = text_.find_first_of("\r\n", pos_);
      const std::string_view line =
          text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
      if (!line.starts_with('#') && !Trim(line).empty()) return;
      pos_ = end == std::string_view::npos ? text_.size() : end;
      ConsumeLineEnd();
    }
  }

  Row NextRow() {
    Row row;
    row.line = line_;
    while (true) {
      Cell cell = NextCell(static_cast<int>(row.cells.size()) + 1);
      row.cells.push_back(std::move(cell));
      if (!AtEnd() && text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      ConsumeLineEnd();
      return row;
    }
  }

 private:
  bool AtLineEnd() const { return AtEnd() || text_[pos_] == '\n' || text_[pos_] == '\r'; }

  // CRLF, LF and a lone CR each end one physical line.
  void ConsumeLineEnd() {
    if (AtEnd()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  void SkipSpaces() {
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  Cell NextCell(int column) {
    Cell cell;
    cell.line = line_;
    SkipSpaces();
    if (!AtEnd() && text_[pos_] == '"') {
      cell.quoted = true;
      ReadQuoted(cell, column);
      SkipSpaces();
      if (!AtLineEnd() && text_[pos_] != ',') {
        throw DataFileError(path_, line_, column, "unexpected text after the closing quote");
      }
    } else {
      const std::size_t start = pos_;
      while (!AtLineEnd() && text_[pos_] != ',') ++pos_;
      cell.text = std::string(Trim(text_.substr(start, pos_ - start)));
    }
    if (!IsValidUtf8(cell.text)) {
      throw DataFileError(path_, cell.line, column, "the cell is not valid UTF-8 text");
    }
    return cell;
  }

  void ReadQuoted(Cell& cell, int column) {
    ++pos_;  // the opening quote
    while (true) {
      if (AtEnd()) {
        throw DataFileError(path_, cell.line, column, "a quoted cell is never closed");
      }
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

  std::string_view text_;
  const std::string& path_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

bool IsMissingToken(std::string_view cell) { return cell.empty() || cell == "NA" || cell == "."; }

std::string CellCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Where the case names come from: a 0-based column, or none.
std::optional<std::size_t> CaseNameColumn(const std::vector<std::string>& headers,
                                          const std::vector<Row>& rows, const Sidecar* sidecar,
                                          const std::string& path) {
  if (sidecar != nullptr) {
    if (std::holds_alternative<NoCaseNames>(sidecar->case_names)) return std::nullopt;
    if (const auto* header = std::get_if<std::string>(&sidecar->case_names)) {
      const auto found = std::find(headers.begin(), headers.end(), *header);
      if (found == headers.end()) {
        throw DataFileError(
            sidecar->path, 0, 0,
            "case_names names column " + Quoted(*header) + ", which " + path + " does not have");
      }
      return static_cast<std::size_t>(found - headers.begin());
    }
  }
  if (headers.empty() || !(headers[0].empty() || SameName(headers[0], "case"))) {
    return std::nullopt;
  }
  for (const Row& row : rows) {
    const std::string_view cell = row.cells[0].text;
    if (!IsMissingToken(cell) && !ParseNumber(cell)) return 0;
  }
  return std::nullopt;
}

// The sidecar entry of each column: by header text first, then by the short name.
std::vector<const SidecarVariable*> MatchSidecar(const Sidecar* sidecar,
                                                 const std::vector<std::string>& headers,
                                                 const std::vector<std::string>& names,
                                                 std::optional<std::size_t> case_column) {
  std::vector<const SidecarVariable*> entries(headers.size(), nullptr);
  if (sidecar == nullptr) return entries;
  for (const auto& [key, entry] : sidecar->variables) {
    std::optional<std::size_t> column;
    for (std::size_t c = 0; c < headers.size() && !column; ++c) {
      if (c != case_column && headers[c] == key) column = c;
    }
    for (std::size_t c = 0; c < headers.size() && !column; ++c) {
      if (c != case_column && SameName(names[c], key)) column = c;
    }
    if (!column) {
      throw DataFileError(
          sidecar->path, 0, 0,
          "variables names column " + Quoted(key) + ", which is not a variable of the data file");
    }
    if (entries[*column] != nullptr) {
      throw DataFileError(sidecar->path, 0, 0,
                          "variables describes column " + Quoted(headers[*column]) + " twice");
    }
    entries[*column] = &entry;
  }
  return entries;
}

// Fills `variable` from column `c`: numeric, coded text, or an error at the odd cell out.
void FillColumn(Variable& variable, std::size_t c, const std::string& header,
                const std::vector<Row>& rows, const std::string& path) {
  std::size_t numbers = 0;
  std::size_t texts = 0;
  const Row* first_number = nullptr;
  const Row* first_text = nullptr;
  std::vector<std::optional<double>> parsed(rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string_view cell = rows[r].cells[c].text;
    if (IsMissingToken(cell)) continue;
    parsed[r] = ParseNumber(cell);
    if (parsed[r]) {
      if (variable.IsMissing(*parsed[r])) continue;
      if (numbers++ == 0) first_number = &rows[r];
    } else if (texts++ == 0) {
      first_text = &rows[r];
    }
  }
  const int column = static_cast<int>(c) + 1;
  if (numbers > 0 && texts > 0) {
    if (numbers >= texts) {
      throw DataFileError(path, first_text->cells[c].line, column,
                          "'" + first_text->cells[c].text + "' in column " + Quoted(header) +
                              " is not a number, but the column's other cells are numbers");
    }
    throw DataFileError(path, first_number->cells[c].line, column,
                        "'" + first_number->cells[c].text + "' in column " + Quoted(header) +
                            " is a number, but the column's other cells are texts");
  }

  variable.values.reserve(rows.size());
  if (texts == 0) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      variable.values.push_back(parsed[r] ? *parsed[r] : variable.missing_code);
    }
    return;
  }
  std::unordered_map<std::string, double> codes;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string& cell = rows[r].cells[c].text;
    if (IsMissingToken(cell) || parsed[r]) {  // a number here can only be the missing code
      variable.values.push_back(variable.missing_code);
      continue;
    }
    const auto [slot, added] = codes.emplace(cell, static_cast<double>(codes.size() + 1));
    if (added) variable.value_labels.emplace(slot->second, cell);
    variable.values.push_back(slot->second);
  }
  if (variable.value_labels.count(variable.missing_code) > 0) {
    throw DataFileError(path, 0, 0,
                        "column " + Quoted(header) + ": missing code " +
                            FormatNumber(variable.missing_code) + " is also the code of text '" +
                            variable.value_labels[variable.missing_code] +
                            "'; choose another missing code");
  }
}

}  // namespace

ReadResult ReadCsvText(std::string_view text, const std::string& path, const Sidecar* sidecar) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  Tokenizer tokenizer(text, path);
  tokenizer.SkipPreamble();
  if (tokenizer.AtEnd()) throw DataFileError(path, 0, 0, "the file is empty: no header row");
  const Row header_row = tokenizer.NextRow();
  std::vector<Row> rows;
  while (!tokenizer.AtEnd()) rows.push_back(tokenizer.NextRow());
  while (!rows.empty() && rows.back().IsBlank()) rows.pop_back();

  const std::size_t column_count = header_row.cells.size();
  if (column_count > kMaxVariables) {
    throw DataFileError(path, header_row.line, 0,
                        "the header has " + std::to_string(column_count) + " columns; at most " +
                            std::to_string(kMaxVariables) + " are read");
  }
  for (const Row& row : rows) {
    if (row.cells.size() != column_count) {
      const int column = static_cast<int>(std::min(row.cells.size(), column_count)) + 1;
      throw DataFileError(path, row.line, column,
                          "row has " + CellCount(row.cells.size()) + ", header has " +
                              std::to_string(column_count));
    }
  }

  std::vector<std::string> headers;
  for (const Cell& cell : header_row.cells) headers.push_back(cell.text);
  const std::optional<std::size_t> case_column = CaseNameColumn(headers, rows, sidecar, path);

  ReadResult result;
  result.data.source_path = path;
  NameRegistry registry;
  std::vector<std::string> names(column_count);
  std::vector<bool> renamed(column_count, false);
  for (std::size_t c = 0; c < column_count; ++c) {
    const std::string where = "column " + std::to_string(c + 1);
    if (c == case_column) {
      result.notices.push_back(where + " (" + Quoted(headers[c]) + ") holds the case names");
      continue;
    }
    const AssignedName assigned = registry.Assign(headers[c], static_cast<int>(c) + 1);
    names[c] = assigned.name;
    renamed[c] = assigned.changed;
    if (assigned.changed) result.notices.push_back(RenameNotice(where, headers[c], names[c]));
  }
  const auto entries = MatchSidecar(sidecar, headers, names, case_column);

  for (std::size_t c = 0; c < column_count; ++c) {
    if (c == case_column) {
      for (const Row& row : rows) result.data.case_names.push_back(row.cells[c].text);
      continue;
    }
    Variable variable;
    variable.name = names[c];
    if (renamed[c] && !headers[c].empty()) variable.long_name = headers[c];
    if (sidecar != nullptr && sidecar->missing_code) variable.missing_code = *sidecar->missing_code;
    const SidecarVariable* entry = entries[c];
    if (entry != nullptr) {
      if (entry->long_name) variable.long_name = *entry->long_name;
      if (entry->missing_code) variable.missing_code = *entry->missing_code;
    }
    FillColumn(variable, c, headers[c], rows, path);
    if (entry != nullptr && entry->value_labels) {
      if (!variable.value_labels.empty()) {
        throw DataFileError(sidecar->path, 0, 0,
                            "value_labels given for text column " + Quoted(headers[c]) +
                                "; the labels of a text column are its texts");
      }
      variable.value_labels = *entry->value_labels;
    }
    result.data.variables.push_back(std::move(variable));
  }
  return result;
}

ReadResult ReadCsvFile(const std::string& path) {
  RequireRegularFile(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataFileError(path, 0, 0, "cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw DataFileError(path, 0, 0, "cannot read the file");
  const std::optional<Sidecar> sidecar = ReadSidecarFor(path);
  return ReadCsvText(text.str(), path, sidecar ? &*sidecar : nullptr);
}

}  // namespace kpa::host::data
