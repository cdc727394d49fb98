// The sequential plan's table and chart.
#include "sampling/outputs/sequential_outputs.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/api/special_values.h"
#include "resources/ids/sampling_strings.h"
#include "sampling/outputs/oc_chart.h"
#include "sampling/outputs/plan_texts.h"
#include "shell/results/fixed_text.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

constexpr float kMissingS = std::numeric_limits<float>::quiet_NaN();
constexpr int kSampleLabelWidth = 8;
constexpr int kCaseNameLabelWidth = 20;
// Cell texts hold the action: "continuer" takes 9 characters, one more than the usual
// 8-character cell, which would show it as "continue".
constexpr int kCellWidth = 9;

double TableValue(float value) {
  return std::isnan(value) ? host::kMissing : static_cast<double>(value);
}

// Headings of the line columns, in the order of SequentialLines.
struct LineHeading {
  int upper;
  int lower;
};
std::vector<LineHeading> LineHeadings(SamplingCriterion criterion) {
  switch (criterion) {
    case SamplingCriterion::kTwoTailed:
      return {{strings::kColumnAccept, strings::kColumnRight},
              {strings::kColumnReject, strings::kColumnRight},
              {strings::kColumnAccept, strings::kColumnLeft},
              {strings::kColumnReject, strings::kColumnLeft}};
    case SamplingCriterion::kOneSidedRight:
      return {{strings::kColumnAccept, strings::kColumnRight},
              {strings::kColumnReject, strings::kColumnRight}};
    case SamplingCriterion::kOneSidedLeft:
      return {{strings::kColumnAccept, strings::kColumnLeft},
              {strings::kColumnReject, strings::kColumnLeft}};
  }
  return {};
}

std::string SidedCode(const shell::Request& request, SamplingCriterion criterion) {
  return request.Text(criterion == SamplingCriterion::kTwoTailed ? strings::kTwoSided
                                                                 : strings::kOneSided);
}

std::string ActionText(const shell::Request& request, SequentialAction action) {
  switch (action) {
    case SequentialAction::kContinue:
      return request.Text(strings::kActionContinue);
    case SequentialAction::kAccept:
      return request.Text(strings::kActionAccept);
    case SequentialAction::kReject:
      return request.Text(strings::kActionReject);
    case SequentialAction::kMissing:
      return request.Text(strings::kActionMissing);
  }
  return {};
}

std::string SampleLabel(const SequentialContext& context, int n, bool case_names) {
  const auto& observed = context.observed;
  const bool in_data = observed && n <= static_cast<int>(observed->values.size());
  if (in_data) {
    const ObservedValue& value = observed->values[static_cast<std::size_t>(n - 1)];
    if (case_names) return value.case_name;
    return host::FormatNumberField(static_cast<double>(value.case_number), 5, 0);
  }
  std::string label = host::FormatNumberField(n, 5, 0);
  if (observed) label += ":";
  return label;
}

int DistributionTitle(SamplingDistribution distribution) {
  switch (distribution) {
    case SamplingDistribution::kNormalMeans:
      return strings::kSequentialNormal;
    case SamplingDistribution::kBinomialProportions:
      return strings::kSequentialBinomial;
    case SamplingDistribution::kPoissonFrequencies:
      return strings::kSequentialPoisson;
  }
  return strings::kSequentialNormal;
}

}  // namespace

ObservedPath MakeObservedPath(const SequentialPlan& plan, double h0,
                              std::vector<ObservedValue> values) {
  ObservedPath path;
  path.values = std::move(values);
  float sum = 0.0f;
  for (std::size_t i = 0; i < path.values.size(); ++i) {
    const ObservedValue& value = path.values[i];
    float s = kMissingS;
    if (value.kind == ValueKind::kValue) {
      sum += static_cast<float>(value.value - h0);
      s = sum;
      if (!std::isfinite(s)) path.overflowed = true;
    }
    path.cumulative.push_back(s);
    path.actions.push_back(RecommendedAction(plan, s, static_cast<int>(i) + 1));
  }
  return path;
}

