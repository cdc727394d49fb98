// The validation chain of the results-dialog fields, run before every results request: the
// first field outside its accepted range names itself and its message; nothing is stored.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

enum class ResultsField {
  kUserMean,
  kUserSigma,
  kWithinSigma,
  kSigmaLimits,
  kNominal,
  kDelta,
  kLower,
  kUpper,
  kNAdjustment,
  kRankAdjustment,
  kToleranceN,
  kPercent,
  kConfidence,
  kHistogramLower,
  kHistogramUpper,
  kCategories,
};

// The fields as the dialog shows them (percentages in percent).
struct ResultsFieldValues {
  bool user_mean_on = false;
  double user_mean = 0.0;
  bool user_sigma_on = false;
  double user_sigma = 1.0;
  double within_sigma = 1.0;
  double sigma_limits = 6.0;
  shell::ProcessType type = shell::ProcessType::kNominalDelta;
  double nominal = 0.0;
  double delta = 1.0;
  double lower = -1.0;
  double upper = 1.0;
  double n_adjustment = 1.0 / 3.0;
  double rank_adjustment = -1.0 / 3.0;
  std::int64_t tolerance_n = 100;
  double percent = 95.0;
  double confidence = 95.0;
  double histogram_lower = 0.0;
  double histogram_upper = 1.0;
  std::int64_t categories = 10;
};

// Which fields the dialog has: the within-sample sigma with grouped raw data; the options,
// tolerance and histogram fields in the raw-data results dialog only.
struct ResultsFieldSet {
  bool within_sigma = false;
  bool options = true;
};

struct ValidationFailure {
  ResultsField field;
  int message;  // string number
};

// Checks in order: user mean, user sigma, within-sample sigma, sigma limits, nominal,
// delta, LSL, USL, N adjustment, rank adjustment, tolerance N, percent, confidence,
// histogram lower and upper limits, number of categories.
std::optional<ValidationFailure> ValidateResultsFields(const ResultsFieldValues& values,
                                                       const ResultsFieldSet& present);

// A completed specification checked against the ranges of the results dialog's fields
// (nominal, delta, LSL, USL), so that a specification the setup accepts is one every
// request accepts: the message number of the first field it would fail.
std::optional<int> SpecificationOutOfRange(const shell::ProcessSpecRecord& record);

}  // namespace kpa::capability
