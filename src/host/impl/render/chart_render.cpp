// JSON and SVG renderings of chart descriptions. The SVG layout is computed from estimated
// text widths (an average advance of 0.6 em for the sans-serif font): title lines on top,
// the plot area framed below them, the legend to the right of the plot area so that it
// never hides data, labels of vertical reference lines above the plot area in as many rows
// as they need.
#include "host/impl/render/chart_render.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "host/api/special_values.h"
#include "host/impl/render/axis_scale.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

using Json = nlohmann::ordered_json;

constexpr double kBaseWidth = 800;
constexpr double kBaseHeight = 520;
constexpr double kTitleFont = 16;
constexpr double kSubtitleFont = 13;
constexpr double kAxisTitleFont = 13;
constexpr double kTickFont = 12;
constexpr double kLabelFont = 11;
constexpr double kCharWidth = 0.6;  // average advance of DejaVu Sans, in em
constexpr double kTickLength = 5;
constexpr double kLegendRow = 18;
constexpr double kLegendSwatch = 26;
constexpr double kLegendMaxText = 320;
constexpr double kMinPlotWidth = 500;  // the SVG widens rather than squeeze the plot
constexpr double kMarkerSize = 4.2;
constexpr int kXIntervals = 8;
constexpr int kYIntervals = 7;
constexpr int kMaxReferenceRows = 3;
constexpr const char* kFontFamily = "DejaVu Sans, Verdana, Arial, sans-serif";

// Okabe and Ito's palette, which stays distinct for colour-blind readers; its yellow is
// left out because it vanishes on white paper.
constexpr const char* kPalette[] = {"#0072B2", "#D55E00", "#009E73", "#CC79A7",
                                    "#E69F00", "#56B4E9", "#000000", "#999999"};
constexpr std::size_t kPaletteSize = sizeof kPalette / sizeof kPalette[0];

const char* SeriesColour(std::size_t index) { return kPalette[index % kPaletteSize]; }

// Beyond the palette, series are told apart by dashes as well.
std::string DashAttribute(std::size_t index) {
  switch ((index / kPaletteSize) % 3) {
    case 1:
      return " stroke-dasharray=\"8 4\"";
    case 2:
      return " stroke-dasharray=\"2 3\"";
    default:
      return "";
  }
}

double TextWidth(std::string_view text, double font) {
  return static_cast<double>(CharacterCount(text)) * font * kCharWidth;
}

// Pixel coordinates with two decimals; never "-0.00".
std::string Px(double value) {
  if (std::fabs(value) < 0.005) return "0.00";
  return fmt::format("{:.2f}", value);
}

bool Usable(double value) { return !IsSpecialValue(value) && std::isfinite(value); }

const char* StyleName(SeriesStyle style) {
  switch (style) {
    case SeriesStyle::kLine:
      return "line";
    case SeriesStyle::kMarkers:
      return "markers";
    case SeriesStyle::kLineAndMarkers:
      return "lineAndMarkers";
    case SeriesStyle::kBars:
      return "bars";
    case SeriesStyle::kStep:
      return "step";
  }
  return "line";
}

bool HasLine(SeriesStyle style) {
  return style == SeriesStyle::kLine || style == SeriesStyle::kLineAndMarkers;
}
bool HasMarkers(SeriesStyle style) {
  return style == SeriesStyle::kMarkers || style == SeriesStyle::kLineAndMarkers;
}

Json OptionalNumber(const std::optional<double>& value) {
  if (value && Usable(*value)) return *value;
  return nullptr;
}

Json NumberOrNull(double value) {
  if (Usable(value)) return value;
  return nullptr;
}

// --- Axes ------------------------------------------------------------------------------

struct ResolvedAxis {
  double minimum = 0;
  double maximum = 1;
  bool logarithmic = false;
  std::vector<double> ticks;
  int decimals = 0;
  double pixel_from = 0;  // pixel of `minimum`
  double pixel_to = 1;    // pixel of `maximum`

