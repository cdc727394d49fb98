#include "capability/specifications/spec_record.h"

#include <charconv>

#include "resources/ids/capability_strings.h"

namespace kpa::capability {

bool CompleteSpecRecord(ProcessSpecRecord& record) {
  if (!record.nominal) return false;
  const double nominal = *record.nominal;
  ProcessSpecRecord done = record;
  switch (record.type) {
    case ProcessType::kNominalDelta:
      if (!record.delta) return false;
      done.lower = nominal - *record.delta;
      done.upper = nominal + *record.delta;
      break;
    case ProcessType::kLowerNominalUpper:
      if (!record.lower || !record.upper) return false;
      done.delta = ((*record.upper - nominal) + (nominal - *record.lower)) / 2.0;
      break;
    case ProcessType::kLowerNominal:
      if (!record.lower) return false;
      done.delta = (nominal - *record.lower) / 2.0;
      done.upper = nominal + *done.delta;
      break;
    case ProcessType::kNominalUpper:
      if (!record.upper) return false;
      done.delta = (*record.upper - nominal) / 2.0;
      done.lower = nominal - *done.delta;
      break;
    default:
      return false;
  }
  record = done;
  return true;
}

ProcessSpecRecord DefinedValues(const ProcessSpecRecord& record) {
  ProcessSpecRecord defined;
  defined.type = record.type;
  defined.nominal = record.nominal;
  switch (record.type) {
    case ProcessType::kNominalDelta:
      defined.delta = record.delta;
      break;
    case ProcessType::kLowerNominalUpper:
      defined.lower = record.lower;
      defined.upper = record.upper;
      break;
    case ProcessType::kLowerNominal:
      defined.lower = record.lower;
      break;
    case ProcessType::kNominalUpper:
      defined.upper = record.upper;
      break;
    default:
      break;
  }
  return defined;
}

bool IsCompleteSpecRecord(const ProcessSpecRecord& record) {
  if (record.type == ProcessType::kUndefined) return false;
  if (!record.nominal || !record.delta || !record.lower || !record.upper) return false;
  return *record.lower < *record.nominal && *record.nominal<*record.upper&& * record.delta> 0;
}

std::optional<ProcessSpecRecord> RecordFromEntry(const SpecEntry& entry) {
  if (!entry.nominal) return std::nullopt;
  ProcessSpecRecord record;
  record.nominal = entry.nominal;
  const double nominal = *entry.nominal;
  if (entry.delta && *entry.delta > 0.0) {
    record.type = ProcessType::kNominalDelta;
    record.delta = entry.delta;
  }
  if (entry.lower && *entry.lower < nominal) {
    record.lower = entry.lower;
    if (record.type == ProcessType::kUndefined) record.type = ProcessType::kLowerNominal;
  }
  if (entry.upper && *entry.upper > nominal) {
    record.upper = entry.upper;
    if (record.type == ProcessType::kUndefined)
      record.type = ProcessType::kNominalUpper;
    else if (record.type == ProcessType::kLowerNominal)
      record.type = ProcessType::kLowerNominalUpper;
  }
  if (record.type == ProcessType::kUndefined) return std::nullopt;
  return record;
}

std::optional<SpecLimits> EffectiveLimits(const ProcessSpecRecord& record) {
  ProcessSpecRecord done = record;
  if (!CompleteSpecRecord(done)) return std::nullopt;
  return SpecLimits{done.type, *done.lower, *done.nominal, *done.upper, *done.delta};
}

std::string SpecificationText(const ProcessSpecRecord& record, const shell::Request& request) {
  const auto limits = EffectiveLimits(record);
  if (!limits) return request.Text(strings::kNoneDefined);
  const auto text = [&](int number) { return request.Text(number); };
  // Eight significant digits: limits derived from data print without binary noise.
  const auto number = [](double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 8);
    return std::string(buffer, result.ptr);
  };
  switch (limits->type) {
    case ProcessType::kNominalDelta:
      return text(strings::kTypeNameNominalDelta) + " " + number(limits->nominal) +
             text(strings::kPlusMinus) + number(limits->delta) + " " + text(strings::kLslEquals) +
             number(limits->lower) + text(strings::kUslEquals) + number(limits->upper) + ")";
    case ProcessType::kLowerNominalUpper:
      return text(strings::kTypeNameLowerNominalUpper) + text(strings::kInfEquals) +
             number(limits->lower) + " " + text(strings::kNominalEquals) + number(limits->nominal) +
             " " + text(strings::kSupEquals) + number(limits->upper);
    case ProcessType::kLowerNominal:
      return text(strings::kTypeNameLowerNominal) + text(strings::kInfEquals) +
             number(limits->lower) + " " + text(strings::kNominalEquals) + number(limits->nominal);
    case ProcessType::kNominalUpper:
      return text(strings::kTypeNameNominalUpper) + text(strings::kNominalEquals) +
             number(limits->nominal) + " " + text(strings::kSupEquals) + number(limits->upper);
    default:
      return text(strings::kNoneDefined);
  }
}

}  // namespace kpa::capability
