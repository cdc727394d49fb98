#include "gage/outputs/anova_tables.h"

#include <charconv>
#include <cmath>

#include "resources/ids/gage_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {
namespace {

constexpr int kAnovaLabelWidth = 30;
constexpr int kComponentLabelWidth = 16;
constexpr int kPercentLabelWidth = 32;
constexpr int kWholeNumber = 0;

std::optional<double> Percent(double part, double whole) {
  if (!(whole > 0.0)) return std::nullopt;
  return 100.0 * part / whole;
}

std::string WithName(const shell::Request& request, int label, int plain, const std::string& name,
                     const StudyNames& names) {
  if (names.data_sheet || name.empty()) return request.Text(plain);
  return std::string(shell::TrimBlanks(request.Text(label))) + " " + name + ")";
}

// The classification rows of a data file name their variables.
std::string EffectLabel(const shell::Request& request, const StudyNames& names, int row) {
  switch (row) {
    case kOperators:
      return WithName(request, strings::kRowOperatorsVariable, strings::kRowOperators,
                      names.operators, names);
    case kParts:
      return WithName(request, strings::kRowPartsVariable, strings::kRowParts, names.parts, names);
    default:
      return WithName(request, strings::kRowTrialsVariable, strings::kRowTrials, names.trials,
                      names);
  }
}

void SetEffect(GageTable& table, int row, const AnovaEffect& effect, int ss, int df, int ms) {
  if (effect.df <= 0) return;
  table.Set(row, ss, effect.ss);
  table.Set(row, df, static_cast<double>(effect.df));
  table.Set(row, ms, effect.ms);
}

// The confidence level as a proportion in 5 characters ("0.900").
std::string ConfidenceText(double confidence) {
  char buffer[32];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, confidence, std::chars_format::fixed, 3);
  return shell::FitText(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)),
                        5);
}

// The confidence level as a whole percent in 3 characters, then " Lim.".
std::string LevelHeading(const shell::Request& request, double confidence) {
  std::string percent = std::to_string(std::lround(confidence * 100.0));
  if (percent.size() < 3) percent.insert(0, 3 - percent.size(), ' ');
  return percent + " " + request.Text(strings::kHeadLimit);
}

std::string ComponentMeanLine(const shell::Request& request, const Study& study) {
  return Labelled(request.Text(strings::kAnovaTitleMean), study.mean) + "  " +
         Labelled(request.Text(strings::kAnovaTitleSd), study.sd);
}

// What the component and percent-tolerance tables share: the moments and the counts in title
// lines 2 and 3, the label column's heading, and the headings of the two limit columns.
void ComponentFrame(GageTable& table, const shell::Request& request, const Study& study,
                    int header_note, double confidence) {
  table.Title(2, ComponentMeanLine(request, study));
  table.Title(3, CountsLine(request.Text(strings::kTitleCounts), study.size));
  table.Header(request.Text(strings::kHeadSource) + request.Text(header_note));
  const std::string level = LevelHeading(request, confidence);
  table.Heading(1, level, request.Text(strings::kHeadLowerConf));
  table.Heading(2, level, request.Text(strings::kHeadUpperConf));
}

const VarianceComponent* ComponentOfRow(const TwoWayAnalysis& a, int row) {
  switch (row) {
    case 0:
      return &a.repeatability;
    case 1:
      return &a.operator_component;
    case 2:
      return a.interaction ? &a.interaction_component : nullptr;
    case 3:
      return &a.part_component;
    default:
      return &a.rr;
  }
}

}  // namespace

GageTable ThreeWayAnovaTable(const shell::Request& request, const StudyNames& names,
                             const ThreeWayTable& anova) {
  GageTable table(9, 4, kAnovaLabelWidth);
  table.Title(1, request.Text(strings::kAnovaTitle));
  if (!names.data_sheet) table.Title(2, request.Text(strings::kAnovaVariable) + names.measure);
  table.Header(request.Text(strings::kAnovaRowHeader));
  table.Heading(0, request.Text(strings::kHeadSum), request.Text(strings::kHeadSquares));
  table.Heading(1, request.Text(strings::kHeadPercentage), request.Text(strings::kHeadOfTotal));
  table.Heading(2, "", request.Text(strings::kHeadDf));
  table.Heading(3, request.Text(strings::kHeadMean), request.Text(strings::kHeadSquares));
  table.Format(2, 8, kWholeNumber);
  const int labels[] = {0,
                        0,
                        0,
                        strings::kRowOperatorsByParts,
                        strings::kRowOperatorsByTrials,
                        strings::kRowPartsByTrials,
                        strings::kRowThreeWay};
  const double total = anova.rows[kThreeWayTotal].ss;
  for (int row = 0; row < kThreeWay + 1; ++row) {
    table.Label(row, row <= kTrials ? EffectLabel(request, names, row) : request.Text(labels[row]));
    const AnovaEffect& effect = anova.rows[static_cast<std::size_t>(row)];
    if (effect.df <= 0) continue;
    SetEffect(table, row, effect, 0, 2, 3);
    table.Set(row, 1, Percent(effect.ss, total));
  }
  table.Separator(7);
  table.Label(8, request.Text(strings::kRowAnovaTotal));
  const AnovaEffect& all = anova.rows[kThreeWayTotal];
  table.Set(8, 0, all.ss);
  table.Set(8, 1, 100.0);
  table.Set(8, 2, static_cast<double>(all.df));
  table.Set(8, 3, all.ms);
  return table;
}

