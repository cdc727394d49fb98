#include "capability/outputs/percentile_tables.h"

#include "capability/outputs/tables.h"
#include "capability/specifications/spec_record.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"
#include "shell/results/result_grid.h"

namespace kpa::capability {
namespace {

constexpr int kLabelWidth = 30;
constexpr int kRows = 14;

std::optional<double> LowerOf(const SpecLimits& limits) {
  return limits.HasLower() ? std::optional<double>(limits.lower) : std::nullopt;
}
std::optional<double> UpperOf(const SpecLimits& limits) {
  return limits.HasUpper() ? std::optional<double>(limits.upper) : std::nullopt;
}

}  // namespace

bool ShowPercentileTable(shell::Request& request, const shell::CapabilityVariableRun& run,
                         const shell::ProcessSpecRecord& record, const std::string& distribution,
                         const SigmaLimitValues& sigma_limits, const PercentileLevels& levels,
                         const std::vector<PercentileColumn>& columns) {
  shell::ResultGrid grid(kRows, static_cast<int>(columns.size()), kLabelWidth);
  grid.Title(1, request.Text(strings::kVariableTitle) + request.VariableName(run.variable) +
                    request.Text(strings::kPercentileDistribution) + distribution);
  grid.Title(2, SpecificationText(record, request));
  grid.Title(3, SigmaLimitsTitle(sigma_limits, request));
  if (run.state.Grouped())
    grid.Header(std::string(shell::TrimBlanks(request.Text(EstimateString(run)))));
  const std::string labels[kRows] = {
      request.Text(strings::kRowLsl),
      request.Text(strings::kRowNominal),
      request.Text(strings::kRowUsl),
      "",
      request.Text(strings::kRowLowerPercentile) + " " + FixedText(100.0 * levels.lower, 3),
      request.Text(strings::kRowMedianPercentile),
      request.Text(strings::kRowUpperPercentile) + " " + FixedText(100.0 * levels.upper, 3),
      "",
      request.Text(strings::kRowCp),
      request.Text(strings::kRowCr),
      request.Text(strings::kRowCpk),
      request.Text(strings::kRowCplPercentile),
      request.Text(strings::kRowCpuPercentile),
      request.Text(strings::kRowK)};
  for (int row = 0; row < kRows; ++row) {
    if (labels[row].empty())
      grid.Separator(row);
    else
      grid.Label(row, labels[row]);
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const PercentileColumn& column = columns[i];
    const int c = static_cast<int>(i);
    grid.Heading(c, column.upper, column.name);
    const SpecLimits& limits = column.shown;
    const std::optional<double> values[kRows] = {
        LowerOf(limits),     limits.nominal,       UpperOf(limits),     std::nullopt,
        column.points.lower, column.points.median, column.points.upper, std::nullopt,
        column.indices.cp,   column.indices.cr,    column.indices.cpk,  column.indices.cpl,
        column.indices.cpu,  column.indices.k};
    for (int row = 0; row < kRows; ++row) grid.Set(row, c, values[row]);
  }
  return grid.Show(request);
}

bool ShowPercentileSummary(shell::Request& request, const std::vector<PercentileSummaryRow>& rows,
                           bool named, const std::string& distribution) {
  std::vector<int> variables;
  for (const auto& row : rows) variables.push_back(row.variable);
  const shell::VariableLabels labels = shell::MakeVariableLabels(variables);
  constexpr int kColumns = 12;
  shell::ResultGrid grid(static_cast<int>(rows.size()), kColumns, std::max(labels.width, 8));
  if (named) {
    grid.Title(1, request.Text(strings::kAllNamedTitle));
    grid.Title(2, request.Text(strings::kDistributionLabel) + distribution);
    grid.Title(3, request.Text(strings::kPercentileSubtitle));
  } else {
    grid.Title(1, request.Text(strings::kAllJohnsonTitle));
    grid.Title(2, request.Text(strings::kPercentileSubtitle));
  }
  grid.Header(request.Text(strings::kVariableHeader));
  const int names[kColumns] = {
      strings::kEditorLsl,       strings::kColNominal, strings::kEditorUsl,
      strings::kColLowerPercent, strings::kColMedian,  strings::kColUpperPercent,
      strings::kColCp,           strings::kColCr,      strings::kColCpk,
      strings::kColCpl,          strings::kColCpu,     strings::kColK};
  for (int c = 0; c < kColumns; ++c) grid.Heading(c, "", request.Text(names[c]));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const PercentileColumn& column = rows[r].column;
    const int i = static_cast<int>(r);
    grid.Label(i, labels.labels[r]);
    const std::optional<double> values[kColumns] = {
        LowerOf(column.shown), column.shown.nominal, UpperOf(column.shown), column.points.lower,
        column.points.median,  column.points.upper,  column.indices.cp,     column.indices.cr,
        column.indices.cpk,    column.indices.cpl,   column.indices.cpu,    column.indices.k};
    for (int c = 0; c < kColumns; ++c) grid.Set(i, c, values[c]);
  }
  return grid.Show(request);
}

}  // namespace kpa::capability
