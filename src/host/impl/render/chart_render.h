// Renderings of a chart description: JSON for programs and SVG for people. Pure functions
// with deterministic output (coordinates with two decimals, fixed tick formats).
#pragma once

#include <string>
#include <string_view>

#include "host/api/chart_spec.h"

namespace kpa::host::render {

// {"kind":"chart","title":[...],"xTitle":"...","yTitle":"...","series":[{"name","style",
// "points":[[x,y],...]}],"xAxis":{...},"yAxis":{...},"referenceLines":[...],
// "annotations":[...],"showLegend":true}; missing coordinates are null.
std::string RenderChartJson(const ChartSpec& chart);

// A standalone SVG document: title lines, a framed plot area with 1-2-5 ticks (the fixed
// ranges and steps of the axes when given), tick labels thinned so they never overlap,
// axis titles, the series in distinct colours and marker shapes, labelled reference lines,
// annotations and a legend to the right of the plot area. A missing marker (or a point that
// a logarithmic axis cannot show) breaks a line.
std::string RenderChartSvg(const ChartSpec& chart);

// The same <svg> element without the XML declaration, for inclusion in an HTML page;
// `id_prefix` keeps the element's ids apart from those of other charts on the page.
std::string RenderChartSvgElement(const ChartSpec& chart, std::string_view id_prefix);

}  // namespace kpa::host::render
