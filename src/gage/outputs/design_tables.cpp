#include "gage/outputs/design_tables.h"

#include "resources/ids/gage_strings.h"
#include "shell/results/fixed_text.h"

namespace kpa::gage {
namespace {

constexpr std::int64_t kMaxSheetRows = 1000;
constexpr std::int64_t kMaxSheetParts = 100;
constexpr std::int64_t kMaxSheetCells = 1800;
constexpr int kDesignLabelWidth = 8;
constexpr int kSheetLabelWidth = 24;
constexpr int kWholeNumber = 0;
constexpr double kDesignMissingCode = -9999.0;

void DesignTitles(const shell::Request& request, const StudySize& size, GageTable& table) {
  table.Title(1, request.Text(strings::kDesignTitle));
  table.Title(2, CountsLine(request.Text(strings::kDesignCounts), size));
}

std::string Trimmed(const shell::Request& request, int string_number) {
  return std::string(shell::TrimBlanks(request.Text(string_number)));
}

}  // namespace

int DataSheetLimitBroken(const StudySize& size) {
  if ((size.trials + 1) * size.operators > kMaxSheetRows) return strings::kSheetTooManyTrials;
  if (size.parts > kMaxSheetParts) return strings::kSheetTooManyParts;
  if (size.operators * size.parts * (size.trials + 1) > kMaxSheetCells)
    return strings::kSheetTooLarge;
  return 0;
}

GageTable DesignTable(const shell::Request& request, const StudySize& size,
                      const std::vector<std::int32_t>& order) {
  const auto n = static_cast<int>(size.Measurements());
  GageTable table(n, 4, kDesignLabelWidth);
  DesignTitles(request, size, table);
  table.Heading(0, "", request.Text(strings::kColumnOperator));
  table.Heading(1, "", request.Text(strings::kColumnPart));
  table.Heading(2, "", request.Text(strings::kColumnTrial));
  table.Heading(3, "", request.Text(strings::kColumnMeasure));
  for (int c = 0; c < 3; ++c) table.Format(c, 8, kWholeNumber);
  for (int k = 0; k < n; ++k) {
    const LayoutCell cell = CellOfIndex(size, order[static_cast<std::size_t>(k)] - 1);
    table.Label(k, std::to_string(k + 1));
    table.Set(k, 0, static_cast<double>(cell.operator_number));
    table.Set(k, 1, static_cast<double>(cell.part));
    table.Set(k, 2, static_cast<double>(cell.trial));
  }
  return table;
}

GageTable DataSheetTable(const shell::Request& request, const StudySize& size) {
  const auto rows = static_cast<int>((size.trials + 1) * size.operators - 1);
  GageTable table(rows, static_cast<int>(size.parts), kSheetLabelWidth);
  DesignTitles(request, size, table);
  table.Header(request.Text(strings::kSheetRowHeader));
  for (std::int64_t p = 0; p < size.parts; ++p)
    table.Heading(static_cast<int>(p), request.Text(strings::kSheetPartColumn),
                  std::to_string(p + 1));
  const std::string operator_text = request.Text(strings::kSheetOperatorRow);
  const std::string trial_text = request.Text(strings::kSheetTrialRow);
  int row = 0;
  for (std::int64_t o = 1; o <= size.operators; ++o) {
    const std::string lead = operator_text + std::to_string(o);
    for (std::int64_t t = 1; t <= size.trials; ++t) {
      const std::string first = t == 1 ? lead : std::string();
      table.Label(row++, shell::FitText(first, shell::CharacterCount(lead) + 3) + trial_text + " " +
                             std::to_string(t));
    }
    if (o < size.operators) table.Label(row++, "");
  }
  return table;
}

std::string DataSheetPartName(const shell::Request& request, std::int64_t part) {
  const std::string name = Trimmed(request, strings::kSheetFilePart) + std::to_string(part);
  if (shell::CharacterCount(name) <= 8) return name;
  return Trimmed(request, strings::kSheetPartColumn) + "_" + std::to_string(part);
}

host::NewDataFile DesignFile(const shell::Request& request, const StudySize& size,
                             const std::vector<std::int32_t>& order) {
  host::NewDataFile file;
  file.missing_code = kDesignMissingCode;
  for (const int name :
       {strings::kFileOperator, strings::kFilePart, strings::kFileTrial, strings::kFileMeasure})
    file.variables.push_back({Trimmed(request, name), {}});
  for (auto& variable : file.variables) variable.values.reserve(order.size());
  for (const std::int32_t position : order) {
    const LayoutCell cell = CellOfIndex(size, position - 1);
    file.variables[0].values.push_back(static_cast<double>(cell.operator_number));
    file.variables[1].values.push_back(static_cast<double>(cell.part));
    file.variables[2].values.push_back(static_cast<double>(cell.trial));
    file.variables[3].values.push_back(kDesignMissingCode);
  }
  return file;
}

host::NewDataFile DataSheetFile(const shell::Request& request, const StudySize& size) {
  host::NewDataFile file;
  file.missing_code = kDesignMissingCode;
  const auto cases = static_cast<std::size_t>(size.operators * size.trials);
  for (std::int64_t p = 1; p <= size.parts; ++p)
    file.variables.push_back(
        {DataSheetPartName(request, p), std::vector<double>(cases, kDesignMissingCode)});
  for (std::int64_t o = 1; o <= size.operators; ++o)
    for (std::int64_t t = 1; t <= size.trials; ++t)
      file.case_names.push_back(request.Text(strings::kSheetCaseOperator) + std::to_string(o) +
                                " " + request.Text(strings::kSheetCaseTrial) + std::to_string(t));
  return file;
}

}  // namespace kpa::gage
