#include "capability/data/data_pass.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "capability/model/moments.h"
#include "capability/model/within_sigma.h"
#include "capability/string_ids.h"

namespace kpa::capability {
namespace {

// How many times a case counts: a weight w > 1 counts ceil(w) times, any other once.
std::int64_t Repeats(host::Host& host, std::int64_t case_number) {
  if (!host.WeightingOn()) return 1;
  const double weight = host.CaseWeight(case_number);
  if (!(weight > 1.0)) return 1;
  return static_cast<std::int64_t>(std::ceil(weight));
}

std::optional<double> Present(const host::CaseRead& read, double missing_code) {
  if (read.status != host::CaseStatus::kRead || read.value == missing_code ||
      std::isnan(read.value))
    return std::nullopt;
  return read.value;
}

// Progress over the cases with the host's cancel test after each step.
class CaseProgress {
 public:
  CaseProgress(host::Host& host, std::int64_t cases) : host_(host) {
    host_.ProgressStart(cases, host_.ResourceString(strings::kReadingData));
  }
  ~CaseProgress() { host_.ProgressStop(); }
  CaseProgress(const CaseProgress&) = delete;
  CaseProgress& operator=(const CaseProgress&) = delete;
  bool Cancelled(std::int64_t case_number) {
    host_.ProgressStep(case_number);
    return host_.IsCancelled();
  }

