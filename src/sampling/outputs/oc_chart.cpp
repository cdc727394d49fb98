// The OC curves chart.
#include "sampling/outputs/oc_chart.h"

#include "resources/ids/sampling_strings.h"
#include "sampling/outputs/plan_texts.h"
#include "shell/results/fixed_text.h"

namespace kpa::sampling {
namespace {

using shell::SamplingDistribution;

constexpr double kPowerAxisTop = 1.05;
constexpr double kPowerAxisStep = 0.1;

std::string Trim(const std::string& text) { return std::string(shell::TrimBlanks(text)); }

}  // namespace

std::vector<std::string> OcChartTitle(const shell::Request& request,
                                      const shell::SamplingSettings& s) {
  std::vector<std::string> title;
  int name = strings::kChartNormal;
  if (s.distribution == SamplingDistribution::kBinomialProportions) name = strings::kChartBinomial;
  if (s.distribution == SamplingDistribution::kPoissonFrequencies) name = strings::kShortPoisson;
  title.push_back(Trim(request.Text(strings::kChartDistribution) + request.Text(name)));
  // The means line is laid out from column 13, so that H0 falls at column 22 right after
  // "H0=" and H1 at column 37 after "H1=  ".
  ComposedLine means;
  means.Put(13, request.Text(strings::kChartMeans)).Number(22, s.H0(), 7).Number(37, s.H1(), 7);
  title.push_back(Trim(means.Trimmed()));
  const double sigma_used = ComputeBasis(InputsFromSettings(s)).sigma_used;
  title.push_back(Trim(request.Text(strings::kChartSigma) + Trim(AutoNumber(sigma_used, 7))));
  title.push_back(Trim(request.Text(strings::kChartAlpha) + Trim(AutoNumber(s.alpha, 6)) + " " +
                       SidedNote(request, s.criterion)));
  title.push_back(Trim(request.Text(strings::kChartBeta) + Trim(AutoNumber(PlanBeta(s), 6))));
  return title;
}

host::ChartSpec MakeOcChart(const shell::Request& request, const shell::SamplingSettings& s,
                            const OcFamily& family) {
  host::ChartSpec chart;
  chart.title = OcChartTitle(request, s);
  switch (s.distribution) {
    case SamplingDistribution::kNormalMeans:
      chart.x_axis.title = request.Text(strings::kAxisNormal);
      break;
    case SamplingDistribution::kBinomialProportions:
      chart.x_axis.title = request.Text(strings::kAxisBinomial);
      break;
    case SamplingDistribution::kPoissonFrequencies:
      chart.x_axis.title = request.Text(strings::kAxisPoisson);
      break;
  }
  chart.x_axis.minimum = family.x_minimum;
  chart.x_axis.maximum = family.x_maximum;
  chart.y_axis.title = Trim(request.Text(strings::kAxisPower));
  chart.y_axis.minimum = 0.0;
  chart.y_axis.maximum = kPowerAxisTop;
  chart.y_axis.step = kPowerAxisStep;
  for (const OcCurve& curve : family.curves) {
    host::ChartSeries series;
    series.name = request.Text(strings::kCurveLabel) + std::to_string(curve.n);
    series.points = curve.points;
    series.style = host::SeriesStyle::kLine;
    chart.series.push_back(std::move(series));
  }
  return chart;
}
}  // namespace kpa::sampling
