#include "capability/model/moments.h"

#include <cmath>

namespace kpa::capability {

SampleMoments FinishMoments(const MomentAccumulator& moments) {
  SampleMoments result;
  const auto n = static_cast<double>(moments.Count());
  if (n < 2.0 || moments.M2() <= 0.0) return result;
  const double variance = moments.M2() / (n - 1.0);
  result.sd = std::sqrt(variance);
  if (n < 4.0) return result;
  const double m2 = moments.M2() / n;
  const double m3 = moments.M3() / n;
  const double m4 = moments.M4() / n;
  const double s3 = variance * result.sd;
  result.skewness = n * n * m3 / ((n - 1.0) * (n - 2.0) * s3);
  result.kurtosis = n * n * ((n + 1.0) * m4 - 3.0 * (n - 1.0) * m2 * m2) /
                    ((n - 1.0) * (n - 2.0) * (n - 3.0) * variance * variance);
  return result;
}

}  // namespace kpa::capability
