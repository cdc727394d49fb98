// The title texts the capability plots share: a label followed by its value, and the lines
// naming the law a plot or histogram compares the observations with.
#pragma once

#include <string>
#include <string_view>

#include "capability/model/model_law.h"
#include "shell/request/request.h"

namespace kpa::capability {

// A number as plot titles write it: six significant digits at most.
std::string PlotNumber(double value);

// The label as it stands, then the value (after a blank when the label ends without one).
std::string Labelled(std::string_view label, const std::string& value);

// "Par.1 : 1.23  Par.2 : 4.56" (the second for the two-parameter laws only).
std::string FittedParametersText(const shell::Request& request, const shell::NamedFit& fit);

// The legend of the law's line or curve: "Normale", "Non-Norm" or "Théoriq.".
int LawLegend(const ModelLaw& law);

// A text without its leading and trailing blanks.
std::string Trimmed(const std::string& text);

// The fitted law's parameter line of the histograms: "Niveau :" the threshold (laws with
// one), ",Echel 1 :" the beta's scale, ",Par.1 : " and ",Par.2 : " as they apply.
std::string FittedParameterLine(const shell::Request& request, const shell::NamedFit& fit);

}  // namespace kpa::capability
