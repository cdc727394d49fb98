#include "sampling/requests.h"

#include <algorithm>
#include <array>

#include "resources/ids/sampling_strings.h"
#include "sampling/data/observed_data.h"
#include "sampling/model/fixed_plan.h"
#include "sampling/model/plan_actions.h"
#include "sampling/outputs/oc_chart.h"
#include "sampling/outputs/plan_texts.h"
#include "sampling/outputs/sequential_outputs.h"
#include "sampling/outputs/summary_table.h"
#include "shell/results/host_output.h"

namespace kpa::sampling {
namespace {

using shell::RequestStatus;

constexpr int kAutoPrintMinimumLevel = 2;

RequestStatus Shown(bool shown) { return shown ? RequestStatus::kDone : RequestStatus::kFailed; }

// The specification is printed when the host's automatic printing is on at level 2 or more.
void PrintSpecification(SamplingContext& c) {
  shell::Request& request = c.request;
  if (!request.AutoPrintOn() || request.AutoPrintLevel() < kAutoPrintMinimumLevel) return;
  request.StatusText(request.Text(strings::kPrintingStatus));
  for (const std::string& line : SpecificationPrintout(request, c.settings))
    request.WriteText(line);
}

RequestStatus ComputePlanRequest(SamplingContext& c) {
  PrintSpecification(c);
  c.request.Status(shell::kStringBusy);
  if (const auto message = ComputePlan(c.settings)) {
    c.request.Message(*message);
    return RequestStatus::kFailed;
  }
  return RequestStatus::kDone;
}

RequestStatus CustomPlanRequest(SamplingContext& c) {
  if (const auto message = ComputeCustomPlan(c.settings)) {
    c.request.Message(*message);
    return RequestStatus::kFailed;
  }
  return RequestStatus::kDone;
}

RequestStatus FixedSummaryRequest(SamplingContext& c) {
  shell::ResultTable table;
  if (BuildFixedSummary(c.request, c.settings, table) != shell::TableStatus::kOk)
    return RequestStatus::kFailed;
  return Shown(c.request.Show(table));
}

RequestStatus OcCurvesRequest(SamplingContext& c) {
  c.request.Status(strings::kPreparingChartStatus);
  const shell::Request& request = c.request;
  const auto family = ComputeOcCurves(InputsFromSettings(c.settings), PlanSize(c.settings),
                                      [&request](double minimum, double maximum, int intervals) {
                                        return request.ScaleAxis(minimum, maximum, intervals);
                                      });
  if (!family) {
    c.request.Message(strings::kOcIncalculable);
    return RequestStatus::kFailed;
  }
  return Shown(c.request.Show(MakeOcChart(c.request, c.settings, *family)));
}

// The plan for samples 1 to M, with the observed samples of the data variable when one is
// selected (a series with a gap inside is refused; too many or no valid samples are said).
std::optional<SequentialContext> SequentialOf(SamplingContext& c) {
  const shell::SamplingSettings& s = c.settings;
  SequentialContext context;
  context.settings = &s;
  context.samples = std::clamp(s.number_of_samples, 1, kMaxSamples);
  context.plan = ComputeSequentialPlan(InputsFromSettings(s));
  if (!IsFinitePlan(context.plan, context.samples)) {
    c.request.Message(strings::kSequentialIncalculable);
    return std::nullopt;
  }
  if (s.data_variable <= 0) return context;
  ObservedRequest wanted;
  wanted.variable = s.data_variable;
  wanted.binomial = s.distribution == shell::SamplingDistribution::kBinomialProportions;
  wanted.accept_code = s.accept_code;
  wanted.reject_code = s.reject_code;
  wanted.extra_progress = context.samples;
  ObservedData data = ReadObservedSamples(c.request, wanted);
  switch (data.error) {
    case ReadError::kMissingInSeries:
      c.request.Message(strings::kMissingInSeries);
      return std::nullopt;
    case ReadError::kCancelled:  // the request says so when it ends
    case ReadError::kHostFailure:
      return std::nullopt;
    case ReadError::kNone:
      break;
  }
  if (data.status == ReadStatus::kTooMany) c.request.Message(strings::kTooManySamples);
  if (data.status == ReadStatus::kNone)
    c.request.Message(strings::kNoValidSample);
  else
    context.observed = MakeObservedPath(context.plan, s.H0(), std::move(data.values));
  if (context.observed && context.observed->overflowed) {
    c.request.Message(strings::kObservedIncalculable);
    return std::nullopt;
  }
  return context;
}

RequestStatus SequentialSummaryRequest(SamplingContext& c) {
  const auto context = SequentialOf(c);
  if (!context) return RequestStatus::kFailed;
  shell::ResultTable table;
  if (BuildSequentialTable(c.request, *context, table) != shell::TableStatus::kOk)
    return RequestStatus::kFailed;
  return Shown(c.request.Show(table));
}

RequestStatus SequentialPlotRequest(SamplingContext& c) {
  const auto context = SequentialOf(c);
  if (!context) return RequestStatus::kFailed;
  c.request.Status(strings::kPreparingChartStatus);
  return Shown(c.request.Show(BuildSequentialChart(c.request, *context)));
}

using Row = shell::RequestRow<SamplingRequest, SamplingContext>;
constexpr std::array kRequests = {
    Row{SamplingRequest::kComputePlan, &ComputePlanRequest},
    Row{SamplingRequest::kCustomPlan, &CustomPlanRequest},
    Row{SamplingRequest::kFixedSummary, &FixedSummaryRequest},
    Row{SamplingRequest::kOcCurves, &OcCurvesRequest},
    Row{SamplingRequest::kSequentialPlot, &SequentialPlotRequest},
    Row{SamplingRequest::kSequentialSummary, &SequentialSummaryRequest},
};

}  // namespace

RequestStatus RunSamplingRequest(SamplingRequest code, shell::Request& request,
                                 shell::SamplingSettings& settings) {
  const Row* row = shell::FindRequest<SamplingRequest, SamplingContext>(kRequests, code);
  if (row == nullptr) return RequestStatus::kNotAvailable;
  SamplingContext context{request, settings};
  return row->serve(context);
}

}  // namespace kpa::sampling
