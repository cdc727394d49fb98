// Settings of the Weibull and reliability procedure kept in the module-wide settings block.
#pragma once

#include <cstdint>

namespace kpa::shell {

// 0 raw failure times, 1 grouped data, 2 probability paper. Other values can only come from
// a corrupted state; the Weibull step refuses them.
enum class WeibullMode : std::int16_t { kRawData = 0, kGroupedData = 1, kProbabilityPaper = 2 };

struct WeibullSettings {
  WeibullMode mode = WeibullMode::kRawData;
  // 0 when grouped data are analysed as a life table, 1 when they were expanded to cases.
  std::int16_t grouped_flag = 0;
};

}  // namespace kpa::shell
