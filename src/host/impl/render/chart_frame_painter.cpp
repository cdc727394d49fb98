// Titles, grid, frame, ticks, tick labels (thinned so that they never overlap) and axis
// titles.
#include <fmt/format.h>

#include "host/impl/render/chart_painters.h"
#include "host/impl/render/chart_style.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {

void PaintTitles(const ChartLayout& layout, std::string& out) {
  double baseline = 12;
  for (std::size_t i = 0; i < layout.titles.size(); ++i) {
    const double font = i == 0 ? kTitleFont : kSubtitleFont;
    baseline += font * 1.4;
    out += Text(layout.width / 2, baseline - font * 0.35, layout.titles[i], font, "middle",
                i == 0 ? " font-weight=\"bold\"" : "");
  }
}

void PaintAxes(const ChartSpec& chart, const ChartLayout& layout, std::string& out) {
  const ResolvedAxis& x_axis = layout.x_axis;
  const ResolvedAxis& y_axis = layout.y_axis;
  out += "<g stroke=\"#e3e3e3\" stroke-width=\"1\">\n";
  for (const double t : x_axis.ticks) {
    const double x = x_axis.ToPixel(t);
    out += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\"/>\n", Px(x),
                       Px(layout.plot_top), Px(layout.plot_bottom));
  }
  for (const double t : y_axis.ticks) {
    const double y = y_axis.ToPixel(t);
    out += fmt::format("<line x1=\"{1}\" y1=\"{0}\" x2=\"{2}\" y2=\"{0}\"/>\n", Px(y),
                       Px(layout.plot_left), Px(layout.plot_right));
  }
  out += "</g>\n";
  out += fmt::format(
      "<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"none\" stroke=\"#333333\"/>\n",
      Px(layout.plot_left), Px(layout.plot_top), Px(layout.plot_right - layout.plot_left),
      Px(layout.plot_bottom - layout.plot_top));

  {
    std::vector<double> positions;
    std::vector<double> sizes;
    for (std::size_t i = 0; i < x_axis.ticks.size(); ++i) {
      positions.push_back(x_axis.ToPixel(x_axis.ticks[i]));
      sizes.push_back(TextWidth(x_axis.labels[i], kTickFont));
    }
    const std::vector<std::size_t> drawn = DrawnLabels(positions, sizes, x_axis.labels, 10);
    out += "<g stroke=\"#333333\">\n";
    for (const double x : positions)
      out += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\"/>\n", Px(x),
                         Px(layout.plot_bottom), Px(layout.plot_bottom + kTickLength));
    out += "</g>\n";
    for (const std::size_t i : drawn)
      out += Text(positions[i], layout.plot_bottom + kTickLength + 4 + kTickFont * 0.8,
                  x_axis.labels[i], kTickFont, "middle");
  }
  {
    std::vector<double> positions;
    std::vector<double> sizes;
    for (const double t : y_axis.ticks) {
      positions.push_back(y_axis.ToPixel(t));
      sizes.push_back(kTickFont);
    }
    const std::vector<std::size_t> drawn = DrawnLabels(positions, sizes, y_axis.labels, 4);
    out += "<g stroke=\"#333333\">\n";
    for (const double y : positions)
      out += fmt::format("<line x1=\"{1}\" y1=\"{0}\" x2=\"{2}\" y2=\"{0}\"/>\n", Px(y),
                         Px(layout.plot_left - kTickLength), Px(layout.plot_left));
    out += "</g>\n";
    for (const std::size_t i : drawn)
      out += Text(layout.plot_left - kTickLength - 4, positions[i] + kTickFont * 0.35,
                  y_axis.labels[i], kTickFont, "end");
  }
  if (layout.has_x_title)
    out += Text((layout.plot_left + layout.plot_right) / 2,
                layout.plot_bottom + kTickLength + 6 + kTickFont + 10 + kAxisTitleFont * 0.8,
                Trim(chart.x_axis.title), kAxisTitleFont, "middle");
  if (layout.has_y_title) {
    const double x = 14 + kAxisTitleFont * 0.8;
    const double y = (layout.plot_top + layout.plot_bottom) / 2;
    out += Text(x, y, Trim(chart.y_axis.title), kAxisTitleFont, "middle",
                fmt::format(" transform=\"rotate(-90 {} {})\"", Px(x), Px(y)));
  }
}

}  // namespace kpa::host::render
