// The tolerance-limits spreadsheet: the counts, mean and sigma used, the specification, the
// confidence and proportion, and the interval; cells without a value read "  N/A   ".
#pragma once

#include <cstdint>
#include <optional>

#include "capability/specifications/spec_record.h"
#include "shell/request/request.h"

namespace kpa::capability {

struct ToleranceResult {
  bool distribution_free = false;
  std::int64_t ntol = 0;
  double mu = 0.0;
  double sigma = 0.0;
  SpecLimits limits;
  std::optional<double> confidence;  // gamma
  std::optional<double> proportion;  // p
  std::optional<double> lower;
  std::optional<double> upper;
};

bool ShowToleranceTable(shell::Request& request, const ToleranceResult& result);

}  // namespace kpa::capability
