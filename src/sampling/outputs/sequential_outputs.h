// The equivalent sequential plan as outputs: the summary table (one row per sample, the
// line columns, and with observed data their cumulative deviations and the recommended
// action) and the chart of the lines with the observed path.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/api/chart_spec.h"
#include "sampling/data/observed_data.h"
#include "sampling/model/sequential_plan.h"
#include "shell/request/request.h"
#include "shell/results/result_table.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

inline constexpr int kMinSamples = 5;
inline constexpr int kMaxSamples = 400;

// Status of a sequential request. Never renumbered.
enum class [[nodiscard]] SequentialStatus : std::int16_t{
    kOk = 0,
    kNotShown = 1,      // the host did not show the output, or the table could not be built
    kDataRefused = 3,   // a gap inside the series: nothing drawn
    kHostFailure = 99,  // the host could not read the data
};

// The observed part of the plan: cumulative deviations and actions, sample by sample.
struct ObservedPath {
  std::vector<ObservedValue> values;
  std::vector<float> cumulative;  // NaN where S(n) is missing
  std::vector<SequentialAction> actions;
  bool overflowed = false;  // a deviation or a cumulated sum is beyond single precision
};

// S(n) = sum over i <= n of (x_i - H0). A missing value or a foreign code makes its own S(n)
// missing and adds nothing.
ObservedPath MakeObservedPath(const SequentialPlan& plan, double h0,
                              std::vector<ObservedValue> values);

// The pieces, for tests: the table and the chart of a plan with an optional observed path.
struct SequentialContext {
  const shell::SamplingSettings* settings = nullptr;
  SequentialPlan plan;
  int samples = 0;
  std::optional<ObservedPath> observed;
};
[[nodiscard]] shell::TableStatus BuildSequentialTable(const shell::Request& request,
                                                      const SequentialContext& context,
                                                      shell::ResultTable& table);
host::ChartSpec BuildSequentialChart(const shell::Request& request,
                                     const SequentialContext& context);

}  // namespace kpa::sampling
