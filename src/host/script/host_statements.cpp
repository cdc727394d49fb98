// The `Host.` statements: what a person does in the desktop host outside the module, made
// available to scripts (open a data file, case selection, weights, answers to questions and
// file dialogs, the wall clock, cancel injection, the output folder, automatic printing).
#include <chrono>
#include <cstdio>
#include <ostream>

#include "host/impl/data/data_set.h"
#include "host/impl/data/selection_condition.h"
#include "host/script/session.h"

namespace kpa::script {
namespace {

// "YYYY-MM-DD HH:MM:SS" or with a 'T', read as UTC.
std::optional<std::chrono::system_clock::time_point> ParseClock(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  char separator = ' ';
  const int read = std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &year, &month, &day,
                               &separator, &hour, &minute, &second);
  if (read != 3 && read != 7) return std::nullopt;
  if (read == 7 && separator != ' ' && separator != 'T') return std::nullopt;
  // The clock counts nanoseconds in 64 bits: years outside 1678..2261 would wrap around.
  if (year < 1678 || year > 2261) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
    return std::nullopt;
  return std::chrono::sys_days{date} + std::chrono::hours{hour} + std::chrono::minutes{minute} +
         std::chrono::seconds{second};
}

std::string FormatClock(std::chrono::system_clock::time_point when) {
  const auto days = std::chrono::floor<std::chrono::days>(when);
  const std::chrono::year_month_day date{days};
  const std::chrono::hh_mm_ss time{std::chrono::floor<std::chrono::seconds>(when - days)};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u %02d:%02d:%02d",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return buffer;
}

const std::string* TextOf(const Value& value) { return std::get_if<std::string>(&value.content); }

std::optional<std::int64_t> WholeOf(const Value& value) {
  if (const auto* whole = std::get_if<std::int64_t>(&value.content)) return *whole;
  if (const auto* flag = std::get_if<bool>(&value.content)) return *flag ? 1 : 0;
  return std::nullopt;
}

std::optional<bool> AnswerOf(const Value& value) {
  if (const auto* flag = std::get_if<bool>(&value.content)) return *flag;
  const std::string* text = TextOf(value);
  if (const auto* name = std::get_if<Name>(&value.content)) text = &name->text;
  if (text == nullptr) return std::nullopt;
  if (SameWord(*text, "Yes") || SameWord(*text, "Oui")) return true;
  if (SameWord(*text, "No") || SameWord(*text, "Non")) return false;
  return std::nullopt;
}

}  // namespace

