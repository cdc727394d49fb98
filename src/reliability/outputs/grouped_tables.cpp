#include "reliability/outputs/grouped_tables.h"

#include <cmath>

#include "reliability/model/failure_orders.h"
#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/result_grid.h"

namespace kpa::reliability {
namespace {

constexpr int kLabelWidth = 8;
constexpr int kColumnWidth = 10;
constexpr int kDecimals = 4;

shell::ResultGrid Grid(const shell::Request& request, const shell::WeibullSettings& s,
                       const LifeTable& table, int columns, int title) {
  shell::ResultGrid grid(static_cast<int>(table.rows.size()), columns, kLabelWidth);
  for (int c = 0; c < columns; ++c) grid.Format(c, kColumnWidth, kDecimals);
  grid.Title(1, request.Text(title));
  grid.Title(2, DataLine(request, s));
  for (std::size_t i = 0; i < table.rows.size(); ++i)
    grid.Label(static_cast<int>(i), std::to_string(i + 1));
  return grid;
}

std::optional<double> Plus(std::optional<double> value, double shift) {
  if (!value) return std::nullopt;
  return *value + shift;
}

}  // namespace

LifeTable CurrentLifeTable(const shell::WeibullSettings& s) {
  return BuildLifeTable(s.table.lower, s.table.withdrawn, s.table.failed,
                        static_cast<double>(s.entering), s.fit.location);
}

bool ShowLifeTable(shell::Request& request, const shell::WeibullSettings& s,
                   const LifeTable& table) {
  shell::ResultGrid grid = Grid(request, s, table, 15, strings::kLifeTableTitle);
  const std::string interval = request.Text(strings::kIntervalUpper);
  const std::string counts = request.Text(strings::kCountsUpper);
  const std::string proportion = request.Text(strings::kProportionUpper);
  const std::string se = request.Text(strings::kSeUpper);
  grid.Heading(0, interval, request.Text(strings::kIntervalStart));
  grid.Heading(1, interval, request.Text(strings::kIntervalMidpoint));
  grid.Heading(2, interval, request.Text(strings::kIntervalWidth));
  grid.Heading(3, counts, request.Text(strings::kEntering));
  grid.Heading(4, counts, request.Text(strings::kWithdrawn));
  grid.Heading(5, counts, request.Text(strings::kExposed));
  grid.Heading(6, counts, request.Text(strings::kFailing));
  grid.Heading(7, proportion, request.Text(strings::kFailing));
  grid.Heading(8, proportion, request.Text(strings::kSurvivors));
  grid.Heading(9, request.Text(strings::kCumulativeUpper), request.Text(strings::kSurvivors));
  grid.Heading(10, request.Text(strings::kDensityUpper), request.Text(strings::kDensityLower));
  grid.Heading(11, request.Text(strings::kHazardUpper), request.Text(strings::kRateLower));
  grid.Heading(12, se, request.Text(strings::kSeSurvival));
  grid.Heading(13, se, request.Text(strings::kSeDensity));
  grid.Heading(14, se, request.Text(strings::kHazardUpper));
  for (int c = 3; c <= 6; ++c) grid.Format(c, kColumnWidth, 1);
  const double location = s.fit.location;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const LifeTableRow& r = table.rows[i];
    const int row = static_cast<int>(i);
    grid.Set(row, 0, r.start + location);
    grid.Set(row, 1, Plus(r.midpoint, location));
    grid.Set(row, 2, r.width);
    grid.Set(row, 3, r.entering);
    grid.Set(row, 4, r.withdrawn);
    grid.Set(row, 5, r.exposed);
    grid.Set(row, 6, r.failed);
    grid.Set(row, 7, r.q);
    grid.Set(row, 8, r.p);
    grid.Set(row, 9, r.survival);
    grid.Set(row, 10, r.density);
    grid.Set(row, 11, r.hazard);
    grid.Set(row, 12, r.se_survival);
    grid.Set(row, 13, r.se_density);
    grid.Set(row, 14, r.se_hazard);
  }
  return grid.Show(request);
}

