#include "capability/outputs/tolerance_table.h"

#include <string>

#include "capability/outputs/tables.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/result_grid.h"

namespace kpa::capability {
namespace {

constexpr int kRows = 13;
constexpr int kLabelWidth = 28;

}  // namespace

bool ShowToleranceTable(shell::Request& request, const ToleranceResult& r) {
  shell::ResultGrid grid(kRows, 1, kLabelWidth);
  if (r.distribution_free) {
    grid.Title(1, request.Text(strings::kToleranceFreeTitle1));
    grid.Title(2, request.Text(strings::kToleranceFreeTitle2));
  } else {
    grid.Title(1, request.Text(strings::kToleranceNormalTitle));
  }
  grid.Heading(0, "", request.Text(strings::kValueColumn));
  grid.Format(0, 14, 4);
  // Numbers stand as values; the count and the percentages as texts (8 characters hold
  // them), a cell without a value as "  N/A   ".
  const auto percent = [](std::optional<double> v) {
    return v ? std::optional<std::string>(FixedText(100.0 * *v, 3) + "%") : std::nullopt;
  };
  const SpecLimits& limits = r.limits;
  const struct {
    int label;
    std::optional<double> value;
    std::optional<std::string> text;
  } rows[kRows] = {
      {strings::kRowObservations, std::nullopt, std::to_string(r.ntol)},
      {strings::kRowToleranceMean, r.mu, std::nullopt},
      {strings::kRowToleranceSigma, r.sigma, std::nullopt},
      {0, std::nullopt, std::nullopt},
      {strings::kRowLsl, limits.HasLower() ? std::optional<double>(limits.lower) : std::nullopt,
       std::nullopt},
      {strings::kRowNominal, limits.nominal, std::nullopt},
      {strings::kRowUsl, limits.HasUpper() ? std::optional<double>(limits.upper) : std::nullopt,
       std::nullopt},
      {0, std::nullopt, std::nullopt},
      {strings::kRowConfidenceLevel, std::nullopt, percent(r.confidence)},
      {strings::kRowPopulationIncluded, std::nullopt, percent(r.proportion)},
      {0, std::nullopt, std::nullopt},
      {strings::kRowLowerInterval, r.lower, std::nullopt},
      {strings::kRowUpperInterval, r.upper, std::nullopt},
  };
  for (int i = 0; i < kRows; ++i) {
    if (rows[i].label == 0) {
      grid.Separator(i);
      continue;
    }
    grid.Label(i, request.Text(rows[i].label));
    if (rows[i].value)
      grid.Set(i, 0, rows[i].value);
    else
      grid.Text(i, 0, rows[i].text ? *rows[i].text : request.Text(strings::kToleranceNotAvailable));
  }
  return grid.Show(request);
}

}  // namespace kpa::capability
