// Reading delimited text data files: comma-, semicolon- or tab-separated, with a decimal
// point or a decimal comma, in UTF-8 or Windows-1252 (csv_dialect.h says how the dialect is
// stated or detected).
//
// A leading byte-order mark is dropped; lines end in LF or CRLF. Lines starting with '#'
// before the header are comments; blank lines there are skipped. The first other line is the
// header of column names. Cells follow RFC 4180 (csv_tokenizer.h). Every row must have as
// many cells as the header; blank lines at the end of the file are ignored, while a blank
// line between rows is a row of one empty cell.
//
// A cell is missing when it is empty, NA, '.', or the number equal to the column's missing
// code. A column of numbers (and missing cells) is numeric; in a file with a decimal point, a
// column whose cells all read as numbers with a decimal comma ("10,012" in quotes) is numeric
// too, with a notice. A column whose cells are all text becomes a coded variable: codes 1, 2,
// 3, ... in the order the texts first appear, each labelled with its text (texts compare
// exactly, so "ok" and "OK" are two codes), marked as made from texts. A column mixing
// numbers and texts is an error naming the first cell out of line.
//
// Case names: the first column holds case names rather than a variable when its header is
// empty or "case" (any letter case) and at least one of its cells is not a number and not
// missing. The sidecar (sidecar.h) may name another column or turn case names off.
#pragma once

#include <string>
#include <string_view>

#include "host/impl/data/csv_dialect.h"
#include "host/impl/data/data_set.h"
#include "host/impl/data/sidecar.h"

namespace kpa::host::data {

// Reads the CSV file at `path` and its sidecar, if there is one. Throws DataFileError.
ReadResult ReadCsvFile(const std::string& path, const CsvOptions& options = {});

// Reads CSV `text`; `path` names the file in errors and becomes the source path. `sidecar`
// may be null. Throws DataFileError.
ReadResult ReadCsvText(std::string_view text, const std::string& path, const Sidecar* sidecar,
                       const CsvOptions& options = {});

}  // namespace kpa::host::data
