#include "reliability/requests.h"

#include <array>
#include <new>

#include "reliability/data/failure_reader.h"
#include "reliability/model/failure_orders.h"
#include "reliability/model/grouped_fit.h"
#include "reliability/model/three_parameter_fit.h"
#include "reliability/model/two_parameter_fit.h"
#include "reliability/outputs/fit_tests_table.h"
#include "reliability/outputs/grouped_charts.h"
#include "reliability/outputs/grouped_tables.h"
#include "reliability/outputs/histogram_chart.h"
#include "reliability/outputs/paper_chart.h"
#include "reliability/outputs/report_texts.h"
#include "reliability/outputs/weibull_charts.h"
#include "reliability/outputs/weibull_tables.h"
#include "resources/ids/reliability_strings.h"

namespace kpa::reliability {
namespace {

using shell::RequestStatus;
using shell::WeibullMethod;

RequestStatus Done(bool shown) { return shown ? RequestStatus::kDone : RequestStatus::kFailed; }

double Stored(const std::optional<double>& value) { return value.value_or(host::kMissing); }

void ClearErrors(shell::WeibullFit& fit) {
  fit.se_location = fit.se_shape = fit.se_scale = fit.cov_shape_scale = host::kMissing;
}

CancelPoll PollOf(shell::Request& request) {
  return [&request] { return request.Cancelled(); };
}

// --- Messages of the fits.

void Report(shell::Request& request, Weibull2Status status) {
  switch (status) {
    case Weibull2Status::kNoConvergence:
      return request.Message(strings::kMlFailed);
    case Weibull2Status::kNoStandardErrors:
      return request.Message(strings::kNoStandardErrors);
    case Weibull2Status::kBadLocation:
      return request.Message(strings::kBadFitLocation);
    case Weibull2Status::kShapeRunaway:
      return request.Message(strings::kShapeRunaway);
    case Weibull2Status::kShapeTooLarge:
      return request.Message(strings::kLocationUnsuitable);
    case Weibull2Status::kOk:
    case Weibull2Status::kCancelled:
      return;
  }
}

bool FitTwo(shell::Request& request, shell::WeibullSettings& s) {
  shell::WeibullFit& fit = s.fit;
  const Weibull2Options options{s.estimation.max_iterations, s.estimation.criterion, {}};
  const Weibull2Result result =
      FitWeibull2(s.sample.time, s.sample.censored, fit.location, options, PollOf(request));
  Report(request, result.status);
  if (!result.Estimated()) return false;
  fit.shape = result.shape;
  fit.scale = result.scale;
  fit.se_shape = Stored(result.se_shape);
  fit.se_scale = Stored(result.se_scale);
  fit.cov_shape_scale = Stored(result.cov_shape_scale);
  return true;
}

bool FitThree(shell::Request& request, shell::WeibullSettings& s) {
  const Weibull3Result result =
      FitWeibull3(s.sample.time, s.sample.censored, s.sample.tmin, s.sample.tmax,
                  s.estimation.max_iterations, s.estimation.criterion, PollOf(request));
  switch (result.outcome) {
    case Weibull3Outcome::kIterationLimit:
      request.Message(strings::kIterationLimit);
      return false;
    case Weibull3Outcome::kTinyEstimate:
      request.Message(strings::kTinyEstimates);
      return false;
    case Weibull3Outcome::kFallbackFailed:
      Report(request, result.fallback_status);
      if (result.fallback_status == Weibull2Status::kOk ||
          result.fallback_status == Weibull2Status::kNoStandardErrors)
        request.Message(strings::kMlFailed);
      return false;
    case Weibull3Outcome::kCancelled:
      return false;
    case Weibull3Outcome::kFallback:
      request.Message(strings::kThreeParameterFallback);
      break;
    case Weibull3Outcome::kFallbackOverflow:
      request.Message(strings::kScaleOverflow);
      break;
    case Weibull3Outcome::kThreeParameter:
      break;
  }
  shell::WeibullFit& fit = s.fit;
  fit.location = result.location;
  fit.shape = result.shape;
  fit.scale = result.scale;
  fit.se_location = Stored(result.se_location);
  fit.se_shape = Stored(result.se_shape);
  fit.se_scale = Stored(result.se_scale);
  fit.cov_shape_scale = Stored(result.cov_shape_scale);
  return true;
}

bool FitGrouped(shell::Request& request, shell::WeibullSettings& s) {
  const GroupedFitResult result =
      FitWeibullGrouped(s.table.lower, s.table.withdrawn, s.table.failed,
                        static_cast<double>(s.entering), s.fit.location);
  if (result.status != GroupedStatus::kOk || !result.shape || !result.scale) {
    request.Message(strings::kInternalError);
    return false;
  }
  s.fit.shape = *result.shape;
  s.fit.scale = *result.scale;
  s.fit.se_shape = Stored(result.se_shape);
  s.fit.cov_shape_scale = Stored(result.cov);
  return true;
}

// --- Outputs.

FailureOrders OrdersOf(const WeibullContext& context) {
  return OrderFailures(context.settings.sample, context.settings.rank_method);
}

RequestStatus ShowPlot(WeibullContext& context, const Plot& plot, int cap_note) {
  shell::Request& request = context.request;
  if (!plot.chart) {
    request.Message(strings::kPlotImpossible);
    return RequestStatus::kFailed;
  }
  if (plot.no_limits) request.Message(strings::kNoMlLimits);
  if (plot.capped) request.Message(cap_note);
  return Done(request.Show(*plot.chart));
}

// A request the results dialog of this input does not offer (the raw-data results for a life
// table, the life table for raw data).
RequestStatus NotForThisData(WeibullContext& context) {
  context.request.Message(strings::kNotForThisData);
  return RequestStatus::kFailed;
}

// An output of grouped data kept as a life table, served from the life table at the current
// location.
template <typename Serve>
RequestStatus WithLifeTable(WeibullContext& context, Serve serve) {
  const LifeTable table = CurrentLifeTable(context.settings);
  if (table.status != GroupedStatus::kOk || table.rows.empty()) {
    context.request.Message(strings::kInternalError);
    return RequestStatus::kFailed;
  }
  return serve(table);
}

// A table of the life table: shown by `show`.
template <typename Show>
RequestStatus LifeTableOutput(WeibullContext& context, Show show) {
  return WithLifeTable(context, [&](const LifeTable& table) {
    return Done(show(context.request, context.settings, table));
  });
}

// A graph of the life table: built by `build`.
template <typename Build>
RequestStatus LifeTablePlot(WeibullContext& context, Build build) {
  return WithLifeTable(context, [&](const LifeTable& table) {
    return ShowPlot(context, build(table), strings::kGroupedPlotCapNote);
  });
}

RequestStatus LifeTableRequest(WeibullContext& context) {
  if (!GroupedLifeTable(context.settings)) return NotForThisData(context);
  return LifeTableOutput(context, &ShowLifeTable);
}

RequestStatus Descriptive(WeibullContext& context) {
  if (GroupedLifeTable(context.settings)) return NotForThisData(context);
  return Done(ShowDescriptiveTable(context.request, context.settings));
}

RequestStatus Histogram(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedHistogramPlot(context.request, context.settings, table);
    });
  const shell::WeibullSettings& s = context.settings;
  const bool failures_only = s.failures_only || s.sample.n == s.sample.r;
  return ShowPlot(context, HistogramPlot(context.request, s, failures_only), strings::kPlotCapNote);
}

