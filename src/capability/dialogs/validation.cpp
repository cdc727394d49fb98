#include "capability/dialogs/validation.h"

#include "resources/ids/capability_strings.h"

namespace kpa::capability {
namespace {

constexpr double kLimit = 9999999.0;
constexpr double kSmallestDelta = 1e-22;

bool Within(double value, double lowest, double highest) {
  return value >= lowest && value <= highest;  // false for NaN
}

}  // namespace

std::optional<ValidationFailure> ValidateResultsFields(const ResultsFieldValues& v,
                                                       const ResultsFieldSet& present) {
  using shell::ProcessType;
  namespace s = strings;
  if (v.user_mean_on && !Within(v.user_mean, -kLimit, kLimit))
    return ValidationFailure{ResultsField::kUserMean, s::kBadUserMean};
  if (v.user_sigma_on && !(v.user_sigma > 0.0 && v.user_sigma <= kLimit))
    return ValidationFailure{ResultsField::kUserSigma, s::kBadSigma};
  if (present.within_sigma && !(v.within_sigma > 0.0 && v.within_sigma <= kLimit))
    return ValidationFailure{ResultsField::kWithinSigma, s::kBadSigma};
  if (!Within(v.sigma_limits, 0.5, 15.0))
    return ValidationFailure{ResultsField::kSigmaLimits, s::kBadSigmaLimits};
  if (!Within(v.nominal, -kLimit, kLimit))
    return ValidationFailure{ResultsField::kNominal, s::kBadNominal};
  if (v.type == ProcessType::kNominalDelta && !Within(v.delta, kSmallestDelta, kLimit))
    return ValidationFailure{ResultsField::kDelta, s::kBadDelta};
  if ((v.type == ProcessType::kLowerNominalUpper || v.type == ProcessType::kLowerNominal) &&
      !(v.lower >= -kLimit && v.lower < v.nominal))
    return ValidationFailure{ResultsField::kLower, s::kBadLsl};
  if ((v.type == ProcessType::kLowerNominalUpper || v.type == ProcessType::kNominalUpper) &&
      !(v.upper > v.nominal && v.upper <= kLimit))
    return ValidationFailure{ResultsField::kUpper, s::kBadUsl};
  if (!present.options) return std::nullopt;
  if (!(v.n_adjustment > 0.0 && v.n_adjustment <= 0.5))
    return ValidationFailure{ResultsField::kNAdjustment, s::kBadNAdjustment};
  if (!Within(v.rank_adjustment, -0.5, 0.0))
    return ValidationFailure{ResultsField::kRankAdjustment, s::kBadRankAdjustment};
  if (v.tolerance_n < 3 || v.tolerance_n > 32000)
    return ValidationFailure{ResultsField::kToleranceN, s::kBadToleranceN};
  if (!Within(v.percent, 10.0, 99.9))
    return ValidationFailure{ResultsField::kPercent, s::kBadPercent};
  if (!Within(v.confidence, 10.0, 99.9))
    return ValidationFailure{ResultsField::kConfidence, s::kBadConfidence};
  if (!Within(v.histogram_lower, -kLimit, kLimit))
    return ValidationFailure{ResultsField::kHistogramLower, s::kBadHistogramLower};
  if (!(v.histogram_upper > v.histogram_lower && v.histogram_upper <= kLimit))
    return ValidationFailure{ResultsField::kHistogramUpper, s::kBadHistogramUpper};
  if (v.categories < 5 || v.categories > 50)
    return ValidationFailure{ResultsField::kCategories, s::kBadCategories};
  return std::nullopt;
}

std::optional<int> SpecificationOutOfRange(const shell::ProcessSpecRecord& record) {
  ResultsFieldValues values;
  values.type = record.type;
  values.nominal = record.nominal.value_or(0.0);
  values.delta = record.delta.value_or(1.0);
  values.lower = record.lower.value_or(values.nominal - 1.0);
  values.upper = record.upper.value_or(values.nominal + 1.0);
  const auto failure = ValidateResultsFields(values, ResultsFieldSet{false, false});
  if (!failure) return std::nullopt;
  return failure->message;
}

}  // namespace kpa::capability
