// Strings of the process-capability procedure.
#include "resources/string_table.h"

namespace kpa::resources {

std::span<const StringEntry> CapabilityStrings() { return {}; }

}  // namespace kpa::resources
