#include "host/impl/render/chart_layout.h"

#include <algorithm>
#include <cmath>

#include "host/impl/render/chart_style.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

constexpr int kXIntervals = 8;
constexpr int kYIntervals = 7;
constexpr int kMaxReferenceRows = 3;

// The values each axis must show. Bars stand on zero and need half a bar of room beside
// the outer ones.
void ResolveAxes(const ChartSpec& chart, ChartLayout& layout) {
  std::vector<double> xs;
  std::vector<double> ys;
  std::vector<double> bar_xs;
  for (const auto& s : chart.series) {
    if (s.style == SeriesStyle::kBars) ++layout.bar_series;
    for (const auto& [x, y] : s.points) {
      if (!Usable(x) || !Usable(y)) continue;
      xs.push_back(x);
      ys.push_back(y);
      if (s.style == SeriesStyle::kBars) bar_xs.push_back(x);
    }
  }
  std::sort(bar_xs.begin(), bar_xs.end());
  bar_xs.erase(std::unique(bar_xs.begin(), bar_xs.end()), bar_xs.end());
  double& spacing = layout.bar_spacing;
  for (std::size_t i = 1; i < bar_xs.size(); ++i) {
    const double d = bar_xs[i] - bar_xs[i - 1];
    if (spacing == 0 || d < spacing) spacing = d;
  }
  if (layout.bar_series > 0 && !bar_xs.empty()) {
    if (spacing == 0) spacing = bar_xs.front() == 0 ? 1 : std::fabs(bar_xs.front()) / 5;
    xs.push_back(bar_xs.front() - spacing / 2);
    xs.push_back(bar_xs.back() + spacing / 2);
    if (chart.y_axis.scale == AxisScaleKind::kLinear) ys.push_back(0.0);
  }
  for (const auto& line : chart.reference_lines)
    (line.orientation == ReferenceOrientation::kVertical ? xs : ys).push_back(line.position);
  for (const auto& note : chart.annotations) {
    xs.push_back(note.x);
    ys.push_back(note.y);
  }
  layout.x_axis = ResolveAxis(chart.x_axis, xs, kXIntervals);
  layout.y_axis = ResolveAxis(chart.y_axis, ys, kYIntervals);
}

void CollectLegend(const ChartSpec& chart, ChartLayout& layout) {
  if (!chart.show_legend) return;
  double text_width = 0;
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    std::string name(Trim(chart.series[i].name));
    if (name.empty()) continue;
    if (TextWidth(name, kTickFont) > kLegendMaxText) {
      const auto keep = static_cast<std::size_t>(kLegendMaxText / (kTickFont * kCharWidth)) - 1;
      name = TakeCharacters(name, keep) + "\u2026";
    }
    text_width = std::max(text_width, TextWidth(name, kTickFont));
    layout.legend.push_back({i, name});
  }
  if (layout.legend.empty()) return;
  layout.legend_width = kLegendSwatch + 8 + text_width + 20;
  layout.legend_height = static_cast<double>(layout.legend.size()) * kLegendRow + 14;
}

// Labels of vertical reference lines sit above the plot area, in rows that keep them
// apart; the number of rows used is returned.
int PlaceReferenceLabels(const ChartSpec& chart, ChartLayout& layout) {
  std::vector<double> row_right(kMaxReferenceRows, -1e9);
  int rows_used = 0;
  for (const auto& line : chart.reference_lines) {
    if (line.orientation != ReferenceOrientation::kVertical || !layout.x_axis.Shows(line.position))
      continue;
    const double x = layout.x_axis.ToPixel(line.position);
    if (x < layout.plot_left - 0.5 || x > layout.plot_right + 0.5) continue;
    const std::string text(Trim(line.label));
    if (text.empty()) {
      layout.top_labels.push_back({x, -1, text});
      continue;
    }
    const double half = TextWidth(text, kLabelFont) / 2;
    int row = kMaxReferenceRows - 1;
    for (int r = 0; r < kMaxReferenceRows; ++r) {
      if (x - half > row_right[static_cast<std::size_t>(r)] + 6) {
        row = r;
        break;
      }
    }
    row_right[static_cast<std::size_t>(row)] = x + half;
    rows_used = std::max(rows_used, row + 1);
    layout.top_labels.push_back({x, row, text});
  }
  return rows_used;
}

}  // namespace

ChartLayout LayOutChart(const ChartSpec& chart) {
  ChartLayout layout;
  layout.width = kBaseWidth;
  ResolveAxes(chart, layout);
  for (const auto& line : chart.title) layout.titles.emplace_back(Trim(line));
  while (!layout.titles.empty() && layout.titles.back().empty()) layout.titles.pop_back();
  CollectLegend(chart, layout);

  const auto& titles = layout.titles;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const double font = i == 0 ? kTitleFont : kSubtitleFont;
    layout.width = std::max(layout.width, TextWidth(titles[i], font) + 40);
  }
  double top = 12;
  for (std::size_t i = 0; i < titles.size(); ++i)
    top += (i == 0 ? kTitleFont : kSubtitleFont) * 1.4;
  top += titles.empty() ? 8 : 12;

  double y_label_width = 0;
  for (const std::string& label : layout.y_axis.labels)
    y_label_width = std::max(y_label_width, TextWidth(label, kTickFont));
  const auto& x_labels = layout.x_axis.labels;
  const double last_x_label = x_labels.empty() ? 0 : TextWidth(x_labels.back(), kTickFont);

  layout.has_y_title = !Trim(chart.y_axis.title).empty();
  layout.has_x_title = !Trim(chart.x_axis.title).empty();
  layout.plot_left =
      14 + (layout.has_y_title ? kAxisTitleFont + 10 : 0) + y_label_width + kTickLength + 4;
  const bool legend = !layout.legend.empty();
  if (legend)
    layout.width =
        std::max(layout.width, layout.plot_left + kMinPlotWidth + layout.legend_width + 28);
  layout.plot_right =
      layout.width - (legend ? layout.legend_width + 28 : std::max(24.0, last_x_label / 2 + 10));
  layout.x_axis.pixel_from = layout.plot_left;
  layout.x_axis.pixel_to = layout.plot_right;

  const int rows_used = PlaceReferenceLabels(chart, layout);
  layout.plot_top = top + rows_used * (kLabelFont + 4);
  const double bottom_band =
      kTickLength + 6 + kTickFont + (layout.has_x_title ? 12 + kAxisTitleFont : 0) + 16;
  const double legend_height = legend ? layout.legend_height : 14;
  layout.height =
      std::max(kBaseHeight, layout.plot_top + std::max(260.0, legend_height) + bottom_band);
  layout.plot_bottom = layout.height - bottom_band;
  layout.y_axis.pixel_from = layout.plot_bottom;
  layout.y_axis.pixel_to = layout.plot_top;
  return layout;
}

}  // namespace kpa::host::render
