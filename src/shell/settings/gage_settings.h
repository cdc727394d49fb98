// Settings of the gage repeatability and reproducibility procedure kept in the settings block.
#pragma once

#include <cstdint>

namespace kpa::shell {

enum class GageMode : std::int16_t { kGenerateDesign = 1, kAnalyzeStudy = 2 };
enum class GageSource : std::int16_t { kDataFile = 1, kDataSheet = 2 };

struct GageSettings {
  GageMode mode = GageMode::kGenerateDesign;
  GageSource source = GageSource::kDataFile;
  // The master tab the gage dialogs last asked for: 1 the data-file tab, 2 the data-sheet
  // tab, anything else the first tab of the step's own dialog.
  std::int16_t master_tab = 0;
};

}  // namespace kpa::shell
