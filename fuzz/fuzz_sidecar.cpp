// The metadata sidecar of a CSV file (JSON) on any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/impl/data/data_set.h"
#include "host/impl/data/sidecar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    kpa::host::data::ParseSidecar(text, "fuzz.csv.json");
  } catch (const kpa::host::data::DataFileError&) {
  }
  return 0;
}