 private:
  host::Host& host_;
};

void AddToSample(shell::CapabilitySample& sample, double x) {
  const double old_mean = sample.mean;
  sample.count += 1.0;
  sample.mean += (x - old_mean) / sample.count;
  sample.sum_squares += (x - sample.mean) * (x - old_mean);
  if (sample.count == 1.0) {
    sample.maximum = x;
    sample.minimum = x;
  } else {
    sample.maximum = std::max(sample.maximum, x);
    sample.minimum = std::min(sample.minimum, x);
  }
}

PassStatus FromSigma(SigmaStatus status) {
  switch (status) {
    case SigmaStatus::kOk:
      return PassStatus::kOk;
    case SigmaStatus::kEmptySample:
      return PassStatus::kMissingCodes;
    case SigmaStatus::kMeanSizeOne:
      return PassStatus::kMeanSizeOne;
    case SigmaStatus::kSampleOver25:
      return PassStatus::kSampleOver25;
  }
  return PassStatus::kMeanSizeOne;
}

void TakeSigma(const WithinSigma& within, CapabilityState& state) {
  state.sigma_within_computed = within.sigma;
  state.dispersion_mean = within.dispersion_mean;
  state.mean_size_all = within.mean_size_all;
  state.mean_size = within.mean_size;
  state.k2 = within.k2;
  state.sum_n2 = within.sum_n2;
  state.sizes_vary = within.sizes_vary;
  state.moving_ranges = within.moving_ranges;
  state.small_sample = within.small_sample;
}

}  // namespace

PassResult ReadRawCapabilityData(host::Host& host, const RawPassSetup& setup,
                                 CapabilityState& state) {
  state = CapabilityState{};
  state.grouping = setup.grouping;
  state.sigma_method = setup.method;
  PassResult result;

  const double missing = host.MissingCode(setup.variable);
  const double code_missing = setup.grouping == GroupingMode::kGroupingVariable
                                  ? host.MissingCode(setup.grouping_variable)
                                  : 0.0;
  std::unordered_map<std::int64_t, std::size_t> code_index;
  if (setup.grouping == GroupingMode::kGroupingVariable) {
    for (std::size_t i = 0; i < setup.codes.size() && i < kMaxCodes; ++i)
      code_index.emplace(std::llround(setup.codes[i]), i);
    state.samples.resize(code_index.empty() ? 0 : std::min(setup.codes.size(), kMaxCodes));
  }
  const std::int64_t size = std::max<std::int64_t>(setup.constant_size, 1);
  std::int64_t position = 0;  // constant size: position within the current sample
  bool current_has_value = false;

  MomentAccumulator moments;
  const std::int64_t cases = host.CaseCount();
  CaseProgress progress(host, cases);
  bool stop = false;
  for (std::int64_t case_number = 1; case_number <= cases && !stop; ++case_number) {
    if (progress.Cancelled(case_number)) {
      state = CapabilityState{};
      result.status = PassStatus::kCancelled;
      return result;
    }
    const host::CaseRead read = host.ReadCase(setup.variable, case_number);
    if (read.status != host::CaseStatus::kRead) continue;
    std::size_t grouped_sample = 0;
    if (setup.grouping == GroupingMode::kGroupingVariable) {
      const auto code = Present(host.ReadCase(setup.grouping_variable, case_number), code_missing);
      if (!code || std::fabs(*code) > kMaxCodeMagnitude) continue;
      const auto it = code_index.find(std::llround(*code));
      if (it == code_index.end()) continue;
      grouped_sample = it->second;
    }
    const auto value = Present(read, missing);
    for (std::int64_t repeat = Repeats(host, case_number); repeat > 0; --repeat) {
      std::size_t sample = grouped_sample;
      if (setup.grouping == GroupingMode::kConstantSampleSize) {
        if (state.samples.empty()) state.samples.emplace_back();
        if (++position > size) {
          // A new sample starts, unless the current one received no value at all.
          if (current_has_value) {
            if (state.samples.size() >= kMaxSamples) {
              result.warnings |= kWarnTooManySamples;
              stop = true;
              break;
            }
            state.samples.emplace_back();
          }
          position = 1;
          current_has_value = false;
        }
        sample = state.samples.size() - 1;
      }
      if (!value) continue;
      if (state.observations.size() >= kMaxValues) {
        result.warnings |= kWarnTooManyValues;
        stop = true;
        break;
      }
      const double x = *value;
      state.observations.push_back(x);
      state.case_numbers.push_back(static_cast<double>(case_number));
      moments.Add(x);
      if (setup.grouping != GroupingMode::kNone) AddToSample(state.samples[sample], x);
      current_has_value = true;
    }
  }
  if (setup.grouping == GroupingMode::kConstantSampleSize && !state.samples.empty() &&
      state.samples.back().count == 0.0)
    state.samples.pop_back();

  state.n = moments.Count();
  if (state.n < kMinimumN) {
    result.status = PassStatus::kFewValues;
    return result;
  }
  if (moments.M2() <= 0.0) {
    result.status = PassStatus::kZeroDispersion;
    return result;
  }
  const auto [min_it, max_it] =
      std::minmax_element(state.observations.begin(), state.observations.end());
  state.minimum = *min_it;
  state.maximum = *max_it;
  state.mean = moments.Mean();
  const SampleMoments finished = FinishMoments(moments);
  state.sd = finished.sd;
  state.skewness = finished.skewness;
  state.kurtosis = finished.kurtosis;
  if (setup.grouping == GroupingMode::kNone) {
    state.sigma_within_computed = 0.0;
    state.dispersion_mean = state.sd;
    return result;
  }
  const WithinSigma within = EstimateWithinSigma(state.samples, setup.method, false);
  TakeSigma(within, state);
  result.status = FromSigma(within.status);
  result.small_sample = within.small_sample && !within.moving_ranges;
  return result;
}

PassResult ReadAggregatedCapabilityData(host::Host& host, const AggregatedPassSetup& setup,
                                        CapabilityState& state) {
  state = CapabilityState{};
  state.aggregated = true;
  state.sigma_method = setup.method;
  PassResult result;
  const double missing_mean = host.MissingCode(setup.mean_variable);
  const double missing_dispersion = host.MissingCode(setup.dispersion_variable);
  const double missing_size = host.MissingCode(setup.size_variable);
  double total_size = 0.0;
  double grand_mean = 0.0;
  const std::int64_t cases = host.CaseCount();
  CaseProgress progress(host, cases);
  bool stop = false;
  for (std::int64_t case_number = 1; case_number <= cases && !stop; ++case_number) {
    if (progress.Cancelled(case_number)) {
      state = CapabilityState{};
      result.status = PassStatus::kCancelled;
      return result;
    }
    const auto mean = Present(host.ReadCase(setup.mean_variable, case_number), missing_mean);
    const auto dispersion =
        Present(host.ReadCase(setup.dispersion_variable, case_number), missing_dispersion);
    const auto size = Present(host.ReadCase(setup.size_variable, case_number), missing_size);
    if (!mean || !dispersion || *dispersion < 0.0 || !size || !(*size > 0.0)) continue;
    for (std::int64_t repeat = Repeats(host, case_number); repeat > 0; --repeat) {
      if (state.samples.size() >= kMaxSamples) {
        result.warnings |= kWarnTooManyValues;
        stop = true;
        break;
      }
      shell::CapabilitySample sample;
      sample.count = *size;
      sample.mean = *mean;
      sample.dispersion = *dispersion;
      state.samples.push_back(sample);
      total_size += *size;
      grand_mean += (*mean - grand_mean) * *size / total_size;
    }
  }
  state.n = std::llround(total_size);
  state.mean = grand_mean;
  const WithinSigma within = EstimateWithinSigma(state.samples, setup.method, true);
  TakeSigma(within, state);
  result.status = FromSigma(within.status);
  result.small_sample = within.small_sample;
  return result;
}

CollectedCodes CollectAllCodes(host::Host& host, int variable, bool keep_file_order) {
  CollectedCodes collected;
  const double missing = host.MissingCode(variable);
  std::unordered_set<std::int64_t> seen;
  const std::int64_t cases = host.CaseCount();
  for (std::int64_t case_number = 1; case_number <= cases; ++case_number) {
    const host::CaseRead read = host.ReadCase(variable, case_number);
    if (read.status != host::CaseStatus::kRead) continue;
    if (read.value == missing || std::isnan(read.value) ||
        std::fabs(read.value) > kMaxCodeMagnitude)
      continue;
    const std::int64_t code = std::llround(read.value);
    if (!seen.insert(code).second) continue;
    if (collected.codes.size() >= kMaxCodes) {
      collected.truncated = true;
      break;
    }
    collected.codes.push_back(static_cast<double>(code));
  }
  if (!keep_file_order) std::sort(collected.codes.begin(), collected.codes.end());
  return collected;
}

}  // namespace kpa::capability
