#include "gage/model/layout.h"

#include <cmath>

namespace kpa::gage {

LayoutCell CellOfIndex(const StudySize& size, std::int64_t index) {
  LayoutCell cell;
  cell.part = index % size.parts + 1;
  cell.trial = (index / size.parts) % size.trials + 1;
  cell.operator_number = index / (size.parts * size.trials) + 1;
  return cell;
}

void ComputeOverallMoments(Study& study) {
  double mean = 0.0;
  double ss = 0.0;
  std::int64_t n = 0;
  for (const double value : study.x) {
    ++n;
    const double old_mean = mean;
    mean += (value - mean) / static_cast<double>(n);
    ss += (value - old_mean) * (value - mean);
  }
  study.mean = mean;
  study.sd = n > 1 ? std::sqrt(ss / static_cast<double>(n - 1)) : 0.0;
}

}  // namespace kpa::gage
