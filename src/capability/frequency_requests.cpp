#include "capability/frequency_requests.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "capability/model/johnson_curves.h"
#include "capability/model/named_distributions.h"
#include "capability/nonnormal_requests.h"
#include "capability/outputs/frequency_table.h"
#include "capability/outputs/tables.h"
#include "resources/ids/capability_strings.h"
#include "shell/probability/normal.h"
#include "shell/results/fixed_text.h"

namespace kpa::capability {
namespace {

enum class Model { kNormal, kJohnson, kFitted };

// The decimals (0 to 8) that write the width exactly.
int DecimalsOf(double width) {
  for (int d = 0; d < 8; ++d) {
    const double scaled = width * std::pow(10.0, d);
    if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) return d;
  }
  return 8;
}

// The category bounds of the fields: m - 1 bounds from L0 by w = (U0 - L0)/(m - 1), or with
// neat intervals the host's neat scale, trimmed to the data.
std::vector<double> BoundsOf(const shell::Request& request, const shell::CapabilityState& state,
                             const shell::CapabilityResultsFields& f, double& width) {
  const auto m = std::clamp<std::int64_t>(f.categories, 5, 50);
  double start = f.histogram_lower;
  width = (f.histogram_upper - f.histogram_lower) / static_cast<double>(m - 1);
  std::int64_t bounds = m - 1;
  if (f.neat_intervals) {
    const host::AxisScale scale =
        request.ScaleAxis(f.histogram_lower, f.histogram_upper, static_cast<int>(m - 1));
    if (scale.step > 0.0 && scale.maximum > scale.minimum) {
      width = scale.step;
      start = scale.minimum;
      double end = scale.maximum;
      while (start + width < state.minimum && start + width < end) start += width;
      while (end - width > state.maximum && end - width > start) end -= width;
      bounds = static_cast<std::int64_t>(std::llround((end - start) / width)) + 1;
    }
  }
  std::vector<double> b;
  for (std::int64_t k = 0; k < bounds; ++k) b.push_back(start + static_cast<double>(k) * width);
  return b;
}

RequestStatus Tabulate(RequestContext& context, Model model) {
  shell::Request& request = context.request;
  shell::CapabilityVariableRun& run = context.run;
  const shell::CapabilityState& state = run.state;
  if (state.aggregated || state.observations.empty()) return RequestStatus::kNotAvailable;
  const auto fit = FitInUse(run);
  if (model == Model::kJohnson && !state.johnson_usable) {
    request.Message(strings::kNonNormalOutOfRange);
    return RequestStatus::kFailed;
  }
  const double mu = state.mu;
  const double sigma = state.sigma_total;
  const std::function<double(double)> cdf = [&](double x) -> double {
    switch (model) {
      case Model::kNormal:
        return probability::NormalIntegral((x - mu) / sigma, false);
      case Model::kJohnson:
        return JohnsonDistributionFunction((x - mu) / sigma, state.johnson).value_or(0.0);
      case Model::kFitted:
        return FittedDistributionFunction(*fit, x);
    }
    return 0.0;
  };
  request.StatusText(request.Text(strings::kStatusExpected));
  std::vector<double> sorted = state.observations;
  std::sort(sorted.begin(), sorted.end());
  FrequencyTable table;
  double width = 1.0;
  table.bounds = BoundsOf(request, state, run.fields, width);
  table.decimals = DecimalsOf(width);
  const std::size_t categories = table.bounds.size() + 1;
  table.observed.assign(categories, 0.0);
  for (const double x : sorted) {
    const auto at = std::lower_bound(table.bounds.begin(), table.bounds.end(), x);
    table.observed[static_cast<std::size_t>(at - table.bounds.begin())] += 1.0;
  }
  const auto n = static_cast<double>(sorted.size());
  double previous = 0.0;
  double total = 0.0;
  for (const double b : table.bounds) {
    const double f = cdf(b);
    table.expected.push_back(std::max(n * (f - previous), 0.0));
    total += table.expected.back();
    previous = std::max(previous, f);
  }
  table.expected.push_back(std::max(n - total, 0.0));
  request.StatusText(request.Text(strings::kStatusChiSquare));
  table.chi_square =
      ChiSquareOfCategories(table.observed, table.expected, model == Model::kJohnson ? 4 : 2);
  const std::string name = request.VariableName(run.variable);
  switch (model) {
    case Model::kNormal:
      table.title = shell::FillAfterMarks(
          shell::FillAfterMarks(request.Text(strings::kFreqNormalTitle), ':', std::array{name}),
          '=', std::array{FixedText(mu, 4), FixedText(sigma, 4)});
      break;
    case Model::kJohnson:
    case Model::kFitted:
      table.title = shell::FillAfterMarks(
          shell::FillAfterMarks(request.Text(strings::kFreqVariableLine), ':', std::array{name}),
          '=', std::array{FixedText(mu, 4), FixedText(sigma, 4)});
      break;
  }
  if (model == Model::kJohnson)
    table.model_line = shell::FillAfterMarks(
        request.Text(strings::kFreqJohnsonLine), '=',
        std::array{FixedText(state.skewness, 4), FixedText(state.kurtosis, 4)});
  if (model == Model::kFitted)
    table.model_line = request.Text(strings::kParameter1Label) + FixedText(fit->parameter1, 4) +
                       request.Text(strings::kParameter2Label) + FixedText(fit->parameter2, 4);
  if (model != Model::kJohnson) {
    const double d = KolmogorovSmirnovDistance(sorted, cdf);
    const auto count = static_cast<std::int64_t>(sorted.size());
    table.ks_d = d;
    table.fitted = model == Model::kFitted;
    table.ks_known = KolmogorovLevelsExceeded(d, count, KolmogorovTable::kKnownParameters);
    if (model == Model::kNormal)
      table.ks_lilliefors = KolmogorovLevelsExceeded(d, count, KolmogorovTable::kLilliefors);
  }
  return ShowFrequencyTable(request, table) ? RequestStatus::kDone : RequestStatus::kFailed;
}

}  // namespace

RequestStatus FrequencyTableRequest(RequestContext& context) {
  return Tabulate(context, context.run.named_fit ? Model::kFitted : Model::kNormal);
}

RequestStatus NonNormalFrequencyTableRequest(RequestContext& context) {
  return Tabulate(context, Model::kJohnson);
}

}  // namespace kpa::capability
