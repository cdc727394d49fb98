// Renderings of a diagram description: JSON for programs and SVG for people. The drawing's
// coordinate space fills a landscape page under the title lines; sizes given in points
// are drawn at 4/3 pixel per point.
#pragma once

#include <string>
#include <string_view>

#include "host/api/diagram_spec.h"

namespace kpa::host::render {

// {"kind":"diagram","space":{...},"title":[{"text","fontSize"}],"arrows":[...],"texts":[...]}
std::string RenderDiagramJson(const DiagramSpec& diagram);

// A standalone SVG document.
std::string RenderDiagramSvg(const DiagramSpec& diagram);

// The same <svg> element without the XML declaration, for inclusion in an HTML page.
std::string RenderDiagramSvgElement(const DiagramSpec& diagram);

}  // namespace kpa::host::render
