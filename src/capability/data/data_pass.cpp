#include "capability/data/data_pass.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "capability/model/moments.h"
#include "capability/model/within_sigma.h"
#include "resources/ids/capability_strings.h"
#include "shell/request/case_loop.h"

namespace kpa::capability {
namespace {

// Each sample's count, mean, extremes and sum of squared deviations from the observations
// and the sample of each: counts, sums and extremes first, then the squares about each
// sample's mean, so that no update waits on a division.
void SampleStatistics(std::vector<shell::CapabilitySample>& samples,
                      const std::vector<std::size_t>& sample_of,
                      const std::vector<double>& observations) {
  for (std::size_t i = 0; i < sample_of.size(); ++i) {
    shell::CapabilitySample& sample = samples[sample_of[i]];
    const double x = observations[i];
    if (sample.count == 0.0) {
      sample.maximum = x;
      sample.minimum = x;
    } else {
      sample.maximum = std::max(sample.maximum, x);
      sample.minimum = std::min(sample.minimum, x);
    }
    sample.count += 1.0;
    sample.mean += x;  // the sum until every value is in
  }
  for (shell::CapabilitySample& sample : samples)
    if (sample.count > 0.0) sample.mean /= sample.count;
  for (std::size_t i = 0; i < sample_of.size(); ++i) {
    shell::CapabilitySample& sample = samples[sample_of[i]];
    const double d = observations[i] - sample.mean;
    sample.sum_squares += d * d;
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

// The pass status of a case loop that did not run to its end on its own; nothing when it
// did (or the pass stopped it).
std::optional<PassStatus> LoopFailure(shell::CaseLoopEnd end) {
  switch (end) {
    case shell::CaseLoopEnd::kCancelled:
      return PassStatus::kCancelled;
    case shell::CaseLoopEnd::kReadFailure:
      return PassStatus::kReadFailure;
    case shell::CaseLoopEnd::kCompleted:
    case shell::CaseLoopEnd::kStopped:
      break;
  }
  return std::nullopt;
}

}  // namespace

PassResult ReadRawCapabilityData(shell::Request& request, const RawPassSetup& setup,
                                 CapabilityState& state) {
  state = CapabilityState{};
  state.grouping = setup.grouping;
  state.sigma_method = setup.method;
  PassResult result;

  const bool by_code = setup.grouping == GroupingMode::kGroupingVariable;
  std::unordered_map<std::int64_t, std::size_t> code_index;
  if (by_code) {
    for (std::size_t i = 0; i < setup.codes.size() && i < kMaxCodes; ++i)
      code_index.emplace(std::llround(setup.codes[i]), i);
    state.samples.resize(code_index.empty() ? 0 : std::min(setup.codes.size(), kMaxCodes));
  }
  const std::int64_t size = std::max<std::int64_t>(setup.constant_size, 1);
  std::int64_t position = 0;  // constant size: position within the current sample
  bool current_has_value = false;

  // The arrays grow to the data's size once, not by doubling (at most the 5000-value limit).
  const auto expected = static_cast<std::size_t>(
      std::clamp<std::int64_t>(request.CaseCount(), 0, std::int64_t{kMaxValues}));
  state.observations.reserve(expected);
  state.case_numbers.reserve(expected);
  if (setup.grouping == GroupingMode::kConstantSampleSize)
    state.samples.reserve(std::min(expected / static_cast<std::size_t>(size) + 1, kMaxSamples));

  std::vector<std::size_t> sample_of;  // grouped data: the sample of each observation
  if (setup.grouping != GroupingMode::kNone) sample_of.reserve(expected);
  shell::CaseLoop loop;
  loop.variables = {setup.variable};
  if (by_code) loop.variables.push_back(setup.grouping_variable);
  loop.weights = shell::WeightRule::kAboveOne;
  loop.progress_caption = request.Text(strings::kReadingData);
  const auto visit = [&](const shell::CaseView& c) {
    std::size_t grouped_sample = 0;
    if (by_code) {
      const std::optional<double>& code = c.values[1];
      if (!code || std::fabs(*code) > kMaxCodeMagnitude) return shell::CaseAction::kContinue;
      const auto it = code_index.find(std::llround(*code));
      if (it == code_index.end()) return shell::CaseAction::kContinue;
      grouped_sample = it->second;
    }
    const std::optional<double>& value = c.values[0];
    if (!value) {
      // A missing value only moves the position in a sample of constant size: its repeats
      // are counted at once rather than one by one (a weight of 1e9 would take minutes).
      if (setup.grouping != GroupingMode::kConstantSampleSize) return shell::CaseAction::kContinue;
      if (state.samples.empty()) state.samples.emplace_back();
      if (position + c.repeats > size) {
        if (current_has_value) {
          if (state.samples.size() >= kMaxSamples) {
            result.warnings |= kWarnTooManySamples;
            return shell::CaseAction::kStop;
          }
          state.samples.emplace_back();
        }
        current_has_value = false;
      }
      position = (position + c.repeats - 1) % size + 1;
      return shell::CaseAction::kContinue;
    }
    for (std::int64_t repeat = c.repeats; repeat > 0; --repeat) {
      std::size_t sample = grouped_sample;
      if (setup.grouping == GroupingMode::kConstantSampleSize) {
        if (state.samples.empty()) state.samples.emplace_back();
        if (++position > size) {
          // A new sample starts, unless the current one received no value at all.
          if (current_has_value) {
            if (state.samples.size() >= kMaxSamples) {
              result.warnings |= kWarnTooManySamples;
              return shell::CaseAction::kStop;
            }
            state.samples.emplace_back();
          }
          position = 1;
          current_has_value = false;
        }
        sample = state.samples.size() - 1;
      }
      if (state.observations.size() >= kMaxValues) {
        result.warnings |= kWarnTooManyValues;
        return shell::CaseAction::kStop;
      }
      const double x = *value;
      state.observations.push_back(x);
      state.case_numbers.push_back(static_cast<double>(c.number));
      if (setup.grouping != GroupingMode::kNone) sample_of.push_back(sample);
      current_has_value = true;
    }
    return shell::CaseAction::kContinue;
  };
  if (const auto ended = LoopFailure(shell::ForEachCase(request, loop, visit))) {
    state = CapabilityState{};
    result.status = *ended;
    return result;
  }
  // The sample statistics and the moments come from the arrays the pass kept, rather than
  // from updates inside the case visitor, where each would wait on memory.
  SampleStatistics(state.samples, sample_of, state.observations);
  if (setup.grouping == GroupingMode::kConstantSampleSize && !state.samples.empty() &&
      state.samples.back().count == 0.0)
    state.samples.pop_back();

  const MomentSums moments = MomentsOf(state.observations);

  state.n = moments.n;
  if (state.n < kMinimumN) {
    result.status = PassStatus::kFewValues;
    return result;
  }
  if (moments.m2 <= 0.0) {
    result.status = PassStatus::kZeroDispersion;
    return result;
  }
  state.minimum = moments.minimum;
  state.maximum = moments.maximum;
  state.mean = moments.mean;
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

PassResult ReadAggregatedCapabilityData(shell::Request& request, const AggregatedPassSetup& setup,
                                        CapabilityState& state) {
  state = CapabilityState{};
  state.aggregated = true;
  state.sigma_method = setup.method;
  PassResult result;
  double total_size = 0.0;
  double grand_mean = 0.0;
  shell::CaseLoop loop;
  loop.variables = {setup.mean_variable, setup.dispersion_variable, setup.size_variable};
  loop.weights = shell::WeightRule::kAboveOne;
  loop.progress_caption = request.Text(strings::kReadingData);
  const auto visit = [&](const shell::CaseView& c) {
    const std::optional<double>& mean = c.values[0];
    const std::optional<double>& dispersion = c.values[1];
    const std::optional<double>& size = c.values[2];
    if (!mean || !dispersion || *dispersion < 0.0 || !size || !(*size > 0.0))
      return shell::CaseAction::kContinue;
    for (std::int64_t repeat = c.repeats; repeat > 0; --repeat) {
      if (state.samples.size() >= kMaxSamples) {
        result.warnings |= kWarnTooManyValues;
        return shell::CaseAction::kStop;
      }
      shell::CapabilitySample sample;
      sample.count = *size;
      sample.mean = *mean;
      sample.dispersion = *dispersion;
      state.samples.push_back(sample);
      total_size += *size;
      grand_mean += (*mean - grand_mean) * *size / total_size;
    }
    return shell::CaseAction::kContinue;
  };
  if (const auto ended = LoopFailure(shell::ForEachCase(request, loop, visit))) {
    state = CapabilityState{};
    result.status = *ended;
    return result;
  }
  state.n = std::llround(total_size);
  state.mean = grand_mean;
  const WithinSigma within = EstimateWithinSigma(state.samples, setup.method, true);
  TakeSigma(within, state);
  result.status = FromSigma(within.status);
  result.small_sample = within.small_sample;
  return result;
}

CollectedCodes CollectAllCodes(shell::Request& request, int variable, bool keep_file_order) {
  CollectedCodes collected;
  std::unordered_set<std::int64_t> seen;
  shell::CaseLoop loop;
  loop.variables = {variable};
  loop.weights = shell::WeightRule::kIgnored;
  loop.progress = false;
  collected.end = shell::ForEachCase(request, loop, [&](const shell::CaseView& c) {
    const std::optional<double>& value = c.values[0];
    if (!value || std::fabs(*value) > kMaxCodeMagnitude) return shell::CaseAction::kContinue;
    const std::int64_t code = std::llround(*value);
    if (!seen.insert(code).second) return shell::CaseAction::kContinue;
    if (collected.codes.size() >= kMaxCodes) {
      collected.truncated = true;
      return shell::CaseAction::kStop;
    }
    collected.codes.push_back(static_cast<double>(code));
    return shell::CaseAction::kContinue;
  });
  if (!keep_file_order) std::sort(collected.codes.begin(), collected.codes.end());
  return collected;
}

}  // namespace kpa::capability
