// The HTML report of a session's outputs.
#include "host/impl/render/report.h"

#include <fmt/format.h>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/diagram_render.h"
#include "host/impl/render/table_render.h"
#include "host/impl/render/text_util.h"

namespace kpa::host::render {
namespace {

constexpr std::string_view kStyle =
    R"(body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif;
  color: #222; background: #f6f6f4; margin: 0; padding: 24px; }
main { max-width: 1100px; margin: 0 auto; }
h1 { font-size: 1.4em; font-weight: 600; margin: 0 0 20px; }
section { background: #fff; border: 1px solid #ddd; border-radius: 6px; padding: 16px 20px;
  margin: 0 0 20px; overflow-x: auto; }
table.kpa-table { border-collapse: collapse; font-size: 0.9em;
  font-variant-numeric: tabular-nums; }
table.kpa-table caption { caption-side: top; text-align: left; font-weight: 600; white-space: nowrap;
  padding-bottom: 8px; }
table.kpa-table th, table.kpa-table td { padding: 3px 10px; border-bottom: 1px solid #eee; }
table.kpa-table thead th { border-bottom: 2px solid #888; text-align: right; }
table.kpa-table thead th.row-header, table.kpa-table tbody th { text-align: left;
  white-space: pre; font-weight: normal; }
table.kpa-table td { text-align: right; white-space: nowrap; }
table.kpa-table td.text { color: #0b4f85; }
table.kpa-table td.marked { color: #b00020; font-weight: bold; }
table.kpa-table tbody tr:nth-child(even) { background: #fafafa; }
pre.output { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 0.85em;
  margin: 0; }
div.message { border-left: 4px solid #d55e00; background: #fff6ef; padding: 8px 12px; }
svg { display: block; max-width: 100%; height: auto; }
section.provenance dl { display: grid; grid-template-columns: max-content auto; gap: 2px 16px;
  margin: 0; font-size: 0.85em; }
section.provenance dt { color: #666; }
section.provenance dd { margin: 0; overflow-wrap: anywhere; }
)";

}  // namespace

std::string RenderReportHtml(const std::vector<ReportItem>& items, std::string_view title,
                             const Provenance* provenance) {
  std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  out += fmt::format("<title>{}</title>\n", EscapeXml(title.empty() ? "kpa" : title));
  out += fmt::format("<style>\n{}</style>\n</head>\n<body>\n<main>\n", kStyle);
  if (!title.empty()) out += fmt::format("<h1>{}</h1>\n", EscapeXml(title));
  if (provenance != nullptr) out += RenderProvenanceHtml(*provenance);
  int chart_number = 0;
  for (const auto& item : items) {
    out += "<section>\n";
    if (const auto* table = std::get_if<TableSpec>(&item)) {
      out += RenderTableHtml(*table);
    } else if (const auto* chart = std::get_if<ChartSpec>(&item)) {
      out += RenderChartSvgElement(*chart, fmt::format("chart{}", ++chart_number));
    } else if (const auto* diagram = std::get_if<DiagramSpec>(&item)) {
      out += RenderDiagramSvgElement(*diagram);
    } else if (const auto* text = std::get_if<TextBlock>(&item)) {
      out += text->is_message ? "<div class=\"message\">" : "<pre class=\"output\">";
      for (std::size_t i = 0; i < text->lines.size(); ++i) {
        if (i > 0) out += text->is_message ? "<br>\n" : "\n";
        out += EscapeXml(TrimRight(text->lines[i]));
      }
      out += text->is_message ? "</div>\n" : "</pre>\n";
    }
    out += "</section>\n";
  }
  out += "</main>\n</body>\n</html>\n";
  return out;
}

}  // namespace kpa::host::render
