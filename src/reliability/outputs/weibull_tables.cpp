#include "reliability/outputs/weibull_tables.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "reliability/model/weibull_values.h"
#include "reliability/outputs/report_texts.h"
#include "resources/ids/reliability_strings.h"
#include "shell/results/result_grid.h"

namespace kpa::reliability {
namespace {

constexpr int kCaseLabelWidth = 12;
constexpr int kColumnWidth = 10;
constexpr int kDecimals = 4;

std::optional<double> InsideUnit(std::optional<double> value) {
  if (value && *value > 0.0 && *value < 1.0) return value;
  return std::nullopt;
}

std::optional<double> Complement(std::optional<double> value) {
  if (!value) return std::nullopt;
  return 1.0 - *value;
}

std::optional<double> LogBeyond(double t, double location) {
  if (t > location) return std::log(t - location);
  return std::nullopt;
}

// One spreadsheet per run of kRowsPerTable cases, every one with the table's titles.
bool ShowCaseRows(shell::Request& request, std::size_t rows, int columns,
                  const std::function<void(shell::ResultGrid&)>& frame,
                  const std::function<void(shell::ResultGrid&, int row, std::size_t index)>& fill) {
  for (std::size_t first = 0; first < rows; first += kRowsPerTable) {
    const int count = static_cast<int>(std::min<std::size_t>(kRowsPerTable, rows - first));
    shell::ResultGrid grid(count, columns, kCaseLabelWidth);
    for (int c = 0; c < columns; ++c) grid.Format(c, kColumnWidth, kDecimals);
    frame(grid);
    for (int r = 0; r < count; ++r) fill(grid, r, first + static_cast<std::size_t>(r));
    if (!grid.Show(request)) return false;
  }
  return true;
}

void CaseTitles(shell::ResultGrid& grid, const shell::Request& request,
                const shell::WeibullSettings& settings, int title) {
  grid.Title(1, request.Text(title));
  grid.Title(2, DataLine(request, settings));
  grid.Title(3, CensoredFootnote(request));
}

// Limits of a positive parameter theta with standard error s: theta / exp(z s / theta) and
// theta exp(z s / theta).
std::pair<std::optional<double>, std::optional<double>> PositiveLimits(double theta,
                                                                       std::optional<double> s,
                                                                       double z) {
  if (!(theta > 0.0) || !s || !(*s > 0.0) || !(z > 0.0)) return {};
  const double factor = std::exp(z * *s / theta);
  return {theta / factor, theta * factor};
}

}  // namespace

bool UsesMaximumLikelihood(const shell::WeibullSettings& settings) {
  return settings.ml_intervals && settings.fit.method != shell::WeibullMethod::kUserDefined;
}

bool ShowSummaryTable(shell::Request& request, const shell::WeibullSettings& s) {
  const shell::WeibullFit& fit = s.fit;
  const bool user = fit.method == shell::WeibullMethod::kUserDefined;
  const bool life_table = GroupedLifeTable(s);
  const FitErrors errors = ErrorsOf(fit);
  const bool covariance = !user && !life_table && errors.cov.has_value();
  const int columns = user ? 1 : (covariance ? 5 : 4);
  shell::ResultGrid grid(3, columns, 10);
  for (int c = 0; c < columns; ++c) grid.Format(c, 12, 5);

  std::vector<std::string> titles;
  if (user) {
    titles.push_back(request.Text(strings::kTitleUser));
  } else if (life_table) {
    titles.push_back(request.Text(strings::kTitleGrouped));
    titles.push_back(request.Text(strings::kTitleGroupedNote));
  } else {
    titles.push_back(request.Text(errors.se_location ? strings::kTitleThree : strings::kTitleTwo));
    if (s.mode == shell::WeibullMode::kGroupedData)
      titles.push_back(request.Text(strings::kTitleContinuousNote));
  }
  titles.push_back(DataLine(request, s));
  for (std::size_t i = 0; i < titles.size() && i < 3; ++i)
    grid.Title(static_cast<int>(i + 1), titles[i]);

  grid.Label(0, request.Text(strings::kRowLocation));
  grid.Label(1, request.Text(strings::kRowShape));
  grid.Label(2, request.Text(strings::kRowScale));
  grid.Heading(0, request.Text(strings::kValueUpper), request.Text(strings::kValueLower));
  grid.Set(0, 0, fit.location);
  grid.Set(1, 0, fit.shape);
  grid.Set(2, 0, fit.scale);
  if (!user) {
    const double cl = s.estimation.confidence;
    const double z = TwoSidedZ(cl);
    grid.Heading(1, request.Text(strings::kErrorUpper), request.Text(strings::kErrorLower));
    grid.Heading(2, LowerLimitLabel(cl), request.Text(strings::kLowerLimit));
    grid.Heading(3, UpperLimitLabel(cl), request.Text(strings::kUpperLimit));
    if (const auto se = errors.se_location; se && z > 0.0) {
      grid.Set(0, 1, *se);
      grid.Set(0, 2, fit.location - z * *se);
      grid.Set(0, 3, std::min(fit.location + z * *se, s.sample.tmin));
    } else {
      for (int c = 1; c <= 3; ++c) grid.Blank(0, c);
    }
    grid.Set(1, 1, errors.se_shape);
    const auto [shape_low, shape_high] = PositiveLimits(fit.shape, errors.se_shape, z);
    grid.Set(1, 2, shape_low);
    grid.Set(1, 3, shape_high);
    if (life_table) {
      for (int c = 1; c <= 3; ++c) grid.Blank(2, c);
    } else {
      grid.Set(2, 1, errors.se_scale);
      const auto [scale_low, scale_high] = PositiveLimits(fit.scale, errors.se_scale, z);
      grid.Set(2, 2, scale_low);
      grid.Set(2, 3, scale_high);
    }
    if (covariance) {
      grid.Heading(4, request.Text(strings::kCovarianceUpper),
                   request.Text(strings::kCovarianceLower));
      grid.Blank(0, 4);
      grid.Blank(1, 4);
      grid.Set(2, 4, errors.cov);
    }
  }
  return grid.Show(request);
}

bool ShowReliabilityTable(shell::Request& request, const shell::WeibullSettings& s,
                          const FailureOrders& orders) {
  const shell::WeibullFit& fit = s.fit;
  const double cl = s.estimation.confidence;
  const double n = static_cast<double>(orders.cases.size());
  if (UsesMaximumLikelihood(s)) {
    const FitErrors errors = ErrorsOf(fit);
    if (!errors.Present()) request.Message(strings::kNoMlLimits);
    const auto frame = [&](shell::ResultGrid& grid) {
      CaseTitles(grid, request, s, strings::kMlTableTitle);
      grid.Heading(0, request.Text(strings::kTimeUpper), request.Text(strings::kTimeLower));
      grid.Heading(1, request.Text(strings::kTheoreticalUpper),
                   request.Text(strings::kTheoreticalLower));
      grid.Heading(2, "", request.Text(strings::kCdfLowerLimit));
      grid.Heading(3, "", request.Text(strings::kCdfUpperLimit));
      grid.Heading(4, "", request.Text(strings::kReliability));
      grid.Heading(5, "", request.Text(strings::kReliabilityLower));
      grid.Heading(6, "", request.Text(strings::kReliabilityUpper));
      grid.Heading(7, request.Text(strings::kLogUpper), request.Text(strings::kLogLocationLower));
    };
    return ShowCaseRows(request, orders.cases.size(), 8, frame,
                        [&](shell::ResultGrid& grid, int row, std::size_t i) {
                          const OrderedCase& c = orders.cases[i];
                          grid.Label(row, CaseLabel(request, c.case_row, c.censored));
                          const DistributionValue v = WeibullDistribution(fit, errors, c.time, cl);
                          grid.Set(row, 0, c.time);
                          grid.Set(row, 1, v.f);
                          grid.Set(row, 2, v.lower);
                          grid.Set(row, 3, v.upper);
                          grid.Set(row, 4, Complement(v.f));
                          grid.Set(row, 5, Complement(v.upper));
                          grid.Set(row, 6, Complement(v.lower));
                          grid.Set(row, 7, LogBeyond(c.time, fit.location));
                        });
  }
  int method_upper = strings::kMedianUpper;
  int method_lower = strings::kRankLower;
  if (!orders.adjusted && s.rank_method == shell::RankMethod::kMeanRank) {
    method_upper = strings::kMeanUpper;
  } else if (!orders.adjusted && s.rank_method == shell::RankMethod::kWhite) {
    method_upper = strings::kWhiteUpper;
    method_lower = strings::kWhiteLower;
  }
  const auto frame = [&](shell::ResultGrid& grid) {
    CaseTitles(grid, request, s, strings::kRankTableTitle);
    grid.Heading(0, request.Text(strings::kTimeUpper), request.Text(strings::kTimeLower));
    grid.Heading(1, request.Text(strings::kOrderUpper), request.Text(strings::kOrderLower));
    grid.Heading(2, request.Text(method_upper), request.Text(method_lower));
    grid.Heading(3, "", request.Text(strings::kRankLowerLimit));
    grid.Heading(4, "", request.Text(strings::kRankUpperLimit));
    grid.Heading(5, "", request.Text(strings::kReliability));
    grid.Heading(6, "", request.Text(strings::kReliabilityLower));
    grid.Heading(7, "", request.Text(strings::kReliabilityUpper));
    grid.Heading(8, request.Text(strings::kModifiedUpper), request.Text(strings::kModifiedLower));
    grid.Heading(9, request.Text(strings::kLogUpper), request.Text(strings::kLogModifiedLower));
  };
  return ShowCaseRows(request, orders.cases.size(), 10, frame,
                      [&](shell::ResultGrid& grid, int row, std::size_t i) {
                        const OrderedCase& c = orders.cases[i];
                        grid.Label(row, CaseLabel(request, c.case_row, c.censored));
                        grid.Set(row, 0, c.time);
                        grid.Set(row, 8, c.time - fit.location);
                        grid.Set(row, 9, LogBeyond(c.time, fit.location));
                        if (c.censored || !c.order) return;
                        const RankLimits limits = RankBasedLimits(*c.order, n, cl);
                        const auto lower = InsideUnit(limits.lower);
                        const auto upper = InsideUnit(limits.upper);
                        grid.Set(row, 1, c.order);
                        grid.Set(row, 2, c.estimate);
                        grid.Set(row, 3, lower);
                        grid.Set(row, 4, upper);
                        grid.Set(row, 5, Complement(c.estimate));
                        grid.Set(row, 6, Complement(upper));
                        grid.Set(row, 7, Complement(lower));
                      });
}

bool ShowHazardTable(shell::Request& request, const shell::WeibullSettings& s,
                     const FailureOrders& orders) {
  const shell::WeibullFit& fit = s.fit;
  bool ml = UsesMaximumLikelihood(s);
  if (ml && !ParametersUsable(fit)) {
    request.Message(strings::kHazardFallback);
    ml = false;
  }
  std::vector<std::optional<double>> hazard(orders.cases.size());
  std::vector<std::optional<double>> cumulative(orders.cases.size());
  double running = 0.0;
  for (std::size_t i = 0; i < orders.cases.size(); ++i) {
    const OrderedCase& c = orders.cases[i];
    if (c.censored) continue;
    if (ml) {
      hazard[i] = WeibullHazard(fit, c.time);
      cumulative[i] = WeibullCumulativeHazard(fit, c.time);
    } else {
      const double h = 1.0 / static_cast<double>(c.reverse_rank);
      running += h;
      hazard[i] = h;
      cumulative[i] = running;
    }
  }
  // Hazards are small numbers in most time units: four significant digits at least.
  double largest = 0.0;
  for (const auto& h : hazard)
    if (h) largest = std::max(largest, *h);
  const int hazard_decimals =
      largest > 0.0
          ? std::clamp(3 - static_cast<int>(std::floor(std::log10(largest))), kDecimals, 12)
          : kDecimals;
  const auto frame = [&](shell::ResultGrid& grid) {
    grid.Format(1, kColumnWidth + 4, hazard_decimals);
    CaseTitles(grid, request, s, ml ? strings::kMlHazardTitle : strings::kRankHazardTitle);
    grid.Heading(0, request.Text(strings::kTimeUpper), request.Text(strings::kTimeLower));
    grid.Heading(1, request.Text(strings::kHazardUpper), request.Text(strings::kHazardLower));
    grid.Heading(2, request.Text(strings::kCumHazardUpper), request.Text(strings::kCumHazardLower));
    grid.Heading(3, request.Text(strings::kLogUpper), request.Text(strings::kLogLocationLower));
    grid.Heading(4, request.Text(strings::kLogUpper), request.Text(strings::kCumHazardLower));
  };
  return ShowCaseRows(request, orders.cases.size(), 5, frame,
                      [&](shell::ResultGrid& grid, int row, std::size_t i) {
                        const OrderedCase& c = orders.cases[i];
                        grid.Label(row, CaseLabel(request, c.case_row, c.censored));
                        grid.Set(row, 0, c.time);
                        if (c.censored) return;
                        grid.Set(row, 1, hazard[i]);
                        grid.Set(row, 2, cumulative[i]);
                        grid.Set(row, 3, LogBeyond(c.time, fit.location));
                        if (cumulative[i] && *cumulative[i] > 0.0)
                          grid.Set(row, 4, std::log(*cumulative[i]));
                      });
}

bool ShowPercentileTable(shell::Request& request, const shell::WeibullSettings& s) {
  const shell::WeibullFit& fit = s.fit;
  if (!ParametersUsable(fit)) {
    request.Message(strings::kBadParametersForTests);
    return false;
  }
  const FitErrors errors = ErrorsOf(fit);
  const double cl = s.estimation.confidence;
  shell::ResultGrid grid(99, 4, 6);
  for (int c = 0; c < 4; ++c) grid.Format(c, kColumnWidth, kDecimals);
  grid.Format(0, 8, 0);
  grid.Title(1, request.Text(strings::kPercentileTitle));
  grid.Title(2, DataLine(request, s));
  grid.Heading(0, "", request.Text(strings::kPercentileColumn));
  grid.Heading(1, "", request.Text(strings::kPercentileTime));
  grid.Heading(2, LowerLimitLabel(cl), request.Text(strings::kLowerLimit));
  grid.Heading(3, UpperLimitLabel(cl), request.Text(strings::kUpperLimit));
  bool any = false;
  for (int c = 1; c <= 99; ++c) {
    const Percentile p = WeibullPercentile(fit, errors, c * 0.01, cl);
    grid.Label(c - 1, std::to_string(c));
    grid.Set(c - 1, 0, static_cast<double>(c));
    grid.Set(c - 1, 1, p.time);
    grid.Set(c - 1, 2, p.lower);
    grid.Set(c - 1, 3, p.upper);
    any = any || p.time.has_value();
  }
  if (!any) {
    request.Message(strings::kNothingComputable);
    return false;
  }
  return grid.Show(request);
}

bool ShowDescriptiveTable(shell::Request& request, const shell::WeibullSettings& s) {
  struct Group {
    double n = 0.0;
    double mean = 0.0;
    double squares = 0.0;  // sum of squared deviations, updated one case at a time
    double minimum = 0.0;
    double maximum = 0.0;
    void Add(double t) {
      n += 1.0;
      const double delta = t - mean;
      mean += delta / n;
      squares += delta * (t - mean);
      minimum = n == 1.0 ? t : std::min(minimum, t);
      maximum = n == 1.0 ? t : std::max(maximum, t);
    }
  };
  Group groups[3];  // censored, failures, all
  for (std::size_t i = 0; i < s.sample.time.size(); ++i) {
    groups[s.sample.censored[i] != 0.0 ? 0 : 1].Add(s.sample.time[i]);
    groups[2].Add(s.sample.time[i]);
  }
  shell::ResultGrid grid(3, 5, 10);
  for (int c = 0; c < 5; ++c) grid.Format(c, 12, kDecimals);
  grid.Format(0, 10, 0);
  grid.Title(1, request.Text(strings::kDescriptiveTitle));
  grid.Title(2, DataLine(request, s));
  const int labels[] = {strings::kRowCensored, strings::kRowFailures, strings::kRowAll};
  const int headings[] = {strings::kColumnN, strings::kColumnMean, strings::kColumnSd,
                          strings::kColumnMinimum, strings::kColumnMaximum};
  for (int c = 0; c < 5; ++c) grid.Heading(c, "", request.Text(headings[c]));
  for (int r = 0; r < 3; ++r) {
    const Group& g = groups[r];
    grid.Label(r, request.Text(labels[r]));
    grid.Set(r, 0, g.n);
    if (g.n < 1.0) continue;
    grid.Set(r, 1, g.mean);
    if (g.n > 1.0) grid.Set(r, 2, std::sqrt(g.squares / (g.n - 1.0)));
    grid.Set(r, 3, g.minimum);
    grid.Set(r, 4, g.maximum);
  }
  return grid.Show(request);
}

}  // namespace kpa::reliability
