#include "gage/model/range_method.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gage/model/d2_star.h"
#include "gage/model/running_statistics.h"
#include "shell/probability/control_constants.h"

namespace kpa::gage {
RangeComponents ComputeRangeMethod(const Study& study, RangeMode mode, bool adjust_appraiser) {
  const StudySize& s = study.size;
  RangeComponents out;
  std::vector<RunningStatistics> operator_moments(static_cast<std::size_t>(s.operators));
  std::vector<RunningStatistics> part_moments(static_cast<std::size_t>(s.parts));
  RunningStatistics cell_ranges;
  RunningStatistics cell_sds;
  for (std::int64_t o = 0; o < s.operators; ++o)
    for (std::int64_t p = 0; p < s.parts; ++p) {
      RunningStatistics cell;
      for (std::int64_t t = 0; t < s.trials; ++t) {
        const double x = study.At(o, p, t);
        cell.Add(x);
        operator_moments[static_cast<std::size_t>(o)].Add(x);
        part_moments[static_cast<std::size_t>(p)].Add(x);
      }
      cell_ranges.Add(cell.Range());
      cell_sds.Add(cell.Sd());
    }
  RunningStatistics operator_means;
  for (const RunningStatistics& m : operator_moments) operator_means.Add(m.mean);
  RunningStatistics part_means;
  for (const RunningStatistics& m : part_moments) part_means.Add(m.mean);
  out.statistics.x_bar_diff = operator_means.Range();
  out.statistics.r_part = std::max(part_means.Range(), 0.0);
  const double pv =
      mode == RangeMode::kRanges ? out.statistics.r_part / D2Star(s.parts, 1) : part_means.Sd();
  out.pv = pv;

  double rr_variance = 0.0;
  if (s.trials >= 2) {
    // Every operator averages the same number of cells, so the mean of the operators' mean
    // ranges is the mean of all cell ranges.
    out.statistics.r_bar = cell_ranges.mean;
    const double ev = mode == RangeMode::kRanges
                          ? cell_ranges.mean / D2Star(s.trials, s.operators * s.parts)
                          : cell_sds.mean / probability::C4(static_cast<double>(s.trials));
    double av = mode == RangeMode::kRanges ? out.statistics.x_bar_diff / D2Star(s.operators, 1)
                                           : operator_means.Sd();
    if (adjust_appraiser) {
      const double adjusted = av * av - ev * ev / static_cast<double>(s.parts * s.trials);
      av = std::sqrt(std::max(adjusted, 0.0));
    }
    out.ev = ev;
    out.av = av;
    rr_variance = ev * ev + av * av;
  } else {
    RunningStatistics across;  // ranges (or standard deviations) of each part across operators
    for (std::int64_t p = 0; p < s.parts; ++p) {
      RunningStatistics part;
      for (std::int64_t o = 0; o < s.operators; ++o) part.Add(study.At(o, p, 0));
      across.Add(mode == RangeMode::kRanges ? part.Range() : part.Sd());
    }
    out.statistics.r_bar = across.mean;
    const double rr = mode == RangeMode::kRanges
                          ? across.mean / D2Star(s.operators, s.parts)
                          : across.mean / probability::C4(static_cast<double>(s.operators));
    rr_variance = rr * rr;
  }
  out.rr_variance = rr_variance;
  out.total_variance = rr_variance + pv * pv;
  return out;
}

}  // namespace kpa::gage