  bool Shows(double value) const { return Usable(value) && (!logarithmic || value > 0); }
  double Scaled(double value) const { return logarithmic ? std::log10(value) : value; }
  double ToPixel(double value) const {
    const double lo = Scaled(minimum);
    const double hi = Scaled(maximum);
    return pixel_from + (Scaled(value) - lo) / (hi - lo) * (pixel_to - pixel_from);
  }
  std::string Label(double value) const {
    std::string text;
    const double magnitude = std::max(std::fabs(minimum), std::fabs(maximum));
    if (logarithmic || magnitude >= 1e9 || decimals > 6) {
      text = fmt::format("{:g}", value);
    } else {
      text = fmt::format("{:.{}f}", value, decimals);
    }
    if (text.size() > 1 && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
      text.erase(0, 1);
    return text;
  }
};

ResolvedAxis ResolveAxis(const ChartAxis& spec, const std::vector<double>& data, int intervals) {
  ResolvedAxis axis;
  axis.logarithmic = spec.logarithmic;
  std::vector<double> usable;
  for (const double v : data)
    if (Usable(v) && (!spec.logarithmic || v > 0)) usable.push_back(v);
  auto fixable = [&spec](const std::optional<double>& bound) {
    return bound.has_value() && Usable(*bound) && (!spec.logarithmic || *bound > 0);
  };
  const bool fixed_min = fixable(spec.minimum);
  const bool fixed_max = fixable(spec.maximum);

  double data_min = usable.empty() ? (spec.logarithmic ? 1.0 : 0.0)
                                   : *std::min_element(usable.begin(), usable.end());
  double data_max = usable.empty() ? (spec.logarithmic ? 10.0 : 1.0)
                                   : *std::max_element(usable.begin(), usable.end());
  if (fixed_min) data_min = spec.minimum.value_or(data_min);
  if (fixed_max) data_max = spec.maximum.value_or(data_max);
  if (data_min > data_max) std::swap(data_min, data_max);

  if (spec.logarithmic) {
    axis.minimum = fixed_min ? data_min : std::pow(10.0, std::floor(std::log10(data_min)));
    axis.maximum = fixed_max ? data_max : std::pow(10.0, std::ceil(std::log10(data_max)));
    if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum * 10;
    axis.ticks = LogAxisTicks(axis.minimum, axis.maximum);
    return axis;
  }

  const AxisScale scale = NiceScale(data_min, data_max, intervals);
  double step = scale.step;
  axis.minimum = fixed_min ? data_min : scale.minimum;
  axis.maximum = fixed_max ? data_max : scale.maximum;
  if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum + 1;
  if (spec.step && Usable(*spec.step) && *spec.step > 0) {
    step = *spec.step;
    if (!fixed_min) axis.minimum = std::floor(data_min / step + 1e-9) * step;
    if (!fixed_max) axis.maximum = std::ceil(data_max / step - 1e-9) * step;
    if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum + step;
  } else if (fixed_min || fixed_max) {
    step = NiceStep((axis.maximum - axis.minimum) / intervals);
  }
  // A given step far too small for the range would flood the axis with ticks.
  if ((axis.maximum - axis.minimum) / step > 100)
    step = NiceStep((axis.maximum - axis.minimum) / intervals);
  axis.ticks = AxisTicks(axis.minimum, axis.maximum, step);
  axis.decimals = TickDecimals(step);
  return axis;
}

// Every `stride`-th tick gets a label; the stride grows until neighbouring labels keep a
// gap between them.
std::size_t LabelStride(const std::vector<double>& positions, const std::vector<double>& sizes,
                        double gap) {
  for (std::size_t stride = 1; stride < positions.size(); ++stride) {
    bool clear = true;
    for (std::size_t i = stride; i < positions.size() && clear; i += stride) {
      const double distance = std::fabs(positions[i] - positions[i - stride]);
      if (distance < (sizes[i] + sizes[i - stride]) / 2 + gap) clear = false;
    }
    if (clear) return stride;
  }
  return std::max<std::size_t>(positions.size(), 1);
}

// --- SVG pieces ------------------------------------------------------------------------

std::string Marker(std::size_t series, double x, double y, const char* colour) {
  const double s = kMarkerSize;
  const std::string style =
      fmt::format(" fill=\"{}\" stroke=\"#ffffff\" stroke-width=\"0.7\"", colour);
  switch (series % 5) {
    case 1:
      return fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\"{}/>", Px(x - s),
                         Px(y - s), Px(2 * s), Px(2 * s), style);
    case 2:
      return fmt::format("<path d=\"M{} {}L{} {}L{} {}Z\"{}/>", Px(x), Px(y - 1.25 * s),
                         Px(x + 1.2 * s), Px(y + 0.9 * s), Px(x - 1.2 * s), Px(y + 0.9 * s), style);
    case 3:
      return fmt::format("<path d=\"M{} {}L{} {}L{} {}L{} {}Z\"{}/>", Px(x), Px(y - 1.3 * s),
                         Px(x + 1.3 * s), Px(y), Px(x), Px(y + 1.3 * s), Px(x - 1.3 * s), Px(y),
                         style);
    case 4:
      return fmt::format(
          "<path d=\"M{} {}L{} {}M{} {}L{} {}\" stroke=\"{}\" stroke-width=\"2\" fill=\"none\"/>",
          Px(x - s), Px(y - s), Px(x + s), Px(y + s), Px(x - s), Px(y + s), Px(x + s), Px(y - s),
          colour);
    default:
      return fmt::format("<circle cx=\"{}\" cy=\"{}\" r=\"{}\"{}/>", Px(x), Px(y), Px(s), style);
  }
}

