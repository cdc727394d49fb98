#include "gage/model/layout.h"

#include "gage/model/running_statistics.h"

namespace kpa::gage {

LayoutCell CellOfIndex(const StudySize& size, std::int64_t index) {
  LayoutCell cell;
  cell.part = index % size.parts + 1;
  cell.trial = (index / size.parts) % size.trials + 1;
  cell.operator_number = index / (size.parts * size.trials) + 1;
  return cell;
}

void ComputeOverallMoments(Study& study) {
  RunningStatistics all;
  for (const double value : study.x) all.Add(value);
  study.mean = all.mean;
  study.sd = all.Sd();
}

}  // namespace kpa::gage
