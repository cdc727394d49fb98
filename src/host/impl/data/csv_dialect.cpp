#include "host/impl/data/csv_dialect.h"

#include <array>
#include <memory>
#include <stdexcept>

#include "host/impl/data/csv_tokenizer.h"
#include "host/impl/data/data_set.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

// Rows read to decide the dialect: enough for a header and a page of data.
constexpr std::size_t kSampleRows = 200;
constexpr std::array kDelimiters = {',', ';', '\t'};

std::string DelimiterName(char delimiter) {
  switch (delimiter) {
    case ';':
      return "semicolon";
    case '\t':
      return "tab";
    default:
      return "comma";
  }
}

std::string DelimiterShown(char delimiter) {
  return delimiter == '\t' ? "tabs" : "'" + std::string(1, delimiter) + "'";
}

struct Split {
  char delimiter = ',';
  bool consistent = false;  // every row has the header's number of cells
  std::size_t columns = 0;
  std::unique_ptr<CsvTokenizer> tokenizer;  // owns the unescaped texts of the cells
  CsvRows store;
  std::vector<CsvRow> rows;  // the header, then the sample rows, without blank rows
};

Split SplitOn(std::string_view text, const std::string& path, char delimiter) {
  Split split;
  split.delimiter = delimiter;
  try {
    split.tokenizer = std::make_unique<CsvTokenizer>(text, path, delimiter);
    split.tokenizer->SkipPreamble();
    while (!split.tokenizer->AtEnd() && split.store.ends.size() <= kSampleRows)
      split.tokenizer->NextRow(split.store);
  } catch (const DataFileError&) {
    return split;  // an unclosed quote or text after one: not this delimiter
  }
  split.store.Resolve();
  for (const CsvRow& row : split.store.rows)
    if (!row.IsBlank()) split.rows.push_back(row);
  if (split.rows.empty()) return split;
  split.columns = split.rows.front().cells.size();
  split.consistent = true;
  for (const CsvRow& row : split.rows)
    if (row.cells.size() != split.columns) split.consistent = false;
  return split;
}

bool Usable(const Split& split) { return split.consistent && split.columns >= 2; }

std::string OptionHint() { return "; state it with --csv (or Host.CsvDialect), e.g. "; }

char ChooseDelimiter(std::string_view text, const CsvOptions& options, const std::string& path,
                     std::vector<Split>& splits) {
  for (const char delimiter : kDelimiters) splits.push_back(SplitOn(text, path, delimiter));
  const Split* given = nullptr;
  std::vector<const Split*> usable;
  for (const Split& split : splits) {
    if (options.delimiter && split.delimiter == *options.delimiter) given = &split;
    if (Usable(split)) usable.push_back(&split);
  }
  if (given != nullptr) {
    if (given->columns <= 1 && !usable.empty()) {
      const Split& other = *usable.front();
      throw DataFileError(path, 0, 0,
                          "with the delimiter " + DelimiterName(given->delimiter) +
                              " the file has one column, but its rows split into " +
                              std::to_string(other.columns) + " columns on " +
                              DelimiterShown(other.delimiter) + OptionHint() +
                              "delimiter=" + DelimiterName(other.delimiter));
    }
    return given->delimiter;
  }
  if (usable.size() > 1)
    throw DataFileError(path, 0, 0,
                        "the delimiter cannot be told: the first rows split into " +
                            std::to_string(usable[0]->columns) + " columns on " +
                            DelimiterShown(usable[0]->delimiter) + " and into " +
                            std::to_string(usable[1]->columns) + " on " +
                            DelimiterShown(usable[1]->delimiter) + OptionHint() +
                            "delimiter=" + DelimiterName(usable[1]->delimiter));
  return usable.empty() ? ',' : usable.front()->delimiter;
}

// A cell written as a number with a decimal comma ("1,5", "-0,25", "3,2e-4").
bool IsCommaNumber(std::string_view cell) {
  return cell.find(',') != std::string_view::npos && ParseNumber(cell, ',').has_value();
}

