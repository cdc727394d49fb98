#include "host/impl/render/diagram_render.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

#include "host/impl/render/chart_style.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

using Json = nlohmann::ordered_json;

constexpr double kPageWidth = 1000;
constexpr double kDrawingHeight = 640;
constexpr double kMargin = 24;
constexpr double kPixelsPerPoint = 4.0 / 3.0;

std::string Colour(const DiagramColour& c) {
  return fmt::format("#{:02x}{:02x}{:02x}", c.red, c.green, c.blue);
}

Json ColourJson(const DiagramColour& c) { return Json::array({c.red, c.green, c.blue}); }

Json PointJson(const DiagramPoint& p) {
  return Json::array(
      {Usable(p.x) ? Json(p.x) : Json(nullptr), Usable(p.y) ? Json(p.y) : Json(nullptr)});
}

// From the drawing's coordinates (y upwards) to the page's pixels.
struct PageMapping {
  const DiagramSpec& diagram;
  double top;  // pixel of y_maximum

  double X(double x) const {
    const double span = diagram.x_maximum - diagram.x_minimum;
    return kMargin + (x - diagram.x_minimum) / span * (kPageWidth - 2 * kMargin);
  }
  double Y(double y) const {
    const double span = diagram.y_maximum - diagram.y_minimum;
    return top + (diagram.y_maximum - y) / span * kDrawingHeight;
  }
};

bool Drawable(const DiagramPoint& p) { return Usable(p.x) && Usable(p.y); }

void PaintArrow(const DiagramArrow& arrow, const PageMapping& page, std::string& out) {
  if (!Drawable(arrow.head) || !Drawable(arrow.tail)) return;
  const double hx = page.X(arrow.head.x);
  const double hy = page.Y(arrow.head.y);
  const double tx = page.X(arrow.tail.x);
  const double ty = page.Y(arrow.tail.y);
  const double length = std::hypot(hx - tx, hy - ty);
  if (length == 0) return;
  const double ux = (hx - tx) / length;  // unit vector towards the head
  const double uy = (hy - ty) / length;
  const double head_length = std::min(arrow.head_length * kPixelsPerPoint * 0.6, length);
  const double half_width = arrow.head_width * kPixelsPerPoint * 0.2;
  const double bx = hx - ux * head_length;  // where the head meets the shaft
  const double by = hy - uy * head_length;
  const std::string colour = Colour(arrow.colour);
  out += fmt::format(
      "<line x1=\"{}\" y1=\"{}\" x2=\"{}\" y2=\"{}\" stroke=\"{}\" stroke-width=\"{}\"/>\n", Px(tx),
      Px(ty), Px(bx), Px(by), colour, Px(std::max(arrow.width, 0.1) * kPixelsPerPoint));
  out += fmt::format("<path d=\"M{} {}L{} {}L{} {}Z\" fill=\"{}\"/>\n", Px(hx), Px(hy),
                     Px(bx - uy * half_width), Px(by + ux * half_width), Px(bx + uy * half_width),
                     Px(by - ux * half_width), colour);
}

// Where a text lands on the page: its anchor point, the SVG anchoring, and the horizontal
// extent it covers (estimated from the font's average advance).
struct TextPlacement {
  double x = 0;
  double y = 0;
  std::string_view anchor = "middle";
  double left = 0;
  double right = 0;
};

TextPlacement Place(const DiagramText& text, const PageMapping& page) {
  const double font = text.font_size * kPixelsPerPoint;
  TextPlacement placed;
  placed.x = page.X(text.at.x);
  placed.y = page.Y(text.at.y) + font * 0.35;  // the point at the text's middle
  switch (text.anchor) {
    case TextAnchor::kCentred:
      break;
    case TextAnchor::kStart:
      placed.anchor = "start";
      placed.x += 3;
      break;
    case TextAnchor::kEnd:
      placed.anchor = "end";
      placed.x -= 3;
      break;
    case TextAnchor::kBelow:
      placed.y += font * 0.65 + 2;
      break;
    case TextAnchor::kAbove:
      placed.y -= font * 0.65 + 2;
      break;
  }
  const double width = TextWidth(TrimRight(text.text), font);
  placed.left = placed.anchor == "start" ? placed.x
                : placed.anchor == "end" ? placed.x - width
                                         : placed.x - width / 2;
  placed.right = placed.left + width;
  return placed;
}

