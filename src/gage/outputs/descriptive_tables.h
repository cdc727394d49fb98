// The descriptive reports of a study: the input summary of the results dialog and the
// statistics by operator and by part.
#pragma once

#include <string>
#include <vector>

#include "gage/outputs/gage_table.h"
#include "gage/outputs/study_names.h"

namespace kpa::gage {

// The row labels of the operators and the parts: the codes' labels or numbers (a data file),
// the operator numbers and the part variables' names (a data sheet).
struct LevelLabels {
  std::vector<std::string> operators;
  std::vector<std::string> parts;
};

// The lines of the input summary.
std::vector<std::string> InputSummary(const shell::Request& request, const Study& study,
                                      const StudyNames& names);

GageTable DescriptiveTable(const shell::Request& request, const Study& study,
                           const StudyNames& names, const LevelLabels& labels, bool by_operator);

}  // namespace kpa::gage
