// The dialect of a delimited text file: its delimiter (',', ';' or a tab), its decimal mark
// ('.' or ',') and its encoding (UTF-8 or Windows-1252), as the user states them or as the
// file shows them.
//
// Detection reads the header and the first rows. The delimiter is the one of ',', ';' and
// tab on which they split into the same number of cells, at least two; when two of them do,
// or when a delimiter given by the user leaves one column while another splits the rows
// consistently, the file is refused with a message that names the option. With ';' or a tab,
// the decimal mark is ',' when numbers are written "1,5" and never "1.5", '.' otherwise; a
// file using both is refused. A file that is not valid UTF-8 is read as Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kpa::host::data {

enum class CsvEncoding { kUtf8, kWindows1252 };

// What the user states; anything left unset is detected.
struct CsvOptions {
  std::optional<char> delimiter;
  std::optional<char> decimal;
  std::optional<CsvEncoding> encoding;
};

// "delimiter=semicolon decimal=comma encoding=windows-1252": items separated by blanks,
// each key=value; delimiter comma, semicolon, tab or auto; decimal point, comma or auto;
// encoding utf-8, windows-1252 or auto. Throws std::invalid_argument naming the bad item.
CsvOptions ParseCsvOptions(std::string_view text);
// The options in the same form ("auto" when nothing is stated).
std::string FormatCsvOptions(const CsvOptions& options);

struct CsvDialect {
  char delimiter = ',';
  char decimal = '.';
  std::vector<std::string> notices;  // what detection decided, for the user
};

// The dialect of UTF-8 `text`. Throws DataFileError when it cannot decide.
CsvDialect ChooseDialect(std::string_view text, const CsvOptions& options, const std::string& path);

// Windows-1252 text as UTF-8 (the five unassigned bytes become U+FFFD).
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace kpa::host::data
