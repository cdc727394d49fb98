// Evaluation behind `kpa calc`: a table of the library's functions as the user names them,
// strict locale-free number parsing, and a refusal that says why where the library answers
// an argument with its fault value or error sentinel.
#include "cli/commands/calc.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string_view>
#include <system_error>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/control_constants.h"
#include "shell/probability/gamma_beta.h"
#include "shell/probability/noncentral_t.h"
#include "shell/probability/normal.h"
#include "shell/probability/owen_t.h"
#include "shell/probability/sentinel.h"

namespace kpa::cli {
namespace {

namespace prob = kpa::probability;

// Significant digits shown: enough for the most accurate routines here (about 1e-10).
constexpr int kSignificantDigits = 10;

// One evaluation: the numbers in, the value out, and a note when an argument was refused or
// answered specially.
using Evaluator = std::function<double(const std::vector<double>& a, CalcNote& note)>;

struct CalcFunction {
  std::string_view name;
  std::vector<std::string_view> arguments;  // names as in the help text
  std::vector<bool> whole;                  // argument must be a whole number
  std::string_view meaning;
  Evaluator evaluate;
};

bool IsWhole(double value) { return std::isfinite(value) && value == std::floor(value); }

std::string Format(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, kSignificantDigits);
  return std::string(buffer, result.ptr);
}

// Reads a whole argument as a number: optional sign, digits with '.' as the decimal point,
// optional exponent, or inf/infinity. NaN is refused.
bool ParseNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && !std::isnan(value);
}

void NoteDfRounding(double df, std::string_view name, CalcNote& note) {
  if (IsWhole(df)) return;
  note.Inform(std::string(name) + " " + Format(df) + " is rounded to the nearest whole number (" +
              Format(std::floor(df + 0.5)) + ")");
}

const std::vector<CalcFunction>& Functions() {
  static const std::vector<CalcFunction> functions = {
      {"normal-cdf",
       {"X"},
       {false},
       "P(Z <= X), Z standard normal (AS 66)",
       [](const std::vector<double>& a, CalcNote&) { return prob::NormalIntegral(a[0], false); }},
      {"normal-quantile",
       {"P"},
       {false},
       "z with P(Z <= z) = P (AS 111)",
       [](const std::vector<double>& a, CalcNote& note) {
         std::int16_t fault = 0;
         const double z = prob::NormalQuantile(a[0], fault);
         if (fault != 0) note.Refuse("P must lie strictly between 0 and 1");
         return z;
       }},
      {"chi2-tail",
       {"X", "DF"},
       {false, false},
       "P(chi-square(DF) > X), upper tail",
       [](const std::vector<double>& a, CalcNote& note) {
         if (!(a[1] >= 1.0)) {
           note.Refuse("DF must be at least 1");
         } else {
           NoteDfRounding(a[1], "DF", note);
         }
         return prob::ChiSquareTailProbability(a[0], a[1]);
       }},
      {"chi2-quantile",
       {"P", "DF"},
       {false, false},
       "x with P(chi-square(DF) > x) = P, P an upper-tail probability (AS 91)",
       [](const std::vector<double>& a, CalcNote& note) {
         const double x = prob::ChiSquareQuantile(a[0], a[1]);
         const double lower = 1.0 - a[0];
         if (!(a[1] > 0.0)) {
           note.Refuse("DF must be positive");
         } else if (x == 0.0) {
           note.Refuse("the percentage point did not converge");
         } else if (!(lower >= 2e-6 && lower <= 0.999998)) {
           note.Inform("1 - P lies outside [2e-6, 0.999998] and was clamped into it");
         }
         return x;
       }},
      {"f-tail",
       {"F", "DF1", "DF2"},
       {false, false, false},
       "P(F(DF1, DF2) > F), upper tail",
       [](const std::vector<double>& a, CalcNote& note) {
         if (!(std::floor(a[1] + 0.5) >= 1.0) || !(std::floor(a[2] + 0.5) >= 1.0)) {
           note.Refuse("DF1 and DF2 must round to at least 1");
         } else {
           NoteDfRounding(a[1], "DF1", note);
           if (note.text.empty()) NoteDfRounding(a[2], "DF2", note);
         }
         return prob::FTailProbability(a[1], a[2], a[0]);
       }},
      {"f-quantile",
       {"P", "DF1", "DF2"},
       {false, false, false},
       "f with P(F(DF1, DF2) > f) = P, P an upper-tail probability (AS 109)",
       [](const std::vector<double>& a, CalcNote& note) {
         const double f = prob::FQuantile(a[0], a[1], a[2]);
         if (!(a[0] > 0.0 && a[0] < 1.0)) {
           note.Refuse("P must lie strictly between 0 and 1");
         } else if (!(a[1] >= 1.0) || !(a[2] > 0.0)) {
           note.Refuse("DF1 must be at least 1 and DF2 positive");
         } else if (f == 0.0) {
           note.Refuse("the beta percentage point failed");
         }
         return f;
       }},
      {"beta-cdf",
       {"X", "A", "B"},
       {false, false, false},
       "I_X(A, B), P(beta(A, B) <= X) (AS 63)",
       [](const std::vector<double>& a, CalcNote& note) {
         std::int16_t fault = 0;
         const double value =
             prob::IncompleteBetaRatio(a[0], a[1], a[2], prob::LogBeta(a[1], a[2]), fault);
         if (fault == 1) note.Refuse("A and B must be positive");
         if (fault == 2) note.Refuse("X must lie in [0, 1]");
         if (fault == 3) note.Refuse("the series did not settle");
         return value;
       }},
      {"beta-quantile",
       {"P", "A", "B"},
       {false, false, false},
       "x with P(beta(A, B) <= x) = P (AS 109)",
       [](const std::vector<double>& a, CalcNote& note) {
         std::int16_t fault = 0;
         const double value =
             prob::BetaQuantile(a[1], a[2], prob::LogBeta(a[1], a[2]), a[0], fault);
         if (fault == 1) note.Refuse("A and B must be positive");
         if (fault == 2) note.Refuse("P must lie in [0, 1]");
         if (fault >= 3) note.Refuse("the iteration failed (fault " + std::to_string(fault) + ")");
         return value;
       }},
      {"nct-cdf",
       {"T", "DF", "DELTA"},
       {false, true, false},
       "P(T' <= T), T' noncentral t with DF (whole) and noncentrality DELTA (AS 5)",
       [](const std::vector<double>& a, CalcNote& note) {
         std::int16_t fault = 0;
         const double value =
             prob::NoncentralTDistribution(a[0], static_cast<int>(a[1]), a[2], fault);
         if (fault == 1) note.Inform("DF above 100: normal approximation");
         if (fault == 3) note.Refuse("DF must be at least 1");
         return value;
       }},
      {"nct-quantile",
       {"P", "DF", "DELTA"},
       {false, true, false},
       "t with P(T' <= t) = P for the noncentral t (step search)",
       [](const std::vector<double>& a, CalcNote& note) {
         std::int16_t status = 0;
         const double value = prob::NoncentralTQuantile(a[0], static_cast<int>(a[1]), a[2], status);
         if (status != 0) {
           note.Refuse("no t found (P must lie strictly between 0 and 1, DF be at least 1)");
         }
         return value;
       }},
      {"owen-t",
       {"H", "A"},
       {false, false},
       "Owen's T(H, A) (AS 76)",
       [](const std::vector<double>& a, CalcNote&) { return prob::OwenT(a[0], a[1]); }},
      {"lgamma",
       {"X"},
       {false},
       "ln Gamma(X), X > 0 (Lanczos)",
       [](const std::vector<double>& a, CalcNote& note) {
         if (!(a[0] > 0.0)) note.Refuse("X must be positive");
         return prob::LogGamma(a[0]);
       }},
      {"c4",
       {"N"},
       {false},
       "c4(N), bias factor of the sample standard deviation, N > 1",
       [](const std::vector<double>& a, CalcNote& note) {
         if (!(a[0] > 1.0)) note.Refuse("N must exceed 1");
         return prob::C4(a[0]);
       }},
      {"d2",
       {"N"},
       {true},
       "d2(N), mean range of N standard normal values, N = 2..25",
       [](const std::vector<double>& a, CalcNote& note) {
         if (a[0] < prob::kD2FirstSize || a[0] > prob::kD2LastSize) {
           note.Refuse("N must lie in 2..25");
         }
         const double n = std::fmax(std::fmin(a[0], 1e6), -1e6);  // keep the int in range
         return prob::D2(static_cast<int>(n));
       }},
  };
  return functions;
}

