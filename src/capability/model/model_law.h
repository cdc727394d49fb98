// The law a frequency table or a probability plot compares the observations with: the
// normal law of mean mu and sigma, the Johnson curve fitted by moments to the standardised
// observations, or a named distribution fitted to them.
#pragma once

#include <optional>

#include "shell/settings/capability_settings.h"

namespace kpa::capability {

enum class LawKind { kNormal, kJohnson, kFitted };

struct ModelLaw {
  LawKind kind = LawKind::kNormal;
  double mu = 0.0;
  double sigma = 1.0;
  shell::JohnsonFit johnson;  // kJohnson: in sigma units about mu
  shell::NamedFit fitted;     // kFitted
};

// F(x): 0 below and 1 above the law's range.
[[nodiscard]] double LawDistributionFunction(const ModelLaw& law, double x);

// The quantile of probability p, 0 < p < 1, in the data's units; std::nullopt where the law
// gives no finite value.
[[nodiscard]] std::optional<double> LawQuantile(const ModelLaw& law, double p);

// The theoretical quantile a Q-Q plot shows: the standard normal deviate, the Johnson variate
// of that deviate (sigma units), or the standardised fitted quantile (no threshold, unit
// scale). The observed values lie along the line through (LawStandardQuantile(p),
// LawQuantile(p)), which is straight for every law.
[[nodiscard]] std::optional<double> LawStandardQuantile(const ModelLaw& law, double p);

}  // namespace kpa::capability
