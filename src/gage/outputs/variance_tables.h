// The reports of the range method: the variance estimation and the percent-tolerance
// analysis (the components expressed as k·sigma against the total tolerance).
#pragma once

#include "gage/model/range_method.h"
#include "gage/outputs/gage_table.h"
#include "gage/outputs/study_names.h"

namespace kpa::gage {

struct ToleranceOptions {
  double total_tolerance = 1.0;
  double sigma_intervals = 5.15;
};

GageTable RangeVarianceTable(const shell::Request& request, const Study& study,
                             const StudyNames& names, RangeMode mode,
                             const RangeComponents& components);

GageTable RangePercentToleranceTable(const shell::Request& request, const Study& study,
                                     const StudyNames& names, RangeMode mode,
                                     const RangeComponents& components,
                                     const ToleranceOptions& options);

// The percent columns shared by both methods' percent-tolerance tables: for every row with a
// value in `value_column`, percent of process variation (when `total` > 0), its square as the
// contribution, and percent of the tolerance (when it is positive).
void FillPercentColumns(GageTable& table, int value_column, int rows, double total,
                        double tolerance);

}  // namespace kpa::gage
