// The CSV reader: the header, the case-name and sidecar rules, then one streaming pass that
// types every column as its cells go by.
#include "host/impl/data/csv_reader.h"

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "host/impl/data/csv_columns.h"
#include "host/impl/data/csv_tokenizer.h"
#include "host/impl/data/data_file.h"
#include "host/impl/data/names.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

// Variables are addressed by 16-bit numbers.
constexpr std::size_t kMaxVariables = 32767;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string CellCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

// The text being read, with what the reader knows of it once the header is in.
struct CsvSource {
  std::string_view text;
  const std::string& path;
  char delimiter;
  bool valid_utf8;
  std::size_t expected_rows;  // an upper bound: the line ends of the text, plus one
};

CsvTokenizer TokenizerAt(const CsvSource& source) {
  CsvTokenizer tokenizer(source.text, source.path, source.delimiter, source.valid_utf8);
  tokenizer.SkipPreamble();
  return tokenizer;
}

std::vector<std::string> ReadHeader(CsvTokenizer& tokenizer, int& line) {
  std::vector<std::string> headers;
  CsvCell cell;
  bool more = true;
  for (int column = 1; more; ++column) {
    more = tokenizer.NextCell(cell, column);
    if (column == 1) line = cell.line;
    headers.emplace_back(cell.text);
  }
  return headers;
}

// Whether a cell of the first column is neither a number nor missing: a pass that stops at
// the first one.
bool FirstColumnHasText(const CsvSource& source) {
  CsvTokenizer tokenizer = TokenizerAt(source);
  int line = 0;
  ReadHeader(tokenizer, line);
  CsvCell cell;
  while (!tokenizer.AtEnd()) {
    bool more = tokenizer.NextCell(cell, 1);
    if (!IsMissingToken(cell.text) && !ParseNumber(cell.text)) return true;
    for (int column = 2; more; ++column) more = tokenizer.NextCell(cell, column);
  }
  return false;
}

