// The OC curves chart ("Courbe d'efficacité"): the family of curves and the plan's own,
// with the plan's description in the title.
#pragma once

#include <string>
#include <vector>

#include "host/api/chart_spec.h"
#include "sampling/model/oc_curves.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

// Title lines shared by the OC chart and the sequential chart.
std::vector<std::string> OcChartTitle(const shell::SamplingSettings& settings);

host::ChartSpec MakeOcChart(const shell::SamplingSettings& settings, const OcFamily& family);

// Computes and draws the curves; shows the module's message when the normal quantile
// cannot be computed. The host's answer (1 when shown), 0 when nothing was drawn.
int DrawOcCurves(const shell::SamplingSettings& settings);

}  // namespace kpa::sampling
