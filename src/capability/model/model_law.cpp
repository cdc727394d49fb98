#include "capability/model/model_law.h"

#include <cstdint>

#include "capability/model/johnson_curves.h"
#include "capability/model/named_distributions.h"
#include "shell/probability/normal.h"

namespace kpa::capability {
namespace {

std::optional<double> StandardNormalQuantile(double p) {
  if (!(p > 0.0 && p < 1.0)) return std::nullopt;
  std::int16_t fault = 0;
  const double z = probability::NormalQuantile(p, fault);
  if (fault != 0) return std::nullopt;
  return z;
}

}  // namespace

double LawDistributionFunction(const ModelLaw& law, double x) {
  switch (law.kind) {
    case LawKind::kNormal:
      return probability::NormalIntegral((x - law.mu) / law.sigma, false);
    case LawKind::kJohnson:
      return JohnsonDistributionFunction((x - law.mu) / law.sigma, law.johnson).value_or(0.0);
    case LawKind::kFitted:
      return FittedDistributionFunction(law.fitted, x);
  }
  return 0.0;
}

std::optional<double> LawStandardQuantile(const ModelLaw& law, double p) {
  if (law.kind == LawKind::kFitted) return FittedQuantile(law.fitted, p, true);
  const auto z = StandardNormalQuantile(p);
  if (!z || law.kind == LawKind::kNormal) return z;
  return JohnsonVariate(*z, law.johnson);
}

std::optional<double> LawQuantile(const ModelLaw& law, double p) {
  if (law.kind == LawKind::kFitted) return FittedQuantile(law.fitted, p);
  const auto standard = LawStandardQuantile(law, p);
  if (!standard) return std::nullopt;
  return law.mu + law.sigma * *standard;
}

}  // namespace kpa::capability
