// The requests of the gage R&R procedure: the design shown and saved in either layout, and
// every output of an analysed study (one dispatcher receives the request code of the
// results dialog). This is the only place where a status becomes a message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gage/data/study_reader.h"
#include "shell/request/request.h"
#include "shell/request/request_table.h"
#include "shell/settings/gage_settings.h"

namespace kpa::gage {

// Codes of the analysis results dialog; never renumbered.
enum class GageRequest : std::int16_t {
  kInputSummary = 0,
  kDescriptive = 1,
  kCompleteAnova = 2,
  kCombinedPlot = 3,
  kRangeChartByOperators = 4,
  kRangeChartByParts = 5,
  kBoxPlot = 6,
  kRepeatabilityPlot = 7,
  kSigmaChartByOperators = 8,
  kSigmaChartByParts = 9,
  kVarianceEstimation = 10,
  kPercentTolerance = 11,
  // The design results dialog.
  kShowDesign = 100,
  kSaveDesign = 101,
  kShowDataSheet = 102,
  kSaveDataSheet = 103,
};

struct GageContext {
  shell::Request& request;
  shell::GageSettings& settings;
  std::optional<std::string> save_name;  // a name given beforehand (ResultsSaveFileName)
  std::vector<std::string> summary;      // request 0: the lines of the input summary
};

[[nodiscard]] shell::RequestStatus RunGageRequest(GageRequest code, GageContext& context);

// Reads the study the specification dialog names into the settings, with its messages;
// true when the results dialog may open.
bool ReadStudy(shell::Request& request, shell::GageSettings& settings);

}  // namespace kpa::gage
