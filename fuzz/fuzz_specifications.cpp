// The process-specifications text of the capability dialogs on any text, for three analysis
// variables, each entry then checked as a specification record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "../tests/support/fake_host.h"
#include "capability/specifications/spec_record.h"
#include "capability/specifications/spec_string.h"
#include "shell/request/request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kpa::testing::FakeHost host = [] {
    kpa::testing::FakeHost made;
    for (const char* name : {"diameter", "Opérateu", "x"}) {
      kpa::testing::FakeVariable variable;
      variable.name = name;
      variable.values = {1.0};
      made.variables.push_back(variable);
    }
    return made;
  }();
  const int variables[] = {1, 2, 3};
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kpa::shell::Request request(host);
  const auto parsed = kpa::capability::ParseSpecificationString(text, variables, request);
  for (const auto& [variable, entry] : parsed.entries)
    if (const auto record = kpa::capability::RecordFromEntry(entry))
      (void)kpa::capability::EffectiveLimits(*record);
  return 0;
}
