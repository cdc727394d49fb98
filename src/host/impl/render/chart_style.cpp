#include "host/impl/render/chart_style.h"

#include <fmt/format.h>
#include <cmath>

#include "host/api/special_values.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

constexpr const char* kPalette[] = {"#0072B2", "#D55E00", "#009E73", "#CC79A7",
                                    "#E69F00", "#56B4E9", "#000000", "#999999"};
constexpr std::size_t kPaletteSize = sizeof kPalette / sizeof kPalette[0];

}  // namespace

const char* SeriesColour(std::size_t index) { return kPalette[index % kPaletteSize]; }

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

std::string Px(double value) {
  if (std::fabs(value) < 0.005) return "0.00";
  return fmt::format("{:.2f}", value);
}

bool Usable(double value) { return !IsSpecialValue(value) && std::isfinite(value); }

bool HasLine(SeriesStyle style) {
  return style == SeriesStyle::kLine || style == SeriesStyle::kLineAndMarkers;
}
bool HasMarkers(SeriesStyle style) {
  return style == SeriesStyle::kMarkers || style == SeriesStyle::kLineAndMarkers;
}

std::string Text(double x, double y, std::string_view text, double font, std::string_view anchor,
                 std::string_view extra) {
  return fmt::format("<text x=\"{}\" y=\"{}\" font-size=\"{}\" text-anchor=\"{}\"{}>{}</text>\n",
                     Px(x), Px(y), font, anchor, extra, EscapeXml(text));
}

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

}  // namespace kpa::host::render
