#include "gage/outputs/charts.h"

#include <algorithm>

#include "gage/model/chart_statistics.h"
#include "gage/outputs/gage_table.h"
#include "host/api/special_values.h"
#include "resources/ids/gage_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {
namespace {

// Ticks are labelled one by one up to this many; beyond it the host chooses them.
constexpr std::size_t kMostLabelledTicks = 40;

std::string Trim(const std::string& text) { return std::string(shell::TrimBlanks(text)); }

// "Etendues (var.: D)" for a data file's variable; the plain text otherwise.
std::string WithVariable(const shell::Request& request, int with_name, int plain,
                         const std::string& name, const StudyNames& names) {
  if (names.data_sheet || name.empty()) return request.Text(plain);
  return Trim(request.Text(with_name)) + " " + name + ")";
}

// "Nb d'Opérateurs : 3  (variable : OP)".
std::string CountLine(const shell::Request& request, int label, std::int64_t count,
                      const std::string& name, const StudyNames& names) {
  std::string line = Trim(request.Text(label)) + " " + std::to_string(count);
  if (!names.data_sheet && !name.empty())
    line += "  " + Trim(request.Text(strings::kRrVariable)) + " " + name + ")";
  return line;
}

std::vector<std::string> StudyLines(const shell::Request& request, const Study& study,
                                    const StudyNames& names) {
  return {CountLine(request, strings::kRrOperators, study.size.operators, names.operators, names),
          CountLine(request, strings::kRrParts, study.size.parts, names.parts, names),
          CountLine(request, strings::kRrTrials, study.size.trials, names.trials, names)};
}

std::vector<host::AxisTick> LabelledTicks(const std::vector<std::string>& labels, double first,
                                          double step) {
  std::vector<host::AxisTick> ticks;
  if (labels.size() > kMostLabelledTicks) return ticks;
  for (std::size_t i = 0; i < labels.size(); ++i)
    ticks.push_back({first + step * static_cast<double>(i), Trim(labels[i])});
  return ticks;
}

std::string OperatorEntry(const shell::Request& request, const LevelLabels& labels,
                          std::int64_t o) {
  return Trim(request.Text(strings::kOperatorEntry)) + " " +
         Trim(labels.operators[static_cast<std::size_t>(o)]);
}

}  // namespace

host::ChartSpec DispersionChart(const shell::Request& request, const Study& study,
                                const StudyNames& names, bool sigma, bool by_operator) {
  const std::vector<CellStatistics> cells = CellsOf(study, by_operator);
  const ControlLimits limits = sigma ? SigmaChartLimits(cells, study.size.trials)
                                     : RangeChartLimits(cells, study.size.trials);
  host::ChartSpec chart;
  chart.title.push_back(
      Trim(request.Text(sigma ? strings::kSigmaChartTitle : strings::kRangeChartTitle)) + " - " +
      request.Text(by_operator ? strings::kByOperators : strings::kByParts));
  chart.title.push_back(Trim(request.Text(sigma ? strings::kSigmaMean : strings::kRangeMean)) +
                        " " + TitleNumber(limits.centre) + "   " +
                        Trim(request.Text(sigma ? strings::kSdSigma : strings::kRangeSigma)) + " " +
                        TitleNumber(limits.sigma) + "   " +
                        Trim(request.Text(strings::kTrialsLegend)) + " " +
                        std::to_string(study.size.trials));
  chart.y_axis.title = sigma ? WithVariable(request, strings::kSdsAxisVariable, strings::kSdsAxis,
                                            names.measure, names)
                             : WithVariable(request, strings::kRangesAxisVariable,
                                            strings::kRangesAxis, names.measure, names);
  chart.x_axis.title = by_operator ? WithVariable(request, strings::kOperatorsAxisVariable,
                                                  strings::kOperatorsAxis, names.operators, names)
                                   : WithVariable(request, strings::kPartsAxisVariable,
                                                  strings::kPartsAxis, names.parts, names);
  host::ChartSeries series;
  series.style = host::SeriesStyle::kLineAndMarkers;
  for (std::size_t i = 0; i < cells.size(); ++i)
    series.points.emplace_back(static_cast<double>(i + 1), sigma ? cells[i].sd : cells[i].range);
  chart.series.push_back(std::move(series));
  chart.show_legend = false;
  chart.x_axis.minimum = 0.0;
  chart.x_axis.maximum = static_cast<double>(cells.size() + 1);
  chart.y_axis.minimum = 0.0;
  const auto line = [&](double at, int label) {
    chart.reference_lines.push_back(
        {host::ReferenceOrientation::kHorizontal, at, request.Text(label) + " " + TitleNumber(at)});
  };
  line(limits.centre, strings::kCentreLine);
  if (limits.upper) line(*limits.upper, strings::kUpperLimit);
  if (limits.lower && *limits.lower > 0.0) line(*limits.lower, strings::kLowerLimit);
  // Blocks of the outer factor are marked at their first cell.
  const std::int64_t inner = by_operator ? study.size.parts : study.size.operators;
  const std::int64_t outer = by_operator ? study.size.operators : study.size.parts;
  if (outer <= static_cast<std::int64_t>(kMostLabelledTicks))
    for (std::int64_t b = 0; b < outer; ++b)
      chart.x_axis.ticks.push_back({static_cast<double>(b * inner + 1), std::to_string(b + 1)});
  return chart;
}