Outcome Session::ExecuteHost(const Statement& statement, const std::string& file) {
  const std::string& member = statement.member;
  const auto& arguments = statement.arguments;
  std::ostream* out = options_.host.out;
  const auto wrong = [&](const std::string& expected) {
    return Fail(statement, file, "Host." + member + " takes " + expected,
                arguments.empty() ? statement.member_where : arguments.front().where);
  };

  if (statement.kind == StatementKind::kPrint) {
    std::string value;
    if (SameWord(member, "DataFile"))
      value = host_.DataFileName();
    else if (SameWord(member, "SelectionCondition"))
      value = host_.SelectionConditionText();
    else if (SameWord(member, "WeightVariable"))
      value = host_.WeightVariableName();
    else if (SameWord(member, "CsvDialect"))
      value = host::data::FormatCsvOptions(host_.CsvDialectOptions());
    else if (SameWord(member, "Clock"))
      value = FormatClock(host_.Now());
    else if (SameWord(member, "OutputFolder"))
      value = host_.OutputFolder().string();
    else if (SameWord(member, "AutoPrint"))
      value = host_.AutoPrintOn() ? "True" : "False";
    else if (SameWord(member, "AutoPrintLevel"))
      value = std::to_string(host_.AutoPrintLevel());
    else if (SameWord(member, "Scripted"))
      value = host_.RunningFromScript() ? "True" : "False";
    else if (SameWord(member, "Outputs"))
      value = std::to_string(host_.Log().OutputCount());
    else if (SameWord(member, "Variables"))
      value = std::to_string(host_.VariableCount());
    else if (SameWord(member, "Cases"))
      value = std::to_string(host_.CaseCount());
    else if (SameWord(member, "StatusText"))
      value = host_.StatusText();
    else if (SameWord(member, "LastMessage"))
      value = host_.Messages().empty() ? "" : host_.Messages().back();
    else
      return Fail(statement, file, "Host has no readable member " + member, statement.member_where);
    if (out != nullptr) *out << value << '\n';
    return Outcome::kOk;
  }

  if (statement.kind == StatementKind::kCall) {
    if (SameWord(member, "OpenDataFile")) {
      if (arguments.size() != 1 || TextOf(arguments[0]) == nullptr) return wrong("a file name");
      try {
        host_.OpenDataFile(Resolve(*TextOf(arguments[0])));
      } catch (const host::data::DataFileError& error) {
        if (options_.host.err != nullptr) *options_.host.err << error.what() << '\n';
        return Outcome::kDataFileError;
      }
      process_->InitializeAfterFileChanged();
      return Outcome::kOk;
    }
    if (SameWord(member, "QueueAnswer")) {
      const auto answer = arguments.size() == 1 ? AnswerOf(arguments[0]) : std::nullopt;
      if (!answer) return wrong("Yes or No (or True/False)");
      host_.QueueAnswer(*answer);
      return Outcome::kOk;
    }
    if (SameWord(member, "QueueFileName")) {
      if (arguments.empty() || (TextOf(arguments[0]) && TextOf(arguments[0])->empty())) {
        host_.QueueFileName(std::nullopt);
        return Outcome::kOk;
      }
      if (arguments.size() != 1 || TextOf(arguments[0]) == nullptr) return wrong("a file name");
      host_.QueueFileName(Resolve(*TextOf(arguments[0])));
      return Outcome::kOk;
    }
    if (SameWord(member, "QueueNumber")) {
      if (arguments.empty()) {
        host_.QueueNumber(std::nullopt);
        return Outcome::kOk;
      }
      const auto* whole = std::get_if<std::int64_t>(&arguments[0].content);
      const auto* real = std::get_if<double>(&arguments[0].content);
      if (arguments.size() != 1 || (whole == nullptr && real == nullptr))
        return wrong("a number (or nothing, to cancel the dialog)");
      host_.QueueNumber(whole ? static_cast<double>(*whole) : *real);
      return Outcome::kOk;
    }
    return Fail(statement, file, "Host has no action " + member, statement.member_where);
  }

  if (statement.kind != StatementKind::kAssign)
    return Fail(statement, file, "Host has no action " + member, statement.member_where);
  const Value& value = arguments.front();
  if (SameWord(member, "SelectionCondition")) {
    if (TextOf(value) == nullptr) return wrong("a condition in quotes");
    try {
      host_.SetSelectionCondition(*TextOf(value));
    } catch (const host::data::SelectionConditionError& error) {
      return Fail(statement, file, error.what(), value.where);
    }
    return Outcome::kOk;
  }
  if (SameWord(member, "CsvDialect")) {
    if (TextOf(value) == nullptr) return wrong("a dialect in quotes, e.g. \"delimiter=semicolon\"");
    try {
      host_.SetCsvOptions(host::data::ParseCsvOptions(*TextOf(value)));
    } catch (const std::invalid_argument& error) {
      return Fail(statement, file, error.what(), value.where);
    }
    return Outcome::kOk;
  }
  if (SameWord(member, "WeightVariable")) {
    if (TextOf(value) == nullptr) return wrong("a variable name in quotes (\"\" for none)");
    try {
      host_.SetWeightVariable(*TextOf(value));
    } catch (const std::exception& error) {
      return Fail(statement, file, error.what(), value.where);
    }
    return Outcome::kOk;
  }
  if (SameWord(member, "Clock")) {
    const auto when = TextOf(value) ? ParseClock(*TextOf(value)) : std::nullopt;
    if (!when) return wrong("a time \"YYYY-MM-DD HH:MM:SS\" (UTC, years 1678 to 2261)");
    host_.SetClock(*when);
    return Outcome::kOk;
  }
  if (SameWord(member, "CancelAtProgressStep")) {
    const auto step = WholeOf(value);
    if (!step || *step < 0) return wrong("a whole number of progress steps (0: never)");
    host_.SetCancelAtProgressStep(*step);
    return Outcome::kOk;
  }
  if (SameWord(member, "OutputFolder")) {
    if (TextOf(value) == nullptr) return wrong("a folder name in quotes");
    try {
      host_.SetOutputFolder(Resolve(*TextOf(value)));
    } catch (const std::exception& error) {
      return Fail(statement, file, error.what(), value.where);
    }
    return Outcome::kOk;
  }
  if (SameWord(member, "AutoPrint")) {
    const auto on = WholeOf(value);
    if (!on || (*on != 0 && *on != 1)) return wrong("True or False");
    host_.SetAutoPrint(*on == 1);
    return Outcome::kOk;
  }
  if (SameWord(member, "AutoPrintLevel")) {
    const auto level = WholeOf(value);
    if (!level || *level < 0) return wrong("a whole number");
    host_.SetAutoPrintLevel(static_cast<int>(*level));
    return Outcome::kOk;
  }
  return Fail(statement, file, "Host has no writable member " + member, statement.member_where);
}

}  // namespace kpa::script
