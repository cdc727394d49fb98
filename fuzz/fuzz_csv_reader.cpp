// The CSV reader on any bytes, in every dialect it accepts: the first byte chooses what is
// stated (delimiter, decimal mark, encoding, each detected or given), the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/impl/data/csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using kpa::host::data::CsvEncoding;
  kpa::host::data::CsvOptions options;
  const std::uint8_t choice = data[0];
  constexpr char kDelimiters[] = {',', ';', '\t'};
  if (choice & 0x03) options.delimiter = kDelimiters[(choice & 0x03) - 1];
  if (choice & 0x04) options.decimal = (choice & 0x08) ? ',' : '.';
  if (choice & 0x10)
    options.encoding = (choice & 0x20) ? CsvEncoding::kWindows1252 : CsvEncoding::kUtf8;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    kpa::host::data::ReadCsvText(text, "fuzz.csv", nullptr, options);
  } catch (const kpa::host::data::DataFileError&) {
  }
  return 0;
}
