#include "gage/data/study_reader.h"

#include <cmath>
#include <new>
#include <unordered_map>

#include "resources/ids/gage_strings.h"
#include "shell/request/case_loop.h"

namespace kpa::gage {
namespace {

constexpr double kLargestCode = 100000000.0;
constexpr double kLargestMeasurement = 1e30;
// More cells than any memory holds (8 bytes each): refused before anything is allocated.
constexpr double kLargestStudy = 1e12;

// Index of each selected code (rounded to a whole number); a code selected twice keeps its
// first index, which is where a search of the layout in order would find it.
std::unordered_map<std::int64_t, std::int64_t> CodeIndex(const std::vector<double>& codes) {
  std::unordered_map<std::int64_t, std::int64_t> index;
  for (std::size_t i = 0; i < codes.size(); ++i)
    index.emplace(std::llround(codes[i]), static_cast<std::int64_t>(i));
  return index;
}

// A classification value usable as a code: present, at most 1e8 in magnitude, whole.
std::optional<std::int64_t> CodeOf(const std::optional<double>& value) {
  if (!value || std::fabs(*value) > kLargestCode || *value != std::floor(*value))
    return std::nullopt;
  return std::llround(*value);
}

StudyReadStatus EndOf(shell::CaseLoopEnd end) {
  switch (end) {
    case shell::CaseLoopEnd::kCancelled:
      return StudyReadStatus::kCancelled;
    case shell::CaseLoopEnd::kReadFailure:
      return StudyReadStatus::kReadFailure;
    default:
      return StudyReadStatus::kOk;
  }
}

// The filled study's moments, and the checks every layout passes.
void Finish(StudyRead& read, std::int64_t stored, StudyReadStatus short_status) {
  if (read.status != StudyReadStatus::kOk) return;
  if (stored < read.study.size.Measurements()) {
    read.status = short_status;
    return;
  }
  ComputeOverallMoments(read.study);
  if (!(read.study.sd > 0.0)) read.status = StudyReadStatus::kIdentical;
}

}  // namespace

StudySize DataFileStudySize(const shell::GageSettings& settings) {
  return {
      static_cast<std::int64_t>(settings.operator_codes.size()),
      static_cast<std::int64_t>(settings.part_codes.size()),
      settings.trial_variable != 0 ? static_cast<std::int64_t>(settings.trial_codes.size()) : 1};
}

StudyRead ReadDataFileStudy(shell::Request& request, const shell::GageSettings& settings) {
  StudyRead read;
  read.study.size = DataFileStudySize(settings);
  const StudySize size = read.study.size;
  const bool trials = settings.trial_variable != 0;
  // Code lists can be long: their product is checked before it is formed, so it cannot wrap.
  if (static_cast<double>(size.operators) * static_cast<double>(size.parts) *
          static_cast<double>(size.trials) >
      kLargestStudy) {
    read.status = StudyReadStatus::kTooLarge;
    return read;
  }
  std::vector<bool> filled;
  try {
    read.study.x.assign(static_cast<std::size_t>(size.Measurements()), 0.0);
    filled.assign(read.study.x.size(), false);
  } catch (const std::bad_alloc&) {
    read.status = StudyReadStatus::kTooLarge;
    return read;
  }
  const auto operators = CodeIndex(settings.operator_codes);
  const auto parts = CodeIndex(settings.part_codes);
  const auto trial_index = CodeIndex(settings.trial_codes);
  shell::CaseLoop loop;
  loop.variables = {settings.operator_variable, settings.part_variable};
  if (trials) loop.variables.push_back(settings.trial_variable);
  loop.variables.push_back(settings.measure_variable);
  loop.weights = shell::WeightRule::kTwoOrMore;
  loop.progress_caption = request.Text(strings::kReadingStudy);
  std::int64_t stored = 0;
  const auto visit = [&](const shell::CaseView& c) {
    const auto o = CodeOf(c.values[0]);
    const auto p = CodeOf(c.values[1]);
    const auto t = trials ? CodeOf(c.values[2]) : std::optional<std::int64_t>(0);
    if (!o || !p || !t) return shell::CaseAction::kContinue;
    const auto found_o = operators.find(*o);
    const auto found_p = parts.find(*p);
    const auto found_t = trials ? trial_index.find(*t) : trial_index.end();
    if (found_o == operators.end() || found_p == parts.end() ||
        (trials && found_t == trial_index.end()))
      return shell::CaseAction::kContinue;
    const std::optional<double>& x = c.values.back();
    if (!x || std::fabs(*x) > kLargestMeasurement) return shell::CaseAction::kContinue;
    const auto position = static_cast<std::size_t>(
        size.Index(found_o->second, found_p->second, trials ? found_t->second : 0));
    if (filled[position]) {
      read.multiple_references = true;
      return shell::CaseAction::kContinue;
    }
    filled[position] = true;
    read.study.x[position] = *x;
    ++stored;
    // The further repeats of a weighted case find their cell filled.
    if (c.repeats > 1) read.multiple_references = true;
    return shell::CaseAction::kContinue;
  };
  read.status = EndOf(shell::ForEachCase(request, loop, visit));
  Finish(read, stored, StudyReadStatus::kEmptyCells);
  return read;
}

StudyRead ReadDataSheetStudy(shell::Request& request, const shell::GageSettings& settings) {
  StudyRead read;
  read.study.size = {settings.counts.operators, settings.counts.parts, settings.counts.trials};
  const std::int64_t n = read.study.size.Measurements();
  try {
    read.study.x.assign(static_cast<std::size_t>(n), 0.0);
  } catch (const std::bad_alloc&) {
    read.status = StudyReadStatus::kTooLarge;
    return read;
  }
  shell::CaseLoop loop;
  loop.variables = settings.sheet_variables;
  loop.weights = shell::WeightRule::kIgnored;
  loop.progress_caption = request.Text(strings::kReadingStudy);
  std::int64_t stored = 0;
  const auto visit = [&](const shell::CaseView& c) {
    for (const std::optional<double>& value : c.values) {
      if (!value) {
        read.status = StudyReadStatus::kMissingSheetValue;
        return shell::CaseAction::kStop;
      }
      if (stored >= n) {
        read.surplus = true;
        continue;
      }
      read.study.x[static_cast<std::size_t>(stored++)] = *value;
    }
    return shell::CaseAction::kContinue;
  };
  const StudyReadStatus end = EndOf(shell::ForEachCase(request, loop, visit));
  if (read.status == StudyReadStatus::kOk) read.status = end;
  Finish(read, stored, StudyReadStatus::kShortSheet);
  return read;
}

}  // namespace kpa::gage