shell::TableStatus BuildSequentialTable(const shell::Request& request,
                                        const SequentialContext& context,
                                        shell::ResultTable& table) {
  const shell::SamplingSettings& s = *context.settings;
  const int lines = LineCount(s.criterion);
  const int columns = lines + (context.observed ? 2 : 0);
  const bool case_names = context.observed && request.HasCaseNames();
  const int label_width = case_names ? kCaseNameLabelWidth : kSampleLabelWidth;

  shell::SmallTableArrays arrays;
  const std::vector<LineHeading> headings = LineHeadings(s.criterion);
  for (int c = 0; c < lines; ++c) {
    arrays.upper_names[static_cast<std::size_t>(c)] =
        shell::FitText(request.Text(headings[static_cast<std::size_t>(c)].upper), 8);
    arrays.lower_names[static_cast<std::size_t>(c)] =
        shell::FitText(request.Text(headings[static_cast<std::size_t>(c)].lower), 8);
  }
  if (context.observed) {
    arrays.upper_names[static_cast<std::size_t>(lines)] =
        shell::FitText(request.Text(strings::kColumnDeviations), 8);
    arrays.lower_names[static_cast<std::size_t>(lines)] =
        shell::FitText(request.Text(strings::kColumnCumulated), 8);
    arrays.upper_names[static_cast<std::size_t>(lines + 1)] =
        shell::FitText(request.Text(strings::kColumnAction), 8);
    arrays.lower_names[static_cast<std::size_t>(lines + 1)] =
        shell::FitText(request.Text(strings::kColumnRecommended), 8);
  }
  ComposedLine title1;
  title1.Put(1, request.Text(strings::kSequentialMeans))
      .Overlay(1, request.Text(DistributionTitle(s.distribution)))
      .Number(29, s.H0(), 7)
      .Number(40, s.H1(), 7);
  ComposedLine title2;
  title2.Put(1, request.Text(strings::kSequentialAsn))
      .Number(29, context.plan.asn0, 7)
      .Number(40, context.plan.asn1, 7);
  ComposedLine title3;
  title3.Put(1, request.Text(strings::kSequentialRisks))
      .Number(7, s.Sigma(), 9)
      .Number(23, s.alpha, 5)
      .Put(30, SidedCode(request, s.criterion))
      .Number(47, s.beta, 6);
  shell::SetTableTitle(arrays.title, 1, title1.Trimmed());
  shell::SetTableTitle(arrays.title, 2, title2.Trimmed());
  shell::SetTableTitle(arrays.title, 3, title3.Trimmed());

  const shell::TableStatus status =
      shell::AllocateResultTable(table, 0, columns, context.samples, label_width, kCellWidth);
  if (status != shell::TableStatus::kOk) return status;
  shell::TakeSmallTableHeadings(arrays, table);
  table.SetRowHeader(context.observed ? request.VariableName(s.data_variable)
                                      : request.Text(strings::kSampleHeader));
  table.Display().column_width = 10;
  table.Display().decimals = 4;
  const int observed_count =
      context.observed ? static_cast<int>(context.observed->values.size()) : 0;
  for (int n = 1; n <= context.samples; ++n) {
    const int row = n - 1;
    table.SetRowLabel(row, SampleLabel(context, n, case_names));
    const std::vector<float> values = SequentialLines(context.plan, n);
    for (int c = 0; c < lines; ++c)
      table.SetValue(row, c, static_cast<double>(values[static_cast<std::size_t>(c)]));
    if (!context.observed) continue;
    if (n <= observed_count) {
      const auto i = static_cast<std::size_t>(row);
      const SequentialAction action = context.observed->actions[i];
      table.SetValue(row, lines, TableValue(context.observed->cumulative[i]));
      table.SetValue(
          row, lines + 1,
          action == SequentialAction::kMissing ? host::kMissing : static_cast<double>(action));
      table.SetCellText(row, lines + 1, ActionText(request, action));
    } else {
      table.SetValue(row, lines, host::kMissing);
      table.SetValue(row, lines + 1, 0.0);
      table.SetCellText(row, lines + 1, "");
    }
  }
  if (context.observed) table.SetColumnFormat(lines + 1, 10, 0);
  return shell::TableStatus::kOk;
}

host::ChartSpec BuildSequentialChart(const shell::Request& request,
                                     const SequentialContext& context) {
  const shell::SamplingSettings& s = *context.settings;
  host::ChartSpec chart;
  chart.title = OcChartTitle(request, s);
  ComposedLine alpha;
  alpha.Put(1, request.Text(strings::kChartAlphaSided))
      .Number(19, s.alpha, 6)
      .Put(27, SidedCode(request, s.criterion));
  chart.title.push_back(std::string(shell::TrimBlanks(alpha.Trimmed())));
  switch (s.distribution) {
    case SamplingDistribution::kNormalMeans:
      chart.y_axis.title = request.Text(strings::kAxisCumulatedNormal);
      break;
    case SamplingDistribution::kBinomialProportions:
      chart.y_axis.title = request.Text(strings::kAxisCumulatedBinomial);
      break;
    case SamplingDistribution::kPoissonFrequencies:
      chart.y_axis.title = request.Text(strings::kAxisCumulatedPoisson);
      break;
  }
  chart.y_axis.title = std::string(shell::TrimBlanks(chart.y_axis.title));
  if (context.observed) {
    ComposedLine axis;
    axis.Put(1, request.Text(strings::kAxisSamplesOfVariable))
        .Put(18, request.VariableName(s.data_variable));
    chart.x_axis.title = axis.Trimmed();
  } else {
    chart.x_axis.title = std::string(shell::TrimBlanks(request.Text(strings::kAxisSamples)));
  }
  chart.x_axis.minimum = 1.0;
  chart.x_axis.maximum = context.samples;

  if (context.observed) {
    host::ChartSeries path{
        std::string(shell::TrimBlanks(request.Text(strings::kAxisCumulatedPoisson))),
        {},
        host::SeriesStyle::kLineAndMarkers};
    host::ChartSeries beyond{
        request.Text(strings::kSeriesBeyondRejection), {}, host::SeriesStyle::kMarkers};
    const int count = std::min(context.samples, static_cast<int>(context.observed->values.size()));
    for (int n = 1; n <= count; ++n) {
      const float value = context.observed->cumulative[static_cast<std::size_t>(n - 1)];
      path.points.emplace_back(n, TableValue(value));
      if (!std::isnan(value) && BeyondRejection(context.plan, value, n))
        beyond.points.emplace_back(n, static_cast<double>(value));
    }
    chart.series.push_back(std::move(path));
    if (!beyond.points.empty()) chart.series.push_back(std::move(beyond));
  }
  const std::vector<LineHeading> headings = LineHeadings(s.criterion);
  const std::vector<float> first = SequentialLines(context.plan, 1);
  const std::vector<float> last = SequentialLines(context.plan, context.samples);
  for (std::size_t c = 0; c < first.size(); ++c) {
    host::ChartSeries line;
    line.name = std::string(shell::TrimBlanks(request.Text(headings[c].upper))) + " " +
                std::string(shell::TrimBlanks(request.Text(headings[c].lower)));
    line.points = {{1.0, static_cast<double>(first[c])},
                   {static_cast<double>(context.samples), static_cast<double>(last[c])}};
    chart.series.push_back(std::move(line));
  }
  return chart;
}
}  // namespace kpa::sampling