bool IsPointNumber(std::string_view cell) {
  return cell.find('.') != std::string_view::npos && cell.find(',') == std::string_view::npos &&
         ParseNumber(cell).has_value();
}

char ChooseDecimal(const Split& split, const std::string& path) {
  const CsvCell* comma = nullptr;
  const CsvCell* point = nullptr;
  for (std::size_t r = 1; r < split.rows.size(); ++r)
    for (const CsvCell& cell : split.rows[r].cells) {
      if (comma == nullptr && IsCommaNumber(cell.text)) comma = &cell;
      if (point == nullptr && IsPointNumber(cell.text)) point = &cell;
    }
  if (comma != nullptr && point != nullptr)
    throw DataFileError(path, comma->line, 0,
                        "numbers are written with both decimal marks ('" +
                            std::string(comma->text) + "' here, '" + std::string(point->text) +
                            "' on line " + std::to_string(point->line) + ")" + OptionHint() +
                            "decimal=comma or decimal=point");
  return comma != nullptr ? ',' : '.';
}

// U+0080..U+009F of Windows-1252; 0 marks the five bytes it leaves unassigned.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

CsvOptions ParseCsvOptions(std::string_view text) {
  CsvOptions options;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = text.substr(start, end - start);
    pos = end;
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
    const auto bad = [&item](const char* expected) {
      return std::invalid_argument("'" + std::string(item) + "': expected " + expected);
    };
    if (key == "delimiter") {
      if (value == "comma")
        options.delimiter = ',';
      else if (value == "semicolon")
        options.delimiter = ';';
      else if (value == "tab")
        options.delimiter = '\t';
      else if (value == "auto")
        options.delimiter.reset();
      else
        throw bad("delimiter=comma, semicolon, tab or auto");
    } else if (key == "decimal") {
      if (value == "point")
        options.decimal = '.';
      else if (value == "comma")
        options.decimal = ',';
      else if (value == "auto")
        options.decimal.reset();
      else
        throw bad("decimal=point, comma or auto");
    } else if (key == "encoding") {
      if (value == "utf-8")
        options.encoding = CsvEncoding::kUtf8;
      else if (value == "windows-1252")
        options.encoding = CsvEncoding::kWindows1252;
      else if (value == "auto")
        options.encoding.reset();
      else
        throw bad("encoding=utf-8, windows-1252 or auto");
    } else {
      throw bad("delimiter=..., decimal=... or encoding=...");
    }
  }
  return options;
}

std::string FormatCsvOptions(const CsvOptions& options) {
  std::string text =
      "delimiter=" + (options.delimiter ? DelimiterName(*options.delimiter) : "auto");
  text += " decimal=";
  text += options.decimal ? (*options.decimal == ',' ? "comma" : "point") : "auto";
  text += " encoding=";
  if (!options.encoding)
    text += "auto";
  else
    text += *options.encoding == CsvEncoding::kUtf8 ? "utf-8" : "windows-1252";
  return text;
}

CsvDialect ChooseDialect(std::string_view text, const CsvOptions& options,
                         const std::string& path) {
  CsvDialect dialect;
  std::vector<Split> splits;
  dialect.delimiter = ChooseDelimiter(text, options, path, splits);
  const Split* chosen = nullptr;
  for (const Split& split : splits)
    if (split.delimiter == dialect.delimiter) chosen = &split;
  if (options.decimal) {
    dialect.decimal = *options.decimal;
  } else if (dialect.delimiter != ',' && chosen != nullptr) {
    dialect.decimal = ChooseDecimal(*chosen, path);
  }
  if (!options.delimiter && dialect.delimiter != ',')
    dialect.notices.push_back("read as " + DelimiterName(dialect.delimiter) + "-separated with " +
                              (dialect.decimal == ',' ? "a decimal comma" : "a decimal point") +
                              " (detected; --csv states another dialect)");
  return dialect;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else if (byte < 0xA0) {
      const char16_t code = kHighControls[byte - 0x80];
      AppendUtf8(code == 0 ? char32_t{0xFFFD} : char32_t{code}, out);
    } else {
      AppendUtf8(byte, out);
    }
  }
  return out;
}

}  // namespace kpa::host::data
