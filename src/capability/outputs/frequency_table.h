// The frequency table of one variable: categories up to each bound (the last open), observed
// and expected counts under the normal law, the Johnson curve or the fitted distribution,
// their cumulative counts and percentages, residuals and chi-square terms; the titles carry
// the chi-square test and, for the normal and fitted laws, the Kolmogorov-Smirnov test.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capability/model/frequency_tests.h"
#include "shell/request/request.h"

namespace kpa::capability {

struct FrequencyTable {
  std::vector<double> bounds;  // upper bounds of all categories but the last
  int decimals = 0;            // of the bound labels
  std::vector<double> observed;
  std::vector<double> expected;
  ChiSquareTest chi_square;
  std::string title;           // the first title line, filled in
  std::string model_line;      // the second line (Johnson moments, fitted parameters); may be empty
  std::optional<double> ks_d;  // the K-S test: d with its two levels (normal) or one (fitted)
  int ks_known = 0;
  std::optional<int> ks_lilliefors;
  bool fitted = false;  // the fitted law's short forms of both tests, on one line
};

bool ShowFrequencyTable(shell::Request& request, const FrequencyTable& table);

}  // namespace kpa::capability
