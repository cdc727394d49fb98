// `kpa calc` evaluation: names, argument checks, number parsing and the notes that go with
// the library's answers to invalid arguments.
#include "cli/commands/calc.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace kpa::cli {
namespace {

using Args = std::vector<std::string>;

std::string Join(const Args& args) {
  std::string text;
  for (const std::string& arg : args) text += arg + " ";
  return text;
}

// References: Boost.Math 1.74 (normal, chi_squared, fisher_f, non_central_t; computed once)
// or hand calculation where stated. Tolerances are the routines' accuracy, not the printing.
TEST(EvaluateCalc, ComputesEachFunction) {
  struct Row {
    Args args;
    double expected;
    double tolerance;  // the routine's accuracy, not the printing
  };
  const std::vector<Row> rows = {
      {{"normal-cdf", "1.96"}, 0.9750021048517795, 5e-8},
      {{"normal-quantile", "0.975"}, 1.959963984540054, 1e-8},
      {{"chi2-tail", "3.84", "1"}, 0.05004352124870511, 5e-5},  // 32000-df denominator
      {{"chi2-quantile", "0.05", "1"}, 3.841458820694126, 3e-4},
      {{"f-tail", "3", "2", "10"}, 0.095367431640625, 1e-7},  // (1 + 2 * 3 / 10)^-5, by hand
      {{"f-quantile", "0.05", "3", "12"}, 3.490294819497605, 4e-5},
      {{"beta-cdf", "0.3", "2", "5"}, 0.579825, 1e-7},  // 1 - 0.7^6 - 6(0.3)(0.7)^5, by hand
      {{"beta-quantile", "0.5", "2", "2"}, 0.5, 1e-8},  // symmetric, by hand
      {{"nct-cdf", "2", "10", "1"}, 0.8076115625303752, 1e-7},
      {{"nct-quantile", "0.5", "10", "0"}, 0.0, 1e-7},  // median of the central t
      {{"owen-t", "0", "1"}, 0.125, 1e-12},             // atan(1) / (2 pi), by hand
      {{"lgamma", "5"}, 3.178053830347946, 1e-9},       // ln 24
      {{"c4", "2"}, 0.7978845608028654, 1e-9},          // sqrt(2 / pi)
      {{"d2", "2"}, 1.1283791671, 0.0},                 // the table entry
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Join(row.args));
    const CalcOutcome outcome = EvaluateCalc(row.args);
    EXPECT_EQ(outcome.exit_code, kCalcOk);
    EXPECT_EQ(outcome.function, row.args[0]);
    EXPECT_EQ(outcome.arguments.size(), row.args.size() - 1);
    EXPECT_NEAR(outcome.value, row.expected, row.tolerance);
    EXPECT_FALSE(outcome.value_text.empty());
    EXPECT_TRUE(outcome.note.empty()) << outcome.note;
  }
}

TEST(EvaluateCalc, ValueTextHasTenSignificantDigitsWhateverTheLocale) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // a comma locale if installed; harmless if not
  const CalcOutcome outcome = EvaluateCalc({"normal-cdf", "1.5"});
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(outcome.value_text, "0.9331927987");  // Phi(1.5) = 0.93319279873...
  EXPECT_EQ(EvaluateCalc({"d2", "25"}).value_text, "3.93062922");
}

