// `kpa calc FUNCTION ARG...`: evaluates one function of the probability library on numbers
// typed by the user. This file does the evaluation only; printing is the caller's.
#pragma once

#include <string>
#include <vector>

namespace kpa::cli {

// Exit codes of `kpa calc`.
inline constexpr int kCalcOk = 0;     // a value was computed (possibly the library's
                                      // answer to an invalid argument, with a note)
inline constexpr int kCalcUsage = 2;  // unknown function, wrong count, unreadable number

struct CalcOutcome {
  int exit_code = kCalcOk;
  std::string value_text;  // the value alone, shortest form to 10 significant digits
  std::string note;        // for stderr: why an argument was refused or answered specially
  std::string function;    // the function name as typed
  std::vector<double> arguments;
  double value = 0.0;
};

// args[0] is the function name, the rest its arguments. Numbers are read with '.' as the
// decimal point whatever the locale.
[[nodiscard]] CalcOutcome EvaluateCalc(const std::vector<std::string>& args);

// Every function with its arguments and meaning, one per line.
[[nodiscard]] std::string CalcHelpText();

}  // namespace kpa::cli
