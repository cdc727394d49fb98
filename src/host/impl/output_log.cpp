#include "host/impl/output_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "host/impl/render/chart_render.h"
#include "host/impl/render/diagram_render.h"
#include "host/impl/render/report.h"
#include "host/impl/render/svg_images.h"
#include "host/impl/render/table_render.h"
#include "host/impl/render/workbook.h"

namespace kpa::host {

namespace {

// Calls `take` with each name of a comma-separated list, empty names left out.
template <typename Take>
void ForEachName(std::string_view text, Take&& take) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) take(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

ImageFormats ParseImageFormats(std::string_view text) {
  ImageFormats formats;
  ForEachName(text, [&formats](std::string_view format) {
    if (format == "png") {
      formats.png = true;
    } else if (format == "pdf") {
      formats.pdf = true;
    } else if (format != "svg") {
      throw std::invalid_argument("unknown image format '" + std::string(format) +
                                  "'; use svg, png and pdf, separated by commas");
    }
  });
  return formats;
}

TableFormats ParseTableFormats(std::string_view text) {
  TableFormats formats{false, false, false};
  if (text == "none") return formats;
  ForEachName(text, [&formats](std::string_view format) {
    if (format == "txt") {
      formats.txt = true;
    } else if (format == "csv") {
      formats.csv = true;
    } else if (format == "json") {
      formats.json = true;
    } else {
      throw std::invalid_argument("unknown table format '" + std::string(format) +
                                  "'; use txt, csv and json, separated by commas, or none");
    }
  });
  return formats;
}

namespace {

constexpr auto kReportInterval = std::chrono::seconds(1);
constexpr std::string_view kLockFile = ".kpa-lock";
constexpr std::string_view kPartSuffix = ".part";

bool IsNumberedOutput(const std::string& name) {
  const std::size_t dot = name.find('.');
  if (dot < 3 || dot == std::string::npos) return false;
  for (std::size_t i = 0; i < dot; ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  const std::string extension = name.substr(dot + 1);
  for (const char* known : {"txt", "csv", "json", "svg", "png", "pdf"})
    if (extension == known) return true;
  return false;
}

// What a run writes into its folder: numbered outputs, the files of the whole run and the
// temporary files of writes cut short.
bool IsRunOutput(const std::string& name) {
  if (name == "report.html" || name == "messages.txt" || name == "results.xlsx") return true;
  if (name.starts_with('.') && name.ends_with(kPartSuffix)) return true;
  return IsNumberedOutput(name);
}

std::filesystem::path PartPath(const std::filesystem::path& path) {
  return path.parent_path() / ("." + path.filename().string() + std::string(kPartSuffix));
}

// The problem a writer met, naming the file it was meant for rather than its temporary name.
std::string NamingFinalFile(std::string problem, const std::filesystem::path& part,
                            const std::filesystem::path& path) {
  const std::string temporary = part.string();
  if (const std::size_t at = problem.find(temporary); at != std::string::npos)
    problem.replace(at, temporary.size(), path.string());
  return problem;
}

}  // namespace

OutputLog::~OutputLog() {
  if (lock_ >= 0) ::close(lock_);
}

void OutputLog::SetFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const std::string lock_path = (folder / kLockFile).string();
  const int lock = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock < 0)
    throw std::runtime_error("cannot create " + lock_path + ": " + std::strerror(errno));
  if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
    ::close(lock);
    throw std::runtime_error(folder.string() + " is in use by another kpa run");
  }
  if (lock_ >= 0) ::close(lock_);
  lock_ = lock;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file() && IsRunOutput(entry.path().filename().string()))
      std::filesystem::remove(entry.path());
  folder_ = folder;
  WriteReport();
}

std::string OutputLog::Stem(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%03d", number);
  return buffer;
}

int OutputLog::AddTable(const TableSpec& table) {
  const int number = next_number_++;
  if (!folder_.empty()) {
    const std::string stem = Stem(number);
    if (tables_.txt) WriteFile(stem + ".txt", render::RenderTableText(table));
    if (tables_.csv) WriteFile(stem + ".csv", render::RenderTableCsv(table));
    if (tables_.json) WriteFile(stem + ".json", render::RenderTableJson(table));
  }
  Add(number, table);
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
  if (!folder_.empty()) {
    const std::string stem = Stem(number);
    WriteFile(stem + ".json", json());
    const std::string image = svg();
    WriteFile(stem + ".svg", image);
    WriteImages(stem, image);
  }
  Add(number, std::move(item));
  return number;
}

void OutputLog::Add(int number, render::ReportItem item) {
  items_.push_back(std::move(item));
  numbers_.push_back(number);
  ReportChanged();
}

void OutputLog::AddTextLine(const std::string& line) {
  // Consecutive lines form one block of text.
  if (!items_.empty())
    if (auto* block = std::get_if<render::TextBlock>(&items_.back());
        block != nullptr && !block->is_message) {
      block->lines.push_back(line);
      ReportChanged();
      return;
    }
  Add(0, render::TextBlock{{line}, false});
}

void OutputLog::AddMessage(const std::string& text) {
  if (!folder_.empty()) {
    std::ofstream out(folder_ / "messages.txt", std::ios::app);
    out << text << '\n';
    if (!out) write_errors_.push_back("cannot write " + (folder_ / "messages.txt").string());
  }
  Add(0, render::TextBlock{{text}, true});
}

const std::vector<std::string>& OutputLog::Finish() {
  if (folder_.empty()) return write_errors_;
  render::NumberedTables tables;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (const auto* table = std::get_if<TableSpec>(&items_[i]))
      tables.emplace_back(numbers_[i], table);
  if (!tables.empty())
    WriteThroughPart(folder_ / "results.xlsx", [&tables](const std::filesystem::path& part) {
      return render::WriteWorkbook(part, tables);
    });
  WriteReport();
  return write_errors_;
}

void OutputLog::WriteThroughPart(const std::filesystem::path& path, const FileWriter& write) {
  const std::filesystem::path part = PartPath(path);
  std::error_code error;
  if (const auto problem = write(part)) {
    std::filesystem::remove(part, error);
    write_errors_.push_back(NamingFinalFile(*problem, part, path));
    return;
  }
  std::filesystem::rename(part, path, error);
  if (!error) return;
  std::filesystem::remove(part, error);
  write_errors_.push_back("cannot write " + path.string());
}

void OutputLog::WriteImages(const std::string& stem, const std::string& svg) {
  if (images_.png)
    WriteThroughPart(folder_ / (stem + ".png"), [&svg](const std::filesystem::path& part) {
      return render::WriteSvgAsPng(svg, part);
    });
  if (images_.pdf)
    WriteThroughPart(folder_ / (stem + ".pdf"), [&svg](const std::filesystem::path& part) {
      return render::WriteSvgAsPdf(svg, part);
    });
}

void OutputLog::WriteFile(const std::string& name, const std::string& content) {
  WriteThroughPart(folder_ / name,
                   [&content](const std::filesystem::path& part) -> std::optional<std::string> {
                     std::ofstream out(part, std::ios::binary | std::ios::trunc);
                     out << content;
                     out.close();
                     if (!out) return "cannot write " + part.string();
                     return std::nullopt;
                   });
}

void OutputLog::ReportChanged() {
  if (folder_.empty()) return;
  if (std::chrono::steady_clock::now() - report_written_ >= kReportInterval) WriteReport();
}

void OutputLog::WriteReport() {
  WriteFile("report.html", render::RenderReportHtml(items_, "Analyse de processus", &provenance_));
  report_written_ = std::chrono::steady_clock::now();
}

}  // namespace kpa::host
