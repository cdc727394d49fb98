#include "capability/frequency_requests.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "capability/model/named_distributions.h"
#include "capability/nonnormal_requests.h"
#include "capability/outputs/frequency_table.h"
#include "capability/outputs/tables.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::capability {
namespace {

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

}  // namespace

CategoryCounts CountCategories(const shell::Request& request,
                               const shell::CapabilityVariableRun& run,
                               std::span<const double> sorted) {
  CategoryCounts counts;
  counts.bounds = BoundsOf(request, run.state, run.fields, counts.width);
  counts.observed.assign(counts.bounds.size() + 1, 0.0);
  for (const double x : sorted) {
    const auto at = std::lower_bound(counts.bounds.begin(), counts.bounds.end(), x);
    counts.observed[static_cast<std::size_t>(at - counts.bounds.begin())] += 1.0;
  }
  return counts;
}

bool LawUsable(shell::Request& request, const shell::CapabilityVariableRun& run, LawKind kind) {
  if (kind != LawKind::kJohnson || run.state.johnson_usable) return true;
  request.Message(strings::kNonNormalOutOfRange);
  return false;
}

ModelLaw LawOf(const shell::CapabilityVariableRun& run, LawKind kind) {
  ModelLaw law;
  law.mu = run.state.mu;
  law.sigma = run.state.sigma_total;
  law.johnson = run.state.johnson;
  const auto fit = FitInUse(run);
  law.kind = kind == LawKind::kFitted && !fit ? LawKind::kNormal : kind;
  if (fit) law.fitted = *fit;
  return law;
}

namespace {

RequestStatus Tabulate(RequestContext& context, LawKind model) {
  shell::Request& request = context.request;
  shell::CapabilityVariableRun& run = context.run;
  const shell::CapabilityState& state = run.state;
  if (state.aggregated || state.observations.empty()) return RequestStatus::kNotAvailable;
  if (!LawUsable(request, run, model)) return RequestStatus::kFailed;
  const ModelLaw law = LawOf(run, model);
  const shell::NamedFit& fit = law.fitted;
  const double mu = state.mu;
  const double sigma = state.sigma_total;
  const auto cdf = [&law](double x) { return LawDistributionFunction(law, x); };
  request.StatusText(request.Text(strings::kStatusExpected));
  std::vector<double> sorted = state.observations;
  std::sort(sorted.begin(), sorted.end());
  FrequencyTable table;
  CategoryCounts counts = CountCategories(request, run, sorted);
  table.bounds = std::move(counts.bounds);
  table.decimals = DecimalsOf(counts.width);
  table.observed = std::move(counts.observed);
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
      ChiSquareOfCategories(table.observed, table.expected, model == LawKind::kJohnson ? 4 : 2);
  const std::string name = request.VariableName(run.variable);
  switch (model) {
    case LawKind::kNormal:
      table.title = shell::FillAfterMarks(
          shell::FillAfterMarks(request.Text(strings::kFreqNormalTitle), ':', std::array{name}),
          '=', std::array{FixedText(mu, 4), FixedText(sigma, 4)});
      break;
    case LawKind::kJohnson:
    case LawKind::kFitted:
      table.title = shell::FillAfterMarks(
          shell::FillAfterMarks(request.Text(strings::kFreqVariableLine), ':', std::array{name}),
          '=', std::array{FixedText(mu, 4), FixedText(sigma, 4)});
      break;
  }
  if (model == LawKind::kJohnson)
    table.model_line = shell::FillAfterMarks(
        request.Text(strings::kFreqJohnsonLine), '=',
        std::array{FixedText(state.skewness, 4), FixedText(state.kurtosis, 4)});
  if (law.kind == LawKind::kFitted)
    table.model_line = request.Text(strings::kParameter1Label) + FixedText(fit.parameter1, 4) +
                       (HasSecondParameter(fit.code)
                            ? request.Text(strings::kParameter2Label) + FixedText(fit.parameter2, 4)
                            : std::string());
  if (model != LawKind::kJohnson) {
    const double d = KolmogorovSmirnovDistance(sorted, cdf);
    const auto count = static_cast<std::int64_t>(sorted.size());
    table.ks_d = d;
    table.fitted = law.kind == LawKind::kFitted;
    table.ks_known = KolmogorovLevelsExceeded(d, count, KolmogorovTable::kKnownParameters);
    if (model == LawKind::kNormal)
      table.ks_lilliefors = KolmogorovLevelsExceeded(d, count, KolmogorovTable::kLilliefors);
  }
  return ShowFrequencyTable(request, table) ? RequestStatus::kDone : RequestStatus::kFailed;
}

}  // namespace

RequestStatus FrequencyTableRequest(RequestContext& context) {
  return Tabulate(context, context.run.named_fit ? LawKind::kFitted : LawKind::kNormal);
}

RequestStatus NonNormalFrequencyTableRequest(RequestContext& context) {
  return Tabulate(context, LawKind::kJohnson);
}

}  // namespace kpa::capability
