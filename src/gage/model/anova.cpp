#include "gage/model/anova.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/sentinel.h"

namespace kpa::gage {
namespace {

AnovaEffect Effect(double ss, std::int64_t df) {
  return {ss, df, df > 0 ? ss / static_cast<double>(df) : 0.0};
}

// Sum over the groups of (group mean - grand mean)^2, the groups given by a key of each
// layout position.
template <typename Key>
double SquaredDeviations(const Study& study, std::int64_t groups, Key key) {
  std::vector<double> sums(static_cast<std::size_t>(groups), 0.0);
  std::vector<std::int64_t> counts(static_cast<std::size_t>(groups), 0);
  const StudySize& s = study.size;
  for (std::int64_t o = 0; o < s.operators; ++o)
    for (std::int64_t t = 0; t < s.trials; ++t)
      for (std::int64_t p = 0; p < s.parts; ++p) {
        const auto g = static_cast<std::size_t>(key(o, p, t));
        sums[g] += study.At(o, p, t);
        ++counts[g];
      }
  double total = 0.0;
  for (std::size_t g = 0; g < sums.size(); ++g) {
    const double deviation = sums[g] / static_cast<double>(counts[g]) - study.mean;
    total += deviation * deviation;
  }
  return total;
}

double Positive(double value) { return std::max(value, 0.0); }

// The square root of a limit's square, or empty when its quantile is not positive.
std::optional<double> Limit(double quantile, double square_of) {
  if (!(quantile > 0.0)) return std::nullopt;
  return std::sqrt(Positive(square_of));
}

std::optional<double> TailProbability(double df1, double df2, double f) {
  const double p = probability::FTailProbability(df1, df2, f);
  if (p == probability::kErrorSentinel) return std::nullopt;
  return p;
}

}  // namespace

ThreeWayTable ComputeThreeWay(const Study& study) {
  const StudySize& s = study.size;
  const double O = static_cast<double>(s.operators);
  const double P = static_cast<double>(s.parts);
  const double T = static_cast<double>(s.trials);
  ThreeWayTable table;
  const double ss_o =
      P * T * SquaredDeviations(study, s.operators, [](auto o, auto, auto) { return o; });
  const double ss_p =
      O * T * SquaredDeviations(study, s.parts, [](auto, auto p, auto) { return p; });
  const double ss_total = static_cast<double>(s.Measurements() - 1) * study.sd * study.sd;
  const double ss_op =
      T * SquaredDeviations(study, s.operators * s.parts,
                            [&](auto o, auto p, auto) { return o * s.parts + p; }) -
      ss_o - ss_p;
  double ss_t = 0.0, ss_ot = 0.0, ss_pt = 0.0, ss_opt = 0.0;
  if (s.trials >= 2) {
    ss_t = O * P * SquaredDeviations(study, s.trials, [](auto, auto, auto t) { return t; });
    ss_ot = P * SquaredDeviations(study, s.operators * s.trials,
                                  [&](auto o, auto, auto t) { return o * s.trials + t; }) -
            ss_o - ss_t;
    ss_pt = O * SquaredDeviations(study, s.parts * s.trials,
                                  [&](auto, auto p, auto t) { return p * s.trials + t; }) -
            ss_p - ss_t;
    ss_opt = ss_total - (ss_o + ss_p + ss_t + ss_op + ss_ot + ss_pt);
  }
  const std::int64_t df_o = s.operators - 1, df_p = s.parts - 1, df_t = s.trials - 1;
  table.rows[kOperators] = Effect(ss_o, df_o);
  table.rows[kParts] = Effect(ss_p, df_p);
  table.rows[kTrials] = Effect(ss_t, df_t);
  table.rows[kOperatorsByParts] = Effect(ss_op, df_o * df_p);
  table.rows[kOperatorsByTrials] = Effect(ss_ot, df_o * df_t);
  table.rows[kPartsByTrials] = Effect(ss_pt, df_p * df_t);
  table.rows[kThreeWay] = Effect(ss_opt, df_o * df_p * df_t);
  table.rows[kThreeWayTotal] = {ss_total, s.Measurements() - 1, study.sd * study.sd};
  return table;
}

TwoWayAnalysis ComputeTwoWay(const Study& study, const ThreeWayTable& three_way,
                             bool with_interaction, double confidence) {
  const StudySize& s = study.size;
  const double O = static_cast<double>(s.operators);
  const double P = static_cast<double>(s.parts);
  const double T = static_cast<double>(s.trials);
  TwoWayAnalysis a;
  a.interaction = with_interaction;
  a.operators = three_way.rows[kOperators];
  a.parts = three_way.rows[kParts];
  a.operators_by_parts = three_way.rows[kOperatorsByParts];
  a.total = three_way.rows[kThreeWayTotal];
  const double ss_e = a.total.ss - a.operators.ss - a.parts.ss - a.operators_by_parts.ss;
  a.error = Effect(ss_e, s.operators * s.parts * (s.trials - 1));
  const double ms_e = a.error.ms;
  const double ms_op = a.operators_by_parts.ms;
  const AnovaEffect pooled =
      Effect(a.operators_by_parts.ss + a.error.ss, a.operators_by_parts.df + a.error.df);
  const double d = with_interaction ? ms_op : pooled.ms;
  const std::int64_t df_d = with_interaction ? a.operators_by_parts.df : pooled.df;
  const auto df = [](std::int64_t value) { return static_cast<double>(value); };

  if (ms_e > 0.0) {
    a.f_interaction = ms_op / ms_e;
    a.p_interaction =
        TailProbability(df(a.operators_by_parts.df), df(a.error.df), *a.f_interaction);
    if (d > 0.0 && df_d > 0) {
      a.f_operators = a.operators.ms / d;
      a.p_operators = TailProbability(df(a.operators.df), df(df_d), *a.f_operators);
      a.f_parts = a.parts.ms / d;
      a.p_parts = TailProbability(df(a.parts.df), df(df_d), *a.f_parts);
    }
  }

  const auto component = [](double variance) {
    VarianceComponent c;
    c.variance = Positive(variance);
    c.sigma = std::sqrt(c.variance);
    return c;
  };
  a.operator_component = component((a.operators.ms - d) / (T * P));
  a.part_component = component((a.parts.ms - d) / (T * O));
  if (with_interaction) a.interaction_component = component((ms_op - ms_e) / T);
  a.repeatability = component(with_interaction ? ms_e : pooled.ms);

  // Confidence limits. A limit whose denominator mean square is not positive is left empty,
  // as the F tests are skipped then.
  const double q_lower = (1.0 - confidence) / 2.0;
  const double q_upper = 1.0 - (1.0 - confidence) / 2.0;
  const double m = with_interaction ? ms_e : pooled.ms;
  const double nu = df(with_interaction ? a.error.df : pooled.df);
  const auto chi_limit = [&](double q) {
    const double chi = probability::ChiSquareQuantile(q, nu);
    return chi > 0.0 ? Limit(chi, m * nu / chi) : std::nullopt;
  };
  a.repeatability.limits = {chi_limit(q_lower), chi_limit(q_upper)};
  const auto f_limit = [&](double q, double ms, double denominator, std::int64_t df1,
                           std::int64_t df2, double divisor) -> std::optional<double> {
    if (!(denominator > 0.0)) return std::nullopt;
    const double f = probability::FQuantile(q, df(df1), df(df2));
    if (!(f > 0.0)) return std::nullopt;
    return Limit(f, (ms / (denominator * f) - 1.0) * denominator / divisor);
  };
  if (with_interaction)
    a.interaction_component.limits = {
        f_limit(q_lower, ms_op, ms_e, a.operators_by_parts.df, a.error.df, T),
        f_limit(q_upper, ms_op, ms_e, a.operators_by_parts.df, a.error.df, T)};
  a.operator_component.limits = {f_limit(q_lower, a.operators.ms, d, a.operators.df, df_d, T * P),
                                 f_limit(q_upper, a.operators.ms, d, a.operators.df, df_d, T * P)};
  a.part_component.limits = {f_limit(q_lower, a.parts.ms, d, a.parts.df, df_d, T * O),
                             f_limit(q_upper, a.parts.ms, d, a.parts.df, df_d, T * O)};

  a.rr.variance = a.repeatability.variance + a.operator_component.variance +
                  (with_interaction ? a.interaction_component.variance : 0.0);
  a.rr.sigma = std::sqrt(a.rr.variance);
  const auto rr_limit = [&](double q) -> std::optional<double> {
    const double chi = probability::ChiSquareQuantile(q, df(a.operators.df));
    if (!(chi > 0.0)) return std::nullopt;
    const double first = a.operators.ms * df(a.operators.df) / chi;
    const double rest =
        with_interaction ? (P - 1.0) * ms_op + (T - 1.0) * P * ms_e : (T * P - 1.0) * d;
    return Limit(chi, (first + rest) / (T * P));
  };
  a.rr.limits = {rr_limit(q_lower), rr_limit(q_upper)};
  a.total_variance = a.rr.variance + a.part_component.variance;

  if (!with_interaction) {
    a.error = pooled;
    a.operators_by_parts = {};
  }
  return a;
}

}  // namespace kpa::gage
