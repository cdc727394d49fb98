// The description of a diagram that the module hands to the host's graph service: a
// drawing in the module's own coordinates (y upwards), made of title lines with their font
// sizes, arrows with their line widths, arrowhead sizes and colours, and texts placed at a
// point with an anchoring code and a font size. The cause-and-effect diagram is drawn this
// way; the host renders it (SVG, JSON) through the same output path as charts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpa::host {

struct DiagramPoint {
  double x = 0.0;
  double y = 0.0;
};

struct DiagramColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

struct DiagramTitleLine {
  std::string text;
  double font_size = 12.0;  // points
};

// An arrow from its tail to the point it points at, its head; sizes in points.
struct DiagramArrow {
  DiagramPoint head;
  DiagramPoint tail;
  double width = 1.0;
  double head_length = 10.0;
  double head_width = 15.0;
  DiagramColour colour;
};

// Where a text stands relative to its point. The numbers are the anchoring codes the
// module passes and are never renumbered.
enum class TextAnchor : std::int16_t {
  kCentred = 0,  // centred on the point
  kStart = 1,    // starting at the point, to its right
  kBelow = 2,    // centred under the point
  kAbove = 3,    // centred over the point
  kEnd = 4,      // ending at the point, to its left
};

struct DiagramText {
  DiagramPoint at;
  std::string text;
  TextAnchor anchor = TextAnchor::kCentred;
  double font_size = 10.0;  // points
  DiagramColour colour;
};

struct DiagramSpec {
  // The coordinate space of the drawing: what the page shows.
  double x_minimum = 0.0;
  double x_maximum = 1.0;
  double y_minimum = 0.0;
  double y_maximum = 1.0;
  std::vector<DiagramTitleLine> title;
  std::vector<DiagramArrow> arrows;
  std::vector<DiagramText> texts;
};

}  // namespace kpa::host
