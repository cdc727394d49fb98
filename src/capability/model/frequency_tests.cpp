#include "capability/model/frequency_tests.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "shell/probability/chi_square_f.h"

namespace kpa::capability {
namespace {

constexpr double kFewestExpected = 5.0;

struct CriticalRow {
  std::int64_t n;
  std::array<double, 5> d;  // at .20, .15, .10, .05, .01
};

// Massey (1951) as printed for the capability analysis; beyond the last row c / sqrt(N).
constexpr CriticalRow kKnown[] = {
    {1, {.900, .925, .950, .975, .995}},  {2, {.684, .726, .776, .842, .929}},
    {3, {.565, .597, .642, .708, .828}},  {4, {.494, .525, .564, .624, .733}},
    {5, {.446, .474, .510, .565, .669}},  {6, {.410, .436, .470, .521, .618}},
    {7, {.381, .405, .438, .486, .577}},  {8, {.358, .381, .411, .457, .543}},
    {9, {.339, .360, .388, .432, .514}},  {10, {.322, .342, .368, .410, .490}},
    {11, {.307, .326, .352, .391, .468}}, {12, {.295, .313, .338, .375, .450}},
    {13, {.284, .302, .325, .361, .433}}, {14, {.274, .292, .314, .349, .418}},
    {15, {.266, .283, .304, .338, .404}}, {16, {.258, .274, .295, .328, .392}},
    {17, {.250, .266, .286, .318, .381}}, {18, {.244, .259, .278, .309, .371}},
    {19, {.237, .252, .272, .301, .363}}, {20, {.231, .246, .264, .294, .356}},
    {25, {.21, .22, .24, .27, .32}},      {30, {.19, .20, .22, .24, .29}},
    {35, {.18, .19, .21, .23, .27}},
};
constexpr std::array<double, 5> kKnownLarge = {1.07, 1.14, 1.22, 1.36, 1.63};

// Lilliefors (1967), from N = 4.
constexpr CriticalRow kLilliefors[] = {
    {4, {.300, .319, .352, .381, .417}},  {5, {.285, .299, .315, .337, .405}},
    {6, {.265, .277, .294, .319, .364}},  {7, {.247, .258, .276, .300, .348}},
    {8, {.233, .244, .261, .285, .331}},  {9, {.223, .233, .249, .271, .311}},
    {10, {.215, .224, .239, .258, .294}}, {11, {.206, .217, .230, .249, .284}},
    {12, {.199, .212, .223, .242, .275}}, {13, {.190, .202, .214, .234, .268}},
    {14, {.183, .194, .207, .227, .261}}, {15, {.177, .187, .201, .220, .257}},
    {16, {.173, .182, .195, .213, .250}}, {17, {.169, .177, .189, .206, .245}},
    {18, {.166, .173, .184, .200, .239}}, {19, {.163, .169, .179, .195, .235}},
    {20, {.160, .166, .174, .190, .231}}, {25, {.149, .153, .165, .180, .203}},
    {30, {.131, .136, .144, .161, .187}},
};
constexpr std::array<double, 5> kLillieforsLarge = {.736, .768, .805, .886, 1.031};

}  // namespace

ChiSquareTest ChiSquareOfCategories(std::span<const double> observed,
                                    std::span<const double> expected, int estimated) {
  ChiSquareTest test;
  struct Group {
    double observed = 0.0;
    double expected = 0.0;
    std::size_t last = 0;  // the category that closes it
  };
  std::vector<Group> merged;
  Group open;
  const std::size_t count = std::min(observed.size(), expected.size());
  for (std::size_t k = 0; k < count; ++k) {
    open.observed += observed[k];
    open.expected += std::max(expected[k], 0.0);
    open.last = k;
    if (open.expected >= kFewestExpected) {
      merged.push_back(open);
      open = Group{};
    } else if (k + 1 < count) {
      ++test.merges;
    }
  }
  // A last group short of 5 joins the one before it.
  if (open.expected > 0.0 || open.observed > 0.0) {
    if (!merged.empty()) {
      merged.back().observed += open.observed;
      merged.back().expected += open.expected;
      merged.back().last = open.last;
      ++test.merges;
    } else {
      merged.push_back(open);
    }
  }
  test.terms.assign(count, std::nullopt);
  for (const Group& g : merged) {
    if (!(g.expected > 0.0)) continue;
    const double term = (g.observed - g.expected) * (g.observed - g.expected) / g.expected;
    test.chi2 += term;
    test.terms[g.last] = term;
  }
  const auto df = static_cast<std::int64_t>(merged.size()) - 1 - estimated;
  test.df = std::max<std::int64_t>(df, 0);
  if (df >= 1) {
    const double p = probability::ChiSquareTailProbability(test.chi2, static_cast<double>(df));
    if (std::isfinite(p)) test.p = p;
  }
  return test;
}

int KolmogorovLevelsExceeded(double d, std::int64_t n, KolmogorovTable table) {
  const bool known = table == KolmogorovTable::kKnownParameters;
  const std::span<const CriticalRow> rows =
      known ? std::span<const CriticalRow>(kKnown) : std::span<const CriticalRow>(kLilliefors);
  std::array<double, 5> critical{};
  const auto row =
      std::find_if(rows.begin(), rows.end(), [&](const CriticalRow& r) { return n <= r.n; });
  if (row != rows.end()) {
    critical = row->d;
  } else {
    const std::array<double, 5>& c = known ? kKnownLarge : kLillieforsLarge;
    for (std::size_t i = 0; i < 5; ++i)
      critical[i] = c[i] / std::sqrt(static_cast<double>(std::max<std::int64_t>(n, 1)));
  }
  int exceeded = 0;
  for (std::size_t i = 0; i < 5; ++i)
    if (d > critical[i]) exceeded = static_cast<int>(i) + 1;
  return exceeded;
}

}  // namespace kpa::capability
