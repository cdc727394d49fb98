// The description of a chart that the module hands to the host's chart service: series of
// points drawn as lines, markers or bars, titles, axes, legend, reference lines and free
// annotations. The host renders it (SVG, JSON); the module only describes it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kpa::host {

enum class SeriesStyle { kLine, kMarkers, kLineAndMarkers, kBars, kStep };

struct ChartSeries {
  std::string name;                               // legend entry; empty: not in the legend
  std::vector<std::pair<double, double>> points;  // (x, y); a missing marker breaks a line
  SeriesStyle style = SeriesStyle::kLine;
};

struct ChartAxis {
  std::string title;
  std::optional<double> minimum;  // fixed range; unset: fitted to the data
  std::optional<double> maximum;
  std::optional<double> step;  // distance between ticks; unset: chosen neatly
  bool logarithmic = false;
};

enum class ReferenceOrientation { kVertical, kHorizontal };

struct ReferenceLine {
  ReferenceOrientation orientation = ReferenceOrientation::kVertical;
  double position = 0.0;
  std::string label;  // e.g. "LSI", "Nominal"
};

struct Annotation {
  double x = 0.0;  // data coordinates
  double y = 0.0;
  std::string text;
};

struct ChartSpec {
  std::vector<std::string> title;  // one or more lines
  ChartAxis x_axis;
  ChartAxis y_axis;
  std::vector<ChartSeries> series;
  std::vector<ReferenceLine> reference_lines;
  std::vector<Annotation> annotations;
  bool show_legend = true;
};

}  // namespace kpa::host
