// Settings of the process-capability procedures kept in the module-wide settings block: the
// setup of the raw and aggregated analyses, the specification record of each analysis
// variable, the results-dialog fields, and the per-run record of each variable (its data and
// computed state), cleared when the analysis starts again.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kpa::shell {

enum class CapabilityInputMode : std::int16_t { kRawData = 1, kAggregatedData = 2 };

// How observations are grouped into samples.
enum class GroupingMode : std::int16_t {
  kNone = 0,
  kConstantSampleSize = 1,
  kGroupingVariable = 2
};

// Which within-sample dispersion sigma is estimated from.
enum class SigmaMethod : std::int16_t { kRanges = 1, kStandardDeviations = 2, kVariances = 3 };

// Distribution chosen in the raw-data setup. Code 5 (folded normal) has no fit.
enum class CapabilityDistribution : std::int16_t {
  kBeta = 1,
  kExponential = 2,
  kExtremeValue = 3,
  kGamma = 4,
  kLogNormal = 6,
  kNormalAndGeneral = 7,
  kRayleigh = 8,
  kWeibull = 9,
};

// The Johnson curve fitted by moments to the standardised observations (its variates are in
// sigma units).
enum class JohnsonType : std::int16_t {
  kNone = 0,
  kLognormal = 1,  // SL
  kUnbounded = 2,  // SU
  kBounded = 3,    // SB
  kNormal = 4,
  kBoundary = 5,  // ST: two-point distribution on the boundary beta2 = beta1 + 1
};

enum class JohnsonFault : std::int16_t {
  kNone = 0,
  kNegativeSd = 1,
  kImpossibleMoments = 2,  // beta2 < beta1 + 1
  kApproximate = 3,        // the SB iteration failed: an approximating curve was fitted
};

struct JohnsonFit {
  JohnsonType type = JohnsonType::kNone;
  double gamma = 0.0;
  double delta = 0.0;
  double lambda = 0.0;
  double xi = 0.0;
  JohnsonFault fault = JohnsonFault::kNone;
};

// A named distribution fitted with its fixed threshold.
struct NamedFit {
  CapabilityDistribution code = CapabilityDistribution::kNormalAndGeneral;
  double threshold = 0.0;  // theta; unused for the normal and the extreme value
  double scale = 1.0;      // the beta's fixed scale s
  // Parameter 1 and parameter 2 in the order of the results dialogs: alpha, beta (beta);
  // b (exponential, Rayleigh); a, b (extreme value); b, c (gamma, Weibull); mu, sigma
  // (log-normal, normal).
  double parameter1 = 0.0;
  double parameter2 = 0.0;
};

// Process specification types; 0 while none is given.
enum class ProcessType : std::int16_t {
  kUndefined = 0,
  kNominalDelta = 1,
  kLowerNominalUpper = 2,
  kLowerNominal = 3,
  kNominalUpper = 4,
};

// The specification of one variable. Absent values are std::nullopt.
struct ProcessSpecRecord {
  ProcessType type = ProcessType::kUndefined;
  std::optional<double> nominal;
  std::optional<double> lower;
  std::optional<double> upper;
  std::optional<double> delta;
};

// Fields of the results dialogs that the computations read, as last validated.
struct CapabilityResultsFields {
  bool user_mean_on = false;
  double user_mean = 0.0;
  bool user_sigma_on = false;
  double user_sigma = 1.0;
  double within_sigma = 1.0;
  bool within_sigma_edited = false;  // else the computed within-sample sigma applies
  double sigma_limits = 6.0;
  std::int64_t tolerance_n = 100;
  double percent_population = 0.95;  // stored as a proportion
  double confidence = 0.95;          // stored as a proportion
  bool base_on_percent = true;
  double histogram_lower = 0.0;
  double histogram_upper = 1.0;
  std::int64_t categories = 10;
  bool neat_intervals = true;
  bool show_indices = true;
  bool limits_at_percentiles = false;
  bool move_titles = false;
  double rank_adjustment = -1.0 / 3.0;
  double n_adjustment = 1.0 / 3.0;
  bool average_tied_ranks = false;
  bool quantiles_horizontal = true;
  // The results dialogs of the named distributions.
  bool user_parameter1_on = false;
  double user_parameter1 = 0.0;
  bool user_parameter2_on = false;
  double user_parameter2 = 0.0;
  bool threshold_is_lsl = true;  // natural limits
};