RequestStatus Summary(WeibullContext& context) {
  return Done(ShowSummaryTable(context.request, context.settings));
}

template <bool kDistribution>
RequestStatus Reliability(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedReliabilityPlot(context.request, context.settings, table, kDistribution);
    });
  return ShowPlot(
      context, ReliabilityPlot(context.request, context.settings, OrdersOf(context), kDistribution),
      strings::kPlotCapNote);
}

RequestStatus Probability(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedProbabilityPlot(context.request, context.settings, table);
    });
  return ShowPlot(context, ProbabilityPlot(context.request, context.settings, OrdersOf(context)),
                  strings::kPlotCapNote);
}

RequestStatus ReliabilityValues(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTableOutput(context, &ShowGroupedReliabilityTable);
  return Done(ShowReliabilityTable(context.request, context.settings, OrdersOf(context)));
}

RequestStatus Percentiles(WeibullContext& context) {
  return Done(ShowPercentileTable(context.request, context.settings));
}

RequestStatus KaplanMeierEstimate(WeibullContext& context) {
  if (GroupedLifeTable(context.settings)) return NotForThisData(context);
  return ShowPlot(context, KaplanMeierPlot(context.request, context.settings, OrdersOf(context)),
                  strings::kKaplanMeierCapNote);
}

RequestStatus Hazard(WeibullContext& context) {
  if (GroupedLifeTable(context.settings)) {
    const RequestStatus shown = LifeTableOutput(context, &ShowGroupedHazardTable);
    if (shown != RequestStatus::kDone) return shown;
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedHazardPlot(context.request, context.settings, table);
    });
  }
  return Done(ShowHazardTable(context.request, context.settings, OrdersOf(context)));
}