// Where the case names come from: a 0-based column, or none.
std::optional<std::size_t> CaseNameColumn(const std::vector<std::string>& headers,
                                          const CsvSource& source, const Sidecar* sidecar) {
  if (sidecar != nullptr) {
    if (std::holds_alternative<NoCaseNames>(sidecar->case_names)) return std::nullopt;
    if (const auto* header = std::get_if<std::string>(&sidecar->case_names)) {
      const auto found = std::find(headers.begin(), headers.end(), *header);
      if (found == headers.end()) {
        throw DataFileError(sidecar->path, 0, 0,
                            "case_names names column " + Quoted(*header) + ", which " +
                                source.path + " does not have");
      }
      return static_cast<std::size_t>(found - headers.begin());
    }
  }
  if (headers.empty() || !(headers[0].empty() || SameName(headers[0], "case"))) {
    return std::nullopt;
  }
  if (FirstColumnHasText(source)) return 0;
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

// What each column becomes: the variable under way (name, labels, missing code), or the
// case names.
struct ColumnPlan {
  std::optional<std::size_t> case_column;
  std::vector<Variable> variables;              // one per column; the case column's stays unused
  std::vector<const SidecarVariable*> entries;  // the sidecar's word on each column, if any
};

// The rows after the header, each cell to its column. Blank lines at the end are ignored; a
// blank line followed by a row is a row of one empty cell. `comma_allowed[c]` says whether
// column c may have a decimal comma of its own.
std::vector<ColumnTyping> TypeColumns(const CsvSource& source, const ColumnPlan& plan, char decimal,
                                      const std::vector<bool>& comma_allowed,
                                      std::vector<std::string>* case_names) {
  const std::size_t column_count = plan.variables.size();
  // A row of n cells takes at least n bytes (its delimiters and its line end): a wide header
  // over many blank lines reserves for the rows there can be, not for the lines.
  const std::size_t expected_rows = std::min(
      source.expected_rows, source.text.size() / std::max<std::size_t>(column_count, 1) + 1);
  std::vector<ColumnTyping> columns;
  columns.reserve(column_count);
  for (std::size_t c = 0; c < column_count; ++c) {
    const bool typed = c != plan.case_column;
    columns.emplace_back(plan.variables[c].missing_code, decimal, comma_allowed[c],
                         typed ? expected_rows : 0);
  }
  if (case_names != nullptr) case_names->clear();
  const auto add = [&](std::size_t c, const CsvCell& cell) {
    if (c == plan.case_column) {
      if (case_names != nullptr) case_names->emplace_back(cell.text);
    } else {
      columns[c].Add(cell.text, cell.line);
    }
  };

  CsvTokenizer tokenizer = TokenizerAt(source);
  int header_line = 0;
  ReadHeader(tokenizer, header_line);
  std::vector<int> blank_lines;  // blank lines not yet followed by a row
  CsvCell cell;
  while (!tokenizer.AtEnd()) {
    bool more = tokenizer.NextCell(cell, 1);
    if (!more && cell.IsBlank()) {
      blank_lines.push_back(cell.line);
      continue;
    }
    if (!blank_lines.empty()) {
      if (column_count != 1)
        throw DataFileError(source.path, blank_lines.front(), 2,
                            "row has 1 cell, header has " + std::to_string(column_count));
      for (const int line : blank_lines) add(0, CsvCell{{}, false, line});
      blank_lines.clear();
    }
    const int row_line = cell.line;
    std::size_t count = 1;
    if (column_count > 0) add(0, cell);
    while (more) {
      more = tokenizer.NextCell(cell, static_cast<int>(count) + 1);
      if (count < column_count) add(count, cell);
      ++count;
    }
    if (count != column_count) {
      const int column = static_cast<int>(std::min(count, column_count)) + 1;
      throw DataFileError(
          source.path, row_line, column,
          "row has " + CellCount(count) + ", header has " + std::to_string(column_count));
    }
  }
  return columns;
}

ColumnPlan PlanColumns(const std::vector<std::string>& headers, const CsvSource& source,
                       const Sidecar* sidecar, ReadResult& result) {
  ColumnPlan plan;
  const std::size_t column_count = headers.size();
  plan.case_column = CaseNameColumn(headers, source, sidecar);
  NameRegistry registry;
  std::vector<std::string> names(column_count);
  std::vector<bool> renamed(column_count, false);
  for (std::size_t c = 0; c < column_count; ++c) {
    const std::string where = "column " + std::to_string(c + 1);
    if (c == plan.case_column) {
      result.notices.push_back(where + " (" + Quoted(headers[c]) + ") holds the case names");
      continue;
    }
    const AssignedName assigned = registry.Assign(headers[c], static_cast<int>(c) + 1);
    names[c] = assigned.name;
    renamed[c] = assigned.changed;
    if (assigned.changed) result.notices.push_back(RenameNotice(where, headers[c], names[c]));
  }
  plan.entries = MatchSidecar(sidecar, headers, names, plan.case_column);
  plan.variables.resize(column_count);
  for (std::size_t c = 0; c < column_count; ++c) {
    Variable& variable = plan.variables[c];
    variable.name = names[c];
    if (renamed[c] && !headers[c].empty()) variable.long_name = headers[c];
    if (sidecar != nullptr && sidecar->missing_code) variable.missing_code = *sidecar->missing_code;
    const SidecarVariable* entry = plan.entries[c];
    if (entry == nullptr) continue;
    if (entry->long_name) variable.long_name = *entry->long_name;
    if (entry->missing_code) variable.missing_code = *entry->missing_code;
  }
  return plan;
}

ReadResult ReadDecodedText(const CsvSource& source, const Sidecar* sidecar,
                           const CsvOptions& options, const CsvDialect& dialect,
                           ReadResult result) {
  CsvTokenizer tokenizer = TokenizerAt(source);
  if (tokenizer.AtEnd()) throw DataFileError(source.path, 0, 0, "the file is empty: no header row");
  int header_line = 0;
  const std::vector<std::string> headers = ReadHeader(tokenizer, header_line);
  const std::size_t column_count = headers.size();
  if (column_count > kMaxVariables) {
    throw DataFileError(source.path, header_line, 0,
                        "the header has " + std::to_string(column_count) + " columns; at most " +
                            std::to_string(kMaxVariables) + " are read");
  }
  ColumnPlan plan = PlanColumns(headers, source, sidecar, result);

  // Unless the user stated the decimal mark, a column of a file with a decimal point may
  // have a decimal comma of its own.
  const bool comma_columns = dialect.decimal == '.' && !options.decimal;
  std::vector<bool> comma_allowed(column_count, comma_columns);
  result.data.source_path = source.path;
  std::vector<ColumnTyping> columns =
      TypeColumns(source, plan, dialect.decimal, comma_allowed, &result.data.case_names);
  bool retype = false;
  for (std::size_t c = 0; c < column_count; ++c) {
    if (c == plan.case_column || !columns[c].NeedsRetyping()) continue;
    comma_allowed[c] = false;
    retype = true;
  }
  if (retype) {
    std::vector<ColumnTyping> again =
        TypeColumns(source, plan, dialect.decimal, comma_allowed, nullptr);
    for (std::size_t c = 0; c < column_count; ++c)
      if (c != plan.case_column && columns[c].NeedsRetyping()) columns[c] = std::move(again[c]);
  }

  for (std::size_t c = 0; c < column_count; ++c) {
    if (c == plan.case_column) continue;
    Variable& variable = plan.variables[c];
    if (columns[c].ReadWithComma())
      result.notices.push_back("column " + std::to_string(c + 1) + " (" + Quoted(headers[c]) +
                               ") holds numbers with a decimal comma; they are read as numbers");
    columns[c].Finish(variable, source.path, static_cast<int>(c) + 1, headers[c]);
    const SidecarVariable* entry = plan.entries[c];
    if (entry != nullptr && entry->value_labels) {
      if (variable.from_texts) {
        throw DataFileError(sidecar->path, 0, 0,
                            "value_labels given for text column " + Quoted(headers[c]) +
                                "; the labels of a text column are its texts");
      }
      variable.value_labels = *entry->value_labels;
    }
    if (entry != nullptr && entry->value_long_labels)
      variable.value_long_labels = *entry->value_long_labels;
    if (entry != nullptr && entry->dates && !variable.from_texts)
      variable.date_format = SpreadsheetDates();
    result.data.variables.push_back(std::move(variable));
  }
  return result;
}

}  // namespace