std::string Text(double x, double y, std::string_view text, double font, std::string_view anchor,
                 std::string_view extra = "") {
  return fmt::format("<text x=\"{}\" y=\"{}\" font-size=\"{}\" text-anchor=\"{}\"{}>{}</text>\n",
                     Px(x), Px(y), font, anchor, extra, EscapeXml(text));
}

// A white outline behind a text so that it stays legible over grid lines and data.
constexpr std::string_view kHalo =
    " paint-order=\"stroke\" stroke=\"#ffffff\" stroke-width=\"3\" stroke-linejoin=\"round\"";

struct Layout {
  double width = kBaseWidth;
  double height = kBaseHeight;
  double plot_left = 0;
  double plot_right = 0;
  double plot_top = 0;
  double plot_bottom = 0;
};

struct LegendEntry {
  std::size_t series;
  std::string text;
};

}  // namespace

std::string RenderChartJson(const ChartSpec& chart) {
  Json doc;
  doc["kind"] = "chart";
  doc["title"] = chart.title;
  doc["xTitle"] = chart.x_axis.title;
  doc["yTitle"] = chart.y_axis.title;
  Json series = Json::array();
  for (const auto& s : chart.series) {
    Json points = Json::array();
    for (const auto& [x, y] : s.points) points.push_back({NumberOrNull(x), NumberOrNull(y)});
    series.push_back({{"name", s.name}, {"style", StyleName(s.style)}, {"points", points}});
  }
  doc["series"] = series;
  auto axis = [](const ChartAxis& a) {
    return Json{{"minimum", OptionalNumber(a.minimum)},
                {"maximum", OptionalNumber(a.maximum)},
                {"step", OptionalNumber(a.step)},
                {"logarithmic", a.logarithmic}};
  };
  doc["xAxis"] = axis(chart.x_axis);
  doc["yAxis"] = axis(chart.y_axis);
  Json lines = Json::array();
  for (const auto& line : chart.reference_lines) {
    lines.push_back(
        {{"orientation",
          line.orientation == ReferenceOrientation::kVertical ? "vertical" : "horizontal"},
         {"position", NumberOrNull(line.position)},
         {"label", line.label}});
  }
  doc["referenceLines"] = lines;
  Json notes = Json::array();
  for (const auto& note : chart.annotations)
    notes.push_back(
        {{"x", NumberOrNull(note.x)}, {"y", NumberOrNull(note.y)}, {"text", note.text}});
  doc["annotations"] = notes;
  doc["showLegend"] = chart.show_legend;
  return doc.dump(2) + "\n";
}