template <bool kLogarithmic>
RequestStatus CumulativeHazard(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedCumulativeHazardPlot(context.request, context.settings, table, kLogarithmic);
    });
  return ShowPlot(
      context,
      CumulativeHazardPlot(context.request, context.settings, OrdersOf(context), kLogarithmic),
      strings::kPlotCapNote);
}

RequestStatus Quantiles(WeibullContext& context) {
  if (GroupedLifeTable(context.settings))
    return LifeTablePlot(context, [&](const LifeTable& table) {
      return GroupedQuantilePlot(context.request, context.settings, table);
    });
  return ShowPlot(context, QuantilePlot(context.request, context.settings, OrdersOf(context)),
                  strings::kPlotCapNote);
}

RequestStatus LocationProfile(WeibullContext& context) {
  if (GroupedLifeTable(context.settings)) return NotForThisData(context);
  return ShowPlot(context,
                  LocationProfilePlot(context.request, context.settings, OrdersOf(context)),
                  strings::kPlotCapNote);
}

RequestStatus GoodnessOfFit(WeibullContext& context) {
  if (GroupedLifeTable(context.settings)) return NotForThisData(context);
  shell::Request& request = context.request;
  switch (ShowFitTestsTable(request, context.settings, OrdersOf(context))) {
    case FitTestsOutcome::kShown:
      return RequestStatus::kDone;
    case FitTestsOutcome::kNotShown:
      return RequestStatus::kFailed;
    case FitTestsOutcome::kBadParameters:
      request.Message(strings::kBadParametersForTests);
      return RequestStatus::kFailed;
    case FitTestsOutcome::kNothingComputable:
      request.Message(strings::kNothingComputable);
      return RequestStatus::kFailed;
  }
  return RequestStatus::kFailed;
}

// The paper, with the optional failure times read by the raw reader (one time made of 1, 2
// or 6 variables) and plotted at their median ranks.
RequestStatus Paper(WeibullContext& context) {
  shell::Request& request = context.request;
  const shell::PaperSettings& paper = context.settings.paper;
  PaperData data;
  FailureOrders orders;
  if (!paper.time_variables.empty()) {
    shell::WeibullSettings read;
    read.mode = shell::WeibullMode::kRawData;
    read.list_of_variables = false;
    read.time_variables = paper.time_variables;
    read.censor_variable = paper.censor_variable;
    read.complete_code = paper.complete_code;
    read.censored_code = paper.censored_code;
    read.add_constant = paper.add_constant;
    read.constant = paper.constant;
    if (!ReadFailureData(request, read)) return RequestStatus::kFailed;
    orders = OrderFailures(read.sample, shell::RankMethod::kMedianRank);
    data.orders = &orders;
    data.variable = TimeVariableNames(request, read);
  }
  const Plot plot = PaperPlot(request, paper, data);
  if (plot.too_few_points) request.Message(strings::kTooFewPaperPoints);
  return ShowPlot(context, plot, strings::kPlotCapNote);
}

using Row = shell::RequestRow<WeibullRequest, WeibullContext>;
constexpr std::array kRequests = {
    Row{WeibullRequest::kSummary, &Summary},
    Row{WeibullRequest::kReliabilityPlot, &Reliability<false>},
    Row{WeibullRequest::kDistributionPlot, &Reliability<true>},
    Row{WeibullRequest::kProbabilityPlot, &Probability},
    Row{WeibullRequest::kReliabilityTable, &ReliabilityValues},
    Row{WeibullRequest::kPercentiles, &Percentiles},
    Row{WeibullRequest::kKaplanMeier, &KaplanMeierEstimate},
    Row{WeibullRequest::kDescriptive, &Descriptive},
    Row{WeibullRequest::kHazardTable, &Hazard},
    Row{WeibullRequest::kCumulativeHazardPlot, &CumulativeHazard<false>},
    Row{WeibullRequest::kLogCumulativeHazardPlot, &CumulativeHazard<true>},
    Row{WeibullRequest::kQuantilePlot, &Quantiles},
    Row{WeibullRequest::kLocationProfile, &LocationProfile},
    Row{WeibullRequest::kHistogram, &Histogram},
    Row{WeibullRequest::kGoodnessOfFit, &GoodnessOfFit},
    Row{WeibullRequest::kLifeTable, &LifeTableRequest},
    Row{WeibullRequest::kProbabilityPaper, &Paper},
};