std::vector<host::ChartSpec> RepeatabilityPlots(const shell::Request& request, const Study& study,
                                                const StudyNames& names,
                                                const LevelLabels& labels) {
  const StudySize& s = study.size;
  std::vector<double> part_means(static_cast<std::size_t>(s.parts), 0.0);
  for (std::int64_t p = 0; p < s.parts; ++p) {
    double sum = 0.0;
    for (std::int64_t o = 0; o < s.operators; ++o)
      for (std::int64_t t = 0; t < s.trials; ++t) sum += study.At(o, p, t);
    part_means[static_cast<std::size_t>(p)] = sum / static_cast<double>(s.operators * s.trials);
  }
  std::vector<host::ChartSpec> plots;
  for (std::int64_t first = 0; first < s.operators; first += kOperatorsPerPlot) {
    const std::int64_t last = std::min(s.operators, first + kOperatorsPerPlot);
    host::ChartSpec chart;
    chart.title.push_back(request.Text(strings::kRrPlotTitle));
    for (std::string& line : StudyLines(request, study, names)) chart.title.push_back(line);
    chart.y_axis.title = request.Text(strings::kRrPlotAxis);
    chart.x_axis.title = WithVariable(request, strings::kOperatorsAxisVariable,
                                      strings::kOperatorsAxis, names.operators, names);
    std::vector<std::string> tick_labels;
    for (std::int64_t o = first; o < last; ++o) {
      host::ChartSeries series;
      series.name = OperatorEntry(request, labels, o);
      series.style = host::SeriesStyle::kMarkers;
      const double base = static_cast<double>((o - first) * (s.parts + 1));
      for (std::int64_t p = 0; p < s.parts; ++p)
        for (std::int64_t t = 0; t < s.trials; ++t)
          series.points.emplace_back(base + static_cast<double>(p + 1),
                                     study.At(o, p, t) - part_means[static_cast<std::size_t>(p)]);
      chart.series.push_back(std::move(series));
      tick_labels.push_back(labels.operators[static_cast<std::size_t>(o)]);
    }
    chart.x_axis.minimum = 0.0;
    chart.x_axis.maximum = static_cast<double>((last - first) * (s.parts + 1));
    chart.x_axis.ticks = LabelledTicks(tick_labels, static_cast<double>(s.parts + 1) / 2.0,
                                       static_cast<double>(s.parts + 1));
    chart.reference_lines.push_back({host::ReferenceOrientation::kHorizontal, 0.0, ""});
    plots.push_back(std::move(chart));
  }
  return plots;
}

