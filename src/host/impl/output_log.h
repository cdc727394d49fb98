// Everything the module showed, in order: result spreadsheets, charts and diagrams (numbered
// from 1 in the order they were emitted), text lines and messages. With an output folder,
// each output is written as it arrives (NNN.txt, NNN.csv and NNN.json for a table, or those
// of them asked for; NNN.json and NNN.svg for a chart or a diagram), messages go to
// messages.txt, and report.html shows everything in order.
//
// Every file is written under a temporary name and renamed into place, so that a run stopped
// at any moment leaves each file whole. The report is written when the folder is set, at most
// once a second while outputs arrive (so that its cost stays linear in the number of outputs)
// and once more when the run finishes. One run at a time holds a folder (a lock file); a
// folder used before has the earlier run's outputs removed first, so that its files never mix
// with the new ones (other files in it are left alone).
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/api/chart_spec.h"
#include "host/api/diagram_spec.h"
#include "host/api/table_spec.h"
#include "host/impl/render/report.h"

namespace kpa::host {

// The image files written beside each chart's and diagram's SVG.
struct ImageFormats {
  bool png = false;
  bool pdf = false;
};

// "svg", "svg,png", "png,pdf", ...: the formats asked for (SVG is always written). Throws
// std::invalid_argument naming an unknown format.
ImageFormats ParseImageFormats(std::string_view text);

// The files written for each table (every table is also a sheet of results.xlsx and a part
// of report.html, whatever is asked here).
struct TableFormats {
  bool txt = true;
  bool csv = true;
  bool json = true;
};

// "txt,csv,json", "csv", "none", ...: the formats asked for; "none" (or nothing) for no file
// of its own per table. Throws std::invalid_argument naming an unknown format.
TableFormats ParseTableFormats(std::string_view text);

class OutputLog {
 public:
  OutputLog() = default;
  OutputLog(const OutputLog&) = delete;
  OutputLog& operator=(const OutputLog&) = delete;
  ~OutputLog();

  // Creates the folder if needed, takes it for this run and clears the outputs an earlier run
  // left there; throws std::runtime_error (std::filesystem::filesystem_error among them)
  // when it cannot, or when another run holds the folder.
  void SetFolder(const std::filesystem::path& folder);
  const std::filesystem::path& Folder() const { return folder_; }
  void SetImageFormats(ImageFormats formats) { images_ = formats; }
  void SetTableFormats(TableFormats formats) { tables_ = formats; }
  // What the report opens with; kept up to date by the host.
  render::Provenance& Provenance() { return provenance_; }

  // Each returns the output's number (tables and charts) or 0.
  int AddTable(const TableSpec& table);
  int AddChart(const ChartSpec& chart);
  int AddDiagram(const DiagramSpec& diagram);
  void AddTextLine(const std::string& line);
  void AddMessage(const std::string& text);

  // Writes what is written once for the whole run (results.xlsx, every table as a sheet, and
  // the final report) when there is an output folder; call it when the run ends. Returns
  // every problem met while writing, over the whole run.
  const std::vector<std::string>& Finish();

  int OutputCount() const { return next_number_ - 1; }
  // The file stem of an output number: 1 -> "001".
  static std::string Stem(int number);
  // Problems met while writing the folder (the outputs stay in memory).
  const std::vector<std::string>& WriteErrors() const { return write_errors_; }

 private:
  // A chart or a diagram: its JSON, its SVG and the images asked for beside it.
  int AddDrawing(render::ReportItem item, const std::function<std::string()>& json,
                 const std::function<std::string()>& svg);
  // Writes `path` under its temporary name with `write` (which returns its problem, if any)
  // and renames it into place.
  using FileWriter = std::function<std::optional<std::string>(const std::filesystem::path&)>;
  void WriteThroughPart(const std::filesystem::path& path, const FileWriter& write);
  void WriteFile(const std::string& name, const std::string& content);
  void WriteImages(const std::string& stem, const std::string& svg);
  void Add(int number, render::ReportItem item);
  // The report now, or when the last was written less than a second ago, later.
  void ReportChanged();
  void WriteReport();

  std::filesystem::path folder_;
  int lock_ = -1;  // the descriptor holding the folder's lock file
  ImageFormats images_;
  TableFormats tables_;
  render::Provenance provenance_;
  std::vector<render::ReportItem> items_;
  std::vector<int> numbers_;  // per item: tables and charts 1, 2, ...; 0 for text and messages
  int next_number_ = 1;
  std::chrono::steady_clock::time_point report_written_;
  std::vector<std::string> write_errors_;
};

}  // namespace kpa::host
