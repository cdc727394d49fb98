#include "capability/nonnormal_requests.h"

#include <algorithm>

#include "capability/model/johnson_curves.h"
#include "capability/model/named_distributions.h"
#include "capability/model/pearson_curves.h"
#include "capability/model/tolerance_limits.h"
#include "capability/outputs/distribution_names.h"
#include "capability/outputs/fit_all_table.h"
#include "capability/outputs/percentile_tables.h"
#include "capability/outputs/tolerance_table.h"
#include "resources/ids/capability_strings.h"

namespace kpa::capability {
namespace {

using shell::CapabilityDistribution;

// The limit on the likelihood search's trial points.
constexpr int kLikelihoodIterations = 200;

// The specification, the sigma and the sigma limits the percentile tables of a run use.
struct RunBasis {
  shell::ProcessSpecRecord record;
  SpecLimits limits;
  double mu = 0.0;
  double sigma = 1.0;
  double k = 6.0;
  SigmaLimitValues sigma_limits;
};

std::optional<RunBasis> BasisOf(const shell::CapabilitySettings& settings,
                                const shell::CapabilityVariableRun& run) {
  RunBasis basis;
  basis.record = SpecificationOf(settings, run);
  const auto limits = EffectiveLimits(basis.record);
  if (!limits) return std::nullopt;
  basis.limits = *limits;
  const shell::CapabilityState& state = run.state;
  basis.mu = state.mu;
  basis.sigma = state.Grouped() ? state.sigma_within : state.sigma_total;
  basis.k = state.k;
  basis.sigma_limits = SigmaLimitsOf(basis.limits, basis.mu, basis.sigma, basis.k);
  return basis;
}

PercentileColumn Column(std::string upper, std::string name, const SpecLimits& limits,
                        const SpecLimits& spread, const PercentilePoints& points) {
  return {std::move(upper), std::move(name), spread, points,
          ComputePercentileIndices(limits, spread, points)};
}

PercentileColumn NormalColumn(const shell::Request& request, const RunBasis& b) {
  const double c = 0.5 * b.k;
  return Column(request.Text(strings::kColDistribution), request.Text(strings::kColNormal),
                b.limits, b.limits, {b.mu - c * b.sigma, b.mu, b.mu + c * b.sigma});
}

std::optional<PercentileColumn> JohnsonColumn(const shell::Request& request,
                                              const shell::CapabilityState& state,
                                              const RunBasis& b) {
  const double c = 0.5 * b.k;
  const auto lower = JohnsonVariate(-c, state.johnson);
  const auto median = JohnsonVariate(0.0, state.johnson);
  const auto upper = JohnsonVariate(c, state.johnson);
  if (!state.johnson_usable || !lower || !median || !upper) return std::nullopt;
  return Column(request.Text(strings::kColDistribution), request.Text(strings::kColNonNormal),
                b.limits, b.limits,
                {b.mu + b.sigma * *lower, b.mu + b.sigma * *median, b.mu + b.sigma * *upper});
}

// Only for k = 6: the table holds the +-3 sigma equivalents alone.
std::optional<PercentileColumn> PearsonColumn(const shell::Request& request,
                                              const shell::CapabilityState& state,
                                              const RunBasis& b) {
  if (b.k != 6.0) return std::nullopt;
  const auto lower = PearsonStandardPercentile(state.skewness, state.kurtosis, -3.0);
  const auto median = PearsonStandardPercentile(state.skewness, state.kurtosis, 0.0);
  const auto upper = PearsonStandardPercentile(state.skewness, state.kurtosis, 3.0);
  if (!lower || !median || !upper) return std::nullopt;
  return Column(request.Text(strings::kColCurves), request.Text(strings::kColPearson), b.limits,
                b.limits,
                {b.mu + b.sigma * *lower, b.mu + b.sigma * *median, b.mu + b.sigma * *upper});
}

std::optional<PercentileColumn> FittedColumn(const shell::Request& request,
                                             const shell::CapabilityVariableRun& run,
                                             const RunBasis& b) {
  const auto fit = FitInUse(run);
  if (!fit) return std::nullopt;
  const PercentileLevels levels = LevelsOf(b.k);
  const auto lower = FittedQuantile(*fit, levels.lower);
  const auto median = FittedQuantile(*fit, 0.5);
  const auto upper = FittedQuantile(*fit, levels.upper);
  if (!lower || !median || !upper) return std::nullopt;
  // Natural limits: a threshold (and the beta's upper bound) narrows the limits of CP and CR.
  SpecLimits spread = b.limits;
  if (run.fields.threshold_is_lsl && HasThreshold(fit->code)) {
    if (spread.HasLower()) spread.lower = std::max(fit->threshold, spread.lower);
    if (fit->code == CapabilityDistribution::kBeta && spread.HasUpper())
      spread.upper = std::min(fit->threshold + fit->scale, spread.upper);
  }
  return Column(request.Text(DistributionShortName(fit->code)),
                request.Text(strings::kColPercentMethod), b.limits, spread,
                {*lower, *median, *upper});
}

}  // namespace

void FitGeneralNonNormal(shell::CapabilityState& state) {
  state.johnson = {};
  state.johnson_usable = false;
  if (state.aggregated || !(state.sd > 0.0)) return;
  state.johnson = FitJohnsonByMoments(0.0, 1.0, state.skewness, state.kurtosis + 3.0);
  const JohnsonFit& fit = state.johnson;
  // Only the curves with a transform (types 1 to 4) serve; the two-point boundary law would
  // leave the non-normal buttons enabled only to fail.
  const bool transformable = fit.type == JohnsonType::kLognormal ||
                             fit.type == JohnsonType::kUnbounded ||
                             fit.type == JohnsonType::kBounded || fit.type == JohnsonType::kNormal;
  state.johnson_usable = transformable && (fit.fault == JohnsonFault::kNone ||
                                           fit.fault == JohnsonFault::kApproximate);
}

std::optional<shell::NamedFit> FitInUse(const shell::CapabilityVariableRun& run) {
  if (!run.named_fit) return std::nullopt;
  shell::NamedFit fit = *run.named_fit;
  if (run.fields.user_parameter1_on) fit.parameter1 = run.fields.user_parameter1;
  if (run.fields.user_parameter2_on) fit.parameter2 = run.fields.user_parameter2;
  return fit;
}

RequestStatus GeneralNonNormalIndices(RequestContext& context) {
  shell::Request& request = context.request;
  const shell::CapabilityState& state = context.run.state;
  if (state.aggregated) return RequestStatus::kNotAvailable;
  const auto basis = BasisOf(context.settings, context.run);
  if (!basis) return Refuse(request, strings::kSpecsIncorrect);
  request.StatusText(request.Text(strings::kStatusIndices));
  const auto johnson = JohnsonColumn(request, state, *basis);
  if (!johnson) return Refuse(request, strings::kNonNormalOutOfRange);
  std::vector<PercentileColumn> columns = {NormalColumn(request, *basis), *johnson};
  if (auto pearson = PearsonColumn(request, state, *basis)) columns.push_back(*pearson);
  return ShowPercentileTable(request, context.run, basis->record,
                             request.Text(strings::kGeneralNonNormalName), basis->sigma_limits,
                             LevelsOf(basis->k), columns)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

RequestStatus NamedDistributionIndices(RequestContext& context) {
  shell::Request& request = context.request;
  const auto basis = BasisOf(context.settings, context.run);
  if (!basis) return Refuse(request, strings::kSpecsIncorrect);
  const auto fit = FitInUse(context.run);
  if (!fit) return RequestStatus::kNotAvailable;
  request.StatusText(request.Text(strings::kStatusIndices));
  const auto fitted = FittedColumn(request, context.run, *basis);
  if (!fitted) return Refuse(request, strings::kNonNormalOutOfRange);
  const std::vector<PercentileColumn> columns = {NormalColumn(request, *basis), *fitted};
  return ShowPercentileTable(request, context.run, basis->record,
                             request.Text(DistributionName(fit->code)), basis->sigma_limits,
                             LevelsOf(basis->k), columns)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

namespace {

shell::HistogramIndexSet KeptSet(const PercentileIndices& indices) {
  return {indices.cp, indices.cpk, indices.cpl, indices.cpu};
}

}  // namespace

RequestStatus KeepNonNormalIndices(RequestContext& context) {
  shell::Request& request = context.request;
  shell::CapabilityVariableRun& run = context.run;
  if (run.state.aggregated) return RequestStatus::kNotAvailable;
  const auto basis = BasisOf(context.settings, run);
  if (!basis) return Refuse(request, strings::kSpecsIncorrect);
  const auto johnson = JohnsonColumn(request, run.state, *basis);
  if (!johnson) return Refuse(request, strings::kNonNormalOutOfRange);
  run.histogram_indices.normal = KeptSet(NormalColumn(request, *basis).indices);
  run.histogram_indices.non_normal = KeptSet(johnson->indices);
  return RequestStatus::kDone;
}

std::optional<shell::HistogramIndexSet> KeptFittedIndices(const RequestContext& context) {
  if (!context.run.named_fit) return std::nullopt;
  const auto basis = BasisOf(context.settings, context.run);
  if (!basis) return std::nullopt;
  const auto fitted = FittedColumn(context.request, context.run, *basis);
  if (!fitted) return std::nullopt;
  return KeptSet(fitted->indices);
}

std::optional<PercentileEquivalents> PercentileEquivalentsOf(
    const shell::CapabilityVariableRun& run, bool johnson, double k) {
  const shell::CapabilityState& state = run.state;
  if (johnson) {
    const auto lower = JohnsonVariate(-0.5 * k, state.johnson);
    const auto upper = JohnsonVariate(0.5 * k, state.johnson);
    if (!state.johnson_usable || !lower || !upper) return std::nullopt;
    return PercentileEquivalents{state.mu + state.sigma_total * *lower,
                                 state.mu + state.sigma_total * *upper};
  }
  const auto fit = FitInUse(run);
  if (!fit) return std::nullopt;
  const PercentileLevels levels = LevelsOf(k);
  const auto lower = FittedQuantile(*fit, levels.lower);
  const auto upper = FittedQuantile(*fit, levels.upper);
  if (!lower || !upper) return std::nullopt;
  return PercentileEquivalents{*lower, *upper};
}

namespace {

RequestStatus SummarizePercentileIndices(shell::Request& request,
                                         shell::CapabilitySettings& settings, bool named) {
  const std::size_t current = settings.current_run;
  std::vector<PercentileSummaryRow> rows;
  RequestStatus status = RequestStatus::kDone;
  for (std::size_t i = 0; i < settings.runs.size() && status == RequestStatus::kDone; ++i) {
    settings.current_run = i;
    shell::CapabilityVariableRun& run = settings.runs[i];
    RequestContext context{request, settings, run};
    status = RunCapabilityRequest(CapabilityRequest::kInitialise, context);
    if (status != RequestStatus::kDone) break;
    const auto basis = BasisOf(settings, run);
    if (!basis) {
      status = Refuse(request, strings::kSpecsIncorrect);
      break;
    }
    const auto column =
        named ? FittedColumn(request, run, *basis) : JohnsonColumn(request, run.state, *basis);
    if (!column) {
      status = Refuse(request, strings::kNonNormalOutOfRange);
      break;
    }
    rows.push_back({run.variable, *column});
  }
  settings.current_run = current;
  if (status != RequestStatus::kDone) return status;
  std::string distribution;
  if (named && !settings.runs.empty() && settings.runs.front().named_fit)
    distribution = request.Text(DistributionName(settings.runs.front().named_fit->code));
  return ShowPercentileSummary(request, rows, named, distribution) ? RequestStatus::kDone
                                                                   : RequestStatus::kFailed;
}

}  // namespace

RequestStatus SummarizeJohnsonIndices(shell::Request& request,
                                      shell::CapabilitySettings& settings) {
  return SummarizePercentileIndices(request, settings, false);
}

RequestStatus SummarizeFittedIndices(shell::Request& request, shell::CapabilitySettings& settings) {
  return SummarizePercentileIndices(request, settings, true);
}

RequestStatus FitAllDistributions(shell::Request& request,
                                  const shell::CapabilitySettings& settings,
                                  shell::CapabilityVariableRun& run) {
  shell::CapabilityState& state = run.state;
  std::vector<double> sorted = state.observations;
  std::sort(sorted.begin(), sorted.end());
  const struct {
    CapabilityDistribution code;
    int label;
  } laws[] = {
      {CapabilityDistribution::kBeta, strings::kFitAllBeta},
      {CapabilityDistribution::kExponential, strings::kFitAllExponential},
      {CapabilityDistribution::kExtremeValue, strings::kFitAllExtremeValue},
      {CapabilityDistribution::kGamma, strings::kFitAllGamma},
      {CapabilityDistribution::kLogNormal, strings::kFitAllLogNormal},
      {CapabilityDistribution::kNormalAndGeneral, strings::kFitAllNormal},
      {CapabilityDistribution::kRayleigh, strings::kFitAllRayleigh},
      {CapabilityDistribution::kWeibull, strings::kFitAllWeibull},
  };
  const auto n = static_cast<std::int64_t>(sorted.size());
  std::vector<FitAllRow> rows;
  request.StatusText(request.Text(strings::kStatusFitting));
  for (const auto& law : laws) {
    FitAllRow row;
    row.label = law.label;
    const double threshold = ThresholdOf(settings, law.code);
    if (HasThreshold(law.code)) row.fixed1 = threshold;
    if (law.code == CapabilityDistribution::kBeta) row.fixed2 = settings.beta_scale;
    // A fit that fails leaves its row empty, without its message.
    const NamedFitResult result = FitNamedDistribution(law.code, sorted, threshold,
                                                       settings.beta_scale, kLikelihoodIterations);
    if (result.status == NamedFitStatus::kFitted) {
      row.parameter1 = result.fit.parameter1;
      if (HasSecondParameter(law.code)) row.parameter2 = result.fit.parameter2;
      request.StatusText(request.Text(strings::kStatusKolmogorov));
      row.d = KolmogorovSmirnovDistance(
          sorted, [&](double x) { return FittedDistributionFunction(result.fit, x); });
      row.p = KolmogorovSmirnovKnownP(*row.d, n);
    }
    rows.push_back(row);
  }
  // The general non-normal curve: its parameters are the skewness and the kurtosis.
  FitAllRow general;
  general.label = strings::kFitAllNonNormal;
  FitGeneralNonNormal(state);
  if (state.johnson_usable) {
    general.parameter1 = state.skewness;
    general.parameter2 = state.kurtosis;
    general.d = KolmogorovSmirnovDistance(sorted, [&](double x) {
      return JohnsonDistributionFunction((x - state.mean) / state.sd, state.johnson).value_or(0.0);
    });
    general.p = KolmogorovSmirnovKnownP(*general.d, n);
  }
  rows.push_back(general);
  return ShowFitAllTable(request, request.VariableName(run.variable), n, rows)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

RequestStatus ToleranceLimits(RequestContext& context) {
  shell::Request& request = context.request;
  shell::CapabilityVariableRun& run = context.run;
  const shell::CapabilityState& state = run.state;
  if (state.aggregated) return RequestStatus::kNotAvailable;
  const auto basis = BasisOf(context.settings, run);
  if (!basis) return Refuse(request, strings::kSpecsIncorrect);
  request.StatusText(request.Text(strings::kStatusTolerance));
  shell::CapabilityResultsFields& f = run.fields;
  ToleranceResult result;
  result.distribution_free = context.distribution_free;
  result.mu = state.mu;
  result.sigma = state.sigma_total;
  result.limits = basis->limits;
  const bool two_sided = basis->limits.TwoSided();
  const bool lower = basis->limits.HasLower();
  const bool upper = basis->limits.HasUpper();
  // The accepted range of the percent fields, as proportions.
  constexpr double kLowest = 0.10;
  constexpr double kHighest = 0.999;
  if (!context.distribution_free) {
    result.ntol = f.tolerance_n;
    result.confidence = f.confidence;
    result.proportion = f.percent_population;
    const auto k =
        NormalToleranceFactor(f.tolerance_n, f.percent_population, f.confidence, two_sided);
    if (k && lower) result.lower = state.mu - *k * state.sigma_total;
    if (k && upper) result.upper = state.mu + *k * state.sigma_total;
  } else {
    result.ntol = state.n;
    if (lower) result.lower = state.minimum;
    if (upper) result.upper = state.maximum;
    if (f.base_on_percent) {
      result.proportion = f.percent_population;
      result.confidence = FreeToleranceConfidence(state.n, f.percent_population, two_sided);
      if (result.confidence) f.confidence = ClampIntoField(*result.confidence, kLowest, kHighest);
    } else {
      result.confidence = f.confidence;
      result.proportion = FreeToleranceProportion(state.n, f.confidence, two_sided);
      if (result.proportion)
        f.percent_population = ClampIntoField(*result.proportion, kLowest, kHighest);
    }
  }
  return ShowToleranceTable(request, result) ? RequestStatus::kDone : RequestStatus::kFailed;
}

void ExpectUnderFit(const shell::NamedFit& fit, const SpecLimits& limits, BeyondCounts& counts) {
  if (limits.HasUpper())
    counts.expected_above = counts.n * (1.0 - FittedDistributionFunction(fit, limits.upper));
  if (limits.HasLower())
    counts.expected_below = counts.n * FittedDistributionFunction(fit, limits.lower);
}

double ThresholdOf(const shell::CapabilitySettings& settings, CapabilityDistribution code) {
  // The setup's offset fields: beta, exponential, gamma, log-normal, Rayleigh, Weibull.
  switch (code) {
    case CapabilityDistribution::kBeta:
      return settings.offsets[0];
    case CapabilityDistribution::kExponential:
      return settings.offsets[1];
    case CapabilityDistribution::kGamma:
      return settings.offsets[2];
    case CapabilityDistribution::kLogNormal:
      return settings.offsets[3];
    case CapabilityDistribution::kRayleigh:
      return settings.offsets[4];
    case CapabilityDistribution::kWeibull:
      return settings.offsets[5];
    case CapabilityDistribution::kExtremeValue:
    case CapabilityDistribution::kNormalAndGeneral:
      break;
  }
  return 0.0;
}

bool FitChosenDistribution(shell::Request& request, const shell::CapabilitySettings& settings,
                           shell::CapabilityVariableRun& run) {
  const CapabilityDistribution code = settings.distribution;
  run.named_fit.reset();
  request.StatusText(request.Text(strings::kStatusFitting));
  const NamedFitResult result =
      FitNamedDistribution(code, run.state.observations, ThresholdOf(settings, code),
                           settings.beta_scale, kLikelihoodIterations);
  int message = 0;
  switch (result.status) {
    case NamedFitStatus::kFitted:
      break;
    case NamedFitStatus::kIterationLimit:
      if (!request.AskYesNo(request.Text(strings::kFitApproximate), false)) return false;
      break;
    case NamedFitStatus::kLowDispersion:
      message = strings::kFitLowDispersion;
      break;
    case NamedFitStatus::kBelowThreshold:
      message = strings::kFitBelowThreshold;
      break;
    case NamedFitStatus::kAtOrBelowThreshold:
      message = strings::kFitAtOrBelowThreshold;
      break;
    case NamedFitStatus::kOutsideBetaRange:
      message = strings::kFitBetaRange;
      break;
    case NamedFitStatus::kLogNormalImpossible:
      message = strings::kFitLogNormal;
      break;
    case NamedFitStatus::kNearLimits:
      message = strings::kFitNearLimits;
      break;
    case NamedFitStatus::kShapeRunaway:
      message = strings::kFitRunaway;
      break;
    case NamedFitStatus::kLikelihoodFailed:
    case NamedFitStatus::kNotFitted:
      message = strings::kFitLikelihoodFailed;
      break;
  }
  if (message != 0) {
    request.Message(message);
    return false;
  }
  run.named_fit = result.fit;
  run.fields.user_parameter1_on = false;
  run.fields.user_parameter2_on = false;
  run.fields.user_parameter1 = result.fit.parameter1;
  run.fields.user_parameter2 = result.fit.parameter2;
  return true;
}

}  // namespace kpa::capability