bool ShowGroupedReliabilityTable(shell::Request& request, const shell::WeibullSettings& s,
                                 const LifeTable& table) {
  shell::ResultGrid grid = Grid(request, s, table, 15, strings::kGroupedReliabilityTitle);
  const std::string interval = request.Text(strings::kIntervalUpper);
  const std::string counts = request.Text(strings::kCountsUpper);
  const std::string observed = request.Text(strings::kObservedUpper);
  const std::string se = request.Text(strings::kSeUpper);
  const std::string estimated = request.Text(strings::kEstimatedUpper);
  grid.Heading(0, interval, request.Text(strings::kIntervalStart));
  grid.Heading(1, interval, request.Text(strings::kIntervalMidpoint));
  grid.Heading(2, counts, request.Text(strings::kEntering));
  grid.Heading(3, counts, request.Text(strings::kFailing));
  grid.Heading(4, counts, request.Text(strings::kWithdrawn));
  grid.Heading(5, observed, request.Text(strings::kTheoreticalLower));
  grid.Heading(6, se, request.Text(strings::kTheoreticalLower));
  grid.Heading(7, "", request.Text(strings::kCdfLowerLimit));
  grid.Heading(8, "", request.Text(strings::kCdfUpperLimit));
  grid.Heading(9, estimated, request.Text(strings::kTheoreticalLower));
  grid.Heading(10, observed, request.Text(strings::kReliability));
  grid.Heading(11, se, request.Text(strings::kReliability));
  grid.Heading(12, "", request.Text(strings::kReliabilityLower));
  grid.Heading(13, "", request.Text(strings::kReliabilityUpper));
  grid.Heading(14, estimated, request.Text(strings::kReliability));
  for (int c = 2; c <= 4; ++c) grid.Format(c, kColumnWidth, 1);
  const double location = s.fit.location;
  const FitErrors none;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const LifeTableRow& r = table.rows[i];
    const int row = static_cast<int>(i);
    const SurvivalLimits limits = LogOddsLimits(r.survival, r.se_survival, s.estimation.confidence);
    // The fitted values at the interval's start, where S_i stands.
    const DistributionValue fitted = WeibullDistribution(s.fit, none, r.start + location, 0.0);
    grid.Set(row, 0, r.start + location);
    grid.Set(row, 1, Plus(r.midpoint, location));
    grid.Set(row, 2, r.entering);
    grid.Set(row, 3, r.failed);
    grid.Set(row, 4, r.withdrawn);
    grid.Set(row, 5, 1.0 - r.survival);
    grid.Set(row, 6, r.se_survival);
    if (limits.upper) grid.Set(row, 7, 1.0 - *limits.upper);
    if (limits.lower) grid.Set(row, 8, 1.0 - *limits.lower);
    grid.Set(row, 9, r.start > 0.0 ? fitted.f : std::optional<double>(0.0));
    grid.Set(row, 10, r.survival);
    grid.Set(row, 11, r.se_survival);
    grid.Set(row, 12, limits.lower);
    grid.Set(row, 13, limits.upper);
    grid.Set(row, 14,
             r.start > 0.0 ? (fitted.f ? std::optional<double>(1.0 - *fitted.f) : std::nullopt)
                           : std::optional<double>(1.0));
  }
  return grid.Show(request);
}

bool ShowGroupedHazardTable(shell::Request& request, const shell::WeibullSettings& s,
                            const LifeTable& table) {
  if (!ParametersUsable(s.fit)) {
    request.Message(strings::kBadParametersForTests);
    return false;
  }
  shell::ResultGrid grid = Grid(request, s, table, 5, strings::kGroupedHazardTitle);
  grid.Heading(0, request.Text(strings::kIntervalUpper), request.Text(strings::kIntervalStart));
  grid.Heading(1, request.Text(strings::kHazardUpper), request.Text(strings::kHazardLower));
  grid.Heading(2, request.Text(strings::kCumHazardUpper), request.Text(strings::kCumHazardLower));
  grid.Heading(3, request.Text(strings::kLogUpper), request.Text(strings::kLogLocationLower));
  grid.Heading(4, request.Text(strings::kLogUpper), request.Text(strings::kCumHazardLower));
  grid.Format(1, kColumnWidth + 4, 8);
  const double location = s.fit.location;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const double t = table.rows[i].start + location;
    const int row = static_cast<int>(i);
    grid.Set(row, 0, t);
    if (!(t > location)) continue;
    const auto h = WeibullHazard(s.fit, t);
    const auto cumulative = WeibullCumulativeHazard(s.fit, t);
    grid.Set(row, 1, h);
    grid.Set(row, 2, cumulative);
    grid.Set(row, 3, std::log(t - location));
    if (cumulative && *cumulative > 0.0) grid.Set(row, 4, std::log(*cumulative));
  }
  return grid.Show(request);
}

}  // namespace kpa::reliability
