// The OC curves chart ("Courbe d'efficacité"): the family of curves and the plan's own,
// with the plan's description in the title.
#pragma once

#include <string>
#include <vector>

#include "host/api/chart_spec.h"
#include "sampling/model/oc_curves.h"
#include "shell/request/request.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

// Title lines shared by the OC chart and the sequential chart.
std::vector<std::string> OcChartTitle(const shell::Request& request,
                                      const shell::SamplingSettings& settings);

host::ChartSpec MakeOcChart(const shell::Request& request, const shell::SamplingSettings& settings,
                            const OcFamily& family);

}  // namespace kpa::sampling
