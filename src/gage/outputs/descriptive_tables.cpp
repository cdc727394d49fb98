#include "gage/outputs/descriptive_tables.h"

#include <algorithm>
#include <cmath>

#include "gage/model/running_statistics.h"
#include "resources/ids/gage_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {
namespace {

constexpr int kLevelLabelWidth = 16;

std::string Named(const std::string& label, const std::string& name, std::int64_t count) {
  return label + name + ") " + std::to_string(count);
}

}  // namespace

std::vector<std::string> InputSummary(const shell::Request& request, const Study& study,
                                      const StudyNames& names) {
  std::vector<std::string> lines;
  lines.push_back(names.data_sheet
                      ? request.Text(strings::kSummaryInput) + request.Text(strings::kSummarySheet)
                      : request.Text(strings::kSummaryVariable) + names.measure);
  lines.push_back(request.Text(strings::kSummaryMean) + TitleNumber(study.mean) + "  " +
                  request.Text(strings::kSummarySd) + TitleNumber(study.sd) + "  " +
                  request.Text(strings::kSummaryN) + std::to_string(study.size.Measurements()));
  const StudySize& s = study.size;
  if (names.data_sheet) {
    lines.push_back(request.Text(strings::kSummaryOperatorsSheet) + std::to_string(s.operators) +
                    "  " + request.Text(strings::kSummaryPartsSheet) + std::to_string(s.parts) +
                    "  " + request.Text(strings::kSummaryTrialsSheet) + std::to_string(s.trials));
  } else {
    std::string line =
        Named(request.Text(strings::kSummaryOperatorsFile), names.operators, s.operators) + "  " +
        Named(request.Text(strings::kSummaryPartsFile), names.parts, s.parts) + "  ";
    line += names.trials.empty()
                ? request.Text(strings::kSummaryNoTrials) + "1"
                : Named(request.Text(strings::kSummaryTrialsFile), names.trials, s.trials);
    lines.push_back(line);
  }
  return lines;
}

GageTable DescriptiveTable(const shell::Request& request, const Study& study,
                           const StudyNames& names, const LevelLabels& labels, bool by_operator) {
  const StudySize& s = study.size;
  const std::int64_t levels = by_operator ? s.operators : s.parts;
  GageTable table(static_cast<int>(levels), 5, kLevelLabelWidth);
  table.Title(
      1, request.Text(by_operator ? strings::kDescriptiveByOperator : strings::kDescriptiveByPart));
  const std::string moments =
      Labelled(request.Text(strings::kAnovaTitleMean), study.mean) + "  " +
      Labelled(request.Text(names.data_sheet ? strings::kAnovaTitleSd : strings::kDescriptiveSd),
               study.sd);
  if (names.data_sheet) {
    const std::string line = request.Text(strings::kDescriptiveSheetTitle);
    table.Title(2, line.substr(0, line.find('=') - 4) + moments);
    table.Header(request.Text(by_operator ? strings::kHeaderOperator : strings::kHeaderPart));
  } else {
    const std::string line = request.Text(strings::kDescriptiveFileTitle);
    table.Title(2, std::string(shell::TrimBlanks(line.substr(0, line.find('=') - 4))) + " " +
                       names.measure + "   " + moments);
    table.Header(by_operator ? names.operators : names.parts);
  }
  table.Title(3, CountsLine(request.Text(strings::kTitleCounts), s));
  table.Heading(0, "", request.Text(strings::kColumnMean));
  table.Heading(1, "", request.Text(strings::kColumnDeviation));
  table.Heading(2, "", request.Text(strings::kColumnMinimum));
  table.Heading(3, "", request.Text(strings::kColumnMaximum));
  table.Heading(4, "", request.Text(strings::kColumnSd));
  const std::vector<std::string>& row_labels = by_operator ? labels.operators : labels.parts;
  for (std::int64_t level = 0; level < levels; ++level) {
    RunningStatistics values;
    const std::int64_t others = by_operator ? s.parts : s.operators;
    for (std::int64_t other = 0; other < others; ++other)
      for (std::int64_t t = 0; t < s.trials; ++t)
        values.Add(by_operator ? study.At(level, other, t) : study.At(other, level, t));
    const int row = static_cast<int>(level);
    table.Label(row, row_labels[static_cast<std::size_t>(level)]);
    table.Set(row, 0, values.mean);
    table.Set(row, 1, values.mean - study.mean);
    table.Set(row, 2, values.minimum);
    table.Set(row, 3, values.maximum);
    if (values.n > 1) table.Set(row, 4, values.Sd());
  }
  return table;
}

}  // namespace kpa::gage