// Where the library answers with its fault value (0, 1, X or P) or its error sentinel
// (-8.88e-36), there is no value: nothing to print, a reason and exit code 1.
TEST(EvaluateCalc, FaultAnswersAreRefusedWithTheReason) {
  struct Row {
    Args args;
    std::string note_contains;
  };
  const std::vector<Row> rows = {
      {{"normal-quantile", "1"}, "strictly between 0 and 1"},
      {{"chi2-tail", "3", "0"}, "DF must be at least 1"},
      {{"chi2-quantile", "0.05", "0"}, "DF must be positive"},
      {{"f-tail", "2", "0", "5"}, "round to at least 1"},
      {{"f-quantile", "1.5", "3", "5"}, "strictly between 0 and 1"},
      {{"beta-cdf", "1.5", "2", "3"}, "X must lie in [0, 1]"},
      {{"beta-quantile", "0.5", "0", "3"}, "A and B must be positive"},
      {{"nct-cdf", "1", "0", "1"}, "DF must be at least 1"},
      {{"nct-quantile", "0", "5", "1"}, "no t found"},
      {{"lgamma", "0"}, "X must be positive"},
      {{"lgamma", "inf"}, "no value for these arguments"},
      {{"c4", "1"}, "N must exceed 1"},
      {{"d2", "1"}, "2..25"},
      {{"d2", "26"}, "2..25"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Join(row.args));
    const CalcOutcome outcome = EvaluateCalc(row.args);
    EXPECT_EQ(outcome.exit_code, kCalcRefused);
    EXPECT_TRUE(outcome.value_text.empty());
    EXPECT_NE(outcome.note.find(row.note_contains), std::string::npos) << outcome.note;
  }
}

TEST(EvaluateCalc, InformationalNotes) {
  const CalcOutcome approximation = EvaluateCalc({"nct-cdf", "1", "200", "1"});
  EXPECT_EQ(approximation.exit_code, kCalcOk);
  EXPECT_NE(approximation.note.find("normal approximation"), std::string::npos);
  const CalcOutcome clamped = EvaluateCalc({"chi2-quantile", "1e-9", "1"});
  EXPECT_EQ(clamped.exit_code, kCalcOk);
  EXPECT_NE(clamped.note.find("clamped"), std::string::npos);
  const CalcOutcome rounded = EvaluateCalc({"f-tail", "2", "2.4", "10"});
  EXPECT_NE(rounded.note.find("rounded"), std::string::npos);
}

TEST(EvaluateCalc, UsageErrorsExitWithTwo) {
  struct Row {
    Args args;
    std::string note_contains;
  };
  const std::vector<Row> rows = {
      {{}, "no function"},
      {{"gamma", "1"}, "unknown function 'gamma'"},
      {{"normal-cdf"}, "takes 1 argument: normal-cdf X"},
      {{"f-tail", "1", "2"}, "takes 3 arguments: f-tail F DF1 DF2"},
      {{"normal-cdf", "1,5"}, "not a number"},   // comma decimal point
      {{"normal-cdf", "1.5x"}, "not a number"},  // trailing text
      {{"normal-cdf", " 1"}, "not a number"},
      {{"normal-cdf", ""}, "not a number"},
      {{"normal-cdf", "nan"}, "not a number"},
      {{"normal-cdf", "++1"}, "not a number"},
      {{"nct-cdf", "1", "2.5", "0"}, "whole number"},
      {{"d2", "3.5"}, "whole number"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(Join(row.args));
    const CalcOutcome outcome = EvaluateCalc(row.args);
    EXPECT_EQ(outcome.exit_code, kCalcUsage);
    EXPECT_TRUE(outcome.value_text.empty());
    EXPECT_NE(outcome.note.find(row.note_contains), std::string::npos) << outcome.note;
  }
  // Accepted spellings of numbers.
  for (const char* text : {"+1.5", "-1.5", "15e-1", ".5", "inf"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(EvaluateCalc({"normal-cdf", text}).exit_code, kCalcOk);
  }
}

TEST(CalcHelpText, ListsEveryFunctionWithItsArguments) {
  const std::string help = CalcHelpText();
  for (const char* usage : {"normal-cdf X", "normal-quantile P", "chi2-tail X DF",
                            "chi2-quantile P DF", "f-tail F DF1 DF2", "f-quantile P DF1 DF2",
                            "beta-cdf X A B", "beta-quantile P A B", "nct-cdf T DF DELTA",
                            "nct-quantile P DF DELTA", "owen-t H A", "lgamma X", "c4 N", "d2 N"}) {
    SCOPED_TRACE(usage);
    EXPECT_NE(help.find(usage), std::string::npos);
  }
}

}  // namespace
}  // namespace kpa::cli
