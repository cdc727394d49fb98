#include "reliability/data/failure_reader.h"

#include <cmath>
#include <limits>
#include <new>

#include "resources/ids/reliability_strings.h"
#include "shell/probability/julian_day.h"
#include "shell/probability/sentinel.h"
#include "shell/request/case_loop.h"

namespace kpa::reliability {
namespace {

ReadStatus EndOf(shell::CaseLoopEnd end) {
  switch (end) {
    case shell::CaseLoopEnd::kCancelled:
      return ReadStatus::kCancelled;
    case shell::CaseLoopEnd::kReadFailure:
      return ReadStatus::kReadFailure;
    default:
      return ReadStatus::kOk;
  }
}

// Running mean and sum of squared deviations, updated one value at a time (Welford 1962).
struct Running {
  double count = 0.0;
  double mean = 0.0;
  double sum_squares = 0.0;
  void Add(double value, double weight = 1.0) {
    count += weight;
    const double delta = value - mean;
    mean += weight * delta / count;
    sum_squares += weight * delta * (value - mean);
  }
};

std::optional<double> TimeOf(std::span<const std::optional<double>> values, std::size_t times) {
  if (times == 1) return values[0];
  if (times == 2) {
    if (!values[0] || !values[1]) return std::nullopt;
    return *values[1] - *values[0];
  }
  double parts[6];
  for (std::size_t i = 0; i < 6; ++i) {
    if (!values[i]) return std::nullopt;
    parts[i] = *values[i];
  }
  return DaysBetween(parts);
}

// Adds one case `repeats` times to the sample and its statistics.
class SampleBuilder {
 public:
  explicit SampleBuilder(shell::FailureSample& sample) : sample_(sample) {
    sample_ = shell::FailureSample{};
  }

  bool Add(double time, double censored, std::int64_t case_row, std::int64_t repeats) {
    if (repeats <= 0) return true;
    if (sample_.n + repeats > kMaxSampleCases) return false;
    sample_.time.insert(sample_.time.end(), static_cast<std::size_t>(repeats), time);
    sample_.censored.insert(sample_.censored.end(), static_cast<std::size_t>(repeats), censored);
    sample_.case_row.insert(sample_.case_row.end(), static_cast<std::size_t>(repeats), case_row);
    sample_.n += repeats;
    const auto weight = static_cast<double>(repeats);
    sample_.tmin = std::min(sample_.tmin, time);
    sample_.tmax = std::max(sample_.tmax, time);
    if (censored == 0.0) {
      sample_.r += repeats;
      failures_.Add(time, weight);
      sample_.failure_min = std::min(sample_.failure_min, time);
      sample_.failure_max = std::max(sample_.failure_max, time);
    } else {
      if (censored_count_ > 0 && time != censoring_time_) sample_.censoring_times_equal = false;
      censoring_time_ = time;
      censored_count_ += repeats;
    }
    return true;
  }

  // The checks after the scan, in their order.
  ReadStatus Finish() const {
    if (sample_.n < 2) return ReadStatus::kTooFewCases;
    if (sample_.r < 2) return ReadStatus::kTooFewFailures;
    if (!(failures_.sum_squares > 0.0)) return ReadStatus::kIdenticalTimes;
    return ReadStatus::kOk;
  }

  void Start() {
    sample_.tmin = sample_.failure_min = 3e30;
    sample_.tmax = sample_.failure_max = -3e30;
  }