host::ChartSpec CombinedPlot(const shell::Request& request, const Study& study,
                             const StudyNames& names, const LevelLabels& labels) {
  const StudySize& s = study.size;
  const bool means = names.data_sheet || !names.trials.empty();
  host::ChartSpec chart;
  chart.title.push_back(
      request.Text(means ? strings::kCombinedTitle : strings::kCombinedTitleNoTrials));
  for (std::string& line : StudyLines(request, study, names)) chart.title.push_back(line);
  chart.y_axis.title = request.Text(means ? strings::kMeanMeasureAxis : strings::kMeasureAxis);
  chart.x_axis.title =
      WithVariable(request, strings::kPartsAxisVariable, strings::kPartsAxis, names.parts, names);
  const std::vector<CellStatistics> cells = CellsOf(study, true);
  for (std::int64_t o = 0; o < s.operators; ++o) {
    host::ChartSeries series;
    series.name = OperatorEntry(request, labels, o);
    series.style = host::SeriesStyle::kLineAndMarkers;
    for (std::int64_t p = 0; p < s.parts; ++p)
      series.points.emplace_back(static_cast<double>(p + 1),
                                 cells[static_cast<std::size_t>(o * s.parts + p)].mean);
    chart.series.push_back(std::move(series));
  }
  chart.x_axis.minimum = 0.5;
  chart.x_axis.maximum = static_cast<double>(s.parts) + 0.5;
  chart.x_axis.ticks = LabelledTicks(labels.parts, 1.0, 1.0);
  return chart;
}

host::ChartSpec BoxPlot(const shell::Request& request, const Study& study, const StudyNames& names,
                        const LevelLabels& labels) {
  const StudySize& s = study.size;
  const bool means = names.data_sheet || !names.trials.empty();
  host::ChartSpec chart;
  chart.title.push_back(request.Text(means ? strings::kBoxTitle : strings::kBoxTitleNoTrials));
  for (std::string& line : StudyLines(request, study, names)) chart.title.push_back(line);
  chart.y_axis.title = request.Text(means ? strings::kMeanMeasureAxis : strings::kMeasureAxis);
  chart.x_axis.title = WithVariable(request, strings::kOperatorsAxisVariable,
                                    strings::kOperatorsAxis, names.operators, names);
  const std::vector<CellStatistics> cells = CellsOf(study, true);
  host::ChartSeries whiskers{Trim(request.Text(strings::kBoxMinMax)), {}, host::SeriesStyle::kLine};
  host::ChartSeries boxes{Trim(request.Text(strings::kBoxQuartiles)), {}, host::SeriesStyle::kLine};
  host::ChartSeries medians{Trim(request.Text(strings::kBoxMedian)), {}, host::SeriesStyle::kLine};
  const double gap = host::kMissing;  // breaks a line between boxes
  constexpr double kHalfWidth = 0.25;
  for (std::int64_t o = 0; o < s.operators; ++o) {
    std::vector<double> part_means;
    for (std::int64_t p = 0; p < s.parts; ++p)
      part_means.push_back(cells[static_cast<std::size_t>(o * s.parts + p)].mean);
    const FiveNumbers five = TukeyFiveNumbers(part_means);
    const double x = static_cast<double>(o + 1);
    whiskers.points.insert(whiskers.points.end(), {{x, five.minimum},
                                                   {x, five.lower_hinge},
                                                   {x, gap},
                                                   {x, five.upper_hinge},
                                                   {x, five.maximum},
                                                   {x, gap}});
    boxes.points.insert(boxes.points.end(), {{x - kHalfWidth, five.lower_hinge},
                                             {x + kHalfWidth, five.lower_hinge},
                                             {x + kHalfWidth, five.upper_hinge},
                                             {x - kHalfWidth, five.upper_hinge},
                                             {x - kHalfWidth, five.lower_hinge},
                                             {x, gap}});
    medians.points.insert(medians.points.end(),
                          {{x - kHalfWidth, five.median}, {x + kHalfWidth, five.median}, {x, gap}});
  }
  chart.series = {std::move(whiskers), std::move(boxes), std::move(medians)};
  chart.x_axis.minimum = 0.5;
  chart.x_axis.maximum = static_cast<double>(s.operators) + 0.5;
  std::vector<std::string> entries;
  for (std::int64_t o = 0; o < s.operators; ++o)
    entries.push_back(OperatorEntry(request, labels, o));
  chart.x_axis.ticks = LabelledTicks(entries, 1.0, 1.0);
  return chart;
}

}  // namespace kpa::gage
