// Settings of the gage repeatability and reproducibility procedure kept in the settings
// block: the study (counts, options of the analyses), the design order and its generator,
// the data named by the specification dialogs and the study read from them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kpa::shell {

enum class GageMode : std::int16_t { kGenerateDesign = 1, kAnalyzeStudy = 2 };
enum class GageSource : std::int16_t { kDataFile = 1, kDataSheet = 2 };

// 0: range method with the d2* table; 1: range method with standard deviations; 2: ANOVA.
enum class GageEstimation : std::int16_t { kRanges = 0, kStandardDeviations = 1, kAnova = 2 };

// The state of the design generator (linear congruential with a 97-entry shuffle table).
struct ShuffleGeneratorState {
  bool initialised = false;
  std::int64_t seed = 0;
  std::int64_t last = 0;
  std::array<std::int64_t, 97> table{};
};

struct GageCounts {
  std::int64_t operators = 2;
  std::int64_t parts = 10;
  std::int64_t trials = 2;
};

struct GageSettings {
  GageMode mode = GageMode::kGenerateDesign;
  GageSource source = GageSource::kDataFile;
  // The master tab the gage dialogs last asked for: 1 the data-file tab, 2 the data-sheet
  // tab, anything else the first tab of the step's own dialog.
  std::int16_t master_tab = 0;

  GageCounts counts;        // O, P, T of the study
  GageCounts saved_counts;  // the last validated counts, shown when a count dialog opens
  GageEstimation estimation = GageEstimation::kRanges;
  double total_tolerance = 1.0;
  double sigma_intervals = 5.15;
  bool adjust_appraiser = true;
  bool no_interaction = false;
  double confidence = 0.90;

  // The design order: 1 randomise trials, 2 standard order; the permutation (from 1).
  std::int16_t trial_order = 2;
  bool randomised = false;
  std::vector<std::int32_t> order;
  ShuffleGeneratorState generator;

  // A standard data file: the classification and measurement variables (0: none) and the
  // selected codes of each classification variable.
  int operator_variable = 0;
  int part_variable = 0;
  int trial_variable = 0;
  int measure_variable = 0;
  std::vector<double> operator_codes;
  std::vector<double> part_codes;
  std::vector<double> trial_codes;
  // An R&R data sheet: one variable per part.
  std::vector<int> sheet_variables;
  std::string data_file;  // the file the variables belong to

  // The study read, in layout order, with its overall moments.
  std::vector<double> measurements;
  double mean = 0.0;
  double sd = 0.0;
};

}  // namespace kpa::shell