std::string RenderChartSvgElement(const ChartSpec& chart, std::string_view id_prefix) {
  // Data extents. Bars stand on zero and need half a bar of room beside the outer ones.
  std::vector<double> xs;
  std::vector<double> ys;
  std::vector<double> bar_xs;
  std::size_t bar_series = 0;
  for (const auto& s : chart.series) {
    if (s.style == SeriesStyle::kBars) ++bar_series;
    for (const auto& [x, y] : s.points) {
      if (!Usable(x) || !Usable(y)) continue;
      xs.push_back(x);
      ys.push_back(y);
      if (s.style == SeriesStyle::kBars) bar_xs.push_back(x);
    }
  }
  std::sort(bar_xs.begin(), bar_xs.end());
  bar_xs.erase(std::unique(bar_xs.begin(), bar_xs.end()), bar_xs.end());
  double bar_spacing = 0;  // data units between neighbouring bars
  for (std::size_t i = 1; i < bar_xs.size(); ++i) {
    const double d = bar_xs[i] - bar_xs[i - 1];
    if (bar_spacing == 0 || d < bar_spacing) bar_spacing = d;
  }
  if (bar_series > 0 && !bar_xs.empty()) {
    if (bar_spacing == 0) bar_spacing = bar_xs.front() == 0 ? 1 : std::fabs(bar_xs.front()) / 5;
    xs.push_back(bar_xs.front() - bar_spacing / 2);
    xs.push_back(bar_xs.back() + bar_spacing / 2);
    if (!chart.y_axis.logarithmic) ys.push_back(0.0);
  }
  for (const auto& line : chart.reference_lines)
    (line.orientation == ReferenceOrientation::kVertical ? xs : ys).push_back(line.position);
  for (const auto& note : chart.annotations) {
    xs.push_back(note.x);
    ys.push_back(note.y);
  }
  ResolvedAxis x_axis = ResolveAxis(chart.x_axis, xs, kXIntervals);
  ResolvedAxis y_axis = ResolveAxis(chart.y_axis, ys, kYIntervals);

  // Title lines up to the last that is not blank.
  std::vector<std::string> titles;
  for (const auto& line : chart.title) titles.emplace_back(Trim(line));
  while (!titles.empty() && titles.back().empty()) titles.pop_back();

  std::vector<LegendEntry> legend;
  double legend_text = 0;
  if (chart.show_legend) {
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
      std::string name(Trim(chart.series[i].name));
      if (name.empty()) continue;
      // A name too long for the legend column is shortened with an ellipsis.
      if (TextWidth(name, kTickFont) > kLegendMaxText) {
        const auto keep = static_cast<std::size_t>(kLegendMaxText / (kTickFont * kCharWidth)) - 1;
        name = TakeCharacters(name, keep) + "\u2026";
      }
      legend_text = std::max(legend_text, TextWidth(name, kTickFont));
      legend.push_back({i, name});
    }
  }

  Layout layout;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const double font = i == 0 ? kTitleFont : kSubtitleFont;
    layout.width = std::max(layout.width, TextWidth(titles[i], font) + 40);
  }
  double top = 12;
  for (std::size_t i = 0; i < titles.size(); ++i)
    top += (i == 0 ? kTitleFont : kSubtitleFont) * 1.4;
  top += titles.empty() ? 8 : 12;

  std::vector<std::string> y_labels;
  double y_label_width = 0;
  for (const double t : y_axis.ticks) {
    y_labels.push_back(y_axis.Label(t));
    y_label_width = std::max(y_label_width, TextWidth(y_labels.back(), kTickFont));
  }
  std::vector<std::string> x_labels;
  for (const double t : x_axis.ticks) x_labels.push_back(x_axis.Label(t));
  const double last_x_label = x_labels.empty() ? 0 : TextWidth(x_labels.back(), kTickFont);

  const bool has_y_title = !Trim(chart.y_axis.title).empty();
  const bool has_x_title = !Trim(chart.x_axis.title).empty();
  layout.plot_left = 14 + (has_y_title ? kAxisTitleFont + 10 : 0) + y_label_width + kTickLength + 4;
  const double legend_width = legend.empty() ? 0 : kLegendSwatch + 8 + legend_text + 20;
  if (!legend.empty())
    layout.width = std::max(layout.width, layout.plot_left + kMinPlotWidth + legend_width + 28);
  layout.plot_right =
      layout.width - (legend.empty() ? std::max(24.0, last_x_label / 2 + 10) : legend_width + 28);

  x_axis.pixel_from = layout.plot_left;
  x_axis.pixel_to = layout.plot_right;

  // Labels of vertical reference lines sit above the plot area, in rows that keep them
  // apart.
  struct PlacedLabel {
    double x;
    int row;
    std::string text;
    const ReferenceLine* line;
  };
  std::vector<PlacedLabel> top_labels;
  std::vector<double> row_right(kMaxReferenceRows, -1e9);
  int rows_used = 0;
  for (const auto& line : chart.reference_lines) {
    if (line.orientation != ReferenceOrientation::kVertical || !x_axis.Shows(line.position))
      continue;
    const double x = x_axis.ToPixel(line.position);
    if (x < layout.plot_left - 0.5 || x > layout.plot_right + 0.5) continue;
    const std::string text(Trim(line.label));
    if (text.empty()) {
      top_labels.push_back({x, -1, text, &line});
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
    top_labels.push_back({x, row, text, &line});
  }
  layout.plot_top = top + rows_used * (kLabelFont + 4);
  const double bottom_band =
      kTickLength + 6 + kTickFont + (has_x_title ? 12 + kAxisTitleFont : 0) + 16;
  const double legend_height = static_cast<double>(legend.size()) * kLegendRow + 14;
  layout.height =
      std::max(kBaseHeight, layout.plot_top + std::max(260.0, legend_height) + bottom_band);
  layout.plot_bottom = layout.height - bottom_band;
  y_axis.pixel_from = layout.plot_bottom;
  y_axis.pixel_to = layout.plot_top;

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

  // Titles.
  double baseline = 12;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const double font = i == 0 ? kTitleFont : kSubtitleFont;
    baseline += font * 1.4;
    out += Text(layout.width / 2, baseline - font * 0.35, titles[i], font, "middle",
                i == 0 ? " font-weight=\"bold\"" : "");
  }

  // Grid, frame, ticks and tick labels.
  const double plot_width = layout.plot_right - layout.plot_left;
  const double plot_height = layout.plot_bottom - layout.plot_top;
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
      Px(layout.plot_left), Px(layout.plot_top), Px(plot_width), Px(plot_height));

  {
    std::vector<double> positions;
    std::vector<double> sizes;
    for (std::size_t i = 0; i < x_axis.ticks.size(); ++i) {
      positions.push_back(x_axis.ToPixel(x_axis.ticks[i]));
      sizes.push_back(TextWidth(x_labels[i], kTickFont));
    }
    const std::size_t stride = LabelStride(positions, sizes, 10);
    out += "<g stroke=\"#333333\">\n";
    for (const double x : positions)
      out += fmt::format("<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\"/>\n", Px(x),
                         Px(layout.plot_bottom), Px(layout.plot_bottom + kTickLength));
    out += "</g>\n";
    for (std::size_t i = 0; i < positions.size(); i += stride)
      out += Text(positions[i], layout.plot_bottom + kTickLength + 4 + kTickFont * 0.8, x_labels[i],
                  kTickFont, "middle");
  }
  {
    std::vector<double> positions;
    std::vector<double> sizes;
    for (const double t : y_axis.ticks) {
      positions.push_back(y_axis.ToPixel(t));
      sizes.push_back(kTickFont);
    }
    const std::size_t stride = LabelStride(positions, sizes, 4);
    out += "<g stroke=\"#333333\">\n";
    for (const double y : positions)
      out += fmt::format("<line x1=\"{1}\" y1=\"{0}\" x2=\"{2}\" y2=\"{0}\"/>\n", Px(y),
                         Px(layout.plot_left - kTickLength), Px(layout.plot_left));
    out += "</g>\n";
    for (std::size_t i = 0; i < positions.size(); i += stride)
      out += Text(layout.plot_left - kTickLength - 4, positions[i] + kTickFont * 0.35, y_labels[i],
                  kTickFont, "end");
  }
  if (has_x_title)
    out += Text((layout.plot_left + layout.plot_right) / 2,
                layout.plot_bottom + kTickLength + 6 + kTickFont + 10 + kAxisTitleFont * 0.8,
                Trim(chart.x_axis.title), kAxisTitleFont, "middle");
  if (has_y_title) {
    const double x = 14 + kAxisTitleFont * 0.8;
    const double y = (layout.plot_top + layout.plot_bottom) / 2;
    out += Text(x, y, Trim(chart.y_axis.title), kAxisTitleFont, "middle",
                fmt::format(" transform=\"rotate(-90 {} {})\"", Px(x), Px(y)));
  }

  // Series, clipped to the plot area.
  out += fmt::format("<g clip-path=\"url(#{})\">\n", clip_id);
  const double bar_pixels = bar_series == 0
                                ? 0
                                : std::fabs(x_axis.ToPixel(x_axis.minimum + bar_spacing) -
                                            x_axis.ToPixel(x_axis.minimum)) *
                                      0.85;
  const double bar_width = bar_series == 0 ? 0 : bar_pixels / static_cast<double>(bar_series);
  const double bar_base_value =
      y_axis.logarithmic ? y_axis.minimum : std::clamp(0.0, y_axis.minimum, y_axis.maximum);
  const double bar_base = y_axis.ToPixel(bar_base_value);
  std::size_t bar_index = 0;
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    const auto& s = chart.series[i];
    const char* colour = SeriesColour(i);
    std::vector<std::optional<std::pair<double, double>>> pixels;
    for (const auto& [x, y] : s.points) {
      if (x_axis.Shows(x) && y_axis.Shows(y)) {
        pixels.push_back(std::make_pair(x_axis.ToPixel(x), y_axis.ToPixel(y)));
      } else {
        pixels.push_back(std::nullopt);
      }
    }
    if (s.style == SeriesStyle::kBars) {
      const double offset =
          (static_cast<double>(bar_index) - static_cast<double>(bar_series - 1) / 2) * bar_width;
      out += fmt::format("<g fill=\"{0}\" fill-opacity=\"0.8\" stroke=\"{0}\">\n", colour);
      for (const auto& p : pixels) {
        if (!p) continue;
        const double left = p->first + offset - bar_width / 2;
        const double y_top = std::min(p->second, bar_base);
        out += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\"/>\n", Px(left),
                           Px(y_top), Px(bar_width), Px(std::fabs(bar_base - p->second)));
      }
      out += "</g>\n";
      ++bar_index;
      continue;
    }
    if (HasLine(s.style) || s.style == SeriesStyle::kStep) {
      std::string path;
      bool pen_down = false;
      for (const auto& p : pixels) {
        if (!p) {
          pen_down = false;
          continue;
        }
        if (!pen_down) {
          path += fmt::format("M{} {}", Px(p->first), Px(p->second));
        } else if (s.style == SeriesStyle::kStep) {
          path += fmt::format("H{}V{}", Px(p->first), Px(p->second));
        } else {
          path += fmt::format("L{} {}", Px(p->first), Px(p->second));
        }
        pen_down = true;
      }
      if (!path.empty())
        out += fmt::format(
            "<path d=\"{}\" fill=\"none\" stroke=\"{}\" stroke-width=\"2\" "
            "stroke-linejoin=\"round\" stroke-linecap=\"round\"{}/>\n",
            path, colour, DashAttribute(i));
    }
    if (HasMarkers(s.style)) {
      for (const auto& p : pixels)
        if (p) out += Marker(i, p->first, p->second, colour) + "\n";
    }
  }
  out += "</g>\n";

  // Reference lines: dashed across the plot area, vertical ones labelled above it,
  // horizontal ones at their right end.
  for (const auto& placed : top_labels) {
    out += fmt::format(
        "<line x1=\"{0}\" y1=\"{1}\" x2=\"{0}\" y2=\"{2}\" stroke=\"#444444\" "
        "stroke-width=\"1.3\" stroke-dasharray=\"6 4\"/>\n",
        Px(placed.x), Px(layout.plot_top), Px(layout.plot_bottom));
    if (placed.row >= 0)
      out += Text(placed.x, layout.plot_top - 5 - placed.row * (kLabelFont + 4), placed.text,
                  kLabelFont, "middle");
  }
  for (const auto& line : chart.reference_lines) {
    if (line.orientation != ReferenceOrientation::kHorizontal || !y_axis.Shows(line.position))
      continue;
    const double y = y_axis.ToPixel(line.position);
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

  // Annotations, to the right of their point unless that leaves the plot area.
  for (const auto& note : chart.annotations) {
    if (!x_axis.Shows(note.x) || !y_axis.Shows(note.y)) continue;
    const std::string text(Trim(note.text));
    const double x = x_axis.ToPixel(note.x);
    const double y = y_axis.ToPixel(note.y);
    const bool right = x + 5 + TextWidth(text, kLabelFont) <= layout.plot_right;
    out += Text(right ? x + 5 : x - 5, y - 5, text, kLabelFont, right ? "start" : "end", kHalo);
  }

  // Legend, to the right of the plot area.
  if (!legend.empty()) {
    const double left = layout.plot_right + 16;
    const double legend_top = layout.plot_top;
    out += fmt::format(
        "<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"#ffffff\" "
        "stroke=\"#cccccc\" rx=\"3\"/>\n",
        Px(left), Px(legend_top), Px(legend_width), Px(legend_height));
    for (std::size_t k = 0; k < legend.size(); ++k) {
      const std::size_t i = legend[k].series;
      const SeriesStyle style = chart.series[i].style;
      const char* colour = SeriesColour(i);
      const double y = legend_top + 7 + kLegendRow * (static_cast<double>(k) + 0.5);
      const double x = left + 8;
      if (style == SeriesStyle::kBars) {
        out += fmt::format(
            "<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"10\" fill=\"{}\" "
            "fill-opacity=\"0.8\" stroke=\"{}\"/>\n",
            Px(x + 4), Px(y - 5), Px(kLegendSwatch - 8), colour, colour);
      } else if (style == SeriesStyle::kStep) {
        out += fmt::format(
            "<path d=\"M{} {}H{}V{}H{}\" fill=\"none\" stroke=\"{}\" stroke-width=\"2\"{}/>\n",
            Px(x), Px(y + 4), Px(x + kLegendSwatch / 2), Px(y - 4), Px(x + kLegendSwatch), colour,
            DashAttribute(i));
      } else if (HasLine(style)) {
        out += fmt::format(
            "<line x1=\"{0}\" y1=\"{2}\" x2=\"{1}\" y2=\"{2}\" stroke=\"{3}\" "
            "stroke-width=\"2\"{4}/>\n",
            Px(x), Px(x + kLegendSwatch), Px(y), colour, DashAttribute(i));
      }
      if (HasMarkers(style)) out += Marker(i, x + kLegendSwatch / 2, y, colour) + "\n";
      out += Text(x + kLegendSwatch + 8, y + kTickFont * 0.35, legend[k].text, kTickFont, "start");
    }
  }
  out += "</svg>\n";
  return out;
}

std::string RenderChartSvg(const ChartSpec& chart) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + RenderChartSvgElement(chart, "kpa");
}

}  // namespace kpa::host::render
