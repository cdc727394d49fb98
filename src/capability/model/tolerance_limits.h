// Tolerance limits: normal limits from the mean and sigma with the factor k, and
// distribution-free limits at the extreme observations with the proportion p or the
// confidence gamma computed from the other.
#pragma once

#include <cstdint>
#include <optional>

namespace kpa::capability {

// k for Ntol observations, proportion p and confidence gamma. Two-sided:
// k = (1 + 1/(2 Ntol)) z sqrt(nu / chi2), z = Phi^-1(1 - (1 - p)/2), chi2 the chi-square point
// of nu = Ntol - 1 degrees of freedom exceeded with probability gamma (Howe's form).
// One-sided: k = t / sqrt(Ntol), t the gamma quantile of the noncentral t with nu degrees of
// freedom and noncentrality Phi^-1(p) sqrt(Ntol). std::nullopt when a quantile fails.
[[nodiscard]] std::optional<double> NormalToleranceFactor(std::int64_t ntol, double p, double gamma,
                                                          bool two_sided);

// Distribution-free limits at x(1) and x(N): the confidence of including p
// (two-sided 1 - Q4(4 (N - 0.5)(1 - p)/(1 + p)), Q4 the chi-square tail of 4 degrees of
// freedom; one-sided 1 - p^N), and the proportion included with confidence gamma
// (two-sided 1 - 2/(4 (N - 0.5)/chi2 + 1), chi2 exceeded with probability 1 - gamma;
// one-sided (1 - gamma)^(1/N)).
[[nodiscard]] std::optional<double> FreeToleranceConfidence(std::int64_t n, double p,
                                                            bool two_sided);
[[nodiscard]] std::optional<double> FreeToleranceProportion(std::int64_t n, double gamma,
                                                            bool two_sided);

}  // namespace kpa::capability
