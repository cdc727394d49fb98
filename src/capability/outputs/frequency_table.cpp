#include "capability/outputs/frequency_table.h"

#include <array>

#include "capability/outputs/tables.h"
#include "resources/ids/capability_strings.h"
#include "shell/results/fixed_text.h"
#include "shell/results/result_grid.h"

namespace kpa::capability {
namespace {

constexpr int kColumns = 10;
constexpr int kLabelWidth = 12;
constexpr const char* kLevels[] = {".20", ".20", ".15", ".10", ".05", ".01"};

// The level after a "p<" mark: the smallest level exceeded, or "> .20" over the mark.
void WriteLevel(std::string& line, std::size_t& from, int exceeded) {
  const std::size_t mark = line.find('<', from);
  if (mark == std::string::npos) return;
  std::string text = kLevels[exceeded];
  if (exceeded == 0) {
    line[mark] = '>';
    text = " " + text;
  }
  line.replace(mark + 1, std::min(text.size(), line.size() - mark - 1), text);
  from = mark + 1;
}

}  // namespace

bool ShowFrequencyTable(shell::Request& request, const FrequencyTable& t) {
  const auto categories = static_cast<int>(t.observed.size());
  shell::ResultGrid grid(categories, kColumns, kLabelWidth);
  // The chi-square line: statistic, degrees of freedom, p (or n.s.).
  const std::string p =
      t.chi_square.p ? FixedText(*t.chi_square.p, 4)
                     : std::string(shell::TrimBlanks(request.Text(strings::kFreqNotSignificant)));
  std::string chi = shell::FillAfterMarks(request.Text(strings::kFreqChiLine), ':',
                                          std::array{FixedText(t.chi_square.chi2, 4)});
  chi = shell::FillAfterMarks(chi, '=', std::array{std::to_string(t.chi_square.df), p});
  std::vector<std::string> lines = {t.title};
  if (!t.model_line.empty()) lines.push_back(t.model_line);
  if (t.fitted && t.ks_d) {
    // "d  (K-S)= " with the level, then the short chi-square form.
    std::string ks = request.Text(strings::kFreqFittedKs) + FixedText(*t.ks_d, 4) +
                     (t.ks_known == 0 ? " n.s." : std::string(" p<") + kLevels[t.ks_known]);
    const std::string short_chi = shell::FillAfterMarks(
        request.Text(strings::kFreqFittedChi), '=',
        std::array{FixedText(t.chi_square.chi2, 4), std::to_string(t.chi_square.df), p});
    lines.push_back(ks + "   " + short_chi);
  } else {
    if (t.ks_d) {
      std::string ks = shell::FillAfterMarks(request.Text(strings::kFreqKsLine), '=',
                                             std::array{FixedText(*t.ks_d, 4)});
      std::size_t from = 0;
      WriteLevel(ks, from, t.ks_known);
      if (t.ks_lilliefors) WriteLevel(ks, from, *t.ks_lilliefors);
      lines.push_back(ks);
    }
    lines.push_back(chi);
  }
  for (std::size_t i = 0; i < lines.size() && i < 3; ++i)
    grid.Title(static_cast<int>(i) + 1, lines[i]);
  grid.Header(request.Text(strings::kFreqBoundHeader));
  const int upper[kColumns] = {strings::kFreqObservedUpper, strings::kFreqCumulativeUpper,
                               strings::kFreqPercentUpper,  strings::kFreqCumPercentUpper,
                               strings::kFreqExpectedUpper, strings::kFreqCumulativeUpper,
                               strings::kFreqPercentUpper,  strings::kFreqCumPercentUpper,
                               strings::kFreqObservedUpper, strings::kFreqChiUpper};
  const int lower[kColumns] = {strings::kFreqCountLower,    strings::kFreqObservedLower,
                               strings::kFreqObservedLower, strings::kFreqObservedLower,
                               strings::kFreqCountLower,    strings::kFreqExpectedLower,
                               strings::kFreqExpectedLower, strings::kFreqExpectedLower,
                               strings::kFreqExpectedLower, strings::kFreqChiLower};
  for (int c = 0; c < kColumns; ++c)
    grid.Heading(c, request.Text(upper[c]), request.Text(lower[c]));
  grid.Format(0, 10, 0);
  grid.Format(1, 10, 0);
  double n = 0.0;
  for (const double o : t.observed) n += o;
  double cum_o = 0.0;
  double cum_e = 0.0;
  for (int k = 0; k < categories; ++k) {
    const auto i = static_cast<std::size_t>(k);
    grid.Label(k, i < t.bounds.size() ? FixedText(t.bounds[i], t.decimals)
                                      : request.Text(strings::kFreqInfinity));
    const double o = t.observed[i];
    const double e = t.expected[i];
    cum_o += o;
    cum_e += e;
    const double values[kColumns - 1] = {o,    cum_o, 100.0 * o / n, 100.0 * cum_o / n,
                                         e,    cum_e, 100.0 * e / n, 100.0 * cum_e / n,
                                         o - e};
    for (int c = 0; c < kColumns - 1; ++c) grid.Set(k, c, n > 0.0 ? values[c] : 0.0);
    // The chi-square term of the merged group that ends at this category.
    if (i < t.chi_square.terms.size()) grid.Set(k, kColumns - 1, t.chi_square.terms[i]);
  }
  return grid.Show(request);
}

}  // namespace kpa::capability
