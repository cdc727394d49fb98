// What a chart says beside its series: reference lines with their labels, annotations and
// the legend.
#include <fmt/format.h>

#include "host/impl/render/chart_painters.h"
#include "host/impl/render/chart_style.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {

void PaintReferenceLines(const ChartSpec& chart, const ChartLayout& layout, std::string& out) {
  for (const auto& placed : layout.top_labels) {
    out += fmt::format(
        "<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\" stroke=\"#444444\" "
        "stroke-width=\"1.3\" stroke-dasharray=\"6 4\"/>\n",
        Px(placed.x), Px(layout.plot_top), Px(layout.plot_bottom));
    if (placed.row >= 0)
      out += Text(placed.x, layout.plot_top - 5 - placed.row * (kLabelFont + 4), placed.text,
                  kLabelFont, "middle");
  }
  for (const auto& line : chart.reference_lines) {
    if (line.orientation != ReferenceOrientation::kHorizontal ||
        !layout.y_axis.Shows(line.position))
      continue;
    const double y = layout.y_axis.ToPixel(line.position);
    if (y < layout.plot_top - 0.5 || y > layout.plot_bottom + 0.5) continue;
    out += fmt::format(
        "<line x1=\"{1}\" y1=\"{0}\" x2=\"{2}\" y2=\"{0}\" stroke=\"#444444\" "
        "stroke-width=\"1.3\" stroke-dasharray=\"6 4\"/>\n",
        Px(y), Px(layout.plot_left), Px(layout.plot_right));
    const std::string text(Trim(line.label));
    if (text.empty()) continue;
    // Above the line, unless that would leave the plot area.
    const double text_y = y - 5 - kLabelFont < layout.plot_top ? y + 4 + kLabelFont : y - 5;
    out += Text(layout.plot_right - 5, text_y, text, kLabelFont, "end", kHalo);
  }
}

void PaintAnnotations(const ChartSpec& chart, const ChartLayout& layout, std::string& out) {
  for (const auto& note : chart.annotations) {
    if (!layout.x_axis.Shows(note.x) || !layout.y_axis.Shows(note.y)) continue;
    const std::string text(Trim(note.text));
    const double x = layout.x_axis.ToPixel(note.x);
    const double y = layout.y_axis.ToPixel(note.y);
    const bool right = x + 5 + TextWidth(text, kLabelFont) <= layout.plot_right;
    out += Text(right ? x + 5 : x - 5, y - 5, text, kLabelFont, right ? "start" : "end", kHalo);
  }
}

void PaintLegend(const ChartSpec& chart, const ChartLayout& layout, std::string& out) {
  if (layout.legend.empty()) return;
  const double left = layout.plot_right + 16;
  const double top = layout.plot_top;
  out += fmt::format(
      "<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"#ffffff\" "
      "stroke=\"#cccccc\" rx=\"3\"/>\n",
      Px(left), Px(top), Px(layout.legend_width), Px(layout.legend_height));
  for (std::size_t k = 0; k < layout.legend.size(); ++k) {
    const std::size_t i = layout.legend[k].series;
    const SeriesStyle style = chart.series[i].style;
    const char* colour = SeriesColour(i);
    const double y = top + 7 + kLegendRow * (static_cast<double>(k) + 0.5);
    const double x = left + 8;
    if (style == SeriesStyle::kBars) {
      out += fmt::format(
          "<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"10\" fill=\"{}\" "
          "fill-opacity=\"0.8\" stroke=\"{}\"/>\n",
          Px(x + 4), Px(y - 5), Px(kLegendSwatch - 8), colour, colour);
    } else if (style == SeriesStyle::kStep) {
      out += fmt::format(
          "<path d=\"M{} {}H{}V{}H{}\" fill=\"none\" stroke=\"{}\" stroke-width=\"2\"{}/>\n", Px(x),
          Px(y + 4), Px(x + kLegendSwatch / 2), Px(y - 4), Px(x + kLegendSwatch), colour,
          DashAttribute(i));
    } else if (HasLine(style)) {
      out += fmt::format(
          "<line x1=\"{0}\" y1=\"{2}\" x2=\"{1}\" y2=\"{2}\" stroke=\"{3}\" "
          "stroke-width=\"2\"{4}/>\n",
          Px(x), Px(x + kLegendSwatch), Px(y), colour, DashAttribute(i));
    }
    if (HasMarkers(style)) out += Marker(i, x + kLegendSwatch / 2, y, colour) + "\n";
    out += Text(x + kLegendSwatch + 8, y + kTickFont * 0.35, layout.legend[k].text, kTickFont,
                "start");
  }
}

}  // namespace kpa::host::render
