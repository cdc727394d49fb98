// The one order in which every gage routine holds the O·P·T measurements of a study: parts
// vary fastest, then trials, then operators. Counting from 0, the measurement of part p in
// trial t by operator o stands at p + P·t + P·T·o.
#pragma once

#include <cstdint>
#include <vector>

namespace kpa::gage {

struct StudySize {
  std::int64_t operators = 0;
  std::int64_t parts = 0;
  std::int64_t trials = 0;

  // Products are taken in 64 bits: no count of the dialogs can make them wrap.
  std::int64_t Measurements() const { return operators * parts * trials; }
  std::int64_t Index(std::int64_t o, std::int64_t p, std::int64_t t) const {
    return p + parts * (t + trials * o);
  }
};

// The operator, part and trial (each from 1) of layout position `index` (from 0).
struct LayoutCell {
  std::int64_t operator_number = 0;
  std::int64_t part = 0;
  std::int64_t trial = 0;
};
LayoutCell CellOfIndex(const StudySize& size, std::int64_t index);

// A complete study: the measurements in layout order.
struct Study {
  StudySize size;
  std::vector<double> x;
  double mean = 0.0;  // of the N measurements
  double sd = 0.0;    // divisor N - 1

  double At(std::int64_t o, std::int64_t p, std::int64_t t) const {
    return x[static_cast<std::size_t>(size.Index(o, p, t))];
  }
};

// Mean and standard deviation (divisor n - 1) of the study's measurements.
void ComputeOverallMoments(Study& study);

}  // namespace kpa::gage
