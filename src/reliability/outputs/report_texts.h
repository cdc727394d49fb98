// Texts every Weibull report shares: the data line below each title (variables, censoring
// codes, counts), the row label of a case (censored cases marked "*"), the two-line summary
// of the results dialogs, and the labels of the confidence-limit columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

// The grouped table stands as a life table (it was not expanded to failure times).
bool GroupedLifeTable(const shell::WeibullSettings& settings);

// The time variables of the data line: two joined by "-", others by blanks.
std::string TimeVariableNames(const shell::Request& request,
                              const shell::WeibullSettings& settings);
std::string DataLine(const shell::Request& request, const shell::WeibullSettings& settings);
std::string CaseLabel(const shell::Request& request, std::int64_t case_row, bool censored);
std::string CensoredFootnote(const shell::Request& request);
std::vector<std::string> DialogSummary(const shell::Request& request,
                                       const shell::WeibullSettings& settings);
// "  -95%" and "+  95%" for cl = 0.95.
std::string LowerLimitLabel(double cl);
std::string UpperLimitLabel(double cl);
// "95%": the level in percent, for subtitles.
std::string LevelPercent(double cl);
// A legend text with the chart placeholder "@F[1]" replaced by the fitted line itself
// ("y = a + b x"): the host has no placeholder service. Trimmed.
std::string LineLegend(std::string_view text, double intercept, double slope);
// A number as the titles and legends write it: five significant digits at most.
std::string ShortNumber(double value);

}  // namespace kpa::reliability
