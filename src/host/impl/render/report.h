// One HTML document gathering the outputs of a session in the order they were produced:
// result spreadsheets as HTML tables, charts and diagrams as inline SVG, and blocks of text or
// messages.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/api/chart_spec.h"
#include "host/api/diagram_spec.h"
#include "host/api/table_spec.h"
#include "host/impl/render/provenance.h"

namespace kpa::host::render {

// Lines of text output, or a message shown to the user.
struct TextBlock {
  std::vector<std::string> lines;
  bool is_message = false;
};

using ReportItem = std::variant<TableSpec, ChartSpec, DiagramSpec, TextBlock>;

// A complete HTML5 document (UTF-8) with a small style sheet; `title` names the document
// in the browser (no heading is added for it when empty); the provenance, when given, opens
// the document.
std::string RenderReportHtml(const std::vector<ReportItem>& items, std::string_view title = "",
                             const Provenance* provenance = nullptr);

}  // namespace kpa::host::render
