// The painters of a chart's SVG, each appending its elements for a laid-out chart: titles;
// grid, frame, ticks and axis titles; the series (bars, lines and steps, markers) clipped to
// the plot area; reference lines; annotations; the legend.
#pragma once

#include <string>
#include <string_view>

#include "host/api/chart_spec.h"
#include "host/impl/render/chart_layout.h"

namespace kpa::host::render {

void PaintTitles(const ChartLayout& layout, std::string& out);
void PaintAxes(const ChartSpec& chart, const ChartLayout& layout, std::string& out);
void PaintSeries(const ChartSpec& chart, const ChartLayout& layout, std::string_view clip_id,
                 std::string& out);
// Dashed across the plot area; vertical ones labelled above it, horizontal ones at their
// right end.
void PaintReferenceLines(const ChartSpec& chart, const ChartLayout& layout, std::string& out);
// To the right of their point unless that leaves the plot area.
void PaintAnnotations(const ChartSpec& chart, const ChartLayout& layout, std::string& out);
// To the right of the plot area, one swatch per named series.
void PaintLegend(const ChartSpec& chart, const ChartLayout& layout, std::string& out);

}  // namespace kpa::host::render
