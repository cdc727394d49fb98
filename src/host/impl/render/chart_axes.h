// An axis of a chart resolved for drawing: its range, its scale, its ticks with their
// labels, and the mapping from data values to pixels once the plot area is known.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/api/chart_spec.h"

namespace kpa::host::render {

struct ResolvedAxis {
  double minimum = 0;
  double maximum = 1;
  AxisScaleKind scale = AxisScaleKind::kLinear;
  std::vector<double> ticks;
  std::vector<std::string> labels;  // one per tick
  double pixel_from = 0;            // pixel of `minimum`
  double pixel_to = 1;              // pixel of `maximum`

  // Whether the scale can place the value (positive on a logarithmic axis, strictly between
  // 0 and 1 on a probability axis).
  bool Shows(double value) const;
  double ToPixel(double value) const;
};

// The axis for `data` (the values it must show): the given range and step where usable,
// otherwise a neat range with about `intervals` intervals; the given ticks, or neat ones.
ResolvedAxis ResolveAxis(const ChartAxis& spec, const std::vector<double>& data, int intervals);

// Every `stride`-th tick gets a label; the stride grows until neighbouring labels keep a
// gap between them. `positions` and `sizes` are in pixels along the axis.
std::size_t LabelStride(const std::vector<double>& positions, const std::vector<double>& sizes,
                        double gap);

// The ticks whose labels are drawn: among the ticks with a label (a tick given without one
// takes no room), every stride-th as LabelStride chooses it.
std::vector<std::size_t> DrawnLabels(const std::vector<double>& positions,
                                     const std::vector<double>& sizes,
                                     const std::vector<std::string>& labels, double gap);

}  // namespace kpa::host::render
