// Settings of the Weibull and reliability procedure kept in the module-wide settings block:
// the input options of both specification dialogs, the failure times or the grouped table
// read from the data, the current Weibull fit with its estimation settings, and the options
// of the results dialogs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/api/special_values.h"

namespace kpa::shell {

// 0 raw failure times, 1 grouped data, 2 probability paper. Other values can only come from
// a corrupted state; the Weibull step refuses them.
enum class WeibullMode : std::int16_t { kRawData = 0, kGroupedData = 1, kProbabilityPaper = 2 };

// The retained cases of a raw read (or of an expanded grouped table), in file order.
struct FailureSample {
  std::vector<double> time;
  std::vector<double> censored;        // 0.0 an observed failure, 1.0 a censored case
  std::vector<std::int64_t> case_row;  // the case number in the data file
  std::int64_t n = 0;
  std::int64_t r = 0;  // failures
  double tmin = 0.0;   // over all times
  double tmax = 0.0;
  double failure_min = 0.0;
  double failure_max = 0.0;
  bool censoring_times_equal = true;
  bool zero_times_dropped = false;
};

// One row per interval of a grouped (life-table) input.
struct GroupedTable {
  std::vector<double> lower;
  std::vector<double> withdrawn;
  std::vector<double> failed;
  std::vector<std::int64_t> case_row;
  double total_failed = 0.0;
  double total_withdrawn = 0.0;
};

// 0 two-parameter ML (or the grouped fit), 1 three-parameter ML, 2 user-defined.
enum class WeibullMethod : std::int16_t {
  kTwoParameter = 0,
  kThreeParameter = 1,
  kUserDefined = 2
};

// The current parameter set read by every result. Standard errors are missing unless the
// fit that produced the parameters computed them.
struct WeibullFit {
  double location = 0.0;
  double shape = 2.0;
  double scale = 1.0;
  double se_location = host::kMissing;
  double se_shape = host::kMissing;
  double se_scale = host::kMissing;
  double cov_shape_scale = host::kMissing;
  WeibullMethod method = WeibullMethod::kTwoParameter;
  bool valid = false;
};

struct EstimationSettings {
  std::int32_t max_iterations = 50;
  double criterion = 1e-5;
  double confidence = 0.95;
};

// How failure orders are turned into estimates of F for complete or singly censored data.
enum class RankMethod : std::int16_t { kMedianRank = 0, kMeanRank = 1, kWhite = 2 };

// Weibull probability paper: the p lines, the time lines and what is drawn besides.
struct PaperSettings {
  double minimum_p = 0.0;
  double maximum_p = 0.999;
  double step_p = 0.1;
  bool extreme_ends = true;
  bool principal_abscissa = false;
  double offset = 0.0;
  double maximum_time = 10.0;
  double step_time = 1.0;
  // Optional failure times plotted on the paper: 1, 2 or 6 variables making one time.
  std::vector<int> time_variables;
  int censor_variable = 0;
  double complete_code = 0.0;
  double censored_code = 1.0;
  bool add_constant = false;
  double constant = 0.1;
};

struct WeibullSettings {
  WeibullMode mode = WeibullMode::kRawData;
  // 0 when grouped data are analysed as a life table, 1 when they were expanded to cases.
  std::int16_t grouped_flag = 0;
  std::string data_file;  // the file the variables below belong to

  // Raw data.
  bool list_of_variables = true;  // each variable a sample of its own; else one time built
                                  // from 1, 2 or 6 variables
  std::vector<int> time_variables;
  int censor_variable = 0;
  double complete_code = 0.0;
  double censored_code = 1.0;
  bool add_constant = false;
  double constant = 0.1;
  std::size_t current_variable = 0;  // list mode: the variable analysed

  // Grouped data.
  int lower_variable = 0;
  int withdrawn_variable = 0;
  int failed_variable = 0;
  std::int64_t entering = 10;
  bool treat_as_continuous = false;

  // What the last read produced and the fit standing on it.
  FailureSample sample;
  GroupedTable table;
  WeibullFit fit;
  EstimationSettings estimation;

  // Results options.
  bool ml_intervals = true;
  double plot_minimum = 0.0;
  double plot_maximum = 1.0;
  RankMethod rank_method = RankMethod::kMedianRank;
  double location_from = 0.0;
  double location_to = 0.0;
  bool failures_only = false;

  PaperSettings paper;
};

}  // namespace kpa::shell
