// Accessors of the data set and the formatting of data-file errors.
#include "host/impl/data/data_set.h"

#include <utility>

#include "host/impl/data/names.h"

namespace kpa::host::data {

std::optional<std::string> Variable::LabelOf(double code) const {
  const auto found = value_labels.find(code);
  if (found == value_labels.end()) return std::nullopt;
  return found->second;
}

std::int64_t DataSet::CaseCount() const {
  if (!variables.empty()) return static_cast<std::int64_t>(variables.front().values.size());
  return static_cast<std::int64_t>(case_names.size());
}

const Variable& DataSet::variable(int number) const {
  if (!HasVariable(number)) {
    throw std::out_of_range("no variable number " + std::to_string(number));
  }
  return variables[static_cast<std::size_t>(number - 1)];
}

Variable& DataSet::variable(int number) {
  return const_cast<Variable&>(std::as_const(*this).variable(number));
}

double DataSet::Value(int number, std::int64_t case_number) const {
  const Variable& var = variable(number);
  if (!HasCase(case_number)) {
    throw std::out_of_range("no case number " + std::to_string(case_number));
  }
  return var.values[static_cast<std::size_t>(case_number - 1)];
}

bool DataSet::IsMissing(int number, std::int64_t case_number) const {
  return variable(number).IsMissing(Value(number, case_number));
}

int DataSet::FindVariable(std::string_view name) const {
  for (std::size_t i = 0; i < variables.size(); ++i) {
    if (SameName(variables[i].name, name)) return static_cast<int>(i + 1);
  }
  return 0;
}

std::string DataSet::CaseName(std::int64_t case_number) const {
  if (case_number < 1 || case_number > static_cast<std::int64_t>(case_names.size())) return "";
  return case_names[static_cast<std::size_t>(case_number - 1)];
}

double CaseWeight(const DataSet& data, int weight_variable, std::int64_t case_number) {
  const double weight = data.Value(weight_variable, case_number);
  return data.variable(weight_variable).IsMissing(weight) ? 0.0 : weight;
}

namespace {

std::string FormatLocation(const std::string& file, int line, int column,
                           const std::string& detail) {
  std::string text = file;
  if (line > 0) {
    text += ':' + std::to_string(line);
    if (column > 0) text += ':' + std::to_string(column);
  }
  return text + ": " + detail;
}

}  // namespace

DataFileError::DataFileError(std::string file, int line, int column, std::string detail)
    : std::runtime_error(FormatLocation(file, line, column, detail)),
      file_(std::move(file)),
      line_(line),
      column_(column),
      detail_(std::move(detail)) {}

}  // namespace kpa::host::data
