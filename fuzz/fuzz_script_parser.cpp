// The script language's parser on any text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/script/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    kpa::script::ParseScript(text, "fuzz.kps");
  } catch (const kpa::script::ScriptSyntaxError&) {
  }
  return 0;
}
