// Texts of the fixed plan that the dialogs and outputs share: the names of the
// distribution and the criterion, the description block of the results dialog, its
// sample-size line, and the printed specification. Texts come from the string table
// through the request; numbers are written as the output line writes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/request/request.h"
#include "shell/settings/sampling_settings.h"

namespace kpa::sampling {

// `value` as PutRealAuto writes it in `width` characters (decimals from the magnitude).
std::string AutoNumber(double value, int width);

// A line composed at fixed columns (1-based), as the output line composes it; blanks of a
// later piece leave what is under them.
class ComposedLine {
 public:
  ComposedLine& Put(int column, std::string_view text, int length = -1);
  ComposedLine& Overlay(int column, std::string_view text);  // blanks are transparent
  ComposedLine& Number(int column, double value, int width);
  std::string Trimmed() const;  // without trailing blanks
 private:
  std::u32string line_;
};

int DistributionCode(shell::SamplingDistribution distribution);  // 1, 2 or 3
std::string DistributionName(const shell::Request& request,
                             shell::SamplingDistribution distribution);  // "Moy. normales"...
std::string CriterionName(const shell::Request& request,
                          shell::SamplingCriterion criterion);  // "Bilatéral"...
// "(bilatéral)" or "(unilatéral)".
std::string SidedNote(const shell::Request& request, shell::SamplingCriterion criterion);
// The beta that the plan in force has: the target (computed N) or the achieved one.
double PlanBeta(const shell::SamplingSettings& settings);
double PlanSize(const shell::SamplingSettings& settings);

// The description block, rows 4 to 10 of the text area (blank rows 1 to 3).
std::vector<std::string> DescriptionBlock(const shell::Request& request,
                                          const shell::SamplingSettings& settings);

// The texts of the sample-size controls 119 (computed N) and 120 to 122 (custom N).
struct SampleSizeTexts {
  std::string computed;
  std::string custom_size;
  std::string achieved_label;
  std::string achieved_beta;
};
SampleSizeTexts MakeSampleSizeTexts(const shell::Request& request,
                                    const shell::SamplingSettings& settings);

// The printed specification, line by line.
std::vector<std::string> SpecificationPrintout(const shell::Request& request,
                                               const shell::SamplingSettings& settings);

}  // namespace kpa::sampling
