#include "capability/requests.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "capability/frequency_requests.h"
#include "capability/nonnormal_requests.h"
#include "capability/plot_requests.h"
#include "resources/ids/capability_strings.h"

namespace kpa::capability {
namespace {

using shell::CapabilityVariableRun;

// Field ranges the results dialogs accept (see validation.h).
constexpr double kFieldLimit = 9999999.0;
constexpr double kSmallestSigma = 1e-22;
constexpr double kMinToleranceN = 3.0;
constexpr double kMaxToleranceN = 32000.0;
constexpr double kFewestCategories = 5.0;
constexpr double kMostCategories = 50.0;
constexpr int kDefaultIntervals = 10;

bool ShowAndRelease(shell::Request& request, shell::ResultTable& table) {
  const bool shown = request.Show(table);
  shell::ReleaseResultTable(table);
  return shown;
}

bool RawGrouped(const shell::CapabilityState& state) {
  return !state.aggregated && state.grouping != shell::GroupingMode::kNone;
}

RequestStatus Initialise(RequestContext& context) {
  CapabilityVariableRun& run = context.run;
  if (!run.read) {
    if (ReadRunData(context.request, context.settings, run) != PassStatus::kOk)
      return RequestStatus::kFailed;
  }
  if (run.initialised) return RequestStatus::kDone;
  shell::CapabilityState& state = run.state;
  shell::CapabilityResultsFields& fields = run.fields;
  state.mu = state.mean;
  state.sigma_total = state.sd;
  state.sigma_within = state.sigma_within_computed;
  state.k = fields.sigma_limits;
  FitGeneralNonNormal(state);
  // The first initialisation clears the user switches; the values the module writes into
  // the fields are clamped into what the validation accepts.
  fields.user_mean_on = false;
  fields.user_sigma_on = false;
  fields.user_mean = ClampIntoField(state.mean, -kFieldLimit, kFieldLimit);
  const double overall = state.aggregated ? state.sigma_within_computed : state.sd;
  fields.user_sigma = ClampIntoField(overall, kSmallestSigma, kFieldLimit);
  fields.within_sigma_edited = false;
  if (state.Grouped())
    fields.within_sigma = ClampIntoField(state.sigma_within_computed, kSmallestSigma, kFieldLimit);
  if (!state.aggregated) {
    // The frequency fields from the host's neat scale of the data: its limits, and its
    // number of steps plus one categories, clamped into what the fields accept.
    const host::AxisScale scale =
        context.request.ScaleAxis(state.minimum, state.maximum, kDefaultIntervals);
    const bool neat = scale.step > 0.0 && scale.maximum > scale.minimum;
    fields.histogram_lower =
        ClampIntoField(neat ? scale.minimum : state.minimum, -kFieldLimit, kFieldLimit);
    fields.histogram_upper =
        ClampIntoField(neat ? scale.maximum : state.maximum, -kFieldLimit, kFieldLimit);
    if (neat)
      fields.categories = static_cast<std::int64_t>(
          ClampIntoField(std::round((scale.maximum - scale.minimum) / scale.step) + 1.0,
                         kFewestCategories, kMostCategories));
    if (!(fields.histogram_upper > fields.histogram_lower)) {
      if (fields.histogram_lower >= kFieldLimit) fields.histogram_lower = kFieldLimit - 1.0;
      fields.histogram_upper = fields.histogram_lower + 1.0;
    }
  }
  fields.tolerance_n = static_cast<std::int64_t>(
      ClampIntoField(static_cast<double>(state.n), kMinToleranceN, kMaxToleranceN));
  run.initialised = true;
  return RequestStatus::kDone;
}

struct RunIndices {
  SpecLimits limits;
  shell::ProcessSpecRecord record;
  NormalIndices capability;
  SigmaLimitValues capability_limits;
  std::optional<NormalIndices> performance;
  SigmaLimitValues performance_limits;
};

std::optional<RunIndices> IndicesOf(RequestContext& context) {
  const shell::CapabilityState& state = context.run.state;
  RunIndices result;
  result.record = SpecificationOf(context.settings, context.run);
  const auto limits = EffectiveLimits(result.record);
  if (!limits) return std::nullopt;
  result.limits = *limits;
  const double sigma = state.Grouped() ? state.sigma_within : state.sigma_total;
  const std::optional<double> tau =
      state.aggregated ? std::nullopt : TargetDeviation(state.observations, limits->nominal);
  result.capability = ComputeNormalIndices(*limits, state.mu, sigma, state.k, tau);
  result.capability_limits = SigmaLimitsOf(*limits, state.mu, sigma, state.k);
  if (RawGrouped(state)) {
    NormalIndices performance =
        ComputeNormalIndices(*limits, state.mu, state.sigma_total, state.k, std::nullopt);
    performance.k.reset();
    result.performance = performance;
    result.performance_limits = SigmaLimitsOf(*limits, state.mu, state.sigma_total, state.k);
  }
  return result;
}

RequestStatus Indices(RequestContext& context) {
  // The results dialogs of a named distribution show its percentile indices.
  if (context.run.named_fit && context.mode == OutputMode::kEmit)
    return NamedDistributionIndices(context);
  const auto indices = IndicesOf(context);
  if (!indices) return Refuse(context.request, strings::kSpecsIncorrect);
  switch (context.mode) {
    case OutputMode::kCollect:
      if (context.collected != nullptr) {
        context.collected->variable = context.run.variable;
        context.collected->limits = indices->limits;
        context.collected->sigma_limits = indices->capability_limits;
        context.collected->capability = indices->capability;
        if (context.run.state.samples.size() >= 2)
          context.collected->performance = indices->performance;
      }
      return RequestStatus::kDone;
    case OutputMode::kKeep:
      context.run.histogram_indices.normal =
          shell::HistogramIndexSet{indices->capability.cp, indices->capability.cpk,
                                   indices->capability.cpl, indices->capability.cpu};
      context.run.histogram_indices.non_normal = KeptFittedIndices(context);
      return RequestStatus::kDone;
    case OutputMode::kEmit:
      break;
  }
  shell::Request& request = context.request;
  request.StatusText(request.Text(strings::kStatusIndices));
  shell::ResultTable capability;
  if (!BuildIndexTable(request, context.run, indices->limits, indices->record,
                       IndexPass::kCapability, indices->capability, indices->capability_limits,
                       capability) ||
      !ShowAndRelease(request, capability))
    return RequestStatus::kFailed;
  if (!indices->performance) return RequestStatus::kDone;
  shell::ResultTable performance;
  if (!BuildIndexTable(request, context.run, indices->limits, indices->record,
                       IndexPass::kPerformance, *indices->performance, indices->performance_limits,
                       performance))
    return RequestStatus::kFailed;
  return ShowAndRelease(request, performance) ? RequestStatus::kDone : RequestStatus::kFailed;
}

RequestStatus HistogramIndicesRequest(RequestContext& context) {
  RequestContext keep = context;
  keep.mode = OutputMode::kKeep;
  return Indices(keep);
}

RequestStatus BeyondSpecifications(RequestContext& context) {
  const shell::CapabilityState& state = context.run.state;
  if (state.aggregated) return RequestStatus::kNotAvailable;
  const auto indices = IndicesOf(context);
  if (!indices) return Refuse(context.request, strings::kSpecsIncorrect);
  shell::Request& request = context.request;
  request.StatusText(request.Text(strings::kStatusOutliers));
  BeyondCounts counts =
      CountBeyondSpecifications(state.observations, indices->limits, state.mu, state.sigma_total);
  // A named distribution's dialogs expect the numbers of the fitted law.
  const auto fit = FitInUse(context.run);
  if (fit) ExpectUnderFit(*fit, indices->limits, counts);
  shell::ResultTable table;
  return BuildBeyondSpecificationsTable(request, context.run, indices->limits, counts, table,
                                        fit ? &*fit : nullptr,
                                        fit ? DistributionName(fit->code) : 0) &&
                 ShowAndRelease(request, table)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

RequestStatus Descriptive(RequestContext& context) {
  shell::CapabilityState& state = context.run.state;
  shell::Request& request = context.request;
  if (!state.aggregated && !state.quartiles_known) {
    request.StatusText(request.Text(strings::kStatusSorting));
    std::vector<double> values = state.observations;
    const Quartiles quartiles = QuartilesBySelection(values);
    state.median = quartiles.median;
    state.q1 = quartiles.q1;
    state.q3 = quartiles.q3;
    state.quartiles_known = !values.empty();
  }
  request.StatusText(request.Text(strings::kStatusDescriptive));
  shell::ResultTable table;
  return BuildDescriptiveTable(request, context.run, table) && ShowAndRelease(request, table)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

using Row = shell::RequestRow<CapabilityRequest, RequestContext>;
constexpr std::array kRequests = {
    Row{CapabilityRequest::kInitialise, &Initialise},
    Row{CapabilityRequest::kDescriptiveStatistics, &Descriptive},
    Row{CapabilityRequest::kSummary, &Indices},
    Row{CapabilityRequest::kBeyondSpecifications, &BeyondSpecifications},
    Row{CapabilityRequest::kHistogramIndices, &HistogramIndicesRequest},
    Row{CapabilityRequest::kNonNormalIndices, &GeneralNonNormalIndices},
    Row{CapabilityRequest::kToleranceLimits, &ToleranceLimits},
    Row{CapabilityRequest::kFrequencyAndNormality, &FrequencyTableRequest},
    Row{CapabilityRequest::kFrequencyNonNormal, &NonNormalFrequencyTableRequest},
    Row{CapabilityRequest::kNonNormalHistogramIndices, &KeepNonNormalIndices},
    Row{CapabilityRequest::kSummaryHistogram, &SummaryHistogram},
    Row{CapabilityRequest::kNonNormalHistogram, &NonNormalHistogram},
    Row{CapabilityRequest::kQuantileQuantilePlot, &QuantileQuantilePlot},
    Row{CapabilityRequest::kProbabilityProbabilityPlot, &ProbabilityProbabilityPlot},
    Row{CapabilityRequest::kNonNormalQuantilePlot, &NonNormalQuantilePlot},
    Row{CapabilityRequest::kNonNormalProbabilityPlot, &NonNormalProbabilityPlot},
    Row{CapabilityRequest::kNormalProbabilityPlot, &NormalProbabilityPlot},
};

const Row* FindRow(CapabilityRequest code) {
  return shell::FindRequest<CapabilityRequest, RequestContext>(kRequests, code);
}

}  // namespace

bool IsCapabilityRequestServed(CapabilityRequest code) { return FindRow(code) != nullptr; }

RequestStatus RunCapabilityRequest(CapabilityRequest code, RequestContext& context) {
  const Row* row = FindRow(code);
  if (row == nullptr) return RequestStatus::kNotAvailable;
  // Every request but the first needs the variable initialised.
  if (code != CapabilityRequest::kInitialise && !context.run.initialised) {
    const RequestStatus status = Initialise(context);
    if (status != RequestStatus::kDone) return status;
  }
  return row->serve(context);
}

int PassFailureMessage(PassStatus status, bool aggregated) {
  switch (status) {
    case PassStatus::kFewValues:
      return strings::kFailFewValues;
    case PassStatus::kZeroDispersion:
      return strings::kFailZeroDispersion;
    case PassStatus::kMissingCodes:
      return strings::kFailMissingCodes;
    case PassStatus::kMeanSizeOne:
      return aggregated ? strings::kFailAggregatedMeanSizeOne : strings::kFailMeanSizeOne;
    case PassStatus::kSampleOver25:
      return aggregated ? strings::kFailAggregatedSampleOver25 : strings::kFailSampleOver25;
    case PassStatus::kReadFailure:
      return shell::kStringReadFailure;
    case PassStatus::kCancelled:  // the request says so when it ends
    case PassStatus::kOk:
      return 0;
  }
  return 0;
}

PassStatus ReadRunData(shell::Request& request, shell::CapabilitySettings& settings,
                       CapabilityVariableRun& run) {
  const bool aggregated = settings.input_mode == shell::CapabilityInputMode::kAggregatedData;
  PassResult result;
  if (aggregated) {
    request.StatusText(request.Text(strings::kStatusAggregated));
    const AggregatedPassSetup setup{
        settings.aggregated_variables[0], settings.aggregated_variables[1],
        settings.aggregated_variables[2], settings.aggregated_sigma_method};
    result = ReadAggregatedCapabilityData(request, setup, run.state);
  } else {
    RawPassSetup setup;
    setup.variable = run.variable;
    setup.grouping = settings.grouping;
    setup.constant_size = settings.constant_sample_size;
    setup.grouping_variable = settings.grouping_variable;
    setup.codes = settings.codes;
    setup.method = settings.sigma_method;
    result = ReadRawCapabilityData(request, setup, run.state);
  }
  run.read = false;
  run.initialised = false;
  if (result.warnings & kWarnTooManyValues) request.Message(strings::kWarnTooManyValues);
  if (result.warnings & kWarnTooManySamples) request.Message(strings::kWarnTooManySamples);
  if (result.status != PassStatus::kOk) {
    if (const int message = PassFailureMessage(result.status, aggregated)) request.Message(message);
    return result.status;
  }
  if (result.small_sample) request.Message(strings::kWarnSmallSample);
  run.read = true;
  if (aggregated) ApplyDefaultSpecification(settings, run);
  return PassStatus::kOk;
}

int SpecificationVariable(const shell::CapabilitySettings& settings,
                          const CapabilityVariableRun& run) {
  return run.state.aggregated || settings.input_mode == shell::CapabilityInputMode::kAggregatedData
             ? settings.aggregated_variables[0]
             : run.variable;
}

shell::ProcessSpecRecord SpecificationOf(const shell::CapabilitySettings& settings,
                                         const CapabilityVariableRun& run) {
  const auto found = settings.specifications.find(SpecificationVariable(settings, run));
  return found != settings.specifications.end() ? found->second : shell::ProcessSpecRecord{};
}

void ApplyDefaultSpecification(shell::CapabilitySettings& settings,
                               const CapabilityVariableRun& run) {
  if (!settings.specification_undefined) return;
  const shell::CapabilityState& state = run.state;
  shell::ProcessSpecRecord record;
  record.type = shell::ProcessType::kNominalDelta;
  record.nominal = state.mean;
  record.delta = state.sigma_within_computed;
  record.lower = state.mean - state.sigma_within_computed;
  record.upper = state.mean + state.sigma_within_computed;
  settings.specifications[SpecificationVariable(settings, run)] = record;
  settings.specification_undefined = false;
}

RequestStatus SummarizeAllVariables(shell::Request& request, shell::CapabilitySettings& settings) {
  const std::size_t current = settings.current_run;
  std::vector<SummaryRow> rows;
  bool with_performance = false;
  RequestStatus status = RequestStatus::kDone;
  for (std::size_t i = 0; i < settings.runs.size() && status == RequestStatus::kDone; ++i) {
    settings.current_run = i;
    CapabilityVariableRun& run = settings.runs[i];
    RequestContext context{request, settings, run};
    status = RunCapabilityRequest(CapabilityRequest::kInitialise, context);
    if (status != RequestStatus::kDone) break;
    SummaryRow row;
    context.mode = OutputMode::kCollect;
    context.collected = &row;
    status = RunCapabilityRequest(CapabilityRequest::kSummary, context);
    if (row.performance) with_performance = true;
    rows.push_back(row);
  }
  settings.current_run = current;
  if (status != RequestStatus::kDone) return status;
  shell::ResultTable table;
  return BuildSummaryOfAllVariables(request, rows, with_performance, table) &&
                 ShowAndRelease(request, table)
             ? RequestStatus::kDone
             : RequestStatus::kFailed;
}

RequestStatus Refuse(shell::Request& request, int message) {
  request.Message(message);
  return RequestStatus::kFailed;
}

double ClampIntoField(double value, double lowest, double highest) {
  if (std::isnan(value)) return lowest;
  return std::clamp(value, lowest, highest);
}

}  // namespace kpa::capability
