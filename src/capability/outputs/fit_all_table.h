// The table of every distribution fitted to one variable with its Kolmogorov-Smirnov test.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/request/request.h"

namespace kpa::capability {

// One distribution's row: the fixed parameters (threshold, the beta's scale), the estimated
// ones, and the test; an empty row for a distribution that could not be fitted.
struct FitAllRow {
  int label = 0;
  std::optional<double> fixed1;
  std::optional<double> fixed2;
  std::optional<double> parameter1;
  std::optional<double> parameter2;
  std::optional<double> d;
  std::optional<double> p;
};

bool ShowFitAllTable(shell::Request& request, const std::string& variable, std::int64_t n,
                     const std::vector<FitAllRow>& rows);

// The p-level text: "  n.s.  " from 0.20 on, else " p<" and the smallest of .01, .05, .10,
// .15, .20 that p is below.
std::string KolmogorovLevelText(const shell::Request& request, double p);

}  // namespace kpa::capability
