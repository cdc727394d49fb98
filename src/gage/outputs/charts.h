// The charts of a gage study: range and sigma charts by operators or by parts, the
// repeatability and reproducibility summary plot, the combined plot of the cell means and
// the box plots of each operator's part means.
#pragma once

#include <vector>

#include "gage/model/layout.h"
#include "gage/outputs/descriptive_tables.h"
#include "gage/outputs/study_names.h"
#include "host/api/chart_spec.h"
#include "shell/request/request.h"

namespace kpa::gage {

// The operators one summary plot shows; more are spread over several plots.
inline constexpr std::int64_t kOperatorsPerPlot = 37;

host::ChartSpec DispersionChart(const shell::Request& request, const Study& study,
                                const StudyNames& names, bool sigma, bool by_operator);
// ceil(O / 37) plots.
std::vector<host::ChartSpec> RepeatabilityPlots(const shell::Request& request, const Study& study,
                                                const StudyNames& names, const LevelLabels& labels);
host::ChartSpec CombinedPlot(const shell::Request& request, const Study& study,
                             const StudyNames& names, const LevelLabels& labels);
host::ChartSpec BoxPlot(const shell::Request& request, const Study& study, const StudyNames& names,
                        const LevelLabels& labels);

}  // namespace kpa::gage