GageTable TwoWayAnovaTable(const shell::Request& request, const StudyNames& names,
                           const TwoWayAnalysis& a, double confidence) {
  GageTable table(6, 9, kAnovaLabelWidth);
  table.Title(1, request.Text(strings::kAnovaTitle));
  table.Title(2, request.Text(strings::kTwoWayOpen) + ConfidenceText(confidence) +
                     request.Text(strings::kTwoWayLimits) + request.Text(strings::kTwoWayClose));
  if (!names.data_sheet) table.Title(3, request.Text(strings::kAnovaVariable) + names.measure);
  table.Header(request.Text(strings::kAnovaRowHeader));
  table.Heading(0, request.Text(strings::kHeadSum), request.Text(strings::kHeadSquares));
  table.Heading(1, "", request.Text(strings::kHeadDf));
  table.Heading(2, request.Text(strings::kHeadMean), request.Text(strings::kHeadSquares));
  table.Heading(3, "", request.Text(strings::kHeadF));
  table.Heading(4, "", request.Text(strings::kHeadP));
  table.Heading(5, request.Text(strings::kHeadVariance), request.Text(strings::kHeadTheoretical));
  table.Heading(6, request.Text(strings::kHeadStdDev), request.Text(strings::kHeadTheoretical));
  table.Heading(7, request.Text(strings::kHeadLowerLimit), request.Text(strings::kHeadStdDev));
  table.Heading(8, request.Text(strings::kHeadUpperLimit), request.Text(strings::kHeadStdDev));
  table.Format(1, 8, kWholeNumber);
  table.Label(0, EffectLabel(request, names, kOperators));
  table.Label(1, EffectLabel(request, names, kParts));
  table.Label(2, request.Text(strings::kRowOperatorsByParts));
  table.Label(3, request.Text(a.interaction ? strings::kRowError : strings::kRowPooledError));
  table.Separator(4);
  table.Label(5, request.Text(strings::kRowAnovaTotal));
  SetEffect(table, 0, a.operators, 0, 1, 2);
  SetEffect(table, 1, a.parts, 0, 1, 2);
  if (a.interaction) SetEffect(table, 2, a.operators_by_parts, 0, 1, 2);
  SetEffect(table, 3, a.error, 0, 1, 2);
  table.Set(0, 3, a.f_operators);
  table.Set(0, 4, a.p_operators);
  table.Set(1, 3, a.f_parts);
  table.Set(1, 4, a.p_parts);
  if (a.interaction) {
    table.Set(2, 3, a.f_interaction);
    table.Set(2, 4, a.p_interaction);
  }
  const VarianceComponent* rows[] = {&a.operator_component, &a.part_component,
                                     a.interaction ? &a.interaction_component : nullptr,
                                     &a.repeatability};
  for (int r = 0; r < 4; ++r) {
    const VarianceComponent* c = rows[r];
    if (c == nullptr) continue;
    table.Set(r, 5, c->variance);
    table.Set(r, 6, c->sigma);
    table.Set(r, 7, c->limits.lower);
    table.Set(r, 8, c->limits.upper);
  }
  table.Set(5, 0, a.total.ss);
  table.Set(5, 1, static_cast<double>(a.total.df));
  return table;
}

