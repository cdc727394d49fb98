#include "capability/model/moments.h"

#include <algorithm>
#include <cmath>

namespace kpa::capability {

MomentSums MomentsOf(std::span<const double> values) {
  MomentSums sums;
  sums.n = static_cast<std::int64_t>(values.size());
  if (values.empty()) return sums;
  // Two partial sums per quantity let consecutive additions run side by side; the extremes
  // come in the same pass.
  double sum[2] = {0.0, 0.0};
  double low[2] = {values[0], values[0]};
  double high[2] = {values[0], values[0]};
  std::size_t i = 0;
  for (; i + 1 < values.size(); i += 2) {
    for (std::size_t lane = 0; lane < 2; ++lane) {
      const double x = values[i + lane];
      sum[lane] += x;
      low[lane] = x < low[lane] ? x : low[lane];
      high[lane] = x > high[lane] ? x : high[lane];
    }
  }
  if (i < values.size()) {
    sum[0] += values[i];
    low[0] = std::min(low[0], values[i]);
    high[0] = std::max(high[0], values[i]);
  }
  sums.minimum = std::min(low[0], low[1]);
  sums.maximum = std::max(high[0], high[1]);
  const double mean = (sum[0] + sum[1]) / static_cast<double>(values.size());
  double deviations[2] = {0.0, 0.0};
  double m2[2] = {0.0, 0.0};
  double m3[2] = {0.0, 0.0};
  double m4[2] = {0.0, 0.0};
  for (i = 0; i < values.size(); ++i) {
    const double d = values[i] - mean;
    const double d2 = d * d;
    deviations[i & 1] += d;
    m2[i & 1] += d2;
    m3[i & 1] += d2 * d;
    m4[i & 1] += d2 * d2;
  }
  // The rounding of the mean leaves the deviations a small sum c; M2 loses c^2 / n, the
  // corrected two-pass algorithm (Chan, Golub and LeVeque 1983, The American Statistician
  // 37, 242-247).
  const double c = deviations[0] + deviations[1];
  sums.mean = mean;
  sums.m2 = m2[0] + m2[1] - c * c / static_cast<double>(values.size());
  sums.m3 = m3[0] + m3[1];
  sums.m4 = m4[0] + m4[1];
  return sums;
}

SampleMoments FinishMoments(const MomentSums& moments) {
  SampleMoments result;
  const auto n = static_cast<double>(moments.n);
  if (n < 2.0 || moments.m2 <= 0.0) return result;
  const double variance = moments.m2 / (n - 1.0);
  result.sd = std::sqrt(variance);
  if (n < 4.0) return result;
  const double m2 = moments.m2 / n;
  const double m3 = moments.m3 / n;
  const double m4 = moments.m4 / n;
  const double s3 = variance * result.sd;
  result.skewness = n * n * m3 / ((n - 1.0) * (n - 2.0) * s3);
  result.kurtosis = n * n * ((n + 1.0) * m4 - 3.0 * (n - 1.0) * m2 * m2) /
                    ((n - 1.0) * (n - 2.0) * (n - 3.0) * variance * variance);
  return result;
}

}  // namespace kpa::capability
