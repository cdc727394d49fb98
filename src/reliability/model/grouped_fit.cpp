#include "reliability/model/grouped_fit.h"

#include <cmath>

namespace kpa::reliability {
namespace {

// exp() arguments beyond this make a fitted survival meaningless.
constexpr double kLargestExponent = 70.0;

struct Point {
  double x = 0.0;
  double y = 0.0;
  double weight = 1.0;
};

struct LineFit {
  double intercept = 0.0;
  double slope = 0.0;
  std::optional<double> se_slope;
  std::optional<double> cov;
};

// Weighted least squares of y on x (slope 0 when `constant`). With inverse-variance weights
// the variances are known; otherwise the residual mean square estimates the error variance.
LineFit FitLine(std::span<const Point> points, bool constant, bool known_variances) {
  double sw = 0.0;
  double sx = 0.0;
  double sy = 0.0;
  for (const Point& p : points) {
    sw += p.weight;
    sx += p.weight * p.x;
    sy += p.weight * p.y;
  }
  LineFit fit;
  const double mx = sx / sw;
  const double my = sy / sw;
  if (constant) {
    fit.intercept = my;
    return fit;
  }
  double sxx = 0.0;
  double sxy = 0.0;
  for (const Point& p : points) {
    sxx += p.weight * (p.x - mx) * (p.x - mx);
    sxy += p.weight * (p.x - mx) * (p.y - my);
  }
  if (!(sxx > 0.0)) return fit;
  fit.slope = sxy / sxx;
  fit.intercept = my - fit.slope * mx;
  double variance = 1.0;
  if (!known_variances) {
    const auto k = static_cast<double>(points.size());
    if (k <= 2.0) return fit;
    double rss = 0.0;
    for (const Point& p : points) {
      const double e = p.y - fit.intercept - fit.slope * p.x;
      rss += p.weight * e * e;
    }
    variance = rss / (k - 2.0);
  }
  const double slope_variance = variance / sxx;
  if (slope_variance > 0.0) fit.se_slope = std::sqrt(slope_variance);
  fit.cov = -mx * slope_variance;
  return fit;
}

// The cumulative hazard of a fitted model at t (time since the location); std::nullopt
// where an exponent would exceed kLargestExponent.
std::optional<double> CumulativeHazard(HazardModel model, double a, double b, double t) {
  switch (model) {
    case HazardModel::kExponential:
      return a * t;
    case HazardModel::kLinear:
      return a * t + 0.5 * b * t * t;
    case HazardModel::kGompertz: {
      if (a > kLargestExponent || b * t > kLargestExponent) return std::nullopt;
      if (b == 0.0) return std::exp(a) * t;
      return std::exp(a) * std::expm1(b * t) / b;
    }
    case HazardModel::kWeibull: {
      if (a > kLargestExponent || t <= 0.0)
        return t <= 0.0 ? std::optional<double>(0.0) : std::nullopt;
      const double log_term = a + (b + 1.0) * std::log(t) - std::log(b + 1.0);
      if (log_term > kLargestExponent) return std::nullopt;
      return std::exp(log_term);
    }
  }
  return std::nullopt;
}

bool RateNegative(HazardModel model, double a, double b, double t_end) {
  switch (model) {
    case HazardModel::kExponential:
      return a < 0.0;
    case HazardModel::kLinear:
      return a < 0.0 || a + b * t_end < 0.0;
    case HazardModel::kGompertz:
      return false;
    case HazardModel::kWeibull:
      return b + 1.0 <= 0.0;
  }
  return true;
}

struct FitInterval {
  double start;
  double end;
  double midpoint;
  double exposed;
  double failed;
  double hazard;           // from the replaced q
  double hazard_variance;  // from the replaced q
};

void Evaluate(HazardFit& fit, std::span<const FitInterval> intervals) {
  fit.valid = false;
  if (RateNegative(fit.model, fit.intercept, fit.slope, intervals.back().end)) return;
  double log_l = 0.0;
  for (const FitInterval& in : intervals) {
    const auto from = CumulativeHazard(fit.model, fit.intercept, fit.slope, in.start);
    const auto to = CumulativeHazard(fit.model, fit.intercept, fit.slope, in.end);
    if (!from || !to) return;
    double p = std::exp(-(*to - *from));
    p = std::min(p, 1.0 - 1.0 / (2.0 * in.exposed));
    if (!(p > 0.0)) return;
    log_l += in.failed * std::log1p(-p) + (in.exposed - in.failed) * std::log(p);
  }
  if (!std::isfinite(log_l)) return;
  fit.valid = true;
  fit.log_likelihood = log_l;
}

void FillLifeTable(std::vector<LifeTableRow>& rows) {
  const std::size_t k = rows.size();
  double greenwood = 0.0;  // sum over earlier intervals of q / (n' p)
  for (std::size_t i = 0; i < k; ++i) {
    LifeTableRow& row = rows[i];
    if (i > 0) row.survival = rows[i - 1].survival * rows[i - 1].p;
    row.se_survival = row.survival * std::sqrt(greenwood);
    if (row.width) {
      const double h = *row.width;
      const double next = row.survival * row.p;
      row.density = (row.survival - next) / h;
      row.hazard = 2.0 * row.q / ((1.0 + row.p) * h);
      if (row.p < 1.0 && row.exposed * row.q > 0.0) {
        const double lambda = *row.hazard;
        const double v = lambda * lambda * (1.0 - (h * lambda / 2.0) * (h * lambda / 2.0)) /
                         (row.exposed * row.q);
        row.se_hazard = std::sqrt(std::max(v, 0.0));
        row.se_density =
            (row.survival * row.q / h) * std::sqrt(greenwood + row.p / (row.exposed * row.q));
      } else {
        row.se_hazard = 0.0;
        row.se_density = 0.0;
      }
    }
    if (row.exposed * row.p > 0.0) greenwood += row.q / (row.exposed * row.p);
  }
  // Median remaining lifetime at the start of each interval.
  for (std::size_t i = 0; i < k; ++i) {
    const double half = rows[i].survival / 2.0;
    const double last_survival = rows[k - 1].survival * rows[k - 1].p;
    if (half < last_survival || !rows[k - 1].width) {
      bool found = false;
      for (std::size_t j = i; j < k && rows[j].width; ++j) {
        const double s_next = rows[j].survival * rows[j].p;
        if (rows[j].survival >= half && half > s_next) {
          rows[i].median_remaining =
              (rows[j].start - rows[i].start) +
              *rows[j].width * (rows[j].survival - half) / (rows[j].survival - s_next);
          const double f = rows[j].density.value_or(0.0);
          if (f > 0.0 && rows[i].exposed > 0.0)
            rows[i].se_median_remaining =
                std::sqrt(rows[i].survival * rows[i].survival / (4.0 * rows[i].exposed * f * f));
          found = true;
          break;
        }
      }
      if (found) continue;
    }
    rows[i].median_remaining = rows[k - 1].start - rows[i].start;
    rows[i].se_median_remaining = 0.0;
  }
}

}  // namespace

LifeTable BuildLifeTable(std::span<const double> lower, std::span<const double> withdrawn,
                         std::span<const double> failed, double entering, double location) {
  LifeTable table;
  const std::size_t table_rows = lower.size();
  if (table_rows < 1) {
    table.status = GroupedStatus::kNoRows;
    return table;
  }
  std::vector<double> at_risk(table_rows + 1);
  at_risk[0] = entering;
  for (std::size_t i = 0; i < table_rows; ++i) {
    at_risk[i + 1] = at_risk[i] - (withdrawn[i] + failed[i]);
    if (at_risk[i + 1] < 0.0) {
      table.status = GroupedStatus::kNegativeAtRisk;
      return table;
    }
  }
  std::size_t k = table_rows;
  while (k > 0 && at_risk[k - 1] <= 0.0) --k;
  if (k == 0) {
    table.status = GroupedStatus::kNobodyAtRisk;
    return table;
  }
  for (std::size_t i = 0; i < k; ++i) {
    LifeTableRow row;
    row.start = lower[i] - location;
    if (i + 1 < table_rows) {
      row.width = lower[i + 1] - lower[i];
      if (!(*row.width > 0.0)) {
        table.status = GroupedStatus::kBadWidth;
        return table;
      }
      row.midpoint = row.start + *row.width / 2.0;
    }
    row.entering = at_risk[i];
    row.withdrawn = withdrawn[i];
    row.failed = failed[i];
    row.exposed = row.entering - row.withdrawn / 2.0;
    row.q = row.exposed > 0.0 ? row.failed / row.exposed : 0.0;
    row.p = 1.0 - row.q;
    table.rows.push_back(row);
  }
  FillLifeTable(table.rows);
  return table;
}

GroupedFitResult FitWeibullGrouped(std::span<const double> lower, std::span<const double> withdrawn,
                                   std::span<const double> failed, double entering,
                                   double location) {
  GroupedFitResult result;
  LifeTable table = BuildLifeTable(lower, withdrawn, failed, entering, location);
  result.status = table.status;
  result.rows = std::move(table.rows);
  if (result.status != GroupedStatus::kOk) return result;

  std::vector<FitInterval> intervals;
  for (const LifeTableRow& row : result.rows) {
    if (!row.width) continue;
    // q of 0 or 1 is moved half a unit inwards so that every hazard has a logarithm and a
    // variance.
    double q = row.q;
    if (q >= 1.0) q = (row.exposed - 0.5) / row.exposed;
    if (q <= 0.0) q = 0.5 / row.exposed;
    const double p = 1.0 - q;
    const double h = *row.width;
    const double lambda = 2.0 * q / ((1.0 + p) * h);
    const double v =
        lambda * lambda * (1.0 - (h * lambda / 2.0) * (h * lambda / 2.0)) / (row.exposed * q);
    intervals.push_back(
        {row.start, row.start + h, *row.midpoint, row.exposed, row.failed, lambda, v});
  }
  if (!result.rows.empty() && result.rows.front().start < 0.0) {
    result.status = GroupedStatus::kBadWidth;  // a limit below the location
    return result;
  }
  if (intervals.size() < 2) {
    result.status = GroupedStatus::kTooFewIntervals;
    return result;
  }
  for (const FitInterval& in : intervals)
    if (!(in.hazard_variance > 0.0)) {
      result.status = GroupedStatus::kNoVariance;
      return result;
    }

  for (const HazardModel model : {HazardModel::kExponential, HazardModel::kLinear,
                                  HazardModel::kGompertz, HazardModel::kWeibull}) {
    const bool logarithmic = model == HazardModel::kGompertz || model == HazardModel::kWeibull;
    for (const HazardWeighting weighting :
         {HazardWeighting::kUnit, HazardWeighting::kInverseVariance, HazardWeighting::kExposure}) {
      std::vector<Point> points;
      bool usable = true;
      for (const FitInterval& in : intervals) {
        Point p;
        p.x = model == HazardModel::kWeibull ? std::log(in.midpoint) : in.midpoint;
        p.y = logarithmic ? std::log(in.hazard) : in.hazard;
        const double variance =
            logarithmic ? in.hazard_variance / (in.hazard * in.hazard) : in.hazard_variance;
        switch (weighting) {
          case HazardWeighting::kUnit:
            p.weight = 1.0;
            break;
          case HazardWeighting::kInverseVariance:
            p.weight = 1.0 / variance;
            break;
          case HazardWeighting::kExposure:
            p.weight = in.exposed * (in.end - in.start);
            break;
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !(p.weight > 0.0)) usable = false;
        points.push_back(p);
      }
      HazardFit fit;
      fit.model = model;
      fit.weighting = weighting;
      if (usable) {
        const LineFit line = FitLine(points, model == HazardModel::kExponential,
                                     weighting == HazardWeighting::kInverseVariance);
        fit.intercept = line.intercept;
        fit.slope = line.slope;
        fit.se_slope = line.se_slope;
        fit.cov = line.cov;
        Evaluate(fit, intervals);
      }
      result.fits.push_back(fit);
    }
  }

  const HazardFit* best = nullptr;
  for (const HazardFit& fit : result.fits)
    if (fit.model == HazardModel::kWeibull && fit.valid &&
        (best == nullptr || *fit.log_likelihood > *best->log_likelihood))
      best = &fit;
  if (best == nullptr) {
    result.status = GroupedStatus::kNoWeibullFit;
    return result;
  }
  const double shape = best->slope + 1.0;
  result.shape = shape;
  const double rate = std::exp(best->intercept);
  if (rate > 0.0 && shape > 0.0) result.scale = std::pow(shape / rate, 1.0 / shape);
  if (best->se_slope && *best->se_slope > 0.0) result.se_shape = best->se_slope;
  result.cov = best->cov;
  result.log_likelihood = best->log_likelihood;
  return result;
}

}  // namespace kpa::reliability