// One sample: raw data keep count, running mean, sum of squared deviations, extremes;
// aggregated data keep mean, dispersion and count.
struct CapabilitySample {
  double count = 0.0;
  double mean = 0.0;
  double sum_squares = 0.0;
  double maximum = 0.0;
  double minimum = 0.0;
  double dispersion = 0.0;
};

// The computed state of one variable.
struct CapabilityState {
  std::vector<double> observations;
  std::vector<double> case_numbers;
  bool quartiles_known = false;  // median and quartiles computed for these observations
  std::int64_t n = 0;
  double mean = 0.0;
  double sd = 0.0;
  double skewness = 0.0;
  double kurtosis = 0.0;
  double minimum = 0.0;
  double maximum = 0.0;
  double median = 0.0;
  double q1 = 0.0;
  double q3 = 0.0;
  GroupingMode grouping = GroupingMode::kNone;
  SigmaMethod sigma_method = SigmaMethod::kRanges;
  bool aggregated = false;
  std::vector<CapabilitySample> samples;
  std::int64_t k2 = 0;
  std::int64_t sum_n2 = 0;
  double mean_size_all = 0.0;
  double mean_size = 0.0;
  bool sizes_vary = false;
  bool moving_ranges = false;
  bool small_sample = false;
  double dispersion_mean = 0.0;
  double sigma_within_computed = 0.0;
  double mu = 0.0;
  double sigma_total = 0.0;
  double sigma_within = 0.0;
  double k = 6.0;
  // The general non-normal fit of request 0; usable when it is a curve with a transform
  // (types 1 to 4), fitted exactly or approximately.
  JohnsonFit johnson;
  bool johnson_usable = false;

  bool Grouped() const { return grouping != GroupingMode::kNone || aggregated; }
};

// The indices requests 301 and 311 keep for the variable's next histogram: the normal ones,
// and those of the non-normal fit (the Johnson curve, or the named distribution in its
// results dialogs).
struct HistogramIndexSet {
  std::optional<double> cp;
  std::optional<double> cpk;
  std::optional<double> cpl;
  std::optional<double> cpu;
};
struct HistogramIndices {
  std::optional<HistogramIndexSet> normal;
  std::optional<HistogramIndexSet> non_normal;
};

// The per-run record of one analysis variable.

struct CapabilityVariableRun {
  int variable = 0;
  bool read = false;         // the data pass has filled `state`
  bool initialised = false;  // request 0 has run since the data were read
  CapabilityState state;
  CapabilityResultsFields fields;
  HistogramIndices histogram_indices;
  // The named distribution fitted at the setup's OK (its estimates), when one was chosen.
  std::optional<NamedFit> named_fit;
};

inline constexpr int kCapabilityOffsets =
    6;  // beta, exponential, gamma, log-normal, Rayleigh, Weibull

struct CapabilitySettings {
  CapabilityInputMode input_mode = CapabilityInputMode::kRawData;
  // Raw-data setup.
  std::vector<int> variables;
  int grouping_variable = 0;
  GroupingMode grouping = GroupingMode::kNone;
  std::int64_t constant_sample_size = 5;
  std::vector<double> codes;
  bool select_all_codes = false;
  bool keep_codes_in_file_order = false;
  SigmaMethod sigma_method = SigmaMethod::kRanges;
  CapabilityDistribution distribution = CapabilityDistribution::kNormalAndGeneral;
  std::array<double, kCapabilityOffsets> offsets{};
  double beta_scale = 1.0;
  // Aggregated-data setup: means, dispersions and sizes.
  std::array<int, 3> aggregated_variables{};
  SigmaMethod aggregated_sigma_method = SigmaMethod::kRanges;
  // Specifications by variable number, and whether none was ever defined.
  std::map<int, ProcessSpecRecord> specifications;
  std::string data_file;  // the data file the variable numbers above refer to
  bool specification_undefined = true;
  // Per-run records: one per analysis variable, and the current one.
  std::vector<CapabilityVariableRun> runs;
  std::size_t current_run = 0;
};

}  // namespace kpa::shell
