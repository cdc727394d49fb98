#include "reliability/model/failure_orders.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/normal.h"

namespace kpa::reliability {

double PlottingPosition(double order, double n, shell::RankMethod method) {
  switch (method) {
    case shell::RankMethod::kMeanRank:
      return order / (n + 1.0);
    case shell::RankMethod::kWhite:
      return (order - 0.375) / (n + 0.25);
    case shell::RankMethod::kMedianRank:
      break;
  }
  return (order - 0.3) / (n + 0.4);
}

FailureOrders OrderFailures(const shell::FailureSample& sample, shell::RankMethod method) {
  const std::size_t n = sample.time.size();
  std::vector<std::size_t> index(n);
  std::iota(index.begin(), index.end(), std::size_t{0});
  // Failures come before censored cases at equal times: a unit censored at t was seen to
  // survive t.
  std::stable_sort(index.begin(), index.end(), [&](std::size_t a, std::size_t b) {
    if (sample.time[a] != sample.time[b]) return sample.time[a] < sample.time[b];
    return sample.censored[a] < sample.censored[b];
  });
  FailureOrders orders;
  orders.cases.resize(n);
  for (std::size_t k = 0; k < n; ++k) {
    OrderedCase& c = orders.cases[k];
    const std::size_t i = index[k];
    c.time = sample.time[i];
    c.censored = sample.censored[i] != 0.0;
    c.case_row = i < sample.case_row.size() ? sample.case_row[i] : static_cast<std::int64_t>(i + 1);
    c.reverse_rank = static_cast<std::int64_t>(n - k);
  }
  orders.adjusted = !sample.censoring_times_equal;
  const auto total = static_cast<double>(n);
  double previous = 0.0;
  for (std::size_t k = 0; k < n; ++k) {
    OrderedCase& c = orders.cases[k];
    if (c.censored) continue;
    if (orders.adjusted) {
      const auto beyond = static_cast<double>(c.reverse_rank);
      previous += (total + 1.0 - previous) / (1.0 + beyond);
      c.order = previous;
      c.estimate = PlottingPosition(previous, total, shell::RankMethod::kMedianRank);
    } else {
      c.order = static_cast<double>(k + 1);
      c.estimate = PlottingPosition(*c.order, total, method);
    }
  }
  return orders;
}

RankLimits RankBasedLimits(double order, double n, double cl) {
  const double alpha = 1.0 - cl;
  const double i = order;
  const double m = n - i + 1.0;
  RankLimits limits;
  const double f_lower = probability::FQuantile(alpha, 2.0 * m, 2.0 * i);
  if (f_lower > 0.0) limits.lower = i / (i + m * f_lower);
  const double f_upper = probability::FQuantile(alpha, 2.0 * i, 2.0 * m);
  if (f_upper > 0.0) limits.upper = i * f_upper / (m + i * f_upper);
  return limits;
}

double TwoSidedZ(double cl) {
  if (!(cl > 0.0 && cl < 1.0)) return 0.0;
  std::int16_t fault = 0;
  const double z = probability::NormalQuantile(1.0 - (1.0 - cl) / 2.0, fault);
  return fault == 0 ? z : 0.0;
}

SurvivalLimits LogOddsLimits(double survival, std::optional<double> se, double cl) {
  const double z = TwoSidedZ(cl);
  if (!(survival > 0.0 && survival < 1.0) || !se || !(*se > 0.0) || !(z > 0.0)) return {};
  const double spread = z * *se / (survival * (1.0 - survival));
  if (spread > 700.0) return {};
  return {survival / (survival + (1.0 - survival) * std::exp(spread)),
          survival / (survival + (1.0 - survival) * std::exp(-spread))};
}

std::vector<KaplanMeierPoint> KaplanMeier(const FailureOrders& orders, double cl) {
  std::vector<KaplanMeierPoint> points;
  points.reserve(orders.cases.size());
  double survival = 1.0;
  double greenwood = 0.0;
  auto at_risk = static_cast<double>(orders.cases.size());
  for (std::size_t k = 0; k < orders.cases.size(); ++k) {
    const OrderedCase& c = orders.cases[k];
    const double failed = c.censored ? 0.0 : 1.0;
    survival *= (at_risk - failed) / at_risk;
    const bool last = k + 1 == orders.cases.size();
    if (!last) greenwood += failed / (at_risk * (at_risk - failed));
    KaplanMeierPoint point;
    point.time = c.time;
    point.censored = c.censored;
    point.survival = survival;
    if (!last || failed == 0.0) point.se = survival * std::sqrt(greenwood);
    if (!c.censored) {
      const SurvivalLimits limits = LogOddsLimits(survival, point.se, cl);
      point.lower = limits.lower;
      point.upper = limits.upper;
    }
    points.push_back(point);
    at_risk -= 1.0;
  }
  return points;
}

std::optional<LeastSquaresLine> FitLeastSquares(std::span<const double> x,
                                                std::span<const double> y, std::size_t fewest) {
  const std::size_t n = x.size();
  if (n < std::max<std::size_t>(fewest, 2) || y.size() != n) return std::nullopt;
  double mx = 0.0;
  double my = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    mx += x[i];
    my += y[i];
  }
  mx /= static_cast<double>(n);
  my /= static_cast<double>(n);
  double sxx = 0.0;
  double syy = 0.0;
  double sxy = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    sxx += (x[i] - mx) * (x[i] - mx);
    syy += (y[i] - my) * (y[i] - my);
    sxy += (x[i] - mx) * (y[i] - my);
  }
  if (!(sxx > 0.0)) return std::nullopt;
  LeastSquaresLine line;
  line.slope = sxy / sxx;
  line.intercept = my - line.slope * mx;
  line.r_squared = syy > 0.0 ? sxy * sxy / (sxx * syy) : 1.0;
  return line;
}

PlotPoints ProbabilityPlotPoints(const FailureOrders& orders, double location) {
  PlotPoints points;
  for (const OrderedCase& c : orders.cases) {
    if (c.censored || !c.estimate || c.time <= location) continue;
    const double f = *c.estimate;
    if (!(f > 0.0 && f < 1.0)) continue;
    points.x.push_back(std::log(c.time - location));
    points.y.push_back(std::log(-std::log1p(-f)));
    points.time.push_back(c.time);
    points.estimate.push_back(f);
  }
  return points;
}

}  // namespace kpa::reliability
