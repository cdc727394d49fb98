// The fixed-plan summary spreadsheet.
#include "sampling/outputs/summary_table.h"

#include "host/api/special_values.h"
#include "resources/ids/sampling_strings.h"
#include "sampling/model/fixed_plan.h"
#include "sampling/outputs/plan_texts.h"
#include "shell/results/fixed_text.h"

namespace kpa::sampling {
namespace {

using shell::SampleSizeMode;
using shell::SamplingDistribution;

// Values are stored in single precision, as the table has always held them.
double Single(double value) { return static_cast<double>(static_cast<float>(value)); }

std::string ShortDistributionName(const shell::Request& request,
                                  SamplingDistribution distribution) {
  switch (distribution) {
    case SamplingDistribution::kNormalMeans:
      return shell::FitText(request.Text(strings::kNameNormalMeans), 12);
    case SamplingDistribution::kBinomialProportions:
      return request.Text(strings::kShortBinomial);
    case SamplingDistribution::kPoissonFrequencies:
      return request.Text(strings::kShortPoisson);
  }
  return {};
}

}  // namespace

shell::TableStatus BuildFixedSummary(const shell::Request& request,
                                     const shell::SamplingSettings& s, shell::ResultTable& table) {
  shell::SmallTableArrays arrays;
  shell::SetTableTitle(arrays.title, 1, request.Text(strings::kSummaryTitle));
  arrays.lower_names[0] =
      shell::FitText(request.Text(strings::kSummaryColumn), shell::kColumnNameWidth);
  const shell::TableStatus status = shell::AllocateResultTable(
      table, 0, 1, kSummaryRows, kSummaryRowLabelWidth, kSummaryCellWidth);
  if (status != shell::TableStatus::kOk) return status;
  shell::TakeSmallTableHeadings(arrays, table);
  table.SetRowHeader(request.Text(strings::kSummaryRowHeader));
  table.Options()[0] = kSummaryOptionByte;
  table.Display().column_width = kSummaryCellWidth;
  table.Display().decimals = 6;
  table.Display().layout = {26, 14, 19, 1, 0, kSummaryRowLabelWidth, kSummaryCellWidth, 12, 6, 0};

  const bool custom = s.mode == SampleSizeMode::kCustom;
  const double n = custom ? s.custom_n : s.computed_n;
  const auto sigma_used = ComputeBasis(InputsFromSettings(s)).sigma_used;
  const auto row = [&](int index, int label, double value, std::string text) {
    table.SetRowLabel(index, request.Text(label));
    table.SetValue(index, 0, Single(value));
    table.SetCellText(index, 0, text);
  };
  row(0, strings::kRowDistribution, DistributionCode(s.distribution),
      ShortDistributionName(request, s.distribution));
  row(1, strings::kRowSigma, sigma_used, AutoNumber(sigma_used, 7));
  ComposedLine size;
  size.Put(1, host::FormatNumberField(static_cast<double>(RoundUpSize(n)), 5, 0))
      .Put(6, " (")
      .Number(8, n, 6)
      .Put(14, ")");
  row(2, custom ? strings::kRowCustomN : strings::kRowComputedN, n, size.Trimmed());
  row(3, strings::kRowH0, s.H0(), AutoNumber(s.H0(), 7));
  row(4, strings::kRowH1, s.H1(), AutoNumber(s.H1(), 7));
  row(5, strings::kRowAlpha, s.alpha, AutoNumber(s.alpha, 6));
  table.SetRowLabel(
      5, shell::FitText(request.Text(strings::kRowAlpha) + " " + SidedNote(request, s.criterion),
                        kSummaryRowLabelWidth));
  row(6, strings::kRowBeta, PlanBeta(s), AutoNumber(PlanBeta(s), 6));
  const double lower = custom ? s.custom_lower : s.computed_lower;
  const double upper = custom ? s.custom_upper : s.computed_upper;
  row(7, strings::kRowLowerLimit, lower, AutoNumber(lower, 7));
  row(8, strings::kRowUpperLimit, upper, AutoNumber(upper, 7));
  return shell::TableStatus::kOk;
}
}  // namespace kpa::sampling
