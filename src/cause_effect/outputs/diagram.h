// The cause-and-effect diagram as the host's graph component draws it: the title lines, the
// centre arrow, one bone per variable with its label, and the causes along each bone.
#pragma once

#include <string>
#include <vector>

#include "host/api/diagram_spec.h"
#include "shell/request/request.h"
#include "shell/settings/cause_effect_settings.h"

namespace kpa::cause_effect {

// The label of a bone: the variable's name, with ": " and its long name when long names are
// asked for and it has one.
std::string BoneLabel(const shell::Request& request, int variable, bool long_names);

// The label of a cause: the value's label; else the value in the variable's display format
// (dates); else a whole number below 9999999 in magnitude as an integer, any other number in
// 8 characters (as many decimals as fit). With long labels asked for, ": " and the value's long
// label when it has one.
std::string CauseLabel(const shell::Request& request, int variable, double value, bool long_labels);

// The diagram of the bones (the variables above the centre arrow, then those below) and
// their causes, one list per bone.
host::DiagramSpec BuildDiagram(const shell::Request& request,
                               const shell::CauseEffectSettings& settings,
                               const std::vector<std::vector<double>>& causes);

}  // namespace kpa::cause_effect
