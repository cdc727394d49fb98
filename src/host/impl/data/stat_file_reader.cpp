// ReadStat callbacks gather the file into raw columns; the columns then become variables.
#include "host/impl/data/stat_file_reader.h"

#include <readstat.h>

#include <algorithm>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/impl/data/data_file.h"
#include "host/impl/data/date_format.h"
#include "host/impl/data/names.h"
#include "host/impl/data/text.h"

namespace kpa::host::data {
namespace {

struct LabelSet {
  std::map<double, std::string> numeric;
  std::map<std::string, std::string> text;
};

struct RawVariable {
  std::string name;
  std::string label;
  std::string label_set;
  bool is_string = false;
  std::optional<DateFormat> date_format;       // a date or date-and-time display format
  std::optional<double> first_missing_value;   // the first single user-defined missing value
  std::vector<std::optional<double>> numbers;  // std::nullopt: missing
  std::vector<std::optional<std::string>> texts;
};

// Variables are addressed by 16-bit numbers.
constexpr int kMaxVariables = 32767;

// What a damaged file makes ReadStat hand over; the path is filled in by the caller.
struct DamagedFile : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct ParseState {
  std::vector<RawVariable> variables;  // by ReadStat's variable index
  std::map<std::string, LabelSet> label_sets;
  std::string error_message;
  std::exception_ptr failure;  // an exception caught inside a callback
};

template <typename Action>
int Guarded(void* context, Action action) {
  auto& state = *static_cast<ParseState*>(context);
  try {
    action(state);
    return READSTAT_HANDLER_OK;
  } catch (...) {
    // Exceptions must not unwind through ReadStat's C frames.
    state.failure = std::current_exception();
    return READSTAT_HANDLER_ABORT;
  }
}

std::string TrimTrailingBlanks(const char* text) {
  std::string value = text == nullptr ? "" : text;
  value.erase(value.find_last_not_of(' ') + 1);
  return value;
}

int OnVariable(int index, readstat_variable_t* variable, const char* label_set, void* context) {
  return Guarded(context, [&](ParseState& state) {
    if (index < 0 || index >= kMaxVariables)
      throw DamagedFile("a variable numbered " + std::to_string(index) + " (at most " +
                        std::to_string(kMaxVariables) + " are read)");
    if (static_cast<std::size_t>(index) >= state.variables.size()) {
      state.variables.resize(static_cast<std::size_t>(index) + 1);
    }
    RawVariable& raw = state.variables[static_cast<std::size_t>(index)];
    // A damaged file may leave a variable without a name: it is named by its position.
    const char* name = readstat_variable_get_name(variable);
    raw.name = name == nullptr ? "" : name;
    const char* label = readstat_variable_get_label(variable);
    raw.label = label == nullptr ? "" : label;
    raw.label_set = label_set == nullptr ? "" : label_set;
    raw.is_string = readstat_variable_get_type_class(variable) == READSTAT_TYPE_CLASS_STRING;
    if (raw.is_string) return;
    if (const char* format = readstat_variable_get_format(variable); format != nullptr)
      raw.date_format = DateFormatOfStatFile(format);
    const int ranges = readstat_variable_get_missing_ranges_count(variable);
    for (int i = 0; i < ranges && !raw.first_missing_value; ++i) {
      const double lo = readstat_double_value(readstat_variable_get_missing_range_lo(variable, i));
      const double hi = readstat_double_value(readstat_variable_get_missing_range_hi(variable, i));
      if (lo == hi) raw.first_missing_value = lo;
    }
  });
}

int OnValue(int case_index, readstat_variable_t* variable, readstat_value_t value, void* context) {
  return Guarded(context, [&](ParseState& state) {
    const auto index = static_cast<std::size_t>(readstat_variable_get_index(variable));
    const auto row = static_cast<std::size_t>(case_index);
    RawVariable& raw = state.variables.at(index);
    const bool missing = readstat_value_is_missing(value, variable) != 0;
    if (raw.is_string) {
      if (raw.texts.size() <= row) raw.texts.resize(row + 1);
      std::string text = TrimTrailingBlanks(readstat_string_value(value));
      if (!missing && !text.empty()) raw.texts[row] = std::move(text);
    } else {
      if (raw.numbers.size() <= row) raw.numbers.resize(row + 1);
      if (!missing) raw.numbers[row] = readstat_double_value(value);
    }
  });
}

int OnValueLabel(const char* label_set, readstat_value_t value, const char* label, void* context) {
  return Guarded(context, [&](ParseState& state) {
    LabelSet& set = state.label_sets[label_set == nullptr ? "" : label_set];
    const std::string text = label == nullptr ? "" : label;
    if (readstat_value_type_class(value) == READSTAT_TYPE_CLASS_STRING) {
      set.text[TrimTrailingBlanks(readstat_string_value(value))] = text;
    } else if (!readstat_value_is_system_missing(value) &&
               !readstat_value_is_tagged_missing(value)) {
      set.numeric[readstat_double_value(value)] = text;
    }
  });
}

void OnError(const char* message, void* context) {
  auto& state = *static_cast<ParseState*>(context);
  if (message != nullptr && state.error_message.empty()) {
    state.error_message = TrimTrailingBlanks(message);
    while (!state.error_message.empty() && state.error_message.back() == '\n') {
      state.error_message.pop_back();
    }
  }
}

// The first of -9999, -99999, ... that no value of the variable equals.
double FreeMissingCode(const std::vector<std::optional<double>>& numbers) {
  double code = kDefaultMissingCode;
  const auto used = [&](double candidate) {
    for (const auto& number : numbers) {
      if (number && *number == candidate) return true;
    }
    return false;
  };
  while (used(code)) code = code * 10.0 - 9.0;  // -9999, -99999, ...
  return code;
}

void BuildNumeric(const RawVariable& raw, const LabelSet* labels, std::size_t case_count,
                  Variable& variable, std::vector<std::string>& notices) {
  if (raw.first_missing_value) {
    variable.missing_code = *raw.first_missing_value;
  } else {
    variable.missing_code = FreeMissingCode(raw.numbers);
    if (variable.missing_code != kDefaultMissingCode) {
      notices.push_back("variable '" + variable.name + "': missing code " +
                        FormatNumber(variable.missing_code) + " because " +
                        FormatNumber(kDefaultMissingCode) + " is one of its values");
    }
  }
  variable.values.assign(case_count, variable.missing_code);
  for (std::size_t r = 0; r < raw.numbers.size(); ++r) {
    if (raw.numbers[r]) variable.values[r] = *raw.numbers[r];
  }
  if (labels != nullptr) variable.value_labels = labels->numeric;
}

void BuildCoded(const RawVariable& raw, const LabelSet* labels, std::size_t case_count,
                Variable& variable) {
  variable.values.assign(case_count, variable.missing_code);
  std::unordered_map<std::string, double> codes;
  for (std::size_t r = 0; r < raw.texts.size(); ++r) {
    if (!raw.texts[r]) continue;
    const std::string& text = *raw.texts[r];
    const auto [slot, added] = codes.emplace(text, static_cast<double>(codes.size() + 1));
    if (added) {
      std::string label = text;
      if (labels != nullptr) {
        const auto labelled = labels->text.find(text);
        if (labelled != labels->text.end()) label = labelled->second;
      }
      variable.value_labels.emplace(slot->second, std::move(label));
    }
    variable.values[r] = slot->second;
  }
}

using ParseFunction = readstat_error_t (*)(readstat_parser_t*, const char*, void*);

ReadResult ReadWithReadStat(const std::string& path, ParseFunction parse) {
  RequireRegularFile(path);
  ParseState state;
  const std::unique_ptr<readstat_parser_t, decltype(&readstat_parser_free)> parser(
      readstat_parser_init(), &readstat_parser_free);
  if (!parser) throw std::bad_alloc();
  readstat_set_variable_handler(parser.get(), &OnVariable);
  readstat_set_value_handler(parser.get(), &OnValue);
  readstat_set_value_label_handler(parser.get(), &OnValueLabel);
  readstat_set_error_handler(parser.get(), &OnError);
  const readstat_error_t error = parse(parser.get(), path.c_str(), &state);
  if (state.failure) {
    try {
      std::rethrow_exception(state.failure);
    } catch (const DamagedFile& damage) {
      throw DataFileError(path, 0, 0, std::string("cannot read the file: ") + damage.what());
    }
  }
  if (error != READSTAT_OK) {
    std::string detail = "cannot read the file: ";
    detail += state.error_message.empty() ? readstat_error_message(error) : state.error_message;
    throw DataFileError(path, 0, 0, detail);
  }

  std::size_t case_count = 0;
  for (const RawVariable& raw : state.variables) {
    case_count = std::max({case_count, raw.numbers.size(), raw.texts.size()});
  }
  ReadResult result;
  result.data.source_path = path;
  NameRegistry registry;
  for (std::size_t i = 0; i < state.variables.size(); ++i) {
    const RawVariable& raw = state.variables[i];
    Variable variable;
    const AssignedName assigned = registry.Assign(raw.name, static_cast<int>(i) + 1);
    variable.name = assigned.name;
    if (assigned.changed) {
      result.notices.push_back(
          RenameNotice("variable " + std::to_string(i + 1), raw.name, variable.name));
    }
    if (!raw.label.empty()) {
      variable.long_name = raw.label;
    } else if (assigned.changed && !raw.name.empty()) {
      variable.long_name = raw.name;
    }
    const auto set = state.label_sets.find(raw.label_set);
    const LabelSet* labels =
        raw.label_set.empty() || set == state.label_sets.end() ? nullptr : &set->second;
    variable.date_format = raw.date_format;
    if (raw.is_string) {
      BuildCoded(raw, labels, case_count, variable);
    } else {
      BuildNumeric(raw, labels, case_count, variable, result.notices);
    }
    result.data.variables.push_back(std::move(variable));
  }
  return result;
}

}  // namespace

ReadResult ReadSavFile(const std::string& path) {
  return ReadWithReadStat(path, &readstat_parse_sav);
}

ReadResult ReadDtaFile(const std::string& path) {
  return ReadWithReadStat(path, &readstat_parse_dta);
}

}  // namespace kpa::host::data