int ReadMessage(ReadStatus status) {
  switch (status) {
    case ReadStatus::kTooFewCases:
      return strings::kTooFewCases;
    case ReadStatus::kTooFewFailures:
      return strings::kTooFewFailures;
    case ReadStatus::kIdenticalTimes:
      return strings::kIdenticalTimes;
    case ReadStatus::kBadIntervalLimit:
      return strings::kBadIntervalLimit;
    case ReadStatus::kTooManyLeaving:
      return strings::kTooManyLeaving;
    case ReadStatus::kTooFewTableFailures:
      return strings::kTooFewTableFailures;
    case ReadStatus::kFractionalCounts:
      return strings::kWholeCountsOnly;
    case ReadStatus::kTooLarge:
    case ReadStatus::kOk:
    case ReadStatus::kCancelled:
    case ReadStatus::kReadFailure:
      break;
  }
  return 0;
}

}  // namespace

RequestStatus RunWeibullRequest(WeibullRequest code, WeibullContext& context) {
  const Row* row = shell::FindRequest<WeibullRequest, WeibullContext>(kRequests, code);
  if (row == nullptr) return RequestStatus::kNotAvailable;
  return row->serve(context);
}

bool ReadFailureData(shell::Request& request, shell::WeibullSettings& s) {
  request.Status(strings::kComputing);
  ReadStatus status = ReadStatus::kOk;
  try {
    status = s.mode == shell::WeibullMode::kGroupedData ? ReadGroupedFailureTimes(request, s)
                                                        : ReadRawFailureTimes(request, s);
  } catch (const std::bad_alloc&) {
    status = ReadStatus::kTooLarge;
  }
  if (status == ReadStatus::kTooLarge) {
    request.OutOfMemory();
    return false;
  }
  if (status == ReadStatus::kCancelled || status == ReadStatus::kReadFailure) return false;
  if (status == ReadStatus::kOk && s.sample.zero_times_dropped)
    request.Message(strings::kZeroTimesDropped);
  if (const int message = ReadMessage(status); message != 0) {
    request.Message(message);
    return false;
  }
  s.grouped_flag = s.mode == shell::WeibullMode::kGroupedData && s.treat_as_continuous ? 1 : 0;
  s.plot_minimum = s.sample.tmin;
  s.plot_maximum = s.sample.tmax;
  return true;
}

bool InitialWeibullFit(shell::Request& request, shell::WeibullSettings& s) {
  shell::WeibullFit& fit = s.fit;
  fit = shell::WeibullFit{};
  fit.shape = 1.0;
  fit.scale = 1.0;
  const bool ok = GroupedLifeTable(s) ? FitGrouped(request, s) : FitTwo(request, s);
  if (ok && fit.shape > 0.0 && fit.scale > 0.0) {
    fit.valid = true;
    return true;
  }
  fit = shell::WeibullFit{};
  fit.shape = 1.0;
  fit.scale = 1.0;
  return false;
}

bool EstimateWeibull(shell::Request& request, shell::WeibullSettings& s, WeibullMethod method) {
  shell::WeibullFit& fit = s.fit;
  ClearErrors(fit);
  request.Status(strings::kComputing);
  bool ok = true;
  switch (method) {
    case WeibullMethod::kTwoParameter:
      ok = GroupedLifeTable(s) ? FitGrouped(request, s) : FitTwo(request, s);
      break;
    case WeibullMethod::kThreeParameter:
      ok = FitThree(request, s);
      break;
    case WeibullMethod::kUserDefined:
      break;
  }
  fit.method = method;
  if (!ok) ClearErrors(fit);
  fit.valid = ok;
  return ok;
}

}  // namespace kpa::reliability
