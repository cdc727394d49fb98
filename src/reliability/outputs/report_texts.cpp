#include "reliability/outputs/report_texts.h"

#include <charconv>
#include <cmath>

#include "resources/ids/reliability_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::reliability {
namespace {

std::string RightAligned(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string CodeTextOf(const shell::Request& request, int variable, double code) {
  if (const auto label = request.ValueLabelText(variable, code))
    return std::string(shell::TrimBlanks(*label));
  return ShortNumber(code);
}

std::string Percent(std::int64_t part, std::int64_t whole) {
  const double percent =
      whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 1);
  return "(" + RightAligned(std::string(buffer, end.ptr), 5) + "%) ";
}

}  // namespace

std::string TimeVariableNames(const shell::Request& request, const shell::WeibullSettings& s) {
  std::vector<int> variables = s.time_variables;
  if (s.list_of_variables && !variables.empty())
    variables = {variables[std::min(s.current_variable, variables.size() - 1)]};
  std::string names;
  const char* separator = variables.size() == 2 ? "-" : " ";
  for (std::size_t i = 0; i < variables.size(); ++i)
    names += (i == 0 ? "" : separator) + request.VariableName(variables[i]);
  return names;
}

bool GroupedLifeTable(const shell::WeibullSettings& settings) {
  return settings.mode == shell::WeibullMode::kGroupedData && !settings.treat_as_continuous;
}

std::string ShortNumber(double value) { return shell::SignificantText(value, 5); }

std::string DataLine(const shell::Request& request, const shell::WeibullSettings& s) {
  if (s.mode == shell::WeibullMode::kGroupedData) {
    const double failed = std::round(s.table.total_failed);
    return request.Text(strings::kGroupsLabel) + std::to_string(s.table.lower.size()) + "  " +
           request.Text(strings::kFailuresLabel) + ShortNumber(failed) + "  " +
           request.Text(strings::kCensoredCountLabel) + " " +
           ShortNumber(static_cast<double>(s.entering) - failed);
  }
  std::string line = TimeVariableNames(request, s) + "; " + request.Text(strings::kCensorLabel);
  if (s.censor_variable != 0)
    line += request.VariableName(s.censor_variable) + " (" +
            CodeTextOf(request, s.censor_variable, s.complete_code) + "," +
            CodeTextOf(request, s.censor_variable, s.censored_code) + ")";
  else
    line += request.Text(strings::kNoIndicator);
  if (shell::CharacterCount(line) < 52)
    line += "  " + request.Text(strings::kCountLabel) + RightAligned(std::to_string(s.sample.n), 7);
  if (s.censor_variable != 0 && shell::CharacterCount(line) < 45)
    line += " " + request.Text(strings::kCensoredCountLabel) + " " +
            std::to_string(s.sample.n - s.sample.r);
  return line;
}

std::string CaseLabel(const shell::Request& request, std::int64_t case_row, bool censored) {
  std::string label = request.HasCaseNames()
                          ? std::string(shell::TrimBlanks(request.CaseName(case_row)))
                          : std::to_string(case_row);
  if (censored) label += "*";
  return label;
}

std::string CensoredFootnote(const shell::Request& request) {
  return request.Text(strings::kCensoredFootnote) + request.Text(strings::kCensoredWord);
}

std::vector<std::string> DialogSummary(const shell::Request& request,
                                       const shell::WeibullSettings& s) {
  if (s.mode == shell::WeibullMode::kGroupedData) {
    const double failed = std::round(s.table.total_failed);
    return {request.Text(strings::kSummaryEntering) + " " + std::to_string(s.entering),
            request.Text(strings::kSummaryFailures) + ShortNumber(failed),
            request.Text(strings::kSummaryCensored) + " " +
                ShortNumber(static_cast<double>(s.entering) - failed),
            request.Text(s.treat_as_continuous ? strings::kSummaryContinuous
                                               : strings::kSummaryGroupedFit)};
  }
  const std::string censoring = s.censor_variable != 0 ? request.VariableName(s.censor_variable)
                                                       : request.Text(strings::kNoIndicator);
  const std::string complete =
      s.censor_variable != 0 ? CodeTextOf(request, s.censor_variable, s.complete_code) : "";
  const std::string censored =
      s.censor_variable != 0 ? CodeTextOf(request, s.censor_variable, s.censored_code) : "";
  const std::string codes[] = {" " + censoring, " " + complete, " " + censored};
  const std::string counts[] = {
      " " + std::to_string(s.sample.n),
      " " + std::to_string(s.sample.r) + " " + Percent(s.sample.r, s.sample.n),
      " " + std::to_string(s.sample.n - s.sample.r) + " " +
          Percent(s.sample.n - s.sample.r, s.sample.n)};
  return {request.Text(strings::kSummaryVariable) + " " + TimeVariableNames(request, s),
          shell::FillAfterMarks(request.Text(strings::kSummaryCensoring), ':', codes),
          shell::FillAfterMarks(request.Text(strings::kSummaryCounts), ':', counts)};
}

std::string LowerLimitLabel(double cl) { return RightAligned(ShortNumber(-100.0 * cl), 5) + "%"; }

std::string UpperLimitLabel(double cl) {
  return "+" + RightAligned(ShortNumber(100.0 * cl), 4) + "%";
}

std::string LineLegend(std::string_view text, double intercept, double slope) {
  const std::string line = "y = " + ShortNumber(intercept) + (slope < 0 ? " - " : " + ") +
                           ShortNumber(std::fabs(slope)) + " x";
  std::string result(text);
  if (const auto at = result.find("@F[1]"); at != std::string::npos) result.replace(at, 5, line);
  return std::string(shell::TrimBlanks(result));
}

std::string LevelPercent(double cl) { return ShortNumber(100.0 * cl) + "%"; }

}  // namespace kpa::reliability
