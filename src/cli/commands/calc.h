// `kpa calc FUNCTION ARG...`: evaluates one function of the probability library on numbers
// typed by the user. This file does the evaluation only; printing is the caller's.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kpa::cli {

// Exit codes of `kpa calc`.
inline constexpr int kCalcOk = 0;       // a value was computed (possibly with a note)
inline constexpr int kCalcRefused = 1;  // the library has no value for these arguments
inline constexpr int kCalcUsage = 2;    // unknown function, wrong count, unreadable number

// What a function says beside its value: information (a rounded DF, an approximation) or a
// refusal (the library answered with its fault value or sentinel, so there is no value).
struct CalcNote {
  std::string text;
  bool fault = false;
  void Inform(std::string what) { text = std::move(what); }
  void Refuse(std::string why) {
    text = std::move(why);
    fault = true;
  }
};

struct CalcOutcome {
  int exit_code = kCalcOk;
  std::string value_text;  // the value alone, to 10 significant digits; empty when refused
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
