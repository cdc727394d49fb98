// The tests of a frequency table: the chi-square test over categories merged until each
// expects at least 5 observations, and the Kolmogorov-Smirnov levels for parameters known
// and for the mean and sigma estimated (Lilliefors 1967), from the published critical values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kpa::capability {

struct ChiSquareTest {
  double chi2 = 0.0;
  std::int64_t df = 0;      // shown as 0 when the count would be negative
  std::optional<double> p;  // none below 1 degree of freedom
  std::int64_t merges = 0;
  // Per category: the (O - E)^2 / E of the merged group that ends there, none elsewhere.
  std::vector<std::optional<double>> terms;
};

// Categories in order; one expecting fewer than 5 is merged into the next (a last one into
// the one before), expected counts below 0 count as 0. `estimated` parameters take their
// degrees of freedom: df = categories - 1 - estimated - merges.
[[nodiscard]] ChiSquareTest ChiSquareOfCategories(std::span<const double> observed,
                                                  std::span<const double> expected, int estimated);

enum class KolmogorovTable { kKnownParameters, kLilliefors };

// How many of the levels .20, .15, .10, .05, .01 the distance d exceeds the critical value of,
// for N observations: 0 for none ("> .20") up to 5 ("p<.01").
[[nodiscard]] int KolmogorovLevelsExceeded(double d, std::int64_t n, KolmogorovTable table);

}  // namespace kpa::capability
