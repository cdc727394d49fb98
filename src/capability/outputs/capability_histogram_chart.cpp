#include "capability/outputs/capability_histogram_chart.h"

#include <array>

#include "capability/outputs/plot_texts.h"
#include "capability/outputs/tables.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::capability {
namespace {

std::string IndexLine(const shell::Request& request, int label,
                      const shell::HistogramIndexSet& set) {
  std::string line = request.Text(label);
  const std::pair<int, const std::optional<double>*> parts[] = {{strings::kHistogramCp, &set.cp},
                                                                {strings::kHistogramCpk, &set.cpk},
                                                                {strings::kHistogramCpl, &set.cpl},
                                                                {strings::kHistogramCpu, &set.cpu}};
  for (const auto& [text, value] : parts)
    if (*value) line += request.Text(text) + FixedText(**value, 3) + "  ";
  return Trimmed(line);
}

std::string SpecificationLine(const shell::Request& request, const SpecLimits& limits) {
  // "Spécifications: LSI= ": without a lower limit, the words before "LSI" alone.
  std::string line = request.Text(strings::kHistogramSpecLsl);
  if (limits.HasLower())
    line += PlotNumber(limits.lower) + "  ";
  else
    line = line.substr(0, line.find(request.Text(strings::kHistogramLslLine)));
  line += request.Text(strings::kHistogramSpecNominal) + PlotNumber(limits.nominal) + "  ";
  if (limits.HasUpper())
    line += request.Text(strings::kHistogramSpecUsl) + PlotNumber(limits.upper);
  return Trimmed(line);
}

std::vector<std::string> TitleOf(const shell::Request& request, const CapabilityHistogram& h) {
  std::vector<std::string> title = {shell::FillAfterMarks(
      request.Text(strings::kHistogramVariableLine), ':',
      std::array{" " + h.variable, " " + PlotNumber(h.law.mu), " " + PlotNumber(h.law.sigma)})};
  if (h.law.kind == LawKind::kJohnson)
    title.push_back(shell::FillAfterMarks(
        request.Text(strings::kHistogramNonNormalLine), ':',
        std::array{" " + PlotNumber(h.skewness), " " + PlotNumber(h.kurtosis)}));
  if (h.law.kind == LawKind::kFitted) title.push_back(FittedParameterLine(request, h.law.fitted));
  title.push_back(SpecificationLine(request, h.limits));
  if (h.at_percentiles) title.push_back(request.Text(strings::kHistogramPercentileNote));
  if (h.indices) {
    if (h.indices->normal)
      title.push_back(IndexLine(request, strings::kHistogramNormalIndices, *h.indices->normal));
    if (h.indices->non_normal && h.law.kind != LawKind::kNormal)
      title.push_back(
          IndexLine(request, strings::kHistogramNonNormalIndices, *h.indices->non_normal));
  }
  return title;
}

}  // namespace

host::ChartSpec CapabilityHistogramChart(const shell::Request& request,
                                         const CapabilityHistogram& h) {
  host::ChartSpec chart;
  chart.title = TitleOf(request, h);
  chart.x_axis.title = h.variable;
  chart.x_axis.minimum = h.span.from;
  chart.x_axis.maximum = h.span.to;
  chart.y_axis.title = request.Text(strings::kHistogramYAxis);
  chart.y_axis.minimum = 0.0;
  // Category k spans (b(k-1), b(k)]; the first and the last are drawn one width wide.
  host::ChartSeries bars{
      Trimmed(request.Text(strings::kLegendObserved)), {}, host::SeriesStyle::kBars};
  for (std::size_t k = 0; k < h.observed.size(); ++k) {
    const double middle =
        k < h.bounds.size() ? h.bounds[k] - 0.5 * h.width : h.bounds.back() + 0.5 * h.width;
    bars.points.emplace_back(middle, h.observed[k]);
  }
  chart.series.push_back(std::move(bars));
  if (!h.curve.empty())
    chart.series.push_back(
        {Trimmed(request.Text(LawLegend(h.law))), h.curve, host::SeriesStyle::kLine});
  const auto line = [&chart](double at, std::string label) {
    chart.reference_lines.push_back({host::ReferenceOrientation::kVertical, at, std::move(label)});
  };
  if (h.limits.HasLower()) line(h.limits.lower, request.Text(strings::kHistogramLslLine));
  line(h.limits.nominal, request.Text(strings::kHistogramNominalLine));
  if (h.limits.HasUpper()) line(h.limits.upper, request.Text(strings::kHistogramUslLine));
  const std::string sigma = request.Text(strings::kHistogramSigmaLine);
  if (h.lower_sigma) line(*h.lower_sigma, FixedText(-h.c, 2) + sigma);
  if (h.upper_sigma) line(*h.upper_sigma, "+" + FixedText(h.c, 2) + sigma);
  return chart;
}

}  // namespace kpa::capability
