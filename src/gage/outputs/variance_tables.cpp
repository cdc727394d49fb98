#include "gage/outputs/variance_tables.h"

#include <cmath>

#include "resources/ids/gage_strings.h"

namespace kpa::gage {
namespace {

constexpr int kVarianceLabelWidth = 16;
constexpr int kPercentLabelWidth = 32;

std::optional<double> Percent(double part, double whole) {
  if (!(whole > 0.0)) return std::nullopt;
  return 100.0 * part / whole;
}

// Title line 3: the counts of the study.
std::string StudyCounts(const shell::Request& request, const Study& study) {
  return CountsLine(request.Text(strings::kTitleCounts), study.size);
}

std::string RangeSummary(const shell::Request& request, const Study& study, RangeMode mode,
                         const RangeComponents& c) {
  std::string line = Labelled(request.Text(strings::kTitleMean), study.mean);
  if (mode == RangeMode::kStandardDeviations)
    return line + "  " + Labelled(request.Text(strings::kTitleSd), study.sd);
  line += " " + Labelled(request.Text(strings::kTitleRBar), c.statistics.r_bar);
  if (study.size.trials >= 2)
    line += " " + Labelled(request.Text(strings::kTitleXBarDiff), c.statistics.x_bar_diff);
  return line + " " + Labelled(request.Text(strings::kTitleRPart), c.statistics.r_part);
}

std::string SourceHeader(const shell::Request& request, RangeMode mode, bool long_note) {
  const int note = mode == RangeMode::kRanges
                       ? strings::kHeadRangeSigma
                       : (long_note ? strings::kHeadPooledSdLong : strings::kHeadPooledSdShort);
  return request.Text(strings::kHeadSource) + request.Text(note);
}

}  // namespace

GageTable RangeVarianceTable(const shell::Request& request, const Study& study,
                             const StudyNames& names, RangeMode mode, const RangeComponents& c) {
  GageTable table(7, 4, kVarianceLabelWidth);
  table.Title(1, request.Text(strings::kVarianceTitle) + names.measure);
  table.Title(2, RangeSummary(request, study, mode, c));
  table.Title(3, StudyCounts(request, study));
  table.Header(SourceHeader(request, mode, false));
  table.Heading(0, request.Text(strings::kHeadEstimated), request.Text(strings::kHeadSigma));
  table.Heading(1, request.Text(strings::kHeadEstimated), request.Text(strings::kHeadVariance));
  table.Heading(2, request.Text(strings::kHeadPercentOf), request.Text(strings::kHeadRR));
  table.Heading(3, request.Text(strings::kHeadPercentOf), request.Text(strings::kHeadTotal));
  table.Label(0, request.Text(strings::kRowRepeatability));
  table.Label(1, request.Text(strings::kRowReproducibility));
  table.Label(2, request.Text(strings::kRowPartToPart));
  table.Separator(3);
  table.Label(4, request.Text(strings::kRowCombined));
  table.Separator(5);
  table.Label(6, request.Text(strings::kRowTotal));
  const auto row = [&](int r, double sigma, bool in_rr) {
    const double variance = sigma * sigma;
    table.Set(r, 0, sigma);
    table.Set(r, 1, variance);
    if (in_rr) table.Set(r, 2, Percent(variance, c.rr_variance));
    table.Set(r, 3, Percent(variance, c.total_variance));
  };
  if (c.ev) row(0, *c.ev, true);
  if (c.av) row(1, *c.av, true);
  row(2, c.pv, false);
  table.Set(4, 1, c.rr_variance);
  table.Set(4, 2, 100.0);
  table.Set(6, 1, c.total_variance);
  table.Set(6, 3, 100.0);
  if (c.total_variance > 0.0) {
    table.Set(4, 0, std::sqrt(c.rr_variance));
    table.Set(4, 3, Percent(c.rr_variance, c.total_variance));
    table.Set(6, 0, std::sqrt(c.total_variance));
  }
  return table;
}

void FillPercentColumns(GageTable& table, int value_column, int rows, double total,
                        double tolerance) {
  const int process = table.Columns() - 3;
  for (int r = 0; r < rows; ++r) {
    const std::optional<double> value = table.Get(r, value_column);
    if (!value) continue;
    if (const auto share = Percent(*value, total)) {
      table.Set(r, process, share);
      table.Set(r, process + 1, *share * *share * 0.01);
    }
    table.Set(r, process + 2, Percent(*value, tolerance));
  }
}

GageTable RangePercentToleranceTable(const shell::Request& request, const Study& study,
                                     const StudyNames& names, RangeMode mode,
                                     const RangeComponents& c, const ToleranceOptions& options) {
  const bool one_trial = study.size.trials < 2;
  const double k = options.sigma_intervals;
  GageTable table(9, 4, kPercentLabelWidth);
  const int title = one_trial ? strings::kPctTitle1 : strings::kPctTitle;
  const int sigma_note = one_trial ? strings::kPctSigmaNote1 : strings::kPctSigmaNote;
  table.Title(1, request.Text(title) + " " + names.measure + "  " + request.Text(sigma_note) +
                     TitleNumber(k));
  table.Title(2, RangeSummary(request, study, mode, c));
  table.Title(3, StudyCounts(request, study));
  table.Header(SourceHeader(request, mode, true));
  if (one_trial)
    table.Heading(0, request.Text(strings::kHeadMeasure1), request.Text(strings::kHeadUnits1));
  else
    table.Heading(0, request.Text(strings::kHeadUnits), request.Text(strings::kHeadMeasure));
  table.Heading(1, request.Text(strings::kHeadProc), request.Text(strings::kHeadVariation));
  table.Heading(2, request.Text(strings::kHeadTotalPct), request.Text(strings::kHeadContribution));
  table.Heading(3, request.Text(strings::kHeadPercentOfTol), request.Text(strings::kHeadTolerance));
  table.Label(0, request.Text(one_trial ? strings::kPctEv1 : strings::kPctEv));
  table.Label(1, request.Text(one_trial ? strings::kPctAv1 : strings::kPctAv));
  table.Label(2, request.Text(strings::kPctPv));
  table.Separator(3);
  table.Label(4, request.Text(one_trial ? strings::kPctRr1 : strings::kPctRr));
  table.Separator(5);
  table.Label(6, request.Text(one_trial ? strings::kPctTv1 : strings::kPctTv));
  table.Separator(7);
  table.Label(8, request.Text(strings::kPctTolerance));
  const double pv = k * c.pv;
  double rr = k * std::sqrt(c.rr_variance);
  if (!one_trial) {
    const double ev = k * c.ev.value_or(0.0);
    const double av = k * c.av.value_or(0.0);
    table.Set(0, 0, ev);
    table.Set(1, 0, av);
    rr = std::sqrt(ev * ev + av * av);
  }
  const double tv = std::sqrt(pv * pv + rr * rr);
  table.Set(2, 0, pv);
  table.Set(4, 0, rr);
  table.Set(6, 0, tv);
  FillPercentColumns(table, 0, 7, tv, options.total_tolerance);
  table.Set(8, 0, options.total_tolerance);
  table.Set(8, 3, 100.0);
  return table;
}

}  // namespace kpa::gage
