#include "capability/model/tolerance_limits.h"

#include <cmath>

#include "shell/probability/chi_square_f.h"
#include "shell/probability/noncentral_t.h"
#include "shell/probability/normal.h"

namespace kpa::capability {
namespace {

namespace p = probability;

std::optional<double> Finite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

std::optional<double> NormalToleranceFactor(std::int64_t ntol, double prop, double gamma,
                                            bool two_sided) {
  if (ntol < 2 || !(prop > 0.0 && prop < 1.0) || !(gamma > 0.0 && gamma < 1.0)) return std::nullopt;
  const double n = static_cast<double>(ntol);
  const double nu = n - 1.0;
  std::int16_t fault = 0;
  const double z = p::NormalQuantile(two_sided ? 1.0 - (1.0 - prop) / 2.0 : prop, fault);
  if (fault != 0) return std::nullopt;
  if (two_sided) {
    const double chi2 = p::ChiSquareQuantile(gamma, nu);
    if (!(chi2 > 0.0)) return std::nullopt;  // the quantile's fault answer
    return Finite((1.0 + 1.0 / (2.0 * n)) * z * std::sqrt(nu / chi2));
  }
  std::int16_t status = 0;
  const double t = p::NoncentralTQuantile(gamma, static_cast<int>(nu), z * std::sqrt(n), status);
  if (status != 0) return std::nullopt;
  return Finite(t / std::sqrt(n));
}

std::optional<double> FreeToleranceConfidence(std::int64_t count, double prop, bool two_sided) {
  if (count < 1 || !(prop > 0.0 && prop < 1.0)) return std::nullopt;
  const double n = static_cast<double>(count);
  if (!two_sided) return Finite(1.0 - std::pow(prop, n));
  return Finite(1.0 -
                p::ChiSquareTailProbability(4.0 * (n - 0.5) * (1.0 - prop) / (1.0 + prop), 4.0));
}

std::optional<double> FreeToleranceProportion(std::int64_t count, double gamma, bool two_sided) {
  if (count < 1 || !(gamma > 0.0 && gamma < 1.0)) return std::nullopt;
  const double n = static_cast<double>(count);
  if (!two_sided) return Finite(std::pow(1.0 - gamma, 1.0 / n));
  const double chi2 = p::ChiSquareQuantile(1.0 - gamma, 4.0);
  if (!(chi2 > 0.0)) return std::nullopt;
  return Finite(1.0 - 2.0 / (4.0 * (n - 0.5) / chi2 + 1.0));
}

}  // namespace kpa::capability
