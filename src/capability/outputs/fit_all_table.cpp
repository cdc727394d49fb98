#include "capability/outputs/fit_all_table.h"

#include "resources/ids/capability_strings.h"
#include "shell/results/result_grid.h"

namespace kpa::capability {
namespace {

constexpr int kLabelWidth = 38;
constexpr int kColumns = 6;

}  // namespace

std::string KolmogorovLevelText(const shell::Request& request, double p) {
  const std::pair<double, const char*> levels[] = {
      {0.01, ".01"}, {0.05, ".05"}, {0.10, ".10"}, {0.15, ".15"}, {0.20, ".20"}};
  for (const auto& [level, text] : levels)
    if (p < level) {
      // " p<" and the level in the blanks after it.
      std::string below = request.Text(strings::kKsBelow);
      while (!below.empty() && below.back() == ' ') below.pop_back();
      return below + text;
    }
  return request.Text(strings::kKsNotSignificant);
}

bool ShowFitAllTable(shell::Request& request, const std::string& variable, std::int64_t n,
                     const std::vector<FitAllRow>& rows) {
  shell::ResultGrid grid(static_cast<int>(rows.size()), kColumns, kLabelWidth);
  grid.Title(1, request.Text(strings::kFitAllTitle));
  grid.Title(2, request.Text(strings::kVariableTitle) + variable + "   " +
                    request.Text(strings::kNEqualsFitAll) + std::to_string(n));
  grid.Title(3, request.Text(strings::kFitAllNote));
  grid.Header(request.Text(strings::kFitAllHeader));
  const std::string specified = request.Text(strings::kColSpecified);
  grid.Heading(0, specified, request.Text(strings::kColParameter1));
  grid.Heading(1, specified, request.Text(strings::kColParameter2));
  grid.Heading(2, "", request.Text(strings::kColParameter1));
  grid.Heading(3, "", request.Text(strings::kColParameter2));
  grid.Heading(4, "", request.Text(strings::kColKsD));
  grid.Heading(5, request.Text(strings::kColKsUpper), request.Text(strings::kColKsLevel));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const FitAllRow& row = rows[r];
    const int i = static_cast<int>(r);
    grid.Label(i, request.Text(row.label));
    grid.Set(i, 0, row.fixed1);
    grid.Set(i, 1, row.fixed2);
    grid.Set(i, 2, row.parameter1);
    grid.Set(i, 3, row.parameter2);
    grid.Set(i, 4, row.d);
    if (row.p) {
      grid.Set(i, 5, *row.p);
      grid.Text(i, 5, KolmogorovLevelText(request, *row.p));
      if (*row.p < 0.05) grid.Mark(i, 5);
    }
  }
  return grid.Show(request);
}

}  // namespace kpa::capability
