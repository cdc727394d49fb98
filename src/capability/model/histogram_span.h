// The horizontal span of a capability histogram: the grid of category edges (from the
// first edge by whole widths) is extended or cut at each end so that it covers the range
// [lo, hi] that must show (the categories, the specification limits, the sigma limits) with
// a margin of at least a tenth of hi - lo beyond each end, and no whole width more.
#pragma once

namespace kpa::capability {

struct HistogramSpan {
  double from = 0.0;
  double to = 1.0;
};

// `first_edge` is a point of the grid, `width` > 0, lo <= hi.
[[nodiscard]] HistogramSpan HistogramSpanOf(double first_edge, double width, double lo, double hi);

}  // namespace kpa::capability
