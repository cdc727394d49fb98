#include "host/impl/output_log.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/diagram_render.h"
#include "host/impl/render/report.h"
#include "host/impl/render/svg_images.h"
#include "host/impl/render/table_render.h"
#include "host/impl/render/workbook.h"

namespace kpa::host {

ImageFormats ParseImageFormats(std::string_view text) {
  ImageFormats formats;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view format = text.substr(start, end - start);
    if (format == "png") {
      formats.png = true;
    } else if (format == "pdf") {
      formats.pdf = true;
    } else if (format != "svg" && !format.empty()) {
      throw std::invalid_argument("unknown image format '" + std::string(format) +
                                  "'; use svg, png and pdf, separated by commas");
    }
    start = end + 1;
  }
  return formats;
}

void OutputLog::SetFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  folder_ = folder;
  std::filesystem::remove(folder_ / "messages.txt");
  WriteReport();
}

std::string OutputLog::Stem(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%03d", number);
  return buffer;
}

int OutputLog::AddTable(const TableSpec& table) {
  const int number = next_number_++;
  items_.push_back({number, table});
  if (!folder_.empty()) {
    const std::string stem = Stem(number);
    WriteFile(stem + ".txt", render::RenderTableText(table));
    WriteFile(stem + ".csv", render::RenderTableCsv(table));
    WriteFile(stem + ".json", render::RenderTableJson(table));
    WriteReport();
  }
  return number;
}

int OutputLog::AddChart(const ChartSpec& chart) {
  return AddDrawing(
      chart, [&chart] { return render::RenderChartJson(chart); },
      [&chart] { return render::RenderChartSvg(chart); });
}

int OutputLog::AddDiagram(const DiagramSpec& diagram) {
  return AddDrawing(
      diagram, [&diagram] { return render::RenderDiagramJson(diagram); },
      [&diagram] { return render::RenderDiagramSvg(diagram); });
}

int OutputLog::AddDrawing(render::ReportItem item, const std::function<std::string()>& json,
                          const std::function<std::string()>& svg) {
  const int number = next_number_++;
  items_.push_back({number, std::move(item)});
  if (!folder_.empty()) {
    const std::string stem = Stem(number);
    WriteFile(stem + ".json", json());
    const std::string image = svg();
    WriteFile(stem + ".svg", image);
    WriteImages(stem, image);
    WriteReport();
  }
  return number;
}

void OutputLog::AddTextLine(const std::string& line) {
  // Consecutive lines form one block of text.
  if (!items_.empty())
    if (auto* block = std::get_if<render::TextBlock>(&items_.back().content);
        block != nullptr && !block->is_message) {
      block->lines.push_back(line);
      if (!folder_.empty()) WriteReport();
      return;
    }
  items_.push_back({0, render::TextBlock{{line}, false}});
  if (!folder_.empty()) WriteReport();
}

void OutputLog::AddMessage(const std::string& text) {
  items_.push_back({0, render::TextBlock{{text}, true}});
  if (folder_.empty()) return;
  std::ofstream out(folder_ / "messages.txt", std::ios::app);
  out << text << '\n';
  if (!out) write_errors_.push_back("cannot write " + (folder_ / "messages.txt").string());
  WriteReport();
}

const std::vector<std::string>& OutputLog::Finish() {
  if (folder_.empty()) return write_errors_;
  render::NumberedTables tables;
  for (const OutputItem& item : items_)
    if (const auto* table = std::get_if<TableSpec>(&item.content))
      tables.emplace_back(item.number, table);
  if (tables.empty()) return write_errors_;
  if (const auto problem = render::WriteWorkbook(folder_ / "results.xlsx", tables))
    write_errors_.push_back(*problem);
  return write_errors_;
}

void OutputLog::WriteImages(const std::string& stem, const std::string& svg) {
  if (images_.png)
    if (const auto problem = render::WriteSvgAsPng(svg, folder_ / (stem + ".png")))
      write_errors_.push_back(*problem);
  if (images_.pdf)
    if (const auto problem = render::WriteSvgAsPdf(svg, folder_ / (stem + ".pdf")))
      write_errors_.push_back(*problem);
}

void OutputLog::WriteFile(const std::string& name, const std::string& content) {
  std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) write_errors_.push_back("cannot write " + (folder_ / name).string());
}

void OutputLog::WriteReport() {
  std::vector<render::ReportItem> report;
  report.reserve(items_.size());
  for (const auto& item : items_) report.push_back(item.content);
  WriteFile("report.html", render::RenderReportHtml(report, "Analyse de processus", &provenance_));
}

}  // namespace kpa::host
