// The reports of the ANOVA method: the complete three-way and two-way tables, the variance
// components with confidence limits, and the percent-tolerance analysis.
#pragma once

#include "gage/model/anova.h"
#include "gage/outputs/gage_table.h"
#include "gage/outputs/study_names.h"
#include "gage/outputs/variance_tables.h"

namespace kpa::gage {

GageTable ThreeWayAnovaTable(const shell::Request& request, const StudyNames& names,
                             const ThreeWayTable& anova);

GageTable TwoWayAnovaTable(const shell::Request& request, const StudyNames& names,
                           const TwoWayAnalysis& anova, double confidence);

GageTable AnovaVarianceTable(const shell::Request& request, const Study& study,
                             const StudyNames& names, const TwoWayAnalysis& anova,
                             double confidence);

GageTable AnovaPercentToleranceTable(const shell::Request& request, const Study& study,
                                     const StudyNames& names, const TwoWayAnalysis& anova,
                                     double confidence, const ToleranceOptions& options);

}  // namespace kpa::gage
