// Shared texts of the fixed plan.
#include "sampling/outputs/plan_texts.h"

#include "host/api/special_values.h"
#include "resources/ids/sampling_strings.h"
#include "sampling/model/fixed_plan.h"
#include "shell/results/fixed_text.h"
#include "shell/results/output_line.h"

namespace kpa::sampling {
namespace {

using shell::SamplingCriterion;
using shell::SamplingDistribution;

// The distribution's name in the description block: the first 12 characters for normal
// means, the whole of the longer names of the other two.
int DistributionNameWidth(SamplingDistribution distribution) {
  switch (distribution) {
    case SamplingDistribution::kNormalMeans:
      return 12;
    case SamplingDistribution::kBinomialProportions:
      return 20;
    case SamplingDistribution::kPoissonFrequencies:
      return 19;
  }
  return 12;
}

}  // namespace

std::string AutoNumber(double value, int width) {
  const auto single = static_cast<float>(value);
  if (host::IsSpecialValue(value)) return std::string(static_cast<std::size_t>(width), ' ');
  return host::FormatNumberField(static_cast<double>(single), width,
                                 shell::AutoDecimals(single, width));
}

ComposedLine& ComposedLine::Put(int column, std::string_view text, int length) {
  std::u32string chars = shell::DecodeUtf8(text);
  if (length >= 0) chars.resize(static_cast<std::size_t>(length), U' ');
  const auto end = static_cast<std::size_t>(column - 1) + chars.size();
  if (line_.size() < end) line_.resize(end, U' ');
  std::copy(chars.begin(), chars.end(), line_.begin() + (column - 1));
  return *this;
}

ComposedLine& ComposedLine::Overlay(int column, std::string_view text) {
  const std::u32string chars = shell::DecodeUtf8(text);
  const auto end = static_cast<std::size_t>(column - 1) + chars.size();
  if (line_.size() < end) line_.resize(end, U' ');
  for (std::size_t i = 0; i < chars.size(); ++i)
    if (chars[i] != U' ') line_[static_cast<std::size_t>(column - 1) + i] = chars[i];
  return *this;
}

ComposedLine& ComposedLine::Number(int column, double value, int width) {
  return Put(column, AutoNumber(value, width));
}

std::string ComposedLine::Trimmed() const {
  return std::string(shell::TrimTrailingBlanks(shell::EncodeUtf8(line_)));
}

int DistributionCode(SamplingDistribution distribution) {
  return static_cast<int>(distribution) + 1;
}

std::string DistributionName(const shell::Request& request, SamplingDistribution distribution) {
  switch (distribution) {
    case SamplingDistribution::kNormalMeans:
      return request.Text(strings::kNameNormalMeans);
    case SamplingDistribution::kBinomialProportions:
      return request.Text(strings::kNameBinomial);
    case SamplingDistribution::kPoissonFrequencies:
      return request.Text(strings::kNamePoisson);
  }
  return {};
}

std::string CriterionName(const shell::Request& request, SamplingCriterion criterion) {
  switch (criterion) {
    case SamplingCriterion::kTwoTailed:
      return request.Text(strings::kNameTwoTailed);
    case SamplingCriterion::kOneSidedRight:
      return request.Text(strings::kNameOneSidedRight);
    case SamplingCriterion::kOneSidedLeft:
      return request.Text(strings::kNameOneSidedLeft);
  }
  return {};
}

std::string SidedNote(const shell::Request& request, SamplingCriterion criterion) {
  return request.Text(criterion == SamplingCriterion::kTwoTailed ? strings::kTwoTailedNote
                                                                 : strings::kOneSidedNote);
}

double PlanBeta(const shell::SamplingSettings& settings) {
  return settings.mode == shell::SampleSizeMode::kCustom ? settings.achieved_beta : settings.beta;
}

double PlanSize(const shell::SamplingSettings& settings) {
  return settings.mode == shell::SampleSizeMode::kCustom ? settings.custom_n : settings.computed_n;
}

std::vector<std::string> DescriptionBlock(const shell::Request& request,
                                          const shell::SamplingSettings& s) {
  std::vector<std::string> rows(3);
  const auto label_then_number = [&request](int text, int length, double value, int width) {
    ComposedLine line;
    line.Put(6, request.Text(text), length);
    line.Number(6 + length, value, width);
    return line.Trimmed();
  };
  ComposedLine distribution;
  distribution.Put(6, request.Text(strings::kDistributionLabel), 14);
  distribution.Put(20, DistributionName(request, s.distribution),
                   DistributionNameWidth(s.distribution));
  rows.push_back(distribution.Trimmed());
  rows.push_back(label_then_number(strings::kAlphaLabel, 47, s.alpha, 6));
  // The risk the user asked for, also when a custom N achieves another (the sample-size
  // line shows that one).
  rows.push_back(label_then_number(strings::kDescriptionBetaLabel, 46, s.beta, 6));
  ComposedLine h0;
  h0.Put(6, request.Text(strings::kH0Label), 69).Number(36, s.H0(), 7);
  rows.push_back(h0.Trimmed());
  ComposedLine h1;
  h1.Put(28, request.Text(strings::kH1Label), 42).Number(36, s.H1(), 7);
  rows.push_back(h1.Trimmed());
  if (s.distribution == SamplingDistribution::kNormalMeans)
    rows.push_back(label_then_number(strings::kSigmaLabel, 36, s.Sigma(), 7));
  else
    rows.emplace_back();
  ComposedLine criterion;
  criterion.Put(6, request.Text(strings::kCriterionLabel), 16);
  criterion.Put(22, CriterionName(request, s.criterion));
  rows.push_back(criterion.Trimmed());
  return rows;
}

SampleSizeTexts MakeSampleSizeTexts(const shell::Request& request,
                                    const shell::SamplingSettings& s) {
  SampleSizeTexts texts;
  if (s.mode == shell::SampleSizeMode::kComputed) {
    ComposedLine line;
    line.Put(1, host::FormatNumberField(static_cast<double>(RoundUpSize(s.computed_n)), 6, 0));
    line.Put(7, " (");
    line.Number(9, s.computed_n, 6);
    line.Put(15, request.Text(strings::kComputedSizeTail), 38);
    texts.computed = line.Trimmed();
  } else {
    ComposedLine size;
    size.Put(1, request.Text(strings::kCustomSizeLabel), 14).Number(15, s.custom_n, 6);
    texts.custom_size = size.Trimmed();
    texts.achieved_label = request.Text(strings::kAchievedBetaLabel);
    texts.achieved_beta = AutoNumber(s.achieved_beta, 6);
  }
  return texts;
}

std::vector<std::string> SpecificationPrintout(const shell::Request& request,
                                               const shell::SamplingSettings& s) {
  std::vector<std::string> lines;
  const auto labelled = [&](int text, int column, double value, int width) {
    ComposedLine line;
    line.Put(1, request.Text(text)).Number(column, value, width);
    lines.push_back(line.Trimmed());
  };
  lines.push_back(request.Text(strings::kPrintHeading));
  ComposedLine distribution;
  distribution.Put(1, request.Text(strings::kDistributionLabel))
      .Put(15, DistributionName(request, s.distribution));
  lines.push_back(distribution.Trimmed());
  labelled(strings::kAlphaLabel, 48, s.alpha, 6);
  labelled(strings::kPrintBetaLabel, 48, s.beta, 6);
  labelled(strings::kH0Label, 31, s.H0(), 7);
  // The H1 label stands under the H0 one ("H1 :" below "H0 :"), as in the description block.
  ComposedLine h1;
  h1.Put(23, request.Text(strings::kH1Label)).Number(31, s.H1(), 7);
  lines.push_back(h1.Trimmed());
  if (s.distribution == SamplingDistribution::kNormalMeans)
    labelled(strings::kSigmaLabel, 37, s.Sigma(), 7);
  ComposedLine criterion;
  criterion.Put(1, request.Text(strings::kCriterionLabel))
      .Put(17, CriterionName(request, s.criterion));
  lines.push_back(criterion.Trimmed());
  return lines;
}

}  // namespace kpa::sampling
