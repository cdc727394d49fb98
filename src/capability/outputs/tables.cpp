#include "capability/outputs/tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "capability/model/named_distributions.h"
#include "capability/outputs/distribution_names.h"
#include "host/api/special_values.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"
#include "shell/results/result_table.h"

namespace kpa::capability {
namespace {

using shell::CapabilityVariableRun;
using shell::SigmaMethod;

constexpr int kIndexLabelWidth = 30;
constexpr int kNameWidth = 8;

double Value(const std::optional<double>& value) { return value ? *value : host::kMissing; }

std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string ShortNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Writes each value into the run of blanks after each '=' of `pattern`, in order.
std::string FillAfterEquals(const std::string& pattern, const std::vector<double>& values) {
  std::vector<std::string> texts;
  for (const double value : values) texts.push_back(ShortNumber(value));
  return shell::FillAfterMarks(pattern, '=', texts);
}

std::string VariableTitle(const shell::Request& request, const CapabilityVariableRun& run) {
  return request.Text(strings::kVariableTitle) + request.VariableName(run.variable);
}

// A labelled value of the descriptive statistics; label 0 a separator.
struct Row {
  int label;
  double value;
};

// The fitted law's rows: the threshold (and the beta's scale), then its parameters.
void AppendParameterRows(const shell::NamedFit& fit, std::vector<Row>& list) {
  using D = shell::CapabilityDistribution;
  list.push_back({0, host::kMissing});
  if (fit.code != D::kNormalAndGeneral && fit.code != D::kExtremeValue)
    list.push_back({strings::kRowThreshold, fit.threshold});
  if (fit.code == D::kBeta) list.push_back({strings::kRowBetaScale, fit.scale});
  std::pair<int, int> labels{strings::kRowScaleB, 0};
  switch (fit.code) {
    case D::kBeta:
      labels = {strings::kRowAlpha, strings::kRowBetaShape};
      break;
    case D::kExponential:
      labels = {strings::kRowExponentialScale, 0};
      break;
    case D::kExtremeValue:
      labels = {strings::kRowLocationA, strings::kRowScaleB};
      break;
    case D::kGamma:
      labels = {strings::kRowScaleB, strings::kRowShapeC};
      break;
    case D::kLogNormal:
      labels = {strings::kRowLogScale, strings::kRowLogShape};
      break;
    case D::kNormalAndGeneral:
      labels = {strings::kRowNormalMean, strings::kRowNormalSd};
      break;
    case D::kRayleigh:
      break;
    case D::kWeibull:
      labels = {strings::kRowScaleB, strings::kRowWeibullShape};
      break;
  }
  list.push_back({labels.first, fit.parameter1});
  if (labels.second != 0) list.push_back({labels.second, fit.parameter2});
}

}  // namespace

int EstimateString(const CapabilityVariableRun& run) {
  const bool aggregated = run.state.aggregated;
  switch (run.state.sigma_method) {
    case SigmaMethod::kRanges:
      return aggregated ? strings::kEstimateRangesAggregated : strings::kEstimateRanges;
    case SigmaMethod::kStandardDeviations:
      return aggregated ? strings::kEstimateStdDevsAggregated : strings::kEstimateStdDevs;
    case SigmaMethod::kVariances:
      return aggregated ? strings::kEstimateVariancesAggregated : strings::kEstimateVariances;
  }
  return strings::kEstimateRanges;
}

std::string FixedText(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string SigmaLimitsTitle(const SigmaLimitValues& values, const shell::Request& request) {
  const std::string pattern = request.Text(strings::kSigmaLimitText);
  const auto side = [&](double c, double limit) {
    std::string sign = FixedText(c, 2);
    if (c > 0) sign = "+" + sign;
    std::string text = pattern;
    const std::size_t lead = text.find_first_not_of(' ');
    if (lead != std::string::npos && sign.size() <= lead)
      text.replace(lead - sign.size(), sign.size(), sign);
    return text + FixedText(limit, 4);
  };
  std::string title;
  if (values.lower) title += side(-values.c, *values.lower);
  if (values.upper) title += (title.empty() ? "" : "   ") + side(values.c, *values.upper);
  return title;
}

bool BuildIndexTable(const shell::Request& request, const CapabilityVariableRun& run,
                     const SpecLimits& limits, const shell::ProcessSpecRecord& record,
                     IndexPass pass, const NormalIndices& indices,
                     const SigmaLimitValues& sigma_limits, shell::ResultTable& table) {
  const bool capability = pass == IndexPass::kCapability;
  const int rows = capability ? 11 : 9;
  if (shell::AllocateResultTable(table, shell::kTableWithoutCellTexts, 1, rows, kIndexLabelWidth,
                                 kNameWidth) != shell::TableStatus::kOk)
    return false;
  shell::SetTableTitle(table.Title(), 1, VariableTitle(request, run));
  shell::SetTableTitle(table.Title(), 2, SpecificationText(record, request));
  shell::SetTableTitle(table.Title(), 3, SigmaLimitsTitle(sigma_limits, request));
  std::string header =
      request.Text(capability ? strings::kCapabilityHeader : strings::kPerformanceHeader);
  if (capability && run.state.Grouped())
    header += "  " + TrimRight(request.Text(EstimateString(run)));
  table.SetRowHeader(header);
  table.SetColumnName(0, request.Text(strings::kValueColumn));
  const bool aggregated = run.state.aggregated;
  const int labels_capability[] = {
      strings::kRowLsl, strings::kRowNominal,
      strings::kRowUsl, 0,
      strings::kRowCp,  strings::kRowCr,
      strings::kRowCpk, aggregated ? strings::kRowCplAggregated : strings::kRowCpl,
      strings::kRowCpu, strings::kRowK,
      strings::kRowCpm};
  const int labels_performance[] = {
      strings::kRowLsl, strings::kRowNominal, strings::kRowUsl, 0, strings::kRowPp, strings::kRowPr,
      strings::kRowPpk, strings::kRowPpl,     strings::kRowPpu};
  const std::optional<double> values[] = {
      limits.HasLower() ? std::optional<double>(limits.lower) : std::nullopt,
      limits.nominal,
      limits.HasUpper() ? std::optional<double>(limits.upper) : std::nullopt,
      std::nullopt,
      indices.cp,
      indices.cr,
      indices.cpk,
      indices.cpl,
      indices.cpu,
      indices.k,
      indices.cpm};
  for (int row = 0; row < rows; ++row) {
    const int label = capability ? labels_capability[row] : labels_performance[row];
    table.SetRowLabel(row, label == 0 ? std::string() : request.Text(label));
    table.SetValue(row, 0, Value(values[row]));
  }
  return true;
}

bool BuildBeyondSpecificationsTable(const shell::Request& request, const CapabilityVariableRun& run,
                                    const SpecLimits& limits, const BeyondCounts& counts,
                                    shell::ResultTable& table, const shell::NamedFit* fit,
                                    int distribution) {
  if (shell::AllocateResultTable(table, shell::kTableWithoutCellTexts, 4, 4, 20, kNameWidth) !=
      shell::TableStatus::kOk)
    return false;
  shell::SetTableTitle(table.Title(), 1,
                       VariableTitle(request, run) + request.Text(strings::kDistributionTitle) +
                           request.Text(fit != nullptr ? distribution : strings::kNormalName));
  std::string spec_line;
  if (limits.TwoSided())
    spec_line = FillAfterEquals(request.Text(strings::kSpecLineTwoSided),
                                {limits.lower, limits.nominal, limits.upper});
  else if (limits.HasLower())
    spec_line =
        FillAfterEquals(request.Text(strings::kSpecLineLower), {limits.lower, limits.nominal});
  else
    spec_line =
        FillAfterEquals(request.Text(strings::kSpecLineUpper), {limits.nominal, limits.upper});
  shell::SetTableTitle(table.Title(), 2, spec_line);
  if (fit != nullptr)
    shell::SetTableTitle(table.Title(), 3,
                         request.Text(strings::kParameter1Label) + FixedText(fit->parameter1, 4) +
                             request.Text(strings::kParameter2Label) +
                             FixedText(fit->parameter2, 4));
  else
    shell::SetTableTitle(table.Title(), 3,
                         request.Text(strings::kMeanLabel) + FixedText(run.state.mu, 4) +
                             request.Text(strings::kStdDevLabel) +
                             FixedText(run.state.sigma_total, 4));
  table.SetColumnName(0, request.Text(strings::kObserved));
  table.SetUpperName(1, request.Text(strings::kPercentHead));
  table.SetColumnName(1, request.Text(strings::kObserved));
  table.SetColumnName(2, request.Text(strings::kExpected));
  table.SetUpperName(3, request.Text(strings::kPercentHead));
  table.SetColumnName(3, request.Text(strings::kExpected));
  table.SetRowLabel(0, request.Text(strings::kAboveUsl));
  table.SetRowLabel(1, request.Text(strings::kBelowLsl));
  table.SetRowLabel(3, request.Text(strings::kTotal));
  const auto percent = [&](const std::optional<double>& count) -> std::optional<double> {
    if (!count || counts.n <= 0.0) return std::nullopt;
    return 100.0 * *count / counts.n;
  };
  const auto sum = [](const std::optional<double>& a, const std::optional<double>& b) {
    return std::optional<double>(a.value_or(0.0) + b.value_or(0.0));
  };
  const std::optional<double> observed[] = {counts.observed_above, counts.observed_below,
                                            std::nullopt,
                                            sum(counts.observed_above, counts.observed_below)};
  const std::optional<double> expected[] = {counts.expected_above, counts.expected_below,
                                            std::nullopt,
                                            sum(counts.expected_above, counts.expected_below)};
  for (int row = 0; row < 4; ++row) {
    table.SetValue(row, 0, Value(observed[row]));
    table.SetValue(row, 1, Value(percent(observed[row])));
    table.SetValue(row, 2, Value(expected[row]));
    table.SetValue(row, 3, Value(percent(expected[row])));
  }
  table.SetColumnFormat(0, 10, 0);
  return true;
}

bool BuildDescriptiveTable(const shell::Request& request, const CapabilityVariableRun& run,
                           shell::ResultTable& table) {
  const shell::CapabilityState& state = run.state;
  const bool grouped = state.Grouped();
  // Aggregated data have no observations: order statistics and moments stay empty.
  const bool observed = !state.aggregated && state.quartiles_known;
  const auto when = [&](double value) { return observed ? value : host::kMissing; };
  const double variance = state.sd * state.sd;
  std::vector<Row> list = {{strings::kRowMean, state.mean},
                           {strings::kRowMedian, when(state.median)},
                           {strings::kRowQ1, when(state.q1)},
                           {strings::kRowQ3, when(state.q3)},
                           {strings::kRowMinimum, when(state.minimum)},
                           {strings::kRowMaximum, when(state.maximum)},
                           {strings::kRowStdDev, when(state.sd)},
                           {strings::kRowVariance, when(variance)},
                           {strings::kRowSkewness, when(state.skewness)},
                           {strings::kRowKurtosis, when(state.kurtosis)}};
  if (grouped) {
    list.push_back({0, host::kMissing});
    list.push_back({strings::kRowSamples, static_cast<double>(state.samples.size())});
    if (state.sizes_vary)
      list.push_back({strings::kRowMeanSize, state.mean_size});
    else
      list.push_back({strings::kRowSampleSize, state.moving_ranges ? 1.0 : state.mean_size});
    int sigma_label = strings::kRowSigmaRanges;
    if (state.moving_ranges)
      sigma_label = strings::kRowSigmaMovingRanges;
    else if (state.sigma_method == SigmaMethod::kStandardDeviations)
      sigma_label = strings::kRowSigmaStdDevs;
    else if (state.sigma_method == SigmaMethod::kVariances)
      sigma_label = strings::kRowSigmaVariances;
    list.push_back({sigma_label, state.sigma_within_computed});
  }
  if (run.named_fit) AppendParameterRows(*run.named_fit, list);
  const int rows = static_cast<int>(list.size());
  // The exponential's scale label needs 33 characters.
  const int label_width = run.named_fit ? 34 : 30;
  if (shell::AllocateResultTable(table, shell::kTableWithoutCellTexts, 1, rows, label_width,
                                 kNameWidth) != shell::TableStatus::kOk)
    return false;
  shell::SetTableTitle(table.Title(), 1,
                       request.Text(strings::kDescriptiveTitle) + VariableTitle(request, run));
  shell::SetTableTitle(table.Title(), 2, request.Text(strings::kNEquals) + std::to_string(state.n));
  table.SetColumnName(0, request.Text(strings::kValueColumnWide));
  for (int row = 0; row < rows; ++row) {
    const Row& entry = list[static_cast<std::size_t>(row)];
    table.SetRowLabel(row, entry.label == 0 ? std::string() : request.Text(entry.label));
    table.SetValue(row, 0, entry.value);
  }
  return true;
}

bool BuildSummaryOfAllVariables(const shell::Request& request, const std::vector<SummaryRow>& rows,
                                bool with_performance, shell::ResultTable& table) {
  const int columns = with_performance ? 17 : 12;
  std::vector<int> variables;
  for (const auto& row : rows) variables.push_back(row.variable);
  const shell::VariableLabels labels = shell::MakeVariableLabels(variables);
  if (shell::AllocateResultTable(table, shell::kTableWithoutCellTexts, columns,
                                 static_cast<int>(rows.size()), std::max(labels.width, 8),
                                 kNameWidth) != shell::TableStatus::kOk)
    return false;
  shell::SetTableTitle(table.Title(), 1,
                       request.Text(with_performance ? strings::kAllTitlePerformance
                                                     : strings::kAllTitleCapability));
  table.SetRowHeader(request.Text(strings::kVariableHeader));
  const int names[] = {strings::kPlusMinusC, strings::kPlusMinusC, strings::kEditorLsl,
                       strings::kColNominal, strings::kEditorUsl,  strings::kColCp,
                       strings::kColCr,      strings::kColCpk,     strings::kColCpl,
                       strings::kColCpu,     strings::kColK,       strings::kColCpm,
                       strings::kColPp,      strings::kColPr,      strings::kColPpk,
                       strings::kColPpl,     strings::kColPpu};
  for (int column = 0; column < columns; ++column)
    table.SetColumnName(column, request.Text(names[column]));
  table.SetUpperName(0, request.Text(strings::kConstC));
  table.SetUpperName(1, request.Text(strings::kConstC));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const SummaryRow& row = rows[r];
    const int i = static_cast<int>(r);
    table.SetRowLabel(i, labels.labels[r]);
    const SpecLimits& limits = row.limits;
    const bool upper_only = limits.type == shell::ProcessType::kNominalUpper;
    std::vector<std::optional<double>> values = {
        upper_only ? row.sigma_limits.c : -row.sigma_limits.c,
        limits.TwoSided() ? std::optional<double>(row.sigma_limits.c) : std::nullopt,
        limits.HasLower() ? std::optional<double>(limits.lower) : std::nullopt,
        limits.nominal,
        limits.HasUpper() ? std::optional<double>(limits.upper) : std::nullopt,
        row.capability.cp,
        row.capability.cr,
        row.capability.cpk,
        row.capability.cpl,
        row.capability.cpu,
        row.capability.k,
        row.capability.cpm};
    if (with_performance) {
      const NormalIndices none;
      const NormalIndices& p = row.performance ? *row.performance : none;
      values.insert(values.end(), {p.cp, p.cr, p.cpk, p.cpl, p.cpu});
    }
    for (int column = 0; column < columns; ++column)
      table.SetValue(i, column, Value(values[static_cast<std::size_t>(column)]));
  }
  return true;
}

std::string GroupingText(const shell::CapabilitySettings& settings, const shell::Request& request) {
  if (settings.input_mode == shell::CapabilityInputMode::kAggregatedData)
    return request.VariableName(settings.aggregated_variables[2]);
  switch (settings.grouping) {
    case shell::GroupingMode::kConstantSampleSize:
      return request.Text(strings::kGroupingConstant);
    case shell::GroupingMode::kGroupingVariable:
      return request.VariableName(settings.grouping_variable);
    case shell::GroupingMode::kNone:
      break;
  }
  return request.Text(strings::kGroupingNone);
}

std::string ResultsSummaryText(const CapabilityVariableRun& run, const std::string& grouping,
                               const shell::Request& request) {
  const shell::CapabilityState& state = run.state;
  const auto text = [&](int number) { return request.Text(number); };
  std::string summary = text(strings::kSummaryVariable) + request.VariableName(run.variable) +
                        "\n" + text(strings::kSummaryMean) + FixedText(state.mu, 4) + "\n" +
                        text(strings::kSummaryN) + std::to_string(state.n);
  // Aggregated data have no overall sigma (their indices use the within-sample one): the
  // line stands with its value left blank rather than a zero that was never computed.
  summary += "\n" + text(strings::kSummarySigma);
  if (!state.aggregated) summary += FixedText(state.sigma_total, 5);
  if (state.Grouped()) {
    summary += "\n" + text(strings::kSummaryGrouping) + grouping + "\n" +
               text(strings::kSummarySamples) + std::to_string(state.samples.size()) + "\n" +
               text(strings::kSummaryMeanSize) + FixedText(state.mean_size, 2) + "\n" +
               text(strings::kSummaryWithin) + FixedText(state.sigma_within, 5) + "\n";
    switch (state.sigma_method) {
      case SigmaMethod::kRanges:
        summary += text(strings::kNoteRanges);
        break;
      case SigmaMethod::kStandardDeviations:
        summary += text(strings::kNoteStdDevs);
        break;
      case SigmaMethod::kVariances:
        summary += text(strings::kNoteVariances);
        break;
    }
    // Grouped raw data use both sigmas: say which serves what.
    if (!state.aggregated) summary += "\n" + text(strings::kSigmaNote);
  }
  if (run.named_fit) {
    const shell::NamedFit& fit = *run.named_fit;
    summary += "\n" + text(strings::kSummaryDistribution) + text(DistributionName(fit.code));
    if (HasThreshold(fit.code))
      summary += text(strings::kSummaryThreshold) + FixedText(fit.threshold, 4);
    if (fit.code == shell::CapabilityDistribution::kBeta)
      summary += "\n" + text(strings::kSummaryScale) + FixedText(fit.scale, 4);
    summary += "\n" + text(strings::kSummaryParameter1) + FixedText(fit.parameter1, 4);
    if (HasSecondParameter(fit.code))
      summary += text(strings::kSummaryParameter2) + FixedText(fit.parameter2, 4);
  }
  return summary;
}

}  // namespace kpa::capability