bool Shown(const DiagramText& text) { return Drawable(text.at) && !Trim(text.text).empty(); }

void PaintText(const DiagramText& text, const PageMapping& page, std::string& out) {
  if (!Shown(text)) return;
  const TextPlacement placed = Place(text, page);
  out += Text(placed.x, placed.y, TrimRight(text.text), text.font_size * kPixelsPerPoint,
              placed.anchor, fmt::format(" fill=\"{}\"", Colour(text.colour)));
}

}  // namespace

std::string RenderDiagramJson(const DiagramSpec& diagram) {
  Json doc;
  doc["kind"] = "diagram";
  doc["space"] = {{"xMinimum", diagram.x_minimum},
                  {"xMaximum", diagram.x_maximum},
                  {"yMinimum", diagram.y_minimum},
                  {"yMaximum", diagram.y_maximum}};
  Json title = Json::array();
  for (const auto& line : diagram.title)
    title.push_back({{"text", line.text}, {"fontSize", line.font_size}});
  doc["title"] = title;
  Json arrows = Json::array();
  for (const auto& a : diagram.arrows)
    arrows.push_back({{"head", PointJson(a.head)},
                      {"tail", PointJson(a.tail)},
                      {"width", a.width},
                      {"headLength", a.head_length},
                      {"headWidth", a.head_width},
                      {"colour", ColourJson(a.colour)}});
  doc["arrows"] = arrows;
  Json texts = Json::array();
  for (const auto& t : diagram.texts)
    texts.push_back({{"at", PointJson(t.at)},
                     {"text", t.text},
                     {"anchor", static_cast<int>(t.anchor)},
                     {"fontSize", t.font_size},
                     {"colour", ColourJson(t.colour)}});
  doc["texts"] = texts;
  return doc.dump(2) + "\n";
}

std::string RenderDiagramSvgElement(const DiagramSpec& diagram) {
  struct TitleLine {
    std::string_view text;
    double font;
    double y;
  };
  double top = kMargin;
  std::vector<TitleLine> title_lines;
  for (const auto& line : diagram.title) {
    const std::string_view text = Trim(line.text);
    if (text.empty()) continue;
    const double font = line.font_size * kPixelsPerPoint;
    top += font * 1.3;
    title_lines.push_back({text, font, top - font * 0.3});
  }
  top += 12;
  const PageMapping page{diagram, top};
  const bool usable_space =
      diagram.x_maximum > diagram.x_minimum && diagram.y_maximum > diagram.y_minimum;
  const double height = top + kDrawingHeight + kMargin;
  // The page widens to the left or right rather than cut off a long label.
  double left = 0;
  double right = kPageWidth;
  if (usable_space)
    for (const auto& text : diagram.texts)
      if (Shown(text)) {
        const TextPlacement placed = Place(text, page);
        left = std::min(left, placed.left - kMargin);
        right = std::max(right, placed.right + kMargin);
      }
  std::string out = fmt::format(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0}\" height=\"{1}\" "
      "viewBox=\"{3} 0 {0} {1}\" font-family=\"{2}\" fill=\"#222222\">\n",
      Px(right - left), Px(height), kFontFamily, Px(left));
  out += fmt::format("<rect x=\"{}\" width=\"{}\" height=\"100%\" fill=\"#ffffff\"/>\n", Px(left),
                     Px(right - left));
  for (const TitleLine& line : title_lines)
    out +=
        Text((left + right) / 2, line.y, line.text, line.font, "middle", " font-weight=\"bold\"");
  if (usable_space) {
    for (const auto& arrow : diagram.arrows) PaintArrow(arrow, page, out);
    for (const auto& text : diagram.texts) PaintText(text, page, out);
  }
  out += "</svg>\n";
  return out;
}

std::string RenderDiagramSvg(const DiagramSpec& diagram) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + RenderDiagramSvgElement(diagram);
}

}  // namespace kpa::host::render
