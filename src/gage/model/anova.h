// Analysis of variance of a crossed gage study (Montgomery and Runger 1993, "Gauge
// capability and designed experiments"; AIAG MSA, ANOVA method): the three-way
// decomposition into operators, parts, trials and their interactions, and the two-way
// random-effects model (operators, parts, their interaction, repeatability) with its
// variance components and confidence limits of their standard deviations (Burdick and
// Larsen 1997 for the combined R&R).
#pragma once

#include <array>
#include <optional>

#include "gage/model/layout.h"

namespace kpa::gage {

struct AnovaEffect {
  double ss = 0.0;
  std::int64_t df = 0;
  double ms = 0.0;  // ss / df when df > 0, else 0
};

// Operators, parts, trials, O×P, O×T, P×T, O×P×T, then the total.
enum ThreeWayRow {
  kOperators,
  kParts,
  kTrials,
  kOperatorsByParts,
  kOperatorsByTrials,
  kPartsByTrials,
  kThreeWay,
  kThreeWayTotal,
  kThreeWayRows
};

struct ThreeWayTable {
  std::array<AnovaEffect, kThreeWayRows> rows;
};

ThreeWayTable ComputeThreeWay(const Study& study);

struct ConfidenceLimits {
  std::optional<double> lower;
  std::optional<double> upper;
};

struct VarianceComponent {
  double variance = 0.0;  // negative estimates become 0
  double sigma = 0.0;
  ConfidenceLimits limits;
};

// The two-way model. Without the interaction, the error row is the pooled one and the
// interaction row stays empty.
struct TwoWayAnalysis {
  bool interaction = true;
  AnovaEffect operators, parts, operators_by_parts, error, total;
  std::optional<double> f_operators, p_operators;
  std::optional<double> f_parts, p_parts;
  std::optional<double> f_interaction, p_interaction;
  VarianceComponent repeatability, operator_component, interaction_component, part_component;
  VarianceComponent rr;
  double total_variance = 0.0;
};

// T must be at least 2. `confidence` is the two-sided level c of the limits.
TwoWayAnalysis ComputeTwoWay(const Study& study, const ThreeWayTable& three_way,
                             bool with_interaction, double confidence);

}  // namespace kpa::gage
