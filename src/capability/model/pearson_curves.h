// Standardised percentiles of Pearson curves: the 0.135 % and 99.865 % points and the median
// of the Pearson curve with a given skewness g1 and excess kurtosis g2, in standard
// deviations from the mean, by bilinear interpolation in a stored table (|g1| = 0 to 2 by
// 0.1, g2 = -1.4 to 12.2 by 0.2; made by tools/pearson_table.cpp).
#pragma once

#include <optional>

namespace kpa::capability {

// The point of the curve on the side of z: z < 0 the 0.135 % point, z > 0 the 99.865 % point,
// z = 0 the median (only the sign of z counts). std::nullopt outside the table (|g1| > 2, g2
// outside -1.4..12.2) or where the moments admit no curve.
[[nodiscard]] std::optional<double> PearsonStandardPercentile(double skewness, double kurtosis,
                                                              double z);

}  // namespace kpa::capability
