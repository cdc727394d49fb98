#include "capability/model/histogram_span.h"

#include <cmath>

namespace kpa::capability {

HistogramSpan HistogramSpanOf(double first_edge, double width, double lo, double hi) {
  // A range without extent still gets a margin of one width.
  const double margin = hi > lo ? 0.1 * (hi - lo) : width;
  // The grid points nearest beyond lo - margin and hi + margin; the tolerance keeps a
  // point that lies on the margin within rounding.
  const double slack = 1e-9 * width;
  const double below = std::floor((lo - margin - first_edge + slack) / width);
  const double above = std::ceil((hi + margin - first_edge - slack) / width);
  return {first_edge + below * width, first_edge + above * width};
}

}  // namespace kpa::capability
