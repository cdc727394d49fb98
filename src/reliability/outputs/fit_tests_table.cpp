#include "reliability/outputs/fit_tests_table.h"

#include <charconv>
#include <string>
#include <vector>

#include "reliability/model/goodness_of_fit.h"
#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/result_grid.h"

namespace kpa::reliability {
namespace {

constexpr int kLabelWidth = 21;
constexpr int kValueColumn = 0;
constexpr int kPColumn = 1;
constexpr double kMarkedBelow = 0.05;

// The p range of a statistic that exceeds `level` of the tabulated points; the labels of a
// test run from "none exceeded" to "all exceeded".
template <std::size_t kLabels>
void ShowRange(shell::ResultGrid& grid, const shell::Request& request, int row, int level,
               const int (&labels)[kLabels], int first_marked) {
  grid.Text(row, kPColumn, request.Text(labels[level]));
  if (level >= first_marked) grid.Mark(row, kPColumn);
}

// "p=" and the p value with 4 decimals, whatever the process locale.
std::string PText(double p) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, p, std::chars_format::fixed, 4);
  return "p=" + std::string(digits, end.ptr);
}

void NotApplicable(shell::ResultGrid& grid, const shell::Request& request, int row) {
  grid.Text(row, kValueColumn, request.Text(strings::kTestNotApplicable));
  grid.Text(row, kPColumn, request.Text(strings::kTestNotApplicable));
}

}  // namespace

FitTestsOutcome ShowFitTestsTable(shell::Request& request, const shell::WeibullSettings& s,
                                  const FailureOrders& orders) {
  if (!ParametersUsable(s.fit)) return FitTestsOutcome::kBadParameters;
  std::vector<double> failures;
  for (const OrderedCase& item : orders.cases)
    if (!item.censored) failures.push_back(item.time);

  const auto hollander = HollanderProschan(orders, s.fit);
  const auto mann = MannScheuerFertig(failures, s.sample.n, s.fit);
  const auto anderson = AndersonDarling(failures, s.fit);
  if (!hollander && !mann && !anderson) return FitTestsOutcome::kNothingComputable;

  shell::ResultGrid grid(3, 2, kLabelWidth);
  grid.Format(kValueColumn, 10, 4);
  grid.Format(kPColumn, 10, 4);
  grid.Title(1, request.Text(strings::kFitTestsTitle));
  grid.Title(2, DataLine(request, s));
  grid.Header(request.Text(strings::kTestColumn));
  grid.Heading(kValueColumn, request.Text(strings::kTestValueUpper),
               request.Text(strings::kTestValueLower));
  grid.Heading(kPColumn, "", request.Text(strings::kTestPColumn));
  grid.Label(0, request.Text(strings::kHollanderProschan));
  grid.Label(1, request.Text(strings::kMannScheuerFertig));
  grid.Label(2, request.Text(strings::kAndersonDarling));

  if (hollander) {
    grid.Set(0, kValueColumn, hollander->z);
    grid.Text(0, kPColumn, PText(hollander->p));
    if (hollander->p < kMarkedBelow) grid.Mark(0, kPColumn);
  } else {
    NotApplicable(grid, request, 0);
  }

  static constexpr int kMannLabels[] = {strings::kPAbove25, strings::kPBelow25, strings::kPBelow20,
                                        strings::kPBelow15, strings::kPBelow10, strings::kPBelow05,
                                        strings::kPBelow01};
  if (mann) {
    grid.Set(1, kValueColumn, mann->s);
    ShowRange(grid, request, 1, mann->level, kMannLabels, 5);
  } else {
    NotApplicable(grid, request, 1);
  }

  static constexpr int kAndersonLabels[] = {strings::kPAbove20, strings::kPBelow20,
                                            strings::kPBelow15, strings::kPBelow10,
                                            strings::kPBelow05, strings::kPBelow01};
  // The statistic stands for any number of failures; its p range only for 10 to 40.
  if (anderson) {
    grid.Set(2, kValueColumn, *anderson);
    if (const auto level = AndersonDarlingLevel(*anderson, s.sample.r))
      ShowRange(grid, request, 2, *level, kAndersonLabels, 4);
    else
      grid.Text(2, kPColumn, request.Text(strings::kTestNotApplicable));
  } else {
    NotApplicable(grid, request, 2);
  }
  return grid.Show(request) ? FitTestsOutcome::kShown : FitTestsOutcome::kNotShown;
}

}  // namespace kpa::reliability