std::string Usage(const CalcFunction& function) {
  std::string text(function.name);
  for (std::string_view argument : function.arguments) {
    text += ' ';
    text += argument;
  }
  return text;
}

}  // namespace

CalcOutcome EvaluateCalc(const std::vector<std::string>& args) {
  CalcOutcome outcome;
  outcome.exit_code = kCalcUsage;
  if (args.empty()) {
    outcome.note = "no function named; see the list of functions";
    return outcome;
  }
  outcome.function = args[0];
  const CalcFunction* function = nullptr;
  for (const CalcFunction& candidate : Functions()) {
    if (candidate.name == args[0]) function = &candidate;
  }
  if (function == nullptr) {
    outcome.note = "unknown function '" + args[0] + "'";
    return outcome;
  }
  const std::size_t count = function->arguments.size();
  if (args.size() - 1 != count) {
    outcome.note = "'" + args[0] + "' takes " + std::to_string(count) + " argument" +
                   (count == 1 ? "" : "s") + ": " + Usage(*function);
    return outcome;
  }
  for (std::size_t i = 0; i < count; ++i) {
    double value = 0.0;
    const std::string& text = args[i + 1];
    if (!ParseNumber(text, value)) {
      outcome.note = std::string(function->arguments[i]) + ": '" + text +
                     "' is not a number (use '.' as the decimal point)";
      return outcome;
    }
    if (function->whole[i] &&
        (!IsWhole(value) || std::fabs(value) > std::numeric_limits<int>::max())) {
      outcome.note =
          std::string(function->arguments[i]) + ": '" + text + "' must be a whole number";
      return outcome;
    }
    outcome.arguments.push_back(value);
  }
  CalcNote note;
  outcome.value = function->evaluate(outcome.arguments, note);
  // The library's error sentinel or a value beyond double is never an answer, whatever the
  // function's own checks said.
  if (!note.fault && (outcome.value == prob::kErrorSentinel || !std::isfinite(outcome.value)))
    note.Refuse("the library has no value for these arguments");
  outcome.note = std::move(note.text);
  if (note.fault) {
    outcome.exit_code = kCalcRefused;
    return outcome;
  }
  outcome.value_text = Format(outcome.value);
  outcome.exit_code = kCalcOk;
  return outcome;
}

std::string CalcHelpText() {
  std::string text = "kpa calc FUNCTION ARG...  (numbers use '.' as the decimal point)\n";
  for (const CalcFunction& function : Functions()) {
    std::string usage = "  " + Usage(function);
    if (usage.size() < 30) usage.resize(30, ' ');
    text += usage + "  " + std::string(function.meaning) + "\n";
  }
  return text;
}

}  // namespace kpa::cli
