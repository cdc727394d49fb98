// The grid every gage report is assembled in, and the texts of numbers and counts in
// titles.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gage/model/layout.h"
#include "shell/request/request.h"
#include "shell/results/result_grid.h"

namespace kpa::gage {

using GageTable = shell::ResultGrid;

// A number as the titles write it: five significant digits at most.
std::string TitleNumber(double value);
// "Moy.=0.0014": a label without its padding blanks, then the number.
std::string Labelled(std::string_view label, double value);
// "Opérat.:  3   Pièces: 10 ..." : the counts written after the labels of `pattern`.
std::string CountsLine(std::string_view pattern, const StudySize& size);

}  // namespace kpa::gage
