// The SVG rendering of a chart description: laid out first (chart_layout.h), then painted
// layer by layer (chart_painters.h): titles, grid and axes, series, reference lines,
// annotations, legend.
#include "host/impl/render/chart_render.h"

#include <fmt/format.h>

#include "host/impl/render/chart_layout.h"
#include "host/impl/render/chart_painters.h"
#include "host/impl/render/chart_style.h"

namespace kpa::host::render {

std::string RenderChartSvgElement(const ChartSpec& chart, std::string_view id_prefix) {
  const ChartLayout layout = LayOutChart(chart);
  const std::string clip_id = fmt::format("{}-plot", id_prefix);
  std::string out;
  out += fmt::format(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0}\" height=\"{1}\" "
      "viewBox=\"0 0 {0} {1}\" font-family=\"{2}\" fill=\"#222222\">\n",
      Px(layout.width), Px(layout.height), kFontFamily);
  out += fmt::format(
      "<defs><clipPath id=\"{}\"><rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\"/>"
      "</clipPath></defs>\n",
      clip_id, Px(layout.plot_left), Px(layout.plot_top), Px(layout.plot_right - layout.plot_left),
      Px(layout.plot_bottom - layout.plot_top));
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  PaintTitles(layout, out);
  PaintAxes(chart, layout, out);
  PaintSeries(chart, layout, clip_id, out);
  PaintReferenceLines(chart, layout, out);
  PaintAnnotations(chart, layout, out);
  PaintLegend(chart, layout, out);
  out += "</svg>\n";
  return out;
}

std::string RenderChartSvg(const ChartSpec& chart) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + RenderChartSvgElement(chart, "kpa");
}

}  // namespace kpa::host::render
