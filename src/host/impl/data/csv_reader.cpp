// The CSV reader: a tokenizer that keeps physical line numbers, then the column rules.
#include "host/impl/data/csv_reader.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/impl/data/csv_tokenizer.h"
#include "host/impl/data/data_file.h"
#include "host/impl/data/names.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

// Variables are addressed by 16-bit numbers.
constexpr std::size_t kMaxVariables = 32767;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsMissingToken(std::string_view cell) { return cell.empty() || cell == "NA" || cell == "."; }

std::string CellCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Where the case names come from: a 0-based column, or none.
std::optional<std::size_t> CaseNameColumn(const std::vector<std::string>& headers,
                                          const std::vector<CsvRow>& rows, const Sidecar* sidecar,
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
  for (const CsvRow& row : rows) {
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

// The number a cell spells with the file's decimal mark: with a decimal comma, "1,5" is 1.5
// and "1.5" no number at all.
std::optional<double> ParseCell(std::string_view cell, char decimal) {
  if (decimal == '.') return ParseNumber(cell);
  if (cell.find('.') != std::string_view::npos) return std::nullopt;
  std::string pointed(cell);
  for (char& c : pointed)
    if (c == ',') c = '.';
  return ParseNumber(pointed);
}

// A column of texts that all read as numbers with a decimal comma ("10,012", quoted in a
// comma-separated export) is numbers, not codes.
bool AllCommaNumbers(const std::vector<CsvRow>& rows, std::size_t c) {
  bool comma = false;
  for (const CsvRow& row : rows) {
    const std::string_view cell = row.cells[c].text;
    if (IsMissingToken(cell)) continue;
    if (!ParseCell(cell, ',')) return false;
    comma = comma || cell.find(',') != std::string_view::npos;
  }
  return comma;
}

// Fills `variable` from column `c`: numeric, coded text, or an error at the odd cell out.
// Unless the user stated the decimal mark, a column may have a decimal comma of its own;
// the notice returned says so.
std::optional<std::string> FillColumn(Variable& variable, std::size_t c, const std::string& header,
                                      const std::vector<CsvRow>& rows, const std::string& path,
                                      char decimal, bool decimal_stated) {
  std::optional<std::string> notice;
  if (decimal == '.' && !decimal_stated && AllCommaNumbers(rows, c)) {
    decimal = ',';
    notice = "column " + std::to_string(c + 1) + " (" + Quoted(header) +
             ") holds numbers with a decimal comma; they are read as numbers";
  }
  // One pass reads the numbers into place; a text cell is marked as missing for now.
  std::size_t numbers = 0;
  std::size_t texts = 0;
  const CsvRow* first_number = nullptr;
  const CsvRow* first_text = nullptr;
  variable.values.assign(rows.size(), variable.missing_code);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string_view cell = rows[r].cells[c].text;
    if (IsMissingToken(cell)) continue;
    if (const std::optional<double> number = ParseCell(cell, decimal)) {
      variable.values[r] = *number;
      if (variable.IsMissing(*number)) continue;
      if (numbers++ == 0) first_number = &rows[r];
    } else if (texts++ == 0) {
      first_text = &rows[r];
    }
  }
  const int column = static_cast<int>(c) + 1;
  if (numbers > 0 && texts > 0) {
    if (numbers >= texts) {
      throw DataFileError(path, first_text->cells[c].line, column,
                          "'" + std::string(first_text->cells[c].text) + "' in column " +
                              Quoted(header) +
                              " is not a number, but the column's other cells are numbers");
    }
    throw DataFileError(path, first_number->cells[c].line, column,
                        "'" + std::string(first_number->cells[c].text) + "' in column " +
                            Quoted(header) +
                            " is a number, but the column's other cells are texts");
  }

  if (texts == 0) return notice;
  variable.from_texts = true;
  std::unordered_map<std::string_view, double> codes;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string_view cell = rows[r].cells[c].text;
    // A number here can only be the missing code, already in place.
    if (IsMissingToken(cell) || ParseCell(cell, decimal)) continue;
    const auto [slot, added] = codes.emplace(cell, static_cast<double>(codes.size() + 1));
    if (added) variable.value_labels.emplace(slot->second, std::string(cell));
    variable.values[r] = slot->second;
  }
  if (variable.value_labels.count(variable.missing_code) > 0) {
    throw DataFileError(path, 0, 0,
                        "column " + Quoted(header) + ": missing code " +
                            FormatNumber(variable.missing_code) + " is also the code of text '" +
                            variable.value_labels[variable.missing_code] +
                            "'; choose another missing code");
  }
  return notice;
}

}  // namespace

