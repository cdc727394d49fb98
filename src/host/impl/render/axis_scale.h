// Neat axis scales: a rounded range enclosing the data, with a step of 1, 2 or 5 times a
// power of ten, and the tick positions and label decimals that go with it. Used by the
// chart renderer and by the host's axis-scaling service.
#pragma once

#include <vector>

#include "host/api/host.h"

namespace kpa::host::render {

// The smallest of 1, 2 and 5 times a power of ten that is not below `raw` (raw > 0).
double NiceStep(double raw);

// A range enclosing [minimum, maximum] whose bounds are multiples of a 1-2-5 step giving
// at most `intervals` intervals (at least 1). An empty range is widened around its value
// (by one unit around 0, by a tenth of the value otherwise); bounds given in the wrong
// order are swapped; a non-finite bound gives the range 0 to 1.
AxisScale NiceScale(double minimum, double maximum, int intervals);

// The multiples of `step` lying in [minimum, maximum], allowing for rounding at both ends.
std::vector<double> AxisTicks(double minimum, double maximum, double step);

// Ticks of a logarithmic axis over [minimum, maximum] (both > 0): the powers of ten, with 2
// and 5 times them when the range spans fewer than four decades.
std::vector<double> LogAxisTicks(double minimum, double maximum);

// Decimals needed to write every multiple of `step` exactly (at most 10).
int TickDecimals(double step);

}  // namespace kpa::host::render
