// The description of a chart that the module hands to the host's chart service: series of
// points drawn as lines, markers or bars, titles, axes (linear, logarithmic or probability
// scales, with ticks chosen by the host or given with their labels), legend, reference
// lines and free annotations. The host renders it (SVG, JSON); the module only describes it.
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

// How values are placed along an axis. On the probability scales the values are
// probabilities strictly between 0 and 1, placed at their standard normal quantile (normal
// probability paper) or at ln(-ln(1 - p)) (Weibull probability paper, whose other axis is
// logarithmic); values outside (0, 1) cannot be shown.
enum class AxisScaleKind { kLinear, kLogarithmic, kNormalProbability, kWeibullProbability };

struct AxisTick {
  double value = 0.0;
  std::string label;  // shown as given; empty: a tick without a label
};

struct ChartAxis {
  std::string title;
  std::optional<double> minimum;  // fixed range; unset: fitted to the data
  std::optional<double> maximum;
  std::optional<double> step;  // distance between ticks (linear scale); unset: chosen neatly
  AxisScaleKind scale = AxisScaleKind::kLinear;
  // Explicit ticks, drawn with their labels instead of the ticks the host would choose (a
  // probability paper's percent lines, dates, class limits).
  std::vector<AxisTick> ticks;
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
