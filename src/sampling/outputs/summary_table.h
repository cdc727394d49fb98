// The fixed-plan summary spreadsheet ("Synthèse"): nine rows, one column of values with
// their texts, built in the shared small-table arrays.
#pragma once

#include "shell/request/request.h"
#include "shell/results/result_table.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

inline constexpr int kSummaryRows = 9;
inline constexpr int kSummaryRowLabelWidth = 24;
// Row 3 writes "NNNNN (NNNNNN)": 14 characters. The cells are made that wide so the exact N
// is not cut (a 12-character cell would lose its last digits and the parenthesis).
inline constexpr int kSummaryCellWidth = 14;
inline constexpr std::uint8_t kSummaryOptionByte = 156;

// Fills `table` with the summary of the plan in force.
[[nodiscard]] shell::TableStatus BuildFixedSummary(const shell::Request& request,
                                                   const shell::SamplingSettings& settings,
                                                   shell::ResultTable& table);

}  // namespace kpa::sampling
