// The series, clipped to the plot area: bars side by side around their x, lines and steps
// broken at every point the axes cannot show, markers in the series' shape.
#include <fmt/format.h>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "host/impl/render/chart_painters.h"
#include "host/impl/render/chart_style.h"

namespace kpa::host::render {
namespace {

using PixelPoints = std::vector<std::optional<std::pair<double, double>>>;

PixelPoints ToPixels(const ChartSeries& series, const ChartLayout& layout) {
  PixelPoints pixels;
  for (const auto& [x, y] : series.points) {
    if (layout.x_axis.Shows(x) && layout.y_axis.Shows(y)) {
      pixels.push_back(std::make_pair(layout.x_axis.ToPixel(x), layout.y_axis.ToPixel(y)));
    } else {
      pixels.push_back(std::nullopt);
    }
  }
  return pixels;
}

struct BarGeometry {
  double width = 0;  // of one series' bar
  double base = 0;   // pixel of the value bars stand on
};

BarGeometry Bars(const ChartLayout& layout) {
  BarGeometry bars;
  if (layout.bar_series == 0) return bars;
  const ResolvedAxis& x = layout.x_axis;
  const ResolvedAxis& y = layout.y_axis;
  const double group = std::fabs(x.ToPixel(x.minimum + layout.bar_spacing) - x.ToPixel(x.minimum));
  bars.width = group * 0.85 / static_cast<double>(layout.bar_series);
  const double base_value =
      y.scale == AxisScaleKind::kLinear ? std::clamp(0.0, y.minimum, y.maximum) : y.minimum;
  bars.base = y.ToPixel(base_value);
  return bars;
}

void PaintBars(const PixelPoints& pixels, const BarGeometry& bars, double offset,
               const char* colour, std::string& out) {
  out += fmt::format("<g fill=\"{0}\" fill-opacity=\"0.8\" stroke=\"{0}\">\n", colour);
  for (const auto& p : pixels) {
    if (!p) continue;
    const double left = p->first + offset - bars.width / 2;
    const double y_top = std::min(p->second, bars.base);
    out += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\"/>\n", Px(left),
                       Px(y_top), Px(bars.width), Px(std::fabs(bars.base - p->second)));
  }
  out += "</g>\n";
}

void PaintPath(const PixelPoints& pixels, bool step, std::size_t index, std::string& out) {
  std::string path;
  bool pen_down = false;
  for (const auto& p : pixels) {
    if (!p) {
      pen_down = false;
      continue;
    }
    if (!pen_down) {
      path += fmt::format("M{} {}", Px(p->first), Px(p->second));
    } else if (step) {
      path += fmt::format("H{}V{}", Px(p->first), Px(p->second));
    } else {
      path += fmt::format("L{} {}", Px(p->first), Px(p->second));
    }
    pen_down = true;
  }
  if (path.empty()) return;
  out += fmt::format(
      "<path d=\"{}\" fill=\"none\" stroke=\"{}\" stroke-width=\"2\" "
      "stroke-linejoin=\"round\" stroke-linecap=\"round\"{}/>\n",
      path, SeriesColour(index), DashAttribute(index));
}

}  // namespace

void PaintSeries(const ChartSpec& chart, const ChartLayout& layout, std::string_view clip_id,
                 std::string& out) {
  out += fmt::format("<g clip-path=\"url(#{})\">\n", clip_id);
  const BarGeometry bars = Bars(layout);
  std::size_t bar_index = 0;
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    const ChartSeries& s = chart.series[i];
    const char* colour = SeriesColour(i);
    const PixelPoints pixels = ToPixels(s, layout);
    if (s.style == SeriesStyle::kBars) {
      const double offset =
          (static_cast<double>(bar_index) - static_cast<double>(layout.bar_series - 1) / 2) *
          bars.width;
      PaintBars(pixels, bars, offset, colour, out);
      ++bar_index;
      continue;
    }
    if (HasLine(s.style) || s.style == SeriesStyle::kStep)
      PaintPath(pixels, s.style == SeriesStyle::kStep, i, out);
    if (HasMarkers(s.style))
      for (const auto& p : pixels)
        if (p) out += Marker(i, p->first, p->second, colour) + "\n";
  }
  out += "</g>\n";
}

}  // namespace kpa::host::render
