// Settings of the process-capability procedures kept in the module-wide settings block.
#pragma once

#include <cstdint>

namespace kpa::shell {

enum class CapabilityInputMode : std::int16_t { kRawData = 1, kAggregatedData = 2 };

struct CapabilitySettings {
  CapabilityInputMode input_mode = CapabilityInputMode::kRawData;
};

}  // namespace kpa::shell