ReadResult ReadCsvText(std::string_view raw, const std::string& path, const Sidecar* sidecar,
                       const CsvOptions& options) {
  ReadResult result;
  if (raw.starts_with(kByteOrderMark)) raw.remove_prefix(kByteOrderMark.size());
  std::string decoded;
  const bool utf8 = IsValidUtf8(raw);
  const bool windows = options.encoding ? *options.encoding == CsvEncoding::kWindows1252 : !utf8;
  if (windows) {
    decoded = Windows1252ToUtf8(raw);
    raw = decoded;
    if (!options.encoding)
      result.notices.push_back("the file is not UTF-8: it is read as Windows-1252");
  }
  const std::string_view text = raw;
  const CsvDialect dialect = ChooseDialect(text, options, path);
  for (const std::string& notice : dialect.notices) result.notices.push_back(notice);
  // Windows-1252 decoded is valid UTF-8; text read as it stands is when it checked so.
  CsvTokenizer tokenizer(text, path, dialect.delimiter, windows || utf8);
  tokenizer.SkipPreamble();
  if (tokenizer.AtEnd()) throw DataFileError(path, 0, 0, "the file is empty: no header row");
  // Every cell ends at a delimiter or a line end (or the end of the text): their count bounds
  // the cells, so the store is allocated once.
  CsvRows store;
  const auto ends = std::count_if(text.begin(), text.end(), [&dialect](char c) {
    return c == dialect.delimiter || c == '\n' || c == '\r';
  });
  store.cells.reserve(static_cast<std::size_t>(ends) + 1);
  while (!tokenizer.AtEnd()) tokenizer.NextRow(store);
  store.Resolve();
  const CsvRow header_row = store.rows.front();
  std::vector<CsvRow> rows(store.rows.begin() + 1, store.rows.end());
  while (!rows.empty() && rows.back().IsBlank()) rows.pop_back();

  const std::size_t column_count = header_row.cells.size();
  if (column_count > kMaxVariables) {
    throw DataFileError(path, header_row.line, 0,
                        "the header has " + std::to_string(column_count) + " columns; at most " +
                            std::to_string(kMaxVariables) + " are read");
  }
  for (const CsvRow& row : rows) {
    if (row.cells.size() != column_count) {
      const int column = static_cast<int>(std::min(row.cells.size(), column_count)) + 1;
      throw DataFileError(path, row.line, column,
                          "row has " + CellCount(row.cells.size()) + ", header has " +
                              std::to_string(column_count));
    }
  }

  std::vector<std::string> headers;
  for (const CsvCell& cell : header_row.cells) headers.emplace_back(cell.text);
  const std::optional<std::size_t> case_column = CaseNameColumn(headers, rows, sidecar, path);

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
      for (const CsvRow& row : rows) result.data.case_names.emplace_back(row.cells[c].text);
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
    if (auto notice = FillColumn(variable, c, headers[c], rows, path, dialect.decimal,
                                 options.decimal.has_value()))
      result.notices.push_back(std::move(*notice));

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

ReadResult ReadCsvFile(const std::string& path, const CsvOptions& options) {
  RequireRegularFile(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataFileError(path, 0, 0, "cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw DataFileError(path, 0, 0, "cannot read the file");
  const std::optional<Sidecar> sidecar = ReadSidecarFor(path);
  return ReadCsvText(text.str(), path, sidecar ? &*sidecar : nullptr, options);
}

}  // namespace kpa::host::data