 private:
  shell::FailureSample& sample_;
  Running failures_;
  double censoring_time_ = 0.0;
  std::int64_t censored_count_ = 0;
};

}  // namespace

std::optional<double> DaysBetween(std::span<const double> parts) {
  int whole[6];
  for (std::size_t i = 0; i < 6; ++i) {
    const double v = parts[i];
    if (!(v >= 0.0 && v < 32000.0) || v != std::floor(v)) return std::nullopt;
    whole[i] = static_cast<int>(v);
  }
  for (const std::size_t year : {std::size_t{2}, std::size_t{5}})
    if (whole[year] < 100) whole[year] += 1900;
  const double start = probability::JulianDay(whole[0], whole[1], whole[2]);
  const double stop = probability::JulianDay(whole[3], whole[4], whole[5]);
  if (start == probability::kErrorSentinel || stop == probability::kErrorSentinel)
    return std::nullopt;
  return stop - start;
}

std::vector<int> CurrentTimeVariables(const shell::WeibullSettings& settings) {
  if (!settings.list_of_variables) return settings.time_variables;
  if (settings.time_variables.empty()) return {};
  const std::size_t current =
      std::min(settings.current_variable, settings.time_variables.size() - 1);
  return {settings.time_variables[current]};
}

ReadStatus ReadRawFailureTimes(shell::Request& request, shell::WeibullSettings& settings) {
  shell::CaseLoop loop;
  loop.variables = CurrentTimeVariables(settings);
  const std::size_t times = loop.variables.size();
  if (times != 1 && times != 2 && times != 6) return ReadStatus::kTooFewCases;
  const bool indicator = settings.censor_variable != 0;
  if (indicator) loop.variables.push_back(settings.censor_variable);
  loop.progress_caption = request.Text(strings::kComputing);
  SampleBuilder builder(settings.sample);
  builder.Start();
  bool zeros = false;
  bool too_large = false;
  shell::CaseLoopEnd end = shell::CaseLoopEnd::kCompleted;
  try {
    end = shell::ForEachCase(request, loop, [&](const shell::CaseView& view) {
      double censored = 0.0;
      if (indicator) {
        const std::optional<double>& code = view.values[times];
        if (!code) return shell::CaseAction::kContinue;
        if (*code == settings.censored_code)
          censored = 1.0;
        else if (*code != settings.complete_code)
          return shell::CaseAction::kContinue;
      }
      std::optional<double> time = TimeOf(view.values, times);
      if (!time || !(*time >= 0.0) || !std::isfinite(*time)) return shell::CaseAction::kContinue;
      if (*time == 0.0) {
        if (!settings.add_constant) {
          zeros = true;
          return shell::CaseAction::kContinue;
        }
        time = settings.constant;
      }
      if (!builder.Add(*time, censored, view.number, view.repeats)) {
        too_large = true;
        return shell::CaseAction::kStop;
      }
      return shell::CaseAction::kContinue;
    });
  } catch (const std::bad_alloc&) {
    too_large = true;
  }
  if (too_large) {
    settings.sample = shell::FailureSample{};
    return ReadStatus::kTooLarge;
  }
  if (const ReadStatus status = EndOf(end); status != ReadStatus::kOk) return status;
  settings.sample.zero_times_dropped = zeros;
  return builder.Finish();
}

ReadStatus ReadGroupedFailureTimes(shell::Request& request, shell::WeibullSettings& settings) {
  shell::CaseLoop loop;
  loop.variables = {settings.lower_variable, settings.withdrawn_variable, settings.failed_variable};
  loop.weights = shell::WeightRule::kIgnored;
  loop.progress_caption = request.Text(strings::kComputing);
  shell::GroupedTable table;
  Running limits;
  bool bad_limit = false;
  const shell::CaseLoopEnd end =
      shell::ForEachCase(request, loop, [&](const shell::CaseView& view) {
        const auto& v = view.values;
        if (!v[0] || !v[1] || !v[2] || *v[1] < 0.0 || *v[2] < 0.0)
          return shell::CaseAction::kContinue;
        // Limits rise strictly from row to row; a limit below 0 lies below the location 0 at
        // which the table is first fitted.
        if (*v[0] < 0.0 || (!table.lower.empty() && !(*v[0] > table.lower.back()))) {
          bad_limit = true;
          return shell::CaseAction::kStop;
        }
        table.lower.push_back(*v[0]);
        table.withdrawn.push_back(*v[1]);
        table.failed.push_back(*v[2]);
        table.case_row.push_back(view.number);
        table.total_failed += *v[2];
        table.total_withdrawn += *v[1];
        if (*v[2] > 0.0) limits.Add(*v[0], *v[2]);
        return shell::CaseAction::kContinue;
      });
  if (const ReadStatus status = EndOf(end); status != ReadStatus::kOk) return status;
  if (bad_limit) return ReadStatus::kBadIntervalLimit;
  const std::size_t k = table.lower.size();
  if (k < 2) return ReadStatus::kTooFewCases;
  const auto entering = static_cast<double>(settings.entering);
  if (table.total_failed + table.total_withdrawn > entering) return ReadStatus::kTooManyLeaving;
  if (!(limits.sum_squares > 0.0)) return ReadStatus::kIdenticalTimes;
  if (table.total_failed < 2.0) return ReadStatus::kTooFewTableFailures;

  if (!settings.treat_as_continuous) {
    settings.table = std::move(table);
    settings.sample = shell::FailureSample{};
    settings.sample.tmin = settings.table.lower.front();
    settings.sample.tmax = settings.table.lower.back();
    return ReadStatus::kOk;
  }
  for (std::size_t i = 0; i < k; ++i)
    if (table.failed[i] != std::floor(table.failed[i]) ||
        table.withdrawn[i] != std::floor(table.withdrawn[i]))
      return ReadStatus::kFractionalCounts;
  if (entering > static_cast<double>(kMaxSampleCases)) return ReadStatus::kTooLarge;
  try {
    SampleBuilder builder(settings.sample);
    builder.Start();
    double last_midpoint = 0.0;
    for (std::size_t i = 0; i < k; ++i) {
      const double half = i + 1 < k ? (table.lower[i + 1] - table.lower[i]) / 2.0
                                    : (table.lower[i] - table.lower[i - 1]) / 2.0;
      const double midpoint = table.lower[i] + half;
      last_midpoint = midpoint;
      (void)builder.Add(midpoint, 0.0, table.case_row[i],
                        static_cast<std::int64_t>(table.failed[i]));
      (void)builder.Add(midpoint, 1.0, table.case_row[i],
                        static_cast<std::int64_t>(table.withdrawn[i]));
    }
    const auto surviving =
        static_cast<std::int64_t>(entering - table.total_failed - table.total_withdrawn);
    (void)builder.Add(last_midpoint, 1.0, table.case_row.back(), surviving);
    settings.table = std::move(table);
    return builder.Finish();
  } catch (const std::bad_alloc&) {
    settings.sample = shell::FailureSample{};
    return ReadStatus::kTooLarge;
  }
}

}  // namespace kpa::reliability
