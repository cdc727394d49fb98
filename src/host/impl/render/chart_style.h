// The look shared by the chart painters: font sizes, the palette, text widths estimated
// from an average advance of 0.6 em for the sans-serif font, pixel coordinates with two
// decimals, and the SVG text and marker elements.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/api/chart_spec.h"

namespace kpa::host::render {

inline constexpr double kBaseWidth = 800;
inline constexpr double kBaseHeight = 520;
inline constexpr double kTitleFont = 16;
inline constexpr double kSubtitleFont = 13;
inline constexpr double kAxisTitleFont = 13;
inline constexpr double kTickFont = 12;
inline constexpr double kLabelFont = 11;
inline constexpr double kCharWidth = 0.6;  // average advance of DejaVu Sans, in em
inline constexpr double kTickLength = 5;
inline constexpr double kLegendRow = 18;
inline constexpr double kLegendSwatch = 26;
inline constexpr double kLegendMaxText = 320;
inline constexpr double kMinPlotWidth = 500;  // the SVG widens rather than squeeze the plot
inline constexpr double kMarkerSize = 4.2;
inline constexpr const char* kFontFamily = "DejaVu Sans, Verdana, Arial, sans-serif";

// A white outline behind a text so that it stays legible over grid lines and data.
inline constexpr std::string_view kHalo =
    " paint-order=\"stroke\" stroke=\"#ffffff\" stroke-width=\"3\" stroke-linejoin=\"round\"";

// The colour of series `index`: Okabe and Ito's palette, which stays distinct for
// colour-blind readers, without its yellow (it vanishes on white paper).
const char* SeriesColour(std::size_t index);
// Beyond the palette, series are told apart by dashes as well: "" or a dasharray attribute.
std::string DashAttribute(std::size_t index);

double TextWidth(std::string_view text, double font);
// Pixel coordinates with two decimals; never "-0.00".
std::string Px(double value);
// Whether a coordinate can be drawn: neither a missing-data marker nor infinite.
bool Usable(double value);

bool HasLine(SeriesStyle style);
bool HasMarkers(SeriesStyle style);

// A <text> element; `extra` holds further attributes, each with its leading blank.
std::string Text(double x, double y, std::string_view text, double font, std::string_view anchor,
                 std::string_view extra = "");
// The marker of series `series` (circle, square, triangle, diamond, cross in turn).
std::string Marker(std::size_t series, double x, double y, const char* colour);

}  // namespace kpa::host::render
