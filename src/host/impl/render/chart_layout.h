// The layout of a chart's SVG, computed before anything is painted: the title lines, the
// legend entries, the plot area (the SVG widens rather than squeeze it), both axes mapped
// to pixels, the rows of the labels of vertical reference lines above the plot area, and
// the width of the bars.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/api/chart_spec.h"
#include "host/impl/render/chart_axes.h"

namespace kpa::host::render {

struct LegendEntry {
  std::size_t series;
  std::string text;  // shortened with an ellipsis when too long for the legend column
};

// A vertical reference line and the row of its label above the plot area (-1: no label).
struct PlacedLabel {
  double x;
  int row;
  std::string text;
};

struct ChartLayout {
  double width = 0;
  double height = 0;
  double plot_left = 0;
  double plot_right = 0;
  double plot_top = 0;
  double plot_bottom = 0;
  std::vector<std::string> titles;  // up to the last line that is not blank
  ResolvedAxis x_axis;
  ResolvedAxis y_axis;
  bool has_x_title = false;
  bool has_y_title = false;
  std::vector<LegendEntry> legend;
  double legend_width = 0;
  double legend_height = 0;
  std::vector<PlacedLabel> top_labels;
  std::size_t bar_series = 0;  // series drawn as bars, side by side
  double bar_spacing = 0;      // data units between neighbouring bars
};

ChartLayout LayOutChart(const ChartSpec& chart);

}  // namespace kpa::host::render
