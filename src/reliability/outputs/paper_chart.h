// Weibull probability paper: p lines labelled in percent on the ln(-ln(1 - p)) scale, time
// lines on a logarithmic scale of t - offset, the optional principal abscissa at 63.2 %, and
// optional failure times at their plotting positions with their least-squares line.
#pragma once

#include <string>

#include "reliability/model/failure_orders.h"
#include "reliability/outputs/weibull_charts.h"
#include "shell/request/request.h"
#include "shell/settings/weibull_settings.h"

namespace kpa::reliability {

struct PaperData {
  const FailureOrders* orders = nullptr;  // none: a blank paper
  std::string variable;
};

// `plot.too_few_points` when data were given but fewer than 2 failures lie beyond the offset
// (the paper is drawn without a line).
Plot PaperPlot(const shell::Request& request, const shell::PaperSettings& paper,
               const PaperData& data);

}  // namespace kpa::reliability