GageTable AnovaVarianceTable(const shell::Request& request, const Study& study,
                             const StudyNames& names, const TwoWayAnalysis& a, double confidence) {
  GageTable table(8, 6, kComponentLabelWidth);
  table.Title(1, request.Text(strings::kVarianceTitle) + names.measure);
  ComponentFrame(table, request, study, strings::kHeadTheoreticalMs, confidence);
  table.Heading(0, request.Text(strings::kHeadEstimatedSigma1),
                request.Text(strings::kHeadEstimatedSigma2));
  table.Heading(3, request.Text(strings::kHeadVariance),
                request.Text(strings::kHeadVarianceEstimated));
  table.Heading(4, request.Text(strings::kHeadPercentOf), request.Text(strings::kHeadRR));
  table.Heading(5, request.Text(strings::kHeadOfTotal2), request.Text(strings::kHeadTotal));
  table.Label(0, request.Text(strings::kRowRepeatability));
  table.Label(1, request.Text(a.interaction ? strings::kRowOperatorComponent
                                            : strings::kRowReproducibility));
  table.Label(2, request.Text(strings::kRowInteraction));
  table.Label(3, request.Text(strings::kRowPartToPart));
  table.Separator(4);
  table.Label(5, request.Text(strings::kRowCombined));
  table.Separator(6);
  table.Label(7, request.Text(strings::kRowTotal));
  for (const int row : {0, 1, 2, 3, 5}) {
    const VarianceComponent* c = ComponentOfRow(a, row == 5 ? 4 : row);
    if (c == nullptr) continue;
    table.Set(row, 0, c->sigma);
    table.Set(row, 1, c->limits.lower);
    table.Set(row, 2, c->limits.upper);
    table.Set(row, 3, c->variance);
    if (row == 5)
      table.Set(row, 4, 100.0);
    else if (row != 3)
      table.Set(row, 4, Percent(c->variance, a.rr.variance));
    table.Set(row, 5, Percent(c->variance, a.total_variance));
  }
  table.Set(7, 0, std::sqrt(a.total_variance));
  table.Set(7, 3, a.total_variance);
  table.Set(7, 5, 100.0);
  return table;
}

GageTable AnovaPercentToleranceTable(const shell::Request& request, const Study& study,
                                     const StudyNames& names, const TwoWayAnalysis& a,
                                     double confidence, const ToleranceOptions& options) {
  const double k = options.sigma_intervals;
  GageTable table(10, 6, kPercentLabelWidth);
  table.Title(1, request.Text(strings::kPctTitle) + " " + names.measure + "  " +
                     request.Text(strings::kAnovaPctSigmaNote) + TitleNumber(k));
  ComponentFrame(table, request, study, strings::kHeadTheoreticalMsLower, confidence);
  table.Heading(0, request.Text(strings::kHeadUnits2), request.Text(strings::kHeadMeasure));
  table.Heading(3, request.Text(strings::kHeadProc2), request.Text(strings::kHeadVariation));
  table.Heading(4, request.Text(strings::kHeadTotalPct), request.Text(strings::kHeadContribution));
  table.Heading(5, request.Text(strings::kHeadPercentOfTol), request.Text(strings::kHeadTolerance));
  table.Label(0, request.Text(strings::kAnovaPctEv));
  table.Label(1, request.Text(a.interaction ? strings::kAnovaPctOperator
                                            : strings::kAnovaPctReproducibility));
  table.Label(2, request.Text(strings::kAnovaPctInteraction));
  table.Label(3, request.Text(strings::kPctPv));
  table.Separator(4);
  table.Label(5, request.Text(strings::kPctRr));
  table.Separator(6);
  table.Label(7, request.Text(strings::kAnovaPctTv));
  table.Separator(8);
  table.Label(9, request.Text(strings::kPctTolerance));
  const auto scaled = [k](const std::optional<double>& limit) -> std::optional<double> {
    if (!limit) return std::nullopt;
    return k * *limit;
  };
  for (int row = 0; row < 4; ++row) {
    const VarianceComponent* c = ComponentOfRow(a, row);
    if (c == nullptr) continue;
    table.Set(row, 0, k * c->sigma);
    table.Set(row, 1, scaled(c->limits.lower));
    table.Set(row, 2, scaled(c->limits.upper));
  }
  const double ev = k * a.repeatability.sigma;
  const double ov = k * a.operator_component.sigma;
  const double iv = a.interaction ? k * a.interaction_component.sigma : 0.0;
  const double rr = std::sqrt(ev * ev + ov * ov + iv * iv);
  const double pv = k * a.part_component.sigma;
  const double total = std::sqrt(rr * rr + pv * pv);
  table.Set(5, 0, rr);
  table.Set(5, 1, scaled(a.rr.limits.lower));
  table.Set(5, 2, scaled(a.rr.limits.upper));
  table.Set(7, 0, total);
  FillPercentColumns(table, 0, 8, total, options.total_tolerance);
  table.Set(9, 0, options.total_tolerance);
  table.Set(9, 5, 100.0);
  return table;
}

}  // namespace kpa::gage