ReadResult ReadCsvText(std::string_view raw, const std::string& path, const Sidecar* sidecar,
                       const CsvOptions& options) {
  try {
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
    const CsvDialect dialect = ChooseDialect(raw, options, path);
    for (const std::string& notice : dialect.notices) result.notices.push_back(notice);
    const auto line_ends =
        std::count_if(raw.begin(), raw.end(), [](char c) { return c == '\n' || c == '\r'; });
    // Windows-1252 decoded is valid UTF-8; text read as it stands is when it checked so.
    const CsvSource source{raw, path, dialect.delimiter, windows || utf8,
                           static_cast<std::size_t>(line_ends) + 1};
    return ReadDecodedText(source, sidecar, options, dialect, std::move(result));
  } catch (const std::bad_alloc&) {
    throw DataFileError(path, 0, 0, "the file is too large for the memory available");
  }
}

ReadResult ReadCsvFile(const std::string& path, const CsvOptions& options) {
  RequireRegularFile(path);
  const std::optional<Sidecar> sidecar = ReadSidecarFor(path);
  std::string text;
  try {
    text = ReadWholeFile(path);
  } catch (const std::bad_alloc&) {
    throw DataFileError(path, 0, 0, "the file is too large for the memory available");
  }
  return ReadCsvText(text, path, sidecar ? &*sidecar : nullptr, options);
}

}  // namespace kpa::host::data
